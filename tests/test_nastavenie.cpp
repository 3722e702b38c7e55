#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "edits/Upravy.h"
#include "settings/Agendanastavenie.h"
#include "settings/Logo.h"
#include "settings/UpDown.h"
#include "store/Values.h"

#include <QClipboard>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

using namespace saldovia;

namespace {

const QString Nespravny =
    QStringLiteral("Zvolený súbor nie je obrázok alebo sa nedá prečítať,\nlogo zostáva bez zmeny.");

QString hodnota(TfrmHlavny& h, const QString& sql) {
    h.SQL(sql);
    return h.ADOQuery().rows().rowCount() ? h.ADOQuery().rows().text(0, 0) : QString();
}

QByteArray bajtyLoga(TfrmHlavny& h, int cislo) {
    h.SQL(QStringLiteral("SELECT Obrazok FROM Logo WHERE Cislo = %1;").arg(cislo));
    return h.ADOQuery().rows().rowCount() ? h.ADOQuery().rows().value(0, 0).toByteArray()
                                          : QByteArray();
}

// A picture file of one colour.
QString obrazok(const TestAgenda& agenda, const QString& meno, QSize size, QColor farba) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(farba);
    const QString cesta = agenda.file(meno);
    if (!img.save(cesta))
        qFatal("cannot write a test picture");
    return cesta;
}

QColor farbaLoga(TfrmHlavny& h, const QString& cislo) {
    const QImage img = NacitatLogo(h.store(), cislo);
    return img.isNull() ? QColor() : img.pixelColor(img.width() / 2, img.height() / 2);
}

} // namespace

class TestNastavenie : public TestOkien {
    Q_OBJECT

    std::unique_ptr<TfrmHlavny> spustit(const QString& sql = {}) {
        return spustitHlavne(
            *agenda, QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SadzbaDPH = "
                                    "'19', NazovFirmy = 'Škola';") +
                         sql);
    }

    // The settings window shown as the menu shows it, but without blocking the test.
    static TfrmAgendaNastavenie* okno(TfrmHlavny& h) { return ukazat<TfrmAgendaNastavenie>(h); }

    // Changes the logo to the given file through the pop-up menu and the file dialog.
    void zmenitLogo(TfrmAgendaNastavenie* w, const QString& cesta) {
        dialogs->files = {cesta};
        w->pmZmenitLogo->trigger();
    }

private slots:

    void newAgendaStartsWithTheWorkingDateYear() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '', "
                                               "SadzbaDPH = '', Logo = '';"));
        TfrmHlavny h(agenda->dir());
        h.PripojitDatabazu(agenda->path());
        h.setPracovnyDatum(QStringLiteral("15.03.2011"));
        QPointer<TfrmAgendaNastavenie> w = okno(h);
        QCOMPARE(h.windowTitle(), QStringLiteral("Nastavenie agendy"));
        QCOMPARE(w->edtUctovnyRok->text(), QStringLiteral("2011"));
        QCOMPARE(w->edtSadzbaDPH->text(), QStringLiteral("19"));
        QVERIFY(!w->btnZrusit->isEnabled());
        QVERIFY(w->edtUctovnyRok->isEnabled());
        QVERIFY(!w->lblLogoNeexistuje->isHidden());
        QVERIFY(!w->pmZrusitLogo->isEnabled());
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->dbEdtNazovFirmy));
        // the first settings must be saved: Escape does not leave
        QTest::keyClick(w, Qt::Key_Escape);
        QVERIFY(w->isVisible());

        w->btnUlozit->click();
        QVERIFY(!w->isVisible());
        QCOMPARE(hodnota(h, QStringLiteral("SELECT UctovnyRok || '/' || SadzbaDPH || '/' || Logo "
                                           "FROM AgendaNastavenie;")),
                 QStringLiteral("2011/19/"));
        QCOMPARE(h.uctovnyRok(), QStringLiteral("2011"));
        QCOMPARE(h.pracovnyDatum(), QStringLiteral("15.03.2011"));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void theMainWindowOpensTheSettings() {
        auto h = spustit();
        auto otvorit = [&](auto akcia) {
            QString meno, titulok;
            naDalsieOkno([&](QDialog* d) {
                meno = d->objectName();
                titulok = h->windowTitle();
                d->reject();
            });
            akcia();
            QCOMPARE(meno, QStringLiteral("TfrmAgendaNastavenie"));
            QCOMPARE(titulok, QStringLiteral("Nastavenie agendy"));
            QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        };
        otvorit([&] { h->mmItmNastavenie->trigger(); });
        otvorit([&] { h->pmItmAgendaNastavenie->trigger(); });
        otvorit([&] { h->StatusBarDblClick(311); });
        QVERIFY(dialogs->messages.isEmpty());
    }

    void yearTypingRules() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QLineEdit* e = w->edtUctovnyRok;
        QCOMPARE(e->text(), QStringLiteral("2006"));
        e->setCursorPosition(4);
        QTest::keyClicks(e, QStringLiteral("1")); // five digits
        QCOMPARE(e->text(), QStringLiteral("9999"));
        QCOMPARE(e->cursorPosition(), 4);
        // a year typed key by key over the selected one stands as typed
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("2025"));
        QCOMPARE(e->text(), QStringLiteral("2025"));
        QCOMPARE(e->cursorPosition(), 4);
        QTest::keyClick(e, Qt::Key_Backspace); // 202 is a year being typed...
        QCOMPARE(e->text(), QStringLiteral("202"));
        QTest::keyClick(e, Qt::Key_Return); // ...Enter completes it: no year below 2005
        QCOMPARE(e->text(), QStringLiteral("2005"));
        QCOMPARE(e->selectedText(), QStringLiteral("2005"));
        e->setSelection(3, 1); // overtyping one digit
        QTest::keyClicks(e, QStringLiteral("8"));
        QCOMPARE(e->text(), QStringLiteral("2008"));
        QCOMPARE(e->cursorPosition(), 4);
        e->setCursorPosition(0);
        QTest::keyClicks(e, QStringLiteral("0a-, "));
        QCOMPARE(e->text(), QStringLiteral("2008"));
        QCOMPARE(e->cursorPosition(), 0);
        e->selectAll(); // a zero over the whole year is ignored too
        QTest::keyClicks(e, QStringLiteral("0"));
        QCOMPARE(e->text(), QStringLiteral("2008"));
        e->selectAll(); // four digits below 2005 are no year
        QTest::keyClicks(e, QStringLiteral("1999"));
        QCOMPARE(e->text(), QStringLiteral("2005"));
        e->setCursorPosition(0);
        QTest::keyClick(e, Qt::Key_Delete); // "005": the leading zeros go
        QCOMPARE(e->text(), QStringLiteral("5"));
        // leaving the edit completes the year
        QApplication::setActiveWindow(w);
        e->setFocus();
        w->edtSadzbaDPH->setFocus();
        QCOMPARE(e->text(), QStringLiteral("2005"));
        // pasting cannot bring in a bad number
        QApplication::clipboard()->setText(QStringLiteral("12"));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(e->text(), QStringLiteral("2005"));

        // the arrows step within 2005 to 9999, without wrapping
        w->udUctovnyRok->dole()->click();
        QCOMPARE(e->text(), QStringLiteral("2005"));
        w->udUctovnyRok->hore()->click();
        QCOMPARE(e->text(), QStringLiteral("2006"));
        QTest::keyClick(e, Qt::Key_Up);
        QCOMPARE(e->text(), QStringLiteral("2007"));
        e->setText(QStringLiteral("9999"));
        w->udUctovnyRok->hore()->click();
        QCOMPARE(e->text(), QStringLiteral("9999"));

        // saving completes a year still being typed
        e->selectAll();
        QTest::keyClicks(e, QStringLiteral("20"));
        w->btnUlozit->click();
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT UctovnyRok FROM AgendaNastavenie;")),
                 QStringLiteral("2005"));
        w = okno(*h);
        e = w->edtUctovnyRok;
        e->setText(QStringLiteral("2007"));
        w->btnUlozit->click();
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT UctovnyRok FROM AgendaNastavenie;")),
                 QStringLiteral("2007"));
        QCOMPARE(h->uctovnyRok(), QStringLiteral("2007"));
    }

    void vatTypingRules() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QLineEdit* e = w->edtSadzbaDPH;
        QCOMPARE(e->text(), QStringLiteral("19"));
        e->setCursorPosition(2);
        QTest::keyClicks(e, QStringLiteral("5"));
        QCOMPARE(e->text(), QStringLiteral("100"));
        QCOMPARE(e->cursorPosition(), 3);
        QTest::keyClicks(e, QStringLiteral("7")); // a fourth digit
        QCOMPARE(e->text(), QStringLiteral("100"));
        e->selectAll();
        QTest::keyClick(e, Qt::Key_Backspace);
        QCOMPARE(e->text(), QStringLiteral("0"));
        QCOMPARE(e->cursorPosition(), 1);
        QTest::keyClicks(e, QStringLiteral("5")); // "05": the leading zero goes
        QCOMPARE(e->text(), QStringLiteral("5"));
        QCOMPARE(e->cursorPosition(), 1);
        e->setCursorPosition(0);
        QTest::keyClicks(e, QStringLiteral("0"));
        QCOMPARE(e->text(), QStringLiteral("5"));
        e->setCursorPosition(1);
        QTest::keyClick(e, Qt::Key_Backspace); // deleting the last digit
        QCOMPARE(e->text(), QStringLiteral("0"));
        QTest::keyClicks(e, QStringLiteral("20"));
        QCOMPARE(e->text(), QStringLiteral("20"));
        e->setCursorPosition(0);
        QTest::keyClick(e, Qt::Key_Delete); // "0"
        QCOMPARE(e->text(), QStringLiteral("0"));
        w->udSadzbaDPH->dole()->click();
        QCOMPARE(e->text(), QStringLiteral("0"));
        e->setText(QStringLiteral("100"));
        QTest::keyClick(e, Qt::Key_Up);
        QCOMPARE(e->text(), QStringLiteral("100"));
        QTest::keyClick(e, Qt::Key_Down);
        w->btnUlozit->click();
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT SadzbaDPH FROM AgendaNastavenie;")),
                 QStringLiteral("99"));
    }

    // The two reduced rates: empty in an agenda without them, typed by the rate's rules but
    // may be emptied, saved with "Uložiť" only, shown again on the next opening.
    void reducedRates() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QLineEdit* prva = w->edtZnizenaSadzbaDPH1;
        QLineEdit* druha = w->edtZnizenaSadzbaDPH2;
        QVERIFY(prva->text().isEmpty() && druha->text().isEmpty());
        QTest::keyClicks(prva, QStringLiteral("0195")); // no leading zero, at most 100
        QCOMPARE(prva->text(), QStringLiteral("100"));
        prva->selectAll();
        QTest::keyClicks(prva, QStringLiteral("19"));
        QCOMPARE(prva->text(), QStringLiteral("19"));
        QTest::keyClicks(druha, QStringLiteral("7"));
        QTest::keyClick(druha, Qt::Key_Down);
        QTest::keyClick(druha, Qt::Key_Down);
        QCOMPARE(druha->text(), QStringLiteral("5"));
        w->btnZrusit->click();
        QCOMPARE(upravy::znizeneSadzbyDPH(h->store()), (std::array<QString, 2>{}));

        w = okno(*h);
        QTest::keyClicks(w->edtZnizenaSadzbaDPH1, QStringLiteral("19"));
        QTest::keyClicks(w->edtZnizenaSadzbaDPH2, QStringLiteral("5"));
        w->btnUlozit->click();
        QCOMPARE(upravy::znizeneSadzbyDPH(h->store()), (std::array<QString, 2>{"19", "5"}));
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT SadzbaDPH FROM AgendaNastavenie;")),
                 QStringLiteral("19"));
        w = okno(*h);
        QCOMPARE(w->edtZnizenaSadzbaDPH1->text(), QStringLiteral("19"));
        w->edtZnizenaSadzbaDPH1->selectAll();
        QTest::keyClick(w->edtZnizenaSadzbaDPH1, Qt::Key_Backspace); // emptied, not "0"
        QVERIFY(w->edtZnizenaSadzbaDPH1->text().isEmpty());
        w->btnUlozit->click();
        QCOMPARE(upravy::znizeneSadzbyDPH(h->store()), (std::array<QString, 2>{"", "5"}));
    }

    void yearLockedOnceTheJournalHasLines() {
        auto h = spustit(QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Popis) VALUES (4, "
                                        "'x');"));
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QVERIFY(!w->edtUctovnyRok->isEnabled());
        QVERIFY(!w->udUctovnyRok->isEnabled());
        w->udUctovnyRok->krok(1);
        QCOMPARE(w->edtUctovnyRok->text(), QStringLiteral("2006"));
        QVERIFY(w->edtSadzbaDPH->isEnabled());
    }

    void boundEditsSaveOnlyWithUlozit() {
        auto h = spustit();
        const std::pair<const char*, int> polia[] = {
            {"NazovFirmy", 50},   {"SidloUlica", 50}, {"SidloPSC", 5}, {"SidloMesto", 50},
            {"SidloStat", 50},    {"ICO", 8},         {"DIC", 10},     {"ICDPH", 12},
            {"Telefon", 13},      {"Fax", 13},        {"Mobil", 13},   {"Ucet", 15},
            {"IBAN", 24},         {"SWIFT", 8},       {"Email", 50},   {"Web", 50},
            {"MenoUzivatela", 50}};
        auto vyplnit = [&](TfrmAgendaNastavenie* w) {
            for (const auto& [stlpec, dlzka] : polia) {
                auto* e = w->findChild<QLineEdit*>(QStringLiteral("dbEdt") + QLatin1String(stlpec));
                QVERIFY2(e, stlpec);
                e->clear();
                // more than fits: the limit cuts the rest
                QTest::keyClicks(
                    e, (QLatin1String(stlpec) + QStringLiteral("'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
                                                               "xxxxxxxxxxxxxxxxxxxxxx"))
                           .left(dlzka + 3));
            }
        };
        const QString povodne = hodnota(*h, QStringLiteral("SELECT * FROM AgendaNastavenie;"));

        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        vyplnit(w);
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("ICO")), QStringLiteral("ICO'xxxx"));
        w->btnZrusit->click(); // discards
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT * FROM AgendaNastavenie;")), povodne);
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("NazovFirmy")),
                 QStringLiteral("Škola"));
        QVERIFY(!h->tblAgendaNastavenie().isEditing());

        w = okno(*h);
        QCOMPARE(w->dbEdtNazovFirmy->text(), QStringLiteral("Škola"));
        vyplnit(w);
        w->btnUlozit->click();
        for (const auto& [stlpec, dlzka] : polia) {
            const QString ulozene =
                hodnota(*h, QStringLiteral("SELECT %1 FROM AgendaNastavenie;").arg(stlpec));
            QCOMPARE(ulozene.size(), dlzka);
            QVERIFY2(ulozene.startsWith(QLatin1String(stlpec).left(dlzka)), stlpec);
        }
        const QString nazov = QStringLiteral("NazovFirmy'") + QString(39, u'x');
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT NazovFirmy FROM AgendaNastavenie;")), nazov);
        QCOMPARE(h->StatusBar->panel(1), nazov);
    }

    void perCentSignsAreSavedAsTyped() {
        auto h = spustit();
        const QStringList texty{QStringLiteral("5%2 'test'"), QStringLiteral("%1"),
                                QStringLiteral("%2"),         QStringLiteral("%L1"),
                                QStringLiteral("%%"),         QStringLiteral("%")};
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QStringList napisane;
        const auto viazane = w->viazaneEdity();
        for (qsizetype i = 0; i < viazane.size(); ++i) {
            QLineEdit* e = viazane[i].first;
            e->clear();
            QTest::keyClicks(e, texty[i % texty.size()]);
            napisane << e->text();
        }
        w->btnUlozit->click();
        QVERIFY(dialogs->messages.isEmpty());
        QStringList ulozene;
        for (const auto& [e, stlpec] : viazane)
            ulozene << hodnota(*h, QStringLiteral("SELECT %1 FROM AgendaNastavenie;").arg(stlpec));
        QCOMPARE(ulozene, napisane);
        QCOMPARE(ulozene[0], QStringLiteral("5%2 'test'"));
    }

    void tabOrderReadsLikeTheLayout() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QApplication::setActiveWindow(w);
        w->layout()->activate();
        QList<QWidget*> poradie;
        QWidget* f = w->dbEdtNazovFirmy;
        f->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < 40 && (poradie.isEmpty() || f != poradie.first()); ++i) {
            poradie << f;
            QTest::keyClick(f, Qt::Key_Tab);
            f = w->focusWidget();
        }
        QStringList mena;
        for (QWidget* p : poradie)
            mena << p->objectName();
        QCOMPARE(mena, (QStringList{"dbEdtNazovFirmy",
                                    "dbEdtSidloUlica",
                                    "dbEdtSidloPSC",
                                    "dbEdtSidloMesto",
                                    "dbEdtSidloStat",
                                    "dbEdtICO",
                                    "dbEdtTelefon",
                                    "dbEdtDIC",
                                    "dbEdtFax",
                                    "dbEdtICDPH",
                                    "dbEdtMobil",
                                    "dbEdtEmail",
                                    "dbEdtWeb",
                                    "dbEdtUcet",
                                    "dbEdtSWIFT",
                                    "dbEdtIBAN",
                                    "dbEdtMenoUzivatela",
                                    "edtUctovnyRok",
                                    "edtSadzbaDPH",
                                    "edtZnizenaSadzbaDPH1",
                                    "edtZnizenaSadzbaDPH2",
                                    "btnLogo",
                                    "btnUlozit",
                                    "btnZrusit"}));
        // In the left part each step goes right along its row or down to the next row, and
        // skips no field; then the right part, top to bottom, and the buttons left to right.
        const int vlavo = static_cast<int>(mena.indexOf(QStringLiteral("edtUctovnyRok")));
        auto miesto = [&w](QWidget* p) { return QRect(p->mapTo(w, QPoint()), p->size()); };
        for (qsizetype i = 1; i < poradie.size(); ++i) {
            if (i == vlavo)
                continue; // over to the right part
            const QRect a = miesto(poradie[i - 1]);
            const QRect b = miesto(poradie[i]);
            const bool vpravo =
                std::abs(b.center().y() - a.center().y()) < a.height() / 2 && b.left() > a.right();
            QVERIFY2(vpravo || b.top() > a.bottom(),
                     qPrintable(mena[i - 1] + QStringLiteral(" -> ") + mena[i]));
            if (i < vlavo)
                for (const auto& [e, stlpec] : w->viazaneEdity()) {
                    // no field of the left part lies between the two
                    const QRect c = miesto(e);
                    const bool medzi =
                        vpravo ? std::abs(c.center().y() - a.center().y()) < a.height() / 2 &&
                                     c.left() > a.right() && c.right() < b.left()
                               : c.top() > a.bottom() && c.bottom() < b.top();
                    QVERIFY2(!medzi, qPrintable(mena[i - 1] + QStringLiteral(" -> ") + mena[i] +
                                                QStringLiteral(" skips ") + e->objectName()));
                }
        }
    }

    void finishedExamCannotSave() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '12.05.2006 "
                                        "10:00:00';"));
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QVERIFY(!w->btnUlozit->isEnabled());
        QVERIFY(w->btnZrusit->isEnabled());
    }

    void logoSavedTwiceBeforeAnyDocument() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        // a PNG file is stored as a bitmap all the same
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("cervene.png"), {40, 20}, Qt::red));
        QVERIFY(w->lblLogoNeexistuje->isHidden());
        QVERIFY(w->pmZrusitLogo->isEnabled());
        QVERIFY(!w->imgLogo->pixmap().isNull());
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 0); // nothing stored before "Uložiť"
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("1"));
        QVERIFY(bajtyLoga(*h, 1).startsWith("BM"));

        w = okno(*h);
        QVERIFY(w->lblLogoNeexistuje->isHidden());
        QCOMPARE(w->logo().pixelColor(0, 0), QColor(Qt::red));
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("modre.bmp"), {30, 30}, Qt::blue));
        w->btnUlozit->click();
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 1);
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("1"));
        QCOMPARE(farbaLoga(*h, QStringLiteral("1")), QColor(Qt::blue));
        QVERIFY(dialogs->messages.isEmpty());
    }

    void logoChangedAfterADocumentKeepsTheOldOne() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("cervene.bmp"), {20, 20}, Qt::red));
        w->btnUlozit->click();
        h->SQL(
            QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0601', 1);"));
        const QByteArray prve = bajtyLoga(*h, 1);

        w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("zelene.bmp"), {20, 20}, Qt::green));
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("2"));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 2);
        QCOMPARE(bajtyLoga(*h, 1), prve);
        QCOMPARE(farbaLoga(*h, QStringLiteral("2")), QColor(Qt::green));

        // the newest logo is still unused: the next change replaces it
        w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("modre.bmp"), {20, 20}, Qt::blue));
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("2"));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 2);
        QCOMPARE(farbaLoga(*h, QStringLiteral("2")), QColor(Qt::blue));
        QCOMPARE(farbaLoga(*h, QStringLiteral("1")), QColor(Qt::red));
    }

    void logoRemovedAndUntouched() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("cervene.bmp"), {20, 20}, Qt::red));
        w->btnUlozit->click();
        const QByteArray ulozene = bajtyLoga(*h, 1);

        // saving without touching the logo changes nothing
        w = okno(*h);
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("1"));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 1);

        w = okno(*h);
        w->pmZrusitLogo->trigger();
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("0"));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 1);
        QCOMPARE(bajtyLoga(*h, 1), ulozene);
        w = okno(*h);
        QVERIFY(!w->lblLogoNeexistuje->isHidden());
        QVERIFY(!w->pmZrusitLogo->isEnabled());
    }

    void pictureFilesThatAreRefusedOrScaled() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        const QString text = agenda->file(QStringLiteral("logo.bmp"));
        writeFileBytes(text, "BM this is no picture at all");
        zmenitLogo(w, text);
        QCOMPARE(dialogs->texts(), QStringList{Nespravny});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QCOMPARE(dialogs->fileCaptions.size(), 1);
        QVERIFY(!w->logoZmenene());
        QVERIFY(!w->lblLogoNeexistuje->isHidden());
        // a cancelled dialog changes nothing either
        dialogs->files.clear();
        w->pmZmenitLogo->trigger();
        QVERIFY(!w->logoZmenene());
        w->btnUlozit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QString());
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 0);

        // a huge picture is stored at logo size, in its proportions
        w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("velke.png"), {4800, 1200}, Qt::darkCyan));
        w->btnUlozit->click();
        const QImage ulozene = NacitatLogo(h->store(), QStringLiteral("1"));
        QCOMPARE(ulozene.size(), QSize(600, 150));
        QVERIFY(bajtyLoga(*h, 1).size() < 400 * 1024);
    }

    void loadingLogosNeverFails() {
        auto h = spustit(QStringLiteral("INSERT INTO Logo VALUES (1, x'424d00'), (2, NULL), "
                                        "(3, 'text');"));
        for (const char* cislo : {"", "0", "-1", "abc", "1; DELETE FROM Logo", "1", "2", "3", "9"})
            QVERIFY2(NacitatLogo(h->store(), QString::fromLatin1(cislo)).isNull(), cislo);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 3);
        // a stored number whose picture is unreadable shows as no logo
        h->SQL(QStringLiteral("UPDATE AgendaNastavenie SET Logo = '1';"));
        h->tblAgendaNastavenie().open();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        QVERIFY(!w->lblLogoNeexistuje->isHidden());
        QVERIFY(!w->pmZrusitLogo->isEnabled());
        // the shared operation leaves the general query alone
        h->SQL(QStringLiteral("SELECT Kod FROM AgendaPrisposobenie ORDER BY Kod;"));
        h->ADOQuery().setRecNo(3);
        NacitatLogo(h->store(), QStringLiteral("1"));
        QCOMPARE(h->ADOQuery().text(QStringLiteral("Kod")), QStringLiteral("FV"));
    }

    void failedLogoInsertKeepsEverything() {
        auto h = spustit();
        QPointer<TfrmAgendaNastavenie> w = okno(*h);
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("male.bmp"), {4, 4}, Qt::red));
        w->btnUlozit->click();
        const QByteArray male = bajtyLoga(*h, 1);
        // from now on the engine refuses large pictures
        vykonat(agenda->path(),
                QStringLiteral("CREATE TABLE Logo2 (Cislo INTEGER PRIMARY KEY, Obrazok BLOB CHECK "
                               "(length(Obrazok) < 1000)); INSERT INTO Logo2 SELECT * FROM Logo; "
                               "DROP TABLE Logo; ALTER TABLE Logo2 RENAME TO Logo;"));

        w = okno(*h);
        QTest::keyClicks(w->dbEdtNazovFirmy, QStringLiteral(" 2"));
        zmenitLogo(w, obrazok(*agenda, QStringLiteral("velke.bmp"), {100, 100}, Qt::blue));
        w->btnUlozit->click();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QVERIFY(w->isVisible()); // the window stays open with what was typed
        QCOMPARE(bajtyLoga(*h, 1), male);
        QCOMPARE(hodnota(*h, QStringLiteral("SELECT NazovFirmy || '/' || Logo FROM "
                                            "AgendaNastavenie;")),
                 QStringLiteral("Škola/1"));
        w->btnZrusit->click();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("NazovFirmy")),
                 QStringLiteral("Škola"));
    }
};

SALDOVIA_GUI_TEST_MAIN(TestNastavenie)
#include "test_nastavenie.moc"
