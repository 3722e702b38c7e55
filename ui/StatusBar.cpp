#include "StatusBar.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOption>

namespace saldovia {

TStatusBar::TStatusBar(QWidget* parent) : QStatusBar(parent) {
    setObjectName(QStringLiteral("StatusBar"));
    setSizeGripEnabled(false);
    // a compact face, so that a year and a date fit their narrow panels
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPointSizeF(8.5);
    setFont(f);
    for (int i = 0; i < PocetPanelov; ++i)
        texty_ << QString();
}

void TStatusBar::setPanel(int i, const QString& text) {
    if (i < 0 || i >= PocetPanelov || texty_[i] == text)
        return;
    texty_[i] = text;
    update();
}

int TStatusBar::panelNa(int x) {
    int right = 0;
    for (int i = 0; i < PocetPanelov - 1; ++i) {
        right += Sirky[i];
        if (x < right)
            return i;
    }
    return PocetPanelov - 1;
}

QSize TStatusBar::sizeHint() const {
    return {632, fontMetrics().height() + 8};
}

void TStatusBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    int left = 0;
    for (int i = 0; i < PocetPanelov; ++i) {
        const int w = i == PocetPanelov - 1 ? width() - left : Sirky[i];
        const QRect r(left, 1, w - 2, height() - 2);
        p.setPen(palette().color(QPalette::Mid));
        p.drawLine(r.topLeft(), r.topRight());
        p.drawLine(r.topLeft(), r.bottomLeft());
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.bottomLeft(), r.bottomRight());
        p.drawLine(r.topRight(), r.bottomRight());
        p.setPen(palette().color(QPalette::WindowText));
        // the year, the date and the time are short and must show whole; the name and the
        // notice are shortened with an ellipsis when they do not fit
        const QRect textRect = r.adjusted(2, 0, 0, 0);
        const bool skratit = i == 1 || i == 4;
        p.drawText(textRect, Qt::AlignVCenter | Qt::AlignLeft,
                   skratit
                       ? fontMetrics().elidedText(texty_[i], Qt::ElideRight, textRect.width() - 2)
                       : texty_[i]);
        left += Sirky[i];
    }
}

void TStatusBar::mouseDoubleClickEvent(QMouseEvent* e) {
    emit dvojklik(e->position().toPoint().x());
}

void TStatusBar::contextMenuEvent(QContextMenuEvent* e) {
    emit kontextoveMenu(e->globalPos());
}

} // namespace saldovia
