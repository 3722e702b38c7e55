#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"
#include "store/Connection.h"

class QPrinter;
class QWidget;

namespace saldovia {

class Store;

// The printout of one stored simple document (kinds ID, SP, SV, SR, BV): the identity and logo
// stored with the document, its issuer, date and description, and its journal lines, in the
// shared report frame. The title is the document title (Doklad) of the current row of
// qryAgendaPrisposobenie, which the caller positions on the document's kind.
class TfrmDokladTlac {
public:
    static inline const QString Caption = QStringLiteral("Tlač dokladu");
    static inline const QString ZiadnePolozky = QStringLiteral("Doklad nemá žiadne položky!");

    // Reads the document's row and its journal lines (through the general query) and fills
    // the report. A number that does not exist gives empty header values and no lines. Without
    // a loader the logo comes from table Logo.
    TfrmDokladTlac(Store& store, const QString& cislo, LogoLoader nacitatLogo = {});
    TfrmDokladTlac(const TfrmDokladTlac&) = delete; // its bands refer to it
    TfrmDokladTlac& operator=(const TfrmDokladTlac&) = delete;

    const ReportFrame& frame() const { return frame_; }
    const BandedReport& report() const { return report_; }
    BandedReport& report() { return report_; }
    int lineCount() const { return rows_.rowCount(); }
    QList<ReportPage> layout() const { return report_.layout(); }
    void showPreview(QPrinter& printer, QWidget* parent = nullptr);

    // The print command of the register and the journal window: the preview, or the message
    // "Doklad nemá žiadne položky!" when the document has no journal line.
    static void Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                       QWidget* parent = nullptr);

    // The columns of the lines, left to right.
    static QList<ReportColumn> columns();

private:
    void qrBndPolozkyFill(BandWriter& w, int row) const;

    ReportFrame frame_;
    QList<FrameRow> hlavicka_; // Vystavil, Datum and Popis under IČ DPH
    ResultSet rows_;
    QList<int> fields_;
    QList<ReportColumn> columns_;
    BandedReport report_;
};

} // namespace saldovia
