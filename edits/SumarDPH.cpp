#include "SumarDPH.h"

#include "store/Store.h"

#include <algorithm>
#include <limits>

namespace saldovia::sumardph {

namespace {

// An amount column of a line: empty is zero, anything else must be an amount.
Amount suma(const QString& text) {
    if (text.trimmed().isEmpty())
        return {};
    const auto a = Amount::parse(text);
    if (!a)
        throw DbError(QStringLiteral("'%1' nie je platná suma.").arg(text));
    return *a;
}

Sumar citat(Store& store, const QString& polozky, const QString& dennik, const QString& kde) {
    store.SQL(QStringLiteral("SELECT P.SadzbaDPH AS SadzbaDPH, U.Suma AS Zaklad, U1.Suma AS DPH, "
                             "P.Cena AS Spolu FROM %2 AS U INNER JOIN (%1 AS P LEFT JOIN %2 AS U1 "
                             "ON U1.Riadok = P.RiadokDPH) ON U.Riadok = P.Riadok%3;")
                  .arg(polozky, dennik, kde));
    const ResultSet r = store.ADOQuery.rows();
    QList<Polozka> p;
    p.reserve(r.rowCount());
    for (int i = 0; i < r.rowCount(); ++i)
        p.append({r.text(i, 0), suma(r.text(i, 1)), suma(r.text(i, 2)), suma(r.text(i, 3))});
    return zostavit(p, store.tblAgendaNastavenie.text(QStringLiteral("SadzbaDPH")));
}

} // namespace

Sumar zostavit(const QList<Polozka>& polozky, const QString& sadzbaAgendy) {
    struct Skupina {
        qint64 poradie; // the whole percent; rates that are no whole number come last
        Riadok riadok;
    };
    Riadok nulova{QStringLiteral("0%"), {}, {}, {}};
    QList<Skupina> ostatne;
    for (const Polozka& p : polozky) {
        const QString sadzba = p.sadzba.trimmed();
        bool cele = false;
        const qint64 percento = sadzba.toLongLong(&cele);
        Riadok* r = nullptr;
        if (cele && percento == 0) {
            r = &nulova;
        } else {
            const QString popis = (cele ? QString::number(percento) : sadzba) + u'%';
            auto it = std::find_if(ostatne.begin(), ostatne.end(),
                                   [&](const Skupina& s) { return s.riadok.sadzba == popis; });
            if (it == ostatne.end()) {
                ostatne.append(
                    {cele ? percento : std::numeric_limits<qint64>::max(), {popis, {}, {}, {}}});
                it = ostatne.end() - 1;
            }
            r = &it->riadok;
        }
        r->zaklad += p.zaklad;
        r->dph += p.dph;
        r->spolu += p.spolu;
    }
    std::stable_sort(ostatne.begin(), ostatne.end(),
                     [](const Skupina& a, const Skupina& b) { return a.poradie < b.poradie; });
    Sumar s;
    s.riadky << nulova;
    for (const Skupina& o : ostatne)
        s.riadky << o.riadok;
    if (ostatne.isEmpty())
        s.riadky << Riadok{sadzbaAgendy.trimmed() + u'%', {}, {}, {}};
    for (const Riadok& r : s.riadky) {
        s.zaklad += r.zaklad;
        s.dph += r.dph;
        s.spolu += r.spolu;
    }
    return s;
}

Sumar ulozeneho(Store& store, const QString& cislo) {
    return citat(store, QStringLiteral("DokladyPolozky"), QStringLiteral("UctovnyDennik"),
                 QStringLiteral(" WHERE P.Doklad = ") + sqlText(cislo));
}

Sumar rozpracovaneho(Store& store) {
    return citat(store, QStringLiteral("DokladyPolozkyPomocne"),
                 QStringLiteral("UctovnyDennikPomocny"), {});
}

} // namespace saldovia::sumardph
