#include "TestAgenda.h"

#include "edits/DruhyDokladov.h"
#include "edits/IdentitaFirmy.h"
#include "edits/RelaciaDokladu.h"
#include "edits/Upravy.h"
#include "store/Store.h"

#include <QTest>

using namespace saldovia;

// The named edits of the core, on a fresh agenda and without any window.
class TestUpravy : public TestUlozenia {
    Q_OBJECT

    int pocet(const QString& sql) {
        store->SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM ") + sql);
        return static_cast<int>(store->ADOQuery.integer(QStringLiteral("Pocet")));
    }
    // Document `cislo` with one line (two postings) and a header with company `firma`.
    void doklad(const QString& cislo, int riadok, const QString& firma = QStringLiteral("Firma")) {
        store->SQL(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Datum, Popis, NazovFirmy, "
                                  "Logo) VALUES ('FV', '%1', '05.01.2026', 'Predaj', '%2', 0);")
                       .arg(cislo, firma));
        store->SQL(QStringLiteral("INSERT INTO DokladyPolozky (Cislo, Doklad, Riadok, RiadokDPH, "
                                  "SadzbaDPH, Popis, Cena) VALUES (1, '%1', %2, %3, '20', 'Tovar', "
                                  "'120,00');")
                       .arg(cislo)
                       .arg(riadok)
                       .arg(riadok + 1));
        for (int r : {riadok, riadok + 1})
            upravy::zapisatRiadokDennika(
                *store, QStringLiteral("UctovnyDennik"),
                {r, QStringLiteral("05.01.2026"), cislo, QStringLiteral("100,00"),
                 QStringLiteral("SKK"), QStringLiteral("1,000"), QStringLiteral("100,00"),
                 QStringLiteral("Predaj"), QStringLiteral("311  "), QStringLiteral("604  ")});
    }

private slots:

    void removingADocumentTakesItsLinesAndPostingsOnly() {
        doklad(QStringLiteral("FV0601"), 1);
        doklad(QStringLiteral("FV0602"), 3);
        upravy::odstranitDoklad(*store, QStringLiteral("FV0601"));
        QCOMPARE(pocet(QStringLiteral("Doklady WHERE Cislo = 'FV0601';")), 0);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozky WHERE Doklad = 'FV0601';")), 0);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik WHERE Doklad = 'FV0601';")), 0);
        QCOMPARE(pocet(QStringLiteral("Doklady;")), 1);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozky;")), 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik;")), 2);
    }

    void aJournalLineKeepsItsTextsAsTyped() {
        const QString popis = QStringLiteral("O'Brien %1 %2 – úhrada");
        upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                     {7, QStringLiteral("05.01.2026"), QStringLiteral("ID0601"),
                                      QStringLiteral("1,00"), QStringLiteral("%1"),
                                      QStringLiteral("1,000"), QStringLiteral("1,00"), popis,
                                      QStringLiteral("211  "), QStringLiteral("221  ")});
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennikPomocny WHERE Riadok = 7;")),
                 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), popis);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Mena")), QStringLiteral("%1"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Dal")), QStringLiteral("221  "));

        // Only the two journals take journal lines.
        upravy::RiadokDennika inde;
        inde.riadok = 8;
        QVERIFY_THROWS_EXCEPTION(
            DbError, upravy::zapisatRiadokDennika(*store, QStringLiteral("Doklady"), inde));
        QCOMPARE(pocet(QStringLiteral("Doklady;")), 0);
    }

    // The agenda's texts of a kind are read afresh each time; a kind it lacks has none.
    void theAgendasTextsOfAKind() {
        const upravy::TextyDruhu fv = upravy::textyDruhu(*store, QStringLiteral("FV"));
        QCOMPARE(fv.prefix, QStringLiteral("FV"));
        QCOMPARE(fv.doklad, QStringLiteral("Vystavená faktúra"));
        QCOMPARE(fv.zoznam, QStringLiteral("Vystavené faktúry"));
        store->SQL(QStringLiteral("SELECT 'ADOQuery' AS Stav;"));
        store->SQL(QStringLiteral(
            "UPDATE AgendaPrisposobenie SET Doklad = 'Iný O''Brien' WHERE Kod = 'ID';"));
        store->SQL(QStringLiteral("SELECT 'ADOQuery' AS Stav;"));
        QCOMPARE(upravy::textyDruhu(*store, QStringLiteral("ID")).doklad,
                 QStringLiteral("Iný O'Brien"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Stav")), QStringLiteral("ADOQuery"));
        QCOMPARE(upravy::textyDruhu(*store, QStringLiteral("X' OR '1'='1")).doklad, QString());
    }

    // The program's table of kinds and the agenda's factory rows name the same kinds; each
    // kind's editor and printout agree, the received kinds are the ones the agenda company
    // pays or buys with, and the cash kinds are the two cash documents.
    void theTableOfKinds() {
        QStringList vTabulke, vAgende, prijate, hotovostne;
        for (const DruhDokladu& d : druhyDokladov()) {
            vTabulke << d.kodText();
            QCOMPARE(druhDokladu(d.kodText()), &d);
            QVERIFY(d.editor == d.tlac);
            QVERIFY(!upravy::textyDruhu(*store, d.kodText()).doklad.isEmpty());
            if (d.prijaty)
                prijate << d.kodText();
            if (d.hotovost) {
                hotovostne << d.kodText();
                QVERIFY(d.skupina == SkupinaDruhov::Pokladna);
            }
        }
        const int n = store->SQL(QStringLiteral("SELECT Kod FROM AgendaPrisposobenie;"));
        for (int i = 0; i < n; ++i)
            vAgende << store->ADOQuery.rows().text(i, 0);
        vTabulke.sort();
        vAgende.sort();
        QCOMPARE(vTabulke, vAgende);
        QCOMPARE(prijate, (QStringList{"FP", "PV"}));
        QCOMPARE(hotovostne, (QStringList{"PP", "PV"}));
        QVERIFY(druhDokladu(QStringLiteral("FV"))->editor == Formular::Faktura);
        QVERIFY(druhDokladu(QStringLiteral("ID"))->editor == Formular::Jednoduchy);
        QVERIFY(!druhDokladu(QStringLiteral("XX")));
        QVERIFY(!druhDokladu(QString()));
    }

    // An invoice line in the scratch tables: replaced with its postings, a line without VAT
    // leaves no VAT posting behind, removed with both; other lines keep theirs.
    void anInvoiceLineIsReplacedAndRemovedWithItsPostings() {
        auto riadok = [](qint64 r, const QString& suma) {
            return upravy::RiadokDennika{r,
                                         QStringLiteral("05.01.2026"),
                                         QStringLiteral("FV0601"),
                                         suma,
                                         QStringLiteral("EUR"),
                                         QStringLiteral("1,000"),
                                         suma,
                                         QStringLiteral("O'Brien"),
                                         QStringLiteral("311  "),
                                         QStringLiteral("604  ")};
        };
        auto polozka = [](qint64 cislo, qint64 r) {
            return upravy::PolozkaFaktury{cislo,
                                          QStringLiteral("FV0601"),
                                          r,
                                          r + 1,
                                          QStringLiteral("20"),
                                          QStringLiteral("Tovar O'Brien"),
                                          QStringLiteral("120,00")};
        };
        upravy::nahraditPolozkuFaktury(*store, polozka(1, 1), riadok(1, QStringLiteral("100,00")),
                                       riadok(2, QStringLiteral("20,00")));
        upravy::nahraditPolozkuFaktury(*store, polozka(2, 3), riadok(3, QStringLiteral("50,00")),
                                       riadok(4, QStringLiteral("10,00")));
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 4);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM DokladyPolozkyPomocne WHERE Cislo = 1;")),
                 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("RiadokDPH")), QStringLiteral("2"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), QStringLiteral("Tovar O'Brien"));

        // replaced by a line without VAT: one line, one posting, no VAT line number
        upravy::nahraditPolozkuFaktury(*store, polozka(1, 1), riadok(1, QStringLiteral("80,00")),
                                       std::nullopt);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM DokladyPolozkyPomocne WHERE Cislo = 1;")),
                 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("RiadokDPH")), QString());
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny WHERE Riadok IN (1, 2);")), 1);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennikPomocny WHERE Riadok = 1;")),
                 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Suma")), QStringLiteral("80,00"));

        upravy::odstranitPolozkuFaktury(*store, 2);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne;")), 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 1);
        upravy::odstranitPolozkuFaktury(*store, 1);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne;")), 0);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 0);

        // a scratch journal line alone; the journal's line of that number stays
        doklad(QStringLiteral("FV0602"), 5);
        upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                     riadok(5, QStringLiteral("1,00")));
        upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                     riadok(6, QStringLiteral("1,00")));
        upravy::odstranitRiadokPomocny(*store, 5);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny WHERE Riadok = 6;")), 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik WHERE Riadok = 5;")), 1);
    }

    void theExamEndsOnceItsEndIsStored() {
        QVERIFY(!upravy::skuskaSkoncena(*store));
        store->SQL(QStringLiteral("UPDATE AgendaNastavenie SET SkuskaDlzka = '1:00:00', "
                                  "SkuskaZostatok = '0:00:00';"));
        store->tblAgendaNastavenie.open();
        QVERIFY(!upravy::skuskaSkoncena(*store)); // no time left, not yet recorded
        store->SQL(
            QStringLiteral("UPDATE AgendaNastavenie SET SkuskaKoniec = '05.01.2026 10:00:00';"));
        store->tblAgendaNastavenie.open();
        QVERIFY(upravy::skuskaSkoncena(*store));
        store->disconnectAgenda();
        QVERIFY(!upravy::skuskaSkoncena(*store));
    }

    void anAccountOfTheChart() {
        store->SQL(QStringLiteral("INSERT INTO UctovaOsnova (Cislo, Nazov, Povod, Druh) VALUES "
                                  "('21101', 'Pokladnica O''Brien', 'U', 'A');"));
        const auto u = upravy::ucetOsnovy(*store, QStringLiteral("21101"));
        QVERIFY(u);
        QCOMPARE(u->nazov, QStringLiteral("Pokladnica O'Brien"));
        QCOMPARE(u->povod, QStringLiteral("U"));
        QCOMPARE(u->druh, QStringLiteral("A"));
        const auto predefinovany = upravy::ucetOsnovy(*store, QStringLiteral("211"));
        QVERIFY(predefinovany);
        QCOMPARE(predefinovany->povod, QStringLiteral("P"));
        QVERIFY(!upravy::ucetOsnovy(*store, QStringLiteral("211' OR '1'='1")));
        QVERIFY(!upravy::ucetOsnovy(*store, QStringLiteral("99999")));
    }

    void theYearsRange() {
        const auto r = upravy::rozsahRoka(QStringLiteral("2026"));
        QVERIFY(r);
        QCOMPARE(r->first, QDate(2026, 1, 1));
        QCOMPARE(r->second, QDate(2026, 12, 31));
        QVERIFY(!upravy::rozsahRoka(QString()));
        QVERIFY(!upravy::rozsahRoka(QStringLiteral("dvadsať")));
    }

    void aSessionFillsTheScratchTablesAndEmptiesThemUnsaved() {
        doklad(QStringLiteral("FV0601"), 1);
        doklad(QStringLiteral("FV0602"), 3);
        {
            RelaciaDokladu r(*store, QStringLiteral("FV0601"), true);
            QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 2);
            QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne WHERE Doklad = 'FV0601';")), 1);
            QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne;")), 1);
            store->SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = 2;"));
        }
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 0);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne;")), 0);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik WHERE Doklad = 'FV0601';")), 2);
    }

    void aSessionSavesTheDocumentWholeAndEmptiesAfterAFailure() {
        doklad(QStringLiteral("FV0601"), 1);
        {
            RelaciaDokladu r(*store, QStringLiteral("FV0601"), true);
            store->SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = 2;"));
            RelaciaDokladu::Hlavicka h;
            h.pridat(QStringLiteral("Druh"), QStringLiteral("FV"));
            h.pridat(QStringLiteral("Cislo"), QStringLiteral("FV0601"));
            h.pridat(QStringLiteral("NazovFirmy"), QStringLiteral("Pekáreň O'Brien %1"));
            r.ulozit(h, 3);
        }
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik WHERE Doklad = 'FV0601';")), 1);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozky WHERE Doklad = 'FV0601';")), 1);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'FV0601';")), 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("NazovFirmy")),
                 QStringLiteral("Pekáreň O'Brien %1"));
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Logo")), 3);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Datum")), QString());

        // A save that fails leaves the document as it was, and the scratch tables empty.
        try {
            RelaciaDokladu r(*store, QStringLiteral("FV0601"), true);
            store->SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
            RelaciaDokladu::Hlavicka h;
            h.pridat(QStringLiteral("Cislo"), QStringLiteral("FV0601"));
            h.pridat(QStringLiteral("NieJeStlpec"), QStringLiteral("x"));
            r.ulozit(h, 0);
            QFAIL("a header with an unknown column was saved");
        } catch (const DbError&) {
        }
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik WHERE Doklad = 'FV0601';")), 1);
        QCOMPARE(pocet(QStringLiteral("Doklady WHERE Cislo = 'FV0601';")), 1);
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny;")), 0);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne;")), 0);
    }

    // The header every document starts with, saved through a session: the kind, number,
    // date and description, then the name and address of the identity it carries (the
    // contacts only where the editor adds them).
    void aDocumentsHeaderCarriesItsIdentity() {
        IdentitaFirmy i;
        i.NazovFirmy = QStringLiteral("Pekáreň O'Brien");
        i.SidloMesto = QStringLiteral("Žilina");
        i.ICDPH = QStringLiteral("SK2020123456");
        i.Telefon = QStringLiteral("041 123");
        const auto h = RelaciaDokladu::Hlavicka::dokladu(
            QStringLiteral("ID"), QStringLiteral("ID0601"), QStringLiteral("05.01.2026"),
            QStringLiteral("Úhrada %1"), i);
        QCOMPARE(h.stlpce,
                 QStringList({"Druh", "Cislo", "Datum", "Popis"}) + IdentitaFirmy::stlpceAdresy());
        QCOMPARE(h.stlpce.size(), h.hodnoty.size());
        QCOMPARE(h.hodnoty.mid(0, 4), QStringList({"ID", "ID0601", "05.01.2026", "Úhrada %1"}));
        {
            RelaciaDokladu r(*store, QStringLiteral("ID0601"), false);
            r.ulozit(h, 0);
        }
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'ID0601';")), 1);
        const IdentitaFirmy ulozena = IdentitaFirmy::zDokladu(store->ADOQuery.rows());
        QCOMPARE(ulozena.NazovFirmy, i.NazovFirmy);
        QCOMPARE(ulozena.SidloMesto, i.SidloMesto);
        QCOMPARE(ulozena.ICDPH, i.ICDPH);
        QCOMPARE(ulozena.Telefon, QString());
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), QStringLiteral("Úhrada %1"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Druh")), QStringLiteral("ID"));
    }

    void theCompanyIdentityFromSettingsOrADocument() {
        SettingsRow& s = store->tblAgendaNastavenie;
        s.edit();
        s.setText(QStringLiteral("NazovFirmy"), QStringLiteral("Pekáreň"));
        s.setText(QStringLiteral("SWIFT"), QStringLiteral("TATRSKBX"));
        s.setText(QStringLiteral("Logo"), QString());
        s.post();
        const IdentitaFirmy z = IdentitaFirmy::zNastavenia(s);
        QCOMPARE(z.NazovFirmy, QStringLiteral("Pekáreň"));
        QCOMPARE(z.SWIFT, QStringLiteral("TATRSKBX"));
        QCOMPARE(z.Logo, QStringLiteral("0"));
        QCOMPARE(z.cisloLoga(), 0);

        doklad(QStringLiteral("FV0601"), 1, QStringLiteral("Iná firma"));
        store->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'FV0601';"));
        const IdentitaFirmy d = IdentitaFirmy::zDokladu(store->ADOQuery.rows());
        QCOMPARE(d.hodnota(QStringLiteral("NazovFirmy")), QStringLiteral("Iná firma"));
        QCOMPARE(d.SWIFT, QString());
        store->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'nie je';"));
        QCOMPARE(IdentitaFirmy::zDokladu(store->ADOQuery.rows()).NazovFirmy, QString());

        IdentitaFirmy zle;
        zle.Logo = QStringLiteral("x");
        QVERIFY_THROWS_EXCEPTION(DbError, zle.cisloLoga());
    }
};

QTEST_GUILESS_MAIN(TestUpravy)
#include "test_upravy.moc"
