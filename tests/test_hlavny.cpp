#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Coje.h"
#include "app/Hlavny.h"
#include "app/Kalkulacka.h"
#include "app/Pomocnik.h"
#include "app/Pracovnydatum.h"
#include "store/Agenda.h"
#include "store/Values.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTranslator>

using namespace saldovia;

namespace {

const QString OtazkaStart = QStringLiteral(
    "Súbor Data.mdb sa nenašiel alebo sa nedá použiť,\nželáte si načítať databázu z iného?");
const QString Vitajte = QStringLiteral(
    "Vitajte v Účtovníctve!\nNajskôr musíte nastaviť údaje o firme a účtovnom roku...");

// An agenda with something in every table the new agenda empties or keeps.
void naplnit(const QString& path) {
    vykonat(path, QStringLiteral(
                      "UPDATE AgendaNastavenie SET UctovnyRok = '2006', SadzbaDPH = '19', "
                      "NazovFirmy = 'Firma O''Brien, s.r.o.', Logo = '2', MenoUzivatela = 'Eva';"
                      "INSERT INTO UctovnyDennik VALUES (1, '05.01.2006', 'ID0601', '10,00', "
                      "'SKK', '1,000', '10,00', 'Nákup', '501  ', '211  ');"
                      "INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik;"
                      "INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM UctovnyDennik;"
                      "INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0601', 2);"
                      "INSERT INTO DokladyPolozky VALUES (1, 'ID0601', 1, NULL, '0', 'x', '1,00');"
                      "INSERT INTO DokladyPolozkyPomocne SELECT * FROM DokladyPolozky;"
                      "INSERT INTO HlavnaKniha VALUES ('211', '0,00', '10,00', '21', '2');"
                      "INSERT INTO HlavnaKnihaVzor SELECT * FROM HlavnaKniha;"
                      "INSERT INTO Logo VALUES (1, x'01'), (2, x'02'), (3, x'03');"
                      "INSERT INTO UctovaOsnova VALUES ('2111', 'Pokladnica EUR', 'U', 'A');"
                      "UPDATE AgendaPrisposobenie SET Doklad = 'Môj doklad' WHERE Kod = 'ID';"));
}

// An agenda without a year opens the settings window by itself: this notes the settings
// row as the window finds it (when asked) and saves the window's first settings.
void ulozitPrveNastavenia(QString* okno = nullptr, QStringList* riadok = nullptr) {
    naDalsieOkno([okno, riadok](QDialog* d) {
        if (okno)
            *okno = d->objectName();
        if (riadok) {
            auto* h = qobject_cast<TfrmHlavny*>(d->parentWidget());
            h->SQL(QStringLiteral("SELECT * FROM AgendaNastavenie;"));
            const ResultSet& row = h->ADOQuery().rows();
            for (int k = 0; k < row.columnCount(); ++k)
                *riadok << row.columns()[k] + u'=' + row.text(0, k);
        }
        if (auto* b = d->findChild<QPushButton*>(QStringLiteral("btnUlozit")))
            b->click();
        else
            d->reject();
    });
}

// Presses the keys of a calculator, "×" and "÷" standing for "*" and "/".
QString vypocitat(TfrmKalkulacka& k, const QString& klavesy) {
    for (const QChar c : klavesy)
        k.stlacit(c == u'×' ? QStringLiteral("*") : c == u'÷' ? QStringLiteral("/") : QString(c));
    return k.displej();
}

// A help file with the main window's topic and the chart's.
void zapisatPomocnika(const TestAgenda& agenda) {
    writeFileBytes(agenda.file(QStringLiteral("Pomocnik.hlp")),
                   QStringLiteral("Saldovia Pomocník 1\n=== 5 | Hlavné okno\n<p>Pozri <a "
                                  "href=\"kontext:8\">osnovu</a>.</p>\n=== 8 | Účtová "
                                  "osnova\n<p>Účty.</p>\n")
                       .toUtf8());
}

QList<QWidget*> viditelneOkna(const QString& meno) {
    QList<QWidget*> okna;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == meno && w->isVisible())
            okna << w;
    return okna;
}

} // namespace

class TestHlavny : public TestOkien {
    Q_OBJECT

    // A main window on the test agenda, activated as at start-up.
    std::unique_ptr<TfrmHlavny> spustit() { return spustitHlavne(*agenda); }

private slots:

    void slovakStandardButtons() {
        QMessageBox box;
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        QCOMPARE(box.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Áno"));
        QCOMPARE(box.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nie"));
        QCOMPARE(box.button(QMessageBox::Cancel)->text().remove(u'&'), QStringLiteral("Zrušiť"));
    }

    void startupWithoutUsableAgenda_data() {
        QTest::addColumn<QString>("damage");
        QTest::newRow("missing") << "missing";
        QTest::newRow("wrong version") << "version";
        QTest::newRow("empty settings") << "empty";
        QTest::newRow("wrong password") << "password";
    }
    void startupWithoutUsableAgenda() {
        QFETCH(QString, damage);
        const QString backup = agenda->file(QStringLiteral("zaloha.mdb"));
        QFile::copy(agenda->path(), backup);
        vykonat(backup, QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', "
                                       "NazovFirmy = 'Škola';"));
        if (damage == QLatin1String("missing")) {
            QFile::remove(agenda->path());
        } else if (damage == QLatin1String("version")) {
            vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET Verzia = '1.0';"));
        } else if (damage == QLatin1String("empty")) {
            vykonat(agenda->path(), QStringLiteral("DELETE FROM AgendaNastavenie;"));
        } else {
            QFile::remove(agenda->path());
            Connection c;
            c.open(agenda->path(), Connection::Mode::Create, QStringLiteral("ine"));
            c.exec(agendaSchemaSql());
        }

        // declined: the program runs without an agenda
        dialogs->answers = {QMessageBox::No};
        auto h = spustit();
        QCOMPARE(dialogs->texts(), QStringList{OtazkaStart});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        for (QAction* a :
             {h->mmItmNova->menuAction(), h->mmItmZalohovat, h->mmItmNastavenie,
              h->pmItmAgendaNastavenie, h->mmItmPrisposobenie, h->mmItmDoklady->menuAction(),
              h->mmItmKnihy->menuAction(), h->mmItmPoznamky, h->mmItmUctovaOsnova})
            QVERIFY2(!a->isEnabled(), qPrintable(a->objectName()));
        QVERIFY(h->mmItmObnovit->isEnabled());
        QVERIFY(h->mmItmVygenerovatSkuskuZamok->isVisible());
        QVERIFY(!h->mmItmVygenerovatSkusku->isVisible());
        QVERIFY(h->uctovnyRok().isEmpty());
        h->StatusBarDblClick(100); // settings disabled: nothing opens
        QCOMPARE(dialogs->messages.size(), 1);

        // a later restore loads the backup and enables the items again
        dialogs->files = {backup};
        h->mmItmObnovit->trigger();
        QVERIFY(h->mmItmZalohovat->isEnabled());
        QVERIFY(h->mmItmKnihy->menuAction()->isEnabled());
        QCOMPARE(h->uctovnyRok(), QStringLiteral("2006"));
        QCOMPARE(h->StatusBar->panel(1), QStringLiteral("Škola"));
        // no agenda was loaded before: no question, but the menu item reports success
        QCOMPARE(dialogs->texts().last(), QStringLiteral("Obnovenie prebehlo úspešne!"));
        QCOMPARE(dialogs->messages.size(), 2);
    }

    void startupRestoreFromTheQuestion() {
        const QString backup = agenda->file(QStringLiteral("zaloha.mdb"));
        QFile::copy(agenda->path(), backup);
        vykonat(backup, QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        QFile::remove(agenda->path());
        dialogs->answers = {QMessageBox::Yes};
        dialogs->files = {backup};
        auto h = spustit();
        // the question only: no confirmation, no success message
        QCOMPARE(dialogs->texts(), QStringList{OtazkaStart});
        QVERIFY(h->mmItmZalohovat->isEnabled());
        QVERIFY(kontrolaDatabazy(agenda->path()));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("AgendaNastavenie"),
                              QStringLiteral("UctovnyRok = '2006'")),
                 1);
    }

    void workingDateKeptInsideTheYear_data() {
        QTest::addColumn<QString>("rok");
        QTest::addColumn<QString>("datum");
        const QDate today = QDate::currentDate();
        QTest::newRow("year before today") << QString::number(today.year() - 3)
                                           << QStringLiteral("31.12.%1").arg(today.year() - 3);
        QTest::newRow("year after today") << QString::number(today.year() + 2)
                                          << QStringLiteral("01.01.%1").arg(today.year() + 2);
        QTest::newRow("this year") << QString::number(today.year()) << dateToText(today);
    }
    void workingDateKeptInsideTheYear() {
        QFETCH(QString, rok);
        QFETCH(QString, datum);
        vykonat(agenda->path(),
                QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '%1';").arg(rok));
        auto h = spustit();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(h->uctovnyRok(), rok);
        QCOMPARE(h->pracovnyDatum(), datum);
        // the status bar shows the session's values
        QCOMPARE(h->StatusBar->panel(0), rok);
        QCOMPARE(h->StatusBar->panel(2), datum);
        QVERIFY(h->relacia().nacitana);
        QVERIFY(!h->relacia().skuska);
    }

    // With the demo installed, the welcome says where it is and how to open it.
    void newAgendaWithoutYearNamesTheDemo() {
        QVERIFY(
            QFile::copy(QStringLiteral(UKAZKA_AGENDA), agenda->file(QStringLiteral("Ukazka.mdb"))));
        QString okno;
        ulozitPrveNastavenia(&okno);
        auto h = spustit();
        const QString text = dialogs->messages.value(0).text;
        QVERIFY2(text.startsWith(Vitajte + QStringLiteral("\n\n")), qPrintable(text));
        for (const QString& cast :
             {QStringLiteral("Ukazka.mdb"), QStringLiteral("UkazkaSkuska.mdb"),
              QStringLiteral("UkazkaZavierka.mdb"),
              QDir::toNativeSeparators(QDir(agenda->dir()).absolutePath()),
              QStringLiteral("Agenda → Obnoviť...")})
            QVERIFY2(text.contains(cast), qPrintable(text));
        QCOMPARE(okno, QStringLiteral("TfrmAgendaNastavenie"));
    }

    void newAgendaWithoutYearGreets() {
        QString okno;
        ulozitPrveNastavenia(&okno);
        auto h = spustit();
        QCOMPARE(dialogs->messages.value(0).text, Vitajte);
        QCOMPARE(dialogs->messages.value(0).caption, QStringLiteral("Nastavenie agendy"));
        QCOMPARE(dialogs->messages.size(), 1);
        QCOMPARE(okno, QStringLiteral("TfrmAgendaNastavenie"));
        QCOMPARE(h->uctovnyRok(), QString::number(QDate::currentDate().year()));
        QCOMPARE(h->pracovnyDatum(), dateToText(QDate::currentDate()));
    }

    void sqlThroughTheMainWindow() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        QCOMPARE(h->SQL(QStringLiteral("SELECT * FROM UctovaOsnova WHERE Cislo = '211';")), 1);
        QCOMPARE(h->ADOQuery().text(QStringLiteral("Nazov")), QStringLiteral("Pokladnica"));
        QCOMPARE(h->SQL(QStringLiteral("select * from UctovaOsnova;")), -1);
        QCOMPARE(h->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 0);
        // an engine error reaches the general error box through a menu handler
        h->OdpojitDatabazu();
        h->mmItmHlavnaKniha->trigger();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
    }

    void statusBarDoubleClicks() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        QString okno;
        zatvoritDalsieOkno(&okno);
        h->StatusBarDblClick(312);
        QCOMPARE(okno, QStringLiteral("TfrmPracovnyDatum"));
        okno.clear();
        zatvoritDalsieOkno(&okno);
        h->StatusBarDblClick(376);
        QCOMPARE(okno, QStringLiteral("TfrmPracovnyDatum"));
        okno.clear();
        zatvoritDalsieOkno(&okno);
        h->StatusBarDblClick(424);
        QCOMPARE(okno, QStringLiteral("TfrmCoJe"));
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        // panel 3 outside an exam: nothing is asked
        dialogs->messages.clear();
        h->StatusBarDblClick(377);
        h->StatusBarDblClick(423);
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(TStatusBar::panelNa(311), 1);
        QCOMPARE(TStatusBar::panelNa(312), 2);
        QCOMPARE(TStatusBar::panelNa(377), 3);
        QCOMPARE(TStatusBar::panelNa(424), 4);
    }

    void functionList() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        h->show();
        QCOMPARE(h->ListView->count(), 8);
        QCOMPARE(h->ListView->item(3)->text(), QStringLiteral("Doklady"));
        h->ListView->setCurrentRow(3);
        h->ListViewDblClick(); // nothing for the documents item
        QVERIFY(dialogs->messages.isEmpty());
        QVERIFY(!h->pmDoklady->isVisible());
        h->ListViewClick();
        QVERIFY(h->pmDoklady->isVisible());
        h->pmDoklady->hide();
        h->ListView->setCurrentRow(2);
        h->ListViewClick(); // a single click elsewhere opens nothing
        QVERIFY(!h->pmDoklady->isVisible());
        h->ListViewDblClick(); // the ledger of an empty journal
        QCOMPARE(dialogs->last().text, QStringLiteral("Účtovný denník je prázdny!"));
        h->ListView->setCurrentRow(4);
        h->ListViewDblClick();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Ešte nebola vystavená ani prijatá žiadna faktúra!"));
        h->ListView->setCurrentRow(6);
        h->ListViewDblClick(); // no help file in the folder
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Súbor Pomocnik.hlp sa nenašiel,\npríručka nemôže byť otvorená!"));

        // without an agenda the list opens only the calculator and the help
        h->OdpojitDatabazu();
        h->mmItmKnihy->menuAction()->setEnabled(false);
        h->mmItmDoklady->menuAction()->setEnabled(false);
        const int shown = dialogs->messages.size();
        h->ListView->setCurrentRow(1);
        h->ListViewDblClick();
        h->ListView->setCurrentRow(3);
        h->ListViewClick();
        QVERIFY(!h->pmDoklady->isVisible());
        QCOMPARE(dialogs->messages.size(), shown);
    }

    void newAgendaKeepingSettings() {
        naplnit(agenda->path());
        auto h = spustit();
        dialogs->answers = {QMessageBox::No};
        QStringList riadok;
        ulozitPrveNastavenia(nullptr, &riadok);
        h->mmItmZachovatNastavenia->trigger();
        for (const char* t :
             {"UctovnyDennik", "UctovnyDennikPomocny", "UctovnyDennikVzor", "Doklady",
              "DokladyPolozky", "DokladyPolozkyPomocne", "HlavnaKniha", "HlavnaKnihaVzor"})
            QCOMPARE(pocetRiadkov(*h, QString::fromLatin1(t)), 0);
        QCOMPARE(
            pocetRiadkov(*h, QStringLiteral("AgendaNastavenie"),
                         QStringLiteral("NazovFirmy = 'Firma O''Brien, s.r.o.' AND MenoUzivatela "
                                        "= 'Eva' AND Logo = '2'")),
            1);
        // the year and the rate were emptied; the settings window saved the working
        // date's year and the default rate
        QVERIFY(riadok.contains(QStringLiteral("UctovnyRok=")));
        QVERIFY(riadok.contains(QStringLiteral("SadzbaDPH=")));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("AgendaNastavenie"),
                              QStringLiteral("UctovnyRok = '2006' AND SadzbaDPH = '19'")),
                 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo"), QStringLiteral("Cislo = 2")), 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovaOsnova"), QStringLiteral("Povod = 'U'")),
                 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("AgendaPrisposobenie"),
                              QStringLiteral("Doklad = 'Môj doklad'")),
                 1);
        QCOMPARE(dialogs->messages.value(0).caption, QStringLiteral("Nová agenda"));
        QCOMPARE(dialogs->messages.value(0).defaultButton, QMessageBox::Cancel);
        QVERIFY(dialogs->texts().contains(Vitajte)); // the year is empty now
        QCOMPARE(h->uctovnyRok(), QStringLiteral("2006"));
    }

    void newAgendaKeepingSettingsWithoutLogo() {
        naplnit(agenda->path());
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET Logo = '';"));
        auto h = spustit();
        dialogs->answers = {QMessageBox::No};
        ulozitPrveNastavenia();
        h->mmItmZachovatNastavenia->trigger();
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 0);
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("Logo")), QStringLiteral("0"));
    }

    void newAgendaWithFactorySettings() {
        naplnit(agenda->path());
        auto h = spustit();
        dialogs->answers = {QMessageBox::No};
        QStringList riadok; // as the settings window found it
        ulozitPrveNastavenia(nullptr, &riadok);
        h->mmItmVychodzieNastavenia->trigger();
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovnyDennik")), 0);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 0);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovaOsnova"), QStringLiteral("Povod = 'U'")),
                 0);
        QVERIFY(pocetRiadkov(*h, QStringLiteral("UctovaOsnova")) > 200);
        QVERIFY(riadok.size() > 20);
        for (const QString& pole : riadok)
            QVERIFY2(pole == QLatin1String("Verzia=2.0.0.0") || pole.endsWith(u'='),
                     qPrintable(pole));
        QCOMPARE(h->SQL(QStringLiteral("SELECT a.Kod FROM AgendaPrisposobenie a JOIN "
                                       "AgendaPrisposobenieOriginal o ON a.Kod = o.Kod AND "
                                       "a.Prefix = o.Prefix AND a.Doklad = o.Doklad AND "
                                       "a.Zoznam = o.Zoznam;")),
                 9);
        h->close();
        QVERIFY(kontrolaDatabazy(agenda->path()));
    }

    void newAgendaCancelled() {
        naplnit(agenda->path());
        auto h = spustit();
        dialogs->answers = {QMessageBox::Cancel};
        h->mmItmVychodzieNastavenia->trigger();
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovnyDennik")), 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 3);
    }

    void backupThenRestore() {
        naplnit(agenda->path());
        auto h = spustit();
        const QString backup = agenda->file(QStringLiteral("Zaloha.mdb"));
        dialogs->files = {backup};
        QVERIFY(h->mmItmZalohovatClick());
        QCOMPARE(dialogs->last().text, QStringLiteral("Zálohovanie prebehlo úspešne!"));
        QVERIFY(kontrolaDatabazy(backup));
        QVERIFY(h->store().isConnected());

        h->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        h->SQL(QStringLiteral("DELETE FROM Logo;"));
        dialogs->files = {backup};
        dialogs->answers = {QMessageBox::Yes};
        h->mmItmObnovit->trigger();
        QCOMPARE(dialogs->messages.at(dialogs->messages.size() - 2).defaultButton, QMessageBox::No);
        QCOMPARE(dialogs->last().text, QStringLiteral("Obnovenie prebehlo úspešne!"));
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovnyDennik")), 1);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 3);
        QCOMPARE(h->StatusBar->panel(1), QStringLiteral("Firma O'Brien, s.r.o."));

        // declined at the question: the agenda stays as it is and connected
        h->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        dialogs->files = {backup};
        dialogs->answers = {QMessageBox::No};
        h->mmItmObnovit->trigger();
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovnyDennik")), 0);
    }

    void backupAndRestoreRefused() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        QVERIFY(!h->mmItmZalohovatClick()); // cancelled
        QCOMPARE(dialogs->last().text, QStringLiteral("Zálohovanie nebolo vykonané!"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Warning);

        dialogs->files = {agenda->path()};
        QVERIFY(!h->mmItmZalohovatClick());
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Zálohovanie agendy"));

        dialogs->files = {agenda->dir() + QStringLiteral("/./Data.mdb")};
        h->mmItmObnovit->trigger();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Obnovenie agendy zo zálohy"));
        QVERIFY(h->store().isConnected());

        // a file that is no agenda: refused, the agenda reconnected and unchanged
        const QString junk = agenda->file(QStringLiteral("junk.mdb"));
        writeFileBytes(junk, QByteArray(4096, 'j'));
        dialogs->files = {junk};
        h->mmItmObnovit->trigger();
        QCOMPARE(dialogs->last().text, QStringLiteral("Zvolený súbor sa nedá použiť!"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QVERIFY(h->store().isConnected());
        QVERIFY(h->mmItmZalohovat->isEnabled());
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("AgendaNastavenie"),
                              QStringLiteral("UctovnyRok = '2006'")),
                 1);

        // a failed backup is reported as a failure
        dialogs->files = {agenda->file(QStringLiteral("nie/je/Zaloha.mdb"))};
        QVERIFY(!h->mmItmZalohovatClick());
        QVERIFY(dialogs->last().text.startsWith(QStringLiteral("Zálohovanie sa nepodarilo!")));
        QVERIFY(h->store().isConnected());
        // ... saying which folder is missing, without the copy's temporary file
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Zálohovanie sa nepodarilo!\n\nPriečinok %1 neexistuje.")
                     .arg(QDir::toNativeSeparators(agenda->file(QStringLiteral("nie/je")))));
        // a folder that takes no files: the file chosen is named, never the temporary one
        dialogs->files = {QStringLiteral("/proc/Zaloha.mdb")};
        QVERIFY(!h->mmItmZalohovatClick());
        const QString text = dialogs->last().text;
        QCOMPARE(text, QStringLiteral("Zálohovanie sa nepodarilo!\n\nPriečinok /proc sa nedá "
                                      "zapisovať: Do priečinka sa nedajú ukladať súbory."));
        QVERIFY2(!text.contains(QStringLiteral(".tmp")), qPrintable(text));
        QVERIFY(h->store().isConnected());
        QVERIFY(kontrolaDatabazy(agenda->path()));
    }

    void closingCompactsAndTheNextStartAccepts() {
        naplnit(agenda->path());
        {
            auto h = spustit();
            h->SQL(
                QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Popis) VALUES (2, 'Ďalší');"));
            h->close();
            QVERIFY(!h->store().isConnected());
        }
        QVERIFY(!QFile::exists(agenda->file(QStringLiteral("Data.~mdb"))));
        QVERIFY(kontrolaDatabazy(agenda->path()));
        auto h = spustit();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("UctovnyDennik")), 2);
        QCOMPARE(pocetRiadkov(*h, QStringLiteral("Logo")), 3);
    }

    void aSecondCopyOnTheSameAgendaRefusesToStart() {
        naplnit(agenda->path());
        auto prvy = spustit();
        QVERIFY(prvy->store().isConnected());
        const int shown = dialogs->messages.size();
        {
            auto druhy = std::make_unique<TfrmHlavny>(agenda->dir());
            druhy->show();
            druhy->FormActivate();
            QCOMPARE(dialogs->messages.size(), shown + 1);
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
            QVERIFY(dialogs->last().text.startsWith(
                QStringLiteral("Agenda je už otvorená v inom spustenom programe Saldovia.")));
            QVERIFY(!druhy->store().isConnected());
            QVERIFY(!druhy->isVisible());
            QVERIFY(!druhy->mmItmZalohovat->isEnabled());
        }
        // the first copy goes on saving, and its close compacts as usual
        const QByteArray predZatvorenim = readFileBytes(agenda->path());
        prvy->SQL(QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Popis) VALUES (2, 'Ďalší');"));
        prvy->close();
        prvy.reset();
        QVERIFY(readFileBytes(agenda->path()) != predZatvorenim);
        auto znova = spustit();
        QVERIFY(znova->store().isConnected());
        QCOMPARE(pocetRiadkov(*znova, QStringLiteral("UctovnyDennik")), 2);
    }

    void helpAndAboutBox() {
        auto bez = std::make_unique<TfrmHlavny>(agenda->dir());
        QVERIFY(!bez->maPomocnika());
        bez->mmItmPouzivatelskaPriruckaClick();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Súbor Pomocnik.hlp sa nenašiel,\npríručka nemôže byť otvorená!"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        {
            TfrmCoJe coJe(*bez);
            QVERIFY(coJe.lblUplneZnenie->isHidden());
        }

        writeFileBytes(agenda->file(QStringLiteral("Pomocnik.hlp")),
                       QStringLiteral("Saldovia Pomocník 1\n=== 5 | Hlavné okno\n<p>Pozri <a "
                                      "href=\"kontext:8\">osnovu</a>.</p>\n=== 8 | Účtová "
                                      "osnova\n<p>Účty.</p>\n")
                           .toUtf8());
        TfrmHlavny h(agenda->dir());
        QVERIFY(h.maPomocnika());
        const int shown = dialogs->messages.size();
        h.mmItmPouzivatelskaPriruckaClick();
        QCOMPARE(dialogs->messages.size(), shown);
        auto* pomocnik = qobject_cast<TfrmPomocnik*>(h.oknoPomocnika());
        QVERIFY(pomocnik);
        QVERIFY(pomocnik->isVisible());
        QCOMPARE(pomocnik->aktualnyKontext(), 5);
        pomocnik->zobrazit(99); // no such topic: the contents
        QCOMPARE(pomocnik->aktualnyKontext(), 0);
        pomocnik->close();
        TfrmCoJe coJe(h);
        QVERIFY(!coJe.lblUplneZnenie->isHidden());
    }

    void helpFileFormat() {
        QVERIFY(!HelpFile::parse(QStringLiteral("iný súbor\n=== 5 | x\n")));
        QVERIFY(!HelpFile::parse(QStringLiteral("Saldovia Pomocník 1\n")));
        const auto f = HelpFile::parse(QStringLiteral(
            "Saldovia Pomocník 1\r\n=== 1 | Čo je ...\r\n<p>a</p>\r\n=== 12 | Pracovný "
            "dátum\r\n<p>b</p>\r\n"));
        QVERIFY(f);
        QCOMPARE(f->topics().keys(), (QList<int>{1, 12}));
        QCOMPARE(f->topics()[12].title, QStringLiteral("Pracovný dátum"));
        QVERIFY(f->topics()[12].html.contains(QStringLiteral("<p>b</p>")));
        QVERIFY(f->contentsHtml().contains(QStringLiteral("kontext:12")));
    }

    void shippedHelpHasEveryWindowTopic() {
        const auto help = HelpFile::load(QStringLiteral(HELP_FILE));
        QVERIFY(help);
        for (int context : {1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18})
            QVERIFY2(help->contains(context), qPrintable(QString::number(context)));
        // the start and the agenda topics say where the demo and its exam are
        for (int context : {1, 104})
            for (const char* subor : {"Ukazka.mdb", "UkazkaSkuska.mdb", "UkazkaZavierka.mdb"})
                QVERIFY2(help->topics()[context].html.contains(QString::fromLatin1(subor)), subor);
        QVERIFY(help->topics()[104].html.contains(QStringLiteral("/usr/share/saldovia/")));
        // every link leads to a topic
        static const QRegularExpression link(QStringLiteral("kontext:(\\d+)"));
        for (const auto& topic : help->topics())
            for (const auto& m : link.globalMatch(topic.html))
                QVERIFY2(help->contains(m.captured(1).toInt()), qPrintable(m.captured(0)));
    }

    void workingDateDialog() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        h->setPracovnyDatum(QStringLiteral("15.03.2006"));
        {
            TfrmPracovnyDatum d(*h);
            QCOMPARE(d.DateTimePicker->date(), QDate(2006, 3, 15));
            QCOMPARE(d.DateTimePicker->minimumDate(), QDate(2006, 1, 1));
            QCOMPARE(d.DateTimePicker->maximumDate(), QDate(2006, 12, 31));
            d.DateTimePicker->setDate(QDate(2007, 2, 1)); // refused: stays inside the year
            QCOMPARE(d.DateTimePicker->date(), QDate(2006, 12, 31));
            d.DateTimePicker->setDate(QDate(2005, 12, 31));
            QCOMPARE(d.DateTimePicker->date(), QDate(2006, 1, 1));
            d.DateTimePicker->setDate(QDate(2006, 6, 30));
            d.btnZrusitClick();
            QCOMPARE(h->pracovnyDatum(), QStringLiteral("15.03.2006"));
        }
        {
            TfrmPracovnyDatum d(*h);
            d.show();
            QCOMPARE(d.focusWidget(), static_cast<QWidget*>(d.btnZrusit));
            d.DateTimePicker->setDate(QDate(2006, 6, 30));
            d.btnUlozitClick();
            QCOMPARE(h->pracovnyDatum(), QStringLiteral("30.06.2006"));
        }
        // without a year the picker is not limited
        TfrmHlavny bezRoka(agenda->dir());
        TfrmPracovnyDatum d(bezRoka);
        d.DateTimePicker->setDate(QDate(1999, 1, 1));
        QCOMPARE(d.DateTimePicker->date(), QDate(1999, 1, 1));
    }

    void examClock() {
        vykonat(agenda->path(),
                QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SkuskaDlzka = "
                               "'0:00:02';"));
        auto h = spustit();
        QVERIFY(h->lblNaSkuske->isVisibleTo(h.get()));
        QCOMPARE(h->lblVitajte->text(), QStringLiteral("Vitajte"));
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:02"));
        QCOMPARE(h->relacia().zostatok, QStringLiteral("0:00:02"));
        QVERIFY(h->relacia().skuska);
        QVERIFY(h->Timer->isActive());
        QVERIFY(!h->mmItmNova->menuAction()->isEnabled());
        QVERIFY(h->pmItmUkoncitSkusku->isEnabled());
        QVERIFY(h->pnlMeno->isVisibleTo(h.get()));
        QVERIFY(h->dbEdtMenoUzivatela->isVisibleTo(h.get()));
        QCOMPARE(h->ListView->count(), 8);
        QCOMPARE(h->ListView->item(0)->text(), QStringLiteral("Zadanie"));
        QVERIFY(!h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZaciatok")).isEmpty());
        h->NastavitSkusku();
        QCOMPARE(h->ListView->count(), 8); // the end item is added once

        h->dbEdtMenoUzivatela->setText(QStringLiteral("Ján O'Neil"));
        h->dbEdtMenoUzivatelaExit();
        QVERIFY(h->dbTxtMenoUzivatela->isVisibleTo(h.get()));
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")),
                 QStringLiteral("Ján O'Neil"));

        h->TimerTimer();
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:01"));
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZostatok")),
                 QStringLiteral("0:00:01"));
        h->TimerTimer();
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:00"));
        QVERIFY(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty());
        dialogs->messages.clear();
        h->KoniecSkusky(); // time is up: nothing to ask
        QVERIFY(dialogs->messages.isEmpty());
        h->TimerTimer();
        QVERIFY(!h->Timer->isActive());
        QVERIFY(!h->tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty());
        QCOMPARE(dialogs->texts(),
                 QStringList{QStringLiteral("Skúška skončila!\nVšetky okná budú zatvorené...")});
        h->TimerTimer(); // the end is written and announced once
        QCOMPARE(dialogs->messages.size(), 1);
    }

    void examEndedEarlyAndResumed() {
        vykonat(agenda->path(),
                QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SkuskaDlzka = "
                               "'2:00:00', MenoUzivatela = 'Eva';"));
        QString zaciatok;
        {
            auto h = spustit();
            QVERIFY(h->dbTxtMenoUzivatela->isVisibleTo(h.get()));
            h->TimerTimer();
            QCOMPARE(h->StatusBar->panel(3), QStringLiteral("1:59:59"));
            zaciatok = h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZaciatok"));
            dialogs->answers = {QMessageBox::No};
            h->StatusBarDblClick(400);
            QCOMPARE(dialogs->last().text, QStringLiteral("Naozaj chcete skúšku ukončiť?"));
            QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
            QCOMPARE(h->StatusBar->panel(3), QStringLiteral("1:59:59"));
            h->close();
        }
        // a restart resumes from the stored time with the same start
        auto h = spustit();
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("1:59:59"));
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZaciatok")), zaciatok);
        QCOMPARE(h->lblVitajte->text(), QStringLiteral("Vitajte!"));
        dialogs->answers = {QMessageBox::Yes};
        h->ListView->setCurrentRow(7);
        h->ListViewDblClick();
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:00"));
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZostatok")),
                 QStringLiteral("0:00:00"));
    }

    void builtInCalculator() {
        TfrmHlavny h(agenda->dir());
        TfrmKalkulacka k(h);
        for (const char* key : {"1", ",", "5", "+", "2", ",", "2", "5", "="})
            k.stlacit(QString::fromLatin1(key));
        QCOMPARE(k.displej(), QStringLiteral("3,75"));
        for (const char* key : {"*", "4", "-", "1", "="})
            k.stlacit(QString::fromLatin1(key));
        QCOMPARE(k.displej(), QStringLiteral("14"));
        for (const char* key : {"C", "0", ",", "1", "+", "0", ",", "2", "="})
            k.stlacit(QString::fromLatin1(key));
        QCOMPARE(k.displej(), QStringLiteral("0,3"));
        for (const char* key : {"/", "0", "="})
            k.stlacit(QString::fromLatin1(key));
        QCOMPARE(k.displej(), QStringLiteral("Chyba"));
        k.stlacit(QStringLiteral("C"));
        QCOMPARE(k.displej(), QStringLiteral("0"));
    }

    void calculatorIsExact_data() {
        QTest::addColumn<QString>("klavesy");
        QTest::addColumn<QString>("displej");
        QTest::addColumn<QString>("sprava");
        QTest::newRow("sum of amounts") << "1234567,89+0,01="
                                        << "1234567,90"
                                        << "";
        QTest::newRow("times one") << "25000000,3×1="
                                   << "25000000,3"
                                   << "";
        QTest::newRow("tenths") << "0,1+0,2="
                                << "0,3"
                                << "";
        QTest::newRow("difference") << "0,3-0,1="
                                    << "0,2"
                                    << "";
        QTest::newRow("product of fractions") << "123456789,123456789×987654321,987654321="
                                              << "121932631356500531,3472031691"
                                              << "";
        QTest::newRow("third rounded down") << "10÷3="
                                            << "3,3333333333"
                                            << "";
        QTest::newRow("two thirds rounded up") << "2÷3="
                                               << "0,6666666667"
                                               << "";
        QTest::newRow("negative half away from zero") << "2±÷3="
                                                      << "-0,6666666667"
                                                      << "";
        QTest::newRow("last place halved") << "0,0000000001÷2="
                                           << "0,0000000001"
                                           << "";
        QTest::newRow("exact quotient") << "1÷8="
                                        << "0,125"
                                        << "";
        QTest::newRow("keys taken back") << "12⌫3±±="
                                         << "13"
                                         << "";
        QTest::newRow("rounding carries into the integer") << "999999999999999999,9999999999×0,5="
                                                           << "500000000000000000"
                                                           << "";
        QTest::newRow("largest value") << "999999999999999999,9999999999×1="
                                       << "999999999999999999,9999999999"
                                       << "";
        QTest::newRow("digits beyond eighteen not taken") << "1234567890123456789"
                                                          << "123456789012345678"
                                                          << "";
        QTest::newRow("decimals beyond ten not taken") << "0,123456789012"
                                                       << "0,1234567890"
                                                       << "";
        const QString rozsah =
            QStringLiteral("Výsledok má viac ako 18 číslic pred desatinnou čiarkou.");
        QTest::newRow("sum too large") << "999999999999999999+1="
                                       << "Chyba" << rozsah;
        QTest::newRow("product too large") << "123456789012345678×10="
                                           << "Chyba" << rozsah;
        QTest::newRow("huge product") << "999999999999999999×999999999999999999="
                                      << "Chyba" << rozsah;
        QTest::newRow("quotient too large") << "999999999999999999÷0,1="
                                            << "Chyba" << rozsah;
        QTest::newRow("divided by zero") << "5÷0="
                                         << "Chyba" << QStringLiteral("Nulou sa deliť nedá.");
        QTest::newRow("nothing goes on after an error")
            << "5÷0=7+1="
            << "Chyba" << QStringLiteral("Nulou sa deliť nedá.");
    }
    void calculatorIsExact() {
        QFETCH(QString, klavesy);
        QFETCH(QString, displej);
        QFETCH(QString, sprava);
        TfrmHlavny h(agenda->dir());
        TfrmKalkulacka k(h);
        QCOMPARE(vypocitat(k, klavesy), displej);
        QCOMPARE(k.sprava(), sprava);
        // the result goes on into the next calculation, an error only clears
        QCOMPARE(vypocitat(k, QStringLiteral("C2+3=")), QStringLiteral("5"));
        QVERIFY(k.sprava().isEmpty());
        // the rounding is stated in the window
        auto* presnost = k.findChild<QLabel*>(QStringLiteral("lblPresnost"));
        QVERIFY(presnost);
        QVERIFY(presnost->text().contains(QStringLiteral("10 desatinných miest")));
    }

    void calculatorAndHelpAreWindowsOfTheirOwn() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        zapisatPomocnika(*agenda);
        auto h = spustit();
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.get()));

        h->otvoritKalkulacku();
        QPointer<TfrmKalkulacka> k = qobject_cast<TfrmKalkulacka*>(h->kalkulacka());
        QVERIFY(k);
        QVERIFY(k->isVisible());
        QVERIFY(!k->isModal());
        QVERIFY(!QApplication::activeModalWidget()); // the main window stays usable
        h->otvoritKalkulacku();                      // opened again: the same window
        QCOMPARE(h->kalkulacka(), k.data());
        QCOMPARE(viditelneOkna(QStringLiteral("TfrmKalkulacka")).size(), 1);

        h->mmItmPouzivatelskaPriruckaClick();
        QPointer<TfrmPomocnik> p = qobject_cast<TfrmPomocnik*>(h->oknoPomocnika());
        QVERIFY(p);
        QVERIFY(p->isVisible());
        QVERIFY(!p->isModal());
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(p->aktualnyKontext(), 5);
        h->otvoritPomocnika(h.get(), 8); // another topic in the same window
        QCOMPARE(h->oknoPomocnika(), p.data());
        QCOMPARE(p->aktualnyKontext(), 8);
        QCOMPARE(viditelneOkna(QStringLiteral("TfrmPomocnik")).size(), 1);

        // A full-size window opens as before; both windows take the mouse beside it.
        QString okno, displej;
        int kontext = -1;
        naDalsieOkno([&](QDialog* d) {
            okno = d->objectName();
            auto klik = [](QWidget* w) {
                QTest::mouseClick(w->window()->windowHandle(), Qt::LeftButton, {},
                                  w->mapTo(w->window(), w->rect().center()));
            };
            klik(k->findChild<QPushButton*>(QStringLiteral("btn10"))); // "7"
            klik(p->findChild<QPushButton*>(QStringLiteral("btnObsah")));
            displej = k->displej();
            kontext = p->aktualnyKontext();
            d->reject();
        });
        h->mmItmUctovaOsnovaClick();
        QCOMPARE(okno, QStringLiteral("TfrmUctovaOsnova"));
        QCOMPARE(displej, QStringLiteral("7"));
        QCOMPARE(kontext, 0);

        // Both end with the main window.
        h->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!k);
        QVERIFY(!p);
        // and a window still open is freed with it
        h->otvoritKalkulacku();
        k = qobject_cast<TfrmKalkulacka*>(h->kalkulacka());
        QVERIFY(k);
        h.reset();
        QVERIFY(!k);
    }

    // A program that reaches no display says why and ends with an error status instead of
    // aborting as Qt does.
    void startWithoutDisplayEndsCleanly() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":64999"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        QProcess p;
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(agenda->dir());
        p.start(QStringLiteral(SALDOVIA_EXE), {});
        QVERIFY(p.waitForFinished(60000));
        const QString chyba = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 2);
        QVERIFY2(chyba.contains(QStringLiteral("Saldovia sa nedá spustiť: nepodarilo sa pripojiť "
                                               "ku grafickému prostrediu (DISPLAY=:64999).")),
                 qPrintable(chyba));
    }

    // "--version" and "--help" answer on the terminal and end without a display; any other
    // command line still starts the program (which here finds no display).
    void versionAndHelpAnswerOnTheTerminal() {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":64999"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        const auto spustit = [&](const QStringList& args) {
            QProcess p;
            p.setProcessEnvironment(env);
            p.setWorkingDirectory(agenda->dir());
            p.start(QStringLiteral(SALDOVIA_EXE), args);
            [&] { QVERIFY(p.waitForFinished(60000)); }();
            return std::pair{p.exitCode(), QString::fromUtf8(p.readAllStandardOutput())};
        };
        QCOMPARE(spustit({QStringLiteral("--version")}),
                 std::pair(0, QStringLiteral("saldovia " SALDOVIA_VERSION "\n")));
        const auto [kod, text] = spustit({QStringLiteral("--help")});
        QCOMPARE(kod, 0);
        QVERIFY2(text.startsWith(QStringLiteral("Použitie: saldovia [--version | --help]\n")),
                 qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("Ukazka.mdb")));
        QCOMPARE(spustit({QStringLiteral("--version"), QStringLiteral("navyse")}).first, 2);
        QCOMPARE(spustit({QStringLiteral("--verzia")}).first, 2);
    }

    void helpMenuItemNamesF1Once() {
        zapisatPomocnika(*agenda);
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false; // no start-up questions
        QAction* a = h.mmItmPouzivatelskaPrirucka;
        QCOMPARE(a->text(), QStringLiteral("&Pomocník F1"));
        QCOMPARE((a->text() + u' ' + a->shortcut().toString()).count(QStringLiteral("F1")), 1);
        // F1 still opens the help from the main window
        h.show();
        h.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&h));
        QTest::keyClick(&h, Qt::Key_F1);
        QVERIFY(h.oknoPomocnika());
        QVERIFY(h.oknoPomocnika()->isVisible());
    }

    // The Qt dialogs: a box for a window not shown yet (a document being prepared) or for
    // no window is centred on the window the user sees.
    void messageBoxesCentredOnTheShownWindow() {
        QtDialogService qt;
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false;
        h.move(40, 30);
        h.show();
        QVERIFY(QTest::qWaitForWindowExposed(&h));
        auto* pripravovane = new QDialog(&h);
        pripravovane->resize(632, 407);
        for (QWidget* parent : {static_cast<QWidget*>(pripravovane), static_cast<QWidget*>(nullptr),
                                static_cast<QWidget*>(&h)}) {
            QRect ram;
            naDalsieOkno([&ram](QDialog* d) {
                ram = d->frameGeometry();
                d->reject();
            });
            qt.message(parent, QStringLiteral("Chyba"),
                       QStringLiteral("Je možné vystaviť maximálne 99 dokladov,\nakcia bola "
                                      "zablokovaná!"),
                       DialogService::Icon::Critical, QMessageBox::Ok, QMessageBox::Ok);
            QVERIFY(ram.isValid());
            const QPoint posun = ram.center() - h.frameGeometry().center();
            QVERIFY2(posun.manhattanLength() <= 4,
                     qPrintable(QStringLiteral("%1, %2").arg(posun.x()).arg(posun.y())));
        }
        QCOMPARE(viditelneOkno(pripravovane), static_cast<QWidget*>(&h));
        pripravovane->show();
        QCOMPARE(viditelneOkno(pripravovane), static_cast<QWidget*>(pripravovane));
    }

    // Every Qt dialog the program opens, in Slovak: no text a dialog asks for stays without
    // its translation (the catalogue's or the program's own), and none shown is English.
    void qtDialogsInSlovak() {
        // Asked first, it asks every translator and notes what none of them translates.
        class Zapisovac : public QTranslator {
        public:
            bool isEmpty() const override { return false; }
            QString translate(const char* context, const char* source, const char* disambiguation,
                              int n) const override {
                // the dialogs' own contexts; texts Slovak writes alike
                static const QByteArrayList dialogy{"QColorDialog",     "QFontDialog",
                                                    "QFileDialog",      "QFileSystemModel",
                                                    "QPrintDialog",     "QPageSetupWidget",
                                                    "QUnixPrintWidget", "QPrintPropertiesWidget",
                                                    "QMessageBox",      "QDialogButtonBox",
                                                    "QPlatformTheme"};
                static const QRegularExpression rovnake(
                    QStringLiteral("^(OK|&OK|&HTML:|Alt\\+\\w+|[^A-Za-z]*[A-Za-z]{0,2}[^A-Za-z]*|("
                                   "Pica|Didot|Cicero) \\(.*\\))$"));
                if (vnutri_ || !source || !*source || !dialogy.contains(QByteArray(context)) ||
                    rovnake.match(QString::fromUtf8(source)).hasMatch())
                    return {};
                vnutri_ = true;
                const QString t = QCoreApplication::translate(context, source, disambiguation, n);
                vnutri_ = false;
                if (t == QString::fromUtf8(source))
                    chybajuce << QString::fromUtf8(context) + u'|' + t;
                return {};
            }
            mutable QStringList chybajuce;

        private:
            mutable bool vnutri_ = false;
        };
        Zapisovac zapisovac;
        QCoreApplication::installTranslator(&zapisovac);
        QtDialogService qt;
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false;
        h.show();
        QStringList texty;
        auto zbierat = [&texty](QDialog* d) {
            QTest::qWait(20);
            texty << d->windowTitle();
            for (QWidget* w : d->findChildren<QWidget*>()) {
                if (!w->isVisible())
                    continue;
                if (auto* l = qobject_cast<QLabel*>(w))
                    texty << l->text();
                else if (auto* b = qobject_cast<QAbstractButton*>(w))
                    texty << b->text() << b->toolTip();
                else if (auto* g = qobject_cast<QGroupBox*>(w))
                    texty << g->title();
                else if (auto* c = qobject_cast<QComboBox*>(w))
                    for (int i = 0; i < c->count(); ++i)
                        texty << c->itemText(i);
            }
            d->reject();
        };
        QColor farba(Qt::red);
        QFont pismo;
        QString nazov;
        const QList<std::function<void()>> dialogy{
            [&] { qt.color(&h, farba); },
            [&] { qt.font(&h, pismo, farba); },
            [&] { qt.openFile(&h, nazov, QDir::homePath(), QStringLiteral("Súbor (*.rtf)"), {}); },
            [&] { qt.saveFile(&h, nazov, QDir::home().filePath(nazov), {}, {}); },
            [&] { qt.openFolder(&h, nazov, QDir::homePath()); },
            [&] { qt.print(&h, h.tlaciaren()); },
            [&] { qt.printerSetup(&h, h.tlaciaren()); },
            [&] { qt.pageSetup(&h, h.tlaciaren()); },
            [&] {
                qt.message(&h, nazov, nazov, DialogService::Icon::Question,
                           QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
                           QMessageBox::Yes);
            },
        };
        for (const auto& dialog : dialogy) {
            naDalsieOkno(zbierat);
            dialog();
        }
        QCoreApplication::removeTranslator(&zapisovac);
        zapisovac.chybajuce.removeDuplicates();
        QVERIFY2(zapisovac.chybajuce.isEmpty(), qPrintable(zapisovac.chybajuce.join(u'\n')));
        static const QRegularExpression anglicky(
            QStringLiteral("\\b(Pick|Screen|Color|Colors|Font|Style|Size|Print|Printer|Page|"
                           "Cancel|Open|Save|Look in|File|Files|Folder|Name|Properties|Options|"
                           "Copies|Paper|Orientation|Portrait|Landscape|Margins|Custom|Basic)\\b"));
        for (const QString& t : std::as_const(texty))
            QVERIFY2(!anglicky.match(t).hasMatch(), qPrintable(t));
    }

    // "&Áno" answers to A and Alt+A as well as to Á: every keyboard has the letter.
    void yesAnswersToItsLetterWithoutTheAccent() {
        QtDialogService qt;
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false;
        h.show();
        QStringList tlacidla;
        for (const QKeyCombination k :
             {QKeyCombination(Qt::Key_A), QKeyCombination(Qt::ShiftModifier, Qt::Key_A),
              QKeyCombination(Qt::AltModifier, Qt::Key_A),
              QKeyCombination(Qt::AltModifier, Qt::Key_N), QKeyCombination(Qt::Key_Z)}) {
            naDalsieOkno([&](QDialog* d) {
                for (QAbstractButton* b : d->findChildren<QAbstractButton*>())
                    if (b->isVisible())
                        tlacidla << b->text();
                // wide enough for the title a window manager puts over it
                QVERIFY(d->width() > d->fontMetrics().horizontalAdvance(d->windowTitle()) + 100);
                QTest::keyClick(d, k.key(), k.keyboardModifiers());
                QTest::qWait(300); // the button's animated click
                if (d->isVisible())
                    d->done(-1); // not answered
            });
            const auto odpoved = qt.message(
                &h, QStringLiteral("Obnovenie agendy zo zálohy"), QStringLiteral("Uložiť zmeny?"),
                DialogService::Icon::Question,
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Cancel);
            QCOMPARE(odpoved, k.key() == Qt::Key_N   ? QMessageBox::No
                              : k.key() == Qt::Key_Z ? QMessageBox::Cancel
                                                     : QMessageBox::Yes);
        }
        QVERIFY(tlacidla.contains(QStringLiteral("&Áno")));
        QVERIFY(tlacidla.contains(QStringLiteral("&Zrušiť")));
    }

    void printerSetupDoesNotPrint() {
        QtDialogService qt;
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false;
        h.show();
        QStringList tlacidla;
        QString titulok;
        naDalsieOkno([&](QDialog* d) {
            titulok = d->windowTitle();
            for (QDialogButtonBox* box : d->findChildren<QDialogButtonBox*>())
                for (QAbstractButton* b : box->buttons())
                    tlacidla << b->text().remove(u'&');
            d->reject();
        });
        QVERIFY(!qt.printerSetup(&h, h.tlaciaren()));
        QCOMPARE(titulok, QStringLiteral("Nastavenie tlače"));
        QVERIFY2(tlacidla.contains(QStringLiteral("OK")), qPrintable(tlacidla.join(u',')));
        QVERIFY2(!tlacidla.contains(QStringLiteral("Tlačiť")), qPrintable(tlacidla.join(u',')));
    }

    void saveDialogTakesOnlyExistingFolders() {
        QtDialogService qt;
        TfrmHlavny h(agenda->dir());
        h.PrvaAktivacia = false;
        h.show();
        const QString chybny = agenda->file(QStringLiteral("nie/je/Zaloha.mdb"));
        const QString dobry = agenda->file(QStringLiteral("Zaloha.mdb"));
        bool ostalOtvoreny = false;
        naDalsieOkno([&](QDialog* d) {
            auto* f = qobject_cast<QFileDialog*>(d);
            auto* meno = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(f && meno);
            meno->setText(chybny);
            d->accept();
            ostalOtvoreny = f->isVisible();
            meno->setText(dobry);
            d->accept();
        });
        const QString vybrany =
            qt.saveFile(&h, QStringLiteral("Zálohovanie agendy"),
                        QDir::home().filePath(QStringLiteral("Zaloha")),
                        QStringLiteral("Databázový súbor (*.mdb)"), QStringLiteral("mdb"));
        QVERIFY(ostalOtvoreny);
        QCOMPARE(dialogs->texts(),
                 QStringList{
                     QStringLiteral("Priečinok %1 neexistuje.\nVyberte priečinok, ktorý "
                                    "existuje.")
                         .arg(QDir::toNativeSeparators(agenda->file(QStringLiteral("nie/je"))))});
        QCOMPARE(QFileInfo(vybrany).absoluteFilePath(), QFileInfo(dobry).absoluteFilePath());
    }

    // Full-size windows lie over the main window's work area wherever it goes; the main
    // window has a fixed border, can be minimised and closed, not maximised.
    void fullSizeWindowsFollowTheMainWindow() {
        vykonat(agenda->path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        auto h = spustit();
        h->show();
        QVERIFY(QTest::qWaitForWindowExposed(h.get()));
        const Qt::WindowFlags f = h->windowFlags();
        QVERIFY(f.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(f.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!f.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(h->minimumSize(), h->maximumSize());

        QStringList chyby;
        auto overit = [&](QDialog* d, const char* kedy) {
            if (d->frameGeometry() != h->pracovnaPlocha())
                chyby << QStringLiteral("%1: %2").arg(
                    QString::fromLatin1(kedy), QString::number(d->x() - h->pracovnaPlocha().x()));
        };
        QStringList okna;
        auto skusit = [&](QDialog* d) {
            okna << d->objectName();
            const Qt::WindowFlags fd = d->windowFlags();
            if (!fd.testFlag(Qt::FramelessWindowHint) || fd.testFlag(Qt::WindowMaximizeButtonHint))
                chyby << d->objectName() + QStringLiteral(": frame");
            overit(d, "opened");
            const QPoint povodne = h->pos();
            h->move(povodne + QPoint(37, 23));
            QTRY_COMPARE(h->pos(), povodne + QPoint(37, 23));
            overit(d, "moved");
            h->move(povodne);
            QTRY_COMPARE(h->pos(), povodne);
            overit(d, "moved back");
            h->showMinimized();
            if (!d->isMinimized())
                chyby << d->objectName() + QStringLiteral(": not minimised");
            h->showNormal();
            if (d->isMinimized() || !d->isVisible())
                chyby << d->objectName() + QStringLiteral(": not back");
            overit(d, "restored");
            d->reject();
        };
        naDalsieOkno(skusit);
        h->mmItmUctovaOsnovaClick();
        naDalsieOkno(skusit);
        h->mmItmUctovnyDennikClick();
        naDalsieOkno(skusit);
        h->mmItmNastavenieClick();
        QCOMPARE(okna, (QStringList{QStringLiteral("TfrmUctovaOsnova"),
                                    QStringLiteral("TfrmUctovnyDennik"),
                                    QStringLiteral("TfrmAgendaNastavenie")}));
        QVERIFY2(chyby.isEmpty(), qPrintable(chyby.join(u'\n')));
    }
};

SALDOVIA_GUI_TEST_MAIN(TestHlavny)
#include "test_hlavny.moc"
