#include "Vysledkytriedy.h"

#include "exam/Tlacskusky.h"
#include "reports/ReportPreview.h"
#include "store/Store.h"
#include "store/Values.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace saldovia {

using ovladace::tlacidlo;

namespace {

const QString Caption = QStringLiteral("Výsledky triedy");
const QString FilterAgendy = QStringLiteral("Databázový súbor (*.mdb)");

const QColor pozadieOznacenia(0xff, 0xe0, 0xb2);
const QColor pozadieZlehoSuboru(0xee, 0xee, 0xee);

bool ciselny(int stlpec) {
    return stlpec >= trieda::sPredkontacie && stlpec <= trieda::sHlavnaKnihaPercento;
}

// The sorting key of a cell: scored numbers as numbers (-1 where there is none), moments and
// durations by their time, texts as they read.
QVariant kluc(const trieda::Vysledok& v, int stlpec) {
    const skuska::Hodnotenie& h = v.hodnotenie;
    auto cislo = [&v](double x) { return QVariant(v.hodnotena ? x : -2.0); };
    auto podiel = [](int spravne, int celkom) {
        return celkom > 0 ? 100.0 * spravne / celkom : 100.0;
    };
    switch (stlpec) {
    case trieda::sZaciatok:
    case trieda::sKoniec: {
        const auto t = timestampFromText(stlpec == trieda::sZaciatok ? v.zaciatok : v.koniec);
        return QVariant(t ? static_cast<double>(t->toMSecsSinceEpoch()) : -1.0);
    }
    case trieda::sTrvanie:
        return QVariant(v.trvanie ? static_cast<double>(*v.trvanie) : -1e18);
    case trieda::sPredkontacie:
        return cislo(h.predkontacie.spravne);
    case trieda::sPredkontaciePercento:
        return cislo(podiel(h.predkontacie.spravne, h.predkontacie.celkom));
    case trieda::sVypocty:
        return cislo(h.vypocty.spravne);
    case trieda::sVypoctyPercento:
        return cislo(podiel(h.vypocty.spravne, h.vypocty.celkom));
    case trieda::sHlavnaKniha:
        return cislo(h.hlavnaKniha ? h.hlavnaKniha->spravne : -1.0);
    case trieda::sHlavnaKnihaPercento:
        return cislo(h.hlavnaKniha ? h.hlavnaKniha->percento : -1.0);
    case trieda::sStav:
        return QVariant(static_cast<double>(static_cast<int>(v.stav)));
    default:
        return {};
    }
}

} // namespace

void ModelVysledkovTriedy::nastavit(QList<trieda::Vysledok> vysledky, const QString& dlzkaVzoru) {
    beginResetModel();
    vysledky_ = std::move(vysledky);
    dlzka_ = dlzkaVzoru;
    endResetModel();
}

int ModelVysledkovTriedy::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(vysledky_.size());
}

int ModelVysledkovTriedy::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : trieda::PocetStlpcov;
}

QVariant ModelVysledkovTriedy::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= vysledky_.size())
        return {};
    const trieda::Vysledok& v = vysledky_[index.row()];
    const int stlpec = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return trieda::text(v, stlpec, dlzka_);
    case Qt::UserRole: {
        const QVariant k = kluc(v, stlpec);
        return k.isValid() ? k : QVariant(trieda::text(v, stlpec, dlzka_));
    }
    case Qt::TextAlignmentRole:
        return QVariant::fromValue((ciselny(stlpec) ? Qt::AlignRight
                                    : stlpec >= trieda::sZaciatok && stlpec <= trieda::sTrvanie
                                        ? Qt::AlignHCenter
                                        : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    case Qt::BackgroundRole:
        if (trieda::oznacene(v, stlpec))
            return pozadieOznacenia;
        if (!v.hodnotena)
            return pozadieZlehoSuboru;
        return {};
    case Qt::ToolTipRole: {
        const QString t = trieda::text(v, trieda::sUpozornenia, dlzka_);
        return t.isEmpty() ? QVariant() : QVariant(t);
    }
    default:
        return {};
    }
}

QVariant ModelVysledkovTriedy::headerData(int section, Qt::Orientation orientation,
                                          int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return trieda::nazovStlpca(section);
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

TfrmVysledkyTriedy::TfrmVysledkyTriedy(Kontext& k)
    : TfrmOkno(k, QStringLiteral("TfrmVysledkyTriedy"), 17) {
    setWindowTitle(Caption);
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);

    lblVzor = new QLabel(QStringLiteral("Vzor skúšky:"));
    lblVzor->setObjectName(QStringLiteral("lblVzor"));
    edtVzor = new QLineEdit;
    edtVzor->setObjectName(QStringLiteral("edtVzor"));
    edtVzor->setReadOnly(true);
    edtVzor->setPlaceholderText(
        QStringLiteral("súbor skúšky tak, ako bol vygenerovaný (s pravými vzorovými údajmi)"));
    lblVzor->setBuddy(edtVzor);
    btnVzor = tlacidlo(QStringLiteral("btnVzor"), QStringLiteral("&Vzor..."), 0);
    btnPridatSubory =
        tlacidlo(QStringLiteral("btnPridatSubory"), QStringLiteral("Pridať &súbory..."), 0);
    btnPridatPriecinok =
        tlacidlo(QStringLiteral("btnPridatPriecinok"), QStringLiteral("Pridať &priečinok..."), 0);
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("&Odstrániť"), 0);
    btnPodrobnosti = tlacidlo(QStringLiteral("btnPodrobnosti"), QStringLiteral("Po&drobnosti"), 0);
    btnExport = tlacidlo(QStringLiteral("btnExport"), QStringLiteral("&Export do CSV..."), 0);
    btnTlacit = tlacidlo(QStringLiteral("btnTlacit"), QStringLiteral("&Tlačiť"), 0);
    btnZatvorit = tlacidlo(QStringLiteral("btnZatvorit"), QStringLiteral("&Zatvoriť"), 0);

    model_ = new ModelVysledkovTriedy(this);
    model_->setObjectName(QStringLiteral("ModelVysledkov"));
    zoradenie_ = new QSortFilterProxyModel(this);
    zoradenie_->setSourceModel(model_);
    zoradenie_->setSortRole(Qt::UserRole);
    zoradenie_->setSortLocaleAware(true);
    zoradenie_->setSortCaseSensitivity(Qt::CaseInsensitive);
    DBGrid = new QTableView;
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(zoradenie_);
    DBGrid->setSortingEnabled(true);
    DBGrid->sortByColumn(-1, Qt::AscendingOrder); // the order the files were added
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::ExtendedSelection);
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setAlternatingRowColors(true);
    DBGrid->setWordWrap(false);
    DBGrid->verticalHeader()->setDefaultSectionSize(22);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    DBGrid->horizontalHeader()->setSortIndicatorShown(true);
    lblPocet = new QLabel;
    lblPocet->setObjectName(QStringLiteral("lblPocet"));

    auto* vzor = new QHBoxLayout;
    vzor->addWidget(lblVzor);
    vzor->addWidget(edtVzor, 1);
    vzor->addWidget(btnVzor);
    auto* subory = new QHBoxLayout;
    subory->addWidget(btnPridatSubory);
    subory->addWidget(btnPridatPriecinok);
    subory->addWidget(btnOdstranit);
    subory->addStretch();
    auto* dole = new QHBoxLayout;
    dole->addWidget(lblPocet, 1);
    dole->addWidget(btnPodrobnosti);
    dole->addWidget(btnExport);
    dole->addWidget(btnTlacit);
    dole->addSpacing(12);
    dole->addWidget(btnZatvorit);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->addLayout(vzor);
    layout->addLayout(subory);
    layout->addWidget(DBGrid, 1);
    layout->addLayout(dole);

    auto on = [this](QPushButton* b, void (TfrmVysledkyTriedy::*f)()) {
        connect(b, &QPushButton::clicked, this, chranene(this, [this, f] { (this->*f)(); }));
    };
    on(btnVzor, &TfrmVysledkyTriedy::btnVzorClick);
    on(btnPridatSubory, &TfrmVysledkyTriedy::btnPridatSuboryClick);
    on(btnPridatPriecinok, &TfrmVysledkyTriedy::btnPridatPriecinokClick);
    on(btnOdstranit, &TfrmVysledkyTriedy::btnOdstranitClick);
    on(btnPodrobnosti, &TfrmVysledkyTriedy::btnPodrobnostiClick);
    on(btnExport, &TfrmVysledkyTriedy::btnExportClick);
    on(btnTlacit, &TfrmVysledkyTriedy::btnTlacitClick);
    on(btnZatvorit, &TfrmVysledkyTriedy::btnZatvoritClick);
    connect(DBGrid, &QTableView::doubleClicked, this,
            chranene(this, [this] { btnPodrobnostiClick(); }));
    auto stlacit = [](QPushButton* b) {
        return [b] {
            if (b->isEnabled())
                b->click();
        };
    };
    pripojitKlavesy(DBGrid, {.upravit = stlacit(btnPodrobnosti),
                             .pridat = stlacit(btnPridatSubory),
                             .odstranit = stlacit(btnOdstranit)});
    connect(DBGrid->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { NastavitTlacidla(); });
    // Fits a 1024 × 768 classroom screen with its frame; the columns scroll.
    resize(1000, 600);
    NastavitTlacidla();
}

void TfrmVysledkyTriedy::showEvent(QShowEvent* e) {
    const QRect main = kontext.hlavneOkno()->frameGeometry();
    const QRect obrazovka =
        (kontext.hlavneOkno()->screen() ? kontext.hlavneOkno()->screen() : screen())
            ->availableGeometry();
    const QSize okraj = frameGeometry().size() - size();
    resize(std::min(width(), obrazovka.width() - okraj.width()),
           std::min(height(), obrazovka.height() - okraj.height()));
    QPoint roh = main.center() - QPoint(width() / 2, height() / 2);
    roh.setX(
        std::clamp(roh.x(), obrazovka.left(),
                   std::max(obrazovka.left(), obrazovka.right() + 1 - width() - okraj.width())));
    roh.setY(
        std::clamp(roh.y(), obrazovka.top(),
                   std::max(obrazovka.top(), obrazovka.bottom() + 1 - height() - okraj.height())));
    move(roh);
    TfrmOkno::showEvent(e);
}

void TfrmVysledkyTriedy::NastavitTlacidla() {
    const int n = model_->rowCount();
    const QModelIndexList vybrane = DBGrid->selectionModel()->selectedRows();
    bool hodnotena = false;
    if (vybrane.size() == 1) {
        const int r = zoradenie_->mapToSource(vybrane.constFirst()).row();
        hodnotena = model_->vysledky().value(r).hodnotena;
    }
    btnOdstranit->setEnabled(!vybrane.isEmpty());
    btnPodrobnosti->setEnabled(hodnotena);
    btnExport->setEnabled(n > 0);
    btnTlacit->setEnabled(n > 0);
    int dokoncene = 0;
    for (const trieda::Vysledok& v : model_->vysledky())
        if (v.stav == trieda::Stav::Dokoncena)
            ++dokoncene;
    lblPocet->setText(
        n == 0 ? QString()
               : QStringLiteral("Súborov: %1, dokončených skúšok: %2").arg(n).arg(dokoncene));
}

bool TfrmVysledkyTriedy::maVzor() {
    if (vzor_)
        return true;
    showWarning(this, Caption,
                QStringLiteral("Najskôr zvoľte vzor: súbor skúšky tak, ako bol vygenerovaný."));
    btnVzor->setFocus();
    return false;
}

void TfrmVysledkyTriedy::btnVzorClick() {
    const QString cesta = DialogService::instance().openFile(
        this, QStringLiteral("Vzor skúšky"), QDir::homePath(), FilterAgendy, QStringLiteral("mdb"));
    if (!cesta.isEmpty())
        nastavitVzor(cesta);
}

bool TfrmVysledkyTriedy::nastavitVzor(const QString& cesta) {
    try {
        vzor_ = trieda::nacitatVzor(cesta);
    } catch (const DbError& e) {
        showError(this, Caption, e.text());
        return false;
    }
    edtVzor->setText(QDir::toNativeSeparators(cesta));
    QStringList cesty;
    for (const trieda::Vysledok& v : model_->vysledky())
        cesty << v.cesta;
    model_->nastavit({}, vzor_->dlzka);
    if (!cesty.isEmpty())
        pridat(cesty);
    NastavitTlacidla();
    return true;
}

void TfrmVysledkyTriedy::btnPridatSuboryClick() {
    if (!maVzor())
        return;
    const QStringList cesty =
        DialogService::instance().openFiles(this, QStringLiteral("Pridať súbory skúšok"),
                                            QFileInfo(vzor_->cesta).absolutePath(), FilterAgendy);
    if (!cesty.isEmpty())
        pridat(cesty);
}

void TfrmVysledkyTriedy::btnPridatPriecinokClick() {
    if (!maVzor())
        return;
    const QString priecinok =
        DialogService::instance().openFolder(this, QStringLiteral("Pridať priečinok so skúškami"),
                                             QFileInfo(vzor_->cesta).absolutePath());
    if (priecinok.isEmpty())
        return;
    const QStringList cesty = trieda::suboryPriecinka(priecinok);
    if (cesty.isEmpty()) {
        showInformation(
            this, Caption,
            QStringLiteral("Vo zvolenom priečinku nie je žiadny súbor skúšky (*.mdb)."));
        return;
    }
    pridat(cesty);
}

void TfrmVysledkyTriedy::pridat(const QStringList& cesty) {
    if (!vzor_)
        return;
    // The reference itself is no student's work.
    const QString vzorKanonicky = QFileInfo(vzor_->cesta).canonicalFilePath();
    QStringList nove;
    for (const QString& c : cesty) {
        const QString k = QFileInfo(c).canonicalFilePath();
        if (!k.isEmpty() && k == vzorKanonicky)
            continue;
        if (!nove.contains(QFileInfo(c).absoluteFilePath()))
            nove << QFileInfo(c).absoluteFilePath();
    }
    QProgressDialog priebeh(QStringLiteral("Vyhodnocovanie skúšok..."), QStringLiteral("&Zrušiť"),
                            0, static_cast<int>(nove.size()), this);
    priebeh.setObjectName(QStringLiteral("dlgPriebeh"));
    priebeh.setWindowTitle(Caption);
    priebeh.setWindowModality(Qt::WindowModal);
    priebeh.setMinimumDuration(400);
    const QList<trieda::Vysledok> vysledky =
        trieda::vyhodnotit(nove, *vzor_, [&priebeh](int hotovo, int spolu) {
            priebeh.setValue(hotovo);
            priebeh.setLabelText(
                QStringLiteral("Vyhodnocovanie skúšok... %1 z %2").arg(hotovo).arg(spolu));
            QApplication::processEvents();
            return !priebeh.wasCanceled();
        });
    // A file listed before is replaced in its place; new files follow.
    QList<trieda::Vysledok> vsetky = model_->vysledky();
    for (const trieda::Vysledok& v : vysledky) {
        bool nahradeny = false;
        for (trieda::Vysledok& s : vsetky)
            if (QFileInfo(s.cesta).absoluteFilePath() == v.cesta) {
                s = v;
                nahradeny = true;
                break;
            }
        if (!nahradeny)
            vsetky << v;
    }
    trieda::oznacitRovnakyZaciatok(vsetky);
    model_->nastavit(vsetky, vzor_->dlzka);
    DBGrid->resizeColumnsToContents();
    NastavitTlacidla();
}

void TfrmVysledkyTriedy::btnOdstranitClick() {
    QList<int> riadky;
    for (const QModelIndex& i : DBGrid->selectionModel()->selectedRows())
        riadky << zoradenie_->mapToSource(i).row();
    if (riadky.isEmpty())
        return;
    std::sort(riadky.begin(), riadky.end(), std::greater<>());
    QList<trieda::Vysledok> vsetky = model_->vysledky();
    for (int r : riadky)
        vsetky.removeAt(r);
    trieda::oznacitRovnakyZaciatok(vsetky);
    model_->nastavit(vsetky, vzor_ ? vzor_->dlzka : QString());
    NastavitTlacidla();
}

QList<trieda::Vysledok> TfrmVysledkyTriedy::zoradene() const {
    QList<trieda::Vysledok> r;
    for (int i = 0; i < zoradenie_->rowCount(); ++i)
        r << model_->vysledky()[zoradenie_->mapToSource(zoradenie_->index(i, 0)).row()];
    return r;
}

void TfrmVysledkyTriedy::btnPodrobnostiClick() {
    const QModelIndexList vybrane = DBGrid->selectionModel()->selectedRows();
    if (vybrane.size() != 1 || !vzor_)
        return;
    const trieda::Vysledok& v = model_->vysledky()[zoradenie_->mapToSource(vybrane[0]).row()];
    if (!v.hodnotena)
        return;
    Store store;
    const trieda::Otvorenie o = trieda::otvorit(store, v.cesta, *vzor_);
    if (!o.ok) {
        showError(this, Caption, QStringLiteral("Porovnanie sa nedá zobraziť:\n") + o.dovod);
        return;
    }
    TfrmUctovnyDennikSkuska::Tlacit(store, kontext.tlaciaren(),
                                    store.tblAgendaNastavenie.text(QStringLiteral("UctovnyRok")),
                                    this);
}

void TfrmVysledkyTriedy::btnExportClick() {
    const QString cesta = DialogService::instance().saveFile(
        this, QStringLiteral("Export výsledkov triedy"),
        QDir::home().filePath(QStringLiteral("Výsledky triedy.csv")),
        QStringLiteral("Súbor CSV (*.csv)"), QStringLiteral("csv"));
    if (cesta.isEmpty())
        return;
    QSaveFile f(cesta);
    const QByteArray obsah = trieda::csv(zoradene(), vzor_ ? vzor_->dlzka : QString());
    if (!f.open(QIODevice::WriteOnly) || f.write(obsah) != obsah.size() || !f.commit()) {
        showError(
            this, Caption,
            QStringLiteral("Súbor %1 sa nedá zapísať:\n").arg(QDir::toNativeSeparators(cesta)) +
                f.errorString());
        return;
    }
    showInformation(this, Caption, QStringLiteral("Export prebehol úspešne!"));
}

BandedReport TfrmVysledkyTriedy::zostava() const {
    ReportFrame frame;
    if (vzor_) {
        // The exam's company and logo, from the reference.
        Store store;
        store.connection().open(vzor_->cesta, Connection::Mode::ReadOnly);
        store.tblAgendaNastavenie.open();
        frame =
            ReportFrame::fromSettings(store, TfrmVysledkyTriedyTlac::Caption,
                                      store.tblAgendaNastavenie.text(QStringLiteral("UctovnyRok")));
    }
    // The one who prints: the user of the loaded agenda, if any.
    frame.MenoUzivatela = kontext.store().isConnected()
                              ? kontext.tblAgendaNastavenie().text(QStringLiteral("MenoUzivatela"))
                              : QString();
    return TfrmVysledkyTriedyTlac::zostava(zoradene(), vzor_ ? *vzor_ : trieda::Vzor(), frame);
}

void TfrmVysledkyTriedy::btnTlacitClick() {
    BandedReport report = zostava();
    ReportPreview::preview(report, kontext.tlaciaren(), this);
}

void TfrmVysledkyTriedy::btnZatvoritClick() {
    close();
}

} // namespace saldovia
