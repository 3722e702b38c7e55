#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"
#include "store/Connection.h"
#include "store/DataSet.h"

class QPrinter;
class QWidget;

namespace saldovia {

class DataSet;
class Store;

// The printout of the accounting journal: the journal lines that the journal window lists
// (the shared data set qryUctovnyDennik with its filter, first row to last) in the shared
// report frame, titled "Účtovný denník" with the accounting year as its number.
class TfrmUctovnyDennikTlac {
public:
    static inline const QString Caption = QStringLiteral("Tlač Účtovného denníka");

    // Fills the report (FormCreate without the preview): the frame from the settings row and
    // the lines of qryUctovnyDennik as it stands (opened with its statement if closed; the
    // statement is never changed). `uctovnyRok` is the year of the main window's status
    // panel 0. Without a loader the logo comes from table Logo.
    TfrmUctovnyDennikTlac(Store& store, const QString& uctovnyRok, LogoLoader nacitatLogo = {});
    TfrmUctovnyDennikTlac(const TfrmUctovnyDennikTlac&) = delete; // its bands refer to it
    TfrmUctovnyDennikTlac& operator=(const TfrmUctovnyDennikTlac&) = delete;

    const ReportFrame& frame() const { return frame_; }
    const BandedReport& report() const { return report_; }
    BandedReport& report() { return report_; }
    int lineCount() const { return qry_->recordCount(); }
    // The pages, laid out without showing them.
    QList<ReportPage> layout() const { return report_.layout(); }
    // Shows the modal preview, from which the user prints on `printer`; nothing when the
    // report has no page.
    void showPreview(QPrinter& printer, QWidget* parent = nullptr);

    // The journal window's print command: fill, preview, release.
    static void Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                       QWidget* parent = nullptr);

    // The columns, left to right.
    static QList<ReportColumn> columns();

private:
    void qrBndPolozkyFill(BandWriter& w, int row) const;

    ReportFrame frame_;
    const DataSet* qry_; // read row by row as the pages are laid out
    QList<int> fields_;  // column of each report column's field in qry_
    QList<ReportColumn> columns_;
    BandedReport report_;
};

} // namespace saldovia
