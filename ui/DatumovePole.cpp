#include "DatumovePole.h"

#include "store/Values.h"
#include "ui/Dialogs.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace saldovia {

namespace {

// The longest text a date can be typed as: "dd.mm.yyyy".
constexpr int NajdlhsiText = 10;

bool cislice(QStringView s, int najmenej, int najviac) {
    if (s.size() < najmenej || s.size() > najviac)
        return false;
    for (QChar c : s)
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

int rok(QStringView s) {
    const int r = s.toInt();
    return s.size() == 2 ? 2000 + r : r;
}

bool jeModifikator(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

const QString Tvar = QStringLiteral("Dátum zadajte ako deň.mesiac.rok, napríklad 15.6.2025.");

} // namespace

std::optional<QDate> citatDatum(const QString& vstup, const QDate& predvoleny) {
    const QString text = vstup.trimmed();
    int den = 0;
    int mesiac = predvoleny.month();
    int r = predvoleny.year();
    if (text.contains(u'.')) {
        QStringList casti = text.split(u'.');
        // A dot after the last part closes it, as in "15.6." or "15.6.2025.".
        if (casti.size() > 1 && casti.last().isEmpty())
            casti.removeLast();
        if (casti.size() > 3 || !cislice(casti[0], 1, 2))
            return std::nullopt;
        den = casti[0].toInt();
        if (casti.size() > 1) {
            if (!cislice(casti[1], 1, 2))
                return std::nullopt;
            mesiac = casti[1].toInt();
        }
        if (casti.size() > 2) {
            if (casti[2].size() == 3 || !cislice(casti[2], 2, 4))
                return std::nullopt;
            r = rok(casti[2]);
        }
    } else {
        const QStringView s(text);
        switch (s.size()) {
        case 8:
        case 6:
            if (!cislice(s, 6, 8))
                return std::nullopt;
            r = rok(s.mid(4));
            [[fallthrough]];
        case 4:
            if (!cislice(s, 4, 8))
                return std::nullopt;
            mesiac = s.mid(2, 2).toInt();
            den = s.left(2).toInt();
            break;
        case 1:
        case 2:
            if (!cislice(s, 1, 2))
                return std::nullopt;
            den = s.toInt();
            break;
        default:
            return std::nullopt;
        }
    }
    if (!QDate::isValid(r, mesiac, den))
        return std::nullopt;
    return QDate(r, mesiac, den);
}

TDatumovePole::TDatumovePole(QWidget* parent) : QDateEdit(parent) {
    lineEdit()->installEventFilter(this);
}

QValidator::State TDatumovePole::validate(QString& input, int& pos) const {
    // The typed text is read only when typing ends; until then the field does not
    // interpret it (it would jump between its parts and correct the text).
    if (pise_)
        return QValidator::Intermediate;
    return QDateEdit::validate(input, pos);
}

void TDatumovePole::fixup(QString& input) const {
    if (!pise_)
        QDateEdit::fixup(input);
}

void TDatumovePole::zacat(bool odCasti) {
    const QLineEdit* e = lineEdit();
    int od = e->hasSelectedText() ? e->selectionStart() : e->cursorPosition();
    // A click into the day, month or year: typing replaces that part from its start.
    if (odCasti && od > 0)
        od = static_cast<int>(e->text().lastIndexOf(u'.', od - 1)) + 1;
    text_ = e->text().left(od);
    pise_ = true;
}

void TDatumovePole::zobrazit(const QString& text) {
    // Blocked, so that the spin box does not read the text as its parts.
    const QSignalBlocker blok(lineEdit());
    lineEdit()->setText(text);
    lineEdit()->setCursorPosition(static_cast<int>(text.size()));
}

void TDatumovePole::obnovit() {
    pise_ = false;
    text_.clear();
    zobrazit(textFromDateTime(dateTime()));
}

bool TDatumovePole::potvrdit() {
    // A date set meanwhile by the window replaced the typed text.
    if (!pise_ || lineEdit()->text() != text_) {
        pise_ = false;
        return true;
    }
    const QString text = text_;
    obnovit();
    QString sprava;
    const std::optional<QDate> d = citatDatum(text, date());
    if (text.trimmed().isEmpty())
        sprava = QStringLiteral("Dátum nebol zadaný.\n") + Tvar;
    else if (!d)
        sprava = QStringLiteral("„%1“ nie je platný dátum.\n%2").arg(text, Tvar);
    else if (*d < minimumDate() || *d > maximumDate())
        sprava = QStringLiteral("Dátum %1 je mimo povoleného rozsahu.\nZadajte dátum od %2 do %3.")
                     .arg(dateToText(*d), dateToText(minimumDate()), dateToText(maximumDate()));
    if (!sprava.isEmpty()) {
        showError(this, QStringLiteral("Chyba"), sprava);
        selectAll();
        return false;
    }
    setDate(*d);
    return true;
}

bool TDatumovePole::event(QEvent* e) {
    if (pise_ && e->type() == QEvent::KeyPress) {
        // Tab ends the typing and leaves the field (without typing it moves between the
        // field's parts, as a date edit does).
        auto* k = static_cast<QKeyEvent*>(e);
        const bool tab = k->key() == Qt::Key_Tab || k->key() == Qt::Key_Backtab;
        if (tab && !(k->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
            if (potvrdit())
                QWidget::focusNextPrevChild(k->key() == Qt::Key_Tab &&
                                            !(k->modifiers() & Qt::ShiftModifier));
            return true;
        }
    }
    if (pise_ && e->type() == QEvent::ShortcutOverride) {
        // A shortcut (Alt+U saves) acts on the typed date; a refused one stops it.
        auto* k = static_cast<QKeyEvent*>(e);
        if ((k->modifiers() & (Qt::ControlModifier | Qt::AltModifier)) &&
            !jeModifikator(k->key()) && !potvrdit()) {
            e->accept();
            return true;
        }
    }
    return QDateEdit::event(e);
}

bool TDatumovePole::eventFilter(QObject* o, QEvent* e) {
    if (o == lineEdit() && pise_ &&
        (e->type() == QEvent::MouseButtonPress || e->type() == QEvent::MouseButtonDblClick))
        return !potvrdit();
    return QDateEdit::eventFilter(o, e);
}

void TDatumovePole::keyPressEvent(QKeyEvent* e) {
    if (pise_ && lineEdit()->text() != text_)
        pise_ = false;
    const QString znak = e->text();
    const bool pismeno = znak.size() == 1 && znak[0].isPrint() &&
                         !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    const bool cislica = pismeno && znak[0] >= u'0' && znak[0] <= u'9';
    // The decimal key of the keypad writes a comma on a Slovak keyboard.
    const bool bodka =
        pismeno && (znak[0] == u'.' || (znak[0] == u',' && (e->modifiers() & Qt::KeypadModifier)));
    if (isReadOnly()) {
        QDateEdit::keyPressEvent(e);
        return;
    }
    if (cislica || (pise_ && bodka)) {
        if (!pise_)
            zacat(true);
        if (text_.size() < NajdlhsiText)
            text_ += bodka ? QStringLiteral(".") : znak;
        zobrazit(text_);
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Backspace &&
        !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        if (!pise_) {
            const bool vyber = lineEdit()->hasSelectedText();
            zacat(false);
            if (!vyber)
                text_.chop(1);
        } else {
            text_.chop(1);
        }
        zobrazit(text_);
        e->accept();
        return;
    }
    if (!pise_) {
        QDateEdit::keyPressEvent(e);
        return;
    }
    if (jeModifikator(e->key())) {
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Escape) {
        // Escape drops the typing; the window then treats the key as it always does.
        obnovit();
        e->ignore();
        return;
    }
    if (pismeno) { // other characters are not part of a date
        e->accept();
        return;
    }
    if (!potvrdit()) {
        e->accept();
        return;
    }
    QDateEdit::keyPressEvent(e);
}

void TDatumovePole::focusOutEvent(QFocusEvent* e) {
    if (pise_)
        potvrdit();
    QDateEdit::focusOutEvent(e);
}

void TDatumovePole::mousePressEvent(QMouseEvent* e) {
    if (pise_ && !potvrdit())
        return;
    QDateEdit::mousePressEvent(e);
}

void TDatumovePole::wheelEvent(QWheelEvent* e) {
    if (pise_ && !potvrdit())
        return;
    QDateEdit::wheelEvent(e);
}

} // namespace saldovia
