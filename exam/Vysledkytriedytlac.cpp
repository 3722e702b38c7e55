#include "Tlacskusky.h"

#include <QFileInfo>

#include <memory>

namespace saldovia {

namespace {

constexpr double velkost = 8.5; // points: twelve columns on one line

const QColor farbaUpozornenia(0xa0, 0x10, 0x10);

struct Riadky {
    QList<trieda::Vysledok> vysledky;
    QString dlzka;
};

// Texts of a cell broken into lines that fit its column.
double bunka(BandWriter& w, const ReportColumn& c, double top, const QString& text,
             const QFont& font, const QColor& farba, const QString& meno) {
    TextStyle s(font, c.alignment | Qt::AlignTop, farba, true);
    return w.text(QRectF(c.left + frame::cellPadding, top, c.width - 2 * frame::cellPadding,
                         lineHeight(font)),
                  text, s, meno);
}

void qrBndNadpisyFill(BandWriter& w, const QList<ReportColumn>& columns) {
    const QFont font = reportFont(velkost, false, true);
    double vyska = lineHeight(font);
    for (const ReportColumn& c : columns)
        vyska = std::max(vyska, wrappedHeight(c.caption, font, c.width - 2 * frame::cellPadding));
    const double height = vyska + 2.0;
    frame::fillColumnHeaderRules(w, height);
    for (const ReportColumn& c : columns)
        bunka(w, c, 1.0, c.caption, font, Qt::black, QStringLiteral("qrLbl") + c.field);
}

void qrBndPolozkyFill(BandWriter& w, const Riadky& r, const QList<ReportColumn>& columns, int row) {
    const trieda::Vysledok& v = r.vysledky[row];
    const QFont plain = reportFont(velkost);
    const QFont bold = reportFont(velkost, true);
    constexpr double top = 0.6;
    double bottom = top + lineHeight(plain);
    for (qsizetype i = 0; i < columns.size(); ++i) {
        const ReportColumn& c = columns[i];
        const int stlpec = static_cast<int>(i);
        const bool oznacene = trieda::oznacene(v, stlpec);
        bottom = std::max(bottom, top + bunka(w, c, top, trieda::text(v, stlpec, r.dlzka),
                                              oznacene ? bold : plain,
                                              oznacene ? farbaUpozornenia : Qt::black,
                                              QStringLiteral("qrDbTxt") + c.field));
    }
    // The marks, or why a file could not be scored, under the row across the page.
    const QString upozornenia = trieda::text(v, trieda::sUpozornenia, r.dlzka);
    if (!upozornenia.isEmpty()) {
        const QFont italic = reportFont(velkost, false, true);
        const double y = bottom + 0.2;
        const double x = columns[trieda::sMeno].left + frame::cellPadding;
        bottom = y + w.text(QRectF(x, y, w.width() - x - frame::cellPadding, lineHeight(italic)),
                            QStringLiteral("» ") + upozornenia,
                            TextStyle(italic, Qt::AlignLeft | Qt::AlignTop, farbaUpozornenia, true),
                            QStringLiteral("qrDbTxtUpozornenia"));
    }
    w.setHeight(std::max(frame::rowHeight, bottom + 0.4));
    frame::fillRowRule(w);
}

} // namespace

QList<ReportColumn> TfrmVysledkyTriedyTlac::columns() {
    // The columns of the class table in their order, trieda::sSubor to trieda::sStav: the
    // field, the width and the alignment (l left, c centred, r right) of each.
    const QStringList polia =
        QStringLiteral("Subor Meno Zaciatok Koniec Trvanie Predkontacie PredkontaciePercento "
                       "Vypocty VypoctyPercento HlavnaKniha HlavnaKnihaPercento Stav")
            .split(u' ');
    const double sirky[] = {33, 38, 27, 27, 14, 18, 18, 16, 13, 16, 18.4, 21};
    const char zarovnanie[] = "llcccrrrrrrl";
    QList<ReportColumn> cols;
    double left = 0;
    for (int i = trieda::sSubor; i <= trieda::sStav; ++i) {
        const Qt::Alignment a = zarovnanie[i] == 'l'   ? Qt::AlignLeft
                                : zarovnanie[i] == 'c' ? Qt::AlignHCenter
                                                       : Qt::AlignRight;
        cols.append({trieda::nazovStlpca(i), polia[i], left, sirky[i], a});
        left += sirky[i];
    }
    return cols;
}

BandedReport TfrmVysledkyTriedyTlac::zostava(const QList<trieda::Vysledok>& vysledky,
                                             const trieda::Vzor& vzor, ReportFrame frame) {
    frame.NazovDokladu = Caption;
    auto r = std::make_shared<Riadky>();
    r->vysledky = vysledky;
    r->dlzka = vzor.dlzka;
    const QList<ReportColumn> cols = columns();
    BandedReport report =
        frame::framedReport(Caption, frame,
                            QStringLiteral("Vzor skúšky: %1, dĺžka %2")
                                .arg(QFileInfo(vzor.cesta).fileName(), vzor.dlzka),
                            QStringLiteral("qrLblVzor"));
    report.fileName = Caption;
    report.pageLayout.setOrientation(QPageLayout::Landscape);
    report.columnHeader.name = QStringLiteral("qrBndNadpisy");
    report.columnHeader.fill = [cols](BandWriter& w) { qrBndNadpisyFill(w, cols); };
    report.detail.name = QStringLiteral("qrBndPolozky");
    report.detail.height = frame::rowHeight;
    report.detail.rowCount = static_cast<int>(r->vysledky.size());
    report.detail.fill = [r, cols](BandWriter& w, int row) { qrBndPolozkyFill(w, *r, cols, row); };
    return report;
}

} // namespace saldovia
