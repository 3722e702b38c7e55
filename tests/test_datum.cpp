// Dates typed by hand into every date field of the program, key by key.

#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "app/Pracovnydatum.h"
#include "edits/DruhyDokladov.h"
#include "documents/Doklad.h"
#include "documents/Doklad2.h"
#include "documents/Doklady.h"
#include "documents/Polozkadokladu.h"
#include "journal/CiselnePole.h"
#include "journal/Polozkauctovnehodennika.h"
#include "journal/UctovyVyber.h"
#include "store/Values.h"
#include "ui/DatumovePole.h"

#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>

#include <array>

using namespace saldovia;

namespace {

// The forms a date is written in, each with the date it means.
const QList<std::pair<QString, QDate>> Tvary{
    {QStringLiteral("15.6.2025"), QDate(2025, 6, 15)},
    {QStringLiteral("15.06.2025"), QDate(2025, 6, 15)},
    {QStringLiteral("1.1.2025"), QDate(2025, 1, 1)},
    {QStringLiteral("01.01.25"), QDate(2025, 1, 1)},
    {QStringLiteral("1.1.25"), QDate(2025, 1, 1)},
    {QStringLiteral("15062025"), QDate(2025, 6, 15)},
};
// The date a field holds before each form is typed: none of the forms means it.
const QDate Predtym(2025, 3, 20);

const QString Neplatny =
    QStringLiteral("„32.1.2025“ nie je platný dátum.\nDátum zadajte ako deň.mesiac.rok, napríklad "
                   "15.6.2025.");
const QString MimoRoka = QStringLiteral(
    "Dátum 01.12.2024 je mimo povoleného rozsahu.\nZadajte dátum od 01.01.2025 do 31.12.2025.");

// Moves into the field as Tab does (its day is then selected).
void vstupit(QDateEdit* pole) {
    pole->clearFocus();
    pole->setFocus(Qt::TabFocusReason);
}

// Moves into the field, types the text key by key and ends with `koniec`.
void napisat(QDateEdit* pole, const QString& text, Qt::Key koniec = Qt::Key_Tab) {
    vstupit(pole);
    QTest::keyClicks(pole, text);
    QTest::keyClick(pole, koniec);
}

void vybratUcet(TUctovyVyber* cb, const QString& ucet) {
    for (int i = 0; i < cb->count(); ++i)
        if (cb->itemText(i).startsWith(ucet + QStringLiteral("        "))) {
            cb->setCurrentIndex(i);
            return;
        }
}

} // namespace

class TestDatum : public TestHlavnehoOkna {
    Q_OBJECT

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2025';"),
                    QStringLiteral("15.03.2025"));
    }
    QString hodnota(const QString& sql, const QString& stlpec) {
        h->SQL(sql);
        return h->ADOQuery().text(stlpec);
    }

    // Every form typed into the field, ended alternately with Tab and Enter (or only with
    // Tab where Enter closes the window); then a text that is no date and, when the field is
    // limited to the accounting year, a date outside it: both refused, the previous date
    // kept and the focus still in the field.
    void kazdyTvar(QDateEdit* pole, bool rokom, bool enter = true) {
        const QString meno = pole->objectName();
        QVERIFY2(qobject_cast<TDatumovePole*>(pole), qPrintable(meno));
        for (int i = 0; i < Tvary.size(); ++i) {
            const auto& [text, datum] = Tvary[i];
            pole->setDate(Predtym);
            const Qt::Key koniec = i % 2 && enter ? Qt::Key_Return : Qt::Key_Tab;
            napisat(pole, text, koniec);
            QVERIFY2(pole->date() == datum, qPrintable(meno + u' ' + text));
            QCOMPARE(pole->text(), dateToText(datum));
            QCOMPARE(pole->hasFocus(), koniec == Qt::Key_Return);
        }
        QVERIFY(dialogs->messages.isEmpty());
        pole->setDate(Predtym);
        napisat(pole, QStringLiteral("32.1.2025"));
        QCOMPARE(dialogs->last().text, Neplatny);
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(pole->date(), Predtym);
        QVERIFY2(pole->hasFocus(), qPrintable(meno));
        if (rokom) {
            QCOMPARE(pole->minimumDate(), QDate(2025, 1, 1));
            napisat(pole, QStringLiteral("1.12.2024"), enter ? Qt::Key_Return : Qt::Key_Tab);
            QCOMPARE(dialogs->last().text, MimoRoka);
            QCOMPARE(pole->date(), Predtym);
        }
        QCOMPARE(dialogs->messages.size(), rokom ? 2 : 1);
        dialogs->messages.clear();
    }

private slots:

    void readingTypedDates() {
        const QDate dnes(2025, 3, 20);
        // the usual forms, with or without leading zeros and dots
        for (const auto& [text, datum] : Tvary)
            QVERIFY2(citatDatum(text, dnes) == datum, qPrintable(text));
        QCOMPARE(citatDatum(QStringLiteral("150625"), dnes), QDate(2025, 6, 15));
        QCOMPARE(citatDatum(QStringLiteral(" 29.2.2024 "), dnes), QDate(2024, 2, 29));
        QCOMPARE(citatDatum(QStringLiteral("31.12.99"), dnes), QDate(2099, 12, 31));
        // what is missing is taken from the field's date
        QCOMPARE(citatDatum(QStringLiteral("15.6."), dnes), QDate(2025, 6, 15));
        QCOMPARE(citatDatum(QStringLiteral("15.6"), dnes), QDate(2025, 6, 15));
        QCOMPARE(citatDatum(QStringLiteral("7"), dnes), QDate(2025, 3, 7));
        QCOMPARE(citatDatum(QStringLiteral("1506"), dnes), QDate(2025, 6, 15));
        QCOMPARE(citatDatum(QStringLiteral("15.6.2025."), dnes), QDate(2025, 6, 15));
        // no date: impossible days and months, odd digit counts, stray characters
        for (const char* zle :
             {"",        ".",         "32.1.2025",   "29.2.2025", "1.13.2025", "0.1.2025",
              "15..6",   "15.6.202",  "15.6.20255",  "1.1.2",     "123",       "15062",
              "1506202", "150620255", "15.6.2025.1", "15,6,2025", "15-6-2025", "a.1.2025",
              "1.1.-25", "١٥.٦.٢٠٢٥", "15.6.+25"})
            QVERIFY2(!citatDatum(QString::fromUtf8(zle), dnes), zle);
    }

    void typingRulesOfTheField() {
        QDialog okno;
        auto* pole = new TDatumovePole(&okno);
        pole->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        auto* iny = new QLineEdit(&okno);
        iny->move(0, 40);
        okno.show();
        QApplication::setActiveWindow(&okno);
        auto* edit = pole->findChild<QLineEdit*>();

        // typing over the selected year keeps the day and the month
        pole->setDate(Predtym);
        vstupit(pole);
        edit->setSelection(6, 4);
        QTest::keyClicks(pole, QStringLiteral("2024"));
        QVERIFY(pole->pise());
        QCOMPARE(edit->text(), QStringLiteral("20.03.2024"));
        QCOMPARE(pole->date(), Predtym); // read only when the typing ends
        QTest::keyClick(pole, Qt::Key_Return);
        QCOMPARE(pole->date(), QDate(2024, 3, 20));
        // Backspace while typing, and from the end of the shown date
        napisat(pole, QStringLiteral("15.7"), Qt::Key_Backspace);
        QTest::keyClicks(pole, QStringLiteral("6.2025"));
        QTest::keyClick(pole, Qt::Key_Enter);
        QCOMPARE(pole->date(), QDate(2025, 6, 15));
        edit->setCursorPosition(10);
        QTest::keyClick(pole, Qt::Key_Backspace);
        QTest::keyClicks(pole, QStringLiteral("4"));
        QTest::keyClick(pole, Qt::Key_Return);
        QCOMPARE(pole->date(), QDate(2024, 6, 15));
        // a click into a part: typing replaces it from its start
        edit->setCursorPosition(10);
        QTest::keyClicks(pole, QStringLiteral("2023"));
        QTest::keyClick(pole, Qt::Key_Return);
        QCOMPARE(pole->date(), QDate(2023, 6, 15));
        edit->setCursorPosition(1);
        QTest::keyClicks(pole, QStringLiteral("1.2"));
        QTest::keyClick(pole, Qt::Key_Return); // the year from the field
        QCOMPARE(pole->date(), QDate(2023, 2, 1));
        // leaving the field, or any other key, reads what was typed
        napisat(pole, QStringLiteral("3.4.2023"), Qt::Key_Home);
        QCOMPARE(pole->date(), QDate(2023, 4, 3));
        vstupit(pole);
        QTest::keyClicks(pole, QStringLiteral("5.6.2022"));
        iny->setFocus(Qt::MouseFocusReason);
        QCOMPARE(pole->date(), QDate(2022, 6, 5));
        // letters are no part of a date: ignored while typing
        napisat(pole, QStringLiteral("7x.8.2021"), Qt::Key_Return);
        QCOMPARE(pole->date(), QDate(2021, 8, 7));
        QVERIFY(dialogs->messages.isEmpty());

        // a refused text leaves the date as it was and the field ready for another try
        napisat(pole, QStringLiteral("31.2.2021"), Qt::Key_Return);
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(pole->date(), QDate(2021, 8, 7));
        QCOMPARE(edit->text(), QStringLiteral("07.08.2021"));
        QVERIFY(!pole->pise());
        QTest::keyClick(pole, Qt::Key_Backspace); // the whole date was selected
        QTest::keyClick(pole, Qt::Key_Tab);
        QCOMPARE(dialogs->last().text, QStringLiteral("Dátum nebol zadaný.\nDátum zadajte ako "
                                                      "deň.mesiac.rok, napríklad 15.6.2025."));
        QCOMPARE(pole->date(), QDate(2021, 8, 7));
        // limits: the message names them
        pole->setDateRange(QDate(2021, 1, 1), QDate(2021, 12, 31));
        napisat(pole, QStringLiteral("1.1.22"), Qt::Key_Return);
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Dátum 01.01.2022 je mimo povoleného rozsahu.\nZadajte dátum od "
                                "01.01.2021 do 31.12.2021."));
        QCOMPARE(pole->date(), QDate(2021, 8, 7));
        QCOMPARE(dialogs->messages.size(), 3);

        // a shortcut reads the typed date before it acts; a refused date stops it
        int stlacene = 0;
        QDate videny;
        QShortcut ulozit(QKeySequence(Qt::ALT | Qt::Key_U), &okno);
        connect(&ulozit, &QShortcut::activated, [&] {
            ++stlacene;
            videny = pole->date();
        });
        vstupit(pole);
        QTest::keyClicks(pole, QStringLiteral("2.3.21"));
        QTest::keyClick(pole, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(stlacene, 1);
        QCOMPARE(videny, QDate(2021, 3, 2));
        QTest::keyClicks(pole, QStringLiteral("99"));
        QTest::keyClick(pole, Qt::Key_U, Qt::AltModifier);
        QCOMPARE(stlacene, 1);
        QCOMPARE(dialogs->messages.size(), 4);

        // Escape drops the typing and reaches the window
        vstupit(pole);
        QTest::keyClicks(pole, QStringLiteral("9.9"));
        QTest::keyClick(pole, Qt::Key_Escape);
        QVERIFY(!okno.isVisible());
        QCOMPARE(pole->date(), QDate(2021, 3, 2));
        QCOMPARE(edit->text(), QStringLiteral("02.03.2021"));
    }

    void journalLineStoresTheTypedDate() {
        for (const auto& [text, datum] : Tvary) {
            naDalsieOkno([&](QDialog* d) {
                auto* e = static_cast<TfrmPolozkaUctovnehoDennika*>(d);
                QApplication::setActiveWindow(e);
                e->dtpDatum->setDate(Predtym);
                napisat(e->dtpDatum, text);
                QTest::keyClicks(e->mmCiastka, QStringLiteral("10"));
                vybratUcet(e->cbMaDat, QStringLiteral("211"));
                vybratUcet(e->cbDal, QStringLiteral("221"));
                e->btnUlozit->click();
                if (e->isVisible())
                    e->reject();
            });
            const int r = (new TfrmPolozkaUctovnehoDennika(*h))
                              ->Otvorit(0, QStringLiteral("UctovnyDennik"), {},
                                        QStringLiteral("15.03.2025"), {});
            QVERIFY2(r > 0, qPrintable(text));
            QCOMPARE(
                hodnota(QStringLiteral("SELECT Datum FROM UctovnyDennik WHERE Riadok = %1;").arg(r),
                        QStringLiteral("Datum")),
                dateToText(datum));
        }
        QVERIFY(dialogs->messages.isEmpty());
        // and the refusals, in the editor's own field
        naDalsieOkno([this](QDialog* d) {
            QApplication::setActiveWindow(d);
            kazdyTvar(static_cast<TfrmPolozkaUctovnehoDennika*>(d)->dtpDatum, false);
            d->reject();
        });
        (new TfrmPolozkaUctovnehoDennika(*h))
            ->Otvorit(0, QStringLiteral("UctovnyDennik"), {}, QStringLiteral("15.03.2025"), {});
    }

    void workingDateTakesTheTypedDate() {
        for (const auto& [text, datum] : Tvary) {
            TfrmPracovnyDatum d(*h);
            d.show();
            QApplication::setActiveWindow(&d);
            d.DateTimePicker->setDate(Predtym);
            // Enter in the dialog saves
            napisat(d.DateTimePicker, text, Qt::Key_Return);
            QVERIFY(!d.isVisible());
            QCOMPARE(h->pracovnyDatum(), dateToText(datum));
        }
        TfrmPracovnyDatum d(*h);
        d.show();
        QApplication::setActiveWindow(&d);
        kazdyTvar(d.DateTimePicker, true, false);
        // Escape while typing still closes the dialog, keeping the working date
        vstupit(d.DateTimePicker);
        QTest::keyClicks(d.DateTimePicker, QStringLiteral("1.2.2025"));
        QTest::keyClick(d.DateTimePicker, Qt::Key_Escape);
        QVERIFY(!d.isVisible());
        QCOMPARE(h->pracovnyDatum(), QStringLiteral("15.06.2025"));
    }

    void everyDocumentDateTakesTheTypedDate() {
        for (const DruhDokladu& dd : druhyDokladov()) {
            const QString kod = dd.kodText();
            const bool faktura = dd.editor == Formular::Faktura;
            naDalsieOkno([&](QDialog* w) {
                QApplication::setActiveWindow(w);
                auto* d = static_cast<TEditorDokladu*>(w);
                QList<QDateEdit*> polia{d->dtpDatum};
                if (faktura)
                    polia << static_cast<TfrmDoklad2*>(w)->dtpDatum2
                          << static_cast<TfrmDoklad2*>(w)->dtpDatum3;
                for (QDateEdit* p : polia)
                    kazdyTvar(p, true);
                // saved as typed: each field its own form
                for (int i = 0; i < polia.size(); ++i)
                    napisat(polia[i], Tvary[std::array{0, 3, 5}[i]].first);
                d->btnUlozit->click();
                if (d->isVisible())
                    d->reject();
            });
            const QString cislo =
                faktura ? (new TfrmDoklad2(*h, kod))->Otvorit({})
                    : (new TfrmDoklad(*h, kod))->Otvorit({});
            QVERIFY2(!cislo.isEmpty(), qPrintable(kod));
            const QString sql =
                QStringLiteral("SELECT * FROM Doklady WHERE Cislo = '%1';").arg(cislo);
            QCOMPARE(hodnota(sql, QStringLiteral("Datum")), QStringLiteral("15.06.2025"));
            if (faktura) {
                QCOMPARE(hodnota(sql, QStringLiteral("Datum2")), QStringLiteral("01.01.2025"));
                QCOMPARE(hodnota(sql, QStringLiteral("Datum3")), QStringLiteral("15.06.2025"));
            }
        }
        QVERIFY(dialogs->messages.isEmpty());

        // The VAT line editor shows the document's date; it is not typed there.
        TfrmPolozkaDokladu p(*h);
        QVERIFY(qobject_cast<TDatumovePole*>(p.dtpDatum));
        QVERIFY(!p.dtpDatum->isEnabled());
    }
};

SALDOVIA_GUI_TEST_MAIN(TestDatum)
#include "test_datum.moc"
