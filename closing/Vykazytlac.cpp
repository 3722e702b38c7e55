#include "Vykazytlac.h"

#include "store/Values.h"

#include <memory>

namespace saldovia {

namespace {

using vykazy::Polozka;
using vykazy::Strana;

const QColor farbaRozdielu(0xa0, 0x10, 0x10);

struct Riadky {
    QList<QStringList> hodnoty;
    QList<bool> tucne;
};

QString nadpisStrany(Strana s) {
    switch (s) {
    case Strana::Aktiva:
        return QStringLiteral("AKTÍVA");
    case Strana::Pasiva:
        return QStringLiteral("PASÍVA");
    case Strana::Vynosy:
        return QStringLiteral("VÝNOSY");
    case Strana::Naklady:
        break;
    }
    return QStringLiteral("NÁKLADY");
}

// The checks and the differences under the last line, then the signature.
void qrBndKontrolaFill(BandWriter& w, const vykazy::Vykazy& v) {
    const QFont bold = reportFont(10, true);
    const QFont plain = reportFont();
    double y = 3.0;
    auto riadok = [&](const QString& text, const QFont& font, const QColor& farba,
                      const QString& meno) {
        y += w.text(QRectF(0, y, w.width(), lineHeight(font)), text,
                    TextStyle(font, Qt::AlignLeft | Qt::AlignTop, farba, true), meno) +
             0.8;
    };
    riadok(QStringLiteral("Kontrola: ") + vykazy::kontrolaSuvahy(v), bold,
           v.suvahaSedi() ? Qt::black : farbaRozdielu, QStringLiteral("qrLblKontrolaSuvahy"));
    riadok(QStringLiteral("Kontrola: ") + vykazy::kontrolaVysledku(v), bold,
           v.vysledokSedi() ? Qt::black : farbaRozdielu, QStringLiteral("qrLblKontrolaVysledku"));
    for (const QString& r : v.rozdiely)
        riadok(QStringLiteral("» ") + r, plain, farbaRozdielu, QStringLiteral("qrLblRozdiel"));
    frame::fillSignature(w, y);
}

BandedReport zostavaVykazu(const QString& caption, const vykazy::Vykazy& v, ReportFrame frame,
                           const QList<ReportColumn>& cols, const QList<Polozka>& polozky,
                           bool suvaha) {
    frame.NazovDokladu = caption;
    frame.CisloDokladu = dateToText(v.datum);
    auto r = std::make_shared<Riadky>();
    Strana strana = polozky.isEmpty() ? Strana::Aktiva : polozky.front().riadok.strana;
    bool prvy = true;
    for (const Polozka& l : polozky) {
        if (prvy || (l.riadok.strana != strana && l.riadok.uroven == 0 &&
                     l.riadok.kod != QLatin1String("VH"))) {
            strana = l.riadok.strana;
            QStringList nadpis{QString(), nadpisStrany(strana)};
            if (suvaha)
                nadpis << QString() << QString();
            nadpis << QString();
            r->hodnoty << nadpis;
            r->tucne << true;
        }
        prvy = false;
        const QString odsadenie = l.riadok.uroven == 2 ? QStringLiteral("   ") : QString();
        QStringList h{l.riadok.oznacenie, odsadenie + l.riadok.nazov};
        if (suvaha) {
            const bool aktiva = l.riadok.strana == Strana::Aktiva;
            h << (aktiva ? vykazy::text(l.brutto) : QString())
              << (aktiva ? vykazy::text(l.korekcia) : QString());
        }
        h << vykazy::text(l.suma);
        r->hodnoty << h;
        r->tucne << (l.riadok.uroven < 2);
    }
    BandedReport report =
        frame::framedReport(caption, frame,
                            QStringLiteral("Zostavené ku dňu %1 z účtovného denníka (bez "
                                           "závierkových zápisov na účtoch 702 a 710)")
                                .arg(dateToText(v.datum)),
                            QStringLiteral("qrLblKuDnu"));
    report.columnHeader.name = QStringLiteral("qrBndNadpisy");
    report.columnHeader.fill = [cols](BandWriter& w) { frame::fillColumnHeader(w, cols); };
    report.detail.name = QStringLiteral("qrBndPolozky");
    report.detail.height = frame::rowHeight;
    report.detail.rowCount = static_cast<int>(r->hodnoty.size());
    report.detail.fill = [r, cols](BandWriter& w, int row) {
        frame::fillColumnValues(w, cols, r->hodnoty[row], reportFont(10, r->tucne[row]));
        frame::fillRowRule(w);
    };
    report.summary.name = QStringLiteral("qrBndKontrola");
    report.summary.fill = [v](BandWriter& w) { qrBndKontrolaFill(w, v); };
    return report;
}

} // namespace

QList<ReportColumn> TfrmSuvahaTlac::columns() {
    // In millimetres from the left margin of a Letter page; the amounts hold twelve integer
    // digits in full size, the item's name wraps.
    const Qt::Alignment vlavo = Qt::AlignLeft, vpravo = Qt::AlignRight;
    QList<ReportColumn> c{
        tableColumn("Ozn.", "Oznacenie", 0, 16, vlavo, 0, false, false),
        tableColumn("Položka", "Polozka", 16, 108, vlavo, 0, false, false),
        tableColumn("Brutto", "Brutto", 108, 137, vpravo, 0, false, false),
        tableColumn("Korekcia", "Korekcia", 137, 166, vpravo, 0, false, false),
        tableColumn("Netto", "Netto", 166, 195.9, vpravo, 0, false, false),
    };
    c[1].wrap = true;
    c[1].stretch = true;
    return c;
}

QList<ReportColumn> TfrmVykazZiskovAStratTlac::columns() {
    const Qt::Alignment vlavo = Qt::AlignLeft, vpravo = Qt::AlignRight;
    QList<ReportColumn> c{
        tableColumn("Ozn.", "Oznacenie", 0, 16, vlavo, 0, false, false),
        tableColumn("Položka", "Polozka", 16, 160, vlavo, 0, false, false),
        tableColumn("Suma", "Suma", 160, 195.9, vpravo, 0, false, false),
    };
    c[1].wrap = true;
    c[1].stretch = true;
    return c;
}

BandedReport TfrmSuvahaTlac::zostava(const vykazy::Vykazy& v, ReportFrame frame) {
    return zostavaVykazu(Caption, v, std::move(frame), columns(), v.suvaha, true);
}

BandedReport TfrmVykazZiskovAStratTlac::zostava(const vykazy::Vykazy& v, ReportFrame frame) {
    return zostavaVykazu(Caption, v, std::move(frame), columns(), v.vzas, false);
}

} // namespace saldovia
