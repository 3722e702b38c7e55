#include "TestAgenda.h"

#include "store/Store.h"
#include "store/Values.h"

#include <QSignalSpy>
#include <QTest>

using namespace saldovia;

namespace {
QString journalInsert(int riadok, const QString& popis, const QString& suma,
                      const QString& maDat = QStringLiteral("211  "),
                      const QString& dal = QStringLiteral("221  ")) {
    return QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Datum, Doklad, Ciastka, Mena, "
                          "Kurz, Suma, Popis, MaDat, Dal) VALUES (%1, '05.01.2006', '', %2, "
                          "'SKK', '1,000', %2, %3, %4, %5);")
        .arg(riadok)
        .arg(sqlText(suma), sqlText(popis), sqlText(maDat), sqlText(dal));
}
} // namespace

class TestStore : public TestUlozenia {
    Q_OBJECT

private slots:

    void selectOpensOnFirstRowAndReadsByName() {
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovaOsnova WHERE Cislo = '211';")), 1);
        QVERIFY(store->ADOQuery.isOpen());
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Nazov")), QStringLiteral("Pokladnica"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("povod")), QStringLiteral("P"));
        QVERIFY_THROWS_EXCEPTION(DbError, store->ADOQuery.text(QStringLiteral("Neexistuje")));
    }

    void selectWithoutRowsGivesZero() {
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 0);
        QVERIFY(store->ADOQuery.isOpen());
        QCOMPARE(store->ADOQuery.recordCount(), 0);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), QString());
    }

    void onlyUpperCaseSelectIsAQuery() {
        store->SQL(journalInsert(1, QStringLiteral("a"), QStringLiteral("1,00")));
        QCOMPARE(store->SQL(QStringLiteral("select * from UctovnyDennik;")), -1);
        QVERIFY(!store->ADOQuery.isOpen());
        QCOMPARE(store->SQL(QStringLiteral(" SELECT * FROM UctovnyDennik;")), -1);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 1);
    }

    void movesBetweenRowsAndDiscardsPreviousResult() {
        for (int i = 1; i <= 3; ++i)
            QCOMPARE(store->SQL(journalInsert(i * 10, QStringLiteral("riadok %1").arg(i),
                                              QStringLiteral("%1,00").arg(i))),
                     -1);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik ORDER BY Riadok;")), 3);
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Riadok")), 10);
        store->ADOQuery.setRecNo(3);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), QStringLiteral("riadok 3"));
        store->ADOQuery.setRecNo(2);
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Riadok")), 20);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Suma")), QStringLiteral("2,00"));
        QVERIFY_THROWS_EXCEPTION(DbError, store->ADOQuery.integer(QStringLiteral("Popis")));

        QCOMPARE(store->SQL(QStringLiteral("SELECT MAX(Riadok) AS Riadok FROM UctovnyDennik;")), 1);
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Riadok")), 30);
        QCOMPARE(store->SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 30;")), -1);
        QVERIFY(!store->ADOQuery.isOpen());
    }

    void engineErrorsCarryTheEngineText() {
        try {
            store->SQL(QStringLiteral("SELECT * FROM Neexistuje;"));
            QFAIL("no error");
        } catch (const DbError& e) {
            QVERIFY2(e.text().contains(QStringLiteral("no such table")), qPrintable(e.text()));
        }
        QVERIFY_THROWS_EXCEPTION(DbError, store->SQL(QStringLiteral("DELETE FROM Nic;")));
        // a failed statement leaves the store usable
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 0);
    }

    void apostrophesAndDiacriticsRoundTrip() {
        const QString popis = QStringLiteral("O'Brien – ''Ďaľší'' kôň: ľščťžýáíéúäô ĽŠČŤŽ ;--");
        store->SQL(journalInsert(1, popis, QStringLiteral("1,00")));
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik WHERE Popis = ") +
                            sqlText(popis) + u';'),
                 1);
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Popis")), popis);

        store->tblAgendaNastavenie.edit();
        store->tblAgendaNastavenie.setText(QStringLiteral("NazovFirmy"), popis);
        store->tblAgendaNastavenie.post();
        store->disconnectAgenda();
        store->connectAgenda(agenda->path());
        QCOMPARE(store->tblAgendaNastavenie.text(QStringLiteral("NazovFirmy")), popis);
    }

    void transactionsAreAllOrNothing() {
        {
            Transaction t(store->connection());
            store->SQL(journalInsert(1, QStringLiteral("prvý"), QStringLiteral("1,00")));
            // the second insert fails on the taken row number
            QVERIFY_THROWS_EXCEPTION(DbError, store->SQL(journalInsert(1, QStringLiteral("druhý"),
                                                                       QStringLiteral("2,00"))));
        }
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 0);
        {
            Transaction t(store->connection());
            store->SQL(journalInsert(1, QStringLiteral("prvý"), QStringLiteral("1,00")));
            store->SQL(journalInsert(2, QStringLiteral("druhý"), QStringLiteral("2,00")));
            t.commit();
        }
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 2);
    }

    void exactSumInTheEngine() {
        {
            Transaction t(store->connection());
            for (int i = 1; i <= 100000; ++i)
                store->connection().execBound(
                    QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Suma) VALUES (?, ?);"),
                    {i, i % 2 ? QStringLiteral("0,10") : QStringLiteral("0,07")});
            t.commit();
        }
        store->SQL(QStringLiteral("SELECT SUCET(Suma) AS Spolu FROM UctovnyDennik;"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Spolu")), QStringLiteral("8500,00"));
        // no rows: null, so the usual fallback gives the zero amount
        store->SQL(QStringLiteral("SELECT CASE WHEN SUCET(Suma) IS NULL THEN '0,00' ELSE "
                                  "SUCET(Suma) END AS Spolu FROM UctovnyDennik WHERE Riadok < 0;"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("Spolu")), QStringLiteral("0,00"));
        // a sum outside the range of an amount is an error with the Slovak text, not a
        // wrapped value
        store->SQL(QStringLiteral("UPDATE UctovnyDennik SET Suma = '92233720368547750,00' WHERE "
                                  "Riadok = 1;"));
        try {
            store->SQL(QStringLiteral("SELECT SUCET(Suma) AS S FROM UctovnyDennik;"));
            QFAIL("the sum overflowed without an error");
        } catch (const DbError& e) {
            QCOMPARE(e.text(), textPretecenia());
        }
        store->SQL(QStringLiteral("SELECT SUCET(Suma) AS S FROM UctovnyDennik WHERE Riadok < 3;"));
        QCOMPARE(store->ADOQuery.text(QStringLiteral("S")), QStringLiteral("92233720368547750,07"));
        store->SQL(QStringLiteral("UPDATE UctovnyDennik SET Suma = 'x' WHERE Riadok = 5;"));
        QVERIFY_THROWS_EXCEPTION(
            DbError, store->SQL(QStringLiteral("SELECT SUCET(Suma) AS S FROM UctovnyDennik;")));
    }

    void accountsMatchInBothForms() {
        store->SQL(journalInsert(1, QStringLiteral("a"), QStringLiteral("1,00"),
                                 QStringLiteral("211  "), QStringLiteral("2111 ")));
        const QString count =
            QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennik WHERE %1;");
        store->SQL(count.arg(sqlAccountEquals(QStringLiteral("MaDat"), QStringLiteral("211"))));
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Pocet")), 1);
        store->SQL(count.arg(sqlAccountEquals(QStringLiteral("MaDat"), QStringLiteral("211  "))));
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Pocet")), 1);
        store->SQL(count.arg(sqlAccountEquals(QStringLiteral("Dal"), QStringLiteral("211"))));
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Pocet")), 0);
        store->SQL(count.arg(sqlAccountEquals(QStringLiteral("MaDat"), QStringLiteral("21"))));
        QCOMPARE(store->ADOQuery.integer(QStringLiteral("Pocet")), 0);
    }

    void slovakOrderForLists() {
        QStringList names;
        const int n = store->SQL(QStringLiteral(
            "SELECT Nazov FROM UctovaOsnovaDruhy ORDER BY Nazov COLLATE SLOVENSKY;"));
        for (int i = 1; i <= n; ++i) {
            store->ADOQuery.setRecNo(i);
            names << store->ADOQuery.text(QStringLiteral("Nazov"));
        }
        // "Účtová ..." sorts with U, before V and Z, not after them as bytes would
        QVERIFY(names.indexOf(QStringLiteral("Účtová trieda")) <
                names.indexOf(QStringLiteral("Výnosový účet")));
        QVERIFY(names.indexOf(QStringLiteral("Pasívny účet")) <
                names.indexOf(QStringLiteral("Účtová skupina")));
        store->SQL(QStringLiteral("SELECT 'Čas' AS A UNION SELECT 'Cena' UNION SELECT 'Dal' "
                                  "ORDER BY 1 COLLATE SLOVENSKY;"));
        QStringList order;
        for (int i = 1; i <= 3; ++i) {
            store->ADOQuery.setRecNo(i);
            order << store->ADOQuery.text(QStringLiteral("A"));
        }
        QCOMPARE(order, (QStringList{"Cena", "Čas", "Dal"}));
    }

    void sharedDataSets() {
        for (int i = 1; i <= 3; ++i)
            store->SQL(
                journalInsert(i, QStringLiteral("r%1").arg(i), QStringLiteral("%1,00").arg(i)));
        DataSet& ds = store->qryUctovnyDennik;
        QSignalSpy changed(&ds, &DataSet::dataChanged);
        ds.open();
        QCOMPARE(ds.recordCount(), 3);
        QCOMPARE(ds.recNo(), 1);
        QCOMPARE(ds.model()->rowCount(), 3);
        QCOMPARE(ds.model()->columnCount(), 10);
        QVERIFY(ds.locate(QStringLiteral("Popis"), QStringLiteral("r3")));
        QCOMPARE(ds.integer(QStringLiteral("Riadok")), 3);
        QVERIFY(!ds.locate(QStringLiteral("Popis"), QStringLiteral("R3")));
        QVERIFY(changed.count() >= 2);

        ds.model()->setColumns(
            {{QStringLiteral("Riadok"), QStringLiteral("Č."), Qt::AlignRight, 30},
             {QStringLiteral("Suma"), QStringLiteral("Suma"), Qt::AlignRight, 80}});
        QCOMPARE(ds.model()->columnCount(), 2);
        QCOMPARE(ds.model()->data(ds.model()->index(1, 1)).toString(), QStringLiteral("2,00"));
        QCOMPARE(ds.model()->headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
                 QStringLiteral("Č."));

        // a removal below the current row keeps the position in range
        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 3;"));
        ds.refresh();
        QCOMPARE(ds.recordCount(), 2);
        QCOMPARE(ds.recNo(), 2);

        store->disconnectAgenda();
        QVERIFY(!ds.isOpen());
        QCOMPARE(ds.model()->rowCount(), 0);
    }

    // A data set read on demand gives what the same statement read whole gives, row for
    // row, while it holds only some blocks of rows; rows gone since it opened read empty
    // and keep every other row at its position.
    void dataSetReadOnDemand() {
        {
            Transaction t(store->connection());
            for (int i = 1; i <= 3000; ++i)
                if (i % 7 != 0) // gaps in the row numbers, as deletions leave them
                    store->SQL(journalInsert(
                        i, QStringLiteral("Riadok č. %1").arg(i), QStringLiteral("%1,00").arg(i),
                        i % 3 ? QStringLiteral("211  ") : QStringLiteral("311"),
                        QStringLiteral("221  ")));
            t.commit();
        }
        const QString select = QStringLiteral("SELECT UctovnyDennik.Riadok, UctovnyDennik.Popis, "
                                              "UctovnyDennik.MaDat FROM UctovnyDennik");
        for (const QString& where :
             {QString(),
              QStringLiteral(" WHERE ") +
                  sqlAccountEquals(QStringLiteral("UctovnyDennik.MaDat"), QStringLiteral("311"))}) {
            DataSet& whole = store->qryDoklady;
            whole.setSQL(select + where + QStringLiteral(" ORDER BY Riadok;"));
            whole.open();
            DataSet& d = store->qryUctovnyDennik;
            d.setSQL(select + where + QStringLiteral(" ORDER BY Riadok;"));
            d.setOnDemand({QStringLiteral("SELECT UctovnyDennik.Riadok FROM UctovnyDennik") +
                               where + QStringLiteral(";"),
                           select, QStringLiteral("UctovnyDennik.Riadok")});
            d.open();
            QCOMPARE(d.recordCount(), whole.recordCount());
            QCOMPARE(d.columns(), whole.columns());
            QCOMPARE(d.recNo(), 1);
            QCOMPARE(d.text(QStringLiteral("Riadok")), whole.text(QStringLiteral("Riadok")));
            QVERIFY(d.rowsHeld() <= 256);
            // backwards, so that every block is read and dropped again
            for (int r = d.recordCount() - 1; r >= 0; --r)
                for (int c = 0; c < 3; ++c)
                    QCOMPARE(d.text(r, c), whole.text(r, c));
            QVERIFY(d.rowsHeld() < d.recordCount() || d.recordCount() <= 64 * 256);
            QVERIFY_THROWS_EXCEPTION(DbError, d.rows());
            // the grid's model reads through the data set
            DataSetModel* m = d.model();
            QCOMPARE(m->rowCount(), whole.recordCount());
            QCOMPARE(m->data(m->index(d.recordCount() - 1, 1)).toString(),
                     whole.text(whole.recordCount() - 1, 1));
            d.setRecNo(d.recordCount());
            QCOMPARE(d.integer(QStringLiteral("Riadok")),
                     whole.rows().integer(whole.recordCount() - 1, 0));
        }

        DataSet& d = store->qryUctovnyDennik;
        d.close();
        d.setOnDemand({QStringLiteral("SELECT UctovnyDennik.Riadok FROM UctovnyDennik WHERE "
                                      "Riadok IN (3, 6, 9, 3001);"),
                       select, QStringLiteral("UctovnyDennik.Riadok")});
        d.open();
        QCOMPARE(d.recordCount(), 3);
        store->SQL(journalInsert(3001, QStringLiteral("nový"), QStringLiteral("6,00")));
        d.open();
        QCOMPARE(d.recordCount(), 4); // the keys read after the insert, not a kept copy
        store->SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 6;"));
        QCOMPARE(d.text(0, 0), QStringLiteral("3"));
        QCOMPARE(d.text(1, 0), QString()); // gone since the data set opened
        QCOMPARE(d.text(1, 1), QString());
        QCOMPARE(d.text(2, 0), QStringLiteral("9"));
        QCOMPARE(d.text(3, 1), QStringLiteral("nový"));
        // setSQL goes back to reading whole
        d.setSQL(QStringLiteral("SELECT Riadok FROM UctovnyDennik WHERE Riadok < 5;"));
        QVERIFY(d.onDemand().isEmpty());
        d.open();
        QCOMPARE(d.rows().rowCount(), 4);
    }

    void settingsRowEditPostCancel() {
        SettingsRow& s = store->tblAgendaNastavenie;
        QCOMPARE(s.text(QStringLiteral("Verzia")), VerziaProgramu);
        QCOMPARE(s.text(QStringLiteral("UctovnyRok")), QString());
        s.edit();
        s.setText(QStringLiteral("UctovnyRok"), QStringLiteral("2006"));
        QCOMPARE(s.text(QStringLiteral("UctovnyRok")), QStringLiteral("2006"));
        s.cancel();
        QCOMPARE(s.text(QStringLiteral("UctovnyRok")), QString());
        s.edit();
        s.setText(QStringLiteral("UctovnyRok"), QStringLiteral("2006"));
        s.setText(QStringLiteral("SadzbaDPH"), QStringLiteral("19"));
        s.post();
        QVERIFY(!s.isEditing());
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM AgendaNastavenie WHERE UctovnyRok = "
                                           "'2006' AND SadzbaDPH = '19';")),
                 1);
        QVERIFY_THROWS_EXCEPTION(DbError, s.setText(QStringLiteral("Neexistuje"), QString()));

        // after the row is replaced, reopening reads the new one
        store->SQL(QStringLiteral("DELETE FROM AgendaNastavenie;"));
        store->SQL(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"));
        s.close();
        s.open();
        QCOMPARE(s.text(QStringLiteral("UctovnyRok")), QString());
        s.setText(QStringLiteral("Logo"), QStringLiteral("0"));
        s.post();
        QCOMPARE(s.text(QStringLiteral("Logo")), QStringLiteral("0"));
    }
};

QTEST_GUILESS_MAIN(TestStore)
#include "test_store.moc"
