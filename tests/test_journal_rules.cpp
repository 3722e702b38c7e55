// The rules of the number-entry fields and account pickers, without widgets.

#include "journal/CiselneZadanie.h"

#include <QTest>

using namespace saldovia;

namespace saldovia {
// For QCOMPARE's report of a difference.
char* toString(const StavPola& s) {
    return QTest::toString(
        QStringLiteral("\"%1\" [%2, %3]").arg(s.text).arg(s.zaciatok).arg(s.dlzka));
}
} // namespace saldovia

namespace {

// Types the characters one by one into a field holding `text` with the caret at `caret`.
StavPola napisat(const QString& text, int caret, const QString& znaky, int desatinne) {
    StavPola s{text, caret, 0};
    for (QChar c : znaky)
        s = stlacitZnak(s, c, desatinne);
    return s;
}

const QChar BS(Backspace);

} // namespace

class TestJournalRules : public QObject {
    Q_OBJECT
private slots:
    void typingDecimalsAreLimited() {
        // amounts keep two decimals, rates three; one character goes per key press
        QCOMPARE(napisat({}, 0, QStringLiteral("12,345"), 2).text, QStringLiteral("12,34"));
        QCOMPARE(napisat({}, 0, QStringLiteral("12,345"), 3).text, QStringLiteral("12,345"));
        QCOMPARE(napisat({}, 0, QStringLiteral("1,2345"), 3).text, QStringLiteral("1,234"));
        // a digit typed inside the decimals pushes the last one out; the caret stays
        // behind the typed digit
        QCOMPARE(napisat(QStringLiteral("1,23"), 2, QStringLiteral("9"), 2),
                 (StavPola{QStringLiteral("1,92"), 3, 0}));
        // a comma typed after the 1 of 12345 leaves one decimal too many until leaving
        QCOMPARE(napisat(QStringLiteral("12345"), 1, QStringLiteral(","), 2),
                 (StavPola{QStringLiteral("1,234"), 2, 0}));
        QCOMPARE(napisat(QStringLiteral("12345"), 2, QStringLiteral(","), 3),
                 (StavPola{QStringLiteral("12,345"), 3, 0}));
    }

    void secondCommaOnlyMovesTheCaret() {
        QCOMPARE(napisat(QStringLiteral("12,50"), 0, QStringLiteral(","), 2),
                 (StavPola{QStringLiteral("12,50"), 3, 0}));
        QCOMPARE(napisat(QStringLiteral("12,5"), 4, QStringLiteral(",,"), 2),
                 (StavPola{QStringLiteral("12,5"), 3, 0}));
        // also when the comma itself is selected
        QCOMPARE(stlacitZnak({QStringLiteral("1,5"), 0, 3}, u',', 2),
                 (StavPola{QStringLiteral("1,5"), 2, 0}));
    }

    void backspaceWithAndWithoutSelection() {
        QCOMPARE(stlacitZnak({QStringLiteral("12345"), 1, 2}, BS, 2),
                 (StavPola{QStringLiteral("145"), 1, 0}));
        QCOMPARE(stlacitZnak({QStringLiteral("12345"), 3, 0}, BS, 2),
                 (StavPola{QStringLiteral("1245"), 2, 0}));
        QCOMPARE(stlacitZnak({QStringLiteral("12345"), 0, 0}, BS, 2),
                 (StavPola{QStringLiteral("12345"), 0, 0}));
        QCOMPARE(napisat(QStringLiteral("1,5"), 3, QString(4, BS), 2), (StavPola{{}, 0, 0}));
    }

    void typedCharacterReplacesSelection() {
        QCOMPARE(stlacitZnak({QStringLiteral("1,25"), 0, 4}, u'7', 2),
                 (StavPola{QStringLiteral("7"), 1, 0}));
        QCOMPARE(stlacitZnak({QStringLiteral("100"), 1, 2}, u',', 2),
                 (StavPola{QStringLiteral("1,"), 2, 0}));
    }

    void otherCharactersChangeNothing() {
        const StavPola s{QStringLiteral("12,5"), 1, 2};
        for (QChar c : {QChar(u'a'), QChar(u'-'), QChar(u' '), QChar(u'.'), QChar(u'\r'),
                        QChar(u'+'), QChar(u'\x1a'), QChar(u'٣')})
            QCOMPARE(stlacitZnak(s, c, 2), s);
    }

    void pasteChecksTheWholeText() {
        QCOMPARE(vlozit({QStringLiteral("1,5"), 2, 0}, QStringLiteral("7"), 2),
                 (StavPola{QStringLiteral("1,75"), 3, 0}));
        // the limit on decimals does not apply to pasting
        QCOMPARE(vlozit({}, QStringLiteral("1,23456"), 2),
                 (StavPola{QStringLiteral("1,23456"), 7, 0}));
        // a spreadsheet cell: its line end and thousands separators go
        QCOMPARE(vlozit({QStringLiteral("9"), 0, 1}, QStringLiteral("1234,50\r\n"), 2),
                 (StavPola{QStringLiteral("1234,50"), 7, 0}));
        QCOMPARE(vlozit({QStringLiteral("1,5"), 0, 1}, QStringLiteral(" 12 345\n"), 2),
                 (StavPola{QStringLiteral("12345,5"), 5, 0}));
        for (const char* dobre :
             {"1 234,50", "1\u00a0234,50\n", "1\u202f234\u202f567,5\t", "\t5 ", "123 456", ",5"})
            QVERIFY2(vlozit({}, QString::fromUtf8(dobre), 2), dobre);
        QCOMPARE(cisloZoSchranky(QStringLiteral("12\u00a0345\u00a0678,9\n")),
                 QStringLiteral("12345678,9"));
        // what typing refuses: a sign, a dot, letters, blanks that separate no thousands
        for (const char* zle :
             {"abc",  "1.5",      "1,2,3",    "",           "--5",    "5-",        ",",      "-5",
              "-50",  "+5",       "1 23",     "1234 567",   "1  234", "1 234 5,0", "5,12 3", "1 ,5",
              "1\t2", "1 234.50", "1.234,50", "1 234,50 €", "1\n2",   "\u0663"}) {
            QVERIFY2(!vlozit({}, QString::fromUtf8(zle), 2), zle);
        }
        QVERIFY(!vlozit({QStringLiteral("1,5"), 0, 3}, QStringLiteral("-5"), 2));
        // a comma pasted beside the one already there makes no number
        QVERIFY(!vlozit({QStringLiteral("1,5"), 1, 0}, QStringLiteral(","), 2));
        // a number too large to hold is no number either
        QVERIFY(!vlozit({}, QStringLiteral("99999999999999999"), 3));
    }

    void deleteCommandRemovesOnlyASelection() {
        QCOMPARE(odstranitVyber({QStringLiteral("12,50"), 1, 3}),
                 (StavPola{QStringLiteral("10"), 1, 0}));
        const StavPola bez{QStringLiteral("12,50"), 2, 0};
        QCOMPARE(odstranitVyber(bez), bez);
    }

    void leavingFormatsTheValue() {
        QCOMPARE(formatovat(QStringLiteral("5"), 2), QStringLiteral("5,00"));
        QCOMPARE(formatovat(QStringLiteral("30"), 3), QStringLiteral("30,000"));
        QCOMPARE(formatovat(QStringLiteral(",5"), 2), QStringLiteral("0,50"));
        QCOMPARE(formatovat(QStringLiteral("5,"), 2), QStringLiteral("5,00"));
        QCOMPARE(formatovat(QStringLiteral("1,234"), 2), QStringLiteral("1,23"));
        QCOMPARE(formatovat(QStringLiteral("1,235"), 2), QStringLiteral("1,24"));
        QCOMPARE(formatovat(QStringLiteral("-1,005"), 2), QStringLiteral("-1,01"));
        QCOMPARE(formatovat(QStringLiteral("1,2345"), 3), QStringLiteral("1,235"));
        QCOMPARE(formatovat(QStringLiteral("007"), 2), QStringLiteral("7,00"));
        QCOMPARE(formatovat(QStringLiteral(","), 2), std::nullopt);
        QCOMPARE(formatovat(QStringLiteral("1.5"), 3), std::nullopt);
        QCOMPARE(formatovat(QStringLiteral("-"), 2), std::nullopt);
    }

    void bookedAmountIsExact() {
        auto suma = [](const char* c, const char* k) {
            const auto r =
                sucin(*citatSumu(QString::fromLatin1(c)), *citatKurz(QString::fromLatin1(k)));
            return r ? r->toText() : QStringLiteral("mimo rozsahu");
        };
        QCOMPARE(suma("5,00", "30,000"), QStringLiteral("150,00"));
        QCOMPARE(suma("0,10", "3,000"),
                 QStringLiteral("0,30")); // 0.1 × 3 in binary is 0.30000000000000004
        QCOMPARE(suma("10,05", "1,000"), QStringLiteral("10,05"));
        QCOMPARE(suma("0,01", "0,500"), QStringLiteral("0,01")); // halves away from zero
        QCOMPARE(suma("-0,01", "0,500"), QStringLiteral("-0,01"));
        QCOMPARE(suma("1234,56", "28,735"), QStringLiteral("35475,08")); // 35475,0816
        QCOMPARE(suma("99999999999999,00", "99999999,000"), QStringLiteral("mimo rozsahu"));
    }

    void accountItemsAndTheirStoredForm() {
        QCOMPARE(polozkaUctu(QStringLiteral("211"), QStringLiteral("Pokladnica")),
                 QStringLiteral("211        Pokladnica"));
        QCOMPARE(ucetPolozky(QStringLiteral("211        Pokladnica")), QStringLiteral("211  "));
        QCOMPARE(ucetPolozky(polozkaUctu(QStringLiteral("21101"), QStringLiteral("Hotovosť"))),
                 QStringLiteral("21101"));
        QVERIFY(rovnakyUcet(QStringLiteral("211  "), QStringLiteral("211")));
        QVERIFY(rovnakyUcet(QStringLiteral("211"), QStringLiteral("211")));
        QVERIFY(!rovnakyUcet(QStringLiteral("211  "), QStringLiteral("2111")));
        QVERIFY(!rovnakyUcet(QStringLiteral(" 211"), QStringLiteral("211")));
    }

    void buttonMenusOpenAtThePointerOrTheCentre() {
        const QRect tlacidlo(100, 500, 88, 26); // x 100..187, y 500..525
        QCOMPARE(bodMenu(tlacidlo, QPoint(120, 510)), QPoint(120, 510));
        QCOMPARE(bodMenu(tlacidlo, QPoint(10, 10)), tlacidlo.center());
        QCOMPARE(bodMenu(tlacidlo, QPoint(150, 10)), QPoint(150, tlacidlo.center().y()));
        QCOMPARE(bodMenu(tlacidlo, QPoint(5, 525)), QPoint(tlacidlo.center().x(), 525));
        QCOMPARE(bodMenu(tlacidlo, QPoint(188, 526)), tlacidlo.center());
    }
};

QTEST_APPLESS_MAIN(TestJournalRules)
#include "test_journal_rules.moc"
