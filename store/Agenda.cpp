#include "Agenda.h"

#include "Connection.h"
#include "SchemaSql.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace saldovia {

QString agendaSchemaSql() {
    return QString::fromUtf8(kSchemaSql);
}

QStringList describeSchema(Connection& c) {
    QStringList lines;
    const ResultSet master = c.query(
        QStringLiteral("SELECT type, name, tbl_name, sql FROM sqlite_master ORDER BY type, name;"));
    for (int r = 0; r < master.rowCount(); ++r) {
        const QString type = master.text(r, 0);
        const QString name = master.text(r, 1);
        QString line = type + u'|' + name + u'|' + master.text(r, 2);
        const QString sql = master.text(r, 3);
        if (sql.startsWith(QLatin1String("CREATE VIRTUAL"), Qt::CaseInsensitive))
            line += QStringLiteral("|virtual");
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

const QStringList& referenceSchema() {
    static const QStringList reference = [] {
        Connection memory;
        memory.open(QStringLiteral(":memory:"), Connection::Mode::Create);
        memory.exec(agendaSchemaSql());
        return describeSchema(memory);
    }();
    return reference;
}

QString osError(const QString& what, const QString& path) {
    return QStringLiteral("%1 %2: %3")
        .arg(what, QDir::toNativeSeparators(path), QString::fromLocal8Bit(std::strerror(errno)));
}

bool syncPath(const QString& path, bool directory) {
    const QByteArray p = QFile::encodeName(path);
    const int fd = ::open(p.constData(), directory ? O_RDONLY | O_DIRECTORY : O_RDWR);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString siblingTempName(const QString& target) {
    const QFileInfo fi(target);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName() +
           QStringLiteral(".%1.tmp").arg(QRandomGenerator::global()->generate(), 8, 16,
                                         QChar(u'0'));
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

} // namespace

bool maSchemuAgendy(Connection& c) {
    return describeSchema(c) == referenceSchema();
}

bool kontrolaDatabazy(Connection& c) {
    try {
        const ResultSet check = c.query(QStringLiteral("PRAGMA quick_check;"));
        if (check.rowCount() != 1 || check.text(0, 0) != QLatin1String("ok"))
            return false;
        if (!maSchemuAgendy(c))
            return false;
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
        return kontrolaDatabazy(c);
    } catch (const std::exception&) {
        return false;
    }
}

FileResult renameOver(const QString& source, const QString& target) {
    const QByteArray from = QFile::encodeName(source);
    const QByteArray to = QFile::encodeName(target);
    if (std::rename(from.constData(), to.constData()) != 0)
        return {false, osError(QStringLiteral("Súbor sa nedá premenovať na"), target)};
    syncPath(QFileInfo(target).absolutePath(), true);
    return {true, {}};
}

FileResult compactDatabase(const QString& source, const QString& destination) {
    if (!QFileInfo(source).isFile())
        return {false,
                QStringLiteral("Súbor %1 neexistuje.").arg(QDir::toNativeSeparators(source))};
    const QString temp = siblingTempName(destination);
    auto fail = [&](const QString& text) {
        QFile::remove(temp);
        return FileResult{false, text};
    };
    try {
        std::vector<std::pair<QString, qint64>> counts;
        {
            Connection src;
            // created on ATTACH: the connection must be allowed to create files
            src.open(source, Connection::Mode::Create);
            counts = tableCounts(src);
            src.execBound(QStringLiteral("ATTACH DATABASE ? AS kopia KEY ?;"), {temp, Heslo});
            src.exec(QStringLiteral("SELECT sqlcipher_export('kopia');"));
            src.exec(QStringLiteral("DETACH DATABASE kopia;"));
        }
        if (!kontrolaDatabazy(temp))
            return fail(QStringLiteral("Kópia databázy nie je v poriadku."));
        {
            Connection copy;
            copy.open(temp, Connection::Mode::ReadOnly);
            if (tableCounts(copy) != counts)
                return fail(QStringLiteral("Kópia databázy neobsahuje všetky údaje."));
        }
        if (!syncPath(temp, false))
            return fail(osError(QStringLiteral("Súbor sa nedá zapísať na disk:"), temp));
    } catch (const DbError& e) {
        return fail(e.text());
    }
    const FileResult moved = renameOver(temp, destination);
    if (!moved)
        QFile::remove(temp);
    return moved;
}

FileResult replaceFileWith(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("Súbor %1 sa nedá otvoriť: %2")
                           .arg(QDir::toNativeSeparators(source), in.errorString())};
    QSaveFile out(target);
    if (!out.open(QIODevice::WriteOnly))
        return {false, QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                           .arg(QDir::toNativeSeparators(target), out.errorString())};
    char buffer[1 << 16];
    for (;;) {
        const qint64 n = in.read(buffer, sizeof buffer);
        if (n < 0)
            return {false, QStringLiteral("Súbor %1 sa nedá prečítať: %2")
                               .arg(QDir::toNativeSeparators(source), in.errorString())};
        if (n == 0)
            break;
        if (out.write(buffer, n) != n) {
            out.cancelWriting();
            return {false, QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                               .arg(QDir::toNativeSeparators(target), out.errorString())};
        }
    }
    if (!out.commit())
        return {false, QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                           .arg(QDir::toNativeSeparators(target), out.errorString())};
    return {true, {}};
}

} // namespace saldovia
