#include "Generovanie.h"

#include "Pecat.h"

#include "store/Store.h"

namespace saldovia::skuska {

void ulozitVzorDennika(Store& store) {
    store.SQL(QStringLiteral("DELETE FROM UctovnyDennikVzor;"));
    store.SQL(QStringLiteral("INSERT INTO UctovnyDennikVzor SELECT *, 0 AS Vypocty FROM "
                             "UctovnyDennik;"));
}

void zapisatParametre(Store& store, const QString& dlzka, const QList<qint64>& vypocty,
                      bool cvicenie) {
    SettingsRow& s = store.tblAgendaNastavenie;
    s.edit();
    s.setText(QStringLiteral("SkuskaDlzka"), dlzka);
    s.setText(QStringLiteral("MenoUzivatela"), QString());
    for (const char* pole : {"SkuskaZaciatok", "SkuskaZostatok", "SkuskaKoniec"})
        s.setText(QString::fromLatin1(pole), QString());
    s.post();
    Zaznam z;
    z.cvicenie = cvicenie;
    zapisatZaznam(store.connection(), z);
    for (const qint64 n : vypocty) {
        store.SQL(QStringLiteral("UPDATE UctovnyDennik SET Ciastka = '0,00', Suma = '0,00' "
                                 "WHERE Riadok = %1;")
                      .arg(n));
        store.SQL(
            QStringLiteral("UPDATE UctovnyDennikVzor SET Vypocty = 1 WHERE Riadok = %1;").arg(n));
    }
    zakrytVypocty(store);
}

void zakrytVypocty(Store& store) {
    const QString vypocty =
        QStringLiteral("(SELECT Riadok FROM UctovnyDennikVzor WHERE Vypocty = 1)");
    store.SQL(QStringLiteral(
                  "UPDATE UctovnyDennikVzor SET Vypocty = 1 WHERE Riadok IN (SELECT RiadokDPH FROM "
                  "DokladyPolozky WHERE RiadokDPH IS NOT NULL AND Riadok IN %1);")
                  .arg(vypocty));
    store.SQL(QStringLiteral(
                  "UPDATE UctovnyDennik SET Ciastka = '0,00', Suma = '0,00' WHERE Riadok IN %1;")
                  .arg(vypocty));
    const QString dotknute = QStringLiteral("(Riadok IN %1 OR RiadokDPH IN %1)").arg(vypocty);
    // The documents first, while their lines still say which of them are touched.
    store.SQL(
        QStringLiteral(
            "UPDATE Doklady SET "
            "Zaklad = COALESCE((SELECT SUCET(UctovnyDennik.Suma) FROM DokladyPolozky INNER JOIN "
            "UctovnyDennik ON UctovnyDennik.Riadok = DokladyPolozky.Riadok WHERE "
            "DokladyPolozky.Doklad = Doklady.Cislo), '0,00'), "
            "DPH = COALESCE((SELECT SUCET(UctovnyDennik.Suma) FROM DokladyPolozky INNER JOIN "
            "UctovnyDennik ON UctovnyDennik.Riadok = DokladyPolozky.RiadokDPH WHERE "
            "DokladyPolozky.Doklad = Doklady.Cislo), '0,00') "
            "WHERE Cislo IN (SELECT Doklad FROM DokladyPolozky WHERE %1);")
            .arg(dotknute));
    store.SQL(
        QStringLiteral(
            "UPDATE DokladyPolozky SET Cena = COALESCE((SELECT SUCET(Suma) FROM UctovnyDennik "
            "WHERE UctovnyDennik.Riadok = DokladyPolozky.Riadok OR UctovnyDennik.Riadok = "
            "DokladyPolozky.RiadokDPH), '0,00') WHERE %1;")
            .arg(dotknute));
    store.SQL(
        QStringLiteral(
            "UPDATE Doklady SET Spolu = COALESCE((SELECT SUCET(Cena) FROM DokladyPolozky WHERE "
            "DokladyPolozky.Doklad = Doklady.Cislo), '0,00') WHERE Cislo IN (SELECT Doklad FROM "
            "DokladyPolozky WHERE %1);")
            .arg(dotknute));
    store.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
    store.SQL(QStringLiteral("DELETE FROM DokladyPolozkyPomocne;"));
}

void vymazatPredkontacie(Store& store) {
    store.SQL(QStringLiteral("UPDATE UctovnyDennik SET MaDat = '', Dal = '';"));
}

} // namespace saldovia::skuska
