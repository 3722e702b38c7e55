// Times the general ledger on a large journal: the build alone, the build as the program runs
// it (progress window, main window disabled), the printout's layout, saving the sample and
// the comparison with it.
//
// bench_ledger [LINES] [--pdf FILE] [--screenshot FILE]   (default 100000 lines)
//
// --pdf writes the ledger printout to FILE; --screenshot saves the screen while the progress
// window is halfway (needs a display).

#include "Bench.h"
#include "app/Hlavny.h"
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

namespace {

// Postings of a small trading company: debit, credit, description.
struct Predkontacia {
    const char* maDat;
    const char* dal;
    const char* popis;
};
const Predkontacia Predkontacie[] = {
    {"112", "321", "Príjem materiálu na sklad"},
    {"343", "321", "DPH na vstupe"},
    {"501", "112", "Spotreba materiálu"},
    {"132", "321", "Nákup tovaru"},
    {"504", "132", "Predaný tovar"},
    {"311", "604", "Tržba za tovar"},
    {"311", "602", "Faktúra za služby"},
    {"311", "343", "DPH na výstupe"},
    {"221", "311", "Úhrada od odberateľa"},
    {"321", "221", "Úhrada dodávateľovi"},
    {"211", "221", "Výber hotovosti z banky"},
    {"518", "211", "Poštovné a telefón"},
    {"512", "211", "Cestovné náhrady"},
    {"521", "331", "Mzdy za mesiac"},
    {"524", "336", "Odvody zamestnávateľa"},
    {"331", "221", "Výplata miezd"},
    {"336", "221", "Úhrada poistného"},
    {"042", "321", "Obstaranie počítača"},
    {"022", "042", "Zaradenie do používania"},
    {"551", "082", "Odpisy"},
    {"568", "221", "Bankové poplatky"},
    {"221", "662", "Úroky z účtu"},
};

void naplnitAgendu(const QString& path, int riadky) {
    Store s;
    s.connectAgenda(path);
    SettingsRow& n = s.tblAgendaNastavenie;
    n.edit();
    n.setText(QStringLiteral("UctovnyRok"), QStringLiteral("2024"));
    n.setText(QStringLiteral("NazovFirmy"), QStringLiteral("Šťastný & Čierny, s. r. o."));
    n.setText(QStringLiteral("SidloUlica"), QStringLiteral("Hviezdoslavovo námestie 17"));
    n.setText(QStringLiteral("SidloPSC"), QStringLiteral("81102"));
    n.setText(QStringLiteral("SidloMesto"), QStringLiteral("Bratislava"));
    n.setText(QStringLiteral("SidloStat"), QStringLiteral("Slovenská republika"));
    n.setText(QStringLiteral("ICO"), QStringLiteral("35741852"));
    n.setText(QStringLiteral("DIC"), QStringLiteral("2021456789"));
    n.setText(QStringLiteral("ICDPH"), QStringLiteral("SK2021456789"));
    n.setText(QStringLiteral("MenoUzivatela"), QStringLiteral("Ľubomíra Ďurčová"));
    n.post();

    constexpr int pocet = sizeof Predkontacie / sizeof Predkontacie[0];
    Transaction tr(s.connection());
    for (int i = 1; i <= riadky; ++i) {
        const Predkontacia& p = Predkontacie[i % pocet];
        const QString suma =
            QStringLiteral("%1,%2").arg(i * 37 % 2000 + 5).arg(i * 13 % 100, 2, 10, QChar(u'0'));
        s.connection().execBound(
            QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, ?, ?, ?, 'EUR', '1,000', ?, ?, "
                           "?, ?);"),
            {i,
             QStringLiteral("%1.%2.2024")
                 .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                 .arg(i * 12 / (riadky + 1) + 1, 2, 10, QChar(u'0')),
             QStringLiteral("ID24%1").arg(i % 99 + 1, 2, 10, QChar(u'0')), suma, suma,
             QString::fromUtf8(p.popis), QString::fromLatin1(p.maDat).leftJustified(5),
             QString::fromLatin1(p.dal).leftJustified(5)});
    }
    tr.commit();
}

} // namespace

using bench::msSince;
using bench::report;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    nastavitAplikaciu(app);
    int riadky = 100000;
    QString pdf, screenshot;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--pdf") && i + 1 < argc)
            pdf = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--screenshot") && i + 1 < argc)
            screenshot = QString::fromLocal8Bit(argv[++i]);
        else
            riadky = arg.toInt();
    }

    QTemporaryDir dir;
    const QString path = bench::copyPreparedAgenda(dir);
    QElapsedTimer t;
    t.start();
    naplnitAgendu(path, riadky);
    std::printf("journal of %d lines\n", riadky);
    report("build the agenda", msSince(t));

    TfrmHlavny h(dir.path());
    h.FormActivate();
    if (!screenshot.isEmpty())
        h.show();
    Store& s = h.store();

    t.restart();
    hlavnakniha::vytvorit(s);
    report("build HlavnaKniha (rules only)", msSince(t));
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
    report("Vytvorit (progress window, events processed)", msSince(t));
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
    report("Ulozit (build and keep as the sample)", msSince(t));
    t.restart();
    const float percento = TfrmHlavnaKniha(h).Porovnat();
    report("Porovnat (build and compare)", msSince(t));
    std::printf("  agreement: %.2f %%\n", percento);
    return vytvorena && percento == 100.f ? 0 : 1;
}
