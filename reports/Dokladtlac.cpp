#include "Dokladtlac.h"

#include "reports/ReportPreview.h"
#include "store/Store.h"
#include "ui/Dialogs.h"

namespace saldovia {

namespace {
constexpr int popisColumn = 2; // the wide column, wrapped when too long
} // namespace

QList<ReportColumn> TfrmDokladTlac::columns() {
    // Laid out for the 195.9 mm between the margins of a Letter page; Popis takes up what
    // another paper gives or takes.
    // Suma holds twelve integer digits in full size; larger amounts are set smaller.
    constexpr double sumaWidth = 32;
    constexpr double popis = 195.9 - (15 + 23 + 2 + sumaWidth + 16 + 16);
    constexpr double suma = 40 + popis;
    return {
        {QStringLiteral("Riadok"), QStringLiteral("Riadok"), 0, 15, Qt::AlignHCenter},
        {QStringLiteral("Dátum"), QStringLiteral("Datum"), 15, 23, Qt::AlignRight},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), 40, popis, Qt::AlignLeft, true},
        {QStringLiteral("Suma"), QStringLiteral("Suma"), suma, sumaWidth, Qt::AlignRight},
        {QStringLiteral("Má dať"), QStringLiteral("MaDat"), suma + sumaWidth, 16, Qt::AlignHCenter},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), suma + sumaWidth + 16, 16, Qt::AlignHCenter},
    };
}

TfrmDokladTlac::TfrmDokladTlac(Store& store, const QString& cislo, LogoLoader nacitatLogo)
    : columns_(columns()) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& c) { return NacitatLogo(store, c); };

    store.SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
    const ResultSet doklad = store.ADOQuery.rows();
    frame_ = ReportFrame::fromDocument(doklad, store.tblAgendaNastavenie,
                                       store.qryAgendaPrisposobenie.text(QStringLiteral("Doklad")),
                                       cislo, nacitatLogo);
    auto pole = [&doklad](const char* name) { return ReportFrame::field(doklad, name); };
    hlavicka_ = {
        {QStringLiteral("Vystavil (a):"), pole("Vystavil"), QStringLiteral("Vystavil")},
        {QStringLiteral("Dátum:"), pole("Datum"), QStringLiteral("DatumDokladu")},
        {QStringLiteral("Popis:"), pole("Popis"), QStringLiteral("PopisDokladu")},
    };

    store.SQL(QStringLiteral("SELECT * FROM UctovnyDennik WHERE Doklad = %1 ORDER BY Riadok;")
                  .arg(sqlText(cislo)));
    rows_ = store.ADOQuery.rows();
    for (const ReportColumn& c : columns_)
        fields_ << rows_.requireColumn(c.field);

    report_.caption = Caption;
    report_.fileName = frame_.NazovDokladu + u' ' + cislo;
    frame::applyFrame(report_, frame_, columns_);
    report_.title.fill = [this](BandWriter& w) {
        frame::fillTitle(w, frame_, QStringLiteral("Položky účtovného denníka:"),
                         QStringLiteral("qrLblPolozkyUctovnehoDennika"), Qt::AlignHCenter,
                         hlavicka_);
    };
    report_.detail.name = QStringLiteral("qrBndPolozky");
    report_.detail.height = frame::rowHeight;
    report_.detail.rowCount = rows_.rowCount();
    report_.detail.fill = [this](BandWriter& w, int row) { qrBndPolozkyFill(w, row); };
}

void TfrmDokladTlac::qrBndPolozkyFill(BandWriter& w, int row) const {
    QStringList values;
    values.reserve(fields_.size());
    for (int field : fields_)
        values << rows_.text(row, field);
    frame::fillColumnValues(w, columns_, values, popisColumn);
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void TfrmDokladTlac::showPreview(QPrinter& printer, QWidget* parent) {
    ReportPreview::preview(report_, printer, parent);
}

void TfrmDokladTlac::Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                            QWidget* parent) {
    TfrmDokladTlac tlac(store, cislo);
    if (tlac.lineCount() == 0) {
        showError(parent, Caption, ZiadnePolozky);
        return;
    }
    tlac.showPreview(printer, parent);
}

} // namespace saldovia
