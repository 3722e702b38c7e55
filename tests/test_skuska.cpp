#include "GuiTest.h"
#include "TestOkna.h"
#include "TestTlac.h"

#include "app/Hlavny.h"
#include "documents/Polozkadokladu.h"
#include "exam/Hodnotenietriedy.h"
#include "exam/Pecat.h"
#include "exam/Skuska.h"
#include "exam/Tlacskusky.h"
#include "exam/Vyhodnotenie.h"
#include "exam/Vysledky.h"
#include "journal/CiselnePole.h"
#include "journal/Uctovnydennik.h"
#include "ledger/Obraty.h"
#include "reports/ReportPreview.h"
#include "store/Agenda.h"
#include "store/Store.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSlider>
#include <QStyle>
#include <QTableView>
#include <QTest>

#include <limits>

using namespace saldovia;

namespace {

const QString Uspech = QStringLiteral("Vygenerovanie skúšky prebehlo úspešne!");
const QString Nevygenerovana = QStringLiteral("Skúška nebola vygenerovaná!");
const QString Koniec = QStringLiteral("Skúška skončila!\nVšetky okná budú zatvorené...");

// The teacher's journal: row, amount, description, debit, credit. Three-character accounts
// are stored padded to five, as the pickers store them; row numbers leave gaps and one has
// four digits.
struct Riadok {
    int riadok;
    const char* suma;
    const char* popis;
    const char* maDat;
    const char* dal;
};
const Riadok Dennik[] = {
    {1, "1000,00", "Nákup materiálu", "112  ", "321  "},
    {2, "250,50", "Výdaj do spotreby", "501  ", "112  "},
    {7, "5000,00", "Vklad do pokladnice", "211  ", "221  "},
    {123, "123,45", "Úhrada O'Brien", "321  ", "221  "},
    {1234, "10,00", "Bankový poplatok", "568  ", "221  "},
};

QStringList riadky(Connection& c, const QString& sql) {
    const ResultSet rs = c.query(sql);
    QStringList out;
    for (int r = 0; r < rs.rowCount(); ++r) {
        QStringList cells;
        for (int k = 0; k < rs.columnCount(); ++k)
            cells << rs.text(r, k);
        out << cells.join(u'|');
    }
    return out;
}

// Sets the exam's parameters in the next parameters dialog: minutes on the slider and the rows
// to tick; then closes it with OK or its close box.
void nastavitSkusku(int minuty, QList<qint64> zaskrtnut, bool cezOK = true,
                    QStringList* polozky = nullptr) {
    naDalsieOkno([=](QDialog* d) {
        auto* okno = qobject_cast<TfrmSkuska*>(d);
        QVERIFY(okno);
        if (polozky)
            for (int i = 0; i < okno->CheckListBox->count(); ++i)
                *polozky << okno->CheckListBox->item(i)->text();
        okno->TrackBar->setValue(minuty);
        for (int i = 0; i < okno->CheckListBox->count(); ++i) {
            QListWidgetItem* item = okno->CheckListBox->item(i);
            if (zaskrtnut.contains(item->data(Qt::UserRole).toLongLong()))
                item->setCheckState(Qt::Checked);
        }
        if (cezOK)
            okno->btnOK->click();
        else
            okno->close();
    });
}

} // namespace

class TestSkuska : public TestHlavnehoOkna {
    Q_OBJECT

    QString skuska() const { return agenda->file(QStringLiteral("Skuska.mdb")); }

    void spustit() {
        h.reset();
        h = spustitHlavne(*agenda);
    }
    int pocet(const QString& sql) {
        h->SQL(sql);
        return static_cast<int>(h->ADOQuery().integer(QStringLiteral("Pocet")));
    }
    // Generates the exam of the fixture's journal: 61 minutes, rows 2 and 1234 to compute.
    void vygenerovat() {
        dialogs->files = {skuska()};
        nastavitSkusku(61, {2, 1234});
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, Uspech);
    }
    // Loads the exam file as a student does.
    void obnovitSkusku() {
        dialogs->files = {skuska()};
        dialogs->answers = {QMessageBox::Yes};
        h->mmItmObnovit->trigger();
        QCOMPARE(dialogs->last().text, QStringLiteral("Obnovenie prebehlo úspešne!"));
    }
    QList<ReportPage> podrobnosti() {
        QList<ReportPage> pages;
        naDalsieOkno([&pages](QDialog* d) {
            if (auto* p = qobject_cast<ReportPreview*>(d))
                pages = p->pages();
            d->reject();
        });
        h->pnlVysledky->btnPodrobnosti->click();
        return pages;
    }

    void pripravit() override {
        QString sql = QStringLiteral(
            "UPDATE AgendaNastavenie SET UctovnyRok = '2006', NazovFirmy = 'Obchod O''Brien', "
            "MenoUzivatela = 'Učiteľ', Poznamky = 'Zaúčtujte prípady.';");
        for (const Riadok& r : Dennik)
            sql += QStringLiteral("INSERT INTO UctovnyDennik VALUES (%1, '05.01.2006', 'ID0601', "
                                  "%2, 'SKK', '1,000', %2, %3, %4, %5);")
                       .arg(r.riadok)
                       .arg(sqlText(QString::fromUtf8(r.suma)), sqlText(QString::fromUtf8(r.popis)),
                            sqlText(QString::fromUtf8(r.maDat)), sqlText(QString::fromUtf8(r.dal)));
        spustitOkno(sql);
    }

private slots:

    // The exam file holds the journal without accounts and with the chosen amounts erased, the
    // samples, the duration and no user name; the agenda stays byte for byte as it was.
    void generationEndToEnd() {
        writeFileBytes(skuska(), "an older file of that name"); // replaced
        const QByteArray agendaPred = readFileBytes(agenda->path());
        QStringList polozky;
        dialogs->files = {skuska()};
        nastavitSkusku(61, {2, 1234}, true, &polozky);
        h->mmItmVygenerovatSkusku->trigger();

        QCOMPARE(polozky, QStringList({"001 - Nákup materiálu", "002 - Výdaj do spotreby",
                                       "007 - Vklad do pokladnice", "123 - Úhrada O'Brien",
                                       "1234 - Bankový poplatok"}));
        QCOMPARE(dialogs->texts(), QStringList{Uspech});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Informácia"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Information);
        QCOMPARE(readFileBytes(agenda->path()), agendaPred);
        QCOMPARE(h->store().path(), agenda->path());
        QCOMPARE(h->uctovnyRok(), QStringLiteral("2006"));
        QVERIFY(h->mmItmVygenerovatSkusku->isVisible());
        // nothing else is left in the folder but the running program's lock
        QCOMPARE(QDir(agenda->dir()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({".Saldovia.lock", "Data.mdb", "Skuska.mdb"})); // and the lock

        QVERIFY(kontrolaDatabazy(skuska()));
        Connection c;
        c.open(skuska());
        QCOMPARE(riadky(c, QStringLiteral("SELECT Riadok, Ciastka, Suma, MaDat, Dal FROM "
                                          "UctovnyDennik ORDER BY Riadok;")),
                 QStringList({"1|1000,00|1000,00||", "2|0,00|0,00||", "7|5000,00|5000,00||",
                              "123|123,45|123,45||", "1234|0,00|0,00||"}));
        QStringList vzor;
        for (const Riadok& r : Dennik)
            vzor << QStringLiteral("%1|05.01.2006|ID0601|%2|SKK|1,000|%2|%3|%4|%5|%6")
                        .arg(r.riadok)
                        .arg(QString::fromUtf8(r.suma), QString::fromUtf8(r.popis),
                             QString::fromUtf8(r.maDat), QString::fromUtf8(r.dal))
                        .arg(r.riadok == 2 || r.riadok == 1234 ? 1 : 0);
        QCOMPARE(riadky(c, QStringLiteral("SELECT * FROM UctovnyDennikVzor ORDER BY Riadok;")),
                 vzor);
        QCOMPARE(riadky(c, QStringLiteral("SELECT * FROM HlavnaKniha;")), QStringList());
        QCOMPARE(riadky(c, QStringLiteral("SELECT SkuskaDlzka, MenoUzivatela, SkuskaZaciatok, "
                                          "SkuskaZostatok, SkuskaKoniec, NazovFirmy, Poznamky "
                                          "FROM AgendaNastavenie ORDER BY rowid LIMIT 1;")),
                 QStringList{"1:01:00|||||Obchod O'Brien|Zaúčtujte prípady."});
        QVERIFY(skuska::nacitatZaznam(c).existuje);
        QVERIFY(!skuska::nacitatZaznam(c).cvicenie);
        const QStringList vzorKnihy =
            riadky(c, QStringLiteral("SELECT * FROM HlavnaKnihaVzor ORDER BY CisloUctu;"));
        c.close();

        // the sample ledger is the teacher's ledger
        hlavnakniha::vytvorit(h->store());
        Connection a;
        a.open(agenda->path());
        QCOMPARE(vzorKnihy, riadky(a, QStringLiteral("SELECT * FROM HlavnaKniha ORDER BY "
                                                     "CisloUctu;")));
        QCOMPARE(vzorKnihy.size(), 6 + 6 + 4);
    }

    // The dialog's texts and limits, and its close box storing what it shows as OK does.
    void parametersDialog() {
        h->SQL(QStringLiteral("INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM "
                              "UctovnyDennik;"));
        TfrmSkuska d(*h);
        QCOMPARE(d.windowTitle(), QStringLiteral("Skúška"));
        QCOMPARE(d.pomocnik(), 14);
        QCOMPARE(d.lblNastavte->text(), QStringLiteral("Nastavte dĺžku trvania skúšky:"));
        QCOMPARE(d.lblZvolte->text(),
                 QStringLiteral("Zvoľte riadky, v ktorých sa čiastky vynulujú:"));
        QCOMPARE(d.btnOK->text(), QStringLiteral("&OK"));
        QCOMPARE(d.lblCas->text(), QStringLiteral("2:00:00"));
        QCOMPARE(d.TrackBar->value(), 120);
        QCOMPARE(d.TrackBar->maximum(), 240);
        QCOMPARE(d.TrackBar->tickInterval(), 60);
        QCOMPARE(d.CheckListBox->count(), 5);
        for (int i = 0; i < d.CheckListBox->count(); ++i)
            QCOMPARE(d.CheckListBox->item(i)->checkState(), Qt::Unchecked);
        for (auto [minuty, text] : {std::pair{0, "0:00:00"}, {61, "1:01:00"}, {240, "4:00:00"}}) {
            d.TrackBar->setValue(minuty);
            QCOMPARE(d.lblCas->text(), QString::fromLatin1(text));
        }
        d.TrackBar->setValue(0);
        d.CheckListBox->item(2)->setCheckState(Qt::Checked); // row 7
        d.show();
        d.close();
        d.close(); // stored once
        QVERIFY(d.chyba().isEmpty());
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaDlzka")),
                 QStringLiteral("0:00:00"));
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")), QString());
        QCOMPARE(pocet(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennik WHERE "
                                      "Suma = '0,00' AND Ciastka = '0,00';")),
                 1);
        QCOMPARE(pocet(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennikVzor WHERE "
                                      "Vypocty = 1 AND Riadok = 7;")),
                 1);
        QCOMPARE(pocet(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennikVzor WHERE "
                                      "Vypocty = 1;")),
                 1);

        QCOMPARE(skuska::dlzka(0), QStringLiteral("0:00:00"));
        QCOMPARE(skuska::polozkaRiadku(7, QStringLiteral("x")), QStringLiteral("007 - x"));
        QCOMPARE(skuska::polozkaRiadku(1234, QString()), QStringLiteral("1234 - "));
    }

    // Loading the exam file by the restore starts the exam; closing its dialog with the close
    // box generated it as well.
    void restoreStartsTheExam() {
        dialogs->files = {skuska()};
        nastavitSkusku(0, {}, false);
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, Uspech);
        {
            Connection c;
            c.open(skuska());
            QCOMPARE(
                riadky(c, QStringLiteral("SELECT SkuskaDlzka FROM AgendaNastavenie ORDER BY rowid "
                                         "LIMIT 1;")),
                QStringList{"0:00:00"});
            c.exec(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '1:01:00';"));
        }
        obnovitSkusku();
        QCOMPARE(h->lblVitajte->text(), QStringLiteral("Vitajte"));
        QVERIFY(h->lblNaSkuske->isVisibleTo(h.get()));
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("1:01:00"));
        QVERIFY(h->Timer->isActive());
        QVERIFY(h->dbEdtMenoUzivatela->isVisibleTo(h.get()));
        QCOMPARE(h->ListView->count(), 8);
        QVERIFY(!h->mmItmVygenerovatSkusku->isVisible());
        QVERIFY(!h->pnlVysledky->isVisibleTo(h.get()));
        QCOMPARE(pocet(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennik WHERE MaDat = "
                                      "'' AND Dal = '';")),
                 5);
        // a name typed but not yet confirmed is stored by the clock's tick
        h->dbEdtMenoUzivatela->setText(QStringLiteral("Eva"));
        h->TimerTimer();
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")),
                 QStringLiteral("Eva"));
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("1:00:59"));

        // a remaining time that is no time stops the clock with the error
        h->relacia().zostatok = QStringLiteral("1:6O:00");
        QVERIFY_THROWS_EXCEPTION(DbError, h->TimerTimer());
        QVERIFY(!h->Timer->isActive());
    }

    // Every refusal ends with its message and writes nothing.
    void generationRefused() {
        // cancelled
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, Nevygenerovana);
        QCOMPARE(dialogs->last().caption, QStringLiteral("Upozornenie"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Warning);
        // the loaded agenda
        dialogs->files = {agenda->dir() + QStringLiteral("/./Data.mdb")};
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Zvolený súbor obsahuje práve načítanú agendu!"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QCOMPARE(dialogs->fileCaptions.size(), 2);

        // lines without accounts: the ledger's refusal, no file dialog
        h->SQL(QStringLiteral("UPDATE UctovnyDennik SET Dal = '' WHERE Riadok IN (7, 123);"));
        dialogs->messages.clear();
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->texts(),
                 QStringList({"Neboli vyplnené všetky predkontácie!\n\nZoznam chybných riadkov: "
                              "7, 123",
                              Nevygenerovana}));
        QCOMPARE(dialogs->fileCaptions.size(), 2);

        // an empty journal
        h->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        dialogs->messages.clear();
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->texts(),
                 QStringList{"Účtovný denník je prázdny,\nnie sú žiadne vzorové údaje!"});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->fileCaptions.size(), 2);
        QVERIFY(!QFile::exists(skuska()));
        QVERIFY(h->store().isConnected());
        h->OdpojitDatabazu();
        Connection c;
        c.open(agenda->path());
        QCOMPARE(riadky(c, QStringLiteral("SELECT Count(*) FROM UctovnyDennik;")),
                 QStringList{"0"});
    }

    // A failure on the way leaves the chosen path as it was, no work files, and the agenda
    // connected and unchanged.
    void generationFailingCleanly() {
        const QByteArray agendaPred = readFileBytes(agenda->path());
        dialogs->files = {agenda->file(QStringLiteral("nie/je/Skuska.mdb"))};
        h->mmItmVygenerovatSkusku->trigger();
        QVERIFY(dialogs->last().text.startsWith(Nevygenerovana + QStringLiteral("\n\n")));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QVERIFY(h->store().isConnected());
        QCOMPARE(h->store().path(), agenda->path());

        // an amount that is no number stops the sample ledger in the middle of the work
        h->OdpojitDatabazu();
        vykonat(agenda->path(),
                QStringLiteral("UPDATE UctovnyDennik SET Suma = '12,5O' WHERE Riadok = 7;"));
        spustit();
        const QByteArray agendaPotom = readFileBytes(agenda->path());
        QVERIFY(agendaPotom != agendaPred);
        writeFileBytes(skuska(), "the previous exam");
        dialogs->files = {skuska()};
        dialogs->messages.clear();
        h->mmItmVygenerovatSkusku->trigger(); // fails before the parameters dialog
        QCOMPARE(dialogs->messages.size(), 1);
        QVERIFY(dialogs->last().text.startsWith(Nevygenerovana));
        QVERIFY(dialogs->last().text.contains(QStringLiteral("12,5O")));
        QCOMPARE(readFileBytes(skuska()), QByteArray("the previous exam"));
        QCOMPARE(readFileBytes(agenda->path()), agendaPotom);
        QCOMPARE(QDir(agenda->dir()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
                 QStringList({".Saldovia.lock", "Data.mdb", "Skuska.mdb"})); // and the lock
        QCOMPARE(h->store().path(), agenda->path());
        QVERIFY(h->isEnabled());
        QVERIFY(!h->store().connection().inTransaction());
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("SkuskaDlzka")), QString());
    }

    // The three scores and their texts, straight from the tables.
    void scoring() {
        Store& st = h->store();
        auto vzor = [&](const QString& values) {
            st.SQL(QStringLiteral("INSERT INTO UctovnyDennikVzor (Riadok, Suma, MaDat, Dal, "
                                  "Vypocty) VALUES %1;")
                       .arg(values));
        };
        h->SQL(QStringLiteral("DELETE FROM UctovnyDennik;"));
        // an empty sample and an empty journal: nothing to get wrong
        QCOMPARE(skuska::predkontacie(st), (skuska::Skore{0, 0}));
        QCOMPARE(skuska::textSkore(skuska::vypocty(st)),
                 QStringLiteral("0 z 0 správne, úspešnosť: 100,00%"));

        // the student's work is missing: every account counts, except an empty sample value
        vzor(QStringLiteral("(1, '10,00', '211  ', '221  ', 0), (2, '20,00', '501  ', '', 1)"));
        QCOMPARE(skuska::predkontacie(st), (skuska::Skore{1, 4}));
        QCOMPARE(skuska::vypocty(st), (skuska::Skore{0, 1}));

        // all right, then accounts compared exactly as stored
        h->SQL(QStringLiteral(
            "INSERT INTO UctovnyDennik (Riadok, Suma, MaDat, Dal) VALUES (1, '10,00', '211  ', "
            "'221  '), (2, '20,0', '501  ', '');"));
        QCOMPARE(skuska::textSkore(skuska::predkontacie(st)),
                 QStringLiteral("4 z 4 správne, úspešnosť: 100,00%"));
        QCOMPARE(skuska::textSkore(skuska::vypocty(st)),
                 QStringLiteral("1 z 1 správne, úspešnosť: 100,00%"));
        h->SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '211', Dal = '0221 ', Suma = "
                              "'20,01' WHERE Riadok IN (1, 2);"));
        QCOMPARE(skuska::textSkore(skuska::predkontacie(st)),
                 QStringLiteral("0 z 4 správne, úspešnosť: 0,00%"));
        QCOMPARE(skuska::textSkore(skuska::vypocty(st)),
                 QStringLiteral("0 z 1 správne, úspešnosť: 0,00%"));

        // partly right, and a student's extra row that the sample does not know is not scored
        vzor(QStringLiteral("(3, '0,00', '321  ', '211  ', 1)"));
        h->SQL(QStringLiteral(
            "UPDATE UctovnyDennik SET MaDat = '211  ', Dal = '221  ' WHERE Riadok = 1;"
            "INSERT INTO UctovnyDennik (Riadok, Suma, MaDat, Dal) VALUES (3, '0', '321  ', '211'),"
            " (4, '1,00', '999  ', '999  ');"));
        QCOMPARE(skuska::predkontacie(st), (skuska::Skore{3, 6}));
        QCOMPARE(skuska::textSkore(skuska::vypocty(st)),
                 QStringLiteral("1 z 2 správne, úspešnosť: 50,00%"));

        QCOMPARE(skuska::percento(3, 4), QStringLiteral("75,00"));
        QCOMPARE(skuska::percento(1, 3), QStringLiteral("33,33"));
        QCOMPARE(skuska::percento(2, 3), QStringLiteral("66,67"));
        QCOMPARE(skuska::percento(1, 32), QStringLiteral("3,13")); // 3,125 rounds up
        // counts whose hundredths of a per cent do not fit into 64 bits do not wrap round
        const qint64 velke = std::numeric_limits<qint64>::max() / 1000;
        QCOMPARE(skuska::percento(velke, velke), QStringLiteral("100,00"));
        QCOMPARE(skuska::percento(velke / 2, velke), QStringLiteral("50,00"));
        QCOMPARE(skuska::percento(800.f / 11.f), QStringLiteral("72,73"));
        QCOMPARE(skuska::textHlavnejKnihy(100.f), QStringLiteral("zodpovedá na 100,00%"));
        QCOMPARE(skuska::textHlavnejKnihy(0.f), QStringLiteral("zodpovedá na 0,00%"));
        QCOMPARE(skuska::textHlavnejKnihy(-1.f), QStringLiteral("nebolo možné vygenerovať"));
        QVERIFY(skuska::rovnakaSuma(QStringLiteral("1250,5"), QStringLiteral("1250,50")));
        QVERIFY(!skuska::rovnakaSuma(QString(), QStringLiteral("0,00")));
        QVERIFY(skuska::rovnakaSuma(QString(), QString()));
    }

    // Zeroed amounts of document lines leave nothing behind that gives them away: the VAT of
    // a computed base goes with it (and is computed too), the line's price and the document's
    // totals are recomputed, and the student's line editor shows nothing else.
    void examFileDoesNotLeak() {
        h->SQL(QStringLiteral(
            "INSERT INTO UctovnyDennik VALUES (20, '10.01.2006', 'FV0601', '1000,00', 'SKK', "
            "'1,000', '1000,00', 'Tovar', '311  ', '604  '), (21, '10.01.2006', 'FV0601', "
            "'190,00', 'SKK', '1,000', '190,00', 'DPH - Tovar', '311  ', '343  '), (30, "
            "'12.01.2006', 'FV0602', '500,00', 'SKK', '1,000', '500,00', 'Služba', '311  ', "
            "'602  '), (31, '12.01.2006', 'FV0602', '95,00', 'SKK', '1,000', '95,00', 'DPH - "
            "Služba', '311  ', '343  '), (32, '12.01.2006', 'FV0602', '200,00', 'SKK', '1,000', "
            "'200,00', 'Preprava', '311  ', '602  ');"
            "INSERT INTO DokladyPolozky VALUES (1, 'FV0601', 20, 21, '19', 'Tovar', '1190,00'), "
            "(1, 'FV0602', 30, 31, '19', 'Služba', '595,00'), (2, 'FV0602', 32, NULL, '0', "
            "'Preprava', '200,00');"
            "INSERT INTO Doklady (Druh, Cislo, Datum, Zaklad, DPH, Spolu, Logo) VALUES ('FV', "
            "'FV0601', '10.01.2006', '1000,00', '190,00', '1190,00', 0), ('FV', 'FV0602', "
            "'12.01.2006', '700,00', '95,00', '795,00', 0);"));
        dialogs->files = {skuska()};
        nastavitSkusku(30, {2, 20, 31});
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, Uspech);
        {
            Connection c;
            c.open(skuska());
            QCOMPARE(riadky(c, QStringLiteral("SELECT Riadok, Ciastka, Suma FROM UctovnyDennik "
                                              "WHERE Riadok BETWEEN 20 AND 40 ORDER BY Riadok;")),
                     QStringList({"20|0,00|0,00", "21|0,00|0,00", "30|500,00|500,00",
                                  "31|0,00|0,00", "32|200,00|200,00"}));
            QCOMPARE(riadky(c, QStringLiteral("SELECT Riadok, Suma FROM UctovnyDennikVzor WHERE "
                                              "Vypocty = 1 ORDER BY Riadok;")),
                     QStringList({"2|250,50", "20|1000,00", "21|190,00", "31|95,00"}));
            QCOMPARE(riadky(c, QStringLiteral("SELECT Doklad, Cislo, Cena FROM DokladyPolozky "
                                              "ORDER BY Doklad, Cislo;")),
                     QStringList({"FV0601|1|0,00", "FV0602|1|500,00", "FV0602|2|200,00"}));
            QCOMPARE(riadky(c, QStringLiteral("SELECT Cislo, Zaklad, DPH, Spolu FROM Doklady "
                                              "ORDER BY Cislo;")),
                     QStringList({"FV0601|0,00|0,00|0,00", "FV0602|700,00|0,00|700,00"}));
            // nothing a student sees holds the erased amounts
            for (const char* dotaz :
                 {"SELECT * FROM UctovnyDennik WHERE Doklad LIKE 'FV%';",
                  "SELECT * FROM DokladyPolozky;", "SELECT * FROM Doklady;",
                  "SELECT * FROM UctovnyDennikPomocny;", "SELECT * FROM DokladyPolozkyPomocne;"}) {
                const QString vsetko = riadky(c, QLatin1String(dotaz)).join(u'\n');
                for (const char* suma : {"1190,00", "1000,00", "190,00", "595,00", "95,00"})
                    QVERIFY2(!vsetko.contains(QLatin1String(suma)),
                             qPrintable(QLatin1String(dotaz) + u' ' + QLatin1String(suma)));
            }
        }
        // the student's line editor of the computed line
        obnovitSkusku();
        h->SQL(QStringLiteral("INSERT INTO DokladyPolozkyPomocne SELECT * FROM DokladyPolozky "
                              "WHERE Doklad = 'FV0601';"));
        h->SQL(QStringLiteral("INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik "
                              "WHERE Doklad = 'FV0601';"));
        QStringList polia;
        naDalsieOkno([&polia](QDialog* d) {
            auto* p = qobject_cast<TfrmPolozkaDokladu*>(d);
            QVERIFY(p);
            polia << p->mmCiastka->text() << p->mmSuma->text() << p->mmDPH->text()
                  << p->mmSumaSDPH->text();
            d->reject();
        });
        // the editor frees itself when it closes, as its callers create it
        (new TfrmPolozkaDokladu(*h))
            ->Otvorit(1, QStringLiteral("FV0601"), QStringLiteral("10.01.2006"),
                      QStringLiteral("Tovar"));
        QCOMPARE(polia, QStringList({"0,00", "0,00", "0,00", "0,00"}));
    }

    // In a finished exam the name can no longer change; the hand-in proposes it as the file
    // name and writes a compacted copy as the backup does.
    void handInAndTheFinishedName() {
        QCOMPARE(skuska::menoOdovzdania(QStringLiteral("Jana Nováková")),
                 QStringLiteral("Skuska - Jana Nováková"));
        QCOMPARE(skuska::menoOdovzdania(QStringLiteral(" Ján/Novák: 3.A? <x>|\"y\"*\\z. ")),
                 QStringLiteral("Skuska - Ján_Novák_ 3.A_ _x___y___z"));
        QCOMPARE(skuska::menoOdovzdania(QStringLiteral("a\tb")), QStringLiteral("Skuska - a_b"));
        QCOMPARE(skuska::menoOdovzdania(QString()), QStringLiteral("Skuska"));
        QCOMPARE(skuska::menoOdovzdania(QStringLiteral(" .. ")), QStringLiteral("Skuska"));

        QVERIFY(!h->mmItmOdovzdatSkusku->isEnabled());
        QCOMPARE(h->mmItmOdovzdatSkusku->text(), QStringLiteral("O&dovzdať skúšku..."));
        vygenerovat();
        obnovitSkusku();
        QVERIFY(!h->mmItmOdovzdatSkusku->isEnabled()); // running
        h->dbEdtMenoUzivatela->setText(QStringLiteral("Jana Nováková/3.A"));
        h->dbEdtMenoUzivatelaExit();
        dialogs->answers = {QMessageBox::Yes};
        h->KoniecSkusky();
        h->TimerTimer();
        QVERIFY(h->mmItmOdovzdatSkusku->isEnabled());
        QVERIFY(!h->mmItmVysledkyTriedy->isEnabled());

        // the name stays as the exam ended
        h->dbTxtMenoUzivatelaClick();
        QVERIFY(!h->dbEdtMenoUzivatela->isVisibleTo(h.get()));
        h->dbEdtMenoUzivatela->setText(QStringLiteral("Niekto iný"));
        h->dbEdtMenoUzivatelaExit();
        QVERIFY(h->dbEdtMenoUzivatela->isReadOnly());
        QCOMPARE(h->tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")),
                 QStringLiteral("Jana Nováková/3.A"));
        h->close();
        spustit();
        QVERIFY(h->dbEdtMenoUzivatela->isReadOnly());
        h->dbTxtMenoUzivatelaClick();
        QVERIFY(h->dbTxtMenoUzivatela->isVisibleTo(h.get()));
        QVERIFY(!h->dbEdtMenoUzivatela->isVisibleTo(h.get()));

        // the hand-in
        const QString odovzdana = agenda->file(QStringLiteral("Skuska - Jana Nováková_3.A.mdb"));
        dialogs->messages.clear();
        dialogs->files = {odovzdana};
        h->mmItmOdovzdatSkusku->trigger();
        // the lines left without accounts in the same message, and the scoring that follows
        // the reconnection tells nothing more
        QTest::qWait(1300); // past the clock's next tick, which scores again
        QCOMPARE(h->pnlVysledky->txtHlavnaKniha->text(),
                 QStringLiteral("nebolo možné vygenerovať"));
        QCOMPARE(dialogs->texts(),
                 QStringList{QStringLiteral("Odovzdanie skúšky prebehlo úspešne!\nSúbor: ") +
                             QDir::toNativeSeparators(odovzdana) +
                             QStringLiteral("\n\nNeboli vyplnené predkontácie v riadkoch: 1, 2, "
                                            "7, 123, 1234.\nHlavnú knihu preto nebolo možné "
                                            "vygenerovať.")});
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Information);
        QCOMPARE(dialogs->last().caption, QStringLiteral("Odovzdanie skúšky"));
        QVERIFY(dialogs->proposedPaths.constLast().endsWith(
            QStringLiteral("/Skuska - Jana Nováková_3.A.mdb")));
        QVERIFY(kontrolaDatabazy(odovzdana));
        {
            Connection c;
            c.open(odovzdana);
            QCOMPARE(riadky(c, QStringLiteral("SELECT MenoUzivatela, SkuskaKoniec <> '' FROM "
                                              "AgendaNastavenie ORDER BY rowid LIMIT 1;")),
                     QStringList{"Jana Nováková/3.A|1"});
        }
        QCOMPARE(h->store().path(), agenda->path());
        QVERIFY(h->mmItmOdovzdatSkusku->isEnabled());
        // with every line's accounts filled in, the outcome alone
        h->SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = (SELECT v.MaDat FROM "
                              "UctovnyDennikVzor v WHERE v.Riadok = UctovnyDennik.Riadok), Dal = "
                              "(SELECT v.Dal FROM UctovnyDennikVzor v WHERE v.Riadok = "
                              "UctovnyDennik.Riadok);"));
        dialogs->messages.clear();
        dialogs->files = {odovzdana};
        h->mmItmOdovzdatSkusku->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(h->pnlVysledky->txtHlavnaKniha->text().startsWith(u"zodpovedá"),
                                 3000);
        QCOMPARE(dialogs->texts(), QStringList{"Odovzdanie skúšky prebehlo úspešne!"});
        // cancelled, and the backup still proposes its own name
        dialogs->messages.clear();
        h->mmItmOdovzdatSkusku->trigger();
        QCOMPARE(dialogs->texts(), QStringList{"Odovzdanie skúšky nebolo vykonané!"});
        h->mmItmZalohovat->trigger();
        QVERIFY(dialogs->proposedPaths.constLast().endsWith(QStringLiteral("/Zaloha")));
        QCOMPARE(dialogs->last().text, QStringLiteral("Zálohovanie nebolo vykonané!"));
    }

    // An exam that ended here cannot be taken again from a copy: neither from a backup taken
    // while it ran nor from the exam file itself. Each is ended at once and marked; the
    // hand-in's seal catches every field edited outside the program.
    void reopenedCopiesAndTheSeal() {
        const QString zaloha = agenda->file(QStringLiteral("Zaloha.mdb"));
        const QString odovzdana = agenda->file(QStringLiteral("Odovzdana.mdb"));
        vygenerovat();
        obnovitSkusku();
        h->dbEdtMenoUzivatela->setText(QStringLiteral("Eva"));
        h->TimerTimer();
        const QString zaciatok = h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZaciatok"));
        // a backup of the running exam stays allowed, the hand-in is not offered yet
        dialogs->files = {zaloha};
        h->mmItmZalohovat->trigger();
        QCOMPARE(dialogs->last().text, QStringLiteral("Zálohovanie prebehlo úspešne!"));
        QVERIFY(!h->mmItmOdovzdatSkusku->isEnabled());
        QVERIFY(h->Timer->isActive());
        QVERIFY(!QFileInfo::exists(skuska::ukoncene::subor()));
        dialogs->answers = {QMessageBox::Yes};
        h->KoniecSkusky();
        h->TimerTimer();
        QVERIFY(skuska::ukoncene::subor().startsWith(agenda->dir()));
        QVERIFY(QFileInfo::exists(skuska::ukoncene::subor()));
        dialogs->files = {odovzdana};
        h->mmItmOdovzdatSkusku->trigger();
        QVERIFY(
            dialogs->last().text.startsWith(QStringLiteral("Odovzdanie skúšky prebehlo úspešne!")));

        // the backup taken mid-exam, and the exam file never started: each refused
        const QString odmietnutie = QStringLiteral("Táto skúška už na tomto počítači skončila");
        QStringList znovu;
        for (const QString& kopia : {zaloha, skuska()}) {
            dialogs->messages.clear();
            dialogs->files = {kopia};
            dialogs->answers = {QMessageBox::Yes};
            h->mmItmObnovit->trigger();
            // after the restore's own question, the refusal
            QVERIFY2(dialogs->texts().value(1).startsWith(odmietnutie),
                     qPrintable(dialogs->texts().join(u'|')));
            QCOMPARE(dialogs->messages.value(1).caption, QStringLiteral("Chyba"));
            QVERIFY(!h->tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty());
            QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:00"));
            h->TimerTimer();
            QVERIFY(!dialogs->texts().contains(Koniec));
            QVERIFY(h->pnlVysledky->isVisibleTo(h.get()));
            QVERIFY(h->mmItmOdovzdatSkusku->isEnabled());
            znovu << agenda->file(QStringLiteral("Znovu%1.mdb").arg(znovu.size()));
            dialogs->files = {znovu.constLast()};
            h->mmItmOdovzdatSkusku->trigger();
            QVERIFY(dialogs->last().text.startsWith(
                QStringLiteral("Odovzdanie skúšky prebehlo úspešne!")));
        }
        {
            Connection c;
            c.open(znovu[0]);
            QCOMPARE(riadky(c, QStringLiteral("SELECT SkuskaZaciatok FROM AgendaNastavenie ORDER "
                                              "BY rowid LIMIT 1;")),
                     QStringList{zaciatok});
            QVERIFY(!skuska::nacitatZaznam(c).znovuOtvorena.isEmpty());
        }

        // the class table: the honest hand-in passes, the reopened ones are marked
        const trieda::Vzor vzor = trieda::nacitatVzor(skuska());
        QVERIFY(vzor.sPecatou);
        QCOMPARE(trieda::vyhodnotitSubor(odovzdana, vzor).stav, trieda::Stav::Dokoncena);
        for (const QString& f : znovu) {
            const trieda::Vysledok v = trieda::vyhodnotitSubor(f, vzor);
            QCOMPARE(v.stav, trieda::Stav::ZnovuOtvorena);
            QCOMPARE(trieda::text(v, trieda::sStav, vzor.dlzka), QStringLiteral("znovu otvorená"));
        }

        // the seal: every field edited outside the program is caught
        const QStringList upravy = {
            QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '01.01.2030 10:00:00' "
                           "WHERE rowid = (SELECT MIN(rowid) FROM AgendaNastavenie);"),
            QStringLiteral("UPDATE AgendaNastavenie SET SkuskaZaciatok = '01.01.2030 09:00:00' "
                           "WHERE rowid = (SELECT MIN(rowid) FROM AgendaNastavenie);"),
            QStringLiteral("UPDATE AgendaNastavenie SET MenoUzivatela = 'Jana' WHERE rowid = "
                           "(SELECT MIN(rowid) FROM AgendaNastavenie);"),
            QStringLiteral("UPDATE UctovnyDennik SET Suma = '250,50' WHERE Riadok = 2;"),
            QStringLiteral("UPDATE UctovnyDennik SET MaDat = '501  ' WHERE Riadok = 2;"),
            QStringLiteral("DELETE FROM AgendaNastavenie WHERE Verzia = 'Skuska';"),
        };
        for (int i = 0; i < upravy.size(); ++i) {
            const QString f = agenda->file(QStringLiteral("Upravena%1.mdb").arg(i));
            QVERIFY(QFile::copy(odovzdana, f));
            vykonat(f, upravy[i]);
            const trieda::Vysledok v = trieda::vyhodnotitSubor(f, vzor);
            QVERIFY2(v.stav == trieda::Stav::UpravenySubor, qPrintable(upravy[i]));
            QCOMPARE(trieda::text(v, trieda::sStav, vzor.dlzka), QStringLiteral("upravený súbor"));
        }
        // a practice file is never an exam result, even sealed as the program seals it
        const QString cvicenie = agenda->file(QStringLiteral("Cvicenie.mdb"));
        QVERIFY(QFile::copy(odovzdana, cvicenie));
        {
            Connection c;
            c.open(cvicenie);
            skuska::Zaznam z = skuska::nacitatZaznam(c);
            z.cvicenie = true;
            z.kontroly = 4;
            skuska::zapisatZaznam(c, z);
            skuska::zapecatit(c);
        }
        const trieda::Vysledok v = trieda::vyhodnotitSubor(cvicenie, vzor);
        QCOMPARE(v.stav, trieda::Stav::Cvicenie);
        QCOMPARE(v.kontroly, 4);
        QCOMPARE(trieda::text(v, trieda::sStav, vzor.dlzka), QStringLiteral("cvičenie"));
        QVERIFY(trieda::text(v, trieda::sUpozornenia, vzor.dlzka)
                    .contains(QStringLiteral("kontroly: 4")));
    }

    // Practice: the check marks exactly the wrong rows, shows no sample value anywhere, and a
    // mark goes when its row is edited; the checks used are counted in the results.
    void practiceMarks() {
        dialogs->files = {skuska()};
        naDalsieOkno([](QDialog* d) {
            auto* okno = qobject_cast<TfrmSkuska*>(d);
            QVERIFY(okno);
            okno->chbCvicenie->setChecked(true);
            for (int i = 0; i < okno->CheckListBox->count(); ++i) {
                const qint64 r = okno->CheckListBox->item(i)->data(Qt::UserRole).toLongLong();
                if (r == 2 || r == 1234)
                    okno->CheckListBox->item(i)->setCheckState(Qt::Checked);
            }
            okno->btnOK->click();
        });
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, Uspech);
        obnovitSkusku();
        // right: 1, 2 (computed right), 7; wrong: 123 (one account), 1234 (accounts, amount)
        for (const char* u : {"MaDat = '112  ', Dal = '321  ' WHERE Riadok = 1",
                              "MaDat = '501  ', Dal = '112  ', Suma = '250,50' WHERE Riadok = 2",
                              "MaDat = '211  ', Dal = '221  ' WHERE Riadok = 7",
                              "MaDat = '311  ', Dal = '221  ' WHERE Riadok = 123",
                              "MaDat = '518  ', Dal = '518  ', Suma = '99,00' WHERE Riadok = 1234"})
            sql(QStringLiteral("UPDATE UctovnyDennik SET ") + QString::fromUtf8(u) + u';');
        auto okno = std::make_unique<TfrmUctovnyDennik>(*h);
        okno->show();
        QVERIFY(okno->btnSkontrolovat->isVisible());
        okno->btnSkontrolovat->click();
        QCOMPARE(okno->oznaceneRiadky(), (QList<qint64>{123, 1234}));
        QCOMPARE(okno->lblNespravne->text(), QStringLiteral("Nesprávne riadky: 2 z 5"));
        QAbstractItemModel* m = okno->DBGrid->model();
        QStringList znacky;
        for (int r = 0; r < m->rowCount(); ++r)
            znacky << QStringLiteral("%1:%2").arg(m->index(r, 0).data().toString(),
                                                  m->index(r, 3).data(Qt::UserRole + 41).toBool()
                                                      ? QStringLiteral("x")
                                                      : QStringLiteral("-"));
        QCOMPARE(znacky, (QStringList{"1:-", "2:-", "7:-", "123:x", "1234:x"}));
        // the mark stands before the number, both whole; the count is shown whole
        const int ikona = okno->DBGrid->style()->pixelMetric(QStyle::PM_SmallIconSize);
        QVERIFY(okno->DBGrid->columnWidth(0) >=
                ikona + okno->DBGrid->fontMetrics().horizontalAdvance(QStringLiteral("1234")) + 6);
        QVERIFY(okno->lblNespravne->width() >=
                okno->lblNespravne->fontMetrics().horizontalAdvance(okno->lblNespravne->text()));
        if (qEnvironmentVariableIsSet("SALDOVIA_SNIMKA"))
            okno->grab().save(qEnvironmentVariable("SALDOVIA_SNIMKA"));

        // no sample value of a wrong row anywhere: the computed amount, and the accounts of
        // row 1234 in the journal's own texts
        QStringList texty;
        for (QWidget* w : QApplication::allWidgets()) {
            for (const char* p : {"text", "toolTip", "statusTip", "whatsThis", "windowTitle",
                                  "placeholderText", "currentText"})
                texty << w->property(p).toString();
            if (auto* cb = qobject_cast<QComboBox*>(w))
                for (int i = 0; i < cb->count(); ++i)
                    texty << cb->itemText(i);
            if (auto* v = qobject_cast<QAbstractItemView*>(w); v && v->model())
                for (int r = 0; r < v->model()->rowCount(); ++r)
                    for (int k = 0; k < v->model()->columnCount(); ++k)
                        for (int role :
                             {int(Qt::DisplayRole), int(Qt::EditRole), int(Qt::ToolTipRole),
                              int(Qt::StatusTipRole), int(Qt::UserRole)})
                            texty << v->model()->index(r, k).data(role).toString();
        }
        QVERIFY(texty.size() > 50);
        for (const QString& t : texty)
            QVERIFY2(!t.contains(QStringLiteral("10,00")), qPrintable(t));
        QStringList riadok1234;
        for (int k = 0; k < m->columnCount(); ++k)
            for (int role : {int(Qt::DisplayRole), int(Qt::ToolTipRole), int(Qt::UserRole)})
                riadok1234 << m->index(4, k).data(role).toString();
        QVERIFY(!riadok1234.join(u'|').contains(QStringLiteral("568")));

        // an edited row loses its mark, the other keeps it
        sql(QStringLiteral("UPDATE UctovnyDennik SET Suma = '98,00' WHERE Riadok = 1234;"));
        okno->NastavitZoznam();
        QCOMPARE(okno->oznaceneRiadky(), QList<qint64>{123});
        QVERIFY(!m->index(4, 0).data(Qt::UserRole + 41).toBool());
        QVERIFY(m->index(3, 0).data(Qt::UserRole + 41).toBool());
        okno->btnSkontrolovat->click();
        okno.reset();

        dialogs->answers = {QMessageBox::Yes};
        h->KoniecSkusky();
        h->TimerTimer();
        QVERIFY(h->pnlVysledky->txtKontroly->isVisibleTo(h.get()));
        QCOMPARE(h->pnlVysledky->txtKontroly->text(),
                 QStringLiteral("cvičenie, použité kontroly: 2"));
        // after the end there is nothing to check
        TfrmUctovnyDennik po(*h);
        QVERIFY(!po.btnSkontrolovat->isVisibleTo(&po));
    }

    // The comparison marks each of the student's values that differs from the sample: bold in
    // a red box; agreeing values stay plain.
    void comparisonMarksTheMistakes() {
        vygenerovat();
        obnovitSkusku();
        h->SQL(QStringLiteral(
            "UPDATE UctovnyDennik SET MaDat = (SELECT MaDat FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok), Dal = (SELECT Dal FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok), Suma = (SELECT Suma FROM UctovnyDennikVzor v "
            "WHERE v.Riadok = UctovnyDennik.Riadok);"
            "UPDATE UctovnyDennik SET Dal = '325  ' WHERE Riadok = 1;"
            "UPDATE UctovnyDennik SET Suma = '250,5' WHERE Riadok = 2;" // the same amount
            "UPDATE UctovnyDennik SET Suma = '11,00', MaDat = '568' WHERE Riadok = 1234;"));
        dialogs->answers = {QMessageBox::Yes};
        h->KoniecSkusky();
        h->TimerTimer();
        const QList<ReportPage> pages = podrobnosti();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages.constFirst();
        QCOMPARE(p.findAll(QStringLiteral("qrShpChybaDal")).size(), 1);
        QCOMPARE(p.findAll(QStringLiteral("qrShpChybaMaDat")).size(), 1);
        QCOMPARE(p.findAll(QStringLiteral("qrShpChybaSuma")).size(), 1);
        auto tucne = [&p](const char* pole) {
            QStringList t;
            for (const ReportItem* i : p.findAll(QLatin1String(pole)))
                t << (i->font.bold() ? QStringLiteral("B") : QStringLiteral("-"));
            return t.join(QString());
        };
        QCOMPARE(tucne("qrDbTxtSkuskaDal"), QStringLiteral("B----"));
        QCOMPARE(tucne("qrDbTxtSkuskaMaDat"), QStringLiteral("----B"));
        QCOMPARE(tucne("qrDbTxtSkuskaSuma"), QStringLiteral("----B"));
        QCOMPARE(tucne("qrDbTxtSuma"), QStringLiteral("-----"));
        // each box lies around its value
        const ReportItem* box = p.find(QStringLiteral("qrShpChybaSuma"));
        const ReportItem* suma = p.findAll(QStringLiteral("qrDbTxtSkuskaSuma")).constLast();
        QVERIFY(box->rect.contains(suma->rect.center()));
        QCOMPARE(suma->text, QStringLiteral("11,00"));
    }

    // A finished exam shows its results after the first tick, also after a restart, when the
    // ledger cannot be built, and the comparison prints the sample rows under the student's.
    void resultsAfterTheFirstTick() {
        vygenerovat();
        obnovitSkusku();
        const QString zaciatok = h->tblAgendaNastavenie().text(QStringLiteral("SkuskaZaciatok"));
        // the student's work: all assigned but row 1's credit, row 2's amount wrong
        h->SQL(QStringLiteral(
            "UPDATE UctovnyDennik SET MaDat = (SELECT MaDat FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok), Dal = (SELECT Dal FROM UctovnyDennikVzor v WHERE "
            "v.Riadok = UctovnyDennik.Riadok);"
            "UPDATE UctovnyDennik SET Dal = '325  ' WHERE Riadok = 1;"
            "UPDATE UctovnyDennik SET Suma = '250,00' WHERE Riadok = 2;"
            "UPDATE UctovnyDennik SET Suma = '10,00' WHERE Riadok = 1234;"));
        h->dbEdtMenoUzivatela->setText(QStringLiteral("Eva"));
        h->dbEdtMenoUzivatelaExit();
        dialogs->messages.clear();
        dialogs->answers = {QMessageBox::Yes};
        h->KoniecSkusky();
        QVERIFY(!h->pnlVysledky->isVisibleTo(h.get()));
        h->TimerTimer();
        QCOMPARE(dialogs->texts(), QStringList({"Naozaj chcete skúšku ukončiť?", Koniec}));
        QVERIFY(h->pnlVysledky->isVisibleTo(h.get()));
        QVERIFY(h->pnlVysledky->btnPodrobnosti->isVisibleTo(h.get()));
        QCOMPARE(h->pnlVysledky->txtZaciatok->text(), zaciatok);
        QCOMPARE(h->pnlVysledky->txtKoniec->text(),
                 h->tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")));
        QVERIFY(!h->pnlVysledky->txtKoniec->text().isEmpty());
        QCOMPARE(h->pnlVysledky->txtPredkontacie->text(),
                 QStringLiteral("9 z 10 správne, úspešnosť: 90,00%"));
        QCOMPARE(h->pnlVysledky->txtVypocty->text(),
                 QStringLiteral("1 z 2 správne, úspešnosť: 50,00%"));
        // 211, 221 and 568 agree; 112, 321 and 501 do not; 325 is not in the sample: 3 of 7
        QCOMPARE(h->pnlVysledky->txtHlavnaKniha->text(), QStringLiteral("zodpovedá na 42,86%"));
        // the list keeps the space above the results
        QVERIFY(h->ListView->geometry().bottom() < h->pnlVysledky->geometry().top());

        // the comparison printout, with a row the student deleted
        h->SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 7;"));
        const QList<ReportPage> pages = podrobnosti();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages.constFirst();
        QCOMPARE(p.find(QStringLiteral("qrLblNazovDokladu"))->text,
                 QStringLiteral("Účtovný denník - Skúška"));
        QCOMPARE(p.find(QStringLiteral("qrLblCisloDokladu"))->text, QStringLiteral("2006"));
        QCOMPARE(p.find(QStringLiteral("qrLblPolozkyUctovnehoDennika"))->text,
                 QStringLiteral("Položky účtovného denníka:"));
        QVERIFY(p.find(QStringLiteral("qrLblMenoDatum"))->text.startsWith(u"Eva, "));
        QStringList nadpisy;
        for (const char* pole : {"Riadok", "Datum", "Doklad", "Popis", "Suma", "MaDat", "Dal"}) {
            const ReportItem* n = p.find(QStringLiteral("qrLbl") + QLatin1String(pole));
            QVERIFY(n && n->font.italic());
            nadpisy << n->text;
        }
        QCOMPARE(nadpisy,
                 QStringList({"Riadok", "Dátum", "Doklad", "Popis", "Suma", "Má dať", "Dal"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtRiadok")),
                 QStringList({"1", "2", "7", "123", "1234"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSkuskaSuma")),
                 QStringList({"1000,00", "250,00", "", "123,45", "10,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSkuskaDal")),
                 QStringList({"325  ", "112  ", "", "221  ", "221  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSuma")),
                 QStringList({"1000,00", "250,50", "5000,00", "123,45", "10,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtMaDat")),
                 QStringList({"112  ", "501  ", "211  ", "321  ", "568  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDal")),
                 QStringList({"321  ", "112  ", "221  ", "221  ", "221  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrLblSpravneUdaje")),
                 QStringList(5, QStringLiteral("Správne údaje:")));
        // the caption ends before the amount column, under the student's amount
        const ReportItem* spravne = p.find(QStringLiteral("qrLblSpravneUdaje"));
        const ReportItem* suma = p.find(QStringLiteral("qrDbTxtSuma"));
        const ReportItem* sumaSkusky = p.find(QStringLiteral("qrDbTxtSkuskaSuma"));
        QVERIFY(spravne->font.italic());
        QVERIFY(spravne->rect.right() <= suma->rect.left());
        QVERIFY(suma->rect.top() >= sumaSkusky->rect.bottom());
        QCOMPARE(suma->rect.left(), sumaSkusky->rect.left());
        QVERIFY(suma->alignment & Qt::AlignRight);
        QVERIFY(p.find(QStringLiteral("qrDbTxtDal"))->alignment & Qt::AlignHCenter);
        QVERIFY(p.find(QStringLiteral("qrLblPodpis")));
        h->SQL(QStringLiteral("INSERT INTO UctovnyDennik SELECT Riadok, Datum, Doklad, Ciastka, "
                              "Mena, Kurz, Suma, Popis, MaDat, Dal FROM UctovnyDennikVzor WHERE "
                              "Riadok = 7;"));

        // restarted: no message, the results again after the first tick; a line without an
        // account leaves the ledger unscored after the build's own message
        h->SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '' WHERE Riadok = 7;"));
        h->close();
        dialogs->messages.clear();
        spustit();
        QCOMPARE(h->StatusBar->panel(3), QStringLiteral("0:00:00"));
        QVERIFY(!h->pnlVysledky->isVisibleTo(h.get()));
        h->TimerTimer();
        QCOMPARE(dialogs->texts(),
                 QStringList{"Neboli vyplnené všetky predkontácie!\n\nZoznam chybných riadkov: 7"});
        QVERIFY(h->pnlVysledky->isVisibleTo(h.get()));
        QCOMPARE(h->pnlVysledky->txtPredkontacie->text(),
                 QStringLiteral("8 z 10 správne, úspešnosť: 80,00%"));
        QCOMPARE(h->pnlVysledky->txtVypocty->text(),
                 QStringLiteral("1 z 2 správne, úspešnosť: 50,00%"));
        QCOMPARE(h->pnlVysledky->txtHlavnaKniha->text(),
                 QStringLiteral("nebolo možné vygenerovať"));
        QCOMPARE(h->pnlVysledky->txtZaciatok->text(), zaciatok);

        // a sample without rows prints no page
        h->SQL(QStringLiteral("DELETE FROM UctovnyDennikVzor;"));
        BandedReport prazdna = TfrmUctovnyDennikSkuska::zostava(h->store(), h->uctovnyRok());
        QVERIFY(prazdna.layout().isEmpty());
    }
};

SALDOVIA_GUI_TEST_MAIN(TestSkuska)
#include "test_skuska.moc"
