#pragma once

#include "edits/SumarDPH.h"
#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"
#include "store/Values.h"

namespace saldovia {

// The printout of one stored invoice or cash document (kinds FV, FP, PP, PV): both parties as
// stored with the document, its dates, names, payment and delivery, one two-line entry per
// line (amounts, then the base and VAT postings) and the VAT summary. It reads the saved
// tables only. The title is the agenda's title (AgendaPrisposobenie.Doklad) of the
// document's kind; a received kind swaps the parties' captions. Its print
// command, that of the register and the journal window, is Tlacit (PrikazTlace): the
// preview, or the message "Doklad nemá žiadne položky!" when no line of the document has
// its base posting.
struct TfrmDoklad2Tlac : PrikazTlace<TfrmDoklad2Tlac> {
    static inline const QString Caption = QStringLiteral("Tlač dokladu");
    static inline const QString ZiadnePolozky = QStringLiteral("Doklad nemá žiadne položky!");

    // The VAT summary, the same as the editor's: a row per rate and the totals.
    using RiadokSumaru = sumardph::Riadok;
    using Sumar = sumardph::Sumar;

    // The document's row, its VAT summary and its lines (read through the general query) as
    // a report that keeps them. The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& cislo);
    // The VAT summary of the document's lines that have their base posting.
    static Sumar sumar(Store& store, const QString& cislo);

    // The columns of the two lines of an entry.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
