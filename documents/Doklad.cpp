#include "Doklad.h"

#include "edits/Upravy.h"
#include "journal/Polozkauctovnehodennika.h"
#include "store/Values.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"

#include <QDateEdit>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace saldovia {

namespace {

const QString Pomocny = QStringLiteral("UctovnyDennikPomocny");

} // namespace

TfrmDoklad::TfrmDoklad(Kontext& k, const QString& kod)
    : TEditorDokladu(k, QStringLiteral("TfrmDoklad"), kod, false) {
    dtpDatum->setFixedWidth(110);
    edtVystavil->setFixedWidth(220);

    gbIdentifikacia = new QGroupBox(QStringLiteral("Identifikačné údaje firmy"));
    gbIdentifikacia->setObjectName(QStringLiteral("gbIdentifikacia"));
    imgLogo->setFixedSize(110, 64);

    auto* adresa = new QHBoxLayout;
    adresa->setSpacing(6);
    for (QLabel* l : {lblSidloUlica, lblSidloPSC, lblSidloMesto})
        adresa->addWidget(l);
    adresa->addStretch();
    auto* cisla = new QHBoxLayout;
    cisla->setSpacing(6);
    cisla->addWidget(new QLabel(QStringLiteral("IČO:")));
    cisla->addWidget(lblICO);
    cisla->addSpacing(12);
    cisla->addWidget(new QLabel(QStringLiteral("DIČ:")));
    cisla->addWidget(lblDIC);
    cisla->addSpacing(12);
    cisla->addWidget(new QLabel(QStringLiteral("IČ DPH:")));
    cisla->addWidget(lblICDPH);
    cisla->addStretch();
    auto* udaje = new QVBoxLayout;
    udaje->setSpacing(2);
    udaje->addWidget(lblNazovFirmy);
    udaje->addLayout(adresa);
    udaje->addWidget(lblSidloStat);
    udaje->addLayout(cisla);
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(imgLogo);
    vpravo->addWidget(btnNastavit, 0, Qt::AlignRight);
    auto* identifikacia = new QHBoxLayout(gbIdentifikacia);
    identifikacia->setContentsMargins(8, 4, 8, 4);
    identifikacia->addLayout(udaje, 1);
    identifikacia->addLayout(vpravo);

    gbPolozky = new QGroupBox(QStringLiteral("Položky účtovného denníka"));
    gbPolozky->setObjectName(QStringLiteral("gbPolozky"));
    auto* prikazy = new QVBoxLayout;
    for (QPushButton* b : {btnPridat, btnUpravit, btnOdstranit})
        prikazy->addWidget(b);
    prikazy->addStretch();
    auto* polozky = new QHBoxLayout(gbPolozky);
    polozky->setContentsMargins(6, 4, 6, 6);
    polozky->addWidget(DBGrid, 1);
    polozky->addLayout(prikazy);

    auto* hlavicka = new QHBoxLayout;
    hlavicka->setSpacing(6);
    hlavicka->addWidget(new QLabel(QStringLiteral("Číslo dokladu:")));
    hlavicka->addWidget(edtCisloDokladu);
    hlavicka->addSpacing(16);
    hlavicka->addWidget(new QLabel(QStringLiteral("Dátum:")));
    hlavicka->addWidget(dtpDatum);
    hlavicka->addSpacing(16);
    hlavicka->addWidget(new QLabel(QStringLiteral("Popis:")));
    hlavicka->addWidget(edtPopis, 1);
    auto* spodok = new QHBoxLayout;
    spodok->addWidget(new QLabel(QStringLiteral("Vystavil (a):")));
    spodok->addWidget(edtVystavil);
    spodok->addStretch();
    spodok->addWidget(btnUlozit);
    spodok->addWidget(btnZrusit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(6);
    layout->addLayout(hlavicka);
    layout->addWidget(gbIdentifikacia);
    layout->addWidget(gbPolozky, 1);
    layout->addLayout(spodok);

    setTabOrder(btnZrusit, btnNastavit);
    setTabOrder(btnNastavit, edtCisloDokladu);
    setTabOrder(edtCisloDokladu, dtpDatum);
    setTabOrder(dtpDatum, edtPopis);
    setTabOrder(edtPopis, DBGrid);
    setTabOrder(DBGrid, btnPridat);
    setTabOrder(btnPridat, btnUpravit);
    setTabOrder(btnUpravit, btnOdstranit);
    setTabOrder(btnOdstranit, btnUlozit);
    setTabOrder(btnUlozit, edtVystavil);

    FormCreate({dtpDatum});
}

void TfrmDoklad::nacitatDoklad(const GeneralQuery& q) {
    edtPopis->setText(q.text(QStringLiteral("Popis")));
    edtVystavil->setText(q.text(QStringLiteral("Vystavil")));
}

void TfrmDoklad::NastavitZoznam() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    q.close();
    q.setSQL(QStringLiteral("SELECT Riadok, Datum, Popis, Suma, MaDat, Dal FROM "
                            "UctovnyDennikPomocny ORDER BY Riadok;"));
    q.open();
    const Qt::Alignment vpravo = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment vlavo = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment stred = Qt::AlignHCenter | Qt::AlignVCenter;
    DBGrid->nastavitStlpce({
        {QStringLiteral("Riadok"), QStringLiteral("Riadok"), vpravo, 39, stred},
        {QStringLiteral("Datum"), QStringLiteral("Dátum"), vpravo, 59, stred},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), vlavo, 234, vlavo},
        {QStringLiteral("Suma"), QStringLiteral("Suma"), vpravo, 61, stred},
        {QStringLiteral("MaDat"), QStringLiteral("Má dať"), stred, 45, stred},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), stred, 45, stred},
    });
    prazdny_ = q.text(QStringLiteral("Riadok")).isEmpty();
    btnUpravit->setEnabled(!prazdny_);
    pmItmUpravit->setEnabled(!prazdny_);
    btnOdstranit->setEnabled(!prazdny_);
    pmItmOdstranit->setEnabled(!prazdny_);
    PopupMenu->setDefaultAction(prazdny_ ? pmItmPridat : pmItmUpravit);
}

void TfrmDoklad::DBGridDblClick() {
    if (prazdny_)
        btnPridatClick();
    else
        btnUpravitClick();
}

void TfrmDoklad::btnPridatClick() {
    const int r = (new TfrmPolozkaUctovnehoDennika(kontext))
                      ->Otvorit(0, Pomocny, cislo_, dateToText(dtpDatum->date()), edtPopis->text());
    if (r == -1)
        return;
    oznacitZmenu();
    NastavitZoznam();
    DBGrid->vybrat(kontext.store().qryDokladyPolozky.recordCount());
}

void TfrmDoklad::btnUpravitClick() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    const int pozicia = DBGrid->pozicia();
    const auto riadok = static_cast<int>(q.integer(QStringLiteral("Riadok")));
    const int r = (new TfrmPolozkaUctovnehoDennika(kontext))->Otvorit(riadok, Pomocny, {}, {}, {});
    if (r == -1)
        return;
    oznacitZmenu();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::btnOdstranitClick() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    upravy::odstranitRiadokPomocny(kontext.store(), q.integer(QStringLiteral("Riadok")));
    oznacitZmenu();
    const int pozicia = DBGrid->pozicia();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::doplnitHlavicku(RelaciaDokladu::Hlavicka& h) const {
    h.pridat(QStringLiteral("Vystavil"), edtVystavil->text());
}

} // namespace saldovia
