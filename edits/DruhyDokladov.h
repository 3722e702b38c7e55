#pragma once

#include <QString>

#include <span>

namespace saldovia {

// The groups in which the menus list the kinds.
enum class SkupinaDruhov { Ziadna, Fakturacia, Sklad, Pokladna };

// How a kind's documents are edited and printed: with journal lines only (TfrmDoklad,
// TfrmDokladTlac), or with lines carrying VAT and two parties (TfrmDoklad2, TfrmDoklad2Tlac).
enum class Formular { Jednoduchy, Faktura };

// One document kind. Its prefix and its titles (of a document and of the register) are the
// agenda's own, in AgendaPrisposobenie; the factory rows stand in data/.
struct DruhDokladu {
    const char* kod;
    // The main menu's item (its name after the prefix) and caption: the register.
    const char* menoZoznamu;
    const char* zoznam;
    // The journal window's add item (its name after the prefix, the grid's pop-up spelling
    // where it differs) and caption: a new document.
    const char* menoPridat;
    const char* menoPridatPm;
    const char* pridat;
    SkupinaDruhov skupina;
    Formular editor;
    Formular tlac;
    // Received: the agenda company buys or pays, its partner stands as the supplier.
    bool prijaty;
    // A cash document.
    bool hotovost;

    QString kodText() const { return QString::fromLatin1(kod); }
};

// Every kind, in the order of the menus.
std::span<const DruhDokladu> druhyDokladov();
// Kind `kod`; none for a code that is no kind.
const DruhDokladu* druhDokladu(const QString& kod);

} // namespace saldovia
