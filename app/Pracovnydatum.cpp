#include "Pracovnydatum.h"

#include "edits/Upravy.h"
#include "store/Values.h"
#include "ui/DatumovePole.h"
#include "ui/Kontext.h"

#include <QDateEdit>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace saldovia {

TfrmPracovnyDatum::TfrmPracovnyDatum(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmPracovnyDatum"), QStringLiteral("Pracovný dátum"), 12) {
    auto* label1 = new QLabel(QStringLiteral("Tu môžete zmeniť dátum, ktorý sa bude používať"));
    label1->setObjectName(QStringLiteral("Label1"));
    auto* label2 = new QLabel(QStringLiteral("pri práci s aplikáciou ako predvolený:"));
    label2->setObjectName(QStringLiteral("Label2"));
    for (QLabel* l : {label1, label2})
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));

    DateTimePicker = new TDatumovePole;
    DateTimePicker->setObjectName(QStringLiteral("DateTimePicker"));
    DateTimePicker->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    DateTimePicker->setCalendarPopup(true);
    DateTimePicker->setMinimumWidth(130);
    DateTimePicker->setDate(dateFromText(kontext.pracovnyDatum()).value_or(QDate::currentDate()));
    const QString rok = kontext.uctovnyRok();
    if (!rok.isEmpty()) {
        if (const auto rozsah = upravy::rozsahRoka(rok))
            DateTimePicker->setDateRange(rozsah->first, rozsah->second);
    }

    btnZrusit = new QPushButton(QStringLiteral("&Zrušiť"));
    btnZrusit->setObjectName(QStringLiteral("btnZrusit"));
    btnUlozit = new QPushButton(QStringLiteral("&Uložiť"));
    btnUlozit->setObjectName(QStringLiteral("btnUlozit"));
    connect(btnUlozit, &QPushButton::clicked, this, chranene(this, [this] { btnUlozitClick(); }));
    connect(btnZrusit, &QPushButton::clicked, this, [this] { btnZrusitClick(); });

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnUlozit);
    buttons->addWidget(btnZrusit);
    auto* datum = new QHBoxLayout;
    datum->addStretch();
    datum->addWidget(DateTimePicker);
    datum->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 14, 16, 12);
    layout->addWidget(label1);
    layout->addWidget(label2);
    layout->addSpacing(8);
    layout->addLayout(datum);
    layout->addSpacing(8);
    layout->addLayout(buttons);

    // "Zrušiť" comes first in the tab order and has the focus when the dialog opens.
    setTabOrder(btnZrusit, DateTimePicker);
    setTabOrder(DateTimePicker, btnUlozit);
    btnZrusit->setDefault(false);
    btnZrusit->setFocus();
}

void TfrmPracovnyDatum::btnUlozitClick() {
    kontext.setPracovnyDatum(dateToText(DateTimePicker->date()));
    accept();
}

void TfrmPracovnyDatum::btnZrusitClick() {
    reject();
}

} // namespace saldovia
