#pragma once

#include "store/Values.h"

#include <QList>
#include <QString>

namespace saldovia {

class Store;

// The VAT summary of an invoice or cash document, the same for the editor and the printout:
// a row per rate of the lines and the totals of all rows. Every sum is checked: one that
// does not fit into an amount is PretecenieSumy, never a wrapped value.
namespace sumardph {

// One line of a document: its rate as stored ("19", "0") and its amounts.
struct Polozka {
    QString sadzba;
    Amount zaklad;
    Amount dph;
    Amount spolu;
};

// One row of the summary: the rate's label ("0%", "19%") and the sums of its lines.
struct Riadok {
    QString sadzba;
    Amount zaklad;
    Amount dph;
    Amount spolu;
};

// "0%" first, then each non-zero rate of the lines in rising order (a rate that is no whole
// number after them); when no line has a non-zero rate, `sadzbaAgendy` with zero sums.
// The totals add all rows.
struct Sumar {
    QList<Riadok> riadky;
    Amount zaklad;
    Amount dph;
    Amount spolu;
};

Sumar zostavit(const QList<Polozka>& polozky, const QString& sadzbaAgendy);

// The summary of saved document `cislo` (DokladyPolozky with its postings in UctovnyDennik),
// or of the document being edited (the scratch tables DokladyPolozkyPomocne and
// UctovnyDennikPomocny). Lines without their base posting do not count; the rate of the
// agenda is that of tblAgendaNastavenie.
Sumar ulozeneho(Store& store, const QString& cislo);
Sumar rozpracovaneho(Store& store);

} // namespace sumardph
} // namespace saldovia
