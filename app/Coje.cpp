#include "Coje.h"

#include "ui/Kontext.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace saldovia {

namespace {

QLabel* obrazok(const QString& meno, const QSize& size) {
    auto* l = new QLabel;
    l->setObjectName(QStringLiteral("img") + meno);
    l->setPixmap(QIcon(QStringLiteral(":/icons/%1.svg").arg(meno)).pixmap(size));
    l->setFixedSize(size);
    return l;
}

QLabel* hodnota(const QString& text) {
    auto* l = new QLabel(text);
    l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    return l;
}

} // namespace

TfrmCoJe::TfrmCoJe(Kontext& k)
    : TfrmMaleOkno(k, QStringLiteral("TfrmCoJe"), QStringLiteral("Čo je ..."), 1) {
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* hore = obrazok(QStringLiteral("coje-hore"), QSize(620, 78));

    auto* vlavo = new QVBoxLayout;
    const std::pair<const char*, const char*> odkazy[] = {
        {"coje-skola", "https://www.statpedu.sk"},
        {"coje-web", "https://www.financnasprava.sk"},
        {"coje-ucebnica", "https://www.slov-lex.sk"}};
    for (const auto& [meno, adresa] : odkazy) {
        QLabel* l = obrazok(QString::fromLatin1(meno), QSize(48, 48));
        l->setCursor(Qt::PointingHandCursor);
        l->setToolTip(QString::fromLatin1(adresa));
        l->setProperty("adresa", QString::fromLatin1(adresa));
        l->installEventFilter(this);
        vlavo->addWidget(l);
    }
    vlavo->addStretch();

    auto* udaje = new QGridLayout;
    int r = 0;
    auto riadok = [&](const QString& label, QWidget* value) {
        udaje->addWidget(new QLabel(label), r, 0, Qt::AlignLeft | Qt::AlignTop);
        udaje->addWidget(value, r, 1, Qt::AlignLeft | Qt::AlignTop);
        ++r;
    };
    riadok(QStringLiteral("Verzia produktu:"), hodnota(kontext.verziaProgramu()));
    riadok(QStringLiteral("Aplikácia je postavená na základe záverečnej práce:"),
           hodnota(QStringLiteral("Saldovia")));
    riadok(QStringLiteral("Meno študenta:"), hodnota(QStringLiteral("Vývojový tím Saldovia")));
    riadok(QStringLiteral("Vedúci záverečnej práce:"),
           hodnota(QStringLiteral("Odborná rada projektu Saldovia")));
    riadok(QStringLiteral("Konzultant:"), hodnota(QStringLiteral("Učitelia pilotných škôl")));
    udaje->addWidget(new QLabel(QStringLiteral("Zadanie záverečnej práce:")), r++, 0, 1, 2);
    auto* zadanie = new QLabel(
        QStringLiteral("Navrhnúť a vytvoriť program na výučbu podvojného účtovníctva\n"
                       "s účtovným denníkom, dokladmi, hlavnou knihou a tlačovými\nzostavami, "
                       "ktorý umožní aj preskúšanie študentov."));
    zadanie->setObjectName(QStringLiteral("mmZadanie"));
    zadanie->setEnabled(false);
    udaje->addWidget(zadanie, r++, 0, 1, 2);

    lblUplneZnenie = new QLabel(QStringLiteral("Úplné znenie ..."));
    lblUplneZnenie->setObjectName(QStringLiteral("lblUplneZnenie"));
    lblUplneZnenie->setStyleSheet(QStringLiteral("font-weight: bold; color: navy;"));
    lblUplneZnenie->setCursor(Qt::WhatsThisCursor);
    lblUplneZnenie->setToolTip(QStringLiteral("Zobraziť!"));
    lblUplneZnenie->installEventFilter(this);
    lblUplneZnenie->setVisible(kontext.maPomocnika());
    udaje->addWidget(lblUplneZnenie, r++, 0, 1, 2);

    btnOK = new QPushButton(QStringLiteral("&OK"));
    btnOK->setObjectName(QStringLiteral("btnOK"));
    btnOK->setDefault(true);
    connect(btnOK, &QPushButton::clicked, this, [this] { btnOKClick(); });

    auto* panel = new QWidget;
    panel->setObjectName(QStringLiteral("pnlBiely"));
    auto* panelLayout = new QVBoxLayout(panel);
    panelLayout->addLayout(udaje);
    panelLayout->addStretch();
    auto* ok = new QHBoxLayout;
    ok->addStretch();
    ok->addWidget(btnOK);
    panelLayout->addLayout(ok);

    auto* stred = new QHBoxLayout;
    stred->addLayout(vlavo);
    stred->addWidget(panel, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 8, 8);
    setFixedWidth(620);
    layout->addWidget(hore);
    layout->addLayout(stred);
}

bool TfrmCoJe::eventFilter(QObject* o, QEvent* e) {
    if (e->type() == QEvent::MouseButtonRelease) {
        if (o == lblUplneZnenie) {
            lblUplneZnenieClick();
            return true;
        }
        const QString adresa = o->property("adresa").toString();
        if (!adresa.isEmpty()) {
            QDesktopServices::openUrl(QUrl(adresa));
            return true;
        }
    }
    return TfrmMaleOkno::eventFilter(o, e);
}

void TfrmCoJe::lblUplneZnenieClick() {
    kontext.otvoritPomocnika(this, 1);
}

void TfrmCoJe::btnOKClick() {
    accept();
}

} // namespace saldovia
