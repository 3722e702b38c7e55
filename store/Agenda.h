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
// destination (which may exist; a link is followed and the file it names replaced, with its
// permissions kept; a new file is for the owner only). The copy is written in one transaction into
// a hidden temporary file beside destination (stale ones of earlier, interrupted runs are removed
// first), checked, flushed and only then renamed over destination, so on failure
// destination is as it was, nothing is left beside it, and source is never changed.
FileResult compactDatabase(const QString& source, const QString& destination);

// Copies source over target: the copy is written beside the target, flushed, and only
// then renamed over it, so the target is never missing or half-written. As compactDatabase,
// a linked target's file is replaced and the permissions are kept.
FileResult replaceFileWith(const QString& source, const QString& target);

// Closing's compaction of the agenda in place: into "Data.~mdb" beside it, then renamed
// over it. A linked agenda is compacted beside the file the link names, and that file is
// replaced; the link stays. The agenda keeps its permissions.
FileResult zhutnitAgendu(const QString& agenda);

// A backup or a hand-in: compactDatabase of the closed agenda to `ciel`, with `ciel` noted
// in the agenda's folder while it is written, so that upratatPriecinokAgendy of the next
// start removes what a killed copy left beside it.
FileResult ulozitKopiuAgendy(const QString& agenda, const QString& ciel);

// The longest path (in bytes) of a file the engine opens or writes, with room for the
// names of the temporary files and journals beside it.
inline constexpr int NajdlhsiaCesta = 480;
// Why the engine cannot use a file of this path (too long), in Slovak; empty when it can.
QString prilisDlhaCesta(const QString& path);

// Why the agenda cannot be written (its folder or the file is read-only, the disk is full
// already...), in Slovak; empty when a file can be made beside it and the agenda opened for
// writing.
QString prekazkaZapisu(const QString& agenda);

// Removes from the agenda's folder what interrupted closes, backups and restores left
// there (their temporary files, and a finished "Data.~mdb" that was not moved), and what
// killed backups and hand-ins of ulozitKopiuAgendy left in their folders. For the
// copy of the program that holds the folder's ZamokAgendy.
void upratatPriecinokAgendy(const QString& agenda);

// Renames source over target in one step (both in one folder; a linked target's file is
// replaced).
FileResult renameOver(const QString& source, const QString& target);

} // namespace saldovia
