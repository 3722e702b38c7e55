#include "Uctovnazavierka.h"

#include "closing/Vykazytlac.h"
#include "ledger/Obraty.h"
#include "reports/ReportPreview.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"

#include <QDateEdit>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSaveFile>
#include <QTableWidget>
#include <QVBoxLayout>

namespace saldovia {

namespace {

QPushButton* tlacidlo(const QString& meno, const QString& caption) {
    auto* b = new QPushButton(caption);
    b->setObjectName(meno);
    b->setAutoDefault(false);
    return b;
}

QLabel* popisok(const QString& meno, const QString& text = {}) {
    auto* l = new QLabel(text);
    l->setObjectName(meno);
    l->setWordWrap(true);
    return l;
}

const QString Cervena = QStringLiteral("color: #A01010; font-weight: bold;");
const QString Tucne = QStringLiteral("font-weight: bold;");

} // namespace

TfrmUctovnaZavierka::TfrmUctovnaZavierka(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmUctovnaZavierka"), Caption, 15) {
    lblNadpis = popisok(QStringLiteral("lblNadpis"));
    lblNadpis->setStyleSheet(Tucne);

    grdZapisy = new QTableWidget(0, 5);
    grdZapisy->setObjectName(QStringLiteral("grdZapisy"));
    grdZapisy->setHorizontalHeaderLabels({QStringLiteral("Dátum"), QStringLiteral("Popis"),
                                          QStringLiteral("Má dať"), QStringLiteral("Dal"),
                                          QStringLiteral("Suma")});
    grdZapisy->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdZapisy->setSelectionBehavior(QAbstractItemView::SelectRows);
    grdZapisy->setSelectionMode(QAbstractItemView::SingleSelection);
    grdZapisy->setTabKeyNavigation(false);
    grdZapisy->setWordWrap(false);
    grdZapisy->setAlternatingRowColors(true);
    grdZapisy->verticalHeader()->hide();
    grdZapisy->verticalHeader()->setDefaultSectionSize(grdZapisy->fontMetrics().height() + 6);
    grdZapisy->horizontalHeader()->setHighlightSections(false);
    grdZapisy->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    grdZapisy->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grdZapisy->setColumnWidth(0, 76);
    grdZapisy->setColumnWidth(2, 56);
    grdZapisy->setColumnWidth(3, 56);
    grdZapisy->setColumnWidth(4, 96);

    lblKontrola = popisok(QStringLiteral("lblKontrola"));
    lblVysledok = popisok(QStringLiteral("lblVysledok"));
    lblStav = popisok(QStringLiteral("lblStav"));
    lblStav->setStyleSheet(Cervena);
    btnZauctovat = tlacidlo(QStringLiteral("btnZauctovat"), QStringLiteral("Zaúč&tovať závierku"));

    dtpKuDnu = new QDateEdit;
    dtpKuDnu->setObjectName(QStringLiteral("dtpKuDnu"));
    dtpKuDnu->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    dtpKuDnu->setCalendarPopup(true);
    lblKuDnu = popisok(QStringLiteral("lblKuDnu"), QStringLiteral("Výkazy &ku dňu:"));
    lblKuDnu->setWordWrap(false);
    lblKuDnu->setBuddy(dtpKuDnu);
    btnSuvaha = tlacidlo(QStringLiteral("btnSuvaha"), QStringLiteral("&Súvaha"));
    btnVykaz = tlacidlo(QStringLiteral("btnVykaz"), QStringLiteral("&Výkaz ziskov a strát"));
    btnExportSuvahy =
        tlacidlo(QStringLiteral("btnExportSuvahy"), QStringLiteral("Súvaha do &CSV..."));
    btnExportVykazu =
        tlacidlo(QStringLiteral("btnExportVykazu"), QStringLiteral("Výkaz &do CSV..."));
    btnZavriet = tlacidlo(QStringLiteral("btnZavriet"), QStringLiteral("&Zavrieť"));

    auto* hore = new QHBoxLayout;
    hore->addWidget(lblKontrola, 1);
    hore->addWidget(btnZauctovat);
    auto* vykazyRiadok = new QHBoxLayout;
    vykazyRiadok->addWidget(lblKuDnu);
    vykazyRiadok->addWidget(dtpKuDnu);
    vykazyRiadok->addWidget(btnSuvaha);
    vykazyRiadok->addWidget(btnVykaz);
    vykazyRiadok->addStretch(1);
    auto* dole = new QHBoxLayout;
    dole->addWidget(btnExportSuvahy);
    dole->addWidget(btnExportVykazu);
    dole->addStretch(1);
    dole->addWidget(btnZavriet);
    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(8, 8, 8, 8);
    l->setSpacing(4);
    l->addWidget(lblNadpis);
    l->addWidget(grdZapisy, 1);
    l->addLayout(hore);
    l->addWidget(lblVysledok);
    l->addWidget(lblStav);
    l->addLayout(vykazyRiadok);
    l->addLayout(dole);

    pripojit(btnZauctovat, &QPushButton::clicked, [this] { btnZauctovatClick(); });
    pripojit(btnSuvaha, &QPushButton::clicked, [this] { btnSuvahaClick(); });
    pripojit(btnVykaz, &QPushButton::clicked, [this] { btnVykazClick(); });
    pripojit(btnExportSuvahy, &QPushButton::clicked, [this] { btnExportSuvahyClick(); });
    pripojit(btnExportVykazu, &QPushButton::clicked, [this] { btnExportVykazuClick(); });
    pripojit(btnZavriet, &QPushButton::clicked, [this] { btnZavrietClick(); });

    const int rok = kontext.uctovnyRok().toInt();
    if (rok > 0) {
        dtpKuDnu->setDateRange(QDate(rok, 1, 1), QDate(rok, 12, 31));
        dtpKuDnu->setDate(QDate(rok, 12, 31));
    }
    NastavitZoznam();
}

void TfrmUctovnaZavierka::NastavitZoznam() {
    const int rok = kontext.uctovnyRok().toInt();
    navrh_ = {};
    ponuknut_ = false;
    grdZapisy->setRowCount(0);
    lblStav->clear();
    lblStav->setStyleSheet(Cervena);
    lblVysledok->clear();
    lblKontrola->clear();
    lblKontrola->setStyleSheet(QString());
    lblNadpis->setText(QStringLiteral("Závierkové zápisy účtovného roka %1 ku dňu 31.12.%1")
                           .arg(kontext.uctovnyRok()));

    Store& store = kontext.store();
    const QList<qint64> chybne = hlavnakniha::riadkyBezPredkontacie(store);
    if (rok <= 0) {
        lblStav->setText(QStringLiteral("Účtovný rok agendy nie je nastavený: závierku nie je "
                                        "možné pripraviť."));
    } else if (zavierka::obsahujeZavierku(store)) {
        // A closed year shows its closing as it stands in the journal.
        const QList<QStringList> zapisy = zavierka::zauctovanaZavierka(store);
        vyplnitZapisy(zapisy);
        lblStav->setText(QStringLiteral("Závierka je zaúčtovaná: účtovný denník už obsahuje "
                                        "závierkové zápisy (účty 702 a 710), tu zobrazené. "
                                        "Druhý raz sa nezaúčtuje."));
        lblStav->setStyleSheet(Tucne);
    } else if (!chybne.isEmpty()) {
        lblStav->setText(hlavnakniha::spravaBezPredkontacie(chybne).replace(u'\n', u' '));
    } else {
        navrh_ = zavierka::pripravit(zavierka::zostatky(store), rok);
        ponuknut_ = !navrh_.zapisy.isEmpty();
        if (!ponuknut_)
            lblStav->setText(QStringLiteral("Žiadny účet nemá zostatok: nie je čo uzavrieť."));
    }
    btnZauctovat->setEnabled(ponuknut_);
    if (!ponuknut_)
        return;

    QList<QStringList> zapisy;
    const QString datum = dateToText(navrh_.datum);
    for (const zavierka::Zapis& z : std::as_const(navrh_.zapisy))
        zapisy << QStringList{datum, z.popis, z.maDat, z.dal, z.suma.toText()};
    vyplnitZapisy(zapisy);
    if (navrh_.vyrovnany()) {
        lblKontrola->setText(QStringLiteral("702: MD = D  (%1 = %2)")
                                 .arg(navrh_.maDat702.toText(), navrh_.dal702.toText()));
        lblKontrola->setStyleSheet(Tucne);
    } else {
        QStringList ucty;
        for (const zavierka::Zostatok& z : navrh_.mimo)
            ucty << QStringLiteral("%1 (%2)").arg(z.ucet, z.zostatok().toText());
        lblKontrola->setText(
            QStringLiteral("702: MD ≠ D  (%1 ≠ %2); zostatok mimo závierky: %3")
                .arg(navrh_.maDat702.toText(), navrh_.dal702.toText(),
                     ucty.isEmpty() ? QStringLiteral("žiadny") : ucty.join(QStringLiteral(", "))));
        lblKontrola->setStyleSheet(Cervena);
    }
    const Amount v = navrh_.vysledok;
    lblVysledok->setText(
        v > Amount() ? QStringLiteral("Výsledok hospodárenia: zisk %1").arg(v.toText())
        : v < Amount()
            ? QStringLiteral("Výsledok hospodárenia: strata %1").arg((Amount() - v).toText())
            : QStringLiteral("Výsledok hospodárenia: 0,00 (bez prevodu na 431)"));
}

void TfrmUctovnaZavierka::vyplnitZapisy(const QList<QStringList>& zapisy) {
    grdZapisy->setRowCount(static_cast<int>(zapisy.size()));
    for (int i = 0; i < zapisy.size(); ++i)
        for (int s = 0; s < zapisy[i].size(); ++s) {
            auto* item = new QTableWidgetItem(zapisy[i][s]);
            if (s == 4)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdZapisy->setItem(i, s, item);
        }
}

void TfrmUctovnaZavierka::btnZauctovatClick() {
    if (!ponuknut_) {
        showInformation(this, Caption,
                        QStringLiteral("Závierka nie je pripravená na zaúčtovanie."));
        return;
    }
    // Prepared again at the moment of writing: the journal may have changed meanwhile.
    if (zavierka::obsahujeZavierku(kontext.store())) {
        NastavitZoznam();
        showInformation(this, Caption,
                        QStringLiteral("Účtovný denník už obsahuje závierkové zápisy."));
        return;
    }
    const int pocet = static_cast<int>(navrh_.zapisy.size());
    if (!askYesNo(this, Caption,
                  QStringLiteral("Zaúčtovať závierku do účtovného denníka (%1 zápisov ku dňu %2)?")
                      .arg(QString::number(pocet), dateToText(navrh_.datum)),
                  DialogService::Icon::Question, QMessageBox::Yes))
        return;
    zavierka::zapisat(kontext.store(), navrh_);
    NastavitZoznam();
    showInformation(
        this, Caption,
        QStringLiteral("Závierka bola zaúčtovaná: %1 zápisov do účtovného denníka.").arg(pocet));
}

vykazy::Vykazy TfrmUctovnaZavierka::vykazy() {
    return vykazy::zostavit(kontext.store(), dtpKuDnu->date());
}

ReportFrame TfrmUctovnaZavierka::ramec(const QString& nazov) {
    return ReportFrame::fromSettings(kontext.store(), nazov, dateToText(dtpKuDnu->date()));
}

BandedReport TfrmUctovnaZavierka::zostavaSuvahy() {
    return TfrmSuvahaTlac::zostava(vykazy(), ramec(TfrmSuvahaTlac::Caption));
}

BandedReport TfrmUctovnaZavierka::zostavaVykazu() {
    return TfrmVykazZiskovAStratTlac::zostava(vykazy(), ramec(TfrmVykazZiskovAStratTlac::Caption));
}

void TfrmUctovnaZavierka::btnSuvahaClick() {
    BandedReport r = zostavaSuvahy();
    ReportPreview::preview(r, kontext.tlaciaren(), this);
}

void TfrmUctovnaZavierka::btnVykazClick() {
    BandedReport r = zostavaVykazu();
    ReportPreview::preview(r, kontext.tlaciaren(), this);
}

void TfrmUctovnaZavierka::exportovat(const QString& nazov, const QByteArray& obsah) {
    const QString cesta = DialogService::instance().saveFile(
        this, QStringLiteral("Export: %1").arg(nazov),
        QDir::home().filePath(
            QStringLiteral("%1 %2.csv")
                .arg(nazov, dtpKuDnu->date().toString(QStringLiteral("yyyy-MM-dd")))),
        QStringLiteral("Súbor CSV (*.csv)"), QStringLiteral("csv"));
    if (cesta.isEmpty())
        return;
    QSaveFile f(cesta);
    if (!f.open(QIODevice::WriteOnly) || f.write(obsah) != obsah.size() || !f.commit()) {
        showError(this, Caption,
                  QStringLiteral("Súbor %1 sa nedá zapísať:\n%2")
                      .arg(QDir::toNativeSeparators(cesta), f.errorString()));
        return;
    }
    showInformation(this, Caption, QStringLiteral("Export prebehol úspešne!"));
}

void TfrmUctovnaZavierka::btnExportSuvahyClick() {
    exportovat(TfrmSuvahaTlac::Caption, vykazy::csvSuvahy(vykazy()));
}

void TfrmUctovnaZavierka::btnExportVykazuClick() {
    exportovat(TfrmVykazZiskovAStratTlac::Caption, vykazy::csvVykazu(vykazy()));
}

void TfrmUctovnaZavierka::btnZavrietClick() {
    close();
}

} // namespace saldovia
