#include "EditorDokladu.h"

#include "Cislovanie.h"
#include "edits/Upravy.h"
#include "settings/Agendanastavenie.h"
#include "settings/Logo.h"
#include "store/Values.h"
#include "ui/DatumovePole.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <memory>

namespace saldovia {

using namespace ovladace;

QString cisloNovehoDokladu(Kontext& kontext, const QString& kod, QWidget* parent) {
    kontext.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Druh = %1 ORDER BY Cislo;")
                    .arg(sqlText(kod)));
    QStringList existujuce;
    const ResultSet& r = kontext.ADOQuery().rows();
    for (int i = 0; i < r.rowCount(); ++i)
        existujuce << r.text(i, r.requireColumn(QStringLiteral("Cislo")));
    const auto cislo = dalsieCisloDokladu(
        upravy::textyDruhu(kontext.store(), kod).prefix, kontext.uctovnyRok(), existujuce,
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

TEditorDokladu::TEditorDokladu(Kontext& k, const QString& meno, const QString& kod, bool sPolozkami)
    : TfrmCeleOkno(k, meno, upravy::textyDruhu(k.store(), kod).doklad, 9), kod_(kod),
      sPolozkami_(sPolozkami) {

    edtCisloDokladu = pole(QStringLiteral("edtCisloDokladu"), 50);
    edtCisloDokladu->setEnabled(false);
    edtCisloDokladu->setFixedWidth(80);
    dtpDatum = new TDatumovePole;
    dtpDatum->setObjectName(QStringLiteral("dtpDatum"));
    dtpDatum->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpDatum->setCalendarPopup(true);
    edtPopis = pole(QStringLiteral("edtPopis"), 50);
    edtVystavil = pole(QStringLiteral("edtVystavil"), 50);

    lblNazovFirmy = hodnota(QStringLiteral("lblNazovFirmy"));
    lblSidloUlica = hodnota(QStringLiteral("lblSidloUlica"));
    lblSidloPSC = hodnota(QStringLiteral("lblSidloPSC"));
    lblSidloMesto = hodnota(QStringLiteral("lblSidloMesto"));
    lblSidloStat = hodnota(QStringLiteral("lblSidloStat"));
    lblICO = hodnota(QStringLiteral("lblICO"));
    lblDIC = hodnota(QStringLiteral("lblDIC"));
    lblICDPH = hodnota(QStringLiteral("lblICDPH"));
    stitkyIdentity_ = {lblNazovFirmy, lblSidloUlica, lblSidloPSC, lblSidloMesto,
                       lblSidloStat,  lblICO,        lblDIC,      lblICDPH};
    imgLogo = new QLabel;
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setAlignment(Qt::AlignCenter);
    btnNastavit = tlacidlo(QStringLiteral("btnNastavit"), QStringLiteral("Na&staviť"));

    DBGrid = new TMriezka(kontext.store().qryDokladyPolozky, this);
    btnPridat = tlacidlo(QStringLiteral("btnPridat"), QStringLiteral("P&ridať"));
    btnUpravit = tlacidlo(QStringLiteral("btnUpravit"), QStringLiteral("Upra&viť"));
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("&Odstrániť"));
    btnUlozit = tlacidlo(QStringLiteral("btnUlozit"), QStringLiteral("&Uložiť"));
    btnZrusit = tlacidlo(QStringLiteral("btnZrusit"), QStringLiteral("&Zrušiť"));

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmItmPridat = akcia(PopupMenu, QStringLiteral("pmItmPridat"), QStringLiteral("P&ridať"));
    pmItmUpravit = akcia(PopupMenu, QStringLiteral("pmItmUpravit"), QStringLiteral("U&praviť"));
    pmItmOdstranit =
        akcia(PopupMenu, QStringLiteral("pmItmOdstranit"), QStringLiteral("O&dstrániť"));
    DBGrid->popupMenu = PopupMenu;
    DBGrid->dvojklik = chranene(this, [this] { DBGridDblClick(); });
    auto stlacit = [](QPushButton* b) {
        return [b] {
            if (b->isEnabled())
                b->click();
        };
    };
    pripojitKlavesy(DBGrid, {.upravit = DBGrid->dvojklik,
                             .pridat = stlacit(btnPridat),
                             .odstranit = stlacit(btnOdstranit)});

    pripojit(btnNastavit, &QPushButton::clicked, [this] { btnNastavitClick(); });
    pripojit(btnPridat, &QPushButton::clicked, [this] { btnPridatClick(); });
    pripojit(btnUpravit, &QPushButton::clicked, [this] { btnUpravitClick(); });
    pripojit(btnOdstranit, &QPushButton::clicked, [this] { btnOdstranitClick(); });
    pripojit(btnUlozit, &QPushButton::clicked, [this] { btnUlozitClick(); });
    pripojit(btnZrusit, &QPushButton::clicked, [this] { btnZrusitClick(); });
    pripojit(pmItmPridat, &QAction::triggered, [this] { btnPridatClick(); });
    pripojit(pmItmUpravit, &QAction::triggered, [this] { btnUpravitClick(); });
    pripojit(pmItmOdstranit, &QAction::triggered, [this] { btnOdstranitClick(); });
    chranitZmeny(btnUlozit);
}

void TEditorDokladu::FormCreate(const QList<QDateEdit*>& datumy) {
    NacitatIdentifikaciu();
    if (const auto rok = upravy::rozsahRoka(kontext.uctovnyRok()))
        for (QDateEdit* d : datumy)
            d->setDateRange(rok->first, rok->second);
    if (const auto dnes = dateFromText(kontext.pracovnyDatum()))
        for (QDateEdit* d : datumy)
            d->setDate(*dnes);
    edtVystavil->setText(kontext.tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela")));
    if (upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);
    btnZrusit->setFocus();
}

void TEditorDokladu::NacitatIdentifikaciu() {
    identita_ = IdentitaFirmy::zNastavenia(kontext.tblAgendaNastavenie());
    zobrazitIdentitu();
}

void TEditorDokladu::zobrazitIdentitu() {
    zobrazitLogo(kontext, imgLogo, identita_.Logo);
    // each label is named after its column: lblNazovFirmy shows NazovFirmy
    for (QLabel* l : std::as_const(stitkyIdentity_))
        l->setText(identita_.hodnota(l->objectName().mid(3)));
}

QString TEditorDokladu::Otvorit(const QString& cislo) {
    const std::unique_ptr<TEditorDokladu> uvolnit(this);
    cislo_ = cislo;
    if (cislo.isEmpty()) {
        cislo_ = cisloNovehoDokladu(kontext, kod_, this);
        if (cislo_.isEmpty())
            return {};
    } else {
        if (kontext.SQL(
                QStringLiteral("SELECT * FROM Doklady WHERE Cislo = %1;").arg(sqlText(cislo))) == 0)
            throw DbError(QStringLiteral("Doklad %1 sa nenašiel.").arg(cislo));
        const GeneralQuery& q = kontext.ADOQuery();
        if (const auto d = dateFromText(q.text(QStringLiteral("Datum"))))
            dtpDatum->setDate(*d);
        nacitatDoklad(q);
        identita_ = IdentitaFirmy::zDokladu(q.rows());
        zobrazitIdentitu();
    }
    edtCisloDokladu->setText(cislo_);

    // The scratch tables hold this document's journal lines (and its own lines) until the
    // editor closes.
    relacia_.emplace(kontext.store(), cislo_, sPolozkami_);
    NastavitZoznam();
    predZobrazenim();
    exec();
    relacia_.reset();
    return Result;
}

void TEditorDokladu::btnNastavitClick() {
    kontext.otvoritOkno(new TfrmAgendaNastavenie(kontext));
    kontext.nastavitTitulok(windowTitle());
    NacitatIdentifikaciu();
}

void TEditorDokladu::btnUlozitClick() {
    // A finished exam is frozen: nothing is saved even if the command were reached.
    if (!btnUlozit->isEnabled())
        return;
    const qint64 logo = identita_.cisloLoga();
    RelaciaDokladu::Hlavicka h = RelaciaDokladu::Hlavicka::dokladu(
        kod_, cislo_, dateToText(dtpDatum->date()), edtPopis->text(), identita_);
    doplnitHlavicku(h);
    relacia_->ulozit(h, logo);
    Result = cislo_;
    accept();
}

void TEditorDokladu::btnZrusitClick() {
    reject();
}

} // namespace saldovia
