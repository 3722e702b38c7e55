// Builds the prepared agenda file from the text sources in data/: the schema, the
// chart of accounts, the kinds of chart entries and the document kinds. With --ukazka it
// builds the demo agenda and its exam file from the prepared agenda and the sources in
// data/ukazka/ (Ukazka.cpp).
//
// mkagenda OUTPUT SCHEMA.sql OSNOVA.csv DRUHY.csv PRISPOSOBENIE.csv
// mkagenda --ukazka PREPARED SOURCES OUTPUT EXAM [CLOSED]

#include "Ukazka.h"
#include "Zdroje.h"
#include "edits/DruhyDokladov.h"
#include "store/Agenda.h"
#include "store/Connection.h"

#include <QCoreApplication>
#include <QFile>
#include <QSet>

using namespace saldovia;

namespace {

using zdroje::die;
using zdroje::readAll;
using zdroje::readCsv;

void requireUnique(const QList<QStringList>& rows, int column, const QString& what) {
    QSet<QString> seen;
    for (const QStringList& r : rows) {
        if (seen.contains(r[column]))
            die(QStringLiteral("duplicate %1: %2").arg(what, r[column]));
        seen.insert(r[column]);
    }
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() > 1 && args[1] == QLatin1String("--ukazka")) {
        if (args.size() != 6 && args.size() != 7)
            die(QStringLiteral("usage: mkagenda --ukazka PREPARED SOURCES OUTPUT EXAM [CLOSED]"));
        vytvoritUkazku(args[2], args[3], args[4], args[5], args.value(6));
        return 0;
    }
    if (args.size() != 6)
        die(QStringLiteral("usage: mkagenda OUTPUT SCHEMA OSNOVA DRUHY PRISPOSOBENIE"));
    const QString output = args[1];

    const auto druhy = readCsv(args[4], 2);
    requireUnique(druhy, 0, QStringLiteral("kind code"));
    requireUnique(druhy, 1, QStringLiteral("kind name"));
    QSet<QString> kodyDruhov;
    for (const auto& d : druhy)
        kodyDruhov.insert(d[0]);
    for (const char* required : {"UT", "US"})
        if (!kodyDruhov.contains(QString::fromLatin1(required)))
            die(QStringLiteral("kind %1 missing").arg(QString::fromLatin1(required)));

    const auto osnova = readCsv(args[3], 3);
    requireUnique(osnova, 0, QStringLiteral("account number"));
    for (const auto& u : osnova) {
        if (!kodyDruhov.contains(u[2]))
            die(QStringLiteral("account %1: unknown kind %2").arg(u[0], u[2]));
        if (u[0].size() > 5)
            die(QStringLiteral("account %1: longer than five characters").arg(u[0]));
        const int expectedLength = u[2] == QLatin1String("UT")   ? 1
                                   : u[2] == QLatin1String("US") ? 2
                                                                 : 0;
        if (expectedLength && u[0].size() != expectedLength)
            die(QStringLiteral("heading %1 of kind %2 has the wrong length").arg(u[0], u[2]));
    }

    const auto kinds = readCsv(args[5], 4);
    requireUnique(kinds, 0, QStringLiteral("document kind"));
    requireUnique(kinds, 1, QStringLiteral("document prefix"));
    QSet<QString> known;
    for (const DruhDokladu& d : druhyDokladov())
        known.insert(d.kodText());
    QSet<QString> present;
    for (const auto& k : kinds) {
        present.insert(k[0]);
        if (k[1].size() != 2)
            die(QStringLiteral("prefix %1 is not two characters").arg(k[1]));
    }
    if (present != known)
        die(QStringLiteral("every document kind of the program, and no other, is required"));

    const QString temp = output + QStringLiteral(".tmp");
    QFile::remove(temp);
    try {
        Connection c;
        c.open(temp, Connection::Mode::Create);
        c.exec(readAll(args[2]));
        Transaction t(c);
        c.execBound(QStringLiteral("INSERT INTO AgendaNastavenie (Verzia) VALUES (?);"),
                    {VerziaProgramu});
        for (const auto& d : druhy)
            c.execBound(QStringLiteral("INSERT INTO UctovaOsnovaDruhy (Kod, Nazov) VALUES (?, ?);"),
                        {d[0], d[1]});
        for (const auto& u : osnova)
            c.execBound(QStringLiteral("INSERT INTO UctovaOsnova (Cislo, Nazov, Povod, Druh) "
                                       "VALUES (?, ?, 'P', ?);"),
                        {u[0], u[1], u[2]});
        for (const char* table : {"AgendaPrisposobenie", "AgendaPrisposobenieOriginal"})
            for (const auto& k : kinds)
                c.execBound(QStringLiteral("INSERT INTO %1 (Kod, Prefix, Doklad, Zoznam) "
                                           "VALUES (?, ?, ?, ?);")
                                .arg(QString::fromLatin1(table)),
                            {k[0], k[1], k[2], k[3]});
        t.commit();
    } catch (const DbError& e) {
        QFile::remove(temp);
        die(e.text());
    }
    if (!kontrolaDatabazy(temp)) {
        QFile::remove(temp);
        die(QStringLiteral("the generated file is not accepted as an agenda"));
    }
    if (const FileResult r = renameOver(temp, output); !r)
        die(r.error);
    return 0;
}
