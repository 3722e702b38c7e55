#include "Okna.h"

#include "Dialogs.h"
#include "Kontext.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QStyleOptionFrame>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>

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
    // Windows are made just before they are shown: the window in front opened this one.
    QWidget* vpredu = QApplication::activeModalWidget();
    otvoril_ = vpredu ? vpredu : k.hlavneOkno();
    kontext.registrovatOkno(this);
}

TfrmOkno::~TfrmOkno() = default;

bool TfrmOkno::event(QEvent* e) {
    // A window of its own (no parent: the help, the calculator) gets no transient parent: one
    // would put it in the main window's family, which a modal window blocks.
    if (e->type() == QEvent::Show && !zobrazene_ && otvoril_ && parentWidget() &&
        otvoril_ != parentWidget()) {
        // The window manager gives the focus back to the window this one stands over.
        create();
        if (QWindow* okno = windowHandle(); okno && otvoril_->window()->windowHandle())
            okno->setTransientParent(otvoril_->window()->windowHandle());
    }
    const bool vysledok = QDialog::event(e);
    switch (e->type()) {
    case QEvent::Show:
        if (!zobrazene_) {
            // Everything the window fills in before it is shown is what it opened with.
            zobrazene_ = true;
            // A text longer than its field shows from its beginning (the field with the
            // focus keeps its cursor at the end, where typing goes on).
            for (QLineEdit* pole : findChildren<QLineEdit*>())
                if (pole->window() == this && pole != focusWidget() &&
                    !qobject_cast<QAbstractSpinBox*>(pole->parentWidget()) &&
                    !qobject_cast<QComboBox*>(pole->parentWidget()))
                    pole->setCursorPosition(0);
            zapamatatStav();
            prevziatFokus();
        }
        break;
    case QEvent::Hide:
        // The window that opened this one takes the focus back, not the main window that
        // it may block.
        if (!e->spontaneous() && otvoril_ && otvoril_->isVisible() && otvoril_ != this) {
            QPointer<QWidget> okno = otvoril_->window();
            auto aktivovat = [okno] {
                if (!okno || !okno->isVisible() || QApplication::activeWindow())
                    return;
                okno->activateWindow();
                if (QWindow* w = okno->windowHandle())
                    w->requestActivate();
            };
            okno->activateWindow();
            if (QWindow* w = okno->windowHandle())
                w->requestActivate();
            // A window manager busy unmapping this window may drop the request and leave no
            // window of the program active: it is asked again.
            for (const int ms : {150, 500, 1500})
                QTimer::singleShot(ms, okno, aktivovat);
        }
        break;
    default:
        break;
    }
    return vysledok;
}

void TfrmOkno::prevziatFokus() {
    // The control the form put the focus on, else the first one in the tab order.
    if (!focusWidget())
        focusNextChild();
    raise();
    activateWindow();
}

void TfrmOkno::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_F1 && e->modifiers() == Qt::NoModifier) {
        kontext.otvoritPomocnika(this, pomocnik_);
        return;
    }
    if ((e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) &&
        (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        // Enter presses the focused button, as the space bar does.
        if (auto* b = qobject_cast<QAbstractButton*>(focusWidget());
            b && b->isEnabled() && !qobject_cast<QCheckBox*>(b) &&
            !qobject_cast<QRadioButton*>(b)) {
            b->animateClick();
            return;
        }
    }
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
        if (mozeZatvorit() && isVisible())
            reject();
        return;
    }
    QDialog::keyPressEvent(e);
}

void TfrmOkno::closeEvent(QCloseEvent* e) {
    if (!mozeZatvorit()) {
        e->ignore();
        return;
    }
    QDialog::closeEvent(e);
}

QString TfrmOkno::stav() const {
    QStringList hodnoty;
    for (QWidget* w : findChildren<QWidget*>()) {
        // A pop-up's own controls (the calendar of a date field, made when it first opens)
        // are not the window's fields.
        if (w->property("mimoZmien").toBool() || w->window() != this)
            continue;
        if (auto* e = qobject_cast<QLineEdit*>(w))
            hodnoty << e->text();
        else if (auto* c = qobject_cast<QComboBox*>(w))
            hodnoty << QString::number(c->currentIndex()) + c->currentText();
        else if (auto* s = qobject_cast<QAbstractSpinBox*>(w))
            hodnoty << s->text();
        else if (auto* t = qobject_cast<QTextEdit*>(w))
            hodnoty << t->toHtml();
        else if (auto* p = qobject_cast<QPlainTextEdit*>(w))
            hodnoty << p->toPlainText();
        else if (auto* b = qobject_cast<QAbstractButton*>(w); b && b->isCheckable())
            hodnoty << QString::number(b->isChecked());
    }
    return hodnoty.join(QChar(0x1f));
}

void TfrmOkno::chranitZmeny(QAbstractButton* ulozit) {
    ulozit_ = ulozit;
}

void TfrmOkno::zapamatatStav() {
    stav_ = stav();
    zmena_ = false;
}

bool TfrmOkno::maZmeny() const {
    return zobrazene_ && (zmena_ || stav() != stav_);
}

bool TfrmOkno::mozeZatvorit() {
    if (!ulozit_ || !ulozit_->isEnabled() || !isVisible() || !maZmeny())
        return true;
    const auto odpoved = DialogService::instance().message(
        this, QStringLiteral("Upozornenie"), QStringLiteral("Uložiť zmeny?"),
        DialogService::Icon::Question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel,
        QMessageBox::Yes);
    // The window may have been closed meanwhile (the end of an exam).
    if (!isVisible() || odpoved == QMessageBox::No)
        return true;
    if (odpoved != QMessageBox::Yes)
        return false;
    // Saving runs the window's own checks: a refusal keeps the window open on its field.
    ulozit_->click();
    return isVisible() && !maZmeny();
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
    const QPoint miesto = kontext.pracovnaPlocha().topLeft();
    // The window system reports the moves later, one by one, while the main window may
    // already be elsewhere: each reported place that was once asked for is this window's.
    miesta_.removeAll(miesto);
    miesta_.append(miesto);
    if (miesta_.size() > 16)
        miesta_.removeFirst();
    move(miesto);
}

void TfrmCeleOkno::showEvent(QShowEvent* e) {
    naPlochu();
    QDialog::showEvent(e);
    // A window manager placing a window over another one may report a place the window is
    // not at (the corner of its frame), and pop-ups and messages would then open that far
    // from their controls. The place is asked for again until the report agrees with it.
    for (const int ms : {30, 150, 500, 1500})
        QTimer::singleShot(ms, this, [this] {
            QWindow* okno = windowHandle();
            if (okno && isVisible() && !isMinimized() && okno->position() != pos())
                okno->setPosition(pos());
        });
}

void TfrmCeleOkno::moveEvent(QMoveEvent* e) {
    QDialog::moveEvent(e);
    // The window manager moved the window itself (a drag with Alt, which looks like a drag of
    // the main window): the main window comes along, and the window stays over its work area.
    if (!isVisible() || isMinimized() || miesta_.contains(pos()))
        return;
    QWidget* hlavne = parentWidget();
    const QPoint posun = pos() - kontext.pracovnaPlocha().topLeft();
    if (!posun.isNull() && !hlavne->isMinimized())
        hlavne->move(hlavne->pos() + posun);
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

void TfrmMaleOkno::changeEvent(QEvent* e) {
    TfrmOkno::changeEvent(e);
    // A fixed dialog is neither minimised nor maximised, whatever buttons the window manager
    // puts on its title bar; it is minimised only together with the main window.
    constexpr Qt::WindowStates zakazane =
        Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
    if (e->type() != QEvent::WindowStateChange || !(windowState() & zakazane))
        return;
    QTimer::singleShot(0, this, [this, zakazane] {
        QWidget* hlavne = kontext.hlavneOkno();
        if (!(windowState() & zakazane) || (hlavne && hlavne->isMinimized()))
            return;
        setWindowState(windowState() & ~zakazane);
        show();
        raise();
        activateWindow();
    });
}

void TfrmMaleOkno::showEvent(QShowEvent* e) {
    adjustSize();
    setFixedSize(size());
    const QRect main = kontext.hlavneOkno()->frameGeometry();
    move(main.center() - QPoint(width() / 2, height() / 2));
    QDialog::showEvent(e);
}

} // namespace saldovia
