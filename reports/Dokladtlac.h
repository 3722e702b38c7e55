#pragma once

#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"

namespace saldovia {

// The printout of one stored simple document (kinds ID, SP, SV, SR, BV): the identity and logo
// stored with the document, its issuer, date and description, and its journal lines, in the
// shared report frame. The title is the agenda's title (AgendaPrisposobenie.Doklad) of the
// document's kind. Its print
// command, that of the register and the journal window, is Tlacit (PrikazTlace): the
// preview, or the message "Doklad nemá žiadne položky!" when the document has no journal
// line.
struct TfrmDokladTlac : PrikazTlace<TfrmDokladTlac> {
    static inline const QString Caption = QStringLiteral("Tlač dokladu");
    static inline const QString ZiadnePolozky = QStringLiteral("Doklad nemá žiadne položky!");

    // The document's row and its journal lines (read through the general query) as a report
    // that keeps them. A number that does not exist gives empty header values and no lines.
    // The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& cislo);

    // The columns of the lines, left to right.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
