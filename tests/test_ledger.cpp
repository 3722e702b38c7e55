#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "TestAgenda.h"
#include "TestTlac.h"

#include "app/Hlavny.h"
#include "ledger/Hlavnakniha.h"
#include "ledger/Obraty.h"
#include "ledger/Prebiehaspracovanieudajov.h"
#include "reports/ReportPreview.h"
#include "store/Store.h"

#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QTest>
#include <QTimer>

using namespace saldovia;

namespace {

// An account as the pickers store it in the journal: padded to five characters.
QString ucet(const QString& cislo) {
    return cislo.leftJustified(5);
}

QStringList zoznam(const char* text) {
    return QString::fromUtf8(text).split(u';');
}

const QString Predkontacie =
    QStringLiteral("Neboli vyplnené všetky predkontácie!\n\nZoznam chybných riadkov: ");

// Lines "amount debit credit": 211 on both sides, 311 and 321 only credited, the 50x and 518
// only debited, and amounts that binary floating point cannot hold.
const char* Dennik = "0,10 501 211;0,20 504 211;1250,50 211 221;0,30 518 321;99,99 221 311;"
                     "4503599627370494,88 221 604;1,11 221 604";

// Its ledger in the text order of CisloUctu: account, debit, credit, group, class.
const char* KnihaDennika =
    "2|4503599627371846,48|1250,80|-|-;21|1250,50|0,30|-|-;211  |1250,50|0,30|21|2;"
    "22|4503599627370595,98|1250,50|-|-;221  |4503599627370595,98|1250,50|22|2;"
    "3|0,00|100,29|-|-;31|0,00|99,99|-|-;311  |0,00|99,99|31|3;32|0,00|0,30|-|-;"
    "321  |0,00|0,30|32|3;5|0,60|0,00|-|-;50|0,30|0,00|-|-;501  |0,10|0,00|50|5;"
    "504  |0,20|0,00|50|5;51|0,30|0,00|-|-;518  |0,30|0,00|51|5;"
    "6|0,00|4503599627370495,99|-|-;60|0,00|4503599627370495,99|-|-;"
    "604  |0,00|4503599627370495,99|60|6";

// A previewed printout, read before the preview is closed, and the size of HlavnaKniha then.
struct Nahlad {
    QList<ReportPage> pages;
    QString titulok;
    int riadkovKnihy = -1;
};

} // namespace

class TestLedger : public QObject {
    Q_OBJECT
    std::unique_ptr<TestAgenda> agenda;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<TfrmHlavny> h;

    Store& store() { return h->store(); }

    void zapisat(qint64 riadok, const QString& suma, const QVariant& maDat, const QVariant& dal) {
        store().connection().execBound(
            QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '05.01.2006', '', ?, 'SKK', "
                           "'1,000', ?, 'Účtovanie', ?, ?);"),
            {riadok, suma, suma, maDat, dal});
    }
    void zapisatDennik(const char* riadky) {
        const QStringList r = zoznam(riadky);
        for (qsizetype i = 0; i < r.size(); ++i) {
            const QStringList f = r[i].split(u' ');
            zapisat(i + 1, f[0], ucet(f[1]), ucet(f[2]));
        }
    }
    QStringList kniha(const QString& tabulka = QStringLiteral("HlavnaKniha")) {
        const ResultSet rs = store().connection().query(
            QStringLiteral("SELECT CisloUctu, MaDat, Dal, Skupina, Trieda FROM %1 "
                           "ORDER BY CisloUctu;")
                .arg(tabulka));
        QStringList rows;
        for (int r = 0; r < rs.rowCount(); ++r) {
            QStringList cells;
            for (int c = 0; c < rs.columnCount(); ++c)
                cells << rs.text(r, c);
            rows << cells.join(u'|');
        }
        return rows;
    }
    int pocet(const QString& tabulka = QStringLiteral("HlavnaKniha")) {
        return static_cast<int>(store()
                                    .connection()
                                    .query(QStringLiteral("SELECT Count(*) FROM %1;").arg(tabulka))
                                    .integer(0, 0));
    }
    Nahlad nahlad(const std::function<void()>& akcia) {
        Nahlad n;
        naDalsieOkno([this, &n](QDialog* d) {
            if (auto* p = qobject_cast<ReportPreview*>(d)) {
                n.pages = p->pages();
                n.titulok = p->windowTitle();
                n.riadkovKnihy = pocet();
            }
            d->reject();
        });
        akcia();
        return n;
    }
    TfrmPrebiehaSpracovanieUdajov* progressWindow() const {
        return h->findChild<TfrmPrebiehaSpracovanieUdajov*>();
    }

private slots:
    void init() {
        agenda = std::make_unique<TestAgenda>();
        {
            Connection c;
            c.open(agenda->path());
            c.exec(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', NazovFirmy "
                                  "= 'Obchod O''Brien, s.r.o.', MenoUzivatela = 'Eva Nováková';"));
        }
        dialogs = std::make_unique<ScriptedDialogs>();
        h = std::make_unique<TfrmHlavny>(agenda->dir());
        h->FormActivate();
        QVERIFY(dialogs->messages.isEmpty());
    }
    void cleanup() {
        h.reset();
        dialogs.reset();
        agenda.reset();
    }

    // Debit and credit turnovers per account, group and class, summed exactly; rows of an
    // earlier run are replaced.
    void turnoversPerAccountGroupAndClass() {
        zapisatDennik(Dennik);
        store().SQL(QStringLiteral("INSERT INTO HlavnaKniha VALUES ('9', '1,00', '1,00', '-', "
                                   "'-');"));
        hlavnakniha::vytvorit(store());
        QCOMPARE(kniha(), zoznam(KnihaDennika));
    }

    void smallestJournals_data() {
        QTest::addColumn<QString>("riadok");
        QTest::addColumn<QString>("riadky");
        QTest::newRow("two classes") << "5,00 211 321"
                                     << "2|5,00|0,00|-|-;21|5,00|0,00|-|-;211  |5,00|0,00|21|2;"
                                        "3|0,00|5,00|-|-;32|0,00|5,00|-|-;321  |0,00|5,00|32|3";
        QTest::newRow("one group") << "5,00 501 504"
                                   << "5|5,00|5,00|-|-;50|5,00|5,00|-|-;501  |5,00|0,00|50|5;"
                                      "504  |0,00|5,00|50|5";
        QTest::newRow("same account") << "5,00 211 211"
                                      << "2|5,00|5,00|-|-;21|5,00|5,00|-|-;211  |5,00|5,00|21|2";
    }
    void smallestJournals() {
        QFETCH(QString, riadok);
        QFETCH(QString, riadky);
        zapisatDennik(riadok.toUtf8().constData());
        hlavnakniha::vytvorit(store());
        QCOMPARE(kniha(), riadky.split(u';'));
    }

    // The bar moves by the phase's share per cursor row (integer division) and each phase
    // ends at its fixed value, so the percentage ends at 100 % whatever the number of rows.
    void progressOfThePhases() {
        zapisatDennik(Dennik);
        QList<QPair<QString, int>> kroky;
        hlavnakniha::vytvorit(store(), [&kroky](const QString& popis, int pozicia) {
            kroky.append({popis, pozicia});
        });
        // 5 debit and 5 credit accounts, 7 groups, 4 classes, and each phase's end
        QCOMPARE(kroky.size(), 5 + 5 + 7 + 7 + 4 + 4 + 6);
        const QString skupiny = QStringLiteral("Sumarizácia účtových skupín");
        QCOMPARE(kroky[0], qMakePair(QStringLiteral("Výpočet stĺpca Má dať"), 500));
        QCOMPARE(kroky[6], qMakePair(QStringLiteral("Výpočet stĺpca Dal"), 3000));
        QCOMPARE(kroky[18], qMakePair(skupiny, 6498)); // 7 × (1500 div 7)
        QCOMPARE(kroky[19], qMakePair(skupiny, 6500));
        QCOMPARE(kroky[27], qMakePair(skupiny, 8000)); // phase 4 keeps the text
        QCOMPARE(kroky.constLast(), qMakePair(QStringLiteral("Sumarizácia účtových tried"), 10000));
        for (qsizetype i = 1; i < kroky.size(); ++i)
            QVERIFY(kroky[i].second >= kroky[i - 1].second);
        QCOMPARE(hlavnakniha::percenta(6498), QStringLiteral("64%"));
    }

    // While the build runs, the progress window shows how far it is and the main window
    // takes no input; afterwards both are as before and the journal's data set is its own.
    void progressWindowWhileBuilding() {
        zapisatDennik(Dennik);
        QStringList percenta;
        bool hlavnyPovoleny = true, oknoUkazane = false;
        QTimer sonda;
        connect(&sonda, &QTimer::timeout, this, [&] {
            TfrmPrebiehaSpracovanieUdajov* okno = progressWindow();
            if (!okno)
                return;
            hlavnyPovoleny = hlavnyPovoleny && h->isEnabled();
            oknoUkazane = okno->isVisible() && okno->isEnabled() &&
                          okno->windowTitle() == QStringLiteral("Prebieha spracovanie údajov") &&
                          okno->lblNazov->text() == QStringLiteral("Generovanie Hlavnej knihy") &&
                          okno->ProgressBar->maximum() == 10000;
            if (percenta.isEmpty() || percenta.constLast() != okno->lblPercenta->text())
                percenta << okno->lblPercenta->text();
        });
        sonda.start(0);
        QVERIFY(TfrmHlavnaKniha(*h).Vytvorit());
        sonda.stop();
        QVERIFY(!hlavnyPovoleny);
        QVERIFY(oknoUkazane);
        QCOMPARE(percenta.constFirst(), QStringLiteral("0%"));
        QCOMPARE(percenta.constLast(), QStringLiteral("100%"));
        QVERIFY(h->isEnabled());
        QVERIFY(!progressWindow());
        QCOMPARE(kniha(), zoznam(KnihaDennika));
        QCOMPARE(store().qryUctovnyDennik.sql(),
                 QStringLiteral("SELECT * FROM UctovnyDennik ORDER BY Riadok;"));
    }

    // Lines without accounts are named and nothing is written; every operation still ends
    // with an empty ledger, saving keeps the old sample and comparing gives -1.
    void refusalWhenALineLacksAnAccount() {
        for (int r = 1; r <= 9; ++r)
            zapisat(r, QStringLiteral("1,00"), ucet(QStringLiteral("501")),
                    ucet(QStringLiteral("211")));
        store().SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '' WHERE Riadok IN (3, 7);"));
        store().SQL(QStringLiteral("UPDATE UctovnyDennik SET Dal = '' WHERE Riadok = 5;"));
        store().SQL(QStringLiteral("INSERT INTO HlavnaKniha VALUES ('211  ', '1,00', '0,00', "
                                   "'21', '2');"));
        store().SQL(QStringLiteral("INSERT INTO HlavnaKnihaVzor SELECT * FROM HlavnaKniha;"));
        const QStringList pred = kniha();

        QVERIFY(!TfrmHlavnaKniha(*h).Vytvorit());
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(dialogs->last().caption, QStringLiteral("Účtovný denník"));
        QCOMPARE(dialogs->last().text, Predkontacie + QStringLiteral("3, 5, 7"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QCOMPARE(kniha(), pred);

        // a null or blank account is as missing as an empty one
        store().SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = NULL WHERE Riadok = 8;"));
        store().SQL(QStringLiteral("UPDATE UctovnyDennik SET Dal = '     ' WHERE Riadok = 9;"));
        TfrmHlavnaKniha(*h).Tlacit(); // a preview would wait here for someone to close it
        QCOMPARE(pocet(), 0);
        TfrmHlavnaKniha(*h).Ulozit();
        QCOMPARE(kniha(QStringLiteral("HlavnaKnihaVzor")), pred);
        QCOMPARE(TfrmHlavnaKniha(*h).Porovnat(), -1.f);
        QCOMPARE(pocet(), 0);
        QCOMPARE(dialogs->messages.size(), 4);
        QCOMPARE(dialogs->last().text, Predkontacie + QStringLiteral("3, 5, 7, 8, 9"));
    }

    // An engine error in the middle of the build rolls the whole build back and gives the
    // main window its input again; the operation still leaves the ledger empty.
    void engineErrorDuringTheBuild() {
        zapisatDennik(Dennik);
        zapisat(8, QStringLiteral("12,5O"), ucet(QStringLiteral("211")),
                ucet(QStringLiteral("221")));
        store().SQL(QStringLiteral("INSERT INTO HlavnaKniha VALUES ('211  ', '1,00', '0,00', "
                                   "'21', '2');"));
        const QStringList pred = kniha();
        QVERIFY_THROWS_EXCEPTION(DbError, TfrmHlavnaKniha(*h).Vytvorit());
        QCOMPARE(kniha(), pred);
        QVERIFY(h->isEnabled());
        QVERIFY(!progressWindow());
        QVERIFY(!store().connection().inTransaction());

        h->mmItmHlavnaKniha->trigger();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QVERIFY(dialogs->last().text.contains(QStringLiteral("12,5O")));
        QCOMPARE(pocet(), 0);
    }

    // The printout lists classes, groups and accounts interleaved by the text of their
    // numbers, each with its chart name and its sums; the ledger is empty afterwards.
    void printoutFromTheMenuAndTheFunctionList() {
        store().SQL(QStringLiteral("INSERT INTO UctovaOsnova VALUES ('2111', %1, 'U', 'A');")
                        .arg(sqlText(QStringLiteral("Pokladnica O'Brien – valuty"))));
        zapisatDennik("100,00 211 221;40,00 2111 211;0,10 501 211;0,20 501 321;1,00 999 2111");

        const Nahlad n = nahlad([this] { h->mmItmHlavnaKniha->trigger(); });
        QCOMPARE(n.titulok, QStringLiteral("Hlavná kniha"));
        QCOMPARE(n.riadkovKnihy, 15);
        QCOMPARE(n.pages.size(), 1);
        QCOMPARE(pocet(), 0);
        const ReportPage& p = n.pages.constFirst();
        QCOMPARE(p.find(QStringLiteral("qrLblNazovDokladu"))->text, QStringLiteral("Hlavná kniha"));
        QCOMPARE(p.find(QStringLiteral("qrLblCisloDokladu"))->text, QStringLiteral("2006"));
        QCOMPARE(p.find(QStringLiteral("qrLblNazovFirmy"))->text,
                 QStringLiteral("Obchod O'Brien, s.r.o."));
        QVERIFY(p.find(QStringLiteral("qrLblMenoDatum"))->text.startsWith(u"Eva Nováková, "));
        QCOMPARE(stlpec(n.pages, QStringLiteral("qrLblCisloUctu")) +
                     stlpec(n.pages, QStringLiteral("qrLblNazov")) +
                     stlpec(n.pages, QStringLiteral("qrLblMaDat")) +
                     stlpec(n.pages, QStringLiteral("qrLblDal")),
                 zoznam("Číslo;Názov;Má dať;Dal"));
        QVERIFY(p.find(QStringLiteral("qrLblMaDat"))->alignment & Qt::AlignHCenter);
        QVERIFY(p.find(QStringLiteral("qrDbTxtMaDat"))->alignment & Qt::AlignRight);
        QVERIFY(p.find(QStringLiteral("qrDbTxtDal"))->alignment & Qt::AlignRight);
        QVERIFY(p.find(QStringLiteral("qrLblPodpis")));

        QStringList cisla = stlpec(n.pages, QStringLiteral("qrDbTxtCisloUctu"));
        for (QString& c : cisla)
            c = c.trimmed();
        QCOMPARE(cisla, zoznam("2;21;211;2111;22;221;3;32;321;5;50;501;9;99;999"));
        QCOMPARE(stlpec(n.pages, QStringLiteral("qrDbTxtNazov")),
                 zoznam("Finančné účty;Peniaze;Pokladnica;Pokladnica O'Brien – valuty;"
                        "Účty v bankách;Bankové účty;Zúčtovacie vzťahy;Záväzky;Dodávatelia;"
                        "Náklady;Spotrebované nákupy;Spotreba materiálu;;;"));
        QCOMPARE(stlpec(n.pages, QStringLiteral("qrDbTxtMaDat")),
                 zoznam("140,00;140,00;100,00;40,00;0,00;0,00;0,00;0,00;0,00;0,30;0,30;0,30;"
                        "1,00;1,00;1,00"));
        QCOMPARE(stlpec(n.pages, QStringLiteral("qrDbTxtDal")),
                 zoznam("141,10;41,10;40,10;1,00;100,00;100,00;0,20;0,20;0,20;0,00;0,00;0,00;"
                        "0,00;0,00;0,00"));
        // class and group rows stand out, accounts do not
        const QList<const ReportItem*> nazvy = p.findAll(QStringLiteral("qrDbTxtNazov"));
        QVERIFY(nazvy[0]->font.bold() && nazvy[1]->font.bold() && !nazvy[2]->font.bold());
        QCOMPARE(p.findAll(QStringLiteral("qrShpTrieda")).size(), 4);

        // function-list item 2 prints the same ledger
        h->ListView->setCurrentRow(2);
        const Nahlad zoZoznamu = nahlad([this] { h->ListViewDblClick(); });
        QCOMPARE(stlpec(zoZoznamu.pages, QStringLiteral("qrDbTxtDal")),
                 stlpec(n.pages, QStringLiteral("qrDbTxtDal")));
        QCOMPARE(pocet(), 0);
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
    }

    // A ledger of every postable account of the chart runs over pages, each with the column
    // captions and the footer; the rows keep their order across the pages and every padded
    // journal account finds its bare chart entry.
    void longLedgerOverSeveralPages() {
        const ResultSet ucty = store().connection().query(QStringLiteral(
            "SELECT Cislo FROM UctovaOsnova WHERE Druh <> 'UT' AND Druh <> 'US' ORDER BY Cislo;"));
        QVERIFY(ucty.rowCount() > 100);
        Transaction tr(store().connection());
        for (int r = 0; r < ucty.rowCount(); ++r)
            zapisat(r + 1, QStringLiteral("%1,01").arg(r), ucet(ucty.text(r, 0)),
                    ucet(ucty.text((r + 1) % ucty.rowCount(), 0)));
        tr.commit();

        const Nahlad n = nahlad([this] { TfrmHlavnaKniha(*h).Tlacit(); });
        QVERIFY(n.pages.size() > 2);
        const QStringList cisla = stlpec(n.pages, QStringLiteral("qrDbTxtCisloUctu"));
        QCOMPARE(cisla.size(), n.riadkovKnihy);
        QStringList zoradene = cisla;
        std::sort(zoradene.begin(), zoradene.end());
        QCOMPARE(cisla, zoradene);
        for (const ReportPage& p : n.pages) {
            QVERIFY(p.find(QStringLiteral("qrLblMaDat")));
            QCOMPARE(p.find(QStringLiteral("qrSysStrana"))->text,
                     QStringLiteral("Strana %1").arg(p.number));
        }
        QVERIFY(n.pages.constLast().find(QStringLiteral("qrLblPodpis")));
        QCOMPARE(stlpec(n.pages, QStringLiteral("qrDbTxtNazov")).count(QString()), 0);
    }

    // Only account rows are compared, and their sums as texts.
    void comparisonOutcomes() {
        const QString rows = QStringLiteral(
            "INSERT INTO %1 VALUES ('21', '9,00', '0,00', '-', '-'), ('211  ', '1,00', '2,50', "
            "'21', '2'), ('221  ', '0,00', '1,00', '22', '2');");
        store().SQL(rows.arg(QStringLiteral("HlavnaKnihaVzor")));
        store().SQL(rows.arg(QStringLiteral("HlavnaKniha")));
        store().SQL(
            QStringLiteral("UPDATE HlavnaKniha SET MaDat = '1,00' WHERE CisloUctu = '21';"));
        hlavnakniha::Zhoda z = hlavnakniha::porovnatSoVzorom(store());
        QCOMPARE(z.spravne, 2);
        QCOMPARE(z.posudzovane, 2);
        QCOMPARE(z.percento, 100.f);

        store().SQL(
            QStringLiteral("UPDATE HlavnaKniha SET Dal = '2,5' WHERE CisloUctu = '211  ';"));
        QCOMPARE(hlavnakniha::porovnatSoVzorom(store()).percento, 50.f);

        // nothing booked against a sample: 0; nothing on either side: the same ledgers
        store().SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
        QCOMPARE(hlavnakniha::porovnatSoVzorom(store()).percento, 0.f);
        store().SQL(QStringLiteral("DELETE FROM HlavnaKnihaVzor;"));
        QCOMPARE(hlavnakniha::porovnatSoVzorom(store()).percento, 100.f);
        QCOMPARE(store().qryDoklady.sql(), QStringLiteral("SELECT * FROM Doklady;"));
    }

    // The teacher's journal saved as the sample, then the student's journal scored.
    void sampleSavedThenCompared() {
        zapisatDennik("10,00 211 221;20,00 311 602;30,00 501 321;40,00 504 604;50,00 518 343");
        store().SQL(QStringLiteral("INSERT INTO HlavnaKnihaVzor VALUES ('000  ', '1,00', '1,00', "
                                   "'00', '0');"));
        TfrmHlavnaKniha(*h).Ulozit();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(pocet(), 0);
        hlavnakniha::vytvorit(store());
        const QStringList vytvorena = kniha();
        QCOMPARE(vytvorena.size(), 10 + 8 + 4);
        QCOMPARE(kniha(QStringLiteral("HlavnaKnihaVzor")), vytvorena);

        QCOMPARE(TfrmHlavnaKniha(*h).Porovnat(), 100.f);
        QCOMPARE(pocet(), 0);

        // 343 replaced by 395 (one wrong, one the sample lacks); 221 credited one cent more
        // while its debit still matches
        store().SQL(QStringLiteral("UPDATE UctovnyDennik SET Dal = '395  ' WHERE Riadok = 5;"));
        zapisat(6, QStringLiteral("0,01"), ucet(QStringLiteral("343")),
                ucet(QStringLiteral("221")));
        const float p = TfrmHlavnaKniha(*h).Porovnat();
        QCOMPARE(p, 800.f / 11.f);
        QCOMPARE(QString::number(p, 'f', 2), QStringLiteral("72.73"));
        QCOMPARE(pocet(), 0);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(kniha(QStringLiteral("HlavnaKnihaVzor")), vytvorena);
    }

    // The exam generation may save the sample inside its own transaction.
    void sampleSavedInsideATransactionUnderWay() {
        zapisatDennik("5,00 211 321");
        {
            Transaction tr(store().connection());
            TfrmHlavnaKniha(*h).Ulozit();
            QVERIFY(store().connection().inTransaction());
        } // rolled back with the caller's transaction
        QCOMPARE(pocet(QStringLiteral("HlavnaKnihaVzor")), 0);
        Transaction tr(store().connection());
        TfrmHlavnaKniha(*h).Ulozit();
        tr.commit();
        QCOMPARE(pocet(QStringLiteral("HlavnaKnihaVzor")), 6);
        QCOMPARE(pocet(), 0);
    }
};

SALDOVIA_GUI_TEST_MAIN(TestLedger)
#include "test_ledger.moc"
