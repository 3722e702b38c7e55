#include "Doklady.h"

#include "Doklad.h"
#include "Doklad2.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

namespace saldovia {

using namespace ovladace;

QString otvoritDoklad(Kontext& kontext, const QString& kod, const QString& cislo) {
    const DruhDokladu* d = druhDokladu(kod);
    if (d && d->editor == Formular::Faktura)
        return (new TfrmDoklad2(kontext, kod))->Otvorit(cislo);
    return (new TfrmDoklad(kontext, kod))->Otvorit(cislo);
}

TfrmDoklady::TfrmDoklady(Kontext& k, const QString& kod)
    : TfrmCeleOkno(k, QStringLiteral("TfrmDoklady"), upravy::textyDruhu(k.store(), kod).zoznam, 4),
      kod_(kod) {

    DBGrid = new TMriezka(kontext.store().qryDoklady, this);
    btnPridat = tlacidlo(QStringLiteral("btnPridat"), QStringLiteral("P&ridať"), 88);
    btnUpravit = tlacidlo(QStringLiteral("btnUpravit"), QStringLiteral("Upra&viť"), 88);
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("&Odstrániť"), 88);
    btnTlacit = tlacidlo(QStringLiteral("btnTlacit"), QStringLiteral("T&lačiť"), 88);
    btnZavriet = tlacidlo(QStringLiteral("btnZavriet"), QStringLiteral("&Zavrieť"), 88);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmItmPridat = akcia(PopupMenu, QStringLiteral("pmItmPridat"), QStringLiteral("P&ridať"));
    pmItmUpravit = akcia(PopupMenu, QStringLiteral("pmItmUpravit"), QStringLiteral("U&praviť"));
    pmItmOdstranit =
        akcia(PopupMenu, QStringLiteral("pmItmOdstranit"), QStringLiteral("O&dstrániť"));
    pmItmTlacit = akcia(PopupMenu, QStringLiteral("pmItmTlacit"), QStringLiteral("T&lačiť"));
    DBGrid->popupMenu = PopupMenu;
    DBGrid->dvojklik = chranene(this, [this] { DBGridDblClick(); });
    pripojitKlavesy(DBGrid, {.upravit = DBGrid->dvojklik,
                             .pridat = chranene(this, [this] { btnPridatClick(); }),
                             .odstranit = chranene(this, [this] { btnOdstranitClick(); })});

    pripojit(btnPridat, &QPushButton::clicked, [this] { btnPridatClick(); });
    pripojit(btnUpravit, &QPushButton::clicked, [this] { btnUpravitClick(); });
    pripojit(btnOdstranit, &QPushButton::clicked, [this] { btnOdstranitClick(); });
    pripojit(btnTlacit, &QPushButton::clicked, [this] { btnTlacitClick(); });
    pripojit(btnZavriet, &QPushButton::clicked, [this] { btnZavrietClick(); });
    pripojit(pmItmPridat, &QAction::triggered, [this] { btnPridatClick(); });
    pripojit(pmItmUpravit, &QAction::triggered, [this] { btnUpravitClick(); });
    pripojit(pmItmOdstranit, &QAction::triggered, [this] { btnOdstranitClick(); });
    pripojit(pmItmTlacit, &QAction::triggered, [this] { btnTlacitClick(); });

    rozlozitZoznam(this, DBGrid, {btnPridat, btnUpravit, btnOdstranit, btnTlacit}, btnZavriet);

    setTabOrder(btnZavriet, DBGrid);
    setTabOrder(DBGrid, btnPridat);
    setTabOrder(btnPridat, btnUpravit);
    setTabOrder(btnUpravit, btnOdstranit);
    setTabOrder(btnOdstranit, btnTlacit);

    // FormCreate
    skuskaSkoncena_ = upravy::skuskaSkoncena(kontext.store());
    NastavitZoznam();
    btnZavriet->setFocus();
}

void TfrmDoklady::NastavitZoznam() {
    DataSet& q = kontext.store().qryDoklady;
    q.close();
    q.setSQL(QStringLiteral("SELECT Cislo, Datum, Popis FROM Doklady WHERE Druh = %1 ORDER BY "
                            "Cislo;")
                 .arg(sqlText(kod_)));
    q.open();
    const Qt::Alignment vlavo = Qt::AlignLeft | Qt::AlignVCenter;
    DBGrid->nastavitStlpce({
        // A little wider than 43 pixels: a whole number such as FV0601 fits.
        {QStringLiteral("Cislo"), QStringLiteral("Číslo"), vlavo, 48},
        {QStringLiteral("Datum"), QStringLiteral("Dátum"), Qt::AlignRight | Qt::AlignVCenter, 60,
         Qt::AlignHCenter | Qt::AlignVCenter},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), vlavo, 302},
    });

    prazdny_ = q.text(QStringLiteral("Cislo")).isEmpty();
    const bool tlacit = static_cast<bool>(kontext.sluzbyDennika().tlacitDoklad);
    btnUpravit->setEnabled(!prazdny_);
    pmItmUpravit->setEnabled(!prazdny_);
    btnOdstranit->setEnabled(!prazdny_ && !skuskaSkoncena_);
    pmItmOdstranit->setEnabled(!prazdny_ && !skuskaSkoncena_);
    // The printout is another window's work: without it the command stays unavailable.
    btnTlacit->setEnabled(!prazdny_ && tlacit);
    pmItmTlacit->setEnabled(!prazdny_ && tlacit);
    PopupMenu->setDefaultAction(prazdny_ ? pmItmPridat : pmItmUpravit);
}

void TfrmDoklady::DBGridDblClick() {
    if (prazdny_)
        btnPridatClick();
    else
        btnUpravitClick();
}

void TfrmDoklady::btnPridatClick() {
    const QString cislo = otvoritDoklad(kontext, kod_, QString());
    if (!cislo.isEmpty()) {
        NastavitZoznam();
        DBGrid->vybrat(kontext.store().qryDoklady.recordCount());
    }
    kontext.nastavitTitulok(windowTitle());
}

void TfrmDoklady::btnUpravitClick() {
    DataSet& q = kontext.store().qryDoklady;
    if (prazdny_)
        return;
    const int pozicia = DBGrid->pozicia();
    const QString cislo = otvoritDoklad(kontext, kod_, q.text(QStringLiteral("Cislo")));
    if (!cislo.isEmpty()) {
        NastavitZoznam();
        DBGrid->vybrat(pozicia);
    }
    kontext.nastavitTitulok(windowTitle());
}

void TfrmDoklady::btnOdstranitClick() {
    DataSet& q = kontext.store().qryDoklady;
    if (prazdny_ || skuskaSkoncena_)
        return;
    const QString cislo = q.text(QStringLiteral("Cislo"));
    if (!askYesNo(this, QStringLiteral("Potvrdenie odstránenia dokladu"),
                  QStringLiteral("Naozaj chcete označený doklad %1 odstrániť?").arg(cislo)))
        return;
    upravy::odstranitDoklad(kontext.store(), cislo);
    const int pozicia = DBGrid->pozicia();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklady::btnTlacitClick() {
    if (prazdny_ || !kontext.sluzbyDennika().tlacitDoklad)
        return;
    kontext.sluzbyDennika().tlacitDoklad(kod_,
                                         kontext.store().qryDoklady.text(QStringLiteral("Cislo")));
    kontext.nastavitTitulok(windowTitle());
}

void TfrmDoklady::btnZavrietClick() {
    reject();
}

} // namespace saldovia
