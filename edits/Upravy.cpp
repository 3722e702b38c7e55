#include "Upravy.h"

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
}

void nastavitDruhDokladu(Store& store, const QString& druh, bool lenAkInak) {
    DataSet& q = store.qryAgendaPrisposobenie;
    if (lenAkInak && q.isOpen() && q.text(QStringLiteral("Kod")) == druh)
        return;
    q.close();
    q.setSQL(
        QStringLiteral("SELECT * FROM AgendaPrisposobenie WHERE Kod = %1;").arg(sqlText(druh)));
    q.open();
}

std::optional<std::pair<QDate, QDate>> rozsahRoka(const QString& rok) {
    const auto zaciatok = dateFromText(QStringLiteral("01.01.") + rok);
    const auto koniec = dateFromText(QStringLiteral("31.12.") + rok);
    if (!zaciatok || !koniec)
        return std::nullopt;
    return std::make_pair(*zaciatok, *koniec);
}

} // namespace saldovia::upravy
