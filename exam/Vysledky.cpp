#include "Vysledky.h"

#include "Pecat.h"

#include "Vyhodnotenie.h"
#include "exam/Tlacskusky.h"
#include "ledger/Hlavnakniha.h"
#include "ui/Kontext.h"
#include "ui/Okna.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

namespace saldovia {

namespace {

// Lets the windows repaint (the panel before the lengthy steps) without taking user input,
// which could otherwise start another operation in the middle of the scoring.
void prekreslit() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace

TpnlVysledky::TpnlVysledky(Kontext& kontext, QWidget* parent) : QFrame(parent), kontext_(kontext) {
    auto* pnl = this;
    pnl->setObjectName(QStringLiteral("pnlVysledky"));
    pnl->setGeometry(8, parent->height() - 8 - Vyska, parent->width() - 16, Vyska);
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
    txtKontroly = par(QStringLiteral("Kontroly"), QStringLiteral("Kontroly:"));
    lblKontroly = pnl->findChild<QLabel*>(QStringLiteral("lblKontroly"));
    mriezka->setColumnStretch(1, 1);
    pnl->hide();
}

void TpnlVysledky::Vyhodnotit(const std::function<void()>& ukazat, bool ohlasitChyby) {
    Store& store = kontext_.store();
    SettingsRow& s = store.tblAgendaNastavenie;
    txtZaciatok->setText(s.text(QStringLiteral("SkuskaZaciatok")));
    txtKoniec->setText(s.text(QStringLiteral("SkuskaKoniec")));
    for (QLabel* t : {txtPredkontacie, txtVypocty, txtHlavnaKniha})
        t->setText(skuska::NeznamyVysledok);
    const skuska::Zaznam z = skuska::nacitatZaznam(store.connection());
    txtKontroly->setText(QStringLiteral("cvičenie, použité kontroly: %1").arg(z.kontroly));
    txtKontroly->setVisible(z.cvicenie);
    lblKontroly->setVisible(z.cvicenie);
    btnPodrobnosti->hide();
    ukazat();

    prekreslit();
    txtPredkontacie->setText(skuska::textSkore(skuska::predkontacie(store)));
    prekreslit();
    txtVypocty->setText(skuska::textSkore(skuska::vypocty(store)));
    prekreslit();
    const float zhoda = TfrmHlavnaKniha(kontext_).Porovnat(ohlasitChyby);
    txtHlavnaKniha->setText(skuska::textHlavnejKnihy(zhoda));
    btnPodrobnosti->show();
}

void TpnlVysledky::btnPodrobnostiClick() {
    TfrmUctovnyDennikSkuska::Tlacit(kontext_.store(), kontext_.tlaciaren(), kontext_.uctovnyRok(),
                                    kontext_.hlavneOkno());
}

} // namespace saldovia
