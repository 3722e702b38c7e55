#include "Okna.h"

#include "Dialogs.h"
#include "Kontext.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFrame>

namespace saldovia {

void ukazChybu(QWidget* parent, const std::exception& e) {
    showError(parent, QStringLiteral("Chyba"), QString::fromUtf8(e.what()));
}

TfrmOkno::TfrmOkno(Kontext& k, const QString& meno, int pomocnik)
    : QDialog(k.hlavneOkno()), kontext(k), pomocnik_(pomocnik) {
    setObjectName(meno);
    setModal(true);
    kontext.registrovatOkno(this);
}

TfrmOkno::~TfrmOkno() = default;

void TfrmOkno::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
        kontext.otvoritPomocnika(this, pomocnik_);
        return;
    }
    QDialog::keyPressEvent(e);
}

TfrmCeleOkno::TfrmCeleOkno(Kontext& k, const QString& meno, const QString& caption, int pomocnik)
    : TfrmOkno(k, meno, pomocnik) {
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setWindowTitle(caption);
    setFixedSize(Kontext::SirkaPlochy, Kontext::VyskaPlochy);
    kontext.nastavitTitulok(caption);
}

void TfrmCeleOkno::showEvent(QShowEvent* e) {
    move(kontext.pracovnaPlocha().topLeft());
    QDialog::showEvent(e);
}

void TfrmCeleOkno::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    QPainter p(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.rect = rect();
    frame.lineWidth = 2;
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_Frame, &frame, &p, this);
}

TfrmMaleOkno::TfrmMaleOkno(Kontext& k, const QString& meno, const QString& caption, int pomocnik)
    : TfrmOkno(k, meno, pomocnik) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
}

void TfrmMaleOkno::showEvent(QShowEvent* e) {
    adjustSize();
    setFixedSize(size());
    const QRect main = kontext.hlavneOkno()->frameGeometry();
    move(main.center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(e);
}

} // namespace saldovia
