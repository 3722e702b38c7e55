#pragma once

#include "exam/Hodnotenietriedy.h"
#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"

// The exam's printouts: a student's work compared with the sample, and the class results.
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

// The line-by-line comparison of a finished exam: every row of the sample journal in row
// order, the student's amount and accounts on its first line and, under them, the sample's
// ("Správne údaje:"). A student's value that differs from the sample (the amount as an
// amount, the accounts exactly as stored) prints bold in a red box ("qrShpChyba" + the
// field). A sample row the student no longer has prints empty student values. In the shared
// report frame, titled "Účtovný denník - Skúška" with the accounting year as its number. Its
// print command, the results' "Podrobnosti", is Tlacit (PrikazTlace).
struct TfrmUctovnyDennikSkuska : PrikazTlace<TfrmUctovnyDennikSkuska> {
    static inline const QString Caption = QStringLiteral("Účtovný denník - Skúška");

    // qryUctovnyDennik gets the comparison statement and is opened; the report keeps its
    // rows. The frame comes from the settings row; `uctovnyRok` is the
    // agenda's accounting year. The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& uctovnyRok);
};

} // namespace saldovia
