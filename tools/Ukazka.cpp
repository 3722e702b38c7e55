#include "Ukazka.h"

#include "Zdroje.h"
#include "closing/Zavierka.h"
#include "documents/Cislovanie.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "exam/Generovanie.h"
#include "ledger/Obraty.h"
#include "store/Agenda.h"
#include "store/Store.h"
#include "store/Values.h"

#include <QBuffer>
#include <QDir>
#include <QHash>
#include <QImage>
#include <QSet>

#include <cstdlib>

namespace saldovia {

namespace {

using zdroje::die;
using zdroje::Riadok;

// The columns of the settings row that firma.csv may set.
const QStringList StlpceFirmy = {
    QStringLiteral("NazovFirmy"),   QStringLiteral("SidloUlica"), QStringLiteral("SidloPSC"),
    QStringLiteral("SidloMesto"),   QStringLiteral("SidloStat"),  QStringLiteral("ICO"),
    QStringLiteral("DIC"),          QStringLiteral("ICDPH"),      QStringLiteral("Telefon"),
    QStringLiteral("Fax"),          QStringLiteral("Mobil"),      QStringLiteral("Email"),
    QStringLiteral("Web"),          QStringLiteral("Ucet"),       QStringLiteral("IBAN"),
    QStringLiteral("SWIFT"),        QStringLiteral("UctovnyRok"), QStringLiteral("SadzbaDPH"),
    QStringLiteral("MenoUzivatela")};

// The identity columns a simple document copies, and the contact and bank columns that
// invoices and cash documents copy besides.
const QStringList Identita = {QStringLiteral("NazovFirmy"), QStringLiteral("SidloUlica"),
                              QStringLiteral("SidloPSC"),   QStringLiteral("SidloMesto"),
                              QStringLiteral("SidloStat"),  QStringLiteral("ICO"),
                              QStringLiteral("DIC"),        QStringLiteral("ICDPH")};
const QStringList Kontakt = {QStringLiteral("Telefon"), QStringLiteral("Fax"),
                             QStringLiteral("Mobil"),   QStringLiteral("Email"),
                             QStringLiteral("Web"),     QStringLiteral("Ucet"),
                             QStringLiteral("IBAN"),    QStringLiteral("SWIFT")};

// Whether documents of kind `kod` have lines with VAT (invoices and cash documents).
bool faktura(const QString& kod) {
    const DruhDokladu* d = druhDokladu(kod);
    return d && d->editor == Formular::Faktura;
}

const QString Mena = QStringLiteral("EUR");
const QString Kurz = QStringLiteral("1,000");

// An account as the pickers store it: padded with spaces to five characters.
QString ucetPostingu(const QString& ucet) {
    return ucet.leftJustified(5, u' ');
}

struct Partner {
    QStringList polia; // name, street, postcode, town, country, ICO, DIC, ICDPH
};

struct Doklad {
    QString druh, cislo, datum, popis;
    QStringList hlavicka; // the fields of the D record after the description
    Amount zaklad, dph, spolu;
    int riadkov = 0; // lines (invoices) or postings (simple documents)
};

class Tvorba {
public:
    Tvorba(Store& store, const QString& zdroje)
        : store_(store), c_(store.connection()), dir_(zdroje) {}

    void firma();
    void logo();
    void ucty();
    void partneri();
    void dennik();
    void zadanie();
    const QList<qint64>& vypocty() const { return vypocty_; }

private:
    QString subor(const char* meno) const { return dir_.filePath(QString::fromLatin1(meno)); }
    QString nastavenie(const QString& stlpec) const {
        return store_.tblAgendaNastavenie.text(stlpec);
    }
    QString datum(const Riadok& r, const QString& text) const;
    QString ucet(const Riadok& r, const QString& cislo, bool prazdnyMozny = false) const;
    Amount suma(const Riadok& r, const QString& text) const;
    QString popis(const Riadok& r, const QString& text, int najviac) const;
    void zapisatPosting(const QString& datum, const QString& doklad, const Amount& suma,
                        const QString& popis, const QString& maDat, const QString& dal,
                        bool vypocet, qint64 riadok);
    void zacatDoklad(const Riadok& r);
    void ukoncitDoklad();

    Store& store_;
    Connection& c_;
    QDir dir_;
    QString rok_;
    QSet<QString> ucty_;
    QHash<QString, Partner> partneri_;
    QHash<QString, QString> prefixy_;
    QHash<QString, QStringList> cislaDruhu_;
    QSet<QString> cisla_;
    QHash<QString, Amount> spolu_; // totals of finished invoices and cash documents
    QSet<QString> druhy_;
    std::optional<Doklad> doklad_;
    qint64 riadok_ = 0;
    QList<qint64> vypocty_;
};

QString Tvorba::datum(const Riadok& r, const QString& text) const {
    const auto d = dateFromText(text);
    if (!d || dateToText(*d) != text)
        die(QStringLiteral("%1: '%2' is no date dd.MM.yyyy").arg(r.kde, text));
    if (QString::number(d->year()) != rok_)
        die(QStringLiteral("%1: %2 is outside the accounting year").arg(r.kde, text));
    return text;
}

QString Tvorba::ucet(const Riadok& r, const QString& cislo, bool prazdnyMozny) const {
    if (cislo.isEmpty() && prazdnyMozny)
        return {};
    if (!ucty_.contains(cislo))
        die(QStringLiteral("%1: account '%2' cannot be posted to").arg(r.kde, cislo));
    return ucetPostingu(cislo);
}

Amount Tvorba::suma(const Riadok& r, const QString& text) const {
    if (text.startsWith(u'=')) {
        const QString cislo = text.mid(1);
        if (!spolu_.contains(cislo))
            die(QStringLiteral("%1: no finished invoice or cash document %2").arg(r.kde, cislo));
        return spolu_.value(cislo);
    }
    const auto a = Amount::parse(text);
    if (!a || a->toText() != text || a->units() <= 0)
        die(QStringLiteral("%1: '%2' is no positive amount #0.00").arg(r.kde, text));
    return *a;
}

QString Tvorba::popis(const Riadok& r, const QString& text, int najviac) const {
    if (text.isEmpty() || text.size() > najviac)
        die(QStringLiteral("%1: description empty or longer than %2")
                .arg(r.kde, QString::number(najviac)));
    return text;
}

void Tvorba::firma() {
    SettingsRow& s = store_.tblAgendaNastavenie;
    s.edit();
    std::array<QString, 2> znizene;
    for (const Riadok& r : zdroje::readRows(subor("firma.csv"), 2)) {
        // the reduced rates, kept beside the settings row
        if (r.polia[0] == QLatin1String("ZnizeneSadzbyDPH")) {
            const QStringList sadzby = r.polia[1].split(u' ', Qt::SkipEmptyParts);
            if (sadzby.size() > 2)
                die(QStringLiteral("%1: at most two reduced rates").arg(r.kde));
            for (qsizetype i = 0; i < sadzby.size(); ++i)
                znizene[i] = sadzby[i];
            continue;
        }
        if (!StlpceFirmy.contains(r.polia[0]))
            die(QStringLiteral("%1: unknown column %2").arg(r.kde, r.polia[0]));
        s.setText(r.polia[0], r.polia[1]);
    }
    s.post();
    if (!znizene[0].isEmpty())
        upravy::ulozitZnizeneSadzbyDPH(store_, znizene);
    rok_ = nastavenie(QStringLiteral("UctovnyRok"));
    const bool rokOk = rok_.size() == 4 && rok_.toInt() >= 2005;
    const int sadzba = nastavenie(QStringLiteral("SadzbaDPH")).toInt();
    if (!rokOk || sadzba <= 0 || sadzba > 100 || nastavenie(QStringLiteral("NazovFirmy")).isEmpty())
        die(QStringLiteral("firma.csv: a name, a year and a VAT rate are required"));
}

void Tvorba::logo() {
    const QImage obrazok = QImage::fromData(zdroje::readBytes(subor("logo.xpm")), "XPM");
    if (obrazok.isNull())
        die(QStringLiteral("logo.xpm: no picture"));
    // Stored as the settings window stores a logo: the bytes of a bitmap file.
    QByteArray bmp;
    QBuffer buffer(&bmp);
    buffer.open(QIODevice::WriteOnly);
    if (!obrazok.convertToFormat(QImage::Format_RGB32).save(&buffer, "BMP"))
        die(QStringLiteral("logo.xpm: cannot be written as a bitmap"));
    c_.execBound(QStringLiteral("INSERT INTO Logo (Cislo, Obrazok) VALUES (1, ?);"), {bmp});
    SettingsRow& s = store_.tblAgendaNastavenie;
    s.edit();
    s.setText(QStringLiteral("Logo"), QStringLiteral("1"));
    s.post();
}

void Tvorba::ucty() {
    for (const Riadok& r : zdroje::readRows(subor("ucty.csv"), 3)) {
        const QString& cislo = r.polia[0];
        if (cislo.size() > 5 || r.polia[2] == QLatin1String("UT") ||
            r.polia[2] == QLatin1String("US"))
            die(QStringLiteral("%1: an account of at most five characters is expected").arg(r.kde));
        c_.execBound(QStringLiteral("INSERT INTO UctovaOsnova (Cislo, Nazov, Povod, Druh) VALUES "
                                    "(?, ?, 'U', ?);"),
                     {cislo, r.polia[1], r.polia[2]});
    }
    const ResultSet rs = c_.query(
        QStringLiteral("SELECT Cislo FROM UctovaOsnova WHERE Druh <> 'UT' AND Druh <> 'US';"));
    for (int i = 0; i < rs.rowCount(); ++i)
        ucty_.insert(rs.text(i, 0));
    const ResultSet k = c_.query(QStringLiteral("SELECT Kod, Prefix FROM AgendaPrisposobenie;"));
    for (int i = 0; i < k.rowCount(); ++i)
        prefixy_.insert(k.text(i, 0), k.text(i, 1));
}

void Tvorba::partneri() {
    for (const Riadok& r : zdroje::readRows(subor("partneri.csv"), 9, 9, true)) {
        if (r.polia[0].isEmpty() || r.polia[1].isEmpty() || partneri_.contains(r.polia[0]))
            die(QStringLiteral("%1: a new key and a name are required").arg(r.kde));
        partneri_.insert(r.polia[0], Partner{r.polia.mid(1)});
    }
}

void Tvorba::zapisatPosting(const QString& datum, const QString& doklad, const Amount& suma,
                            const QString& popis, const QString& maDat, const QString& dal,
                            bool vypocet, qint64 riadok) {
    c_.execBound(
        QStringLiteral("INSERT INTO UctovnyDennik (Riadok, Datum, Doklad, Ciastka, Mena, "
                       "Kurz, Suma, Popis, MaDat, Dal) VALUES (?, ?, ?, ?, ?, ?, ?, ?, "
                       "?, ?);"),
        {riadok, datum, doklad, suma.toText(), Mena, Kurz, suma.toText(), popis, maDat, dal});
    if (vypocet)
        vypocty_ << riadok;
}

void Tvorba::zacatDoklad(const Riadok& r) {
    ukoncitDoklad();
    const QStringList& p = r.polia;
    if (p.size() < 5)
        die(QStringLiteral("%1: D;kind;date;description;issued by ...").arg(r.kde));
    Doklad d;
    d.druh = p[1];
    if (!druhDokladu(d.druh))
        die(QStringLiteral("%1: unknown document kind %2").arg(r.kde, d.druh));
    const bool sPolozkami = faktura(d.druh);
    if (p.size() != (sPolozkami ? 12 : 5))
        die(QStringLiteral("%1: a %2 document has %3 fields")
                .arg(r.kde, d.druh, QString::number(sPolozkami ? 12 : 5)));
    d.datum = datum(r, p[2]);
    d.popis = popis(r, p[3], 50);
    d.hlavicka = p.mid(4);
    if (sPolozkami) {
        if (!partneri_.contains(p[7]))
            die(QStringLiteral("%1: unknown partner %2").arg(r.kde, p[7]));
        datum(r, p[8]);
        datum(r, p[9]);
    }
    QStringList& existujuce = cislaDruhu_[d.druh];
    const auto cislo = dalsieCisloDokladu(prefixy_.value(d.druh), rok_, existujuce,
                                          [this](const QString& c) { return cisla_.contains(c); });
    if (!cislo)
        die(QStringLiteral("%1: more than 99 documents of kind %2").arg(r.kde, d.druh));
    d.cislo = *cislo;
    existujuce << d.cislo;
    existujuce.sort();
    cisla_.insert(d.cislo);
    druhy_.insert(d.druh);
    doklad_ = d;
}

void Tvorba::ukoncitDoklad() {
    if (!doklad_)
        return;
    const Doklad& d = *doklad_;
    if (d.riadkov == 0)
        die(QStringLiteral("document %1 has no lines").arg(d.cislo));
    QVariantList hodnoty{d.druh, d.cislo, d.datum, d.popis};
    for (const QString& s : Identita)
        hodnoty << nastavenie(s);
    const qint64 logo = nastavenie(QStringLiteral("Logo")).toLongLong();
    if (!faktura(d.druh)) {
        hodnoty << d.hlavicka[0] << logo;
        c_.execBound(QStringLiteral("INSERT INTO Doklady (Druh,Cislo,Datum,Popis,NazovFirmy,"
                                    "SidloUlica,SidloPSC,SidloMesto,SidloStat,ICO,DIC,ICDPH,"
                                    "Vystavil,Logo) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?);"),
                     hodnoty);
    } else {
        hodnoty << d.hlavicka[0] << d.hlavicka[1] << d.hlavicka[2];
        for (const QString& s : Kontakt)
            hodnoty << nastavenie(s);
        for (const QString& s : partneri_.value(d.hlavicka[3]).polia)
            hodnoty << s;
        for (int i = 4; i < 8; ++i)
            hodnoty << d.hlavicka[i];
        hodnoty << d.zaklad.toText() << d.dph.toText() << d.spolu.toText() << logo;
        QStringList otazniky;
        for (int i = 0; i < hodnoty.size(); ++i)
            otazniky << QStringLiteral("?");
        c_.execBound(QStringLiteral("INSERT INTO Doklady (Druh,Cislo,Datum,Popis,NazovFirmy,"
                                    "SidloUlica,SidloPSC,SidloMesto,SidloStat,ICO,DIC,ICDPH,"
                                    "Vystavil,Schvalil,Prijal,Telefon,Fax,Mobil,Email,Web,Ucet,"
                                    "IBAN,SWIFT,NazovFirmy2,SidloUlica2,SidloPSC2,SidloMesto2,"
                                    "SidloStat2,ICO2,DIC2,ICDPH2,Datum2,Datum3,SposobPlatby,"
                                    "SposobDopravy,Zaklad,DPH,Spolu,Logo) VALUES (") +
                         otazniky.join(u',') + QStringLiteral(");"),
                     hodnoty);
        spolu_.insert(d.cislo, d.spolu);
    }
    doklad_.reset();
}

void Tvorba::dennik() {
    for (const Riadok& r : zdroje::readRows(subor("dennik.csv"), 2, 12, true)) {
        const QStringList& p = r.polia;
        const QString& zaznam = p[0];
        if (zaznam == QLatin1String("D")) {
            zacatDoklad(r);
        } else if (zaznam == QLatin1String("J")) {
            // A posting entered directly into the journal.
            ukoncitDoklad();
            if (p.size() != 6 && p.size() != 7)
                die(QStringLiteral("%1: J;date;description;amount;debit;credit[;V]").arg(r.kde));
            zapisatPosting(datum(r, p[1]), QString(), suma(r, p[3]), popis(r, p[2], 50),
                           ucet(r, p[4]), ucet(r, p[5]), p.size() == 7 && p[6] == u'V', ++riadok_);
        } else if (zaznam == QLatin1String("P")) {
            if (!doklad_ || faktura(doklad_->druh))
                die(QStringLiteral("%1: a posting belongs to a simple document").arg(r.kde));
            if (p.size() != 5 && p.size() != 6)
                die(QStringLiteral("%1: P;description;amount;debit;credit[;V]").arg(r.kde));
            zapisatPosting(doklad_->datum, doklad_->cislo, suma(r, p[2]), popis(r, p[1], 50),
                           ucet(r, p[3]), ucet(r, p[4]), p.size() == 6 && p[5] == u'V', ++riadok_);
            ++doklad_->riadkov;
        } else if (zaznam == QLatin1String("L")) {
            // A line with VAT, as the line editor writes it: the base posting, the VAT of the
            // base rounded to cents on its own posting, the price as their sum.
            if (!doklad_ || !faktura(doklad_->druh))
                die(QStringLiteral("%1: a line belongs to an invoice or cash document").arg(r.kde));
            if (p.size() != 8 && p.size() != 9)
                die(QStringLiteral("%1: L;description;base;rate;debit;credit;VAT debit;VAT "
                                   "credit[;V]")
                        .arg(r.kde));
            Doklad& d = *doklad_;
            const QString text = popis(r, p[1], 44);
            const Amount zaklad = suma(r, p[2]);
            bool ok = false;
            const int sadzba = p[3].toInt(&ok);
            if (!ok || sadzba < 0 || sadzba > 100 || QString::number(sadzba) != p[3])
                die(QStringLiteral("%1: '%2' is no VAT rate").arg(r.kde, p[3]));
            const bool vypocet = p.size() == 9 && p[8] == u'V';
            const qint64 riadok = ++riadok_;
            zapisatPosting(d.datum, d.cislo, zaklad, text, ucet(r, p[4]), ucet(r, p[5]),
                           vypocet && sadzba == 0, riadok);
            QVariant riadokDPH;
            Amount dph;
            if (sadzba != 0) {
                dph = percentOf(zaklad, sadzba);
                riadokDPH = ++riadok_;
                zapisatPosting(d.datum, d.cislo, dph, QStringLiteral("DPH - ") + text,
                               ucet(r, p[6]), ucet(r, p[7]), vypocet, riadokDPH.toLongLong());
            } else if (!p[6].isEmpty() || !p[7].isEmpty()) {
                die(QStringLiteral("%1: a line without VAT has no VAT accounts").arg(r.kde));
            }
            const Amount cena = zaklad + dph;
            ++d.riadkov;
            c_.execBound(QStringLiteral("INSERT INTO DokladyPolozky (Cislo, Doklad, Riadok, "
                                        "RiadokDPH, SadzbaDPH, Popis, Cena) VALUES (?, ?, ?, ?, "
                                        "?, ?, ?);"),
                         {d.riadkov, d.cislo, riadok, riadokDPH, p[3], text, cena.toText()});
            d.zaklad += zaklad;
            d.dph += dph;
            d.spolu += cena;
        } else {
            die(QStringLiteral("%1: unknown record %2").arg(r.kde, zaznam));
        }
    }
    ukoncitDoklad();
    for (const DruhDokladu& k : druhyDokladov())
        if (!druhy_.contains(k.kodText()))
            die(QStringLiteral("dennik.csv: a document of kind %1 is required").arg(k.kodText()));
}

void Tvorba::zadanie() {
    const QByteArray rtf = zdroje::readBytes(subor("zadanie.rtf"));
    if (!rtf.startsWith("{\\rtf"))
        die(QStringLiteral("zadanie.rtf: no rich text"));
    SettingsRow& s = store_.tblAgendaNastavenie;
    s.edit();
    s.setText(QStringLiteral("Poznamky"), QString::fromLatin1(rtf));
    s.post();
}

// Working copies still on disk; removed also when a fault in the sources ends the tool.
QStringList& docasneSubory() {
    static QStringList subory;
    return subory;
}

void odstranitDocasne() {
    for (const QString& cesta : docasneSubory()) {
        QFile::remove(cesta);
        QFile::remove(cesta + QStringLiteral("-journal"));
    }
    docasneSubory().clear();
}

// A working copy beside target, removed when it goes out of scope or the tool stops.
class Kopia {
public:
    explicit Kopia(const QString& ciel) : cesta_(ciel + QStringLiteral(".tmp")) {
        // The list first, so that it outlives the handler that empties it.
        docasneSubory();
        static const bool registrovane = std::atexit(odstranitDocasne) == 0;
        (void)registrovane;
        QFile::remove(cesta_);
        docasneSubory() << cesta_;
    }
    ~Kopia() {
        QFile::remove(cesta_);
        QFile::remove(cesta_ + QStringLiteral("-journal"));
        docasneSubory().removeAll(cesta_);
    }
    const QString& cesta() const { return cesta_; }

private:
    QString cesta_;
};

// Writes a checked, compacted copy of the working file at target.
void dokoncit(Store& store, const Kopia& kopia, const QString& ciel) {
    store.disconnectAgenda();
    if (const FileResult r = compactDatabase(kopia.cesta(), ciel); !r)
        die(r.error);
}

} // namespace

void vytvoritUkazku(const QString& pripravena, const QString& zdroje, const QString& output,
                    const QString& skuska, const QString& uzavreta) {
    QList<qint64> vypocty;
    try {
        Kopia kopia(output);
        if (const FileResult r = replaceFileWith(pripravena, kopia.cesta()); !r)
            die(r.error);
        Store store;
        store.connectAgenda(kopia.cesta());
        {
            Transaction t(store.connection());
            Tvorba tvorba(store, zdroje);
            tvorba.firma();
            tvorba.logo();
            tvorba.ucty();
            tvorba.partneri();
            tvorba.dennik();
            tvorba.zadanie();
            vypocty = tvorba.vypocty();
            t.commit();
        }
        dokoncit(store, kopia, output);
    } catch (const DbError& e) {
        die(e.text());
    }

    QString dlzka;
    for (const Riadok& r : zdroje::readRows(QDir(zdroje).filePath(QStringLiteral("skuska.csv")), 2))
        if (r.polia[0] == QLatin1String("dlzka") && durationFromText(r.polia[1]))
            dlzka = r.polia[1];
    if (dlzka.isEmpty())
        die(QStringLiteral("skuska.csv: the exam's duration 'dlzka' is required"));

    // The exam file, made as the menu item "Vygenerovať skúšku" makes it: the samples, the
    // parameters, the journal without its account assignments.
    try {
        Kopia kopia(skuska);
        if (const FileResult r = replaceFileWith(output, kopia.cesta()); !r)
            die(r.error);
        Store store;
        store.connectAgenda(kopia.cesta());
        {
            Transaction t(store.connection());
            skuska::ulozitVzorDennika(store);
            const QList<qint64> chybne = hlavnakniha::riadkyBezPredkontacie(store);
            if (!chybne.isEmpty())
                die(hlavnakniha::spravaBezPredkontacie(chybne));
            hlavnakniha::vytvorit(store);
            hlavnakniha::ulozitVzor(store);
            store.SQL(QStringLiteral("DELETE FROM HlavnaKniha;"));
            skuska::zapisatParametre(store, dlzka, vypocty);
            skuska::vymazatPredkontacie(store);
            t.commit();
        }
        dokoncit(store, kopia, skuska);
    } catch (const DbError& e) {
        die(e.text());
    }

    // The demo with its year closed as the closing window writes it: the worked example of the
    // closing and the statements.
    if (uzavreta.isEmpty())
        return;
    try {
        Kopia kopia(uzavreta);
        if (const FileResult r = replaceFileWith(output, kopia.cesta()); !r)
            die(r.error);
        Store store;
        store.connectAgenda(kopia.cesta());
        const int rok = store.tblAgendaNastavenie.text(QStringLiteral("UctovnyRok")).toInt();
        const zavierka::Navrh navrh = zavierka::pripravit(zavierka::zostatky(store), rok);
        if (!navrh.vyrovnany())
            die(QStringLiteral("the demo's closing does not balance on 702"));
        zavierka::zapisat(store, navrh);
        dokoncit(store, kopia, uzavreta);
    } catch (const DbError& e) {
        die(e.text());
    }
}

} // namespace saldovia
