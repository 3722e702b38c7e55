#include "GuiTest.h"
#include "TestOkna.h"

#include "accounts/Uctovaosnova.h"
#include "app/Hlavny.h"
#include "store/Connection.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>

using namespace saldovia;

namespace {

const QString NevyplneneCislo = QStringLiteral("Nevyplnili ste 'Číslo',\nakcia bola zablokovaná!");
const QString NevyplnenyNazov = QStringLiteral("Nevyplnili ste 'Názov',\nakcia bola zablokovaná!");
const QString NevyplnenyDruh = QStringLiteral("Nevyplnili ste 'Druh',\nakcia bola zablokovaná!");
const QString PreddefinovanaZmenit =
    QStringLiteral("Položka so zadaným číslom je preddefinovaná,\nnie je možné ju zmeniť.");
const QString PreddefinovanaOdstranit =
    QStringLiteral("Položka so zadaným číslom je preddefinovaná,\nnie je možné ju odstrániť.");
const QString Pouzity = QStringLiteral(
    "Zvolený účet je už použitý v Účtovnom denníku,\nnie je možné ho z Účtovej osnovy vymazať!");
const QString Prepisat =
    QStringLiteral("Položka so zadaným číslom existuje, chcete existujúce údaje prepísať?");
const QString Odstranit = QStringLiteral("Naozaj chcete označenú položku odstrániť?");
const QString Medzera =
    QStringLiteral("Číslo účtu nesmie začínať ani končiť medzerou,\nakcia bola zablokovaná!");

// The stored account as "name|origin|kind"; "" when there is none.
QString ucet(TfrmHlavny& h, const QString& cislo) {
    h.SQL(QStringLiteral("SELECT Nazov || '|' || Povod || '|' || Druh AS Riadok FROM UctovaOsnova "
                         "WHERE Cislo = %1;")
              .arg(sqlText(cislo)));
    return h.ADOQuery().text(QStringLiteral("Riadok"));
}

int pocet(TfrmHlavny& h, const QString& where = QStringLiteral("1 = 1")) {
    h.SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovaOsnova WHERE %1;").arg(where));
    return static_cast<int>(h.ADOQuery().integer(QStringLiteral("Pocet")));
}

QString bunka(TfrmUctovaOsnova* w, int row, int column = 0) {
    return w->DBGrid->model()->index(row, column).data().toString();
}

int riadokUctu(TfrmUctovaOsnova* w, const QString& cislo) {
    for (int r = 0; r < w->DBGrid->model()->rowCount(); ++r)
        if (bunka(w, r) == cislo)
            return r;
    return -1;
}

// The number of the row selected in the grid, checked against the shared data set.
QString vybrany(TfrmHlavny& h, TfrmUctovaOsnova* w) {
    const int row = w->DBGrid->currentIndex().row();
    if (row < 0)
        return {};
    if (h.store().qryUctovaOsnova.recNo() != row + 1 ||
        !w->DBGrid->selectionModel()->isRowSelected(row, {}))
        return QStringLiteral("<grid and data set disagree>");
    return bunka(w, row);
}

void vybrat(TfrmUctovaOsnova* w, const QString& cislo) {
    const int row = riadokUctu(w, cislo);
    QVERIFY2(row >= 0, qPrintable(cislo));
    w->DBGrid->setCurrentIndex(w->DBGrid->model()->index(row, 1));
}

void vyplnit(TfrmUctovaOsnova* w, const QString& cislo, const QString& nazov, const QString& druh) {
    w->lblEdtCislo->setText(cislo);
    w->lblEdtNazov->setText(nazov);
    w->cbDruh->setCurrentIndex(w->cbDruh->findText(druh));
}

} // namespace

class TestOsnova : public TestOkien {
    Q_OBJECT

    std::unique_ptr<TfrmHlavny> spustit(const QString& sql = {}) {
        return spustitHlavne(
            *agenda, QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';") + sql);
    }

    static TfrmUctovaOsnova* okno(TfrmHlavny& h) { return ukazat<TfrmUctovaOsnova>(h); }

    // Runs a check that must refuse with one message and change nothing.
    void odmietnute(TfrmHlavny& h, const std::function<void()>& akcia, const QString& text,
                    const QString& caption) {
        const int predtym = pocet(h);
        const QString uzivatelske = ucet(h, QStringLiteral("2991"));
        dialogs->messages.clear();
        akcia();
        QCOMPARE(dialogs->texts(), QStringList{text});
        QCOMPARE(dialogs->last().caption, caption);
        QCOMPARE(dialogs->last().icon, caption == QLatin1String("Chyba")
                                           ? DialogService::Icon::Critical
                                           : DialogService::Icon::Warning);
        QCOMPARE(pocet(h), predtym);
        QCOMPARE(ucet(h, QStringLiteral("2991")), uzivatelske);
    }

private slots:

    void theListAndTheEditArea() {
        auto h = spustit(
            QStringLiteral("INSERT INTO UctovaOsnova VALUES ('2991', 'Bez druhu', 'U', 'QQ');"));
        QString meno, titulok;
        naDalsieOkno([&](QDialog* d) {
            meno = d->objectName();
            titulok = h->windowTitle();
            d->reject();
        });
        h->mmItmUctovaOsnova->trigger();
        QCOMPARE(meno, QStringLiteral("TfrmUctovaOsnova"));
        QCOMPARE(titulok, QStringLiteral("Účtová osnova"));
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));

        QPointer<TfrmUctovaOsnova> w = okno(*h);
        QAbstractItemModel* m = w->DBGrid->model();
        QCOMPARE(m->columnCount(), 2);
        QCOMPARE(m->headerData(0, Qt::Horizontal).toString(), QStringLiteral("Číslo"));
        QCOMPARE(m->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Názov"));
        QVERIFY(w->DBGrid->columnWidth(0) >= 35);
        QVERIFY(w->DBGrid->columnWidth(1) >= 484);
        QCOMPARE(m->rowCount(), pocet(*h));
        QCOMPARE(bunka(w, 0), QStringLiteral("0"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->btnZavriet));

        // the kinds in name order
        const int druhov = h->SQL(QStringLiteral(
            "SELECT Nazov FROM UctovaOsnovaDruhy ORDER BY Nazov COLLATE SLOVENSKY;"));
        QCOMPARE(w->cbDruh->count(), druhov);
        for (int i = 0; i < druhov; ++i) {
            h->ADOQuery().setRecNo(i + 1);
            QCOMPARE(w->cbDruh->itemText(i), h->ADOQuery().text(QStringLiteral("Nazov")));
        }

        // the edit area follows the selected row
        QCOMPARE(vybrany(*h, w), QStringLiteral("0"));
        QCOMPARE(w->lblEdtCislo->text(), QStringLiteral("0"));
        QCOMPARE(w->cbDruh->currentText(), QStringLiteral("Účtová trieda"));
        vybrat(w, QStringLiteral("211"));
        QCOMPARE(w->lblEdtCislo->text(), QStringLiteral("211"));
        QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Pokladnica"));
        QCOMPARE(w->cbDruh->currentText(), QStringLiteral("Aktívny účet"));
        QTest::keyClick(w->DBGrid, Qt::Key_Down);
        QCOMPARE(w->lblEdtCislo->text(), bunka(w, riadokUctu(w, QStringLiteral("211")) + 1));
        vybrat(w, QStringLiteral("01"));
        QCOMPARE(w->cbDruh->currentText(), QStringLiteral("Účtová skupina"));
        // a kind that matches no entry of the list selects none
        vybrat(w, QStringLiteral("2991"));
        QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Bez druhu"));
        QCOMPARE(w->cbDruh->currentIndex(), -1);
        QVERIFY(!w->chbPrepisat->isChecked());
        QVERIFY(dialogs->messages.isEmpty());
    }

    void saveChecksInTheirOrder() {
        auto h = spustit();
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        auto ulozit = [&] { w->btnUlozit->click(); };

        vyplnit(w, QString(), QStringLiteral("Názov"), QStringLiteral("Aktívny účet"));
        odmietnute(*h, ulozit, NevyplneneCislo, QStringLiteral("Chyba"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->lblEdtCislo));

        // a predefined number is refused before the empty name and kind are noticed
        vyplnit(w, QStringLiteral("211"), QString(), QString());
        odmietnute(*h, ulozit, PreddefinovanaZmenit, QStringLiteral("Upozornenie"));
        vyplnit(w, QStringLiteral("211"), QStringLiteral("Pokladňa"),
                QStringLiteral("Pasívny účet"));
        odmietnute(*h, ulozit, PreddefinovanaZmenit, QStringLiteral("Upozornenie"));

        vyplnit(w, QStringLiteral("2119"), QString(), QStringLiteral("Aktívny účet"));
        odmietnute(*h, ulozit, NevyplnenyNazov, QStringLiteral("Chyba"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->lblEdtNazov));
        vyplnit(w, QStringLiteral("2119"), QStringLiteral("Pokladnica 2"), QString());
        odmietnute(*h, ulozit, NevyplnenyDruh, QStringLiteral("Chyba"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->cbDruh));

        // "211 " would stand for account 211 in every posting
        for (const char* cislo : {"211 ", " 211", "21 9 "}) {
            vyplnit(w, QString::fromLatin1(cislo), QStringLiteral("Dvojník"),
                    QStringLiteral("Aktívny účet"));
            odmietnute(*h, ulozit, Medzera, QStringLiteral("Chyba"));
        }
        QCOMPARE(pocet(*h, QStringLiteral("Povod = 'U'")), 0);
        QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Dvojník"));
    }

    void savingAddsAndOverwritesUserAccounts() {
        auto h = spustit();
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        // a new number: no question, the saved account selected wherever it sorts
        vyplnit(w, QStringLiteral("2111"), QStringLiteral("Pokladnica O'Brien"),
                QStringLiteral("Aktívny účet"));
        w->btnUlozit->click();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(ucet(*h, QStringLiteral("2111")), QStringLiteral("Pokladnica O'Brien|U|A"));
        QCOMPARE(vybrany(*h, w), QStringLiteral("2111"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->DBGrid));
        QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Pokladnica O'Brien"));
        vyplnit(w, QStringLiteral("00"), QStringLiteral("Na začiatku"),
                QStringLiteral("Účtová skupina"));
        w->btnUlozit->click();
        QCOMPARE(vybrany(*h, w), QStringLiteral("00"));
        QCOMPARE(w->DBGrid->currentIndex().row(), 1);

        // an existing user account: asked, No keeps it
        vyplnit(w, QStringLiteral("2111"), QStringLiteral("Pokladnica EUR"),
                QStringLiteral("Pasívny účet"));
        dialogs->answers = {QMessageBox::No};
        w->btnUlozit->click();
        QCOMPARE(dialogs->texts(), QStringList{Prepisat});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie prepísania údajov"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Question);
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QCOMPARE(dialogs->last().buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(ucet(*h, QStringLiteral("2111")), QStringLiteral("Pokladnica O'Brien|U|A"));
        dialogs->answers = {QMessageBox::Yes};
        w->btnUlozit->click();
        QCOMPARE(ucet(*h, QStringLiteral("2111")), QStringLiteral("Pokladnica EUR|U|P"));
        QCOMPARE(vybrany(*h, w), QStringLiteral("2111"));

        // ticked: overwritten without asking; Enter in the kind list saves too
        dialogs->messages.clear();
        w->chbPrepisat->setChecked(true);
        vyplnit(w, QStringLiteral("2111"), QStringLiteral("Ceniny"),
                QStringLiteral("Aktívny účet"));
        QTest::keyClick(w->cbDruh, Qt::Key_Return);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(ucet(*h, QStringLiteral("2111")), QStringLiteral("Ceniny|U|A"));
        QCOMPARE(pocet(*h, QStringLiteral("Povod = 'U'")), 2);
        QVERIFY(w->chbPrepisat->isChecked());
    }

    void perCentSignsInNamesAreStoredAsTyped() {
        auto h = spustit();
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        w->chbPrepisat->setChecked(true);
        for (const QString& t :
             {QStringLiteral("Zľava 5%2 'test'"), QStringLiteral("%1"), QStringLiteral("%2"),
              QStringLiteral("%L1"), QStringLiteral("%%"), QStringLiteral("%")}) {
            vyplnit(w, QStringLiteral("2111"), t, QStringLiteral("Aktívny účet"));
            w->btnUlozit->click();
            QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(u'|')));
            QCOMPARE(ucet(*h, QStringLiteral("2111")), t + QStringLiteral("|U|A"));
        }
    }

    void removalRefusalsAndSelection() {
        auto h = spustit(QStringLiteral(
            "INSERT INTO UctovaOsnova VALUES ('299', 'Ceniny', 'U', 'A'), ('2991', 'Stravné "
            "lístky', 'U', 'A'), ('2992', 'Kolky', 'U', 'A'), ('99', 'Posledný', 'U', 'S');"
            "INSERT INTO UctovnyDennik (Riadok, Datum, Suma, MaDat, Dal) VALUES (1, '05.01.2006', "
            "'10,00', '299  ', '211  ');"
            "INSERT INTO HlavnaKnihaVzor VALUES ('2992 ', '5,00', '0,00', '29', '2');"));
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        auto odstranit = [&] { w->btnOdstranit->click(); };

        vybrat(w, QStringLiteral("211"));
        odmietnute(*h, odstranit, PreddefinovanaOdstranit, QStringLiteral("Upozornenie"));
        // the three-character account of a posting, on either side
        vybrat(w, QStringLiteral("299"));
        odmietnute(*h, odstranit, Pouzity, QStringLiteral("Chyba"));
        h->SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '211  ', Dal = '299  ';"));
        odmietnute(*h, odstranit, Pouzity, QStringLiteral("Chyba"));

        // the grid's row is removed, not the number in the edit area
        vybrat(w, QStringLiteral("2991"));
        const int poloha = w->DBGrid->currentIndex().row();
        w->lblEdtCislo->setText(QStringLiteral("299"));
        dialogs->messages.clear();
        dialogs->answers = {QMessageBox::No};
        w->btnOdstranit->click();
        QCOMPARE(dialogs->texts(), QStringList{Odstranit});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie odstránenia položky"));
        QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Question);
        QVERIFY(!ucet(*h, QStringLiteral("2991")).isEmpty());
        dialogs->answers = {QMessageBox::Yes};
        w->btnOdstranit->click();
        QVERIFY(ucet(*h, QStringLiteral("2991")).isEmpty());
        QVERIFY(!ucet(*h, QStringLiteral("299")).isEmpty());
        // the row at the same place is selected: the next account
        QCOMPARE(w->DBGrid->currentIndex().row(), poloha);
        QCOMPARE(vybrany(*h, w), QStringLiteral("2992"));
        QCOMPARE(w->lblEdtCislo->text(), QStringLiteral("2992"));
        QCOMPARE(w->focusWidget(), static_cast<QWidget*>(w->DBGrid));

        // only the journal counts: the ledger sample does not keep 2992
        dialogs->answers = {QMessageBox::Yes};
        w->btnOdstranit->click();
        QVERIFY(ucet(*h, QStringLiteral("2992")).isEmpty());

        // removing the last row selects the new last row
        vybrat(w, QStringLiteral("99"));
        QCOMPARE(w->DBGrid->currentIndex().row(), w->DBGrid->model()->rowCount() - 1);
        dialogs->answers = {QMessageBox::Yes};
        w->btnOdstranit->click();
        QVERIFY(ucet(*h, QStringLiteral("99")).isEmpty());
        QCOMPARE(w->DBGrid->currentIndex().row(), w->DBGrid->model()->rowCount() - 1);
        QCOMPARE(vybrany(*h, w), bunka(w, w->DBGrid->model()->rowCount() - 1));
    }

    void finishedExamAndAnEmptyChart() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '12.05.2006 "
                                        "10:00:00';"));
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        QVERIFY(!w->btnUlozit->isEnabled());
        QVERIFY(!w->btnOdstranit->isEnabled());
        vybrat(w, QStringLiteral("211"));
        QCOMPARE(w->lblEdtNazov->text(), QStringLiteral("Pokladnica"));
        vyplnit(w, QStringLiteral("2111"), QStringLiteral("Nový"), QStringLiteral("Aktívny účet"));
        QTest::keyClick(w->cbDruh, Qt::Key_Return); // Enter does not get round the button
        QVERIFY(ucet(*h, QStringLiteral("2111")).isEmpty());
        w->btnZavriet->click();
        QVERIFY(!w->isVisible());

        h->SQL(QStringLiteral("DELETE FROM UctovaOsnova;"));
        h->SQL(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '';"));
        h->tblAgendaNastavenie().open();
        w = okno(*h);
        QCOMPARE(w->DBGrid->model()->rowCount(), 0);
        QVERIFY(w->lblEdtCislo->text().isEmpty());
        w->lblEdtCislo->setText(QStringLiteral("211"));
        w->btnOdstranit->click();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(w->lblEdtCislo->text(), QStringLiteral("211"));
    }

    // The prepared chart names its entries as the framework chart of accounts for
    // entrepreneurs does, and has every closing account of class 7.
    void preparedChartFollowsTheFrameworkChart() {
        Connection c;
        c.open(QStringLiteral(PREPARED_AGENDA), Connection::Mode::ReadOnly);
        const QList<std::pair<const char*, const char*>> ramcova = {
            {"062", "Podielové cenné papiere a podiely v spoločnosti alebo družstve s podielovou "
                    "účasťou"},
            {"066", "Pôžičky prepojeným účtovným jednotkám a účtovným jednotkám v rámci "
                    "podielovej účasti"},
            {"082", "Oprávky k samostatným hnuteľným veciam a k súboru hnuteľných vecí"},
            {"34", "Zúčtovanie daní a dotácií"},
            {"35", "Pohľadávky voči spoločníkom a združeniu"},
            {"351", "Pohľadávky voči prepojeným účtovným jednotkám a účtovným jednotkám v rámci "
                    "podielovej účasti"},
            {"36", "Záväzky voči spoločníkom a združeniu"},
            {"361", "Záväzky voči prepojeným účtovným jednotkám a účtovným jednotkám v rámci "
                    "podielovej účasti"},
            {"37", "Iné pohľadávky a iné záväzky"},
            {"38", "Časové rozlíšenie nákladov a výnosov"},
            {"471", "Dlhodobé záväzky voči prepojeným účtovným jednotkám a účtovným jednotkám v "
                    "rámci podielovej účasti"},
            {"49", "Fyzická osoba – podnikateľ"},
            {"546", "Odpis pohľadávky"},
            {"55", "Odpisy a opravné položky k dlhodobému majetku"},
            {"7", "Uzávierkové účty a podsúvahové účty"},
            {"710", "Účet ziskov a strát"},
            {"711", "Začiatočný účet nákladov a výnosov"}};
        for (const auto& [cislo, nazov] : ramcova) {
            const ResultSet rs =
                c.query(QStringLiteral("SELECT Nazov, Povod FROM UctovaOsnova WHERE Cislo = ?;"),
                        {QString::fromLatin1(cislo)});
            QVERIFY2(rs.rowCount() == 1, cislo);
            QCOMPARE(rs.text(0, 0), QString::fromUtf8(nazov));
            QCOMPARE(rs.text(0, 1), QStringLiteral("P"));
        }
        QCOMPARE(c.query(QStringLiteral("SELECT Druh FROM UctovaOsnova WHERE Cislo = '711';"))
                     .text(0, 0),
                 QStringLiteral("Z"));
    }

    void failedInsertKeepsTheAccount() {
        auto h = spustit(QStringLiteral(
            "INSERT INTO UctovaOsnova VALUES ('2991', 'Stravné lístky', 'U', 'A');"));
        // from now on the engine refuses one name
        vykonat(agenda->path(),
                QStringLiteral("CREATE TABLE Nova (Cislo TEXT PRIMARY KEY, Nazov TEXT CHECK (Nazov "
                               "<> 'Zlé'), Povod TEXT, Druh TEXT); INSERT INTO Nova SELECT * FROM "
                               "UctovaOsnova; DROP TABLE UctovaOsnova; ALTER TABLE Nova RENAME TO "
                               "UctovaOsnova;"));
        QPointer<TfrmUctovaOsnova> w = okno(*h);
        w->chbPrepisat->setChecked(true);
        vyplnit(w, QStringLiteral("2991"), QStringLiteral("Zlé"), QStringLiteral("Pasívny účet"));
        w->btnUlozit->click();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(ucet(*h, QStringLiteral("2991")), QStringLiteral("Stravné lístky|U|A"));
    }
};

SALDOVIA_GUI_TEST_MAIN(TestOsnova)
#include "test_osnova.moc"
