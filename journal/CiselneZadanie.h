#pragma once

#include "store/Values.h"

#include <QPoint>
#include <QRect>
#include <QString>

#include <optional>

namespace saldovia {

// The text of a number-entry field with its caret or selection: the selection starts at
// zaciatok and is dlzka characters long; without a selection the caret is at zaciatok.
struct StavPola {
    QString text;
    int zaciatok = 0;
    int dlzka = 0;
    friend bool operator==(const StavPola&, const StavPola&) = default;
};

// Backspace as the key filter receives it.
inline constexpr char16_t Backspace = u'\b';

// Applies one typed character to an amount or rate field that allows `desatinne` digits
// after the comma (2 for amounts, 3 for rates). Backspace removes the selection or the
// character before the caret; a digit, or a first comma, replaces the selection and may
// push the last character out when the text then has too many decimals; a second comma
// only moves the caret behind the first; every other character changes nothing.
StavPola stlacitZnak(const StavPola& s, QChar znak, int desatinne);

// Removes the selection (the menu's "Odstrániť"); without a selection nothing changes.
StavPola odstranitVyber(const StavPola& s);

// A number as a spreadsheet cell copies it, in the characters the field may be typed:
// blanks and the line end around it go, thousands separators (a space, a no-break space or
// a narrow no-break space between groups of three digits) are dropped: "1 234,50\n" gives
// "1234,50". nullopt for a character typing refuses (a sign, a dot, a letter) or a blank
// that separates no thousands.
std::optional<QString> cisloZoSchranky(const QString& schranka);

// The field after pasting `schranka` (read by cisloZoSchranky) over the selection, with
// the caret behind the pasted part; nullopt when the clipboard holds no such number or the
// resulting text would be no number. The limit on decimals does not apply here: leaving
// the field rounds the value.
std::optional<StavPola> vlozit(const StavPola& s, const QString& schranka, int desatinne);

// Reads a field's text as the number-entry fields write numbers: an optional sign,
// digits and at most one comma, at least one digit ("5", "5,", ",5", "-5"). No dots, no
// blanks. nullopt for anything else, and for a number too large to hold.
std::optional<Amount> citatSumu(const QString& text);
std::optional<Rate> citatKurz(const QString& text);
// Whether the text reads as a number in a field with `desatinne` decimals.
bool jeCislo(const QString& text, int desatinne);

// The text written back when a field is left: "#0.00" for two decimals, "#0.000" for
// three; nullopt when the text is no number.
std::optional<QString> formatovat(const QString& text, int desatinne);

// Amount × rate rounded to hundredths; nullopt when the product is too large to hold.
std::optional<Amount> sucin(Amount ciastka, Rate kurz);

// Account pickers: an item is the number, eight blanks and the name; a posting stores
// the item's first five characters, so short numbers carry blanks up to five.
QString polozkaUctu(const QString& cislo, const QString& nazov);
QString ucetPolozky(const QString& polozka);
// The program's one rule for account numbers: equal when equal without trailing blanks
// (the rule sqlAccountEquals applies in statements).
bool rovnakyUcet(const QString& a, const QString& b);

// Where a button's menu opens: in each direction at the pointer when the pointer lies
// within the button's extent in that direction, else at the button's centre. Both in
// screen coordinates.
QPoint bodMenu(const QRect& tlacidlo, const QPoint& kurzor);

} // namespace saldovia
