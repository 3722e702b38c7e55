#include "Pecat.h"

#include "Vyhodnotenie.h"
#include "store/Connection.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageAuthenticationCode>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringList>

namespace saldovia::skuska {

namespace {

const QString ZnackaZaznamu = QStringLiteral("Skuska");

// Every cell of a result with a mark for NULL, cells and rows separated so that no two
// different tables read the same.
void pridatRiadky(QCryptographicHash* h, QMessageAuthenticationCode* m, const ResultSet& r) {
    for (int i = 0; i < r.rowCount(); ++i) {
        QByteArray riadok;
        for (int k = 0; k < r.columnCount(); ++k) {
            const QVariant& v = r.value(i, k);
            riadok += v.isNull() ? QByteArray("\x01") : "\x02" + valueText(v).toUtf8();
            riadok += '\x1f';
        }
        riadok += '\x1e';
        if (h)
            h->addData(riadok);
        if (m)
            m->addData(riadok);
    }
}

} // namespace

Zaznam nacitatZaznam(Connection& c) {
    Zaznam z;
    const ResultSet r = c.query(
        QStringLiteral("SELECT Poznamky FROM main.AgendaNastavenie WHERE Verzia = ? AND rowid > "
                       "(SELECT MIN(rowid) FROM main.AgendaNastavenie) ORDER BY rowid LIMIT 1;"),
        {ZnackaZaznamu});
    if (r.rowCount() < 1)
        return z;
    z.existuje = true;
    for (const QString& riadok : r.text(0, 0).split(u'\n')) {
        const QString meno = riadok.section(u'=', 0, 0);
        const QString hodnota = riadok.section(u'=', 1);
        if (meno == QLatin1String("Rezim"))
            z.cvicenie = hodnota == QLatin1String("cvicenie");
        else if (meno == QLatin1String("Kontroly"))
            z.kontroly = hodnota.toInt();
        else if (meno == QLatin1String("ZnovuOtvorena"))
            z.znovuOtvorena = hodnota;
        else if (meno == QLatin1String("Pecat"))
            z.pecat = hodnota;
    }
    return z;
}

void zapisatZaznam(Connection& c, const Zaznam& z) {
    QStringList t{QStringLiteral("Rezim=") +
                      (z.cvicenie ? QStringLiteral("cvicenie") : QStringLiteral("skuska")),
                  QStringLiteral("Kontroly=%1").arg(z.kontroly)};
    if (!z.znovuOtvorena.isEmpty())
        t << QStringLiteral("ZnovuOtvorena=") + z.znovuOtvorena;
    if (!z.pecat.isEmpty())
        t << QStringLiteral("Pecat=") + z.pecat;
    const QString text = t.join(u'\n');
    const QString kde = QStringLiteral(
        " WHERE Verzia = ? AND rowid > (SELECT MIN(rowid) FROM main.AgendaNastavenie)");
    if (c.execBound(QStringLiteral("UPDATE main.AgendaNastavenie SET Poznamky = ?") + kde + u';',
                    {text, ZnackaZaznamu}) == 0)
        c.execBound(
            QStringLiteral("INSERT INTO main.AgendaNastavenie (Verzia, Poznamky) VALUES (?, ?);"),
            {ZnackaZaznamu, text});
}

QString odtlacokVzoru(Connection& c) {
    QCryptographicHash h(QCryptographicHash::Sha256);
    pridatRiadky(&h, nullptr,
                 c.query(QStringLiteral("SELECT * FROM main.UctovnyDennikVzor ORDER BY Riadok, "
                                        "Datum, Doklad, Popis;")));
    h.addData(QByteArray("\x1d"));
    pridatRiadky(&h, nullptr,
                 c.query(QStringLiteral("SELECT * FROM main.HlavnaKnihaVzor ORDER BY CisloUctu, "
                                        "MaDat, Dal, Skupina, Trieda;")));
    return QString::fromLatin1(h.result().toHex());
}

QString vypocitatPecat(Connection& c) {
    // The key never stands in the program as it is used: it is derived from a phrase and the
    // exam's identity, so each exam has its own.
    QCryptographicHash k(QCryptographicHash::Sha256);
    k.addData(QByteArray("saldovia/odovzdanie/"));
    for (int i = 0; i < 64; ++i)
        k.addData(QByteArray(1, static_cast<char>((i * 73 + 41) & 0xff)));
    k.addData(odtlacokVzoru(c).toLatin1());
    QMessageAuthenticationCode m(QCryptographicHash::Sha256, k.result());
    pridatRiadky(nullptr, &m,
                 c.query(QStringLiteral("SELECT * FROM main.UctovnyDennik ORDER BY Riadok;")));
    m.addData(QByteArray("\x1d"));
    pridatRiadky(nullptr, &m,
                 c.query(QStringLiteral("SELECT MenoUzivatela, SkuskaDlzka, SkuskaZaciatok, "
                                        "SkuskaKoniec FROM main.AgendaNastavenie ORDER BY rowid "
                                        "LIMIT 1;")));
    const Zaznam z = nacitatZaznam(c);
    m.addData(QStringLiteral("%1|%2|%3")
                  .arg(z.cvicenie ? 1 : 0)
                  .arg(z.kontroly)
                  .arg(z.znovuOtvorena)
                  .toUtf8());
    return QString::fromLatin1(m.result().toHex());
}

void zapecatit(Connection& c) {
    Zaznam z = nacitatZaznam(c);
    z.pecat = vypocitatPecat(c);
    zapisatZaznam(c, z);
}

namespace ukoncene {

QString subor() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
        .filePath(QStringLiteral("ukoncene-skusky.txt"));
}

namespace {
QStringList riadky() {
    QFile f(subor());
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(f.readAll()).split(u'\n', Qt::SkipEmptyParts);
}
} // namespace

bool obsahuje(const QString& odtlacok, QString* zaciatok) {
    for (const QString& r : riadky())
        if (r.section(u'\t', 0, 0) == odtlacok) {
            if (zaciatok)
                *zaciatok = r.section(u'\t', 1);
            return true;
        }
    return false;
}

void zapisat(const QString& odtlacok, const QString& zaciatok) {
    QStringList r = riadky();
    const QString novy = odtlacok + u'\t' + zaciatok;
    if (r.contains(novy))
        return;
    r << novy;
    const QString cesta = subor();
    QDir().mkpath(QFileInfo(cesta).absolutePath());
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly) || f.write((r.join(u'\n') + u'\n').toUtf8()) < 0 ||
        !f.commit())
        throw DbError(QStringLiteral("Koniec skúšky sa nepodarilo zaznamenať do súboru %1: %2")
                          .arg(QDir::toNativeSeparators(cesta), f.errorString()));
}

} // namespace ukoncene

} // namespace saldovia::skuska

namespace saldovia::skuska {

Kontrola skontrolovat(Connection& c) {
    Kontrola k;
    Transaction t(c);
    {
        const ResultSet r = c.query(QStringLiteral(
            "SELECT UctovnyDennikVzor.Riadok, UctovnyDennikVzor.MaDat, UctovnyDennikVzor.Dal, "
            "UctovnyDennikVzor.Suma, UctovnyDennikVzor.Vypocty, UctovnyDennik.Riadok, "
            "UctovnyDennik.MaDat, UctovnyDennik.Dal, UctovnyDennik.Suma FROM "
            "main.UctovnyDennikVzor "
            "LEFT JOIN main.UctovnyDennik ON UctovnyDennikVzor.Riadok = UctovnyDennik.Riadok "
            "ORDER BY UctovnyDennikVzor.Riadok;"));
        k.celkom = r.rowCount();
        for (int i = 0; i < r.rowCount(); ++i) {
            const bool chyba = r.value(i, 5).isNull();
            const bool zle = chyba || r.text(i, 6) != r.text(i, 1) ||
                             r.text(i, 7) != r.text(i, 2) ||
                             (r.integer(i, 4) == 1 && !rovnakaSuma(r.text(i, 8), r.text(i, 3)));
            if (!zle)
                continue;
            ++k.pocetNespravnych;
            if (!chyba)
                k.nespravne << r.integer(i, 0);
        }
    }
    Zaznam z = nacitatZaznam(c);
    ++z.kontroly;
    zapisatZaznam(c, z);
    t.commit();
    return k;
}

} // namespace saldovia::skuska
