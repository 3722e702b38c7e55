#include "Upravy.h"

#include "edits/SumarDPH.h"

#include "store/Agenda.h"
#include "store/Store.h"
#include "store/Values.h"

namespace saldovia::upravy {

void odstranitDoklad(Store& store, const QString& cislo) {
    // The header, the lines and the postings go together or not at all.
    Transaction t(store.connection());
    const QString c = sqlText(cislo);
    store.SQL(QStringLiteral("DELETE FROM Doklady WHERE Cislo = %1;").arg(c));
    store.SQL(QStringLiteral("DELETE FROM DokladyPolozky WHERE Doklad = %1;").arg(c));
    store.SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Doklad = %1;").arg(c));
    t.commit();
}

void zapisatRiadokDennika(Store& store, const QString& tabulka, const RiadokDennika& r) {
    if (tabulka != QLatin1String("UctovnyDennik") &&
        tabulka != QLatin1String("UctovnyDennikPomocny"))
        throw DbError(QStringLiteral("Tabuľka %1 nie je účtovný denník.").arg(tabulka));
    const QStringList hodnoty = {
        QString::number(r.riadok), sqlText(r.datum), sqlText(r.doklad), sqlText(r.ciastka),
        sqlText(r.mena),           sqlText(r.kurz),  sqlText(r.suma),   sqlText(r.popis),
        sqlText(r.maDat),          sqlText(r.dal)};
    // The values are quoted whole before they join the statement: nothing in them is read
    // as a placeholder.
    store.SQL(QStringLiteral("INSERT INTO ") + tabulka +
              QStringLiteral(" (Riadok,Datum,Doklad,Ciastka,Mena,Kurz,Suma,Popis,MaDat,Dal) "
                             "VALUES (") +
              hodnoty.join(QLatin1Char(',')) + QStringLiteral(");"));
    // Every sum of the ledger is a part of the journal's whole sum: while that fits, none
    // of them can overflow. A document being edited counts with the scratch lines in place
    // of its saved ones. An overflow is a DbError (the caller's transaction undoes the row).
    if (tabulka == QLatin1String("UctovnyDennik"))
        store.SQL(QStringLiteral("SELECT SUCET(Suma) FROM UctovnyDennik;"));
    else
        store.SQL(QStringLiteral("SELECT SUCET(Suma) FROM (SELECT Suma FROM UctovnyDennik WHERE "
                                 "Doklad IS NULL OR Doklad NOT IN (SELECT Doklad FROM "
                                 "UctovnyDennikPomocny WHERE Doklad IS NOT NULL) UNION ALL "
                                 "SELECT Suma FROM UctovnyDennikPomocny);"));
}

namespace {

bool maTabulkuSadzieb(Store& store) {
    return store.SQL(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table' AND "
                                    "name = 'AgendaSadzbyDPH';")) > 0;
}

} // namespace

std::array<QString, 2> znizeneSadzbyDPH(Store& store) {
    std::array<QString, 2> sadzby;
    if (!maTabulkuSadzieb(store))
        return sadzby;
    store.SQL(QStringLiteral("SELECT Poradie, Sadzba FROM AgendaSadzbyDPH WHERE Poradie IN (1, 2) "
                             "ORDER BY Poradie;"));
    const ResultSet r = store.ADOQuery.rows();
    for (int i = 0; i < r.rowCount(); ++i)
        sadzby[static_cast<size_t>(r.integer(i, 0) - 1)] = r.text(i, 1).trimmed();
    return sadzby;
}

void ulozitZnizeneSadzbyDPH(Store& store, const std::array<QString, 2>& sadzby) {
    const bool ziadna = sadzby[0].trimmed().isEmpty() && sadzby[1].trimmed().isEmpty();
    if (!maTabulkuSadzieb(store)) {
        if (ziadna)
            return;
        store.SQL(tabulkaZnizenychSadziebSql());
    }
    store.SQL(QStringLiteral("DELETE FROM AgendaSadzbyDPH;"));
    for (int i = 0; i < 2; ++i)
        if (!sadzby[static_cast<size_t>(i)].trimmed().isEmpty())
            store.SQL(
                QStringLiteral("INSERT INTO AgendaSadzbyDPH (Poradie, Sadzba) VALUES (%1, %2);")
                    .arg(QString::number(i + 1),
                         sqlText(sadzby[static_cast<size_t>(i)].trimmed())));
}

void odstranitRiadokPomocny(Store& store, qint64 riadok) {
    store.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = %1;").arg(riadok));
}

void nahraditPolozkuFaktury(Store& store, const PolozkaFaktury& p, const RiadokDennika& zaklad,
                            const std::optional<RiadokDennika>& dph) {
    const QString pomocny = QStringLiteral("UctovnyDennikPomocny");
    Transaction t(store.connection());
    store.SQL(QStringLiteral("DELETE FROM DokladyPolozkyPomocne WHERE Doklad = %1 AND Cislo = %2;")
                  .arg(sqlText(p.doklad), QString::number(p.cislo)));
    // a line that had VAT before leaves no VAT posting behind
    odstranitRiadokPomocny(store, p.riadok);
    odstranitRiadokPomocny(store, p.riadokDPH);
    store.SQL(QStringLiteral("INSERT INTO DokladyPolozkyPomocne (Cislo,Doklad,Riadok,RiadokDPH,"
                             "SadzbaDPH,Popis,Cena) VALUES (%1,%2,%3,%4,%5,%6,%7);")
                  .arg(QString::number(p.cislo), sqlText(p.doklad), QString::number(p.riadok),
                       dph ? QString::number(p.riadokDPH) : QStringLiteral("NULL"),
                       sqlText(p.sadzba), sqlText(p.popis), sqlText(p.cena)));
    zapisatRiadokDennika(store, pomocny, zaklad);
    if (dph)
        zapisatRiadokDennika(store, pomocny, *dph);
    // The document's sums must still fit: otherwise the line is refused, not stored.
    sumardph::rozpracovaneho(store);
    t.commit();
}

void odstranitPolozkuFaktury(Store& store, qint64 cislo) {
    store.SQL(QStringLiteral("SELECT * FROM DokladyPolozkyPomocne WHERE Cislo = %1;").arg(cislo));
    const QString riadok = store.ADOQuery.text(QStringLiteral("Riadok"));
    const QString riadokDPH = store.ADOQuery.text(QStringLiteral("RiadokDPH"));
    Transaction t(store.connection());
    for (const QString& r : {riadok, riadokDPH})
        if (!r.isEmpty())
            odstranitRiadokPomocny(store, r.toLongLong());
    store.SQL(QStringLiteral("DELETE FROM DokladyPolozkyPomocne WHERE Cislo = %1;").arg(cislo));
    t.commit();
}

bool skuskaSkoncena(const Store& store) {
    const SettingsRow& s = store.tblAgendaNastavenie;
    return s.isOpen() && !s.text(QStringLiteral("SkuskaKoniec")).isEmpty();
}

std::optional<UcetOsnovy> ucetOsnovy(Store& store, const QString& cislo) {
    if (store.SQL(
            QStringLiteral("SELECT * FROM UctovaOsnova WHERE Cislo = %1;").arg(sqlText(cislo))) <=
        0)
        return std::nullopt;
    const GeneralQuery& q = store.ADOQuery;
    return UcetOsnovy{q.text(QStringLiteral("Cislo")), q.text(QStringLiteral("Nazov")),
                      q.text(QStringLiteral("Povod")), q.text(QStringLiteral("Druh"))};
}

TextyDruhu textyDruhu(Store& store, const QString& kod) {
    const ResultSet r = store.connection().query(
        QStringLiteral("SELECT Prefix, Doklad, Zoznam FROM AgendaPrisposobenie WHERE Kod = %1;")
            .arg(sqlText(kod)));
    if (r.rowCount() == 0)
        return {};
    return {r.text(0, 0), r.text(0, 1), r.text(0, 2)};
}

std::optional<std::pair<QDate, QDate>> rozsahRoka(const QString& rok) {
    const auto zaciatok = dateFromText(QStringLiteral("01.01.") + rok);
    const auto koniec = dateFromText(QStringLiteral("31.12.") + rok);
    if (!zaciatok || !koniec)
        return std::nullopt;
    return std::make_pair(*zaciatok, *koniec);
}

} // namespace saldovia::upravy
