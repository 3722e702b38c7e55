#include "Generovanie.h"

#include "store/Store.h"

namespace saldovia::skuska {

void ulozitVzorDennika(Store& store) {
    store.SQL(QStringLiteral("DELETE FROM UctovnyDennikVzor;"));
    store.SQL(QStringLiteral("INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM "
                             "UctovnyDennik;"));
}

void zapisatParametre(Store& store, const QString& dlzka, const QList<qint64>& vypocty) {
    SettingsRow& s = store.tblAgendaNastavenie;
    s.edit();
    s.setText(QStringLiteral("SkuskaDlzka"), dlzka);
    s.setText(QStringLiteral("MenoUzivatela"), QString());
    for (const char* pole : {"SkuskaZaciatok", "SkuskaZostatok", "SkuskaKoniec"})
        s.setText(QString::fromLatin1(pole), QString());
    s.post();
    for (const qint64 n : vypocty) {
        store.SQL(QStringLiteral("UPDATE UctovnyDennik SET Ciastka = '0,00', Suma = '0,00' "
                                 "WHERE Riadok = %1;")
                      .arg(n));
        store.SQL(
            QStringLiteral("UPDATE UctovnyDennikVzor SET Vypocty = 1 WHERE Riadok = %1;").arg(n));
    }
}

void vymazatPredkontacie(Store& store) {
    store.SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '', Dal = '';"));
}

} // namespace saldovia::skuska
