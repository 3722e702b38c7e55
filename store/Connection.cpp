#include "Connection.h"

#include "Subory.h"
#include "Values.h"

#include <QCollator>
#include <QFileInfo>
#include <QLocale>

#include <sqlite3.h>

#include <atomic>
#include <cerrno>

namespace saldovia {

namespace {

struct Statement {
    sqlite3_stmt* s = nullptr;
    ~Statement() { sqlite3_finalize(s); }
};

// Prepares the one statement of `sql` on an open connection; false on failure (the engine's
// error stays on the connection). A text of only whitespace leaves st.s null.
bool prepareOne(sqlite3* db, const QString& sql, Statement& st) {
    const QByteArray text = sql.toUtf8();
    return db && sqlite3_prepare_v2(db, text.constData(), text.size(), &st.s, nullptr) == SQLITE_OK;
}

QString engineText(sqlite3* db) {
    return db ? QString::fromUtf8(sqlite3_errmsg(db)) : QStringLiteral("Databáza nie je otvorená.");
}

// SUCET(x): exact sum of amount texts; NULL over no values, like SUM(). A sum outside the
// range of an amount is the engine's own overflow error, as SUM() reports it.
const char* const Pretecenie = "integer overflow";

struct SumState {
    std::int64_t units;
    bool any;
    bool overflow;
};

void sumStep(sqlite3_context* ctx, int, sqlite3_value** argv) {
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, sizeof(SumState)));
    if (!st || sqlite3_value_type(argv[0]) == SQLITE_NULL)
        return;
    const auto* raw = reinterpret_cast<const char*>(sqlite3_value_text(argv[0]));
    const QString text = QString::fromUtf8(raw ? raw : "");
    const auto amount = Amount::parse(text);
    if (!amount) {
        const QByteArray msg = QStringLiteral("'%1' nie je platná suma.").arg(text).toUtf8();
        sqlite3_result_error(ctx, msg.constData(), msg.size());
        return;
    }
    if (__builtin_add_overflow(st->units, amount->units(), &st->units))
        st->overflow = true;
    st->any = true;
}

void sumFinal(sqlite3_context* ctx) {
    auto* st = static_cast<SumState*>(sqlite3_aggregate_context(ctx, 0));
    if (!st || !st->any) {
        sqlite3_result_null(ctx);
        return;
    }
    if (st->overflow) {
        sqlite3_result_error(ctx, Pretecenie, -1);
        return;
    }
    const QByteArray text = Amount::fromUnits(st->units).toText().toUtf8();
    sqlite3_result_text(ctx, text.constData(), text.size(), SQLITE_TRANSIENT);
}

// COLLATE SLOVENSKY: Slovak alphabetical order for lists shown to the user ("Účtová"
// after "Ú..." words and before "V...", not after "Z" as the bytes would sort).
int porovnatSlovensky(void*, int n1, const void* s1, int n2, const void* s2) {
    static const QCollator collator(QLocale(QLocale::Slovak, QLocale::Slovakia));
    return collator.compare(QString::fromUtf8(static_cast<const char*>(s1), n1),
                            QString::fromUtf8(static_cast<const char*>(s2), n2));
}

void bind(sqlite3* db, sqlite3_stmt* s, const QVariantList& params) {
    for (int i = 0; i < params.size(); ++i) {
        const QVariant& v = params[i];
        int rc = SQLITE_OK;
        if (v.isNull()) {
            rc = sqlite3_bind_null(s, i + 1);
        } else if (v.typeId() == QMetaType::QByteArray) {
            const QByteArray b = v.toByteArray();
            rc = sqlite3_bind_blob(s, i + 1, b.constData(), b.size(), SQLITE_TRANSIENT);
        } else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong) {
            rc = sqlite3_bind_int64(s, i + 1, v.toLongLong());
        } else {
            const QByteArray t = v.toString().toUtf8();
            rc = sqlite3_bind_text(s, i + 1, t.constData(), t.size(), SQLITE_TRANSIENT);
        }
        if (rc != SQLITE_OK)
            throw DbError(engineText(db), rc);
    }
}

} // namespace

int ResultSet::columnIndex(const QString& name) const {
    for (int i = 0; i < columns_.size(); ++i)
        if (columns_[i].compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

int ResultSet::requireColumn(const QString& name) const {
    const int i = columnIndex(name);
    if (i < 0)
        throw DbError(QStringLiteral("Pole '%1' sa nenašlo.").arg(name));
    return i;
}

QString ResultSet::text(int row, int column) const {
    return valueText(value(row, column));
}
qint64 ResultSet::integer(int row, int column) const {
    return valueInteger(value(row, column));
}

QString valueText(const QVariant& v) {
    if (v.isNull())
        return {};
    if (v.typeId() == QMetaType::QByteArray)
        return QString::fromUtf8(v.toByteArray());
    return v.toString();
}

qint64 valueInteger(const QVariant& v) {
    if (v.isNull())
        return 0;
    if (v.typeId() == QMetaType::LongLong)
        return v.toLongLong();
    const QString t = valueText(v);
    bool ok = false;
    const qint64 n = t.trimmed().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie je platné celé číslo.").arg(t));
    return n;
}

QString sqlText(const QString& text) {
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

QString sqlAccountEquals(const QString& column, const QString& account) {
    return QStringLiteral("RTRIM(%1) = RTRIM(%2)").arg(column, sqlText(account));
}

QString sqlAccountsEqual(const QString& columnA, const QString& columnB) {
    return QStringLiteral("RTRIM(%1) = RTRIM(%2)").arg(columnA, columnB);
}

int kodChybyStroja(int code, const QString& engineText) {
    if ((code & 0xff) != SQLITE_ERROR)
        return code;
    // A failure inside a function (the export) comes back as a plain error carrying the
    // text of the real one.
    for (const int c : {SQLITE_FULL, SQLITE_CORRUPT, SQLITE_NOTADB, SQLITE_IOERR, SQLITE_READONLY,
                        SQLITE_CANTOPEN, SQLITE_NOMEM, SQLITE_BUSY, SQLITE_LOCKED, SQLITE_PERM})
        if (engineText.contains(QLatin1String(sqlite3_errstr(c))))
            return c;
    return code;
}

QString popisChybyStroja(int code, int systemError, const QString& engineText) {
    code = kodChybyStroja(code, engineText);
    if (code == SQLITE_READONLY_DBMOVED)
        return QStringLiteral("Súbor agendy bol počas práce zmazaný, premiestnený alebo "
                              "nahradený iným: zmeny sa doň nedajú zapísať.");
    switch (code & 0xff) {
    case SQLITE_FULL:
        return QStringLiteral("Na disku nie je dosť miesta, údaje sa nedali zapísať.");
    case SQLITE_READONLY:
    case SQLITE_PERM:
        return QStringLiteral("Agenda sa nedá zapísať: súbor alebo jeho priečinok je len na "
                              "čítanie.");
    case SQLITE_CORRUPT:
    case SQLITE_NOTADB:
        return QStringLiteral("Súbor je poškodený alebo to nie je agenda tohto programu.");
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return QStringLiteral("Agenda je zamknutá, práve ju používa iný program.");
    case SQLITE_CANTOPEN:
        return QStringLiteral("Súbor sa nedá otvoriť: ") +
               (systemError ? popisChybySystemu(systemError)
                            : QStringLiteral("súbor alebo priečinok neexistuje alebo k nemu nie "
                                             "je prístup."));
    case SQLITE_IOERR:
        if (systemError == ENOSPC || systemError == EDQUOT)
            return popisChybyStroja(SQLITE_FULL, 0, engineText);
        if (systemError == EROFS || systemError == EACCES || systemError == EPERM)
            return popisChybyStroja(SQLITE_READONLY, 0, engineText);
        return QStringLiteral("Disk sa nedá čítať alebo zapisovať (") + engineText +
               QStringLiteral(").");
    case SQLITE_NOMEM:
        return QStringLiteral("Programu nestačí pamäť.");
    default:
        if (engineText == QLatin1String(Pretecenie))
            return textPretecenia();
        return engineText;
    }
}

Connection::~Connection() {
    close();
}

void Connection::fail(const QString& context) const {
    const int code =
        db_ ? kodChybyStroja(sqlite3_extended_errcode(db_), engineText(db_)) : SQLITE_MISUSE;
    const QString engine =
        db_ ? popisChybyStroja(code, sqlite3_system_errno(db_), engineText(db_)) : engineText(db_);
    throw DbError(context.isEmpty() ? engine : context + QStringLiteral(": ") + engine,
                  code & 0xff);
}

void Connection::open(const QString& path, Mode mode, const QString& key) {
    close();
    if (mode != Mode::Create && !QFileInfo(path).isFile())
        throw DbError(QStringLiteral("Súbor %1 neexistuje.").arg(path));
    int flags = SQLITE_OPEN_NOMUTEX;
    switch (mode) {
    case Mode::ReadOnly:
        flags |= SQLITE_OPEN_READONLY;
        break;
    case Mode::ReadWrite:
        flags |= SQLITE_OPEN_READWRITE;
        break;
    case Mode::Create:
        flags |= SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE;
        break;
    }
    const QByteArray p = path.toUtf8();
    const int rc = sqlite3_open_v2(p.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK) {
        const QString text =
            popisChybyStroja(rc, db_ ? sqlite3_system_errno(db_) : 0, engineText(db_));
        sqlite3_close(db_);
        db_ = nullptr;
        throw DbError(text, rc & 0xff);
    }
    static std::atomic<quint64> opened{0};
    serial_ = ++opened;
    path_ = path;
    try {
        const QByteArray k = key.toUtf8();
        if (!k.isEmpty() && sqlite3_key(db_, k.constData(), k.size()) != SQLITE_OK)
            fail();
        // Files come from outside (backups, exams): no triggers, checked cells, no mmap.
        int unused = 0;
        sqlite3_db_config(db_, SQLITE_DBCONFIG_ENABLE_TRIGGER, 0, &unused);
        exec(QStringLiteral("PRAGMA cipher_compatibility = 3;"));
        exec(QStringLiteral("PRAGMA cell_size_check = ON;"));
        exec(QStringLiteral("PRAGMA mmap_size = 0;"));
        // Pages stay decrypted in memory: a large journal is decrypted once, not per query.
        // Setting it reads the schema, which fails under a wrong key; that failure is left
        // to the first statement, as without it.
        try {
            exec(QStringLiteral("PRAGMA cache_size = -65536;"));
        } catch (const DbError&) {
        }
        if (sqlite3_create_function_v2(db_, "SUCET", 1, SQLITE_UTF8 | SQLITE_DETERMINISTIC, nullptr,
                                       nullptr, sumStep, sumFinal, nullptr) != SQLITE_OK)
            fail();
        if (sqlite3_create_collation(db_, "SLOVENSKY", SQLITE_UTF8, nullptr, porovnatSlovensky) !=
            SQLITE_OK)
            fail();
        sqlite3_busy_timeout(db_, 2000);
    } catch (...) {
        close();
        throw;
    }
}

void Connection::close() {
    if (db_) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
    }
}

bool Connection::inTransaction() const {
    return db_ && sqlite3_get_autocommit(db_) == 0;
}

void Connection::exec(const QString& sql) {
    if (!db_)
        fail();
    const QByteArray text = sql.toUtf8();
    const char* tail = text.constData();
    const char* end = tail + text.size();
    while (tail < end) {
        Statement st;
        const char* next = nullptr;
        if (sqlite3_prepare_v2(db_, tail, static_cast<int>(end - tail), &st.s, &next) != SQLITE_OK)
            fail();
        tail = next;
        if (!st.s)
            continue; // whitespace or a comment
        int rc;
        while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE)
            fail();
    }
}

ResultSet Connection::query(const QString& sql, const QVariantList& params) {
    Statement st;
    if (!prepareOne(db_, sql, st))
        fail();
    ResultSet rs;
    if (!st.s)
        return rs;
    bind(db_, st.s, params);
    const int n = sqlite3_column_count(st.s);
    for (int i = 0; i < n; ++i)
        rs.columns_ << QString::fromUtf8(sqlite3_column_name(st.s, i));
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
        for (int i = 0; i < n; ++i) {
            switch (sqlite3_column_type(st.s, i)) {
            case SQLITE_INTEGER:
                rs.cells_.emplace_back(static_cast<qint64>(sqlite3_column_int64(st.s, i)));
                break;
            case SQLITE_NULL:
                rs.cells_.emplace_back();
                break;
            case SQLITE_BLOB: {
                const auto* b = static_cast<const char*>(sqlite3_column_blob(st.s, i));
                rs.cells_.emplace_back(QByteArray(b, sqlite3_column_bytes(st.s, i)));
                break;
            }
            default: { // text; a REAL is read in its text form too
                const auto* t = reinterpret_cast<const char*>(sqlite3_column_text(st.s, i));
                rs.cells_.emplace_back(QString::fromUtf8(t, sqlite3_column_bytes(st.s, i)));
                break;
            }
            }
        }
        ++rs.rows_;
    }
    if (rc != SQLITE_DONE)
        fail();
    return rs;
}

std::vector<qint64> Connection::integers(const QString& sql) {
    Statement st;
    if (!prepareOne(db_, sql, st))
        fail();
    std::vector<qint64> values;
    if (!st.s || sqlite3_column_count(st.s) == 0)
        return values;
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW)
        values.push_back(sqlite3_column_int64(st.s, 0));
    if (rc != SQLITE_DONE)
        fail();
    return values;
}

int Connection::execBound(const QString& sql, const QVariantList& params) {
    Statement st;
    if (!prepareOne(db_, sql, st))
        fail();
    if (!st.s)
        return 0;
    bind(db_, st.s, params);
    int rc;
    while ((rc = sqlite3_step(st.s)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        fail();
    return sqlite3_changes(db_);
}

Transaction::Transaction(Connection& c) : c_(c) {
    c_.exec(QStringLiteral("BEGIN IMMEDIATE;"));
}

Transaction::~Transaction() {
    if (!done_ && c_.isOpen()) {
        try {
            c_.exec(QStringLiteral("ROLLBACK;"));
        } catch (const DbError&) {
            // the engine may have rolled back already after the failing statement
        }
    }
}

void Transaction::commit() {
    c_.exec(QStringLiteral("COMMIT;"));
    done_ = true;
}

} // namespace saldovia
