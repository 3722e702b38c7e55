#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

namespace saldovia {

class Connection;

// What an exam file carries beyond its settings row, and what the program remembers of the
// exams that ended on this computer.
//
// The record lives in a second row of AgendaNastavenie, told from the settings row by its
// Verzia "Skuska"; its Poznamky hold "name=value" lines. Every reader of the settings takes
// the first row (ORDER BY rowid LIMIT 1), so the schema stays exactly the agenda's: files
// with a record open in programs that know nothing of it, and files without one open here.
namespace skuska {

struct Zaznam {
    bool existuje = false;
    bool cvicenie = false; // a practice file
    int kontroly = 0;      // checks used in practice
    QString znovuOtvorena; // when a copy of an ended exam was refused here; empty otherwise
    QString pecat;         // the seal over the journal, name, start and end (hex)
};

Zaznam nacitatZaznam(Connection& c);
// Writes the record (adds the row when the file has none).
void zapisatZaznam(Connection& c, const Zaznam& z);

// The exam's identity: SHA-256 of its sample journal and sample ledger (hex).
QString odtlacokVzoru(Connection& c);

// The seal: a keyed digest (HMAC-SHA-256, the key derived in the program from the exam's
// identity) over every journal row, the student's name, the start and end moments, and the
// record's practice flag, checks and reopening mark.
QString vypocitatPecat(Connection& c);
// Computes the seal and stores it in the record.
void zapecatit(Connection& c);

// The exams that ended on this computer, in the user's application data folder: one line per
// ended exam, its identity and start moment.
namespace ukoncene {
QString subor();
// Whether an exam of this identity has ended here; its recorded start goes to `zaciatok`.
bool obsahuje(const QString& odtlacok, QString* zaciatok = nullptr);
// Remembers an ended exam (once per identity and start). Throws DbError when the file
// cannot be written.
void zapisat(const QString& odtlacok, const QString& zaciatok);
} // namespace ukoncene

} // namespace skuska

} // namespace saldovia

namespace saldovia::skuska {

// A practice check: the journal rows whose accounts, or whose amount on a computation row,
// differ from the sample. Only row numbers leave it, never a sample value. Counts the check
// in the record.
struct Kontrola {
    QList<qint64> nespravne;  // rows present in the journal and wrong
    int pocetNespravnych = 0; // also counting sample rows the journal no longer has
    int celkom = 0;           // sample rows
};
Kontrola skontrolovat(Connection& c);

} // namespace saldovia::skuska
