#include "GuiTest.h"
#include "TestOkna.h"
#include "TestTlac.h"

#include "app/Hlavny.h"
#include "exam/Tlacskusky.h"
#include "ledger/Hlavnakniha.h"
#include "ledger/Obraty.h"
#include "reports/Doklad2tlac.h"
#include "reports/Dokladtlac.h"
#include "reports/Knihafakturtlac.h"
#include "reports/ReportPreview.h"
#include "reports/Uctovnydenniktlac.h"
#include "settings/Logo.h"
#include "store/Values.h"

#include <QAction>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>

using namespace saldovia;

namespace {

QString text(const ReportPage& page, const QString& name) {
    const ReportItem* item = page.find(name);
    return item ? item->text : QStringLiteral("<chýba %1>").arg(name);
}

QImage obrazok(const QColor& farba) {
    QImage img(52, 40, QImage::Format_RGB32);
    img.fill(farba);
    return img;
}

int pdfStrany(const QString& path) {
    return static_cast<int>(QString::fromLatin1(readFileBytes(path))
                                .count(QRegularExpression(QStringLiteral("/Type\\s*/Page\\b"))));
}

// Closes every modal dialog that opens while it lives and notes its name; stops with the
// test that made it, so it never reaches into a later one.
class Zatvarac {
public:
    explicit Zatvarac(std::function<void(QDialog*)> pred = {}) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [this, pred] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                okna << d->objectName();
                if (pred)
                    pred(d);
                d->reject();
            }
        });
        timer_.start();
    }
    QStringList okna;

private:
    QTimer timer_;
};

// The box the text really covers inside its item's box, by the item's alignment.
QRectF atrament(const ReportItem& item) {
    double w = 0;
    for (const QString& line : item.text.split(u'\n'))
        w = std::max(w, textWidth(line, item.font));
    const Qt::Alignment a = item.alignment & Qt::AlignHorizontal_Mask;
    const double left = a & Qt::AlignRight     ? item.rect.right() - w
                        : a & Qt::AlignHCenter ? item.rect.center().x() - w / 2
                                               : item.rect.left();
    return {left, item.rect.top(), w, item.rect.height()};
}

// Every amount on the pages is whole: it fits its box (so nothing of it is clipped), lies
// between the margins and keeps at least 1.5 mm from every other text of its line. Returns
// the amounts in page order.
QStringList celeSumy(const QList<ReportPage>& pages) {
    static const QRegularExpression suma(QStringLiteral("^-?\\d+,\\d\\d$"));
    QStringList sumy;
    for (const ReportPage& p : pages) {
        for (const ReportItem& a : p.items) {
            if (a.kind != ReportItem::Kind::Text || !suma.match(a.text).hasMatch())
                continue;
            sumy << a.text;
            const QString kde =
                QStringLiteral("%1 %2 (strana %3)").arg(a.name, a.text, QString::number(p.number));
            const QRectF r = atrament(a);
            if (r.width() > a.rect.width() + 1e-9)
                qWarning("%s: %.2f mm v stĺpci %.2f mm", qPrintable(kde), r.width(),
                         a.rect.width());
            [&] { QVERIFY2(r.width() <= a.rect.width() + 1e-9, qPrintable(kde)); }();
            [&] {
                QVERIFY2(r.left() >= 10 - 1e-9 && r.right() <= p.size.width() - 10 + 1e-9,
                         qPrintable(kde));
            }();
            for (const ReportItem& b : p.items) {
                if (&b == &a || b.kind != ReportItem::Kind::Text || b.text.isEmpty())
                    continue;
                const QRectF o = atrament(b);
                const bool riadok =
                    std::min(r.bottom(), o.bottom()) - std::max(r.top(), o.top()) > 0.05;
                const bool blizko =
                    o.right() > r.left() - 1.5 + 1e-9 && o.left() < r.right() + 1.5 - 1e-9;
                [&] {
                    QVERIFY2(!riadok || !blizko, qPrintable(kde + QStringLiteral(" sa stretá s ") +
                                                            b.name + QStringLiteral(" ") + b.text));
                }();
            }
        }
    }
    return sumy;
}
} // namespace

class TestDokladyTlac : public TestHlavnehoOkna {
    Q_OBJECT

    Store& store() { return h->store(); }
    void sql(const QString& statement) { store().connection().exec(statement); }
    void nastavit(const QString& field, const QString& value) {
        store().tblAgendaNastavenie.edit();
        store().tblAgendaNastavenie.setText(field, value);
        store().tblAgendaNastavenie.post();
    }
    // A document row with the identity snapshot "Alfa" and the given logo number.
    void doklad(const QString& kod, const QString& cislo, int logo,
                const QString& popis = QStringLiteral("Nákup materiálu")) {
        store().connection().execBound(
            QStringLiteral(
                "INSERT INTO Doklady (Druh, Cislo, Datum, Popis, NazovFirmy, SidloUlica, SidloPSC, "
                "SidloMesto, SidloStat, ICO, DIC, ICDPH, Vystavil, Schvalil, Prijal, Telefon, Fax, "
                "Mobil, Email, Web, Ucet, IBAN, SWIFT, NazovFirmy2, SidloUlica2, SidloPSC2, "
                "SidloMesto2, SidloStat2, ICO2, DIC2, ICDPH2, Datum2, Datum3, SposobPlatby, "
                "SposobDopravy, Zaklad, DPH, Spolu, Logo) VALUES (?, ?, '12.03.2006', ?, "
                "'Alfa O''Neil, s.r.o.', 'Hlavná 1', '81101', 'Bratislava', 'Slovensko', "
                "'12345678', '2020123456', 'SK2020123456', 'Ján Novák', 'Eva Malá', 'Peter Kráľ', "
                "'02/1234567', '02/7654321', '0905123456', 'alfa@alfa.sk', 'www.alfa.sk', "
                "'1234567890/0200', 'SK3102000000001234567890', 'SUBASKBX', 'Beta a.s.', "
                "'Dlhá 5', '04001', 'Košice', 'Slovensko', '87654321', '2020654321', "
                "'SK2020654321', '13.03.2006', '27.03.2006', 'prevodom', 'kuriérom', '0,00', "
                "'0,00', '0,00', ?);"),
            {kod, cislo, popis, logo});
    }
    void riadok(int r, const QString& cislo, const QString& suma, const QString& popis,
                const QString& maDat, const QString& dal) {
        store().connection().execBound(
            QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '12.03.2006', ?, ?, 'SKK', "
                           "'1,000', ?, ?, ?, ?);"),
            {r, cislo, suma, suma, popis, maDat, dal});
    }
    // A line of an invoice: its base posting r, its VAT posting r + 1 when the rate is not
    // zero, and its price including VAT.
    void polozka(const QString& cislo, int c, int r, const QString& sadzba, const QString& zaklad,
                 const QString& dph, const QString& popis) {
        const Amount spolu = *Amount::parse(zaklad) + *Amount::parse(dph);
        riadok(r, cislo, zaklad, popis, QStringLiteral("311  "), QStringLiteral("604  "));
        QVariant riadokDph;
        if (sadzba != QLatin1String("0")) {
            riadok(r + 1, cislo, dph, popis, QStringLiteral("311  "), QStringLiteral("343  "));
            riadokDph = r + 1;
        }
        store().connection().execBound(
            QStringLiteral("INSERT INTO DokladyPolozky VALUES (?, ?, ?, ?, ?, ?, ?);"),
            {c, cislo, r, riadokDph, sadzba, popis, spolu.toText()});
    }
    // The settings after the documents were written: another company and logo.
    void zmenitNastavenia() {
        nastavit(QStringLiteral("NazovFirmy"), QStringLiteral("Gama, k.s."));
        nastavit(QStringLiteral("ICO"), QStringLiteral("99999999"));
        nastavit(QStringLiteral("Telefon"), QStringLiteral("000"));
        nastavit(QStringLiteral("Logo"), QStringLiteral("2"));
    }

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SadzbaDPH = "
                                   "'19', MenoUzivatela = 'Ján Študent', NazovFirmy = 'Alfa "
                                   "O''Neil, s.r.o.', ICO = '12345678', Logo = '1';"),
                    QStringLiteral("01.01.2007"));
        UlozitLogo(store(), 1, obrazok(Qt::red));
        UlozitLogo(store(), 2, obrazok(Qt::blue));
    }

private slots:

    // --- the simple document ---

    void simpleDocumentPrintsItsSnapshotAndLines() {
        doklad(QStringLiteral("ID"), QStringLiteral("ID0601"), 1, QStringLiteral("Oprava O'Hara"));
        riadok(7, QStringLiteral("ID0601"), QStringLiteral("10,05"), QStringLiteral("Kľúč O'Brien"),
               QStringLiteral("501  "), QStringLiteral("211  "));
        riadok(3, QStringLiteral("ID0601"), QStringLiteral("1250,50"), QStringLiteral("Materiál"),
               QStringLiteral("112"), QStringLiteral("321  "));
        riadok(5, QStringLiteral("ID0602"), QStringLiteral("1,00"), QStringLiteral("iný doklad"),
               QStringLiteral("501  "), QStringLiteral("211  "));
        riadok(6, QString(), QStringLiteral("2,00"), QStringLiteral("voľný riadok"),
               QStringLiteral("501  "), QStringLiteral("211  "));
        zmenitNastavenia();
        sql(QStringLiteral(
            "UPDATE AgendaPrisposobenie SET Doklad = 'Doklad d''Arc' WHERE Kod = 'ID';"));

        BandedReport tlac = TfrmDokladTlac::zostava(store(), QStringLiteral("ID0601"));
        const QList<ReportPage> pages = tlac.layout();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages[0];
        QCOMPARE(text(p, QStringLiteral("qrLblLicenciaPopis")), LicenciaPopis);
        QCOMPARE(text(p, QStringLiteral("qrLblNazovDokladu")), QStringLiteral("Doklad d'Arc"));
        QCOMPARE(text(p, QStringLiteral("qrLblCisloDokladu")), QStringLiteral("ID0601"));
        // the identity and logo stored with the document, not the settings of today
        QCOMPARE(text(p, QStringLiteral("qrLblNazovFirmy")), QStringLiteral("Alfa O'Neil, s.r.o."));
        QCOMPARE(text(p, QStringLiteral("qrLblICOText")), QStringLiteral("12345678"));
        QCOMPARE(text(p, QStringLiteral("qrLblICDPHText")), QStringLiteral("SK2020123456"));
        QCOMPARE(text(p, QStringLiteral("qrLblSidloPSC")) + u' ' +
                     text(p, QStringLiteral("qrLblSidloMesto")),
                 QStringLiteral("81101 Bratislava"));
        QCOMPARE(p.find(QStringLiteral("qrImgLogo"))->image.pixelColor(0, 0), QColor(Qt::red));
        // issuer, date and description in the left block, in this order under IČ DPH
        const QStringList captions{text(p, QStringLiteral("qrLblICDPH")),
                                   text(p, QStringLiteral("qrLblVystavil")),
                                   text(p, QStringLiteral("qrLblDatumDokladu")),
                                   text(p, QStringLiteral("qrLblPopisDokladu"))};
        QCOMPARE(captions, (QStringList{"IČ DPH:", "Vystavil (a):", "Dátum:", "Popis:"}));
        QCOMPARE(text(p, QStringLiteral("qrLblVystavilText")), QStringLiteral("Ján Novák"));
        QCOMPARE(text(p, QStringLiteral("qrLblDatumDokladuText")), QStringLiteral("12.03.2006"));
        QCOMPARE(text(p, QStringLiteral("qrLblPopisDokladuText")), QStringLiteral("Oprava O'Hara"));
        const double vystavil = p.find(QStringLiteral("qrLblVystavil"))->rect.top();
        QVERIFY(p.find(QStringLiteral("qrLblICDPH"))->rect.top() < vystavil);
        QVERIFY(vystavil < p.find(QStringLiteral("qrLblPopisDokladu"))->rect.top());
        // no caption is clipped: each fits its box
        for (const QString& name :
             {QStringLiteral("qrLblVystavil"), QStringLiteral("qrLblICDPH")}) {
            const ReportItem* c = p.find(name);
            QVERIFY(textWidth(c->text, c->font) <= c->rect.width());
        }
        const ReportItem* polozky = p.find(QStringLiteral("qrLblPolozkyUctovnehoDennika"));
        QCOMPARE(polozky->text, QStringLiteral("Položky účtovného denníka:"));
        QCOMPARE(polozky->alignment & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);

        // its own lines only, in row order, as stored
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtRiadok")), (QStringList{"3", "7"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSuma")), (QStringList{"1250,50", "10,05"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtPopis"))[1], QStringLiteral("Kľúč O'Brien"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtMaDat")), (QStringList{"112", "501  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDal")), (QStringList{"321  ", "211  "}));
        QStringList hlavicky;
        for (const ReportColumn& c : TfrmDokladTlac::columns())
            hlavicky << text(p, QStringLiteral("qrLbl") + c.field);
        QCOMPARE(hlavicky, (QStringList{"Riadok", "Dátum", "Popis", "Suma", "Má dať", "Dal"}));
        QCOMPARE(text(p, QStringLiteral("qrLblMenoDatum")),
                 QStringLiteral("Ján Študent, ") + dateToText(QDate::currentDate()));
        QCOMPARE(text(p, QStringLiteral("qrLblPodpis")), QStringLiteral("Pečiatka a podpis"));

        // a document written without a logo prints none, whatever the settings hold
        doklad(QStringLiteral("ID"), QStringLiteral("ID0602"), 0);
        QVERIFY(!TfrmDokladTlac::zostava(store(), QStringLiteral("ID0602"))
                     .layout()[0]
                     .find(QStringLiteral("qrImgLogo")));
    }

    void documentWithoutLinesIsNotPrinted() {
        doklad(QStringLiteral("SP"), QStringLiteral("SP0601"), 1);
        QPrinter printer;
        Zatvarac zatvarac; // would close a preview
        for (const QString& cislo : {QStringLiteral("SP0601"), QStringLiteral("SP0699")}) {
            TfrmDokladTlac::Tlacit(store(), printer, cislo);
            QCOMPARE(dialogs->last().caption, QStringLiteral("Tlač dokladu"));
            QCOMPARE(dialogs->last().text, QStringLiteral("Doklad nemá žiadne položky!"));
            QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
            QCOMPARE(dialogs->last().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        }
        // a number that does not exist gives empty header values
        // (in the title band: without lines the report has no page)
        const BandedReport chyba = TfrmDokladTlac::zostava(store(), QStringLiteral("SP0699"));
        BandWriter hlavicka(195.9, 1, 0);
        chyba.title.fill(hlavicka);
        ReportPage titul;
        titul.items = hlavicka.items();
        QCOMPARE(text(titul, QStringLiteral("qrLblNazovFirmy")), QString());
        QVERIFY(!titul.find(QStringLiteral("qrImgLogo")));
        QCOMPARE(dialogs->messages.size(), 2);
        QVERIFY(zatvarac.okna.isEmpty());
    }

    void longDocumentKeepsCaptionsAndFootersOnEveryPage() {
        doklad(QStringLiteral("BV"), QStringLiteral("BV0601"), 0);
        for (int i = 1; i <= 90; ++i)
            riadok(i, QStringLiteral("BV0601"), QStringLiteral("%1,00").arg(i),
                   QStringLiteral("Platba faktúry č. %1 odberateľa podľa výpisu z účtu").arg(i),
                   QStringLiteral("221  "), QStringLiteral("311  "));
        BandedReport tlac = TfrmDokladTlac::zostava(store(), QStringLiteral("BV0601"));
        const QList<ReportPage> pages = tlac.layout();
        QVERIFY(pages.size() >= 3);
        for (const ReportPage& p : pages) {
            QCOMPARE(text(p, QStringLiteral("qrLblRiadok")), QStringLiteral("Riadok"));
            QCOMPARE(text(p, QStringLiteral("qrLblMaDat")), QStringLiteral("Má dať"));
        }
        overitRamecRiadkov(pages, 90);
        QCOMPARE(text(pages[0], QStringLiteral("qrLblNazovDokladu")),
                 QStringLiteral("Výpis z bankového účtu"));

        const QString path = agenda->file(QStringLiteral("vypis.pdf"));
        QVERIFY(writePdf(path, pages, tlac.caption));
        QCOMPARE(pdfStrany(path), pages.size());
    }

    // --- the invoice and cash document ---

    void issuedInvoiceSumsItsLinesPerRate() {
        doklad(QStringLiteral("FV"), QStringLiteral("FV0601"), 1);
        polozka(QStringLiteral("FV0601"), 2, 12, QStringLiteral("0"), QStringLiteral("50,00"),
                QStringLiteral("0,00"), QStringLiteral("Doprava"));
        polozka(QStringLiteral("FV0601"), 1, 10, QStringLiteral("19"), QStringLiteral("10,05"),
                QStringLiteral("1,91"), QStringLiteral("Tovar O'Brien"));
        polozka(QStringLiteral("FV0601"), 3, 13, QStringLiteral("19"), QStringLiteral("100,00"),
                QStringLiteral("19,00"), QStringLiteral("Služby"));
        polozka(QStringLiteral("FV0602"), 1, 20, QStringLiteral("19"), QStringLiteral("5,00"),
                QStringLiteral("0,95"), QStringLiteral("iná faktúra"));
        zmenitNastavenia();

        BandedReport tlac = TfrmDoklad2Tlac::zostava(store(), QStringLiteral("FV0601"));
        const QList<ReportPage> pages = tlac.layout();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages[0];
        QCOMPARE(text(p, QStringLiteral("qrLblNazovDokladu")), QStringLiteral("Vystavená faktúra"));
        QCOMPARE(text(p, QStringLiteral("qrLblCisloDokladu")), QStringLiteral("FV0601"));
        QCOMPARE(text(p, QStringLiteral("qrLblDodavatel")), QStringLiteral("Dodávateľ:"));
        QCOMPARE(text(p, QStringLiteral("qrLblOdberatel")), QStringLiteral("Odberateľ:"));
        // both parties, contacts, dates and names as stored with the invoice
        const QList<std::pair<const char*, const char*>> polia{
            {"qrLblNazovFirmy", "Alfa O'Neil, s.r.o."},
            {"qrLblICOText", "12345678"},
            {"qrLblTelefonText", "02/1234567"},
            {"qrLblMobilText", "0905123456"},
            {"qrLblEmailText", "alfa@alfa.sk"},
            {"qrLblUcetText", "1234567890/0200"},
            {"qrLblIBANText", "SK3102000000001234567890"},
            {"qrLblSWIFTText", "SUBASKBX"},
            {"qrLblNazovFirmy2", "Beta a.s."},
            {"qrLblSidloMesto2", "Košice"},
            {"qrLblICOText2", "87654321"},
            {"qrLblICDPHText2", "SK2020654321"},
            {"qrLblDatum1Text", "12.03.2006"},
            {"qrLblDatum2Text", "13.03.2006"},
            {"qrLblDatum3Text", "27.03.2006"},
            {"qrLblVystavilText", "Ján Novák"},
            {"qrLblSchvalilText", "Eva Malá"},
            {"qrLblPrijalText", "Peter Kráľ"},
            {"qrLblSposobPlatbyText", "prevodom"},
            {"qrLblSposobDopravyText", "kuriérom"},
            {"qrLblDatum2", "vzniku daňovej povinnosti:"},
            {"qrLblPolozky", "Položky:"},
        };
        for (const auto& [meno, hodnota] : polia)
            QCOMPARE(text(p, QLatin1String(meno)), QString::fromUtf8(hodnota));
        QCOMPARE(p.find(QStringLiteral("qrImgLogo"))->image.pixelColor(0, 0), QColor(Qt::red));
        // the logo stands in the left box
        QVERIFY(p.find(QStringLiteral("qrShpDodavatel"))
                    ->rect.contains(p.find(QStringLiteral("qrImgLogo"))->rect));

        // the lines in number order; a line at 0 % has no VAT posting
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtCislo")), (QStringList{"1", "2", "3"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtPopis"))[0], QStringLiteral("Tovar O'Brien"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtZaklad")),
                 (QStringList{"10,05", "50,00", "100,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDPH")),
                 (QStringList{"1,91", "0,00", "19,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSpolu")),
                 (QStringList{"11,96", "50,00", "119,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtRiadok")), (QStringList{"10", "12", "13"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtRiadokDPH")), (QStringList{"11", "", "14"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtMaDatDPH")),
                 (QStringList{"311  ", "", "311  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDalDPH")),
                 (QStringList{"343  ", "", "343  "}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDal")),
                 (QStringList{"604  ", "604  ", "604  "}));
        // the postings stand under the amounts, one row below
        const ReportItem* zaklad = p.find(QStringLiteral("qrDbTxtZaklad"));
        const ReportItem* riadok = p.find(QStringLiteral("qrDbTxtRiadok"));
        QVERIFY(riadok->rect.top() >= zaklad->rect.bottom() - 1e-9);
        QVERIFY(riadok->rect.left() >= zaklad->rect.left() - 1e-9);

        // the summary: 0 % alone, 19 % exact, the grand total
        QCOMPARE(text(p, QStringLiteral("qrLblSadzbaDPHNulova")), QStringLiteral("0%"));
        QCOMPARE(text(p, QStringLiteral("qrLblZakladNulova")), QStringLiteral("50,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblDPHNulova")), QStringLiteral("0,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluNulova")), QStringLiteral("50,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblSadzbaDPHZakladna")), QStringLiteral("19%"));
        QCOMPARE(text(p, QStringLiteral("qrLblZakladZakladna")), QStringLiteral("110,05"));
        QCOMPARE(text(p, QStringLiteral("qrLblDPHZakladna")), QStringLiteral("20,91"));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluZakladna")), QStringLiteral("130,96"));
        QVERIFY(p.find(QStringLiteral("qrLblSpoluZakladna"))->font.underline());
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluUplne")), QStringLiteral("180,96"));
        QVERIFY(p.find(QStringLiteral("qrLblSpoluUplne"))->font.bold());
        QCOMPARE(text(p, QStringLiteral("qrLblSumar")), QStringLiteral("Sumár:"));
        QVERIFY(p.find(QStringLiteral("qrShpSumar"))->rect.bottom() <
                p.find(QStringLiteral("qrShpPodpis"))->rect.top());

        const QString path = agenda->file(QStringLiteral("faktura.pdf"));
        QVERIFY(writePdf(path, pages, tlac.caption));
        QCOMPARE(pdfStrany(path), 1);
    }

    void receivedInvoiceAndOddRates() {
        // a received invoice: the agenda company is the customer; all lines at 0 %
        doklad(QStringLiteral("FP"), QStringLiteral("FP0601"), 0);
        polozka(QStringLiteral("FP0601"), 1, 1, QStringLiteral("0"), QStringLiteral("30,00"),
                QStringLiteral("0,00"), QStringLiteral("Kniha"));
        BandedReport fp = TfrmDoklad2Tlac::zostava(store(), QStringLiteral("FP0601"));
        ReportPage p = fp.layout()[0];
        QCOMPARE(text(p, QStringLiteral("qrLblNazovDokladu")), QStringLiteral("Prijatá faktúra"));
        QCOMPARE(text(p, QStringLiteral("qrLblDodavatel")), QStringLiteral("Odberateľ"));
        QCOMPARE(text(p, QStringLiteral("qrLblOdberatel")), QStringLiteral("Dodávateľ"));
        QVERIFY(!p.find(QStringLiteral("qrImgLogo")));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluNulova")), QStringLiteral("30,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblSadzbaDPHZakladna")), QStringLiteral("19%"));
        QCOMPARE(text(p, QStringLiteral("qrLblZakladZakladna")), QStringLiteral("0,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluZakladna")), QStringLiteral("0,00"));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluUplne")), QStringLiteral("30,00"));

        // a cash payment with lines at two non-zero rates, written before the agenda's rate
        // became 20: each rate keeps its own row and label, the total adds them all
        doklad(QStringLiteral("PV"), QStringLiteral("PV0601"), 2);
        polozka(QStringLiteral("PV0601"), 1, 5, QStringLiteral("19"), QStringLiteral("100,00"),
                QStringLiteral("19,00"), QStringLiteral("Papier"));
        polozka(QStringLiteral("PV0601"), 2, 7, QStringLiteral("10"), QStringLiteral("10,00"),
                QStringLiteral("1,00"), QStringLiteral("Lieky"));
        nastavit(QStringLiteral("SadzbaDPH"), QStringLiteral("20"));
        BandedReport pv = TfrmDoklad2Tlac::zostava(store(), QStringLiteral("PV0601"));
        p = pv.layout()[0];
        QCOMPARE(text(p, QStringLiteral("qrLblDodavatel")), QStringLiteral("Odberateľ"));
        QCOMPARE(p.find(QStringLiteral("qrImgLogo"))->image.pixelColor(0, 0), QColor(Qt::blue));
        QCOMPARE(stlpec({p}, QStringLiteral("qrLblSadzbaDPHZakladna")),
                 (QStringList{"10%", "19%"}));
        QCOMPARE(stlpec({p}, QStringLiteral("qrLblDPHZakladna")), (QStringList{"1,00", "19,00"}));
        QCOMPARE(stlpec({p}, QStringLiteral("qrLblSpoluZakladna")),
                 (QStringList{"11,00", "119,00"}));
        QCOMPARE(text(p, QStringLiteral("qrLblSpoluUplne")), QStringLiteral("130,00"));
        QCOMPARE(TfrmDoklad2Tlac::sumar(store(), QStringLiteral("PV0601")).spolu,
                 *Amount::parse(QStringLiteral("130,00")));
    }

    void invoiceLinesNeedTheirBasePosting() {
        doklad(QStringLiteral("PP"), QStringLiteral("PP0601"), 0);
        polozka(QStringLiteral("PP0601"), 1, 1, QStringLiteral("19"), QStringLiteral("20,00"),
                QStringLiteral("3,80"), QStringLiteral("Tržba"));
        polozka(QStringLiteral("PP0601"), 2, 3, QStringLiteral("19"), QStringLiteral("40,00"),
                QStringLiteral("7,60"), QStringLiteral("Tržba 2"));
        sql(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 3;"));
        BandedReport pp = TfrmDoklad2Tlac::zostava(store(), QStringLiteral("PP0601"));
        QCOMPARE(stlpec(pp.layout(), QStringLiteral("qrDbTxtCislo")), QStringList{"1"});
        QCOMPARE(TfrmDoklad2Tlac::sumar(store(), QStringLiteral("PP0601")).riadky.last().spolu,
                 *Amount::parse(QStringLiteral("23,80")));

        // no line left with its base posting: the message instead of the preview
        sql(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = 1;"));
        Zatvarac zatvarac;
        QPrinter printer;
        TfrmDoklad2Tlac::Tlacit(store(), printer, QStringLiteral("PP0601"));
        QCOMPARE(dialogs->last().caption, QStringLiteral("Tlač dokladu"));
        QCOMPARE(dialogs->last().text, QStringLiteral("Doklad nemá žiadne položky!"));
        QCOMPARE(dialogs->last().icon, DialogService::Icon::Critical);
        QVERIFY(zatvarac.okna.isEmpty());
    }

    // --- the invoice book ---

    void invoiceBookListsIssuedAndReceivedInvoices() {
        doklad(QStringLiteral("FV"), QStringLiteral("FV0602"), 1, QStringLiteral("Tovar"));
        doklad(QStringLiteral("FV"), QStringLiteral("FV0601"), 1, QStringLiteral("Služby O'Brien"));
        doklad(QStringLiteral("FP"), QStringLiteral("FP0601"), 1, QStringLiteral("Nákup"));
        doklad(QStringLiteral("PP"), QStringLiteral("PP0601"), 1, QStringLiteral("Hotovosť"));
        doklad(QStringLiteral("ID"), QStringLiteral("ID0601"), 1, QStringLiteral("Interný"));
        sql(QStringLiteral("UPDATE Doklady SET Zaklad = '110,05', DPH = '20,91', Spolu = '130,96', "
                           "NazovFirmy2 = 'Delta O''Reilly' WHERE Cislo = 'FV0601';"));
        zmenitNastavenia(); // the book shows today's settings: Gama with logo 2
        h->relacia().uctovnyRok = QStringLiteral("2007");

        BandedReport kniha = TfrmKnihaFakturTlac::zostava(store(), h->uctovnyRok());
        QCOMPARE(store().qryDoklady.sql(), TfrmKnihaFakturTlac::Dotaz);
        const QList<ReportPage> pages = kniha.layout();
        QCOMPARE(pages.size(), 1);
        const ReportPage& p = pages[0];
        QCOMPARE(text(p, QStringLiteral("qrLblNazovDokladu")), QStringLiteral("Kniha faktúr"));
        QCOMPARE(text(p, QStringLiteral("qrLblCisloDokladu")), QStringLiteral("2007"));
        QCOMPARE(text(p, QStringLiteral("qrLblNazovFirmy")), QStringLiteral("Gama, k.s."));
        QCOMPARE(text(p, QStringLiteral("qrLblICOText")), QStringLiteral("99999999"));
        QCOMPARE(p.find(QStringLiteral("qrImgLogo"))->image.pixelColor(0, 0), QColor(Qt::blue));

        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtCislo")),
                 (QStringList{"FP0601", "FV0601", "FV0602"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtPopis"))[1],
                 QStringLiteral("Služby O'Brien"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtNazovFirmy2"))[1],
                 QStringLiteral("Delta O'Reilly"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtICO2"))[0], QStringLiteral("87654321"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDatum"))[0], QStringLiteral("12.03.2006"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtZaklad")),
                 (QStringList{"0,00", "110,05", "0,00"}));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtDPH"))[1], QStringLiteral("20,91"));
        QCOMPARE(stlpec(pages, QStringLiteral("qrDbTxtSpolu")),
                 (QStringList{"0,00", "130,96", "0,00"}));
        // the second row: IČO under the date, the name under the description, the total
        // under the VAT
        const ReportItem* datum = p.find(QStringLiteral("qrDbTxtDatum"));
        const ReportItem* ico = p.find(QStringLiteral("qrDbTxtICO2"));
        QCOMPARE(ico->rect.right(), datum->rect.right());
        QVERIFY(ico->rect.top() >= datum->rect.bottom() - 1e-9);
        QCOMPARE(p.find(QStringLiteral("qrDbTxtSpolu"))->rect.right(),
                 p.find(QStringLiteral("qrDbTxtDPH"))->rect.right());

        const QStringList hlavicky{
            text(p, QStringLiteral("qrLblCislo")),       text(p, QStringLiteral("qrLblDatum")),
            text(p, QStringLiteral("qrLblPopis")),       text(p, QStringLiteral("qrLblZaklad")),
            text(p, QStringLiteral("qrLblDPH")),         text(p, QStringLiteral("qrLblICO2")),
            text(p, QStringLiteral("qrLblNazovFirmy2")), text(p, QStringLiteral("qrLblSpolu"))};
        QCOMPARE(hlavicky, (QStringList{"Doklad", "Dátum", "Popis", "Základ", "DPH", "IČO  a",
                                        "Názov firmy dodávateľa / odberateľa", "Spolu"}));
        // the book prints no totals: the summary is the signature alone
        QCOMPARE(text(p, QStringLiteral("qrLblPodpis")), QStringLiteral("Pečiatka a podpis"));
        QCOMPARE(p.findAll(QStringLiteral("qrDbTxtSpolu")).size(), 3);

        const QString path = agenda->file(QStringLiteral("kniha.pdf"));
        QVERIFY(writePdf(path, pages, kniha.caption));
        QCOMPARE(pdfStrany(path), 1);
    }

    // --- large amounts and long addresses in every printout ---

    void largestAmountsPrintWholeInEveryPrintout() {
        // The largest amount the agenda holds, and an invoice line whose total still fits.
        const Amount najvacsia = Amount::fromUnits(std::numeric_limits<std::int64_t>::max());
        const Amount zaklad =
            Amount::fromUnits(std::numeric_limits<std::int64_t>::max() / 119 * 100);
        const Amount dph = percentOf(zaklad, 19);
        const Amount spolu = zaklad + dph;
        const QString m = najvacsia.toText(), z = zaklad.toText(), d = dph.toText(),
                      s = spolu.toText();
        QCOMPARE(m, QStringLiteral("92233720368547758,07"));

        doklad(QStringLiteral("FV"), QStringLiteral("FV0601"), 1);
        polozka(QStringLiteral("FV0601"), 1, 1, QStringLiteral("19"), z, d,
                QStringLiteral("Tovar"));
        store().connection().execBound(
            QStringLiteral("UPDATE Doklady SET Zaklad = ?, DPH = ?, Spolu = ? WHERE Cislo = ?;"),
            {z, d, s, QStringLiteral("FV0601")});
        doklad(QStringLiteral("ID"), QStringLiteral("ID0601"), 1);
        riadok(3, QStringLiteral("ID0601"), m, QStringLiteral("Vklad"), QStringLiteral("501  "),
               QStringLiteral("211  "));
        riadok(4, QString(), QStringLiteral("190000000000,00"), QStringLiteral("Úver"),
               QStringLiteral("221  "), QStringLiteral("461  "));
        const QString rok = QStringLiteral("2006");

        const QStringList faktura = celeSumy(TfrmDoklad2Tlac::zostava(store(), "FV0601").layout());
        for (const QString& v : {z, d, s})
            QVERIFY2(faktura.contains(v), qPrintable(v));
        QVERIFY(celeSumy(TfrmDokladTlac::zostava(store(), "ID0601").layout()).contains(m));
        QCOMPARE(celeSumy(TfrmKnihaFakturTlac::zostava(store(), rok).layout()),
                 (QStringList{z, d, s}));

        store().qryUctovnyDennik.close();
        store().qryUctovnyDennik.setSQL(
            QStringLiteral("SELECT * FROM UctovnyDennik ORDER BY Riadok;"));
        store().qryUctovnyDennik.open();
        QCOMPARE(celeSumy(TfrmUctovnyDennikTlac::zostava(store(), rok).layout()),
                 (QStringList{z, d, m, QStringLiteral("190000000000,00")}));

        hlavnakniha::vytvorit(store());
        const QStringList kniha = celeSumy(TfrmHlavnaKniha::zostava(store(), rok).layout());
        for (const QString& v : {m, s, z})
            QVERIFY2(kniha.contains(v), qPrintable(v));

        // The comparison of an exam: the sample and the student's amounts, one under the other.
        sql(QStringLiteral("INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM "
                           "UctovnyDennik;"));
        QCOMPARE(celeSumy(TfrmUctovnyDennikSkuska::zostava(store(), rok).layout()),
                 (QStringList{z, z, d, d, m, m, QStringLiteral("190000000000,00"),
                              QStringLiteral("190000000000,00")}));
    }

    void longAddressLinesWrapInTheIdentityAndPartnerBlocks() {
        const QString ulica = QStringLiteral("Ulica generála Milana Rastislava Štefánika 1234/56");
        const QString mesto = QStringLiteral("Nové Mesto nad Váhom, mestská časť Mnešice - Horné");
        const QString stat = QStringLiteral("Spolková republika Nemecko, spolková krajina Hesse");
        for (const QString& t : {ulica, mesto, stat})
            QCOMPARE(t.size(), 50);
        nastavit(QStringLiteral("SidloUlica"), ulica);
        nastavit(QStringLiteral("SidloMesto"), mesto);
        nastavit(QStringLiteral("SidloStat"), stat);
        store().connection().execBound(
            QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Datum, NazovFirmy, SidloUlica, "
                           "SidloPSC, SidloMesto, SidloStat, NazovFirmy2, SidloUlica2, SidloPSC2, "
                           "SidloMesto2, SidloStat2, Logo) VALUES ('FV', 'FV0601', '12.03.2006', "
                           "'Alfa', ?, '81101', ?, ?, 'Beta', ?, '04001', ?, ?, 1);"),
            {ulica, mesto, stat, ulica, mesto, stat});
        polozka(QStringLiteral("FV0601"), 1, 1, QStringLiteral("19"), QStringLiteral("10,00"),
                QStringLiteral("1,90"), QStringLiteral("Tovar"));
        riadok(5, QString(), QStringLiteral("1,00"), QStringLiteral("Voľný"),
               QStringLiteral("501  "), QStringLiteral("211  "));

        // Each line is the whole text, broken at spaces into lines that fit, in the full
        // font, and the lines of the block stand one under another inside its frame.
        auto overit = [&](const ReportPage& p, const QString& suffix, const QString& ramik) {
            const ReportItem* predchadzajuci = nullptr;
            for (const auto& [meno, hodnota] :
                 {std::pair{QStringLiteral("qrLblSidloUlica"), ulica},
                  std::pair{QStringLiteral("qrLblSidloMesto"), mesto},
                  std::pair{QStringLiteral("qrLblSidloStat"), stat}}) {
                const ReportItem* i = p.find(meno + suffix);
                QVERIFY2(i, qPrintable(meno + suffix));
                // broken where it does not fit its box, never shrunk or cut
                QCOMPARE(i->text.contains(u'\n'), textWidth(hodnota, i->font) > i->rect.width());
                QCOMPARE(QString(i->text).replace(u'\n', u' '), hodnota);
                QCOMPARE(i->font.pointSizeF(), 10.0);
                for (const QString& line : i->text.split(u'\n'))
                    QVERIFY(textWidth(line, i->font) <= i->rect.width() + 1e-9);
                QVERIFY(i->rect.height() >=
                        (i->text.count(u'\n') + 1) * lineHeight(i->font) - 1e-9);
                if (predchadzajuci)
                    QVERIFY(i->rect.top() >= predchadzajuci->rect.bottom() - 1e-9);
                predchadzajuci = i;
                QVERIFY(p.find(ramik)->rect.contains(i->rect));
            }
        };
        store().qryUctovnyDennik.close();
        store().qryUctovnyDennik.setSQL(QStringLiteral("SELECT * FROM UctovnyDennik;"));
        store().qryUctovnyDennik.open();
        overit(TfrmUctovnyDennikTlac::zostava(store(), QStringLiteral("2006")).layout()[0], {},
               QStringLiteral("qrShpAdresa"));
        const ReportPage faktura =
            TfrmDoklad2Tlac::zostava(store(), QStringLiteral("FV0601")).layout()[0];
        overit(faktura, {}, QStringLiteral("qrShpDodavatel"));
        overit(faktura, QStringLiteral("2"), QStringLiteral("qrShpOdberatel"));
    }

    // --- the main window ---

    void mainWindowPrintsEachKindWithItsPrintout() {
        doklad(QStringLiteral("ID"), QStringLiteral("ID0601"), 1);
        riadok(1, QStringLiteral("ID0601"), QStringLiteral("5,00"), QStringLiteral("x"),
               QStringLiteral("501  "), QStringLiteral("211  "));
        doklad(QStringLiteral("FV"), QStringLiteral("FV0601"), 1);
        polozka(QStringLiteral("FV0601"), 1, 2, QStringLiteral("19"), QStringLiteral("10,05"),
                QStringLiteral("1,91"), QStringLiteral("Tovar"));
        // each document prints with the printout and the title of its own kind
        QStringList tituly, pdf;
        Zatvarac zatvarac([&](QDialog* d) {
            if (auto* preview = qobject_cast<ReportPreview*>(d)) {
                const ReportPage p = preview->pages().first();
                tituly << p.find(QStringLiteral("qrLblNazovDokladu"))->text + u' ' +
                              (p.find(QStringLiteral("qrLblSpoluUplne")) ? "2" : "1");
                // the PDF is titled as the printout and its number, made by the program
                const QString cesta = agenda->file(QStringLiteral("tlac.pdf"));
                dialogs->files = {cesta};
                preview->btnUlozitPdfClick();
                QProcess pdfinfo;
                pdfinfo.start(QStringLiteral("pdfinfo"), {cesta});
                QVERIFY2(pdfinfo.waitForFinished(), "pdfinfo (poppler-utils) is missing");
                for (const QString& r :
                     QString::fromUtf8(pdfinfo.readAllStandardOutput()).split(u'\n'))
                    if (r.startsWith(QLatin1String("Title:")) ||
                        r.startsWith(QLatin1String("Creator:")))
                        pdf << r.simplified();
                dialogs->messages.clear();
            }
        });
        h->sluzbyDennika().tlacitDoklad(QStringLiteral("ID"), QStringLiteral("ID0601"));
        h->sluzbyDennika().tlacitDoklad(QStringLiteral("FV"), QStringLiteral("FV0601"));
        // the invoice book from the menu
        h->mmItmKnihaFaktur->trigger();
        QCOMPARE(tituly,
                 (QStringList{"Interný doklad 1", "Vystavená faktúra 2", "Kniha faktúr 1"}));
        QCOMPARE(pdf, (QStringList{"Title: Interný doklad ID0601", "Creator: Saldovia",
                                   "Title: Vystavená faktúra FV0601", "Creator: Saldovia",
                                   "Title: Kniha faktúr 2006", "Creator: Saldovia"}));
        QVERIFY(dialogs->messages.isEmpty());
    }
};

SALDOVIA_GUI_TEST_MAIN(TestDokladyTlac)
#include "test_doklady_tlac.moc"
