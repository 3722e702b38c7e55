// Times the journal window on a large agenda: opening it right after the agenda was
// connected (the lists counted, the first rows read, the grid set up and first painted),
// changing the filter, selecting the last row; beside the window's statements run bare on
// the same connection. Prints the resident memory with the window open.
//
// bench_journal [LINES]   (default 100000)

#include "Bench.h"
#include "app/Hlavny.h"
#include "journal/Uctovnydennik.h"
#include "store/Store.h"
#include "ui/Aplikacia.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QTableView>
#include <QTemporaryDir>

#include <cstdio>

using namespace saldovia;

namespace {

const QString Stlpce = QStringLiteral(
    "SELECT UctovnyDennik.Riadok, UctovnyDennik.Datum, UctovnyDennik.Doklad, UctovnyDennik.Popis, "
    "UctovnyDennik.Suma, UctovnyDennik.MaDat, UctovnyDennik.Dal FROM UctovnyDennik");
const QString Druhy = QStringLiteral("SELECT UctovnyDennik.Riadok, Doklady.Druh FROM UctovnyDennik "
                                     "LEFT JOIN Doklady ON Doklady.Cislo = UctovnyDennik.Doklad");

// The window's statements, bare: the row numbers of the list, then one block of rows of
// each of its two lists (at the start, or at the end of the list).
double bareStatements(Connection& c, const QString& where, bool end) {
    QElapsedTimer t;
    t.start();
    const ResultSet keys =
        c.query(QStringLiteral("SELECT UctovnyDennik.Riadok FROM UctovnyDennik") + where +
                QStringLiteral(";"));
    QStringList block;
    const int n = std::min(256, keys.rowCount());
    for (int i = 0; i < n; ++i)
        block << keys.text(end ? keys.rowCount() - 1 - i : i, 0);
    const QString in = QStringLiteral(" WHERE UctovnyDennik.Riadok IN (") + block.join(u',') +
                       QStringLiteral(") ORDER BY UctovnyDennik.Riadok;");
    c.query(Druhy + in);
    c.query(Stlpce + in);
    return bench::msSince(t);
}

} // namespace

using bench::msSince;
using bench::ratio;
using bench::report;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nastavitAplikaciu(app);
    const int lines = bench::linesArgument(argc, argv, 100000);
    QTemporaryDir dir;
    bench::agendaWithJournal(dir, lines);

    TfrmHlavny hlavny(dir.path());
    hlavny.FormActivate();
    hlavny.show();
    QApplication::processEvents();
    Store& s = hlavny.store();
    const double before = bench::statusMb("VmRSS");

    int rows = 0;
    double shown = 0, filtered = 0, last = 0, resident = 0;
    {
        QElapsedTimer t;
        t.start();
        TfrmUctovnyDennik okno(hlavny);
        const double created = msSince(t);
        okno.show();
        QApplication::processEvents();
        shown = msSince(t);
        rows = s.qryUctovnyDennik.recordCount();
        report("open the window, cold (created)", created);
        std::printf("  rows listed: %d, rows held: %d\n", rows, s.qryUctovnyDennik.rowsHeld());
        resident = bench::statusMb("VmRSS");

        t.restart();
        okno.cbFilter->setCurrentIndex(
            okno.cbFilter->findText(QStringLiteral("211"), Qt::MatchStartsWith));
        QApplication::processEvents();
        filtered = msSince(t);
        std::printf("  rows listed with the filter: %d\n", s.qryUctovnyDennik.recordCount());

        t.restart();
        okno.cbFilter->setCurrentIndex(0);
        okno.vybrat(lines);
        QApplication::processEvents();
        last = msSince(t);
        std::printf("  selected row: %d, shows Riadok %s\n", okno.DBGrid->currentIndex().row() + 1,
                    qPrintable(s.qryUctovnyDennik.text(QStringLiteral("Riadok"))));
        okno.hide();
    }
    const double peak = bench::statusMb("VmHWM");

    // the window's statements on their own, on the same connection and page cache
    Connection& c = s.connection();
    const double bare = bareStatements(c, {}, false);
    const QString where =
        QStringLiteral(" WHERE %1 OR %2")
            .arg(sqlAccountEquals(QStringLiteral("UctovnyDennik.MaDat"), QStringLiteral("211")),
                 sqlAccountEquals(QStringLiteral("UctovnyDennik.Dal"), QStringLiteral("211")));
    const double bareFilter = bareStatements(c, where, false);
    const double bareEnd = bareStatements(c, {}, true);
    report("  bare: row numbers and first rows", bare);
    report("  bare: the same with the filter", bareFilter);
    report("  bare: row numbers and last rows", bareEnd);

    ratio("journal window shown, painted", shown, "its bare statements", bare);
    ratio("journal window: filter on account 211", filtered, "its bare statements", bareFilter);
    ratio("journal window: filter off, last row selected", last, "its bare statements", bareEnd);
    bench::figure("journal window: resident with it shown", resident, "MB");
    bench::figure("journal window: grown by opening it", resident - before, "MB");
    bench::figure("journal window: peak resident of the run", peak, "MB");

    if (lines <= 100000) {
        // the statements as the window ran them before it read on demand: every row whole
        QElapsedTimer t;
        t.start();
        c.query(Stlpce + QStringLiteral(" ORDER BY Riadok;"));
        c.query(Druhy + QStringLiteral(" ORDER BY Riadok;"));
        report("  for comparison: both lists read whole", msSince(t));
    }

    hlavny.OdpojitDatabazu();
    return rows == lines ? 0 : 1;
}
