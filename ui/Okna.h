#pragma once

#include <QDialog>
#include <QPointer>

#include <exception>
#include <functional>
#include <type_traits>

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
// the calculator) stay usable beside it.
class TfrmOkno : public QDialog {
    Q_OBJECT
public:
    TfrmOkno(Kontext& kontext, const QString& meno, int pomocnik);
    ~TfrmOkno() override;
    int pomocnik() const { return pomocnik_; }

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // Connects a control's signal to a handler of this window; an exception the handler
    // throws shows in the general error box.
    template <class Sender, class Signal, class F>
    void pripojit(Sender* sender, Signal signal, F handler) {
        connect(sender, signal, this, chranene(this, handler));
    }
    Kontext& kontext;

private:
    int pomocnik_;
};

// A full-size window: no frame of its own, laid over the main window's work area (632 ×
// 407 above the status bar) with a bevel, its caption shown in the main window's caption.
// It follows every move of the main window, is minimised with it and comes back with it.
class TfrmCeleOkno : public TfrmOkno {
    Q_OBJECT
public:
    TfrmCeleOkno(Kontext& kontext, const QString& meno, const QString& caption, int pomocnik);

protected:
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    void naPlochu();
};

// A small dialog with a fixed border, centred on the main window.
class TfrmMaleOkno : public TfrmOkno {
    Q_OBJECT
public:
    TfrmMaleOkno(Kontext& kontext, const QString& meno, const QString& caption, int pomocnik);

protected:
    void showEvent(QShowEvent* e) override;
};

} // namespace saldovia
