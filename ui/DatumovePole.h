#pragma once

#include <QDate>
#include <QDateEdit>
#include <QString>

#include <optional>

namespace saldovia {

// Reads a date as people write it by hand: "15.6.2025", "15.06.2025", "1.1.25" (a two-digit
// year is 20yy), "15.6." or "15.6" and "15" (the missing year and month taken from
// `predvoleny`), or digits alone: "15062025", "150625", "1506" and "15". Blanks around the
// text are ignored. nullopt for anything that is no real date.
std::optional<QDate> citatDatum(const QString& text, const QDate& predvoleny);

// A date field that lets the date be typed freely. As soon as a digit is typed (or Backspace
// pressed) the field collects the typed text in place of everything from the selected part,
// or the part the cursor is in (Backspace: the cursor), onwards; Enter, Tab, leaving the field, a
// click or any other key then reads it with citatDatum. A text that is no date, or a date outside
// the field's minimum and maximum, is refused with a message and the field keeps its previous date.
// Escape drops the typed text and goes on to the window. Without typing the field behaves as a
// QDateEdit.
class TDatumovePole : public QDateEdit {
    Q_OBJECT
public:
    explicit TDatumovePole(QWidget* parent = nullptr);

    // True while typed text waits to be read.
    bool pise() const { return pise_; }
    // Reads the typed text (if any) into the date; false when it was refused.
    bool potvrdit();

protected:
    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;
    bool event(QEvent* e) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    // Starts collecting the typed text: what stands before the cursor or selection stays
    // (with odCasti, before the start of the part the cursor is in).
    void zacat(bool odCasti);
    void zobrazit(const QString& text);
    // Shows the field's date again, dropping the typed text.
    void obnovit();

    bool pise_ = false;
    QString text_;
};

} // namespace saldovia
