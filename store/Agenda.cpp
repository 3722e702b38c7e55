#include "Agenda.h"

#include "Connection.h"
#include "SchemaSql.h"
#include "Subory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <sqlite3.h>

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
    const QString ciel = cielOdkazov(target);
    if (!premenovatNaMiesto(source, ciel))
        return {false, QStringLiteral("Súbor sa nedá premenovať na %1: %2")
                           .arg(cesta(ciel), popisChybySystemu(poslednaChybaSystemu()))};
    zapisatPriecinokNaDisk(QFileInfo(ciel).absolutePath());
    return {true, {}};
}

QString prilisDlhaCesta(const QString& path) {
    const QString plna = QFileInfo(path).absoluteFilePath();
    if (QFile::encodeName(plna).size() <= NajdlhsiaCesta)
        return {};
    return QStringLiteral("Cesta k súboru %1 je príliš dlhá (najviac %2 bajtov). Súbor "
                          "presuňte do priečinka s kratšou cestou.")
        .arg(cesta(plna), QString::number(NajdlhsiaCesta));
}

namespace {

// The cause of a failed export of `source` into a new file beside `ciel`. The engine's text
// names no file (the source is read, the copy is new), and a failure deep inside the export
// may come back as a mere "SQL logic error": then the source is checked and the free space
// measured.
QString chybaExportu(const DbError& e, const QString& source, const QString& ciel) {
    const QString poskodeny =
        QStringLiteral("Súbor agendy je poškodený, údaje sa z neho nedajú prečítať.");
    if (e.code() == SQLITE_CORRUPT || e.code() == SQLITE_NOTADB)
        return poskodeny;
    if (e.code() != SQLITE_ERROR)
        return e.text();
    if (!kontrolaDatabazy(source))
        return poskodeny;
    const QStorageInfo disk(QFileInfo(ciel).absolutePath());
    if (disk.isValid() && disk.bytesAvailable() < QFileInfo(source).size())
        return popisChybyStroja(SQLITE_FULL, 0, e.text());
    return QStringLiteral("Kópiu agendy sa nepodarilo zapísať: ") + e.text();
}

FileResult kompaktnaKopia(const QString& source, const QString& destination,
                          QFile::Permissions prava) {
    if (!QFileInfo(source).isFile())
        return {false, QStringLiteral("Súbor %1 neexistuje.").arg(cesta(source))};
    const QString ciel = cielOdkazov(destination);
    for (const QString& p : {source, ciel})
        if (const QString dlha = prilisDlhaCesta(p); !dlha.isEmpty())
            return {false, dlha};
    odstranitStareKopie(ciel);
    DocasnySubor temp(ciel, prava);
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
            try {
                Transaction t(src);
                src.exec(QStringLiteral("SELECT sqlcipher_export('kopia');"));
                t.commit();
            } catch (const DbError& e) {
                return fail(chybaExportu(e, source, ciel));
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
        if (!zapisatSuborNaDisk(temp.subor()))
            return fail(QStringLiteral("Súbor %1 sa nedá zapísať na disk: %2")
                            .arg(cesta(ciel), popisChybySystemu(poslednaChybaSystemu())));
    } catch (const DbError& e) {
        return fail(e.text());
    }
    const FileResult moved = renameOver(temp.cesta(), ciel);
    if (moved)
        temp.prevzaty();
    return moved;
}

} // namespace

FileResult compactDatabase(const QString& source, const QString& destination) {
    return kompaktnaKopia(source, destination, pravaNahrady(cielOdkazov(destination)));
}

FileResult replaceFileWith(const QString& source, const QString& target) {
    QFile in(source);
    if (!in.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("Súbor %1 sa nedá otvoriť: %2")
                           .arg(cesta(source), popisChybySystemu(poslednaChybaSystemu()))};
    const QString ciel = cielOdkazov(target);
    odstranitStareKopie(ciel);
    DocasnySubor temp(ciel, pravaNahrady(ciel));
    if (!temp.ok())
        return {false, temp.chyba()};
    // The cause is taken from errno at once, before anything else can change it.
    auto cantWrite = [&](int cislo) {
        temp.odstranit();
        return FileResult{false, QStringLiteral("Súbor %1 sa nedá zapísať: %2")
                                     .arg(cesta(ciel), popisChybySystemu(cislo))};
    };
    std::vector<char> buffer(1 << 16);
    for (;;) {
        const qint64 n = in.read(buffer.data(), static_cast<qint64>(buffer.size()));
        if (n < 0) {
            const int cislo = poslednaChybaSystemu();
            temp.odstranit();
            return {false, QStringLiteral("Súbor %1 sa nedá prečítať: %2")
                               .arg(cesta(source), popisChybySystemu(cislo))};
        }
        if (n == 0)
            break;
        if (temp.subor().write(buffer.data(), n) != n || !temp.subor().flush())
            return cantWrite(poslednaChybaSystemu());
    }
    if (!zapisatSuborNaDisk(temp.subor()))
        return cantWrite(poslednaChybaSystemu());
    const FileResult moved = renameOver(temp.cesta(), ciel);
    if (moved)
        temp.prevzaty();
    return moved;
}

FileResult zhutnitAgendu(const QString& agenda) {
    const QString subor = cielOdkazov(agenda);
    if (!QFileInfo(subor).isFile())
        return {false, QStringLiteral("Súbor agendy %1 už neexistuje: počas práce bol zmazaný "
                                      "alebo premiestnený.")
                           .arg(cesta(subor))};
    const QString kopia = menoKopie(subor);
    FileResult r = kompaktnaKopia(subor, kopia, pravaNahrady(subor));
    if (r)
        r = renameOver(kopia, subor);
    if (!r)
        QFile::remove(kopia);
    return r;
}

namespace {

// Where the path of a copy being written outside the agenda's folder (a backup, a hand-in)
// is noted, so that the next start can clean up after a killed one.
QString zaznamKopie(const QString& agenda) {
    const QFileInfo fi(agenda);
    return fi.absolutePath() + QStringLiteral("/.") + fi.fileName() + QStringLiteral(".kopia");
}

} // namespace

FileResult ulozitKopiuAgendy(const QString& agenda, const QString& ciel) {
    const QString zaznam = zaznamKopie(agenda);
    const QString subor = cielOdkazov(ciel);
    {
        // Without the note (a read-only folder) the copy is made all the same.
        DocasnySubor temp(zaznam);
        if (temp.ok() && temp.subor().write(subor.toUtf8()) > 0 &&
            zapisatSuborNaDisk(temp.subor()) && renameOver(temp.cesta(), zaznam))
            temp.prevzaty();
    }
    const FileResult r = compactDatabase(agenda, subor);
    QFile::remove(zaznam);
    return r;
}

void upratatPriecinokAgendy(const QString& agenda) {
    const QString zaznam = zaznamKopie(agenda);
    odstranitStareKopie(zaznam);
    if (QFile f(zaznam); f.open(QIODevice::ReadOnly)) {
        const QString kopia = QString::fromUtf8(f.readAll());
        if (!kopia.isEmpty())
            odstranitStareKopie(kopia);
    }
    QFile::remove(zaznam);
    // Beside the agenda's name and, for a linked agenda, beside the file it names.
    QStringList mena{agenda};
    if (const QString subor = cielOdkazov(agenda); subor != QFileInfo(agenda).absoluteFilePath())
        mena << subor;
    for (const QString& meno : mena) {
        const QString kopia = menoKopie(meno);
        odstranitStareKopie(kopia);
        odstranitStareKopie(meno);
        // A copy that an interrupted close finished but did not move: the agenda beside it
        // is whole (it is replaced only by a rename), so the copy is not needed.
        if (QFileInfo::exists(meno))
            QFile::remove(kopia);
    }
}

QString prekazkaZapisu(const QString& agenda) {
    const QString subor = cielOdkazov(agenda);
    const QString priecinok = QFileInfo(subor).absolutePath();
    {
        DocasnySubor skuska(subor);
        if (!skuska.ok())
            return QStringLiteral("Priečinok %1 sa nedá zapisovať: %2")
                .arg(cesta(priecinok), popisChybySystemu(skuska.chybaSystemu()));
    }
    QFile f(subor);
    if (f.exists() && !f.open(QIODevice::ReadWrite))
        return QStringLiteral("Súbor %1 sa nedá zapisovať: %2")
            .arg(cesta(subor), popisChybySystemu(poslednaChybaSystemu()));
    return {};
}

} // namespace saldovia
