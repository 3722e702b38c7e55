// The results of a finished exam in the main window: the panel pnlVysledky, the scoring that
// fills it and the comparison printout behind "Podrobnosti".

#include "Vyhodnotenie.h"
#include "app/Hlavny.h"
#include "ledger/Hlavnakniha.h"
#include "reports/Uctovnydennikskuska.h"
#include "ui/Okna.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace saldovia {

namespace {

// The panel's height at the foot of the white panel; the function list keeps the space above.
constexpr int VyskaVysledkov = 146;

// Lets the windows repaint (the panel before the lengthy steps) without taking user input,
// which could otherwise start another operation in the middle of the scoring.
void prekreslit() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

void TfrmHlavny::vytvoritVysledky(QWidget* biely) {
    // The function list's own spacing, for when the results give it back its room.
    ListView->setProperty("mriezka", ListView->gridSize());
    ListView->setProperty("medzera", ListView->spacing());

    auto* pnl = new QFrame(biely);
    pnlVysledky = pnl;
    pnl->setObjectName(QStringLiteral("pnlVysledky"));
    pnl->setGeometry(8, biely->height() - 8 - VyskaVysledkov, biely->width() - 16, VyskaVysledkov);
    pnl->setFrameShape(QFrame::StyledPanel);
    pnl->setFrameShadow(QFrame::Plain);
    pnl->setStyleSheet(QStringLiteral("QFrame#pnlVysledky { background: #F3F6FB; border: 1px "
                                      "solid #B8C4D9; border-radius: 3px; }"));

    auto* nadpis = new QLabel(QStringLiteral("Výsledky skúšky:"), pnl);
    nadpis->setObjectName(QStringLiteral("lblVysledkySkusky"));
    nadpis->setStyleSheet(QStringLiteral("font-weight: bold; font-size: 10pt;"));
    btnPodrobnosti = new QPushButton(QStringLiteral("&Podrobnosti"), pnl);
    btnPodrobnosti->setObjectName(QStringLiteral("btnPodrobnosti"));
    btnPodrobnosti->setMinimumWidth(96);
    btnPodrobnosti->setAutoDefault(false);
    connect(btnPodrobnosti, &QPushButton::clicked, this,
            chranene(this, [this] { btnPodrobnostiClick(); }));

    auto* mriezka = new QGridLayout(pnl);
    mriezka->setContentsMargins(10, 6, 10, 8);
    mriezka->setHorizontalSpacing(8);
    mriezka->setVerticalSpacing(3);
    mriezka->addWidget(nadpis, 0, 0, 1, 2);
    mriezka->addWidget(btnPodrobnosti, 0, 2, Qt::AlignRight);
    int riadok = 1;
    auto par = [&](const QString& meno, const QString& popis) {
        auto* l = new QLabel(popis, pnl);
        l->setObjectName(QStringLiteral("lbl") + meno);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        auto* t = new QLabel(pnl);
        t->setObjectName(QStringLiteral("txt") + meno);
        t->setTextInteractionFlags(Qt::TextSelectableByMouse);
        t->setStyleSheet(QStringLiteral("font-weight: bold; color: #1F3A68;"));
        mriezka->addWidget(l, riadok, 0);
        mriezka->addWidget(t, riadok, 1, 1, 2);
        ++riadok;
        return t;
    };
    txtZaciatok = par(QStringLiteral("Zaciatok"), QStringLiteral("Začiatok:"));
    txtKoniec = par(QStringLiteral("Koniec"), QStringLiteral("Koniec:"));
    txtPredkontacie = par(QStringLiteral("Predkontacie"), QStringLiteral("Predkontácie:"));
    txtVypocty = par(QStringLiteral("Vypocty"), QStringLiteral("Výpočty:"));
    txtHlavnaKniha = par(QStringLiteral("HlavnaKniha"), QStringLiteral("Hlavná kniha:"));
    mriezka->setColumnStretch(1, 1);
    pnl->hide();
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
    SettingsRow& s = store_.tblAgendaNastavenie;
    txtZaciatok->setText(s.text(QStringLiteral("SkuskaZaciatok")));
    txtKoniec->setText(s.text(QStringLiteral("SkuskaKoniec")));
    for (QLabel* t : {txtPredkontacie, txtVypocty, txtHlavnaKniha})
        t->setText(skuska::NeznamyVysledok);
    btnPodrobnosti->hide();
    zobrazitVysledky(true);

    prekreslit();
    txtPredkontacie->setText(skuska::textSkore(skuska::predkontacie(store_)));
    prekreslit();
    txtVypocty->setText(skuska::textSkore(skuska::vypocty(store_)));
    prekreslit();
    const float zhoda = TfrmHlavnaKniha(*this).Porovnat();
    txtHlavnaKniha->setText(skuska::textHlavnejKnihy(zhoda));
    btnPodrobnosti->show();
}

void TfrmHlavny::btnPodrobnostiClick() {
    TfrmUctovnyDennikSkuska::Tlacit(store_, tlaciaren(), uctovnyRok(), this);
}

} // namespace saldovia
