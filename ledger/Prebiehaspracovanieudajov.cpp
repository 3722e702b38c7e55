#include "Prebiehaspracovanieudajov.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QProgressBar>
#include <QVBoxLayout>

namespace saldovia {

namespace {
constexpr int vyskaTitulku = 22; // the caption bar drawn at the top
const QColor tmavaModra(0x1f, 0x3a, 0x68);
const QColor svetlaModra(0x3d, 0x66, 0xa3);
} // namespace

TfrmPrebiehaSpracovanieUdajov::TfrmPrebiehaSpracovanieUdajov(QWidget* owner) : QDialog(owner) {
    setObjectName(QStringLiteral("TfrmPrebiehaSpracovanieUdajov"));
    setWindowTitle(Caption);
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);

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
    layout->setContentsMargins(16, vyskaTitulku + 12, 16, 12);
    layout->setSpacing(6);
    layout->addWidget(lblNazov);
    layout->addWidget(lblPopis);
    layout->addSpacing(2);
    layout->addWidget(ProgressBar);
    layout->addWidget(lblPercenta);
    setFixedWidth(360);
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

void TfrmPrebiehaSpracovanieUdajov::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    const QRect titulok(0, 0, width(), vyskaTitulku);
    QLinearGradient g(titulok.topLeft(), titulok.topRight());
    g.setColorAt(0, tmavaModra);
    g.setColorAt(1, svetlaModra);
    p.fillRect(titulok, g);
    QFont f = font();
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(titulok.adjusted(8, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter, windowTitle());
    p.setPen(tmavaModra);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TfrmPrebiehaSpracovanieUdajov::closeEvent(QCloseEvent* e) {
    e->ignore();
}

void TfrmPrebiehaSpracovanieUdajov::reject() {
    // Escape does not end the work.
}

} // namespace saldovia
