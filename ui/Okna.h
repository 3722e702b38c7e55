#pragma once

#include <QDialog>
#include <QList>
#include <QPoint>
#include <QPointer>
#include <QString>

#include <exception>
#include <functional>
#include <type_traits>

class QAbstractButton;

namespace saldovia {

class Kontext;

// Shows an exception that escaped a handler in the general error box; the program goes on.
void ukazChybu(QWidget* parent, const std::exception& e);

// Wraps a handler so that an exception it throws is shown in the general error box
// instead of leaving the event loop. Signal arguments the handler does not take are
// dropped.
template <class F> auto chranene(QWidget* parent, F f) {
    return [parent, f](auto&&... args) {
        try {
            if constexpr (std::is_invocable_v<const F&, decltype(args)...>)
                std::invoke(f, std::forward<decltype(args)>(args)...);
            else
                std::invoke(f);
        } catch (const std::exception& e) {
            ukazChybu(parent, e);
        }
    };
}

// The common behaviour of the program's windows: F1 opens the window's help topic, and
// the window registers itself with the main window while it is alive. A window is modal
// to the main window and the windows it opened from; windows of their own (the help and
// the calculator) stay usable beside it. A shown window takes the keyboard focus (on the
// control its form put it on, else the first one), Enter presses the focused button, and
// when the window closes the window that opened it gets the focus back.
class TfrmOkno : public QDialog {
    Q_OBJECT
public:
    TfrmOkno(Kontext& kontext, const QString& meno, int pomocnik);
    ~TfrmOkno() override;
    int pomocnik() const { return pomocnik_; }
    // The window that was in front when this one was made; it gets the focus back.
    QWidget* otvoril() const { return otvoril_; }

    // Whether the window holds edits that are not saved: its fields differ from what was
    // last remembered, or a change was marked.
    virtual bool maZmeny() const;
    // Escape and the window's close button ask this first: with unsaved edits the user
    // chooses to save them (the save button with its checks), to throw them away, or to
    // stay. True when the window may close.
    bool mozeZatvorit();

protected:
    bool event(QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // The window keeps edits until `ulozit` saves them: closing with Escape or the close
    // button asks first. Without an enabled save button nothing can be saved and nothing
    // is asked.
    void chranitZmeny(QAbstractButton* ulozit);
    // The fields as they are now count as saved. A control with the property "mimoZmien"
    // set (an option of the command, not data) is not looked at.
    void zapamatatStav();
    // A change the fields do not show (a line written to the scratch tables).
    void oznacitZmenu() { zmena_ = true; }
    // Connects a control's signal to a handler of this window; an exception the handler
    // throws shows in the general error box.
    template <class Sender, class Signal, class F>
    void pripojit(Sender* sender, Signal signal, F handler) {
        connect(sender, signal, this, chranene(this, handler));
    }
    Kontext& kontext;

private:
    // The values of the window's input controls, as one text.
    QString stav() const;
    void prevziatFokus();

    int pomocnik_;
    QPointer<QWidget> otvoril_;
    QPointer<QAbstractButton> ulozit_;
    QString stav_;
    bool zmena_ = false;
    bool zobrazene_ = false;
};

// A full-size window: no frame of its own, laid over the main window's work area (632 ×
// 407 above the status bar) with a bevel, its caption shown in the main window's caption.
// It follows every move of the main window, is minimised with it and comes back with it;
// moved by the window manager, it takes the main window along.
class TfrmCeleOkno : public TfrmOkno {
    Q_OBJECT
public:
    TfrmCeleOkno(Kontext& kontext, const QString& meno, const QString& caption, int pomocnik);

protected:
    void showEvent(QShowEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void naPlochu();
    // The places this window was last put on; a move to any other place is not its own.
    QList<QPoint> miesta_;
};

// A small dialog with a fixed border, centred on the main window; it is not minimised or
// maximised on its own.
class TfrmMaleOkno : public TfrmOkno {
    Q_OBJECT
public:
    TfrmMaleOkno(Kontext& kontext, const QString& meno, const QString& caption, int pomocnik);

protected:
    void changeEvent(QEvent* e) override;
    void showEvent(QShowEvent* e) override;
};

} // namespace saldovia
