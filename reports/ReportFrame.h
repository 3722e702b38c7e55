#pragma once

#include "edits/IdentitaFirmy.h"
#include "reports/Report.h"
#include "store/Connection.h"

#include <QDate>
#include <QImage>
#include <QList>
#include <QString>

#include <memory>

namespace saldovia {

class DataSet;
class Store;

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
    IdentitaFirmy Firma;  // name, seat, numbers, contacts and the logo's number
    QString MenoUzivatela;
    QImage Logo; // null: no logo
    QDate DatumTlace = QDate::currentDate();

    // Identity, user name and logo (by the row's Logo number) of the store's settings row.
    // The logo comes from the store's table Logo.
    static ReportFrame fromSettings(Store& store, const QString& title, const QString& number);

    // Identity and logo (by the document's Logo number) as stored with a document, the first
    // row of `doklad` (a row of Doklady; no row gives empty values); the user name is the
    // settings row's. The logo comes from the store's table Logo.
    static ReportFrame fromDocument(const ResultSet& doklad, Store& store, const QString& title,
                                    const QString& number);
    // A column of the first row as text; "" without a row or such a column.
    static QString field(const ResultSet& rows, const char* name);

    // The footer's "name, dd.MM.yyyy".
    QString menoDatum() const;
};

// A column of a printout's table: its caption in the column header and its values in the
// detail band, aligned alike unless the caption has an alignment of its own. Positions in
// millimetres from the left margin. The stretching column takes up whatever width the page
// has beyond the columns' own. In a table of two lines the columns of line 1 stand under
// those of line 0, in the column header as in every row.
struct ReportColumn {
    QString caption;
    QString field; // of the rows; names the caption "qrLbl" + field and the value "qrDbTxt" + field
    double left = 0;
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    bool stretch = false;
    int line = 0;
    bool wrap = false;        // the value breaks into lines and the row grows, rather than shrink
    bool bold = false;        // the value in bold
    bool boldCaption = false; // the caption bold as well as italic
    Qt::Alignment captionAlignment = {}; // none: the value's
    bool captionOnly = false;            // a caption over the line, no value
};

// A column from `left` to `right` on line `line` of a table, its value bold or not and its
// caption bold italic or italic.
ReportColumn tableColumn(const char* caption, const char* field, double left, double right,
                         Qt::Alignment alignment, int line, bool bold, bool boldCaption);

// The columns fitted to a band's width: the stretching column widened (or narrowed) so that
// the last column ends at the width, the columns right of it moved along.
QList<ReportColumn> fitColumns(const QList<ReportColumn>& columns, double width);

// The rows of a printout's table with its columns: the rows' own columns holding the
// columns' fields are found once. The rows are a result the table keeps (shared by its
// copies), or a data set read row by row as the pages are laid out, which must then outlive
// the table. A column whose field the rows lack is a DbError.
class ReportTable {
public:
    ReportTable(QList<ReportColumn> columns, ResultSet rows);
    ReportTable(QList<ReportColumn> columns, const DataSet& rows);
    // The rows of `sql`, run on the shared data set (which keeps the statement, open).
    static ReportTable run(QList<ReportColumn> columns, DataSet& dataSet, const QString& sql);

    const QList<ReportColumn>& columns() const { return columns_; }
    int rowCount() const;
    // Lines of every row (and of the column header): 1, or 2 for a two-line table.
    int lines() const;
    // The values of a row in column order ("" for a caption-only column).
    QStringList values(int row) const;
    // Any column of the rows, by its place in them (see column()).
    QString text(int row, int column) const;
    int column(const QString& field) const;

private:
    QList<ReportColumn> columns_;
    QList<int> fields_; // of each column in the rows; -1 for a caption-only column
    std::shared_ptr<const ResultSet> result_;
    const DataSet* dataSet_ = nullptr;
};

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
// The whole title band of the frame: notice, title and number; the left block (IČO, DIČ,
// IČ DPH and any further rows) beside the framed address block with the logo; and the
// caption (if any) under the blocks.
void fillTitle(BandWriter& w, const ReportFrame& f, const QString& caption,
               const QString& captionName, Qt::Alignment captionAlignment = Qt::AlignLeft,
               const QList<FrameRow>& extraRows = {});
// Name (bold), street, postcode and town on one line, and country, each wrapping, one under
// another from `top` in lines `line` high; the labels' names end in `suffix`. Returns the
// bottom.
double fillAddress(BandWriter& w, double left, double width, double top, double line,
                   const IdentitaFirmy& firma, const QString& suffix);
// Captions right-aligned in a column as wide as the widest of them (at least
// `captionWidth`), each with its bold value `gap` to the right, wrapping before `right`;
// returns the bottom.
double fillCaptionRows(BandWriter& w, double left, double right, double top, double line,
                       const QList<FrameRow>& rows, double captionWidth, double gap);

// The navy rules of the column header at y = 0 and y = height.
void fillColumnHeaderRules(BandWriter& w, double height);
// Rules and italic captions, one per column (fitted to the band's width), a line of them
// for each line of the columns.
void fillColumnHeader(BandWriter& w, const QList<ReportColumn>& columns);
// The values of one row in their columns (fitted to the band's width), given in column
// order: a value too wide for its column is set smaller, one of a wrapping column breaks
// into lines and makes its line higher; a second line of columns starts under the first
// line's lowest value.
void fillColumnValues(BandWriter& w, const QList<ReportColumn>& columns, const QStringList& values,
                      const QFont& font);
// The hairline under a row at the band's height, which keeps wrapped values with their row.
void fillRowRule(BandWriter& w);

// The line for stamp and signature in the right half, "Pečiatka a podpis" under it.
void fillSignature(BandWriter& w, double top);
// "Vytlačil(a):" with user and date at the left, "Strana n" at the right, the institution
// centred below.
void fillPageFooter(BandWriter& w, const ReportFrame& f);

// A report in the frame, titled `windowCaption` in the preview: page, title band (with an
// optional caption under the blocks), the signature as summary, the page footer, and the
// file name "title number".
BandedReport framedReport(const QString& windowCaption, const ReportFrame& f,
                          const QString& caption = {}, const QString& captionName = {});
// Puts a table on a report: the columns' captions as column header, and a detail band per
// row with its values and the hairline under them.
void applyTable(BandedReport& report, const ReportTable& table);

} // namespace frame

} // namespace saldovia
