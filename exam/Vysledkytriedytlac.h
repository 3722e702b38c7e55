#pragma once

#include "exam/Hodnotenietriedy.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"

namespace saldovia {

// The printout of a class's results: one row per exam file with the columns of the class
// table (the marks on a line of their own under the row), on landscape paper in the shared
// frame, titled "Výsledky triedy". Marked cells print bold; names and texts wrap instead of
// being cut.
struct TfrmVysledkyTriedyTlac {
    static inline const QString Caption = QStringLiteral("Výsledky triedy");

    // `frame` carries the identity (from the reference exam file); the caption under the title
    // names the reference and its duration.
    static BandedReport zostava(const QList<trieda::Vysledok>& vysledky, const trieda::Vzor& vzor,
                                ReportFrame frame);

    // The printed columns, left to right (every column of the table but the marks), laid out
    // for the 259.4 mm between the margins of landscape Letter paper.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
