// The journal window and the journal line editor, driven as a user drives them.

#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "journal/CiselnePole.h"
#include "journal/Polozkauctovnehodennika.h"
#include "journal/Uctovnydennik.h"
#include "journal/UctovyVyber.h"
#include "reports/ReportPreview.h"
#include "store/Values.h"
#include "ui/CelyText.h"

#include <QClipboard>
#include <QComboBox>
#include <QDateEdit>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>

using namespace saldovia;
using Editor = TfrmPolozkaUctovnehoDennika;

namespace {

QString riadok(int n, const QString& doklad, const QString& maDat, const QString& dal,
               const QString& popis = QStringLiteral("Riadok"),
               const QString& suma = QStringLiteral("10,00")) {
    return QStringLiteral("INSERT INTO UctovnyDennik VALUES (%1, '05.01.2006', %2, %3, 'SKK', "
                          "'1,000', %3, %4, %5, %6);")
        .arg(n)
        .arg(sqlText(doklad), sqlText(suma), sqlText(popis), sqlText(maDat), sqlText(dal));
}

// The picker item of an account of the chart.
int polozka(QComboBox* cb, const QString& ucet) {
    for (int i = 0; i < cb->count(); ++i)
        if (cb->itemText(i).startsWith(ucet + QStringLiteral("        ")))
            return i;
    return -1;
}

QStringList riadky(DataSet& ds) {
    QStringList r;
    for (int i = 0; i < ds.recordCount(); ++i)
        r << ds.text(i, QStringLiteral("Riadok"));
    return r;
}

const QString Schranka = QStringLiteral("Schránka obsahuje nesprávne znaky:\n\n");

} // namespace

class TestJournal : public TestHlavnehoOkna {
    Q_OBJECT

    QString stlpec(int riadok, const QString& field,
                   const QString& table = QStringLiteral("UctovnyDennik")) {
        h->SQL(QStringLiteral("SELECT * FROM %1 WHERE Riadok = %2;").arg(table).arg(riadok));
        return h->ADOQuery().text(field);
    }

    // Opens the line editor as its callers do, runs f on the shown dialog (which closes
    // it unless f saved) and returns Otvorit's result.
    int upravit(int riadok, const QString& tabulka, const QString& doklad, const QString& datum,
                const QString& popis, std::function<void(Editor&)> f) {
        naDalsieOkno([f](QDialog* d) {
            auto* e = qobject_cast<Editor*>(d);
            if (e) {
                QApplication::setActiveWindow(e);
                f(*e);
            }
            if (d->isVisible())
                d->reject();
        });
        return (new Editor(*h))->Otvorit(riadok, tabulka, doklad, datum, popis);
    }
    int novy(std::function<void(Editor&)> f) {
        return upravit(0, QStringLiteral("UctovnyDennik"), {}, QStringLiteral("15.03.2006"), {},
                       std::move(f));
    }
    // Moves the focus to another control, as a click or a Tab does.
    static void prejst(QWidget* kam) {
        kam->setFocus(Qt::TabFocusReason);
        QVERIFY(kam->hasFocus());
    }

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"),
                    QStringLiteral("15.03.2006"));
    }

private slots:

    // --- the line editor -------------------------------------------------------------

    void typingIntoTheNumberFields() {
        const int r = novy([](Editor& e) {
            QCOMPARE(e.mmKurz->text(), QStringLiteral("1,000"));
            QTest::keyClicks(e.mmCiastka, QStringLiteral("12,345"));
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("12,34"));
            e.mmKurz->clear();
            QTest::keyClicks(e.mmKurz, QStringLiteral("12,345"));
            QCOMPARE(e.mmKurz->text(), QStringLiteral("12,345"));
            e.mmKurz->clear();
            QTest::keyClicks(e.mmKurz, QStringLiteral("1,2345"));
            QCOMPARE(e.mmKurz->text(), QStringLiteral("1,234"));

            // a comma typed after the 1 of 12345
            e.mmCiastka->setText(QStringLiteral("12345"));
            e.mmCiastka->setCursorPosition(1);
            QTest::keyClick(e.mmCiastka, ',');
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("1,234"));
            QCOMPARE(e.mmCiastka->cursorPosition(), 2);
            // a second comma only moves the caret behind the first
            e.mmCiastka->setText(QStringLiteral("12,50"));
            e.mmCiastka->setCursorPosition(0);
            QTest::keyClick(e.mmCiastka, ',');
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("12,50"));
            QCOMPARE(e.mmCiastka->cursorPosition(), 3);

            // backspace with a selection, without one, and at the start
            e.mmCiastka->setText(QStringLiteral("12345"));
            e.mmCiastka->setSelection(1, 2);
            QTest::keyClick(e.mmCiastka, Qt::Key_Backspace);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("145"));
            QCOMPARE(e.mmCiastka->cursorPosition(), 1);
            QTest::keyClick(e.mmCiastka, Qt::Key_Backspace);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("45"));
            QTest::keyClick(e.mmCiastka, Qt::Key_Backspace);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("45"));
            QCOMPARE(e.mmCiastka->cursorPosition(), 0);

            // letters, a sign, blanks, Enter and a dot are not typed
            QTest::keyClicks(e.mmCiastka, QStringLiteral("a- .x"));
            QTest::keyClick(e.mmCiastka, Qt::Key_Return);
            QTest::keyClick(e.mmCiastka, Qt::Key_Z, Qt::ControlModifier);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("45"));
            QVERIFY(e.isVisible());
            // keys without a character keep their usual effect
            QTest::keyClick(e.mmCiastka, Qt::Key_Delete);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("5"));
            QTest::keyClick(e.mmCiastka, Qt::Key_End);
            QCOMPARE(e.mmCiastka->cursorPosition(), 1);
        });
        QCOMPARE(r, -1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
    }

    void clipboardCommands() {
        novy([this](Editor& e) {
            const QList<QAction*> menu = e.polia->PopupMenu->actions();
            QCOMPARE(menu.size(), 6);
            QCOMPARE(menu[0]->text(), QStringLiteral("V&ystrihnúť"));
            QCOMPARE(menu[1]->text(), QStringLiteral("Ko&pírovať"));
            QCOMPARE(menu[2]->text(), QStringLiteral("Pri&lepiť"));
            QCOMPARE(menu[3]->text(), QStringLiteral("Odst&rániť"));
            QVERIFY(menu[4]->isSeparator());
            QCOMPARE(menu[5]->text(), QStringLiteral("&Vybrať všetko"));
            QClipboard* clip = QApplication::clipboard();

            // a paste that makes no number is refused and shows the clipboard
            clip->setText(QStringLiteral("abc"));
            e.mmCiastka->setText(QStringLiteral("1,5"));
            e.mmCiastka->setCursorPosition(2);
            QTest::keyClick(e.mmCiastka, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("1,5"));
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(dialogs->last().text, Schranka + QStringLiteral("abc"));
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
            // Shift+Insert goes through the same check
            QTest::keyClick(e.mmCiastka, Qt::Key_Insert, Qt::ShiftModifier);
            QCOMPARE(dialogs->messages.size(), 2);

            // 7 pasted after the comma of 1,5 from the pop-up menu
            clip->setText(QStringLiteral("7"));
            e.mmCiastka->setCursorPosition(2);
            e.polia->pmItmPrilepit->trigger();
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("1,75"));
            QCOMPARE(e.mmCiastka->cursorPosition(), 3);
            // pasting does not limit the decimals
            clip->setText(QStringLiteral("2,12345"));
            e.mmCiastka->selectAll();
            QTest::keyClick(e.mmCiastka, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("2,12345"));
            // a spreadsheet cell is taken as it reads; a minus, which cannot be typed, is not
            for (const QString& bunka :
                 {QStringLiteral("1234,50\n"), QStringLiteral("1 234,50\r\n"),
                  QStringLiteral("1\u00a0234,50\n")}) {
                e.mmCiastka->selectAll();
                clip->setText(bunka);
                QTest::keyClick(e.mmCiastka, Qt::Key_V, Qt::ControlModifier);
                QCOMPARE(e.mmCiastka->text(), QStringLiteral("1234,50"));
            }
            QCOMPARE(dialogs->messages.size(), 2);
            clip->setText(QStringLiteral("-50"));
            e.mmCiastka->selectAll();
            QTest::keyClick(e.mmCiastka, Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("1234,50"));
            QCOMPARE(dialogs->last().text, Schranka + QStringLiteral("-50"));
            dialogs->messages.removeLast();

            // copy and cut of the rate field; the menu acts on the field last used
            e.mmKurz->selectAll();
            QTest::keyClick(e.mmKurz, Qt::Key_C, Qt::ControlModifier);
            QCOMPARE(clip->text(), QStringLiteral("1,000"));
            e.mmKurz->setSelection(0, 2);
            QTest::keyClick(e.mmKurz, Qt::Key_X, Qt::ControlModifier);
            QCOMPARE(e.mmKurz->text(), QStringLiteral("000"));
            QCOMPARE(clip->text(), QStringLiteral("1,"));
            e.mmKurz->setCursorPosition(1);
            e.polia->pmItmOdstranit->trigger(); // nothing selected: nothing removed
            QCOMPARE(e.mmKurz->text(), QStringLiteral("000"));
            e.mmKurz->setSelection(1, 2);
            e.polia->pmItmOdstranit->trigger();
            QCOMPARE(e.mmKurz->text(), QStringLiteral("0"));
            QCOMPARE(e.mmKurz->cursorPosition(), 1);
            e.polia->pmItmVybratVsetko->trigger();
            QCOMPARE(e.mmKurz->selectedText(), QStringLiteral("0"));
            QCOMPARE(dialogs->messages.size(), 2);
        });
    }

    void leavingFormatsAndComputesTheSum() {
        novy([this](Editor& e) {
            prejst(e.mmCiastka);
            QTest::keyClicks(e.mmCiastka, QStringLiteral("5"));
            prejst(e.mmKurz);
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("5,00"));
            QCOMPARE(e.mmSuma->text(), QStringLiteral("5,00"));
            e.mmKurz->selectAll();
            QTest::keyClicks(e.mmKurz, QStringLiteral("30"));
            prejst(e.edtPopis);
            QCOMPARE(e.mmKurz->text(), QStringLiteral("30,000"));
            QCOMPARE(e.mmSuma->text(), QStringLiteral("150,00"));
            QCOMPARE(e.mmKurz->selectedText(), QStringLiteral("30,000"));

            // an emptied rate empties the sum, and saving then asks for the rate
            prejst(e.mmKurz);
            e.mmKurz->selectAll();
            QTest::keyClick(e.mmKurz, Qt::Key_Backspace);
            prejst(e.edtPopis);
            QCOMPARE(e.mmSuma->text(), QString());
            QTest::mouseClick(e.btnUlozit, Qt::LeftButton);
            QCOMPARE(dialogs->texts(), QStringList{QStringLiteral("Kurz nebol zadaný!")});
            QVERIFY(e.mmKurz->hasFocus());
            QVERIFY(e.isVisible());
        });
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
    }

    void loneCommaIsNoNumber() {
        novy([this](Editor& e) {
            prejst(e.mmCiastka);
            QTest::keyClicks(e.mmCiastka, QStringLiteral("2"));
            prejst(e.mmKurz); // 2,00 × 1,000
            QCOMPARE(e.mmSuma->text(), QStringLiteral("2,00"));
            prejst(e.mmCiastka);
            e.mmCiastka->selectAll();
            QTest::keyClick(e.mmCiastka, Qt::Key_Backspace);
            QTest::keyClick(e.mmCiastka, ',');
            prejst(e.edtPopis);
            // an error, not a crash; the text stays and the sum is not recomputed
            QCOMPARE(dialogs->texts(), QStringList{QStringLiteral("',' nie je platné číslo.")});
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QCOMPARE(e.mmCiastka->text(), QStringLiteral(","));
            QCOMPARE(e.mmSuma->text(), QStringLiteral("2,00"));

            // saving it would put a non-number into an amount column: refused
            e.cbMaDat->setCurrentIndex(polozka(e.cbMaDat, QStringLiteral("211")));
            e.cbDal->setCurrentIndex(polozka(e.cbDal, QStringLiteral("221")));
            e.btnUlozit->click();
            QCOMPARE(dialogs->last().text, QStringLiteral("Čiastka nie je platné číslo!"));
            QVERIFY(e.mmCiastka->hasFocus());
            // the same for the rate
            e.mmCiastka->setText(QStringLiteral("2"));
            e.mmKurz->setText(QStringLiteral(","));
            dialogs->messages.clear();
            e.btnUlozit->click();
            // (the focus leaving Čiastka for Kurz then reports the rate it cannot multiply)
            QCOMPARE(dialogs->texts().value(0), QStringLiteral("Kurz nie je platné číslo!"));
            QVERIFY(e.mmKurz->hasFocus());
            QVERIFY(e.isVisible());
        });
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
    }

    void savingChecksInOrder() {
        novy([this](Editor& e) {
            e.mmKurz->clear();
            const QList<std::pair<std::function<void()>, QWidget*>> kroky = {
                {[&e] { e.mmCiastka->setText(QStringLiteral("1")); }, e.mmCiastka},
                {[&e] { e.mmKurz->setText(QStringLiteral("1")); }, e.mmKurz},
                {[&e] { e.cbMaDat->setCurrentIndex(0); }, e.cbMaDat},
                {[&e] { e.cbDal->setCurrentIndex(0); }, e.cbDal},
            };
            const QStringList spravy = {QStringLiteral("Čiastka nebola zadaná!"),
                                        QStringLiteral("Kurz nebol zadaný!"),
                                        QStringLiteral("Účet 'Má dať' nebol zadaný!"),
                                        QStringLiteral("Účet 'Dal' nebol zadaný!")};
            for (int i = 0; i < kroky.size(); ++i) {
                e.btnUlozit->click();
                QCOMPARE(dialogs->last().text, spravy[i]);
                QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
                QVERIFY(kroky[i].second->hasFocus());
                kroky[i].first();
            }
            QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
            // the same account on both sides and a zero amount are accepted
            e.mmCiastka->setText(QStringLiteral("0"));
            e.btnUlozit->click();
            QVERIFY(!e.isVisible());
        });
        QCOMPARE(dialogs->messages.size(), 4);
        QCOMPARE(stlpec(1, QStringLiteral("Ciastka")), QStringLiteral("0,00"));
        QCOMPARE(stlpec(1, QStringLiteral("MaDat")), stlpec(1, QStringLiteral("Dal")));
    }

    void newLineIsSavedWithTextsIntact() {
        const int r = novy([](Editor& e) {
            QCOMPARE(e.edtRiadok->text(), QStringLiteral("1"));
            QVERIFY(!e.edtRiadok->isEnabled());
            QVERIFY(e.edtDoklad->isEnabled()); // the journal's own lines may name a document
            QVERIFY(!e.mmSuma->isEnabled());
            QCOMPARE(e.dtpDatum->date(), QDate(2006, 3, 15));
            QCOMPARE(e.edtMena->text(), QStringLiteral("SKK"));
            prejst(e.mmCiastka);
            QTest::keyClicks(e.mmCiastka, QStringLiteral("1234,56"));
            e.mmKurz->setText(QStringLiteral("28,735"));
            e.edtMena->setText(QStringLiteral("O'K"));
            e.edtPopis->setText(QStringLiteral("Nákup u O'Briena"));
            e.dtpDatum->setDate(QDate(2006, 4, 2));
            e.cbMaDat->setCurrentIndex(polozka(e.cbMaDat, QStringLiteral("211")));
            e.cbDal->setCurrentIndex(polozka(e.cbDal, QStringLiteral("221")));
            // saved with its key, straight from the amount field: the stored values are
            // formatted and the sum follows them
            e.btnUlozit->click();
        });
        QCOMPARE(r, 1);
        QCOMPARE(stlpec(1, QStringLiteral("Ciastka")), QStringLiteral("1234,56"));
        QCOMPARE(stlpec(1, QStringLiteral("Kurz")), QStringLiteral("28,735"));
        QCOMPARE(stlpec(1, QStringLiteral("Suma")), QStringLiteral("35475,08"));
        QCOMPARE(stlpec(1, QStringLiteral("Mena")), QStringLiteral("O'K"));
        QCOMPARE(stlpec(1, QStringLiteral("Popis")), QStringLiteral("Nákup u O'Briena"));
        QCOMPARE(stlpec(1, QStringLiteral("Datum")), QStringLiteral("02.04.2006"));
        QCOMPARE(stlpec(1, QStringLiteral("Doklad")), QString());
        QCOMPARE(stlpec(1, QStringLiteral("MaDat")), QStringLiteral("211  "));
        QCOMPARE(stlpec(1, QStringLiteral("Dal")), QStringLiteral("221  "));
    }

    void perCentSignsAreStoredAsTyped() {
        // Placeholders of QString::arg in every text field of the line, new and replaced.
        const QStringList texty{QStringLiteral("Zľava 5%2 'test'"),
                                QStringLiteral("%1"),
                                QStringLiteral("%2"),
                                QStringLiteral("%L1"),
                                QStringLiteral("%%"),
                                QStringLiteral("%")};
        for (const QString& t : texty) {
            // The first text goes into a new line, each next one replaces it.
            for (int riadok : {pocet(QStringLiteral("UctovnyDennik")) == 0 ? 0 : 1, 1}) {
                const int r = upravit(riadok, QStringLiteral("UctovnyDennik"), {},
                                      QStringLiteral("15.03.2006"), {}, [t](Editor& e) {
                                          e.mmCiastka->setText(QStringLiteral("10,00"));
                                          e.edtDoklad->setText(t + QStringLiteral(" %1"));
                                          e.edtMena->setText(t);
                                          e.edtPopis->setText(QStringLiteral("%2 ") + t);
                                          e.cbMaDat->setCurrentIndex(polozka(e.cbMaDat, "211"));
                                          e.cbDal->setCurrentIndex(polozka(e.cbDal, "221"));
                                          e.btnUlozit->click();
                                      });
                QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(u'|')));
                QCOMPARE(r, 1);
                QCOMPARE(stlpec(1, QStringLiteral("Doklad")), t + QStringLiteral(" %1"));
                QCOMPARE(stlpec(1, QStringLiteral("Mena")), t);
                QCOMPARE(stlpec(1, QStringLiteral("Popis")), QStringLiteral("%2 ") + t);
                QCOMPARE(stlpec(1, QStringLiteral("Suma")), QStringLiteral("10,00"));
            }
        }
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 1);
    }

    void amountFieldsShowTheLargestAmount() {
        novy([](Editor& e) {
            for (QLineEdit* pole : {static_cast<QLineEdit*>(e.mmCiastka), e.mmSuma}) {
                const QString suma = najsirsiaSuma();
                pole->setText(suma);
                pole->setCursorPosition(static_cast<int>(suma.size()));
                pole->grab();
                QVERIFY2(pole->cursorPositionAt(QPoint(6, pole->height() / 2)) == 0,
                         qPrintable(pole->objectName()));
            }
        });
    }

    void existingLineIsShownAndReplaced() {
        sql(riadok(7, {}, QStringLiteral("211  "), QStringLiteral("604  "),
                   QStringLiteral("Tržba O'Neill"), QStringLiteral("99,90")));
        sql(riadok(8, {}, {}, {})); // an exam line: accounts erased
        sql(riadok(9, {}, QStringLiteral("999  "), QStringLiteral("211"))); // gone from the chart
        const int r = upravit(7, QStringLiteral("UctovnyDennik"), {}, {}, {}, [](Editor& e) {
            QCOMPARE(e.edtRiadok->text(), QStringLiteral("7"));
            QCOMPARE(e.edtPopis->text(), QStringLiteral("Tržba O'Neill"));
            QCOMPARE(e.mmCiastka->text(), QStringLiteral("99,90"));
            QCOMPARE(e.mmSuma->text(), QStringLiteral("99,90"));
            QCOMPARE(e.dtpDatum->date(), QDate(2006, 1, 5));
            QCOMPARE(e.cbMaDat->ucet(), QStringLiteral("211  "));
            QCOMPARE(e.cbDal->ucet(), QStringLiteral("604  "));
            QVERIFY(e.cbMaDat->currentText().startsWith(QStringLiteral("211        ")));
            e.edtPopis->setText(QStringLiteral("Tržba O'Neill's"));
            e.btnUlozit->click();
        });
        QCOMPARE(r, 7);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 3);
        QCOMPARE(stlpec(7, QStringLiteral("Popis")), QStringLiteral("Tržba O'Neill's"));
        QCOMPARE(stlpec(7, QStringLiteral("MaDat")), QStringLiteral("211  "));

        // empty accounts leave the pickers empty: both must be chosen before saving
        upravit(8, QStringLiteral("UctovnyDennik"), {}, {}, {}, [this](Editor& e) {
            QCOMPARE(e.cbMaDat->currentIndex(), -1);
            QCOMPARE(e.cbDal->currentIndex(), -1);
            e.btnUlozit->click();
            QCOMPARE(dialogs->last().text, QStringLiteral("Účet 'Má dať' nebol zadaný!"));
        });
        // an account the chart no longer offers is kept as it was
        QCOMPARE(upravit(9, QStringLiteral("UctovnyDennik"), {}, {}, {},
                         [](Editor& e) {
                             QCOMPARE(e.cbMaDat->ucet(), QStringLiteral("999  "));
                             QCOMPARE(e.cbDal->ucet(), QStringLiteral("211  "));
                             e.btnUlozit->click();
                         }),
                 9);
        QCOMPARE(stlpec(9, QStringLiteral("MaDat")), QStringLiteral("999  "));
    }

    void failedSaveKeepsTheLine() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  "), QStringLiteral("A")));
        sql(riadok(2, {}, QStringLiteral("211  "), QStringLiteral("221  "), QStringLiteral("B")));
        // a constraint makes the insert fail after the delete has run
        sql(QStringLiteral("CREATE UNIQUE INDEX JedinecnyPopis ON UctovnyDennik (Popis);"));
        const int r = upravit(1, QStringLiteral("UctovnyDennik"), {}, {}, {}, [this](Editor& e) {
            e.edtPopis->setText(QStringLiteral("B"));
            e.btnUlozit->click();
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QVERIFY(dialogs->last().text.contains(QStringLiteral("UNIQUE")));
            QVERIFY(e.isVisible());
        });
        QCOMPARE(r, -1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 2);
        QCOMPARE(stlpec(1, QStringLiteral("Popis")), QStringLiteral("A"));
    }

    void rowNumbers() {
        auto cislo = [this](const QString& tabulka, const QString& doklad) {
            QString n;
            upravit(0, tabulka, doklad, QStringLiteral("10.02.2006"), QStringLiteral("Popis"),
                    [&n](Editor& e) { n = e.edtRiadok->text(); });
            return n;
        };
        const QString dennik = QStringLiteral("UctovnyDennik");
        QCOMPARE(cislo(dennik, {}), QStringLiteral("1"));
        sql(riadok(3, {}, {}, {}));
        sql(riadok(57, QStringLiteral("ID0601"), {}, {}));
        sql(riadok(10, {}, {}, {}));
        QCOMPARE(cislo(dennik, {}), QStringLiteral("58"));
        // a removed number is not taken again while a higher one exists
        sql(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 10;"));
        QCOMPARE(cislo(dennik, {}), QStringLiteral("58"));
        sql(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 57;"));
        QCOMPARE(cislo(dennik, {}), QStringLiteral("4"));

        // a document's scratch lines: above the scratch table and above every other
        // document's and free line of the journal, also one without a document number
        sql(riadok(20, QStringLiteral("ID0602"), {}, {}));
        sql(riadok(21, QStringLiteral("ID0602"), {}, {}));
        sql(QStringLiteral("INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik WHERE "
                           "Riadok >= 20;"));
        sql(QStringLiteral("UPDATE UctovnyDennik SET Doklad = NULL WHERE Riadok = 3;"));
        const QString pomocny = QStringLiteral("UctovnyDennikPomocny");
        QCOMPARE(cislo(pomocny, QStringLiteral("ID0602")), QStringLiteral("22"));
        sql(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = 21;"));
        QCOMPARE(cislo(pomocny, QStringLiteral("ID0602")), QStringLiteral("21"));
        sql(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
        QCOMPARE(cislo(pomocny, QStringLiteral("ID0602")), QStringLiteral("4"));
        QCOMPARE(najvyssiRiadok(*h, pomocny, QStringLiteral("ID0699")), 21);
        QVERIFY_THROWS_EXCEPTION(DbError, najvyssiRiadok(*h, QStringLiteral("Doklady"), {}));
    }

    void scratchLineOfADocument() {
        const int r =
            upravit(0, QStringLiteral("UctovnyDennikPomocny"), QStringLiteral("ID0601"),
                    QStringLiteral("10.02.2006"), QStringLiteral("Príjemka"), [](Editor& e) {
                        QVERIFY(!e.edtDoklad->isEnabled());
                        QCOMPARE(e.edtDoklad->text(), QStringLiteral("ID0601"));
                        QCOMPARE(e.edtPopis->text(), QStringLiteral("Príjemka"));
                        QCOMPARE(e.dtpDatum->date(), QDate(2006, 2, 10));
                        e.mmCiastka->setText(QStringLiteral("3"));
                        e.cbMaDat->setCurrentIndex(1);
                        e.cbDal->setCurrentIndex(2);
                        e.btnUlozit->click();
                    });
        QCOMPARE(r, 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
        QCOMPARE(stlpec(1, QStringLiteral("Doklad"), QStringLiteral("UctovnyDennikPomocny")),
                 QStringLiteral("ID0601"));
        QCOMPARE(stlpec(1, QStringLiteral("Suma"), QStringLiteral("UctovnyDennikPomocny")),
                 QStringLiteral("3,00"));
    }

    void accountPickers() {
        h->SQL(QStringLiteral(
            "SELECT Count(*) AS Pocet FROM UctovaOsnova WHERE Druh <> 'UT' AND Druh <> 'US';"));
        const int ucty = static_cast<int>(h->ADOQuery().integer(QStringLiteral("Pocet")));
        QVERIFY(ucty > 100);
        novy([ucty](Editor& e) {
            for (TUctovyVyber* cb : {e.cbMaDat, e.cbDal}) {
                QCOMPARE(cb->count(), ucty);
                QCOMPARE(cb->currentIndex(), -1);
                QCOMPARE(cb->width(), 73);
                QCOMPARE(cb->itemText(polozka(cb, QStringLiteral("211"))),
                         QStringLiteral("211        Pokladnica"));
                cb->showPopup();
                QCOMPARE(cb->width(), 537);
                cb->hidePopup();
                QCOMPARE(cb->width(), 73);
            }
            // headings of classes and groups are not offered
            QCOMPARE(polozka(e.cbMaDat, QStringLiteral("0")), -1);
            QCOMPARE(polozka(e.cbMaDat, QStringLiteral("21")), -1);
            QVERIFY(e.cbMaDat->itemText(0) < e.cbMaDat->itemText(1));
        });
    }

    void finishedExamDisablesSaving() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        h->tblAgendaNastavenie().edit();
        h->tblAgendaNastavenie().setText(QStringLiteral("SkuskaKoniec"),
                                         QStringLiteral("12.05.2006 14:03:59"));
        h->tblAgendaNastavenie().post();
        upravit(1, QStringLiteral("UctovnyDennik"), {}, {}, {},
                [](Editor& e) { QVERIFY(!e.btnUlozit->isEnabled()); });
        TfrmUctovnyDennik w(*h);
        QVERIFY(!w.btnOdstranit->isEnabled());
        QVERIFY(!w.pmItmOdstranit->menuAction()->isEnabled());
        QVERIFY(w.btnUpravit->isEnabled());
        QVERIFY(w.btnTlacit->isEnabled());
    }

    // --- the journal window ----------------------------------------------------------

    void openedFromTheMainWindow() {
        for (int cesta = 0; cesta < 2; ++cesta) {
            QString meno, caption;
            naDalsieOkno([&](QDialog* d) {
                meno = d->objectName();
                caption = h->windowTitle();
                d->reject();
            });
            if (cesta == 0) {
                h->mmItmUctovnyDennik->trigger();
            } else {
                h->ListView->setCurrentRow(1);
                h->ListViewDblClick();
            }
            QCOMPARE(meno, QStringLiteral("TfrmUctovnyDennik"));
            QCOMPARE(caption, QStringLiteral("Účtovný denník"));
            QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        }
        QVERIFY(dialogs->messages.isEmpty());
    }

    void gridShowsTheStoredForms() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  "), QStringLiteral("A"),
                   QStringLiteral("1250,50")));
        TfrmUctovnyDennik w(*h);
        QCOMPARE(w.cbFilter->itemText(0), QStringLiteral("žiadny"));
        QCOMPARE(w.cbFilter->currentIndex(), 0);
        QAbstractItemModel* m = w.DBGrid->model();
        QCOMPARE(m->columnCount(), 7);
        QCOMPARE(m->headerData(5, Qt::Horizontal).toString(), QStringLiteral("Má dať"));
        // a title centred over right-aligned cells
        QCOMPARE(m->headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignHCenter | Qt::AlignVCenter);
        QCOMPARE(m->index(0, 0).data(Qt::TextAlignmentRole).value<Qt::Alignment>(),
                 Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(w.DBGrid->columnWidth(3), 238);
        QCOMPARE(m->index(0, 1).data().toString(), QStringLiteral("05.01.2006"));
        QCOMPARE(m->index(0, 4).data().toString(), QStringLiteral("1250,50"));
        QVERIFY(w.DBGrid->selectionModel()->isRowSelected(0, {}));
    }

    void longRowNumbersAreShownWhole() {
        sql(riadok(1234567, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        TfrmUctovnyDennik w(*h);
        const QFontMetrics fm = w.DBGrid->fontMetrics();
        // the cell's text margins are a few pixels at each side
        QVERIFY2(fm.horizontalAdvance(QStringLiteral("1234567")) + 8 <= w.DBGrid->columnWidth(0),
                 qPrintable(QString::number(w.DBGrid->columnWidth(0))));
        // the description gives the room, the other columns keep their widths
        QCOMPARE(w.DBGrid->columnWidth(0) + w.DBGrid->columnWidth(3), 39 + 238);
        QCOMPARE(w.DBGrid->columnWidth(1), 59);
        QCOMPARE(w.DBGrid->model()->index(0, 0).data().toString(), QStringLiteral("1234567"));
    }

    void filterMatchesEitherSide() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(2, {}, QStringLiteral("501  "), QStringLiteral("211  ")));
        sql(riadok(3, QStringLiteral("ID0601"), QStringLiteral("311  "), QStringLiteral("602  ")));
        sql(riadok(4, {}, QStringLiteral("211"), QStringLiteral("321  "))); // stored bare
        sql(riadok(5, QStringLiteral("ID0601"), QStringLiteral("221  "), QStringLiteral("211  ")));
        sql(riadok(6, {}, QStringLiteral("2111 "), QStringLiteral("321  ")));
        sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0601', 0);"));
        int vytlacene = -1;
        h->sluzbyDennika().tlacitDennik = [&] {
            vytlacene = h->store().qryUctovnyDennik.recordCount();
        };
        TfrmUctovnyDennik w(*h);
        DataSet& dennik = h->store().qryUctovnyDennik;
        DataSet& druhy = h->store().qryDoklady;
        QCOMPARE(riadky(dennik), (QStringList{"1", "2", "3", "4", "5", "6"}));

        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("211")));
        QCOMPARE(riadky(dennik), (QStringList{"1", "2", "4", "5"}));
        QCOMPARE(riadky(druhy), riadky(dennik)); // row k describes the same line in both
        QCOMPARE(druhy.text(3, QStringLiteral("Druh")), QStringLiteral("ID"));
        QCOMPARE(w.DBGrid->model()->rowCount(), 4);
        // the printout prints what the list shows
        w.mmItmTlacitUctovnyDennik->trigger();
        QCOMPARE(vytlacene, 4);

        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("602")));
        QCOMPARE(riadky(dennik), QStringList{"3"});
        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("213")));
        QCOMPARE(riadky(dennik), QStringList());
        QVERIFY(!w.btnUpravit->isEnabled());
        w.cbFilter->setCurrentIndex(0);
        QCOMPARE(dennik.recordCount(), 6);
        QVERIFY(w.btnUpravit->isEnabled());
    }

    void printsTheFilteredJournal() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(2, {}, QStringLiteral("501  "), QStringLiteral("321  ")));
        sql(riadok(3, {}, QStringLiteral("321  "), QStringLiteral("211  ")));
        TfrmUctovnyDennik w(*h);
        QVERIFY(w.mmItmTlacitUctovnyDennik->isEnabled()); // the main window's printout
        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("211")));
        QStringList texty;
        naDalsieOkno([&texty](QDialog* d) {
            if (auto* p = qobject_cast<ReportPreview*>(d))
                for (const ReportPage& page : p->pages())
                    texty << page.texts();
            d->reject();
        });
        w.mmItmTlacitUctovnyDennik->trigger();
        QVERIFY(texty.contains(QStringLiteral("Účtovný denník")));
        QVERIFY(texty.contains(QStringLiteral("Položky účtovného denníka:")));
        QVERIFY(texty.contains(QStringLiteral("221  ")));
        QVERIFY(!texty.contains(QStringLiteral("501  ")));      // filtered out
        QCOMPARE(h->store().qryUctovnyDennik.recordCount(), 2); // the filter stays
    }

    void emptyAndOneLineLists() {
        h->sluzbyDennika().otvoritDoklad = nullptr; // as without the document editors
        TfrmUctovnyDennik w(*h);
        // empty: only adding works, and a double click adds
        for (QWidget* b :
             {static_cast<QWidget*>(w.btnUpravit), static_cast<QWidget*>(w.btnOdstranit),
              static_cast<QWidget*>(w.btnTlacit)})
            QVERIFY(!b->isEnabled());
        QVERIFY(!w.pmItmUpravit->isEnabled());
        QVERIFY(!w.pmItmOdstranit->menuAction()->isEnabled());
        QVERIFY(!w.pmItmTlacit->menuAction()->isEnabled());
        QVERIFY(w.btnPridat->isEnabled());
        QCOMPARE(w.pmItmPridat->defaultAction(), w.pmItmPridatPolozku);
        QCOMPARE(w.pmHlavne->defaultAction(), nullptr);
        // without the document editors
        for (const char* meno : {"mmItmPridatInternyDoklad", "pmItmPridatPrjemka",
                                 "mmItmPridatFakturuVystavena", "pmItmPridatVypisZBankovehoUctu"})
            QVERIFY2(!w.findChild<QAction*>(QString::fromLatin1(meno))->isEnabled(), meno);
        QVERIFY(w.mmItmPridatPolozku->isEnabled());

        int pridane = 0;
        naDalsieOkno([&pridane](QDialog* d) {
            auto* e = qobject_cast<Editor*>(d);
            QVERIFY(e);
            ++pridane;
            e->mmCiastka->setText(QStringLiteral("15,5"));
            e->cbMaDat->setCurrentIndex(polozka(e->cbMaDat, QStringLiteral("211")));
            e->cbDal->setCurrentIndex(polozka(e->cbDal, QStringLiteral("221")));
            e->btnUlozit->click();
        });
        QTest::mouseDClick(w.DBGrid->viewport(), Qt::LeftButton);
        QCOMPARE(pridane, 1);

        // one line: every command, editing is the default item
        QCOMPARE(riadky(h->store().qryUctovnyDennik), QStringList{"1"});
        QCOMPARE(w.vybranaPozicia(), 1);
        QCOMPARE(h->store().qryUctovnyDennik.text(QStringLiteral("Suma")), QStringLiteral("15,50"));
        for (QWidget* b :
             {static_cast<QWidget*>(w.btnUpravit), static_cast<QWidget*>(w.btnOdstranit),
              static_cast<QWidget*>(w.btnTlacit)})
            QVERIFY(b->isEnabled());
        QCOMPARE(w.pmHlavne->defaultAction(), w.pmItmUpravit);
        QCOMPARE(w.pmItmPridat->defaultAction(), nullptr);
        QVERIFY(!w.mmItmOdstranitDoklad->isEnabled());
        QVERIFY(!w.mmItmTlacitDoklad->isEnabled());
        // a double click now edits the line
        QString upravovany;
        naDalsieOkno([&upravovany](QDialog* d) {
            upravovany = qobject_cast<Editor*>(d)->edtRiadok->text();
            d->reject();
        });
        QTest::mouseDClick(w.DBGrid->viewport(), Qt::LeftButton);
        QCOMPARE(upravovany, QStringLiteral("1"));

        // removing the only line: asked first, No is the default
        w.mmItmOdstranitPolozku->trigger();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Naozaj chcete označený riadok č. 1 odstrániť?"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie odstránenia riadku"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Question);
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 1);
        dialogs->answers = {QMessageBox::Yes};
        w.pmItmOdstranitPolozku->trigger();
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);
        QVERIFY(!w.btnUpravit->isEnabled());
        QVERIFY(!w.btnOdstranit->isEnabled());
        QCOMPARE(w.pmItmPridat->defaultAction(), w.pmItmPridatPolozku);
    }

    void selectionAfterEachOperation() {
        for (int i = 1; i <= 4; ++i)
            sql(riadok(i, {}, QStringLiteral("211  "), QStringLiteral("221  "),
                       QStringLiteral("R%1").arg(i)));
        TfrmUctovnyDennik w(*h);
        DataSet& d = h->store().qryUctovnyDennik;
        // the grid's selection is the data set's current row
        w.DBGrid->selectRow(1);
        QCOMPARE(w.vybranaPozicia(), 2);
        dialogs->answers = {QMessageBox::Yes};
        w.pmItmOdstranitPolozku->trigger();
        QCOMPARE(riadky(d), (QStringList{"1", "3", "4"}));
        QCOMPARE(d.text(QStringLiteral("Riadok")), QStringLiteral("3")); // the same position
        QCOMPARE(w.DBGrid->currentIndex().row(), 1);
        w.vybrat(3);
        dialogs->answers = {QMessageBox::Yes};
        w.pmItmOdstranitPolozku->trigger();
        QCOMPARE(d.text(QStringLiteral("Riadok")), QStringLiteral("3")); // the last row
        QCOMPARE(w.DBGrid->currentIndex().row(), 1);

        // an edited line that leaves the filtered list: the last row is selected
        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("211")));
        w.vybrat(1);
        naDalsieOkno([](QDialog* dlg) {
            auto* e = qobject_cast<Editor*>(dlg);
            e->cbMaDat->setCurrentIndex(polozka(e->cbMaDat, QStringLiteral("311")));
            e->btnUlozit->click();
        });
        w.btnUpravit->click();
        QCOMPARE(riadky(d), QStringList{"3"});
        QCOMPARE(w.vybranaPozicia(), 1);

        // an added line is selected as the last one
        w.cbFilter->setCurrentIndex(0);
        w.vybrat(1);
        naDalsieOkno([](QDialog* dlg) {
            auto* e = qobject_cast<Editor*>(dlg);
            QCOMPARE(e->edtRiadok->text(), QStringLiteral("4"));
            e->mmCiastka->setText(QStringLiteral("1"));
            e->cbMaDat->setCurrentIndex(1);
            e->cbDal->setCurrentIndex(1);
            e->btnUlozit->click();
        });
        w.mmItmPridatPolozku->trigger();
        QCOMPARE(riadky(d), (QStringList{"1", "3", "4"}));
        QCOMPARE(w.vybranaPozicia(), 3);
        QCOMPARE(w.DBGrid->currentIndex().row(), 2);
        // a cancelled editor changes nothing
        w.vybrat(1);
        naDalsieOkno([](QDialog* dlg) { dlg->reject(); });
        w.mmItmPridatPolozku->trigger();
        QCOMPARE(w.vybranaPozicia(), 1);
    }

    void documentLinesWithoutEditors() {
        h->sluzbyDennika().otvoritDoklad = nullptr;
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(2, QStringLiteral("ID0601"), QStringLiteral("501  "), QStringLiteral("112  ")));
        sql(riadok(3, QStringLiteral("ID0601"), QStringLiteral("343  "), QStringLiteral("112  ")));
        sql(riadok(4, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(5, QStringLiteral("XX0699"), QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(6, QStringLiteral("ID0602"), QStringLiteral("501  "), QStringLiteral("112  ")));
        sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0601', 0), "
                           "('ID', 'ID0602', 0);"
                           "INSERT INTO DokladyPolozky VALUES (1, 'ID0601', 2, NULL, '0', 'x', "
                           "'1,00'), (1, 'ID0602', 6, NULL, '0', 'y', '1,00');"));
        TfrmUctovnyDennik w(*h);

        w.vybrat(2); // a document line
        QVERIFY(w.mmItmOdstranitDoklad->isEnabled());
        QVERIFY(w.pmItmOdstranitDoklad->isEnabled());
        // printed with the printout of its kind, titled by the kind
        QVERIFY(w.mmItmTlacitDoklad->isEnabled());
        QString titul;
        naDalsieOkno([&titul](QDialog* d) {
            if (auto* preview = qobject_cast<ReportPreview*>(d))
                titul = preview->pages().first().find(QStringLiteral("qrLblCisloDokladu"))->text;
            d->reject();
        });
        w.mmItmTlacitDoklad->trigger();
        QCOMPARE(titul, QStringLiteral("ID0601"));
        QVERIFY(!w.btnUpravit->isEnabled()); // no editor yet
        QVERIFY(!w.mmItmOdstranitPolozku->isEnabled());
        w.vybrat(1); // a free line
        QVERIFY(!w.mmItmOdstranitDoklad->isEnabled());
        QVERIFY(w.btnUpravit->isEnabled());
        QVERIFY(w.mmItmOdstranitPolozku->isEnabled());

        // a line naming no existing document is a free line: the line editor opens it
        w.vybrat(5);
        QVERIFY(!w.mmItmOdstranitDoklad->isEnabled());
        QString doklad;
        naDalsieOkno([&doklad](QDialog* d) {
            doklad = qobject_cast<Editor*>(d)->edtDoklad->text();
            d->reject();
        });
        w.btnUpravit->click();
        QCOMPARE(doklad, QStringLiteral("XX0699"));

        // removing a document removes its header, lines and every journal line of it,
        // also those the filter hides
        w.cbFilter->setCurrentIndex(polozka(w.cbFilter, QStringLiteral("501")));
        QCOMPARE(riadky(h->store().qryUctovnyDennik), (QStringList{"2", "6"}));
        w.vybrat(1);
        w.mmItmOdstranitDoklad->trigger(); // declined by default
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Naozaj chcete doklad ID0601 k označenému riadku č. 2 aj spolu s "
                                "ostatnými riadkami odstrániť?"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie odstránenia dokladu"));
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 6);
        dialogs->answers = {QMessageBox::Yes};
        w.pmItmOdstranitDoklad->trigger();
        QCOMPARE(pocet(QStringLiteral("Doklady"), QStringLiteral("Cislo = 'ID0601'")), 0);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozky"), QStringLiteral("Doklad = 'ID0601'")), 0);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik"), QStringLiteral("Doklad = 'ID0601'")), 0);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 4);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozky")), 1);
        QCOMPARE(riadky(h->store().qryUctovnyDennik), QStringList{"6"});
        QCOMPARE(w.vybranaPozicia(), 1);
    }

    void documentEditorsThroughTheServices() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(riadok(2, QStringLiteral("ID0601"), QStringLiteral("501  "), QStringLiteral("112  ")));
        sql(riadok(3, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0601', 0);"));
        QStringList volania;
        QString vysledok;
        SluzbyDennika& s = h->sluzbyDennika();
        s.otvoritDoklad = [&](const QString& druh, const QString& cislo) {
            h->setWindowTitle(QStringLiteral("Editor"));
            volania << QStringLiteral("otvorit %1 %2").arg(druh, cislo);
            if (!vysledok.isEmpty()) {
                sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES (%1, %2, 0);")
                        .arg(sqlText(druh), sqlText(vysledok)));
                sql(riadok(9, vysledok, QStringLiteral("211  "), QStringLiteral("604  ")));
            }
            return vysledok;
        };
        s.tlacitDoklad = [&](const QString& druh, const QString& cislo) {
            h->setWindowTitle(QStringLiteral("Tlač"));
            volania << QStringLiteral("tlacit %1 %2").arg(druh, cislo);
        };
        TfrmUctovnyDennik w(*h);
        QVERIFY(w.findChild<QAction*>(QStringLiteral("pmItmPridatPrjemka"))->isEnabled());
        QVERIFY(w.findChild<QAction*>(QStringLiteral("mmItmPridatFaktura")) == nullptr);
        QVERIFY(w.findChild<QAction*>(QStringLiteral("mmItmPridatFakturu"))->isEnabled());

        // a new issued invoice: the editor of its kind, the list reloaded, the new line
        // selected, the journal's caption back in the main window
        vysledok = QStringLiteral("FV0601");
        w.findChild<QAction*>(QStringLiteral("mmItmPridatFakturuVystavena"))->trigger();
        QCOMPARE(volania.takeLast(), QStringLiteral("otvorit FV "));
        QCOMPARE(riadky(h->store().qryUctovnyDennik), (QStringList{"1", "2", "3", "9"}));
        QCOMPARE(w.vybranaPozicia(), 4);
        QCOMPARE(h->windowTitle(), QStringLiteral("Účtovný denník"));
        // a cancelled one changes nothing
        vysledok.clear();
        w.vybrat(1);
        w.findChild<QAction*>(QStringLiteral("pmItmPridatPrjemka"))->trigger();
        QCOMPARE(volania.takeLast(), QStringLiteral("otvorit SP "));
        QCOMPARE(w.vybranaPozicia(), 1);
        QCOMPARE(h->windowTitle(), QStringLiteral("Účtovný denník"));

        // a document line opens its document
        w.vybrat(2);
        QVERIFY(w.btnUpravit->isEnabled());
        w.btnUpravit->click();
        QCOMPARE(volania.takeLast(), QStringLiteral("otvorit ID ID0601"));
        // removing one of its lines offers to open the document
        w.mmItmOdstranitPolozku->trigger();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Odstránenie riadku"));
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Ak chcete odstrániť zvolený riadok, otvorte príslušný doklad,\na "
                                "potom ho môžete z neho odstrániť.\n\nŽeláte si tento doklad "
                                "otvoriť?"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Information);
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QVERIFY(volania.isEmpty());
        dialogs->answers = {QMessageBox::Yes};
        w.pmItmOdstranitPolozku->trigger();
        QCOMPARE(volania.takeLast(), QStringLiteral("otvorit ID ID0601"));
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 4);
        // printing the document
        QVERIFY(w.mmItmTlacitDoklad->isEnabled());
        w.mmItmTlacitDoklad->trigger();
        QCOMPARE(volania.takeLast(), QStringLiteral("tlacit ID ID0601"));
        QCOMPARE(h->windowTitle(), QStringLiteral("Účtovný denník"));
    }

    void buttonsOpenTheirMenus() {
        sql(riadok(1, {}, QStringLiteral("211  "), QStringLiteral("221  ")));
        TfrmUctovnyDennik w(*h);
        const QList<std::pair<QPushButton*, QMenu*>> dvojice = {
            {w.btnPridat, w.pmPridat}, {w.btnOdstranit, w.pmOdstranit}, {w.btnTlacit, w.pmTlacit}};
        for (const auto& [b, m] : dvojice) {
            QVERIFY(!m->isVisible());
            b->click();
            QVERIFY(m->isVisible());
            m->hide();
        }
    }
};

SALDOVIA_GUI_TEST_MAIN(TestJournal)
#include "test_journal.moc"
