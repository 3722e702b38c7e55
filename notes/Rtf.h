#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

class QTextDocument;

namespace saldovia::rtf {

// Why a text could not be read as rich text.
enum class Chyba {
    Ziadna,   // read
    NieJeRtf, // it does not begin with "{\rtf"
    Poskodene // it begins so, but is cut short or holds a malformed escape
};

// What a rich-text document held that the notes cannot: skipped when reading, counted.
struct Vynechane {
    int obrazky = 0;
    int objekty = 0;
    int hlavicky = 0;  // headers and footers
    int poznamky = 0;  // footnotes and endnotes
    int komentare = 0; // comments
    int tabulky = 0;   // tables, kept as rows of cells at tab stops without their frames
    bool prazdne() const {
        return !obrazky && !objekty && !hlavicky && !poznamky && !komentare && !tabulky;
    }
    // "obrázky: 2, objekty: 1" in Slovak; empty when nothing was skipped.
    QString text() const;
};

// Whether the bytes begin like a rich-text document ("{\rtf", after optional white space
// or a UTF-8 byte order mark).
bool jeRtf(const QByteArray& data);

// Reads a rich-text document into doc, replacing its content (the document's default font
// is kept). Understood: paragraphs and line breaks, bold, italic, underline, strike-out,
// font family and size, the colour table, paragraph alignment, bulleted and numbered
// paragraphs (old-style \pn and list tables), \uN with its fallback, \'hh bytes in the
// code page of the font's character set or of \ansicpg (Windows-1250 for Slovak text),
// hidden text, tab stops, page breaks (\page, \pagebb) and links (HYPERLINK fields, as
// anchors). A table becomes a paragraph per row, its cells separated by tabs at tab stops
// that keep the columns aligned. Everything else is skipped: \* destinations, pictures,
// objects, style sheets, headers and footers, notes, comments, other field instructions,
// \bin data and unknown control words; `vynechane` counts what of it held content.
// On an error doc is left as it was. With `zachranit` a document that is cut short or
// holds malformed escapes still fills doc with what could be read and gives Poskodene
// (for text stored by the program itself, where showing something beats showing
// nothing); a text that is no rich text is refused all the same.
Chyba citat(const QByteArray& data, QTextDocument& doc, bool zachranit = false,
            Vynechane* vynechane = nullptr);

// Writes the document as rich text: 7-bit ASCII, Windows-1250 as the declared code page,
// every other character as \uN with its Windows-1250 byte (or "?") as the fallback, with
// tab stops, page breaks and links. Each paragraph ends with \par; reading drops the empty
// paragraph that follows the last one, so citat(zapisat(doc)) gives the same paragraphs back.
QByteArray zapisat(const QTextDocument& doc);

// The text of a plain text file: UTF-8 or UTF-16 when marked by a byte order mark, UTF-8
// when the bytes are valid UTF-8, Windows-1250 otherwise; line ends become "\n". Nothing
// when the bytes hold a NUL character outside UTF-16 (a binary file, not text).
std::optional<QString> textSuboru(const QByteArray& data);

// Windows-1250: the character of a byte, and the byte of a character (0 when it has none).
QChar zWindows1250(unsigned char byte);
unsigned char doWindows1250(QChar c);

} // namespace saldovia::rtf
