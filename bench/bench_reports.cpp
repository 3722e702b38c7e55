// Times the journal printout on a large journal: filling the report, laying out its pages,
// showing the first one, painting pages into a PDF; beside the journal's statement run bare.
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

// The sample logo as the printout's logo 1.
void addLogo(Store& s) {
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    sampleLogo().save(&buffer, "BMP");
    s.connection().execBound(QStringLiteral("INSERT INTO Logo (Cislo, Obrazok) VALUES (1, ?);"),
                             {bmp});
    s.tblAgendaNastavenie.setText(QStringLiteral("Logo"), QStringLiteral("1"));
    s.tblAgendaNastavenie.post();
}

} // namespace

using bench::msSince;
using bench::ratio;
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
    const QString path = bench::agendaWithJournal(dir, lines);
    Store s;
    s.connectAgenda(path);
    addLogo(s);

    // the anchor: the journal's statement, every row stepped through, bare
    QElapsedTimer t;
    t.start();
    s.connection().exec(QStringLiteral(
        "SELECT Riadok, Datum, Doklad, Popis, Suma, MaDat, Dal FROM UctovnyDennik ORDER BY "
        "Riadok;"));
    const double bare = msSince(t);
    report("bare: the journal's statement stepped through", bare);
    const char* kotva = "bare journal statement";

    // the journal's list as the journal window leaves it: read on demand
    t.restart();
    const QString stlpce = QStringLiteral(
        "SELECT UctovnyDennik.Riadok, UctovnyDennik.Datum, UctovnyDennik.Doklad, "
        "UctovnyDennik.Popis, UctovnyDennik.Suma, UctovnyDennik.MaDat, UctovnyDennik.Dal FROM "
        "UctovnyDennik");
    s.qryUctovnyDennik.setSQL(stlpce + QStringLiteral(" ORDER BY Riadok;"));
    s.qryUctovnyDennik.setOnDemand(
        {QStringLiteral("SELECT UctovnyDennik.Riadok FROM UctovnyDennik;"), stlpce,
         QStringLiteral("UctovnyDennik.Riadok")});
    s.qryUctovnyDennik.open();
    BandedReport tlac = TfrmUctovnyDennikTlac::zostava(s, QStringLiteral("2024"));
    const PagedReport paged(tlac);
    QImage first(850, 1100, QImage::Format_RGB32);
    first.fill(Qt::white);
    {
        QPainter p(&first);
        paintPage(p, paged.page(0), 100, 100);
    }
    ratio("printout: first page shown", msSince(t), kotva, bare);
    bench::figure("printout: resident with the first page", bench::statusMb("VmRSS"), "MB");

    t.restart();
    const int pages = paged.count();
    ratio("printout: every page break found", msSince(t), kotva, bare);
    std::printf("  pages: %d\n", pages);
    t.restart();
    paged.page(pages - 1);
    report("printout: the last page laid out", msSince(t));
    bench::figure("printout: resident with every page counted", bench::statusMb("VmRSS"), "MB");

    // the PDF, page by page: all of it up to 10 000 lines (or with --pdf), else 50 pages
    const QString target = pdf.isEmpty() ? dir.filePath(QStringLiteral("dennik.pdf")) : pdf;
    QString why;
    int written = 0;
    t.restart();
    if (lines <= 10000 || !pdf.isEmpty()) {
        written = writePdf(target, paged, tlac.caption, &why) ? pages : 0;
    } else {
        QList<ReportPage> some;
        for (int i = 0; i < std::min(50, pages); ++i)
            some << paged.page(i);
        written = writePdf(target, some, tlac.caption, &why) ? some.size() : 0;
    }
    const double perPage = msSince(t) / std::max(1, written);
    ratio(written ? "printout: PDF, one page" : "printout: PDF (FAILED!)", perPage, kotva, bare);
    std::printf("  PDF: %d pages, %.1f MB%s%s\n", written, QFile(target).size() / (1024.0 * 1024.0),
                pdf.isEmpty() ? "" : ", ", qPrintable(pdf));
    bench::figure("printout: peak resident of the run", bench::statusMb("VmHWM"), "MB");

    if (preview) {
        QPrinter printer(QPrinter::HighResolution);
        ReportPreview::preview(tlac, printer);
    }
    return written > 0 ? 0 : 1;
}
