#include "Knihafakturtlac.h"

#include "store/Store.h"

namespace saldovia {

QList<ReportColumn> TfrmKnihaFakturTlac::columns() {
    // In millimetres from the left margin of a Letter page. The second line puts the
    // partner's IČO under the date, its name under the description and the total under the
    // VAT. The amount columns hold twelve integer digits in full size (larger amounts are set
    // smaller) and keep a clear gap between base and VAT. Bold values have bold captions.
    const auto stlpec = [](const char* caption, const char* field, double left, double right,
                           Qt::Alignment alignment, int line, bool bold) {
        return tableColumn(caption, field, left, right, alignment, line, bold, bold);
    };
    const Qt::Alignment vlavo = Qt::AlignLeft, vpravo = Qt::AlignRight, stred = Qt::AlignHCenter;
    QList<ReportColumn> c{
        stlpec("Doklad", "Cislo", 0, 22, stred, 0, true),
        stlpec("Dátum", "Datum", 22, 50, vpravo, 0, true),
        stlpec("Popis", "Popis", 52, 128, vlavo, 0, true),
        stlpec("Základ", "Zaklad", 128, 161, vpravo, 0, false),
        stlpec("DPH", "DPH", 163, 195.9, vpravo, 0, false),
        stlpec("IČO  a", "ICO2", 22, 50, vpravo, 1, false),
        stlpec("Názov firmy dodávateľa / odberateľa", "NazovFirmy2", 52, 128, vlavo, 1, false),
        stlpec("Spolu", "Spolu", 163, 195.9, vpravo, 1, true),
    };
    c[2].wrap = c[6].wrap = true; // the description and the partner's name break into lines
    return c;
}

const QString TfrmKnihaFakturTlac::Dotaz = QStringLiteral(
    "SELECT Doklady.Cislo, Doklady.Datum, Doklady.Popis, Doklady.NazovFirmy2, Doklady.ICO2, "
    "Doklady.Zaklad, Doklady.DPH, Doklady.Spolu FROM Doklady WHERE Doklady.Druh='FV' OR "
    "Doklady.Druh='FP' ORDER BY Doklady.Cislo;");

BandedReport TfrmKnihaFakturTlac::zostava(Store& store, const QString& uctovnyRok) {
    BandedReport report =
        frame::framedReport(Caption, ReportFrame::fromSettings(store, Nazov, uctovnyRok));
    frame::applyTable(report, ReportTable::run(columns(), store.qryDoklady, Dotaz));
    return report;
}

} // namespace saldovia
