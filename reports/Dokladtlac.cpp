#include "Dokladtlac.h"

#include "reports/ReportPreview.h"
#include "reports/Uctovnydenniktlac.h"
#include "store/Store.h"
#include "ui/Dialogs.h"

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

BandedReport TfrmDokladTlac::zostava(Store& store, const QString& cislo, LogoLoader nacitatLogo) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& c) { return NacitatLogo(store, c); };

    store.SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
    const ResultSet doklad = store.ADOQuery.rows();
    const ReportFrame f = ReportFrame::fromDocument(
        doklad, store.tblAgendaNastavenie,
        store.qryAgendaPrisposobenie.text(QStringLiteral("Doklad")), cislo, nacitatLogo);
    auto pole = [&doklad](const char* name) { return ReportFrame::field(doklad, name); };
    const QList<FrameRow> hlavicka{
        {QStringLiteral("Vystavil (a):"), pole("Vystavil"), QStringLiteral("Vystavil")},
        {QStringLiteral("Dátum:"), pole("Datum"), QStringLiteral("DatumDokladu")},
        {QStringLiteral("Popis:"), pole("Popis"), QStringLiteral("PopisDokladu")},
    };

    store.SQL(QStringLiteral("SELECT * FROM UctovnyDennik WHERE Doklad = %1 ORDER BY Riadok;")
                  .arg(sqlText(cislo)));
    BandedReport report;
    report.caption = Caption;
    frame::applyFrame(report, f);
    report.title.fill = [f, hlavicka](BandWriter& w) {
        frame::fillTitle(w, f, QStringLiteral("Položky účtovného denníka:"),
                         QStringLiteral("qrLblPolozkyUctovnehoDennika"), Qt::AlignHCenter,
                         hlavicka);
    };
    frame::applyTable(report, ReportTable(columns(), store.ADOQuery.rows()));
    return report;
}

void TfrmDokladTlac::Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                            QWidget* parent) {
    BandedReport report = zostava(store, cislo);
    if (report.detail.rowCount == 0) {
        showError(parent, Caption, ZiadnePolozky);
        return;
    }
    ReportPreview::preview(report, printer, parent);
}

} // namespace saldovia
