#pragma once

#include "closing/Vykazy.h"
#include "reports/ReportFrame.h"

namespace saldovia {

// The printouts of the statements in the shared report frame, titled with the statement's
// name and numbered with its date; every line of the statement in its order (the sides'
// totals and the sections bold), then the two checks and any difference, then the signature.
struct TfrmSuvahaTlac {
    static inline const QString Caption = QStringLiteral("Súvaha");
    static BandedReport zostava(const vykazy::Vykazy& v, ReportFrame frame);
    // Označenie, Položka, Brutto, Korekcia, Netto: the assets carry all three values, equity
    // and liabilities only the last.
    static QList<ReportColumn> columns();
};

struct TfrmVykazZiskovAStratTlac {
    static inline const QString Caption = QStringLiteral("Výkaz ziskov a strát");
    static BandedReport zostava(const vykazy::Vykazy& v, ReportFrame frame);
    // Označenie, Položka, Suma.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
