#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"
#include "store/Connection.h"

class QPrinter;
class QWidget;

namespace saldovia {

class Store;

// The invoice book: every issued (FV) and received (FP) invoice in number order, two rows
// each (number, date, description, base and VAT; the partner's IČO and name, the total), in
// the shared report frame titled "Kniha faktúr" with the accounting year as its number and
// the company identity and logo of the current settings.
class TfrmKnihaFakturTlac {
public:
    static inline const QString Caption = QStringLiteral("Tlač Knihy faktúr");
    static inline const QString Nazov = QStringLiteral("Kniha faktúr");

    // FormCreate without the preview: sets the statement of qryDoklady to the invoices,
    // opens it and fills the report. `uctovnyRok` is the year of the main window's status
    // panel 0. Without a loader the logo comes from table Logo.
    TfrmKnihaFakturTlac(Store& store, const QString& uctovnyRok, LogoLoader nacitatLogo = {});
    TfrmKnihaFakturTlac(const TfrmKnihaFakturTlac&) = delete; // its bands refer to it
    TfrmKnihaFakturTlac& operator=(const TfrmKnihaFakturTlac&) = delete;

    const ReportFrame& frame() const { return frame_; }
    const BandedReport& report() const { return report_; }
    BandedReport& report() { return report_; }
    int invoiceCount() const { return rows_.rowCount(); }
    QList<ReportPage> layout() const { return report_.layout(); }
    void showPreview(QPrinter& printer, QWidget* parent = nullptr);

    // The main window's menu item: fill, preview, release.
    static void Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                       QWidget* parent = nullptr);

    // The statement qryDoklady runs for the book.
    static const QString Dotaz;

private:
    void qrBndNadpisyFill(BandWriter& w) const;
    void qrBndPolozkyFill(BandWriter& w, int row) const;

    ReportFrame frame_;
    ResultSet rows_;
    int cislo_, datum_, popis_, nazovFirmy2_, ico2_, zaklad_, dph_, spolu_;
    BandedReport report_;
};

} // namespace saldovia
