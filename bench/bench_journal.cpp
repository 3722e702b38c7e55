// Times the journal window on a large agenda: opening it right after the agenda was
// connected (both shared data sets read, the grid set up and first painted), changing
// the filter and reloading the list, and the window's two statements on their own.
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
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>

using namespace saldovia;

namespace {

void buildAgenda(const QString& path, int lines) {
    Store s;
    s.connectAgenda(path);
    Transaction tr(s.connection());
    s.connection().exec(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', "
                                       "NazovFirmy = 'Benchmark, s.r.o.';"));
    for (int d = 1; d <= 99; ++d)
        s.connection().execBound(
            QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Datum, Logo) VALUES ('ID', ?, "
                           "'15.03.2006', 0);"),
            {QStringLiteral("ID06%1").arg(d, 2, 10, QChar(u'0'))});
    const char* accounts[] = {"211  ", "221  ", "311  ", "321  ", "501  ", "604  "};
    for (int i = 1; i <= lines; ++i) {
        const QString amount = QStringLiteral("%1,%2").arg(i).arg(i % 100, 2, 10, QChar(u'0'));
        // every third line is a free line, the others belong to a document
        const QString doklad =
            i % 3 == 0 ? QString() : QStringLiteral("ID06%1").arg(i % 99 + 1, 2, 10, QChar(u'0'));
        s.connection().execBound(
            QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '15.03.2006', ?, ?, 'SKK', "
                           "'1,000', ?, ?, ?, ?);"),
            {i, doklad, amount, amount, QStringLiteral("Položka účtovného denníka č. %1").arg(i),
             QString::fromLatin1(accounts[i % 6]), QString::fromLatin1(accounts[(i + 1) % 6])});
    }
    tr.commit();
}

} // namespace

using bench::msSince;
using bench::report;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nastavitAplikaciu(app);
    const int lines = argc > 1 ? std::atoi(argv[1]) : 100000;
    QTemporaryDir dir;
    const QString path = bench::copyPreparedAgenda(dir);

    QElapsedTimer t;
    t.start();
    buildAgenda(path, lines);
    std::printf("agenda with %d journal lines\n", lines);
    report("build the agenda", msSince(t));

    TfrmHlavny hlavny(dir.path());
    hlavny.FormActivate();
    hlavny.show();
    QApplication::processEvents();

    int rows = 0;
    {
        t.restart();
        TfrmUctovnyDennik okno(hlavny);
        const double created = msSince(t);
        okno.show();
        QApplication::processEvents();
        const double shown = msSince(t);
        rows = hlavny.store().qryUctovnyDennik.recordCount();
        report("open the window, cold (created)", created);
        report("open the window, cold (shown, painted)", shown);
        std::printf("  rows listed: %d\n", rows);

        t.restart();
        okno.cbFilter->setCurrentIndex(
            okno.cbFilter->findText(QStringLiteral("211"), Qt::MatchStartsWith));
        QApplication::processEvents();
        report("filter on account 211", msSince(t));
        std::printf("  rows listed: %d\n", hlavny.store().qryUctovnyDennik.recordCount());

        t.restart();
        okno.cbFilter->setCurrentIndex(0);
        okno.vybrat(lines);
        QApplication::processEvents();
        report("filter off, last row selected", msSince(t));
        okno.hide();
    }
    {
        // the window's two statements on their own, on a warm page cache
        Store& s = hlavny.store();
        s.qryUctovnyDennik.close();
        s.qryDoklady.close();
        t.restart();
        s.qryUctovnyDennik.setSQL(QStringLiteral(
            "SELECT UctovnyDennik.Riadok, UctovnyDennik.Datum, UctovnyDennik.Doklad, "
            "UctovnyDennik.Popis, UctovnyDennik.Suma, UctovnyDennik.MaDat, UctovnyDennik.Dal "
            "FROM UctovnyDennik ORDER BY Riadok;"));
        s.qryUctovnyDennik.open();
        report("  read the list (qryUctovnyDennik)", msSince(t));
        t.restart();
        s.qryDoklady.setSQL(QStringLiteral(
            "SELECT UctovnyDennik.Riadok, Doklady.Druh FROM UctovnyDennik LEFT JOIN Doklady ON "
            "Doklady.Cislo = UctovnyDennik.Doklad ORDER BY Riadok;"));
        s.qryDoklady.open();
        report("  read the kinds (qryDoklady)", msSince(t));
        s.qryUctovnyDennik.close();
        s.qryDoklady.close();
    }

    hlavny.OdpojitDatabazu();
    return rows == lines ? 0 : 1;
}
