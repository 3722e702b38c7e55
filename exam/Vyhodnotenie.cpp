#include "Vyhodnotenie.h"

#include "store/Store.h"
#include "store/Values.h"

#include <cmath>

namespace saldovia::skuska {

namespace {

// Hundredths as "#0.00" with a decimal comma.
QString stotiny(qint64 h) {
    const QString znamienko = h < 0 ? QStringLiteral("-") : QString();
    const qint64 a = h < 0 ? -h : h;
    return znamienko + QString::number(a / 100) + u',' +
           QStringLiteral("%1").arg(a % 100, 2, 10, QChar(u'0'));
}

} // namespace

QString dlzka(int minuty) {
    return durationToText(static_cast<std::int64_t>(minuty) * 60);
}

QString polozkaRiadku(qint64 riadok, const QString& popis) {
    return QStringLiteral("%1 - %2").arg(QStringLiteral("%1").arg(riadok, 3, 10, QChar(u'0')),
                                         popis);
}

Skore predkontacie(Store& store) {
    const int n = store.SQL(QStringLiteral(
        "SELECT UctovnyDennikVzor.Riadok, UctovnyDennikVzor.MaDat, UctovnyDennikVzor.Dal, "
        "UctovnyDennik.MaDat AS SkuskaMaDat, UctovnyDennik.Dal AS SkuskaDal FROM "
        "UctovnyDennikVzor LEFT JOIN UctovnyDennik ON UctovnyDennikVzor.Riadok = "
        "UctovnyDennik.Riadok ORDER BY UctovnyDennikVzor.Riadok;"));
    const ResultSet& r = store.ADOQuery.rows();
    const int maDat = r.requireColumn(QStringLiteral("MaDat"));
    const int dal = r.requireColumn(QStringLiteral("Dal"));
    const int skuskaMaDat = r.requireColumn(QStringLiteral("SkuskaMaDat"));
    const int skuskaDal = r.requireColumn(QStringLiteral("SkuskaDal"));
    Skore s;
    s.celkom = 2 * n;
    for (int i = 0; i < n; ++i) {
        if (r.text(i, skuskaMaDat) == r.text(i, maDat))
            ++s.spravne;
        if (r.text(i, skuskaDal) == r.text(i, dal))
            ++s.spravne;
    }
    return s;
}

Skore vypocty(Store& store) {
    const int n = store.SQL(QStringLiteral(
        "SELECT UctovnyDennikVzor.Riadok, UctovnyDennikVzor.Suma, UctovnyDennik.Suma AS "
        "SkuskaSuma FROM UctovnyDennikVzor LEFT JOIN UctovnyDennik ON UctovnyDennikVzor.Riadok = "
        "UctovnyDennik.Riadok WHERE UctovnyDennikVzor.Vypocty=1 ORDER BY "
        "UctovnyDennikVzor.Riadok;"));
    const ResultSet& r = store.ADOQuery.rows();
    const int suma = r.requireColumn(QStringLiteral("Suma"));
    const int skuskaSuma = r.requireColumn(QStringLiteral("SkuskaSuma"));
    Skore s;
    s.celkom = n;
    for (int i = 0; i < n; ++i)
        if (rovnakaSuma(r.text(i, skuskaSuma), r.text(i, suma)))
            ++s.spravne;
    return s;
}

bool rovnakaSuma(const QString& a, const QString& b) {
    if (a == b)
        return true;
    if (a.trimmed().isEmpty() || b.trimmed().isEmpty())
        return false;
    const auto x = Amount::parse(a);
    const auto y = Amount::parse(b);
    return x && y && *x == *y;
}

Hodnotenie vyhodnotit(Store& store) {
    Hodnotenie h;
    h.predkontacie = predkontacie(store);
    h.vypocty = vypocty(store);
    h.hlavnaKniha = hlavnakniha::porovnat(store);
    return h;
}

QString menoOdovzdania(const QString& menoStudenta) {
    QString meno;
    meno.reserve(menoStudenta.size());
    for (const QChar c : menoStudenta) {
        const bool zakazany =
            c.unicode() < 0x20 || c.unicode() == 0x7f || QStringLiteral("/\\:*?\"<>|").contains(c);
        meno += zakazany ? QChar(u'_') : c;
    }
    // Blanks and dots at either end make names some systems refuse or hide.
    qsizetype zaciatok = 0, koniec = meno.size();
    auto okraj = [](QChar c) { return c.isSpace() || c == u'.'; };
    while (zaciatok < koniec && okraj(meno[zaciatok]))
        ++zaciatok;
    while (koniec > zaciatok && okraj(meno[koniec - 1]))
        --koniec;
    meno = meno.mid(zaciatok, koniec - zaciatok);
    if (meno.isEmpty())
        return QStringLiteral("Skuska");
    return QStringLiteral("Skuska - ") + meno;
}

QString percento(qint64 spravne, qint64 celkom) {
    if (celkom <= 0)
        return stotiny(10000);
    // In 128 bits: the hundredths of a per cent of any count fit, none wraps round.
    __extension__ typedef __int128 Siroke;
    const Siroke n = static_cast<Siroke>(spravne) * 10000;
    Siroke q = n / celkom;
    const Siroke r = n % celkom;
    if (2 * (r < 0 ? -r : r) >= celkom)
        q += n < 0 ? -1 : 1;
    return stotiny(static_cast<qint64>(q));
}

QString percento(float hodnota) {
    return stotiny(std::llround(static_cast<double>(hodnota) * 100.0));
}

QString textSkore(const Skore& skore) {
    return QStringLiteral("%1 z %2 správne, úspešnosť: %3%")
        .arg(skore.spravne)
        .arg(skore.celkom)
        .arg(percento(skore.spravne, skore.celkom));
}

QString textHlavnejKnihy(float zhoda) {
    if (zhoda == -1.f)
        return QStringLiteral("nebolo možné vygenerovať");
    return QStringLiteral("zodpovedá na %1%").arg(percento(zhoda));
}

} // namespace saldovia::skuska
