// The keyboard in every window as a student uses it: mnemonics, Enter and the grid keys,
// the focus when windows open and close, the question before unsaved edits are thrown away.
// The focus test also runs under a window manager (tools/test-wm.sh).

#include "GuiTest.h"
#include "TestOkna.h"

#include "accounts/Uctovaosnova.h"
#include "app/Pomocnik.h"
#include "documents/Doklad.h"
#include "documents/Doklad2.h"
#include "documents/Doklady.h"
#include "exam/Skuska.h"
#include "journal/CiselnePole.h"
#include "journal/Polozkauctovnehodennika.h"
#include "journal/Uctovnydennik.h"
#include "settings/Agendanastavenie.h"
#include "settings/Agendaprisposobenie.h"
#include "ui/Dialogs.h"
#include "ui/Mriezka.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>

using namespace saldovia;

namespace {

// The letter Alt presses with a caption ("O&dstrániť" → d), or none.
QChar mnemonika(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != u'&')
            continue;
        if (text[i + 1] == u'&') {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

// Mnemonics that the window shows more than once as its tabs stand: of its buttons, labels
// with buddies, group boxes, tabs and menu bars (a full-size window lies under the main
// window's menu bar).
QStringList dvojiteMnemoniky(QWidget* okno, QMenuBar* hlavneMenu) {
    QMap<QChar, QStringList> kto;
    auto pridat = [&](const QString& text, const QString& kde) {
        const QChar m = mnemonika(text);
        if (!m.isNull())
            kto[m] << QStringLiteral("%1 „%2“").arg(kde, text);
    };
    auto viditelny = [okno](QWidget* w) { return w->window() == okno && w->isVisibleTo(okno); };
    for (QAbstractButton* b : okno->findChildren<QAbstractButton*>())
        if (viditelny(b))
            pridat(b->text(), b->objectName());
    for (QLabel* l : okno->findChildren<QLabel*>())
        if (viditelny(l) && l->buddy())
            pridat(l->text(), l->objectName());
    for (QGroupBox* g : okno->findChildren<QGroupBox*>())
        if (viditelny(g))
            pridat(g->title(), g->objectName());
    for (QTabBar* t : okno->findChildren<QTabBar*>())
        if (viditelny(t))
            for (int i = 0; i < t->count(); ++i)
                pridat(t->tabText(i), t->parentWidget()->objectName());
    QList<QMenuBar*> menu = okno->findChildren<QMenuBar*>();
    if (hlavneMenu)
        menu << hlavneMenu;
    for (QMenuBar* m : menu)
        for (QAction* a : m->actions())
            if (a->isVisible())
                pridat(a->text(), a->objectName());
    QStringList chyby;
    for (auto i = kto.cbegin(); i != kto.cend(); ++i)
        if (i->size() > 1)
            chyby << QStringLiteral("%1: Alt+%2: %3")
                         .arg(okno->objectName(), QString(i.key()), i->join(QStringLiteral(", ")));
    return chyby;
}

// The same for every page of every tab set of the window (each combination of pages).
QStringList dvojiteNaKazdejZalozke(QWidget* okno, QMenuBar* hlavneMenu) {
    const QList<QTabWidget*> zalozky = okno->findChildren<QTabWidget*>();
    QStringList chyby;
    std::function<void(int)> prejst = [&](int k) {
        if (k == zalozky.size()) {
            for (const QString& c : dvojiteMnemoniky(okno, hlavneMenu))
                if (!chyby.contains(c))
                    chyby << c;
            return;
        }
        const int povodna = zalozky[k]->currentIndex();
        for (int i = 0; i < zalozky[k]->count(); ++i) {
            zalozky[k]->setCurrentIndex(i);
            prejst(k + 1);
        }
        zalozky[k]->setCurrentIndex(povodna);
    };
    prejst(0);
    return chyby;
}

QAction* akciaHlavneho(TfrmHlavny& h, const QString& meno) {
    return h.findChild<QAction*>(meno);
}

} // namespace

class TestKlavesnica : public TestHlavnehoOkna {
    Q_OBJECT

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', "
                                   "NazovFirmy = 'Firma', SadzbaDPH = '19';"
                                   "INSERT INTO UctovnyDennik VALUES (1, '05.01.2006', NULL, "
                                   "'10,00', 'SKK', '1,000', '10,00', 'Voľný riadok', '211  ', "
                                   "'221  ');"),
                    QStringLiteral("15.03.2006"));
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.get()));
    }
    // Types a key into the focused control of the active window, as the keyboard does.
    static void stlacit(Qt::Key key) {
        QWidget* w = QApplication::focusWidget();
        QVERIFY(w);
        QTest::keyClick(w, key);
    }

private slots:

    // No two controls in sight in one window answer to the same Alt+letter.
    void mnemonicsDistinctInEveryWindow() {
        QStringList chyby, okna;
        auto skontrolovat = [&](QDialog* d) {
            okna << d->objectName();
            chyby << dvojiteNaKazdejZalozke(d, qobject_cast<TfrmCeleOkno*>(d) ? h->menuBar()
                                                                              : nullptr);
        };
        chyby << dvojiteMnemoniky(h.get(), nullptr);
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            skontrolovat(d);
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), skontrolovat);
            w->pmItmPridatPolozkuClick();
            naOkno(QStringLiteral("TfrmDoklad"), [&](QDialog* e) {
                skontrolovat(e);
                naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), skontrolovat);
                qobject_cast<TfrmDoklad*>(e)->btnPridatClick();
            });
            w->pmItmPridatDokladClick(QStringLiteral("ID"));
            naOkno(QStringLiteral("TfrmDoklad2"), [&](QDialog* e) {
                skontrolovat(e);
                naOkno(QStringLiteral("TfrmPolozkaDokladu"), skontrolovat);
                qobject_cast<TfrmDoklad2*>(e)->btnPridatClick();
            });
            w->pmItmPridatDokladClick(QStringLiteral("FV"));
        });
        h->mmItmUctovnyDennikClick();
        naOkno(QStringLiteral("TfrmDoklady"), skontrolovat);
        h->mmItmDokladyClick(akciaHlavneho(*h, QStringLiteral("mmItmPrijateFaktury")));
        for (auto otvorit :
             {&TfrmHlavny::mmItmNastavenieClick, &TfrmHlavny::mmItmPrisposobenieClick,
              &TfrmHlavny::mmItmUctovaOsnovaClick, &TfrmHlavny::mmItmPoznamkyClick,
              &TfrmHlavny::mmItmPracovnyDatumClick, &TfrmHlavny::mmItmCoJeClick,
              &TfrmHlavny::mmItmVysledkyTriedyClick}) {
            QString meno;
            naDalsieOkno([&](QDialog* d) {
                meno = d->objectName();
                skontrolovat(d);
                d->reject();
            });
            (h.get()->*otvorit)();
            QVERIFY(!meno.isEmpty());
        }
        h->otvoritKalkulacku();
        chyby << dvojiteMnemoniky(h->kalkulacka(), nullptr);
        okna << h->kalkulacka()->objectName();
        {
            TfrmSkuska skuska(*h);
            skuska.show();
            skontrolovat(&skuska);
        }
        QCOMPARE(okna.size(), 16);
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u'\n')));
    }

    // Enter presses the focused button and nothing else; in the grids Enter and F2 open the
    // row's editor, Insert adds, Delete removes after the question.
    void enterAndTheGridKeys() {
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            // Enter in the filter presses none of the buttons
            w->cbFilter->setFocus();
            stlacit(Qt::Key_Return);
            QVERIFY(w->isVisible());
            QVERIFY(!QApplication::activePopupWidget());
            QCOMPARE(QApplication::activeModalWidget(), d);

            w->DBGrid->setFocus();
            QStringList otvorene;
            for (Qt::Key k : {Qt::Key_Return, Qt::Key_F2, Qt::Key_Enter, Qt::Key_Insert}) {
                naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [&](QDialog* e) {
                    otvorene << qobject_cast<TfrmPolozkaUctovnehoDennika*>(e)->edtRiadok->text();
                });
                QTRY_COMPARE(QApplication::activeWindow(), d);
                w->DBGrid->setFocus();
                stlacit(k);
            }
            QTRY_COMPARE(QApplication::activeWindow(), d);
            w->DBGrid->setFocus();
            QCOMPARE(otvorene, (QStringList{QStringLiteral("1"), QStringLiteral("1"),
                                            QStringLiteral("1"), QStringLiteral("2")}));
            dialogs->answers = {QMessageBox::No};
            stlacit(Qt::Key_Delete);
            QCOMPARE(dialogs->last().text,
                     QStringLiteral("Naozaj chcete označený riadok č. 1 odstrániť?"));
            QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie odstránenia riadku"));
            QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 1);
            dialogs->answers = {QMessageBox::Yes};
            QTRY_COMPARE(QApplication::activeWindow(), d);
            w->DBGrid->setFocus();
            stlacit(Qt::Key_Delete);
            QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 0);

            // Enter on a focused button presses it
            QTRY_COMPARE(QApplication::activeWindow(), d);
            w->btnZavriet->setFocus();
            stlacit(Qt::Key_Return);
            QTRY_VERIFY(!w->isVisible());
        });
        h->mmItmUctovnyDennikClick();
        QCOMPARE(dialogs->messages.size(), 2);

        // the register: Insert opens a new document
        QString novy;
        naOkno(QStringLiteral("TfrmDoklady"), [&](QDialog* d) {
            qobject_cast<TfrmDoklady*>(d)->DBGrid->setFocus();
            naOkno(QStringLiteral("TfrmDoklad2"), [&](QDialog* e) {
                novy = qobject_cast<TfrmDoklad2*>(e)->edtCisloDokladu->text();
            });
            stlacit(Qt::Key_Insert);
        });
        h->mmItmDokladyClick(akciaHlavneho(*h, QStringLiteral("mmItmPrijateFaktury")));
        QVERIFY2(novy.startsWith(QStringLiteral("FP")), qPrintable(novy));
    }

    // Escape and the close button ask before unsaved edits are lost; "Zrušiť" does not.
    void unsavedEditsAskFirst() {
        const QString otazka = QStringLiteral("Uložiť zmeny?");
        // the line editor: Zrušiť in the question stays, Nie throws the line away, Áno saves
        // it with the editor's checks
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [&](QDialog* e) {
                auto* p = qobject_cast<TfrmPolozkaUctovnehoDennika*>(e);
                // nothing changed (the calendar looked at): Escape closes at once
                QTest::mouseClick(p->dtpDatum, Qt::LeftButton, {},
                                  QPoint(p->dtpDatum->width() - 6, p->dtpDatum->height() / 2));
                QTRY_VERIFY(p->dtpDatum->calendarWidget()->isVisible());
                QTest::keyClick(p->dtpDatum->calendarWidget(), Qt::Key_Escape);
                QTRY_VERIFY(!p->dtpDatum->calendarWidget()->isVisible());
                QTest::keyClick(p->edtPopis, Qt::Key_Escape);
                QVERIFY(!p->isVisible());
            });
            w->pmItmPridatPolozkuClick();
            QCOMPARE(dialogs->messages.size(), 0);

            naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [&](QDialog* e) {
                auto* p = qobject_cast<TfrmPolozkaUctovnehoDennika*>(e);
                p->edtPopis->setFocus();
                QTest::keyClicks(p->edtPopis, QStringLiteral("Polozka"));
                dialogs->answers = {QMessageBox::Cancel};
                QTest::keyClick(p->edtPopis, Qt::Key_Escape);
                QCOMPARE(dialogs->last().text, otazka);
                QCOMPARE(dialogs->last().buttons,
                         QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
                QVERIFY(p->isVisible());
                // Áno: the checks refuse a line without its amount, the editor stays
                dialogs->answers = {QMessageBox::Yes};
                p->close();
                QVERIFY(p->isVisible());
                QCOMPARE(dialogs->messages.size(), 3);
                QVERIFY(dialogs->last().text != otazka);
                // Nie throws the line away
                dialogs->answers = {QMessageBox::No};
                p->close();
                QVERIFY(!p->isVisible());
            });
            w->pmItmPridatPolozkuClick();
            QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 1);

            // the document editor: Áno saves the received invoice typed so far
            naOkno(QStringLiteral("TfrmDoklad2"), [&](QDialog* e) {
                auto* doklad = qobject_cast<TfrmDoklad2*>(e);
                doklad->edtNazovFirmy->setFocus();
                QTest::keyClicks(doklad->edtNazovFirmy, QStringLiteral("Dodavatel"));
                dialogs->answers = {QMessageBox::Yes};
                stlacit(Qt::Key_Escape);
                QVERIFY(!doklad->isVisible());
            });
            w->pmItmPridatDokladClick(QStringLiteral("FP"));
            QCOMPARE(pocet(QStringLiteral("Doklady"), QStringLiteral("NazovFirmy2 = 'Dodavatel'")),
                     1);

            // "Zrušiť" throws the edits away without asking
            const int otazky = static_cast<int>(dialogs->messages.size());
            naOkno(QStringLiteral("TfrmDoklad2"), [&](QDialog* e) {
                auto* doklad = qobject_cast<TfrmDoklad2*>(e);
                QTest::keyClicks(doklad->edtNazovFirmy, QStringLiteral("Iny"));
                doklad->btnZrusit->click();
                QVERIFY(!doklad->isVisible());
            });
            w->pmItmPridatDokladClick(QStringLiteral("FP"));
            QCOMPARE(dialogs->messages.size(), otazky);
            QCOMPARE(pocet(QStringLiteral("Doklady")), 1);
        });
        h->mmItmUctovnyDennikClick();

        // the settings: Nie leaves them as stored
        naOkno(QStringLiteral("TfrmAgendaNastavenie"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmAgendaNastavenie*>(d);
            prepisat(w->dbEdtNazovFirmy, QStringLiteral("Ina firma"));
            dialogs->answers = {QMessageBox::No};
            QTest::keyClick(w->dbEdtNazovFirmy, Qt::Key_Escape);
            QVERIFY(!w->isVisible());
        });
        h->mmItmNastavenieClick();
        QCOMPARE(dialogs->last().text, otazka);
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("NazovFirmy")),
                 QStringLiteral("Firma"));

        // the chart of accounts: its close button asks for the account typed in
        naOkno(QStringLiteral("TfrmUctovaOsnova"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovaOsnova*>(d);
            prepisat(w->lblEdtNazov, QStringLiteral("Nový názov"));
            dialogs->answers = {QMessageBox::Cancel};
            w->btnZavriet->click();
            QVERIFY(w->isVisible());
            // so does choosing another row: Zrušiť keeps the typed account and its row
            const QString cislo = w->lblEdtCislo->text();
            const int otazky = static_cast<int>(dialogs->messages.size());
            auto zvolitRiadok = [w](int r) {
                w->DBGrid->selectionModel()->setCurrentIndex(w->DBGrid->model()->index(r, 0),
                                                             QItemSelectionModel::ClearAndSelect |
                                                                 QItemSelectionModel::Rows);
                QTest::qWait(10);
            };
            dialogs->answers = {QMessageBox::Cancel};
            zvolitRiadok(3);
            QCOMPARE(dialogs->messages.size(), otazky + 1);
            QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Nový názov"));
            QCOMPARE(w->lblEdtCislo->text(), cislo);
            QTRY_COMPARE(w->DBGrid->currentIndex().siblingAtColumn(0).data().toString(), cislo);
            // Nie: the row chosen, as stored
            dialogs->answers = {QMessageBox::No};
            zvolitRiadok(3);
            const QString tretie = w->DBGrid->model()->index(3, 0).data().toString();
            QCOMPARE(w->lblEdtCislo->text(), tretie);
            QVERIFY(!w->maZmeny());
            // Áno saves it; the row clicked is the one marked and shown, though the list was
            // read anew
            prepisat(w->lblEdtCislo, QStringLiteral("51891"));
            prepisat(w->lblEdtNazov, QStringLiteral("Druhy test"));
            const QModelIndex piaty = w->DBGrid->model()->index(5, 0);
            const QString piate = piaty.data().toString();
            dialogs->answers = {QMessageBox::Yes};
            QTest::mouseClick(w->DBGrid->viewport(), Qt::LeftButton, {},
                              w->DBGrid->visualRect(piaty).center());
            QTest::qWait(20);
            QCOMPARE(pocet(QStringLiteral("UctovaOsnova"), QStringLiteral("Cislo = '51891'")), 1);
            QCOMPARE(w->lblEdtCislo->text(), piate);
            const QModelIndexList vybrane = w->DBGrid->selectionModel()->selectedRows();
            QCOMPARE(vybrane.size(), 1);
            QCOMPARE(vybrane[0].data().toString(), piate);
            prepisat(w->lblEdtNazov, QStringLiteral("Nový názov"));
        });
        h->mmItmUctovaOsnovaClick();
        QCOMPARE(dialogs->last().text, otazka);

        // the document kinds: choosing another kind asks for the texts typed for this one
        const QString nazovID = QStringLiteral("SELECT Doklad FROM AgendaPrisposobenie WHERE "
                                               "Kod = 'ID';");
        naOkno(QStringLiteral("TfrmAgendaPrisposobenie"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmAgendaPrisposobenie*>(d);
            auto zvolit = [w](const char* kod) {
                w->cbKod->setCurrentIndex(w->cbKod->findText(QLatin1String(kod)));
            };
            zvolit("ID");
            const int otazky = static_cast<int>(dialogs->messages.size());
            zvolit("PP"); // nothing typed: no question
            QCOMPARE(dialogs->messages.size(), otazky);
            zvolit("ID");
            prepisat(w->lblEdtDoklad, QStringLiteral("Vnútorný doklad"));
            dialogs->answers = {QMessageBox::Cancel};
            zvolit("PP");
            QCOMPARE(dialogs->last().text, otazka);
            QCOMPARE(w->cbKod->currentText(), QStringLiteral("ID"));
            QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Vnútorný doklad"));
            dialogs->answers = {QMessageBox::No};
            zvolit("PP");
            QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Príjmový pokladničný doklad"));
            QCOMPARE(h->SQL(nazovID), 1);
            QCOMPARE(h->ADOQuery().text(QStringLiteral("Doklad")),
                     QStringLiteral("Interný doklad"));
            zvolit("ID");
            prepisat(w->lblEdtDoklad, QStringLiteral("Vnútorný doklad"));
            dialogs->answers = {QMessageBox::Yes};
            zvolit("SP");
            QCOMPARE(w->cbKod->currentText(), QStringLiteral("SP"));
            QVERIFY(!w->maZmeny());
            QCOMPARE(h->SQL(nazovID), 1);
            QCOMPARE(h->ADOQuery().text(QStringLiteral("Doklad")),
                     QStringLiteral("Vnútorný doklad"));
            w->close();
        });
        h->mmItmPrisposobenieClick();
    }

    // A window takes the focus when it opens and gives it back to the window it was opened
    // from when it closes (under a window manager as well).
    void windowsTakeAndReturnTheFocus() {
        QStringList chyby;
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            QTRY_COMPARE(QApplication::activeWindow(), d);
            QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->btnZavriet));
            for (int i = 0; i < 3; ++i) {
                naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [&](QDialog* e) {
                    auto* p = qobject_cast<TfrmPolozkaUctovnehoDennika*>(e);
                    QTRY_COMPARE(QApplication::activeWindow(), e);
                    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(p->dtpDatum));
                    stlacit(Qt::Key_Escape);
                });
                w->pmItmPridatPolozkuClick();
                QTRY_COMPARE(QApplication::activeWindow(), d);
                QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->btnZavriet));
            }
            // typing reaches the journal again: Alt+Z closes it
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::AltModifier);
            QTRY_VERIFY(!w->isVisible());
        });
        h->mmItmUctovnyDennikClick();
        QTRY_COMPARE(QApplication::activeWindow(), h.get());
        QVERIFY(dialogs->messages.isEmpty());
    }

    // A full-size window moved by the window manager takes the main window along; a fixed
    // dialog does not stay minimised or maximised on its own.
    void windowsStayWithTheMainWindow() {
        QStringList chyby;
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            const QPoint hlavne = h->pos();
            w->move(w->pos() + QPoint(40, 30));
            if (!QTest::qWaitFor([&] { return h->pos() == hlavne + QPoint(40, 30); }, 3000))
                chyby << QStringLiteral("the main window stayed at %1,%2")
                             .arg(h->pos().x())
                             .arg(h->pos().y());
            QTRY_COMPARE(w->frameGeometry(), h->pracovnaPlocha());

            naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [&](QDialog* e) {
                QVERIFY(QTest::qWaitForWindowExposed(e));
                for (Qt::WindowState stav : {Qt::WindowMinimized, Qt::WindowMaximized}) {
                    e->setWindowState(stav);
                    if (!QTest::qWaitFor([e] { return e->windowState() == Qt::WindowNoState; },
                                         3000))
                        chyby << QStringLiteral("line editor kept state %1").arg(int(stav));
                }
                QVERIFY(e->isVisible());
            });
            w->pmItmPridatPolozkuClick();
        });
        h->mmItmUctovnyDennikClick();
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u'\n')));
    }

    // The pop-ups of a full-size window open at their controls. Where a display has a pointer
    // (under a window manager) the pointer is moved onto a control through the display: the
    // control must be under it there, so the program's idea of where its windows lie is
    // the display's.
    void popupsOpenAtTheirControls() {
        const bool ukazovatel = QGuiApplication::platformName() == QLatin1String("xcb");
        QStringList chyby;
        auto podUkazovatelom = [&](QWidget* w, const QString& co) {
            if (!ukazovatel)
                return;
            // from outside the window first, so that the display reports the entry
            QCursor::setPos(w->window()->mapToGlobal(QPoint(-5, -5)));
            QTest::qWait(50);
            QCursor::setPos(w->mapToGlobal(w->rect().center()));
            if (!QTest::qWaitFor([w] { return w->underMouse(); }, 10000))
                chyby << co + QStringLiteral(": not under the pointer");
        };
        auto priOvladaci = [&](QWidget* popup, const QRect& ovladac, const QString& co) {
            if (!popup || !popup->isVisible()) {
                chyby << co + QStringLiteral(": no pop-up");
                return;
            }
            if (!popup->frameGeometry().adjusted(-3, -3, 3, 3).intersects(ovladac))
                chyby << QStringLiteral("%1: pop-up at %2,%3, control at %4,%5")
                             .arg(co)
                             .arg(popup->x())
                             .arg(popup->y())
                             .arg(ovladac.x())
                             .arg(ovladac.y());
        };
        auto globalne = [](QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); };
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmUctovnyDennik*>(d);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            QTRY_COMPARE(w->frameGeometry(), h->pracovnaPlocha());
            podUkazovatelom(w->btnPridat, QStringLiteral("btnPridat"));
            QTest::mouseClick(w->btnPridat, Qt::LeftButton);
            QTRY_VERIFY(QApplication::activePopupWidget());
            priOvladaci(QApplication::activePopupWidget(), globalne(w->btnPridat),
                        QStringLiteral("pmPridat"));
            QApplication::activePopupWidget()->close();

            const QPoint bod(40, 10);
            emit w->DBGrid->customContextMenuRequested(bod);
            QTRY_VERIFY(QApplication::activePopupWidget());
            priOvladaci(QApplication::activePopupWidget(),
                        QRect(w->DBGrid->viewport()->mapToGlobal(bod), QSize(1, 1)),
                        QStringLiteral("pmHlavne"));
            QApplication::activePopupWidget()->close();

            w->cbFilter->showPopup();
            QWidget* zoznam = w->cbFilter->view()->window();
            QTRY_VERIFY(zoznam->isVisible());
            priOvladaci(zoznam, globalne(w->cbFilter), QStringLiteral("cbFilter"));
            podUkazovatelom(w->cbFilter->view()->viewport(), QStringLiteral("cbFilter list"));
            w->cbFilter->hidePopup();
        });
        h->mmItmUctovnyDennikClick();
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u'\n')));
    }

    // The first editor opened from a register, one full-size window over another: under a
    // window manager the program's idea of where the window is agrees with where it is, so
    // its lists and calendars open at their controls.
    void editorOverARegisterKnowsItsPlace() {
        naOkno(QStringLiteral("TfrmDoklady"), [&](QDialog* d) {
            auto* w = qobject_cast<TfrmDoklady*>(d);
            QVERIFY(QTest::qWaitForWindowExposed(w));
            naOkno(QStringLiteral("TfrmDoklad2"), [&](QDialog* e) {
                auto* doklad = qobject_cast<TfrmDoklad2*>(e);
                QVERIFY(QTest::qWaitForWindowExposed(doklad));
                QTRY_COMPARE(doklad->pos(), h->pracovnaPlocha().topLeft());
                QTest::qWait(100); // the window manager's late reports
                QTRY_COMPARE(doklad->windowHandle()->position(), doklad->pos());
                QComboBox* cb = doklad->cbSposobPlatby;
                cb->showPopup();
                QWidget* zoznam = cb->view()->window();
                QTRY_VERIFY(zoznam->isVisible());
                const QRect ovladac(doklad->pos() + cb->mapTo(doklad, QPoint()), cb->size());
                QVERIFY2(zoznam->frameGeometry().adjusted(-3, -3, 3, 3).intersects(ovladac),
                         qPrintable(QStringLiteral("list at %1,%2, control at %3,%4")
                                        .arg(zoznam->x())
                                        .arg(zoznam->y())
                                        .arg(ovladac.x())
                                        .arg(ovladac.y())));
                cb->hidePopup();
                doklad->btnZrusit->click();
            });
            w->btnPridatClick();
            w->close();
        });
        h->otvoritOkno(new TfrmDoklady(*h, QStringLiteral("FP")));
    }

    // F1 opens the class results' topic in its window and the hand-in's topic in its
    // dialog; the print preview blocks only the windows it was opened from.
    void helpTopicsAndThePreview() {
        QFile::copy(QStringLiteral(HELP_FILE), agenda->file(QStringLiteral("Pomocnik.hlp")));
        h.reset();
        h = spustitHlavne(*agenda);
        h->show();
        const auto help = HelpFile::load(QStringLiteral(HELP_FILE));
        auto tema = [&] {
            auto* p = qobject_cast<TfrmPomocnik*>(h->oknoPomocnika());
            return p && p->isVisible() ? p->aktualnyKontext() : -1;
        };
        naOkno(QStringLiteral("TfrmVysledkyTriedy"),
               [&](QDialog* d) { QTest::keyClick(d, Qt::Key_F1); });
        h->mmItmVysledkyTriedyClick();
        QCOMPARE(tema(), 17);
        QVERIFY(help->topics().value(17).title.startsWith(QStringLiteral("Výsledky triedy")));
        h->oknoPomocnika()->close();

        // the hand-in of a finished exam, in the Qt dialogs
        h->SQL(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '1:00:00', "
                              "SkuskaZaciatok = '01.01.2006 08:00:00', SkuskaKoniec = "
                              "'01.01.2006 09:00:00', MenoUzivatela = 'Jana';"));
        h->tblAgendaNastavenie().close();
        h->tblAgendaNastavenie().open();
        QtDialogService qt;
        DialogService::install(&qt);
        int vDialogu = -1;
        QString dialog;
        naDalsieOkno([&](QDialog* d) {
            dialog = d->metaObject()->className();
            QApplication::setActiveWindow(d);
            QTest::keyClick(d, Qt::Key_F1);
            vDialogu = tema();
            d->reject();
            naDalsieOkno([](QDialog* m) { m->reject(); }); // "nebolo vykonané"
        });
        h->mmItmOdovzdatSkuskuClick();
        DialogService::install(dialogs.get());
        QVERIFY2(dialog.contains(QStringLiteral("Dialog")), qPrintable(dialog));
        QCOMPARE(vDialogu, 18);
        QVERIFY(help->topics().value(18).title.startsWith(QStringLiteral("Odovzdanie skúšky")));
        h->oknoPomocnika()->close();

        Qt::WindowModality modalita = Qt::NonModal;
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [&](QDialog* d) {
            naOkno(QStringLiteral("ReportPreview"),
                   [&](QDialog* p) { modalita = p->windowModality(); });
            qobject_cast<TfrmUctovnyDennik*>(d)->pmItmTlacitUctovnyDennikClick();
        });
        h->mmItmUctovnyDennikClick();
        QCOMPARE(modalita, Qt::WindowModal);
    }
};

SALDOVIA_GUI_TEST_MAIN(TestKlavesnica)
#include "test_klavesnica.moc"
