#pragma once

#include "store/Connection.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

// Shared pieces of the benchmarks: timing, output, memory, and the large agendas they run on.
//
// Every figure is printed beside an anchor measured in the same run (the bare key
// derivation, the bare GROUP BY, the bare statements behind a window), as a ratio: on a
// loaded machine the milliseconds drift, the ratios much less. A benchmark never fails on
// time. Lines that start with "#T|" are the figures for the table of bench/table.sh.
namespace bench {

inline double msSince(const QElapsedTimer& t) {
    return t.nsecsElapsed() / 1e6;
}

inline void report(const char* what, double ms) {
    std::printf("%-48s %9.1f ms\n", what, ms);
}

// A figure beside its anchor: "what  812.3 ms  1.08 x anchor (752.1 ms)".
inline void ratio(const char* what, double ms, const char* anchor, double anchorMs) {
    const double r = anchorMs > 0 ? ms / anchorMs : 0;
    std::printf("%-48s %9.1f ms %7.2f x %s (%.1f ms)\n", what, ms, r, anchor, anchorMs);
    std::printf("#T|%s|%s|%.1f ms|%.2f\n", what, anchor, ms, r);
    std::fflush(stdout);
}

// A figure without an anchor (memory, sizes), for the table as well.
inline void figure(const char* what, double value, const char* unit) {
    std::printf("%-48s %9.1f %s\n", what, value, unit);
    std::printf("#T|%s||%.1f %s|\n", what, value, unit);
    std::fflush(stdout);
}

// A field of /proc/self/status in megabytes: "VmRSS" resident now, "VmHWM" its peak.
inline double statusMb(const char* field) {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray& line : f.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(key.size()).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

inline int linesArgument(int argc, char** argv, int fallback) {
    for (int i = 1; i < argc; ++i)
        if (const int n = std::atoi(argv[i]); n > 0)
            return n;
    return fallback;
}

// A writable copy of the prepared agenda, named Data.mdb, in the given folder.
inline QString copyPreparedAgenda(const QTemporaryDir& dir) {
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    QFile::copy(QStringLiteral(PREPARED_AGENDA), path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    return path;
}

// Fills the journal of an open agenda with `lines` postings of a small trading company in
// one statement: 99 internal documents, every third line free, 22 pairs of accounts.
inline void fillJournal(saldovia::Connection& c, int lines) {
    saldovia::Transaction tr(c);
    c.exec(QStringLiteral(
        "UPDATE AgendaNastavenie SET UctovnyRok = '2024', NazovFirmy = 'Šťastný & Čierny, s. "
        "r. o.', SidloUlica = 'Hviezdoslavovo námestie 17', SidloPSC = '81102', SidloMesto = "
        "'Bratislava', SidloStat = 'Slovenská republika', ICO = '35741852', DIC = '2021456789', "
        "ICDPH = 'SK2021456789', MenoUzivatela = 'Ľubomíra Ďurčová';"));
    c.exec(
        QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE "
                       "i < 99) INSERT INTO Doklady (Druh, Cislo, Datum, Popis, Logo) SELECT "
                       "'ID', printf('ID24%02d', i), '15.03.2024', 'Interný doklad', 0 FROM n;"));
    c.execBound(
        QStringLiteral(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < ?), "
            "p(k, md, dal, popis) AS (VALUES (0, '112', '321', 'Príjem materiálu na sklad'), "
            "(1, '343', '321', 'DPH na vstupe'), (2, '501', '112', 'Spotreba materiálu'), "
            "(3, '132', '321', 'Nákup tovaru'), (4, '504', '132', 'Predaný tovar'), "
            "(5, '311', '604', 'Tržba za tovar'), (6, '311', '602', 'Faktúra za služby'), "
            "(7, '311', '343', 'DPH na výstupe'), (8, '221', '311', 'Úhrada od odberateľa'), "
            "(9, '321', '221', 'Úhrada dodávateľovi'), "
            "(10, '211', '221', 'Výber hotovosti z bankového účtu do pokladnice'), "
            "(11, '518', '211', 'Poštovné a telefón'), (12, '512', '211', 'Cestovné náhrady'), "
            "(13, '521', '331', 'Mzdy za mesiac'), (14, '524', '336', 'Odvody zamestnávateľa'), "
            "(15, '331', '221', 'Výplata miezd'), (16, '336', '221', 'Úhrada poistného'), "
            "(17, '042', '321', 'Obstaranie počítača'), "
            "(18, '022', '042', 'Zaradenie do používania'), (19, '551', '082', 'Odpisy'), "
            "(20, '568', '221', 'Bankové poplatky'), (21, '221', '662', 'Úroky z účtu')) "
            "INSERT INTO UctovnyDennik (Riadok, Datum, Doklad, Ciastka, Mena, Kurz, Suma, Popis, "
            "MaDat, Dal) SELECT i, printf('%02d.%02d.2024', i % 28 + 1, i * 12 / (? + 1) + 1), "
            "CASE WHEN i % 3 = 0 THEN '' ELSE printf('ID24%02d', i % 99 + 1) END, "
            "printf('%d,%02d', i * 37 % 2000 + 5, i * 13 % 100), 'EUR', '1,000', "
            "printf('%d,%02d', i * 37 % 2000 + 5, i * 13 % 100), "
            "CASE WHEN i % 5 = 0 THEN p.popis || ', dodávateľ Žilinská strojárenská "
            "spoločnosť, a. s., podľa zmluvy č. ' || i ELSE p.popis END, "
            "substr(p.md || '     ', 1, 5), substr(p.dal || '     ', 1, 5) "
            "FROM n JOIN p ON p.k = n.i % 22;"),
        {lines, lines});
    tr.commit();
}

// A writable copy, named Data.mdb in `dir`, of an agenda with `lines` journal lines. The
// agendas are built once and kept under the build folder (bench-agendas/), so that the
// large ones cost their building only on the first run.
inline QString agendaWithJournal(const QTemporaryDir& dir, int lines) {
    const QString cache = QStringLiteral(BENCH_AGENDAS);
    QDir().mkpath(cache);
    const QString kept = cache + QStringLiteral("/journal-v1-%1.mdb").arg(lines);
    const QFileInfo prepared(QStringLiteral(PREPARED_AGENDA));
    if (!QFileInfo::exists(kept) || QFileInfo(kept).lastModified() < prepared.lastModified()) {
        QElapsedTimer t;
        t.start();
        const QString temp = kept + QStringLiteral(".tmp");
        QFile::remove(temp);
        QFile::copy(prepared.filePath(), temp);
        QFile::setPermissions(temp, QFile::ReadOwner | QFile::WriteOwner);
        {
            saldovia::Connection c;
            c.open(temp);
            fillJournal(c, lines);
        }
        QFile::remove(kept);
        QFile::rename(temp, kept);
        report("build the agenda (kept for later runs)", msSince(t));
    }
    const QString path = dir.filePath(QStringLiteral("Data.mdb"));
    QFile::copy(kept, path);
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
    std::printf("agenda with %d journal lines, %.1f MB\n", lines,
                QFileInfo(path).size() / (1024.0 * 1024.0));
    return path;
}

} // namespace bench
