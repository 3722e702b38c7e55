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
    // Modal to the main window's family only: a window with no parent (the help, the
    // calculator) is not blocked.
    setWindowModality(Qt::WindowModal);
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
    parentWidget()->installEventFilter(this);
}

void TfrmCeleOkno::naPlochu() {
    move(kontext.pracovnaPlocha().topLeft());
}

void TfrmCeleOkno::showEvent(QShowEvent* e) {
    naPlochu();
    QDialog::showEvent(e);
}

bool TfrmCeleOkno::eventFilter(QObject* o, QEvent* e) {
    // The main window is the parent. The filter also sees its events while it is being
    // destroyed, when the context may no longer be asked: only the parent is looked at.
    QWidget* hlavne = parentWidget();
    if (o == hlavne && isVisible()) {
        switch (e->type()) {
        case QEvent::Move:
        case QEvent::Resize:
            naPlochu();
            break;
        case QEvent::WindowStateChange:
            // A window manager that leaves a window without a frame on the screen when
            // its owner is minimised: minimised and restored here together with it.
            if (hlavne->isMinimized()) {
                if (!isMinimized())
                    setWindowState(windowState() | Qt::WindowMinimized);
            } else {
                if (isMinimized())
                    setWindowState(windowState() & ~Qt::WindowMinimized);
                naPlochu();
                raise();
            }
            break;
        default:
            break;
        }
    }
    return TfrmOkno::eventFilter(o, e);
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
