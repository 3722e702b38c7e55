#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <deque>
#include <stdexcept>
#include <vector>

struct sqlite3;

namespace saldovia {

// The program's fixed database password and the agenda format version.
inline const QString Heslo = QStringLiteral("vakro3tembilaQuUnezo");
inline const QString VerziaProgramu = QStringLiteral("2.0.0.0");

// An error of the database engine or of reading a value; what() carries the text shown
// to the user (the engine's own message for engine errors).
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& text, int code = 0)
        : std::runtime_error(text.toStdString()), code_(code) {}
    QString text() const { return QString::fromUtf8(what()); }
    // The engine's primary result code (SQLITE_FULL, ...); 0 for errors of the program.
    int code() const { return code_; }

private:
    int code_;
};

// The text of an engine error for the user: a Slovak sentence for the conditions a user
// can meet and act on (full disk, read-only file or folder, damaged or foreign file, file
// locked by another program); the engine's own text for the rest. `systemError` is the
// errno behind an I/O failure, 0 if unknown.
QString popisChybyStroja(int code, int systemError, const QString& engineText);
// The code of an engine error: for a plain SQLITE_ERROR whose text is that of another
// condition (a failure inside a function, such as the export), that condition's code.
int kodChybyStroja(int code, const QString& engineText);

// Rows of a query, fully read. Values are QString (text), qint64 (integer), QByteArray
// (blob) or a null QVariant.
class ResultSet {
public:
    const QStringList& columns() const { return columns_; }
    int rowCount() const { return rows_; }
    int columnCount() const { return static_cast<int>(columns_.size()); }
    // Index of a column by name (as SQL, without regard to letter case); -1 if absent.
    int columnIndex(const QString& name) const;
    // As columnIndex, but a missing column is a DbError.
    int requireColumn(const QString& name) const;
    const QVariant& value(int row, int column) const {
        return cells_[static_cast<size_t>(row) * columns_.size() + column];
    }
    QString text(int row, int column) const;
    qint64 integer(int row, int column) const;

private:
    friend class Connection;
    QStringList columns_;
    std::deque<QVariant> cells_; // grows in blocks: large results are never copied
    int rows_ = 0;
};

// Text of a value as the program reads it: integers in decimal, null as "".
QString valueText(const QVariant& v);
// Integer of a value; a text that is no whole number is a DbError with a Slovak message.
qint64 valueInteger(const QVariant& v);

// Puts a text between single quotes for splicing into a statement, doubling every
// apostrophe inside it: O'Brien -> 'O''Brien'.
QString sqlText(const QString& text);

// The one rule for comparing account numbers: postings keep them padded with spaces to
// five characters, the chart without. Gives a condition true when the column holds the
// given account in either form.
QString sqlAccountEquals(const QString& column, const QString& account);
// The same rule between two columns, for joins: true when both hold the same account, each
// padded or not.
QString sqlAccountsEqual(const QString& columnA, const QString& columnB);

// One SQLCipher connection to an agenda file keyed with the program's password.
class Connection {
public:
    enum class Mode { ReadWrite, ReadOnly, Create };

    Connection() = default;
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens and keys the file. A missing file is an error unless mode is Create.
    // Nothing is read yet: a wrong key shows only at the first statement. An empty key
    // opens a plain, unencrypted file.
    void open(const QString& path, Mode mode = Mode::ReadWrite, const QString& key = Heslo);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    const QString& path() const { return path_; }

    // Runs every statement in the text, discarding any rows.
    void exec(const QString& sql);
    // Runs one statement with optional bound parameters and reads all its rows.
    ResultSet query(const QString& sql, const QVariantList& params = {});
    // Runs one statement and reads its first column as integers (NULL as 0), without making
    // a cell of each value: the cheap way to read many row numbers.
    std::vector<qint64> integers(const QString& sql);
    // Runs one statement with bound parameters; returns the number of changed rows.
    int execBound(const QString& sql, const QVariantList& params);

    sqlite3* handle() const { return db_; }
    // Tells one opening of a file from every other in this process (a handle's address can
    // come back after a close); 0 while closed.
    quint64 serial() const { return db_ ? serial_ : 0; }
    // True while a transaction begun on this connection is under way.
    bool inTransaction() const;

private:
    [[noreturn]] void fail(const QString& context = {}) const;
    sqlite3* db_ = nullptr;
    quint64 serial_ = 0;
    QString path_;
};

// All or nothing: begins a transaction; the destructor rolls it back unless commit()
// ran. Nesting is not supported.
class Transaction {
public:
    explicit Transaction(Connection& c);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void commit();

private:
    Connection& c_;
    bool done_ = false;
};

} // namespace saldovia
