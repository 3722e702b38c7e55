#include "Hlavnakniha.h"

#include "Obraty.h"
#include "Prebiehaspracovanieudajov.h"
#include "reports/ReportPreview.h"
#include "store/Store.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>

#include <memory>

namespace saldovia {

namespace {

constexpr int nazovColumn = 1; // the wide column, wrapped when too long

// Empties HlavnaKniha at the end of an operation. On the normal way an error of the engine
// reaches the user; when the operation is already failing it must not hide that error.
class Vyprazdnenie {
public:
    explicit Vyprazdnenie(Store& store) : store_(store) {}
    ~Vyprazdnenie() {
        if (!hotovo_) {
            try {
                vyprazdnit();
            } catch (const DbError&) {
                // the error that ended the operation is the one the user sees
            }
        }
    }
    void vyprazdnit() {
        hotovo_ = true;
        store_.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
    }

private:
    Store& store_;
    bool hotovo_ = false;
};

// Disables a window for the lifetime of the guard.
class Zakazanie {
public:
    explicit Zakazanie(QWidget& w) : w_(w), bol_(w.isEnabled()) { w_.setEnabled(false); }
    ~Zakazanie() { w_.setEnabled(bol_); }
    Zakazanie(const Zakazanie&) = delete;
    Zakazanie& operator=(const Zakazanie&) = delete;

private:
    QWidget& w_;
    bool bol_;
};

// The rows of the printout with the columns the bands read.
struct Riadky {
    ResultSet rows;
    int cislo, nazov, maDat, dal, skupina;
};

const QColor tienTriedy(0xe6, 0xea, 0xf3); // behind class rows
const QColor linkaRiadku(0xc4, 0xc8, 0xd0);

void qrBndNadpisyFill(BandWriter& w, const QList<ReportColumn>& columns) {
    const double height = frame::rowHeight + 2.0;
    frame::fillColumnHeaderRules(w, height);
    const QList<ReportColumn> fitted = fitColumns(columns, w.width());
    for (qsizetype i = 0; i < fitted.size(); ++i) {
        const ReportColumn& c = fitted[i];
        // The amounts stand right-aligned under centred captions.
        const Qt::Alignment a = i >= 2 ? Qt::AlignHCenter : c.alignment;
        w.text(QRectF(c.left + frame::cellPadding, 1.0, c.width - 2 * frame::cellPadding,
                      frame::rowHeight),
               c.caption, TextStyle(reportFont(10, false, true), a | Qt::AlignVCenter),
               QStringLiteral("qrLbl") + c.field);
    }
}

void qrBndPolozkyFill(BandWriter& w, const Riadky& r, const QList<ReportColumn>& columns, int row) {
    const QString cislo = r.rows.text(row, r.cislo);
    const QString nazov = r.rows.text(row, r.nazov);
    // Group and class rows carry "-" as their group; a class is one character.
    const bool suhrn = r.rows.text(row, r.skupina) == QLatin1String("-");
    const bool trieda = suhrn && cislo.size() == 1;
    const QFont font = reportFont(10, suhrn);
    if (trieda) {
        // The shading goes under the texts, so it is placed first, as high as the row will be.
        const QList<ReportColumn> fitted = fitColumns(columns, w.width());
        const double nameWidth = fitted[nazovColumn].width - 2 * frame::cellPadding;
        const double lines = std::max<qsizetype>(1, wrapText(nazov, font, nameWidth).size());
        const double height = std::max(frame::rowHeight, 0.6 + lines * lineHeight(font) + 0.4);
        w.rectangle(QRectF(0, 0, w.width(), height), 0, {}, tienTriedy,
                    QStringLiteral("qrShpTrieda"));
    }
    frame::fillColumnValues(w, columns,
                            {cislo, nazov, r.rows.text(row, r.maDat), r.rows.text(row, r.dal)},
                            nazovColumn, font);
    w.line(QPointF(0, w.height()), QPointF(w.width(), w.height()), 0.1, linkaRiadku,
           QStringLiteral("qrShpPolozka"));
}

} // namespace

TfrmHlavnaKniha::TfrmHlavnaKniha(Kontext& k) : kontext(k) {}

QList<ReportColumn> TfrmHlavnaKniha::columns() {
    // Laid out for the 195.9 mm between the margins of a Letter page; Názov takes up what
    // another paper gives or takes.
    constexpr double cislo = 18, suma = 32;
    constexpr double nazov = 195.9 - cislo - 2 * suma;
    return {
        {QStringLiteral("Číslo"), QStringLiteral("CisloUctu"), 0, cislo, Qt::AlignLeft},
        {QStringLiteral("Názov"), QStringLiteral("Nazov"), cislo, nazov, Qt::AlignLeft, true},
        {QStringLiteral("Má dať"), QStringLiteral("MaDat"), cislo + nazov, suma, Qt::AlignRight},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), cislo + nazov + suma, suma, Qt::AlignRight},
    };
}

BandedReport TfrmHlavnaKniha::zostava(Store& store, const QString& uctovnyRok,
                                      LogoLoader nacitatLogo) {
    if (!nacitatLogo)
        nacitatLogo = [&store](const QString& cislo) { return NacitatLogo(store, cislo); };
    const ReportFrame f =
        ReportFrame::fromSettings(store.tblAgendaNastavenie, Caption, uctovnyRok, nacitatLogo);

    store.SQL(hlavnakniha::dotazTlace());
    auto r = std::make_shared<Riadky>();
    r->rows = store.ADOQuery.rows();
    r->cislo = r->rows.requireColumn(QStringLiteral("CisloUctu"));
    r->nazov = r->rows.requireColumn(QStringLiteral("Nazov"));
    r->maDat = r->rows.requireColumn(QStringLiteral("MaDat"));
    r->dal = r->rows.requireColumn(QStringLiteral("Dal"));
    r->skupina = r->rows.requireColumn(QStringLiteral("Skupina"));

    const QList<ReportColumn> cols = columns();
    BandedReport report;
    report.caption = Caption;
    report.fileName = Caption + u' ' + uctovnyRok;
    frame::applyFrame(report, f, cols);
    report.columnHeader.fill = [cols](BandWriter& w) { qrBndNadpisyFill(w, cols); };
    report.detail.name = QStringLiteral("qrBndPolozky");
    report.detail.height = frame::rowHeight;
    report.detail.rowCount = r->rows.rowCount();
    report.detail.fill = [r, cols](BandWriter& w, int row) { qrBndPolozkyFill(w, *r, cols, row); };
    return report;
}

bool TfrmHlavnaKniha::Vytvorit() {
    Store& store = kontext.store();
    const QList<qint64> chybne = hlavnakniha::riadkyBezPredkontacie(store);
    if (!chybne.isEmpty()) {
        showError(kontext.hlavneOkno(), QStringLiteral("Účtovný denník"),
                  hlavnakniha::spravaBezPredkontacie(chybne));
        return false;
    }

    // Declared in this order, the progress window goes before the main window is enabled.
    Zakazanie zakazanie(*kontext.hlavneOkno());
    TfrmPrebiehaSpracovanieUdajov okno(kontext.hlavneOkno());
    okno.setEnabled(true); // a window of its own, not greyed with its owner
    okno.lblNazov->setText(QStringLiteral("Generovanie Hlavnej knihy"));
    okno.ProgressBar->setValue(0);
    okno.lblPercenta->setText(hlavnakniha::percenta(0));
    okno.show();
    QCoreApplication::processEvents();

    hlavnakniha::vytvorit(store, [&okno](const QString& popis, int pozicia) {
        okno.lblPopis->setText(popis);
        okno.ProgressBar->setValue(pozicia);
        okno.lblPercenta->setText(hlavnakniha::percenta(pozicia));
        QCoreApplication::processEvents();
    });
    return true;
}

void TfrmHlavnaKniha::Tlacit() {
    Store& store = kontext.store();
    Vyprazdnenie vyprazdnenie(store);
    if (Vytvorit()) {
        BandedReport report = zostava(store, kontext.uctovnyRok());
        ReportPreview::preview(report, kontext.tlaciaren(), kontext.hlavneOkno());
    }
    vyprazdnenie.vyprazdnit();
}

void TfrmHlavnaKniha::Ulozit() {
    Store& store = kontext.store();
    Vyprazdnenie vyprazdnenie(store);
    if (Vytvorit())
        hlavnakniha::ulozitVzor(store);
    vyprazdnenie.vyprazdnit();
}

float TfrmHlavnaKniha::Porovnat() {
    Store& store = kontext.store();
    Vyprazdnenie vyprazdnenie(store);
    float percento = -1.f;
    if (Vytvorit())
        percento = hlavnakniha::porovnatSoVzorom(store).percento;
    vyprazdnenie.vyprazdnit();
    return percento;
}

} // namespace saldovia
