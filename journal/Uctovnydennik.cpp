#include "Uctovnydennik.h"

#include "CiselneZadanie.h"
#include "Polozkauctovnehodennika.h"
#include "UctovyVyber.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "exam/Pecat.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <algorithm>

#include <QColor>
#include <QComboBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QIdentityProxyModel>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSet>
#include <QStatusBar>
#include <QStyle>
#include <QTableView>
#include <QVBoxLayout>

namespace saldovia {

namespace {

const QString Dennik = QStringLiteral("UctovnyDennik");

// The submenus of the add menus, by the kinds' groups: name after the prefix, caption.
const char* const Skupiny[][2] = {{nullptr, nullptr},
                                  {"PridatFakturu", "&Faktúru"},
                                  {"PridatSkladovyDoklad", "&Skladový doklad"},
                                  {"PridatPokladnicnyDoklad", "&Pokladničný doklad"}};

QMenu* podmenu(QMenu* parent, const QString& meno, const QString& caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(meno);
    m->menuAction()->setObjectName(meno);
    return m;
}

using ovladace::akcia;
using ovladace::tlacidlo;

const QString StlpceDennika = QStringLiteral(
    "SELECT UctovnyDennik.Riadok, UctovnyDennik.Datum, UctovnyDennik.Doklad, UctovnyDennik.Popis, "
    "UctovnyDennik.Suma, UctovnyDennik.MaDat, UctovnyDennik.Dal FROM UctovnyDennik");
const QString DruhyDennika = QStringLiteral("SELECT UctovnyDennik.Riadok, Doklady.Druh FROM "
                                            "UctovnyDennik LEFT JOIN Doklady ON Doklady.Cislo = "
                                            "UctovnyDennik.Doklad");

} // namespace

// The journal's rows as the grid shows them, with the marks of a practice check: a wrong row
// gets a tinted background, an icon before its number and the tool tip "Nesprávny riadok",
// nothing that tells what the right value is.
class ZnackyDennika : public QIdentityProxyModel {
public:
    using QIdentityProxyModel::QIdentityProxyModel;
    static constexpr int RolaZnacky = Qt::UserRole + 41;

    void nastavit(const QSet<qint64>& riadky) {
        riadky_ = riadky;
        if (rowCount() > 0)
            emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    }
    QVariant data(const QModelIndex& i, int role) const override {
        const bool znacka =
            i.isValid() && !riadky_.isEmpty() &&
            riadky_.contains(sourceModel()->index(mapToSource(i).row(), 0).data().toLongLong());
        switch (role) {
        case RolaZnacky:
            return znacka;
        case Qt::BackgroundRole:
            if (znacka)
                return QColor(255, 214, 214);
            break;
        case Qt::DecorationRole:
            if (znacka && i.column() == 0)
                return QColor(200, 0, 0);
            break;
        case Qt::ToolTipRole:
            if (znacka)
                return QStringLiteral("Nesprávny riadok");
            break;
        default:
            break;
        }
        return QIdentityProxyModel::data(i, role);
    }

private:
    QSet<qint64> riadky_;
};

TfrmUctovnyDennik::TfrmUctovnyDennik(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmUctovnyDennik"), QStringLiteral("Účtovný denník"), 3) {
    lblFilter = new QLabel(QStringLiteral("Filter:"));
    lblFilter->setObjectName(QStringLiteral("lblFilter"));
    cbFilter = new QComboBox;
    cbFilter->setObjectName(QStringLiteral("cbFilter"));
    cbFilter->setEditable(false);
    cbFilter->setFixedWidth(420);
    cbFilter->setMaxVisibleItems(20);
    cbFilter->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    cbFilter->view()->setTextElideMode(Qt::ElideRight);
    lblFilter->setBuddy(cbFilter);

    DBGrid = new QTableView;
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    znacky_ = new ZnackyDennika(this);
    znacky_->setSourceModel(kontext.store().qryUctovnyDennik.model());
    DBGrid->setModel(znacky_);
    pripravitMriezku(DBGrid);
    DBGrid->viewport()->installEventFilter(this);
    pripojitKlavesy(DBGrid,
                    {.upravit = chranene(this, [this] { DBGridDblClick(); }),
                     .pridat = chranene(this, [this] { pmItmPridatPolozkuClick(); }),
                     .odstranit = chranene(this, [this] { pmItmOdstranitPolozkuClick(); })});

    btnPridat = tlacidlo(QStringLiteral("btnPridat"), QStringLiteral("P&ridať"), 88);
    btnUpravit = tlacidlo(QStringLiteral("btnUpravit"), QStringLiteral("Upra&viť"), 88);
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("&Odstrániť"), 88);
    btnTlacit = tlacidlo(QStringLiteral("btnTlacit"), QStringLiteral("T&lačiť"), 88);
    btnZavriet = tlacidlo(QStringLiteral("btnZavriet"), QStringLiteral("&Zavrieť"), 88);

    // The grid's pop-up menu.
    pmHlavne = new QMenu(this);
    pmHlavne->setObjectName(QStringLiteral("pmHlavne"));
    pmItmPridat = podmenu(pmHlavne, QStringLiteral("pmItmPridat"), QStringLiteral("P&ridať"));
    vytvoritPridavanie(pmItmPridat, QStringLiteral("pmItm"));
    pmItmUpravit = akcia(pmHlavne, QStringLiteral("pmItmUpravit"), QStringLiteral("U&praviť"));
    pmItmOdstranit =
        podmenu(pmHlavne, QStringLiteral("pmItmOdstranit"), QStringLiteral("O&dstrániť"));
    pmItmOdstranitPolozku =
        akcia(pmItmOdstranit, QStringLiteral("pmItmOdstranitPolozku"), QStringLiteral("P&oložku"));
    pmItmOdstranitDoklad =
        akcia(pmItmOdstranit, QStringLiteral("pmItmOdstranitDoklad"), QStringLiteral("Do&klad"));
    pmItmTlacit = podmenu(pmHlavne, QStringLiteral("pmItmTlacit"), QStringLiteral("T&lačiť"));
    pmItmTlacitUctovnyDennik = akcia(pmItmTlacit, QStringLiteral("pmItmTlacitUctovnyDennik"),
                                     QStringLiteral("Účtovný &denník"));
    pmItmTlacitDoklad =
        akcia(pmItmTlacit, QStringLiteral("pmItmTlacitDoklad"), QStringLiteral("Do&klad"));
    pmItmPridatPolozku = pmItmPridat->findChild<QAction*>(QStringLiteral("pmItmPridatPolozku"));

    // The buttons' menus.
    pmPridat = new QMenu(this);
    pmPridat->setObjectName(QStringLiteral("pmPridat"));
    vytvoritPridavanie(pmPridat, QStringLiteral("mmItm"));
    mmItmPridatPolozku = pmPridat->findChild<QAction*>(QStringLiteral("mmItmPridatPolozku"));
    pmOdstranit = new QMenu(this);
    pmOdstranit->setObjectName(QStringLiteral("pmOdstranit"));
    mmItmOdstranitPolozku =
        akcia(pmOdstranit, QStringLiteral("mmItmOdstranitPolozku"), QStringLiteral("P&oložku"));
    mmItmOdstranitDoklad =
        akcia(pmOdstranit, QStringLiteral("mmItmOdstranitDoklad"), QStringLiteral("Do&klad"));
    pmTlacit = new QMenu(this);
    pmTlacit->setObjectName(QStringLiteral("pmTlacit"));
    mmItmTlacitUctovnyDennik = akcia(pmTlacit, QStringLiteral("mmItmTlacitUctovnyDennik"),
                                     QStringLiteral("Účtovný &denník"));
    mmItmTlacitDoklad =
        akcia(pmTlacit, QStringLiteral("mmItmTlacitDoklad"), QStringLiteral("Do&klad"));

    auto on = [this](auto* sender, auto signal, auto handler) {
        connect(sender, signal, this, chranene(this, handler));
    };
    on(btnPridat, &QPushButton::clicked, [this] { btnPridatClick(); });
    on(btnUpravit, &QPushButton::clicked, [this] { btnUpravitClick(); });
    on(btnOdstranit, &QPushButton::clicked, [this] { btnOdstranitClick(); });
    on(btnTlacit, &QPushButton::clicked, [this] { btnTlacitClick(); });
    on(btnZavriet, &QPushButton::clicked, [this] { btnZavrietClick(); });
    on(pmItmUpravit, &QAction::triggered, [this] { btnUpravitClick(); });
    for (QAction* a : {pmItmOdstranitPolozku, mmItmOdstranitPolozku})
        on(a, &QAction::triggered, [this] { pmItmOdstranitPolozkuClick(); });
    for (QAction* a : {pmItmOdstranitDoklad, mmItmOdstranitDoklad})
        on(a, &QAction::triggered, [this] { pmItmOdstranitDokladClick(); });
    for (QAction* a : {pmItmTlacitUctovnyDennik, mmItmTlacitUctovnyDennik})
        on(a, &QAction::triggered, [this] { pmItmTlacitUctovnyDennikClick(); });
    for (QAction* a : {pmItmTlacitDoklad, mmItmTlacitDoklad})
        on(a, &QAction::triggered, [this] { pmItmTlacitDokladClick(); });
    connect(DBGrid, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& p) { pmHlavne->popup(DBGrid->viewport()->mapToGlobal(p)); });

    // Layout: the filter above the grid, the commands below it.
    auto* filter = new QHBoxLayout;
    filter->addWidget(lblFilter);
    filter->addWidget(cbFilter);
    filter->addStretch();
    btnSkontrolovat = tlacidlo(QStringLiteral("btnSkontrolovat"), QStringLiteral("S&kontrolovať"));
    btnSkontrolovat->setToolTip(QStringLiteral("Označí riadky, ktoré sa nezhodujú so vzorom."));
    on(btnSkontrolovat, &QPushButton::clicked, [this] { btnSkontrolovatClick(); });
    ovladace::rozlozitZoznam(this, DBGrid,
                             {btnPridat, btnUpravit, btnOdstranit, btnTlacit, btnSkontrolovat},
                             btnZavriet, filter);
    StatusBar = new QStatusBar(this);
    StatusBar->setObjectName(QStringLiteral("StatusBar"));
    StatusBar->setSizeGripEnabled(false);
    lblNespravne = new QLabel;
    lblNespravne->setObjectName(QStringLiteral("lblNespravne"));
    StatusBar->addWidget(lblNespravne, 1);
    layout()->addWidget(StatusBar);

    setTabOrder(btnZavriet, cbFilter);
    setTabOrder(cbFilter, DBGrid);
    setTabOrder(DBGrid, btnPridat);
    setTabOrder(btnPridat, btnUpravit);
    setTabOrder(btnUpravit, btnOdstranit);
    setTabOrder(btnOdstranit, btnTlacit);

    // FormCreate
    cbFilter->addItem(QStringLiteral("žiadny"));
    cbFilter->addItems(nacitatUcty(kontext));
    cbFilter->setCurrentIndex(0);
    connect(cbFilter, &QComboBox::currentIndexChanged, this,
            chranene(this, [this] { cbFilterChange(); }));
    dsUctovnyDennik_ = connect(&kontext.store().qryUctovnyDennik, &DataSet::dataChanged, this,
                               chranene(this, [this] { dsUctovnyDennikDataChange(); }));
    connect(DBGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& i) {
                if (!zosuladujem_ && i.isValid())
                    kontext.store().qryUctovnyDennik.setRecNo(i.row() + 1);
            });
    skuskaSkoncena_ = upravy::skuskaSkoncena(kontext.store());
    // Practice: checking is offered while the exercise runs.
    const bool cvicenie =
        !kontext.tblAgendaNastavenie().text(QStringLiteral("SkuskaDlzka")).isEmpty() &&
        !skuskaSkoncena_ && skuska::nacitatZaznam(kontext.store().connection()).cvicenie;
    btnSkontrolovat->setVisible(cvicenie);
    StatusBar->setVisible(cvicenie);
    NastavitZoznam();
    btnZavriet->setFocus();
}

TfrmUctovnyDennik::~TfrmUctovnyDennik() {
    // FormClose: the shared data set outlives the window.
    disconnect(dsUctovnyDennik_);
}

void TfrmUctovnyDennik::vytvoritPridavanie(QMenu* menu, const QString& prefix) {
    QMenu* skupiny[4] = {menu, nullptr, nullptr, nullptr};
    const bool pm = prefix == QLatin1String("pmItm");
    // first a free line, then a document of each kind
    QAction* polozka =
        akcia(menu, prefix + QStringLiteral("PridatPolozku"), QStringLiteral("P&oložku"));
    connect(polozka, &QAction::triggered, this,
            chranene(this, [this] { pmItmPridatPolozkuClick(); }));
    for (const DruhDokladu& d : druhyDokladov()) {
        const auto g = static_cast<std::size_t>(d.skupina);
        if (!skupiny[g]) {
            skupiny[g] = podmenu(menu, prefix + QLatin1String(Skupiny[g][0]),
                                 QString::fromUtf8(Skupiny[g][1]));
            pridatDoklad_ << skupiny[g]->menuAction();
        }
        const char* meno = pm && d.menoPridatPm ? d.menoPridatPm : d.menoPridat;
        QAction* a = akcia(skupiny[g], prefix + QLatin1String(meno), QString::fromUtf8(d.pridat));
        const QString druh = d.kodText();
        a->setData(druh);
        pridatDoklad_ << a;
        connect(a, &QAction::triggered, this,
                chranene(this, [this, druh] { pmItmPridatDokladClick(druh); }));
    }
}

void TfrmUctovnyDennik::btnSkontrolovatClick() {
    Connection& c = kontext.store().connection();
    const skuska::Kontrola k = skuska::skontrolovat(c);
    oznacene_.clear();
    for (const qint64 r : k.nespravne)
        oznacene_.insert(r, QString());
    zrusitUpraveneZnacky(); // takes each marked row's values as they are now
    lblNespravne->setText(
        QStringLiteral("Nesprávne riadky: %1 z %2").arg(k.pocetNespravnych).arg(k.celkom));
    znacky_->nastavit(QSet<qint64>(k.nespravne.begin(), k.nespravne.end()));
    nastavitSirkuRiadku();
}

void TfrmUctovnyDennik::nastavitSirkuRiadku() {
    const qint64 posledny = kontext.store()
                                .connection()
                                .query(QStringLiteral("SELECT MAX(Riadok) FROM UctovnyDennik;"))
                                .integer(0, 0);
    int sirka = std::max(
        SirkaRiadku,
        DBGrid->fontMetrics().horizontalAdvance(QString::number(posledny).fill(u'8')) + 12);
    // A practice mark stands before the number.
    if (!oznacene_.isEmpty())
        sirka += DBGrid->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, DBGrid) + 6;
    const int rozdiel = sirka - DBGrid->columnWidth(0);
    if (rozdiel == 0)
        return;
    DBGrid->setColumnWidth(0, sirka);
    DBGrid->setColumnWidth(3, std::max(80, DBGrid->columnWidth(3) - rozdiel));
}

QList<qint64> TfrmUctovnyDennik::oznaceneRiadky() const {
    QList<qint64> r = oznacene_.keys();
    std::sort(r.begin(), r.end());
    return r;
}

void TfrmUctovnyDennik::zrusitUpraveneZnacky() {
    if (oznacene_.isEmpty())
        return;
    QStringList cisla;
    for (auto it = oznacene_.cbegin(); it != oznacene_.cend(); ++it)
        cisla << QString::number(it.key());
    const ResultSet r = kontext.store().connection().query(
        QStringLiteral("SELECT Riadok, Datum, Doklad, Popis, Suma, MaDat, Dal FROM UctovnyDennik "
                       "WHERE Riadok IN (%1);")
            .arg(cisla.join(u',')));
    QHash<qint64, QString> teraz;
    for (int i = 0; i < r.rowCount(); ++i) {
        QStringList hodnoty;
        for (int k = 1; k < r.columnCount(); ++k)
            hodnoty << r.text(i, k);
        teraz.insert(r.integer(i, 0), hodnoty.join(QChar(0x1f)));
    }
    QHash<qint64, QString> zostava;
    for (auto it = oznacene_.cbegin(); it != oznacene_.cend(); ++it) {
        const auto t = teraz.constFind(it.key());
        // A fresh mark (no values yet) takes the row's values; a mark whose row changed goes.
        if (t != teraz.cend() && (it.value().isEmpty() || it.value() == *t))
            zostava.insert(it.key(), *t);
    }
    const bool zmena = zostava.size() != oznacene_.size();
    oznacene_ = zostava;
    if (zmena) {
        znacky_->nastavit(QSet<qint64>(oznacene_.keyBegin(), oznacene_.keyEnd()));
        nastavitSirkuRiadku();
    }
}

void TfrmUctovnyDennik::NastavitZoznam() {
    zrusitUpraveneZnacky();
    Store& s = kontext.store();
    QString where;
    if (cbFilter->currentIndex() >= 1) {
        const QString ucet = ucetPolozky(cbFilter->currentText());
        where = QStringLiteral(" WHERE %1 OR %2")
                    .arg(sqlAccountEquals(QStringLiteral("UctovnyDennik.MaDat"), ucet),
                         sqlAccountEquals(QStringLiteral("UctovnyDennik.Dal"), ucet));
    }
    const QString poradie = QStringLiteral(" ORDER BY Riadok;");
    // Both lists are read as the grid needs them: the row numbers of the (filtered) journal
    // up front, the lines in blocks; the two share the row numbers.
    const QString riadky = RiadkyDennika + where + u';';
    const QString kluc = QStringLiteral("UctovnyDennik.Riadok");
    s.qryDoklady.close();
    s.qryDoklady.setSQL(DruhyDennika + where + poradie);
    s.qryDoklady.setOnDemand({riadky, DruhyDennika, kluc});
    s.qryDoklady.open();
    s.qryUctovnyDennik.close();
    s.qryUctovnyDennik.setSQL(StlpceDennika + where + poradie);
    s.qryUctovnyDennik.setOnDemand({riadky, StlpceDennika, kluc});
    s.qryUctovnyDennik.open();

    const Qt::Alignment vpravo = Qt::AlignRight | Qt::AlignVCenter;
    const Qt::Alignment vlavo = Qt::AlignLeft | Qt::AlignVCenter;
    const Qt::Alignment stred = Qt::AlignHCenter | Qt::AlignVCenter;
    QList<GridColumn> stlpce = {
        {QStringLiteral("Riadok"), QStringLiteral("Riadok"), vpravo, SirkaRiadku, stred},
        {QStringLiteral("Datum"), QStringLiteral("Dátum"), vpravo, 59, stred},
        {QStringLiteral("Doklad"), QStringLiteral("Doklad"), vlavo, 43, stred},
        {QStringLiteral("Popis"), QStringLiteral("Popis"), vlavo, 238, vlavo},
        {QStringLiteral("Suma"), QStringLiteral("Suma"), vpravo, 61, stred},
        {QStringLiteral("MaDat"), QStringLiteral("Má dať"), stred, 45, stred},
        {QStringLiteral("Dal"), QStringLiteral("Dal"), stred, 45, stred},
    };
    s.qryUctovnyDennik.model()->setColumns(stlpce);
    // Suma widens for the longest amount and Riadok for the longest row number (a journal of
    // a million lines), Popis gives the room: a number is never cut.
    const ResultSet najdlhsia = s.connection().query(
        QStringLiteral("SELECT Suma FROM UctovnyDennik ORDER BY LENGTH(Suma) DESC LIMIT 1;"));
    if (najdlhsia.rowCount() > 0)
        rozsiritStlpceSum(DBGrid, stlpce, {{4, najdlhsia.text(0, 0).fill(u'8')}});
    for (int i = 0; i < stlpce.size(); ++i)
        DBGrid->setColumnWidth(i, stlpce[i].width);
    nastavitSirkuRiadku();

    prazdny_ = s.qryUctovnyDennik.text(QStringLiteral("Riadok")).isEmpty();
    pmHlavne->setDefaultAction(prazdny_ ? nullptr : pmItmUpravit);
    pmItmPridat->setDefaultAction(prazdny_ ? pmItmPridatPolozku : nullptr);
    zosuladitGrid();
    nastavitPrikazy();
}

void TfrmUctovnyDennik::nastavitPrikazy() {
    const SluzbyDennika& sluzby = kontext.sluzbyDennika();
    const QString druh = kontext.store().qryDoklady.isOpen() && !prazdny_
                             ? kontext.store().qryDoklady.text(QStringLiteral("Druh"))
                             : QString();
    const bool doklad = !druh.isEmpty();
    // A document line is edited by its document's editor: without one it cannot be.
    const bool upravit = !prazdny_ && (!doklad || sluzby.otvoritDoklad);
    btnUpravit->setEnabled(upravit);
    pmItmUpravit->setEnabled(upravit);
    const bool odstranit = !prazdny_ && !skuskaSkoncena_;
    btnOdstranit->setEnabled(odstranit);
    pmItmOdstranit->menuAction()->setEnabled(odstranit);
    btnTlacit->setEnabled(!prazdny_);
    pmItmTlacit->menuAction()->setEnabled(!prazdny_);

    const bool odstranitPolozku = !doklad || sluzby.otvoritDoklad;
    mmItmOdstranitPolozku->setEnabled(odstranitPolozku);
    pmItmOdstranitPolozku->setEnabled(odstranitPolozku);
    mmItmOdstranitDoklad->setEnabled(doklad);
    pmItmOdstranitDoklad->setEnabled(doklad);
    const bool tlacitDoklad = doklad && sluzby.tlacitDoklad;
    mmItmTlacitDoklad->setEnabled(tlacitDoklad);
    pmItmTlacitDoklad->setEnabled(tlacitDoklad);
    const bool tlacitDennik = static_cast<bool>(sluzby.tlacitDennik);
    mmItmTlacitUctovnyDennik->setEnabled(tlacitDennik);
    pmItmTlacitUctovnyDennik->setEnabled(tlacitDennik);
    for (QAction* a : pridatDoklad_)
        a->setEnabled(static_cast<bool>(sluzby.otvoritDoklad));
}

void TfrmUctovnyDennik::zosuladitGrid() {
    const int rec = kontext.store().qryUctovnyDennik.recNo();
    const QModelIndex current = DBGrid->currentIndex();
    if (rec == 0 || (current.isValid() && current.row() == rec - 1))
        return;
    zosuladujem_ = true;
    const QModelIndex i = DBGrid->model()->index(rec - 1, 0);
    DBGrid->selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect |
                                                     QItemSelectionModel::Rows);
    DBGrid->scrollTo(i);
    zosuladujem_ = false;
}

void TfrmUctovnyDennik::dsUctovnyDennikDataChange() {
    Store& s = kontext.store();
    s.qryDoklady.setRecNo(s.qryUctovnyDennik.recNo());
    zosuladitGrid();
    nastavitPrikazy();
}

void TfrmUctovnyDennik::cbFilterChange() {
    NastavitZoznam();
}

int TfrmUctovnyDennik::vybranaPozicia() const {
    return kontext.store().qryUctovnyDennik.recNo();
}

void TfrmUctovnyDennik::vybrat(int pozicia) {
    DataSet& d = kontext.store().qryUctovnyDennik;
    if (d.isEmpty())
        return;
    d.setRecNo(std::clamp(pozicia, 1, d.recordCount()));
    dsUctovnyDennikDataChange();
}

void TfrmUctovnyDennik::otvoritMenu(QMenu* menu, QPushButton* b) {
    const QRect plocha(b->mapToGlobal(QPoint(0, 0)), b->size());
    menu->popup(bodMenu(plocha, QCursor::pos()));
}

void TfrmUctovnyDennik::btnPridatClick() {
    otvoritMenu(pmPridat, btnPridat);
}

void TfrmUctovnyDennik::btnOdstranitClick() {
    otvoritMenu(pmOdstranit, btnOdstranit);
}

void TfrmUctovnyDennik::btnTlacitClick() {
    otvoritMenu(pmTlacit, btnTlacit);
}

void TfrmUctovnyDennik::pmItmPridatPolozkuClick() {
    const int r = (new TfrmPolozkaUctovnehoDennika(kontext))
                      ->Otvorit(0, Dennik, QString(), kontext.pracovnyDatum(), QString());
    if (r == -1)
        return;
    NastavitZoznam();
    vybrat(kontext.store().qryUctovnyDennik.recordCount());
}

void TfrmUctovnyDennik::pmItmPridatDokladClick(const QString& druh) {
    if (!kontext.sluzbyDennika().otvoritDoklad)
        return;
    const QString cislo = kontext.sluzbyDennika().otvoritDoklad(druh, QString());
    if (!cislo.isEmpty()) {
        NastavitZoznam();
        vybrat(kontext.store().qryUctovnyDennik.recordCount());
    }
    kontext.nastavitTitulok(windowTitle());
}

void TfrmUctovnyDennik::btnUpravitClick() {
    Store& s = kontext.store();
    if (s.qryUctovnyDennik.text(QStringLiteral("Riadok")).isEmpty())
        return;
    s.qryDoklady.setRecNo(s.qryUctovnyDennik.recNo());
    if (!s.qryDoklady.text(QStringLiteral("Druh")).isEmpty()) {
        upravitDoklad();
        return;
    }
    const int pozicia = vybranaPozicia();
    const auto riadok = static_cast<int>(s.qryUctovnyDennik.integer(QStringLiteral("Riadok")));
    const int r = (new TfrmPolozkaUctovnehoDennika(kontext))
                      ->Otvorit(riadok, Dennik, QString(), kontext.pracovnyDatum(), QString());
    if (r == -1)
        return;
    NastavitZoznam();
    vybrat(pozicia);
}

void TfrmUctovnyDennik::upravitDoklad() {
    Store& s = kontext.store();
    if (!kontext.sluzbyDennika().otvoritDoklad)
        return;
    const QString druh = s.qryDoklady.text(QStringLiteral("Druh"));
    const QString doklad = s.qryUctovnyDennik.text(QStringLiteral("Doklad"));
    const int pozicia = vybranaPozicia();
    const QString cislo = kontext.sluzbyDennika().otvoritDoklad(druh, doklad);
    if (!cislo.isEmpty()) {
        NastavitZoznam();
        vybrat(pozicia);
    }
    kontext.nastavitTitulok(windowTitle());
}

void TfrmUctovnyDennik::pmItmOdstranitPolozkuClick() {
    Store& s = kontext.store();
    if (prazdny_ || skuskaSkoncena_)
        return;
    s.qryDoklady.setRecNo(s.qryUctovnyDennik.recNo());
    if (!s.qryDoklady.text(QStringLiteral("Druh")).isEmpty()) {
        if (askYesNo(this, QStringLiteral("Odstránenie riadku"),
                     QStringLiteral("Ak chcete odstrániť zvolený riadok, otvorte príslušný "
                                    "doklad,\na potom ho môžete z neho odstrániť.\n\nŽeláte si "
                                    "tento doklad otvoriť?"),
                     DialogService::Icon::Information))
            upravitDoklad();
        return;
    }
    const qint64 riadok = s.qryUctovnyDennik.integer(QStringLiteral("Riadok"));
    if (!askYesNo(this, QStringLiteral("Potvrdenie odstránenia riadku"),
                  QStringLiteral("Naozaj chcete označený riadok č. %1 odstrániť?").arg(riadok)))
        return;
    kontext.SQL(QStringLiteral("DELETE FROM UctovnyDennik WHERE Riadok = %1;").arg(riadok));
    const int pozicia = vybranaPozicia();
    NastavitZoznam();
    vybrat(pozicia);
}

void TfrmUctovnyDennik::pmItmOdstranitDokladClick() {
    Store& s = kontext.store();
    if (prazdny_ || skuskaSkoncena_)
        return;
    s.qryDoklady.setRecNo(s.qryUctovnyDennik.recNo());
    if (s.qryDoklady.text(QStringLiteral("Druh")).isEmpty())
        return;
    const QString doklad = s.qryUctovnyDennik.text(QStringLiteral("Doklad"));
    const qint64 riadok = s.qryUctovnyDennik.integer(QStringLiteral("Riadok"));
    if (!askYesNo(this, QStringLiteral("Potvrdenie odstránenia dokladu"),
                  QStringLiteral("Naozaj chcete doklad %1 k označenému riadku č. %2 aj spolu s "
                                 "ostatnými riadkami odstrániť?")
                      .arg(doklad, QString::number(riadok))))
        return;
    upravy::odstranitDoklad(s, doklad);
    const int pozicia = vybranaPozicia();
    NastavitZoznam();
    vybrat(pozicia);
}

void TfrmUctovnyDennik::pmItmTlacitUctovnyDennikClick() {
    if (kontext.sluzbyDennika().tlacitDennik)
        kontext.sluzbyDennika().tlacitDennik();
}

void TfrmUctovnyDennik::pmItmTlacitDokladClick() {
    Store& s = kontext.store();
    if (!kontext.sluzbyDennika().tlacitDoklad || prazdny_)
        return;
    s.qryDoklady.setRecNo(s.qryUctovnyDennik.recNo());
    const QString druh = s.qryDoklady.text(QStringLiteral("Druh"));
    if (druh.isEmpty())
        return;
    kontext.sluzbyDennika().tlacitDoklad(druh, s.qryUctovnyDennik.text(QStringLiteral("Doklad")));
    kontext.nastavitTitulok(windowTitle());
}

void TfrmUctovnyDennik::btnZavrietClick() {
    reject();
}

void TfrmUctovnyDennik::DBGridDblClick() {
    if (prazdny_)
        pmItmPridatPolozkuClick();
    else if (btnUpravit->isEnabled())
        btnUpravitClick();
}

bool TfrmUctovnyDennik::eventFilter(QObject* o, QEvent* e) {
    if (o == DBGrid->viewport() && e->type() == QEvent::MouseButtonDblClick) {
        chranene(this, [this] { DBGridDblClick(); })();
        return true;
    }
    return TfrmCeleOkno::eventFilter(o, e);
}

} // namespace saldovia
