#include "Tlacskusky.h"

#include "exam/Vyhodnotenie.h"
#include "reports/Uctovnydenniktlac.h"
#include "store/Store.h"

#include <memory>

namespace saldovia {

namespace {

constexpr int sumaColumn = 4; // the first of the three compared columns

const QColor pozadieChyby(0xfd, 0xe2, 0xe2); // behind a student's value that differs
const QColor ramChyby(0xa0, 0x10, 0x10);

const QString Porovnanie = QStringLiteral(
    "SELECT UctovnyDennikVzor.Riadok, UctovnyDennikVzor.Datum, UctovnyDennikVzor.Doklad, "
    "UctovnyDennikVzor.Popis, UctovnyDennikVzor.Suma, UctovnyDennikVzor.MaDat, "
    "UctovnyDennikVzor.Dal, UctovnyDennik.Suma AS SkuskaSuma, UctovnyDennik.MaDat AS "
    "SkuskaMaDat, UctovnyDennik.Dal AS SkuskaDal FROM UctovnyDennikVzor LEFT JOIN UctovnyDennik "
    "ON UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok ORDER BY UctovnyDennikVzor.Riadok;");

// The rows with the columns of both lines.
struct Riadky {
    ReportTable vzor;           // the header's columns: the sample's values
    QList<ReportColumn> skuska; // the first line: the student's fields in the last three
    QList<int> student;         // the rows' column of each of the student's compared values
};

// Whether the student's value of a compared column (0 amount, 1 debit account, 2 credit
// account) differs from the sample's: the amount by the rule of the computed amounts, the
// accounts exactly as stored.
bool chyba(const QString& student, const QString& vzor, int stlpec) {
    return stlpec == 0 ? !skuska::rovnakaSuma(student, vzor) : student != vzor;
}

void qrBndPolozkyFill(BandWriter& w, const Riadky& r, int row) {
    // Line 1: the sample's row, date, document and description with the student's values.
    // A student's value that differs from the sample stands bold in a red box.
    const QStringList vzor = r.vzor.values(row);
    QStringList values = vzor.mid(0, sumaColumn);
    QList<bool> chyby;
    for (int k : r.student) {
        values << r.vzor.text(row, k);
        chyby << chyba(values.last(), vzor[values.size() - 1], static_cast<int>(chyby.size()));
    }
    const QFont font = reportFont();
    const double line = lineHeight(font);
    const QList<ReportColumn> fitted = fitColumns(r.vzor.columns(), w.width());
    // The values that agree go in the usual way; the others are written bold below, over
    // their boxes.
    QList<ReportColumn> pevne = fitColumns(r.skuska, w.width());
    for (ReportColumn& c : pevne)
        c.stretch = false; // already fitted: a subset must not move them
    QList<ReportColumn> beznne;
    QStringList beznneHodnoty;
    for (qsizetype i = 0; i < pevne.size(); ++i) {
        if (i >= sumaColumn && chyby[i - sumaColumn]) {
            const ReportColumn& c = fitted[i];
            w.rectangle(QRectF(c.left + 0.3, 0.2, c.width - 0.6, line + 0.8), 0.25, ramChyby,
                        pozadieChyby, QStringLiteral("qrShpChyba") + c.field);
            continue;
        }
        beznne << pevne[i];
        beznneHodnoty << values[i];
    }
    frame::fillColumnValues(w, beznne, beznneHodnoty, font);
    for (qsizetype i = 0; i < chyby.size(); ++i) {
        if (!chyby[i])
            continue;
        const ReportColumn& c = fitted[sumaColumn + i];
        w.text(QRectF(c.left + frame::cellPadding, 0.6, c.width - 2 * frame::cellPadding, line),
               values[sumaColumn + i],
               TextStyle(reportFont(10, true), c.alignment | Qt::AlignTop, ramChyby),
               QStringLiteral("qrDbTxt") + r.skuska[sumaColumn + i].field);
    }

    // Line 2: the sample's values in the same columns, after their caption.
    const double top = w.height() + 0.2;
    const double koniecPopisu = fitted[sumaColumn].left - frame::cellPadding;
    w.text(QRectF(0, top, koniecPopisu, line), QStringLiteral("Správne údaje:"),
           TextStyle(reportFont(10, false, true), Qt::AlignRight | Qt::AlignTop),
           QStringLiteral("qrLblSpravneUdaje"));
    for (qsizetype i = sumaColumn; i < fitted.size(); ++i) {
        const ReportColumn& c = fitted[i];
        w.text(QRectF(c.left + frame::cellPadding, top, c.width - 2 * frame::cellPadding, line),
               vzor[i], TextStyle(font, c.alignment | Qt::AlignTop),
               QStringLiteral("qrDbTxt") + c.field);
    }
    w.setHeight(top + line + 0.6);
    frame::fillRowRule(w);
}

} // namespace

BandedReport TfrmUctovnyDennikSkuska::zostava(Store& store, const QString& uctovnyRok) {

    // The journal printout's columns: the comparison reads like the journal.
    const QList<ReportColumn> columns = TfrmUctovnyDennikTlac::columns();
    auto r = std::make_shared<Riadky>(
        Riadky{ReportTable::run(columns, store.qryUctovnyDennik, Porovnanie), columns, {}});
    for (qsizetype i = sumaColumn; i < r->skuska.size(); ++i) {
        r->skuska[i].field = QStringLiteral("Skuska") + r->skuska[i].field;
        r->student << r->vzor.column(r->skuska[i].field);
    }

    BandedReport report =
        frame::framedReport(Caption, ReportFrame::fromSettings(store, Caption, uctovnyRok),
                            QStringLiteral("Položky účtovného denníka:"),
                            QStringLiteral("qrLblPolozkyUctovnehoDennika"));
    frame::applyTable(report, r->vzor);
    report.detail.fill = [r](BandWriter& w, int row) { qrBndPolozkyFill(w, *r, row); };
    return report;
}

} // namespace saldovia
