// The document register and the document editors, driven as a user drives them.

#include "GuiTest.h"
#include "TestOkna.h"

#include "app/Hlavny.h"
#include "documents/Cislovanie.h"
#include "documents/Doklad.h"
#include "documents/Doklad2.h"
#include "documents/Doklady.h"
#include "documents/Polozkadokladu.h"
#include "edits/Upravy.h"
#include "journal/CiselnePole.h"
#include "journal/Polozkauctovnehodennika.h"
#include "journal/Uctovnydennik.h"
#include "journal/UctovyVyber.h"
#include "reports/Doklad2tlac.h"
#include "store/Values.h"
#include "ui/CelyText.h"
#include "ui/Mriezka.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

using namespace saldovia;

namespace {

void vybratUcet(TUctovyVyber* cb, const QString& ucet) {
    for (int i = 0; i < cb->count(); ++i)
        if (cb->itemText(i).startsWith(ucet + QStringLiteral("        "))) {
            cb->setCurrentIndex(i);
            return;
        }
    QFAIL(qPrintable(QStringLiteral("účet %1 chýba").arg(ucet)));
}

struct Riadok {
    QString ciastka, maDat, dal, popis;
};

// A VAT line: amount, rate index (0: "0", 1: the agenda rate), base and VAT accounts.
struct Polozka {
    QString ciastka;
    int sadzba;
    QString maDat, dal, maDatDPH, dalDPH, popis;
};

const QString Limit =
    QStringLiteral("Je možné vystaviť maximálne 99 dokladov,\nakcia bola zablokovaná!");

// Texts with placeholders of QString::arg, which a statement built by chained arg calls
// would substitute into.
const QStringList Percenta{QStringLiteral("Zľava 5%2 'test'"),
                           QStringLiteral("%1"),
                           QStringLiteral("%2"),
                           QStringLiteral("%L1"),
                           QStringLiteral("%%"),
                           QStringLiteral("%"),
                           QStringLiteral("Firma 100%2 s.r.o.")};

// True when the edit shows the text whole: with the caret behind the last character, the
// first one is still at the left edge (an edit too narrow scrolls its text).
bool celyViditelny(QLineEdit* e, const QString& text) {
    e->setText(text);
    if (e->text() != text)
        return false;
    e->setCursorPosition(static_cast<int>(text.size()));
    e->grab(); // a paint places the text
    return e->cursorPositionAt(QPoint(6, e->height() / 2)) == 0;
}
} // namespace

class TestDoklady : public TestHlavnehoOkna {
    Q_OBJECT

    QString hodnota(const QString& sql, const QString& field) {
        h->SQL(sql);
        return h->ADOQuery().text(field);
    }
    QStringList riadky(const QString& doklad) {
        h->SQL(QStringLiteral("SELECT Riadok FROM UctovnyDennik WHERE Doklad = %1 ORDER BY Riadok;")
                   .arg(sqlText(doklad)));
        QStringList r;
        for (int i = 0; i < h->ADOQuery().recordCount(); ++i)
            r << h->ADOQuery().rows().text(i, 0);
        return r;
    }
    void scratchEmpty() {
        QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny")), 0);
        QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne")), 0);
    }

    // Adds a journal line through the simple editor's "Pridať".
    static void pridatRiadok(TfrmDoklad* d, const Riadok& r) {
        naOkno(QStringLiteral("TfrmPolozkaUctovnehoDennika"), [r](QDialog* w) {
            auto* e = static_cast<TfrmPolozkaUctovnehoDennika*>(w);
            e->mmCiastka->setText(r.ciastka);
            vybratUcet(e->cbMaDat, r.maDat);
            vybratUcet(e->cbDal, r.dal);
            if (!r.popis.isEmpty())
                e->edtPopis->setText(r.popis);
            e->btnUlozitClick();
        });
        d->btnPridatClick();
    }
    // Adds a line through the invoice editor's "Pridať".
    static void pridatPolozku(TfrmDoklad2* d, const Polozka& p) {
        naOkno(QStringLiteral("TfrmPolozkaDokladu"), [p](QDialog* w) {
            auto* e = static_cast<TfrmPolozkaDokladu*>(w);
            e->mmCiastka->setText(p.ciastka);
            e->cbSadzbaDPH->setCurrentIndex(p.sadzba);
            vybratUcet(e->cbMaDat, p.maDat);
            vybratUcet(e->cbDal, p.dal);
            if (p.sadzba != 0) {
                vybratUcet(e->cbMaDatDPH, p.maDatDPH);
                vybratUcet(e->cbDalDPH, p.dalDPH);
            }
            e->edtPopisNaDoklade->setText(p.popis);
            e->edtPopisVDenniku->setText(p.popis);
            e->btnUlozitClick();
        });
        d->btnPridatClick();
    }
    // Opens a new (or stored) simple document of kind `kod`, runs f in the editor.
    QString doklad(const QString& kod, const QString& cislo, std::function<void(TfrmDoklad*)> f) {
        naOkno(QStringLiteral("TfrmDoklad"), [f](QDialog* w) { f(static_cast<TfrmDoklad*>(w)); });
        return (new TfrmDoklad(*h, kod))->Otvorit(cislo);
    }
    QString faktura(const QString& kod, const QString& cislo, std::function<void(TfrmDoklad2*)> f) {
        naOkno(QStringLiteral("TfrmDoklad2"), [f](QDialog* w) { f(static_cast<TfrmDoklad2*>(w)); });
        return (new TfrmDoklad2(*h, kod))->Otvorit(cislo);
    }
    static QAction* najst(QMenu* menu, const QString& kod) {
        for (QAction* a : menu->actions()) {
            if (a->menu()) {
                if (QAction* b = najst(a->menu(), kod))
                    return b;
            } else if (a->data().toString() == kod) {
                return a;
            }
        }
        return nullptr;
    }
    QAction* polozkaMenu(const QString& kod) { return najst(h->mmItmDoklady, kod); }

    void pripravit() override {
        spustitOkno(QStringLiteral("UPDATE AgendaNastavenie SET UctovnyRok = '2006', SadzbaDPH = "
                                   "'19', NazovFirmy = 'Pekáreň O''Brien', ICO = '12345678', "
                                   "MenoUzivatela = 'Jana Nová';"),
                    QStringLiteral("15.03.2006"));
    }
private slots:

    void numbering() {
        auto volne = [](const QString&) { return false; };
        QCOMPARE(*dalsieCisloDokladu("ID", "2006", {}, volne), QStringLiteral("ID0601"));
        QCOMPARE(*dalsieCisloDokladu("SP", "2005", {"SP0501", "SP0503"}, volne),
                 QStringLiteral("SP0504"));
        // The running number goes on across years.
        QCOMPARE(*dalsieCisloDokladu("ID", "2006", {"ID0503"}, volne), QStringLiteral("ID0604"));
        QVERIFY(!dalsieCisloDokladu("ID", "2007", {"ID0699"}, volne));
        // The year set back: a number held by a document is never handed out again.
        const QStringList existujuce = {"ID0504", "ID0603"};
        QCOMPARE(*dalsieCisloDokladu("ID", "2005", existujuce,
                                     [&](const QString& c) { return existujuce.contains(c); }),
                 QStringLiteral("ID0505"));
    }

    // --- the simple document editor ------------------------------------------------

    void internalDocumentWithTwoPostings() {
        // A free line already holds row 5: the document's rows follow it.
        sql(QStringLiteral("INSERT INTO UctovnyDennik VALUES (5, '02.01.2006', NULL, '1,00', "
                           "'SKK', '1,000', '1,00', 'Voľný', '211  ', '311  ');"));
        const QString cislo = doklad("ID", {}, [this](TfrmDoklad* d) {
            QCOMPARE(d->windowTitle(), QStringLiteral("Interný doklad"));
            QCOMPARE(h->windowTitle(), d->windowTitle());
            QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("ID0601"));
            QCOMPARE(d->dtpDatum->date(), QDate(2006, 3, 15));
            QCOMPARE(d->dtpDatum->minimumDate(), QDate(2006, 1, 1));
            QCOMPARE(d->dtpDatum->maximumDate(), QDate(2006, 12, 31));
            QCOMPARE(d->edtVystavil->text(), QStringLiteral("Jana Nová"));
            QCOMPARE(d->lblNazovFirmy->text(), QStringLiteral("Pekáreň O'Brien"));
            QVERIFY(!d->btnUpravit->isEnabled());
            QVERIFY(!d->btnOdstranit->isEnabled());
            d->edtPopis->setText(QStringLiteral("Nákup u O'Briena"));
            pridatRiadok(d,
                         {QStringLiteral("100"), QStringLiteral("501"), QStringLiteral("321"), {}});
            pridatRiadok(d, {QStringLiteral("25,5"), QStringLiteral("343"), QStringLiteral("321"),
                             QStringLiteral("DPH k nákupu")});
            QCOMPARE(h->store().qryDokladyPolozky.recordCount(), 2);
            QCOMPARE(h->store().qryDokladyPolozky.recNo(), 2);
            QVERIFY(d->btnUpravit->isEnabled());
            // Nothing reaches the journal before saving.
            QCOMPARE(pocet(QStringLiteral("UctovnyDennik")), 1);
            d->btnUlozitClick();
        });
        QCOMPARE(cislo, QStringLiteral("ID0601"));
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(riadky(cislo), (QStringList{"6", "7"}));
        QCOMPARE(hodnota("SELECT * FROM UctovnyDennik WHERE Riadok = 6;", "Popis"),
                 QStringLiteral("Nákup u O'Briena"));
        QCOMPARE(hodnota("SELECT * FROM UctovnyDennik WHERE Riadok = 6;", "MaDat"),
                 QStringLiteral("501  "));
        QCOMPARE(hodnota("SELECT * FROM UctovnyDennik WHERE Riadok = 7;", "Suma"),
                 QStringLiteral("25,50"));
        h->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'ID0601';"));
        const GeneralQuery& q = h->ADOQuery();
        QCOMPARE(q.text("Druh"), QStringLiteral("ID"));
        QCOMPARE(q.text("Datum"), QStringLiteral("15.03.2006"));
        QCOMPARE(q.text("Popis"), QStringLiteral("Nákup u O'Briena"));
        QCOMPARE(q.text("NazovFirmy"), QStringLiteral("Pekáreň O'Brien"));
        QCOMPARE(q.text("ICO"), QStringLiteral("12345678"));
        QCOMPARE(q.text("Vystavil"), QStringLiteral("Jana Nová"));
        QCOMPARE(q.text("Logo"), QStringLiteral("0"));
        scratchEmpty();

        // The next document of the kind follows; the settings changed since do not touch
        // the stored identity.
        sql(QStringLiteral("UPDATE AgendaNastavenie SET NazovFirmy = 'Iná firma';"));
        h->tblAgendaNastavenie().open();
        doklad("ID", cislo, [](TfrmDoklad* d) {
            QCOMPARE(d->lblNazovFirmy->text(), QStringLiteral("Pekáreň O'Brien"));
            QCOMPARE(d->edtPopis->text(), QStringLiteral("Nákup u O'Briena"));
        });
        QCOMPARE(doklad("ID", {},
                        [](TfrmDoklad* d) {
                            QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("ID0602"));
                            QCOMPARE(d->lblNazovFirmy->text(), QStringLiteral("Iná firma"));
                        }),
                 QString());
    }

    void reopenAndCancelChangesNothing() {
        const QString cislo = doklad("SP", {}, [](TfrmDoklad* d) {
            pridatRiadok(d, {"10", "112", "321", {}});
            pridatRiadok(d, {"20", "112", "321", {}});
            pridatRiadok(d, {"30", "112", "321", {}});
            d->btnUlozitClick();
        });
        QCOMPARE(cislo, QStringLiteral("SP0601"));
        const QStringList pred = riadky(cislo);
        QCOMPARE(pred, (QStringList{"1", "2", "3"}));
        const QString vysledok = doklad("SP", cislo, [this](TfrmDoklad* d) {
            DataSet& q = h->store().qryDokladyPolozky;
            QCOMPARE(q.recordCount(), 3);
            QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny")), 3);
            // Removing the middle line selects the one that took its place.
            d->DBGrid->vybrat(2);
            d->btnOdstranitClick();
            QCOMPARE(q.recordCount(), 2);
            QCOMPARE(q.text(QStringLiteral("Riadok")), QStringLiteral("3"));
            // Removing the last line selects the new last line.
            d->btnOdstranitClick();
            QCOMPARE(q.recNo(), 1);
            // Rows removed from the scratch table are free again within the document.
            pridatRiadok(d, {"99", "112", "321", {}});
            QCOMPARE(q.text(QStringLiteral("Riadok")), QStringLiteral("2"));
            d->edtPopis->setText(QStringLiteral("zmenené"));
            d->btnZrusitClick();
        });
        QCOMPARE(vysledok, QString());
        QCOMPARE(riadky(cislo), pred);
        QCOMPARE(hodnota("SELECT Popis FROM Doklady WHERE Cislo = 'SP0601';", "Popis"), QString());
        scratchEmpty();

        // Saving with every line removed keeps the header and drops the postings.
        QCOMPARE(doklad("SP", cislo,
                        [](TfrmDoklad* d) {
                            for (int i = 0; i < 3; ++i)
                                d->btnOdstranitClick();
                            QVERIFY(!d->btnOdstranit->isEnabled());
                            d->btnUlozitClick();
                        }),
                 cislo);
        QCOMPARE(riadky(cislo), QStringList());
        QCOMPARE(pocet(QStringLiteral("Doklady")), 1);
    }

    // A reopened document shows a description longer than its field from its beginning.
    void longTextsShowFromTheirBeginning() {
        const QString popis = QStringLiteral("Presun tovaru zo skladu do predajne, dodávka 118");
        const QString cislo = doklad("SR", {}, [&](TfrmDoklad* d) {
            d->edtPopis->setText(popis);
            pridatRiadok(d, {"10", "132", "131", {}});
            d->btnUlozitClick();
        });
        doklad("SR", cislo, [&](TfrmDoklad* d) {
            QCOMPARE(d->edtPopis->text(), popis);
            QVERIFY(d->edtPopis->fontMetrics().horizontalAdvance(popis) > d->edtPopis->width());
            QVERIFY(d->focusWidget() != d->edtPopis);
            QCOMPARE(d->edtPopis->cursorPosition(), 0);
            d->btnZrusitClick();
        });
    }

    void theNinetyNineDocumentLimit() {
        sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0598', 0);"));
        QCOMPARE(doklad("ID", {},
                        [](TfrmDoklad* d) {
                            QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("ID0699"));
                        }),
                 QString());
        sql(QStringLiteral("INSERT INTO Doklady (Druh, Cislo, Logo) VALUES ('ID', 'ID0599', 0);"));
        QCOMPARE((new TfrmDoklad(*h, QStringLiteral("ID")))->Otvorit({}), QString());
        QCOMPARE(faktura("FV", {},
                         [](TfrmDoklad2* d) {
                             QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("FV0601"));
                         }),
                 QString());
        QCOMPARE(dialogs->texts(), QStringList{Limit});
        QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
        QCOMPARE(pocet(QStringLiteral("Doklady")), 2);
    }

    void failedSaveLeavesTheOldDocument() {
        const QString cislo = doklad("ID", {}, [](TfrmDoklad* d) {
            pridatRiadok(d, {"10", "501", "321", {}});
            d->btnUlozitClick();
        });
        QCOMPARE(riadky(cislo), QStringList{"1"});
        // A free line written meanwhile holds row 2.
        sql(QStringLiteral("INSERT INTO UctovnyDennik VALUES (2, '02.01.2006', NULL, '1,00', "
                           "'SKK', '1,000', '1,00', 'Voľný', '211  ', '311  ');"));
        const QString vysledok = doklad("ID", cislo, [this](TfrmDoklad* d) {
            // A scratch row that collides with the journal makes the save fail half-way.
            h->SQL(QStringLiteral("INSERT INTO UctovnyDennikPomocny VALUES (2, '02.01.2006', "
                                  "'ID0601', '5,00', 'SKK', '1,000', '5,00', 'x', '501  ', "
                                  "'321  ');"));
            d->edtPopis->setText(QStringLiteral("nový popis"));
            d->btnUlozit->click();
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QVERIFY(d->isVisible());
            d->btnZrusitClick();
        });
        QCOMPARE(vysledok, QString());
        QCOMPARE(riadky(cislo), QStringList{"1"});
        QCOMPARE(pocet(QStringLiteral("Doklady"), QStringLiteral("Cislo = 'ID0601'")), 1);
        QCOMPARE(hodnota("SELECT Popis FROM Doklady;", "Popis"), QString());
        QCOMPARE(hodnota("SELECT Doklad FROM UctovnyDennik WHERE Riadok = 2;", "Doklad"),
                 QString());
        scratchEmpty();
    }

    // --- the invoice editor and its VAT lines --------------------------------------

    // Lines at four rates (the agenda's and two reduced ones, each offered by the line
    // editor): the summary tab has a row per rate, the same rows as the printout, and the
    // saved totals are the summary's. A huge line fits alone, a second one whose sums would
    // not is refused. Amounts, the postal code beside a long town and the longest telephone
    // number are shown whole.
    void summaryPerRateAndHugeAmounts() {
        sql(QStringLiteral("UPDATE AgendaNastavenie SET SadzbaDPH = '23', SidloPSC = '91701', "
                           "SidloMesto = 'Dolná Krupá pri Trnave, miestna časť Horné Orechové', "
                           "Telefon = '+421905123456';"));
        h->store().tblAgendaNastavenie.open();
        upravy::ulozitZnizeneSadzbyDPH(h->store(), {QStringLiteral("19"), QStringLiteral("5")});
        naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
            auto* e = static_cast<TfrmPolozkaDokladu*>(w);
            QStringList sadzby;
            for (int i = 0; i < e->cbSadzbaDPH->count(); ++i)
                sadzby << e->cbSadzbaDPH->itemText(i);
            QCOMPARE(sadzby, (QStringList{"0", "23", "19", "5"}));
        });
        (new TfrmPolozkaDokladu(*h))->Otvorit(0, QStringLiteral("FV0601"), {}, {});

        QList<sumardph::Riadok> naObrazovke;
        const QString cislo = faktura("FV", {}, [&](TfrmDoklad2* d) {
            pridatPolozku(d, {"100", 1, "311", "604", "311", "343", "A"});
            pridatPolozku(d, {"10,05", 3, "311", "604", "311", "343", "B"});
            pridatPolozku(d, {"123456789,01", 2, "311", "604", "311", "343", "C"});
            pridatPolozku(d, {"50", 0, "311", "602", {}, {}, "D"});
            pridatPolozku(d, {"70000000000000000", 2, "311", "604", "311", "343", "E"});
            QCOMPARE(h->store().qryDokladyPolozky.recordCount(), 5);
            dialogs->messages.clear();
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                e->mmCiastka->setText(QStringLiteral("70000000000000000"));
                e->cbSadzbaDPH->setCurrentIndex(2);
                vybratUcet(e->cbMaDat, "311");
                vybratUcet(e->cbDal, "604");
                vybratUcet(e->cbMaDatDPH, "311");
                vybratUcet(e->cbDalDPH, "343");
                e->btnUlozit->click();
                QVERIFY(e->isVisible()); // refused: the line stays to be corrected
            });
            d->btnPridatClick();
            QCOMPARE(dialogs->messages.size(), 1);
            QCOMPARE(dialogs->last().caption, QStringLiteral("Chyba"));
            QCOMPARE(dialogs->last().text, textPretecenia());
            QCOMPARE(pocet(QStringLiteral("DokladyPolozkyPomocne")), 5);
            QCOMPARE(pocet(QStringLiteral("UctovnyDennikPomocny")), 9);

            QStringList riadky;
            QList<std::array<QLabel*, 4>> stitky{
                {d->lblSadzbaDPHNulova, d->lblZakladNulova, d->lblDPHNulova, d->lblSpoluNulova},
                {d->lblSadzbaDPHZakladna, d->lblZakladZakladna, d->lblDPHZakladna,
                 d->lblSpoluZakladna}};
            stitky << d->dalsieSadzby;
            for (const auto& r : stitky)
                if (!r[0]->isHidden())
                    riadky << QStringList{r[0]->text(), r[1]->text(), r[2]->text(), r[3]->text()}
                                  .join(u' ');
            QCOMPARE(riadky, (QStringList{
                                 "0% 50,00 0,00 50,00",
                                 "5% 10,05 0,50 10,55",
                                 "19% 70000000123456789,01 13300000023456789,91 "
                                 "83300000146913578,92",
                                 "23% 100,00 23,00 123,00",
                             }));
            QCOMPARE(d->lblSpoluZaklad->text(), QStringLiteral("70000000123456949,06"));
            QCOMPARE(d->lblSpoluDPH->text(), QStringLiteral("13300000023456813,41"));
            QCOMPARE(d->lblSpoluUplne->text(), QStringLiteral("83300000146913762,47"));

            // Whole: every amount of the grid in its column, every sum on the summary tab.
            const QFontMetrics mriezka(d->DBGrid->font());
            const QAbstractItemModel* m = d->DBGrid->model();
            for (int r = 0; r < m->rowCount(); ++r)
                for (int c = 2; c <= 4; ++c) {
                    const QString t = m->index(r, c).data().toString();
                    QVERIFY2(mriezka.horizontalAdvance(t) + 4 <= d->DBGrid->columnWidth(c),
                             qPrintable(t));
                }
            // the description gives up only what the grid has not free
            int sirka = 0;
            for (int c = 0; c < m->columnCount(); ++c)
                sirka += d->DBGrid->columnWidth(c);
            if (d->DBGrid->columnWidth(1) < 326)
                QVERIFY(sirka + d->DBGrid->verticalScrollBar()->sizeHint().width() >=
                        d->DBGrid->viewport()->width());
            auto cely = [d](QTabWidget* karty, QWidget* karta, QLabel* l) {
                karty->setCurrentWidget(karta);
                karta->layout()->activate();
                l->ensurePolished();
                QVERIFY2(QFontMetrics(l->font()).horizontalAdvance(l->text()) <=
                             l->contentsRect().width(),
                         qPrintable(l->objectName()));
                QVERIFY2(karta->rect().contains(QRect(l->mapTo(karta, QPoint()), l->size())),
                         qPrintable(l->objectName()));
                if (auto* s = qobject_cast<TSkratenaHodnota*>(l))
                    QCOMPARE(s->zobrazenyText(), l->text());
                (void)d;
            };
            for (QLabel* l : d->tsSumar->findChildren<QLabel*>())
                if (!l->isHidden())
                    cely(d->PageControl2, d->tsSumar, l);
            QCOMPARE(d->lblSidloPSC->text(), QStringLiteral("91701"));
            cely(d->PageControl, d->tsDodavatel, d->lblSidloPSC);
            QCOMPARE(d->lblTelefon->text(), QStringLiteral("+421905123456"));
            cely(d->PageControl, d->tsKontaktneUdaje, d->lblTelefon);
            d->PageControl2->setCurrentWidget(d->tsPolozky);

            naObrazovke = d->sumar().riadky;
            d->btnUlozitClick();
        });
        QCOMPARE(cislo, QStringLiteral("FV0601"));
        QCOMPARE(hodnota("SELECT Zaklad FROM Doklady;", "Zaklad"),
                 QStringLiteral("70000000123456949,06"));
        QCOMPARE(hodnota("SELECT DPH FROM Doklady;", "DPH"),
                 QStringLiteral("13300000023456813,41"));
        QCOMPARE(hodnota("SELECT Spolu FROM Doklady;", "Spolu"),
                 QStringLiteral("83300000146913762,47"));
        const QList<sumardph::Riadok> naPapieri = TfrmDoklad2Tlac::sumar(h->store(), cislo).riadky;
        QCOMPARE(naPapieri.size(), naObrazovke.size());
        for (qsizetype i = 0; i < naPapieri.size(); ++i) {
            QCOMPARE(naPapieri[i].sadzba, naObrazovke[i].sadzba);
            QCOMPARE(naPapieri[i].zaklad, naObrazovke[i].zaklad);
            QCOMPARE(naPapieri[i].dph, naObrazovke[i].dph);
            QCOMPARE(naPapieri[i].spolu, naObrazovke[i].spolu);
        }
        scratchEmpty();
    }

    void invoiceWithLinesAtBothRates() {
        sql(QStringLiteral("INSERT INTO UctovnyDennik VALUES (3, '02.01.2006', NULL, '1,00', "
                           "'SKK', '1,000', '1,00', 'Voľný', '211  ', '311  ');"));
        const QString cislo = faktura("FV", {}, [this](TfrmDoklad2* d) {
            QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("FV0601"));
            QCOMPARE(d->windowTitle(), QStringLiteral("Vystavená faktúra"));
            QCOMPARE(d->dtpDatum2->date(), QDate(2006, 3, 15));
            QCOMPARE(d->dtpDatum3->date(), QDate(2006, 3, 29));
            QCOMPARE(d->PageControl->tabText(0), QStringLiteral("Odberateľ"));
            QCOMPARE(d->lblSadzbaDPHZakladna->text(), QStringLiteral("19%"));
            QVERIFY(!d->btnUpravit->isEnabled());
            d->edtNazovFirmy->setText(QStringLiteral("D'Artagnan s.r.o."));
            d->cbSposobPlatby->setEditText(QStringLiteral("prevodom"));
            d->edtPopis->setText(QStringLiteral("Predaj tovaru"));
            pridatPolozku(d, {"10,05", 1, "311", "604", "311", "343", "Tovar"});
            pridatPolozku(d, {"100", 0, "311", "602", {}, {}, "Služba"});
            QCOMPARE(h->store().qryDokladyPolozky.recordCount(), 2);
            QCOMPARE(h->store().qryDokladyPolozky.text(0, "DPH"), QStringLiteral("1,91"));
            QCOMPARE(h->store().qryDokladyPolozky.text(1, "DPH"), QStringLiteral("0,00"));
            QCOMPARE(d->lblZakladZakladna->text(), QStringLiteral("10,05"));
            QCOMPARE(d->lblDPHZakladna->text(), QStringLiteral("1,91"));
            QCOMPARE(d->lblSpoluZakladna->text(), QStringLiteral("11,96"));
            QCOMPARE(d->lblZakladNulova->text(), QStringLiteral("100,00"));
            QCOMPARE(d->lblSpoluZaklad->text(), QStringLiteral("110,05"));
            QCOMPARE(d->lblSpoluDPH->text(), QStringLiteral("1,91"));
            QCOMPARE(d->lblSpoluUplne->text(), QStringLiteral("111,96"));
            // On the summary tab the line commands rest.
            d->PageControl2->setCurrentWidget(d->tsSumar);
            QVERIFY(!d->btnUpravit->isEnabled());
            d->PageControl2->setCurrentWidget(d->tsPolozky);
            QVERIFY(d->btnUpravit->isEnabled());
            // A new issue date moves every posting of the document.
            d->dtpDatum->setDate(QDate(2006, 3, 20));
            d->btnUlozitClick();
        });
        QCOMPARE(cislo, QStringLiteral("FV0601"));
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(riadky(cislo), (QStringList{"4", "5", "6"}));
        h->SQL(QStringLiteral("SELECT * FROM DokladyPolozky ORDER BY Cislo;"));
        const ResultSet& p = h->ADOQuery().rows();
        QCOMPARE(p.rowCount(), 2);
        QCOMPARE(p.text(0, p.columnIndex("Riadok")), QStringLiteral("4"));
        QCOMPARE(p.text(0, p.columnIndex("RiadokDPH")), QStringLiteral("5"));
        QCOMPARE(p.text(0, p.columnIndex("Cena")), QStringLiteral("11,96"));
        QCOMPARE(p.text(0, p.columnIndex("SadzbaDPH")), QStringLiteral("19"));
        QCOMPARE(p.text(1, p.columnIndex("Cislo")), QStringLiteral("2"));
        QCOMPARE(p.text(1, p.columnIndex("Riadok")), QStringLiteral("6"));
        QVERIFY(p.value(1, p.columnIndex("RiadokDPH")).isNull());
        QCOMPARE(p.text(1, p.columnIndex("Cena")), QStringLiteral("100,00"));
        h->SQL(QStringLiteral("SELECT * FROM UctovnyDennik WHERE Riadok = 5;"));
        QCOMPARE(h->ADOQuery().text("Suma"), QStringLiteral("1,91"));
        QCOMPARE(h->ADOQuery().text("Popis"), QStringLiteral("DPH - Tovar"));
        QCOMPARE(h->ADOQuery().text("MaDat"), QStringLiteral("311  "));
        QCOMPARE(h->ADOQuery().text("Dal"), QStringLiteral("343  "));
        QCOMPARE(pocet("UctovnyDennik", "Doklad = 'FV0601' AND Datum = '20.03.2006'"), 3);
        h->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = 'FV0601';"));
        const GeneralQuery& q = h->ADOQuery();
        QCOMPARE(q.text("Zaklad"), QStringLiteral("110,05"));
        QCOMPARE(q.text("DPH"), QStringLiteral("1,91"));
        QCOMPARE(q.text("Spolu"), QStringLiteral("111,96"));
        QCOMPARE(q.text("NazovFirmy2"), QStringLiteral("D'Artagnan s.r.o."));
        QCOMPARE(q.text("SposobPlatby"), QStringLiteral("prevodom"));
        QCOMPARE(q.text("Datum3"), QStringLiteral("29.03.2006"));
        scratchEmpty();

        // The first line's rate changed to 0: its VAT posting goes; back to 19 %: a VAT row
        // one above the highest in use.
        faktura("FV", cislo, [this](TfrmDoklad2* d) {
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                QCOMPARE(e->mmDPH->text(), QStringLiteral("1,91"));
                QCOMPARE(e->edtRiadokDPH->text(), QStringLiteral("5"));
                e->cbSadzbaDPH->setCurrentIndex(0);
                QVERIFY(!e->cbMaDatDPH->isEnabled());
                e->btnUlozitClick();
            });
            d->DBGrid->vybrat(1);
            d->btnUpravitClick();
            QCOMPARE(d->lblSpoluUplne->text(), QStringLiteral("110,05"));
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                QCOMPARE(e->edtRiadokDPH->text(), QStringLiteral("7"));
                QCOMPARE(e->mmDPH->text(), QStringLiteral("0,00"));
                e->cbSadzbaDPH->setCurrentIndex(1);
                vybratUcet(e->cbMaDatDPH, "311");
                vybratUcet(e->cbDalDPH, "343");
                e->btnUlozitClick();
            });
            d->btnUpravitClick();
            QCOMPARE(h->store().qryDokladyPolozky.recNo(), 1);
            QCOMPARE(d->lblSpoluDPH->text(), QStringLiteral("1,91"));
            // Removing the second line takes its posting along.
            d->DBGrid->vybrat(2);
            d->btnOdstranitClick();
            QCOMPARE(pocet("UctovnyDennikPomocny"), 2);
            d->btnUlozitClick();
        });
        QCOMPARE(riadky(cislo), (QStringList{"4", "7"}));
        QCOMPARE(hodnota("SELECT Spolu FROM Doklady;", "Spolu"), QStringLiteral("11,96"));
    }

    void vatLineChecksAndCaptions() {
        faktura("FP", {}, [this](TfrmDoklad2* d) {
            QCOMPARE(d->PageControl->tabText(0), QStringLiteral("Dodávateľ"));
            QCOMPARE(d->PageControl->tabText(1), QStringLiteral("Odberateľ"));
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [this](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                QCOMPARE(e->edtCislo->text(), QStringLiteral("1"));
                QCOMPARE(e->edtRiadok->text(), QStringLiteral("1"));
                QCOMPARE(e->edtRiadokDPH->text(), QStringLiteral("2"));
                e->btnUlozitClick();
                e->mmCiastka->setText("100");
                e->btnUlozitClick();
                e->cbSadzbaDPH->setCurrentIndex(1);
                e->btnUlozitClick();
                vybratUcet(e->cbMaDat, "501");
                e->btnUlozitClick();
                vybratUcet(e->cbDal, "321");
                e->btnUlozitClick();
                vybratUcet(e->cbMaDatDPH, "343");
                e->btnUlozitClick();
                QCOMPARE(dialogs->texts(),
                         (QStringList{"Čiastka nebola zadaná!", "Sadzba DPH nebola zadaná!",
                                      "Účet 'Má dať' nebol zadaný!", "Účet 'Dal' nebol zadaný!",
                                      "Účet 'Má dať' pre DPH nebol zadaný!",
                                      "Účet 'Dal' pre DPH nebol zadaný!"}));
                // 100,00 at 19 % and a description cut for "DPH - ".
                e->edtPopisVDenniku->setMaxLength(50);
                e->edtPopisVDenniku->setText(QString(48, QChar(u'x')));
                e->cbSadzbaDPH->setCurrentIndex(0);
                e->cbSadzbaDPH->setCurrentIndex(1);
                QCOMPARE(e->edtPopisVDenniku->text().size(), 44);
                e->vypocitatSumu();
                QCOMPARE(e->mmSuma->text(), QStringLiteral("100,00"));
                QCOMPARE(e->mmDPH->text(), QStringLiteral("19,00"));
                QCOMPARE(e->mmSumaSDPH->text(), QStringLiteral("119,00"));
            });
            d->btnPridatClick();
        });
        scratchEmpty();
        QCOMPARE(pocet("Doklady"), 0);
    }

    // --- texts with per cent signs are stored as typed ---

    void percentSignsInSimpleDocumentsAndTheCopiedIdentity() {
        // The company identity is copied into each document: a "%1" there must not spoil it.
        sql(QStringLiteral("UPDATE AgendaNastavenie SET NazovFirmy = 'Firma 100%2 s.r.o.', "
                           "SidloUlica = '%1', SidloPSC = '%%', SidloMesto = '%L1', SidloStat = "
                           "'%', ICO = '%2', DIC = '5%2', ICDPH = '%1%2';"));
        h->tblAgendaNastavenie().open();
        for (const QString& t : Percenta) {
            const QString cislo = doklad("ID", {}, [t](TfrmDoklad* d) {
                d->edtPopis->setText(t);
                d->edtVystavil->setText(t + QStringLiteral(" %1"));
                pridatRiadok(d, {QStringLiteral("10"), QStringLiteral("501"), QStringLiteral("321"),
                                 t + QStringLiteral(" %2")});
                d->btnUlozitClick();
            });
            QVERIFY2(!cislo.isEmpty(), qPrintable(dialogs->texts().join(u'|')));
            h->SQL(QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
            const GeneralQuery& q = h->ADOQuery();
            QCOMPARE(q.text("Popis"), t);
            QCOMPARE(q.text("Vystavil"), t + QStringLiteral(" %1"));
            QCOMPARE(q.text("Logo"), QStringLiteral("0"));
            const QStringList identita{q.text("NazovFirmy"), q.text("SidloUlica"),
                                       q.text("SidloPSC"),   q.text("SidloMesto"),
                                       q.text("SidloStat"),  q.text("ICO"),
                                       q.text("DIC"),        q.text("ICDPH")};
            QCOMPARE(identita, (QStringList{"Firma 100%2 s.r.o.", "%1", "%%", "%L1", "%", "%2",
                                            "5%2", "%1%2"}));
            QCOMPARE(hodnota(QStringLiteral("SELECT Popis FROM UctovnyDennik WHERE Doklad = %1;")
                                 .arg(sqlText(cislo)),
                             "Popis"),
                     t + QStringLiteral(" %2"));
        }
        QVERIFY(dialogs->messages.isEmpty());
        QCOMPARE(pocet("Doklady"), Percenta.size());
    }

    void percentSignsInInvoicesTheirLinesAndNumbers() {
        // A prefix with a per cent sign puts it into every document number of the kind.
        sql(QStringLiteral("UPDATE AgendaPrisposobenie SET Prefix = '5%' WHERE Kod = 'FV';"));
        sql(QStringLiteral("UPDATE AgendaPrisposobenie SET Prefix = '%1' WHERE Kod = 'FP';"));
        for (const QString& kod : {QStringLiteral("FV"), QStringLiteral("FP")}) {
            for (int n = 0; n < 2; ++n) {
                const QString t =
                    Percenta[(n + (kod == QLatin1String("FP") ? 3 : 0)) % Percenta.size()];
                QStringList napisane; // as the fields took them, within their lengths
                const QString cislo = faktura(kod, {}, [&](TfrmDoklad2* d) {
                    const QList<QLineEdit*> polia{
                        d->edtNazovFirmy, d->edtSidloUlica, d->edtSidloPSC, d->edtSidloMesto,
                        d->edtSidloStat,  d->edtICO,        d->edtDIC,      d->edtICDPH,
                        d->edtVystavil,   d->edtSchvalil,   d->edtPrijal,   d->edtPopis};
                    for (int i = 0; i < polia.size(); ++i) {
                        polia[i]->setText(Percenta[(i + n) % Percenta.size()]);
                        napisane << polia[i]->text();
                    }
                    d->cbSposobPlatby->setEditText(t);
                    d->cbSposobDopravy->setEditText(QStringLiteral("%2 ") + t);
                    pridatPolozku(d, {"10", 1, "311", "604", "311", "343", t});
                    pridatPolozku(d, {"5", 0, "311", "602", {}, {}, QStringLiteral("%1 ") + t});
                    QCOMPARE(h->store().qryDokladyPolozky.recordCount(), 2);
                    d->btnUlozitClick();
                });
                QCOMPARE(cislo, (kod == QLatin1String("FV") ? QStringLiteral("5%060")
                                                            : QStringLiteral("%1060")) +
                                    QString::number(n + 1));
                h->SQL(
                    QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo)));
                const GeneralQuery& q = h->ADOQuery();
                const QStringList stlpce{"NazovFirmy2", "SidloUlica2", "SidloPSC2", "SidloMesto2",
                                         "SidloStat2",  "ICO2",        "DIC2",      "ICDPH2",
                                         "Vystavil",    "Schvalil",    "Prijal",    "Popis"};
                QStringList ulozene;
                for (const QString& stlpec : stlpce)
                    ulozene << q.text(stlpec);
                QCOMPARE(ulozene, napisane);
                QCOMPARE(q.text("SposobPlatby"), t);
                QCOMPARE(q.text("SposobDopravy"), QStringLiteral("%2 ") + t);
                QCOMPARE(q.text("Spolu"), QStringLiteral("16,90"));
                h->SQL(QStringLiteral("SELECT Popis, Cena FROM DokladyPolozky WHERE Doklad = %1 "
                                      "ORDER BY Cislo;")
                           .arg(sqlText(cislo)));
                QCOMPARE(h->ADOQuery().rows().text(0, 0), t);
                QCOMPARE(h->ADOQuery().rows().text(1, 0), QStringLiteral("%1 ") + t);
                QCOMPARE(h->ADOQuery().rows().text(1, 1), QStringLiteral("5,00"));
                h->SQL(QStringLiteral("SELECT Popis FROM UctovnyDennik WHERE Doklad = %1 ORDER "
                                      "BY Riadok;")
                           .arg(sqlText(cislo)));
                QCOMPARE(h->ADOQuery().rows().rowCount(), 3);
                QCOMPARE(h->ADOQuery().rows().text(1, 0), QStringLiteral("DPH - ") + t);
                QCOMPARE(h->ADOQuery().rows().text(2, 0), QStringLiteral("%1 ") + t);
                scratchEmpty();
            }
        }
        // Lines edited again keep their texts; a removal asks about the number as it is.
        faktura("FV", QStringLiteral("5%0601"), [this](TfrmDoklad2* d) {
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                QCOMPARE(e->edtPopisNaDoklade->text(), Percenta[0]);
                e->edtPopisNaDoklade->setText(QStringLiteral("%L1 %2"));
                e->btnUlozitClick();
            });
            d->btnUpravitClick();
            d->btnUlozitClick();
        });
        QCOMPARE(hodnota("SELECT Popis FROM DokladyPolozky WHERE Doklad = '5%0601' AND Cislo = 1;",
                         "Popis"),
                 QStringLiteral("%L1 %2"));
        QVERIFY2(dialogs->messages.isEmpty(), qPrintable(dialogs->texts().join(u'|')));
    }

    // --- every field shows its longest value ---------------------------------------

    void invoiceEditorShowsTheLongestValues() {
        const QString nazov = QStringLiteral("Spojená škola sv. Cyrila a Metoda, odborné učilišt");
        const QString email = QStringLiteral("informacie.pre.studentov@stredna-odborna-skola.sk");
        QCOMPARE(nazov.size(), 50);
        h->store().connection().execBound(
            QStringLiteral("UPDATE AgendaNastavenie SET NazovFirmy = ?, SidloUlica = ?, ICO = "
                           "'00000000', DIC = '0000000000', ICDPH = 'SK0000000000', Telefon = "
                           "'0000000000000', Fax = '0000000000000', Mobil = '0000000000000', "
                           "Email = ?, Web = ?, Ucet = '000000000000000', IBAN = "
                           "'SK0000000000000000000000', SWIFT = 'WWWWWWWW';"),
            {nazov, nazov, email, QStringLiteral("www.") + email.left(46)});
        h->tblAgendaNastavenie().open();
        faktura("FV", {}, [&](TfrmDoklad2* d) {
            // The partner's numbers and the description take their longest values whole.
            QVERIFY(celyViditelny(d->edtICO, QString(8, u'0')));
            QVERIFY(celyViditelny(d->edtDIC, QString(10, u'0')));
            QVERIFY(celyViditelny(d->edtICDPH, QStringLiteral("SK") + QString(10, u'0')));
            QVERIFY(celyViditelny(d->edtPopis, nazov));
            // A long name that does not fit is whole in the tooltip.
            d->edtNazovFirmy->setText(QString(50, u'W'));
            QCOMPARE(d->edtNazovFirmy->toolTip(), QString(50, u'W'));
            d->edtNazovFirmy->setText(QStringLiteral("Beta"));
            QCOMPARE(d->edtNazovFirmy->toolTip(), QString());

            // The own identity and contacts: numbers whole; a text too long for its tab is
            // shortened with the whole value in its tooltip; nothing runs out of its tab.
            for (QWidget* tab : {d->tsDodavatel, d->tsKontaktneUdaje}) {
                d->PageControl->setCurrentWidget(tab);
                d->grab();
                for (QLabel* l : tab->findChildren<QLabel*>()) {
                    if (l->text().isEmpty() || !l->isVisible())
                        continue;
                    const QString kde = l->objectName() + QStringLiteral(": ") + l->text();
                    QVERIFY2(tab->rect().contains(QRect(l->mapTo(tab, QPoint()), l->size())),
                             qPrintable(kde));
                    const bool cely =
                        l->fontMetrics().horizontalAdvance(l->text()) <= l->contentsRect().width();
                    const bool cislo = !l->text().contains(u'@') && !l->text().contains(u' ') &&
                                       l->text() != QStringLiteral("www.") + email.left(46);
                    if (cislo)
                        QVERIFY2(cely, qPrintable(kde));
                    else if (!cely)
                        QVERIFY2(l->toolTip() == l->text(), qPrintable(kde));
                }
            }
            QCOMPARE(d->lblNazovFirmy->text(), nazov); // the value itself stays whole

            // The VAT line's computed amounts show the largest amount.
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                auto* e = static_cast<TfrmPolozkaDokladu*>(w);
                for (QLineEdit* pole :
                     {static_cast<QLineEdit*>(e->mmCiastka), e->mmSuma, e->mmDPH, e->mmSumaSDPH})
                    QVERIFY2(celyViditelny(pole, najsirsiaSuma()), qPrintable(pole->objectName()));
            });
            d->btnPridatClick();
        });
        scratchEmpty();
    }

    // --- the register ----------------------------------------------------------------

    void registerAddsListsAndRemoves() {
        QAction* fv = polozkaMenu(QStringLiteral("FV"));
        QVERIFY(fv);
        naOkno(QStringLiteral("TfrmDoklady"), [this](QDialog* w) {
            auto* r = static_cast<TfrmDoklady*>(w);
            QCOMPARE(r->windowTitle(), QStringLiteral("Vystavené faktúry"));
            QCOMPARE(h->windowTitle(), r->windowTitle());
            QVERIFY(!r->btnUpravit->isEnabled());
            QVERIFY(!r->pmItmOdstranit->isEnabled());
            QVERIFY(!r->btnTlacit->isEnabled());
            QCOMPARE(r->PopupMenu->defaultAction(), r->pmItmPridat);
            // Cancelling a new document leaves the list as it was.
            naOkno(QStringLiteral("TfrmDoklad2"), [](QDialog* d) { d->reject(); });
            r->btnPridatClick();
            QVERIFY(h->store().qryDoklady.isEmpty());
            for (int i = 0; i < 3; ++i) {
                naOkno(QStringLiteral("TfrmDoklad2"), [](QDialog* w) {
                    auto* d = static_cast<TfrmDoklad2*>(w);
                    pridatPolozku(d, {"10", 1, "311", "604", "311", "343", "Tovar"});
                    d->btnUlozitClick();
                });
                // A double click adds to an empty list; then "Pridať" adds.
                if (i == 0)
                    r->DBGridDblClick();
                else
                    r->btnPridatClick();
            }
            DataSet& q = h->store().qryDoklady;
            QCOMPARE(q.recordCount(), 3);
            QCOMPARE(q.text(QStringLiteral("Cislo")), QStringLiteral("FV0603"));
            QCOMPARE(h->windowTitle(), r->windowTitle());
            QCOMPARE(r->PopupMenu->defaultAction(), r->pmItmUpravit);
            QVERIFY(r->btnOdstranit->isEnabled());

            // "No" keeps the document; "Yes" removes it with its lines and postings.
            r->DBGrid->vybrat(2);
            r->btnOdstranitClick();
            QCOMPARE(dialogs->last().text,
                     QStringLiteral("Naozaj chcete označený doklad FV0602 odstrániť?"));
            QCOMPARE(dialogs->last().caption, QStringLiteral("Potvrdenie odstránenia dokladu"));
            QCOMPARE(dialogs->last().defaultButton, QMessageBox::No);
            QCOMPARE(q.recordCount(), 3);
            dialogs->answers << QMessageBox::Yes;
            r->btnOdstranitClick();
            QCOMPARE(q.recordCount(), 2);
            QCOMPARE(q.text(QStringLiteral("Cislo")), QStringLiteral("FV0603"));
            dialogs->answers << QMessageBox::Yes;
            r->btnOdstranitClick();
            QCOMPARE(q.text(QStringLiteral("Cislo")), QStringLiteral("FV0601"));
            r->btnZavrietClick();
        });
        h->mmItmDokladyClick(fv);
        QCOMPARE(h->windowTitle(), QStringLiteral("Saldovia"));
        QCOMPARE(pocet("Doklady"), 1);
        QCOMPARE(pocet("DokladyPolozky"), 1);
        QCOMPARE(pocet("UctovnyDennik"), 2);
        QCOMPARE(pocet("UctovnyDennik", "Doklad <> 'FV0601'"), 0);
        // Numbers freed at the top are handed out again.
        QCOMPARE(faktura("FV", {},
                         [](TfrmDoklad2* d) {
                             QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("FV0602"));
                         }),
                 QString());
    }

    void finishedExamRefusesSaving() {
        const QString cislo = doklad("BV", {}, [](TfrmDoklad* d) {
            pridatRiadok(d, {"10", "221", "311", {}});
            d->btnUlozitClick();
        });
        QCOMPARE(cislo, QStringLiteral("BV0601"));
        SettingsRow& s = h->tblAgendaNastavenie();
        s.edit();
        s.setText(QStringLiteral("SkuskaKoniec"), QStringLiteral("15.03.2006 10:00:00"));
        s.post();

        naOkno(QStringLiteral("TfrmDoklady"), [this](QDialog* w) {
            auto* r = static_cast<TfrmDoklady*>(w);
            QVERIFY(r->btnUpravit->isEnabled());
            QVERIFY(!r->btnOdstranit->isEnabled());
            QVERIFY(!r->pmItmOdstranit->isEnabled());
            dialogs->answers << QMessageBox::Yes;
            r->btnOdstranitClick();
            naOkno(QStringLiteral("TfrmDoklad"), [](QDialog* w) {
                auto* d = static_cast<TfrmDoklad*>(w);
                QVERIFY(!d->btnUlozit->isEnabled());
                d->btnOdstranitClick();
                d->edtPopis->setText(QStringLiteral("zmena"));
                d->btnUlozitClick();
            });
            r->btnUpravitClick();
        });
        h->mmItmDokladyClick(polozkaMenu(QStringLiteral("BV")));
        QCOMPARE(riadky(cislo), QStringList{"1"});
        QCOMPARE(hodnota("SELECT Popis FROM Doklady;", "Popis"), QString());
        scratchEmpty();

        faktura("PP", {}, [](TfrmDoklad2* d) {
            QVERIFY(!d->btnUlozit->isEnabled());
            naOkno(QStringLiteral("TfrmPolozkaDokladu"), [](QDialog* w) {
                QVERIFY(!static_cast<TfrmPolozkaDokladu*>(w)->btnUlozit->isEnabled());
            });
            d->btnPridatClick();
            d->btnUlozitClick();
        });
        QCOMPARE(pocet("Doklady"), 1);
    }

    void journalWindowOpensTheDocument() {
        const QString cislo = doklad("SR", {}, [](TfrmDoklad* d) {
            pridatRiadok(d, {"10", "112", "132", {}});
            d->btnUlozitClick();
        });
        QVERIFY(h->sluzbyDennika().otvoritDoklad);
        naOkno(QStringLiteral("TfrmUctovnyDennik"), [this](QDialog* w) {
            auto* j = static_cast<TfrmUctovnyDennik*>(w);
            QVERIFY(j->btnUpravit->isEnabled());
            naOkno(QStringLiteral("TfrmDoklad"), [](QDialog* w) {
                auto* d = static_cast<TfrmDoklad*>(w);
                QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("SR0601"));
                pridatRiadok(d, {"5", "112", "132", {}});
                d->btnUlozitClick();
            });
            j->btnUpravitClick();
            QCOMPARE(h->store().qryUctovnyDennik.recordCount(), 2);
            QCOMPARE(h->windowTitle(), j->windowTitle());
            // A new invoice from the journal's add menu.
            naOkno(QStringLiteral("TfrmDoklad2"), [](QDialog* w) {
                auto* d = static_cast<TfrmDoklad2*>(w);
                QCOMPARE(d->edtCisloDokladu->text(), QStringLiteral("FP0601"));
                pridatPolozku(d, {"50", 0, "112", "321", {}, {}, "Materiál"});
                d->btnUlozitClick();
            });
            j->pmItmPridatDokladClick(QStringLiteral("FP"));
            QCOMPARE(h->store().qryUctovnyDennik.recordCount(), 3);
            j->btnZavrietClick();
        });
        h->mmItmUctovnyDennikClick();
        QCOMPARE(riadky(cislo), (QStringList{"1", "2"}));
        QCOMPARE(riadky(QStringLiteral("FP0601")), QStringList{"3"});
        scratchEmpty();
    }
};

SALDOVIA_GUI_TEST_MAIN(TestDoklady)
#include "test_doklady.moc"
