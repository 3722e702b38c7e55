#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>

// Shared pieces of the benchmarks: timing, one line of output, a fresh agenda.
namespace bench {

inline double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

inline void report(const char* what, double ms) {
    std::printf("%-48s %9.1f ms\n", what, ms);
}

// A writable copy of the prepared agenda, named Data.mdb, in the given folder.
inline QString copyPreparedAgenda(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    QFile::copy(QStringLiteral(PREPARED_AGENDA), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

} // namespace bench
