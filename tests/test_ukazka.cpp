#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "TestAgenda.h"

#include "app/Hlavny.h"
#include "app/Umiestnenie.h"
#include "closing/Vykazy.h"
#include "closing/Zavierka.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "exam/Vyhodnotenie.h"
#include "ledger/Obraty.h"
#include "notes/Rtf.h"
#include "store/Agenda.h"
#include "store/Store.h"
#include "store/Values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <algorithm>

using namespace saldovia;

namespace {

// A writable copy of a built file in its own folder, under the agenda's name.
class Kopia {
public:
    explicit Kopia(const char* zdroj) {
        if (!dir_.isValid() || !QFile::copy(QString::fromUtf8(zdroj), path()))
            throw std::runtime_error("cannot copy a built agenda");
        QFile::setPermissions(path(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QString dir() const { return dir_.path(); }
    QString path() const { return dir_.filePath(QStringLiteral("Data.mdb")); }

private:
    QTemporaryDir dir_;
};

Amount suma(const QString& text) {
    const auto a = Amount::parse(text);
    if (!a)
        throw std::runtime_error(("no amount: " + text).toStdString());
    return *a;
}

// Debit and credit totals of the class rows of the built ledger.
std::pair<Amount, Amount> obratyTried(Connection& c) {
    const ResultSet rs = c.query(QStringLiteral(
        "SELECT MaDat, Dal FROM HlavnaKniha WHERE Skupina = '-' AND length(CisloUctu) = 1;"));
    Amount md, d;
    for (int i = 0; i < rs.rowCount(); ++i) {
        md += suma(rs.text(i, 0));
        d += suma(rs.text(i, 1));
    }
    return {md, d};
}

// The Slovak identifiers' own checks: the IČO's weighted check digit, the DIČ divisible
// by 11 (third digit 2, 3, 4, 7, 8 or 9), the IBAN's mod-97 remainder 1.
bool platneIco(const QString& ico) {
    if (ico.size() != 8 ||
        !std::all_of(ico.begin(), ico.end(), [](QChar c) { return c.isDigit(); }))
        return false;
    int sucet = 0;
    for (int i = 0; i < 7; ++i)
        sucet += ico[i].digitValue() * (8 - i);
    return ico[7].digitValue() == (11 - sucet % 11) % 10;
}

bool platneDic(const QString& dic) {
    bool ok = false;
    const qint64 n = dic.toLongLong(&ok);
    return ok && dic.size() == 10 && dic[0] != u'0' && QStringLiteral("234789").contains(dic[2]) &&
           n % 11 == 0;
}

bool platnyIban(const QString& iban) {
    if (iban.size() < 5)
        return false;
    int zvysok = 0;
    for (const QChar c : iban.mid(4) + iban.left(4)) {
        const QString cislice =
            c.isDigit() ? QString(c) : QString::number(c.toUpper().unicode() - u'A' + 10);
        for (const QChar d : cislice)
            zvysok = (zvysok * 10 + d.digitValue()) % 97;
    }
    return zvysok == 1;
}

Amount centy(qint64 c) {
    return Amount::fromUnits(c);
}

} // namespace

class TestUkazka : public QObject {
    Q_OBJECT

private slots:
    // Both built files are agendas the program accepts; the demo carries the company, its
    // logo, its assignment and a quarter of books with every document kind.
    void subory_suPrijate() {
        QVERIFY(kontrolaDatabazy(QStringLiteral(UKAZKA_AGENDA)));
        QVERIFY(kontrolaDatabazy(QStringLiteral(UKAZKA_SKUSKA)));

        Store s;
        s.connectAgenda(QStringLiteral(UKAZKA_AGENDA));
        SettingsRow& n = s.tblAgendaNastavenie;
        QCOMPARE(n.text(QStringLiteral("NazovFirmy")),
                 QStringLiteral("Papiernictvo Javor, s.r.o."));
        QCOMPARE(n.text(QStringLiteral("UctovnyRok")), QStringLiteral("2025"));
        QCOMPARE(n.text(QStringLiteral("SadzbaDPH")), QStringLiteral("23"));
        // the reduced rates its invoices use, offered by the line editor
        QCOMPARE(upravy::znizeneSadzbyDPH(s), (std::array<QString, 2>{"19", "5"}));
        QVERIFY(n.text(QStringLiteral("SkuskaDlzka")).isEmpty());

        // The logo the settings name is a picture.
        Connection& c = s.connection();
        const ResultSet logo = c.query(QStringLiteral("SELECT Obrazok FROM Logo WHERE Cislo = ?;"),
                                       {n.text(QStringLiteral("Logo")).toLongLong()});
        QCOMPARE(logo.rowCount(), 1);
        QVERIFY(!QImage::fromData(logo.value(0, 0).toByteArray()).isNull());

        // The assignment reads as rich text and says what is asked.
        QTextDocument doc;
        QCOMPARE(rtf::citat(n.text(QStringLiteral("Poznamky")).toLatin1(), doc),
                 rtf::Chyba::Ziadna);
        QVERIFY(doc.toPlainText().contains(QStringLiteral("Zadanie: Účtovníctvo firmy")));
        QVERIFY(doc.toPlainText().contains(QStringLiteral("hlavnú knihu")));

        QSet<QString> druhy;
        const ResultSet d = c.query(QStringLiteral("SELECT DISTINCT Druh FROM Doklady;"));
        for (int i = 0; i < d.rowCount(); ++i)
            druhy.insert(d.text(i, 0));
        // a document of every kind the program knows
        QSet<QString> vsetky;
        for (const DruhDokladu& k : druhyDokladov())
            vsetky.insert(k.kodText());
        QCOMPARE(druhy, vsetky);
        // Invoices at each of the three rates.
        const ResultSet sadzby = c.query(QStringLiteral(
            "SELECT DISTINCT SadzbaDPH FROM DokladyPolozky JOIN Doklady ON Doklady.Cislo = "
            "DokladyPolozky.Doklad WHERE Druh IN ('FV', 'FP') ORDER BY 0 + SadzbaDPH;"));
        QStringList s3;
        for (int i = 0; i < sadzby.rowCount(); ++i)
            s3 << sadzby.text(i, 0);
        QCOMPARE(s3, (QStringList{"5", "19", "23"}));
        const qint64 postingov =
            c.query(QStringLiteral("SELECT Count(*) FROM UctovnyDennik;")).integer(0, 0);
        QVERIFY2(postingov >= 130 && postingov <= 180, qPrintable(QString::number(postingov)));
        // The opening balances are postings without a document on the opening account.
        QVERIFY(c.query(QStringLiteral("SELECT Count(*) FROM UctovnyDennik WHERE Doklad = '' AND "
                                       "(MaDat = '701  ' OR Dal = '701  ');"))
                    .integer(0, 0) >= 10);
    }

    // Every document's postings are exactly its lines: for invoices and cash documents a base
    // posting per line and a VAT posting per line with a rate, VAT = rate of the base, the
    // line's price and the header's totals their sums; for the other kinds at least one
    // posting and no lines. Postings carry their document's date and accounts of the chart.
    void doklady_zodpovedajuPostingom() {
        Connection c;
        c.open(QStringLiteral(UKAZKA_AGENDA), Connection::Mode::ReadOnly);
        QSet<QString> ucty;
        const ResultSet osnova = c.query(
            QStringLiteral("SELECT Cislo FROM UctovaOsnova WHERE Druh <> 'UT' AND Druh <> 'US';"));
        for (int i = 0; i < osnova.rowCount(); ++i)
            ucty.insert(osnova.text(i, 0));
        const ResultSet dennik =
            c.query(QStringLiteral("SELECT Riadok, Datum, Doklad, Ciastka, Suma, MaDat, Dal, Kurz "
                                   "FROM UctovnyDennik ORDER BY Riadok;"));
        QHash<qint64, int> riadok;
        for (int i = 0; i < dennik.rowCount(); ++i) {
            riadok.insert(dennik.integer(i, 0), i);
            QCOMPARE(dennik.text(i, 3), dennik.text(i, 4));
            QCOMPARE(dennik.text(i, 7), QStringLiteral("1,000"));
            QVERIFY(!suma(dennik.text(i, 4)).isZero());
            for (int k : {5, 6}) {
                QCOMPARE(dennik.text(i, k).size(), 5);
                QVERIFY2(ucty.contains(dennik.text(i, k).trimmed()), qPrintable(dennik.text(i, k)));
            }
        }

        const ResultSet doklady = c.query(QStringLiteral(
            "SELECT Druh, Cislo, Datum, Zaklad, DPH, Spolu, NazovFirmy FROM Doklady;"));
        QVERIFY(doklady.rowCount() >= 40);
        QSet<qint64> pouzite;
        for (int i = 0; i < doklady.rowCount(); ++i) {
            const QString druh = doklady.text(i, 0), cislo = doklady.text(i, 1);
            QCOMPARE(doklady.text(i, 6), QStringLiteral("Papiernictvo Javor, s.r.o."));
            QVERIFY2(cislo.startsWith(druh + QStringLiteral("25")), qPrintable(cislo));
            QSet<qint64> postingy;
            for (int r = 0; r < dennik.rowCount(); ++r)
                if (dennik.text(r, 2) == cislo) {
                    postingy.insert(dennik.integer(r, 0));
                    QCOMPARE(dennik.text(r, 1), doklady.text(i, 2));
                }
            QVERIFY2(!postingy.isEmpty(), qPrintable(cislo));
            const ResultSet polozky =
                c.query(QStringLiteral(
                            "SELECT Cislo, Riadok, RiadokDPH, SadzbaDPH, Cena FROM DokladyPolozky "
                            "WHERE Doklad = ? ORDER BY Cislo;"),
                        {cislo});
            const bool faktura = druhDokladu(druh)->editor == Formular::Faktura;
            if (!faktura) {
                QCOMPARE(polozky.rowCount(), 0);
                continue;
            }
            QVERIFY2(polozky.rowCount() > 0, qPrintable(cislo));
            QSet<qint64> zLiniek;
            Amount zaklad, dph, spolu;
            for (int p = 0; p < polozky.rowCount(); ++p) {
                QCOMPARE(polozky.integer(p, 0), p + 1);
                const qint64 z = polozky.integer(p, 1);
                QVERIFY2(postingy.contains(z), qPrintable(cislo));
                zLiniek.insert(z);
                const Amount baza = suma(dennik.text(riadok.value(z), 4));
                const int sadzba = polozky.text(p, 3).toInt();
                Amount vat;
                if (sadzba == 0) {
                    QVERIFY(polozky.value(p, 2).isNull());
                } else {
                    const qint64 v = polozky.integer(p, 2);
                    QVERIFY2(postingy.contains(v), qPrintable(cislo));
                    zLiniek.insert(v);
                    vat = suma(dennik.text(riadok.value(v), 4));
                    QCOMPARE(vat, percentOf(baza, sadzba));
                }
                QCOMPARE(suma(polozky.text(p, 4)), baza + vat);
                zaklad += baza;
                dph += vat;
                spolu += baza + vat;
            }
            QCOMPARE(zLiniek, postingy);
            QCOMPARE(doklady.text(i, 3), zaklad.toText());
            QCOMPARE(doklady.text(i, 4), dph.toText());
            QCOMPARE(doklady.text(i, 5), spolu.toText());
            pouzite += postingy;
        }
        QVERIFY(!pouzite.isEmpty());
    }

    // The company's and the partners' identifiers pass their checks; the IBAN is the one of
    // the account number; a partner who charges VAT has a VAT number.
    void identifikatory_suPlatne() {
        Connection c;
        c.open(QStringLiteral(UKAZKA_AGENDA), Connection::Mode::ReadOnly);
        const ResultSet f =
            c.query(QStringLiteral("SELECT ICO, DIC, ICDPH, IBAN, Ucet FROM AgendaNastavenie;"));
        QVERIFY(platneIco(f.text(0, 0)));
        QVERIFY(platneDic(f.text(0, 1)));
        QCOMPARE(f.text(0, 2), QStringLiteral("SK") + f.text(0, 1));
        QVERIFY(platnyIban(f.text(0, 3)));
        // "prefix-number/bank": SKkk, the bank, the prefix in six and the number in ten digits
        const QRegularExpressionMatch u =
            QRegularExpression(QStringLiteral("^(?:(\\d{1,6})-)?(\\d{1,10})/(\\d{4})$"))
                .match(f.text(0, 4));
        QVERIFY(u.hasMatch());
        QCOMPARE(f.text(0, 3).mid(4), u.captured(3) + u.captured(1).rightJustified(6, u'0') +
                                          u.captured(2).rightJustified(10, u'0'));
        QVERIFY(!platnyIban(QStringLiteral("SK3111000000002612874563")));
        QVERIFY(!platneIco(QStringLiteral("36512874")));
        QVERIFY(!platneDic(QStringLiteral("2021874563")));

        const ResultSet p = c.query(QStringLiteral(
            "SELECT NazovFirmy2, ICO2, DIC2, ICDPH2, Max(DPH <> '0,00' AND Druh IN ('FP', 'PV')) "
            "FROM Doklady WHERE ICO2 <> '' GROUP BY NazovFirmy2, ICO2, DIC2, ICDPH2;"));
        QCOMPARE(p.rowCount(), 13);
        for (int i = 0; i < p.rowCount(); ++i) {
            const QString kto = p.text(i, 0);
            QVERIFY2(platneIco(p.text(i, 1)), qPrintable(kto));
            QVERIFY2(platneDic(p.text(i, 2)), qPrintable(kto));
            if (!p.text(i, 3).isEmpty() || p.integer(i, 4) == 1)
                QCOMPARE(p.text(i, 3), QStringLiteral("SK") + p.text(i, 2));
        }
    }

    // The books follow 2025 law: the VAT of representation is no input VAT but part of the
    // cost; the wages carry the employer's insurance of 36,2 % (health 11 %, social 25,2 %),
    // the employee's of 14,4 % (health 5 %, social 9,4 %) and a tax advance of 19 % of the
    // gross less the employee's insurance and the monthly allowance 479,48, rounded down;
    // the bank pays the net wage and both insurances.
    void dennik_podlaPredpisov2025() {
        Connection c;
        c.open(QStringLiteral(UKAZKA_AGENDA), Connection::Mode::ReadOnly);
        const ResultSet repre = c.query(QStringLiteral(
            "SELECT d.MaDat FROM DokladyPolozky p JOIN UctovnyDennik z ON z.Riadok = p.Riadok "
            "JOIN UctovnyDennik d ON d.Riadok = p.RiadokDPH WHERE z.MaDat = '513  ';"));
        QVERIFY(repre.rowCount() > 0);
        for (int i = 0; i < repre.rowCount(); ++i)
            QCOMPARE(repre.text(i, 0), QStringLiteral("513  "));

        const auto posting = [&c](const QString& doklad, const char* md, const char* d) {
            const ResultSet r = c.query(QStringLiteral("SELECT Suma FROM UctovnyDennik WHERE "
                                                       "Doklad = ? AND MaDat = ? AND Dal = ?;"),
                                        {doklad, QString::fromLatin1(md), QString::fromLatin1(d)});
            return r.rowCount() == 1 ? suma(r.text(0, 0)) : Amount::fromUnits(-1);
        };
        const ResultSet mzdy = c.query(QStringLiteral(
            "SELECT Cislo, substr(Popis, 9) FROM Doklady WHERE Druh = 'ID' AND Popis LIKE 'Mzdy "
            "za %' ORDER BY Datum;"));
        QCOMPARE(mzdy.rowCount(), 3);
        int vyplatene = 0;
        for (int i = 0; i < mzdy.rowCount(); ++i) {
            const QString doklad = mzdy.text(i, 0), mesiac = mzdy.text(i, 1);
            const qint64 hruba = posting(doklad, "521  ", "331  ").units();
            QVERIFY(hruba > 0);
            const qint64 zamestnanec = (hruba * 144 + 500) / 1000;
            const qint64 dan = (hruba - zamestnanec - 47948) * 19 / 100;
            QCOMPARE(posting(doklad, "524  ", "336  "), centy((hruba * 362 + 500) / 1000));
            QCOMPARE(posting(doklad, "331  ", "336  "), centy(zamestnanec));
            QCOMPARE(posting(doklad, "331  ", "342  "), centy(dan));
            const ResultSet banka = c.query(
                QStringLiteral("SELECT MaDat, Suma FROM UctovnyDennik WHERE Dal = '221  ' AND "
                               "Popis IN (?, ?) ORDER BY MaDat;"),
                {QStringLiteral("Výplata miezd za ") + mesiac,
                 QStringLiteral("Poistné za ") + mesiac});
            if (banka.rowCount() == 0)
                continue; // paid after the quarter
            QCOMPARE(banka.rowCount(), 2);
            QCOMPARE(suma(banka.text(0, 1)), centy(hruba - zamestnanec - dan));
            QCOMPARE(suma(banka.text(1, 1)),
                     posting(doklad, "524  ", "336  ") + centy(zamestnanec));
            ++vyplatene;
        }
        QCOMPARE(vyplatene, 2);
    }

    // The general ledger of the demo builds without refusal, and its debit and credit sides
    // agree; the stock-in-transit and purchase accounts end cleared.
    void hlavnaKniha_saZostavi() {
        Kopia k(UKAZKA_AGENDA);
        Store s;
        s.connectAgenda(k.path());
        QVERIFY(hlavnakniha::riadkyBezPredkontacie(s).isEmpty());
        hlavnakniha::vytvorit(s);
        Connection& c = s.connection();
        const auto [md, d] = obratyTried(c);
        QVERIFY(!md.isZero());
        QCOMPARE(md.toText(), d.toText());
        for (const char* ucet : {"131  ", "261  "}) {
            const ResultSet r =
                c.query(QStringLiteral("SELECT MaDat, Dal FROM HlavnaKniha WHERE CisloUctu = ?;"),
                        {QString::fromLatin1(ucet)});
            QCOMPARE(r.rowCount(), 1);
            QCOMPARE(r.text(0, 0), r.text(0, 1));
        }
    }

    // The closed demo: its statements balance, their result is the journal's own sum of
    // classes 5 and 6 taken row by row (the closing's postings on 702 and 710 left out), and
    // both totals are those an outside ledger tool computed from the same journal.
    void zavierka_vykazySaZhoduju() {
        Kopia k(UKAZKA_ZAVIERKA);
        Store s;
        s.connectAgenda(k.path());
        QVERIFY(zavierka::obsahujeZavierku(s));
        const ResultSet r = s.connection().query(QStringLiteral(
            "SELECT Suma, MaDat, Dal FROM UctovnyDennik WHERE substr(MaDat, 1, 3) NOT IN "
            "('702', '710') AND substr(Dal, 1, 3) NOT IN ('702', '710');"));
        Amount vysledok; // revenues less costs: credits less debits of classes 5 and 6
        auto vysledkovy = [](const QString& u) { return u.startsWith(u'5') || u.startsWith(u'6'); };
        for (int i = 0; i < r.rowCount(); ++i) {
            const Amount a = suma(r.text(i, 0));
            if (vysledkovy(r.text(i, 1)))
                vysledok = vysledok - a;
            if (vysledkovy(r.text(i, 2)))
                vysledok += a;
        }
        const vykazy::Vykazy v = vykazy::zostavit(s, QDate(2025, 12, 31));
        QVERIFY2(v.rozdiely.isEmpty(), qPrintable(v.rozdiely.join(u'\n')));
        QVERIFY(v.suvahaSedi());
        QVERIFY(v.vysledokSedi());
        QCOMPARE(v.vysledokVykaz.toText(), vysledok.toText());
        QCOMPARE(v.vysledokVykaz.toText(), QStringLiteral("-10092,19"));
        QCOMPARE(v.aktiva.toText(), QStringLiteral("23627,37"));
    }

    // The exam file is the demo's journal without its assignments, with the demo as its
    // samples; filled in from its own samples it scores 100 % everywhere.
    void skuska_zoSvojichVzorovMaStoPercent() {
        Kopia k(UKAZKA_SKUSKA);
        Store s;
        s.connectAgenda(k.path());
        Connection& c = s.connection();
        QVERIFY(!s.tblAgendaNastavenie.text(QStringLiteral("SkuskaDlzka")).isEmpty());
        QVERIFY(durationFromText(s.tblAgendaNastavenie.text(QStringLiteral("SkuskaDlzka"))));
        QVERIFY(s.tblAgendaNastavenie.text(QStringLiteral("MenoUzivatela")).isEmpty());
        QVERIFY(s.tblAgendaNastavenie.text(QStringLiteral("SkuskaZaciatok")).isEmpty());
        QCOMPARE(c.query(QStringLiteral("SELECT Count(*) FROM UctovnyDennik WHERE MaDat <> '' OR "
                                        "Dal <> '';"))
                     .integer(0, 0),
                 0);
        QCOMPARE(c.query(QStringLiteral("SELECT Count(*) FROM HlavnaKniha;")).integer(0, 0), 0);
        QVERIFY(c.query(QStringLiteral("SELECT Count(*) FROM HlavnaKnihaVzor;")).integer(0, 0) > 0);

        // The samples are the demo's journal as it stands.
        {
            Connection demo;
            demo.open(QStringLiteral(UKAZKA_AGENDA), Connection::Mode::ReadOnly);
            const ResultSet a = demo.query(QStringLiteral(
                "SELECT Riadok, Datum, Doklad, Suma, Popis, MaDat, Dal FROM UctovnyDennik ORDER "
                "BY Riadok;"));
            const ResultSet b = c.query(QStringLiteral(
                "SELECT Riadok, Datum, Doklad, Suma, Popis, MaDat, Dal FROM UctovnyDennikVzor "
                "ORDER BY Riadok;"));
            QCOMPARE(b.rowCount(), a.rowCount());
            for (int i = 0; i < a.rowCount(); ++i)
                for (int j = 0; j < a.columnCount(); ++j)
                    QCOMPARE(b.text(i, j), a.text(i, j));
        }
        // Some rows ask for their amounts, and those are zero in the exam's journal.
        const ResultSet vypocty = c.query(QStringLiteral(
            "SELECT UctovnyDennik.Suma, UctovnyDennik.Ciastka FROM UctovnyDennik JOIN "
            "UctovnyDennikVzor ON UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok WHERE "
            "Vypocty = 1;"));
        QVERIFY(vypocty.rowCount() >= 5);
        for (int i = 0; i < vypocty.rowCount(); ++i) {
            QCOMPARE(vypocty.text(i, 0), QStringLiteral("0,00"));
            QCOMPARE(vypocty.text(i, 1), QStringLiteral("0,00"));
        }

        // Unanswered, nothing is right.
        QCOMPARE(skuska::predkontacie(s).spravne, 0);
        QCOMPARE(skuska::vypocty(s).spravne, 0);

        c.exec(QStringLiteral(
            "UPDATE UctovnyDennik SET MaDat = (SELECT MaDat FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok), Dal = (SELECT Dal FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok);"
            "UPDATE UctovnyDennik SET Ciastka = (SELECT Ciastka FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok), Suma = (SELECT Suma FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok) WHERE Riadok IN (SELECT Riadok FROM "
            "UctovnyDennikVzor WHERE Vypocty = 1);"));
        const skuska::Skore p = skuska::predkontacie(s);
        QVERIFY(p.celkom > 0);
        QCOMPARE(p.spravne, p.celkom);
        const skuska::Skore v = skuska::vypocty(s);
        QCOMPARE(v.celkom, vypocty.rowCount());
        QCOMPARE(v.spravne, v.celkom);
        QVERIFY(hlavnakniha::riadkyBezPredkontacie(s).isEmpty());
        hlavnakniha::vytvorit(s);
        const hlavnakniha::Zhoda z = hlavnakniha::porovnatSoVzorom(s);
        QVERIFY(z.posudzovane > 0);
        QCOMPARE(z.spravne, z.posudzovane);
        QCOMPARE(skuska::percento(z.percento), QStringLiteral("100,00"));
    }

    // Opened with "Obnoviť..." the demo becomes the agenda: the status bar shows its year and
    // company and the journal holds its postings; the file restored from stays as it was.
    void obnovit_nacitaUkazku() {
        TestAgenda agenda;
        ScriptedDialogs dialogs;
        TfrmHlavny h(agenda.dir());
        dialogs.files << QStringLiteral(UKAZKA_AGENDA);
        dialogs.answers << QMessageBox::Yes;
        h.mmItmObnovitClick(h.mmItmObnovit);
        QCOMPARE(dialogs.last().text, QStringLiteral("Obnovenie prebehlo úspešne!"));
        QCOMPARE(h.uctovnyRok(), QStringLiteral("2025"));
        QCOMPARE(h.StatusBar->panel(1), QStringLiteral("Papiernictvo Javor, s.r.o."));
        QVERIFY(h.pracovnyDatum().endsWith(QStringLiteral(".2025")));
        QCOMPARE(h.SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")),
                 c_pocet(QStringLiteral(UKAZKA_AGENDA)));
        // The installed file itself stays as it was.
        QVERIFY(kontrolaDatabazy(QStringLiteral(UKAZKA_AGENDA)));
        h.OdpojitDatabazu();
    }

    // The restore dialog offers the installed demo's folder beside the others, and starts
    // there while the agenda is not set up yet; the build's demo folder is found too.
    void obnovit_ponukaPriecinokUkazky() {
        QTemporaryDir share;
        QVERIFY(QFile::copy(QStringLiteral(UKAZKA_AGENDA),
                            share.filePath(QStringLiteral("Ukazka.mdb"))));
        QCOMPARE(priecinokUkazky(share.path()), share.path());
        QVERIFY(priecinokUkazky(QTemporaryDir().path()).isEmpty());
        const QString build = QFileInfo(QStringLiteral(UKAZKA_AGENDA)).absolutePath();
        QCOMPARE(priecinokUkazky(build + QStringLiteral("/../bin")), build);

        TestAgenda agenda;
        ScriptedDialogs dialogs;
        TfrmHlavny h(Umiestnenie{agenda.dir(), share.path(), {}});
        dialogs.files << share.filePath(QStringLiteral("Ukazka.mdb"));
        dialogs.answers << QMessageBox::Yes;
        h.mmItmObnovitClick(h.mmItmObnovit);
        QCOMPARE(dialogs.openDirectories, QStringList{share.path()});
        QCOMPARE(dialogs.openPlaces.value(0), QStringList{share.path()});
        QCOMPARE(h.uctovnyRok(), QStringLiteral("2025"));
        // An agenda set up starts in the home folder and still offers the demo.
        h.mmItmObnovitClick(h.mmItmObnovit);
        QCOMPARE(dialogs.openDirectories.value(1), QDir::homePath());
        QCOMPARE(dialogs.openPlaces.value(1), QStringList{share.path()});
        h.OdpojitDatabazu();
    }

private:
    static int c_pocet(const QString& path) {
        Connection c;
        c.open(path, Connection::Mode::ReadOnly);
        return static_cast<int>(
            c.query(QStringLiteral("SELECT Count(*) FROM UctovnyDennik;")).integer(0, 0));
    }
};

SALDOVIA_GUI_TEST_MAIN(TestUkazka)
#include "test_ukazka.moc"
