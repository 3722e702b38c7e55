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

const QColor tienTriedy(0xe6, 0xea, 0xf3); // behind class rows

void qrBndPolozkyFill(BandWriter& w, const ReportTable& t, int skupina, int row) {
    const QStringList values = t.values(row);
    const QString& cislo = values[0];
    // Group and class rows carry "-" as their group; a class is one character.
    const bool suhrn = t.text(row, skupina) == QLatin1String("-");
    const bool trieda = suhrn && cislo.size() == 1;
    const QFont font = reportFont(10, suhrn);
    if (trieda) {
        // The shading goes under the texts, so it is placed first, as high as the row will be.
        const QList<ReportColumn> fitted = fitColumns(t.columns(), w.width());
        const double nameWidth = fitted[nazovColumn].width - 2 * frame::cellPadding;
        const double height = std::max(
            frame::rowHeight,
            0.6 + std::max(lineHeight(font), wrappedHeight(values[nazovColumn], font, nameWidth)) +
                0.4);
        w.rectangle(QRectF(0, 0, w.width(), height), 0, {}, tienTriedy,
                    QStringLiteral("qrShpTrieda"));
    }
    frame::fillColumnValues(w, t.columns(), values, font);
    frame::fillRowRule(w);
}

} // namespace

TfrmHlavnaKniha::TfrmHlavnaKniha(Kontext& k) : kontext(k) {}

QList<ReportColumn> TfrmHlavnaKniha::columns() {
    // Laid out for the 195.9 mm between the margins of a Letter page; Názov takes up what
    // another paper gives or takes, and wraps when too long. The amounts stand right-aligned
    // under centred captions.
    constexpr double cislo = 18, suma = 32;
    constexpr double nazov = 195.9 - cislo - 2 * suma;
    return {
        {QStringLiteral("Číslo"), QStringLiteral("CisloUctu"), 0, cislo, Qt::AlignLeft},
        {.caption = QStringLiteral("Názov"),
         .field = QStringLiteral("Nazov"),
         .left = cislo,
         .width = nazov,
         .stretch = true,
         .wrap = true},
        {.caption = QStringLiteral("Má dať"),
         .field = QStringLiteral("MaDat"),
         .left = cislo + nazov,
         .width = suma,
         .alignment = Qt::AlignRight,
         .captionAlignment = Qt::AlignHCenter},
        {.caption = QStringLiteral("Dal"),
         .field = QStringLiteral("Dal"),
         .left = cislo + nazov + suma,
         .width = suma,
         .alignment = Qt::AlignRight,
         .captionAlignment = Qt::AlignHCenter},
    };
}

BandedReport TfrmHlavnaKniha::zostava(Store& store, const QString& uctovnyRok) {
    store.SQL(hlavnakniha::dotazTlace());
    const ReportTable table(columns(), store.ADOQuery.rows());
    const int skupina = table.column(QStringLiteral("Skupina"));

    BandedReport report =
        frame::framedReport(Caption, ReportFrame::fromSettings(store, Caption, uctovnyRok));
    frame::applyTable(report, table);
    report.detail.fill = [table, skupina](BandWriter& w, int row) {
        qrBndPolozkyFill(w, table, skupina, row);
    };
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

float TfrmHlavnaKniha::Porovnat(bool ohlasit) {
    Store& store = kontext.store();
    if (!ohlasit && !hlavnakniha::riadkyBezPredkontacie(store).isEmpty())
        return -1.f;
    Vyprazdnenie vyprazdnenie(store);
    float percento = -1.f;
    if (Vytvorit())
        percento = hlavnakniha::porovnatSoVzorom(store).percento;
    vyprazdnenie.vyprazdnit();
    return percento;
}

} // namespace saldovia
