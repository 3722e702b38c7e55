// libFuzzer target: the acceptance check of agenda files over mutated files. The first byte
// chooses how the rest is opened: 'P' as an unencrypted file (the engine's file parsing is
// reached at once), anything else with the program's key (as backups and exam files are).
// The check must answer without crashing; an accepted file must be readable to the end.

#include "store/Agenda.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir* priecinok = nullptr;

void zapisat(const QString& path, const char* data, std::size_t size) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        f.write(data, static_cast<qint64>(size)) != static_cast<qint64>(size)) {
        std::fprintf(stderr, "súbor sa nedá zapísať\n");
        std::abort();
    }
}

// Every row of every table, as the windows would read them.
void precitatVsetko(saldovia::Connection& c) {
    const saldovia::ResultSet tabulky = c.query(
        QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name;"));
    for (int t = 0; t < tabulky.rowCount(); ++t)
        c.query(QStringLiteral("SELECT * FROM %1;").arg(tabulky.text(t, 0)));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static int argc = 1;
    static char name[] = "fuzz_agenda";
    static char* argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    priecinok = new QTemporaryDir;
    return priecinok->isValid() ? 0 : 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace saldovia;
    if (size == 0)
        return 0;
    const bool sifrovany = data[0] != 'P';
    const QString path = priecinok->filePath(QStringLiteral("Data.mdb"));
    QFile::remove(path + QStringLiteral("-journal"));
    zapisat(path, reinterpret_cast<const char*>(data) + 1, size - 1);
    bool prijaty = false;
    try {
        Connection c;
        if (sifrovany) {
            prijaty = kontrolaDatabazy(path);
            if (!prijaty)
                return 0;
            c.open(path, Connection::Mode::ReadWrite);
        } else {
            c.open(path, Connection::Mode::ReadWrite, QString());
            prijaty = jeAgenda(c);
            if (!prijaty)
                return 0;
        }
        precitatVsetko(c);
    } catch (const DbError& e) {
        if (prijaty) {
            std::fprintf(stderr, "prijatý súbor sa nedá prečítať: %s\n", e.what());
            std::abort();
        }
    }
    return 0;
}
