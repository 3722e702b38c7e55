// Times the general ledger on a large journal: the build alone, the build as the program runs
// it (progress window, main window disabled), the printout's layout, saving the sample and
// the comparison with it, and the year-end closing's preparation and statements; each beside
// the two GROUP BY statements of the build run bare.
//
// bench_ledger [LINES] [--pdf FILE] [--screenshot FILE]   (default 100000 lines)
//
// --pdf writes the ledger printout to FILE; --screenshot saves the screen while the progress
// window is halfway (needs a display).

#include "Bench.h"
#include "app/Hlavny.h"
#include "closing/Vykazy.h"
#include "closing/Zavierka.h"
#include "ledger/Hlavnakniha.h"
#include "ledger/Obraty.h"
#include "ledger/Prebiehaspracovanieudajov.h"
#include "store/Store.h"
#include "ui/Aplikacia.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QPixmap>
#include <QProgressBar>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

using namespace saldovia;

using bench::msSince;
using bench::ratio;
using bench::report;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nastavitAplikaciu(app);
    int riadky = bench::linesArgument(argc, argv, 100000);
    QString pdf, screenshot;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--pdf") && i + 1 < argc)
            pdf = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--screenshot") && i + 1 < argc)
            screenshot = QString::fromLocal8Bit(argv[++i]);
    }

    QTemporaryDir dir;
    bench::agendaWithJournal(dir, riadky);
    QElapsedTimer t;

    TfrmHlavny h(dir.path());
    h.FormActivate();
    if (!screenshot.isEmpty())
        h.show();
    Store& s = h.store();

    // the anchor: the two GROUP BY statements over the journal, bare
    t.start();
    s.connection().query(hlavnakniha::fazy()[0].dotaz);
    s.connection().query(hlavnakniha::fazy()[1].dotaz);
    const double groupBy = msSince(t);
    report("bare GROUP BY MaDat and GROUP BY Dal", groupBy);
    const char* kotva = "two bare GROUP BY";

    // the year-end closing: balances, postings and the check of 702; the statements
    t.restart();
    const zavierka::Navrh navrh = zavierka::pripravit(zavierka::zostatky(s), 2025);
    ratio("closing: prepare the postings", msSince(t), kotva, groupBy);
    std::printf("  closing postings: %lld, 702 balanced: %s\n",
                static_cast<long long>(navrh.zapisy.size()), navrh.vyrovnany() ? "yes" : "no");
    t.restart();
    const vykazy::Vykazy vykazy = vykazy::zostavit(s, QDate(2025, 12, 31));
    ratio("closing: both statements", msSince(t), kotva, groupBy);
    std::printf("  statements: assets %s, result %s\n", qPrintable(vykazy.aktiva.toText()),
                qPrintable(vykazy.vysledokVykaz.toText()));

    t.restart();
    hlavnakniha::vytvorit(s);
    ratio("ledger: build HlavnaKniha (rules only)", msSince(t), kotva, groupBy);
    std::printf("  ledger rows: %d\n", s.SQL(QStringLiteral("SELECT CisloUctu FROM HlavnaKniha;")));

    QTimer snimka;
    bool nasnimane = false;
    if (!screenshot.isEmpty()) {
        QObject::connect(&snimka, &QTimer::timeout, [&] {
            auto* okno = h.findChild<TfrmPrebiehaSpracovanieUdajov*>();
            if (!nasnimane && okno && okno->ProgressBar->value() >= 5000) {
                nasnimane = QGuiApplication::primaryScreen()->grabWindow(0).save(screenshot);
                std::printf("  screenshot at %s: %s\n", qPrintable(okno->lblPercenta->text()),
                            nasnimane ? qPrintable(screenshot) : "FAILED");
            }
        });
        snimka.start(0);
    }
    t.restart();
    const bool vytvorena = TfrmHlavnaKniha(h).Vytvorit();
    ratio("ledger: Vytvorit (progress window, events)", msSince(t), kotva, groupBy);
    snimka.stop();

    t.restart();
    BandedReport zostava = TfrmHlavnaKniha::zostava(s, h.uctovnyRok());
    const QList<ReportPage> pages = zostava.layout();
    report("fill and lay out the printout", msSince(t));
    std::printf("  pages: %lld\n", static_cast<long long>(pages.size()));
    if (!pdf.isEmpty()) {
        QString why;
        const bool ok = writePdf(pdf, pages, zostava.caption, &why);
        std::printf("  PDF: %s%s\n", qPrintable(pdf), ok ? "" : qPrintable(" FAILED: " + why));
    }

    t.restart();
    TfrmHlavnaKniha(h).Ulozit();
    ratio("ledger: Ulozit (build, keep as the sample)", msSince(t), kotva, groupBy);
    t.restart();
    const float percento = TfrmHlavnaKniha(h).Porovnat();
    ratio("ledger: Porovnat (build and compare)", msSince(t), kotva, groupBy);
    std::printf("  agreement: %.2f %%\n", percento);
    return vytvorena && percento == 100.f ? 0 : 1;
}
