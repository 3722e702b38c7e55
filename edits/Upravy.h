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

// Removes line `riadok` of the scratch journal (UctovnyDennikPomocny), where a document's
// editor keeps the document's postings while it is edited.
void odstranitRiadokPomocny(Store& store, qint64 riadok);

// One line of an invoice or cash document as the scratch table DokladyPolozkyPomocne
// holds it: its base posting is journal line `riadok`, its VAT posting line `riadokDPH`.
struct PolozkaFaktury {
    qint64 cislo = 0;
    QString doklad;
    qint64 riadok = 0, riadokDPH = 0;
    QString sadzba, popis, cena;
};

// Replaces line `p.cislo` of document `p.doklad` in the scratch tables, whole or not at
// all: the line and both of its postings go, then the line comes back with the posting
// `zaklad` and, where the line carries VAT, the posting `dph` (a line without VAT keeps
// no VAT posting and stores no VAT line number).
void nahraditPolozkuFaktury(Store& store, const PolozkaFaktury& p, const RiadokDennika& zaklad,
                            const std::optional<RiadokDennika>& dph);

// Removes line `cislo` of the document being edited from the scratch tables, with its
// postings, whole or not at all.
void odstranitPolozkuFaktury(Store& store, qint64 cislo);

// Whether the agenda's exam has ended: a finished exam is looked at, never changed.
bool skuskaSkoncena(const Store& store);

// One account of the chart of accounts (UctovaOsnova): Povod "P" marks a predefined one.
struct UcetOsnovy {
    QString cislo, nazov, povod, druh;
};
// Account `cislo` of the chart, as the chart holds it; none when the chart has no such
// number. Runs through Store::SQL.
std::optional<UcetOsnovy> ucetOsnovy(Store& store, const QString& cislo);

// The agenda's own texts of document kind `kod` (its row of AgendaPrisposobenie): the
// prefix of its numbers, the title of a document and of the register. Empty texts for a
// kind the agenda lacks. Leaves the general query of Store::SQL alone.
struct TextyDruhu {
    QString prefix, doklad, zoznam;
};
TextyDruhu textyDruhu(Store& store, const QString& kod);

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
