#include "Dokladtlac.h"

#include "edits/Upravy.h"
#include "reports/Uctovnydenniktlac.h"
#include "store/Store.h"

namespace saldovia {

QList<ReportColumn> TfrmDokladTlac::columns() {
    // The journal printout's columns but the document's number, whose room the description
    // takes.
    QList<ReportColumn> c = TfrmUctovnyDennikTlac::columns();
    const ReportColumn doklad = c.takeAt(2);
    c[2].left = doklad.left;
    c[2].width += doklad.width;
    return c;
}

BandedReport TfrmDokladTlac::zostava(Store& store, const QString& cislo) {
    store.SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
    const ResultSet doklad = store.ADOQuery.rows();
    const ReportFrame f = ReportFrame::fromDocument(
        doklad, store, upravy::textyDruhu(store, ReportFrame::field(doklad, "Druh")).doklad, cislo);
    auto pole = [&doklad](const char* name) { return ReportFrame::field(doklad, name); };
    const QList<FrameRow> hlavicka{
        {QStringLiteral("Vystavil (a):"), pole("Vystavil"), QStringLiteral("Vystavil")},
        {QStringLiteral("Dátum:"), pole("Datum"), QStringLiteral("DatumDokladu")},
        {QStringLiteral("Popis:"), pole("Popis"), QStringLiteral("PopisDokladu")},
    };

    store.SQL(QStringLiteral("SELECT * FROM UctovnyDennik WHERE Doklad = %1 ORDER BY Riadok;")
                  .arg(sqlText(cislo)));
    BandedReport report = frame::framedReport(Caption, f);
    report.title.fill = [f, hlavicka](BandWriter& w) {
        frame::fillTitle(w, f, QStringLiteral("Položky účtovného denníka:"),
                         QStringLiteral("qrLblPolozkyUctovnehoDennika"), Qt::AlignHCenter,
                         hlavicka);
    };
    frame::applyTable(report, ReportTable(columns(), store.ADOQuery.rows()));
    return report;
}

} // namespace saldovia
