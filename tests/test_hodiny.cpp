#include "TestAgenda.h"

#include "exam/Hodiny.h"
#include "store/Connection.h"
#include "store/Store.h"
#include "store/Values.h"

#include <QTest>
#include <QTimer>

using namespace saldovia;

// The exam clock on a fresh agenda, driven tick by tick with a time source the test sets.
class TestHodiny : public TestUlozenia {
    Q_OBJECT
    std::unique_ptr<SkuskaHodiny> hodiny;
    QDateTime teraz;
    qint64 monotonne = 0; // milliseconds on the clock's monotonic source
    QString panel;        // what the clock shows
    QStringList udalosti; // what the clock called, in order

    // The exam columns as stored in the file (not as the row holds them).
    QString ulozene(const QString& pole) {
        store->SQL(QStringLiteral("SELECT %1 FROM AgendaNastavenie;").arg(pole));
        return store->ADOQuery.text(pole);
    }
    void nastavit(const QString& set) {
        store->SQL(QStringLiteral("UPDATE AgendaNastavenie SET ") + set);
        store->tblAgendaNastavenie.open();
    }
    void tiky(int n) {
        for (int i = 0; i < n; ++i) {
            teraz = teraz.addSecs(1);
            monotonne += 1000;
            hodiny->tik();
        }
    }

    void pripravit() override {
        teraz = QDateTime(QDate(2006, 3, 15), QTime(8, 0, 0));
        panel.clear();
        udalosti.clear();
        monotonne = 123456;
        hodiny = std::make_unique<SkuskaHodiny>(
            store->tblAgendaNastavenie, [this] { return teraz; }, nullptr,
            [this] { return monotonne; });
        hodiny->nastavitOkolie({
            .zostatok = [this] { return panel; },
            .zobrazit = [this](const QString& t) { panel = t; },
            .doplnit =
                [this](SettingsRow& s) {
                    QVERIFY(s.isEditing());
                    udalosti << QStringLiteral("doplnit");
                },
            .vyprsal = [this] { udalosti << QStringLiteral("vyprsal"); },
            .skoncila =
                [this] {
                    // the end is in the file before it is announced
                    udalosti << QStringLiteral("skoncila ") +
                                    ulozene(QStringLiteral("SkuskaKoniec"));
                },
            .vyhodnotit = [this] { udalosti << QStringLiteral("vyhodnotit"); },
        });
    }
    void upratat() override { hodiny.reset(); }

private slots:

    void theClockCountsDownAndEndsOnce() {
        nastavit(QStringLiteral("SkuskaDlzka = '0:00:03';"));
        QVERIFY(hodiny->spustit());
        QVERIFY(hodiny->bezi());
        QCOMPARE(hodiny->timer()->interval(), 1000);
        QCOMPARE(hodiny->timer()->timerType(), Qt::PreciseTimer);
        QCOMPARE(panel, QStringLiteral("0:00:03"));
        QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), QStringLiteral("0:00:03"));
        QCOMPARE(ulozene(QStringLiteral("SkuskaZaciatok")), QStringLiteral("15.03.2006 08:00:00"));

        const QStringList cakane{"0:00:02", "0:00:01", "0:00:00"};
        for (const QString& z : cakane) {
            tiky(1);
            QCOMPARE(panel, z);
            QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), z);
            QVERIFY(hodiny->bezi());
        }
        QCOMPARE(udalosti, QStringList(3, QStringLiteral("doplnit")));
        QVERIFY(ulozene(QStringLiteral("SkuskaKoniec")).isEmpty());

        udalosti.clear();
        tiky(1);
        QVERIFY(!hodiny->bezi());
        QCOMPARE(ulozene(QStringLiteral("SkuskaKoniec")), QStringLiteral("15.03.2006 08:00:04"));
        QCOMPARE(udalosti,
                 (QStringList{"vyprsal", "doplnit", "skoncila 15.03.2006 08:00:04", "vyhodnotit"}));
        QCOMPARE(panel, QStringLiteral("0:00:00"));

        // a later tick (a restart of the finished exam) shows the results again, writes nothing
        udalosti.clear();
        tiky(5);
        QCOMPARE(ulozene(QStringLiteral("SkuskaKoniec")), QStringLiteral("15.03.2006 08:00:04"));
        QStringList opakovane;
        for (int i = 0; i < 5; ++i)
            opakovane << QStringLiteral("vyprsal") << QStringLiteral("vyhodnotit");
        QCOMPARE(udalosti, opakovane);
    }

    void aZeroDurationEndsAtTheFirstTick() {
        nastavit(QStringLiteral("SkuskaDlzka = '0:00:00';"));
        QVERIFY(hodiny->spustit());
        QCOMPARE(panel, QStringLiteral("0:00:00"));
        QVERIFY(!hodiny->zostavaCas());
        tiky(1);
        QCOMPARE(ulozene(QStringLiteral("SkuskaKoniec")), QStringLiteral("15.03.2006 08:00:01"));
    }

    // A restart resumes from the stored time and keeps the start; the time used is measured
    // on the monotonic clock, so a clock set back changes neither the count nor the start,
    // and the end is never stamped before the start and the time used.
    void restartAndAClockSetBack() {
        nastavit(QStringLiteral("SkuskaDlzka = '2:00:00';"));
        QVERIFY(hodiny->spustit());
        tiky(2);
        hodiny->zastavit();
        QVERIFY(!hodiny->bezi());
        QCOMPARE(panel, QStringLiteral("1:59:58"));

        panel.clear();
        teraz = teraz.addSecs(-3 * 3600);
        monotonne += 3600 * 1000; // the program was closed meanwhile: not counted
        QVERIFY(!hodiny->spustit());
        QVERIFY(hodiny->bezi());
        QCOMPARE(panel, QStringLiteral("1:59:58"));
        QCOMPARE(ulozene(QStringLiteral("SkuskaZaciatok")), QStringLiteral("15.03.2006 08:00:00"));
        tiky(61);
        QCOMPARE(panel, QStringLiteral("1:58:57"));
        // A late tick counts the whole time that passed.
        monotonne += 4000;
        tiky(1);
        QCOMPARE(panel, QStringLiteral("1:58:52"));
        QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), QStringLiteral("1:58:52"));

        // The wall clock says 05:01:05, before the start: the end is the start and the 69
        // seconds used, never earlier than the start.
        hodiny->ukoncit();
        tiky(1);
        QCOMPARE(ulozene(QStringLiteral("SkuskaKoniec")), QStringLiteral("15.03.2006 08:01:09"));
    }

    void endingEarly() {
        nastavit(QStringLiteral("SkuskaDlzka = '1:00:00';"));
        QVERIFY(!hodiny->zostavaCas()); // nothing shown yet
        hodiny->spustit();
        QVERIFY(hodiny->zostavaCas());
        hodiny->ukoncit();
        QCOMPARE(panel, QStringLiteral("0:00:00"));
        QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), QStringLiteral("0:00:00"));
        QVERIFY(!hodiny->zostavaCas());
        QVERIFY(ulozene(QStringLiteral("SkuskaKoniec")).isEmpty());
        QVERIFY(hodiny->bezi()); // the next tick ends the exam
        tiky(1);
        QVERIFY(!ulozene(QStringLiteral("SkuskaKoniec")).isEmpty());
    }

    void aRemainingTimeThatIsNoTimeStopsTheClock() {
        nastavit(QStringLiteral("SkuskaDlzka = '1:00:00';"));
        hodiny->spustit();
        panel = QStringLiteral("1:6O:00");
        QVERIFY_THROWS_EXCEPTION(DbError, hodiny->tik());
        QVERIFY(!hodiny->bezi());
        QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), QStringLiteral("1:00:00"));
        QVERIFY(udalosti.isEmpty());
    }

    // A tick that outlives its exam writes nothing and stops the clock.
    void noExamLoaded() {
        nastavit(QStringLiteral("SkuskaDlzka = '1:00:00';"));
        hodiny->spustit();
        store->disconnectAgenda();
        hodiny->tik();
        QVERIFY(!hodiny->bezi());
        QCOMPARE(panel, QStringLiteral("1:00:00"));
        QVERIFY(udalosti.isEmpty());

        store->connectAgenda(agenda->path());
        nastavit(QStringLiteral("SkuskaDlzka = '';"));
        hodiny->vypnut();
        QVERIFY(panel.isEmpty());
        hodiny->timer()->start();
        hodiny->tik();
        QVERIFY(!hodiny->bezi());
        QVERIFY(udalosti.isEmpty());
        QCOMPARE(ulozene(QStringLiteral("SkuskaZostatok")), QStringLiteral("1:00:00"));
        QVERIFY(ulozene(QStringLiteral("SkuskaKoniec")).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestHodiny)
#include "test_hodiny.moc"
