// Times the journal printout on a large journal: reading the lines and filling the report,
// laying out the pages, painting them into a PDF.
//
// bench_reports [LINES] [--pdf FILE] [--preview]   (default 10000 lines)
//
// --pdf writes the printout to FILE, --preview opens the print preview (needs a display).

#include "Bench.h"
#include "reports/ReportPreview.h"
#include "reports/Uctovnydenniktlac.h"
#include "store/Store.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>

#include <cstdio>

using namespace saldovia;

namespace {

// A made-up company logo: a blue badge with the initials.
QImage sampleLogo() {
    QImage img(260, 200, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(20, 20, 220, 160), 30, 30);
    p.setBrush(QColor(0xf2, 0xa9, 0x00));
    p.drawEllipse(QPointF(195, 60), 22, 22);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(90);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(20, 20, 220, 160), Qt::AlignCenter, QStringLiteral("ŠČ"));
    return img;
}

void fillAgenda(Store& s, int lines) {
    SettingsRow& n = s.tblAgendaNastavenie;
    n.setText(QStringLiteral("NazovFirmy"), QStringLiteral("Šťastný & Čierny, s. r. o."));
    n.setText(QStringLiteral("SidloUlica"), QStringLiteral("Hviezdoslavovo námestie 17"));
    n.setText(QStringLiteral("SidloPSC"), QStringLiteral("811 02"));
    n.setText(QStringLiteral("SidloMesto"), QStringLiteral("Bratislava – Staré Mesto"));
    n.setText(QStringLiteral("SidloStat"), QStringLiteral("Slovenská republika"));
    n.setText(QStringLiteral("ICO"), QStringLiteral("35 741 852"));
    n.setText(QStringLiteral("DIC"), QStringLiteral("2021456789"));
    n.setText(QStringLiteral("ICDPH"), QStringLiteral("SK2021456789"));
    n.setText(QStringLiteral("MenoUzivatela"), QStringLiteral("Ľubomíra Ďurčová"));
    n.setText(QStringLiteral("Logo"), QStringLiteral("1"));
    n.post();

    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    sampleLogo().save(&buffer, "BMP");
    s.connection().execBound(QStringLiteral("INSERT INTO Logo (Cislo, Obrazok) VALUES (1, ?);"),
                             {bmp});

    const char* accounts[] = {"211  ", "221  ", "311  ", "321  ", "501  ", "604  ", "343  "};
    const QStringList texts{
        QStringLiteral("Nákup kancelárskeho materiálu"),
        QStringLiteral("Úhrada faktúry dodávateľovi za služby"),
        QStringLiteral("Výber hotovosti z bankového účtu do pokladnice"),
        QStringLiteral("Tržba za predaj tovaru v hotovosti"),
        QStringLiteral("Príjem tovaru na sklad podľa príjemky, dodávateľ Žilinská "
                       "strojárenská spoločnosť, a. s."),
        QStringLiteral("DPH na vstupe"),
    };
    Transaction tr(s.connection());
    for (int i = 1; i <= lines; ++i)
        s.connection().execBound(
            QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, ?, ?, ?, 'EUR', '1,000', ?, ?, "
                           "?, ?);"),
            {i,
             QStringLiteral("%1.%2.2024")
                 .arg(i % 28 + 1, 2, 10, QChar(u'0'))
                 .arg(i / 50 % 12 + 1, 2, 10, QChar(u'0')),
             QStringLiteral("ID24%1").arg(i % 999 + 1, 3, 10, QChar(u'0')),
             QStringLiteral("%1,%2").arg(i * 37 % 100000).arg(i % 100, 2, 10, QChar(u'0')),
             QStringLiteral("%1,%2").arg(i * 37 % 100000).arg(i % 100, 2, 10, QChar(u'0')),
             texts[i % texts.size()], QString::fromLatin1(accounts[i % 7]),
             QString::fromLatin1(accounts[(i + 3) % 7])});
    tr.commit();
}

} // namespace

using bench::msSince;
using bench::report;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int lines = 10000;
    QString pdf;
    bool preview = false;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--pdf") && i + 1 < argc)
            pdf = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--preview"))
            preview = true;
        else
            lines = arg.toInt();
    }

    QTemporaryDir dir;
    const QString path = bench::copyPreparedAgenda(dir);
    Store s;
    s.connectAgenda(path);
    QElapsedTimer t;
    t.start();
    fillAgenda(s, lines);
    std::printf("journal of %d lines\n", lines);
    report("build the agenda", msSince(t));

    t.restart();
    s.qryUctovnyDennik.open();
    report("open qryUctovnyDennik", msSince(t));

    t.restart();
    TfrmUctovnyDennikTlac tlac(s, QStringLiteral("2024"));
    report("fill the printout (frame, lines, logo)", msSince(t));

    t.restart();
    const QList<ReportPage> pages = tlac.layout();
    const double layoutMs = msSince(t);
    report("lay out the pages", layoutMs);
    qsizetype items = 0;
    for (const ReportPage& p : pages)
        items += p.items.size();
    std::printf("  pages: %lld, placed items: %lld\n", static_cast<long long>(pages.size()),
                static_cast<long long>(items));

    t.restart();
    const QString target = pdf.isEmpty() ? dir.filePath(QStringLiteral("dennik.pdf")) : pdf;
    QString why;
    const bool written = writePdf(target, pages, tlac.report().caption, &why);
    report(written ? "paint every page into a PDF" : "paint into a PDF (FAILED!)", msSince(t));
    std::printf("  PDF: %.1f MB%s%s\n", QFile(target).size() / (1024.0 * 1024.0),
                pdf.isEmpty() ? "" : ", ", qPrintable(pdf));

    if (preview) {
        QPrinter printer(QPrinter::HighResolution);
        tlac.showPreview(printer);
    }
    return written && layoutMs < 2000 ? 0 : 1;
}
