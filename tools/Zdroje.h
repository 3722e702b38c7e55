#pragma once

// Reading the text sources of the agenda files built by mkagenda.

#include <QFile>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace saldovia::zdroje {

[[noreturn]] inline void die(const QString& text) {
    std::fprintf(stderr, "mkagenda: %s\n", qPrintable(text));
    std::exit(1);
}

inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        die(QStringLiteral("%1: %2").arg(path, f.errorString()));
    return f.readAll();
}

inline QString readAll(const QString& path) {
    return QString::fromUtf8(readBytes(path));
}

// A line of a source file and where it stands, for messages.
struct Riadok {
    QStringList polia;
    QString kde; // "file:line"
};

// Rows of a ';'-separated file with a header line. Blank lines and lines starting with '#'
// are skipped. Every row must have between minFields and maxFields fields (maxFields 0: as
// many as minFields); no field may be padded, and unless emptyAllowed none may be empty.
inline QList<Riadok> readRows(const QString& path, int minFields, int maxFields = 0,
                              bool emptyAllowed = false) {
    if (maxFields == 0)
        maxFields = minFields;
    QList<Riadok> rows;
    const QStringList lines = readAll(path).split(u'\n');
    for (int i = 1; i < lines.size(); ++i) {
        QString line = lines[i];
        if (line.endsWith(u'\r'))
            line.chop(1);
        if (line.trimmed().isEmpty() || line.startsWith(u'#'))
            continue;
        const QString kde = QStringLiteral("%1:%2").arg(path, QString::number(i + 1));
        const QStringList row = line.split(u';');
        if (row.size() < minFields || row.size() > maxFields)
            die(QStringLiteral("%1: expected %2 to %3 fields")
                    .arg(kde, QString::number(minFields), QString::number(maxFields)));
        for (const QString& f : row)
            if ((!emptyAllowed && f.isEmpty()) || f != f.trimmed())
                die(QStringLiteral("%1: empty or padded field").arg(kde));
        rows << Riadok{row, kde};
    }
    return rows;
}

// The rows' fields only.
inline QList<QStringList> readCsv(const QString& path, int fields) {
    QList<QStringList> out;
    for (const Riadok& r : readRows(path, fields))
        out << r.polia;
    return out;
}

} // namespace saldovia::zdroje
