#include "Zavierka.h"

#include "store/Store.h"

#include <QMap>

#include <algorithm>

namespace saldovia::zavierka {

namespace {

Amount suma(const ResultSet& rs, int row, int column) {
    const QString text = rs.text(row, column);
    if (text.isEmpty())
        return {};
    const auto a = Amount::parse(text);
    if (!a)
        throw DbError(QStringLiteral("'%1' nie je platná suma.").arg(text));
    return *a;
}

// Postings on 702 or 710 on either side.
QString zavierkovy() {
    return QStringLiteral("(RTRIM(MaDat) IN ('702','710') OR RTRIM(Dal) IN ('702','710'))");
}

QString podmienka(const Vyber& v) {
    QStringList c;
    if (v.doDna)
        // Dates are kept "dd.MM.yyyy": compared as yyyyMMdd.
        c << QStringLiteral("(SUBSTR(Datum,7,4)||SUBSTR(Datum,4,2)||SUBSTR(Datum,1,2)) <= %1")
                 .arg(sqlText(v.doDna->toString(QStringLiteral("yyyyMMdd"))));
    if (v.bezZavierky)
        c << QStringLiteral("NOT ") + zavierkovy();
    return c.isEmpty() ? QString() : QStringLiteral(" WHERE ") + c.join(QStringLiteral(" AND "));
}

// The framework's name of a closing account.
QString menoZOsnovy(const QString& ucet) {
    if (ucet == UcetZiskovAStrat)
        return QStringLiteral("Účet ziskov a strát");
    if (ucet == KonecnyUcet)
        return QStringLiteral("Konečný účet súvahový");
    return QStringLiteral("Výsledok hospodárenia v schvaľovaní");
}

QString druhZOsnovy(const QString& ucet) {
    return ucet == UcetVysledku ? QStringLiteral("AP") : QStringLiteral("Z");
}

} // namespace

QList<Zostatok> zostatky(Store& store, const Vyber& vyber) {
    // One pass over the journal: the sums of each pair of accounts, then each account's two
    // sides from its pairs.
    const ResultSet rs = store.connection().query(
        QStringLiteral("SELECT MaDat, Dal, SUCET(Suma) AS Suma FROM UctovnyDennik%1 GROUP BY "
                       "MaDat, Dal;")
            .arg(podmienka(vyber)));
    QMap<QString, Zostatok> ucty;
    auto ucet = [&ucty](const QString& cislo) -> Zostatok& {
        qsizetype n = cislo.size();
        while (n > 0 && cislo[n - 1] == u' ')
            --n;
        const QString bezMedzier = cislo.left(n);
        Zostatok& z = ucty[bezMedzier];
        z.ucet = bezMedzier;
        return z;
    };
    for (int i = 0; i < rs.rowCount(); ++i) {
        const Amount a = suma(rs, i, 2);
        ucet(rs.text(i, 0)).maDat += a;
        ucet(rs.text(i, 1)).dal += a;
    }
    return ucty.values();
}

bool obsahujeZavierku(Store& store) {
    return store.connection()
               .query(QStringLiteral("SELECT Riadok FROM UctovnyDennik WHERE %1 LIMIT 1;")
                          .arg(zavierkovy()))
               .rowCount() > 0;
}

QList<QStringList> zauctovanaZavierka(Store& store) {
    const ResultSet r = store.connection().query(
        QStringLiteral("SELECT Datum, Popis, RTRIM(MaDat), RTRIM(Dal), Suma FROM UctovnyDennik "
                       "WHERE %1 ORDER BY Riadok;")
            .arg(zavierkovy()));
    QList<QStringList> zapisy;
    for (int i = 0; i < r.rowCount(); ++i)
        zapisy << QStringList{r.text(i, 0), r.text(i, 1), r.text(i, 2), r.text(i, 3), r.text(i, 4)};
    return zapisy;
}

QString popis(Krok krok, const QString& ucet, bool zisk) {
    switch (krok) {
    case Krok::Vysledkovy:
        return ucet.startsWith(u'5') ? QStringLiteral("Uzavretie nákladového účtu %1").arg(ucet)
                                     : QStringLiteral("Uzavretie výnosového účtu %1").arg(ucet);
    case Krok::Vysledok:
        return zisk ? QStringLiteral("Prevod zisku bežného roka na %1").arg(ucet)
                    : QStringLiteral("Prevod straty bežného roka na %1").arg(ucet);
    case Krok::Suvahovy:
        break;
    }
    return QStringLiteral("Uzavretie súvahového účtu %1").arg(ucet);
}

Navrh pripravit(const QList<Zostatok>& zostatky, int rok) {
    Navrh n;
    n.datum = QDate(rok, 12, 31);
    QList<Zostatok> ucty = zostatky;
    std::sort(ucty.begin(), ucty.end(),
              [](const Zostatok& a, const Zostatok& b) { return a.ucet < b.ucet; });

    // 1. Costs and revenues to 710.
    Amount md710, d710;
    for (const Zostatok& z : ucty) {
        const QChar t = z.ucet.isEmpty() ? QChar() : z.ucet.front();
        if (t != u'5' && t != u'6')
            continue;
        const Amount b = z.zostatok();
        if (b.isZero())
            continue;
        if (b > Amount())
            n.zapisy.append(
                {Krok::Vysledkovy, popis(Krok::Vysledkovy, z.ucet), UcetZiskovAStrat, z.ucet, b});
        else
            n.zapisy.append({Krok::Vysledkovy, popis(Krok::Vysledkovy, z.ucet), z.ucet,
                             UcetZiskovAStrat, Amount() - b});
        if (b > Amount())
            md710 += b;
        else
            d710 += Amount() - b;
    }

    // 2. The result on 710 to 431.
    n.vysledok = d710 - md710;
    Amount vysledok431; // the transfer's debit balance on 431
    if (n.vysledok > Amount()) {
        n.zapisy.append({Krok::Vysledok, popis(Krok::Vysledok, UcetVysledku, true),
                         UcetZiskovAStrat, UcetVysledku, n.vysledok});
        vysledok431 = Amount() - n.vysledok;
    } else if (n.vysledok < Amount()) {
        n.zapisy.append({Krok::Vysledok, popis(Krok::Vysledok, UcetVysledku, false), UcetVysledku,
                         UcetZiskovAStrat, Amount() - n.vysledok});
        vysledok431 = Amount() - n.vysledok;
    }

    // 3. Balance-sheet accounts to 702; 431 with the transfer.
    bool ma431 = false;
    auto suvahovy = [&n](const QString& ucet, Amount b) {
        if (b.isZero())
            return;
        if (b > Amount()) {
            n.zapisy.append({Krok::Suvahovy, popis(Krok::Suvahovy, ucet), KonecnyUcet, ucet, b});
            n.maDat702 += b;
        } else {
            n.zapisy.append(
                {Krok::Suvahovy, popis(Krok::Suvahovy, ucet), ucet, KonecnyUcet, Amount() - b});
            n.dal702 += Amount() - b;
        }
    };
    for (const Zostatok& z : ucty) {
        const QChar t = z.ucet.isEmpty() ? QChar() : z.ucet.front();
        if (t >= u'0' && t <= u'4') {
            Amount b = z.zostatok();
            if (z.ucet == UcetVysledku) {
                b += vysledok431;
                ma431 = true;
            } else if (!ma431 && UcetVysledku < z.ucet) {
                suvahovy(UcetVysledku, vysledok431);
                ma431 = true;
            }
            suvahovy(z.ucet, b);
        } else if (t != u'5' && t != u'6' && z.ucet != UcetZiskovAStrat && z.ucet != KonecnyUcet &&
                   !z.zostatok().isZero()) {
            n.mimo.append(z);
        }
    }
    if (!ma431)
        suvahovy(UcetVysledku, vysledok431);
    return n;
}

QString nazovUctu(Store& store, const QString& ucet) {
    const ResultSet rs =
        store.connection().query(QStringLiteral("SELECT Nazov FROM UctovaOsnova WHERE %1;")
                                     .arg(sqlAccountEquals(QStringLiteral("Cislo"), ucet)));
    return rs.rowCount() > 0 ? rs.text(0, 0) : QString();
}

void zapisat(Store& store, const Navrh& navrh) {
    Connection& c = store.connection();
    Transaction t(c);
    for (const QString& ucet : {UcetZiskovAStrat, KonecnyUcet, UcetVysledku}) {
        if (c.query(QStringLiteral("SELECT Cislo FROM UctovaOsnova WHERE %1;")
                        .arg(sqlAccountEquals(QStringLiteral("Cislo"), ucet)))
                .rowCount() == 0)
            c.execBound(QStringLiteral("INSERT INTO UctovaOsnova (Cislo, Nazov, Povod, Druh) "
                                       "VALUES (?, ?, 'U', ?);"),
                        {ucet, menoZOsnovy(ucet), druhZOsnovy(ucet)});
    }
    const ResultSet m = c.query(QStringLiteral("SELECT MAX(Riadok) FROM UctovnyDennik;"));
    qint64 riadok = m.text(0, 0).isEmpty() ? 0 : m.integer(0, 0);
    const QString datum = dateToText(navrh.datum);
    for (const Zapis& z : navrh.zapisy) {
        const QString s = z.suma.toText();
        c.execBound(
            QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Datum, Doklad, Ciastka, "
                           "Mena, Kurz, Suma, Popis, MaDat, Dal) VALUES (?, ?, '', ?, "
                           "'EUR', '1,000', ?, ?, ?, ?);"),
            {++riadok, datum, s, s, z.popis, z.maDat.leftJustified(5), z.dal.leftJustified(5)});
    }
    t.commit();
}

} // namespace saldovia::zavierka
