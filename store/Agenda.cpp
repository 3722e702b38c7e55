#include "Agenda.h"

#include "Connection.h"
#include "SchemaSql.h"
#include "Subory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace saldovia {

QString agendaSchemaSql() {
    return QString::fromUtf8(kSchemaSql);
}

QString tabulkaZnizenychSadziebSql() {
    return QStringLiteral("CREATE TABLE AgendaSadzbyDPH (\n    Poradie INTEGER PRIMARY KEY,\n    "
                          "Sadzba TEXT DEFAULT ''\n);");
}

QString normalizedSql(const QString& sql) {
    QString out;
    out.reserve(sql.size());
    QChar quote;      // the closing character while inside a quoted part
    bool gap = false; // white space seen outside quotes since the last character
    for (const QChar ch : sql) {
        if (!quote.isNull()) {
            out += ch;
            if (ch == quote)
                quote = QChar();
            continue;
        }
        if (ch.isSpace()) {
            gap = true;
            continue;
        }
        if (gap && !out.isEmpty())
            out += u' ';
        gap = false;
        out += ch;
        if (ch == u'\'' || ch == u'"' || ch == u'`')
            quote = ch;
        else if (ch == u'[')
            quote = u']';
    }
    return out;
}

QStringList describeSchema(Connection& c) {
    QStringList lines;
    const ResultSet master = c.query(QStringLiteral(
        "SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name, tbl_name;"));
    for (int r = 0; r < master.rowCount(); ++r) {
        const QString type = master.text(r, 0);
        const QString name = master.text(r, 1);
        // The statement itself carries what the column and index lists below do not:
        // UNIQUE, partial indexes, CHECK, COLLATE, defaults, WITHOUT ROWID.
        const QVariant& sql = master.value(r, 3);
        QString line = type + u'|' + name + u'|' + master.text(r, 2) + u'|' +
                       (sql.isNull() ? QStringLiteral("NULL") : normalizedSql(valueText(sql)));
        if (type == QLatin1String("table") || type == QLatin1String("index")) {
            const ResultSet info =
                c.query(QStringLiteral("PRAGMA %1_info(%2);")
                            .arg(type == QLatin1String("table") ? QStringLiteral("table")
                                                                : QStringLiteral("index"),
                                 sqlText(name)));
            for (int i = 0; i < info.rowCount(); ++i) {
                QStringList parts;
                for (int k = 0; k < info.columnCount(); ++k)
                    parts << info.text(i, k);
                line += u'|' + parts.join(u' ');
            }
        }
        lines << line;
    }
    return lines;
}

namespace {

// The schema of the agenda, without and with the table of reduced VAT rates.
const QStringList& referenceSchema(bool sadzby) {
    auto popis = [](bool s) {
        Connection memory;
        memory.open(QStringLiteral(":memory:"), Connection::Mode::Create);
        memory.exec(agendaSchemaSql());
        if (s)
            memory.exec(tabulkaZnizenychSadziebSql());
        return describeSchema(memory);
    };
    static const QStringList bez = popis(false), so = popis(true);
    return sadzby ? so : bez;
}

std::vector<std::pair<QString, qint64>> tableCounts(Connection& c) {
    std::vector<std::pair<QString, qint64>> counts;
    const ResultSet tables = c.query(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;"));
    for (int r = 0; r < tables.rowCount(); ++r) {
        const QString name = tables.text(r, 0);
        const ResultSet n = c.query(QStringLiteral("SELECT COUNT(*) FROM \"%1\";")
                                        .arg(QString(name).replace(u'"', "\"\"")));
        counts.emplace_back(name, n.integer(0, 0));
    }
    return counts;
}

QString cesta(const QString& path) {
    return QDir::toNativeSeparators(path);
}

// "Data.mdb" -> "Data.~mdb": the name of the copy that closing writes.
QString menoKopie(const QString& agenda) {
    return agenda.left(agenda.size() - 4) + QStringLiteral(".~mdb");
}

} // namespace

bool maSchemuAgendy(Connection& c) {
    const QStringList schema = describeSchema(c);
    return schema == referenceSchema(false) || schema == referenceSchema(true);
}

bool jeAgenda(Connection& c, std::vector<qint64>* riadkyDennika) {
    try {
        const ResultSet check = c.query(QStringLiteral("PRAGMA quick_check;"));
        if (check.rowCount() != 1 || check.text(0, 0) != QLatin1String("ok"))
            return false;
        if (!maSchemuAgendy(c))
            return false;
        // The integrity check walks the pages but does not decode the rows: a damaged row
        // would fail only when a window or the compaction reads it. Every value is read once.
        const ResultSet tables = c.query(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;"));
        for (int r = 0; r < tables.rowCount(); ++r) {
            const QString table = tables.text(r, 0);
            const QString all = QStringLiteral("SELECT * FROM %1;").arg(table);
            // The journal's pass yields its row numbers (the first column) on the way.
            if (riadkyDennika && table == QLatin1String("UctovnyDennik"))
                *riadkyDennika = c.integers(all);
            else
                c.exec(all);
        }
        const ResultSet version =
            c.query(QStringLiteral("SELECT Verzia FROM AgendaNastavenie ORDER BY rowid LIMIT 1;"));
        const QString verzia = version.rowCount() > 0 ? version.text(0, 0) : QString();
        return verzia == VerziaProgramu;
    } catch (const std::exception&) {
        return false;
    }
}

bool kontrolaDatabazy(const QString& path) {
    try {
        if (!QFileInfo(path).isFile())
            return false;
        Connection c;
        c.open(path, Connection::Mode::ReadWrite);
        return jeAgenda(c);
    } catch (const std::exception&) {
        return false;
    }
}

FileResult renameOver(const QString& source, const QString& target) {
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0)
        return {false, QStringLiteral("Súbor sa nedá premenovať na %1: %2")
                           .arg(cesta(target), popisChybySystemu(errno))};
    zapisatNaDisk(QFileInfo(target).absolutePath(), true);
    return {true, {}};
}

FileResult compactDatabase(const QString& source, const QString& destination) {
    if (!QFileInfo(source).isFile())
        return {false, QStringLiteral("Súbor %1 neexistuje.").arg(cesta(source))};
    odstranitStareKopie(destination);
    DocasnySubor temp(destination);
    if (!temp.ok())
        return {false, temp.chyba()};
    auto fail = [&](const QString& text) {
        temp.odstranit();
        return FileResult{false, text};
    };
    try {
        std::vector<std::pair<QString, qint64>> counts;
        {
            Connection src;
            // created on ATTACH: the connection must be allowed to create files
            src.open(source, Connection::Mode::Create);
            counts = tableCounts(src);
            src.execBound(QStringLiteral("ATTACH DATABASE ? AS kopia KEY ?;"),
                          {temp.cesta(), Heslo});
            // The copy is new and is thrown away if anything fails: it needs no journal
            // file, and one transaction writes it with one flush instead of one per table.
            src.exec(QStringLiteral("PRAGMA kopia.journal_mode = MEMORY;"));
            {
                Transaction t(src);
                src.exec(QStringLiteral("SELECT sqlcipher_export('kopia');"));
                t.commit();
            }
            src.exec(QStringLiteral("DETACH DATABASE kopia;"));
        }
        if (!kontrolaDatabazy(temp.cesta()))
            return fail(QStringLiteral("Kópia databázy nie je v poriadku."));
        {
            Connection copy;
            copy.open(temp.cesta(), Connection::Mode::ReadOnly);
            if (tableCounts(copy) != counts)
                return fail(QStringLiteral("Kópia databázy neobsahuje všetky údaje."));
        }
        if (::fsync(temp.fd()) != 0)
            return fail(QStringLiteral("Súbor %1 sa nedá zapísať na disk: %2")
                            .arg(cesta(destination), popisChybySystemu(errno)));
    } catch (const DbError& e) {
        return fail(e.text());
    }
    const FileResult moved = renameOver(temp.cesta(), destination);
    if (moved)
        temp.prevzaty();
    return moved;
}

FileResult replaceFileWith(const QString& source, const QString& target) {
    const QByteArray from = QFile::encodeName(source);
    const int in = ::open(from.constData(), O_RDONLY | O_CLOEXEC);
    if (in < 0)
        return {false, QStringLiteral("Súbor %1 sa nedá otvoriť: %2")
                           .arg(cesta(source), popisChybySystemu(errno))};
    struct Zavriet {
        int fd;
        ~Zavriet() { ::close(fd); }
    } zavriet{in};
    odstranitStareKopie(target);
    DocasnySubor temp(target);
    if (!temp.ok())
        return {false, temp.chyba()};
    // The cause is taken from errno at once, before anything else can change it.
    auto cantWrite = [&](int cislo) {
        temp.odstranit();
        return FileResult{false, QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                                     .arg(cesta(target), popisChybySystemu(cislo))};
    };
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const ssize_t n = ::read(in, buffer.data(), buffer.size());
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int cislo = errno;
            temp.odstranit();
            return {false, QStringLiteral("Súbor %1 sa nedá prečítať: %2")
                               .arg(cesta(source), popisChybySystemu(cislo))};
        }
        if (n == 0)
            break;
        for (ssize_t done = 0; done < n;) {
            const ssize_t w = ::write(temp.fd(), buffer.data() + done, n - done);
            if (w < 0) {
                if (errno == EINTR)
                    continue;
                return cantWrite(errno);
            }
            done += w;
        }
    }
    if (::fsync(temp.fd()) != 0)
        return cantWrite(errno);
    const FileResult moved = renameOver(temp.cesta(), target);
    if (moved)
        temp.prevzaty();
    return moved;
}

FileResult zhutnitAgendu(const QString& agenda) {
    const QString kopia = menoKopie(agenda);
    FileResult r = compactDatabase(agenda, kopia);
    if (r)
        r = renameOver(kopia, agenda);
    if (!r)
        QFile::remove(kopia);
    return r;
}

void upratatPriecinokAgendy(const QString& agenda) {
    const QString kopia = menoKopie(agenda);
    odstranitStareKopie(kopia);
    odstranitStareKopie(agenda);
    // A copy that an interrupted close finished but did not move: the agenda beside it is
    // whole (it is replaced only by a rename), so the copy is not needed.
    if (QFileInfo::exists(agenda))
        QFile::remove(kopia);
}

} // namespace saldovia
