#include "Uctovnydenniktlac.h"

#include "reports/ReportPreview.h"
#include "store/Store.h"

namespace saldovia {

namespace {
constexpr int popisColumn = 3; // the wide column, wrapped when too long
} // namespace

QList<ReportColumn> TfrmUctovnyDennikTlac::columns() {
    // Laid out for the 195.9 mm between the margins of a Letter page; Popis takes up what
    // another paper gives or takes.
    // Suma holds twelve integer digits in full size; larger amounts are set smaller.
    constexpr double sumaWidth = 32;
    constexpr double popis = 195.9 - (15 + 23 + 2 + 24 + sumaWidth + 16 + 16);
    constexpr double suma = 64 + popis;
    return {
        {QStringLiteral("Riadok"), QStringLiteral("Riadok"), 0, 15, Qt::AlignHCenter},
        {QStringLiteral("Dátum"), QStringLiteral("Datum"), 15, 23, Qt::AlignRight},
        // 2 mm more between the right-aligned date and the document number
        {QStringLiteral("Doklad"), QStringLiteral("Doklad"), 40, 24, Qt::AlignLeft},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), 64, popis, Qt::AlignLeft, true},
        {QStringLiteral("Suma"), QStringLiteral("Suma"), suma, sumaWidth, Qt::AlignRight},
        {QStringLiteral("Má dať"), QStringLiteral("MaDat"), suma + sumaWidth, 16, Qt::AlignHCenter},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), suma + sumaWidth + 16, 16, Qt::AlignHCenter},
    };
}

TfrmUctovnyDennikTlac::TfrmUctovnyDennikTlac(Store& store, const QString& uctovnyRok,
                                             LogoLoader nacitatLogo)
    : columns_(columns()) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& cislo) { return NacitatLogo(store, cislo); };
    frame_ = ReportFrame::fromSettings(store.tblAgendaNastavenie, QStringLiteral("Účtovný denník"),
                                       uctovnyRok, nacitatLogo);

    DataSet& qry = store.qryUctovnyDennik;
    if (!qry.isOpen())
        qry.open();
    qry_ = &qry;
    for (const ReportColumn& c : columns_)
        fields_ << qry.requireColumn(c.field);

    report_.caption = Caption;
    report_.fileName = frame_.NazovDokladu + u' ' + uctovnyRok;
    frame::applyFrame(report_, frame_, columns_, QStringLiteral("Položky účtovného denníka:"),
                      QStringLiteral("qrLblPolozkyUctovnehoDennika"));
    report_.detail.name = QStringLiteral("qrBndPolozky");
    report_.detail.height = frame::rowHeight;
    report_.detail.rowCount = qry.recordCount();
    report_.detail.fill = [this](BandWriter& w, int row) { qrBndPolozkyFill(w, row); };
}

void TfrmUctovnyDennikTlac::qrBndPolozkyFill(BandWriter& w, int row) const {
    QStringList values;
    values.reserve(fields_.size());
    for (int field : fields_)
        values << qry_->text(row, field);
    frame::fillColumnValues(w, columns_, values, popisColumn);
    // A hairline between the lines keeps wrapped descriptions with their line.
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void TfrmUctovnyDennikTlac::showPreview(QPrinter& printer, QWidget* parent) {
    ReportPreview::preview(report_, printer, parent);
}

void TfrmUctovnyDennikTlac::Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                                   QWidget* parent) {
    TfrmUctovnyDennikTlac report(store, uctovnyRok);
    report.showPreview(printer, parent);
}

} // namespace saldovia
