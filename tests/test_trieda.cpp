#include "GuiTest.h"
#include "ScriptedDialogs.h"
#include "TestAgenda.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "exam/Hodnotenietriedy.h"
#include "exam/Pecat.h"
#include "exam/Skuska.h"
#include "exam/Tlacskusky.h"
#include "exam/Vysledkytriedy.h"
#include "reports/ReportPreview.h"
#include "store/Connection.h"
#include "store/Store.h"
#include "store/Values.h"

#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <set>

using namespace saldovia;

namespace {

// The teacher's journal: row, amount, debit, credit. Rows 2 and 1234 are the computation rows.
struct Riadok {
    int riadok;
    const char* suma;
    const char* maDat;
    const char* dal;
};
const Riadok Dennik[] = {
    {1, "1000,00", "112  ", "321  "},  {2, "250,50", "501  ", "112  "},
    {7, "5000,00", "211  ", "221  "},  {123, "123,45", "321  ", "221  "},
    {1234, "10,00", "568  ", "221  "},
};
const QList<int> Vypocty{2, 1234};

// A student's journal row as handed in.
struct Odpoved {
    QString maDat, dal, suma;
};
using Praca = QMap<int, Odpoved>;

Praca vzorovaPraca() {
    Praca p;
    for (const Riadok& r : Dennik)
        p[r.riadok] = {QString::fromLatin1(r.maDat), QString::fromLatin1(r.dal),
                       QString::fromLatin1(r.suma)};
    return p;
}

// The scores the exam's rules give, worked out here from the journals alone.
struct Ocakavane {
    int predkontacie = 0, vypocty = 0;
    std::optional<std::pair<int, int>> kniha; // correct accounts, accounts considered
};
Ocakavane ocakavane(const Praca& praca) {
    Ocakavane o;
    bool uplna = true;
    for (const Riadok& r : Dennik) {
        const Odpoved a = praca.value(r.riadok);
        o.predkontacie += (a.maDat == QLatin1String(r.maDat)) + (a.dal == QLatin1String(r.dal));
        if (Vypocty.contains(r.riadok) && Amount::parse(a.suma) == Amount::parse(r.suma))
            ++o.vypocty;
        uplna = uplna && !a.maDat.trimmed().isEmpty() && !a.dal.trimmed().isEmpty();
    }
    if (!uplna)
        return o;
    using Obraty = QMap<QString, std::pair<qint64, qint64>>;
    auto obraty = [](const QList<std::tuple<QString, QString, QString>>& riadky) {
        Obraty m;
        for (const auto& [md, d, s] : riadky) {
            const qint64 u = Amount::parse(s).value_or(Amount()).units();
            // accounts are one account whatever their padding
            m[md.trimmed()].first += u;
            m[d.trimmed()].second += u;
        }
        return m;
    };
    QList<std::tuple<QString, QString, QString>> vzor, student;
    for (const Riadok& r : Dennik)
        vzor.append({QString::fromLatin1(r.maDat), QString::fromLatin1(r.dal),
                     QString::fromLatin1(r.suma)});
    for (const Odpoved& a : praca)
        student.append({a.maDat, a.dal, a.suma});
    const Obraty v = obraty(vzor), s = obraty(student);
    int spravne = 0, posudzovane = static_cast<int>(v.size());
    for (auto it = v.begin(); it != v.end(); ++it)
        if (s.contains(it.key()) && s[it.key()] == it.value())
            ++spravne;
    for (auto it = s.begin(); it != s.end(); ++it)
        if (!v.contains(it.key()))
            ++posudzovane;
    o.kniha = std::pair{spravne, posudzovane};
    return o;
}

QString percento(double x) {
    return QString::number(x, 'f', 2).replace(u'.', u',');
}

// Hands in a copy of the exam file with the student's work, start, end and name.
void odovzdat(const QString& skuska, const QString& ciel, const Praca& praca, const QString& meno,
              const QString& zaciatok, const QString& koniec, const QString& navyse = {}) {
    QVERIFY(QFile::copy(skuska, ciel));
    QFile::setPermissions(ciel, QFile::ReadOwner | QFile::WriteOwner);
    QString sql = QStringLiteral("UPDATE AgendaNastavenie SET MenoUzivatela = %1, SkuskaZaciatok "
                                 "= %2, SkuskaKoniec = %3, SkuskaZostatok = '0:00:00';")
                      .arg(sqlText(meno), sqlText(zaciatok), sqlText(koniec));
    for (auto it = praca.begin(); it != praca.end(); ++it)
        sql += QStringLiteral("UPDATE UctovnyDennik SET MaDat = %1, Dal = %2, Suma = %3, Ciastka = "
                              "%3 WHERE Riadok = %4;")
                   .arg(sqlText(it->maDat), sqlText(it->dal), sqlText(it->suma))
                   .arg(it.key());
    vykonat(ciel, sql + navyse);
    // sealed as the program seals a finished exam
    Connection c;
    c.open(ciel);
    skuska::zapecatit(c);
}

// Fields of CSV text as a spreadsheet reads them: ";" between fields, quoted fields with
// doubled quotes, CR LF between lines.
QList<QStringList> citatCsv(const QString& text) {
    QList<QStringList> riadky;
    QStringList riadok;
    QString pole;
    bool vUvodzovkach = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (vUvodzovkach) {
            if (c == u'"' && i + 1 < text.size() && text[i + 1] == u'"') {
                pole += u'"';
                ++i;
            } else if (c == u'"') {
                vUvodzovkach = false;
            } else {
                pole += c;
            }
        } else if (c == u'"') {
            vUvodzovkach = true;
        } else if (c == u';') {
            riadok << pole;
            pole.clear();
        } else if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
            riadok << pole;
            pole.clear();
            riadky << riadok;
            riadok.clear();
            ++i;
        } else {
            pole += c;
        }
    }
    return riadky;
}

QStringList suboryPriecinka(const QString& dir) {
    return QDir(dir).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

} // namespace

class TestTrieda : public QObject {
    Q_OBJECT
    std::unique_ptr<TestAgenda> agenda;
    std::unique_ptr<ScriptedDialogs> dialogs;
    std::unique_ptr<TfrmHlavny> h;
    std::unique_ptr<QTemporaryDir> trieda;
    QMap<QString, Praca> prace;

    QString skuska() const { return agenda->file(QStringLiteral("Skuska.mdb")); }
    QString subor(const QString& meno) const { return trieda->filePath(meno); }

private slots:
    void initTestCase() {
        agenda = std::make_unique<TestAgenda>();
        QString sql = QStringLiteral(
            "UPDATE AgendaNastavenie SET UctovnyRok = '2006', NazovFirmy = 'Obchod O''Brien', "
            "MenoUzivatela = 'Učiteľ';");
        for (const Riadok& r : Dennik)
            sql += QStringLiteral("INSERT INTO UctovnyDennik VALUES (%1, '05.01.2006', 'ID0601', "
                                  "%2, 'SKK', '1,000', %2, 'Prípad', %3, %4);")
                       .arg(r.riadok)
                       .arg(sqlText(QString::fromLatin1(r.suma)),
                            sqlText(QString::fromLatin1(r.maDat)),
                            sqlText(QString::fromLatin1(r.dal)));
        vykonat(agenda->path(), sql);
        dialogs = std::make_unique<ScriptedDialogs>();
        h = std::make_unique<TfrmHlavny>(agenda->dir());
        h->FormActivate();
        // the teacher generates the exam: 61 minutes, rows 2 and 1234 computed
        dialogs->files = {skuska()};
        naDalsieOkno([](QDialog* d) {
            auto* okno = qobject_cast<TfrmSkuska*>(d);
            QVERIFY(okno);
            okno->TrackBar->setValue(61);
            for (int i = 0; i < okno->CheckListBox->count(); ++i) {
                QListWidgetItem* item = okno->CheckListBox->item(i);
                if (Vypocty.contains(item->data(Qt::UserRole).toInt()))
                    item->setCheckState(Qt::Checked);
            }
            okno->btnOK->click();
        });
        h->mmItmVygenerovatSkusku->trigger();
        QCOMPARE(dialogs->last().text, QStringLiteral("Vygenerovanie skúšky prebehlo úspešne!"));

        // the class: a perfect and a flawed finished exam, an unfinished one with gaps, one
        // whose samples were altered to match its answers, a damaged file, a text, the
        // teacher's own agenda (no exam), and a note that is no exam file at all
        trieda = std::make_unique<QTemporaryDir>();
        prace[QStringLiteral("Adam.mdb")] = vzorovaPraca();
        Praca beata = vzorovaPraca();
        beata[1].dal = QStringLiteral("325  ");
        beata[2].suma = QStringLiteral("250,00");
        beata[7].maDat = QStringLiteral("211");
        prace[QStringLiteral("Beata.mdb")] = beata;
        Praca cyril = vzorovaPraca();
        cyril[123] = {QStringLiteral("321  "), QString(), QStringLiteral("123,45")};
        cyril[1234].suma = QStringLiteral("0,00");
        prace[QStringLiteral("Cyril.mdb")] = cyril;
        Praca dusan = vzorovaPraca();
        dusan[7] = {QStringLiteral("221  "), QStringLiteral("211  "), QStringLiteral("5000,00")};
        prace[QStringLiteral("Dusan.mdb")] = dusan;

        odovzdat(skuska(), subor(QStringLiteral("Adam.mdb")), prace[QStringLiteral("Adam.mdb")],
                 QStringLiteral("Adam Bielik"), QStringLiteral("09.12.2026 08:00:05"),
                 QStringLiteral("09.12.2026 08:58:40"));
        odovzdat(skuska(), subor(QStringLiteral("Beata.mdb")), prace[QStringLiteral("Beata.mdb")],
                 QStringLiteral("Beáta \"Bea\"; Čierna"), QStringLiteral("09.12.2026 08:00:09"),
                 QStringLiteral("09.12.2026 09:01:10"));
        odovzdat(skuska(), subor(QStringLiteral("Cyril.mdb")), prace[QStringLiteral("Cyril.mdb")],
                 QStringLiteral("Cyril Dlhý"), QStringLiteral("09.12.2026 08:01:00"), QString());
        // the altered sample, the same start as Beáta's and no name
        odovzdat(skuska(), subor(QStringLiteral("Dusan.mdb")), prace[QStringLiteral("Dusan.mdb")],
                 QString(), QStringLiteral("09.12.2026 08:00:09"),
                 QStringLiteral("09.12.2026 10:00:00"),
                 QStringLiteral("UPDATE UctovnyDennikVzor SET MaDat = '221  ', Dal = '211  ' "
                                "WHERE Riadok = 7;"));
        QByteArray poskodeny = readFileBytes(skuska());
        QVERIFY(poskodeny.size() > 8 * 1024);
        for (qsizetype i = poskodeny.size() / 2; i < poskodeny.size() / 2 + 64; ++i)
            poskodeny[i] = static_cast<char>(poskodeny[i] ^ 0x5a);
        writeFileBytes(subor(QStringLiteral("Poskodeny.mdb")), poskodeny);
        writeFileBytes(subor(QStringLiteral("Text.MDB")), "toto nie je databáza\n");
        QVERIFY(QFile::copy(agenda->path(), subor(QStringLiteral("Zaloha.mdb"))));
        writeFileBytes(subor(QStringLiteral("poznamky.txt")), "Skúška 3.A");
    }
    void cleanupTestCase() {
        h.reset();
        dialogs.reset();
        trieda.reset();
        agenda.reset();
    }

    // Every file of the folder gets its row and state; the scores are those the exam's rules
    // give, worked out independently; no file changes by a byte and nothing is left beside
    // them, the teacher's agenda included.
    void scoringAFolder() {
        QMap<QString, QByteArray> pred;
        for (const QString& m : suboryPriecinka(trieda->path()))
            pred[m] = readFileBytes(subor(m));
        const QByteArray agendaPred = readFileBytes(agenda->path());
        const QByteArray skuskaPred = readFileBytes(skuska());

        const trieda::Vzor vzor = trieda::nacitatVzor(skuska());
        QCOMPARE(vzor.dlzka, QStringLiteral("1:01:00"));
        QCOMPARE(vzor.dennik.rowCount(), 5);
        const QStringList cesty = trieda::suboryPriecinka(trieda->path());
        QStringList mena;
        for (const QString& c : cesty)
            mena << QFileInfo(c).fileName();
        QCOMPARE(mena, QStringList({"Adam.mdb", "Beata.mdb", "Cyril.mdb", "Dusan.mdb",
                                    "Poskodeny.mdb", "Text.MDB", "Zaloha.mdb"}));
        QList<int> priebeh;
        const QList<trieda::Vysledok> v =
            trieda::vyhodnotit(cesty, vzor, [&priebeh](int hotovo, int spolu) {
                priebeh << hotovo;
                return spolu == 7;
            });
        // told as the files get done, to the last one
        QVERIFY(!priebeh.isEmpty());
        QVERIFY(std::is_sorted(priebeh.begin(), priebeh.end()));
        QCOMPARE(std::set<int>(priebeh.begin(), priebeh.end()).size(), size_t(priebeh.size()));
        QCOMPARE(priebeh.constLast(), 7);
        QCOMPARE(v.size(), 7);
        // the scored files keep the order they were given in
        for (qsizetype i = 0; i < v.size(); ++i)
            QCOMPARE(v[i].cesta, cesty[i]);
        // stopped after the first report: the files scored by then, no more
        const QList<trieda::Vysledok> zastavene =
            trieda::vyhodnotit(cesty, vzor, [](int, int) { return false; });
        QVERIFY(!zastavene.isEmpty() && zastavene.size() < 7);

        QMap<QString, trieda::Stav> stavy{{"Adam.mdb", trieda::Stav::Dokoncena},
                                          {"Beata.mdb", trieda::Stav::Dokoncena},
                                          {"Cyril.mdb", trieda::Stav::Nedokoncena},
                                          {"Dusan.mdb", trieda::Stav::InaSkuska},
                                          {"Poskodeny.mdb", trieda::Stav::PoskodenySubor},
                                          {"Text.MDB", trieda::Stav::NieJeSkuska},
                                          {"Zaloha.mdb", trieda::Stav::NieJeSkuska}};
        for (const trieda::Vysledok& r : v) {
            QCOMPARE(r.stav, stavy.value(r.subor));
            QCOMPARE(r.hodnotena, prace.contains(r.subor));
            if (!r.hodnotena) {
                QVERIFY(!r.dovod.isEmpty());
                QCOMPARE(trieda::text(r, trieda::sPredkontacie, vzor.dlzka), QString());
                continue;
            }
            // scored against the true samples, also the file with altered ones
            const Ocakavane o = ocakavane(prace[r.subor]);
            QCOMPARE(r.hodnotenie.predkontacie, (skuska::Skore{o.predkontacie, 10}));
            QCOMPARE(r.hodnotenie.vypocty, (skuska::Skore{o.vypocty, 2}));
            QCOMPARE(r.hodnotenie.hlavnaKniha.has_value(), o.kniha.has_value());
            QCOMPARE(trieda::text(r, trieda::sPredkontaciePercento, vzor.dlzka),
                     percento(o.predkontacie * 10.0));
            if (o.kniha) {
                QCOMPARE(r.hodnotenie.hlavnaKniha->spravne, o.kniha->first);
                QCOMPARE(r.hodnotenie.hlavnaKniha->posudzovane, o.kniha->second);
                QCOMPARE(trieda::text(r, trieda::sHlavnaKnihaPercento, vzor.dlzka),
                         percento(100.0 * o.kniha->first / o.kniha->second));
            } else {
                QCOMPARE(trieda::text(r, trieda::sHlavnaKnihaPercento, vzor.dlzka),
                         QStringLiteral("nebolo možné vygenerovať"));
            }
        }
        auto najst = [&v](const char* meno) {
            for (const trieda::Vysledok& r : v)
                if (r.subor == QLatin1String(meno))
                    return r;
            return trieda::Vysledok();
        };
        // the figures themselves, for a reader of this test
        QCOMPARE(trieda::text(najst("Adam.mdb"), trieda::sHlavnaKniha, vzor.dlzka),
                 QStringLiteral("6 z 6"));
        QCOMPARE(trieda::text(najst("Beata.mdb"), trieda::sPredkontacie, vzor.dlzka),
                 QStringLiteral("8 z 10"));
        QCOMPARE(trieda::text(najst("Beata.mdb"), trieda::sVypocty, vzor.dlzka),
                 QStringLiteral("1 z 2"));
        QCOMPARE(trieda::text(najst("Dusan.mdb"), trieda::sPredkontacie, vzor.dlzka),
                 QStringLiteral("8 z 10"));
        QCOMPARE(trieda::text(najst("Adam.mdb"), trieda::sTrvanie, vzor.dlzka),
                 QStringLiteral("0:58:35"));
        QCOMPARE(trieda::textStavu(trieda::Stav::InaSkuska), QStringLiteral("iná skúška"));

        // the marks: too long, the same start, no name
        const trieda::Vysledok adam = najst("Adam.mdb"), beata = najst("Beata.mdb"),
                               dusan = najst("Dusan.mdb"), cyril = najst("Cyril.mdb");
        QVERIFY(!adam.maUpozornenie());
        QVERIFY(beata.dlhsie);
        QCOMPARE(beata.rovnakyZaciatok, QStringList{"Dusan.mdb"});
        QCOMPARE(dusan.rovnakyZaciatok, QStringList{"Beata.mdb"});
        QVERIFY(dusan.bezMena && dusan.dlhsie && !beata.bezMena);
        QVERIFY(!cyril.dlhsie && !cyril.trvanie);
        QCOMPARE(beata.upozornenia(vzor.dlzka),
                 QStringLiteral("čas dlhší ako 1:01:00; rovnaký začiatok ako Dusan.mdb"));
        QCOMPARE(
            dusan.upozornenia(vzor.dlzka),
            QStringLiteral("čas dlhší ako 1:01:00; rovnaký začiatok ako Beata.mdb; chýba meno"));
        QVERIFY(trieda::oznacene(dusan, trieda::sMeno));
        QVERIFY(!trieda::oznacene(adam, trieda::sStav));

        // nothing was written anywhere
        for (auto it = pred.begin(); it != pred.end(); ++it)
            QVERIFY2(readFileBytes(subor(it.key())) == it.value(), qPrintable(it.key()));
        QCOMPARE(suboryPriecinka(trieda->path()), QStringList(pred.keys()));
        QCOMPARE(readFileBytes(agenda->path()), agendaPred);
        QCOMPARE(readFileBytes(skuska()), skuskaPred);
    }

    // A file whose end is before its start (a clock set back) or whose moment is no time is
    // marked in the duration column and among the marks; times that add up are not.
    void timesThatDoNotAddUpAreMarked() {
        const trieda::Vzor vzor = trieda::nacitatVzor(skuska());
        QTemporaryDir priecinok;
        const QString spatne = priecinok.filePath(QStringLiteral("Eva.mdb"));
        const QString necitatelne = priecinok.filePath(QStringLiteral("Fero.mdb"));
        odovzdat(skuska(), spatne, vzorovaPraca(), QStringLiteral("Eva"),
                 QStringLiteral("09.12.2026 09:00:00"), QStringLiteral("09.12.2026 08:50:00"));
        odovzdat(skuska(), necitatelne, vzorovaPraca(), QStringLiteral("Fero"),
                 QStringLiteral("09.12.2026 09:00:01"), QStringLiteral("09.12.2026 25:00:00"));
        const QList<trieda::Vysledok> v =
            trieda::vyhodnotit({spatne, necitatelne, subor(QStringLiteral("Adam.mdb"))}, vzor,
                               [](int, int) { return true; });
        QCOMPARE(v.size(), 3);
        QCOMPARE(trieda::text(v[0], trieda::sTrvanie, vzor.dlzka), QStringLiteral("-0:10:00"));
        for (const trieda::Vysledok& r : {v[0], v[1]}) {
            QVERIFY2(r.casyNesedia, qPrintable(r.subor));
            QVERIFY(trieda::oznacene(r, trieda::sTrvanie));
            QCOMPARE(r.upozornenia(vzor.dlzka),
                     QStringLiteral("časy nesedia: koniec pred začiatkom alebo neplatný čas"));
        }
        QVERIFY(!v[2].casyNesedia && !trieda::oznacene(v[2], trieda::sTrvanie));
    }

    // Only the exam file as it was generated serves as the reference.
    // A file the teacher may not read gets its row and says so, in the folder as one by one.
    void unreadableFileGetsItsRow() {
        const trieda::Vzor vzor = trieda::nacitatVzor(skuska());
        QTemporaryDir dir;
        const QString zamknuty = dir.filePath(QStringLiteral("Zamknuty.mdb"));
        for (const QString& m : {QStringLiteral("Adam.mdb"), QStringLiteral("Zamknuty.mdb")}) {
            QVERIFY(QFile::copy(subor(QStringLiteral("Adam.mdb")), dir.filePath(m)));
            QFile::setPermissions(dir.filePath(m), QFile::ReadOwner | QFile::ReadOther);
        }
        QFile::setPermissions(zamknuty, QFile::Permissions());
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                              QFile::ReadOther | QFile::ExeOther);
        const QStringList riadky = akoPouzivatel([&] {
            QStringList out;
            for (const trieda::Vysledok& v :
                 trieda::vyhodnotit(trieda::suboryPriecinka(dir.path()), vzor, {}))
                out << v.subor + u'|' + trieda::textStavu(v.stav) + u'|' + v.dovod;
            const trieda::Vysledok sam = trieda::vyhodnotitSubor(zamknuty, vzor);
            out << sam.subor + u'|' + trieda::textStavu(sam.stav) + u'|' + sam.dovod;
            return out;
        });
        if (riadky.value(0) == QLatin1String("SKIP"))
            QSKIP("no ordinary user here");
        const QString nedaSa =
            QStringLiteral("Zamknuty.mdb|nedá sa čítať|Súbor sa nedá prečítať: k súboru nie je "
                           "prístup.");
        QCOMPARE(riadky, QStringList({"Adam.mdb|dokončená|", nedaSa, nedaSa}));
    }

    void referenceRefused() {
        for (const char* meno : {"Adam.mdb", "Text.MDB", "Zaloha.mdb", "Poskodeny.mdb", "nie.mdb"})
            QVERIFY_THROWS_EXCEPTION(DbError, trieda::nacitatVzor(subor(QLatin1String(meno))));
        try {
            trieda::nacitatVzor(subor(QStringLiteral("Adam.mdb")));
        } catch (const DbError& e) {
            QCOMPARE(e.text(), QStringLiteral("Zvolený súbor nie je skúška tak, ako bola "
                                              "vygenerovaná:\nskúška v ňom už bola spustená."));
        }
    }

    // The window: the menu item only outside an exam, a folder scored with its progress, sorting
    // by any column, the CSV read back, the printout, and a student's comparison.
    void classWindow() {
        QVERIFY(h->mmItmVysledkyTriedy->isEnabled());
        QCOMPARE(h->mmItmVysledkyTriedy->objectName(), QStringLiteral("mmItmVysledkyTriedy"));
        const QByteArray agendaPred = readFileBytes(agenda->path());
        TfrmVysledkyTriedy okno(*h);
        QCOMPARE(okno.windowTitle(), QStringLiteral("Výsledky triedy"));
        // fits a 1024 × 768 screen, and whatever screen it is shown on
        QVERIFY(okno.width() <= 1000 && okno.height() <= 700);
        QVERIFY(okno.minimumSizeHint().width() <= 1000);
        okno.show();
        QVERIFY(okno.screen()->availableGeometry().contains(okno.frameGeometry()));
        okno.hide();
        // without the reference nothing is scored
        okno.btnPridatPriecinok->click();
        QCOMPARE(dialogs->last().text,
                 QStringLiteral("Najskôr zvoľte vzor: súbor skúšky tak, ako bol vygenerovaný."));
        dialogs->files = {skuska()};
        okno.btnVzor->click();
        QVERIFY(okno.vzor().has_value());
        dialogs->folders = {trieda->path()};
        dialogs->messages.clear();
        okno.btnPridatPriecinok->click();
        QVERIFY(dialogs->messages.isEmpty()); // no box for any bad file
        QCOMPARE(okno.DBGrid->model()->rowCount(), 7);
        // the same files again are scored in their rows, the reference itself is left out
        dialogs->fileLists = {{subor(QStringLiteral("Adam.mdb")), skuska()}};
        okno.btnPridatSubory->click();
        QCOMPARE(okno.DBGrid->model()->rowCount(), 7);
        QCOMPARE(okno.lblPocet->text(), QStringLiteral("Súborov: 7, dokončených skúšok: 2"));

        auto stlpec = [&okno](int s) {
            QStringList t;
            for (const trieda::Vysledok& v : okno.zoradene())
                t << trieda::text(v, s, okno.vzor()->dlzka);
            return t;
        };
        okno.DBGrid->sortByColumn(trieda::sPredkontaciePercento, Qt::DescendingOrder);
        QCOMPARE(stlpec(trieda::sPredkontaciePercento).mid(0, 4),
                 QStringList({"100,00", "90,00", "80,00", "80,00"}));
        okno.DBGrid->sortByColumn(trieda::sTrvanie, Qt::DescendingOrder);
        QCOMPARE(stlpec(trieda::sSubor).constFirst(), QStringLiteral("Dusan.mdb"));
        okno.DBGrid->sortByColumn(trieda::sSubor, Qt::AscendingOrder);
        QCOMPARE(stlpec(trieda::sSubor),
                 QStringList({"Adam.mdb", "Beata.mdb", "Cyril.mdb", "Dusan.mdb", "Poskodeny.mdb",
                              "Text.MDB", "Zaloha.mdb"}));
        okno.DBGrid->sortByColumn(trieda::sStav, Qt::AscendingOrder);
        QCOMPARE(stlpec(trieda::sStav),
                 QStringList({"dokončená", "dokončená", "nedokončená", "iná skúška",
                              "nie je skúška", "nie je skúška", "poškodený súbor"}));
        okno.DBGrid->sortByColumn(trieda::sSubor, Qt::AscendingOrder);

        // the CSV, read back as a spreadsheet would
        const QString csv = trieda->filePath(QStringLiteral("vysledky.csv"));
        dialogs->files = {csv};
        okno.btnExport->click();
        QCOMPARE(dialogs->last().text, QStringLiteral("Export prebehol úspešne!"));
        const QByteArray bajty = readFileBytes(csv);
        QVERIFY(bajty.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> riadky = citatCsv(QString::fromUtf8(bajty.mid(3)));
        QCOMPARE(riadky.size(), 8);
        QCOMPARE(riadky[0], QStringList({"Súbor", "Meno", "Začiatok", "Koniec", "Trvanie",
                                         "Predkontácie správne", "Predkontácie celkom",
                                         "Predkontácie %", "Výpočty správne", "Výpočty celkom",
                                         "Výpočty %", "Hlavná kniha správne", "Hlavná kniha celkom",
                                         "Hlavná kniha %", "Stav", "Upozornenia"}));
        for (const QStringList& r : riadky)
            QCOMPARE(r.size(), 16);
        QCOMPARE(riadky[1].mid(0, 15),
                 QStringList({"Adam.mdb", "Adam Bielik", "09.12.2026 08:00:05",
                              "09.12.2026 08:58:40", "0:58:35", "10", "10", "100,00", "2", "2",
                              "100,00", "6", "6", "100,00", "dokončená"}));
        const Ocakavane b = ocakavane(prace[QStringLiteral("Beata.mdb")]);
        QCOMPARE(riadky[2][1], QStringLiteral("Beáta \"Bea\"; Čierna"));
        QCOMPARE(
            riadky[2].mid(5, 9),
            QStringList({QString::number(b.predkontacie), "10", percento(b.predkontacie * 10.0),
                         QString::number(b.vypocty), "2", percento(b.vypocty * 50.0),
                         QString::number(b.kniha->first), QString::number(b.kniha->second),
                         percento(100.0 * b.kniha->first / b.kniha->second)}));
        QCOMPARE(riadky[3][3], QString());
        QCOMPARE(riadky[3][13], QStringLiteral("nebolo možné vygenerovať"));
        QCOMPARE(riadky[4][14], QStringLiteral("iná skúška"));
        QCOMPARE(riadky[5].mid(5, 10), QStringList(9, QString()) << "poškodený súbor");
        QVERIFY(riadky[5][15].startsWith(QStringLiteral("Súbor je poškodený")));
        QCOMPARE(riadky[6][14], QStringLiteral("nie je skúška"));
        QCOMPARE(riadky[7][15], QStringLiteral("Agenda nie je skúška."));

        // the printout: landscape, a row per file, the marks under their rows
        const BandedReport report = okno.zostava();
        const QList<ReportPage> strany = report.layout();
        QCOMPARE(strany.size(), 1);
        QCOMPARE(report.pageLayout.orientation(), QPageLayout::Landscape);
        const ReportPage& p = strany.constFirst();
        {
            // a PDF reader reads the scores with their spaces, one-digit ones too
            const QString pdf = agenda->file(QStringLiteral("trieda.pdf"));
            QVERIFY(writePdf(pdf, strany, report.caption));
            QProcess pdftotext;
            pdftotext.start(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
            QVERIFY2(pdftotext.waitForFinished(), "pdftotext (poppler-utils) is missing");
            const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
            for (const char* skore : {"10 z 10", "2 z 2", "1 z 2", "3 z 7"})
                QVERIFY2(text.contains(QLatin1String(skore)), skore);
            // the wider spaces are measured too: the cell holds them
            const ReportItem* vypocty = p.findAll(QStringLiteral("qrDbTxtVypocty"))[0];
            QCOMPARE(vypocty->text, QStringLiteral("2 z 2"));
            QVERIFY(textWidth(vypocty->text, vypocty->font) >
                    textWidth(vypocty->text, reportFont(vypocty->font.pointSizeF())) + 0.5);
            QVERIFY(textWidth(vypocty->text, vypocty->font) <= vypocty->rect.width());
        }
        QCOMPARE(p.find(QStringLiteral("qrLblNazovDokladu"))->text,
                 QStringLiteral("Výsledky triedy"));
        QCOMPARE(p.find(QStringLiteral("qrLblCisloDokladu"))->text, QStringLiteral("2006"));
        QCOMPARE(p.find(QStringLiteral("qrLblVzor"))->text,
                 QStringLiteral("Vzor skúšky: Skuska.mdb, dĺžka 1:01:00"));
        QVERIFY(p.find(QStringLiteral("qrLblMenoDatum"))->text.startsWith(u"Učiteľ, "));
        QStringList subory, mena;
        for (const ReportItem* i : p.findAll(QStringLiteral("qrDbTxtSubor")))
            subory << i->text;
        for (const ReportItem* i : p.findAll(QStringLiteral("qrDbTxtMeno")))
            mena << QString(i->text).replace(u'\n', u' ');
        QCOMPARE(subory.size(), 7);
        QCOMPARE(subory.constFirst(), QStringLiteral("Adam.mdb"));
        QCOMPARE(mena[1], QStringLiteral("Beáta \"Bea\"; Čierna"));
        QCOMPARE(p.findAll(QStringLiteral("qrDbTxtUpozornenia")).size(), 5);
        const ReportItem* meno = p.findAll(QStringLiteral("qrDbTxtMeno"))[3]; // Dušan's, empty
        QVERIFY(meno->font.bold());
        QVERIFY(!p.findAll(QStringLiteral("qrDbTxtMeno"))[0]->font.bold());
        for (const ReportItem& i : p.items)
            QVERIFY2(i.rect.right() <= p.size.width() - 10 + 0.01, qPrintable(i.name));
        // every caption whole: broken between words only, each line within its column
        for (const ReportColumn& c : TfrmVysledkyTriedyTlac::columns()) {
            const ReportItem* i = p.find(QStringLiteral("qrLbl") + c.field);
            QCOMPARE(QString(i->text).replace(u'\n', u' '), c.caption);
            for (const QString& riadok : i->text.split(u'\n'))
                QVERIFY2(textWidth(riadok, i->font) <= i->rect.width() + 0.01, qPrintable(riadok));
        }

        // a student's comparison, scored against the true samples
        okno.DBGrid->selectRow(3); // Dusan.mdb
        QVERIFY(okno.btnPodrobnosti->isEnabled());
        QList<ReportPage> porovnanie;
        naDalsieOkno([&porovnanie](QDialog* d) {
            if (auto* n = qobject_cast<ReportPreview*>(d))
                porovnanie = n->pages();
            d->reject();
        });
        okno.btnPodrobnosti->click();
        QCOMPARE(porovnanie.size(), 1);
        QStringList spravne;
        for (const ReportItem* i : porovnanie[0].findAll(QStringLiteral("qrDbTxtMaDat")))
            spravne << i->text;
        QCOMPARE(spravne, QStringList({"112  ", "501  ", "211  ", "321  ", "568  "}));
        // row 7's two accounts are the student's mistakes
        QCOMPARE(porovnanie[0].findAll(QStringLiteral("qrShpChybaMaDat")).size(), 1);
        QCOMPARE(porovnanie[0].findAll(QStringLiteral("qrShpChybaDal")).size(), 1);
        QCOMPARE(porovnanie[0].findAll(QStringLiteral("qrShpChybaSuma")).size(), 0);
        okno.DBGrid->selectRow(4); // the damaged file has no comparison
        QVERIFY(!okno.btnPodrobnosti->isEnabled());

        if (const QByteArray snimky = qgetenv("SALDOVIA_SNIMKY"); !snimky.isEmpty()) {
            // for looking at: the window and its printout
            okno.show();
            QTest::qWait(200);
            okno.grab().save(QString::fromLocal8Bit(snimky) + QStringLiteral("/trieda.png"));
            QVERIFY(writePdf(QString::fromLocal8Bit(snimky) + QStringLiteral("/trieda.pdf"), strany,
                             report.caption));
            okno.hide();
        }
        QCOMPARE(readFileBytes(agenda->path()), agendaPred);

        // during an exam the teacher's window is not offered
        dialogs->files = {subor(QStringLiteral("Cyril.mdb"))};
        dialogs->answers = {QMessageBox::Yes};
        h->mmItmObnovit->trigger();
        QVERIFY(!h->mmItmVysledkyTriedy->isEnabled());
        QVERIFY(!h->mmItmOdovzdatSkusku->isEnabled()); // unfinished
        h->OdpojitDatabazu();
    }
};

SALDOVIA_GUI_TEST_MAIN(TestTrieda)
#include "test_trieda.moc"
