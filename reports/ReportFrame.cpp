#include "ReportFrame.h"

#include "settings/Logo.h"
#include "store/DataSet.h"
#include "store/Store.h"
#include "store/Values.h"

namespace saldovia {

namespace {

ReportFrame withIdentity(IdentitaFirmy firma, Store& store, const QString& title,
                         const QString& number) {
    ReportFrame f;
    f.NazovDokladu = title;
    f.CisloDokladu = number;
    f.Firma = std::move(firma);
    f.MenoUzivatela = store.tblAgendaNastavenie.text(QStringLiteral("MenoUzivatela"));
    if (f.Firma.Logo != QLatin1String("0"))
        f.Logo = NacitatLogo(store, f.Firma.Logo);
    return f;
}

} // namespace

ReportFrame ReportFrame::fromSettings(Store& store, const QString& title, const QString& number) {
    return withIdentity(IdentitaFirmy::zNastavenia(store.tblAgendaNastavenie), store, title,
                        number);
}

QString ReportFrame::field(const ResultSet& rows, const char* name) {
    const int column = rows.columnIndex(QLatin1String(name));
    return rows.rowCount() > 0 && column >= 0 ? rows.text(0, column) : QString();
}

ReportFrame ReportFrame::fromDocument(const ResultSet& doklad, Store& store, const QString& title,
                                      const QString& number) {
    return withIdentity(IdentitaFirmy::zDokladu(doklad), store, title, number);
}

QString ReportFrame::menoDatum() const {
    return MenoUzivatela + QStringLiteral(", ") + dateToText(DatumTlace);
}

ReportColumn tableColumn(const char* caption, const char* field, double left, double right,
                         Qt::Alignment alignment, int line, bool bold, bool boldCaption) {
    return {.caption = QString::fromUtf8(caption),
            .field = QLatin1String(field),
            .left = left,
            .width = right - left,
            .alignment = alignment,
            .line = line,
            .bold = bold,
            .boldCaption = boldCaption};
}

QList<ReportColumn> fitColumns(const QList<ReportColumn>& columns, double width) {
    double right = 0;
    const ReportColumn* stretching = nullptr;
    for (const ReportColumn& c : columns) {
        right = std::max(right, c.left + c.width);
        if (c.stretch && !stretching)
            stretching = &c;
    }
    if (!stretching || right == width)
        return columns;
    const double extra = std::max(width - right, -stretching->width);
    const double from = stretching->left;
    QList<ReportColumn> fitted = columns;
    for (ReportColumn& c : fitted) {
        if (c.stretch && c.left == from)
            c.width += extra;
        else if (c.left > from)
            c.left += extra;
    }
    return fitted;
}

namespace {

int lineCount(const QList<ReportColumn>& columns) {
    int lines = 1;
    for (const ReportColumn& c : columns)
        lines = std::max(lines, c.line + 1);
    return lines;
}

QList<int> fieldsOf(const QList<ReportColumn>& columns,
                    const std::function<int(const QString&)>& require) {
    QList<int> fields;
    for (const ReportColumn& c : columns)
        fields << (c.captionOnly ? -1 : require(c.field));
    return fields;
}

} // namespace

ReportTable::ReportTable(QList<ReportColumn> columns, ResultSet rows)
    : columns_(std::move(columns)), result_(std::make_shared<const ResultSet>(std::move(rows))) {
    fields_ = fieldsOf(columns_, [this](const QString& f) { return result_->requireColumn(f); });
}

ReportTable::ReportTable(QList<ReportColumn> columns, const DataSet& rows)
    : columns_(std::move(columns)), dataSet_(&rows) {
    fields_ = fieldsOf(columns_, [this](const QString& f) { return dataSet_->requireColumn(f); });
}

ReportTable ReportTable::run(QList<ReportColumn> columns, DataSet& dataSet, const QString& sql) {
    dataSet.close();
    dataSet.setSQL(sql);
    dataSet.open();
    return ReportTable(std::move(columns), dataSet.rows());
}

int ReportTable::rowCount() const {
    return result_ ? result_->rowCount() : dataSet_->recordCount();
}

int ReportTable::lines() const {
    return lineCount(columns_);
}

QString ReportTable::text(int row, int column) const {
    return result_ ? result_->text(row, column) : dataSet_->text(row, column);
}

int ReportTable::column(const QString& field) const {
    return result_ ? result_->requireColumn(field) : dataSet_->requireColumn(field);
}

QStringList ReportTable::values(int row) const {
    QStringList values;
    values.reserve(fields_.size());
    for (int field : fields_)
        values << (field < 0 ? QString() : text(row, field));
    return values;
}

namespace frame {

namespace {

constexpr double addressWidth = 98.0; // the framed address block at the right
constexpr double addressPadding = 3.5;
constexpr double logoWidth = 26.0;
constexpr double logoHeight = 20.0;
constexpr double captionWidth = 20.0; // captions of the left block, right-aligned
constexpr double ruleThick = 0.8;
constexpr double ruleThin = 0.35;
constexpr double frameThick = 0.6;

const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment rightMiddle = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment centreMiddle = Qt::AlignHCenter | Qt::AlignVCenter;

} // namespace

double fillTitleLine(BandWriter& w, const ReportFrame& f) {
    const double width = w.width();
    const double noticeHeight =
        w.text(QRectF(0, 0, width, rowHeight), LicenciaPopis,
               TextStyle(reportFont(10, false, true), centreMiddle, Qt::black, true),
               QStringLiteral("qrLblLicenciaPopis"));
    const double top = noticeHeight + 1.5;
    const double titleHeight = 9.5;
    const double numberWidth = width * 0.38;
    w.text(QRectF(0, top, width - numberWidth, titleHeight), f.NazovDokladu,
           TextStyle(reportFont(20, true, true), Qt::AlignLeft | Qt::AlignBottom, reportNavy),
           QStringLiteral("qrLblNazovDokladu"));
    w.text(QRectF(width - numberWidth, top, numberWidth, titleHeight), f.CisloDokladu,
           TextStyle(reportFont(20, true, false), Qt::AlignRight | Qt::AlignBottom, reportNavy),
           QStringLiteral("qrLblCisloDokladu"));
    const double ruleY = top + titleHeight + 1.5;
    w.line(QPointF(0, ruleY), QPointF(width, ruleY), ruleThick, reportNavy,
           QStringLiteral("qrShpNadpis"));
    return ruleY + ruleThick / 2;
}

double fillAddress(BandWriter& w, double left, double width, double top, double line,
                   const IdentitaFirmy& firma, const QString& suffix) {
    const QFont plain = reportFont();
    double y = top;
    y += w.text(QRectF(left, y, width, line), firma.NazovFirmy,
                TextStyle(reportFont(10, true), leftMiddle, Qt::black, true),
                QStringLiteral("qrLblNazovFirmy") + suffix);
    // Street, town and country wrap like the name: an address line is never cut.
    const TextStyle wrapped(plain, leftMiddle, Qt::black, true);
    y += w.text(QRectF(left, y, width, line), firma.SidloUlica, wrapped,
                QStringLiteral("qrLblSidloUlica") + suffix);
    const QString& psc = firma.SidloPSC;
    const double pscWidth = psc.isEmpty() ? 0.0 : std::min(width, textWidth(psc, plain));
    w.text(QRectF(left, y, pscWidth, line), psc, TextStyle(plain),
           QStringLiteral("qrLblSidloPSC") + suffix);
    const double town = left + pscWidth + (pscWidth > 0 ? 2.0 : 0.0);
    y += w.text(QRectF(town, y, left + width - town, line), firma.SidloMesto, wrapped,
                QStringLiteral("qrLblSidloMesto") + suffix);
    return y + w.text(QRectF(left, y, width, line), firma.SidloStat, wrapped,
                      QStringLiteral("qrLblSidloStat") + suffix);
}

double fillCaptionRows(BandWriter& w, double left, double right, double top, double line,
                       const QList<FrameRow>& rows, double captionWidth, double gap) {
    const QFont plain = reportFont();
    const QFont bold = reportFont(10, true);
    // Captions longer than the usual column ("Vystavil (a):") widen it rather than be clipped.
    for (const FrameRow& r : rows)
        captionWidth = std::max(captionWidth, textWidth(r.caption, plain) + 0.5);
    const double valueLeft = left + captionWidth + gap;
    double y = top;
    for (const FrameRow& r : rows) {
        w.text(QRectF(left, y, captionWidth, line), r.caption, TextStyle(plain, rightMiddle),
               QStringLiteral("qrLbl") + r.name);
        y += w.text(QRectF(valueLeft, y, right - valueLeft, line), r.value,
                    TextStyle(bold, leftMiddle, Qt::black, true),
                    QStringLiteral("qrLbl") + r.name + QStringLiteral("Text"));
    }
    return y;
}

namespace {

// From `top` down: the left block (IČO, DIČ, IČ DPH and any further rows) and the framed
// address block with the logo; returns the bottom of the taller block.
double fillIdentity(BandWriter& w, const ReportFrame& f, double top,
                    const QList<FrameRow>& extraRows) {
    const double width = w.width();

    // The framed address block with the logo in its right part.
    const double boxLeft = width - addressWidth;
    const double textLeft = boxLeft + addressPadding;
    const double logoLeft = width - addressPadding - logoWidth;
    const double y = fillAddress(w, textLeft, logoLeft - 3.0 - textLeft, top + addressPadding,
                                 rowHeight, f.Firma, {});
    const double boxHeight =
        std::max(y + addressPadding, top + logoHeight + 2 * addressPadding) - top;
    w.rectangle(QRectF(boxLeft, top, addressWidth, boxHeight), frameThick, reportNavy, {},
                QStringLiteral("qrShpAdresa"));
    w.picture(QRectF(logoLeft, top + (boxHeight - logoHeight) / 2, logoWidth, logoHeight), f.Logo,
              QStringLiteral("qrImgLogo"));

    // The left block: captions right-aligned, bold values beside them.
    QList<FrameRow> rows{{QStringLiteral("IČO:"), f.Firma.ICO, QStringLiteral("ICO")},
                         {QStringLiteral("DIČ:"), f.Firma.DIC, QStringLiteral("DIC")},
                         {QStringLiteral("IČ DPH:"), f.Firma.ICDPH, QStringLiteral("ICDPH")}};
    rows.append(extraRows);
    const double ly = fillCaptionRows(w, 0, boxLeft - 4.0, top + addressPadding, rowHeight, rows,
                                      captionWidth, 2.0);
    return std::max(top + boxHeight, ly);
}

} // namespace

void fillTitle(BandWriter& w, const ReportFrame& f, const QString& caption,
               const QString& captionName, Qt::Alignment captionAlignment,
               const QList<FrameRow>& extraRows) {
    const double ruleBottom = fillTitleLine(w, f);
    double y = fillIdentity(w, f, ruleBottom + 4.0, extraRows);
    if (!caption.isEmpty()) {
        y += 4.0;
        w.text(QRectF(0, y, w.width(), rowHeight + 0.5), caption,
               TextStyle(reportFont(10, true, true), captionAlignment | Qt::AlignVCenter),
               captionName);
        y += rowHeight + 0.5;
    }
    w.setHeight(y + 2.0);
}

void fillColumnHeaderRules(BandWriter& w, double height) {
    w.line(QPointF(0, ruleThin / 2), QPointF(w.width(), ruleThin / 2), ruleThin, reportNavy,
           QStringLiteral("qrShpNadpisyHore"));
    w.line(QPointF(0, height - ruleThin / 2), QPointF(w.width(), height - ruleThin / 2), ruleThin,
           reportNavy, QStringLiteral("qrShpNadpisyDole"));
}

namespace {

QRectF cell(const ReportColumn& c, double top, double height) {
    return {c.left + cellPadding, top, c.width - 2 * cellPadding, height};
}

} // namespace

void fillColumnHeader(BandWriter& w, const QList<ReportColumn>& columns) {
    fillColumnHeaderRules(w, lineCount(columns) * rowHeight + 2.0);
    for (const ReportColumn& c : fitColumns(columns, w.width())) {
        const Qt::Alignment a = c.captionAlignment ? c.captionAlignment : c.alignment;
        w.text(cell(c, 1.0 + c.line * rowHeight, rowHeight), c.caption,
               TextStyle(reportFont(10, c.boldCaption, true), a | Qt::AlignVCenter),
               QStringLiteral("qrLbl") + c.field);
    }
}

void fillColumnValues(BandWriter& w, const QList<ReportColumn>& columns, const QStringList& values,
                      const QFont& font) {
    // Every value of a line hangs from the same top, so the first lines share one baseline
    // also when a wrapping column runs over several lines.
    const double line = lineHeight(font);
    const QList<ReportColumn> fitted = fitColumns(columns, w.width());
    const int lines = lineCount(fitted);
    double top = 0.6;
    for (int l = 0; l < lines; ++l) {
        double height = line;
        for (qsizetype i = 0; i < fitted.size(); ++i) {
            const ReportColumn& c = fitted[i];
            if (c.line != l || c.captionOnly)
                continue;
            TextStyle s(font, c.alignment | Qt::AlignTop, Qt::black, c.wrap);
            if (c.bold)
                s.font.setBold(true);
            height = std::max(height, w.text(cell(c, top, line), values.value(i), s,
                                             QStringLiteral("qrDbTxt") + c.field));
        }
        top += height;
    }
    // A two-line entry keeps a little more room under it than a row of one line.
    w.setHeight(std::max(lines * rowHeight, top + (lines > 1 ? 0.6 : 0.4)));
}

void fillRowRule(BandWriter& w) {
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void fillSignature(BandWriter& w, double top) {
    const double width = w.width();
    const double lineY = top + 20.0;
    const double left = width / 2 + 30.0;
    const double right = width - 5.0;
    w.line(QPointF(left, lineY), QPointF(right, lineY), 0.3, Qt::black,
           QStringLiteral("qrShpPodpis"));
    w.text(QRectF(left, lineY + 0.8, right - left, rowHeight), QStringLiteral("Pečiatka a podpis"),
           TextStyle(reportFont(), centreMiddle), QStringLiteral("qrLblPodpis"));
    w.setHeight(lineY + 0.8 + rowHeight + 2.0);
}

void fillPageFooter(BandWriter& w, const ReportFrame& f) {
    const double width = w.width();
    const QFont plain = reportFont();
    w.line(QPointF(0, 0.5), QPointF(width, 0.5), ruleThin, reportNavy,
           QStringLiteral("qrShpPataStrany"));
    const double y = 1.5;
    const QString vytlacil = QStringLiteral("Vytlačil(a):");
    const double labelWidth = textWidth(vytlacil, plain) + 0.5;
    w.text(QRectF(0, y, labelWidth, rowHeight), vytlacil, TextStyle(plain),
           QStringLiteral("qrLblVytlacil"));
    w.text(QRectF(labelWidth + 1.5, y, width * 0.6, rowHeight), f.menoDatum(), TextStyle(plain),
           QStringLiteral("qrLblMenoDatum"));
    w.text(QRectF(width - 40.0, y, 40.0, rowHeight),
           QStringLiteral("Strana %1").arg(w.pageNumber()), TextStyle(plain, rightMiddle),
           QStringLiteral("qrSysStrana"));
    w.text(QRectF(0, y + rowHeight, width, rowHeight), LicenciaNazov,
           TextStyle(reportFont(10, false, true), centreMiddle),
           QStringLiteral("qrLblLicenciaNazov"));
    w.setHeight(y + 2 * rowHeight);
}

BandedReport framedReport(const QString& windowCaption, const ReportFrame& f,
                          const QString& caption, const QString& captionName) {
    BandedReport report;
    report.caption = windowCaption;
    report.fileName = f.NazovDokladu + u' ' + f.CisloDokladu;
    report.pageLayout = BandedReport::defaultPageLayout();
    report.title.name = QStringLiteral("qrBndHlavicka");
    report.title.fill = [f, caption, captionName](BandWriter& w) {
        fillTitle(w, f, caption, captionName);
    };
    report.summary.name = QStringLiteral("qrBndPodpis");
    report.summary.fill = [](BandWriter& w) { fillSignature(w, 0); };
    report.pageFooter.name = QStringLiteral("qrBndPataStrany");
    report.pageFooter.fill = [f](BandWriter& w) { fillPageFooter(w, f); };
    return report;
}

void applyTable(BandedReport& report, const ReportTable& table) {
    report.columnHeader.name = QStringLiteral("qrBndNadpisy");
    report.columnHeader.fill = [table](BandWriter& w) { fillColumnHeader(w, table.columns()); };
    report.detail.name = QStringLiteral("qrBndPolozky");
    report.detail.height = table.lines() * rowHeight;
    report.detail.rowCount = table.rowCount();
    report.detail.fill = [table](BandWriter& w, int row) {
        fillColumnValues(w, table.columns(), table.values(row), reportFont());
        fillRowRule(w);
    };
}

} // namespace frame

} // namespace saldovia
