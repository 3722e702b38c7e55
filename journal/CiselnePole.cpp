#include "CiselnePole.h"

#include "store/Connection.h"
#include "ui/Dialogs.h"
#include "ui/Okna.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>

#include <stdexcept>

namespace saldovia {

TCiselnePole::TCiselnePole(const QString& meno, int desatinne, TCiselnePolia& polia,
                           QWidget* parent)
    : QLineEdit(parent), desatinne_(desatinne), polia_(polia) {
    setObjectName(meno);
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

StavPola TCiselnePole::stav() const {
    if (hasSelectedText())
        return {text(), selectionStart(), static_cast<int>(selectionLength())};
    return {text(), cursorPosition(), 0};
}

void TCiselnePole::nastavitStav(const StavPola& s) {
    setText(s.text);
    if (s.dlzka > 0)
        setSelection(s.zaciatok, s.dlzka);
    else
        setCursorPosition(s.zaciatok);
}

void TCiselnePole::keyPressEvent(QKeyEvent* e) {
    e->accept();
    if (polia_.mmKeyDown(this, e))
        return;
    const int k = e->key();
    if (k == Qt::Key_Backspace) {
        polia_.mmKeyPress(this, QChar(Backspace));
        return;
    }
    if (e->matches(QKeySequence::Undo) || e->matches(QKeySequence::Redo))
        return; // the field's own history would bring back unfiltered texts
    const QString t = e->text();
    const bool znak = !t.isEmpty() && k != Qt::Key_Delete && k != Qt::Key_Escape &&
                      k != Qt::Key_Tab && k != Qt::Key_Backtab;
    if (znak) {
        polia_.mmKeyPress(this, t.at(0));
        return;
    }
    QLineEdit::keyPressEvent(e); // Delete, arrows, Home, End; Escape reaches the window
}

void TCiselnePole::focusInEvent(QFocusEvent* e) {
    polia_.nastavitAktivne(this);
    setPalette(QPalette());
    QLineEdit::focusInEvent(e);
}

void TCiselnePole::focusOutEvent(QFocusEvent* e) {
    // Leaving means the focus went to another control of the window; a pop-up menu, a
    // message box or another window taking over is no leaving.
    if (e->reason() == Qt::ActiveWindowFocusReason || e->reason() == Qt::PopupFocusReason) {
        QLineEdit::focusOutEvent(e);
        return;
    }
    chranene(window(), [this] { polia_.mmExit(this); })();
    // The line edit would drop the selection made on leaving; told that a pop-up took the
    // focus, it keeps it and only stops the caret.
    QFocusEvent ako(QEvent::FocusOut, Qt::PopupFocusReason);
    QLineEdit::focusOutEvent(&ako);
    // The selection shows again only with the focus.
    QPalette bezVyberu = palette();
    bezVyberu.setBrush(QPalette::Highlight, bezVyberu.brush(QPalette::Base));
    bezVyberu.setBrush(QPalette::HighlightedText, bezVyberu.brush(QPalette::Text));
    setPalette(bezVyberu);
}

void TCiselnePole::contextMenuEvent(QContextMenuEvent* e) {
    polia_.nastavitAktivne(this);
    polia_.PopupMenu->popup(e->globalPos());
    e->accept();
}

void TCiselnePole::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::MiddleButton) {
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

TCiselnePolia::TCiselnePolia(QWidget* okno) : QObject(okno), okno_(okno) {
    PopupMenu = new QMenu(okno);
    PopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    auto polozka = [this](const char* meno, const QString& caption, void (TCiselnePolia::*f)()) {
        auto* a = PopupMenu->addAction(caption);
        a->setObjectName(QString::fromLatin1(meno));
        connect(a, &QAction::triggered, this, chranene(okno_, [this, f] { (this->*f)(); }));
        return a;
    };
    pmItmVystrihnut = polozka("pmItmVystrihnut", QStringLiteral("V&ystrihnúť"),
                              &TCiselnePolia::pmItmVystrihnutClick);
    pmItmKopirovat = polozka("pmItmKopirovat", QStringLiteral("Ko&pírovať"),
                             &TCiselnePolia::pmItmKopirovatClick);
    pmItmPrilepit =
        polozka("pmItmPrilepit", QStringLiteral("Pri&lepiť"), &TCiselnePolia::pmItmPrilepitClick);
    pmItmOdstranit = polozka("pmItmOdstranit", QStringLiteral("Odst&rániť"),
                             &TCiselnePolia::pmItmOdstranitClick);
    PopupMenu->addSeparator();
    pmItmVybratVsetko = polozka("pmItmVybratVsetko", QStringLiteral("&Vybrať všetko"),
                                &TCiselnePolia::pmItmVybratVsetkoClick);
}

TCiselnePole* TCiselnePolia::aktivne() const {
    if (aktivne_)
        return aktivne_;
    auto* p = qobject_cast<TCiselnePole*>(QApplication::focusWidget());
    return p && &p->polia() == this ? p : nullptr;
}

bool TCiselnePolia::mmKeyDown(TCiselnePole* pole, QKeyEvent* e) {
    const bool ctrl = e->modifiers().testFlag(Qt::ControlModifier);
    const int k = e->key();
    aktivne_ = pole;
    if ((ctrl && k == Qt::Key_X) || e->matches(QKeySequence::Cut))
        pmItmVystrihnutClick();
    else if ((ctrl && k == Qt::Key_C) || e->matches(QKeySequence::Copy))
        pmItmKopirovatClick();
    else if ((ctrl && k == Qt::Key_V) || e->matches(QKeySequence::Paste))
        pmItmPrilepitClick();
    else
        return false;
    return true;
}

void TCiselnePolia::mmKeyPress(TCiselnePole* pole, QChar znak) {
    const StavPola pred = pole->stav();
    const StavPola po = stlacitZnak(pred, znak, pole->desatinne());
    if (po != pred)
        pole->nastavitStav(po);
}

void TCiselnePolia::mmExit(TCiselnePole* pole) {
    if (!pole->text().isEmpty()) {
        const auto hodnota = formatovat(pole->text(), pole->desatinne());
        if (!hodnota)
            throw std::runtime_error(
                QStringLiteral("'%1' nie je platné číslo.").arg(pole->text()).toStdString());
        pole->setText(*hodnota);
    }
    if (poOdchode)
        poOdchode();
    pole->selectAll();
}

void TCiselnePolia::pmItmVystrihnutClick() {
    if (TCiselnePole* p = aktivne())
        p->cut();
}

void TCiselnePolia::pmItmKopirovatClick() {
    if (TCiselnePole* p = aktivne())
        p->copy();
}

void TCiselnePolia::pmItmPrilepitClick() {
    TCiselnePole* p = aktivne();
    if (!p)
        return;
    const QString schranka = QApplication::clipboard()->text();
    if (const auto novy = vlozit(p->stav(), schranka, p->desatinne())) {
        p->nastavitStav(*novy);
        return;
    }
    showError(okno_, QStringLiteral("Chyba"),
              QStringLiteral("Schránka obsahuje nesprávne znaky:\n\n") + schranka);
    p->setFocus();
}

void TCiselnePolia::pmItmOdstranitClick() {
    if (TCiselnePole* p = aktivne())
        p->nastavitStav(odstranitVyber(p->stav()));
}

void TCiselnePolia::pmItmVybratVsetkoClick() {
    if (TCiselnePole* p = aktivne())
        p->selectAll();
}

QString sucinPoli(const TCiselnePole* ciastka, const TCiselnePole* kurz) {
    if (ciastka->text().isEmpty() || kurz->text().isEmpty())
        return {};
    auto neplatne = [](const QString& text) {
        return DbError(QStringLiteral("'%1' nie je platné číslo.").arg(text));
    };
    const auto c = citatSumu(ciastka->text());
    if (!c)
        throw neplatne(ciastka->text());
    const auto k = citatKurz(kurz->text());
    if (!k)
        throw neplatne(kurz->text());
    const auto suma = sucin(*c, *k);
    if (!suma)
        throw DbError(QStringLiteral("Suma je príliš veľká."));
    return suma->toText();
}

void TCiselnePolia::odmietnut(QWidget* pole, const QString& sprava) {
    showError(okno_, QStringLiteral("Chyba"), sprava);
    pole->setFocus();
}

bool TCiselnePolia::zadane(TCiselnePole* ciastka, TCiselnePole* kurz) {
    if (ciastka->text().isEmpty()) {
        odmietnut(ciastka, QStringLiteral("Čiastka nebola zadaná!"));
        return false;
    }
    if (kurz->text().isEmpty()) {
        odmietnut(kurz, QStringLiteral("Kurz nebol zadaný!"));
        return false;
    }
    return true;
}

bool TCiselnePolia::platne(TCiselnePole* ciastka, TCiselnePole* kurz) {
    // Amount columns hold numbers only: a text such as a lone comma is not stored.
    const auto c = formatovat(ciastka->text(), 2);
    if (!c) {
        odmietnut(ciastka, QStringLiteral("Čiastka nie je platné číslo!"));
        return false;
    }
    const auto k = formatovat(kurz->text(), 3);
    if (!k) {
        odmietnut(kurz, QStringLiteral("Kurz nie je platné číslo!"));
        return false;
    }
    ciastka->setText(*c);
    kurz->setText(*k);
    return true;
}

} // namespace saldovia
