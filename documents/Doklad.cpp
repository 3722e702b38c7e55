#include "Doklad.h"

#include "Cislovanie.h"
#include "edits/Upravy.h"
#include "journal/Polozkauctovnehodennika.h"
#include "settings/Agendanastavenie.h"
#include "settings/Logo.h"
#include "store/Values.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QVBoxLayout>

#include <memory>

namespace saldovia {

using namespace ovladace;

namespace {

const QString Pomocny = QStringLiteral("UctovnyDennikPomocny");

} // namespace

QString cisloNovehoDokladu(Kontext& kontext, QWidget* parent) {
    const DataSet& druh = kontext.store().qryAgendaPrisposobenie;
    const QString kod = druh.text(QStringLiteral("Kod"));
    kontext.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Druh = %1 ORDER BY Cislo;")
                    .arg(sqlText(kod)));
    QStringList existujuce;
    const ResultSet& r = kontext.ADOQuery().rows();
    for (int i = 0; i < r.rowCount(); ++i)
        existujuce << r.text(i, r.requireColumn(QStringLiteral("Cislo")));
    const auto cislo = dalsieCisloDokladu(
        druh.text(QStringLiteral("Prefix")), kontext.uctovnyRok(), existujuce,
        [&kontext](const QString& c) {
            return kontext.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Cislo = %1;")
                                   .arg(sqlText(c))) > 0;
        });
    if (!cislo) {
        showError(parent, QStringLiteral("Chyba"),
                  QStringLiteral("Je možné vystaviť maximálne 99 dokladov,\nakcia bola "
                                 "zablokovaná!"));
        return {};
    }
    return *cislo;
}

void zobrazitLogo(Kontext& kontext, QLabel* obrazok, const QString& cislo) {
    const QImage logo = NacitatLogo(kontext.store(), cislo);
    if (logo.isNull()) {
        obrazok->clear();
        return;
    }
    QPixmap p = QPixmap::fromImage(logo);
    if (p.width() > obrazok->width() || p.height() > obrazok->height())
        p = p.scaled(obrazok->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    obrazok->setPixmap(p);
}

TfrmDoklad::TfrmDoklad(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmDoklad"),
                   k.store().qryAgendaPrisposobenie.text(QStringLiteral("Doklad")), 9) {
    kod_ = kontext.store().qryAgendaPrisposobenie.text(QStringLiteral("Kod"));

    edtCisloDokladu = pole(QStringLiteral("edtCisloDokladu"), 50);
    edtCisloDokladu->setEnabled(false);
    edtCisloDokladu->setFixedWidth(80);
    dtpDatum = new QDateEdit;
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpDatum->setCalendarPopup(true);
    dtpDatum->setFixedWidth(110);
    edtPopis = pole(QStringLiteral("edtPopis"), 50);
    edtVystavil = pole(QStringLiteral("edtVystavil"), 50);
    edtVystavil->setFixedWidth(220);

    gbIdentifikacia = new QGroupBox(QStringLiteral("Identifikačné údaje firmy"));
    gbIdentifikacia->setObjectName(QStringLiteral("gbIdentifikacia"));
    lblNazovFirmy = hodnota(QStringLiteral("lblNazovFirmy"));
    lblSidloUlica = hodnota(QStringLiteral("lblSidloUlica"));
    lblSidloPSC = hodnota(QStringLiteral("lblSidloPSC"));
    lblSidloMesto = hodnota(QStringLiteral("lblSidloMesto"));
    lblSidloStat = hodnota(QStringLiteral("lblSidloStat"));
    lblICO = hodnota(QStringLiteral("lblICO"));
    lblDIC = hodnota(QStringLiteral("lblDIC"));
    lblICDPH = hodnota(QStringLiteral("lblICDPH"));
    imgLogo = new QLabel;
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setFixedSize(110, 64);
    imgLogo->setAlignment(Qt::AlignCenter);
    btnNastavit = tlacidlo(QStringLiteral("btnNastavit"), QStringLiteral("Na&staviť"));

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
    DBGrid = new TMriezka(kontext.store().qryDokladyPolozky, this);
    btnPridat = tlacidlo(QStringLiteral("btnPridat"), QStringLiteral("P&ridať"));
    btnUpravit = tlacidlo(QStringLiteral("btnUpravit"), QStringLiteral("U&praviť"));
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("O&dstrániť"));
    auto* prikazy = new QVBoxLayout;
    for (QPushButton* b : {btnPridat, btnUpravit, btnOdstranit})
        prikazy->addWidget(b);
    prikazy->addStretch();
    auto* polozky = new QHBoxLayout(gbPolozky);
    polozky->setContentsMargins(6, 4, 6, 6);
    polozky->addWidget(DBGrid, 1);
    polozky->addLayout(prikazy);

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmItmPridat = akcia(PopupMenu, QStringLiteral("pmItmPridat"), QStringLiteral("P&ridať"));
    pmItmUpravit = akcia(PopupMenu, QStringLiteral("pmItmUpravit"), QStringLiteral("U&praviť"));
    pmItmOdstranit =
        akcia(PopupMenu, QStringLiteral("pmItmOdstranit"), QStringLiteral("O&dstrániť"));
    DBGrid->popupMenu = PopupMenu;
    DBGrid->dvojklik = chranene(this, [this] { DBGridDblClick(); });

    btnUlozit = tlacidlo(QStringLiteral("btnUlozit"), QStringLiteral("&Uložiť"));
    btnZrusit = tlacidlo(QStringLiteral("btnZrusit"), QStringLiteral("&Zrušiť"));

    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, chranene(this, handler));
    };
    on(btnNastavit, &QPushButton::clicked, [this] { btnNastavitClick(); });
    on(btnPridat, &QPushButton::clicked, [this] { btnPridatClick(); });
    on(btnUpravit, &QPushButton::clicked, [this] { btnUpravitClick(); });
    on(btnOdstranit, &QPushButton::clicked, [this] { btnOdstranitClick(); });
    on(btnUlozit, &QPushButton::clicked, [this] { btnUlozitClick(); });
    on(btnZrusit, &QPushButton::clicked, [this] { btnZrusitClick(); });
    on(pmItmPridat, &QAction::triggered, [this] { btnPridatClick(); });
    on(pmItmUpravit, &QAction::triggered, [this] { btnUpravitClick(); });
    on(pmItmOdstranit, &QAction::triggered, [this] { btnOdstranitClick(); });

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

    // FormCreate
    NacitatIdentifikaciu();
    if (const auto rok = upravy::rozsahRoka(kontext.uctovnyRok()))
        dtpDatum->setDateRange(rok->first, rok->second);
    if (const auto datum = dateFromText(kontext.pracovnyDatum()))
        dtpDatum->setDate(*datum);
    edtVystavil->setText(kontext.tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")));
    if (!kontext.tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty())
        btnUlozit->setEnabled(false);
    btnZrusit->setFocus();
}

void TfrmDoklad::NacitatIdentifikaciu() {
    identita_ = IdentitaFirmy::zNastavenia(kontext.tblAgendaNastavenie());
    zobrazitIdentitu();
}

void TfrmDoklad::zobrazitIdentitu() {
    zobrazitLogo(kontext, imgLogo, identita_.Logo);
    // each label is named after its column: lblNazovFirmy shows NazovFirmy
    for (QLabel* l : {lblNazovFirmy, lblSidloUlica, lblSidloPSC, lblSidloMesto, lblSidloStat,
                      lblICO, lblDIC, lblICDPH})
        l->setText(identita_.hodnota(l->objectName().mid(3)));
}

QString TfrmDoklad::Otvorit(const QString& cislo) {
    const std::unique_ptr<TfrmDoklad> uvolnit(this);
    cislo_ = cislo;
    if (cislo.isEmpty()) {
        cislo_ = cisloNovehoDokladu(kontext, this);
        if (cislo_.isEmpty())
            return {};
    } else {
        if (kontext.SQL(
                QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo))) == 0)
            throw DbError(QStringLiteral("Doklad %1 sa nenašiel.").arg(cislo));
        const GeneralQuery& q = kontext.ADOQuery();
        if (const auto d = dateFromText(q.text(QStringLiteral("Datum"))))
            dtpDatum->setDate(*d);
        edtPopis->setText(q.text(QStringLiteral("Popis")));
        edtVystavil->setText(q.text(QStringLiteral("Vystavil")));
        identita_ = IdentitaFirmy::zDokladu(q.rows());
        zobrazitIdentitu();
    }
    edtCisloDokladu->setText(cislo_);

    // The scratch table holds this document's journal lines until the editor closes.
    relacia_.emplace(kontext.store(), cislo_, false);
    NastavitZoznam();
    exec();
    relacia_.reset();
    return Result;
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

void TfrmDoklad::btnNastavitClick() {
    kontext.otvoritOkno(new TfrmAgendaNastavenie(kontext));
    kontext.nastavitTitulok(windowTitle());
    NacitatIdentifikaciu();
}

void TfrmDoklad::btnPridatClick() {
    const int r = (new TfrmPolozkaUctovnehoDennika(kontext))
                      ->Otvorit(0, Pomocny, cislo_, dateToText(dtpDatum->date()), edtPopis->text());
    if (r == -1)
        return;
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
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::btnOdstranitClick() {
    DataSet& q = kontext.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    kontext.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = %1;")
                    .arg(q.integer(QStringLiteral("Riadok"))));
    const int pozicia = DBGrid->pozicia();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::btnUlozitClick() {
    // A finished exam is frozen: nothing is saved even if the command were reached.
    if (!btnUlozit->isEnabled())
        return;
    const qint64 logo = identita_.cisloLoga();
    RelaciaDokladu::Hlavicka h;
    h.pridat(QStringLiteral("Druh"), kod_);
    h.pridat(QStringLiteral("Cislo"), cislo_);
    h.pridat(QStringLiteral("Datum"), dateToText(dtpDatum->date()));
    h.pridat(QStringLiteral("Popis"), edtPopis->text());
    for (const QString& stlpec : IdentitaFirmy::stlpceAdresy())
        h.pridat(stlpec, identita_.hodnota(stlpec));
    h.pridat(QStringLiteral("Vystavil"), edtVystavil->text());
    relacia_->ulozit(h, logo);
    Result = cislo_;
    accept();
}

void TfrmDoklad::btnZrusitClick() {
    reject();
}

} // namespace saldovia
