#include "Doklad2tlac.h"

#include "reports/ReportPreview.h"
#include "store/Store.h"
#include "ui/Dialogs.h"

#include <algorithm>

namespace saldovia {

namespace {

const Qt::Alignment leftMiddle = Qt::AlignLeft | Qt::AlignVCenter;
const Qt::Alignment rightMiddle = Qt::AlignRight | Qt::AlignVCenter;
const Qt::Alignment centreMiddle = Qt::AlignHCenter | Qt::AlignVCenter;

constexpr double riadok = 4.6;     // one row of the header blocks
constexpr double padding = 2.5;    // inside the framed boxes
constexpr double frameThick = 0.6; // their frame
constexpr double lavyBox = 100.0;  // width of the left box
constexpr double pravyStlpec = 104.0;
constexpr double logoWidth = 26.0;
constexpr double logoHeight = 20.0;

// The columns of the lines, in millimetres from the left margin of a Letter page. Under the
// base and the VAT stand their postings: row number, debit and credit account. Each amount
// column holds twelve integer digits in full size; larger amounts are set smaller.
struct Stlpec {
    double left;
    double right;
};
constexpr Stlpec sCislo{0, 12};
constexpr Stlpec sPopis{12, 84};
constexpr Stlpec sZaklad{84, 126};
constexpr Stlpec sDph{126, 161};
constexpr Stlpec sSpolu{161, 195.9};
constexpr Stlpec sRiadok{84, 96};
constexpr Stlpec sMaDat{96, 111};
constexpr Stlpec sDal{111, 126};
constexpr Stlpec sRiadokDph{126, 135};
constexpr Stlpec sMaDatDph{135, 148};
constexpr Stlpec sDalDph{148, 161};
// The summary's first column, left of the amounts.
constexpr double sumarLeft = 36.0;
constexpr Stlpec sSadzba{56, 84};

QRectF cell(const Stlpec& s, double y, double height) {
    return {s.left + frame::cellPadding, y, s.right - s.left - 2 * frame::cellPadding, height};
}

// Captions right-aligned in a column as wide as the widest of them, bold values beside;
// returns the bottom. Each row: caption, value, base of the label names.
double captionRows(BandWriter& w, double left, double right, double top,
                   const QList<FrameRow>& rows, double captionWidth = 0) {
    const QFont plain = reportFont();
    const QFont bold = reportFont(10, true);
    for (const FrameRow& r : rows)
        captionWidth = std::max(captionWidth, textWidth(r.caption, plain) + 0.5);
    const double valueLeft = left + captionWidth + 1.5;
    double y = top;
    for (const FrameRow& r : rows) {
        w.text(QRectF(left, y, captionWidth, riadok), r.caption, TextStyle(plain, rightMiddle),
               QStringLiteral("qrLbl") + r.name);
        y += w.text(QRectF(valueLeft, y, right - valueLeft, riadok), r.value,
                    TextStyle(bold, leftMiddle, Qt::black, true),
                    QStringLiteral("qrLbl") + r.name + QStringLiteral("Text"));
    }
    return y;
}

// Name (bold), street, postcode and town on one row, country, each wrapped; returns the
// bottom.
double address(BandWriter& w, double left, double width, double top, const QString& suffix,
               const QString& nazov, const QString& ulica, const QString& psc, const QString& mesto,
               const QString& stat) {
    const QFont plain = reportFont();
    double y = top;
    y += w.text(QRectF(left, y, width, riadok), nazov,
                TextStyle(reportFont(10, true), leftMiddle, Qt::black, true),
                QStringLiteral("qrLblNazovFirmy") + suffix);
    // Street, town and country wrap like the name: an address line is never cut.
    const TextStyle wrapped(plain, leftMiddle, Qt::black, true);
    y += w.text(QRectF(left, y, width, riadok), ulica, wrapped,
                QStringLiteral("qrLblSidloUlica") + suffix);
    const double pscWidth = psc.isEmpty() ? 0.0 : std::min(width, textWidth(psc, plain));
    w.text(QRectF(left, y, pscWidth, riadok), psc, TextStyle(plain),
           QStringLiteral("qrLblSidloPSC") + suffix);
    const double town = left + pscWidth + (pscWidth > 0 ? 2.0 : 0.0);
    y += w.text(QRectF(town, y, left + width - town, riadok), mesto, wrapped,
                QStringLiteral("qrLblSidloMesto") + suffix);
    return y + w.text(QRectF(left, y, width, riadok), stat, wrapped,
                      QStringLiteral("qrLblSidloStat") + suffix);
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

Amount suma(const QString& text) {
    return Amount::parse(text).value_or(Amount());
}

} // namespace

TfrmDoklad2Tlac::TfrmDoklad2Tlac(Store& store, const QString& cislo, LogoLoader nacitatLogo) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& c) { return NacitatLogo(store, c); };

    store.SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
    doklad_ = store.ADOQuery.rows();

    const DataSet& druh = store.qryAgendaPrisposobenie;
    const QString kod = druh.text(QStringLiteral("Kod"));
    if (kod == QLatin1String("FP") || kod == QLatin1String("PV")) {
        // The agenda company buys: it stands in the left box as the customer.
        dodavatel_ = QStringLiteral("Odberateľ");
        odberatel_ = QStringLiteral("Dodávateľ");
    }
    frame_ = ReportFrame::fromDocument(doklad_, store.tblAgendaNastavenie,
                                       druh.text(QStringLiteral("Doklad")), cislo, nacitatLogo);

    // The VAT summary, one row per rate of the lines. A document may carry lines at more than
    // one non-zero rate (the agenda's rate changed, or the lines were entered so): each rate
    // gets a row of its own, labelled with its own rate, and the grand total adds them all.
    store.SQL(QStringLiteral("SELECT DokladyPolozky.SadzbaDPH, SUCET(UctovnyDennik.Suma) AS "
                             "SumOfZaklad, SUCET(%1) AS SumOfDPH, SUCET(DokladyPolozky.Cena) AS "
                             "SumOfSpolu %2 GROUP BY SadzbaDPH;")
                  .arg(sucetDph(), spojenie(cislo)));
    const ResultSet sadzby = store.ADOQuery.rows();
    RiadokSumaru nulova{QStringLiteral("0%"), {}, {}, {}};
    QList<std::pair<int, RiadokSumaru>> ostatne;
    for (int r = 0; r < sadzby.rowCount(); ++r) {
        const QString sadzba = sadzby.text(r, 0);
        bool cele = false;
        const int percent = sadzba.trimmed().toInt(&cele);
        RiadokSumaru riadok{sadzba + u'%', suma(sadzby.text(r, 1)), suma(sadzby.text(r, 2)),
                            suma(sadzby.text(r, 3))};
        if (cele && percent == 0) {
            nulova.zaklad += riadok.zaklad;
            nulova.dph += riadok.dph;
            nulova.spolu += riadok.spolu;
        } else {
            ostatne.append({cele ? percent : 1000, riadok});
        }
    }
    std::stable_sort(ostatne.begin(), ostatne.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    sumar_ << nulova;
    for (const auto& r : ostatne)
        sumar_ << r.second;
    if (ostatne.isEmpty())
        sumar_ << RiadokSumaru{
            store.tblAgendaNastavenie.text(QStringLiteral("SadzbaDPH")) + u'%', {}, {}, {}};
    for (const RiadokSumaru& r : sumar_)
        spoluUplne_ += r.spolu;

    store.SQL(
        // Named columns: SQLite names a column of a nested join by its whole expression.
        QStringLiteral("SELECT DokladyPolozky.Cislo AS Cislo, DokladyPolozky.Popis AS Popis, "
                       "UctovnyDennik.Suma AS Zaklad, (%1) AS DPH, DokladyPolozky.Cena AS "
                       "Spolu, DokladyPolozky.Riadok AS Riadok, UctovnyDennik.MaDat AS MaDat, "
                       "UctovnyDennik.Dal AS Dal, DokladyPolozky.RiadokDPH AS RiadokDPH, "
                       "UctovnyDennik_1.MaDat AS MaDatDPH, UctovnyDennik_1.Dal AS DalDPH %2 "
                       "ORDER BY Cislo;")
            .arg(sucetDph(), spojenie(cislo)));
    rows_ = store.ADOQuery.rows();
    for (const char* f : {"Cislo", "Popis", "Zaklad", "DPH", "Spolu", "Riadok", "MaDat", "Dal",
                          "RiadokDPH", "MaDatDPH", "DalDPH"})
        fields_.insert(QLatin1String(f), rows_.requireColumn(QLatin1String(f)));

    report_.caption = Caption;
    report_.fileName = frame_.NazovDokladu + u' ' + cislo;
    frame::applyFrame(report_, frame_, {});
    report_.title.fill = [this](BandWriter& w) { qrBndHlavickaFill(w); };
    report_.columnHeader.fill = [this](BandWriter& w) { qrBndNadpisyFill(w); };
    report_.summary.fill = [this](BandWriter& w) { qrBndPodpisFill(w); };
    report_.detail.name = QStringLiteral("qrBndPolozky");
    report_.detail.height = 2 * frame::rowHeight;
    report_.detail.rowCount = rows_.rowCount();
    report_.detail.fill = [this](BandWriter& w, int row) { qrBndPolozkyFill(w, row); };
}

QString TfrmDoklad2Tlac::pole(const char* name) const {
    return ReportFrame::field(doklad_, name);
}

void TfrmDoklad2Tlac::qrBndHlavickaFill(BandWriter& w) const {
    const double width = w.width();
    const double top = frame::fillTitleLine(w, frame_) + 3.0;
    const QFont italic = reportFont(10, false, true);

    // The left box: the agenda company as stored with the document, its logo, numbers,
    // contacts and bank.
    const double left = padding;
    const double right = lavyBox - padding;
    double y = top + padding;
    w.text(QRectF(left, y, right - left, riadok), dodavatel_, TextStyle(italic),
           QStringLiteral("qrLblDodavatel"));
    y += riadok;
    const double logoLeft = right - logoWidth;
    const double logoTop = y;
    y = address(w, left, logoLeft - 2.0 - left, y, {}, frame_.NazovFirmy, frame_.SidloUlica,
                frame_.SidloPSC, frame_.SidloMesto, frame_.SidloStat);
    w.picture(QRectF(logoLeft, logoTop, logoWidth, logoHeight), frame_.Logo,
              QStringLiteral("qrImgLogo"));
    y = std::max(y, logoTop + logoHeight) + 1.5;
    // Numbers left, telephones right; the long ones across the box.
    const double middle = 50.0;
    const double leftCaptions = textWidth(QStringLiteral("IČ DPH:"), reportFont()) + 0.5;
    const double rightCaptions = textWidth(QStringLiteral("Telefón:"), reportFont()) + 0.5;
    const double ly =
        captionRows(w, left, middle - 1.0, y,
                    {{QStringLiteral("IČO:"), frame_.ICO, QStringLiteral("ICO")},
                     {QStringLiteral("DIČ:"), frame_.DIC, QStringLiteral("DIC")},
                     {QStringLiteral("IČ DPH:"), frame_.ICDPH, QStringLiteral("ICDPH")}},
                    leftCaptions);
    const double ry =
        captionRows(w, middle, right, y,
                    {{QStringLiteral("Telefón:"), pole("Telefon"), QStringLiteral("Telefon")},
                     {QStringLiteral("Fax:"), pole("Fax"), QStringLiteral("Fax")},
                     {QStringLiteral("Mobil:"), pole("Mobil"), QStringLiteral("Mobil")}},
                    rightCaptions);
    y = captionRows(w, left, right, std::max(ly, ry),
                    {{QStringLiteral("E-mail:"), pole("Email"), QStringLiteral("Email")},
                     {QStringLiteral("Web:"), pole("Web"), QStringLiteral("Web")}},
                    leftCaptions);
    const double uy = captionRows(w, left, middle - 1.0, y,
                                  {{QStringLiteral("Účet:"), pole("Ucet"), QStringLiteral("Ucet")}},
                                  leftCaptions);
    const double sy = captionRows(
        w, middle, right, y, {{QStringLiteral("SWIFT:"), pole("SWIFT"), QStringLiteral("SWIFT")}},
        rightCaptions);
    y = captionRows(w, left, right, std::max(uy, sy),
                    {{QStringLiteral("IBAN:"), pole("IBAN"), QStringLiteral("IBAN")}},
                    leftCaptions);
    const double lavyBottom = y + padding;
    w.rectangle(QRectF(0, top, lavyBox, lavyBottom - top), frameThick, reportNavy, {},
                QStringLiteral("qrShpDodavatel"));

    // The right column: dates, the partner's box, the names.
    y = top;
    w.text(QRectF(pravyStlpec, y, width - pravyStlpec, riadok), QStringLiteral("Dátum"),
           TextStyle(italic), QStringLiteral("qrLblDatum"));
    y += riadok;
    y = captionRows(
        w, pravyStlpec, width, y,
        {{QStringLiteral("vystavenia:"), pole("Datum"), QStringLiteral("Datum1")},
         {QStringLiteral("vzniku daňovej povinnosti:"), pole("Datum2"), QStringLiteral("Datum2")},
         {QStringLiteral("splatnosti:"), pole("Datum3"), QStringLiteral("Datum3")}});
    const double boxTop = y + 2.5;
    const double bLeft = pravyStlpec + padding;
    const double bRight = width - padding;
    y = boxTop + padding;
    w.text(QRectF(bLeft, y, bRight - bLeft, riadok), odberatel_, TextStyle(italic),
           QStringLiteral("qrLblOdberatel"));
    y += riadok;
    y = address(w, bLeft, bRight - bLeft, y, QStringLiteral("2"), pole("NazovFirmy2"),
                pole("SidloUlica2"), pole("SidloPSC2"), pole("SidloMesto2"), pole("SidloStat2"));
    y += 1.5;
    // Label names of the partner's numbers end in "2" after "Text": qrLblICOText2.
    const QList<std::pair<QString, QString>> cisla{{QStringLiteral("IČO:"), pole("ICO2")},
                                                   {QStringLiteral("DIČ:"), pole("DIC2")},
                                                   {QStringLiteral("IČ DPH:"), pole("ICDPH2")}};
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
    y = captionRows(
        w, pravyStlpec, width, boxBottom + 2.5,
        {{QStringLiteral("Vystavil (a):"), pole("Vystavil"), QStringLiteral("Vystavil")},
         {QStringLiteral("Schválil (a):"), pole("Schvalil"), QStringLiteral("Schvalil")},
         {QStringLiteral("Prijal (a):"), pole("Prijal"), QStringLiteral("Prijal")}});

    // Delivery and payment, then the caption of the lines.
    y = std::max(y, lavyBottom) + 3.0;
    const double dy = captionRows(w, 0, pravyStlpec - 4.0, y,
                                  {{QStringLiteral("Spôsob dopravy:"), pole("SposobDopravy"),
                                    QStringLiteral("SposobDopravy")}});
    const double py = captionRows(
        w, pravyStlpec, width, y,
        {{QStringLiteral("Spôsob platby:"), pole("SposobPlatby"), QStringLiteral("SposobPlatby")}});
    y = std::max(dy, py) + 3.0;
    w.text(QRectF(0, y, width, frame::rowHeight + 0.5), QStringLiteral("Položky:"),
           TextStyle(reportFont(10, true, true), leftMiddle), QStringLiteral("qrLblPolozky"));
    w.setHeight(y + frame::rowHeight + 2.5);
}

void TfrmDoklad2Tlac::qrBndNadpisyFill(BandWriter& w) const {
    const double row = frame::rowHeight;
    frame::fillColumnHeaderRules(w, 2 * row + 2.0);
    const TextStyle boldItalic(reportFont(10, true, true), leftMiddle);
    const TextStyle italic(reportFont(10, false, true), leftMiddle);
    auto caption = [&w](const Stlpec& s, double y, const QString& text, TextStyle style,
                        Qt::Alignment a, const QString& name) {
        style.alignment = a | Qt::AlignVCenter;
        w.text(cell(s, y, frame::rowHeight), text, style, QStringLiteral("qrLbl") + name);
    };
    const double y1 = 1.0;
    caption(sCislo, y1, QStringLiteral("Číslo"), boldItalic, Qt::AlignHCenter,
            QStringLiteral("Cislo"));
    caption(sPopis, y1, QStringLiteral("Popis"), boldItalic, Qt::AlignLeft,
            QStringLiteral("Popis"));
    caption(sZaklad, y1, QStringLiteral("Základ"), boldItalic, Qt::AlignRight,
            QStringLiteral("Zaklad"));
    caption(sDph, y1, QStringLiteral("DPH"), boldItalic, Qt::AlignRight, QStringLiteral("DPH"));
    caption(sSpolu, y1, QStringLiteral("Spolu"), boldItalic, Qt::AlignRight,
            QStringLiteral("Spolu"));
    const double y2 = y1 + row;
    caption(sPopis, y2, QStringLiteral("Zaúčtovanie:"), italic, Qt::AlignRight,
            QStringLiteral("Zauctovanie"));
    caption(sRiadok, y2, QStringLiteral("Riadok "), italic, Qt::AlignHCenter,
            QStringLiteral("Riadok"));
    caption(sMaDat, y2, QStringLiteral("Má dať"), italic, Qt::AlignHCenter,
            QStringLiteral("MaDat"));
    caption(sDal, y2, QStringLiteral("Dal"), italic, Qt::AlignHCenter, QStringLiteral("Dal"));
    caption(sRiadokDph, y2, QStringLiteral("R."), italic, Qt::AlignHCenter,
            QStringLiteral("RiadokDPH"));
    caption(sMaDatDph, y2, QStringLiteral("Má dať"), italic, Qt::AlignHCenter,
            QStringLiteral("MaDatDPH"));
    caption(sDalDph, y2, QStringLiteral("Dal"), italic, Qt::AlignHCenter, QStringLiteral("DalDPH"));
}

void TfrmDoklad2Tlac::qrBndPolozkyFill(BandWriter& w, int row) const {
    const QFont plain = reportFont();
    const QFont bold = reportFont(10, true);
    const double line = lineHeight(plain);
    auto value = [&](const Stlpec& s, double y, const char* field, const QFont& font,
                     Qt::Alignment a, bool wrap = false) {
        return w.text(cell(s, y, line), rows_.text(row, fields_.value(QLatin1String(field))),
                      TextStyle(font, a | Qt::AlignTop, Qt::black, wrap),
                      QStringLiteral("qrDbTxt") + QLatin1String(field));
    };
    const double y1 = 0.6;
    value(sCislo, y1, "Cislo", bold, Qt::AlignHCenter);
    const double popis = value(sPopis, y1, "Popis", bold, Qt::AlignLeft, true);
    value(sZaklad, y1, "Zaklad", plain, Qt::AlignRight);
    value(sDph, y1, "DPH", plain, Qt::AlignRight);
    value(sSpolu, y1, "Spolu", bold, Qt::AlignRight);
    // The postings under the amounts, below the description's last line.
    const double y2 = y1 + std::max(line, popis);
    value(sRiadok, y2, "Riadok", plain, Qt::AlignHCenter);
    value(sMaDat, y2, "MaDat", plain, Qt::AlignHCenter);
    value(sDal, y2, "Dal", plain, Qt::AlignHCenter);
    value(sRiadokDph, y2, "RiadokDPH", plain, Qt::AlignHCenter);
    value(sMaDatDph, y2, "MaDatDPH", plain, Qt::AlignHCenter);
    value(sDalDph, y2, "DalDPH", plain, Qt::AlignHCenter);
    w.setHeight(y2 + line + 0.6);
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, QColor(0xc4, 0xc8, 0xd0),
           QStringLiteral("qrShpPolozka"));
}

void TfrmDoklad2Tlac::qrBndPodpisFill(BandWriter& w) const {
    const double row = frame::rowHeight;
    const double top = 3.0;
    const Stlpec spolu{sSpolu.left, sSpolu.right - padding};
    double y = top + 1.5;
    const TextStyle boldItalic(reportFont(10, true, true));
    auto text = [&w](const Stlpec& s, double y, const QString& t, TextStyle style, Qt::Alignment a,
                     const QString& name) {
        style.alignment = a | Qt::AlignVCenter;
        w.text(cell(s, y, frame::rowHeight), t, style, name);
    };
    text({sumarLeft + padding, sSadzba.left}, y, QStringLiteral("Sumár:"),
         TextStyle(reportFont(10, false, true)), Qt::AlignLeft, QStringLiteral("qrLblSumar"));
    text(sSadzba, y, QStringLiteral("Sadzba DPH"), boldItalic, Qt::AlignHCenter,
         QStringLiteral("qrLblSumarSadzbaDPH"));
    text(sZaklad, y, QStringLiteral("Základ"), boldItalic, Qt::AlignRight,
         QStringLiteral("qrLblSumarZaklad"));
    text(sDph, y, QStringLiteral("DPH"), boldItalic, Qt::AlignRight,
         QStringLiteral("qrLblSumarDPH"));
    text(spolu, y, QStringLiteral("Spolu"), boldItalic, Qt::AlignRight,
         QStringLiteral("qrLblSumarSpolu"));
    y += row + 0.5;
    for (qsizetype i = 0; i < sumar_.size(); ++i) {
        const RiadokSumaru& r = sumar_[i];
        const QString meno = i == 0 ? QStringLiteral("Nulova") : QStringLiteral("Zakladna");
        // The last row is underlined: the grand total below adds the rows up.
        QFont font = reportFont();
        font.setUnderline(i == sumar_.size() - 1);
        text(sSadzba, y, r.sadzba, TextStyle(reportFont()), Qt::AlignHCenter,
             QStringLiteral("qrLblSadzbaDPH") + meno);
        text(sZaklad, y, r.zaklad.toText(), TextStyle(font), Qt::AlignRight,
             QStringLiteral("qrLblZaklad") + meno);
        text(sDph, y, r.dph.toText(), TextStyle(font), Qt::AlignRight,
             QStringLiteral("qrLblDPH") + meno);
        text(spolu, y, r.spolu.toText(), TextStyle(font), Qt::AlignRight,
             QStringLiteral("qrLblSpolu") + meno);
        y += row;
    }
    text(spolu, y + 0.5, spoluUplne_.toText(), TextStyle(reportFont(10, true)), Qt::AlignRight,
         QStringLiteral("qrLblSpoluUplne"));
    y += row + 2.0;
    w.rectangle(QRectF(sumarLeft, top, w.width() - sumarLeft, y - top), frameThick, reportNavy, {},
                QStringLiteral("qrShpSumar"));
    frame::fillSignature(w, y);
}

void TfrmDoklad2Tlac::showPreview(QPrinter& printer, QWidget* parent) {
    ReportPreview::preview(report_, printer, parent);
}

void TfrmDoklad2Tlac::Tlacit(Store& store, QPrinter& printer, const QString& cislo,
                             QWidget* parent) {
    TfrmDoklad2Tlac tlac(store, cislo);
    if (tlac.lineCount() == 0) {
        showError(parent, Caption, ZiadnePolozky);
        return;
    }
    tlac.showPreview(printer, parent);
}

} // namespace saldovia
