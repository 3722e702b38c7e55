#include "TestAgenda.h"

#include "app/Umiestnenie.h"
#include "store/Agenda.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace saldovia;

namespace {

// An installed tree: <prefix>/bin for the program, <prefix>/share/saldovia for its data,
// and a user's home data folder, each in its own temporary folder.
struct Strom {
    QTemporaryDir prefix, domov;
    QString bin() const { return prefix.filePath(QStringLiteral("bin")); }
    QString data() const { return prefix.filePath(QStringLiteral("share/saldovia")); }
    QString uzivatel() const { return domov.filePath(QStringLiteral(".local/share/Saldovia")); }
    Strom() {
        QDir().mkpath(bin());
        QDir().mkpath(data());
        QFile::copy(QStringLiteral(PREPARED_AGENDA), data() + QStringLiteral("/Data.mdb"));
        writeFileBytes(data() + QStringLiteral("/Pomocnik.hlp"), "Saldovia Pomocník 1\n");
    }
    Umiestnenie urcit(bool zapisovatelny = false) const {
        return urcitUmiestnenie(bin(), zapisovatelny, bin() + u'/' + instalovanePriecinokDat(),
                                uzivatel());
    }
};

} // namespace

class TestUmiestnenie : public QObject {
    Q_OBJECT

private slots:
    // An installed program keeps its agenda in the user's folder, created on the first start
    // from the prepared agenda, whether or not its own folder could be written; help is read
    // from the installed data folder, found relative to the program.
    void instalovany_agendaVPriecinkuUzivatela() {
        for (const bool zapisovatelny : {false, true}) {
            Strom s;
            const Umiestnenie u = s.urcit(zapisovatelny);
            QCOMPARE(u.chyba, QString());
            QCOMPARE(u.agenda, s.uzivatel());
            QCOMPARE(QDir(u.data).canonicalPath(), QDir(s.data()).canonicalPath());
            const QString agenda = u.agenda + QStringLiteral("/Data.mdb");
            QVERIFY(kontrolaDatabazy(agenda));
            QCOMPARE(readFileBytes(agenda), readFileBytes(s.data() + QStringLiteral("/Data.mdb")));
            QVERIFY(!QFile::exists(s.bin() + QStringLiteral("/Data.mdb")));
            // The copy is the user's own: it can be written, and read by nobody else; so are
            // the folders made for it.
            QVERIFY(QFile(agenda).open(QIODevice::ReadWrite));
            const auto vlastnik = QFile::ReadOwner | QFile::WriteOwner;
            const auto ostatni = QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                 QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
            QCOMPARE(QFile::permissions(agenda) & (vlastnik | ostatni), vlastnik);
            for (const QString& p : {s.uzivatel(), s.domov.filePath(QStringLiteral(".local"))})
                QCOMPARE(QFile::permissions(p) & (vlastnik | QFile::ExeOwner | ostatni),
                         vlastnik | QFile::ExeOwner);
        }
    }

    // The agenda already in the user's folder is the user's books: a later start keeps it,
    // even when it is not (or no longer) a usable agenda.
    void instalovany_existujucaAgendaZostava() {
        Strom s;
        s.urcit();
        const QString agenda = s.uzivatel() + QStringLiteral("/Data.mdb");
        writeFileBytes(agenda, "moje knihy");
        const Umiestnenie u = s.urcit();
        QCOMPARE(u.agenda, s.uzivatel());
        QCOMPARE(readFileBytes(agenda), QByteArray("moje knihy"));
    }

    // A portable copy: with an agenda beside the program, or in a writable folder of a program
    // that is not installed (the build folder), the agenda and help stay beside the program
    // and nothing is written to the user's folder.
    void prenosny_agendaPriPrograme() {
        Strom s;
        QFile::copy(QStringLiteral(PREPARED_AGENDA), s.bin() + QStringLiteral("/Data.mdb"));
        Umiestnenie u = s.urcit();
        QCOMPARE(u.agenda, s.bin());
        QVERIFY(!QFileInfo::exists(s.uzivatel()));

        TestAgenda build;
        QFile::remove(build.path());
        for (const bool zapisovatelny : {true, false}) {
            u = urcitUmiestnenie(build.dir(), zapisovatelny,
                                 build.dir() + u'/' + instalovanePriecinokDat(), s.uzivatel());
            QCOMPARE(u.data, build.dir());
            QCOMPARE(u.agenda, zapisovatelny ? build.dir() : s.uzivatel());
        }
        // Without an installed prepared agenda there is nothing to copy: the start then asks
        // for an agenda as it does for a missing one.
        QVERIFY(!QFileInfo::exists(s.uzivatel() + QStringLiteral("/Data.mdb")));
    }

    // A user folder that cannot be made is reported, and no agenda is pretended.
    void priecinokSaNedaVytvorit() {
        Strom s;
        writeFileBytes(s.domov.filePath(QStringLiteral(".local")), "súbor, nie priečinok");
        const Umiestnenie u = s.urcit();
        QVERIFY(!u.chyba.isEmpty());
        QVERIFY(!QFileInfo::exists(u.agenda + QStringLiteral("/Data.mdb")));
    }
};

QTEST_GUILESS_MAIN(TestUmiestnenie)
#include "test_umiestnenie.moc"
