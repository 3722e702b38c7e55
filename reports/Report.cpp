#include "Report.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace saldovia {

namespace {

// The virtual unit of text: 1/720 inch, so that a font of p points is exactly 10·p units.
constexpr double unitsPerInch = 720.0;
constexpr double unitsPerMm = unitsPerInch / 25.4;

// The font at its exact size in virtual units. Pixel sizes do not depend on a device's
// resolution, so measuring and painting use the very same glyph metrics.
QFont unitFont(const QFont& font) {
    QFont f(font);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 10.0))));
    return f;
}

void translate(ReportItem& item, double dx, double dy) {
    item.rect.translate(dx, dy);
    item.line.translate(dx, dy);
}

QRectF toUnits(const QRectF& r) {
    return {r.x() * unitsPerMm, r.y() * unitsPerMm, r.width() * unitsPerMm,
            r.height() * unitsPerMm};
}

QPointF toUnits(const QPointF& p) {
    return p * unitsPerMm;
}

} // namespace

const ReportItem* ReportPage::find(const QString& name) const {
    for (const ReportItem& item : items)
        if (item.name == name)
            return &item;
    return nullptr;
}

QList<const ReportItem*> ReportPage::findAll(const QString& name) const {
    QList<const ReportItem*> found;
    for (const ReportItem& item : items)
        if (item.name == name)
            found << &item;
    return found;
}

QStringList ReportPage::texts() const {
    QStringList t;
    for (const ReportItem& item : items)
        if (item.kind == ReportItem::Kind::Text)
            t << item.text;
    return t;
}

QFont reportFont(double pointSize, bool bold, bool italic) {
    static const bool substituted = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        return true;
    }();
    Q_UNUSED(substituted);
    QFont f(QStringLiteral("Arial"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    f.setItalic(italic);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

namespace {

// Metrics of the font at its size in virtual units. Bands measure the same few fonts over and
// over: the last ones are kept.
const QFontMetricsF& unitMetrics(const QFont& font) {
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
    };
    static QList<Entry> recent;
    static const bool cleared = [] {
        // Fonts must go before the application's font cache does.
        qAddPostRoutine([] { recent.clear(); });
        return true;
    }();
    Q_UNUSED(cleared);
    for (const Entry& e : recent)
        if (e.font == font)
            return e.metrics;
    if (recent.size() >= 8)
        recent.removeFirst();
    recent.append({font, QFontMetricsF(unitFont(font))});
    return recent.last().metrics;
}

} // namespace

double textWidth(const QString& text, const QFont& font) {
    return unitMetrics(font).horizontalAdvance(text) / unitsPerMm;
}

double lineHeight(const QFont& font) {
    return unitMetrics(font).lineSpacing() / unitsPerMm;
}

QStringList wrapText(const QString& text, const QFont& font, double width) {
    if (!text.contains(u'\n') && textWidth(text, font) <= width)
        return {text};
    QString prepared = text;
    prepared.replace(u'\n', QChar::LineSeparator);
    QTextLayout layout(prepared, unitFont(font));
    QTextOption option;
    // Lines break between words only: a word longer than the width overruns it (wrapFont
    // gives the size at which none does).
    option.setWrapMode(QTextOption::WordWrap);
    option.setUseDesignMetrics(true);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width * unitsPerMm);
        QString part = prepared.mid(line.textStart(), line.textLength());
        while (!part.isEmpty() && (part.back().isSpace() || part.back() == QChar::LineSeparator))
            part.chop(1);
        lines << part;
    }
    layout.endLayout();
    return lines;
}

QFont fittedFont(const QString& text, const QFont& font, double width) {
    auto widest = [&text](const QFont& f) {
        double w = 0;
        for (const QString& line : text.split(u'\n'))
            w = std::max(w, textWidth(line, f));
        return w;
    };
    const double needed = widest(font);
    if (width <= 0 || needed <= width)
        return font;
    // Sizes go in steps of a tenth of a point, the resolution of the text unit.
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    QFont fitted(font);
    double size = std::floor(points * width / needed * 10.0) / 10.0;
    for (; size > 0.1; size -= 0.1) {
        fitted.setPointSizeF(size);
        if (widest(fitted) <= width)
            return fitted;
    }
    fitted.setPointSizeF(0.1);
    return fitted;
}

QFont wrapFont(const QString& text, const QFont& font, double width) {
    // fittedFont measures line by line: a line per word finds the widest word.
    return fittedFont(text.simplified().replace(u' ', u'\n'), font, width);
}

double wrappedHeight(const QString& text, const QFont& font, double width) {
    const QFont fitted = wrapFont(text, font, width);
    return wrapText(text, fitted, width).size() * lineHeight(fitted);
}

BandWriter::BandWriter(double width, int pageNumber, int pageCount, Mode mode)
    : width_(width), pageNumber_(pageNumber), pageCount_(pageCount), mode_(mode) {}

void BandWriter::setHeight(double height) {
    height_ = std::max(height_, height);
}

void BandWriter::extend(double bottom) {
    height_ = std::max(height_, bottom);
}

namespace {

// Text readers (PDF viewers, pdftotext) take evenly spaced single letters such as "2 z 2" for
// one letter-spaced word and drop its spaces. Spaces of at least half an em between such
// letters are read as spaces; other texts keep the font's own spacing.
QFont spacedForReaders(const QString& text, const QFont& font) {
    int words = 0;
    int length = 0; // of the word being read
    for (const QChar c : text) {
        if (c.isSpace())
            length = 0;
        else if (++length == 1)
            ++words;
        else
            return font; // a word of more letters
    }
    if (words < 2)
        return font;
    QFont f(font);
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10.0;
    const double space = unitMetrics(font).horizontalAdvance(u' ');
    // in the units the text is measured and painted in (10 per point)
    f.setWordSpacing(std::max(0.0, points * 10.0 * 0.5 - space));
    return f;
}

} // namespace

double BandWriter::text(const QRectF& box, const QString& text, const TextStyle& style,
                        const QString& name) {
    if (mode_ == Mode::Measure) {
        double height = box.height();
        if (style.wordWrap)
            height = std::max(height,
                              wrappedHeight(text, spacedForReaders(text, style.font), box.width()));
        extend(box.top() + height);
        return height;
    }
    const QFont font = spacedForReaders(text, style.font);
    ReportItem item;
    item.kind = ReportItem::Kind::Text;
    item.name = name;
    item.rect = box;
    item.font = font;
    item.alignment = style.alignment;
    item.color = style.color;
    if (style.wordWrap) {
        item.font = wrapFont(text, font, box.width());
        const QStringList lines = wrapText(text, item.font, box.width());
        item.text = lines.join(u'\n');
        item.rect.setHeight(std::max(box.height(), lines.size() * lineHeight(item.font)));
    } else {
        item.text = text;
        item.font = fittedFont(text, font, box.width());
    }
    extend(item.rect.bottom());
    const double height = item.rect.height();
    items_.append(std::move(item));
    return height;
}

void BandWriter::line(const QPointF& from, const QPointF& to, double penWidth, const QColor& color,
                      const QString& name) {
    if (mode_ == Mode::Measure) {
        extend(QRectF(from, to).normalized().bottom() + penWidth / 2);
        return;
    }
    ReportItem item;
    item.kind = ReportItem::Kind::Line;
    item.name = name;
    item.line = QLineF(from, to);
    item.rect = QRectF(from, to).normalized();
    item.penWidth = penWidth;
    item.color = color;
    extend(item.rect.bottom() + penWidth / 2);
    items_.append(std::move(item));
}

void BandWriter::rectangle(const QRectF& box, double frameWidth, const QColor& frame,
                           const QColor& fill, const QString& name) {
    if (mode_ == Mode::Measure) {
        extend(box.bottom() + frameWidth / 2);
        return;
    }
    ReportItem item;
    item.kind = ReportItem::Kind::Rectangle;
    item.name = name;
    item.rect = box;
    item.penWidth = frameWidth;
    item.color = frame;
    item.fill = fill;
    extend(box.bottom() + frameWidth / 2);
    items_.append(std::move(item));
}

void BandWriter::picture(const QRectF& box, const QImage& image, const QString& name) {
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        return;
    if (mode_ == Mode::Measure) {
        extend(box.bottom());
        return;
    }
    QSizeF size(image.width(), image.height());
    size.scale(box.size(), Qt::KeepAspectRatio);
    ReportItem item;
    item.kind = ReportItem::Kind::Picture;
    item.name = name;
    item.rect = QRectF(box.x() + (box.width() - size.width()) / 2,
                       box.y() + (box.height() - size.height()) / 2, size.width(), size.height());
    item.image = image;
    extend(box.bottom());
    items_.append(std::move(item));
}

QPageLayout BandedReport::defaultPageLayout() {
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

QList<ReportPage> BandedReport::layout() const {
    const PagedReport paged(*this);
    QList<ReportPage> pages;
    const int n = paged.count();
    pages.reserve(n);
    for (int i = 0; i < n; ++i)
        pages.append(paged.page(i));
    return pages;
}

namespace {
constexpr double tolerance = 1e-6;
constexpr qsizetype pagesKept = 4;
} // namespace

PagedReport::PagedReport(const BandedReport& report) : report_(report) {
    const QPageLayout& pl = report.pageLayout;
    paper_ = pl.fullRect(QPageLayout::Millimeter).size();
    margins_ = pl.margins(QPageLayout::Millimeter);
    width_ = paper_.width() - margins_.left() - margins_.right();
    footerHeight_ = report.pageFooter.isSet() ? render(report.pageFooter, 1, 1).height() : 0.0;
    bottom_ = paper_.height() - margins_.bottom() - footerHeight_;
    if (report.detail.rowCount <= 0)
        counted_ = true; // no rows, no pages
    else
        startPage(0);
}

BandWriter PagedReport::render(const ReportBand& band, int pageNumber, int pageCount) const {
    BandWriter w(width_, pageNumber, pageCount);
    w.setHeight(band.height);
    if (band.fill)
        band.fill(w);
    return w;
}

double PagedReport::measure(const ReportBand& band, int pageNumber) const {
    BandWriter w(width_, pageNumber, 0, BandWriter::Mode::Measure);
    w.setHeight(band.height);
    if (band.fill)
        band.fill(w);
    return w.height();
}

void PagedReport::startPage(int row) const {
    starts_.push_back(row);
    y_ = margins_.top();
    bandsOnPage_ = 0;
    if (starts_.size() == 1 && report_.title.isSet())
        y_ += measure(report_.title, 1);
    if (report_.columnHeader.isSet())
        y_ += measure(report_.columnHeader, static_cast<int>(starts_.size()));
}

bool PagedReport::findMore(int rows) const {
    const DetailBand& detail = report_.detail;
    for (int n = 0; n < rows && !counted_; ++n) {
        if (nextRow_ < detail.rowCount) {
            BandWriter w(width_, 0, 0, BandWriter::Mode::Measure);
            w.setHeight(detail.height);
            if (detail.fill)
                detail.fill(w, nextRow_);
            if (y_ + w.height() > bottom_ + tolerance && bandsOnPage_ > 0)
                startPage(nextRow_);
            y_ += w.height();
            ++bandsOnPage_;
            ++nextRow_;
            continue;
        }
        if (report_.summary.isSet()) {
            const double h = measure(report_.summary, 0);
            if (y_ + h > bottom_ + tolerance && bandsOnPage_ > 0)
                startPage(detail.rowCount);
            y_ += h;
        }
        counted_ = true;
    }
    return counted_;
}

int PagedReport::count() const {
    while (!findMore(4096)) {
    }
    return pagesFound();
}

const ReportPage& PagedReport::page(int index) const {
    for (qsizetype i = 0; i < kept_.size(); ++i)
        if (kept_[i].number == index + 1) {
            kept_.move(i, kept_.size() - 1);
            return kept_.last();
        }
    // where the page ends: the start of the next one, or the end of the rows
    while (!counted_ && pagesFound() <= index + 1)
        findMore(256);
    if (index < 0 || index >= pagesFound())
        throw std::out_of_range("report page");
    const bool last = counted_ && index + 1 == pagesFound();
    const int first = starts_[static_cast<size_t>(index)];
    const int end = last ? report_.detail.rowCount : starts_[static_cast<size_t>(index) + 1];

    ReportPage page;
    page.layout = report_.pageLayout;
    page.size = paper_;
    page.number = index + 1;
    double y = margins_.top();
    auto place = [&](BandWriter& w, double top) {
        QList<ReportItem> items = w.takeItems();
        for (ReportItem& item : items)
            translate(item, margins_.left(), top);
        page.items.append(std::move(items));
    };
    auto placeHere = [&](BandWriter& w) {
        place(w, y);
        y += w.height();
    };
    if (index == 0 && report_.title.isSet()) {
        BandWriter w = render(report_.title, 1, 0);
        placeHere(w);
    }
    if (report_.columnHeader.isSet()) {
        BandWriter w = render(report_.columnHeader, page.number, 0);
        placeHere(w);
    }
    for (int row = first; row < end; ++row) {
        BandWriter w(width_, 0, 0);
        w.setHeight(report_.detail.height);
        if (report_.detail.fill)
            report_.detail.fill(w, row);
        placeHere(w);
    }
    if (last && report_.summary.isSet()) {
        BandWriter w = render(report_.summary, 0, 0);
        placeHere(w);
    }
    if (report_.pageFooter.isSet()) {
        // A footer that shows the page count waits for every page break.
        BandWriter w = render(report_.pageFooter, page.number, counted_ ? pagesFound() : 0);
        if (w.pageCountAsked() && !counted_)
            w = render(report_.pageFooter, page.number, count());
        place(w, paper_.height() - margins_.bottom() - footerHeight_);
    }
    if (kept_.size() >= pagesKept)
        kept_.removeFirst();
    kept_.append(std::move(page));
    return kept_.last();
}

void paintPage(QPainter& painter, const ReportPage& page) {
    QPaintDevice* device = painter.device();
    paintPage(painter, page, device->logicalDpiX(), device->logicalDpiY());
}

void paintPage(QPainter& painter, const ReportPage& page, double dpiX, double dpiY) {
    painter.save();
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(dpiX / unitsPerInch, dpiY / unitsPerInch);
    // Hairlines stay visible on coarse devices: at least one device pixel.
    const double minPen = unitsPerInch / std::min(dpiX, dpiY);
    auto pen = [minPen](const ReportItem& item) {
        QPen p(item.color, std::max(item.penWidth * unitsPerMm, minPen));
        p.setCapStyle(Qt::FlatCap);
        p.setJoinStyle(Qt::MiterJoin);
        return p;
    };
    for (const ReportItem& item : page.items) {
        switch (item.kind) {
        case ReportItem::Kind::Text:
            if (item.text.isEmpty())
                break;
            painter.setFont(unitFont(item.font));
            painter.setPen(item.color);
            painter.drawText(toUnits(item.rect), static_cast<int>(item.alignment), item.text);
            break;
        case ReportItem::Kind::Line:
            painter.setPen(pen(item));
            painter.drawLine(QLineF(toUnits(item.line.p1()), toUnits(item.line.p2())));
            break;
        case ReportItem::Kind::Rectangle:
            painter.setPen(item.penWidth > 0 ? pen(item) : QPen(Qt::NoPen));
            painter.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter.drawRect(toUnits(item.rect));
            painter.setBrush(Qt::NoBrush);
            break;
        case ReportItem::Kind::Picture:
            painter.drawImage(toUnits(item.rect), item.image);
            break;
        }
    }
    painter.restore();
}

namespace {

// Prints pages one after the other, each asked for only when it is printed.
bool printEach(QPrinter& printer, int count, const std::function<const ReportPage&(int)>& page) {
    if (count == 0)
        return true;
    const QPageLayout first = page(0).layout;
    printer.setFullPage(true);
    printer.setPageOrientation(first.orientation());
    printer.setPageSize(first.pageSize());
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            return false;
        }
        paintPage(painter, page(i));
    }
    return painter.end();
}

bool writeEach(const QString& path, int count, const std::function<const ReportPage&(int)>& page,
               const QString& title, QString* error) {
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (count == 0)
        return fail(QStringLiteral("Zostava nemá žiadne strany."));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setResolution(1200);
        writer.setTitle(title);
        writer.setCreator(QStringLiteral("Saldovia"));
        const QPageLayout first = page(0).layout;
        writer.setPageLayout(QPageLayout(first.pageSize(), first.orientation(), QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return fail(QStringLiteral("Súbor PDF sa nedá vytvoriť."));
        }
        for (int i = 0; i < count; ++i) {
            if (i > 0)
                writer.newPage();
            paintPage(painter, page(i));
        }
        if (!painter.end()) {
            file.cancelWriting();
            return fail(file.errorString());
        }
    }
    if (!file.commit())
        return fail(file.errorString());
    return true;
}

} // namespace

bool printPages(QPrinter& printer, const QList<ReportPage>& pages) {
    return printEach(printer, static_cast<int>(pages.size()),
                     [&pages](int i) -> const ReportPage& { return pages[i]; });
}

bool printPages(QPrinter& printer, const PagedReport& pages) {
    return printEach(printer, pages.count(),
                     [&pages](int i) -> const ReportPage& { return pages.page(i); });
}

bool writePdf(const QString& path, const QList<ReportPage>& pages, const QString& title,
              QString* error) {
    return writeEach(
        path, static_cast<int>(pages.size()),
        [&pages](int i) -> const ReportPage& { return pages[i]; }, title, error);
}

bool writePdf(const QString& path, const PagedReport& pages, const QString& title, QString* error) {
    return writeEach(
        path, pages.count(), [&pages](int i) -> const ReportPage& { return pages.page(i); }, title,
        error);
}

} // namespace saldovia
