#include "Kalkulacka.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include <cmath>

namespace saldovia {

QString textKalkulacky(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("Chyba");
    QString t = QString::number(value, 'f', 10);
    while (t.contains(u'.') && (t.endsWith(u'0') || t.endsWith(u'.')))
        t.chop(1);
    if (t == QLatin1String("-0"))
        t = QStringLiteral("0");
    return t.replace(u'.', u',');
}

TfrmKalkulacka::TfrmKalkulacka(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmKalkulacka"), QStringLiteral("Kalkulačka"), 5) {
    displej_ = new QLineEdit(QStringLiteral("0"));
    displej_->setObjectName(QStringLiteral("edtDisplej"));
    displej_->setReadOnly(true);
    displej_->setAlignment(Qt::AlignRight);
    displej_->setMinimumHeight(36);
    displej_->setStyleSheet(QStringLiteral("font-size: 16pt;"));
    displej_->setFocusPolicy(Qt::NoFocus);

    auto* grid = new QGridLayout(this);
    grid->addWidget(displej_, 0, 0, 1, 4);
    const char* keys[5][4] = {{"C", "⌫", "±", "/"},
                              {"7", "8", "9", "*"},
                              {"4", "5", "6", "-"},
                              {"1", "2", "3", "+"},
                              {"0", ",", "=", nullptr}};
    for (int r = 0; r < 5; ++r) {
        for (int c = 0; c < 4; ++c) {
            if (!keys[r][c])
                continue;
            const QString key = QString::fromUtf8(keys[r][c]);
            QString label = key;
            if (key == QLatin1String("*"))
                label = QStringLiteral("×");
            else if (key == QLatin1String("/"))
                label = QStringLiteral("÷");
            else if (key == QLatin1String("-"))
                label = QStringLiteral("−");
            auto* b = new QPushButton(label);
            b->setObjectName(QStringLiteral("btn%1%2").arg(r).arg(c));
            b->setFocusPolicy(Qt::NoFocus);
            b->setMinimumSize(48, 36);
            connect(b, &QPushButton::clicked, this, [this, key] { stlacit(key); });
            grid->addWidget(b, r + 1, c, 1, key == QLatin1String("=") ? 2 : 1);
        }
    }
}

QString TfrmKalkulacka::displej() const {
    return displej_->text();
}

void TfrmKalkulacka::vypocitat() {
    const double x = displej_->text().replace(u',', u'.').toDouble();
    double r = x;
    if (operacia_ == QLatin1String("+"))
        r = akumulator_ + x;
    else if (operacia_ == QLatin1String("-"))
        r = akumulator_ - x;
    else if (operacia_ == QLatin1String("*"))
        r = akumulator_ * x;
    else if (operacia_ == QLatin1String("/"))
        r = x == 0 ? NAN : akumulator_ / x;
    // rounding to ten decimals keeps 0,1 + 0,2 from showing binary noise
    if (std::isfinite(r))
        r = std::round(r * 1e10) / 1e10;
    akumulator_ = r;
    displej_->setText(textKalkulacky(r));
}

void TfrmKalkulacka::stlacit(const QString& key) {
    QString t = displej_->text();
    if (t == QLatin1String("Chyba") && key != QLatin1String("C"))
        return;
    if (key.size() == 1 && key[0].isDigit()) {
        displej_->setText(novyVstup_ || t == QLatin1String("0") ? key : t + key);
        novyVstup_ = false;
    } else if (key == QLatin1String(",")) {
        if (novyVstup_)
            displej_->setText(QStringLiteral("0,"));
        else if (!t.contains(u','))
            displej_->setText(t + u',');
        novyVstup_ = false;
    } else if (key == QLatin1String("C")) {
        displej_->setText(QStringLiteral("0"));
        akumulator_ = 0;
        operacia_.clear();
        novyVstup_ = true;
    } else if (key == QLatin1String("⌫")) {
        if (!novyVstup_) {
            t.chop(1);
            displej_->setText(t.isEmpty() || t == QLatin1String("-") ? QStringLiteral("0") : t);
        }
    } else if (key == QLatin1String("±")) {
        if (t != QLatin1String("0"))
            displej_->setText(t.startsWith(u'-') ? t.mid(1) : u'-' + t);
    } else if (key == QLatin1String("=")) {
        vypocitat();
        operacia_.clear();
        novyVstup_ = true;
    } else { // an operation
        if (!novyVstup_ || operacia_.isEmpty())
            vypocitat();
        operacia_ = key;
        novyVstup_ = true;
    }
}

void TfrmKalkulacka::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        stlacit(QStringLiteral("="));
    } else if (e->key() == Qt::Key_Backspace) {
        stlacit(QStringLiteral("⌫"));
    } else if (e->key() == Qt::Key_Delete) {
        stlacit(QStringLiteral("C"));
    } else if (text == QLatin1String(".")) {
        stlacit(QStringLiteral(","));
    } else if (text.size() == 1 && QStringLiteral("0123456789,+-*/=").contains(text)) {
        stlacit(text);
    } else {
        TfrmMaleOkno::keyPressEvent(e);
    }
}

} // namespace saldovia
