#pragma once

#include <QString>

#include <functional>

namespace saldovia {

// What the journal window needs from the document editors and the printouts. The main
// window fills these in; a command whose service is empty stays disabled.
struct SluzbyDennika {
    // Opens the editor of document kind `druh` on document `cislo` ("" for a new one)
    // and returns the number of the saved document, or "" when nothing was saved.
    std::function<QString(const QString& druh, const QString& cislo)> otvoritDoklad;
    // Prints document `cislo` of kind `druh`.
    std::function<void(const QString& druh, const QString& cislo)> tlacitDoklad;
    // Prints the journal lines that qryUctovnyDennik holds (the list as it is filtered).
    std::function<void()> tlacitDennik;
};

} // namespace saldovia
