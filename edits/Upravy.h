#pragma once

#include <QDate>
#include <QString>

#include <array>
#include <optional>
#include <utility>

namespace saldovia {

class Store;

// The edits of the agenda that several windows make, each written once. They take the
// store and run their statements in one transaction where they make more than one.
namespace upravy {

// Removes document `cislo`: its header, its lines and its journal postings, together or
// not at all.
void odstranitDoklad(Store& store, const QString& cislo);

// One line of the journal as the journal and the scratch journal store it.
struct RiadokDennika {
    qint64 riadok = 0;
    QString datum, doklad, ciastka, mena, kurz, suma, popis, maDat, dal;
};

// Writes journal line `r` into `tabulka` (UctovnyDennik or UctovnyDennikPomocny) as a new
// row; the caller has removed a row of that number if it replaces one. A row that makes the
// journal's whole sum overflow is a DbError with the Slovak message, in the caller's
// transaction.
void zapisatRiadokDennika(Store& store, const QString& tabulka, const RiadokDennika& r);

// Positions qryAgendaPrisposobenie on document kind `druh`; when `lenAkInak`, a data set
// already open on that kind is left as it is.
void nastavitDruhDokladu(Store& store, const QString& druh, bool lenAkInak = false);

// The agenda's two reduced VAT rates beside its rate, each a whole percent as text or
// empty; both empty in a file without their table (AgendaSadzbyDPH).
std::array<QString, 2> znizeneSadzbyDPH(Store& store);
// Stores the reduced rates in the caller's transaction; their table is created only when
// a rate is set, so that a file without reduced rates keeps its schema.
void ulozitZnizeneSadzbyDPH(Store& store, const std::array<QString, 2>& sadzby);

// The first and the last day of accounting year `rok` ("2026"); none for a text that is
// not a year.
std::optional<std::pair<QDate, QDate>> rozsahRoka(const QString& rok);

} // namespace upravy
} // namespace saldovia
