// Times the agenda store on a large agenda: accepting and opening it, reading the whole
// journal through a shared data set, compacting it, and the bare key derivation.
//
// bench_store [LINES]   (default 100000)

#include "Bench.h"
#include "store/Agenda.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace saldovia;

using bench::msSince;
using bench::report;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString path = bench::copyPreparedAgenda(dir);

    QElapsedTimer t;
    t.start();
    {
        Store s;
        s.connectAgenda(path);
        Transaction tr(s.connection());
        const char* accounts[] = {"211  ", "221  ", "311  ", "321  ", "501  ", "604  "};
        for (int i = 1; i <= lines; ++i)
            s.connection().execBound(
                QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '15.03.2006', ?, ?, 'SKK', "
                               "'1,000', ?, ?, ?, ?);"),
                {i, QStringLiteral("ID06%1").arg(i % 99 + 1, 2, 10, QChar(u'0')),
                 QStringLiteral("%1,%2").arg(i).arg(i % 100, 2, 10, QChar(u'0')),
                 QStringLiteral("%1,%2").arg(i).arg(i % 100, 2, 10, QChar(u'0')),
                 QStringLiteral("Položka účtovného denníka č. %1").arg(i),
                 QString::fromLatin1(accounts[i % 6]), QString::fromLatin1(accounts[(i + 1) % 6])});
        tr.commit();
    }
    std::printf("agenda with %d journal lines, %.1f MB\n", lines,
                QFile(path).size() / (1024.0 * 1024.0));
    report("build the agenda", msSince(t));

    t.restart();
    {
        Connection c;
        c.open(path, Connection::Mode::ReadOnly);
        c.query(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
    }
    report("key derivation and first read", msSince(t));

    t.restart();
    const bool accepted = kontrolaDatabazy(path);
    report(accepted ? "accept (kontrolaDatabazy)" : "accept (REJECTED!)", msSince(t));

    Store s;
    t.restart();
    s.connectAgenda(path);
    report("open (connect and settings row)", msSince(t));

    t.restart();
    s.qryUctovnyDennik.open();
    report("read the journal through a data set", msSince(t));
    std::printf("  rows read: %d\n", s.qryUctovnyDennik.recordCount());

    t.restart();
    s.SQL(QStringLiteral("SELECT SUCET(Suma) AS Spolu FROM UctovnyDennik;"));
    report("exact sum of all amounts", msSince(t));
    std::printf("  sum: %s\n", qPrintable(s.ADOQuery.text(QStringLiteral("Spolu"))));
    s.disconnectAgenda();

    t.restart();
    const FileResult r = compactDatabase(path, dir.filePath(QStringLiteral("Data.~mdb")));
    report(r.ok ? "compact (copy, check, rename)" : "compact (FAILED!)", msSince(t));
    return accepted && r.ok ? 0 : 1;
}
