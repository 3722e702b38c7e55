#pragma once

#include "CiselneZadanie.h"

#include <QLineEdit>
#include <QPointer>

#include <functional>

class QAction;
class QMenu;

namespace saldovia {

class TCiselnePolia;

// An amount or rate field (mmCiastka, mmKurz): typed characters go through the key
// filter, the clipboard through the checked commands of the fields' pop-up menu, and
// leaving the field writes its value in the field's form.
class TCiselnePole : public QLineEdit {
    Q_OBJECT
public:
    TCiselnePole(const QString& meno, int desatinne, TCiselnePolia& polia,
                 QWidget* parent = nullptr);

    // Digits allowed after the comma: 2 for amounts, 3 for rates.
    int desatinne() const { return desatinne_; }
    TCiselnePolia& polia() const { return polia_; }
    StavPola stav() const;
    void nastavitStav(const StavPola& s);

protected:
    // The field never applies typed characters itself: the filter does, so nothing
    // needs to be undone when the key is released.
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    // The middle button would paste the selection clipboard past the check.
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    int desatinne_;
    TCiselnePolia& polia_;
};

// Čiastka × Kurz of the two fields as the booked amount's text; "" while a field is empty.
// Throws DbError when a field is no number or the product is too large.
QString sucinPoli(const TCiselnePole* ciastka, const TCiselnePole* kurz);

// The number-entry fields of one window with their shared handlers and pop-up menu
// `PopupMenu`; every command acts on the field that has the focus: the one last focused,
// or whose key or pop-up menu is being handled.
class TCiselnePolia : public QObject {
    Q_OBJECT
public:
    // okno: the window that owns the fields, the parent of messages.
    explicit TCiselnePolia(QWidget* okno);

    // Runs after a field was left and its text formatted: the window recomputes what
    // depends on the fields. Not run when the text was no number.
    std::function<void()> poOdchode;

    // Ctrl+X, Ctrl+C and Ctrl+V (and the platform's other cut, copy and paste keys)
    // run the menu's commands; true when the key was one of them.
    bool mmKeyDown(TCiselnePole* pole, QKeyEvent* e);
    void mmKeyPress(TCiselnePole* pole, QChar znak);
    // Formats the field that was left; a text that is no number is an error and stays.
    void mmExit(TCiselnePole* pole);

    void pmItmVystrihnutClick();
    void pmItmKopirovatClick();
    void pmItmPrilepitClick();
    void pmItmOdstranitClick();
    void pmItmVybratVsetkoClick();

    // The checks a line editor runs on its amount and rate before saving, in two steps so
    // that the editor keeps its order of checks: both fields filled in (zadane), both
    // numbers, then written in their form (platne). A refusal shows its message and puts
    // the focus into the field; false then.
    bool zadane(TCiselnePole* ciastka, TCiselnePole* kurz);
    bool platne(TCiselnePole* ciastka, TCiselnePole* kurz);
    // A check of the save failed: the message, the focus into the field.
    void odmietnut(QWidget* pole, const QString& sprava);

    TCiselnePole* aktivne() const;
    void nastavitAktivne(TCiselnePole* pole) { aktivne_ = pole; }

    QMenu* PopupMenu;
    QAction* pmItmVystrihnut;
    QAction* pmItmKopirovat;
    QAction* pmItmPrilepit;
    QAction* pmItmOdstranit;
    QAction* pmItmVybratVsetko;

private:
    QWidget* okno_;
    QPointer<TCiselnePole> aktivne_;
};

} // namespace saldovia
