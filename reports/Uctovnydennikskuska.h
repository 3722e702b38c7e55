#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"
#include "store/Connection.h"

class QPrinter;
class QWidget;

namespace saldovia {

class Store;

// The line-by-line comparison of a finished exam: every row of the sample journal in row
// order, the student's amount and accounts on its first line and, under them, the sample's
// ("Správne údaje:"), every student's value that differs from the sample marked. A sample row the
// student no longer has prints empty student values. In the shared report frame, titled "Účtovný
// denník - Skúška" with the accounting year as its number.
class TfrmUctovnyDennikSkuska {
public:
    static inline const QString Caption = QStringLiteral("Účtovný denník - Skúška");

    // Fills the report (FormCreate without the preview): qryUctovnyDennik gets the comparison
    // statement and is opened; the frame comes from the settings row. `uctovnyRok` is the year
    // of the main window's status panel 0. Without a loader the logo comes from table Logo.
    TfrmUctovnyDennikSkuska(Store& store, const QString& uctovnyRok, LogoLoader nacitatLogo = {});
    TfrmUctovnyDennikSkuska(const TfrmUctovnyDennikSkuska&) = delete; // its bands refer to it
    TfrmUctovnyDennikSkuska& operator=(const TfrmUctovnyDennikSkuska&) = delete;

    const ReportFrame& frame() const { return frame_; }
    const BandedReport& report() const { return report_; }
    int rowCount() const { return rows_.rowCount(); }
    QList<ReportPage> layout() const { return report_.layout(); }
    // The modal preview, from which the user prints on `printer`; nothing without rows.
    void showPreview(QPrinter& printer, QWidget* parent = nullptr);

    // The results' "Podrobnosti": fill, preview, release.
    static void Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                       QWidget* parent = nullptr);

    // The columns of the column header, left to right; the detail band's first line shows the
    // student's values in the last three, its second line the sample's.
    static QList<ReportColumn> columns();

    // Whether the student's value of a compared column (0 amount, 1 debit account, 2 credit
    // account) differs from the sample's in that row: the amount as an amount, the accounts
    // exactly as stored. Such values print bold in a red box ("qrShpChyba" + the field).
    bool chyba(int row, int stlpec) const;

private:
    void qrBndPolozkyFill(BandWriter& w, int row) const;

    ReportFrame frame_;
    ResultSet rows_;
    QList<ReportColumn> columns_;
    QList<ReportColumn> skuska_; // the first line: the student's fields in the last three
    QList<int> polia_;           // column of each first-line field in rows_
    QList<int> vzor_;            // the sample's Suma, MaDat and Dal in rows_
    BandedReport report_;
};

} // namespace saldovia
