#include "UpDown.h"

#include <QLineEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace saldovia {

TUpDown::TUpDown(QLineEdit* edit, int min, int max, QWidget* parent)
    : QWidget(parent), edit_(edit), min_(min), max_(max), position_(min) {
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto tlacidlo = [this, layout](const QString& meno, Qt::ArrowType sipka, int smer) {
        auto* b = new QToolButton(this);
        b->setObjectName(meno);
        b->setArrowType(sipka);
        b->setAutoRepeat(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        b->setFixedWidth(18);
        b->setIconSize(QSize(7, 7));
        connect(b, &QToolButton::clicked, this, [this, smer] { krok(smer); });
        layout->addWidget(b);
        return b;
    };
    hore_ = tlacidlo(QStringLiteral("Hore"), Qt::UpArrow, 1);
    dole_ = tlacidlo(QStringLiteral("Dole"), Qt::DownArrow, -1);
    setFixedWidth(18);
}

void TUpDown::setPosition(int position) {
    position_ = std::clamp(position, min_, max_);
}

void TUpDown::krok(int smer) {
    if (!isEnabled())
        return;
    bool ok = false;
    const qint64 cislo = edit_->text().toLongLong(&ok);
    const qint64 zaklad = ok ? cislo : position_;
    position_ = static_cast<int>(std::clamp<qint64>(zaklad + smer, min_, max_));
    edit_->setText(QString::number(position_));
    edit_->setCursorPosition(edit_->text().size());
}

} // namespace saldovia
