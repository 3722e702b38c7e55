#include "ScriptedDialogs.h"
#include "TestAgenda.h"
#include "TestTlac.h"

#include "reports/ReportPreview.h"
#include "reports/Uctovnydenniktlac.h"
#include "settings/Logo.h"
#include "store/Store.h"
#include "store/Values.h"

#include <QAction>
#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>
#include <QTest>
#include <QTimer>

using namespace saldovia;

namespace {

// Pages and paper sizes of a PDF file, read from its page objects.
struct PdfPages {
    int count = 0;
    int letter = 0;
};

PdfPages readPdfPages(const QString& path) {
    const QString text = QString::fromLatin1(readFileBytes(path));
    PdfPages p;
    p.count = static_cast<int>(text.count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
    p.letter = static_cast<int>(text.count(
        QRegularExpression(QStringLiteral("/MediaBox\\s*\\[0 0 612(\\.0+)? 792(\\.0+)?\\]"))));
    return p;
}

QByteArray pictureBytes(const QSize& size, const QColor& colour) {
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    img.save(&buffer, "BMP");
    return bytes;
}

// A report of `rows` numbered detail bands of fixed height with every band set.
BandedReport fixedReport(int rows, double detailHeight = 10, double summaryHeight = 30) {
    BandedReport r;
    r.title = {QStringLiteral("title"), 50, [](BandWriter& w) {
                   w.text(QRectF(0, 0, w.width(), 10), QStringLiteral("TITLE"), {},
                          QStringLiteral("title"));
               }};
    r.columnHeader = {QStringLiteral("header"), 10, [](BandWriter& w) {
                          w.text(QRectF(0, 0, 50, 10), QStringLiteral("HEADER"), {},
                                 QStringLiteral("header"));
                      }};
    r.detail.height = detailHeight;
    r.detail.rowCount = rows;
    r.detail.fill = [](BandWriter& w, int row) {
        w.text(QRectF(0, 0, 50, 5), QString::number(row), {}, QStringLiteral("row"));
    };
    r.summary = {QStringLiteral("summary"), summaryHeight, [](BandWriter& w) {
                     w.text(QRectF(0, 0, 50, 5), QStringLiteral("SUMMARY"), {},
                            QStringLiteral("summary"));
                 }};
    r.pageFooter = {QStringLiteral("footer"), 10, [](BandWriter& w) {
                        w.text(QRectF(0, 0, 50, 5),
                               QStringLiteral("%1/%2").arg(w.pageNumber()).arg(w.pageCount()), {},
                               QStringLiteral("footer"));
                    }};
    return r;
}

} // namespace

class TestReports : public QObject {
    Q_OBJECT
    std::unique_ptr<TestAgenda> agenda;
    std::unique_ptr<Store> store;
    std::unique_ptr<ScriptedDialogs> dialogs;

    void addLines(int count, int from = 1) {
        Transaction tr(store->connection());
        for (int i = from; i < from + count; ++i)
            store->connection().execBound(
                QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '05.01.2006', ?, '10,00', "
                               "'SKK', '1,000', ?, ?, ?, '221  ');"),
                {i, QStringLiteral("ID06%1").arg(i), QStringLiteral("%1,50").arg(i),
                 QStringLiteral("Položka č. %1").arg(i),
                 i % 2 ? QStringLiteral("211  ") : QStringLiteral("311  ")});
        tr.commit();
        store->qryUctovnyDennik.open();
    }
    void setSetting(const QString& field, const QString& value) {
        store->tblAgendaNastavenie.setText(field, value);
        store->tblAgendaNastavenie.post();
    }
    static QStringList column(const QList<ReportPage>& pages, const QString& name) {
        return stlpec(pages, name);
    }

private slots:
    void init() {
        agenda = std::make_unique<TestAgenda>();
        store = std::make_unique<Store>();
        store->connectAgenda(agenda->path());
        dialogs = std::make_unique<ScriptedDialogs>();
    }
    void cleanup() {
        dialogs.reset();
        store.reset();
        agenda.reset();
    }

    // --- the engine ---

    void bandsFlowOverPagesWithHeaderAndFooterOnEach() {
        QVERIFY(fixedReport(0).layout().isEmpty());

        // 249.4 mm between margins and footer: the first page holds 18 rows under the title
        // and header, the others 23 each.
        const QList<ReportPage> pages = fixedReport(100).layout();
        QCOMPARE(pages.size(), 5);
        QStringList rows;
        for (const ReportPage& p : pages) {
            QCOMPARE(p.size, QSizeF(215.9, 279.4));
            QCOMPARE(p.find(QStringLiteral("title")) != nullptr, p.number == 1);
            const ReportItem* header = p.find(QStringLiteral("header"));
            const ReportItem* footer = p.find(QStringLiteral("footer"));
            QVERIFY(header && footer);
            QCOMPARE(footer->text, QStringLiteral("%1/5").arg(p.number));
            QCOMPARE(footer->rect.top(), 279.4 - 10 - 10);
            for (const ReportItem* row : p.findAll(QStringLiteral("row"))) {
                QVERIFY(row->rect.top() >= header->rect.bottom());
                QVERIFY(row->rect.top() + 10 <= footer->rect.top() + 1e-9);
                rows << row->text;
            }
        }
        QCOMPARE(pages[0].findAll(QStringLiteral("row")).size(), 18);
        QCOMPARE(pages[1].findAll(QStringLiteral("row")).size(), 23);
        QCOMPARE(rows.size(), 100);
        for (int i = 0; i < 100; ++i)
            QCOMPARE(rows[i], QString::number(i));
        // 13 rows on the last page leave room for the summary.
        QVERIFY(pages[4].find(QStringLiteral("summary")));
    }

    void summaryMovesToANewPageWhenItDoesNotFit() {
        // 18 rows fill the first page up to 9.4 mm above the footer.
        QList<ReportPage> pages = fixedReport(18, 10, 9.4).layout();
        QCOMPARE(pages.size(), 1);
        pages = fixedReport(18, 10, 9.5).layout();
        QCOMPARE(pages.size(), 2);
        QVERIFY(!pages[0].find(QStringLiteral("summary")));
        QCOMPARE(pages[1].texts(), QStringList({QStringLiteral("HEADER"), QStringLiteral("SUMMARY"),
                                                QStringLiteral("2/2")}));
        // A band higher than a page is placed anyway, each on a page of its own.
        BandedReport tall = fixedReport(3, 300);
        tall.summary = {};
        QCOMPARE(tall.layout().size(), 3);
    }

    void wrappedTextGrowsItsBandAndPicturesKeepTheirShape() {
        BandedReport r = fixedReport(2);
        r.detail.height = 5;
        r.detail.fill = [](BandWriter& w, int row) {
            const QString text = QStringLiteral("Príjem tovaru na sklad podľa príjemky č. 15");
            w.text(QRectF(0, 0, 30, 5), text,
                   TextStyle(reportFont(), Qt::AlignLeft, Qt::black, row == 0),
                   QStringLiteral("row"));
        };
        const QList<ReportPage> pages = r.layout();
        const QList<const ReportItem*> rows = pages[0].findAll(QStringLiteral("row"));
        const QStringList lines = rows[0]->text.split(u'\n');
        QVERIFY(lines.size() >= 3);
        for (const QString& line : lines)
            QVERIFY(textWidth(line, reportFont()) <= 30);
        QCOMPARE(lines.join(u' '), rows[1]->text);
        QCOMPARE(rows[0]->rect.height(), lines.size() * lineHeight(reportFont()));
        QCOMPARE(rows[1]->rect.top(), rows[0]->rect.bottom()); // the next band under it
        QCOMPARE(rows[1]->rect.height(), 5.0);                 // unwrapped: clipped to its box

        BandWriter w(100, 0, 0);
        w.picture(QRectF(10, 20, 26, 20), QImage(200, 100, QImage::Format_RGB32));
        w.picture(QRectF(10, 20, 26, 20), QImage());
        QCOMPARE(w.items().size(), 1);
        QCOMPARE(w.items()[0].rect, QRectF(10, 23.5, 26, 13));
    }

    void paintingMapsMillimetresAndClipsText() {
        ReportPage page;
        page.size = QSizeF(100, 100);
        BandWriter w(100, 0, 0);
        w.rectangle(QRectF(10, 10, 20, 10), 0, Qt::black, Qt::red);
        w.text(QRectF(50, 50, 10, 5), QStringLiteral("WWWWWWWWWWWWWWWWWWWW"),
               TextStyle(reportFont(20)));
        page.items = w.takeItems();
        for (double dpi : {96.0, 300.0}) {
            const double px = dpi / 25.4;
            QImage img(QSize(100, 100) * px, QImage::Format_RGB32);
            img.fill(Qt::white);
            QPainter p(&img);
            paintPage(p, page, dpi, dpi);
            p.end();
            QCOMPARE(img.pixelColor(QPoint(20 * px, 15 * px)), QColor(Qt::red));
            QCOMPARE(img.pixelColor(QPoint(31 * px, 15 * px)), QColor(Qt::white));
            // The text is clipped to its box: nothing to the right of it.
            bool inked = false;
            for (int x = static_cast<int>(61 * px); x < img.width(); ++x)
                for (int y = static_cast<int>(50 * px); y < 55 * px; ++y)
                    inked = inked || img.pixel(x, y) != qRgb(255, 255, 255);
            QVERIFY(!inked);
        }
    }

    void pdfHasALetterPageForEveryPage() {
        const QList<ReportPage> pages = fixedReport(100).layout();
        const QString path = agenda->file(QStringLiteral("zostava.pdf"));
        QString why;
        QVERIFY(writePdf(path, pages, QStringLiteral("Zostava"), &why));
        const PdfPages pdf = readPdfPages(path);
        QCOMPARE(pdf.count, 5);
        QCOMPARE(pdf.letter, 5);

        const QString bad = agenda->file(QStringLiteral("chyba/zostava.pdf"));
        QVERIFY(!writePdf(bad, pages, QStringLiteral("Zostava"), &why));
        QVERIFY(!why.isEmpty());
        QVERIFY(!QFile::exists(bad));
    }

    // --- the table of a printout ---

    // A two-line table: a long description wraps and pushes the second line down, a long
    // amount is set smaller; neither is cut. A caption-only column has no value.
    void twoLineTableWrapsAndShrinksButNeverCuts() {
        const QString popis = QStringLiteral(
            "Kancelársky papier A4 80 g/m2, päťsto hárkov v balíku, podľa objednávky č. 125");
        const QString suma = QStringLiteral("92233720368547758,07");
        const ResultSet rows = store->connection().query(
            QStringLiteral("SELECT 'FV0601' AS Cislo, ? AS Popis, ? AS Suma, '1,00' AS Spolu;"),
            {popis, suma});
        const Qt::Alignment right = Qt::AlignRight;
        QList<ReportColumn> columns{
            tableColumn("Číslo", "Cislo", 0, 20, Qt::AlignLeft, 0, true, true),
            tableColumn("Popis", "Popis", 20, 80, Qt::AlignLeft, 0, false, true),
            tableColumn("Suma", "Suma", 80, 110, right, 0, false, false),
            tableColumn("Spolu:", "SpoluText", 20, 80, right, 1, false, false),
            tableColumn("Spolu", "Spolu", 80, 110, right, 1, true, true),
        };
        columns[1].wrap = true;
        columns[3].captionOnly = true;
        BandedReport report;
        frame::applyTable(report, ReportTable(columns, rows));
        const QList<ReportPage> pages = report.layout();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages[0];

        const ReportItem* d = p.find(QStringLiteral("qrDbTxtPopis"));
        QVERIFY(d->text.contains(u'\n'));
        QCOMPARE(QString(d->text).replace(u'\n', u' '), popis);
        QCOMPARE(d->font.pointSizeF(), 10.0);
        for (const QString& line : d->text.split(u'\n'))
            QVERIFY(textWidth(line, d->font) <= d->rect.width() + 1e-9);
        const ReportItem* s = p.find(QStringLiteral("qrDbTxtSuma"));
        QCOMPARE(s->text, suma);
        QVERIFY(s->font.pointSizeF() < 10.0);
        QVERIFY(textWidth(suma, s->font) <= s->rect.width() + 1e-9);
        QVERIFY(p.find(QStringLiteral("qrDbTxtCislo"))->font.bold());
        QVERIFY(!s->font.bold());

        // the second line under the description's last line, in the columns it names
        const ReportItem* spolu = p.find(QStringLiteral("qrDbTxtSpolu"));
        QVERIFY(spolu->rect.top() >= d->rect.bottom() - 1e-9);
        QCOMPARE(spolu->rect.left(), s->rect.left());
        QVERIFY(spolu->font.bold());
        QVERIFY(!p.find(QStringLiteral("qrDbTxtSpoluText")));
        // the hairline under the whole entry
        QVERIFY(p.find(QStringLiteral("qrShpPolozka"))->rect.top() >= spolu->rect.bottom());

        // the header: two lines of captions between its rules, bold where asked
        const ReportItem* c0 = p.find(QStringLiteral("qrLblSuma"));
        const ReportItem* c1 = p.find(QStringLiteral("qrLblSpoluText"));
        QCOMPARE(c1->text, QStringLiteral("Spolu:"));
        QCOMPARE(c1->rect.top(), c0->rect.top() + frame::rowHeight);
        QVERIFY(c1->rect.bottom() < p.find(QStringLiteral("qrShpNadpisyDole"))->rect.top());
        QVERIFY(p.find(QStringLiteral("qrLblCislo"))->font.bold());
        QVERIFY(!c0->font.bold() && c0->font.italic());

        // a column the rows lack is refused when the table is made
        columns << tableColumn("Chýba", "Chyba", 110, 130, right, 0, false, false);
        QVERIFY_THROWS_EXCEPTION(DbError, ReportTable(columns, rows));
    }

    // A report keeps the rows of its table: a copy lays out the same rows after the
    // original and the rows it was made from are gone.
    void reportOwnsTheRowsOfItsTable() {
        BandedReport kopia;
        {
            BandedReport report;
            frame::applyTable(
                report, ReportTable({{QStringLiteral("Riadok"), QStringLiteral("Riadok"), 0, 20}},
                                    store->connection().query(
                                        QStringLiteral("SELECT 7 AS Riadok UNION SELECT 9;"))));
            kopia = report;
        }
        store->SQL(QStringLiteral("SELECT 1 AS Riadok;"));
        QCOMPARE(column(kopia.layout(), QStringLiteral("qrDbTxtRiadok")),
                 QStringList({QStringLiteral("7"), QStringLiteral("9")}));
    }

    // --- the journal printout ---

    void longJournalRepeatsCaptionsAndFooterOnEveryPage() {
        setSetting(QStringLiteral("MenoUzivatela"), QStringLiteral("Ján Študent"));
        addLines(200);
        const QDate before = QDate::currentDate();
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        const QList<ReportPage> pages = tlac.layout();
        const QDate after = QDate::currentDate();
        QVERIFY(pages.size() >= 4);

        const QStringList captions{QStringLiteral("Riadok"), QStringLiteral("Dátum"),
                                   QStringLiteral("Doklad"), QStringLiteral("Popis"),
                                   QStringLiteral("Suma"),   QStringLiteral("Má dať"),
                                   QStringLiteral("Dal")};
        for (const ReportPage& p : pages) {
            QStringList shown;
            for (const ReportColumn& c : TfrmUctovnyDennikTlac::columns())
                shown << p.find(QStringLiteral("qrLbl") + c.field)->text;
            QCOMPARE(shown, captions);
            QCOMPARE(p.find(QStringLiteral("qrLblVytlacil"))->text, QStringLiteral("Vytlačil(a):"));
            const QString menoDatum = p.find(QStringLiteral("qrLblMenoDatum"))->text;
            QVERIFY(menoDatum == QStringLiteral("Ján Študent, ") + before.toString(u"dd.MM.yyyy") ||
                    menoDatum == QStringLiteral("Ján Študent, ") + after.toString(u"dd.MM.yyyy"));
        }
        overitRamecRiadkov(pages, 200);
        const ReportPage& first = pages.first();
        QCOMPARE(first.find(QStringLiteral("qrLblLicenciaPopis"))->text, LicenciaPopis);
        QCOMPARE(first.find(QStringLiteral("qrLblNazovDokladu"))->text,
                 QStringLiteral("Účtovný denník"));
        QCOMPARE(first.find(QStringLiteral("qrLblCisloDokladu"))->text, QStringLiteral("2006"));
        QCOMPARE(first.find(QStringLiteral("qrLblPolozkyUctovnehoDennika"))->text,
                 QStringLiteral("Položky účtovného denníka:"));

        const QString path = agenda->file(QStringLiteral("dennik.pdf"));
        QVERIFY(writePdf(path, pages, tlac.caption));
        const PdfPages pdf = readPdfPages(path);
        QCOMPARE(pdf.count, pages.size());
        QCOMPARE(pdf.letter, pages.size());
    }

    void printsTheShownLinesAsStoredWithTheirAlignment() {
        addLines(6);
        store->connection().execBound(
            QStringLiteral("UPDATE UctovnyDennik SET Popis = ?, Doklad = '' WHERE Riadok = 3;"),
            {QStringLiteral("O'Brien")});
        const QString filter = QStringLiteral("SELECT * FROM UctovnyDennik WHERE ") +
                               sqlAccountEquals(QStringLiteral("MaDat"), QStringLiteral("211")) +
                               QStringLiteral(" ORDER BY Riadok;");
        store->qryUctovnyDennik.setSQL(filter);
        store->qryUctovnyDennik.open();
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        QCOMPARE(store->qryUctovnyDennik.sql(), filter);
        const QList<ReportPage> pages = tlac.layout();
        QCOMPARE(pages.size(), 1);
        QCOMPARE(column(pages, QStringLiteral("qrDbTxtRiadok")),
                 QStringList({QStringLiteral("1"), QStringLiteral("3"), QStringLiteral("5")}));
        QCOMPARE(column(pages, QStringLiteral("qrDbTxtPopis"))[1], QStringLiteral("O'Brien"));
        QCOMPARE(column(pages, QStringLiteral("qrDbTxtDoklad"))[1], QString());
        QCOMPARE(column(pages, QStringLiteral("qrDbTxtSuma"))[2], QStringLiteral("5,50"));
        QCOMPARE(column(pages, QStringLiteral("qrDbTxtMaDat"))[0], QStringLiteral("211  "));

        const Qt::Alignment horizontal[] = {Qt::AlignHCenter, Qt::AlignRight, Qt::AlignLeft,
                                            Qt::AlignLeft,    Qt::AlignRight, Qt::AlignHCenter,
                                            Qt::AlignHCenter};
        const QList<ReportColumn> columns = TfrmUctovnyDennikTlac::columns();
        for (int i = 0; i < columns.size(); ++i) {
            const ReportItem* value = pages[0].find(QStringLiteral("qrDbTxt") + columns[i].field);
            const ReportItem* caption = pages[0].find(QStringLiteral("qrLbl") + columns[i].field);
            QCOMPARE(value->alignment & Qt::AlignHorizontal_Mask, horizontal[i]);
            QCOMPARE(caption->alignment & Qt::AlignHorizontal_Mask, horizontal[i]);
            QCOMPARE(caption->rect.left(), value->rect.left());
            QVERIFY(caption->font.italic());
        }

        store->qryUctovnyDennik.setSQL(
            QStringLiteral("SELECT * FROM UctovnyDennik WHERE Riadok > 99;"));
        store->qryUctovnyDennik.open();
        QVERIFY(TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006")).layout().isEmpty());
        // No pages, no preview: Tlacit returns without waiting for the user.
        bool shown = false;
        QTimer::singleShot(0, this, [&shown] {
            if (QWidget* modal = QApplication::activeModalWidget()) {
                shown = true;
                modal->close();
            }
        });
        QPrinter printer;
        TfrmUctovnyDennikTlac::Tlacit(*store, printer, QStringLiteral("2006"));
        QVERIFY(!shown);
    }

    void logoOnlyForAStoredNumber() {
        store->connection().execBound(
            QStringLiteral("INSERT INTO Logo (Cislo, Obrazok) VALUES (2, ?);"),
            {pictureBytes(QSize(52, 40), Qt::blue)});
        addLines(1);
        QCOMPARE(store->SQL(QStringLiteral("SELECT * FROM UctovnyDennik;")), 1);
        QCOMPARE(NacitatLogo(*store, QStringLiteral("2")).size(), QSize(52, 40));
        QVERIFY(store->ADOQuery.isOpen()); // its own statement, ADOQuery keeps its rows
        for (const QString& none :
             {QString(), QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("x")})
            QVERIFY(NacitatLogo(*store, none).isNull());

        for (const QString& logo : {QString(), QStringLiteral("0"), QStringLiteral("2")}) {
            setSetting(QStringLiteral("Logo"), logo);
            const QList<ReportPage> pages =
                TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006")).layout();
            const ReportItem* picture = pages[0].find(QStringLiteral("qrImgLogo"));
            QCOMPARE(picture != nullptr, logo == QLatin1String("2"));
            if (picture) {
                QCOMPARE(picture->image.pixelColor(0, 0), QColor(Qt::blue));
                const QRectF box = pages[0].find(QStringLiteral("qrShpAdresa"))->rect;
                QVERIFY(box.contains(picture->rect));
                QCOMPARE(picture->rect.size(), QSizeF(26, 20));
            }
        }
    }

    // --- the preview ---

    void previewNavigatesAndZooms() {
        addLines(200);
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        QPrinter printer;
        ReportPreview preview(tlac, printer);
        const int n = preview.pageCount();
        QVERIFY(n >= 4);
        QCOMPARE(preview.currentPage(), 1);
        auto trigger = [&preview](const char* name) {
            preview.findChild<QAction*>(QLatin1String(name))->trigger();
        };
        trigger("btnDalsiaStrana");
        QCOMPARE(preview.currentPage(), 2);
        trigger("btnPoslednaStrana");
        QCOMPARE(preview.currentPage(), n);
        QVERIFY(!preview.findChild<QAction*>(QStringLiteral("btnDalsiaStrana"))->isEnabled());
        trigger("btnPrvaStrana");
        QVERIFY(
            !preview.findChild<QAction*>(QStringLiteral("btnPredchadzajucaStrana"))->isEnabled());
        preview.findChild<QSpinBox*>(QStringLiteral("edtStrana"))->setValue(3);
        QCOMPARE(preview.currentPage(), 3);

        preview.show();
        QVERIFY(QTest::qWaitForWindowActive(&preview));
        QTest::keyClick(&preview, Qt::Key_PageDown);
        QCOMPARE(preview.currentPage(), 4);
        QTest::keyClick(&preview, Qt::Key_PageUp);
        QCOMPARE(preview.currentPage(), 3);
        QTest::keyClick(&preview, Qt::Key_End);
        QCOMPARE(preview.currentPage(), n);
        QTest::keyClick(&preview, Qt::Key_Home);
        QCOMPARE(preview.currentPage(), 1);

        auto* combo = preview.findChild<QComboBox*>(QStringLiteral("cbZoom"));
        auto* scroll = preview.findChild<QScrollArea*>(QStringLiteral("scrStrana"));
        QCOMPARE(preview.zoomMode(), ReportPreview::ZoomMode::WholePage);
        QVERIFY(scroll->widget()->height() <= scroll->viewport()->height());
        preview.setZoom(1.0);
        QCOMPARE(combo->currentText(), QStringLiteral("100 %"));
        QTest::keyClick(&preview, Qt::Key_Plus);
        QCOMPARE(preview.zoom(), 1.25);
        QTest::keyClick(&preview, Qt::Key_Minus);
        trigger("btnZmensit");
        QCOMPARE(preview.zoom(), 0.75);
        preview.setZoomMode(ReportPreview::ZoomMode::FitWidth);
        QCOMPARE(combo->currentText(), QStringLiteral("Celá šírka"));
        QVERIFY(scroll->widget()->width() <= scroll->viewport()->width());
        QVERIFY(scroll->widget()->width() >= scroll->viewport()->width() - 30);

        QTest::keyClick(&preview, Qt::Key_Escape);
        QVERIFY(!preview.isVisible());
        QCOMPARE(preview.result(), int(QDialog::Rejected));
    }

    // The PDF is proposed in the Documents folder where there is one, else in the home
    // folder: never in a folder that does not exist.
    void pdfProposedInAnExistingFolder() {
        QTemporaryDir domov;
        const QByteArray home = qgetenv("HOME"), xdg = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(domov.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(domov.filePath(QStringLiteral(".config"))));
        addLines(3);
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        QPrinter printer;
        ReportPreview preview(tlac, printer);
        QAction* save = preview.findChild<QAction*>(QStringLiteral("btnUlozitPdf"));
        save->trigger();
        QDir(domov.path()).mkdir(QStringLiteral("Documents"));
        save->trigger();
        qputenv("HOME", home);
        if (xdg.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", xdg);
        QCOMPARE(dialogs->proposedPaths.size(), 2);
        QCOMPARE(QFileInfo(dialogs->proposedPaths[0]).absolutePath(), domov.path());
        QCOMPARE(QFileInfo(dialogs->proposedPaths[1]).absolutePath(),
                 domov.filePath(QStringLiteral("Documents")));
        QVERIFY(dialogs->proposedPaths[0].endsWith(QStringLiteral(".pdf")));
    }

    void previewSavesPdfAndPrints() {
        addLines(120);
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        QPrinter printer;
        ReportPreview preview(tlac, printer);
        const int n = preview.pageCount();
        QAction* save = preview.findChild<QAction*>(QStringLiteral("btnUlozitPdf"));

        save->trigger(); // cancelled: nothing written, nothing said
        QCOMPARE(dialogs->fileCaptions, QStringList(QStringLiteral("Uložiť ako PDF")));
        QVERIFY(dialogs->messages.isEmpty());

        const QString path = agenda->file(QStringLiteral("ukazka.pdf"));
        dialogs->files << path;
        save->trigger();
        QCOMPARE(readPdfPages(path).count, n);
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Information);

        dialogs->files << agenda->file(QStringLiteral("neexistuje/ukazka.pdf"));
        save->trigger();
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QVERIFY(dialogs->last().text.startsWith(QStringLiteral("Súbor PDF sa nepodarilo uložiť")));

        // Printing goes through the print dialog; cancelling it prints nothing.
        const QString printed = agenda->file(QStringLiteral("tlac.pdf"));
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        dialogs->printerAnswers << false << true;
        QAction* print = preview.findChild<QAction*>(QStringLiteral("btnTlacit"));
        print->trigger();
        QVERIFY(!QFile::exists(printed));
        print->trigger();
        QCOMPARE(readPdfPages(printed).count, n);
        QCOMPARE(readPdfPages(printed).letter, n);
        QCOMPARE(dialogs->messages.size(), 2);
    }

    void pageSetupLaysTheReportOutAgain() {
        // The user turns the paper to landscape in the page set-up dialog.
        struct Landscape : ScriptedDialogs {
            bool pageSetup(QWidget*, QPrinter& printer) override {
                printer.setPageOrientation(QPageLayout::Landscape);
                return true;
            }
        } landscape;
        addLines(120);
        BandedReport tlac = TfrmUctovnyDennikTlac::zostava(*store, QStringLiteral("2006"));
        QPrinter printer;
        ReportPreview preview(tlac, printer);
        const int portraitPages = preview.pageCount();
        preview.btnPoslednaStranaClick();
        preview.findChild<QAction*>(QStringLiteral("btnNastavenieStrany"))->trigger();
        QCOMPARE(tlac.pageLayout.orientation(), QPageLayout::Landscape);
        QCOMPARE(preview.page(1).size, QSizeF(279.4, 215.9));
        QVERIFY(preview.pageCount() > portraitPages);
        QCOMPARE(preview.currentPage(), portraitPages); // stays on the page it showed
        // The description column takes up the wider paper: the last column ends at the margin.
        const ReportPage page = preview.page(1);
        QCOMPARE(page.find(QStringLiteral("qrLblDal"))->rect.right(), 279.4 - 10 - 1);
        QCOMPARE(page.find(QStringLiteral("qrDbTxtDal"))->rect.right(), 279.4 - 10 - 1);
        QCOMPARE(page.find(QStringLiteral("qrDbTxtPopis"))->rect.width(),
                 TfrmUctovnyDennikTlac::columns()[3].width + 279.4 - 215.9 - 2);
    }
};

QTEST_MAIN(TestReports)
#include "test_reports.moc"
