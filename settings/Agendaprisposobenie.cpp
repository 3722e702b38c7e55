#include "Agendaprisposobenie.h"

#include "edits/Upravy.h"
#include "ui/Dialogs.h"
#include "ui/Kontext.h"
#include "ui/Ovladace.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace saldovia {

using ovladace::tlacidlo;

TfrmAgendaPrisposobenie::TfrmAgendaPrisposobenie(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmAgendaPrisposobenie"),
                   QStringLiteral("Prispôsobenie agendy"), 7) {
    btnZavriet = tlacidlo(QStringLiteral("btnZavriet"), QStringLiteral("&Zavrieť"), 88);
    btnUlozit = tlacidlo(QStringLiteral("btnUlozit"), QStringLiteral("&Uložiť"), 88);
    cbKod = new QComboBox;
    cbKod->setObjectName(QStringLiteral("cbKod"));
    cbKod->setEditable(false);
    cbKod->setMaxVisibleItems(9);
    cbKod->setMinimumWidth(72);
    // The kind chosen is not an edit: its texts are.
    cbKod->setProperty("mimoZmien", true);
    lblKod = new QLabel(QStringLiteral("Kód:"));
    lblKod->setObjectName(QStringLiteral("lblKod"));
    lblKod->setBuddy(cbKod);

    QGridLayout* polia = new QGridLayout;
    polia->setHorizontalSpacing(10);
    polia->setVerticalSpacing(8);
    polia->addWidget(lblKod, 0, 0);
    polia->addWidget(cbKod, 0, 1, Qt::AlignLeft);
    int r = 1;
    auto edit = [&](const QString& meno, const QString& popis, int dlzka) {
        auto* e = new QLineEdit;
        e->setObjectName(meno);
        e->setMaxLength(dlzka);
        e->setEnabled(false);
        auto* l = new QLabel(popis);
        l->setObjectName(meno + QStringLiteral("Popis"));
        l->setBuddy(e);
        polia->addWidget(l, r, 0);
        polia->addWidget(e, r, 1);
        ++r;
        return e;
    };
    lblEdtZoznam = edit(QStringLiteral("lblEdtZoznam"), QStringLiteral("Nadpis zoznamu:"), 50);
    lblEdtPrefix = edit(QStringLiteral("lblEdtPrefix"), QStringLiteral("Prefix:"), 2);
    lblEdtDoklad = edit(QStringLiteral("lblEdtDoklad"), QStringLiteral("Názov dokladu:"), 50);
    lblEdtZoznam->setMinimumWidth(280);
    lblEdtPrefix->setFixedWidth(40);
    polia->itemAtPosition(2, 1)->setAlignment(Qt::AlignLeft);

    auto* ciara = new QFrame;
    ciara->setFrameShape(QFrame::HLine);
    ciara->setFrameShadow(QFrame::Sunken);
    auto* tlacidla = new QHBoxLayout;
    tlacidla->setSpacing(8);
    tlacidla->addStretch();
    tlacidla->addWidget(btnUlozit);
    tlacidla->addWidget(btnZavriet);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 16, 16, 12);
    layout->setSpacing(10);
    layout->addLayout(polia);
    layout->addWidget(ciara);
    layout->addLayout(tlacidla);

    setTabOrder(btnZavriet, cbKod);
    setTabOrder(cbKod, lblEdtZoznam);
    setTabOrder(lblEdtZoznam, lblEdtPrefix);
    setTabOrder(lblEdtPrefix, lblEdtDoklad);
    setTabOrder(lblEdtDoklad, btnUlozit);

    connect(btnZavriet, &QPushButton::clicked, this, [this] { btnZavrietClick(); });
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    FormCreate();
    connect(cbKod, &QComboBox::currentIndexChanged, this,
            chranene(this, [this] { cbKodChange(); }));
    chranitZmeny(btnUlozit);
    btnZavriet->setFocus();
}

void TfrmAgendaPrisposobenie::FormCreate() {
    const int pocet =
        kontext.SQL(QStringLiteral("SELECT Kod FROM AgendaPrisposobenie ORDER BY Kod;"));
    GeneralQuery& q = kontext.ADOQuery();
    for (int i = 1; i <= pocet; ++i) {
        q.setRecNo(i);
        cbKod->addItem(q.text(QStringLiteral("Kod")));
    }
    cbKod->setCurrentIndex(-1);
    // A finished exam is frozen: kinds can be looked at, not saved.
    if (upravy::skuskaSkoncena(kontext.store()))
        btnUlozit->setEnabled(false);
}

void TfrmAgendaPrisposobenie::cbKodChange() {
    const int novy = cbKod->currentIndex();
    if (zobrazeny_ >= 0 && novy != zobrazeny_) {
        // Edits of the kind shown are saved or thrown away first, as on closing; "Zrušiť"
        // stays on that kind.
        {
            const QSignalBlocker ticho(cbKod);
            cbKod->setCurrentIndex(zobrazeny_);
        }
        if (!mozeZatvorit())
            return;
        const QSignalBlocker ticho(cbKod);
        cbKod->setCurrentIndex(novy);
    }
    zobrazeny_ = novy;
    const QString kod = cbKod->currentText();
    kontext.SQL(
        QStringLiteral("SELECT * FROM AgendaPrisposobenie WHERE Kod = %1;").arg(sqlText(kod)));
    GeneralQuery& q = kontext.ADOQuery();
    lblEdtPrefix->setText(q.text(QStringLiteral("Prefix")));
    lblEdtDoklad->setText(q.text(QStringLiteral("Doklad")));
    lblEdtZoznam->setText(q.text(QStringLiteral("Zoznam")));
    const int doklady =
        kontext.SQL(QStringLiteral("SELECT Cislo FROM Doklady WHERE Druh = %1;").arg(sqlText(kod)));
    // The texts of a kind that has documents stay as they are.
    const bool upravitelne = doklady == 0 && !kod.isEmpty();
    for (QLineEdit* e : {lblEdtPrefix, lblEdtDoklad, lblEdtZoznam})
        e->setEnabled(upravitelne);
    // The texts of the chosen kind as stored.
    zapamatatStav();
}

void TfrmAgendaPrisposobenie::btnUlozitClick() {
    const QString kod = cbKod->currentText();
    const QString prefix = lblEdtPrefix->text();
    const QString doklad = lblEdtDoklad->text();
    const QString zoznam = lblEdtZoznam->text();
    const QString chyba = QStringLiteral("Chyba");
    if (kod.isEmpty()) {
        showWarning(this, QStringLiteral("Upozornenie"),
                    QStringLiteral("Najskôr musíte zvoliť Kód dokladu!"));
        cbKod->setFocus();
        return;
    }
    if (prefix.isEmpty()) {
        showError(this, chyba, QStringLiteral("Prefix nebol zadaný!"));
        lblEdtPrefix->setFocus();
        return;
    }
    if (doklad.isEmpty()) {
        showError(this, chyba, QStringLiteral("Názov dokladu nebol zadaný!"));
        lblEdtDoklad->setFocus();
        return;
    }
    if (zoznam.isEmpty()) {
        showError(this, chyba, QStringLiteral("Nadpis dokladu nebol zadaný!"));
        lblEdtZoznam->setFocus();
        return;
    }
    if (kontext.SQL(QStringLiteral("SELECT Prefix FROM AgendaPrisposobenie WHERE Prefix = %1 AND "
                                   "Kod <> %2;")
                        .arg(sqlText(prefix), sqlText(kod))) > 0) {
        showError(this, chyba, QStringLiteral("Zadaný Prefix sa už používa!"));
        lblEdtPrefix->setFocus();
        return;
    }
    {
        // The kind's row is replaced as a whole: a failed insert keeps the old row.
        Transaction t(kontext.store().connection());
        kontext.SQL(
            QStringLiteral("DELETE FROM AgendaPrisposobenie WHERE Kod = %1;").arg(sqlText(kod)));
        kontext.SQL(QStringLiteral("INSERT INTO AgendaPrisposobenie (Kod,Prefix,Doklad,Zoznam) "
                                   "VALUES (%1,%2,%3,%4);")
                        .arg(sqlText(kod), sqlText(prefix), sqlText(doklad), sqlText(zoznam)));
        t.commit();
    }
    {
        const QSignalBlocker ticho(cbKod);
        cbKod->setCurrentIndex(-1);
    }
    zobrazeny_ = -1;
    cbKodChange();
}

void TfrmAgendaPrisposobenie::btnZavrietClick() {
    close();
}

} // namespace saldovia
