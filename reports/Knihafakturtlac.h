#pragma once

#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"

namespace saldovia {

// The invoice book: every issued (FV) and received (FP) invoice in number order, two lines
// each (number, date, description, base and VAT; the partner's IČO and name, the total), in
// the shared report frame titled "Kniha faktúr" with the accounting year as its number and
// the company identity and logo of the current settings. Its print command, the main
// window's menu item, is Tlacit (PrikazTlace).
struct TfrmKnihaFakturTlac : PrikazTlace<TfrmKnihaFakturTlac> {
    static inline const QString Caption = QStringLiteral("Tlač Knihy faktúr");
    static inline const QString Nazov = QStringLiteral("Kniha faktúr");

    // Sets the statement of qryDoklady to the invoices, opens it and returns the report,
    // which keeps the invoices. `uctovnyRok` is the agenda's accounting year.
    // The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& uctovnyRok);

    // The columns of the two lines.
    static QList<ReportColumn> columns();

    // The statement qryDoklady runs for the book.
    static const QString Dotaz;
};

} // namespace saldovia
