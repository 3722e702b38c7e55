#include "Polozkadokladu.h"

#include "edits/SumarDPH.h"
#include "edits/Upravy.h"
#include "journal/CiselnePole.h"
#include "journal/Polozkauctovnehodennika.h"
#include "journal/UctovyVyber.h"
#include "store/Values.h"
#include "ui/CelyText.h"
#include "ui/DatumovePole.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Ovladace.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace saldovia {

using namespace ovladace;

namespace {

const QString Pomocny = QStringLiteral("UctovnyDennikPomocny");
const QString Nulova = QStringLiteral("0");
constexpr int PopisSDPH = 44; // "DPH - " and the description fit the journal's 50

// A field the editor computes: read-only, its number on the right.
QLineEdit* vypocitane(const QString& meno) {
    auto* e = ovladace::pole(meno);
    e->setEnabled(false);
    e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return e;
}

} // namespace

TfrmPolozkaDokladu::TfrmPolozkaDokladu(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmPolozkaDokladu"), QStringLiteral("Položka dokladu"), 11) {
    polia = new TCiselnePolia(this);
    polia->poOdchode = [this] { vypocitatSumu(); };

    edtCislo = pole(QStringLiteral("edtCislo"));
    edtCislo->setEnabled(false);
    edtCislo->setFixedWidth(50);
    dtpDatum = new TDatumovePole;
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpDatum->setEnabled(false);
    dtpDatum->setFixedWidth(100);
    edtDoklad = pole(QStringLiteral("edtDoklad"));
    edtDoklad->setEnabled(false);
    edtDoklad->setFixedWidth(80);

    mmCiastka = new TCiselnePole(QStringLiteral("mmCiastka"), 2, *polia);
    mmCiastka->setFixedWidth(sirkaPreText(mmCiastka, najsirsiaSuma()));
    edtMena = pole(QStringLiteral("edtMena"), 50);
    edtMena->setText(QStringLiteral("SKK"));
    edtMena->setFixedWidth(56);
    mmKurz = new TCiselnePole(QStringLiteral("mmKurz"), 3, *polia);
    mmKurz->setFixedWidth(76);
    mmSuma = vypocitane(QStringLiteral("mmSuma"));
    mmSuma->setFixedWidth(sirkaPreText(mmSuma, najsirsiaSuma()));
    cbSadzbaDPH = new QComboBox;
    cbSadzbaDPH->setObjectName(QStringLiteral("cbSadzbaDPH"));
    cbSadzbaDPH->setEditable(false);
    cbSadzbaDPH->setFixedWidth(64);
    mmDPH = vypocitane(QStringLiteral("mmDPH"));
    mmDPH->setFixedWidth(sirkaPreText(mmDPH, najsirsiaSuma()));
    mmSumaSDPH = vypocitane(QStringLiteral("mmSumaSDPH"));
    mmSumaSDPH->setFixedWidth(sirkaPreText(mmSumaSDPH, najsirsiaSuma()));
    edtPopisNaDoklade = pole(QStringLiteral("edtPopisNaDoklade"), 50);

    gbZauctovanie = new QGroupBox(QStringLiteral("Zaúčtovanie v Účtovnom denníku"));
    gbZauctovanie->setObjectName(QStringLiteral("gbZauctovanie"));
    gbZauctovanie->setFixedSize(600, 150);
    edtRiadok = pole(QStringLiteral("edtRiadok"));
    edtRiadokDPH = pole(QStringLiteral("edtRiadokDPH"));
    for (QLineEdit* e : {edtRiadok, edtRiadokDPH}) {
        e->setParent(gbZauctovanie);
        e->setEnabled(false);
        e->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    // The pickers widen over the frame while their lists are open: placed by hand.
    popisok(QStringLiteral("Má dať"), gbZauctovanie)->setGeometry(190, 22, 80, 18);
    popisok(QStringLiteral("Dal"), gbZauctovanie)->setGeometry(280, 22, 80, 18);
    popisok(QStringLiteral("Riadok:"), gbZauctovanie)->setGeometry(12, 44, 90, 22);
    edtRiadok->setGeometry(100, 42, 70, 24);
    cbMaDat = new TUctovyVyber(QStringLiteral("cbMaDat"), gbZauctovanie);
    cbMaDat->move(190, 42);
    cbDal = new TUctovyVyber(QStringLiteral("cbDal"), gbZauctovanie);
    cbDal->move(280, 42);
    popisok(QStringLiteral("Má dať"), gbZauctovanie)->setGeometry(380, 22, 80, 18);
    popisok(QStringLiteral("Dal"), gbZauctovanie)->setGeometry(470, 22, 80, 18);
    popisok(QStringLiteral("Riadok DPH:"), gbZauctovanie)->setGeometry(12, 78, 90, 22);
    edtRiadokDPH->setGeometry(100, 76, 70, 24);
    cbMaDatDPH = new TUctovyVyber(QStringLiteral("cbMaDatDPH"), gbZauctovanie);
    cbMaDatDPH->move(380, 76);
    cbDalDPH = new TUctovyVyber(QStringLiteral("cbDalDPH"), gbZauctovanie);
    cbDalDPH->move(470, 76);
    popisok(QStringLiteral("Popis:"), gbZauctovanie)->setGeometry(12, 112, 90, 22);
    edtPopisVDenniku = pole(QStringLiteral("edtPopisVDenniku"), PopisSDPH);
    edtPopisVDenniku->setParent(gbZauctovanie);
    edtPopisVDenniku->setGeometry(100, 110, 486, 24);

    btnUlozit = new QPushButton(QStringLiteral("&Uložiť"));
    btnUlozit->setObjectName(QStringLiteral("btnUlozit"));
    btnZrusit = new QPushButton(QStringLiteral("&Zrušiť"));
    btnZrusit->setObjectName(QStringLiteral("btnZrusit"));
    for (QPushButton* b : {btnUlozit, btnZrusit}) {
        b->setAutoDefault(false);
        b->setMinimumWidth(90);
    }
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    chranitZmeny(btnUlozit);
    connect(btnZrusit, &QPushButton::clicked, this, [this] { reject(); });
    connect(cbSadzbaDPH, &QComboBox::currentIndexChanged, this,
            chranene(this, [this] { cbSadzbaDPHChange(); }));

    auto* hore = new QHBoxLayout;
    hore->setSpacing(6);
    hore->addWidget(popisok(QStringLiteral("Číslo:")));
    hore->addWidget(edtCislo);
    hore->addSpacing(16);
    hore->addWidget(popisok(QStringLiteral("Dátum:")));
    hore->addWidget(dtpDatum);
    hore->addSpacing(16);
    hore->addWidget(popisok(QStringLiteral("Doklad:")));
    hore->addWidget(edtDoklad);
    hore->addStretch();

    // The amounts read as formulas: Čiastka X Kurz = Suma bez DPH; Sadzba DPH, DPH, Suma s DPH.
    auto* sumy = new QGridLayout;
    sumy->setHorizontalSpacing(6);
    sumy->setVerticalSpacing(2);
    sumy->addWidget(popisok(QStringLiteral("Čiastka:")), 0, 0);
    sumy->addWidget(popisok(QStringLiteral("Mena:")), 0, 1);
    sumy->addWidget(popisok(QStringLiteral("Kurz:")), 0, 3);
    sumy->addWidget(popisok(QStringLiteral("Suma bez DPH:")), 0, 5);
    sumy->addWidget(mmCiastka, 1, 0);
    sumy->addWidget(edtMena, 1, 1);
    sumy->addWidget(znak(QStringLiteral("X")), 1, 2);
    sumy->addWidget(mmKurz, 1, 3);
    sumy->addWidget(znak(QStringLiteral("=")), 1, 4);
    sumy->addWidget(mmSuma, 1, 5);
    sumy->addWidget(popisok(QStringLiteral("Sk")), 1, 6);
    sumy->addWidget(popisok(QStringLiteral("Sadzba DPH:")), 2, 0);
    sumy->addWidget(popisok(QStringLiteral("DPH:")), 2, 3);
    sumy->addWidget(popisok(QStringLiteral("Suma s DPH:")), 2, 5);
    auto* sadzba = new QHBoxLayout;
    sadzba->addWidget(cbSadzbaDPH);
    sadzba->addWidget(popisok(QStringLiteral("%")));
    sadzba->addStretch();
    sumy->addLayout(sadzba, 3, 0, 1, 2);
    auto* dph = new QHBoxLayout;
    dph->addWidget(mmDPH);
    dph->addWidget(popisok(QStringLiteral("Sk")));
    sumy->addLayout(dph, 3, 3, 1, 2);
    sumy->addWidget(mmSumaSDPH, 3, 5);
    sumy->addWidget(popisok(QStringLiteral("Sk")), 3, 6);
    sumy->setColumnStretch(7, 1);

    auto* popis = new QHBoxLayout;
    popis->addWidget(popisok(QStringLiteral("Popis:")));
    popis->addWidget(edtPopisNaDoklade, 1);

    auto* tlacidla = new QHBoxLayout;
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);
    tlacidla->addWidget(btnZrusit);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setSpacing(8);
    layout->addLayout(hore);
    layout->addLayout(sumy);
    layout->addLayout(popis);
    layout->addWidget(gbZauctovanie);
    layout->addLayout(tlacidla);

    setTabOrder(btnZrusit, mmCiastka);
    setTabOrder(mmCiastka, edtMena);
    setTabOrder(edtMena, mmKurz);
    setTabOrder(mmKurz, cbSadzbaDPH);
    setTabOrder(cbSadzbaDPH, edtPopisNaDoklade);
    setTabOrder(edtPopisNaDoklade, cbMaDat);
    setTabOrder(cbMaDat, cbDal);
    setTabOrder(cbDal, cbMaDatDPH);
    setTabOrder(cbMaDatDPH, cbDalDPH);
    setTabOrder(cbDalDPH, edtPopisVDenniku);
    setTabOrder(edtPopisVDenniku, btnUlozit);

    // FormCreate
    mmKurz->setText(QStringLiteral("1,000"));
    const QStringList ucty = nacitatUcty(kontext);
    for (TUctovyVyber* cb : {cbMaDat, cbDal, cbMaDatDPH, cbDalDPH})
        cb->nastavitPolozky(ucty);
    if (const auto datum = dateFromText(kontext.pracovnyDatum()))
        dtpDatum->setDate(*datum);
    {
        const QSignalBlocker ticho(cbSadzbaDPH);
        cbSadzbaDPH->addItem(Nulova);
        // A new agenda has no rate yet; "0" is offered once. The reduced rates of the
        // settings follow the agenda's rate, each offered once.
        const auto znizene = upravy::znizeneSadzbyDPH(kontext.store());
        for (const QString& sadzba :
             {kontext.tblAgendaNastavenie().text(QStringLiteral("SadzbaDPH")), znizene[0],
              znizene[1]})
            if (!sadzba.isEmpty() &&
                cbSadzbaDPH->findText(sadzba, Qt::MatchExactly | Qt::MatchCaseSensitive) < 0)
                cbSadzbaDPH->addItem(sadzba);
        cbSadzbaDPH->setCurrentIndex(-1);
    }
    if (upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);
    btnZrusit->setFocus();
}

qint64 TfrmPolozkaDokladu::najvyssi() const {
    return najvyssiRiadok(kontext, Pomocny, edtDoklad->text());
}

int TfrmPolozkaDokladu::Otvorit(int cislo, const QString& doklad, const QString& datum,
                                const QString& popis) {
    const std::unique_ptr<TfrmPolozkaDokladu> uvolnit(this);
    edtDoklad->setText(doklad);
    edtCislo->setText(QString::number(cislo));
    if (const auto d = dateFromText(datum))
        dtpDatum->setDate(*d);
    edtPopisNaDoklade->setText(popis);
    edtPopisVDenniku->setText(popis.left(PopisSDPH));
    const GeneralQuery& q = kontext.ADOQuery();
    if (cislo != 0) {
        if (kontext.SQL(QStringLiteral("SELECT * FROM DokladyPolozkyPomocne WHERE Doklad = %1 AND "
                                       "Cislo = %2;")
                            .arg(sqlText(doklad), QString::number(cislo))) == 0)
            throw DbError(QStringLiteral("Položka č. %1 sa nenašla.").arg(cislo));
        edtPopisNaDoklade->setText(q.text(QStringLiteral("Popis")));
        mmSumaSDPH->setText(q.text(QStringLiteral("Cena")));
        edtRiadok->setText(q.text(QStringLiteral("Riadok")));
        edtRiadokDPH->setText(q.text(QStringLiteral("RiadokDPH")));
        const QString sadzba = q.text(QStringLiteral("SadzbaDPH"));
        {
            const QSignalBlocker ticho(cbSadzbaDPH);
            int i = cbSadzbaDPH->findText(sadzba, Qt::MatchExactly | Qt::MatchCaseSensitive);
            if (i < 0) {
                cbSadzbaDPH->addItem(sadzba);
                i = cbSadzbaDPH->count() - 1;
            }
            cbSadzbaDPH->setCurrentIndex(i);
        }
        if (sadzba == Nulova) {
            cbMaDatDPH->setEnabled(false);
            cbDalDPH->setEnabled(false);
            edtPopisVDenniku->setMaxLength(50);
        }
        if (kontext.SQL(QStringLiteral("SELECT * FROM UctovnyDennikPomocny WHERE Riadok = %1;")
                            .arg(edtRiadok->text().toLongLong())) == 0)
            throw DbError(
                QStringLiteral("Riadok č. %1 sa nenašiel.").arg(edtRiadok->text().toLongLong()));
        edtPopisVDenniku->setText(q.text(QStringLiteral("Popis")));
        mmCiastka->setText(q.text(QStringLiteral("Ciastka")));
        edtMena->setText(q.text(QStringLiteral("Mena")));
        mmKurz->setText(q.text(QStringLiteral("Kurz")));
        mmSuma->setText(q.text(QStringLiteral("Suma")));
        cbMaDat->nastavitUcet(q.text(QStringLiteral("MaDat")));
        cbDal->nastavitUcet(q.text(QStringLiteral("Dal")));
        if (!edtRiadokDPH->text().isEmpty()) {
            kontext.SQL(QStringLiteral("SELECT * FROM UctovnyDennikPomocny WHERE Riadok = %1;")
                            .arg(edtRiadokDPH->text().toLongLong()));
            mmDPH->setText(q.text(QStringLiteral("Suma")));
            cbMaDatDPH->nastavitUcet(q.text(QStringLiteral("MaDat")));
            cbDalDPH->nastavitUcet(q.text(QStringLiteral("Dal")));
        } else {
            // A line saved at rate 0 gets a free row for the VAT should its rate change.
            edtRiadokDPH->setText(QString::number(najvyssi() + 1));
            mmDPH->setText(QStringLiteral("0,00"));
        }
    } else {
        const qint64 m = najvyssi();
        edtRiadok->setText(QString::number(m + 1));
        edtRiadokDPH->setText(QString::number(m + 2));
        kontext.SQL(QStringLiteral("SELECT MAX(Cislo) AS Cislo FROM DokladyPolozkyPomocne WHERE "
                                   "Doklad = %1;")
                        .arg(sqlText(doklad)));
        const qint64 c =
            q.text(QStringLiteral("Cislo")).isEmpty() ? 0 : q.integer(QStringLiteral("Cislo"));
        edtCislo->setText(QString::number(c + 1));
    }
    exec();
    return Result;
}

void TfrmPolozkaDokladu::vypocitatSumu() {
    mmSuma->setText(sucinPoli(mmCiastka, mmKurz));
    if (!mmSuma->text().isEmpty())
        cbSadzbaDPHChange();
}

void TfrmPolozkaDokladu::cbSadzbaDPHChange() {
    const QString sadzba = cbSadzbaDPH->currentIndex() < 0 ? QString() : cbSadzbaDPH->currentText();
    if (!sadzba.isEmpty() && !mmSuma->text().isEmpty()) {
        bool ok = false;
        const int percento = sadzba.toInt(&ok);
        const auto suma = Amount::parse(mmSuma->text());
        if (!ok || !suma)
            throw DbError(
                QStringLiteral("'%1' nie je platné číslo.").arg(ok ? mmSuma->text() : sadzba));
        const Amount dph = percentOf(*suma, percento);
        mmDPH->setText(dph.toText());
        mmSumaSDPH->setText((dph + *suma).toText());
    } else {
        mmDPH->clear();
        mmSumaSDPH->clear();
    }
    const bool nulova = sadzba == Nulova;
    cbMaDatDPH->setEnabled(!nulova);
    cbDalDPH->setEnabled(!nulova);
    if (nulova) {
        edtPopisVDenniku->setMaxLength(50);
    } else {
        edtPopisVDenniku->setText(edtPopisVDenniku->text().left(PopisSDPH));
        edtPopisVDenniku->setMaxLength(PopisSDPH);
    }
}

void TfrmPolozkaDokladu::btnUlozitClick() {
    if (!btnUlozit->isEnabled())
        return;
    const QString sadzba = cbSadzbaDPH->currentIndex() < 0 ? QString() : cbSadzbaDPH->currentText();
    const bool nulova = sadzba == Nulova;
    if (!polia->zadane(mmCiastka, mmKurz))
        return;
    if (sadzba.isEmpty())
        return polia->odmietnut(cbSadzbaDPH, QStringLiteral("Sadzba DPH nebola zadaná!"));
    if (cbMaDat->ucet().isEmpty())
        return polia->odmietnut(cbMaDat, QStringLiteral("Účet 'Má dať' nebol zadaný!"));
    if (cbDal->ucet().isEmpty())
        return polia->odmietnut(cbDal, QStringLiteral("Účet 'Dal' nebol zadaný!"));
    if (!nulova && cbMaDatDPH->ucet().isEmpty())
        return polia->odmietnut(cbMaDatDPH, QStringLiteral("Účet 'Má dať' pre DPH nebol zadaný!"));
    if (!nulova && cbDalDPH->ucet().isEmpty())
        return polia->odmietnut(cbDalDPH, QStringLiteral("Účet 'Dal' pre DPH nebol zadaný!"));
    // Amount columns hold numbers only, and the stored amounts follow the stored amount
    // and rate, also when the save key was pressed without leaving a field.
    if (!polia->platne(mmCiastka, mmKurz))
        return;
    vypocitatSumu();

    bool ok1 = false, ok2 = false, ok3 = false;
    const qint64 cislo = edtCislo->text().toLongLong(&ok1);
    const qint64 riadok = edtRiadok->text().toLongLong(&ok2);
    const qint64 riadokDPH = edtRiadokDPH->text().toLongLong(&ok3);
    if (!ok1 || !ok2 || !ok3)
        throw DbError(QStringLiteral("Čísla položky a riadkov nie sú platné."));
    const QString doklad = edtDoklad->text();
    const QString datum = dateToText(dtpDatum->date());
    const upravy::RiadokDennika zaklad{
        riadok,          datum,          doklad,         mmCiastka->text(),
        edtMena->text(), mmKurz->text(), mmSuma->text(), edtPopisVDenniku->text(),
        cbMaDat->ucet(), cbDal->ucet()};
    std::optional<upravy::RiadokDennika> dph;
    if (!nulova)
        dph = upravy::RiadokDennika{riadokDPH,
                                    datum,
                                    doklad,
                                    mmDPH->text(),
                                    QStringLiteral("SKK"),
                                    QStringLiteral("1,000"),
                                    mmDPH->text(),
                                    QStringLiteral("DPH - ") + edtPopisVDenniku->text(),
                                    cbMaDatDPH->ucet(),
                                    cbDalDPH->ucet()};
    upravy::nahraditPolozkuFaktury(
        kontext.store(),
        {cislo, doklad, riadok, riadokDPH, sadzba, edtPopisNaDoklade->text(), mmSumaSDPH->text()},
        zaklad, dph);
    Result = static_cast<int>(cislo);
    accept();
}

} // namespace saldovia
