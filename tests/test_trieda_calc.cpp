// The class results CSV as LibreOffice Calc reads it: imported with the separators its Text
// Import dialog ticks in a fresh profile (tab, comma and semicolon) and the Slovak locale,
// saved as a flat spreadsheet and read back cell by cell. Fails when Calc is missing.

#include "exam/Hodnotenietriedy.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

using namespace saldovia;

namespace {

struct Bunka {
    QString typ;     // office:value-type: "float", "string", …; empty for an empty cell
    QString hodnota; // office:value, or the date or time value
    QString text;
};

// The cells of the first sheet of a flat OpenDocument spreadsheet, row after row.
QList<QList<Bunka>> citatFods(const QByteArray& xml) {
    QList<QList<Bunka>> riadky;
    QXmlStreamReader r(xml);
    bool prvyHarok = false;
    while (!r.atEnd()) {
        r.readNext();
        if (r.isEndElement() && r.name() == QLatin1String("table") && prvyHarok)
            break;
        if (!r.isStartElement())
            continue;
        if (r.name() == QLatin1String("table"))
            prvyHarok = true;
        else if (r.name() == QLatin1String("table-row"))
            riadky.append(QList<Bunka>());
        else if (r.name() == QLatin1String("table-cell") && !riadky.isEmpty()) {
            const QXmlStreamAttributes a = r.attributes();
            Bunka b;
            b.typ = a.value(QLatin1String("office:value-type")).toString();
            for (const char* m : {"office:value", "office:date-value", "office:time-value"})
                if (a.hasAttribute(QLatin1String(m)))
                    b.hodnota = a.value(QLatin1String(m)).toString();
            const int opakovanie =
                std::max(1, a.value(QLatin1String("table:number-columns-repeated")).toInt());
            int hlbka = 0;
            while (!r.atEnd()) {
                r.readNext();
                if (r.isStartElement()) {
                    if (r.name() == QLatin1String("p") && !b.text.isEmpty())
                        b.text += u'\n';
                    if (r.name() == QLatin1String("s"))
                        b.text += u' ';
                    ++hlbka;
                } else if (r.isCharacters() && hlbka > 0) {
                    b.text += r.text();
                } else if (r.isEndElement()) {
                    if (hlbka-- == 0)
                        break;
                }
            }
            for (int i = 0; i < std::min(opakovanie, 64); ++i)
                riadky.last().append(b);
        }
    }
    return riadky;
}

trieda::Vysledok vysledok(const QString& subor, const QString& meno, int spravne, int celkom) {
    trieda::Vysledok v;
    v.subor = subor;
    v.meno = meno;
    v.stav = trieda::Stav::Dokoncena;
    v.zaciatok = QStringLiteral("09.12.2026 08:00:05");
    v.koniec = QStringLiteral("09.12.2026 08:58:40");
    v.trvanie = 3515;
    v.hodnotena = true;
    v.hodnotenie.predkontacie = {spravne, celkom};
    v.hodnotenie.vypocty = {1, 3};
    v.hodnotenie.hlavnaKniha = hlavnakniha::Zhoda{5, 7, 500.f / 7.f};
    return v;
}

// The cells as both imports must give them: every field in its own column, counts and
// percentages as numbers, names as typed and never a formula.
void overit(const QList<QList<Bunka>>& bunky, const QList<trieda::Vysledok>& vysledky,
            bool akoExcel) {
    QVERIFY(bunky.size() >= 8);
    auto text = [&bunky](int r, int k) { return bunky[r].value(k).text; };
    auto cislo = [&bunky](int r, int k) {
        const Bunka& b = bunky[r].value(k);
        return b.typ == QLatin1String("float") ? b.hodnota.toDouble() : qQNaN();
    };
    QCOMPARE(text(0, 7), QStringLiteral("Predkontácie %"));
    QCOMPARE(text(0, 15), QStringLiteral("Upozornenia"));
    for (int r = 1; r <= 6; ++r) {
        QCOMPARE(text(r, 0), vysledky[r - 1].subor);
        if (akoExcel) {
            // read as a date and a time, as Excel reads them
            QCOMPARE(bunky[r].value(2).typ, QStringLiteral("date"));
            QVERIFY2(bunky[r].value(2).hodnota.startsWith(u"2026-12-09T08:00:05"),
                     qPrintable(bunky[r].value(2).hodnota));
            QCOMPARE(bunky[r].value(4).typ, QStringLiteral("time"));
        } else {
            QCOMPARE(text(r, 2), QStringLiteral("09.12.2026 08:00:05"));
            QCOMPARE(text(r, 4), QStringLiteral("0:58:35"));
        }
        // counts and percentages are numbers in their own columns, none split
        const skuska::Skore& s = vysledky[r - 1].hodnotenie.predkontacie;
        QCOMPARE(cislo(r, 5), double(s.spravne));
        QCOMPARE(cislo(r, 6), double(s.celkom));
        QCOMPARE(cislo(r, 7), skuska::percento(s.spravne, s.celkom).replace(u',', u'.').toDouble());
        QCOMPARE(cislo(r, 9), 3.0);
        QCOMPARE(cislo(r, 10), 33.33);
        QCOMPARE(cislo(r, 13), 71.43);
        QCOMPARE(text(r, 14), QStringLiteral("dokončená"));
    }
    QCOMPARE(text(1, 1), QStringLiteral("Adam Bielik"));
    QCOMPARE(text(2, 1), QStringLiteral("Beáta \"Bea\"; Čierna, ml."));
    // a name that reads as a formula stays text, as typed after the apostrophe
    for (int r = 3; r <= 6; ++r) {
        QCOMPARE(bunky[r].value(1).typ, QStringLiteral("string"));
        QCOMPARE(text(r, 1), u'\'' + vysledky[r - 1].meno);
    }
    QCOMPARE(text(7, 0), QStringLiteral("Zly, subor.mdb"));
    QCOMPARE(text(7, 14), QStringLiteral("poškodený súbor"));
    QCOMPARE(text(7, 15), QStringLiteral("Súbor je poškodený: strana 3, riadok 2"));
}

} // namespace

class TestTriedaCalc : public QObject {
    Q_OBJECT

private slots:
    void csvVCalcu() {
        const QString soffice = QStandardPaths::findExecutable(QStringLiteral("soffice"));
        if (soffice.isEmpty())
            QFAIL("LibreOffice Calc (soffice) is not installed: tools/install-deps.sh installs it");
        QTemporaryDir dir;
        QVERIFY(dir.isValid());

        QList<trieda::Vysledok> vysledky{
            vysledok(QStringLiteral("Adam.mdb"), QStringLiteral("Adam Bielik"), 97, 99),
            vysledok(QStringLiteral("Beata.mdb"), QStringLiteral("Beáta \"Bea\"; Čierna, ml."), 10,
                     10),
            vysledok(QStringLiteral("Cyril.mdb"), QStringLiteral("=10+5"), 3, 7),
            vysledok(QStringLiteral("Dusan.mdb"), QStringLiteral("-1"), 0, 10),
            vysledok(QStringLiteral("Emil.mdb"), QStringLiteral("@SUM(1;2)"), 1, 3),
            vysledok(QStringLiteral("Filip.mdb"), QStringLiteral("+1"), 2, 3),
        };
        trieda::Vysledok poskodeny;
        poskodeny.subor = QStringLiteral("Zly, subor.mdb");
        poskodeny.dovod = QStringLiteral("Súbor je poškodený: strana 3, riadok 2");
        vysledky << poskodeny;
        const QString csv = dir.filePath(QStringLiteral("vysledky.csv"));
        QFile f(csv);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(trieda::csv(vysledky, QStringLiteral("1:00:00")));
        f.close();
        if (const QByteArray snimky = qgetenv("SALDOVIA_SNIMKY"); !snimky.isEmpty())
            QFile::copy(csv, QString::fromLocal8Bit(snimky) + QStringLiteral("/vysledky.csv"));

        // Calc's Text Import dialog as it comes: tab, comma, semicolon; quotes; UTF-8; from
        // line 1; no column formats; Slovak; quoted fields not forced to text; no special
        // numbers; no trimming; first sheet; formulas evaluated. Excel on a Slovak Windows
        // opens a CSV with the list separator only (semicolon), takes dates and times for
        // numbers and evaluates formulas: the second import does the same.
        for (const bool akoExcel : {false, true}) {
            const QString importuj =
                QStringLiteral("Text - txt - csv (StarCalc):%1,34,76,1,,1051,false,%2,false,"
                               "false,false,1,true")
                    .arg(akoExcel ? QStringLiteral("59") : QStringLiteral("9/44/59"),
                         akoExcel ? QStringLiteral("true") : QStringLiteral("false"));
            QProcess calc;
            calc.setWorkingDirectory(dir.path());
            calc.start(soffice,
                       {QStringLiteral("-env:UserInstallation=file://") +
                            dir.filePath(QStringLiteral("profil")),
                        QStringLiteral("--headless"), QStringLiteral("--norestore"),
                        QStringLiteral("--infilter=") + importuj, QStringLiteral("--convert-to"),
                        QStringLiteral("fods"), QStringLiteral("--outdir"), dir.path(), csv});
            QVERIFY(calc.waitForFinished(240000));
            const QString fods = dir.filePath(QStringLiteral("vysledky.fods"));
            QFile vystup(fods);
            QVERIFY2(vystup.open(QIODevice::ReadOnly), calc.readAllStandardError().constData());
            const QList<QList<Bunka>> bunky = citatFods(vystup.readAll());
            vystup.close();
            QVERIFY(vystup.remove());
            overit(bunky, vysledky, akoExcel);
            QVERIFY2(!QTest::currentTestFailed(), akoExcel ? "as Excel opens it" : "as Calc does");
        }
    }
};

QTEST_GUILESS_MAIN(TestTriedaCalc)
#include "test_trieda_calc.moc"
