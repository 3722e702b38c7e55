#include "RelaciaDokladu.h"

#include "store/Store.h"

namespace saldovia {

RelaciaDokladu::Hlavicka
RelaciaDokladu::Hlavicka::dokladu(const QString& druh, const QString& cislo, const QString& datum,
                                  const QString& popis, const IdentitaFirmy& identita) {
    Hlavicka h;
    h.pridat(QStringLiteral("Druh"), druh);
    h.pridat(QStringLiteral("Cislo"), cislo);
    h.pridat(QStringLiteral("Datum"), datum);
    h.pridat(QStringLiteral("Popis"), popis);
    for (const QString& stlpec : IdentitaFirmy::stlpceAdresy())
        h.pridat(stlpec, identita.hodnota(stlpec));
    return h;
}

RelaciaDokladu::RelaciaDokladu(Store& store, const QString& cislo, bool sPolozkami)
    : store_(store), cislo_(cislo), sPolozkami_(sPolozkami) {
    const QString c = sqlText(cislo_);
    if (sPolozkami_) {
        store_.SQL(QStringLiteral("DELETE FROM DokladyPolozkyPomocne;"));
        store_.SQL(QStringLiteral("INSERT INTO DokladyPolozkyPomocne SELECT * FROM DokladyPolozky "
                                  "WHERE Doklad = %1;")
                       .arg(c));
    }
    store_.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
    store_.SQL(QStringLiteral("INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik WHERE "
                              "Doklad = %1;")
                   .arg(c));
}

RelaciaDokladu::~RelaciaDokladu() {
    // Whatever was not saved is discarded. When the editor is already failing, its error
    // is the one the user sees.
    try {
        vyprazdnit();
    } catch (const DbError&) {
    }
}

void RelaciaDokladu::vyprazdnit() {
    if (sPolozkami_)
        store_.SQL(QStringLiteral("DELETE FROM DokladyPolozkyPomocne;"));
    store_.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
}

void RelaciaDokladu::ulozit(const Hlavicka& hlavicka, qint64 logo) {
    QStringList texty;
    for (const QString& h : hlavicka.hodnoty)
        texty << sqlText(h);
    const QString c = sqlText(cislo_);
    // The document is replaced whole or not at all.
    Transaction t(store_.connection());
    if (sPolozkami_) {
        store_.SQL(QStringLiteral("DELETE FROM DokladyPolozky WHERE Doklad = %1;").arg(c));
        store_.SQL(
            QStringLiteral("INSERT INTO DokladyPolozky SELECT * FROM DokladyPolozkyPomocne;"));
    }
    store_.SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Doklad = %1;").arg(c));
    store_.SQL(QStringLiteral("INSERT INTO UctovnyDennik SELECT * FROM UctovnyDennikPomocny;"));
    store_.SQL(QStringLiteral("DELETE FROM Doklady WHERE Cislo = %1;").arg(c));
    // The quoted values join the statement whole: nothing in them is read as a placeholder.
    store_.SQL(QStringLiteral("INSERT INTO Doklady (") + hlavicka.stlpce.join(QLatin1Char(',')) +
               QStringLiteral(",Logo) VALUES (") + texty.join(QLatin1Char(',')) + QLatin1Char(',') +
               QString::number(logo) + QStringLiteral(");"));
    t.commit();
}

} // namespace saldovia
