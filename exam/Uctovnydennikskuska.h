#pragma once

#include "reports/Logo.h"
#include "reports/ReportFrame.h"
#include "reports/ReportPreview.h"

namespace saldovia {

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
    // rows. The frame comes from the settings row; `uctovnyRok` is the year of the main
    // window's status panel 0. Without a loader the logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& uctovnyRok,
                                LogoLoader nacitatLogo = {});

    // The columns of the column header, left to right; the detail band's first line shows the
    // student's values in the last three, its second line the sample's.
    static QList<ReportColumn> columns();
};

} // namespace saldovia
