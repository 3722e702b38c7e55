#include "TestAgenda.h"

#include "store/Agenda.h"
#include "store/Store.h"

#include "store/Subory.h"

#include <QDir>
#include <QFile>
#include <QTest>

#include <cstring>
#include <functional>
#include <sched.h>
#include <sqlite3.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace saldovia;

namespace {

// Every row of every table, in a stable textual form.
QStringList allRows(const QString& path) {
    Connection c;
    c.open(path, Connection::Mode::ReadOnly);
    QStringList out;
    const ResultSet tables = c.query(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;"));
    for (int t = 0; t < tables.rowCount(); ++t) {
        const ResultSet rows =
            c.query(QStringLiteral("SELECT * FROM %1 ORDER BY rowid;").arg(tables.text(t, 0)));
        for (int r = 0; r < rows.rowCount(); ++r) {
            QStringList cells;
            for (int k = 0; k < rows.columnCount(); ++k)
                cells << rows.value(r, k).toString() + u'/' +
                             QString::number(rows.value(r, k).typeId());
            out << tables.text(t, 0) + u':' + cells.join(u'|');
        }
    }
    return out;
}

void fillEveryTable(const QString& path, int journalLines) {
    Store s;
    s.connectAgenda(path);
    Transaction t(s.connection());
    for (int i = 1; i <= journalLines; ++i)
        s.SQL(QStringLiteral("INSERT INTO UctovnyDennik VALUES (%1, '05.01.2006', 'ID0601', "
                             "'%2,50', 'SKK', '1,000', '%2,50', 'Nákup O''Brien', '501  ', "
                             "'211  ');")
                  .arg(i)
                  .arg(i));
    for (const char* table : {"UctovnyDennikPomocny", "UctovnyDennikVzor"})
        s.SQL(QStringLiteral("INSERT INTO %1 SELECT *%2 FROM UctovnyDennik WHERE Riadok < 50;")
                  .arg(QString::fromLatin1(table),
                       QString::fromLatin1(table).endsWith(QLatin1String("Vzor"))
                           ? QStringLiteral(", 1 AS Vypocty")
                           : QString()));
    s.SQL(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Datum, Popis, Logo, Zaklad) VALUES "
                         "('FV', 'FV0601', '05.01.2006', 'Faktúra', 1, '100,00');"));
    for (const char* table : {"DokladyPolozky", "DokladyPolozkyPomocne"})
        s.SQL(QStringLiteral("INSERT INTO %1 VALUES (1, 'FV0601', 1, NULL, '19', 'Tovar', "
                             "'119,00');")
                  .arg(QString::fromLatin1(table)));
    for (const char* table : {"HlavnaKniha", "HlavnaKnihaVzor"})
        s.SQL(QStringLiteral("INSERT INTO %1 VALUES ('211  ', '0,00', '10,00', '21', '2');")
                  .arg(QString::fromLatin1(table)));
    s.SQL(QStringLiteral("INSERT INTO UctovaOsnova VALUES ('2111', 'Pokladnica EUR', 'U', 'A');"));
    QByteArray picture(5000, '\0');
    for (int i = 0; i < picture.size(); ++i)
        picture[i] = static_cast<char>(i * 7);
    s.connection().execBound(QStringLiteral("INSERT INTO Logo VALUES (1, ?);"), {picture});
    t.commit();
}

// The engine's own file layer with a small disk below every folder named "plny": a write
// that would make a file there longer than `miesto` bytes fails as on a full disk.
class PlnyDisk {
public:
    explicit PlnyDisk(sqlite3_int64 miesto) {
        miesto_ = miesto;
        zaklad_ = sqlite3_vfs_find(nullptr);
        vfs_ = *zaklad_;
        vfs_.zName = "plny";
        vfs_.szOsFile = static_cast<int>(sizeof(Subor)) + zaklad_->szOsFile;
        vfs_.xOpen = otvorit;
        metody_ = {};
        metody_.iVersion = 1;
        metody_.xClose = [](sqlite3_file* f) { return pod(f)->pMethods->xClose(pod(f)); };
        metody_.xRead = [](sqlite3_file* f, void* b, int n, sqlite3_int64 o) {
            return pod(f)->pMethods->xRead(pod(f), b, n, o);
        };
        metody_.xWrite = [](sqlite3_file* f, const void* b, int n, sqlite3_int64 o) {
            if (reinterpret_cast<Subor*>(f)->obmedzeny && o + n > miesto_)
                return SQLITE_FULL;
            return pod(f)->pMethods->xWrite(pod(f), b, n, o);
        };
        metody_.xTruncate = [](sqlite3_file* f, sqlite3_int64 n) {
            return pod(f)->pMethods->xTruncate(pod(f), n);
        };
        metody_.xSync = [](sqlite3_file* f, int x) { return pod(f)->pMethods->xSync(pod(f), x); };
        metody_.xFileSize = [](sqlite3_file* f, sqlite3_int64* n) {
            return pod(f)->pMethods->xFileSize(pod(f), n);
        };
        metody_.xLock = [](sqlite3_file* f, int x) { return pod(f)->pMethods->xLock(pod(f), x); };
        metody_.xUnlock = [](sqlite3_file* f, int x) {
            return pod(f)->pMethods->xUnlock(pod(f), x);
        };
        metody_.xCheckReservedLock = [](sqlite3_file* f, int* x) {
            return pod(f)->pMethods->xCheckReservedLock(pod(f), x);
        };
        metody_.xFileControl = [](sqlite3_file* f, int op, void* arg) {
            return pod(f)->pMethods->xFileControl(pod(f), op, arg);
        };
        metody_.xSectorSize = [](sqlite3_file* f) { return pod(f)->pMethods->xSectorSize(pod(f)); };
        metody_.xDeviceCharacteristics = [](sqlite3_file* f) {
            return pod(f)->pMethods->xDeviceCharacteristics(pod(f));
        };
        sqlite3_vfs_register(&vfs_, 1);
    }
    ~PlnyDisk() {
        sqlite3_vfs_register(zaklad_, 1);
        sqlite3_vfs_unregister(&vfs_);
    }

private:
    struct Subor {
        sqlite3_file base;
        bool obmedzeny;
    };
    static sqlite3_file* pod(sqlite3_file* f) {
        return reinterpret_cast<sqlite3_file*>(reinterpret_cast<Subor*>(f) + 1);
    }
    static int otvorit(sqlite3_vfs*, const char* meno, sqlite3_file* f, int flags, int* out) {
        auto* s = reinterpret_cast<Subor*>(f);
        s->base.pMethods = nullptr;
        s->obmedzeny = meno && std::strstr(meno, "/plny/");
        const int rc = zaklad_->xOpen(zaklad_, meno, pod(f), flags, out);
        if (pod(f)->pMethods)
            s->base.pMethods = &metody_;
        return rc;
    }
    static inline sqlite3_vfs* zaklad_ = nullptr;
    static inline sqlite3_vfs vfs_{};
    static inline sqlite3_io_methods metody_{};
    static inline sqlite3_int64 miesto_ = 0;
};

QStringList vsetkySubory(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString nazovFirmy(const QString& path) {
    Connection c;
    c.open(path, Connection::Mode::ReadOnly);
    return c.query(QStringLiteral("SELECT NazovFirmy FROM AgendaNastavenie;")).text(0, 0);
}

void nastavitNazov(const QString& path, const QString& nazov) {
    Connection c;
    c.open(path);
    c.execBound(QStringLiteral("UPDATE AgendaNastavenie SET NazovFirmy = ?;"), {nazov});
}

QFile::Permissions prava(const QString& path) {
    return QFile::permissions(path) & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser);
}

QStringList leftovers(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral(".tmp"));
}

} // namespace

class TestAgendaFile : public QObject {
    Q_OBJECT
private slots:
    void checkedOpenKeepsTheCheckedConnection() {
        TestAgenda a;
        Store s;
        QVERIFY(s.connectCheckedAgenda(a.path()));
        QVERIFY(s.isConnected());
        QCOMPARE(s.tblAgendaNastavenie.text(QStringLiteral("Verzia")), VerziaProgramu);
        // the connection is the working one: it writes
        QCOMPARE(s.SQL(QStringLiteral("UPDATE AgendaNastavenie SET NazovFirmy = 'A';")), -1);
        s.tblAgendaNastavenie.open();
        QCOMPARE(s.tblAgendaNastavenie.text(QStringLiteral("NazovFirmy")), QStringLiteral("A"));
        // a second open of another file replaces it; a refused one leaves nothing open
        QVERIFY(!s.connectCheckedAgenda(a.path() + QStringLiteral(".chyba")));
        QVERIFY(!s.isConnected());
    }

    // The check's pass hands the journal's row numbers to the journal's on-demand list; they
    // must never outlive a write, nor pass to another opening of the file.
    void journalRowsFromTheCheckStayTrue() {
        TestAgenda a;
        {
            Connection c;
            c.open(a.path());
            c.exec(QStringLiteral("DELETE FROM UctovnyDennik;"
                                  "INSERT INTO UctovnyDennik (Riadok, Popis) VALUES (3, 'a'), "
                                  "(1, 'b'), (7, 'c');"));
        }
        auto openJournal = [](Store& s) {
            DataSet& d = s.qryUctovnyDennik;
            d.close();
            d.setSQL(QStringLiteral("SELECT * FROM UctovnyDennik ORDER BY Riadok;"));
            d.setOnDemand({RiadkyDennika + u';', QStringLiteral("SELECT * FROM UctovnyDennik"),
                           QStringLiteral("UctovnyDennik.Riadok")});
            d.open();
            QStringList riadky;
            for (int r = 0; r < d.recordCount(); ++r)
                riadky << d.text(r, d.requireColumn(QStringLiteral("Riadok")));
            return riadky.join(u',');
        };
        Store s;
        QVERIFY(s.connectCheckedAgenda(a.path()));
        QCOMPARE(openJournal(s), QStringLiteral("1,3,7"));
        // written on the working connection
        QVERIFY(s.connectCheckedAgenda(a.path()));
        s.connection().exec(QStringLiteral("INSERT INTO UctovnyDennik (Riadok) VALUES (5);"));
        QCOMPARE(openJournal(s), QStringLiteral("1,3,5,7"));
        // written by another connection between the check and the open
        QVERIFY(s.connectCheckedAgenda(a.path()));
        {
            Connection other;
            other.open(a.path());
            other.exec(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 3;"));
        }
        QCOMPARE(openJournal(s), QStringLiteral("1,5,7"));
        // a check of another file (a backup, an exam) hands nothing to the working list
        TestAgenda b;
        {
            Connection c;
            c.open(b.path());
            c.exec(QStringLiteral("INSERT INTO UctovnyDennik (Riadok) VALUES (2), (4);"));
        }
        QVERIFY(s.connectCheckedAgenda(a.path()));
        QVERIFY(kontrolaDatabazy(b.path()));
        QCOMPARE(openJournal(s), QStringLiteral("1,5,7"));
        // the file replaced under the same path and opened anew: nothing of the old opening
        s.disconnectAgenda();
        QVERIFY(QFile::remove(a.path()) && QFile::copy(b.path(), a.path()));
        QVERIFY(QFile::setPermissions(a.path(), QFile::ReadOwner | QFile::WriteOwner));
        QVERIFY(s.connectCheckedAgenda(a.path()));
        QCOMPARE(openJournal(s), QStringLiteral("2,4"));
    }

    void preparedAgendaIsAcceptedAndComplete() {
        TestAgenda a;
        QVERIFY(kontrolaDatabazy(a.path()));
        Store s;
        s.connectAgenda(a.path());
        QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM AgendaNastavenie;")), 1);
        const ResultSet& row = s.ADOQuery.rows();
        for (int k = 0; k < row.columnCount(); ++k)
            QCOMPARE(row.text(0, k), k == 0 ? VerziaProgramu : QString());

        QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM UctovaOsnova WHERE Povod <> 'P';")), 0);
        const QList<QStringList> accounts = {{"2", "Finančné účty", "UT"},
                                             {"21", "Peniaze", "US"},
                                             {"211", "Pokladnica", "A"},
                                             {"221", "Bankové účty", "A"},
                                             {"311", "Odberatelia", "A"},
                                             {"321", "Dodávatelia", "P"},
                                             {"343", "Daň z pridanej hodnoty", "AP"},
                                             {"501", "Spotreba materiálu", "N"},
                                             {"504", "Predaný tovar", "N"},
                                             {"518", "Ostatné služby", "N"},
                                             {"601", "Tržby za vlastné výrobky", "V"},
                                             {"602", "Tržby z predaja služieb", "V"},
                                             {"604", "Tržby za tovar", "V"}};
        for (const QStringList& acc : accounts) {
            QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM UctovaOsnova WHERE Cislo = ") +
                           sqlText(acc[0]) + u';'),
                     1);
            QCOMPARE(s.ADOQuery.text(QStringLiteral("Nazov")), acc[1]);
            QCOMPARE(s.ADOQuery.text(QStringLiteral("Druh")), acc[2]);
        }
        // classes 0 to 7 each have a heading; every group heading sits under its class
        QCOMPARE(s.SQL(QStringLiteral("SELECT Cislo FROM UctovaOsnova WHERE Druh = 'UT' ORDER "
                                      "BY Cislo;")),
                 8);
        QCOMPARE(s.SQL(QStringLiteral("SELECT g.Cislo FROM UctovaOsnova g WHERE g.Druh = 'US' "
                                      "AND NOT EXISTS (SELECT 1 FROM UctovaOsnova c WHERE "
                                      "c.Druh = 'UT' AND c.Cislo = substr(g.Cislo, 1, 1));")),
                 0);
        QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM UctovaOsnova WHERE Druh NOT IN (SELECT "
                                      "Kod FROM UctovaOsnovaDruhy);")),
                 0);
        QCOMPARE(s.SQL(QStringLiteral("SELECT Nazov FROM UctovaOsnovaDruhy GROUP BY Nazov "
                                      "HAVING Count(*) > 1;")),
                 0);

        for (const char* table : {"AgendaPrisposobenie", "AgendaPrisposobenieOriginal"}) {
            QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM %1 WHERE Kod IN ('ID','SP','SV','SR',"
                                          "'FV','FP','PP','PV','BV') AND Doklad <> '' AND "
                                          "Zoznam <> '';")
                               .arg(QString::fromLatin1(table))),
                     9);
            QCOMPARE(s.SQL(QStringLiteral("SELECT DISTINCT Prefix FROM %1;")
                               .arg(QString::fromLatin1(table))),
                     9);
        }
        QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM AgendaPrisposobenie WHERE Kod = 'FV';")), 1);
        QCOMPARE(s.ADOQuery.text(QStringLiteral("Doklad")), QStringLiteral("Vystavená faktúra"));
        QCOMPARE(s.ADOQuery.text(QStringLiteral("Zoznam")), QStringLiteral("Vystavené faktúry"));
        for (const char* empty :
             {"UctovnyDennik", "UctovnyDennikPomocny", "UctovnyDennikVzor", "Doklady",
              "DokladyPolozky", "DokladyPolozkyPomocne", "HlavnaKniha", "HlavnaKnihaVzor", "Logo"})
            QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM %1;").arg(QString::fromLatin1(empty))), 0);

        // copies between twin tables rely on their column order
        s.SQL(QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Popis) VALUES (1, 'x');"));
        s.SQL(QStringLiteral("INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik;"));
        s.SQL(QStringLiteral("INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM "
                             "UctovnyDennik;"));
        QCOMPARE(s.SQL(QStringLiteral("SELECT * FROM UctovnyDennikVzor WHERE Popis = 'x' AND "
                                      "Vypocty = 0;")),
                 1);
    }

    void preparedAgendaIsEncrypted() {
        TestAgenda a;
        const QByteArray bytes = readFileBytes(a.path());
        QVERIFY(bytes.size() > 1024);
        QVERIFY(!bytes.startsWith("SQLite format 3"));
        QVERIFY(!bytes.contains("Pokladnica"));
        QVERIFY(!bytes.contains(QStringLiteral("Účtovná").toUtf8()));
        Connection c;
        c.open(a.path(), Connection::Mode::ReadOnly, QStringLiteral("zle-heslo"));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 c.query(QStringLiteral("SELECT * FROM AgendaNastavenie;")));
    }

    void rejections_data() {
        QTest::addColumn<QString>("damage");
        for (const char* d : {"missing",
                              "empty file",
                              "random bytes",
                              "truncated",
                              "other password",
                              "no settings row",
                              "wrong version",
                              "empty version",
                              "trigger",
                              "extra table",
                              "view",
                              "missing table",
                              "extra column",
                              "index",
                              "plain sqlite",
                              "unique index same name",
                              "partial index same name",
                              "check",
                              "collate nocase",
                              "other default",
                              "other column type",
                              "without rowid"})
            QTest::newRow(d) << QString::fromLatin1(d);
    }
    void rejections() {
        QFETCH(QString, damage);
        TestAgenda a;
        const QString path = a.path();
        auto run = [&](const QString& sql) {
            Connection c;
            c.open(path);
            c.exec(sql);
        };
        if (damage == QLatin1String("missing")) {
            QFile::remove(path);
        } else if (damage == QLatin1String("empty file")) {
            writeFileBytes(path, {});
        } else if (damage == QLatin1String("random bytes")) {
            QByteArray junk(64 * 1024, '\0');
            for (int i = 0; i < junk.size(); ++i)
                junk[i] = static_cast<char>((i * 2654435761u) >> 13);
            writeFileBytes(path, junk);
        } else if (damage == QLatin1String("truncated")) {
            const QByteArray whole = readFileBytes(path);
            writeFileBytes(path, whole.left(whole.size() / 2));
        } else if (damage == QLatin1String("other password")) {
            QFile::remove(path);
            Connection c;
            c.open(path, Connection::Mode::Create, QStringLiteral("ine-heslo"));
            c.exec(agendaSchemaSql());
            c.exec(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"));
        } else if (damage == QLatin1String("no settings row")) {
            run(QStringLiteral("DELETE FROM AgendaNastavenie;"));
        } else if (damage == QLatin1String("wrong version")) {
            run(QStringLiteral("UPDATE AgendaNastavenie SET Verzia = '2.0.0.1';"));
        } else if (damage == QLatin1String("empty version")) {
            run(QStringLiteral("UPDATE AgendaNastavenie SET Verzia = NULL;"));
        } else if (damage == QLatin1String("trigger")) {
            run(QStringLiteral("CREATE TRIGGER t AFTER INSERT ON UctovnyDennik BEGIN DELETE FROM "
                               "Doklady; END;"));
        } else if (damage == QLatin1String("extra table")) {
            run(QStringLiteral("CREATE TABLE Navyse (x);"));
        } else if (damage == QLatin1String("view")) {
            run(QStringLiteral("CREATE VIEW Pohlad AS SELECT * FROM UctovnyDennik;"));
        } else if (damage == QLatin1String("missing table")) {
            run(QStringLiteral("DROP TABLE HlavnaKnihaVzor;"));
        } else if (damage == QLatin1String("extra column")) {
            run(QStringLiteral("ALTER TABLE UctovnyDennik ADD COLUMN Navyse TEXT;"));
        } else if (damage == QLatin1String("index")) {
            run(QStringLiteral("CREATE INDEX Navyse ON UctovnyDennik (Popis);"));
        } else if (damage == QLatin1String("unique index same name")) {
            run(QStringLiteral("DROP INDEX UctovnyDennikDoklad; CREATE UNIQUE INDEX "
                               "UctovnyDennikDoklad ON UctovnyDennik (Doklad);"));
        } else if (damage == QLatin1String("partial index same name")) {
            run(QStringLiteral("DROP INDEX UctovnyDennikDoklad; CREATE INDEX UctovnyDennikDoklad "
                               "ON UctovnyDennik (Doklad) WHERE Doklad <> '';"));
        } else if (damage.startsWith(QLatin1String("check")) ||
                   damage.startsWith(QLatin1String("collate")) ||
                   damage.startsWith(QLatin1String("other ")) ||
                   damage.startsWith(QLatin1String("without"))) {
            // the same tables and columns, one clause different: built from the schema text
            QString schema = agendaSchemaSql();
            const QString dennik = QStringLiteral("    MaDat TEXT,\n    Dal TEXT\n);\n\nCREATE "
                                                  "TABLE UctovnyDennikPomocny");
            QVERIFY(schema.contains(dennik));
            if (damage == QLatin1String("check"))
                schema.replace(dennik, QStringLiteral("    MaDat TEXT,\n    Dal TEXT,\n    CHECK "
                                                      "(Doklad <> 'x')\n);\n\nCREATE TABLE "
                                                      "UctovnyDennikPomocny"));
            else if (damage == QLatin1String("collate nocase"))
                schema.replace(QStringLiteral("    Cislo TEXT PRIMARY KEY,\n    Nazov TEXT,\n    "
                                              "Povod"),
                               QStringLiteral("    Cislo TEXT PRIMARY KEY COLLATE NOCASE,\n    "
                                              "Nazov TEXT,\n    Povod"));
            else if (damage == QLatin1String("other default"))
                schema.replace(QStringLiteral("Verzia TEXT DEFAULT ''"),
                               QStringLiteral("Verzia TEXT DEFAULT '2.0.0.0'"));
            else if (damage == QLatin1String("other column type"))
                schema.replace(QStringLiteral("    Suma TEXT,\n    Popis TEXT,\n    MaDat TEXT,\n"
                                              "    Dal TEXT\n);\n\nCREATE TABLE "
                                              "UctovnyDennikPomocny"),
                               QStringLiteral("    Suma NUMERIC,\n    Popis TEXT,\n    MaDat "
                                              "TEXT,\n    Dal TEXT\n);\n\nCREATE TABLE "
                                              "UctovnyDennikPomocny"));
            else
                schema.replace(QStringLiteral("    Cislo INTEGER PRIMARY KEY,\n    Obrazok "
                                              "BLOB\n)"),
                               QStringLiteral("    Cislo INTEGER PRIMARY KEY,\n    Obrazok "
                                              "BLOB\n) WITHOUT ROWID"));
            QVERIFY(schema != agendaSchemaSql());
            QFile::remove(path);
            Connection c;
            c.open(path, Connection::Mode::Create);
            c.exec(schema);
            c.exec(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"));
        } else if (damage == QLatin1String("plain sqlite")) {
            QFile::remove(path);
            Connection c;
            c.open(path, Connection::Mode::Create, QString());
            c.exec(agendaSchemaSql());
            c.exec(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"));
        }
        const QByteArray before = readFileBytes(path);
        QVERIFY(!kontrolaDatabazy(path));
        QCOMPARE(readFileBytes(path), before); // the check changes nothing
        {
            // the check on the connection that would become the working one: the same
            // refusal, nothing left open, nothing changed
            Store s;
            QVERIFY(!s.connectCheckedAgenda(path));
            QVERIFY(!s.isConnected());
            QVERIFY(!s.tblAgendaNastavenie.isOpen());
            QCOMPARE(readFileBytes(path), before);
        }
        // and leaves nothing open: the file can be replaced and checked again at once
        if (QFile::exists(path)) {
            QVERIFY(QFile::remove(path));
            QVERIFY(QFile::copy(QStringLiteral(PREPARED_AGENDA), path));
            QVERIFY(kontrolaDatabazy(path));
        }
    }

    void compactionKeepsEveryRow() {
        TestAgenda a;
        fillEveryTable(a.path(), 1000);
        const QByteArray sourceBefore = readFileBytes(a.path());
        const QStringList expected = allRows(a.path());
        QVERIFY(expected.size() > 1000);

        // the destination exists already and holds something else
        const QString destination = a.file(QStringLiteral("Zaloha.mdb"));
        writeFileBytes(destination, "stary obsah");
        const FileResult r = compactDatabase(a.path(), destination);
        QVERIFY2(r.ok, qPrintable(r.error));
        QVERIFY(kontrolaDatabazy(destination));
        QCOMPARE(allRows(destination), expected);
        QCOMPARE(readFileBytes(a.path()), sourceBefore);
        QVERIFY(leftovers(a.dir()).isEmpty());

        // compacting in place the way closing does
        const QString temp = a.file(QStringLiteral("Data.~mdb"));
        QVERIFY(compactDatabase(a.path(), temp).ok);
        QVERIFY(renameOver(temp, a.path()).ok);
        QVERIFY(!QFile::exists(temp));
        QVERIFY(kontrolaDatabazy(a.path()));
        QCOMPARE(allRows(a.path()), expected);
    }

    void failedCompactionReplacesNothing() {
        TestAgenda a;
        const QString destination = a.file(QStringLiteral("Data.~mdb"));
        writeFileBytes(destination, "predchadzajuca kopia");

        // the source is no agenda
        const QString junk = a.file(QStringLiteral("junk.mdb"));
        writeFileBytes(junk, QByteArray(8192, 'x'));
        FileResult r = compactDatabase(junk, destination);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(readFileBytes(destination), QByteArray("predchadzajuca kopia"));

        // the source is missing
        r = compactDatabase(a.file(QStringLiteral("nie.mdb")), destination);
        QVERIFY(!r.ok);
        QCOMPARE(readFileBytes(destination), QByteArray("predchadzajuca kopia"));

        // the source is an unaccepted agenda (wrong version): no copy takes its place
        {
            Connection c;
            c.open(a.path());
            c.exec(QStringLiteral("UPDATE AgendaNastavenie SET Verzia = '1.0';"));
        }
        r = compactDatabase(a.path(), destination);
        QVERIFY(!r.ok);
        QCOMPARE(readFileBytes(destination), QByteArray("predchadzajuca kopia"));

        // the destination folder does not exist
        r = compactDatabase(QStringLiteral(PREPARED_AGENDA), a.file(QStringLiteral("nie/x.mdb")));
        QVERIFY(!r.ok);
        QVERIFY(leftovers(a.dir()).isEmpty());
    }

    void aDamagedRowIsRejectedAtOnce() {
        // found by the fuzzer: the pages are sound, one row's record is not
        TestAgenda a;
        const QString path = a.file(QStringLiteral("poskodeny.db"));
        writeFileBytes(path, readFileBytes(QStringLiteral(FUZZ_CORPUS "/agenda/poskodeny-zaznam"))
                                 .mid(1)); // without the fuzzer's mode byte
        Connection c;
        c.open(path, Connection::Mode::ReadWrite, QString());
        QCOMPARE(c.query(QStringLiteral("PRAGMA quick_check;")).text(0, 0), QStringLiteral("ok"));
        QVERIFY_THROWS_EXCEPTION(DbError,
                                 c.query(QStringLiteral("SELECT * FROM AgendaPrisposobenie;")));
        QVERIFY(!jeAgenda(c));
        // the sound file it was made from is an agenda
        writeFileBytes(
            path, readFileBytes(QStringLiteral(FUZZ_CORPUS "/agenda/nesifrovana-mala")).mid(1));
        Connection d;
        d.open(path, Connection::Mode::ReadWrite, QString());
        QVERIFY(jeAgenda(d));
    }

    void schemaComparisonIgnoresOnlyLayout() {
        // the same statement over other lines is the same schema; a word more is not
        QCOMPARE(normalizedSql(QStringLiteral("CREATE TABLE X (\n    a TEXT,\tb\n)")),
                 QStringLiteral("CREATE TABLE X ( a TEXT, b )"));
        QCOMPARE(normalizedSql(QStringLiteral("CREATE TABLE X (a TEXT DEFAULT '  x  ')")),
                 QStringLiteral("CREATE TABLE X (a TEXT DEFAULT '  x  ')"));
        QVERIFY(normalizedSql(QStringLiteral("CREATE INDEX i ON t (a)")) !=
                normalizedSql(QStringLiteral("CREATE UNIQUE INDEX i ON t (a)")));
        // a compacted copy keeps the statements: it is accepted, and so is its copy
        TestAgenda a;
        const QString first = a.file(QStringLiteral("prva.mdb"));
        const QString second = a.file(QStringLiteral("druha.mdb"));
        QVERIFY(compactDatabase(a.path(), first).ok);
        QVERIFY(compactDatabase(first, second).ok);
        Connection c1, c2;
        c1.open(a.path());
        c2.open(second);
        QCOMPARE(describeSchema(c2), describeSchema(c1));
    }

    void staleTemporaryFilesAreRemovedHeldOnesKept() {
        TestAgenda a;
        const QString kopia = a.file(QStringLiteral("Data.~mdb"));
        const QStringList stale = {QStringLiteral(".Data.~mdb.0123abcd.tmp"),
                                   QStringLiteral(".Data.~mdb.0123abcd.tmp-journal"),
                                   QStringLiteral(".Data.~mdb.ffffffff.tmp-journal"), // orphan
                                   QStringLiteral(".Data.mdb.89abcdef.tmp")};
        const QStringList foreign = {
            QStringLiteral(".Data.~mdb.moje.tmp"), QStringLiteral("Data.~mdb.0123abcd.tmp"),
            QStringLiteral(".Ine.mdb.0123abcd.tmp"), QStringLiteral(".Data.~mdb.0123abcd.tmp.bak")};
        for (const QString& f : stale + foreign)
            writeFileBytes(a.file(f), "zvysok");
        {
            DocasnySubor held(kopia); // another copy is writing this one right now
            QVERIFY(held.ok());
            writeFileBytes(held.cesta() + QStringLiteral("-journal"), "zurnal");
            QCOMPARE(odstranitStareKopie(kopia), 3);
            QCOMPARE(odstranitStareKopie(a.path()), 1);
            for (const QString& f : stale)
                QVERIFY2(!QFile::exists(a.file(f)), qPrintable(f));
            for (const QString& f : foreign)
                QVERIFY2(QFile::exists(a.file(f)), qPrintable(f));
            QVERIFY(QFile::exists(held.cesta()));
            QVERIFY(QFile::exists(held.cesta() + QStringLiteral("-journal")));
        }
        // its writer is gone (the object removes its own file; a killed one leaves it)
        QCOMPARE(leftovers(a.dir()).size(), foreign.size());

        // a compaction first removes what an interrupted one left beside its destination
        writeFileBytes(a.file(QStringLiteral(".Zaloha.mdb.00000001.tmp")),
                       QByteArray(1 << 20, 'z'));
        QVERIFY(compactDatabase(a.path(), a.file(QStringLiteral("Zaloha.mdb"))).ok);
        QVERIFY(!QFile::exists(a.file(QStringLiteral(".Zaloha.mdb.00000001.tmp"))));

        // the start: a finished but not moved copy of a close is removed, the agenda kept
        QVERIFY(compactDatabase(a.path(), kopia).ok);
        writeFileBytes(a.file(QStringLiteral(".Data.~mdb.00c0ffee.tmp")), "zvysok");
        upratatPriecinokAgendy(a.path());
        QVERIFY(!QFile::exists(kopia));
        QVERIFY(!QFile::exists(a.file(QStringLiteral(".Data.~mdb.00c0ffee.tmp"))));
        QVERIFY(kontrolaDatabazy(a.path()));
    }

    void oneCopyOfTheProgramPerAgenda() {
        TestAgenda a;
        ZamokAgendy prvy, druhy;
        QCOMPARE(prvy.ziskat(a.dir()), ZamokAgendy::Stav::Ziskany);
        QCOMPARE(druhy.ziskat(a.dir()), ZamokAgendy::Stav::Obsadeny);
        QVERIFY(!druhy.drzany());
        // another process is refused as well
        const pid_t dieta = ::fork();
        if (dieta == 0) {
            ZamokAgendy z;
            ::_exit(z.ziskat(a.dir()) == ZamokAgendy::Stav::Obsadeny ? 0 : 1);
        }
        int stav = -1;
        QCOMPARE(::waitpid(dieta, &stav, 0), dieta);
        QVERIFY(WIFEXITED(stav) && WEXITSTATUS(stav) == 0);
        prvy.uvolnit();
        QCOMPARE(druhy.ziskat(a.dir()), ZamokAgendy::Stav::Ziskany);
        QCOMPARE(ZamokAgendy().ziskat(a.file(QStringLiteral("nie"))),
                 ZamokAgendy::Stav::Nedostupny);
    }

    void engineFailuresInSlovak() {
        TestAgenda a;
        auto chyba = [](const std::function<void()>& f) {
            try {
                f();
            } catch (const DbError& e) {
                return e;
            }
            return DbError(QString());
        };
        // read-only file
        DbError e = chyba([&] {
            Connection c;
            c.open(a.path(), Connection::Mode::ReadOnly);
            c.exec(QStringLiteral("DELETE FROM UctovnyDennik;"));
        });
        QCOMPARE(e.code(), SQLITE_READONLY);
        QCOMPARE(e.text(), QStringLiteral("Agenda sa nedá zapísať: súbor alebo jeho priečinok je "
                                          "len na čítanie."));
        // locked by another connection (the engine waits its two seconds first)
        {
            Connection drzi;
            drzi.open(a.path());
            drzi.exec(QStringLiteral("BEGIN EXCLUSIVE;"));
            e = chyba([&] {
                Connection c;
                c.open(a.path());
                c.exec(QStringLiteral("DELETE FROM UctovnyDennik;"));
            });
            QCOMPARE(e.code(), SQLITE_BUSY);
            QCOMPARE(e.text(), QStringLiteral("Agenda je zamknutá, práve ju používa iný program."));
        }
        // damaged or foreign file
        const QString junk = a.file(QStringLiteral("junk.mdb"));
        writeFileBytes(junk, QByteArray(8192, 'x'));
        e = chyba([&] {
            Connection c;
            c.open(junk);
            c.query(QStringLiteral("SELECT * FROM UctovnyDennik;"));
        });
        QCOMPARE(e.code(), SQLITE_NOTADB);
        QCOMPARE(e.text(),
                 QStringLiteral("Súbor je poškodený alebo to nie je agenda tohto programu."));
        // a folder that is not there
        e = chyba([&] {
            Connection c;
            c.open(a.file(QStringLiteral("nie/Data.mdb")), Connection::Mode::Create);
        });
        QCOMPARE(e.code(), SQLITE_CANTOPEN);
        QVERIFY2(e.text().startsWith(QStringLiteral("Súbor sa nedá otvoriť: ")),
                 qPrintable(e.text()));
        // full disk, from the errno behind an I/O error as well
        QCOMPARE(popisChybyStroja(SQLITE_FULL, 0, QStringLiteral("database or disk is full")),
                 QStringLiteral("Na disku nie je dosť miesta, údaje sa nedali zapísať."));
        QCOMPARE(popisChybyStroja(SQLITE_IOERR_WRITE, ENOSPC, QStringLiteral("disk I/O error")),
                 QStringLiteral("Na disku nie je dosť miesta, údaje sa nedali zapísať."));
        QCOMPARE(popisChybyStroja(SQLITE_IOERR_WRITE, EROFS, QStringLiteral("disk I/O error")),
                 popisChybyStroja(SQLITE_READONLY, 0, QString()));
        // the rest keeps the engine's own words
        QCOMPARE(popisChybyStroja(SQLITE_ERROR, 0, QStringLiteral("no such table: X")),
                 QStringLiteral("no such table: X"));
    }

    // A file system of 192 KiB mounted in a child process's own mount namespace (root, or
    // an unprivileged user namespace); skipped where neither is possible.
    void fullDiskIsReportedAndLeavesNothing() {
        TestAgenda a;
        fillEveryTable(a.path(), 3000);
        const QString plny = a.file(QStringLiteral("plny"));
        QVERIFY(QDir().mkpath(plny));
        const QString mala = a.file(QStringLiteral("mala.mdb")); // fits; the big agenda does not
        QVERIFY(QFile::copy(QStringLiteral(PREPARED_AGENDA), mala));
        const QStringList v = vDetskomProcese([&] {
            QStringList out;
            const bool root = ::geteuid() == 0;
            if (::unshare(root ? CLONE_NEWNS : CLONE_NEWUSER | CLONE_NEWNS) != 0 ||
                ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                ::mount("tmpfs", QFile::encodeName(plny).constData(), "tmpfs", 0, "size=192k") !=
                    0) {
                out << QStringLiteral("SKIP");
            } else {
                const QString ciel = plny + QStringLiteral("/Data.mdb");
                QFile::copy(mala, ciel);
                const FileResult zaloha =
                    compactDatabase(a.path(), plny + QStringLiteral("/Zaloha.mdb"));
                const FileResult obnova = replaceFileWith(a.path(), ciel);
                out << (zaloha.ok ? QStringLiteral("ok") : zaloha.error)
                    << (obnova.ok ? QStringLiteral("ok") : obnova.error)
                    << (readFileBytes(ciel) == readFileBytes(mala) ? QStringLiteral("nezmeneny")
                                                                   : QStringLiteral("zmeneny"))
                    << QDir(plny).entryList(QDir::Files | QDir::Hidden | QDir::System).join(u',');
            }
            return out;
        });
        if (v.value(0) == QLatin1String("SKIP"))
            QSKIP("no private mount of a small file system here");
        QCOMPARE(v.size(), 4);
        QVERIFY2(v[0].contains(QStringLiteral("Na disku nie je dosť miesta")), qPrintable(v[0]));
        QVERIFY2(v[1].contains(QStringLiteral("Na disku nie je dosť miesta")), qPrintable(v[1]));
        QVERIFY2(!v[1].contains(QStringLiteral("cancel"), Qt::CaseInsensitive), qPrintable(v[1]));
        QCOMPARE(v[2], QStringLiteral("nezmeneny"));
        QCOMPARE(v[3], QStringLiteral("Data.mdb")); // no copy, no journal beside it
    }

    // A linked agenda, backup or restored agenda: the file the link names is replaced, the
    // link stays, nothing is left beside either.
    void linksAreFollowed() {
        TestAgenda a;
        const QString spolocny = a.file(QStringLiteral("spolocny"));
        QVERIFY(QDir().mkpath(spolocny));
        const QString subor = spolocny + QStringLiteral("/Data.mdb");
        QVERIFY(QFile::rename(a.path(), subor));
        QVERIFY(QFile::link(subor, a.path()));
        nastavitNazov(a.path(), QStringLiteral("Zdieľaná"));
        QVERIFY(zhutnitAgendu(a.path()).ok);
        QCOMPARE(QFileInfo(a.path()).symLinkTarget(), subor);
        QCOMPARE(nazovFirmy(subor), QStringLiteral("Zdieľaná"));
        // a backup onto a link whose file is not there yet
        const QString zaloha = a.file(QStringLiteral("Zaloha.mdb"));
        QVERIFY(QFile::link(spolocny + QStringLiteral("/Zaloha.mdb"), zaloha));
        QVERIFY(compactDatabase(a.path(), zaloha).ok);
        QVERIFY(QFileInfo(zaloha).isSymLink());
        QCOMPARE(nazovFirmy(spolocny + QStringLiteral("/Zaloha.mdb")), QStringLiteral("Zdieľaná"));
        // a restore onto the linked agenda
        QVERIFY(replaceFileWith(QStringLiteral(PREPARED_AGENDA), a.path()).ok);
        QVERIFY(QFileInfo(a.path()).isSymLink());
        QCOMPARE(readFileBytes(subor), readFileBytes(QStringLiteral(PREPARED_AGENDA)));
        QCOMPARE(vsetkySubory(spolocny), QStringList({"Data.mdb", "Zaloha.mdb"}));
        QCOMPARE(vsetkySubory(a.dir()), QStringList({"Data.mdb", "Zaloha.mdb"}));
    }

    // A replaced file keeps its permissions; a new backup, hand-in or restored file is the
    // owner's only.
    void permissionsAreKept() {
        TestAgenda a;
        const auto rwr = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup;
        const auto rw = QFile::ReadOwner | QFile::WriteOwner;
        QVERIFY(QFile::setPermissions(a.path(), rwr));
        QVERIFY(zhutnitAgendu(a.path()).ok);
        QCOMPARE(prava(a.path()), rwr);
        const QString nova = a.file(QStringLiteral("Nova.mdb"));
        QVERIFY(compactDatabase(a.path(), nova).ok);
        QCOMPARE(prava(nova), rw);
        const QString stara = a.file(QStringLiteral("Stara.mdb"));
        writeFileBytes(stara, "stara");
        const auto rwrr = rwr | QFile::ReadOther;
        QVERIFY(QFile::setPermissions(stara, rwrr));
        QVERIFY(compactDatabase(a.path(), stara).ok);
        QCOMPARE(prava(stara), rwrr);
        QVERIFY(replaceFileWith(nova, a.path()).ok);
        QCOMPARE(prava(a.path()), rwr);
        QVERIFY(replaceFileWith(stara, a.file(QStringLiteral("Obnovena.mdb"))).ok);
        QCOMPARE(prava(a.file(QStringLiteral("Obnovena.mdb"))), rw);
    }

    // The disk fills or the agenda proves damaged while a larger agenda is copied (backup,
    // hand-in, close): the engine's failure inside the export is told in Slovak.
    void exportFailuresInSlovak() {
        TestAgenda a;
        fillEveryTable(a.path(), 40000); // more than the copy's cache holds
        const QString plny = a.file(QStringLiteral("plny"));
        QVERIFY(QDir().mkpath(plny));
        const QString agenda = plny + QStringLiteral("/Data.mdb");
        QVERIFY(replaceFileWith(a.path(), agenda).ok);
        const QByteArray pred = readFileBytes(agenda);
        QStringList chyby;
        {
            PlnyDisk disk(pred.size() / 4);
            chyby << compactDatabase(a.path(), plny + QStringLiteral("/Zaloha.mdb")).error
                  << zhutnitAgendu(agenda).error;
        }
        for (const QString& e : chyby)
            QVERIFY2(e == QStringLiteral("Na disku nie je dosť miesta, údaje sa nedali zapísať."),
                     qPrintable(e));
        QCOMPARE(readFileBytes(agenda), pred);
        QCOMPARE(vsetkySubory(plny), QStringList{QStringLiteral("Data.mdb")});

        // one page after another of the end of the file (the picture's pages among them)
        // damaged: what the count of rows does not read, the export does
        TestAgenda b;
        fillEveryTable(b.path(), 100);
        const QByteArray dobry = readFileBytes(b.path());
        int vExporte = 0;
        for (int strana = 1; strana <= 8; ++strana) {
            QByteArray zly = dobry;
            const qsizetype at = dobry.size() - strana * 1024 + 512;
            zly[at] = static_cast<char>(zly[at] ^ 0x20);
            writeFileBytes(b.path(), zly);
            const FileResult r = compactDatabase(b.path(), b.file(QStringLiteral("Zaloha.mdb")));
            QVERIFY(!r.ok);
            QVERIFY2(r.error.startsWith(QStringLiteral("Súbor")), qPrintable(r.error));
            QVERIFY2(!r.error.contains(QStringLiteral("database")), qPrintable(r.error));
            if (r.error == QStringLiteral("Súbor agendy je poškodený, údaje sa z neho nedajú "
                                          "prečítať."))
                ++vExporte;
        }
        QVERIFY(vExporte > 0);
        QCOMPARE(leftovers(b.dir()), QStringList());
    }

    // The causes named: an agenda deleted under the running program, a path too long for
    // the engine, a folder that cannot be written.
    void causesOfFailures() {
        TestAgenda a;
        {
            Connection c;
            c.open(a.path());
            c.query(QStringLiteral("SELECT COUNT(*) FROM UctovnyDennik;"));
            QVERIFY(QFile::remove(a.path()));
            try {
                c.exec(QStringLiteral("DELETE FROM UctovnyDennik;"));
                QFAIL("written into a deleted file");
            } catch (const DbError& e) {
                QCOMPARE(e.text(), QStringLiteral("Súbor agendy bol počas práce zmazaný, "
                                                  "premiestnený alebo nahradený iným: zmeny sa doň "
                                                  "nedajú zapísať."));
            }
        }
        QCOMPARE(zhutnitAgendu(a.path()).error,
                 QStringLiteral("Súbor agendy %1 už neexistuje: počas práce bol zmazaný alebo "
                                "premiestnený.")
                     .arg(a.path()));

        QString dlha = a.dir();
        while (QFile::encodeName(dlha).size() < 600)
            dlha += QStringLiteral("/priečinok-s-dlhým-menom");
        QVERIFY(QDir().mkpath(dlha));
        QVERIFY(prilisDlhaCesta(QStringLiteral(PREPARED_AGENDA)).isEmpty());
        const FileResult r =
            compactDatabase(QStringLiteral(PREPARED_AGENDA), dlha + QStringLiteral("/Zaloha.mdb"));
        QVERIFY2(r.error.contains(QStringLiteral("je príliš dlhá (najviac 480 bajtov)")),
                 qPrintable(r.error));

        // as an ordinary user: a read-only folder with its agenda
        const QString citanie = a.file(QStringLiteral("citanie"));
        QVERIFY(QDir().mkpath(citanie));
        const QString agenda = citanie + QStringLiteral("/Data.mdb");
        QVERIFY(QFile::copy(QStringLiteral(PREPARED_AGENDA), agenda));
        const auto rx = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther;
        QVERIFY(QFile::setPermissions(agenda, QFile::ReadOwner | QFile::ReadOther));
        QVERIFY(QFile::setPermissions(citanie, rx));
        QVERIFY(QFile::setPermissions(a.dir(), rx));
        const QStringList v = akoPouzivatel([&] {
            return QStringList{prekazkaZapisu(agenda), zhutnitAgendu(agenda).error,
                               compactDatabase(agenda, citanie + QStringLiteral("/Z.mdb")).error};
        });
        QFile::setPermissions(a.dir(), rx | QFile::WriteOwner);
        QFile::setPermissions(citanie, rx | QFile::WriteOwner);
        if (v.value(0) == QLatin1String("SKIP"))
            QSKIP("no ordinary user here");
        const QString nedaSa = QStringLiteral("Súbor alebo priečinok je len na čítanie alebo k "
                                              "nemu nie je prístup.");
        QCOMPARE(v.value(0),
                 QStringLiteral("Priečinok %1 sa nedá zapisovať: %2").arg(citanie, nedaSa));
        for (const QString& e : v.mid(1))
            QCOMPARE(
                e,
                QStringLiteral("V priečinku %1 sa nedá vytvoriť súbor: %2").arg(citanie, nedaSa));
    }

    void replacingAFile() {
        TestAgenda a;
        const QString target = a.file(QStringLiteral("ciel.mdb"));
        writeFileBytes(target, "povodny");
        QVERIFY(replaceFileWith(a.path(), target).ok);
        QCOMPARE(readFileBytes(target), readFileBytes(a.path()));
        writeFileBytes(target, "povodny");
        const FileResult r = replaceFileWith(a.file(QStringLiteral("nie.mdb")), target);
        QVERIFY(!r.ok);
        QVERIFY(!r.error.isEmpty());
        QCOMPARE(readFileBytes(target), QByteArray("povodny"));
    }
};

QTEST_GUILESS_MAIN(TestAgendaFile)
#include "test_agenda.moc"
