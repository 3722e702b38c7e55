#pragma once

#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"

namespace saldovia {

// The printout of the accounting journal: the journal lines that the journal window lists
// (the shared data set qryUctovnyDennik with its filter, first row to last) in the shared
// report frame, titled "Účtovný denník" with the accounting year as its number.
// Its print command, that of the journal window, is Tlacit (PrikazTlace).
struct TfrmUctovnyDennikTlac : PrikazTlace<TfrmUctovnyDennikTlac> {
    static inline const QString Caption = QStringLiteral("Tlač Účtovného denníka");

    // The report of qryUctovnyDennik as it stands (opened with its statement if closed; the
    // statement is never changed), read row by row as the pages are laid out: the data set
    // must outlive the report. The frame comes from the settings row; `uctovnyRok` is the agenda's
    // accounting year. The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& uctovnyRok);

    // The columns, left to right.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
