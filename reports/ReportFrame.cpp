#include "ReportFrame.h"

#include "store/DataSet.h"
#include "store/Values.h"

namespace saldovia {

ReportFrame ReportFrame::fromSettings(const SettingsRow& settings, const QString& title,
                                      const QString& number, const LogoLoader& nacitatLogo) {
    ReportFrame f;
    f.NazovDokladu = title;
    f.CisloDokladu = number;
    f.NazovFirmy = settings.text(QStringLiteral("NazovFirmy"));
    f.SidloUlica = settings.text(QStringLiteral("SidloUlica"));
    f.SidloPSC = settings.text(QStringLiteral("SidloPSC"));
    f.SidloMesto = settings.text(QStringLiteral("SidloMesto"));
    f.SidloStat = settings.text(QStringLiteral("SidloStat"));
    f.ICO = settings.text(QStringLiteral("ICO"));
    f.DIC = settings.text(QStringLiteral("DIC"));
    f.ICDPH = settings.text(QStringLiteral("ICDPH"));
    f.MenoUzivatela = settings.text(QStringLiteral("MenoUzivatela"));
    const QString logo = settings.text(QStringLiteral("Logo"));
    if (!logo.isEmpty() && logo != QLatin1String("0") && nacitatLogo)
        f.Logo = nacitatLogo(logo);
    return f;
}

QString ReportFrame::field(const ResultSet& rows, const char* name) {
    const int column = rows.columnIndex(QLatin1String(name));
    return rows.rowCount() > 0 && column >= 0 ? rows.text(0, column) : QString();
}

ReportFrame ReportFrame::fromDocument(const ResultSet& doklad, const SettingsRow& settings,
                                      const QString& title, const QString& number,
                                      const LogoLoader& nacitatLogo) {
    ReportFrame f;
    f.NazovDokladu = title;
    f.CisloDokladu = number;
    f.NazovFirmy = field(doklad, "NazovFirmy");
    f.SidloUlica = field(doklad, "SidloUlica");
    f.SidloPSC = field(doklad, "SidloPSC");
    f.SidloMesto = field(doklad, "SidloMesto");
    f.SidloStat = field(doklad, "SidloStat");
    f.ICO = field(doklad, "ICO");
    f.DIC = field(doklad, "DIC");
    f.ICDPH = field(doklad, "ICDPH");
    f.MenoUzivatela = settings.text(QStringLiteral("MenoUzivatela"));
    const QString logo = field(doklad, "Logo");
    if (!logo.isEmpty() && logo != QLatin1String("0") && nacitatLogo)
        f.Logo = nacitatLogo(logo);
    return f;
}

QString ReportFrame::menoDatum() const {
    return MenoUzivatela + QStringLiteral(", ") + dateToText(DatumTlace);
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

double fillIdentity(BandWriter& w, const ReportFrame& f, double top,
                    const QList<FrameRow>& extraRows) {
    const double width = w.width();
    const QFont plain = reportFont();
    const QFont bold = reportFont(10, true);

    // The framed address block with the logo in its right part.
    const double boxLeft = width - addressWidth;
    const double textLeft = boxLeft + addressPadding;
    const double logoLeft = width - addressPadding - logoWidth;
    const double textWidth = logoLeft - 3.0 - textLeft;
    double y = top + addressPadding;
    y += w.text(QRectF(textLeft, y, textWidth, rowHeight), f.NazovFirmy,
                TextStyle(bold, leftMiddle, Qt::black, true), QStringLiteral("qrLblNazovFirmy"));
    // Street, town and country wrap like the name: an address line is never cut.
    const TextStyle wrapped(plain, leftMiddle, Qt::black, true);
    y += w.text(QRectF(textLeft, y, textWidth, rowHeight), f.SidloUlica, wrapped,
                QStringLiteral("qrLblSidloUlica"));
    const double pscWidth =
        f.SidloPSC.isEmpty() ? 0.0 : std::min(textWidth, saldovia::textWidth(f.SidloPSC, plain));
    w.text(QRectF(textLeft, y, pscWidth, rowHeight), f.SidloPSC, TextStyle(plain),
           QStringLiteral("qrLblSidloPSC"));
    const double townLeft = textLeft + pscWidth + (pscWidth > 0 ? 2.0 : 0.0);
    y += w.text(QRectF(townLeft, y, textLeft + textWidth - townLeft, rowHeight), f.SidloMesto,
                wrapped, QStringLiteral("qrLblSidloMesto"));
    y += w.text(QRectF(textLeft, y, textWidth, rowHeight), f.SidloStat, wrapped,
                QStringLiteral("qrLblSidloStat"));
    const double boxHeight =
        std::max(y + addressPadding, top + logoHeight + 2 * addressPadding) - top;
    w.rectangle(QRectF(boxLeft, top, addressWidth, boxHeight), frameThick, reportNavy, {},
                QStringLiteral("qrShpAdresa"));
    w.picture(QRectF(logoLeft, top + (boxHeight - logoHeight) / 2, logoWidth, logoHeight), f.Logo,
              QStringLiteral("qrImgLogo"));

    // The left block: captions right-aligned, bold values beside them.
    QList<FrameRow> rows{{QStringLiteral("IČO:"), f.ICO, QStringLiteral("ICO")},
                         {QStringLiteral("DIČ:"), f.DIC, QStringLiteral("DIC")},
                         {QStringLiteral("IČ DPH:"), f.ICDPH, QStringLiteral("ICDPH")}};
    rows.append(extraRows);
    // Captions longer than the usual column ("Vystavil (a):") widen it rather than be clipped.
    double captions = captionWidth;
    for (const FrameRow& row : rows)
        captions = std::max(captions, saldovia::textWidth(row.caption, plain) + 0.5);
    const double valueLeft = captions + 2.0;
    const double valueWidth = boxLeft - 4.0 - valueLeft;
    double ly = top + addressPadding;
    for (const FrameRow& row : rows) {
        w.text(QRectF(0, ly, captions, rowHeight), row.caption, TextStyle(plain, rightMiddle),
               QStringLiteral("qrLbl") + row.name);
        ly += w.text(QRectF(valueLeft, ly, valueWidth, rowHeight), row.value,
                     TextStyle(bold, leftMiddle, Qt::black, true),
                     QStringLiteral("qrLbl") + row.name + QStringLiteral("Text"));
    }
    return std::max(top + boxHeight, ly);
}

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

void fillColumnHeader(BandWriter& w, const QList<ReportColumn>& columns) {
    const double height = rowHeight + 2.0;
    fillColumnHeaderRules(w, height);
    const TextStyle italic(reportFont(10, false, true));
    for (const ReportColumn& c : fitColumns(columns, w.width())) {
        TextStyle s = italic;
        s.alignment = c.alignment | Qt::AlignVCenter;
        w.text(QRectF(c.left + cellPadding, 1.0, c.width - 2 * cellPadding, rowHeight), c.caption,
               s, QStringLiteral("qrLbl") + c.field);
    }
}

void fillColumnValues(BandWriter& w, const QList<ReportColumn>& columns, const QStringList& values,
                      int wrappedColumn, const QFont& font) {
    // Every value hangs from the same top, so the first lines share one baseline also when
    // the wide column runs over several lines.
    constexpr double top = 0.6;
    const double line = lineHeight(font);
    double bottom = top + line;
    const QList<ReportColumn> fitted = fitColumns(columns, w.width());
    for (qsizetype i = 0; i < fitted.size(); ++i) {
        const ReportColumn& c = fitted[i];
        TextStyle s(font, c.alignment | Qt::AlignTop);
        s.wordWrap = i == wrappedColumn;
        const double height =
            w.text(QRectF(c.left + cellPadding, top, c.width - 2 * cellPadding, line),
                   values.value(i), s, QStringLiteral("qrDbTxt") + c.field);
        bottom = std::max(bottom, top + height);
    }
    w.setHeight(std::max(rowHeight, bottom + 0.4));
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

void applyFrame(BandedReport& report, const ReportFrame& f, const QList<ReportColumn>& columns,
                const QString& caption, const QString& captionName) {
    report.pageLayout = BandedReport::defaultPageLayout();
    report.title.name = QStringLiteral("qrBndHlavicka");
    report.title.fill = [f, caption, captionName](BandWriter& w) {
        fillTitle(w, f, caption, captionName);
    };
    report.columnHeader.name = QStringLiteral("qrBndNadpisy");
    report.columnHeader.fill = [columns](BandWriter& w) { fillColumnHeader(w, columns); };
    report.summary.name = QStringLiteral("qrBndPodpis");
    report.summary.fill = [](BandWriter& w) { fillSignature(w); };
    report.pageFooter.name = QStringLiteral("qrBndPataStrany");
    report.pageFooter.fill = [f](BandWriter& w) { fillPageFooter(w, f); };
}

} // namespace frame

} // namespace saldovia
