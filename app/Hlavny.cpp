#include "Hlavny.h"

#include "Coje.h"
#include "Kalkulacka.h"
#include "Pomocnik.h"
#include "Pracovnydatum.h"
#include "Umiestnenie.h"
#include "accounts/Uctovaosnova.h"
#include "closing/Uctovnazavierka.h"
#include "documents/Doklady.h"
#include "edits/DruhyDokladov.h"
#include "edits/Upravy.h"
#include "exam/Hodiny.h"
#include "exam/Pecat.h"
#include "exam/Skuska.h"
#include "exam/Vysledky.h"
#include "exam/Vysledkytriedy.h"
#include "journal/Uctovnydennik.h"
#include "ledger/Hlavnakniha.h"
#include "notes/Poznamky.h"
#include "reports/Doklad2tlac.h"
#include "reports/Dokladtlac.h"
#include "reports/Knihafakturtlac.h"
#include "reports/Uctovnydenniktlac.h"
#include "settings/Agendanastavenie.h"
#include "settings/Agendaprisposobenie.h"
#include "store/Agenda.h"
#include "store/Values.h"
#include "ui/Dialogs.h"
#include "ui/Okna.h"

#include <utility>

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QShortcut>
#include <QStandardPaths>
#include <QTimer>
#include <QVBoxLayout>

namespace saldovia {

namespace {

const QString Titulok = QStringLiteral("Saldovia");
const QString Autorstvo = QStringLiteral("Saldovia – program pre školy");
const QString ZavierkaVZozname = QStringLiteral("Účtovná závierka");

QIcon ikona(const QString& meno) {
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(meno));
}

QAction* akcia(QWidget* parent, QMenu* menu, const QString& meno, const QString& caption,
               const QString& obrazok = {}) {
    auto* a = new QAction(caption, parent);
    a->setObjectName(meno);
    if (!obrazok.isEmpty())
        a->setIcon(ikona(obrazok));
    menu->addAction(a);
    return a;
}

QMenu* podmenu(QMenu* parent, const QString& meno, const QString& caption) {
    QMenu* m = parent->addMenu(caption);
    m->setObjectName(meno);
    m->menuAction()->setObjectName(meno);
    return m;
}

} // namespace

TfrmHlavny::TfrmHlavny(const QString& programDir)
    : TfrmHlavny(programDir.isEmpty() ? umiestnenieProgramu()
                                      : Umiestnenie{programDir, programDir, {}}) {}

TfrmHlavny::TfrmHlavny(const Umiestnenie& umiestnenie)
    : VerziaProgramu(saldovia::VerziaProgramu), Heslo(saldovia::Heslo),
      priecinok_(umiestnenie.agenda), datovyPriecinok_(umiestnenie.data),
      chybaUmiestnenia_(umiestnenie.chyba),
      tlaciaren_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("TfrmHlavny"));
    setWindowTitle(Titulok);
    setWindowIcon(ikona(QStringLiteral("saldovia")));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    tlaciaren_->setPageSize(QPageSize(QPageSize::Letter));

    hodiny_ = new SkuskaHodiny(store_.tblAgendaNastavenie, {}, this);
    Timer = hodiny_->timer();
    connect(Timer, &QTimer::timeout, this, chranene(this, [this] { TimerTimer(); }));

    vytvoritMenu();
    vytvoritPlochu();

    StatusBar = new TStatusBar(this);
    setStatusBar(StatusBar);
    hodiny_->nastavitOkolie({
        .zostatok = [this] { return relacia_.zostatok; },
        .zobrazit =
            [this](const QString& text) {
                relacia_.zostatok = text;
                zobrazitRelaciu();
            },
        .doplnit = [this](SettingsRow& s) { rozpisaneMeno(s); },
        .vyprsal = [this] { pmItmUkoncitSkusku->setEnabled(false); },
        .skoncila =
            [this] {
                zaznamenatKoniec();
                ohlasitKoniecSkusky();
            },
        .vyhodnotit =
            [this] {
                nastavitPolozkySkusky();
                VyhodnotitSkusku();
            },
    });
    connect(StatusBar, &TStatusBar::dvojklik, this,
            chranene(this, [this](int x) { StatusBarDblClick(x); }));
    connect(StatusBar, &TStatusBar::kontextoveMenu, this,
            [this](const QPoint& pos) { PopupMenu->popup(pos); });

    // FormCreate: the working date starts as today; the fixed notice in the last panel.
    relacia_.pracovnyDatum = dateToText(QDate::currentDate());
    zobrazitRelaciu();
    StatusBar->setPanel(4, Autorstvo);

    // The journal window prints its lines (as filtered) through the journal printout.
    sluzby_.tlacitDennik = [this] {
        QWidget* parent = QApplication::activeModalWidget();
        TfrmUctovnyDennikTlac::Tlacit(store_, *tlaciaren_, uctovnyRok(), parent ? parent : this);
    };

    // Document services of the journal window.
    // A document opens in the editor of its kind.
    sluzby_.otvoritDoklad = [this](const QString& druh, const QString& cislo) {
        return otvoritDoklad(*this, druh, cislo);
    };
    // A document prints with the printout of its kind's class: invoices and cash documents
    // with their parties and VAT, the other kinds with their journal lines.
    sluzby_.tlacitDoklad = [this](const QString& druh, const QString& cislo) {
        QWidget* parent = QApplication::activeModalWidget();
        if (!parent)
            parent = this;
        const DruhDokladu* d = druhDokladu(druh);
        if (d && d->tlac == Formular::Faktura)
            TfrmDoklad2Tlac::Tlacit(store_, *tlaciaren_, cislo, parent);
        else
            TfrmDokladTlac::Tlacit(store_, *tlaciaren_, cislo, parent);
    };

    const QString helpPath = umiestnenie.data + QStringLiteral("/Pomocnik.hlp");
    if (auto help = HelpFile::load(helpPath))
        pomocnik_ = std::make_unique<HelpFile>(std::move(*help));

    setFixedSize(sizeHint());
    if (QScreen* s = screen())
        move(s->availableGeometry().center() - rect().center());
}

TfrmHlavny::~TfrmHlavny() {
    delete oknoPomocnika_.data();
    delete kalkulacka_.data();
    OdpojitDatabazu();
}

void TfrmHlavny::vytvoritMenu() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));

    mmItmAgenda = bar->addMenu(QStringLiteral("&Agenda"));
    mmItmAgenda->setObjectName(QStringLiteral("mmItmAgenda"));
    mmItmNova = podmenu(mmItmAgenda, QStringLiteral("mmItmNova"), QStringLiteral("&Nová"));
    mmItmNova->menuAction()->setIcon(ikona(QStringLiteral("menu-nova")));
    mmItmZachovatNastavenia = akcia(this, mmItmNova, QStringLiteral("mmItmZachovatNastavenia"),
                                    QStringLiteral("&Zachovať nastavenia"));
    mmItmVychodzieNastavenia = akcia(this, mmItmNova, QStringLiteral("mmItmVychodzieNastavenia"),
                                     QStringLiteral("&Východzie nastavenia"));
    mmItmObnovit = akcia(this, mmItmAgenda, QStringLiteral("mmItmObnovit"),
                         QStringLiteral("&Obnoviť..."), QStringLiteral("menu-obnovit"));
    mmItmZalohovat = akcia(this, mmItmAgenda, QStringLiteral("mmItmZalohovat"),
                           QStringLiteral("&Zálohovať..."), QStringLiteral("menu-zalohovat"));
    mmItmOdovzdatSkusku = akcia(this, mmItmAgenda, QStringLiteral("mmItmOdovzdatSkusku"),
                                QStringLiteral("O&dovzdať skúšku..."));
    mmItmOdovzdatSkusku->setEnabled(false);
    mmItmAgenda->addSeparator();
    mmItmNastavenie =
        akcia(this, mmItmAgenda, QStringLiteral("mmItmNastavenie"), QStringLiteral("Na&stavenie"));
    mmItmPrisposobenie = akcia(this, mmItmAgenda, QStringLiteral("mmItmPrisposobenie"),
                               QStringLiteral("&Prispôsobenie"));
    mmItmAgenda->addSeparator();
    mmItmSkoncit =
        akcia(this, mmItmAgenda, QStringLiteral("mmItmSkoncit"), QStringLiteral("S&končiť"));

    mmItmDoklady = bar->addMenu(QStringLiteral("&Doklady"));
    mmItmDoklady->setObjectName(QStringLiteral("mmItmDoklady"));
    mmItmDoklady->menuAction()->setObjectName(QStringLiteral("mmItmDoklady"));
    pmDoklady = new QMenu(this);
    pmDoklady->setObjectName(QStringLiteral("pmDoklady"));
    for (const char* prefix : {"mmItm", "pmItm"}) {
        QMenu* root = QLatin1String(prefix) == QLatin1String("mmItm") ? mmItmDoklady : pmDoklady;
        const QString p = QString::fromLatin1(prefix);
        // the groups' submenus, each where its first kind stands
        const std::pair<const char*, const char*> nazvySkupin[] = {
            {nullptr, nullptr},
            {"Fakturacia", "&Fakturácia"},
            {"Sklad", "&Sklad"},
            {"PokladnicneDoklady", "&Pokladničné doklady"}};
        QMenu* skupiny[4] = {root, nullptr, nullptr, nullptr};
        for (const DruhDokladu& d : druhyDokladov()) {
            const auto g = static_cast<std::size_t>(d.skupina);
            if (!skupiny[g])
                skupiny[g] = podmenu(root, p + QLatin1String(nazvySkupin[g].first),
                                     QString::fromUtf8(nazvySkupin[g].second));
            QAction* a = akcia(this, skupiny[g], p + QString::fromLatin1(d.menoZoznamu),
                               QString::fromUtf8(d.zoznam));
            a->setData(d.kodText());
            connect(a, &QAction::triggered, this,
                    chranene(this, [this, a] { mmItmDokladyClick(a); }));
        }
    }

    mmItmKnihy = bar->addMenu(QStringLiteral("&Knihy"));
    mmItmKnihy->setObjectName(QStringLiteral("mmItmKnihy"));
    mmItmKnihy->menuAction()->setObjectName(QStringLiteral("mmItmKnihy"));
    mmItmUctovnyDennik = akcia(this, mmItmKnihy, QStringLiteral("mmItmUctovnyDennik"),
                               QStringLiteral("Účtovný &denník"));
    mmItmHlavnaKniha = akcia(this, mmItmKnihy, QStringLiteral("mmItmHlavnaKniha"),
                             QStringLiteral("&Hlavná kniha"));
    mmItmKnihaFaktur = akcia(this, mmItmKnihy, QStringLiteral("mmItmKnihaFaktur"),
                             QStringLiteral("Kniha &faktúr"));
    mmItmKnihy->addSeparator();
    mmItmUctovnaZavierka = akcia(this, mmItmKnihy, QStringLiteral("mmItmUctovnaZavierka"),
                                 QStringLiteral("Účtovná &závierka"));

    mmItmNastroje = bar->addMenu(QStringLiteral("&Nástroje"));
    mmItmNastroje->setObjectName(QStringLiteral("mmItmNastroje"));
    mmItmKalkulacka = akcia(this, mmItmNastroje, QStringLiteral("mmItmKalkulacka"),
                            QStringLiteral("&Kalkulačka"), QStringLiteral("menu-kalkulacka"));
    mmItmNastavenieTlace =
        akcia(this, mmItmNastroje, QStringLiteral("mmItmNastavenieTlace"),
              QStringLiteral("Nastavenie &tlače"), QStringLiteral("menu-nastavenie-tlace"));
    mmItmNastroje->addSeparator();
    mmItmPoznamky =
        akcia(this, mmItmNastroje, QStringLiteral("mmItmPoznamky"), QStringLiteral("&Poznámky"));
    mmItmUctovaOsnova = akcia(this, mmItmNastroje, QStringLiteral("mmItmUctovaOsnova"),
                              QStringLiteral("Účtová &osnova"));
    mmItmPracovnyDatum = akcia(this, mmItmNastroje, QStringLiteral("mmItmPracovnyDatum"),
                               QStringLiteral("Pracovný &dátum"));

    mmItmPomocnik = bar->addMenu(QStringLiteral("&Pomocník"));
    mmItmPomocnik->setObjectName(QStringLiteral("mmItmPomocnik"));
    mmItmPouzivatelskaPrirucka =
        akcia(this, mmItmPomocnik, QStringLiteral("mmItmPouzivatelskaPrirucka"),
              QStringLiteral("&Pomocník F1"), QStringLiteral("menu-pomocnik"));
    // The caption names the key already: F1 is a shortcut of the window, not of the item,
    // so that the menu does not show it a second time.
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), this);
    f1->setObjectName(QStringLiteral("scPomocnik"));
    f1->setContext(Qt::WindowShortcut);
    connect(f1, &QShortcut::activated, mmItmPouzivatelskaPrirucka, &QAction::trigger);
    mmItmPomocnik->addSeparator();
    mmItmVygenerovatSkusku =
        akcia(this, mmItmPomocnik, QStringLiteral("mmItmVygenerovatSkusku"),
              QStringLiteral("Vygenerovať &skúšku"), QStringLiteral("menu-skuska"));
    mmItmVygenerovatSkusku->setVisible(false);
    mmItmVygenerovatSkuskuZamok =
        akcia(this, mmItmPomocnik, QStringLiteral("mmItmVygenerovatSkuskuZamok"),
              QStringLiteral("Vygenerovať &skúšku"), QStringLiteral("menu-skuska-zamok"));
    mmItmVygenerovatSkuskuZamok->setEnabled(false);
    mmItmVysledkyTriedy = akcia(this, mmItmPomocnik, QStringLiteral("mmItmVysledkyTriedy"),
                                QStringLiteral("Výsledky &triedy..."));
    mmItmPomocnik->addSeparator();
    mmItmCoJe =
        akcia(this, mmItmPomocnik, QStringLiteral("mmItmCoJe"), QStringLiteral("Čo &je ..."));

    PopupMenu = new QMenu(this);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    pmItmAgendaNastavenie = akcia(this, PopupMenu, QStringLiteral("pmItmAgendaNastavenie"),
                                  QStringLiteral("Na&stavenie agendy"));
    pmItmPracovnyDatum = akcia(this, PopupMenu, QStringLiteral("pmItmPracovnyDatum"),
                               QStringLiteral("Pracovný &dátum"));
    pmItmUkoncitSkusku = akcia(this, PopupMenu, QStringLiteral("pmItmUkoncitSkusku"),
                               QStringLiteral("U&končiť skúšku"));
    pmItmUkoncitSkusku->setEnabled(false);
    pmItmCoJe = akcia(this, PopupMenu, QStringLiteral("pmItmCoJe"), QStringLiteral("Čo &je ..."));

    auto on = [this](QAction* a, auto handler) {
        connect(a, &QAction::triggered, this, chranene(this, handler));
    };
    on(mmItmZachovatNastavenia, [this] { mmItmNovaClick(mmItmZachovatNastavenia); });
    on(mmItmVychodzieNastavenia, [this] { mmItmNovaClick(mmItmVychodzieNastavenia); });
    on(mmItmObnovit, [this] { mmItmObnovitClick(mmItmObnovit); });
    on(mmItmZalohovat, [this] { mmItmZalohovatClick(); });
    on(mmItmOdovzdatSkusku, [this] { mmItmOdovzdatSkuskuClick(); });
    on(mmItmVysledkyTriedy, [this] { mmItmVysledkyTriedyClick(); });
    on(mmItmNastavenie, [this] { mmItmNastavenieClick(); });
    on(pmItmAgendaNastavenie, [this] { mmItmNastavenieClick(); });
    on(mmItmPrisposobenie, [this] { mmItmPrisposobenieClick(); });
    on(mmItmSkoncit, [this] { mmItmSkoncitClick(); });
    on(mmItmUctovnyDennik, [this] { mmItmUctovnyDennikClick(); });
    on(mmItmHlavnaKniha, [this] { mmItmHlavnaKnihaClick(); });
    on(mmItmKnihaFaktur, [this] { mmItmKnihaFakturClick(); });
    on(mmItmUctovnaZavierka, [this] { mmItmUctovnaZavierkaClick(); });
    on(mmItmKalkulacka, [this] { mmItmKalkulackaClick(); });
    on(mmItmNastavenieTlace, [this] { mmItmNastavenieTlaceClick(); });
    on(mmItmPoznamky, [this] { mmItmPoznamkyClick(); });
    on(mmItmUctovaOsnova, [this] { mmItmUctovaOsnovaClick(); });
    on(mmItmPracovnyDatum, [this] { mmItmPracovnyDatumClick(); });
    on(pmItmPracovnyDatum, [this] { mmItmPracovnyDatumClick(); });
    on(mmItmPouzivatelskaPrirucka, [this] { mmItmPouzivatelskaPriruckaClick(); });
    on(mmItmVygenerovatSkusku, [this] { mmItmVygenerovatSkuskuClick(); });
    on(mmItmCoJe, [this] { mmItmCoJeClick(); });
    on(pmItmCoJe, [this] { mmItmCoJeClick(); });
    on(pmItmUkoncitSkusku, [this] { KoniecSkusky(); });
}

void TfrmHlavny::vytvoritPlochu() {
    plocha_ = new QWidget;
    plocha_->setObjectName(QStringLiteral("pnlPlocha"));
    plocha_->setFixedSize(SirkaPlochy, VyskaPlochy);
    setCentralWidget(plocha_);

    // Left: greeting, the five-line text and a picture on a soft background.
    auto* vlavo = new QWidget(plocha_);
    vlavo->setObjectName(QStringLiteral("pnlVlavo"));
    vlavo->setGeometry(0, 0, 200, VyskaPlochy);
    vlavo->setAutoFillBackground(true);
    vlavo->setStyleSheet(QStringLiteral(
        "#pnlVlavo { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #E8EEF7, "
        "stop:1 #D3DEEE); }"));

    lblVitajte = new QLabel(QStringLiteral("Vitajte!"), vlavo);
    lblVitajte->setObjectName(QStringLiteral("lblVitajte"));
    lblVitajte->setGeometry(12, 10, 180, 40);
    lblVitajte->setStyleSheet(
        QStringLiteral("color: #1F3A68; font-size: 24pt; font-weight: bold;"));

    lblNaSkuske = new QLabel(QStringLiteral("na skúške!"), vlavo);
    lblNaSkuske->setObjectName(QStringLiteral("lblNaSkuske"));
    lblNaSkuske->setGeometry(12, 48, 180, 30);
    lblNaSkuske->setStyleSheet(
        QStringLiteral("color: #B5462E; font-size: 16pt; font-weight: bold;"));
    lblNaSkuske->hide();

    auto* text = new QLabel(QStringLiteral("Dúfam, že budete\ns aplikáciou spokojní\na stane sa "
                                           "obľúbenou\npomôckou pri vyučovaní\na učení sa."),
                            vlavo);
    text->setObjectName(QStringLiteral("mmText"));
    text->setGeometry(14, 84, 180, 100);
    text->setStyleSheet(QStringLiteral("color: #33475F; font-style: italic;"));
    text->setTextInteractionFlags(Qt::NoTextInteraction);

    auto* obrazok = new QLabel(vlavo);
    obrazok->setObjectName(QStringLiteral("imgDekoracia"));
    obrazok->setGeometry(10, 196, 180, 200);
    obrazok->setPixmap(ikona(QStringLiteral("dekoracia")).pixmap(QSize(180, 200)));
    obrazok->setAlignment(Qt::AlignCenter);

    // Right: the white panel with the name entry, the function list and the results.
    auto* vpravo = new QFrame(plocha_);
    vpravo->setObjectName(QStringLiteral("pnlBiely"));
    vpravo->setGeometry(204, 4, SirkaPlochy - 208, VyskaPlochy - 8);
    vpravo->setFrameShape(QFrame::StyledPanel);
    vpravo->setFrameShadow(QFrame::Sunken);
    vpravo->setAutoFillBackground(true);
    QPalette white = vpravo->palette();
    white.setColor(QPalette::Window, Qt::white);
    vpravo->setPalette(white);
    const int w = vpravo->width();

    pnlMeno = new QWidget(vpravo);
    pnlMeno->setObjectName(QStringLiteral("pnlMeno"));
    pnlMeno->setGeometry(8, 8, w - 16, 56);
    auto* menoLabel = new QLabel(QStringLiteral("Najskôr zadajte svoje meno:"), pnlMeno);
    menoLabel->setObjectName(QStringLiteral("lblMeno"));
    menoLabel->setGeometry(0, 0, w - 16, 20);
    dbEdtMenoUzivatela = new QLineEdit(pnlMeno);
    dbEdtMenoUzivatela->setObjectName(QStringLiteral("dbEdtMenoUzivatela"));
    dbEdtMenoUzivatela->setMaxLength(50);
    dbEdtMenoUzivatela->setGeometry(0, 24, w - 16, 26);
    dbEdtMenoUzivatela->installEventFilter(this);
    connect(dbEdtMenoUzivatela, &QLineEdit::returnPressed, this,
            chranene(this, [this] { dbEdtMenoUzivatelaExit(); }));
    dbTxtMenoUzivatela = new QLabel(pnlMeno);
    dbTxtMenoUzivatela->setObjectName(QStringLiteral("dbTxtMenoUzivatela"));
    dbTxtMenoUzivatela->setGeometry(0, 24, w - 16, 26);
    dbTxtMenoUzivatela->setAlignment(Qt::AlignCenter);
    dbTxtMenoUzivatela->setCursor(Qt::PointingHandCursor);
    dbTxtMenoUzivatela->setToolTip(QStringLiteral("Opraviť!"));
    dbTxtMenoUzivatela->setStyleSheet(
        QStringLiteral("font-size: 12pt; font-weight: bold; color: #1F3A68;"));
    dbTxtMenoUzivatela->installEventFilter(this);
    dbTxtMenoUzivatela->hide();
    pnlMeno->hide();

    lblHlavneFunkcie =
        new QLabel(QStringLiteral("Hlavné funkcie, ktoré môžete použiť pri účtovaní:"), vpravo);
    lblHlavneFunkcie->setObjectName(QStringLiteral("lblHlavneFunkcie"));
    lblHlavneFunkcie->setGeometry(8, 70, w - 16, 20);
    lblHlavneFunkcie->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblHlavneFunkcie->hide();

    ListView = new QListWidget(vpravo);
    ListView->setObjectName(QStringLiteral("ListView"));
    ListView->setGeometry(8, 16, w - 16, vpravo->height() - 24);
    ListView->setViewMode(QListView::IconMode);
    ListView->setIconSize(QSize(32, 32));
    ListView->setGridSize(QSize(100, 76));
    ListView->setMovement(QListView::Static);
    ListView->setResizeMode(QListView::Adjust);
    ListView->setWordWrap(true);
    ListView->setFrameShape(QFrame::NoFrame);
    ListView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView->setSpacing(4);
    const std::pair<const char*, const char*> polozky[] = {
        {"Poznámky", "zoznam-poznamky"},         {"Účtovný denník", "zoznam-dennik"},
        {"Hlavná kniha", "zoznam-hlavna-kniha"}, {"Doklady", "zoznam-doklady"},
        {"Kniha faktúr", "zoznam-kniha-faktur"}, {"Kalkulačka", "zoznam-kalkulacka"},
        {"Pomocník", "zoznam-pomocnik"},         {"Účtovná závierka", "zoznam-zavierka"}};
    for (const auto& [caption, icon] : polozky)
        new QListWidgetItem(ikona(QString::fromLatin1(icon)), QString::fromUtf8(caption), ListView);
    connect(ListView, &QListWidget::itemClicked, this, chranene(this, [this] { ListViewClick(); }));
    connect(ListView, &QListWidget::itemDoubleClicked, this,
            chranene(this, [this] { ListViewDblClick(); }));

    // The function list's own spacing, for when the results give it back its room.
    ListView->setProperty("mriezka", ListView->gridSize());
    ListView->setProperty("medzera", ListView->spacing());
    pnlVysledky = new TpnlVysledky(*this, vpravo);
}

void TfrmHlavny::zobrazitVysledky(bool zobrazit) {
    // With the results the function list gives up the foot of the white panel and packs its
    // items closer, so that all of them stay in sight.
    const QSize mriezka = ListView->property("mriezka").toSize();
    if (zobrazit) {
        ListView->setSpacing(0);
        ListView->setGridSize(QSize(mriezka.width() - 3, mriezka.height() - 8));
        ListView->resize(ListView->width(), pnlVysledky->y() - 4 - ListView->y());
    } else {
        ListView->setSpacing(ListView->property("medzera").toInt());
        ListView->setGridSize(mriezka);
    }
    pnlVysledky->setVisible(zobrazit);
}

void TfrmHlavny::VyhodnotitSkusku() {
    pnlVysledky->Vyhodnotit([this] { zobrazitVysledky(true); },
                            !std::exchange(tichoVyhodnotit_, false));
}

void TfrmHlavny::btnPodrobnostiClick() {
    pnlVysledky->btnPodrobnostiClick();
}

QString TfrmHlavny::cestaAgendy() const {
    return priecinok_ + QStringLiteral("/Data.mdb");
}

void TfrmHlavny::setPracovnyDatum(const QString& datum) {
    relacia_.pracovnyDatum = datum;
    zobrazitRelaciu();
}

void TfrmHlavny::zobrazitRelaciu() {
    StatusBar->setPanel(0, relacia_.uctovnyRok);
    StatusBar->setPanel(2, relacia_.pracovnyDatum);
    StatusBar->setPanel(3, relacia_.zostatok);
}

QList<QAction*> TfrmHlavny::polozkyAgendy() const {
    return {mmItmNova->menuAction(),  mmItmZalohovat,     mmItmNastavenie,
            pmItmAgendaNastavenie,    mmItmPrisposobenie, mmItmDoklady->menuAction(),
            mmItmKnihy->menuAction(), mmItmPoznamky,      mmItmUctovaOsnova};
}

void TfrmHlavny::nastavitPolozkyAgendy(bool enabled) {
    relacia_.nacitana = enabled;
    for (QAction* a : polozkyAgendy())
        a->setEnabled(enabled);
}

bool TfrmHlavny::event(QEvent* e) {
    const bool handled = QMainWindow::event(e);
    if (e->type() == QEvent::WindowActivate && PrvaAktivacia)
        QTimer::singleShot(0, this, chranene(this, [this] { FormActivate(); }));
    return handled;
}

void TfrmHlavny::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    // Not every desktop activates a new window: the first showing starts up as well,
    // once the window is on screen so that questions appear above it.
    if (PrvaAktivacia)
        QTimer::singleShot(0, this, chranene(this, [this] { FormActivate(); }));
}

bool TfrmHlavny::eventFilter(QObject* o, QEvent* e) {
    if (o == dbEdtMenoUzivatela && e->type() == QEvent::FocusOut && dbEdtMenoUzivatela->isVisible())
        chranene(this, [this] { dbEdtMenoUzivatelaExit(); })();
    if (o == dbTxtMenoUzivatela && e->type() == QEvent::MouseButtonRelease)
        chranene(this, [this] { dbTxtMenoUzivatelaClick(); })();
    return QMainWindow::eventFilter(o, e);
}

void TfrmHlavny::FormActivate() {
    if (!PrvaAktivacia)
        return;
    PrvaAktivacia = false;
    if (!chybaUmiestnenia_.isEmpty())
        showWarning(this, QStringLiteral("Upozornenie"),
                    QStringLiteral("Pripravenú agendu sa nepodarilo skopírovať:\n\n") +
                        chybaUmiestnenia_);
    const QString path = cestaAgendy();
    // A second copy on the same agenda would lose its saves when the first one closes and
    // puts a compacted file in place, or restores another one: it does not start.
    // A linked agenda is locked where its file is: two folders may link the same file.
    if (zamok_.ziskat(QFileInfo(cielOdkazov(path)).absolutePath()) == ZamokAgendy::Stav::Obsadeny) {
        nastavitPolozkyAgendy(false);
        showError(
            this, QStringLiteral("Chyba"),
            QStringLiteral("Agenda je už otvorená v inom spustenom programe Saldovia.\nPokračujte "
                           "v ňom, alebo ho zatvorte a program spustite znova."));
        close();
        return;
    }
    upratatPriecinokAgendy(path);
    if (QFileInfo::exists(path) && PripojitOverenuDatabazu(path)) {
        relacia_.nacitana = true;
        if (const QString prekazka = prekazkaZapisu(path); !prekazka.isEmpty())
            showWarning(this, QStringLiteral("Upozornenie"),
                        QStringLiteral("Agenda sa dá prezerať, ale zmeny sa do nej nebudú dať "
                                       "uložiť.\n\n") +
                            prekazka);
        NacitatStatusBar();
        NastavitSkusku();
    } else {
        nastavitPolozkyAgendy(false);
        nastavitPolozkySkusky();
        mmItmVygenerovatSkusku->setVisible(false);
        mmItmVygenerovatSkuskuZamok->setVisible(true);
        const auto answer = DialogService::instance().message(
            this, QStringLiteral("Chyba"),
            QStringLiteral("Súbor Data.mdb sa nenašiel alebo sa nedá použiť,\nželáte si načítať "
                           "databázu z iného?"),
            DialogService::Icon::Critical, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes)
            mmItmObnovitClick(this);
    }
}

void TfrmHlavny::PripojitDatabazu(const QString& path) {
    OdpojitDatabazu();
    store_.connectAgenda(path);
}

void TfrmHlavny::OdpojitDatabazu() {
    if (hodiny_)
        hodiny_->zastavit();
    store_.disconnectAgenda();
}

bool TfrmHlavny::KontrolaDatabazy(const QString& path) {
    OdpojitDatabazu();
    return kontrolaDatabazy(path);
}

bool TfrmHlavny::PripojitOverenuDatabazu(const QString& path) {
    OdpojitDatabazu();
    return store_.connectCheckedAgenda(path);
}

void TfrmHlavny::NacitatStatusBar() {
    SettingsRow& s = store_.tblAgendaNastavenie;
    const QString rok = s.text(QStringLiteral("UctovnyRok"));
    relacia_.uctovnyRok = rok;
    StatusBar->setPanel(1, s.text(QStringLiteral("NazovFirmy")));
    zobrazitRelaciu();
    if (!rok.isEmpty()) {
        const auto rozsah = upravy::rozsahRoka(rok);
        const auto datum = dateFromText(pracovnyDatum());
        if (!rozsah)
            throw DbError(QStringLiteral("'%1' nie je platný účtovný rok.").arg(rok));
        const auto [zaciatok, koniec] = *rozsah;
        if (!datum || zaciatok > *datum)
            setPracovnyDatum(dateToText(zaciatok));
        else if (koniec < *datum)
            setPracovnyDatum(dateToText(koniec));
    } else {
        QString vitajte = QStringLiteral("Vitajte v Účtovníctve!\nNajskôr musíte nastaviť údaje "
                                         "o firme a účtovnom roku...");
        // Where the demo to try first lies, when it is installed.
        if (const QString ukazka = priecinokUkazky(datovyPriecinok_); !ukazka.isEmpty())
            vitajte +=
                QStringLiteral(
                    "\n\nUkážkovú agendu Ukazka.mdb, jej skúšku "
                    "UkazkaSkuska.mdb a uzavretý rok UkazkaZavierka.mdb "
                    "nájdete v priečinku %1.\nPo uložení nastavení ich otvoríte cez Agenda → "
                    "Obnoviť...")
                    .arg(QDir::toNativeSeparators(ukazka));
        showInformation(this, QStringLiteral("Nastavenie agendy"), vitajte);
        mmItmNastavenieClick();
    }
}

void TfrmHlavny::NastavitSkusku() {
    SettingsRow& s = store_.tblAgendaNastavenie;
    const bool skuska = !s.text(QStringLiteral("SkuskaDlzka")).isEmpty();
    if (skuska && s.text(QStringLiteral("SkuskaKoniec")).isEmpty())
        odmietnutZnovuOtvorenu();
    else if (skuska) {
        // An exam finished before the program remembered ended exams, or whose end was stored
        // just before the program stopped. Remembering it is best effort here: the exam itself
        // is over either way.
        try {
            skuska::ukoncene::zapisat(skuska::odtlacokVzoru(store_.connection()),
                                      s.text(QStringLiteral("SkuskaZaciatok")));
        } catch (const DbError&) {
        }
    }
    if (skuska) {
        if (s.text(QStringLiteral("SkuskaZaciatok")).isEmpty()) {
            lblVitajte->setText(QStringLiteral("Vitajte"));
            lblNaSkuske->show();
        }
        hodiny_->spustit();
        pmItmUkoncitSkusku->setEnabled(true);
        mmItmNova->menuAction()->setEnabled(false);
        mmItmVygenerovatSkusku->setVisible(false);
        mmItmVygenerovatSkuskuZamok->setVisible(true);
        pnlMeno->show();
        const bool bezMena = s.text(QStringLiteral("MenoUzivatela")).isEmpty();
        dbEdtMenoUzivatela->setText(s.text(QStringLiteral("MenoUzivatela")));
        dbTxtMenoUzivatela->setText(s.text(QStringLiteral("MenoUzivatela")));
        dbEdtMenoUzivatela->setVisible(bezMena);
        dbTxtMenoUzivatela->setVisible(!bezMena);
        lblHlavneFunkcie->show();
        ListView->move(ListView->x(), 96);
        ListView->resize(ListView->width(), ListView->parentWidget()->height() - 104);
        mmItmPoznamky->setText(QStringLiteral("Zadanie"));
        ListView->item(0)->setText(QStringLiteral("Zadanie"));
        // The closing is no part of an exam: its place is the exam's end.
        if (ListView->count() > 7 && ListView->item(7)->text() == ZavierkaVZozname)
            delete ListView->takeItem(7);
        if (ListView->count() < 8)
            new QListWidgetItem(ikona(QStringLiteral("zoznam-ukoncit-skusku")),
                                QStringLiteral("Ukončiť skúšku"), ListView);
    } else {
        lblVitajte->setText(QStringLiteral("Vitajte!"));
        lblNaSkuske->hide();
        hodiny_->vypnut();
        pmItmUkoncitSkusku->setEnabled(false);
        mmItmNova->menuAction()->setEnabled(true);
        mmItmVygenerovatSkuskuZamok->setVisible(false);
        mmItmVygenerovatSkusku->setVisible(true);
        pnlMeno->hide();
        lblHlavneFunkcie->hide();
        ListView->move(ListView->x(), 16);
        ListView->resize(ListView->width(), ListView->parentWidget()->height() - 24);
        mmItmPoznamky->setText(QStringLiteral("&Poznámky"));
        ListView->item(0)->setText(QStringLiteral("Poznámky"));
        while (ListView->count() > 7 && ListView->item(7)->text() != ZavierkaVZozname)
            delete ListView->takeItem(7);
        if (ListView->count() < 8)
            new QListWidgetItem(ikona(QStringLiteral("zoznam-zavierka")), ZavierkaVZozname,
                                ListView);
    }
    nastavitPolozkySkusky();
    zobrazitVysledky(false);
}

bool TfrmHlavny::skuskaSkoncena() const {
    return upravy::skuskaSkoncena(store_);
}

void TfrmHlavny::nastavitPolozkySkusky() {
    relacia_.skuska = store_.isConnected() &&
                      !store_.tblAgendaNastavenie.text(QStringLiteral("SkuskaDlzka")).isEmpty();
    const bool skuska = relacia_.skuska;
    const bool skoncena = skuskaSkoncena();
    mmItmOdovzdatSkusku->setEnabled(skoncena);
    mmItmVysledkyTriedy->setEnabled(!skuska);
    mmItmUctovnaZavierka->setEnabled(!skuska);
    mmItmUctovnaZavierka->setVisible(!skuska);
    dbEdtMenoUzivatela->setReadOnly(skoncena);
    dbTxtMenoUzivatela->setCursor(skoncena ? Qt::ArrowCursor : Qt::PointingHandCursor);
    dbTxtMenoUzivatela->setToolTip(skoncena ? QString() : QStringLiteral("Opraviť!"));
}

void TfrmHlavny::TimerTimer() {
    hodiny_->tik();
}

void TfrmHlavny::ohlasitKoniecSkusky() {
    showInformation(this, QStringLiteral("Informácia"),
                    QStringLiteral("Skúška skončila!\nVšetky okná budú zatvorené..."));
    zatvoritOkna({QStringLiteral("TfrmAgendaNastavenie"), QStringLiteral("TfrmPracovnyDatum"),
                  QStringLiteral("TfrmCoJe"), QStringLiteral("TfrmUctovaOsnova"),
                  QStringLiteral("TfrmAgendaPrisposobenie"), QStringLiteral("TfrmPoznamky"),
                  QStringLiteral("TfrmPolozkaUctovnehoDennika"),
                  QStringLiteral("TfrmPolozkaDokladu"), QStringLiteral("TfrmDoklad"),
                  QStringLiteral("TfrmDoklad2"), QStringLiteral("TfrmDoklady"),
                  QStringLiteral("TfrmUctovnyDennik")});
}

void TfrmHlavny::zaznamenatKoniec() {
    Connection& c = store_.connection();
    {
        Transaction t(c);
        skuska::zapecatit(c);
        t.commit();
    }
    skuska::ukoncene::zapisat(skuska::odtlacokVzoru(c),
                              store_.tblAgendaNastavenie.text(QStringLiteral("SkuskaZaciatok")));
}

bool TfrmHlavny::odmietnutZnovuOtvorenu() {
    Connection& c = store_.connection();
    QString zaciatok;
    if (!skuska::ukoncene::obsahuje(skuska::odtlacokVzoru(c), &zaciatok))
        return false;
    SettingsRow& s = store_.tblAgendaNastavenie;
    const QString teraz = timestampToText(QDateTime::currentDateTime());
    {
        Transaction t(c);
        s.edit();
        if (s.text(QStringLiteral("SkuskaZaciatok")).isEmpty())
            s.setText(QStringLiteral("SkuskaZaciatok"), teraz);
        s.setText(QStringLiteral("SkuskaZostatok"), QStringLiteral("0:00:00"));
        s.setText(QStringLiteral("SkuskaKoniec"), teraz);
        s.post();
        skuska::Zaznam z = skuska::nacitatZaznam(c);
        z.znovuOtvorena = teraz;
        skuska::zapisatZaznam(c, z);
        skuska::zapecatit(c);
        t.commit();
    }
    showError(this, QStringLiteral("Chyba"),
              QStringLiteral("Táto skúška už na tomto počítači skončila (začiatok %1).\nZnova "
                             "ju otvoriť nemožno: skúška sa teraz ukončí a pri odovzdaní aj vo "
                             "výsledkoch triedy bude označená ako znovu otvorená.")
                  .arg(zaciatok));
    return true;
}

void TfrmHlavny::rozpisaneMeno(SettingsRow& s) {
    // The name entry stands for the settings row's field: a post stores the name typed so
    // far, also when the student has not left the entry yet.
    if (!pnlMeno->isHidden() && !dbEdtMenoUzivatela->isHidden())
        s.setText(QStringLiteral("MenoUzivatela"), dbEdtMenoUzivatela->text());
}

void TfrmHlavny::KoniecSkusky() {
    if (!hodiny_->zostavaCas())
        return;
    if (!askYesNo(this, QStringLiteral("Skúška"), QStringLiteral("Naozaj chcete skúšku ukončiť?")))
        return;
    hodiny_->ukoncit();
}

void TfrmHlavny::StatusBarDblClick(int x) {
    // the year and the company, the working date, the exam's time, the notice
    switch (TStatusBar::panelNa(x)) {
    case 0:
    case 1:
        if (mmItmNastavenie->isEnabled())
            mmItmNastavenieClick();
        break;
    case 2:
        mmItmPracovnyDatumClick();
        break;
    case 3:
        KoniecSkusky();
        break;
    default:
        mmItmCoJeClick();
    }
}

void TfrmHlavny::ListViewClick() {
    QListWidgetItem* item = ListView->currentItem();
    if (item && ListView->row(item) == 3 && mmItmDoklady->menuAction()->isEnabled())
        pmDoklady->popup(QCursor::pos());
}

void TfrmHlavny::ListViewDblClick() {
    QListWidgetItem* item = ListView->currentItem();
    const int i = item ? ListView->row(item) : -1;
    const bool knihy = mmItmKnihy->menuAction()->isEnabled();
    if (i == 0 && mmItmPoznamky->isEnabled())
        mmItmPoznamkyClick();
    else if (i == 1 && knihy)
        mmItmUctovnyDennikClick();
    else if (i == 2 && knihy)
        mmItmHlavnaKnihaClick();
    else if (i == 4 && knihy)
        mmItmKnihaFakturClick();
    else if (i == 5)
        mmItmKalkulackaClick();
    else if (i == 6)
        mmItmPouzivatelskaPriruckaClick();
    else if (i == 7 && knihy && relacia_.nacitana && !relacia_.skuska)
        mmItmUctovnaZavierkaClick();
    else if (relacia_.nacitana && relacia_.skuska && i == 7)
        KoniecSkusky();
}

void TfrmHlavny::dbEdtMenoUzivatelaExit() {
    SettingsRow& s = store_.tblAgendaNastavenie;
    // The name is part of the finished work: it stays as the exam ended.
    if (!s.isOpen() || skuskaSkoncena())
        return;
    s.edit();
    s.setText(QStringLiteral("MenoUzivatela"), dbEdtMenoUzivatela->text());
    s.post();
    const QString meno = s.text(QStringLiteral("MenoUzivatela"));
    if (!meno.isEmpty()) {
        dbTxtMenoUzivatela->setText(meno);
        dbEdtMenoUzivatela->hide();
        dbTxtMenoUzivatela->show();
    }
}

void TfrmHlavny::dbTxtMenoUzivatelaClick() {
    if (skuskaSkoncena())
        return;
    dbEdtMenoUzivatela->setText(store_.tblAgendaNastavenie.text(QStringLiteral("MenoUzivatela")));
    dbEdtMenoUzivatela->show();
    dbTxtMenoUzivatela->hide();
    dbEdtMenoUzivatela->setFocus();
}

void TfrmHlavny::mmItmNastavenieClick() {
    otvoritOkno(new TfrmAgendaNastavenie(*this));
}
void TfrmHlavny::mmItmPrisposobenieClick() {
    otvoritOkno(new TfrmAgendaPrisposobenie(*this));
}
void TfrmHlavny::mmItmUctovnyDennikClick() {
    otvoritOkno(new TfrmUctovnyDennik(*this));
}
void TfrmHlavny::mmItmPoznamkyClick() {
    otvoritOkno(new TfrmPoznamky(*this));
}
void TfrmHlavny::mmItmUctovaOsnovaClick() {
    otvoritOkno(new TfrmUctovaOsnova(*this));
}
void TfrmHlavny::mmItmVygenerovatSkuskuClick() {
    TfrmSkuska::Vygenerovat(*this);
}
void TfrmHlavny::mmItmVysledkyTriedyClick() {
    otvoritOkno(new TfrmVysledkyTriedy(*this));
}

void TfrmHlavny::mmItmDokladyClick(QObject* sender) {
    const auto* a = qobject_cast<QAction*>(sender);
    if (!a)
        return;
    otvoritOkno(new TfrmDoklady(*this, a->data().toString()));
}

void TfrmHlavny::mmItmHlavnaKnihaClick() {
    SQL(QStringLiteral("SELECT Count(*) AS Pocet FROM UctovnyDennik;"));
    if (ADOQuery().integer(QStringLiteral("Pocet")) <= 0) {
        showInformation(this, QStringLiteral("Hlavná kniha"),
                        QStringLiteral("Účtovný denník je prázdny!"));
        return;
    }
    TfrmHlavnaKniha(*this).Tlacit();
}

void TfrmHlavny::mmItmKnihaFakturClick() {
    SQL(QStringLiteral(
        "SELECT Count(*) AS Pocet FROM Doklady WHERE (Doklady.Druh='FV' OR Doklady.Druh='FP');"));
    if (ADOQuery().integer(QStringLiteral("Pocet")) <= 0) {
        showInformation(this, QStringLiteral("Kniha faktúr"),
                        QStringLiteral("Ešte nebola vystavená ani prijatá žiadna faktúra!"));
        return;
    }
    TfrmKnihaFakturTlac::Tlacit(store_, *tlaciaren_, uctovnyRok(), this);
}

void TfrmHlavny::mmItmUctovnaZavierkaClick() {
    if (!store_.tblAgendaNastavenie.text(QStringLiteral("SkuskaDlzka")).isEmpty()) {
        showError(this, TfrmUctovnaZavierka::Caption,
                  QStringLiteral("Počas skúšky nie je účtovná závierka k dispozícii."));
        return;
    }
    otvoritOkno(new TfrmUctovnaZavierka(*this));
}

void TfrmHlavny::mmItmSkoncitClick() {
    close();
}

void TfrmHlavny::mmItmKalkulackaClick() {
    for (const char* program : {"gnome-calculator", "kcalc", "galculator", "mate-calc",
                                "qalculate-gtk", "qalculate-qt", "kcalc", "xcalc"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(program));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    otvoritKalkulacku();
}

void TfrmHlavny::otvoritKalkulacku() {
    if (!kalkulacka_) {
        auto* k = new TfrmKalkulacka(*this);
        // a window of its own: not blocked by the modal windows the student posts in
        k->setParent(nullptr, k->windowFlags());
        k->setWindowModality(Qt::NonModal);
        k->setAttribute(Qt::WA_DeleteOnClose);
        kalkulacka_ = k;
    }
    if (kalkulacka_->isMinimized())
        kalkulacka_->showNormal();
    kalkulacka_->show();
    kalkulacka_->raise();
    kalkulacka_->activateWindow();
}

void TfrmHlavny::mmItmNastavenieTlaceClick() {
    DialogService::instance().printerSetup(this, *tlaciaren_);
}

void TfrmHlavny::mmItmPracovnyDatumClick() {
    otvoritOkno(new TfrmPracovnyDatum(*this));
}

void TfrmHlavny::mmItmPouzivatelskaPriruckaClick() {
    otvoritPomocnika(this, 5);
}

void TfrmHlavny::mmItmCoJeClick() {
    otvoritOkno(new TfrmCoJe(*this));
}

void TfrmHlavny::otvoritPomocnika(QWidget* parent, int context) {
    if (!pomocnik_) {
        showError(parent, QStringLiteral("Chyba"),
                  QStringLiteral("Súbor Pomocnik.hlp sa nenašiel,\npríručka nemôže byť otvorená!"));
        return;
    }
    // one help window without a parent, so that no modal window blocks it
    auto* okno = qobject_cast<TfrmPomocnik*>(oknoPomocnika_.data());
    if (!okno) {
        okno = new TfrmPomocnik(*pomocnik_, nullptr);
        okno->setAttribute(Qt::WA_DeleteOnClose);
        oknoPomocnika_ = okno;
        const QRect main = frameGeometry();
        okno->move(main.center() - okno->rect().center());
    }
    okno->zobrazit(context);
    if (okno->isMinimized())
        okno->showNormal();
    okno->show();
    okno->raise();
    okno->activateWindow();
}

void TfrmHlavny::registrovatOkno(QDialog* okno) {
    okna_.removeAll(nullptr);
    okna_.append(okno);
}

QDialog* TfrmHlavny::otvoreneOkno(const QString& meno) const {
    for (const QPointer<QDialog>& o : okna_)
        if (o && o->objectName() == meno)
            return o;
    return nullptr;
}

void TfrmHlavny::zatvoritOkna(const QStringList& poradie) {
    for (const QString& meno : poradie)
        if (QDialog* o = otvoreneOkno(meno))
            o->reject();
}

int TfrmHlavny::otvoritOkno(QDialog* okno) {
    QPointer<QDialog> guard(okno);
    const int result = okno->exec();
    if (qobject_cast<TfrmCeleOkno*>(okno) || windowTitle() != Titulok)
        setWindowTitle(Titulok);
    delete guard.data();
    return result;
}

QRect TfrmHlavny::pracovnaPlocha() const {
    return QRect(plocha_->mapToGlobal(QPoint(0, 0)), plocha_->size());
}

void TfrmHlavny::closeEvent(QCloseEvent* e) {
    // the windows of their own end with the program
    for (QWidget* w : {oknoPomocnika_.data(), kalkulacka_.data()})
        if (w)
            w->close();
    try {
        FormClose();
    } catch (const std::exception& ex) {
        ukazChybu(this, ex);
    }
    e->accept();
}

void TfrmHlavny::FormClose() {
    const bool nacitana = store_.isConnected();
    OdpojitDatabazu();
    if (!nacitana) {
        zamok_.uvolnit();
        return;
    }
    const QString agenda = cestaAgendy();
    const FileResult r = zhutnitAgendu(agenda);
    zamok_.uvolnit();
    // An agenda that is gone (deleted or moved while the program ran) stays nowhere.
    if (!r)
        showWarning(this, QStringLiteral("Zhutnenie agendy"),
                    QFileInfo::exists(agenda)
                        ? QStringLiteral("Agendu sa nepodarilo zhutniť, zostáva uložená bez "
                                         "zmeny.\n\n") +
                              r.error
                        : QStringLiteral("Agendu sa nepodarilo zhutniť.\n\n") + r.error);
}

} // namespace saldovia
