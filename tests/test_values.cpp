#include "store/Values.h"

#include <QTest>

using namespace saldovia;

class TestValues : public QObject {
    Q_OBJECT
private slots:
    void amountForms_data() {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("amount");
        QTest::addColumn<QString>("rate");
        QTest::newRow("whole") << "5"
                               << "5,00"
                               << "5,000";
        QTest::newRow("comma") << "1250,5"
                               << "1250,50"
                               << "1250,500";
        QTest::newRow("dot taken as comma") << "1250.5"
                                            << "1250,50"
                                            << "1250,500";
        QTest::newRow("no integer digit") << ",5"
                                          << "0,50"
                                          << "0,500";
        QTest::newRow("trailing comma") << "7,"
                                        << "7,00"
                                        << "7,000";
        QTest::newRow("half rounds up") << "12,345"
                                        << "12,35"
                                        << "12,345";
        QTest::newRow("half away from zero") << "-12,345"
                                             << "-12,35"
                                             << "-12,345";
        QTest::newRow("below half") << "12,3449"
                                    << "12,34"
                                    << "12,345";
        QTest::newRow("rate half") << "30,1255"
                                   << "30,13"
                                   << "30,126";
        QTest::newRow("zero") << "0"
                              << "0,00"
                              << "0,000";
        QTest::newRow("negative zero") << "-0,001"
                                       << "0,00"
                                       << "-0,001";
        QTest::newRow("blanks around") << "  42,1 "
                                       << "42,10"
                                       << "42,100";
        QTest::newRow("carry into whole") << "9,999"
                                          << "10,00"
                                          << "9,999";
    }
    void amountForms() {
        QFETCH(QString, input);
        QFETCH(QString, amount);
        QFETCH(QString, rate);
        QCOMPARE(normalizedAmount(input).value_or(QStringLiteral("<none>")), amount);
        QCOMPARE(normalizedRate(input).value_or(QStringLiteral("<none>")), rate);
    }

    void notNumbers() {
        for (const char* bad : {"", " ", ",", "-", "1,2,3", "1 2", "abc", "12a", "1e5", "--1",
                                "99999999999999999999", "١٢"})
            QVERIFY2(!Amount::parse(QString::fromUtf8(bad)), bad);
    }

    void arithmetic() {
        auto a = [](const char* t) { return *Amount::parse(QString::fromLatin1(t)); };
        auto r = [](const char* t) { return *Rate::parse(QString::fromLatin1(t)); };
        QCOMPARE(multiply(a("100,00"), r("1,000")).toText(), QStringLiteral("100,00"));
        QCOMPARE(multiply(a("5,00"), r("30,000")).toText(), QStringLiteral("150,00"));
        QCOMPARE(multiply(a("10,05"), r("30,125")).toText(), QStringLiteral("302,76"));
        QCOMPARE(multiply(a("0,01"), r("0,500")).toText(), QStringLiteral("0,01"));
        QCOMPARE(multiply(a("-0,01"), r("0,500")).toText(), QStringLiteral("-0,01"));
        QCOMPARE(percentOf(a("10,05"), 19).toText(), QStringLiteral("1,91"));
        QCOMPARE(percentOf(a("0,50"), 19).toText(), QStringLiteral("0,10"));
        QCOMPARE(percentOf(a("-10,05"), 19).toText(), QStringLiteral("-1,91"));
        QCOMPARE(percentOf(a("1234567,89"), 0).toText(), QStringLiteral("0,00"));
        QCOMPARE((a("0,10") + a("0,20")).toText(), QStringLiteral("0,30"));
        QCOMPARE((a("1,00") - a("2,50")).toText(), QStringLiteral("-1,50"));
        QCOMPARE(Amount::fromUnits(std::numeric_limits<std::int64_t>::min()).toText(),
                 QStringLiteral("-92233720368547758,08"));
    }

    // A sum, difference or product outside the range is refused, never wrapped round.
    void overflowIsRefused() {
        const Amount max = Amount::fromUnits(std::numeric_limits<std::int64_t>::max());
        const Amount min = Amount::fromUnits(std::numeric_limits<std::int64_t>::min());
        const Amount cent = Amount::fromUnits(1);
        QCOMPARE(Amount::sucet(max, cent), std::nullopt);
        QCOMPARE(Amount::rozdiel(min, cent), std::nullopt);
        QCOMPARE(Amount::sucet(max, Amount::fromUnits(-1))->units(), max.units() - 1);
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, max + cent);
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, min - cent);
        Amount a = *Amount::parse(QStringLiteral("70000000000000000"));
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, a += a);
        QCOMPARE(a.toText(), QStringLiteral("70000000000000000,00")); // left as it was
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, multiply(max, *Rate::parse(QStringLiteral("2"))));
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, percentOf(max, 101));
        QCOMPARE(percentOf(max, 100), max);
        try {
            (void)(max + cent);
        } catch (const PretecenieSumy& e) {
            QCOMPARE(QString::fromUtf8(e.what()),
                     QStringLiteral("Suma je príliš veľká: najväčšia suma, ktorú program uchová, "
                                    "je 92233720368547758,07."));
        }
    }

    void exactSums() {
        // 0,10 and 0,07 have no exact binary form: a double drifts over 100 000 of them.
        Amount sum;
        for (int i = 0; i < 100000; ++i)
            sum += *Amount::parse(i % 2 ? QStringLiteral("0,10") : QStringLiteral("0,07"));
        QCOMPARE(sum.toText(), QStringLiteral("8500,00"));
    }

    void dates() {
        QCOMPARE(dateToText(QDate(2006, 1, 5)), QStringLiteral("05.01.2006"));
        QCOMPARE(dateFromText(QStringLiteral("05.01.2006")), std::optional(QDate(2006, 1, 5)));
        QCOMPARE(dateFromText(QStringLiteral("1.1.2006")), std::optional(QDate(2006, 1, 1)));
        QVERIFY(!dateFromText(QStringLiteral("31.02.2006")));
        QVERIFY(!dateFromText(QStringLiteral("2006-01-05")));
        QVERIFY(!dateFromText(QString()));
        const QDateTime moment(QDate(2006, 5, 12), QTime(14, 3, 59));
        QCOMPARE(timestampToText(moment), QStringLiteral("12.05.2006 14:03:59"));
        QCOMPARE(timestampFromText(timestampToText(moment)), std::optional(moment));
        QVERIFY(!timestampFromText(QStringLiteral("12.05.2006")));
    }

    void durations() {
        QCOMPARE(durationToText(7200), QStringLiteral("2:00:00"));
        QCOMPARE(durationToText(0), QStringLiteral("0:00:00"));
        QCOMPARE(durationToText(-5), QStringLiteral("0:00:00"));
        QCOMPARE(durationToText(36 * 3600 + 61), QStringLiteral("36:01:01"));
        QCOMPARE(durationFromText(QStringLiteral("2:00:00")), std::optional<std::int64_t>(7200));
        QCOMPARE(durationFromText(QStringLiteral("0:05:09")), std::optional<std::int64_t>(309));
        for (const char* bad : {"", "2:00", "1:60:00", "1:00:60", "a:00:00", "1:0:00", "-1:00:00"})
            QVERIFY2(!durationFromText(QString::fromLatin1(bad)), bad);
    }
};

QTEST_GUILESS_MAIN(TestValues)
#include "test_values.moc"
