#include "TestAgenda.h"

#include "edits/DruhyDokladov.h"
#include "edits/IdentitaFirmy.h"
#include "edits/RelaciaDokladu.h"
#include "edits/SumarDPH.h"
#include "edits/Upravy.h"
#include "store/Agenda.h"
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

    // The VAT summary: a row per rate in rising order after "0%", the lines' own rounded
    // amounts added up, the agenda's rate when no line has one, and a sum that does not fit
    // refused.
    void theVatSummary() {
        auto a = [](const char* t) { return *Amount::parse(QString::fromLatin1(t)); };
        using sumardph::Polozka;
        const sumardph::Sumar s = sumardph::zostavit(
            {Polozka{"23", a("100"), a("23"), a("123")},
             Polozka{" 5", a("0,03"), a("0"), a("0,03")}, Polozka{"0", a("50"), {}, a("50")},
             Polozka{"5", a("0,03"), a("0"), a("0,03")},
             Polozka{"19", a("10,05"), a("1,91"), a("11,96")},
             Polozka{"5", a("10,05"), a("0,50"), a("10,55")}},
            QStringLiteral("23"));
        QStringList riadky;
        for (const sumardph::Riadok& r : s.riadky)
            riadky << QStringList{r.sadzba, r.zaklad.toText(), r.dph.toText(), r.spolu.toText()}
                          .join(u' ');
        QCOMPARE(riadky, (QStringList{"0% 50,00 0,00 50,00", "5% 10,11 0,50 10,61",
                                      "19% 10,05 1,91 11,96", "23% 100,00 23,00 123,00"}));
        QCOMPARE(s.zaklad.toText(), QStringLiteral("170,16"));
        QCOMPARE(s.dph.toText(), QStringLiteral("25,41"));
        QCOMPARE(s.spolu.toText(), QStringLiteral("195,57"));

        const sumardph::Sumar nulova =
            sumardph::zostavit({Polozka{"0", a("7"), {}, a("7")}}, QStringLiteral("19"));
        QCOMPARE(nulova.riadky.size(), 2);
        QCOMPARE(nulova.riadky[1].sadzba, QStringLiteral("19%"));
        QVERIFY(nulova.riadky[1].spolu.isZero());
        QCOMPARE(nulova.spolu.toText(), QStringLiteral("7,00"));

        const Polozka velka{"19", a("70000000000000000"), a("13300000000000000"),
                            a("83300000000000000")};
        QCOMPARE(sumardph::zostavit({velka}, {}).spolu, velka.spolu);
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, sumardph::zostavit({velka, velka}, {}));
        // the same rate in two rows or not: the totals overflow either way
        Polozka ina = velka;
        ina.sadzba = QStringLiteral("5");
        QVERIFY_THROWS_EXCEPTION(PretecenieSumy, sumardph::zostavit({velka, ina}, {}));

        // read from the tables: only the document's lines with their base posting
        doklad(QStringLiteral("FV0601"), 1);
        doklad(QStringLiteral("FV0602"), 3);
        store->SQL(QStringLiteral("INSERT INTO DokladyPolozky (Cislo, Doklad, Riadok, SadzbaDPH, "
                                  "Cena) VALUES (2, 'FV0601', 99, '0', '5,00');"));
        const sumardph::Sumar f = sumardph::ulozeneho(*store, QStringLiteral("FV0601"));
        QCOMPARE(f.riadky.size(), 2);
        QCOMPARE(f.riadky[1].sadzba, QStringLiteral("20%"));
        QCOMPARE(f.riadky[1].zaklad.toText(), QStringLiteral("100,00"));
        QCOMPARE(f.spolu.toText(), QStringLiteral("120,00"));
    }

    // A journal line that makes the journal's sum overflow (and so a sum of the ledger) is
    // refused with the Slovak text; inside a transaction nothing stays.
    void aJournalLineThatWouldOverflowTheSumsIsRefused() {
        auto riadok = [](qint64 r, const char* suma) {
            return upravy::RiadokDennika{r,
                                         QStringLiteral("05.01.2026"),
                                         {},
                                         QString::fromLatin1(suma),
                                         QStringLiteral("SKK"),
                                         QStringLiteral("1,000"),
                                         QString::fromLatin1(suma),
                                         QStringLiteral("Veľa"),
                                         QStringLiteral("211  "),
                                         QStringLiteral("221  ")};
        };
        const QString tabulka = QStringLiteral("UctovnyDennik");
        upravy::zapisatRiadokDennika(*store, tabulka, riadok(1, "70000000000000000,00"));
        {
            Transaction t(store->connection());
            try {
                upravy::zapisatRiadokDennika(*store, tabulka, riadok(2, "70000000000000000,00"));
                QFAIL("the overflowing line was written");
            } catch (const DbError& e) {
                QCOMPARE(e.text(), textPretecenia());
            }
        }
        QCOMPARE(pocet(QStringLiteral("UctovnyDennik;")), 1);
        // the scratch lines of a document count with the journal, but in place of the
        // document's own saved lines
        upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                     riadok(5, "20000000000000000,00"));
        store->SQL(QStringLiteral("UPDATE UctovnyDennik SET Doklad = 'ID0601';"));
        store->SQL(QStringLiteral("UPDATE UctovnyDennikPomocny SET Doklad = 'ID0601';"));
        upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                     riadok(6, "70000000000000000,00"));
        QVERIFY_THROWS_EXCEPTION(
            DbError, upravy::zapisatRiadokDennika(*store, QStringLiteral("UctovnyDennikPomocny"),
                                                  riadok(7, "3000000000000000,00")));
    }

    // The reduced rates: none in an agenda without their table, which stays without it until
    // a rate is set; a file with the table is still an agenda, one with another extra table
    // is not.
    void reducedRatesKeepOldFilesAsTheyAre() {
        const auto prazdne = upravy::znizeneSadzbyDPH(*store);
        QVERIFY(prazdne[0].isEmpty() && prazdne[1].isEmpty());
        upravy::ulozitZnizeneSadzbyDPH(*store, {QString(), QString()});
        QCOMPARE(store->SQL(QStringLiteral("SELECT name FROM sqlite_master WHERE name = "
                                           "'AgendaSadzbyDPH';")),
                 0);
        upravy::ulozitZnizeneSadzbyDPH(*store, {QStringLiteral("19"), QStringLiteral(" 5")});
        QCOMPARE(upravy::znizeneSadzbyDPH(*store), (std::array<QString, 2>{"19", "5"}));
        upravy::ulozitZnizeneSadzbyDPH(*store, {QString(), QStringLiteral("5")});
        QCOMPARE(upravy::znizeneSadzbyDPH(*store), (std::array<QString, 2>{"", "5"}));
        QVERIFY(maSchemuAgendy(store->connection()));
        store->SQL(QStringLiteral("CREATE TABLE Ina (A TEXT);"));
        QVERIFY(!maSchemuAgendy(store->connection()));
        store->SQL(QStringLiteral("DROP TABLE Ina;"));
        store->disconnectAgenda();
        QVERIFY(kontrolaDatabazy(agenda->path()));
        store->connectAgenda(agenda->path());
        QCOMPARE(upravy::znizeneSadzbyDPH(*store), (std::array<QString, 2>{"", "5"}));
    }
};

QTEST_GUILESS_MAIN(TestUpravy)
#include "test_upravy.moc"
