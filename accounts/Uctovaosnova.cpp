#include "Uctovaosnova.h"

#include "edits/Upravy.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Mriezka.h"
#include "ui/Ovladace.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace saldovia {

using ovladace::tlacidlo;

namespace {

const QString Zoznam = QStringLiteral("SELECT Cislo, Nazov FROM UctovaOsnova ORDER BY Cislo;");
constexpr int SirkaCisla = 35;
constexpr int SirkaNazvu = 484;

QLabel* popis(const QString& meno, const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text);
    l->setObjectName(meno);
    l->setBuddy(buddy);
    return l;
}

// The number of the account on which the chart's grid stands, "" on none.
QString cisloVybraneho(const DataSet& q) {
    return q.isOpen() && q.recNo() != 0 ? q.text(QStringLiteral("Cislo")) : QString();
}

} // namespace

TfrmUctovaOsnova::TfrmUctovaOsnova(Kontext& k)
    : TfrmCeleOkno(k, QStringLiteral("TfrmUctovaOsnova"), QStringLiteral("Účtová osnova"), 8) {
    DBGrid = new QTableView;
    DBGrid->setObjectName(QStringLiteral("DBGrid"));
    DBGrid->setModel(kontext.store().qryUctovaOsnova.model());
    DBGrid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid->setTabKeyNavigation(false);
    DBGrid->setWordWrap(false);
    DBGrid->setAlternatingRowColors(true);
    DBGrid->verticalHeader()->hide();
    DBGrid->verticalHeader()->setDefaultSectionSize(DBGrid->fontMetrics().height() + 6);
    DBGrid->horizontalHeader()->setHighlightSections(false);
    DBGrid->horizontalHeader()->setStretchLastSection(true);
    DBGrid->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // The selected row stays marked while the focus is in the edit area.
    QPalette paleta = DBGrid->palette();
    for (QPalette::ColorRole rola : {QPalette::Highlight, QPalette::HighlightedText})
        paleta.setColor(QPalette::Inactive, rola, paleta.color(QPalette::Active, rola));
    DBGrid->setPalette(paleta);
    connect(DBGrid->model(), &QAbstractItemModel::modelReset, this,
            [this] { nastavitSirkyStlpcov(); });
    connect(DBGrid->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            chranene(this, [this](const QModelIndex& current, const QModelIndex&) {
                DataSet& q = kontext.store().qryUctovaOsnova;
                if (!current.isValid() || current.row() + 1 == q.recNo())
                    return;
                int riadok = current.row();
                if (maZmeny()) {
                    // An account typed in the edit area is saved or thrown away first, as on
                    // closing; "Zrušiť" (or a refused save) keeps it and its row.
                    const QString ciel = current.siblingAtColumn(0).data().toString();
                    if (!mozeZatvorit()) {
                        QTimer::singleShot(0, this, [this] { ukazatVybranyRiadok(); });
                        return;
                    }
                    // a save filled the list anew: the row chosen is found by its number
                    const QAbstractItemModel* m = DBGrid->model();
                    riadok = -1;
                    for (int r = 0; r < m->rowCount() && riadok < 0; ++r)
                        if (m->index(r, 0).data().toString() == ciel)
                            riadok = r;
                    if (riadok < 0)
                        return;
                    // the click goes on to select the place it was made at, where another
                    // account may stand now: the saved choice is marked after it
                    QTimer::singleShot(0, this, [this] { ukazatVybranyRiadok(); });
                }
                q.setRecNo(riadok + 1);
                ukazatVybranyRiadok();
            }));

    lblEditacia = new QLabel(QStringLiteral("Editácia položky Účtovej osnovy"));
    lblEditacia->setObjectName(QStringLiteral("lblEditacia"));
    lblEditacia->setStyleSheet(QStringLiteral("font-weight: bold;"));
    lblEdtCislo = new QLineEdit;
    lblEdtCislo->setObjectName(QStringLiteral("lblEdtCislo"));
    lblEdtCislo->setMaxLength(5);
    lblEdtCislo->setFixedWidth(72);
    lblEdtNazov = new QLineEdit;
    lblEdtNazov->setObjectName(QStringLiteral("lblEdtNazov"));
    lblEdtNazov->setMaxLength(255);
    cbDruh = new QComboBox;
    cbDruh->setObjectName(QStringLiteral("cbDruh"));
    cbDruh->setEditable(false);
    cbDruh->setMinimumWidth(170);
    cbDruh->installEventFilter(this);
    lblDruh = popis(QStringLiteral("lblDruh"), QStringLiteral("Druh:"), cbDruh);
    chbPrepisat = new QCheckBox(QStringLiteral("Prepísať existujúce údaje!"));
    chbPrepisat->setObjectName(QStringLiteral("chbPrepisat"));
    chbPrepisat->setProperty("mimoZmien", true);
    btnUlozit = tlacidlo(QStringLiteral("btnUlozit"), QStringLiteral("&Uložiť"), 92);
    btnOdstranit = tlacidlo(QStringLiteral("btnOdstranit"), QStringLiteral("&Odstrániť"), 92);
    btnZavriet = tlacidlo(QStringLiteral("btnZavriet"), QStringLiteral("&Zavrieť"), 92);
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    connect(btnOdstranit, &QPushButton::clicked, this,
            chranene(this, [this] { btnOdstranitClick(); }));
    connect(btnZavriet, &QPushButton::clicked, this, [this] { btnZavrietClick(); });

    // The edit area under the list: labels above their fields, the commands on the right.
    auto* polia = new QGridLayout;
    polia->setHorizontalSpacing(8);
    polia->setVerticalSpacing(3);
    polia->addWidget(
        popis(QStringLiteral("lblEdtCisloPopis"), QStringLiteral("Číslo:"), lblEdtCislo), 0, 0);
    polia->addWidget(lblEdtCislo, 1, 0);
    polia->addWidget(
        popis(QStringLiteral("lblEdtNazovPopis"), QStringLiteral("Názov:"), lblEdtNazov), 0, 1);
    polia->addWidget(lblEdtNazov, 1, 1);
    polia->addWidget(lblDruh, 0, 2);
    polia->addWidget(cbDruh, 1, 2);
    polia->setColumnStretch(1, 1);
    auto* prikazy = new QHBoxLayout;
    prikazy->setSpacing(8);
    prikazy->addWidget(chbPrepisat);
    prikazy->addStretch();
    prikazy->addWidget(btnUlozit);
    prikazy->addWidget(btnOdstranit);
    prikazy->addSpacing(12);
    prikazy->addWidget(btnZavriet);

    auto* ramcek = new QFrame;
    ramcek->setObjectName(QStringLiteral("pnlEditacia"));
    ramcek->setFrameShape(QFrame::StyledPanel);
    ramcek->setFrameShadow(QFrame::Sunken);
    auto* editacia = new QVBoxLayout(ramcek);
    editacia->setContentsMargins(10, 8, 10, 10);
    editacia->setSpacing(8);
    editacia->addWidget(lblEditacia);
    editacia->addLayout(polia);
    editacia->addLayout(prikazy);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    layout->addWidget(DBGrid, 1);
    layout->addWidget(ramcek);

    setTabOrder(btnZavriet, DBGrid);
    setTabOrder(DBGrid, lblEdtCislo);
    setTabOrder(lblEdtCislo, lblEdtNazov);
    setTabOrder(lblEdtNazov, cbDruh);
    setTabOrder(cbDruh, chbPrepisat);
    setTabOrder(chbPrepisat, btnUlozit);
    setTabOrder(btnUlozit, btnOdstranit);

    FormCreate();
    chranitZmeny(btnUlozit);
    pripojitKlavesy(DBGrid, {.upravit = [this] { lblEdtNazov->setFocus(); },
                             .pridat =
                                 [this] {
                                     lblEdtCislo->clear();
                                     lblEdtNazov->clear();
                                     cbDruh->setCurrentIndex(-1);
                                     lblEdtCislo->setFocus();
                                 },
                             .odstranit = chranene(this, [this] {
                                 if (btnOdstranit->isEnabled())
                                     btnOdstranitClick();
                             })});
    btnZavriet->setFocus();
}

void TfrmUctovaOsnova::FormCreate() {
    const int pocet = kontext.SQL(
        QStringLiteral("SELECT Nazov FROM UctovaOsnovaDruhy ORDER BY Nazov COLLATE SLOVENSKY;"));
    GeneralQuery& q = kontext.ADOQuery();
    for (int i = 1; i <= pocet; ++i) {
        q.setRecNo(i);
        cbDruh->addItem(q.text(QStringLiteral("Nazov")));
    }
    cbDruh->setCurrentIndex(-1);
    dsUctovaOsnova_ = connect(&kontext.store().qryUctovaOsnova, &DataSet::dataChanged, this,
                              chranene(this, [this] {
                                  ukazatVybranyRiadok();
                                  dsUctovaOsnovaDataChange();
                              }));
    NastavitZoznam();
    // The chart of a finished exam can be looked at, not changed.
    if (upravy::skuskaSkoncena(kontext.store())) {
        btnUlozit->setEnabled(false);
        btnOdstranit->setEnabled(false);
    }
}

void TfrmUctovaOsnova::NastavitZoznam() {
    DataSet& q = kontext.store().qryUctovaOsnova;
    q.close();
    q.setSQL(Zoznam);
    // The columns are set before the rows arrive, so that opening selects the first row
    // in the grid as well.
    q.model()->setColumns({{QStringLiteral("Cislo"), QStringLiteral("Číslo"),
                            Qt::AlignLeft | Qt::AlignVCenter, SirkaCisla},
                           {QStringLiteral("Nazov"), QStringLiteral("Názov"),
                            Qt::AlignLeft | Qt::AlignVCenter, SirkaNazvu}});
    q.open();
    nastavitSirkyStlpcov();
}

void TfrmUctovaOsnova::nastavitSirkyStlpcov() {
    // The number column is never narrower than its title or a five-character number.
    const QFontMetrics fm(DBGrid->horizontalHeader()->font());
    const int cislo =
        std::max({SirkaCisla, fm.horizontalAdvance(QStringLiteral("Číslo")) + 16,
                  DBGrid->fontMetrics().horizontalAdvance(QStringLiteral("00000")) + 12});
    DBGrid->setColumnWidth(0, cislo);
    DBGrid->setColumnWidth(1, SirkaNazvu);
}

void TfrmUctovaOsnova::ukazatVybranyRiadok() {
    const DataSet& q = kontext.store().qryUctovaOsnova;
    const int riadok = q.recNo() - 1;
    const QItemSelectionModel* vyber = DBGrid->selectionModel();
    if (riadok < 0 || (DBGrid->currentIndex().row() == riadok && vyber->isRowSelected(riadok, {}) &&
                       vyber->selectedRows().size() == 1))
        return;
    const QModelIndex index = DBGrid->model()->index(riadok, 0);
    DBGrid->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
    DBGrid->scrollTo(index);
}

void TfrmUctovaOsnova::dsUctovaOsnovaDataChange() {
    const QString cislo = cisloVybraneho(kontext.store().qryUctovaOsnova);
    if (cislo.isEmpty())
        return;
    const auto ucet = upravy::ucetOsnovy(kontext.store(), cislo);
    lblEdtCislo->setText(cislo);
    lblEdtNazov->setText(ucet ? ucet->nazov : QString());
    lblEdtNazov->setCursorPosition(0);
    const QString druh = ucet ? ucet->druh : QString();
    // The kinds in the order of the list: the item at the kind's place.
    const int pocet = kontext.SQL(
        QStringLiteral("SELECT * FROM UctovaOsnovaDruhy ORDER BY Nazov COLLATE SLOVENSKY;"));
    int polozka = -1;
    for (int i = 1; i <= pocet; ++i) {
        kontext.ADOQuery().setRecNo(i);
        if (kontext.ADOQuery().text(QStringLiteral("Kod")) == druh) {
            polozka = i - 1;
            break;
        }
    }
    cbDruh->setCurrentIndex(polozka);
    // What the edit area shows of the selected row is saved.
    zapamatatStav();
}

bool TfrmUctovaOsnova::eventFilter(QObject* o, QEvent* e) {
    if (o == cbDruh && e->type() == QEvent::KeyRelease)
        chranene(this, [this, e] { cbDruhKeyUp(static_cast<QKeyEvent*>(e)->key()); })();
    return TfrmCeleOkno::eventFilter(o, e);
}

void TfrmUctovaOsnova::cbDruhKeyUp(int key) {
    // Enter saves, as the button does, and only where the button may.
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && btnUlozit->isEnabled())
        btnUlozitClick();
}

void TfrmUctovaOsnova::btnUlozitClick() {
    const QString cislo = lblEdtCislo->text();
    const QString nazov = lblEdtNazov->text();
    const QString chyba = QStringLiteral("Chyba");
    if (cislo.isEmpty()) {
        showError(this, chyba, QStringLiteral("Nevyplnili ste 'Číslo',\nakcia bola zablokovaná!"));
        lblEdtCislo->setFocus();
        return;
    }
    // Postings keep account numbers padded with blanks: "211 " would be a second 211.
    if (cislo.front().isSpace() || cislo.back().isSpace()) {
        showError(this, chyba,
                  QStringLiteral("Číslo účtu nesmie začínať ani končiť medzerou,\nakcia bola "
                                 "zablokovaná!"));
        lblEdtCislo->setFocus();
        return;
    }
    const auto ucet = upravy::ucetOsnovy(kontext.store(), cislo);
    const bool existuje = ucet.has_value();
    if (existuje && ucet->povod == QLatin1String("P")) {
        showWarning(this, QStringLiteral("Upozornenie"),
                    QStringLiteral("Položka so zadaným číslom je preddefinovaná,\nnie je možné ju "
                                   "zmeniť."));
        return;
    }
    if (nazov.isEmpty()) {
        showError(this, chyba, QStringLiteral("Nevyplnili ste 'Názov',\nakcia bola zablokovaná!"));
        lblEdtNazov->setFocus();
        return;
    }
    if (cbDruh->currentIndex() < 0) {
        showError(this, chyba, QStringLiteral("Nevyplnili ste 'Druh',\nakcia bola zablokovaná!"));
        cbDruh->setFocus();
        return;
    }
    if (!chbPrepisat->isChecked() && existuje &&
        DialogService::instance().message(
            this, QStringLiteral("Potvrdenie prepísania údajov"),
            QStringLiteral("Položka so zadaným číslom existuje, chcete existujúce údaje prepísať?"),
            DialogService::Icon::Question, QMessageBox::Yes | QMessageBox::No,
            QMessageBox::No) != QMessageBox::Yes)
        return;
    kontext.SQL(QStringLiteral("SELECT Kod FROM UctovaOsnovaDruhy WHERE Nazov = %1;")
                    .arg(sqlText(cbDruh->currentText())));
    const QString kod = kontext.ADOQuery().text(QStringLiteral("Kod"));
    {
        // The account is replaced as a whole: a failed insert keeps the old row.
        Transaction t(kontext.store().connection());
        kontext.SQL(
            QStringLiteral("DELETE FROM UctovaOsnova WHERE Cislo = %1;").arg(sqlText(cislo)));
        kontext.SQL(QStringLiteral("INSERT INTO UctovaOsnova (Cislo,Nazov,Povod,Druh) VALUES "
                                   "(%1,%2,'U',%3);")
                        .arg(sqlText(cislo), sqlText(nazov), sqlText(kod)));
        t.commit();
    }
    const int pocet = kontext.SQL(QStringLiteral("SELECT Cislo FROM UctovaOsnova ORDER BY Cislo;"));
    int poloha = 0;
    for (int i = 1; i <= pocet; ++i) {
        kontext.ADOQuery().setRecNo(i);
        if (kontext.ADOQuery().text(QStringLiteral("Cislo")) == cislo) {
            poloha = i;
            break;
        }
    }
    NastavitZoznam();
    kontext.store().qryUctovaOsnova.setRecNo(poloha);
    DBGrid->setFocus();
}

void TfrmUctovaOsnova::btnOdstranitClick() {
    DataSet& q = kontext.store().qryUctovaOsnova;
    const QString cislo = cisloVybraneho(q);
    if (cislo.isEmpty())
        return;
    const auto ucet = upravy::ucetOsnovy(kontext.store(), cislo);
    if (ucet && ucet->povod == QLatin1String("P")) {
        showWarning(this, QStringLiteral("Upozornenie"),
                    QStringLiteral("Položka so zadaným číslom je preddefinovaná,\nnie je možné ju "
                                   "odstrániť."));
        return;
    }
    // Postings hold the number padded to five characters, the chart without the blanks.
    if (kontext.SQL(QStringLiteral("SELECT Riadok FROM UctovnyDennik WHERE %1 OR %2;")
                        .arg(sqlAccountEquals(QStringLiteral("MaDat"), cislo),
                             sqlAccountEquals(QStringLiteral("Dal"), cislo))) > 0) {
        showError(this, QStringLiteral("Chyba"),
                  QStringLiteral("Zvolený účet je už použitý v Účtovnom denníku,\nnie je možné ho "
                                 "z Účtovej osnovy vymazať!"));
        return;
    }
    if (!askYesNo(this, QStringLiteral("Potvrdenie odstránenia položky"),
                  QStringLiteral("Naozaj chcete označenú položku odstrániť?")))
        return;
    kontext.SQL(QStringLiteral("DELETE FROM UctovaOsnova WHERE Cislo = %1;").arg(sqlText(cislo)));
    const int poloha = q.recNo();
    NastavitZoznam();
    q.setRecNo(std::min(poloha, q.recordCount()));
    DBGrid->setFocus();
}

void TfrmUctovaOsnova::btnZavrietClick() {
    close();
}

void TfrmUctovaOsnova::done(int result) {
    FormClose();
    TfrmCeleOkno::done(result);
}

void TfrmUctovaOsnova::FormClose() {
    disconnect(dsUctovaOsnova_);
}

} // namespace saldovia
