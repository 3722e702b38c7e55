#pragma once

#include <QString>
#include <QStringList>

namespace saldovia {

class Connection;

// The statements that create every table of an agenda file.
QString agendaSchemaSql();

// A description of the tables, columns and indexes of an open file, one line each, in
// a fixed order. Two files with equal descriptions have the same schema.
QStringList describeSchema(Connection& c);

// Whether the open file holds exactly the agenda's tables, columns and indexes (no view,
// trigger, virtual or extra table).
bool maSchemuAgendy(Connection& c);

// Whether the file is a usable agenda: it opens with the program's password, passes the
// engine's integrity check, holds exactly the agenda's tables (no view, trigger, virtual
// or extra table) and its first settings row carries the program's format version.
// Every failure is the same "false"; nothing stays open.
bool kontrolaDatabazy(const QString& path);
// The same check on a connection already open on the file (keyed, nothing else read): the
// connection stays open whatever the outcome.
bool kontrolaDatabazy(Connection& c);

struct FileResult {
    bool ok = false;
    QString error; // for the user, in Slovak, when !ok
    explicit operator bool() const { return ok; }
};

// Writes a fresh encrypted copy of the closed agenda file source and puts it at
// destination (which may exist). The copy is checked before it replaces anything, so on
// failure destination is as it was, and source is never changed.
FileResult compactDatabase(const QString& source, const QString& destination);

// Copies source over target: the copy is written beside the target, flushed, and only
// then renamed over it, so the target is never missing or half-written.
FileResult replaceFileWith(const QString& source, const QString& target);

// Renames source over target in one step (both in one folder).
FileResult renameOver(const QString& source, const QString& target);

} // namespace saldovia
