#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "edits/DruhyDokladov.h"
#include "settings/Agendaprisposobenie.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace saldovia;

namespace {

// The stored row of a kind as "prefix|document title|list title"; "" when there is none.
QString druh(TfrmHlavny& h, const QString& kod) {
    h.SQL(QStringLiteral("SELECT Prefix || '|' || Doklad || '|' || Zoznam AS Riadok FROM "
                         "AgendaPrisposobenie WHERE Kod = '%1';")
              .arg(kod));
    return h.ADOQuery().text(QStringLiteral("Riadok"));
}

} // namespace

class TestPrisposobenie : public TestOkien {
    Q_OBJECT

    std::unique_ptr<TfrmHlavny> spustit(const QString& sql = {}) {
        return spustitHlavne(
            *agenda,
            QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"
                           "INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('FV', 'FV0601', "
                           "0);") +
                sql);
    }

    static TfrmAgendaPrisposobenie* okno(TfrmHlavny& h) {
        return ukazat<TfrmAgendaPrisposobenie>(h);
    }

    static void zvolit(TfrmAgendaPrisposobenie* w, const QString& kod) {
        w->cbKod->setCurrentIndex(w->cbKod->findText(kod));
    }

private slots:

    void openingAndChoosingKinds() {
        auto h = spustit();
        QString meno;
        zatvoritDalsieOkno(&meno);
        h->mmItmPrisposobenie->trigger();
        QCOMPARE(meno, QStringLiteral("TfrmAgendaPrisposobenie"));
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));

        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        QStringList kody;
        for (int i = 0; i < w->cbKod->count(); ++i)
            kody << w->cbKod->itemText(i);
        QCOMPARE(kody, QStringList({"BV", "FP", "FV", "ID", "PP", "PV", "SP", "SR", "SV"}));
        QCOMPARE(w->cbKod->currentIndex(), -1);
        for (QLineEdit* e : {w->lblEdtPrefix, w->lblEdtDoklad, w->lblEdtZoznam}) {
            QVERIFY(e->text().isEmpty());
            QVERIFY(!e->isEnabled());
        }
        QVERIFY(w->btnUlozit->isEnabled());

        // a kind with documents is shown read-only, one without can be edited
        zvolit(w, QStringLiteral("FV"));
        QCOMPARE(w->lblEdtPrefix->text(), QStringLiteral("FV"));
        QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Vystavená faktúra"));
        QCOMPARE(w->lblEdtZoznam->text(), QStringLiteral("Vystavené faktúry"));
        QVERIFY(!w->lblEdtPrefix->isEnabled());
        QVERIFY(!w->lblEdtZoznam->isEnabled());
        zvolit(w, QStringLiteral("ID"));
        QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Interný doklad"));
        QVERIFY(w->lblEdtPrefix->isEnabled());
        QVERIFY(w->lblEdtDoklad->isEnabled());
        QVERIFY(w->lblEdtZoznam->isEnabled());
        QCOMPARE(w->lblEdtPrefix->maxLength(), 2);
        QVERIFY(dialogs->messages.isEmpty());
    }

    void checksInTheirOrder() {
        auto h = spustit();
        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        const QStringList povodne = [&] {
            QStringList r;
            for (const char* k : {"BV", "FP", "FV", "ID", "PP", "PV", "SP", "SR", "SV"})
                r << druh(*h, QString::fromLatin1(k));
            return r;
        }();
        auto skontrolovat = [&](const QString& text, const QString& caption, QWidget* fokus) {
            dialogs->messages.clear();
            w->btnUlozit->click();
            QCOMPARE(dialogs->texts(), QStringList{text});
            QCOMPARE(dialogs->last().caption, caption);
            QCOMPARE(dialogs->last().icon, caption == QLatin1String("Chyba")
                                               ? DialogService::Icon::Critical
                                               : DialogService::Icon::Warning);
            QCOMPARE(w->focusWidget(), fokus);
        };
        skontrolovat(QStringLiteral("Najskôr musíte zvoliť Kód dokladu!"),
                     QStringLiteral("Upozornenie"), w->cbKod);

        zvolit(w, QStringLiteral("ID"));
        prepisat(w->lblEdtPrefix, {});
        prepisat(w->lblEdtDoklad, {});
        prepisat(w->lblEdtZoznam, {});
        skontrolovat(QStringLiteral("Prefix nebol zadaný!"), QStringLiteral("Chyba"),
                     w->lblEdtPrefix);
        prepisat(w->lblEdtPrefix, QStringLiteral("FV")); // another kind's prefix
        skontrolovat(QStringLiteral("Názov dokladu nebol zadaný!"), QStringLiteral("Chyba"),
                     w->lblEdtDoklad);
        prepisat(w->lblEdtDoklad, QStringLiteral("Doklad"));
        skontrolovat(QStringLiteral("Nadpis dokladu nebol zadaný!"), QStringLiteral("Chyba"),
                     w->lblEdtZoznam);
        prepisat(w->lblEdtZoznam, QStringLiteral(" "));
        skontrolovat(QStringLiteral("Zadaný Prefix sa už používa!"), QStringLiteral("Chyba"),
                     w->lblEdtPrefix);
        // nothing was written and the typed texts stay
        QCOMPARE(w->cbKod->currentText(), QStringLiteral("ID"));
        QCOMPARE(w->lblEdtPrefix->text(), QStringLiteral("FV"));
        QCOMPARE(w->lblEdtZoznam->text(), QStringLiteral(" "));
        for (int i = 0; i < povodne.size(); ++i)
            QCOMPARE(druh(*h, w->cbKod->itemText(i)), povodne[i]);
    }

    void savingReplacesTheKindsRow() {
        auto h = spustit();
        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        zvolit(w, QStringLiteral("ID"));
        prepisat(w->lblEdtPrefix, QStringLiteral("I")); // one character is enough
        prepisat(w->lblEdtDoklad, QStringLiteral("Doklad firmy O'Brien"));
        prepisat(w->lblEdtZoznam, QStringLiteral("Doklady 'vnútorné'"));
        w->btnUlozit->click();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(druh(*h, QStringLiteral("ID")),
                 QStringLiteral("I|Doklad firmy O'Brien|Doklady 'vnútorné'"));
        QCOMPARE(h->SQL(QStringLiteral("SELECT Kod FROM AgendaPrisposobenie;")),
                 static_cast<int>(druhyDokladov().size()));
        // the selection and the edits are cleared
        QCOMPARE(w->cbKod->currentIndex(), -1);
        for (QLineEdit* e : {w->lblEdtPrefix, w->lblEdtDoklad, w->lblEdtZoznam}) {
            QVERIFY(e->text().isEmpty());
            QVERIFY(!e->isEnabled());
        }

        // its own unchanged prefix passes the check; a kind with documents writes back
        zvolit(w, QStringLiteral("ID"));
        QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Doklad firmy O'Brien"));
        w->btnUlozit->click();
        zvolit(w, QStringLiteral("FV"));
        w->btnUlozit->click();
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(druh(*h, QStringLiteral("FV")),
                 QStringLiteral("FV|Vystavená faktúra|Vystavené faktúry"));
        QCOMPARE(druh(*h, QStringLiteral("ID")),
                 QStringLiteral("I|Doklad firmy O'Brien|Doklady 'vnútorné'"));
    }

    void perCentSignsInTitlesAndPrefixesAreStoredAsTyped() {
        auto h = spustit();
        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        const QStringList texty{QStringLiteral("Zľava 5%2 'test'"),
                                QStringLiteral("%1"),
                                QStringLiteral("%2"),
                                QStringLiteral("%L1"),
                                QStringLiteral("%%"),
                                QStringLiteral("%")};
        for (qsizetype i = 0; i < texty.size(); ++i) {
            const QString& t = texty[i];
            const QString prefix = QString(t.left(2)).leftJustified(2, u'x');
            zvolit(w, QStringLiteral("ID"));
            prepisat(w->lblEdtPrefix, prefix);
            prepisat(w->lblEdtDoklad, t);
            prepisat(w->lblEdtZoznam, QStringLiteral("%2 ") + t);
            w->btnUlozit->click();
            QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(u'|')));
            QCOMPARE(druh(*h, QStringLiteral("ID")),
                     prefix + u'|' + t + QStringLiteral("|%2 ") + t);
        }
    }

    void failedInsertKeepsTheKind() {
        auto h = spustit();
        // from now on the engine refuses one list title
        vykonat(agenda->path(),
                QStringLiteral("CREATE TABLE Nove (Kod TEXT PRIMARY KEY, Prefix TEXT, Doklad "
                               "TEXT, Zoznam TEXT CHECK (Zoznam <> 'Zlé')); INSERT INTO Nove "
                               "SELECT * FROM AgendaPrisposobenie; DROP TABLE AgendaPrisposobenie; "
                               "ALTER TABLE Nove RENAME TO AgendaPrisposobenie;"));
        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        zvolit(w, QStringLiteral("SP"));
        prepisat(w->lblEdtZoznam, QStringLiteral("Zlé"));
        w->btnUlozit->click();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(druh(*h, QStringLiteral("SP")), QStringLiteral("SP|Príjemka|Príjemky"));
        QCOMPARE(w->lblEdtZoznam->text(), QStringLiteral("Zlé"));
    }

    void finishedExamOnlyShows() {
        auto h = spustit(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '12.05.2006 "
                                        "10:00:00';"));
        QPointer<TfrmAgendaPrisposobenie> w = okno(*h);
        QVERIFY(!w->btnUlozit->isEnabled());
        zvolit(w, QStringLiteral("PP"));
        QCOMPARE(w->lblEdtDoklad->text(), QStringLiteral("Príjmový pokladničný doklad"));
        w->btnZavriet->click();
        QVERIFY(!w->isVisible());
    }
};

SALDOVIA_GUI_TEST_MAIN(TestPrisposobenie)
#include "test_prisposobenie.moc"
