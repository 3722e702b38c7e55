// The agenda under faults: a corpus of bad files offered to the restore, and closing,
// backup and restore killed at random moments.

#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "TestAgenda.h"

#include "app/Hlavny.h"
#include "store/Agenda.h"
#include "store/Subory.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>

#include <csignal>
#include <cstdlib>
#include <unistd.h>

using namespace saldovia;

namespace {

constexpr int Stranka = 1024; // the cipher's page size

void spustit(const QString& path, const QString& sql, const QString& key = Heslo) {
    Connection c;
    c.open(path, Connection::Mode::Create, key);
    c.exec(sql);
}

// A file made from the schema text with one change, keyed as the program keys.
void zoSchemy(const QString& path, const QString& schema, const QString& key = Heslo) {
    QFile::remove(path);
    spustit(path,
            schema + QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"),
            key);
}

QString zmenenaSchema(const QString& co, const QString& naco) {
    QString schema = agendaSchemaSql();
    if (!schema.contains(co))
        throw std::runtime_error("the schema text has changed");
    return schema.replace(co, naco);
}

// Number of rows of every table, the way the check after an interruption compares them.
QStringList pocty(const QString& path) {
    Connection c;
    c.open(path, Connection::Mode::ReadOnly);
    QStringList out;
    const ResultSet t = c.query(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;"));
    for (int i = 0; i < t.rowCount(); ++i)
        out << t.text(i, 0) + u'=' +
                   c.query(QStringLiteral("SELECT COUNT(*) FROM %1;").arg(t.text(i, 0))).text(0, 0);
    return out;
}

void naplnit(const QString& path, int riadky) {
    Connection c;
    c.open(path);
    Transaction t(c);
    for (int i = 1; i <= riadky; ++i)
        c.execBound(QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '05.01.2006', 'ID0601', "
                                   "?, 'SKK', '1,000', ?, 'Nákup materiálu O''Brien', '501  ', "
                                   "'211  ');"),
                    {i, QStringLiteral("%1,50").arg(i), QStringLiteral("%1,50").arg(i)});
    c.exec(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Datum, Popis, Logo) VALUES ('ID', "
                          "'ID0601', '05.01.2006', 'Doklad', 0);"));
    c.execBound(QStringLiteral("INSERT INTO Logo VALUES (1, ?);"), {QByteArray(20000, 'L')});
    t.commit();
}

// The files of the folder, hidden ones too, but not the folders, nor the lock of the copy of
// the program running on it.
QStringList subory(const QString& dir) {
    QStringList s = QDir(dir).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
    s.removeOne(QStringLiteral(".Saldovia.lock"));
    return s;
}

} // namespace

// The child of the interruption test: repeats one operation until it is killed.
static int opakovatOperaciu(const QByteArray& operacia) {
    const QString dir = QString::fromLocal8Bit(qgetenv("SALDOVIA_PRIECINOK"));
    const QString agenda = dir + QStringLiteral("/Data.mdb");
    const QString zaloha = dir + QStringLiteral("/zalohy/Zaloha.mdb");
    (void)!::write(1, "start\n", 6);
    for (;;) {
        FileResult r;
        if (operacia == "zatvorenie")
            r = zhutnitAgendu(agenda);
        else if (operacia == "zaloha")
            r = ulozitKopiuAgendy(agenda, zaloha);
        else
            r = replaceFileWith(zaloha, agenda);
        if (!r) {
            const QByteArray e = r.error.toUtf8() + '\n';
            (void)!::write(2, e.constData(), e.size());
            return 1;
        }
    }
}

class TestOdolnost : public QObject {
    Q_OBJECT

private slots:
    // Every bad file is refused by the restore: the message, the loaded agenda unchanged and
    // still connected, the offered file unchanged.
    void restoreRefusesEveryBadFile() {
        TestAgenda a;
        spustit(a.path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', "
                                         "NazovFirmy = 'Škola';"));
        naplnit(a.path(), 30);
        const QByteArray dobry = readFileBytes(QStringLiteral(PREPARED_AGENDA));
        const QString korpus = a.file(QStringLiteral("korpus"));
        QVERIFY(QDir().mkpath(korpus));
        QStringList zle;
        auto novy = [&](const QString& meno) {
            zle << korpus + u'/' + meno + QStringLiteral(".mdb");
            return zle.constLast();
        };
        auto kopia = [&](const QString& meno) {
            const QString p = novy(meno);
            writeFileBytes(p, dobry);
            return p;
        };

        QRandomGenerator nahoda(12);
        for (int size : {0, 1, 15, 16, 100, 1023, 1024, 1025, 4096, 16384, 49152}) {
            QByteArray b(size, '\0');
            for (char& c : b)
                c = static_cast<char>(nahoda.generate());
            writeFileBytes(novy(QStringLiteral("nahodne-%1").arg(size)), b);
            writeFileBytes(novy(QStringLiteral("nahodne-hlavicka-%1").arg(size)),
                           QByteArray("SQLite format 3", 16) + b);
        }
        for (int off = 1; off < dobry.size(); off += off < 2048 ? 211 : 1237)
            writeFileBytes(novy(QStringLiteral("skrateny-%1").arg(off)), dobry.left(off));
        for (int off : {15, 16, 17, Stranka - 1, Stranka, Stranka + 1})
            writeFileBytes(novy(QStringLiteral("skrateny-%1").arg(off)), dobry.left(off));
        for (int page = 0; page * Stranka < dobry.size(); page += page < 3 ? 1 : 4) {
            // the salt, the page's data, its MAC (the last 12 bytes are padding, unchecked)
            for (int at : {page == 0 ? 3 : 0, Stranka / 2, Stranka - 30}) {
                QByteArray b = dobry;
                b[page * Stranka + at] = static_cast<char>(b[page * Stranka + at] ^ 0x10);
                writeFileBytes(novy(QStringLiteral("prehodeny-%1-%2").arg(page).arg(at)), b);
            }
        }
        for (const QString& key : {QStringLiteral("ine-heslo"), Heslo.toUpper(), Heslo + u' '})
            zoSchemy(novy(QStringLiteral("kluc-%1").arg(zle.size())), agendaSchemaSql(), key);
        zoSchemy(novy(QStringLiteral("bez-sifry")), agendaSchemaSql(), QString());
        {
            const QString p = novy(QStringLiteral("bez-sifry-s-udajmi"));
            zoSchemy(p, agendaSchemaSql(), QString());
            spustit(p, QStringLiteral("INSERT INTO UctovnyDennik (Riadok) VALUES (1);"), QString());
        }
        const QStringList verzie = {QStringLiteral("'2.0.0.1'"),  QStringLiteral("'1.0.0.0'"),
                                    QStringLiteral("''"),         QStringLiteral("NULL"),
                                    QStringLiteral("' 2.0.0.0'"), QStringLiteral("'2.0.0.0 '"),
                                    QStringLiteral("2")};
        for (const QString& v : verzie)
            spustit(kopia(QStringLiteral("verzia-%1").arg(zle.size())),
                    QStringLiteral("UPDATE AgendaNastavenie SET Verzia = %1;").arg(v));
        spustit(kopia(QStringLiteral("bez-riadku")),
                QStringLiteral("DELETE FROM AgendaNastavenie;"));
        spustit(kopia(QStringLiteral("druhy-riadok")),
                QStringLiteral("UPDATE AgendaNastavenie SET Verzia = '1.0'; INSERT INTO "
                               "AgendaNastavenie (Verzia) VALUES ('2.0.0.0');"));

        const std::pair<const char*, const char*> zmeny[] = {
            {"unikatny-index",
             "DROP INDEX UctovnyDennikDoklad; CREATE UNIQUE INDEX UctovnyDennikDoklad ON "
             "UctovnyDennik (Doklad);"},
            {"ciastocny-index", "DROP INDEX DokladyPolozkyDoklad; CREATE INDEX "
                                "DokladyPolozkyDoklad ON DokladyPolozky (Doklad, Cislo) WHERE "
                                "Cislo > 1;"},
            {"iny-index", "DROP INDEX DokladyPolozkyDoklad; CREATE INDEX DokladyPolozkyDoklad ON "
                          "DokladyPolozky (Cislo, Doklad);"},
            {"bez-indexu", "DROP INDEX UctovnyDennikDoklad;"},
            {"index-navyse", "CREATE INDEX Navyse ON UctovaOsnova (Nazov);"},
            {"spustac", "CREATE TRIGGER t AFTER INSERT ON UctovnyDennik BEGIN DELETE FROM "
                        "Doklady; END;"},
            {"pohlad", "CREATE VIEW Pohlad AS SELECT * FROM UctovnyDennik;"},
            {"tabulka-navyse", "CREATE TABLE Navyse (x);"},
            {"stlpec-navyse", "ALTER TABLE Doklady ADD COLUMN Navyse TEXT;"},
            {"bez-tabulky", "DROP TABLE HlavnaKnihaVzor;"},
            {"statistika", "ANALYZE;"},
            {"autoincrement", "CREATE TABLE Poradie (x INTEGER PRIMARY KEY AUTOINCREMENT); "
                              "INSERT INTO Poradie VALUES (NULL); DROP TABLE Poradie;"},
        };
        for (const auto& [meno, sql] : zmeny)
            spustit(kopia(QString::fromLatin1(meno)), QString::fromLatin1(sql));
        const std::pair<const char*, std::pair<const char*, const char*>> schemy[] = {
            {"check",
             {"    Dal TEXT\n);\n\nCREATE TABLE UctovnyDennikPomocny",
              "    Dal TEXT CHECK (Dal <> '')\n);\n\nCREATE TABLE UctovnyDennikPomocny"}},
            {"nocase",
             {"    Cislo TEXT PRIMARY KEY,\n    Nazov TEXT,\n    Povod",
              "    Cislo TEXT PRIMARY KEY COLLATE NOCASE,\n    Nazov TEXT,\n    Povod"}},
            {"unique-stlpec", {"    Prefix TEXT,", "    Prefix TEXT UNIQUE,"}},
            {"not-null",
             {"    Popis TEXT,\n    Cena TEXT\n);\n\nCREATE TABLE DokladyPolozkyPomocne",
              "    Popis TEXT NOT NULL,\n    Cena TEXT\n);\n\nCREATE TABLE "
              "DokladyPolozkyPomocne"}},
            {"ine-predvolene", {"Verzia TEXT DEFAULT ''", "Verzia TEXT DEFAULT '2.0.0.0'"}},
            {"iny-typ",
             {"    Cislo INTEGER PRIMARY KEY,\n    Obrazok BLOB",
              "    Cislo INTEGER PRIMARY KEY,\n    Obrazok TEXT"}},
            {"bez-rowid",
             {"    Cislo INTEGER PRIMARY KEY,\n    Obrazok BLOB\n)",
              "    Cislo INTEGER PRIMARY KEY,\n    Obrazok BLOB\n) WITHOUT ROWID"}},
        };
        for (const auto& [meno, zmena] : schemy)
            zoSchemy(
                novy(QString::fromLatin1(meno)),
                zmenenaSchema(QString::fromLatin1(zmena.first), QString::fromLatin1(zmena.second)));
        QVERIFY(zle.size() > 120);

        ScriptedDialogs dialogs;
        TfrmHlavny h(a.dir());
        h.FormActivate();
        QVERIFY(h.store().isConnected());
        const QByteArray agenda = readFileBytes(a.path());
        for (const QString& p : zle) {
            const QByteArray ponuknuty = readFileBytes(p);
            dialogs.files = {p};
            dialogs.answers = {QMessageBox::Yes};
            h.mmItmObnovit->trigger();
            QCOMPARE(dialogs.last().text, QStringLiteral("Zvolený súbor sa nedá použiť!"));
            QVERIFY2(h.store().isConnected(), qPrintable(p));
            QCOMPARE(h.StatusBar->panel(0), QStringLiteral("2006"));
            QVERIFY2(readFileBytes(a.path()) == agenda, qPrintable(p));
            QVERIFY2(readFileBytes(p) == ponuknuty, qPrintable(p));
            QCOMPARE(subory(a.dir()), QStringList{QStringLiteral("Data.mdb")});
        }
        QCOMPARE(h.SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 30);
    }

    // What the program says names the cause: a file whose path is too long for the engine, a
    // backup into a folder that is not there, an agenda deleted while the program ran.
    void causesNamed() {
        TestAgenda a;
        spustit(a.path(), QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006';"));
        QString dlha = a.dir();
        while (QFile::encodeName(dlha).size() < 600)
            dlha += QStringLiteral("/priečinok-s-dlhým-menom");
        QVERIFY(QDir().mkpath(dlha));
        QVERIFY(QFile::copy(a.path(), dlha + QStringLiteral("/Zaloha.mdb")));
        ScriptedDialogs dialogs;
        {
            TfrmHlavny h(a.dir());
            h.FormActivate();
            QVERIFY(h.store().isConnected());
            dialogs.files = {dlha + QStringLiteral("/Zaloha.mdb")};
            h.mmItmObnovit->trigger();
            QVERIFY2(dialogs.last().text.startsWith(
                         QStringLiteral("Zvolený súbor sa nedá použiť!\n\nCesta k súboru ")),
                     qPrintable(dialogs.last().text));
            dialogs.files = {a.file(QStringLiteral("nie/Zaloha.mdb"))};
            h.mmItmZalohovat->trigger();
            QCOMPARE(dialogs.last().text,
                     QStringLiteral("Zálohovanie sa nepodarilo!\n\nPriečinok %1 neexistuje.")
                         .arg(a.file(QStringLiteral("nie"))));
            QVERIFY(h.store().isConnected());
            QVERIFY(QFile::remove(a.path()));
            h.close();
        }
        QCOMPARE(dialogs.last().caption, QStringLiteral("Zhutnenie agendy"));
        QCOMPARE(dialogs.last().text,
                 QStringLiteral("Agendu sa nepodarilo zhutniť.\n\nSúbor agendy %1 už neexistuje: "
                                "počas práce bol zmazaný alebo premiestnený.")
                     .arg(a.path()));
    }

    // Closing, backup and restore killed at random moments, many times: the agenda is always
    // there, accepted and whole, and the next start leaves no temporary file.
    void interruptedOperationsLoseNothing_data() {
        QTest::addColumn<QByteArray>("operacia");
        QTest::newRow("zatvorenie") << QByteArray("zatvorenie");
        QTest::newRow("zaloha") << QByteArray("zaloha");
        QTest::newRow("obnova") << QByteArray("obnova");
    }
    void interruptedOperationsLoseNothing() {
        QFETCH(QByteArray, operacia);
        const int pokusy = qEnvironmentVariableIntValue("SALDOVIA_POKUSY") > 0
                               ? qEnvironmentVariableIntValue("SALDOVIA_POKUSY")
                               : 15;
        TestAgenda a;
        naplnit(a.path(), 1500);
        const QString zalohy = a.file(QStringLiteral("zalohy"));
        const QString zaloha = zalohy + QStringLiteral("/Zaloha.mdb");
        QVERIFY(QDir().mkpath(zalohy));
        QElapsedTimer trvanie;
        trvanie.start();
        QVERIFY(compactDatabase(a.path(), zaloha).ok);
        const qint64 jednaOperacia = qMax<qint64>(trvanie.elapsed(), 20);
        const QStringList vsetko = pocty(a.path());

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("SALDOVIA_OPERACIA"), QString::fromLatin1(operacia));
        env.insert(QStringLiteral("SALDOVIA_PRIECINOK"), a.dir());
        QRandomGenerator nahoda(static_cast<quint32>(qHash(operacia)));
        int sozvyskami = 0;
        for (int i = 0; i < pokusy; ++i) {
            QProcess dieta;
            dieta.setProcessEnvironment(env);
            dieta.setProgram(QCoreApplication::applicationFilePath());
            dieta.start();
            QVERIFY(dieta.waitForStarted(10000));
            while (!dieta.readAllStandardOutput().contains("start"))
                QVERIFY2(dieta.waitForReadyRead(10000), dieta.readAllStandardError().constData());
            // anywhere in the first operation or the one after it
            ::usleep(static_cast<useconds_t>(nahoda.bounded(jednaOperacia * 2000)));
            ::kill(static_cast<pid_t>(dieta.processId()), SIGKILL);
            QVERIFY(dieta.waitForFinished(10000));
            QVERIFY2(dieta.exitStatus() == QProcess::CrashExit,
                     dieta.readAllStandardError().constData());

            QVERIFY(QFile::exists(a.path()));
            QVERIFY(kontrolaDatabazy(a.path()));
            QCOMPARE(pocty(a.path()), vsetko);
            if (operacia == "zaloha" && QFile::exists(zaloha)) {
                QVERIFY(kontrolaDatabazy(zaloha));
                QCOMPARE(pocty(zaloha), vsetko);
            }
            if (subory(a.dir()).size() > 1 || subory(zalohy).size() > 1)
                ++sozvyskami;
            // the next start, also in the folder of a killed backup
            {
                ZamokAgendy zamok;
                QCOMPARE(zamok.ziskat(a.dir()), ZamokAgendy::Stav::Ziskany);
                upratatPriecinokAgendy(a.path());
            }
            QCOMPARE(subory(a.dir()), QStringList{QStringLiteral("Data.mdb")});
            QCOMPARE(subory(zalohy), QStringList{QStringLiteral("Zaloha.mdb")});
        }
        qInfo("%s: %d of %d kills left temporary files behind", operacia.constData(), sozvyskami,
              pokusy);
        if (operacia != "obnova") // a restore writes too fast to be caught every time
            QVERIFY(sozvyskami > 0);
    }
};

int main(int argc, char** argv) {
    const QByteArray operacia = qgetenv("SALDOVIA_OPERACIA");
    if (!operacia.isEmpty())
        return opakovatOperaciu(operacia);
    QApplication app(argc, argv);
    saldovia::nastavitAplikaciu(app);
    TestOdolnost tc;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&tc, argc, argv);
}

#include "test_odolnost.moc"
