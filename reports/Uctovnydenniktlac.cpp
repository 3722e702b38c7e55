#include "Uctovnydenniktlac.h"

#include "store/Store.h"

namespace saldovia {

QList<ReportColumn> TfrmUctovnyDennikTlac::columns() {
    // Laid out for the 195.9 mm between the margins of a Letter page; Popis takes up what
    // another paper gives or takes, and wraps when too long.
    // Suma holds twelve integer digits in full size; larger amounts are set smaller.
    constexpr double sumaWidth = 32;
    constexpr double popis = 195.9 - (15 + 23 + 2 + 24 + sumaWidth + 16 + 16);
    constexpr double suma = 64 + popis;
    return {
        {QStringLiteral("Riadok"), QStringLiteral("Riadok"), 0, 15, Qt::AlignHCenter},
        {QStringLiteral("Dátum"), QStringLiteral("Datum"), 15, 23, Qt::AlignRight},
        // 2 mm more between the right-aligned date and the document number
        {QStringLiteral("Doklad"), QStringLiteral("Doklad"), 40, 24, Qt::AlignLeft},
        {.caption = QStringLiteral("Popis"),
         .field = QStringLiteral("Popis"),
         .left = 64,
         .width = popis,
         .stretch = true,
         .wrap = true},
        {QStringLiteral("Suma"), QStringLiteral("Suma"), suma, sumaWidth, Qt::AlignRight},
        {QStringLiteral("Má dať"), QStringLiteral("MaDat"), suma + sumaWidth, 16, Qt::AlignHCenter},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), suma + sumaWidth + 16, 16, Qt::AlignHCenter},
    };
}

BandedReport TfrmUctovnyDennikTlac::zostava(Store& store, const QString& uctovnyRok) {
    DataSet& qry = store.qryUctovnyDennik;
    if (!qry.isOpen())
        qry.open();
    BandedReport report = frame::framedReport(
        Caption, ReportFrame::fromSettings(store, QStringLiteral("Účtovný denník"), uctovnyRok),
        QStringLiteral("Položky účtovného denníka:"),
        QStringLiteral("qrLblPolozkyUctovnehoDennika"));
    frame::applyTable(report, ReportTable(columns(), qry));
    return report;
}

} // namespace saldovia
