#include "Doklad2tlac.h"

#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "store/Store.h"

#include <algorithm>
#include <memory>

namespace saldovia {

namespace {

const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment rightMiddle = Qt::AlignRight | Qt::AlignVCenter;

constexpr double riadok = 4.6;     // one row of the header blocks
constexpr double padding = 2.5;    // inside the framed boxes
constexpr double frameThick = 0.6; // their frame
constexpr double lavyBox = 100.0;  // width of the left box
constexpr double pravyStlpec = 104.0;
constexpr double logoWidth = 26.0;
constexpr double logoHeight = 20.0;
// The summary's frame starts left of its first column, the rate.
constexpr double sumarLeft = 36.0;

// What the title band prints: the frame and the document's row.
struct Hlavicka {
    ReportFrame frame;
    ResultSet doklad;
    QString dodavatel = QStringLiteral("Dodávateľ:");
    QString odberatel = QStringLiteral("Odberateľ:");

    QString pole(const char* name) const { return ReportFrame::field(doklad, name); }
};

// Captions and bold values one under another, in the header's rows.
double polia(BandWriter& w, double left, double right, double top, const QList<FrameRow>& rows,
             double captionWidth = 0) {
    return frame::fillCaptionRows(w, left, right, top, riadok, rows, captionWidth, 1.5);
}

void qrBndHlavickaFill(BandWriter& w, const Hlavicka& h) {
    const ReportFrame& f = h.frame;
    const double width = w.width();
    const double top = frame::fillTitleLine(w, f) + 3.0;
    const QFont italic = reportFont(10, false, true);

    // The left box: the agenda company as stored with the document, its logo, numbers,
    // contacts and bank.
    const double left = padding;
    const double right = lavyBox - padding;
    double y = top + padding;
    w.text(QRectF(left, y, right - left, riadok), h.dodavatel, TextStyle(italic),
           QStringLiteral("qrLblDodavatel"));
    y += riadok;
    const double logoLeft = right - logoWidth;
    const double logoTop = y;
    y = frame::fillAddress(w, left, logoLeft - 2.0 - left, y, riadok, f.Firma, {});
    w.picture(QRectF(logoLeft, logoTop, logoWidth, logoHeight), f.Logo,
              QStringLiteral("qrImgLogo"));
    y = std::max(y, logoTop + logoHeight) + 1.5;
    // Numbers left, telephones right; the long ones across the box.
    const double middle = 50.0;
    const double leftCaptions = textWidth(QStringLiteral("IČ DPH:"), reportFont()) + 0.5;
    const double rightCaptions = textWidth(QStringLiteral("Telefón:"), reportFont()) + 0.5;
    const IdentitaFirmy& firma = f.Firma;
    const double ly = polia(w, left, middle - 1.0, y,
                            {{QStringLiteral("IČO:"), firma.ICO, QStringLiteral("ICO")},
                             {QStringLiteral("DIČ:"), firma.DIC, QStringLiteral("DIC")},
                             {QStringLiteral("IČ DPH:"), firma.ICDPH, QStringLiteral("ICDPH")}},
                            leftCaptions);
    const double ry = polia(w, middle, right, y,
                            {{QStringLiteral("Telefón:"), firma.Telefon, QStringLiteral("Telefon")},
                             {QStringLiteral("Fax:"), firma.Fax, QStringLiteral("Fax")},
                             {QStringLiteral("Mobil:"), firma.Mobil, QStringLiteral("Mobil")}},
                            rightCaptions);
    y = polia(w, left, right, std::max(ly, ry),
              {{QStringLiteral("E-mail:"), firma.Email, QStringLiteral("Email")},
               {QStringLiteral("Web:"), firma.Web, QStringLiteral("Web")}},
              leftCaptions);
    const double uy =
        polia(w, left, middle - 1.0, y,
              {{QStringLiteral("Účet:"), firma.Ucet, QStringLiteral("Ucet")}}, leftCaptions);
    const double sy =
        polia(w, middle, right, y,
              {{QStringLiteral("SWIFT:"), firma.SWIFT, QStringLiteral("SWIFT")}}, rightCaptions);
    y = polia(w, left, right, std::max(uy, sy),
              {{QStringLiteral("IBAN:"), firma.IBAN, QStringLiteral("IBAN")}}, leftCaptions);
    const double lavyBottom = y + padding;
    w.rectangle(QRectF(0, top, lavyBox, lavyBottom - top), frameThick, reportNavy, {},
                QStringLiteral("qrShpDodavatel"));

    // The right column: dates, the partner's box, the names.
    y = top;
    w.text(QRectF(pravyStlpec, y, width - pravyStlpec, riadok), QStringLiteral("Dátum"),
           TextStyle(italic), QStringLiteral("qrLblDatum"));
    y += riadok;
    y = polia(
        w, pravyStlpec, width, y,
        {{QStringLiteral("vystavenia:"), h.pole("Datum"), QStringLiteral("Datum1")},
         {QStringLiteral("vzniku daňovej povinnosti:"), h.pole("Datum2"), QStringLiteral("Datum2")},
         {QStringLiteral("splatnosti:"), h.pole("Datum3"), QStringLiteral("Datum3")}});
    const double boxTop = y + 2.5;
    const double bLeft = pravyStlpec + padding;
    const double bRight = width - padding;
    y = boxTop + padding;
    w.text(QRectF(bLeft, y, bRight - bLeft, riadok), h.odberatel, TextStyle(italic),
           QStringLiteral("qrLblOdberatel"));
    y += riadok;
    IdentitaFirmy partner;
    partner.NazovFirmy = h.pole("NazovFirmy2");
    partner.SidloUlica = h.pole("SidloUlica2");
    partner.SidloPSC = h.pole("SidloPSC2");
    partner.SidloMesto = h.pole("SidloMesto2");
    partner.SidloStat = h.pole("SidloStat2");
    y = frame::fillAddress(w, bLeft, bRight - bLeft, y, riadok, partner, QStringLiteral("2"));
    y += 1.5;
    // Label names of the partner's numbers end in "2" after "Text": qrLblICOText2.
    const QList<std::pair<QString, QString>> cisla{{QStringLiteral("IČO:"), h.pole("ICO2")},
                                                   {QStringLiteral("DIČ:"), h.pole("DIC2")},
                                                   {QStringLiteral("IČ DPH:"), h.pole("ICDPH2")}};
    const QStringList mena{QStringLiteral("ICO"), QStringLiteral("DIC"), QStringLiteral("ICDPH")};
    for (int i = 0; i < cisla.size(); ++i) {
        w.text(QRectF(bLeft, y, leftCaptions, riadok), cisla[i].first,
               TextStyle(reportFont(), rightMiddle), QStringLiteral("qrLbl") + mena[i] + u'2');
        y += w.text(
            QRectF(bLeft + leftCaptions + 1.5, y, bRight - bLeft - leftCaptions - 1.5, riadok),
            cisla[i].second, TextStyle(reportFont(10, true), leftMiddle, Qt::black, true),
            QStringLiteral("qrLbl") + mena[i] + QStringLiteral("Text2"));
    }
    const double boxBottom = y + padding;
    w.rectangle(QRectF(pravyStlpec, boxTop, width - pravyStlpec, boxBottom - boxTop), frameThick,
                reportNavy, {}, QStringLiteral("qrShpOdberatel"));
    y = polia(w, pravyStlpec, width, boxBottom + 2.5,
              {{QStringLiteral("Vystavil (a):"), h.pole("Vystavil"), QStringLiteral("Vystavil")},
               {QStringLiteral("Schválil (a):"), h.pole("Schvalil"), QStringLiteral("Schvalil")},
               {QStringLiteral("Prijal (a):"), h.pole("Prijal"), QStringLiteral("Prijal")}});

    // Delivery and payment, then the caption of the lines.
    y = std::max(y, lavyBottom) + 3.0;
    const double dy = polia(w, 0, pravyStlpec - 4.0, y,
                            {{QStringLiteral("Spôsob dopravy:"), h.pole("SposobDopravy"),
                              QStringLiteral("SposobDopravy")}});
    const double py = polia(w, pravyStlpec, width, y,
                            {{QStringLiteral("Spôsob platby:"), h.pole("SposobPlatby"),
                              QStringLiteral("SposobPlatby")}});
    y = std::max(dy, py) + 3.0;
    w.text(QRectF(0, y, width, frame::rowHeight + 0.5), QStringLiteral("Položky:"),
           TextStyle(reportFont(10, true, true), leftMiddle), QStringLiteral("qrLblPolozky"));
    w.setHeight(y + frame::rowHeight + 2.5);
}

// The summary's columns: the rate, then under the lines' base, VAT and total (the total kept
// inside the frame).
QList<ReportColumn> stlpceSumaru() {
    return {
        {QStringLiteral("Sadzba DPH"), QStringLiteral("SadzbaDPH"), 56, 28, Qt::AlignHCenter},
        {QStringLiteral("Základ"), QStringLiteral("Zaklad"), 84, 42, Qt::AlignRight},
        {QStringLiteral("DPH"), QStringLiteral("DPH"), 126, 35, Qt::AlignRight},
        {QStringLiteral("Spolu"), QStringLiteral("Spolu"), 161, 195.9 - padding - 161,
         Qt::AlignRight},
    };
}

void qrBndPodpisFill(BandWriter& w, const TfrmDoklad2Tlac::Sumar& sumar) {
    const double row = frame::rowHeight;
    const double top = 3.0;
    const QList<ReportColumn> stlpce = stlpceSumaru();
    // One line of the summary: a text per column in `fonts` (the last font for the rest).
    auto riadokSumaru = [&w, &stlpce](double y, const QStringList& texty, const QList<QFont>& fonts,
                                      const QString& prefix, const QString& suffix) {
        for (qsizetype i = 0; i < stlpce.size(); ++i) {
            const ReportColumn& c = stlpce[i];
            w.text(QRectF(c.left + frame::cellPadding, y, c.width - 2 * frame::cellPadding,
                          frame::rowHeight),
                   texty[i],
                   TextStyle(fonts.value(i, fonts.last()), c.alignment | Qt::AlignVCenter),
                   prefix + c.field + suffix);
        }
    };
    double y = top + 1.5;
    w.text(QRectF(sumarLeft + padding + frame::cellPadding, y,
                  stlpce[0].left - sumarLeft - padding - 2 * frame::cellPadding, row),
           QStringLiteral("Sumár:"), TextStyle(reportFont(10, false, true), leftMiddle),
           QStringLiteral("qrLblSumar"));
    QStringList nadpisy;
    for (const ReportColumn& c : stlpce)
        nadpisy << c.caption;
    riadokSumaru(y, nadpisy, {reportFont(10, true, true)}, QStringLiteral("qrLblSumar"), {});
    y += row + 0.5;
    for (qsizetype i = 0; i < sumar.riadky.size(); ++i) {
        const TfrmDoklad2Tlac::RiadokSumaru& r = sumar.riadky[i];
        // The last row is underlined: the grand total below adds the rows up.
        QFont font = reportFont();
        font.setUnderline(i == sumar.riadky.size() - 1);
        riadokSumaru(y, {r.sadzba, r.zaklad.toText(), r.dph.toText(), r.spolu.toText()},
                     {reportFont(), font}, QStringLiteral("qrLbl"),
                     i == 0 ? QStringLiteral("Nulova") : QStringLiteral("Zakladna"));
        y += row;
    }
    const ReportColumn& spolu = stlpce.last();
    w.text(
        QRectF(spolu.left + frame::cellPadding, y + 0.5, spolu.width - 2 * frame::cellPadding, row),
        sumar.spolu.toText(), TextStyle(reportFont(10, true), rightMiddle),
        QStringLiteral("qrLblSpoluUplne"));
    y += row + 2.0;
    w.rectangle(QRectF(sumarLeft, top, w.width() - sumarLeft, y - top), frameThick, reportNavy, {},
                QStringLiteral("qrShpSumar"));
    frame::fillSignature(w, y);
}

QString sucetDph() {
    return QStringLiteral("CASE WHEN UctovnyDennik_1.Suma IS NULL THEN '0,00' ELSE "
                          "UctovnyDennik_1.Suma END");
}

QString spojenie(const QString& cislo) {
    return QStringLiteral("FROM UctovnyDennik INNER JOIN (DokladyPolozky LEFT JOIN UctovnyDennik "
                          "AS UctovnyDennik_1 ON UctovnyDennik_1.Riadok=DokladyPolozky.RiadokDPH) "
                          "ON UctovnyDennik.Riadok=DokladyPolozky.Riadok WHERE "
                          "DokladyPolozky.Doklad=") +
           sqlText(cislo);
}

} // namespace

QList<ReportColumn> TfrmDoklad2Tlac::columns() {
    // In millimetres from the left margin of a Letter page. Under the base and the VAT stand
    // their postings: row number, debit and credit account. Each amount column holds twelve
    // integer digits in full size; larger amounts are set smaller. The first line's captions
    // are bold.
    const auto stlpec = [](const char* caption, const char* field, double left, double right,
                           Qt::Alignment alignment, int line, bool bold = false) {
        return tableColumn(caption, field, left, right, alignment, line, bold, line == 0);
    };
    const Qt::Alignment vpravo = Qt::AlignRight, stred = Qt::AlignHCenter;
    QList<ReportColumn> c{
        stlpec("Číslo", "Cislo", 0, 12, stred, 0, true),
        stlpec("Popis", "Popis", 12, 84, Qt::AlignLeft, 0, true),
        stlpec("Základ", "Zaklad", 84, 126, vpravo, 0),
        stlpec("DPH", "DPH", 126, 161, vpravo, 0),
        stlpec("Spolu", "Spolu", 161, 195.9, vpravo, 0, true),
        stlpec("Zaúčtovanie:", "Zauctovanie", 12, 84, vpravo, 1),
        stlpec("Riadok ", "Riadok", 84, 96, stred, 1),
        stlpec("Má dať", "MaDat", 96, 111, stred, 1),
        stlpec("Dal", "Dal", 111, 126, stred, 1),
        stlpec("R.", "RiadokDPH", 126, 135, stred, 1),
        stlpec("Má dať", "MaDatDPH", 135, 148, stred, 1),
        stlpec("Dal", "DalDPH", 148, 161, stred, 1),
    };
    c[1].wrap = true;        // the description breaks into lines
    c[5].captionOnly = true; // over the postings
    return c;
}

TfrmDoklad2Tlac::Sumar TfrmDoklad2Tlac::sumar(Store& store, const QString& cislo) {
    return sumardph::ulozeneho(store, cislo);
}

BandedReport TfrmDoklad2Tlac::zostava(Store& store, const QString& cislo) {
    auto h = std::make_shared<Hlavicka>();
    store.SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
    h->doklad = store.ADOQuery.rows();
    const QString kod = ReportFrame::field(h->doklad, "Druh");
    if (const DruhDokladu* d = druhDokladu(kod); d && d->prijaty) {
        // The agenda company buys: it stands in the left box as the customer.
        h->dodavatel = QStringLiteral("Odberateľ");
        h->odberatel = QStringLiteral("Dodávateľ");
    }
    h->frame =
        ReportFrame::fromDocument(h->doklad, store, upravy::textyDruhu(store, kod).doklad, cislo);
    auto s = std::make_shared<const Sumar>(sumar(store, cislo));

    store.SQL(
        // Named columns: SQLite names a column of a nested join by its whole expression.
        QStringLiteral("SELECT DokladyPolozky.Cislo AS Cislo, DokladyPolozky.Popis AS Popis, "
                       "UctovnyDennik.Suma AS Zaklad, (%1) AS DPH, DokladyPolozky.Cena AS "
                       "Spolu, DokladyPolozky.Riadok AS Riadok, UctovnyDennik.MaDat AS MaDat, "
                       "UctovnyDennik.Dal AS Dal, DokladyPolozky.RiadokDPH AS RiadokDPH, "
                       "UctovnyDennik_1.MaDat AS MaDatDPH, UctovnyDennik_1.Dal AS DalDPH %2 "
                       "ORDER BY Cislo;")
            .arg(sucetDph(), spojenie(cislo)));
    BandedReport report = frame::framedReport(Caption, h->frame);
    report.title.fill = [h](BandWriter& w) { qrBndHlavickaFill(w, *h); };
    report.summary.fill = [s](BandWriter& w) { qrBndPodpisFill(w, *s); };
    frame::applyTable(report, ReportTable(columns(), store.ADOQuery.rows()));
    return report;
}

} // namespace saldovia
