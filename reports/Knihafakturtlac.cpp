#include "Knihafakturtlac.h"

#include "reports/ReportPreview.h"
#include "store/Store.h"

namespace saldovia {

namespace {

// The columns of the book, in millimetres from the left margin of a Letter page. The second
// row puts the partner's IČO under the date, its name under the description and the total
// under the VAT. The amount columns hold twelve integer digits in full size (larger amounts
// are set smaller) and keep a clear gap between base and VAT.
struct Stlpec {
    double left;
    double right;
};
constexpr Stlpec sDoklad{0, 22};
constexpr Stlpec sDatum{22, 50};
constexpr Stlpec sPopis{52, 128};
constexpr Stlpec sZaklad{128, 161};
constexpr Stlpec sDph{163, 195.9};

QRectF cell(const Stlpec& s, double y, double height) {
    return {s.left + frame::cellPadding, y, s.right - s.left - 2 * frame::cellPadding, height};
}

} // namespace

const QString TfrmKnihaFakturTlac::Dotaz = QStringLiteral(
    "SELECT Doklady.Cislo, Doklady.Datum, Doklady.Popis, Doklady.NazovFirmy2, Doklady.ICO2, "
    "Doklady.Zaklad, Doklady.DPH, Doklady.Spolu FROM Doklady WHERE Doklady.Druh='FV' OR "
    "Doklady.Druh='FP' ORDER BY Doklady.Cislo;");

TfrmKnihaFakturTlac::TfrmKnihaFakturTlac(Store& store, const QString& uctovnyRok,
                                         LogoLoader nacitatLogo) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& c) { return NacitatLogo(store, c); };

    DataSet& qry = store.qryDoklady;
    qry.close();
    qry.setSQL(Dotaz);
    qry.open();
    rows_ = qry.rows();
    cislo_ = rows_.requireColumn(QStringLiteral("Cislo"));
    datum_ = rows_.requireColumn(QStringLiteral("Datum"));
    popis_ = rows_.requireColumn(QStringLiteral("Popis"));
    nazovFirmy2_ = rows_.requireColumn(QStringLiteral("NazovFirmy2"));
    ico2_ = rows_.requireColumn(QStringLiteral("ICO2"));
    zaklad_ = rows_.requireColumn(QStringLiteral("Zaklad"));
    dph_ = rows_.requireColumn(QStringLiteral("DPH"));
    spolu_ = rows_.requireColumn(QStringLiteral("Spolu"));

    frame_ = ReportFrame::fromSettings(store.tblAgendaNastavenie, Nazov, uctovnyRok, nacitatLogo);
    report_.caption = Caption;
    report_.fileName = Nazov + u' ' + uctovnyRok;
    frame::applyFrame(report_, frame_, {});
    report_.columnHeader.fill = [this](BandWriter& w) { qrBndNadpisyFill(w); };
    report_.detail.name = QStringLiteral("qrBndPolozky");
    report_.detail.height = 2 * frame::rowHeight;
    report_.detail.rowCount = rows_.rowCount();
    report_.detail.fill = [this](BandWriter& w, int row) { qrBndPolozkyFill(w, row); };
}

void TfrmKnihaFakturTlac::qrBndNadpisyFill(BandWriter& w) const {
    const double row = frame::rowHeight;
    frame::fillColumnHeaderRules(w, 2 * row + 2.0);
    const QFont boldItalic = reportFont(10, true, true);
    const QFont italic = reportFont(10, false, true);
    auto caption = [&w](const Stlpec& s, double y, const QString& text, const QFont& font,
                        Qt::Alignment a, const QString& name) {
        w.text(cell(s, y, frame::rowHeight), text, TextStyle(font, a | Qt::AlignVCenter),
               QStringLiteral("qrLbl") + name);
    };
    const double y1 = 1.0;
    caption(sDoklad, y1, QStringLiteral("Doklad"), boldItalic, Qt::AlignHCenter,
            QStringLiteral("Cislo"));
    caption(sDatum, y1, QStringLiteral("Dátum"), boldItalic, Qt::AlignRight,
            QStringLiteral("Datum"));
    caption(sPopis, y1, QStringLiteral("Popis"), boldItalic, Qt::AlignLeft,
            QStringLiteral("Popis"));
    caption(sZaklad, y1, QStringLiteral("Základ"), italic, Qt::AlignRight,
            QStringLiteral("Zaklad"));
    caption(sDph, y1, QStringLiteral("DPH"), italic, Qt::AlignRight, QStringLiteral("DPH"));
    const double y2 = y1 + row;
    caption(sDatum, y2, QStringLiteral("IČO  a"), italic, Qt::AlignRight, QStringLiteral("ICO2"));
    caption(sPopis, y2, QStringLiteral("Názov firmy dodávateľa / odberateľa"), italic,
            Qt::AlignLeft, QStringLiteral("NazovFirmy2"));
    caption(sDph, y2, QStringLiteral("Spolu"), boldItalic, Qt::AlignRight, QStringLiteral("Spolu"));
}

void TfrmKnihaFakturTlac::qrBndPolozkyFill(BandWriter& w, int row) const {
    const QFont plain = reportFont();
    const QFont bold = reportFont(10, true);
    const double line = lineHeight(plain);
    auto value = [&](const Stlpec& s, double y, int field, const QFont& font, Qt::Alignment a,
                     const QString& name, bool wrap = false) {
        return w.text(cell(s, y, line), rows_.text(row, field),
                      TextStyle(font, a | Qt::AlignTop, Qt::black, wrap),
                      QStringLiteral("qrDbTxt") + name);
    };
    const double y1 = 0.6;
    value(sDoklad, y1, cislo_, bold, Qt::AlignHCenter, QStringLiteral("Cislo"));
    value(sDatum, y1, datum_, bold, Qt::AlignRight, QStringLiteral("Datum"));
    const double popis =
        value(sPopis, y1, popis_, bold, Qt::AlignLeft, QStringLiteral("Popis"), true);
    value(sZaklad, y1, zaklad_, plain, Qt::AlignRight, QStringLiteral("Zaklad"));
    value(sDph, y1, dph_, plain, Qt::AlignRight, QStringLiteral("DPH"));
    const double y2 = y1 + std::max(line, popis);
    value(sDatum, y2, ico2_, plain, Qt::AlignRight, QStringLiteral("ICO2"));
    const double nazov =
        value(sPopis, y2, nazovFirmy2_, plain, Qt::AlignLeft, QStringLiteral("NazovFirmy2"), true);
    value(sDph, y2, spolu_, bold, Qt::AlignRight, QStringLiteral("Spolu"));
    w.setHeight(y2 + std::max(line, nazov) + 0.6);
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void TfrmKnihaFakturTlac::showPreview(QPrinter& printer, QWidget* parent) {
    ReportPreview::preview(report_, printer, parent);
}

void TfrmKnihaFakturTlac::Tlacit(Store& store, QPrinter& printer, const QString& uctovnyRok,
                                 QWidget* parent) {
    TfrmKnihaFakturTlac kniha(store, uctovnyRok);
    kniha.showPreview(printer, parent);
}

} // namespace saldovia
