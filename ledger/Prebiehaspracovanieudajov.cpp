#include "Prebiehaspracovanieudajov.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

namespace saldovia {

TfrmPrebiehaSpracovanieUdajov::TfrmPrebiehaSpracovanieUdajov(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmPrebiehaSpracovanieUdajov"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowStaysOnTopHint);

    lblNazov = new QLabel(this);
    lblNazov->setObjectName(QStringLiteral("lblNazov"));
    QFont bold = lblNazov->font();
    bold.setBold(true);
    lblNazov->setFont(bold);

    lblPopis = new QLabel(this);
    lblPopis->setObjectName(QStringLiteral("lblPopis"));
    lblPopis->setMinimumHeight(lblPopis->fontMetrics().height());

    ProgressBar = new QProgressBar(this);
    ProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    ProgressBar->setRange(0, 10000);
    ProgressBar->setValue(0);
    ProgressBar->setTextVisible(false);
    ProgressBar->setFixedHeight(18);

    lblPercenta = new QLabel(QStringLiteral("0%"), this);
    lblPercenta->setObjectName(QStringLiteral("lblPercenta"));
    lblPercenta->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 12, 14, 10);
    layout->setSpacing(6);
    layout->addWidget(lblNazov);
    layout->addWidget(lblPopis);
    layout->addSpacing(2);
    layout->addWidget(ProgressBar);
    layout->addWidget(lblPercenta);
    setFixedWidth(340);
}

void TfrmPrebiehaSpracovanieUdajov::showEvent(QShowEvent* e) {
    adjustSize();
    setFixedSize(size());
    if (QWidget* owner = parentWidget()) {
        const QRect o = owner->window()->frameGeometry();
        move(o.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(e);
}

void TfrmPrebiehaSpracovanieUdajov::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void TfrmPrebiehaSpracovanieUdajov::reject() {
    // Escape does not end the work.
}

} // namespace saldovia
