#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineF>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QPainter;
class QPrinter;

namespace saldovia {

// The banded report engine. A report is a set of bands (title once at the top of the first
// page, column header at the top of every page, one detail band per row, summary once after
// the last row, page footer at the bottom of every page). Laying it out gives pages of placed
// items; one paint function draws a page on any device (preview, printer, PDF).
//
// All geometry is in millimetres. Text is measured and drawn in a fixed virtual unit of
// 1/720 inch with fonts at exact pixel sizes in that unit, and the painter is scaled to the
// device, so a page looks the same at any resolution.

// One placed item of a page. Geometry in millimetres from the paper's top-left corner.
struct ReportItem {
    enum class Kind : quint8 { Text, Line, Rectangle, Picture };

    Kind kind = Kind::Text;
    QString name; // the control's name ("qrLblNazovDokladu"), may be empty
    QRectF rect;  // Text, Rectangle, Picture: the box; Line: its bounding box
    QLineF line;  // Line
    QString text; // Text: the final lines, separated by '\n'
    QFont font;   // Text, sizes in points
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black; // text, line or frame colour
    double penWidth = 0;      // Line, Rectangle frame (0: none); millimetres
    QColor fill;              // Rectangle; invalid: not filled
    QImage image;             // Picture, drawn into rect
};

struct ReportPage {
    QPageLayout layout; // paper, orientation and margins it was laid out for
    QSizeF size;        // paper size in millimetres, as oriented
    int number = 0;     // from 1
    QList<ReportItem> items;

    // The first item of that name, or nullptr.
    const ReportItem* find(const QString& name) const;
    QList<const ReportItem*> findAll(const QString& name) const;
    // Texts of all text items in placing order.
    QStringList texts() const;
};

// The report font: Arial (Liberation Sans, its metric twin, where Arial is missing).
QFont reportFont(double pointSize = 10, bool bold = false, bool italic = false);

inline const QColor reportNavy{0x00, 0x00, 0x80};

struct TextStyle {
    QFont font = reportFont();
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    QColor color = Qt::black;
    // Break into lines at word boundaries; the box grows downwards to hold them all.
    bool wordWrap = false;

    TextStyle() = default;
    TextStyle(const QFont& f, Qt::Alignment a = Qt::AlignLeft | Qt::AlignVCenter,
              const QColor& c = Qt::black, bool wrap = false)
        : font(f), alignment(a), color(c), wordWrap(wrap) {}
};

// Text measuring in millimetres, the same on every device.
double textWidth(const QString& text, const QFont& font);
double lineHeight(const QFont& font);
// The text broken into lines that fit the width, between words only (existing line breaks
// are kept); a word wider than the width keeps a line of its own.
QStringList wrapText(const QString& text, const QFont& font, double width);
// The font, or the same font made smaller, in which the text's widest word fits the width:
// the font a wrapping text is set in, so that no word is ever cut.
QFont wrapFont(const QString& text, const QFont& font, double width);
// The height of the text wrapped in its wrapFont.
double wrappedHeight(const QString& text, const QFont& font, double width);
// The font, or the same font made smaller, in which every line of the text fits the width.
QFont fittedFont(const QString& text, const QFont& font, double width);

// Fills one band: places items in the band's own coordinates (x from the left margin, y from
// the band's top, millimetres). The band is as high as its declared height, the lowest item
// or setHeight, whichever is largest.
class BandWriter {
public:
    // Measure: the band's height is found as Place finds it, but nothing is kept.
    enum class Mode { Place, Measure };
    BandWriter(double width, int pageNumber, int pageCount, Mode mode = Mode::Place);

    double width() const { return width_; }
    double height() const { return height_; }
    void setHeight(double height);
    // Page of this band and number of pages; the page count is known to the page footer
    // only (0 elsewhere).
    int pageNumber() const { return pageNumber_; }
    int pageCount() const {
        pageCountAsked_ = true;
        return pageCount_;
    }
    // Whether the band's fill has asked for the page count.
    bool pageCountAsked() const { return pageCountAsked_; }

    // A text in its box. A text that does not wrap and is wider than its box is set in a
    // smaller font that fits (a printout never cuts a number or a name). Returns the box's
    // height (grown when wrapped).
    double text(const QRectF& box, const QString& text, const TextStyle& style,
                const QString& name = {});
    void line(const QPointF& from, const QPointF& to, double penWidth, const QColor& color,
              const QString& name);
    void rectangle(const QRectF& box, double frameWidth, const QColor& frame, const QColor& fill,
                   const QString& name = {});
    // The picture scaled into the box keeping its aspect ratio, centred. A null image places
    // nothing.
    void picture(const QRectF& box, const QImage& image, const QString& name = {});

    const QList<ReportItem>& items() const { return items_; }
    QList<ReportItem> takeItems() { return std::move(items_); }

private:
    void extend(double bottom);
    double width_;
    double height_ = 0;
    int pageNumber_;
    int pageCount_;
    Mode mode_;
    mutable bool pageCountAsked_ = false;
    QList<ReportItem> items_;
};

struct ReportBand {
    QString name;
    double height = 0; // millimetres, at least
    std::function<void(BandWriter&)> fill;

    bool isSet() const { return fill || height > 0; }
};

struct DetailBand {
    QString name;
    double height = 0; // millimetres, at least; a row's items may make it higher
    int rowCount = 0;
    std::function<void(BandWriter&, int row)> fill;
};

class BandedReport {
public:
    QString caption;  // the preview's window title and the PDF's title
    QString fileName; // proposed file name when saving, without folder and suffix
    QPageLayout pageLayout = defaultPageLayout();

    ReportBand title;
    ReportBand columnHeader;
    DetailBand detail;
    ReportBand summary;
    ReportBand pageFooter;

    // Lays the report out for its page layout. No detail rows give no pages. A detail band
    // that does not fit moves to the next page, as does the summary; a band higher than a
    // whole page is placed anyway and runs over the footer.
    QList<ReportPage> layout() const;

    // Letter, portrait, 10 mm margins on every side.
    static QPageLayout defaultPageLayout();
};

// The pages of a report laid out as they are asked for, the same pages as layout() gives.
// Where the pages break is found by measuring the bands, keeping only the first row of
// each page; the items of a page are placed when the page is asked for, and only the last
// few pages asked for are kept. The report must not change while this lives.
class PagedReport {
public:
    explicit PagedReport(const BandedReport& report);

    // Every page break found: the number of pages.
    int count() const;
    // Whether count() is known without more measuring.
    bool isCounted() const { return counted_; }
    // The pages found so far (all of them once counted).
    int pagesFound() const { return static_cast<int>(starts_.size()); }
    // Measures up to `rows` more detail rows; true when every page break is found.
    bool findMore(int rows) const;
    // Page `index` (from 0; less than count()). Valid until the next call of page().
    const ReportPage& page(int index) const;

private:
    double measure(const ReportBand& band, int pageNumber) const;
    void startPage(int row) const;
    BandWriter render(const ReportBand& band, int pageNumber, int pageCount) const;

    const BandedReport& report_;
    QSizeF paper_;
    QMarginsF margins_;
    double width_ = 0;
    double footerHeight_ = 0;
    double bottom_ = 0;
    // the measuring, as far as it has gone
    mutable std::vector<int> starts_; // first detail row of each page (rowCount: none)
    mutable int nextRow_ = 0;
    mutable double y_ = 0;
    mutable int bandsOnPage_ = 0;
    mutable bool counted_ = false;
    mutable QList<ReportPage> kept_; // the last pages asked for, newest last
};

// Paints a page on the painter's device. The painter's origin is the paper's top-left corner;
// the device's resolution (or the given dots per inch) maps millimetres to device pixels.
void paintPage(QPainter& painter, const ReportPage& page);
void paintPage(QPainter& painter, const ReportPage& page, double dpiX, double dpiY);

// Prints every page on the printer (paper of the pages, whole page, origin at the corner).
// False when the printer cannot be started or fails. The paged form lays out and prints one
// page after the other.
bool printPages(QPrinter& printer, const QList<ReportPage>& pages);
bool printPages(QPrinter& printer, const PagedReport& pages);

// Writes the pages as a PDF file. On failure returns false and says why in *error. The
// paged form lays out and writes one page after the other.
bool writePdf(const QString& path, const QList<ReportPage>& pages, const QString& title,
              QString* error = nullptr);
bool writePdf(const QString& path, const PagedReport& pages, const QString& title,
              QString* error = nullptr);

} // namespace saldovia
