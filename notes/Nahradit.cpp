#include "Nahradit.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

namespace saldovia {

TReplaceDialog::TReplaceDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceDialog"));
    setWindowTitle(QStringLiteral("Nahradiť"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setModal(false);

    edtHladat = new QLineEdit;
    edtHladat->setObjectName(QStringLiteral("edtHladat"));
    edtNahradit = new QLineEdit;
    edtNahradit->setObjectName(QStringLiteral("edtNahradit"));
    for (QLineEdit* e : {edtHladat, edtNahradit})
        e->setMinimumWidth(190);
    auto* lblHladat = new QLabel(QStringLiteral("&Nájsť:"));
    lblHladat->setBuddy(edtHladat);
    auto* lblNahradit = new QLabel(QStringLiteral("Nahradiť &čím:"));
    lblNahradit->setBuddy(edtNahradit);
    chbCeleSlova = new QCheckBox(QStringLiteral("Len &celé slová"));
    chbCeleSlova->setObjectName(QStringLiteral("chbCeleSlova"));
    chbVelkePismena = new QCheckBox(QStringLiteral("Rozlišovať &malé a veľké písmená"));
    chbVelkePismena->setObjectName(QStringLiteral("chbVelkePismena"));

    auto tlacidlo = [](const QString& meno, const QString& text) {
        auto* b = new QPushButton(text);
        b->setObjectName(meno);
        b->setAutoDefault(false);
        return b;
    };
    btnNajstDalej = tlacidlo(QStringLiteral("btnNajstDalej"), QStringLiteral("Nájsť ď&alej"));
    btnNajstDalej->setDefault(true);
    btnNahradit = tlacidlo(QStringLiteral("btnNahradit"), QStringLiteral("Na&hradiť"));
    btnNahraditVsetko =
        tlacidlo(QStringLiteral("btnNahraditVsetko"), QStringLiteral("Nahradiť &všetko"));
    btnZrusit = tlacidlo(QStringLiteral("btnZrusit"), QStringLiteral("Zrušiť"));

    auto* polia = new QGridLayout;
    polia->addWidget(lblHladat, 0, 0);
    polia->addWidget(edtHladat, 0, 1);
    polia->addWidget(lblNahradit, 1, 0);
    polia->addWidget(edtNahradit, 1, 1);
    polia->addWidget(chbCeleSlova, 2, 0, 1, 2);
    polia->addWidget(chbVelkePismena, 3, 0, 1, 2);
    polia->setRowStretch(4, 1);
    auto* tlacidla = new QVBoxLayout;
    for (QPushButton* b : {btnNajstDalej, btnNahradit, btnNahraditVsetko, btnZrusit})
        tlacidla->addWidget(b);
    tlacidla->addStretch();
    auto* hlavne = new QHBoxLayout(this);
    hlavne->addLayout(polia, 1);
    hlavne->addSpacing(6);
    hlavne->addLayout(tlacidla);

    // Nothing to search for: nothing to press.
    auto stav = [this] {
        const bool text = !edtHladat->text().isEmpty();
        for (QPushButton* b : {btnNajstDalej, btnNahradit, btnNahraditVsetko})
            b->setEnabled(text);
    };
    connect(edtHladat, &QLineEdit::textChanged, this, stav);
    stav();
    connect(btnNajstDalej, &QPushButton::clicked, this, [this] { emit OnFind(); });
    connect(btnNahradit, &QPushButton::clicked, this, [this] { nahradit(false); });
    connect(btnNahraditVsetko, &QPushButton::clicked, this, [this] { nahradit(true); });
    connect(btnZrusit, &QPushButton::clicked, this, &QDialog::close);
}

QString TReplaceDialog::FindText() const {
    return edtHladat->text();
}

void TReplaceDialog::setFindText(const QString& text) {
    edtHladat->setText(text);
}

QString TReplaceDialog::ReplaceText() const {
    return edtNahradit->text();
}

bool TReplaceDialog::matchCase() const {
    return chbVelkePismena->isChecked();
}

bool TReplaceDialog::wholeWord() const {
    return chbCeleSlova->isChecked();
}

void TReplaceDialog::Execute() {
    if (!umiestneny_ && parentWidget()) {
        // The first time beside the editor: right or left of the owner's window where the
        // screen has room, else at the owner's upper right corner.
        adjustSize();
        const QRect vlastnik = parentWidget()->window()->frameGeometry();
        const QRect obrazovka = screen()->availableGeometry();
        const int y = vlastnik.top() + 64;
        QPoint miesto(vlastnik.right() - width() - 12, y);
        for (const QPoint& p :
             {QPoint(vlastnik.right() + 8, y), QPoint(vlastnik.left() - width() - 8, y)})
            if (obrazovka.contains(QRect(p, frameGeometry().size()))) {
                miesto = p;
                break;
            }
        move(miesto);
        umiestneny_ = true;
    }
    show();
    raise();
    activateWindow();
    edtHladat->setFocus();
    edtHladat->selectAll();
}

void TReplaceDialog::odsunutZ(const QRect& oblast) {
    const QRect ram = frameGeometry();
    if (!isVisible() || !ram.intersects(oblast))
        return;
    const QRect obrazovka = screen()->availableGeometry();
    const QRect vlastnik = parentWidget() ? parentWidget()->window()->frameGeometry() : oblast;
    // beside the owner first, then below or above the text
    const QPoint miesta[] = {
        QPoint(vlastnik.right() + 8, ram.top()),
        QPoint(vlastnik.left() - ram.width() - 8, ram.top()),
        QPoint(ram.left(), oblast.bottom() + 16),
        QPoint(ram.left(), oblast.top() - ram.height() - 16),
    };
    for (const QPoint& p : miesta) {
        const QRect r(p, ram.size());
        if (obrazovka.contains(r) && !r.intersects(oblast)) {
            move(p);
            return;
        }
    }
    // a screen too small for every place: below the text, as far as the screen goes
    move(ram.left(), std::min(oblast.bottom() + 16, obrazovka.bottom() - ram.height()));
}

void TReplaceDialog::nahradit(bool vsetko) {
    replaceAll_ = vsetko;
    emit OnReplace();
    replaceAll_ = false;
}

} // namespace saldovia
