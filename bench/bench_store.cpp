// Times the agenda store on a large agenda: opening it as the program starts (checked and
// connected), against the bare key derivation and the bare integrity check; reading the
// whole journal, the exact sum and the compaction.
//
// bench_store [LINES]   (default 100000)

#include "Bench.h"
#include "store/Agenda.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace saldovia;

using bench::msSince;
using bench::ratio;
using bench::report;

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int lines = bench::linesArgument(argc, argv, 100000);
    QTemporaryDir dir;
    const QString path = bench::agendaWithJournal(dir, lines);

    // The anchors: one key derivation (open and first read) and the engine's quick_check.
    QElapsedTimer t;
    double kdf = 0, check = 0;
    {
        t.start();
        Connection c;
        c.open(path, Connection::Mode::ReadWrite);
        c.query(QStringLiteral("SELECT count(*) FROM sqlite_master;"));
        kdf = msSince(t);
        t.restart();
        c.query(QStringLiteral("PRAGMA quick_check;"));
        check = msSince(t);
    }
    report("bare key derivation (open, first read)", kdf);
    report("bare quick_check", check);
    const double anchor = kdf + check;

    t.restart();
    const bool accepted = kontrolaDatabazy(path);
    const double alone = msSince(t);
    ratio(accepted ? "accept alone (kontrolaDatabazy)" : "accept (REJECTED!)", alone,
          "key derivation + quick_check", anchor);

    {
        // the way the program opened its agenda before: check, then connect again
        Store s;
        t.restart();
        kontrolaDatabazy(path);
        s.connectAgenda(path);
        ratio("open: check, then connect (two derivations)", msSince(t),
              "key derivation + quick_check", anchor);
    }

    Store s;
    t.restart();
    const bool opened = s.connectCheckedAgenda(path);
    ratio(opened ? "open the agenda (start-up, one derivation)" : "open (REJECTED!)", msSince(t),
          "key derivation + quick_check", anchor);

    if (lines <= 100000) {
        t.restart();
        s.qryUctovnyDennik.open();
        report("read the whole journal through a data set", msSince(t));
        std::printf("  rows read: %d\n", s.qryUctovnyDennik.recordCount());
        s.qryUctovnyDennik.close();
    }

    t.restart();
    s.SQL(QStringLiteral("SELECT SUCET(Suma) AS Spolu FROM UctovnyDennik;"));
    report("exact sum of all amounts", msSince(t));
    std::printf("  sum: %s\n", qPrintable(s.ADOQuery.text(QStringLiteral("Spolu"))));
    s.disconnectAgenda();

    t.restart();
    const FileResult r = compactDatabase(path, dir.filePath(QStringLiteral("Data.~mdb")));
    ratio(r.ok ? "compact (copy, check, rename)" : "compact (FAILED!)", msSince(t),
          "key derivation + quick_check", anchor);
    return 0;
}
