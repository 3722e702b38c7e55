#pragma once

#include "ui/CelyText.h"

#include <QAction>
#include <QBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

// Small constructors of the named controls the document windows and line editors share.
namespace saldovia::ovladace {

// A button that never acts as a default, so Enter in an edit does not press it.
inline QPushButton* tlacidlo(const QString& meno, const QString& caption, int sirka = 80) {
    auto* b = new QPushButton(caption);
    b->setObjectName(meno);
    b->setAutoDefault(false);
    b->setMinimumWidth(sirka);
    return b;
}

// A bold read-only value; one too long for its place is shortened, whole in its tooltip.
inline QLabel* hodnota(const QString& meno, const QString& text = {}) {
    auto* l = new TSkratenaHodnota(text);
    l->setObjectName(meno);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

// An edit holding at most maxDlzka characters (0: the edit's own limit).
inline QLineEdit* pole(const QString& meno, int maxDlzka = 0) {
    auto* e = new QLineEdit;
    e->setObjectName(meno);
    if (maxDlzka > 0)
        e->setMaxLength(maxDlzka);
    return e;
}

inline QLabel* popisok(const QString& text, QWidget* parent = nullptr) {
    return new QLabel(text, parent);
}

// A bold sign between fields, such as the "X" and "=" of an amount row.
inline QLabel* znak(const QString& text, const QString& meno = {}) {
    auto* l = new QLabel(text);
    l->setObjectName(meno);
    l->setAlignment(Qt::AlignCenter);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

inline QAction* akcia(QMenu* menu, const QString& meno, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(meno);
    return a;
}

// The layout of a list window: what stands above the grid (if anything), the grid taking the
// height, and under it the commands at the left and the closing button at the right.
inline void rozlozitZoznam(QWidget* okno, QWidget* mriezka,
                           std::initializer_list<QPushButton*> prikazy, QPushButton* zavriet,
                           QLayout* nad = nullptr) {
    auto* tlacidla = new QHBoxLayout;
    tlacidla->setSpacing(6);
    for (QPushButton* b : prikazy)
        tlacidla->addWidget(b);
    tlacidla->addStretch();
    tlacidla->addWidget(zavriet);
    auto* layout = new QVBoxLayout(okno);
    layout->setContentsMargins(10, 10, 10, 10);
    layout->setSpacing(8);
    if (nad)
        layout->addLayout(nad);
    layout->addWidget(mriezka, 1);
    layout->addLayout(tlacidla);
}

} // namespace saldovia::ovladace
