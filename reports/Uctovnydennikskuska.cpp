#include "Uctovnydennikskuska.h"

#include "exam/Vyhodnotenie.h"
#include "reports/ReportPreview.h"
#include "reports/Uctovnydenniktlac.h"
#include "store/Store.h"

namespace saldovia {

namespace {

constexpr int popisColumn = 3; // the wide column, wrapped when too long
constexpr int sumaColumn = 4;  // the first of the three compared columns

const QColor pozadieChyby(0xfd, 0xe2, 0xe2); // behind a student's value that differs
const QColor ramChyby(0xa0, 0x10, 0x10);

const QString Porovnanie = QStringLiteral(
    "SELECT UctovnyDennikVzor.Riadok, UctovnyDennikVzor.Datum, UctovnyDennikVzor.Doklad, "
    "UctovnyDennikVzor.Popis, UctovnyDennikVzor.Suma, UctovnyDennikVzor.MaDat, "
    "UctovnyDennikVzor.Dal, UctovnyDennik.Suma AS SkuskaSuma, UctovnyDennik.MaDat AS "
    "SkuskaMaDat, UctovnyDennik.Dal AS SkuskaDal FROM UctovnyDennikVzor LEFT JOIN UctovnyDennik "
    "ON UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok ORDER BY UctovnyDennikVzor.Riadok;");

} // namespace

QList<ReportColumn> TfrmUctovnyDennikSkuska::columns() {
    // The journal printout's columns: the comparison reads like the journal.
    return TfrmUctovnyDennikTlac::columns();
}

TfrmUctovnyDennikSkuska::TfrmUctovnyDennikSkuska(Store& store, const QString& uctovnyRok,
                                                 LogoLoader nacitatLogo)
    : columns_(columns()) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& cislo) { return NacitatLogo(store, cislo); };
    frame_ = ReportFrame::fromSettings(store.tblAgendaNastavenie, Caption, uctovnyRok, nacitatLogo);

    DataSet& qry = store.qryUctovnyDennik;
    qry.close();
    qry.setSQL(Porovnanie);
    qry.open();
    rows_ = qry.rows();

    skuska_ = columns_;
    for (qsizetype i = sumaColumn; i < skuska_.size(); ++i)
        skuska_[i].field = QStringLiteral("Skuska") + skuska_[i].field;
    for (const ReportColumn& c : skuska_)
        polia_ << rows_.requireColumn(c.field);
    for (qsizetype i = sumaColumn; i < columns_.size(); ++i)
        vzor_ << rows_.requireColumn(columns_[i].field);

    report_.caption = Caption;
    report_.fileName = Caption + u' ' + uctovnyRok;
    frame::applyFrame(report_, frame_, columns_, QStringLiteral("Položky účtovného denníka:"),
                      QStringLiteral("qrLblPolozkyUctovnehoDennika"));
    report_.detail.name = QStringLiteral("qrBndPolozky");
    report_.detail.height = frame::rowHeight; // the first line; the second adds its own
    report_.detail.rowCount = rows_.rowCount();
    report_.detail.fill = [this](BandWriter& w, int row) { qrBndPolozkyFill(w, row); };
}

bool TfrmUctovnyDennikSkuska::chyba(int row, int stlpec) const {
    const QString student = rows_.text(row, polia_[sumaColumn + stlpec]);
    const QString vzor = rows_.text(row, vzor_[stlpec]);
    // The amount by the rule of the computed amounts, the accounts exactly as stored.
    return stlpec == 0 ? !skuska::rovnakaSuma(student, vzor) : student != vzor;
}

void TfrmUctovnyDennikSkuska::qrBndPolozkyFill(BandWriter& w, int row) const {
    // Line 1: the sample's row, date, document and description with the student's values.
    // A student's value that differs from the sample stands bold in a red box.
    QStringList values;
    values.reserve(polia_.size());
    for (int field : polia_)
        values << rows_.text(row, field);
    const QFont font = reportFont();
    const double line = lineHeight(font);
    const QList<ReportColumn> fitted = fitColumns(columns_, w.width());
    // The values that agree go in the usual way; the others are written bold below, over
    // their boxes.
    QList<ReportColumn> pevne = fitColumns(skuska_, w.width());
    for (ReportColumn& c : pevne)
        c.stretch = false; // already fitted: a subset must not move them
    QList<ReportColumn> beznne;
    QStringList beznneHodnoty;
    for (qsizetype i = 0; i < pevne.size(); ++i) {
        if (i >= sumaColumn && chyba(row, static_cast<int>(i - sumaColumn))) {
            const ReportColumn& c = fitted[i];
            w.rectangle(QRectF(c.left + 0.3, 0.2, c.width - 0.6, line + 0.8), 0.25, ramChyby,
                        pozadieChyby, QStringLiteral("qrShpChyba") + c.field);
            continue;
        }
        beznne << pevne[i];
        beznneHodnoty << values[i];
    }
    frame::fillColumnValues(w, beznne, beznneHodnoty, popisColumn);
    for (qsizetype i = 0; i < vzor_.size(); ++i) {
        if (!chyba(row, static_cast<int>(i)))
            continue;
        const ReportColumn& c = fitted[sumaColumn + i];
        w.text(QRectF(c.left + frame::cellPadding, 0.6, c.width - 2 * frame::cellPadding, line),
               values[sumaColumn + i],
               TextStyle(reportFont(10, true), c.alignment | Qt::AlignTop, ramChyby),
               QStringLiteral("qrDbTxt") + skuska_[sumaColumn + i].field);
    }

    // Line 2: the sample's values in the same columns, after their caption.
    const double top = w.height() + 0.2;
    const double koniecPopisu = fitted[sumaColumn].left - frame::cellPadding;
    w.text(QRectF(0, top, koniecPopisu, line), QStringLiteral("Správne údaje:"),
           TextStyle(reportFont(10, false, true), Qt::AlignRight | Qt::AlignTop),
           QStringLiteral("qrLblSpravneUdaje"));
    for (qsizetype i = 0; i < vzor_.size(); ++i) {
        const ReportColumn& c = fitted[sumaColumn + i];
        w.text(QRectF(c.left + frame::cellPadding, top, c.width - 2 * frame::cellPadding, line),
               rows_.text(row, vzor_[i]), TextStyle(font, c.alignment | Qt::AlignTop),
               QStringLiteral("qrDbTxt") + c.field);
    }
    w.setHeight(top + line + 0.6);
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void TfrmUctovnyDennikSkuska::showPreview(QPrinter& printer, QWidget* parent) {
    ReportPreview::preview(report_, printer, parent);
}

void TfrmUctovnyDennikSkuska::Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                                     QWidget* parent) {
    TfrmUctovnyDennikSkuska report(store, uctovnyRok);
    report.showPreview(printer, parent);
}

} // namespace saldovia
