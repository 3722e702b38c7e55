#include "Obraty.h"

#include "store/Store.h"
#include "store/Values.h"

#include <optional>

namespace saldovia::hlavnakniha {

namespace {

const QString Nula = QStringLiteral("0,00");
const QString Suhrn = QStringLiteral("-"); // Skupina and Trieda of group and class rows

// Runs its statements in the caller's transaction when one is under way, otherwise in its
// own, rolled back unless committed.
class Zmena {
public:
    explicit Zmena(Connection& c) {
        if (!c.inTransaction())
            tr_.emplace(c);
    }
    void commit() {
        if (tr_)
            tr_->commit();
    }

private:
    std::optional<Transaction> tr_;
};

// A shared data set borrowed as a cursor: it gets its own statement back when the borrower
// is done, and is opened again if it was open.
class ZapozicanyKurzor {
public:
    explicit ZapozicanyKurzor(DataSet& ds)
        : ds_(ds), sql_(ds.sql()), poCastiach_(ds.onDemand()), otvoreny_(ds.isOpen()) {}
    ~ZapozicanyKurzor() {
        ds_.close();
        ds_.setSQL(sql_);
        ds_.setOnDemand(poCastiach_);
        if (otvoreny_) {
            try {
                ds_.open();
            } catch (const DbError&) {
                // left closed; its window opens it again with its own statement
            }
        }
    }
    ZapozicanyKurzor(const ZapozicanyKurzor&) = delete;
    ZapozicanyKurzor& operator=(const ZapozicanyKurzor&) = delete;

    DataSet& otvorit(const QString& sql) {
        ds_.close();
        ds_.setSQL(sql);
        ds_.open();
        return ds_;
    }

private:
    DataSet& ds_;
    QString sql_;
    OnDemand poCastiach_;
    bool otvoreny_;
};

// A summed amount as the ledger writes it; a sum over null amounts only is no amount.
QString sumaTextom(const QString& suma) {
    if (suma.isEmpty())
        return Nula;
    const auto a = Amount::parse(suma);
    if (!a)
        throw DbError(QStringLiteral("'%1' nie je platná suma.").arg(suma));
    return a->toText();
}

QString vlozit(const QString& k, const QString& maDat, const QString& dal, const QString& skupina,
               const QString& trieda) {
    return QStringLiteral("INSERT INTO HlavnaKniha (CisloUctu, MaDat, Dal, Skupina, Trieda) "
                          "VALUES (%1,%2,%3,%4,%5);")
        .arg(sqlText(k), sqlText(maDat), sqlText(dal), sqlText(skupina), sqlText(trieda));
}

// What one cursor row of a phase writes: K is the account, group or class, S its sum.
void zapisat(Store& store, const Faza& f, const QString& k, const QString& s) {
    const bool ucet = f.uroven == Uroven::Ucet;
    const QString sk = ucet ? skupina(k) : Suhrn;
    const QString tr = ucet ? trieda(k) : Suhrn;
    if (f.strana == Strana::MaDat) {
        store.SQL(vlozit(k, s, Nula, sk, tr));
        return;
    }
    if (store.SQL(QStringLiteral("SELECT CisloUctu FROM HlavnaKniha WHERE CisloUctu = %1;")
                      .arg(sqlText(k))) == 0)
        store.SQL(vlozit(k, Nula, s, sk, tr));
    else
        store.SQL(QStringLiteral("UPDATE HlavnaKniha SET Dal = %1 WHERE CisloUctu = %2;")
                      .arg(sqlText(s), sqlText(k)));
}

} // namespace

const QList<Faza>& fazy() {
    static const QList<Faza> f{
        {Uroven::Ucet, Strana::MaDat,
         QStringLiteral("SELECT UctovnyDennik.MaDat AS CisloUctu, SUCET(UctovnyDennik.Suma) AS "
                        "MaDat FROM UctovnyDennik GROUP BY UctovnyDennik.MaDat;"),
         2500, 2500, QStringLiteral("Výpočet stĺpca Má dať")},
        {Uroven::Ucet, Strana::Dal,
         QStringLiteral("SELECT UctovnyDennik.Dal AS CisloUctu, SUCET(UctovnyDennik.Suma) AS Dal "
                        "FROM UctovnyDennik GROUP BY UctovnyDennik.Dal;"),
         2500, 5000, QStringLiteral("Výpočet stĺpca Dal")},
        {Uroven::Skupina, Strana::MaDat,
         QStringLiteral("SELECT Skupina AS CisloUctu, SUCET(MaDat) AS MaDat FROM HlavnaKniha "
                        "WHERE Skupina <> '-' GROUP BY Skupina;"),
         1500, 6500, QStringLiteral("Sumarizácia účtových skupín")},
        {Uroven::Skupina, Strana::Dal,
         QStringLiteral("SELECT Skupina AS CisloUctu, SUCET(Dal) AS Dal FROM HlavnaKniha "
                        "WHERE Skupina <> '-' GROUP BY Skupina;"),
         1500, 8000, QStringLiteral("Sumarizácia účtových skupín")},
        {Uroven::Trieda, Strana::MaDat,
         QStringLiteral("SELECT Trieda AS CisloUctu, SUCET(MaDat) AS MaDat FROM HlavnaKniha "
                        "WHERE Trieda <> '-' GROUP BY Trieda;"),
         1000, 9000, QStringLiteral("Sumarizácia účtových tried")},
        {Uroven::Trieda, Strana::Dal,
         QStringLiteral("SELECT Trieda AS CisloUctu, SUCET(Dal) AS Dal FROM HlavnaKniha "
                        "WHERE Trieda <> '-' GROUP BY Trieda;"),
         1000, 10000, QStringLiteral("Sumarizácia účtových tried")},
    };
    return f;
}

QString skupina(const QString& cisloUctu) {
    return cisloUctu.left(2);
}

QString trieda(const QString& cisloUctu) {
    return cisloUctu.left(1);
}

int krok(int podiel, int pocetRiadkov) {
    return pocetRiadkov > 0 ? podiel / pocetRiadkov : 0;
}

QString percenta(int pozicia) {
    return QString::number(pozicia / 100) + u'%';
}

QList<qint64> riadkyBezPredkontacie(Store& store) {
    const int n = store.SQL(QStringLiteral(
        "SELECT Riadok FROM UctovnyDennik WHERE MaDat IS NULL OR Dal IS NULL OR RTRIM(MaDat) = "
        "'' OR RTRIM(Dal) = '' ORDER BY Riadok;"));
    QList<qint64> riadky;
    riadky.reserve(n);
    for (int i = 1; i <= n; ++i) {
        store.ADOQuery.setRecNo(i);
        riadky << store.ADOQuery.integer(QStringLiteral("Riadok"));
    }
    return riadky;
}

QString spravaBezPredkontacie(const QList<qint64>& riadky) {
    QStringList cisla;
    for (qint64 r : riadky)
        cisla << QString::number(r);
    return QStringLiteral("Neboli vyplnené všetky predkontácie!\n\nZoznam chybných riadkov: ") +
           cisla.join(QStringLiteral(", "));
}

void vytvorit(Store& store, const Priebeh& priebeh) {
    Zmena zmena(store.connection());
    ZapozicanyKurzor kurzor(store.qryUctovnyDennik);
    store.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
    int pozicia = 0;
    for (const Faza& f : fazy()) {
        DataSet& riadky = kurzor.otvorit(f.dotaz);
        const QString stlpec =
            f.strana == Strana::MaDat ? QStringLiteral("MaDat") : QStringLiteral("Dal");
        const int pocet = riadky.recordCount();
        const int k = krok(f.podiel, pocet);
        for (int i = 1; i <= pocet; ++i) {
            riadky.setRecNo(i);
            zapisat(store, f, riadky.text(QStringLiteral("CisloUctu")),
                    sumaTextom(riadky.text(stlpec)));
            pozicia += k;
            if (priebeh)
                priebeh(f.popis, pozicia);
        }
        pozicia = f.koniec;
        if (priebeh)
            priebeh(f.popis, pozicia);
    }
    zmena.commit();
}

QString dotazTlace() {
    return QStringLiteral("SELECT HlavnaKniha.CisloUctu, UctovaOsnova.Nazov, HlavnaKniha.MaDat, "
                          "HlavnaKniha.Dal, HlavnaKniha.Skupina FROM HlavnaKniha LEFT JOIN "
                          "UctovaOsnova ON %1 ORDER BY HlavnaKniha.CisloUctu;")
        .arg(sqlAccountsEqual(QStringLiteral("HlavnaKniha.CisloUctu"),
                              QStringLiteral("UctovaOsnova.Cislo")));
}

void ulozitVzor(Store& store) {
    Zmena zmena(store.connection());
    store.SQL(QStringLiteral("DELETE FROM HlavnaKnihaVzor;"));
    store.SQL(QStringLiteral("INSERT INTO HlavnaKnihaVzor SELECT * FROM HlavnaKniha;"));
    zmena.commit();
}

Zhoda porovnatSoVzorom(Store& store) {
    ZapozicanyKurzor kurzor(store.qryDoklady);
    const QString nazovVzoru = sqlAccountsEqual(QStringLiteral("HlavnaKnihaVzor.CisloUctu"),
                                                QStringLiteral("UctovaOsnova.Cislo"));
    const QString nazovKnihy = sqlAccountsEqual(QStringLiteral("HlavnaKniha.CisloUctu"),
                                                QStringLiteral("UctovaOsnova.Cislo"));
    // Accounts of the two ledgers meet only account rows of the other one.
    const QString ucty = sqlAccountsEqual(QStringLiteral("HlavnaKnihaVzor.CisloUctu"),
                                          QStringLiteral("HlavnaKniha.CisloUctu"));
    Zhoda z;

    DataSet& vzor = kurzor.otvorit(
        QStringLiteral(
            "SELECT HlavnaKnihaVzor.CisloUctu, UctovaOsnova.Nazov, HlavnaKnihaVzor.MaDat AS "
            "MaDatVzor, HlavnaKnihaVzor.Dal AS DalVzor, HlavnaKniha.MaDat, HlavnaKniha.Dal FROM "
            "HlavnaKnihaVzor LEFT JOIN UctovaOsnova ON %1 LEFT JOIN HlavnaKniha ON %2 AND "
            "HlavnaKniha.Trieda <> '-' WHERE HlavnaKnihaVzor.Trieda <> '-' ORDER BY "
            "HlavnaKnihaVzor.CisloUctu;")
            .arg(nazovVzoru, ucty));
    for (int i = 1; i <= vzor.recordCount(); ++i) {
        vzor.setRecNo(i);
        if (vzor.text(QStringLiteral("MaDat")) == vzor.text(QStringLiteral("MaDatVzor")) &&
            vzor.text(QStringLiteral("Dal")) == vzor.text(QStringLiteral("DalVzor")))
            ++z.spravne;
    }
    z.posudzovane += vzor.recordCount();

    DataSet& navyse = kurzor.otvorit(
        QStringLiteral("SELECT HlavnaKniha.CisloUctu, UctovaOsnova.Nazov FROM HlavnaKniha LEFT "
                       "JOIN UctovaOsnova ON %1 LEFT JOIN HlavnaKnihaVzor ON %2 AND "
                       "HlavnaKnihaVzor.Trieda <> '-' WHERE (HlavnaKniha.Trieda <> '-' AND "
                       "HlavnaKnihaVzor.CisloUctu IS NULL) ORDER BY HlavnaKniha.CisloUctu;")
            .arg(nazovKnihy, ucty));
    z.posudzovane += navyse.recordCount();

    z.percento = percentoZhody(z.spravne, z.posudzovane);
    return z;
}

std::optional<Zhoda> porovnat(Store& store) {
    if (!riadkyBezPredkontacie(store).isEmpty())
        return std::nullopt;
    // A failing build rolls its own writes back; a failing comparison leaves the built ledger,
    // which goes, without hiding the error that ended the comparison.
    vytvorit(store);
    Zhoda z;
    try {
        z = porovnatSoVzorom(store);
    } catch (const DbError&) {
        try {
            store.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
        } catch (const DbError&) {
        }
        throw;
    }
    store.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
    return z;
}

float percentoZhody(int spravne, int posudzovane) {
    if (posudzovane <= 0)
        return 100.f;
    return static_cast<float>(spravne * 100) / static_cast<float>(posudzovane);
}

} // namespace saldovia::hlavnakniha
