#pragma once

#include "reports/Logo.h"
#include "reports/Report.h"
#include "reports/ReportFrame.h"
#include "store/Connection.h"
#include "store/Values.h"

#include <QHash>

class QPrinter;
class QWidget;

namespace saldovia {

class Store;

// The printout of one stored invoice or cash document (kinds FV, FP, PP, PV): both parties as
// stored with the document, its dates, names, payment and delivery, one two-row entry per
// line (amounts, then the base and VAT postings) and the VAT summary. It reads the saved
// tables only. Kind and title are Kod and Doklad of the current row of
// qryAgendaPrisposobenie, which the caller positions on the document's kind.
class TfrmDoklad2Tlac {
public:
    static inline const QString Caption = QStringLiteral("Tlač dokladu");
    static inline const QString ZiadnePolozky = QStringLiteral("Doklad nemá žiadne položky!");

    // One row of the VAT summary: the rate's label ("0%", "19%") and its sums.
    struct RiadokSumaru {
        QString sadzba;
        Amount zaklad;
        Amount dph;
        Amount spolu;
    };

    // Reads the document's row, its VAT summary and its lines (through the general query) and
    // fills the report. Without a loader the logo comes from table Logo.
    TfrmDoklad2Tlac(Store& store, const QString& cislo, LogoLoader nacitatLogo = {});
    TfrmDoklad2Tlac(const TfrmDoklad2Tlac&) = delete; // its bands refer to it
    TfrmDoklad2Tlac& operator=(const TfrmDoklad2Tlac&) = delete;

    const ReportFrame& frame() const { return frame_; }
    const BandedReport& report() const { return report_; }
    BandedReport& report() { return report_; }
    int lineCount() const { return rows_.rowCount(); }
    QList<ReportPage> layout() const { return report_.layout(); }
    void showPreview(QPrinter& printer, QWidget* parent = nullptr);

    // The summary: "0%" first, then each non-zero rate of the lines in rising order (the
    // agenda's rate with zero sums when no line has one); and the grand total of all rows.
    const QList<RiadokSumaru>& sumar() const { return sumar_; }
    Amount spoluUplne() const { return spoluUplne_; }

    // The print command of the register and the journal window: the preview, or the message
    // "Doklad nemá žiadne položky!" when no line of the document has its base posting.
    static void Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                       QWidget* parent = nullptr);

private:
    QString pole(const char* name) const;
    void qrBndHlavickaFill(BandWriter& w) const;
    void qrBndNadpisyFill(BandWriter& w) const;
    void qrBndPolozkyFill(BandWriter& w, int row) const;
    void qrBndPodpisFill(BandWriter& w) const;

    ReportFrame frame_;
    ResultSet doklad_;
    QString dodavatel_ = QStringLiteral("Dodávateľ:");
    QString odberatel_ = QStringLiteral("Odberateľ:");
    QList<RiadokSumaru> sumar_;
    Amount spoluUplne_;
    ResultSet rows_;
    QHash<QString, int> fields_;
    BandedReport report_;
};

} // namespace saldovia
