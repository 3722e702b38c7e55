#include "Doklad.h"

#include "Cislovanie.h"
#include "Mriezka.h"
#include "Ovladace.h"
#include "app/Dialogs.h"
#include "app/Hlavny.h"
#include "journal/Polozkauctovnehodennika.h"
#include "settings/Agendanastavenie.h"
#include "settings/Logo.h"
#include "store/Values.h"

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

QString cisloNovehoDokladu(TfrmHlavny& hlavny, QWidget* parent) {
    const DataSet& druh = hlavny.store().qryAgendaPrisposobenie;
    const QString kod = druh.text(QStringLiteral("Kod"));
    hlavny.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Druh = %1 ORDER BY Cislo;")
                   .arg(sqlText(kod)));
    QStringList existujuce;
    const ResultSet& r = hlavny.ADOQuery().rows();
    for (int i = 0; i < r.rowCount(); ++i)
        existujuce << r.text(i, r.requireColumn(QStringLiteral("Cislo")));
    const auto cislo = dalsieCisloDokladu(
        druh.text(QStringLiteral("Prefix")), hlavny.uctovnyRok(), existujuce,
        [&hlavny](const QString& c) {
            return hlavny.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Cislo = %1;")
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

void zobrazitLogo(TfrmHlavny& hlavny, QLabel* obrazok, const QString& cislo) {
    const QImage logo = NacitatLogo(hlavny.store(), cislo);
    if (logo.isNull()) {
        obrazok->clear();
        return;
    }
    QPixmap p = QPixmap::fromImage(logo);
    if (p.width() > obrazok->width() || p.height() > obrazok->height())
        p = p.scaled(obrazok->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation);
    obrazok->setPixmap(p);
}

QDate zaciatokRoka(TfrmHlavny& hlavny) {
    bool ok = false;
    const int rok = hlavny.uctovnyRok().toInt(&ok);
    return ok ? QDate(rok, 1, 1) : QDate();
}

QDate koniecRoka(TfrmHlavny& hlavny) {
    bool ok = false;
    const int rok = hlavny.uctovnyRok().toInt(&ok);
    return ok ? QDate(rok, 12, 31) : QDate();
}

TfrmDoklad::TfrmDoklad(TfrmHlavny& h)
    : TfrmCeleOkno(h, QStringLiteral("TfrmDoklad"),
                   h.store().qryAgendaPrisposobenie.text(QStringLiteral("Doklad")), 9) {
    kod_ = hlavny.store().qryAgendaPrisposobenie.text(QStringLiteral("Kod"));

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
    lblLogo = new QLabel;
    lblLogo->setObjectName(QStringLiteral("lblLogo"));
    lblLogo->hide();
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
    identifikacia->addWidget(lblLogo);

    gbPolozky = new QGroupBox(QStringLiteral("Položky účtovného denníka"));
    gbPolozky->setObjectName(QStringLiteral("gbPolozky"));
    DBGrid = new TMriezka(hlavny.store().qryDokladyPolozky, this);
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
    const QDate od = zaciatokRoka(hlavny), po = koniecRoka(hlavny);
    if (od.isValid())
        dtpDatum->setDateRange(od, po);
    if (const auto datum = dateFromText(hlavny.pracovnyDatum()))
        dtpDatum->setDate(*datum);
    edtVystavil->setText(hlavny.tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")));
    if (!hlavny.tblAgendaNastavenie().text(QStringLiteral("SkuskaKoniec")).isEmpty())
        btnUlozit->setEnabled(false);
    btnZrusit->setFocus();
}

void TfrmDoklad::NacitatIdentifikaciu() {
    const SettingsRow& s = hlavny.tblAgendaNastavenie();
    const QString logo = s.text(QStringLiteral("Logo"));
    lblLogo->setText(logo.isEmpty() ? QStringLiteral("0") : logo);
    zobrazitLogo(hlavny, imgLogo, logo);
    // each label is named after its column: lblNazovFirmy shows NazovFirmy
    for (QLabel* l : {lblNazovFirmy, lblSidloUlica, lblSidloPSC, lblSidloMesto, lblSidloStat,
                      lblICO, lblDIC, lblICDPH})
        l->setText(s.text(l->objectName().mid(3)));
}

QString TfrmDoklad::Otvorit(const QString& cislo) {
    const std::unique_ptr<TfrmDoklad> uvolnit(this);
    cislo_ = cislo;
    if (cislo.isEmpty()) {
        cislo_ = cisloNovehoDokladu(hlavny, this);
        if (cislo_.isEmpty())
            return {};
    } else {
        if (hlavny.SQL(
                QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo))) == 0)
            throw DbError(QStringLiteral("Doklad %1 sa nenašiel.").arg(cislo));
        const GeneralQuery& q = hlavny.ADOQuery();
        if (const auto d = dateFromText(q.text(QStringLiteral("Datum"))))
            dtpDatum->setDate(*d);
        edtPopis->setText(q.text(QStringLiteral("Popis")));
        edtVystavil->setText(q.text(QStringLiteral("Vystavil")));
        lblNazovFirmy->setText(q.text(QStringLiteral("NazovFirmy")));
        lblSidloUlica->setText(q.text(QStringLiteral("SidloUlica")));
        lblSidloPSC->setText(q.text(QStringLiteral("SidloPSC")));
        lblSidloMesto->setText(q.text(QStringLiteral("SidloMesto")));
        lblSidloStat->setText(q.text(QStringLiteral("SidloStat")));
        lblICO->setText(q.text(QStringLiteral("ICO")));
        lblDIC->setText(q.text(QStringLiteral("DIC")));
        lblICDPH->setText(q.text(QStringLiteral("ICDPH")));
        const QString logo = q.text(QStringLiteral("Logo"));
        lblLogo->setText(logo);
        zobrazitLogo(hlavny, imgLogo, logo);
    }
    edtCisloDokladu->setText(cislo_);

    // FormShow: the scratch table holds this document's journal lines.
    hlavny.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
    hlavny.SQL(QStringLiteral("INSERT INTO UctovnyDennikPomocny SELECT * FROM UctovnyDennik WHERE "
                              "Doklad = %1;")
                   .arg(sqlText(cislo_)));
    NastavitZoznam();
    exec();
    // FormClose: whatever was not saved is discarded.
    hlavny.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny;"));
    return Result;
}

void TfrmDoklad::NastavitZoznam() {
    DataSet& q = hlavny.store().qryDokladyPolozky;
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
    hlavny.otvoritOkno(new TfrmAgendaNastavenie(hlavny));
    hlavny.setWindowTitle(windowTitle());
    NacitatIdentifikaciu();
}

void TfrmDoklad::btnPridatClick() {
    const int r = (new TfrmPolozkaUctovnehoDennika(hlavny))
                      ->Otvorit(0, Pomocny, cislo_, dateToText(dtpDatum->date()), edtPopis->text());
    if (r == -1)
        return;
    NastavitZoznam();
    DBGrid->vybrat(hlavny.store().qryDokladyPolozky.recordCount());
}

void TfrmDoklad::btnUpravitClick() {
    DataSet& q = hlavny.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    const int pozicia = DBGrid->pozicia();
    const auto riadok = static_cast<int>(q.integer(QStringLiteral("Riadok")));
    const int r = (new TfrmPolozkaUctovnehoDennika(hlavny))->Otvorit(riadok, Pomocny, {}, {}, {});
    if (r == -1)
        return;
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::btnOdstranitClick() {
    DataSet& q = hlavny.store().qryDokladyPolozky;
    if (prazdny_)
        return;
    hlavny.SQL(QStringLiteral("DELETE FROM UctovnyDennikPomocny WHERE Riadok = %1;")
                   .arg(q.integer(QStringLiteral("Riadok"))));
    const int pozicia = DBGrid->pozicia();
    NastavitZoznam();
    DBGrid->vybrat(pozicia);
}

void TfrmDoklad::btnUlozitClick() {
    // A finished exam is frozen: nothing is saved even if the command were reached.
    if (!btnUlozit->isEnabled())
        return;
    if (lblLogo->text().isEmpty())
        lblLogo->setText(QStringLiteral("0"));
    bool ok = false;
    const qint64 logo = lblLogo->text().toLongLong(&ok);
    if (!ok)
        throw DbError(QStringLiteral("'%1' nie je platné číslo loga.").arg(lblLogo->text()));
    const QString c = sqlText(cislo_);
    {
        // The document is replaced whole or not at all.
        Transaction t(hlavny.store().connection());
        hlavny.SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Doklad = %1;").arg(c));
        hlavny.SQL(QStringLiteral("INSERT INTO UctovnyDennik SELECT * FROM UctovnyDennikPomocny;"));
        hlavny.SQL(QStringLiteral("DELETE FROM Doklady WHERE Cislo = %1;").arg(c));
        const QStringList hodnoty = {
            kod_,
            cislo_,
            dateToText(dtpDatum->date()),
            edtPopis->text(),
            lblNazovFirmy->text(),
            lblSidloUlica->text(),
            lblSidloPSC->text(),
            lblSidloMesto->text(),
            lblSidloStat->text(),
            lblICO->text(),
            lblDIC->text(),
            lblICDPH->text(),
            edtVystavil->text(),
        };
        QStringList texty;
        for (const QString& h : hodnoty)
            texty << sqlText(h);
        hlavny.SQL(QStringLiteral("INSERT INTO Doklady (Druh,Cislo,Datum,Popis,NazovFirmy,"
                                  "SidloUlica,SidloPSC,SidloMesto,SidloStat,ICO,DIC,ICDPH,"
                                  "Vystavil,Logo) VALUES (%1,%2);")
                       .arg(texty.join(QLatin1Char(',')), QString::number(logo)));
        t.commit();
    }
    Result = cislo_;
    accept();
}

void TfrmDoklad::btnZrusitClick() {
    reject();
}

} // namespace saldovia
