#include "Hodnotenietriedy.h"

#include "Pecat.h"

#include "store/Agenda.h"
#include "store/Store.h"
#include "store/Subory.h"
#include "store/Values.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

#include <sqlite3.h>

namespace saldovia::trieda {

namespace {

const QString NieJeAgenda = QStringLiteral("Súbor nie je agenda programu.");

QString prvyRiadok(const QString& text) {
    return text.section(u'\n', 0, 0);
}

// Why a file is damaged, in words a teacher understands: the engine's messages (its integrity
// check lists what it found, "*** in database main ***" and the pages and rows) are English
// and technical.
QString poskodeny(const QStringList& zistenia) {
    const QString prvy = zistenia.value(0);
    // The store's own texts are already Slovak.
    if (prvy.startsWith(QLatin1String("Súbor je poškodený")))
        return prvy;
    QString co;
    if (prvy.contains(QLatin1String("*** in database")) ||
        prvy.startsWith(QLatin1String("Page ")) || prvy.startsWith(QLatin1String("row ")) ||
        prvy.contains(QLatin1String("btree")) || prvy.contains(QLatin1String("index"))) {
        const qsizetype n = std::count_if(zistenia.begin(), zistenia.end(), [](const QString& z) {
            return !z.startsWith(QLatin1String("***"));
        });
        co = QStringLiteral("vnútorná štruktúra databázy je narušená (kontrola celistvosti "
                            "našla %1 %2); súbor bol zrejme zapísaný neúplne alebo zmenený "
                            "mimo programu.")
                 .arg(std::max<qsizetype>(n, 1))
                 .arg(n == 1 || n == 0 ? QStringLiteral("chybu")
                      : n < 5          ? QStringLiteral("chyby")
                                       : QStringLiteral("chýb"));
    } else if (prvy.contains(QLatin1String("malformed")) ||
               prvy.contains(QLatin1String("corrupt"))) {
        co = QStringLiteral("obsah databázy je porušený; súbor bol zrejme zapísaný neúplne alebo "
                            "zmenený mimo programu.");
    } else if (prvy.contains(QLatin1String("I/O")) || prvy.contains(QLatin1String("disk"))) {
        co = QStringLiteral("súbor sa nedá prečítať z disku.");
    } else if (prvy.contains(QLatin1String("no such table")) ||
               prvy.contains(QLatin1String("no such column"))) {
        co = QStringLiteral("chýba v ňom časť tabuliek agendy.");
    } else if (std::any_of(prvy.begin(), prvy.end(),
                           [](QChar ch) { return ch.unicode() > 0x7f; })) {
        co = prvy;
    } else {
        co = QStringLiteral("jeho údaje sa nedajú prečítať.");
    }
    return QStringLiteral("Súbor je poškodený: ") + co;
}

// The texts of every cell of a result, row after row, for comparing two tables.
bool rovnakeRiadky(const ResultSet& a, const ResultSet& b) {
    if (a.rowCount() != b.rowCount() || a.columnCount() != b.columnCount())
        return false;
    for (int r = 0; r < a.rowCount(); ++r)
        for (int k = 0; k < a.columnCount(); ++k) {
            const QVariant& x = a.value(r, k);
            const QVariant& y = b.value(r, k);
            if (x.isNull() != y.isNull() || valueText(x) != valueText(y))
                return false;
        }
    return true;
}

const QString DotazDennika =
    QStringLiteral("SELECT * FROM main.UctovnyDennikVzor ORDER BY Riadok, Datum, Doklad, Popis;");
const QString DotazKnihy = QStringLiteral(
    "SELECT * FROM main.HlavnaKnihaVzor ORDER BY CisloUctu, MaDat, Dal, Skupina, Trieda;");

// The first checks of a file on an open connection: our key, an intact file, the agenda's
// tables and version. Empty when they pass.
std::optional<Otvorenie> skontrolovat(Connection& c) {
    auto chyba = [](Stav stav, const QString& dovod) {
        Otvorenie o;
        o.stav = stav;
        o.dovod = dovod;
        return std::optional<Otvorenie>(o);
    };
    // The first page opens only with the program's key: what does not is no file of ours.
    try {
        c.query(QStringLiteral("SELECT Count(*) FROM sqlite_master;"));
    } catch (const DbError& e) {
        if ((sqlite3_errcode(c.handle()) & 0xff) == SQLITE_NOTADB)
            return chyba(Stav::NieJeSkuska, NieJeAgenda);
        return chyba(Stav::PoskodenySubor, poskodeny({prvyRiadok(e.text())}));
    }
    try {
        const ResultSet check = c.query(QStringLiteral("PRAGMA quick_check;"));
        if (check.rowCount() != 1 || check.text(0, 0) != QLatin1String("ok")) {
            QStringList zistenia;
            for (int i = 0; i < check.rowCount(); ++i)
                zistenia << check.text(i, 0).split(u'\n', Qt::SkipEmptyParts);
            return chyba(Stav::PoskodenySubor, poskodeny(zistenia));
        }
    } catch (const DbError& e) {
        return chyba(Stav::PoskodenySubor, poskodeny({prvyRiadok(e.text())}));
    }
    if (!maSchemuAgendy(c))
        return chyba(Stav::NieJeSkuska, NieJeAgenda);
    const ResultSet nastavenie = c.query(
        QStringLiteral("SELECT Verzia, SkuskaDlzka FROM AgendaNastavenie ORDER BY rowid LIMIT 1;"));
    if (nastavenie.rowCount() < 1 || nastavenie.text(0, 0) != VerziaProgramu)
        return chyba(Stav::NieJeSkuska, NieJeAgenda);
    if (nastavenie.text(0, 1).isEmpty())
        return chyba(Stav::NieJeSkuska, QStringLiteral("Agenda nie je skúška."));
    return std::nullopt;
}

// TEMP tables shaped as the file's own, holding the given rows.
void naplnitDocasnu(Connection& c, const QString& tabulka, const ResultSet& riadky) {
    c.exec(QStringLiteral("CREATE TEMP TABLE %1 AS SELECT * FROM main.%1 WHERE 0;").arg(tabulka));
    if (riadky.rowCount() == 0)
        return;
    QStringList otazniky;
    for (int k = 0; k < riadky.columnCount(); ++k)
        otazniky << QStringLiteral("?");
    const QString vlozit =
        QStringLiteral("INSERT INTO temp.%1 VALUES (%2);").arg(tabulka, otazniky.join(u','));
    QVariantList hodnoty;
    for (int r = 0; r < riadky.rowCount(); ++r) {
        hodnoty.clear();
        for (int k = 0; k < riadky.columnCount(); ++k)
            hodnoty << riadky.value(r, k);
        c.execBound(vlozit, hodnoty);
    }
}

qint64 sekundy(const QString& dlzka) {
    return durationFromText(dlzka).value_or(-1);
}

} // namespace

QString textStavu(Stav stav) {
    switch (stav) {
    case Stav::Dokoncena:
        return QStringLiteral("dokončená");
    case Stav::Nedokoncena:
        return QStringLiteral("nedokončená");
    case Stav::InaSkuska:
        return QStringLiteral("iná skúška");
    case Stav::NieJeSkuska:
        return QStringLiteral("nie je skúška");
    case Stav::UpravenySubor:
        return QStringLiteral("upravený súbor");
    case Stav::Cvicenie:
        return QStringLiteral("cvičenie");
    case Stav::ZnovuOtvorena:
        return QStringLiteral("znovu otvorená");
    case Stav::NedaSaCitat:
        return QStringLiteral("nedá sa čítať");
    case Stav::PoskodenySubor:
        break;
    }
    return QStringLiteral("poškodený súbor");
}

Vzor nacitatVzor(const QString& cesta) {
    const QString nepouzitelny = QStringLiteral("Zvolený súbor nie je skúška tak, ako bola "
                                                "vygenerovaná:\n");
    if (!QFileInfo(cesta).isFile())
        throw DbError(nepouzitelny + QStringLiteral("súbor neexistuje."));
    Connection c;
    try {
        c.open(cesta, Connection::Mode::ReadOnly);
    } catch (const DbError& e) {
        throw DbError(nepouzitelny + prvyRiadok(e.text()));
    }
    if (const auto chyba = skontrolovat(c))
        throw DbError(nepouzitelny + chyba->dovod);
    const ResultSet nastavenie = c.query(
        QStringLiteral("SELECT SkuskaDlzka, SkuskaZaciatok, SkuskaKoniec FROM AgendaNastavenie "
                       "ORDER BY rowid LIMIT 1;"));
    // A student's file may carry altered samples: only an exam nobody has started serves.
    if (!nastavenie.text(0, 1).isEmpty() || !nastavenie.text(0, 2).isEmpty())
        throw DbError(nepouzitelny + QStringLiteral("skúška v ňom už bola spustená."));
    Vzor v;
    v.cesta = cesta;
    v.dlzka = nastavenie.text(0, 0);
    v.dennik = c.query(DotazDennika);
    v.kniha = c.query(DotazKnihy);
    if (v.dennik.rowCount() == 0)
        throw DbError(nepouzitelny + QStringLiteral("neobsahuje vzorový účtovný denník."));
    v.sPecatou = skuska::nacitatZaznam(c).existuje;
    return v;
}

Otvorenie otvorit(Store& store, const QString& cesta, const Vzor& vzor) {
    store.disconnectAgenda();
    Otvorenie o;
    const QFileInfo fi(cesta);
    if (!fi.isFile()) {
        o.dovod = QStringLiteral("Súbor neexistuje.");
        return o;
    }
    if (QFile f(cesta); !f.open(QIODevice::ReadOnly)) {
        o.stav = Stav::NedaSaCitat;
        const int e = poslednaChybaSystemu();
        o.dovod = QStringLiteral("Súbor sa nedá prečítať: ") +
                  (e == EACCES || e == EPERM ? QStringLiteral("k súboru nie je prístup.")
                                             : popisChybySystemu(e));
        return o;
    }
    Connection& c = store.connection();
    try {
        c.open(cesta, Connection::Mode::ReadOnly);
        if (auto chyba = skontrolovat(c)) {
            store.disconnectAgenda();
            return *chyba;
        }
        o.rovnakyVzor = rovnakeRiadky(c.query(DotazDennika), vzor.dennik) &&
                        rovnakeRiadky(c.query(DotazKnihy), vzor.kniha);
        // Unqualified names find TEMP tables before the file's own.
        c.exec(QStringLiteral("PRAGMA temp_store = MEMORY;"));
        c.exec(QStringLiteral("BEGIN;"));
        naplnitDocasnu(c, QStringLiteral("UctovnyDennikVzor"), vzor.dennik);
        naplnitDocasnu(c, QStringLiteral("HlavnaKnihaVzor"), vzor.kniha);
        naplnitDocasnu(c, QStringLiteral("HlavnaKniha"), ResultSet());
        c.exec(QStringLiteral("COMMIT;"));
        store.tblAgendaNastavenie.open();
    } catch (const DbError& e) {
        store.disconnectAgenda();
        o = Otvorenie();
        o.dovod = poskodeny({prvyRiadok(e.text())});
        return o;
    }
    o.ok = true;
    return o;
}

Vysledok vyhodnotitSubor(const QString& cesta, const Vzor& vzor) {
    Vysledok v;
    v.cesta = cesta;
    v.subor = QFileInfo(cesta).fileName();
    Store store;
    const Otvorenie o = otvorit(store, cesta, vzor);
    if (!o.ok) {
        v.stav = o.stav;
        v.dovod = o.dovod;
        return v;
    }
    bool upraveny = false, znovuOtvorena = false;
    try {
        const SettingsRow& s = store.tblAgendaNastavenie;
        v.meno = s.text(QStringLiteral("MenoUzivatela"));
        v.zaciatok = s.text(QStringLiteral("SkuskaZaciatok"));
        v.koniec = s.text(QStringLiteral("SkuskaKoniec"));
        v.dlzka = s.text(QStringLiteral("SkuskaDlzka"));
        const skuska::Zaznam z = skuska::nacitatZaznam(store.connection());
        v.cvicenie = z.cvicenie;
        v.kontroly = z.kontroly;
        // A sealed file must match its seal; a finished one from a sealing exam must have one.
        upraveny = z.pecat.isEmpty() ? vzor.sPecatou && !v.koniec.isEmpty()
                                     : z.pecat != skuska::vypocitatPecat(store.connection());
        znovuOtvorena = !z.znovuOtvorena.isEmpty();
        {
            // Only TEMP tables are written, in a transaction that is never committed.
            Connection& c = store.connection();
            c.exec(QStringLiteral("BEGIN;"));
            try {
                v.hodnotenie = skuska::vyhodnotit(store);
            } catch (...) {
                c.exec(QStringLiteral("ROLLBACK;"));
                throw;
            }
            c.exec(QStringLiteral("ROLLBACK;"));
        }
        v.hodnotena = true;
    } catch (const DbError& e) {
        v = Vysledok();
        v.cesta = cesta;
        v.subor = QFileInfo(cesta).fileName();
        v.dovod = poskodeny({prvyRiadok(e.text())});
        return v;
    }

    if (upraveny)
        v.stav = Stav::UpravenySubor;
    else if (v.cvicenie)
        v.stav = Stav::Cvicenie;
    else if (znovuOtvorena)
        v.stav = Stav::ZnovuOtvorena;
    else if (!o.rovnakyVzor)
        v.stav = Stav::InaSkuska;
    else if (v.koniec.isEmpty())
        v.stav = Stav::Nedokoncena;
    else
        v.stav = Stav::Dokoncena;
    const auto zac = timestampFromText(v.zaciatok);
    const auto kon = timestampFromText(v.koniec);
    if (zac && kon)
        v.trvanie = zac->secsTo(*kon);
    v.casyNesedia = (v.trvanie && *v.trvanie < 0) || (!v.zaciatok.isEmpty() && !zac) ||
                    (!v.koniec.isEmpty() && !kon);
    const qint64 limit = sekundy(vzor.dlzka);
    v.dlhsie = v.trvanie && limit >= 0 && *v.trvanie > limit;
    v.inaDlzka = v.dlzka != vzor.dlzka;
    v.bezMena = v.meno.trimmed().isEmpty();
    return v;
}

QList<Vysledok> vyhodnotit(const QStringList& cesty, const Vzor& vzor, const Priebeh& priebeh) {
    // Each file is opened on a connection of its own, so the files are scored side by side,
    // one worker per processor: most of a file's time goes into deriving its key. The caller's
    // thread is one of the workers and reports the progress between its files, so that a
    // window can show it.
    const int spolu = static_cast<int>(cesty.size());
    std::vector<Vysledok> vysledky(static_cast<size_t>(spolu));
    std::vector<char> hotove(static_cast<size_t>(spolu), 0);
    std::atomic<int> dalsi{0};
    std::atomic<bool> zastavit{false};
    std::mutex m;
    std::condition_variable zmena;
    int zacate = 0, dokoncene = 0; // guarded by m
    auto dalsiSubor = [&]() -> bool {
        if (zastavit)
            return false;
        int i;
        {
            std::lock_guard<std::mutex> lock(m);
            i = dalsi++;
            if (i >= spolu)
                return false;
            ++zacate;
        }
        Vysledok v = vyhodnotitSubor(cesty[i], vzor);
        {
            std::lock_guard<std::mutex> lock(m);
            vysledky[static_cast<size_t>(i)] = std::move(v);
            hotove[static_cast<size_t>(i)] = 1;
            ++dokoncene;
        }
        zmena.notify_all();
        return true;
    };
    int ohlasene = 0;
    auto ohlasit = [&](int n) {
        if (n == ohlasene)
            return;
        ohlasene = n;
        if (priebeh && !priebeh(n, spolu))
            zastavit = true;
    };

    const int pocet =
        sqlite3_threadsafe() ? std::clamp(QThread::idealThreadCount(), 1, std::max(1, spolu)) : 1;
    std::vector<std::thread> pracovnici;
    for (int i = 1; i < pocet; ++i)
        pracovnici.emplace_back([&] {
            while (dalsiSubor()) {
            }
        });
    while (dalsiSubor()) {
        std::unique_lock<std::mutex> lock(m);
        const int n = dokoncene;
        lock.unlock();
        ohlasit(n);
    }
    // The other workers' last files.
    for (;;) {
        std::unique_lock<std::mutex> lock(m);
        zmena.wait_for(lock, std::chrono::milliseconds(50));
        const int n = dokoncene;
        const bool vsetky = dokoncene == zacate;
        lock.unlock();
        ohlasit(n);
        if (vsetky)
            break;
    }
    for (std::thread& t : pracovnici)
        t.join();

    QList<Vysledok> poradie;
    poradie.reserve(spolu);
    for (int i = 0; i < spolu; ++i)
        if (hotove[static_cast<size_t>(i)])
            poradie << std::move(vysledky[static_cast<size_t>(i)]);
    oznacitRovnakyZaciatok(poradie);
    return poradie;
}

void oznacitRovnakyZaciatok(QList<Vysledok>& vysledky) {
    QHash<QString, QList<qsizetype>> podlaZaciatku;
    for (qsizetype i = 0; i < vysledky.size(); ++i) {
        vysledky[i].rovnakyZaciatok.clear();
        if (vysledky[i].hodnotena && !vysledky[i].zaciatok.isEmpty())
            podlaZaciatku[vysledky[i].zaciatok] << i;
    }
    for (const QList<qsizetype>& skupina : podlaZaciatku)
        if (skupina.size() > 1)
            for (qsizetype i : skupina)
                for (qsizetype j : skupina)
                    if (i != j)
                        vysledky[i].rovnakyZaciatok << vysledky[j].subor;
}

QStringList suboryPriecinka(const QString& priecinok) {
    QDir d(priecinok);
    QStringList cesty;
    const QStringList mena =
        d.entryList({QStringLiteral("*.mdb")}, QDir::Files | QDir::NoDotAndDotDot, QDir::Name);
    for (const QString& m : mena)
        if (m.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
            cesty << d.filePath(m);
    return cesty;
}

QString Vysledok::upozornenia(const QString& dlzkaVzoru) const {
    QStringList t;
    if (cvicenie)
        t << QStringLiteral("cvičenie, použité kontroly: %1").arg(kontroly);
    if (dlhsie)
        t << QStringLiteral("čas dlhší ako ") + dlzkaVzoru;
    if (inaDlzka)
        t << QStringLiteral("iná dĺžka skúšky: ") + dlzka;
    if (!rovnakyZaciatok.isEmpty())
        t << QStringLiteral("rovnaký začiatok ako ") + rovnakyZaciatok.join(QStringLiteral(", "));
    if (bezMena)
        t << QStringLiteral("chýba meno");
    if (casyNesedia)
        t << QStringLiteral("časy nesedia: koniec pred začiatkom alebo neplatný čas");
    return t.join(QStringLiteral("; "));
}

QString nazovStlpca(int stlpec) {
    switch (stlpec) {
    case sSubor:
        return QStringLiteral("Súbor");
    case sMeno:
        return QStringLiteral("Meno");
    case sZaciatok:
        return QStringLiteral("Začiatok");
    case sKoniec:
        return QStringLiteral("Koniec");
    case sTrvanie:
        return QStringLiteral("Trvanie");
    case sPredkontacie:
        return QStringLiteral("Predkontácie");
    case sPredkontaciePercento:
        return QStringLiteral("Predkontácie %");
    case sVypocty:
        return QStringLiteral("Výpočty");
    case sVypoctyPercento:
        return QStringLiteral("Výpočty %");
    case sHlavnaKniha:
        return QStringLiteral("Hlavná kniha");
    case sHlavnaKnihaPercento:
        return QStringLiteral("Hlavná kniha %");
    case sStav:
        return QStringLiteral("Stav");
    case sUpozornenia:
        return QStringLiteral("Upozornenia");
    default:
        return {};
    }
}

namespace {

QString zCelkom(int spravne, int celkom) {
    return QStringLiteral("%1 z %2").arg(spravne).arg(celkom);
}

const QString NedaSaZostavit = QStringLiteral("nebolo možné vygenerovať");

} // namespace

QString text(const Vysledok& v, int stlpec, const QString& dlzkaVzoru) {
    const skuska::Hodnotenie& h = v.hodnotenie;
    switch (stlpec) {
    case sSubor:
        return v.subor;
    case sMeno:
        return v.meno;
    case sZaciatok:
        return v.zaciatok;
    case sKoniec:
        return v.koniec;
    case sTrvanie:
        return v.trvanie ? (*v.trvanie < 0 ? QStringLiteral("-") : QString()) +
                               durationToText(*v.trvanie < 0 ? -*v.trvanie : *v.trvanie)
                         : QString();
    case sStav:
        return textStavu(v.stav);
    case sUpozornenia:
        return v.hodnotena ? v.upozornenia(dlzkaVzoru) : v.dovod;
    default:
        break;
    }
    if (!v.hodnotena)
        return {};
    switch (stlpec) {
    case sPredkontacie:
        return zCelkom(h.predkontacie.spravne, h.predkontacie.celkom);
    case sPredkontaciePercento:
        return skuska::percento(h.predkontacie.spravne, h.predkontacie.celkom);
    case sVypocty:
        return zCelkom(h.vypocty.spravne, h.vypocty.celkom);
    case sVypoctyPercento:
        return skuska::percento(h.vypocty.spravne, h.vypocty.celkom);
    case sHlavnaKniha:
        return h.hlavnaKniha ? zCelkom(h.hlavnaKniha->spravne, h.hlavnaKniha->posudzovane)
                             : QString();
    case sHlavnaKnihaPercento:
        return h.hlavnaKniha ? skuska::percento(h.hlavnaKniha->percento) : NedaSaZostavit;
    default:
        return {};
    }
}

bool oznacene(const Vysledok& v, int stlpec) {
    switch (stlpec) {
    case sMeno:
        return v.bezMena;
    case sZaciatok:
        return !v.rovnakyZaciatok.isEmpty();
    case sTrvanie:
        return v.dlhsie || v.inaDlzka || v.casyNesedia;
    case sStav:
        return v.stav != Stav::Dokoncena;
    case sUpozornenia:
        return v.maUpozornenie();
    default:
        return false;
    }
}

namespace {

// A text or decimal field, always quoted: spreadsheet programs that split at commas as
// well as at semicolons (Calc's import dialog as it comes) keep "97,97" whole. A field that
// a spreadsheet would take for a formula (=, +, -, @, or a tab or CR first) gets an
// apostrophe before it and stays text.
QString csvPole(const QString& text) {
    QString t = text;
    if (!t.isEmpty() && QStringLiteral("=+-@\t\r").contains(t.front()))
        t.prepend(u'\'');
    t.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + t + u'"';
}

// A count: digits only, never quoted, so that it is a number in every spreadsheet.
QString csvCislo(int n) {
    return QString::number(n);
}

} // namespace

QByteArray csv(const QList<Vysledok>& vysledky, const QString& dlzkaVzoru) {
    auto trojica = [](const QString& nazov) {
        return QStringList{nazov + QStringLiteral(" správne"), nazov + QStringLiteral(" celkom"),
                           nazov + QStringLiteral(" %")};
    };
    QStringList hlavicka{nazovStlpca(sSubor), nazovStlpca(sMeno), nazovStlpca(sZaciatok),
                         nazovStlpca(sKoniec), nazovStlpca(sTrvanie)};
    hlavicka << trojica(QStringLiteral("Predkontácie")) << trojica(QStringLiteral("Výpočty"))
             << trojica(QStringLiteral("Hlavná kniha")) << nazovStlpca(sStav)
             << nazovStlpca(sUpozornenia);
    QStringList riadky;
    QStringList p;
    for (const QString& f : hlavicka)
        p << csvPole(f);
    riadky << p.join(u';');
    for (const Vysledok& v : vysledky) {
        p = QStringList{csvPole(text(v, sSubor, dlzkaVzoru)), csvPole(text(v, sMeno, dlzkaVzoru)),
                        csvPole(text(v, sZaciatok, dlzkaVzoru)),
                        csvPole(text(v, sKoniec, dlzkaVzoru)),
                        csvPole(text(v, sTrvanie, dlzkaVzoru))};
        auto skore = [&](const skuska::Skore& s) {
            p << csvCislo(s.spravne) << csvCislo(s.celkom)
              << csvPole(skuska::percento(s.spravne, s.celkom));
        };
        if (v.hodnotena) {
            skore(v.hodnotenie.predkontacie);
            skore(v.hodnotenie.vypocty);
            if (const auto& k = v.hodnotenie.hlavnaKniha)
                p << csvCislo(k->spravne) << csvCislo(k->posudzovane)
                  << csvPole(skuska::percento(k->percento));
            else
                p << QString() << QString() << csvPole(NedaSaZostavit);
        } else {
            for (int i = 0; i < 9; ++i)
                p << QString();
        }
        p << csvPole(text(v, sStav, dlzkaVzoru)) << csvPole(text(v, sUpozornenia, dlzkaVzoru));
        riadky << p.join(u';');
    }
    return QByteArray("\xEF\xBB\xBF") + riadky.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

} // namespace saldovia::trieda
