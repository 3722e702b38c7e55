#include "Vykazy.h"

#include "store/Store.h"

#include <QHash>

namespace saldovia::vykazy {

namespace {

using S = Strana;

const QString VysledokBezny = QStringLiteral("PAIV"); // fed by classes 5 and 6, not by the table
const QString VysledokVykazu = QStringLiteral("VH");

// Debit balance of an account as a line of the side takes it.
Amount naStrane(Strana s, Amount zostatokMd) {
    return s == S::Aktiva || s == S::Naklady ? zostatokMd : Amount() - zostatokMd;
}

QString stranaUctu(Amount zostatokMd) {
    return zostatokMd > Amount() ? QStringLiteral("MD") : QStringLiteral("D");
}

QString absText(Amount a) {
    return (a < Amount() ? Amount() - a : a).toText();
}

QChar trieda(const QString& ucet) {
    return ucet.isEmpty() ? QChar(u' ') : ucet.front();
}

QString csvText(const QString& t) {
    QString s = t;
    if (!s.isEmpty() &&
        (s.front() == u'=' || s.front() == u'+' || s.front() == u'-' || s.front() == u'@'))
        s.prepend(u'\'');
    s.replace(QStringLiteral("\""), QStringLiteral("\"\""));
    return u'"' + s + u'"';
}

QString csvCislo(const QString& t) {
    return u'"' + t + u'"';
}

QByteArray csvSubor(const QStringList& riadky) {
    return QByteArray("\xEF\xBB\xBF") + riadky.join(QStringLiteral("\r\n")).toUtf8() + "\r\n";
}

void csvKontroly(QStringList& out, const Vykazy& v, int stlpcov) {
    auto riadok = [&](const QString& a, const QString& b) {
        QStringList p{csvText(a), csvText(b)};
        while (p.size() < stlpcov)
            p << csvText(QString());
        out << p.join(u';');
    };
    riadok(QStringLiteral("Kontrola"), kontrolaSuvahy(v));
    riadok(QStringLiteral("Kontrola"), kontrolaVysledku(v));
    for (const QString& r : v.rozdiely)
        riadok(QStringLiteral("Rozdiel"), r);
}

} // namespace

const QList<Riadok>& riadky() {
    static const QList<Riadok> r{
        {QStringLiteral("SA"), QString(), QStringLiteral("SPOLU MAJETOK"), S::Aktiva, 0, {}},
        {QStringLiteral("A"), QStringLiteral("A."), QStringLiteral("Neobežný majetok"), S::Aktiva,
         1, QStringLiteral("SA")},
        {QStringLiteral("AI"), QStringLiteral("A.I."), QStringLiteral("Dlhodobý nehmotný majetok"),
         S::Aktiva, 2, QStringLiteral("A")},
        {QStringLiteral("AII"), QStringLiteral("A.II."), QStringLiteral("Dlhodobý hmotný majetok"),
         S::Aktiva, 2, QStringLiteral("A")},
        {QStringLiteral("AIII"), QStringLiteral("A.III."),
         QStringLiteral("Dlhodobý finančný majetok"), S::Aktiva, 2, QStringLiteral("A")},
        {QStringLiteral("B"), QStringLiteral("B."), QStringLiteral("Obežný majetok"), S::Aktiva, 1,
         QStringLiteral("SA")},
        {QStringLiteral("BI"), QStringLiteral("B.I."), QStringLiteral("Zásoby"), S::Aktiva, 2,
         QStringLiteral("B")},
        {QStringLiteral("BII"), QStringLiteral("B.II."), QStringLiteral("Pohľadávky"), S::Aktiva, 2,
         QStringLiteral("B")},
        {QStringLiteral("BIII"), QStringLiteral("B.III."), QStringLiteral("Finančné účty"),
         S::Aktiva, 2, QStringLiteral("B")},
        {QStringLiteral("C"), QStringLiteral("C."), QStringLiteral("Časové rozlíšenie"), S::Aktiva,
         1, QStringLiteral("SA")},

        {QStringLiteral("SP"),
         QString(),
         QStringLiteral("SPOLU VLASTNÉ IMANIE A ZÁVÄZKY"),
         S::Pasiva,
         0,
         {}},
        {QStringLiteral("PA"), QStringLiteral("A."), QStringLiteral("Vlastné imanie"), S::Pasiva, 1,
         QStringLiteral("SP")},
        {QStringLiteral("PAI"), QStringLiteral("A.I."),
         QStringLiteral("Základné imanie a kapitálové fondy"), S::Pasiva, 2, QStringLiteral("PA")},
        {QStringLiteral("PAII"), QStringLiteral("A.II."), QStringLiteral("Fondy zo zisku"),
         S::Pasiva, 2, QStringLiteral("PA")},
        {QStringLiteral("PAIII"), QStringLiteral("A.III."),
         QStringLiteral("Výsledok hospodárenia minulých rokov"), S::Pasiva, 2,
         QStringLiteral("PA")},
        {VysledokBezny, QStringLiteral("A.IV."),
         QStringLiteral("Výsledok hospodárenia bežného účtovného obdobia"), S::Pasiva, 2,
         QStringLiteral("PA")},
        {QStringLiteral("PB"), QStringLiteral("B."), QStringLiteral("Záväzky"), S::Pasiva, 1,
         QStringLiteral("SP")},
        {QStringLiteral("PBI"), QStringLiteral("B.I."), QStringLiteral("Rezervy"), S::Pasiva, 2,
         QStringLiteral("PB")},
        {QStringLiteral("PBII"), QStringLiteral("B.II."), QStringLiteral("Dlhodobé záväzky"),
         S::Pasiva, 2, QStringLiteral("PB")},
        {QStringLiteral("PBIII"), QStringLiteral("B.III."), QStringLiteral("Krátkodobé záväzky"),
         S::Pasiva, 2, QStringLiteral("PB")},
        {QStringLiteral("PBIV"), QStringLiteral("B.IV."),
         QStringLiteral("Bankové úvery a výpomoci"), S::Pasiva, 2, QStringLiteral("PB")},
        {QStringLiteral("PC"), QStringLiteral("C."), QStringLiteral("Časové rozlíšenie"), S::Pasiva,
         1, QStringLiteral("SP")},

        {QStringLiteral("V"), QString(), QStringLiteral("VÝNOSY SPOLU"), S::Vynosy, 0, {}},
        {QStringLiteral("VI"), QStringLiteral("I."), QStringLiteral("Tržby z predaja tovaru"),
         S::Vynosy, 2, QStringLiteral("V")},
        {QStringLiteral("VII"), QStringLiteral("II."),
         QStringLiteral("Tržby z predaja vlastných výrobkov a služieb"), S::Vynosy, 2,
         QStringLiteral("V")},
        {QStringLiteral("VIII"), QStringLiteral("III."),
         QStringLiteral("Zmeny stavu vnútroorganizačných zásob"), S::Vynosy, 2,
         QStringLiteral("V")},
        {QStringLiteral("VIV"), QStringLiteral("IV."), QStringLiteral("Aktivácia"), S::Vynosy, 2,
         QStringLiteral("V")},
        {QStringLiteral("VV"), QStringLiteral("V."),
         QStringLiteral("Tržby z predaja dlhodobého majetku a materiálu"), S::Vynosy, 2,
         QStringLiteral("V")},
        {QStringLiteral("VVI"), QStringLiteral("VI."),
         QStringLiteral("Ostatné výnosy z hospodárskej činnosti"), S::Vynosy, 2,
         QStringLiteral("V")},
        {QStringLiteral("VVII"), QStringLiteral("VII."), QStringLiteral("Finančné výnosy"),
         S::Vynosy, 2, QStringLiteral("V")},

        {QStringLiteral("N"), QString(), QStringLiteral("NÁKLADY SPOLU"), S::Naklady, 0, {}},
        {QStringLiteral("NA"), QStringLiteral("A."),
         QStringLiteral("Náklady vynaložené na obstaranie predaného tovaru"), S::Naklady, 2,
         QStringLiteral("N")},
        {QStringLiteral("NB"), QStringLiteral("B."),
         QStringLiteral("Spotreba materiálu, energie a ostatných neskladovateľných dodávok"),
         S::Naklady, 2, QStringLiteral("N")},
        {QStringLiteral("NC"), QStringLiteral("C."), QStringLiteral("Služby"), S::Naklady, 2,
         QStringLiteral("N")},
        {QStringLiteral("ND"), QStringLiteral("D."), QStringLiteral("Osobné náklady"), S::Naklady,
         2, QStringLiteral("N")},
        {QStringLiteral("NE"), QStringLiteral("E."), QStringLiteral("Dane a poplatky"), S::Naklady,
         2, QStringLiteral("N")},
        {QStringLiteral("NF"), QStringLiteral("F."),
         QStringLiteral("Odpisy, rezervy a opravné položky k dlhodobému majetku"), S::Naklady, 2,
         QStringLiteral("N")},
        {QStringLiteral("NG"), QStringLiteral("G."),
         QStringLiteral("Zostatková cena predaného dlhodobého majetku a predaný materiál"),
         S::Naklady, 2, QStringLiteral("N")},
        {QStringLiteral("NH"), QStringLiteral("H."),
         QStringLiteral("Ostatné náklady na hospodársku činnosť"), S::Naklady, 2,
         QStringLiteral("N")},
        {QStringLiteral("NI"), QStringLiteral("I."), QStringLiteral("Finančné náklady"), S::Naklady,
         2, QStringLiteral("N")},
        {QStringLiteral("NJ"), QStringLiteral("J."),
         QStringLiteral("Daň z príjmov a prevodové účty"), S::Naklady, 2, QStringLiteral("N")},
        {VysledokVykazu,
         QString(),
         QStringLiteral("VÝSLEDOK HOSPODÁRENIA ZA ÚČTOVNÉ OBDOBIE (výnosy − náklady)"),
         S::Vynosy,
         0,
         {}},
    };
    return r;
}

const QList<Priradenie>& priradenia() {
    auto p = [](const char* predpona, const char* riadok, const char* riadokDal = "",
                bool korekcia = false) {
        return Priradenie{QString::fromLatin1(predpona), QString::fromLatin1(riadok),
                          QString::fromLatin1(riadokDal), korekcia};
    };
    static const QList<Priradenie> t{
        // Long-term assets; depreciation (07, 08) and allowances (09) as corrections.
        p("01", "AI"),
        p("041", "AI"),
        p("051", "AI"),
        p("07", "AI", "", true),
        p("091", "AI", "", true),
        p("093", "AI", "", true),
        p("02", "AII"),
        p("03", "AII"),
        p("042", "AII"),
        p("052", "AII"),
        p("08", "AII", "", true),
        p("092", "AII", "", true),
        p("094", "AII", "", true),
        p("095", "AII", "", true),
        p("097", "AII", "", true),
        p("098", "AII", "", true),
        p("06", "AIII"),
        p("043", "AIII"),
        p("053", "AIII"),
        p("096", "AIII", "", true),
        // Current assets; allowances (19, 29, 391) as corrections.
        p("11", "BI"),
        p("12", "BI"),
        p("13", "BI"),
        p("19", "BI", "", true),
        p("31", "BII"),
        p("335", "BII"),
        p("35", "BII"),
        p("37", "BII"),
        p("391", "BII", "", true),
        p("21", "BIII"),
        p("22", "BIII"),
        p("25", "BIII"),
        p("26", "BIII"),
        p("29", "BIII", "", true),
        p("381", "C"),
        p("382", "C"),
        p("385", "C"),
        // Settlements whose side follows the balance: debit a receivable, credit a liability.
        p("336", "BII", "PBIII"),
        p("34", "BII", "PBIII"),
        p("373", "BII", "PBIII"),
        p("395", "BII", "PBIII"),
        p("398", "BII", "PBIII"),
        p("481", "BII", "PBII"),
        // Equity.
        p("41", "PAI"),
        p("491", "PAI"),
        p("42", "PAII"),
        p("428", "PAIII"),
        p("429", "PAIII"),
        p("43", "PAIII"),
        // Liabilities.
        p("45", "PBI"),
        p("323", "PBI"),
        p("47", "PBII"),
        p("32", "PBIII"),
        p("331", "PBIII"),
        p("333", "PBIII"),
        p("36", "PBIII"),
        p("372", "PBIII"),
        p("377", "PBIII"),
        p("379", "PBIII"),
        p("46", "PBIV"),
        p("23", "PBIV"),
        p("24", "PBIV"),
        p("383", "PC"),
        p("384", "PC"),
        // Revenues.
        p("604", "VI"),
        p("607", "VI"),
        p("601", "VII"),
        p("602", "VII"),
        p("606", "VII"),
        p("61", "VIII"),
        p("62", "VIV"),
        p("641", "VV"),
        p("642", "VV"),
        p("64", "VVI"),
        p("65", "VVI"),
        p("66", "VVII"),
        // Costs.
        p("504", "NA"),
        p("507", "NA"),
        p("501", "NB"),
        p("502", "NB"),
        p("503", "NB"),
        p("505", "NB"),
        p("51", "NC"),
        p("52", "ND"),
        p("53", "NE"),
        p("55", "NF"),
        p("541", "NG"),
        p("542", "NG"),
        p("54", "NH"),
        p("56", "NI"),
        p("59", "NJ"),
    };
    return t;
}

const Priradenie* priradenie(const QString& ucet) {
    const Priradenie* najlepsie = nullptr;
    for (const Priradenie& p : priradenia())
        if (ucet.startsWith(p.predpona) &&
            (!najlepsie || p.predpona.size() > najlepsie->predpona.size()))
            najlepsie = &p;
    return najlepsie;
}

QString text(const Amount& a) {
    return a.toText();
}

Vykazy zostavit(const QList<zavierka::Zostatok>& zostatky, const QDate& datum) {
    Vykazy v;
    v.datum = datum;
    QHash<QString, Polozka> p;
    for (const Riadok& r : riadky())
        p.insert(r.kod, Polozka{r, {}, {}, {}});
    QStringList mimoSuvahy, mimoVykazu, mimo;

    for (const zavierka::Zostatok& z : zostatky) {
        const Amount b = z.zostatok();
        if (b.isZero())
            continue;
        const QChar t = trieda(z.ucet);
        if (t == u'5' || t == u'6')
            v.vysledokSuvaha += Amount() - b;
        const Priradenie* pr = priradenie(z.ucet);
        const bool vysledkovy = t == u'5' || t == u'6';
        const bool suvahovy = t >= u'0' && t <= u'4';
        if (!pr) {
            const QString opis = QStringLiteral("Účet %1 (trieda %2) so zostatkom %3 %4")
                                     .arg(z.ucet, t, absText(b), stranaUctu(b));
            if (z.ucet.isEmpty())
                mimo << QStringLiteral("Riadky denníka bez účtu majú zostatok %1 %2: nie sú v "
                                       "súvahe ani vo výkaze ziskov a strát.")
                            .arg(absText(b), stranaUctu(b));
            else if (z.ucet == QLatin1String("701"))
                mimo << QStringLiteral("Účet 701 Začiatočný účet súvahový má zostatok %1 %2: "
                                       "začiatočné stavy nie sú vyvážené.")
                            .arg(absText(b), stranaUctu(b));
            else if (suvahovy)
                mimoSuvahy << opis + QStringLiteral(" nie je v žiadnom riadku súvahy.");
            else if (vysledkovy)
                mimoVykazu << opis + QStringLiteral(" nie je v žiadnom riadku výkazu ziskov a "
                                                    "strát.");
            else
                mimo << opis + QStringLiteral(" nie je v súvahe ani vo výkaze ziskov a strát.");
            continue;
        }
        const QString kam = (!pr->riadokDal.isEmpty() && b < Amount()) ? pr->riadokDal : pr->riadok;
        Polozka& l = p[kam];
        if (l.riadok.strana == S::Aktiva) {
            if (pr->korekcia)
                l.korekcia += Amount() - b;
            else
                l.brutto += b;
        } else {
            l.brutto += naStrane(l.riadok.strana, b);
        }
    }
    p[VysledokBezny].brutto = v.vysledokSuvaha;

    // Net values, then the sums from the lines up to the sides' totals.
    for (Polozka& l : p)
        if (l.riadok.uroven == 2)
            l.suma = l.riadok.strana == S::Aktiva ? l.brutto - l.korekcia : l.brutto;
    for (int uroven : {2, 1}) {
        for (const Riadok& r : riadky()) {
            if (r.uroven != uroven || r.nadradeny.isEmpty())
                continue;
            const Polozka l = p[r.kod];
            Polozka& n = p[r.nadradeny];
            n.brutto += l.brutto;
            n.korekcia += l.korekcia;
            n.suma += l.suma;
        }
    }
    v.aktiva = p[QStringLiteral("SA")].suma;
    v.pasiva = p[QStringLiteral("SP")].suma;
    v.vysledokVykaz = p[QStringLiteral("V")].suma - p[QStringLiteral("N")].suma;
    p[VysledokVykazu].suma = v.vysledokVykaz;

    for (const Riadok& r : riadky())
        (r.strana == S::Aktiva || r.strana == S::Pasiva ? v.suvaha : v.vzas).append(p[r.kod]);

    if (!v.suvahaSedi())
        v.rozdiely << QStringLiteral("Aktíva spolu %1 sa nerovnajú pasívam spolu %2: rozdiel %3 "
                                     "na strane %4.")
                          .arg(v.aktiva.toText(), v.pasiva.toText(), absText(v.aktiva - v.pasiva),
                               v.aktiva > v.pasiva ? QStringLiteral("aktív")
                                                   : QStringLiteral("pasív"));
    if (!v.vysledokSedi())
        v.rozdiely << QStringLiteral("Výsledok hospodárenia v súvahe %1 (triedy 5 a 6) sa nerovná "
                                     "výsledku vo výkaze ziskov a strát %2: rozdiel %3.")
                          .arg(v.vysledokSuvaha.toText(), v.vysledokVykaz.toText(),
                               absText(v.vysledokSuvaha - v.vysledokVykaz));
    v.rozdiely << mimo << mimoSuvahy << mimoVykazu;
    return v;
}

Vykazy zostavit(Store& store, const QDate& datum) {
    return zostavit(zavierka::zostatky(store, {datum, true}), datum);
}

QString kontrolaSuvahy(const Vykazy& v) {
    return v.suvahaSedi()
               ? QStringLiteral("Aktíva spolu = pasíva spolu: %1 = %2, v poriadku.")
                     .arg(v.aktiva.toText(), v.pasiva.toText())
               : QStringLiteral("Aktíva spolu ≠ pasíva spolu: %1 ≠ %2, rozdiel %3.")
                     .arg(v.aktiva.toText(), v.pasiva.toText(), absText(v.aktiva - v.pasiva));
}

QString kontrolaVysledku(const Vykazy& v) {
    return v.vysledokSedi()
               ? QStringLiteral("Výsledok hospodárenia v súvahe = vo výkaze ziskov a strát: %1 = "
                                "%2, v poriadku.")
                     .arg(v.vysledokSuvaha.toText(), v.vysledokVykaz.toText())
               : QStringLiteral("Výsledok hospodárenia v súvahe ≠ vo výkaze ziskov a strát: %1 ≠ "
                                "%2, rozdiel %3.")
                     .arg(v.vysledokSuvaha.toText(), v.vysledokVykaz.toText(),
                          absText(v.vysledokSuvaha - v.vysledokVykaz));
}

QByteArray csvSuvahy(const Vykazy& v) {
    QStringList out;
    out << QStringList{csvText(QStringLiteral("Označenie")), csvText(QStringLiteral("Položka")),
                       csvText(QStringLiteral("Brutto")), csvText(QStringLiteral("Korekcia")),
                       csvText(QStringLiteral("Netto"))}
               .join(u';');
    for (const Polozka& l : v.suvaha) {
        const bool aktiva = l.riadok.strana == S::Aktiva;
        out << QStringList{csvText(l.riadok.oznacenie), csvText(l.riadok.nazov),
                           aktiva ? csvCislo(text(l.brutto)) : csvText(QString()),
                           aktiva ? csvCislo(text(l.korekcia)) : csvText(QString()),
                           csvCislo(text(l.suma))}
                   .join(u';');
    }
    csvKontroly(out, v, 5);
    return csvSubor(out);
}

QByteArray csvVykazu(const Vykazy& v) {
    QStringList out;
    out << QStringList{csvText(QStringLiteral("Označenie")), csvText(QStringLiteral("Položka")),
                       csvText(QStringLiteral("Suma"))}
               .join(u';');
    for (const Polozka& l : v.vzas)
        out << QStringList{csvText(l.riadok.oznacenie), csvText(l.riadok.nazov),
                           csvCislo(text(l.suma))}
                   .join(u';');
    csvKontroly(out, v, 3);
    return csvSubor(out);
}

} // namespace saldovia::vykazy
