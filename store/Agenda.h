#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace saldovia {

class Connection;

// The statements that create every table of an agenda file.
QString agendaSchemaSql();

// A CREATE statement with every run of white space outside quotes made one space, so that
// the same statement written over other lines compares equal.
QString normalizedSql(const QString& sql);

// A description of every schema entry of an open file (tables, indexes, views, triggers),
// one line each in a fixed order: its kind, name, table, normalised statement, and the
// engine's list of its columns. Two files with equal descriptions have the same schema.
QStringList describeSchema(Connection& c);

// The table of the agenda's reduced VAT rates (Poradie 1 and 2, Sadzba a whole percent as
// text). Files made before it have no such table, and the prepared agenda has none: the
// table is created when reduced rates are first saved, so that every stored file stays as
// it is until then.
QString tabulkaZnizenychSadziebSql();

// Whether the open file holds exactly the agenda's tables, columns and indexes (no view,
// trigger, virtual or extra table), with or without the table of reduced VAT rates.
bool maSchemuAgendy(Connection& c);

// Whether the file is a usable agenda: it opens with the program's password, passes the
// engine's integrity check, its schema is exactly the agenda's (every statement as in
// data/schema.sql: no view, trigger, virtual or extra table, no other index, constraint
// or collation) and its first settings row carries the program's format version.
// Every failure is the same "false"; nothing stays open.
bool kontrolaDatabazy(const QString& path);
// The same checks over a connection already open on the file (keyed, nothing else read):
// the connection stays open whatever the outcome. With `riadkyDennika`, the journal's row
// numbers (read by the check's pass over every row) are put there on success.
bool jeAgenda(Connection& c, std::vector<qint64>* riadkyDennika = nullptr);

struct FileResult {
    bool ok = false;
    QString error; // for the user, in Slovak, when !ok
    explicit operator bool() const { return ok; }
};

// Writes a fresh encrypted copy of the closed agenda file source and puts it at
// destination (which may exist). The copy is written in one transaction into a hidden
// temporary file beside destination (stale ones of earlier, interrupted runs are removed
// first), checked, flushed and only then renamed over destination, so on failure
// destination is as it was, nothing is left beside it, and source is never changed.
FileResult compactDatabase(const QString& source, const QString& destination);

// Copies source over target: the copy is written beside the target, flushed, and only
// then renamed over it, so the target is never missing or half-written.
FileResult replaceFileWith(const QString& source, const QString& target);

// Closing's compaction of the agenda in place: into "Data.~mdb" beside it, then renamed
// over it.
FileResult zhutnitAgendu(const QString& agenda);

// Removes from the agenda's folder what interrupted closes, backups and restores left
// there (their temporary files, and a finished "Data.~mdb" that was not moved). For the
// copy of the program that holds the folder's ZamokAgendy.
void upratatPriecinokAgendy(const QString& agenda);

// Renames source over target in one step (both in one folder).
FileResult renameOver(const QString& source, const QString& target);

} // namespace saldovia
