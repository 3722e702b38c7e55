// Times the results of a whole class: the reference read from the generated exam file, and
// every student's file scored read-only against it (account assignments, computed amounts,
// general ledger), as the class window does it.
//
// bench_trieda [FILES] [LINES]   (default 30 files of 400 journal lines)

#include "Bench.h"
#include "exam/Hodnotenietriedy.h"
#include "ledger/Obraty.h"
#include "store/Store.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>
#include <sys/resource.h>

using namespace saldovia;

namespace {

const char* const Ucty[][2] = {
    {"112  ", "321  "}, {"343  ", "321  "}, {"501  ", "112  "}, {"132  ", "321  "},
    {"504  ", "132  "}, {"311  ", "604  "}, {"311  ", "602  "}, {"311  ", "343  "},
    {"221  ", "311  "}, {"321  ", "221  "}, {"211  ", "221  "}, {"518  ", "211  "},
    {"512  ", "211  "}, {"521  ", "331  "}, {"524  ", "336  "}, {"331  ", "221  "},
};

// The exam file as the generation leaves it: the journal without accounts, every tenth row's
// amount zeroed, the samples and the duration.
QString vygenerovat(const QTemporaryDir& dir, int riadky) {
    const QString cesta = bench::copyPreparedAgenda(dir);
    Store store;
    store.connectAgenda(cesta);
    {
        Transaction t(store.connection());
        for (int i = 1; i <= riadky; ++i) {
            const auto& u = Ucty[i % std::size(Ucty)];
            store.connection().execBound(
                QStringLiteral("INSERT INTO UctovnyDennik VALUES (?, '05.01.2006', ?, ?, 'SKK', "
                               "'1,000', ?, 'Prípad', ?, ?);"),
                {i, QStringLiteral("ID%1").arg(i),
                 QStringLiteral("%1,%2").arg(100 + i).arg(i % 100, 2, 10, QChar(u'0')),
                 QStringLiteral("%1,%2").arg(100 + i).arg(i % 100, 2, 10, QChar(u'0')),
                 QString::fromLatin1(u[0]), QString::fromLatin1(u[1])});
        }
        store.SQL(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SkuskaDlzka = "
                                 "'2:00:00';"));
        store.SQL(QStringLiteral(
            "INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM UctovnyDennik;"));
        hlavnakniha::vytvorit(store);
        hlavnakniha::ulozitVzor(store);
        store.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
        store.SQL(
            QStringLiteral("UPDATE UctovnyDennikVzor SET Vypocty = 1 WHERE Riadok % 10 = 0;"));
        store.SQL(QStringLiteral(
            "UPDATE UctovnyDennik SET Ciastka = '0,00', Suma = '0,00' WHERE Riadok % 10 = 0;"));
        store.SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '', Dal = '';"));
        t.commit();
    }
    return cesta;
}

// A student's file: the work done, with a mistake every seventh row.
void odovzdat(const QString& skuska, const QString& cesta, int student) {
    QFile::copy(skuska, cesta);
    QFile::setPermissions(cesta, QFile::ReadOwner | QFile::WriteOwner);
    Connection c;
    c.open(cesta);
    c.exec(QStringLiteral(
               "UPDATE UctovnyDennik SET MaDat = (SELECT MaDat FROM UctovnyDennikVzor v WHERE "
               "v.Riadok = UctovnyDennik.Riadok), Dal = (SELECT Dal FROM UctovnyDennikVzor v "
               "WHERE v.Riadok = UctovnyDennik.Riadok), Suma = (SELECT Suma FROM "
               "UctovnyDennikVzor v WHERE v.Riadok = UctovnyDennik.Riadok);"
               "UPDATE UctovnyDennik SET Dal = '395  ' WHERE (Riadok + %1) % 7 = 0;"
               "UPDATE AgendaNastavenie SET MenoUzivatela = 'Študent %1', SkuskaZaciatok = "
               "'09.12.2026 08:00:%2', SkuskaKoniec = '09.12.2026 09:40:00', SkuskaZostatok = "
               "'0:00:00';")
               .arg(student)
               .arg(student % 60, 2, 10, QChar(u'0')));
}

// Processor time of the whole process (every thread), in milliseconds: on a machine that
// others share it says what the work costs when the wall clock cannot.
double cpuMs() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    return (r.ru_utime.tv_sec + r.ru_stime.tv_sec) * 1e3 +
           (r.ru_utime.tv_usec + r.ru_stime.tv_usec) / 1e3;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int subory = args.size() > 1 ? args[1].toInt() : 30;
    const int riadky = args.size() > 2 ? args[2].toInt() : 400;

    QTemporaryDir dir;
    QTemporaryDir trieda;
    QElapsedTimer t;
    t.start();
    const QString skuska = vygenerovat(dir, riadky);
    QStringList cesty;
    for (int i = 1; i <= subory; ++i) {
        cesty << trieda.filePath(QStringLiteral("Student%1.mdb").arg(i, 2, 10, QChar(u'0')));
        odovzdat(skuska, cesty.constLast(), i);
    }
    std::printf("class of %d files, %d journal lines each (prepared in %.0f ms)\n", subory, riadky,
                bench::msSince(t));

    t.restart();
    const trieda::Vzor vzor = trieda::nacitatVzor(skuska);
    bench::report("reference read", bench::msSince(t));

    t.restart();
    const double cpu = cpuMs();
    const QList<trieda::Vysledok> v = trieda::vyhodnotit(cesty, vzor);
    const double ms = bench::msSince(t);
    bench::report("class scored (all files)", ms);
    bench::report("  processor time, all threads", cpuMs() - cpu);
    bench::report("per file", ms / std::max(1, subory));

    t.restart();
    trieda::vyhodnotitSubor(cesty.constFirst(), vzor);
    bench::report("one file again", bench::msSince(t));

    // Where a file's time goes: opening it with the key, then the checks and the samples.
    t.restart();
    const double cpuKluc = cpuMs();
    for (const QString& c : cesty) {
        Connection k;
        k.open(c, Connection::Mode::ReadOnly);
        k.query(QStringLiteral("SELECT Count(*) FROM sqlite_master;"));
    }
    bench::report("keyed open of every file, one by one", bench::msSince(t));
    bench::report("  processor time", cpuMs() - cpuKluc);
    t.restart();
    for (const QString& c : cesty) {
        Store s;
        trieda::otvorit(s, c, vzor);
    }
    bench::report("open, check and samples of every file", bench::msSince(t));

    int dokoncene = 0;
    for (const trieda::Vysledok& r : v)
        dokoncene += r.stav == trieda::Stav::Dokoncena;
    std::printf("workers: %d; ", QThread::idealThreadCount());
    std::printf("finished: %d of %d; first: %s, %s, %s\n", dokoncene, static_cast<int>(v.size()),
                qPrintable(trieda::text(v.constFirst(), trieda::sPredkontacie, vzor.dlzka)),
                qPrintable(trieda::text(v.constFirst(), trieda::sVypocty, vzor.dlzka)),
                qPrintable(trieda::text(v.constFirst(), trieda::sHlavnaKnihaPercento, vzor.dlzka)));
    return dokoncene == subory ? 0 : 1;
}
