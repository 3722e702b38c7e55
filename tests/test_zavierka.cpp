#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "TestAgenda.h"
#include "TestOkna.h"

#include "closing/Uctovnazavierka.h"
#include "closing/Vykazy.h"
#include "closing/Vykazytlac.h"
#include "closing/Zavierka.h"
#include "exam/Generovanie.h"
#include "exam/Vyhodnotenie.h"
#include "ledger/Obraty.h"
#include "reports/Report.h"
#include "store/Agenda.h"
#include "store/Store.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTest>

using namespace saldovia;

namespace {

// Journal lines "date amount debit credit", separated by ";". Accounts as the pickers store
// them: padded to five characters.
void zapisatDennik(Connection& c, const char* riadky) {
    qint64 r = 0;
    for (const QString& riadok : QString::fromUtf8(riadky).split(u';', Qt::SkipEmptyParts)) {
        const QStringList p = riadok.simplified().split(u' ');
        c.execBound(QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, ?, '', ?, 'EUR', "
                                   "'1,000', ?, 'Zápis', ?, ?);"),
                    {++r, p[0], p[1], p[1], p[2].leftJustified(5), p[3].leftJustified(5)});
    }
}

// Profit 2865,00: an opening through 701 (equipment with its depreciation, goods on an
// analytic account, cash, bank, equity, suppliers, retained profit), a sale with its VAT, a
// revenue with a debit entry, VAT with a credit balance.
const char* Zisk = "01.01.2025 12000,00 022 701;01.01.2025 4800,00 701 082;"
                   "01.01.2025 3000,00 13201 701;01.01.2025 1000,00 211 701;"
                   "01.01.2025 5000,00 221 701;01.01.2025 10000,00 701 411;"
                   "01.01.2025 3200,00 701 321;01.01.2025 3000,00 701 428;"
                   "15.03.2025 5000,00 311 604;15.03.2025 1150,00 311 343;"
                   "20.03.2025 1200,00 504 13201;31.03.2025 600,00 551 082;"
                   "10.04.2025 300,00 518 321;10.04.2025 69,00 343 321;"
                   "30.04.2025 5000,00 221 311;30.04.2025 1000,00 321 221;"
                   "05.05.2025 10,00 221 662;06.05.2025 40,00 604 311;07.05.2025 5,00 568 221";

// Loss 1600,00: software with its amortisation, material with its allowance, VAT with a
// debit balance, wages.
const char* Strata = "01.01.2025 2400,00 013 701;01.01.2025 800,00 701 073;"
                     "01.01.2025 500,00 112 701;01.01.2025 50,00 701 191;"
                     "01.01.2025 3000,00 221 701;01.01.2025 5000,00 701 411;"
                     "01.01.2025 50,00 701 428;02.02.2025 300,00 501 112;"
                     "03.02.2025 1000,00 518 321;03.02.2025 230,00 343 321;"
                     "28.02.2025 700,00 521 331;10.03.2025 400,00 221 602";

// A zero result with faults: an opening that does not balance (701 keeps 100,00 credit), a
// cost on an account of class 9, a cost on a group that no line of the income statement takes.
const char* Nula = "01.01.2025 1000,00 211 701;01.01.2025 900,00 701 411;"
                   "05.01.2025 50,00 518 211;06.01.2025 50,00 211 604;"
                   "07.01.2025 20,00 901 211;08.01.2025 30,00 582 211;09.01.2025 30,00 211 604";

// Closing postings as "debit credit amount".
QStringList zapisy(const zavierka::Navrh& n) {
    QStringList out;
    for (const zavierka::Zapis& z : n.zapisy)
        out << QStringLiteral("%1 %2 %3").arg(z.maDat, z.dal, z.suma.toText());
    return out;
}

QStringList zoznam(const char* text) {
    return QString::fromUtf8(text).split(u';');
}

// Statement lines with a value, as "key=value" (assets "key=gross/correction/net").
QStringList riadky(const QList<vykazy::Polozka>& polozky) {
    QStringList out;
    for (const vykazy::Polozka& p : polozky) {
        if (p.brutto.isZero() && p.korekcia.isZero() && p.suma.isZero())
            continue;
        out << (p.riadok.strana == vykazy::Strana::Aktiva
                    ? QStringLiteral("%1=%2/%3/%4")
                          .arg(p.riadok.kod, p.brutto.toText(), p.korekcia.toText(),
                               p.suma.toText())
                    : QStringLiteral("%1=%2").arg(p.riadok.kod, p.suma.toText()));
    }
    return out;
}

} // namespace

class TestZavierka : public TestUlozenia {
    Q_OBJECT

    zavierka::Navrh pripravit(const char* dennik) {
        zapisatDennik(store->connection(), dennik);
        return zavierka::pripravit(zavierka::zostatky(*store), 2025);
    }

private slots:
    // Every closing posting of a profit, a loss and a zero result, in the order they are
    // written, with the check of 702 and the accounts left outside.
    void zapisyZavierky() {
        const zavierka::Navrh z = pripravit(Zisk);
        QCOMPARE(z.datum, QDate(2025, 12, 31));
        QCOMPARE(zapisy(z),
                 zoznam("710 504 1200,00;710 518 300,00;710 551 600,00;710 568 5,00;"
                        "604 710 4960,00;662 710 10,00;710 431 2865,00;"
                        "702 022 12000,00;082 702 5400,00;702 13201 1800,00;702 211 1000,00;"
                        "702 221 9005,00;702 311 1110,00;321 702 2569,00;343 702 1081,00;"
                        "411 702 10000,00;428 702 3000,00;431 702 2865,00"));
        QCOMPARE(z.vysledok.toText(), QStringLiteral("2865,00"));
        QCOMPARE(z.maDat702.toText(), QStringLiteral("24915,00"));
        QCOMPARE(z.dal702.toText(), QStringLiteral("24915,00"));
        QVERIFY(z.vyrovnany());
        QVERIFY(z.mimo.isEmpty());
        QCOMPARE(z.zapisy[0].popis, QStringLiteral("Uzavretie nákladového účtu 504"));
        QCOMPARE(z.zapisy[4].popis, QStringLiteral("Uzavretie výnosového účtu 604"));
        QCOMPARE(z.zapisy[6].popis, QStringLiteral("Prevod zisku bežného roka na 431"));
        QCOMPARE(z.zapisy[7].popis, QStringLiteral("Uzavretie súvahového účtu 022"));

        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        const zavierka::Navrh s = pripravit(Strata);
        QCOMPARE(zapisy(s), zoznam("710 501 300,00;710 518 1000,00;710 521 700,00;602 710 400,00;"
                                   "431 710 1600,00;702 013 2400,00;073 702 800,00;702 112 200,00;"
                                   "191 702 50,00;702 221 3400,00;321 702 1230,00;331 702 700,00;"
                                   "702 343 230,00;411 702 5000,00;428 702 50,00;702 431 1600,00"));
        QCOMPARE(s.vysledok.toText(), QStringLiteral("-1600,00"));
        QCOMPARE(s.zapisy[4].popis, QStringLiteral("Prevod straty bežného roka na 431"));
        QCOMPARE(s.maDat702.toText(), QStringLiteral("7830,00"));
        QVERIFY(s.vyrovnany());

        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        const zavierka::Navrh n = pripravit(Nula);
        QCOMPARE(zapisy(n), zoznam("710 518 50,00;710 582 30,00;604 710 80,00;702 211 980,00;"
                                   "411 702 900,00"));
        QVERIFY(n.vysledok.isZero());
        QVERIFY(!n.vyrovnany());
        QCOMPARE(n.maDat702.toText(), QStringLiteral("980,00"));
        QCOMPARE(n.dal702.toText(), QStringLiteral("900,00"));
        QCOMPARE(n.mimo.size(), 2);
        QCOMPARE(n.mimo[0].ucet, QStringLiteral("701"));
        QCOMPARE(n.mimo[0].zostatok().toText(), QStringLiteral("-100,00"));
        QCOMPARE(n.mimo[1].ucet, QStringLiteral("901"));
    }

    // Every line of both statements of the three journals, the checks, and where they differ.
    void vykazy() {
        zapisatDennik(store->connection(), Zisk);
        vykazy::Vykazy v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        QCOMPARE(riadky(v.suvaha),
                 zoznam("SA=24915,00/5400,00/19515,00;A=12000,00/5400,00/6600,00;"
                        "AII=12000,00/5400,00/6600,00;B=12915,00/0,00/12915,00;"
                        "BI=1800,00/0,00/1800,00;BII=1110,00/0,00/1110,00;"
                        "BIII=10005,00/0,00/10005,00;SP=19515,00;PA=15865,00;PAI=10000,00;"
                        "PAIII=3000,00;PAIV=2865,00;PB=3650,00;PBIII=3650,00"));
        QCOMPARE(riadky(v.vzas), zoznam("V=4970,00;VI=4960,00;VVII=10,00;N=2105,00;NA=1200,00;"
                                        "NC=300,00;NF=600,00;NI=5,00;VH=2865,00"));
        QVERIFY(v.suvahaSedi());
        QVERIFY(v.vysledokSedi());
        QVERIFY(v.rozdiely.isEmpty());
        QVERIFY(vykazy::kontrolaSuvahy(v).contains(QStringLiteral("19515,00 = 19515,00")));

        // As of the end of March: only what was posted up to then.
        v = vykazy::zostavit(*store, QDate(2025, 3, 31));
        QCOMPARE(v.aktiva.toText(), QStringLiteral("20550,00"));
        QCOMPARE(v.pasiva.toText(), QStringLiteral("20550,00"));
        QCOMPARE(v.vysledokVykaz.toText(), QStringLiteral("3200,00"));

        // The closing written leaves the statements as they were: its postings take no part.
        zavierka::zapisat(*store, zavierka::pripravit(zavierka::zostatky(*store), 2025));
        v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        QCOMPARE(v.aktiva.toText(), QStringLiteral("19515,00"));
        QCOMPARE(v.vysledokSuvaha.toText(), QStringLiteral("2865,00"));

        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        zapisatDennik(store->connection(), Strata);
        v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        QCOMPARE(riadky(v.suvaha),
                 zoznam("SA=6230,00/850,00/5380,00;A=2400,00/800,00/1600,00;"
                        "AI=2400,00/800,00/1600,00;B=3830,00/50,00/3780,00;"
                        "BI=200,00/50,00/150,00;BII=230,00/0,00/230,00;BIII=3400,00/0,00/3400,00;"
                        "SP=5380,00;PA=3450,00;PAI=5000,00;PAIII=50,00;PAIV=-1600,00;"
                        "PB=1930,00;PBIII=1930,00"));
        QCOMPARE(riadky(v.vzas), zoznam("V=400,00;VII=400,00;N=2000,00;NB=300,00;NC=1000,00;"
                                        "ND=700,00;VH=-1600,00"));
        QVERIFY(v.rozdiely.isEmpty());

        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        zapisatDennik(store->connection(), Nula);
        v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        QCOMPARE(v.aktiva.toText(), QStringLiteral("980,00"));
        QCOMPARE(v.pasiva.toText(), QStringLiteral("900,00"));
        QCOMPARE(v.vysledokSuvaha.toText(), QStringLiteral("0,00"));
        QCOMPARE(v.vysledokVykaz.toText(), QStringLiteral("30,00"));
        QVERIFY(!v.suvahaSedi());
        QVERIFY(!v.vysledokSedi());
        const QString r = v.rozdiely.join(u'\n');
        QVERIFY2(r.contains(QStringLiteral("rozdiel 80,00 na strane aktív")), qPrintable(r));
        QVERIFY2(r.contains(QStringLiteral("Účet 701 Začiatočný účet súvahový má zostatok 100,00 "
                                           "D")),
                 qPrintable(r));
        QVERIFY2(r.contains(QStringLiteral("Účet 901 (trieda 9) so zostatkom 20,00 MD")),
                 qPrintable(r));
        QVERIFY2(r.contains(QStringLiteral("Účet 582 (trieda 5) so zostatkom 30,00 MD nie je v "
                                           "žiadnom riadku výkazu")),
                 qPrintable(r));
        QVERIFY(vykazy::kontrolaVysledku(v).contains(QStringLiteral("rozdiel 30,00")));
    }

    // Every account of classes 0 to 6 of the factory chart has its line (the closing accounts
    // and the off-balance ones of class 7 none).
    void tabulkaPokryvaOsnovu() {
        const ResultSet rs = store->connection().query(QStringLiteral(
            "SELECT Cislo FROM UctovaOsnova WHERE Druh NOT IN ('UT','US') AND Cislo < '7';"));
        QVERIFY(rs.rowCount() > 200);
        for (int i = 0; i < rs.rowCount(); ++i)
            QVERIFY2(vykazy::priradenie(rs.text(i, 0)), qPrintable(rs.text(i, 0)));
        QVERIFY(!vykazy::priradenie(QStringLiteral("701")));
        // Contra accounts correct their asset line; a settlement's side follows its balance.
        QVERIFY(vykazy::priradenie(QStringLiteral("082"))->korekcia);
        QCOMPARE(vykazy::priradenie(QStringLiteral("343"))->riadokDal, QStringLiteral("PBIII"));
        QCOMPARE(vykazy::priradenie(QStringLiteral("428"))->riadok, QStringLiteral("PAIII"));
    }

    // The help's table names every entry of the code's table.
    void pomocnikUvadzaTabulku() {
        QFile f(QStringLiteral(HELP_FILE));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QString help = QString::fromUtf8(f.readAll());
        const qsizetype od = help.indexOf(QStringLiteral("=== 15 |"));
        QVERIFY(od > 0);
        const QString tema = help.mid(od, help.indexOf(QStringLiteral("\n=== "), od + 1) - od);
        for (const vykazy::Priradenie& p : vykazy::priradenia())
            QVERIFY2(
                tema.contains(QRegularExpression(QStringLiteral("[ >]%1[,<; ]").arg(p.predpona))),
                qPrintable(p.predpona));
        for (const vykazy::Riadok& r : vykazy::riadky())
            if (r.uroven == 2)
                QVERIFY2(tema.contains(r.oznacenie + u' ' + r.nazov), qPrintable(r.nazov));
    }

    // The demo with its closing: accepted, closed once, its statements balanced; an exam made
    // from it is scored as any other (the closing's rows are part of the sample).
    void ukazkaSoZavierkou() {
        QVERIFY(kontrolaDatabazy(QStringLiteral(UKAZKA_ZAVIERKA)));
        store.reset();
        QFile::remove(agenda->path());
        QVERIFY(QFile::copy(QStringLiteral(UKAZKA_ZAVIERKA), agenda->path()));
        QFile::setPermissions(agenda->path(), QFile::ReadOwner | QFile::WriteOwner);
        store = std::make_unique<Store>();
        store->connectAgenda(agenda->path());
        QVERIFY(zavierka::obsahujeZavierku(*store));
        for (const zavierka::Zostatok& z : zavierka::zostatky(*store))
            QVERIFY2(z.zostatok().isZero(), qPrintable(z.ucet));
        const vykazy::Vykazy v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        QVERIFY(v.suvahaSedi());
        QVERIFY(v.vysledokSedi());
        QVERIFY2(v.rozdiely.isEmpty(), qPrintable(v.rozdiely.join(u'\n')));

        const int riadkov =
            static_cast<int>(store->connection()
                                 .query(QStringLiteral("SELECT Count(*) FROM UctovnyDennik;"))
                                 .integer(0, 0));
        skuska::ulozitVzorDennika(*store);
        hlavnakniha::vytvorit(*store);
        hlavnakniha::ulozitVzor(*store);
        store->SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
        skuska::zapisatParametre(*store, QStringLiteral("1:30:00"), {});
        skuska::vymazatPredkontacie(*store);
        store->SQL(QStringLiteral(
            "UPDATE UctovnyDennik SET MaDat = (SELECT MaDat FROM UctovnyDennikVzor WHERE "
            "UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok), Dal = (SELECT Dal FROM "
            "UctovnyDennikVzor WHERE UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok);"));
        const skuska::Hodnotenie h = skuska::vyhodnotit(*store);
        QCOMPARE(h.predkontacie.celkom, 2 * riadkov);
        QCOMPARE(h.predkontacie.spravne, 2 * riadkov);
        QVERIFY(h.hlavnaKniha);
        QCOMPARE(h.zhodaKnihy(), 100.f);
    }

    // The writing: rows numbered on, dated 31.12., padded accounts; the chart
    // gets its missing closing accounts; a second closing is recognised.
    void zapisanie() {
        zapisatDennik(store->connection(), Strata);
        store->SQL(QStringLiteral("DELETE FROM UctovaOsnova WHERE Cislo IN ('702','710');"));
        QVERIFY(!zavierka::obsahujeZavierku(*store));
        const zavierka::Navrh n = zavierka::pripravit(zavierka::zostatky(*store), 2025);
        zavierka::zapisat(*store, n);
        QVERIFY(zavierka::obsahujeZavierku(*store));
        const ResultSet rs = store->connection().query(QStringLiteral(
            "SELECT Riadok, Datum, Doklad, Suma, Popis, MaDat, Dal, Mena FROM UctovnyDennik "
            "WHERE Riadok > 12 ORDER BY Riadok;"));
        QCOMPARE(rs.rowCount(), 16);
        QCOMPARE(rs.integer(0, 0), 13);
        QCOMPARE(rs.text(0, 1), QStringLiteral("31.12.2025"));
        QCOMPARE(rs.text(0, 2), QString());
        QCOMPARE(rs.text(0, 3), QStringLiteral("300,00"));
        QCOMPARE(rs.text(0, 5), QStringLiteral("710  "));
        QCOMPARE(rs.text(0, 6), QStringLiteral("501  "));
        QCOMPARE(rs.text(15, 5), QStringLiteral("702  "));
        QCOMPARE(rs.text(15, 6), QStringLiteral("431  "));
        const ResultSet osnova = store->connection().query(
            QStringLiteral("SELECT Cislo, Nazov, Povod, Druh FROM UctovaOsnova WHERE Cislo IN "
                           "('702','710','431') ORDER BY Cislo;"));
        QCOMPARE(osnova.rowCount(), 3);
        QCOMPARE(osnova.text(0, 2), QStringLiteral("P")); // 431 was there
        QCOMPARE(osnova.text(1, 1), QStringLiteral("Konečný účet súvahový"));
        QCOMPARE(osnova.text(1, 2), QStringLiteral("U"));
        QCOMPARE(osnova.text(2, 1), QStringLiteral("Účet ziskov a strát"));
        QCOMPARE(osnova.text(2, 3), QStringLiteral("Z"));
        // Every account is closed: 702 and 710 balance, the others are empty.
        for (const zavierka::Zostatok& z : zavierka::zostatky(*store))
            QVERIFY2(z.zostatok().isZero(), qPrintable(z.ucet));
    }

    // An amount too wide for its column is set smaller, never cut; a long name wraps.
    void tlacNeorezava() {
        const QString velka = QStringLiteral("4503599627370494,88");
        const vykazy::Vykazy v =
            vykazy::zostavit({{QStringLiteral("221"), *Amount::parse(velka), {}},
                              {QStringLiteral("411"), {}, *Amount::parse(velka)}},
                             QDate(2025, 12, 31));
        for (BandedReport r : {TfrmSuvahaTlac::zostava(v, ReportFrame()),
                               TfrmVykazZiskovAStratTlac::zostava(v, ReportFrame())}) {
            const QList<ReportPage> pages = r.layout();
            int celych = 0;
            for (const ReportPage& page : pages)
                for (const ReportItem& i : page.items) {
                    if (i.kind != ReportItem::Kind::Text ||
                        !i.name.startsWith(QStringLiteral("qrDbTxt")))
                        continue;
                    for (const QString& line : i.text.split(u'\n'))
                        QVERIFY2(textWidth(line, i.font) <= i.rect.width() + 1e-6,
                                 qPrintable(line));
                    celych += i.text == velka;
                }
            QVERIFY(r.caption != TfrmSuvahaTlac::Caption || celych >= 6);
        }
    }

    // The CSV: byte-order mark, ";", every text and decimal quoted, formulas defused.
    void csv() {
        zapisatDennik(store->connection(), Nula);
        const vykazy::Vykazy v = vykazy::zostavit(*store, QDate(2025, 12, 31));
        const QByteArray s = vykazy::csvSuvahy(v);
        QVERIFY(s.startsWith("\xEF\xBB\xBF"));
        const QStringList r = QString::fromUtf8(s.mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(r[0],
                 QStringLiteral("\"Označenie\";\"Položka\";\"Brutto\";\"Korekcia\";\"Netto\""));
        QCOMPARE(r[1], QStringLiteral("\"\";\"SPOLU MAJETOK\";\"980,00\";\"0,00\";\"980,00\""));
        QVERIFY(r.contains(QStringLiteral("\"A.I.\";\"Základné imanie a kapitálové fondy\";\"\";"
                                          "\"\";\"900,00\"")));
        QVERIFY(r.contains(QStringLiteral("\"Kontrola\";\"") + vykazy::kontrolaSuvahy(v) +
                           QStringLiteral("\";\"\";\"\";\"\"")));
        const QStringList z =
            QString::fromUtf8(vykazy::csvVykazu(v).mid(3)).split(QStringLiteral("\r\n"));
        QCOMPARE(z[0], QStringLiteral("\"Označenie\";\"Položka\";\"Suma\""));
        QVERIFY(z.contains(QStringLiteral("\"C.\";\"Služby\";\"50,00\"")));
        QVERIFY(z.last().isEmpty());
    }
};

class TestZavierkaOkna : public TestHlavnehoOkna {
    Q_OBJECT

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2025', "
                                   "NazovFirmy = 'Firma', SadzbaDPH = '23';"));
    }

private slots:
    // The window shows the closing, writes it once, and offers nothing the second time; the
    // statements print with their checks.
    void okno() {
        zapisatDennik(h->store().connection(), Zisk);
        auto* w = ukazat<TfrmUctovnaZavierka>(*h);
        QCOMPARE(w->grdZapisy->rowCount(), 18);
        QCOMPARE(w->grdZapisy->item(0, 0)->text(), QStringLiteral("31.12.2025"));
        QCOMPARE(w->grdZapisy->item(6, 1)->text(),
                 QStringLiteral("Prevod zisku bežného roka na 431"));
        QCOMPARE(w->grdZapisy->item(6, 4)->text(), QStringLiteral("2865,00"));
        QCOMPARE(w->lblKontrola->text(), QStringLiteral("702: MD = D  (24915,00 = 24915,00)"));
        QCOMPARE(w->lblVysledok->text(), QStringLiteral("Výsledok hospodárenia: zisk 2865,00"));
        QVERIFY(w->btnZauctovat->isEnabled());

        // The statements: the checks printed, no amount cut.
        for (BandedReport r : {w->zostavaSuvahy(), w->zostavaVykazu()}) {
            const QList<ReportPage> pages = r.layout();
            QCOMPARE(pages.size(), 1);
            const ReportItem* k = pages[0].find(QStringLiteral("qrLblKontrolaSuvahy"));
            QVERIFY(k && k->text.contains(QStringLiteral("v poriadku")));
            for (const ReportItem& i : pages[0].items)
                if (i.kind == ReportItem::Kind::Text &&
                    i.name.startsWith(QStringLiteral("qrDbTxt")))
                    for (const QString& line : i.text.split(u'\n'))
                        QVERIFY2(textWidth(line, i.font) <= i.rect.width() + 1e-6,
                                 qPrintable(line));
        }

        // asked first: Nie posts nothing
        dialogs->answers = {QMessageBox::No};
        QTest::mouseClick(w->btnZauctovat, Qt::LeftButton);
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Zaúčtovať závierku do účtovného denníka (18 zápisov ku dňu "
                                "31.12.2025)?"));
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 19);
        QStringList navrh;
        for (int r = 0; r < w->grdZapisy->rowCount(); ++r)
            for (int s = 0; s < 5; ++s)
                navrh << w->grdZapisy->item(r, s)->text();
        dialogs->answers = {QMessageBox::Yes};
        QTest::mouseClick(w->btnZauctovat, Qt::LeftButton);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 19 + 18);
        QVERIFY(dialogs->messages.last().text.contains(QStringLiteral("18 zápisov")));
        QVERIFY(!w->btnZauctovat->isEnabled());
        QVERIFY(w->lblStav->text().contains(QStringLiteral("už obsahuje závierkové zápisy")));
        w->close();

        // a closed year shows the closing as posted: the entries proposed
        auto* znova = ukazat<TfrmUctovnaZavierka>(*h);
        QStringList zauctovane;
        for (int r = 0; r < znova->grdZapisy->rowCount(); ++r)
            for (int s = 0; s < 5; ++s)
                zauctovane << znova->grdZapisy->item(r, s)->text();
        QCOMPARE(zauctovane, navrh);
        QVERIFY(!znova->btnZauctovat->isEnabled());
        znova->btnZauctovatClick();
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 37);
        znova->close();

        // The menu and the function list offer it outside an exam only; an exam made from the
        // closed journal keeps the closing in its sample.
        QVERIFY(h->mmItmUctovnaZavierka->isVisible() || h->mmItmUctovnaZavierka->isEnabled());
        QCOMPARE(h->ListView->item(7)->text(), QStringLiteral("Účtovná závierka"));
        SettingsRow& n = h->store().tblAgendaNastavenie;
        n.edit();
        n.setText(QStringLiteral("SkuskaDlzka"), QStringLiteral("1:00:00"));
        n.post();
        h->NastavitSkusku();
        QVERIFY(!h->mmItmUctovnaZavierka->isEnabled());
        QCOMPARE(h->ListView->count(), 8);
        QCOMPARE(h->ListView->item(7)->text(), QStringLiteral("Ukončiť skúšku"));
        h->mmItmUctovnaZavierkaClick();
        QVERIFY(dialogs->messages.last().text.contains(QStringLiteral("Počas skúšky")));
        n.edit();
        n.setText(QStringLiteral("SkuskaDlzka"), QString());
        n.post();
        h->NastavitSkusku();
        QCOMPARE(h->ListView->item(7)->text(), QStringLiteral("Účtovná závierka"));
        QVERIFY(h->mmItmUctovnaZavierka->isEnabled());
    }
};

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    saldovia::nastavitAplikaciu(app);
    int status = 0;
    {
        TestZavierka t;
        status |= QTest::qExec(&t, argc, argv);
    }
    {
        TestZavierkaOkna t;
        status |= QTest::qExec(&t, argc, argv);
    }
    return status;
}

#include "test_zavierka.moc"
