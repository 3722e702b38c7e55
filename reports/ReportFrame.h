#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "store/Connection.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QPair>
#include <QString>

namespace saldovia {

class SettingsRow;

// The two notices printed on every printout: at the top of the first page, and at the foot
// of every page.
inline const QString LicenciaPopis =
    QStringLiteral("Tento výtlačok bol vytvorený výučbovým programom a je určený "
                   "výhradne na použitie vo vyučovaní.");
inline const QString LicenciaNazov = QStringLiteral("Saldovia – program na výučbu účtovníctva");

// The values of the frame that every printout shares: its title and number, the company
// identity and logo in the title band, and the printing user and date in the page footer.
struct ReportFrame {
    QString NazovDokladu; // the printout's title, at the top left
    QString CisloDokladu; // its number, at the top right
    QString NazovFirmy;
    QString SidloUlica;
    QString SidloPSC;
    QString SidloMesto;
    QString SidloStat;
    QString ICO;
    QString DIC;
    QString ICDPH;
    QString MenoUzivatela;
    QImage Logo; // null: no logo
    QDate DatumTlace = QDate::currentDate();

    // Identity, user name and logo (by the row's Logo number) of the settings row.
    static ReportFrame fromSettings(const SettingsRow& settings, const QString& title,
                                    const QString& number, const LogoLoader& nacitatLogo);

    // Identity and logo (by the document's Logo number) as stored with a document, the first
    // row of `doklad` (a row of Doklady; no row gives empty values); the user name is the
    // settings row's.
    static ReportFrame fromDocument(const ResultSet& doklad, const SettingsRow& settings,
                                    const QString& title, const QString& number,
                                    const LogoLoader& nacitatLogo);
    // A column of the first row as text; "" without a row or such a column.
    static QString field(const ResultSet& rows, const char* name);

    // The footer's "name, dd.MM.yyyy".
    QString menoDatum() const;
};

// A column of a printout: its caption in the column header and its values in the detail band,
// both aligned the same way. Positions in millimetres from the left margin. The stretching
// column takes up whatever width the page has beyond the columns' own.
struct ReportColumn {
    QString caption;
    QString field;
    double left = 0;
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool stretch = false;
};

// The columns fitted to a band's width: the stretching column widened (or narrowed) so that
// the last column ends at the width, the columns right of it moved along.
QList<ReportColumn> fitColumns(const QList<ReportColumn>& columns, double width);

// A caption of the left identity block with its bold value (and the names of both labels).
struct FrameRow {
    QString caption;
    QString value;
    QString name; // base of the label names: "qrLbl" + name and "qrLbl" + name + "Text"
};

namespace frame {

inline constexpr double rowHeight = 5.0;   // one line of 10 point text with its leading
inline constexpr double cellPadding = 1.0; // between a column's edge and its text

// Notice, title and number with the thick navy rule under them; returns the rule's bottom.
double fillTitleLine(BandWriter& w, const ReportFrame& f);
// From `top` down: the left block (IČO, DIČ, IČ DPH and any further rows) and the framed
// address block with the logo; returns the bottom of the taller block.
double fillIdentity(BandWriter& w, const ReportFrame& f, double top,
                    const QList<FrameRow>& extraRows = {});
// The whole title band of the frame, with an optional caption under the blocks and further
// rows of the left block.
void fillTitle(BandWriter& w, const ReportFrame& f, const QString& caption = {},
               const QString& captionName = {}, Qt::Alignment captionAlignment = Qt::AlignLeft,
               const QList<FrameRow>& extraRows = {});

// The navy rules of the column header at y = 0 and y = height.
void fillColumnHeaderRules(BandWriter& w, double height);
// Rules and italic captions, one per column (fitted to the band's width).
void fillColumnHeader(BandWriter& w, const QList<ReportColumn>& columns);
// The values of one row, clipped to their columns (fitted to the band's width); the wide
// column (if any) wraps and makes the row higher. Values are given in column order.
void fillColumnValues(BandWriter& w, const QList<ReportColumn>& columns, const QStringList& values,
                      int wrappedColumn = -1, const QFont& font = reportFont());

// The line for stamp and signature in the right half, "Pečiatka a podpis" under it.
void fillSignature(BandWriter& w, double top = 0);
// "Vytlačil(a):" with user and date at the left, "Strana n" at the right, the institution
// centred below.
void fillPageFooter(BandWriter& w, const ReportFrame& f);

// Puts the frame on a report: page, title band (with an optional caption under the blocks),
// column header with the columns' captions, the signature as summary and the page footer.
// The printout still provides the detail band.
void applyFrame(BandedReport& report, const ReportFrame& f, const QList<ReportColumn>& columns,
                const QString& caption = {}, const QString& captionName = {});

} // namespace frame

} // namespace saldovia
