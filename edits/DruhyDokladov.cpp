#include "DruhyDokladov.h"

namespace saldovia {

namespace {

using enum SkupinaDruhov;
using enum Formular;

// clang-format off
const DruhDokladu Druhy[] = {
    // kod, main menu: name, caption; journal: name, pop-up name, caption; group, editor,
    // printout, received, cash
    {"ID", "InterneDoklady", "&Interné doklady", "PridatInternyDoklad", nullptr,
     "&Interný doklad", Ziadna, Jednoduchy, Jednoduchy, false, false},
    {"FP", "PrijateFaktury", "&Prijaté faktúry", "PridatFakturuPrijata", nullptr, "&Prijatá",
     Fakturacia, Faktura, Faktura, true, false},
    {"FV", "VystaveneFaktury", "&Vystavené faktúry", "PridatFakturuVystavena", nullptr,
     "&Vystavená", Fakturacia, Faktura, Faktura, false, false},
    {"SP", "Prijemky", "&Príjemky", "PridatPrijemka", "PridatPrjemka", "&Príjemka", Sklad,
     Jednoduchy, Jednoduchy, false, false},
    {"SV", "Vydajky", "&Výdajky", "PridatVydajka", nullptr, "&Výdajka", Sklad, Jednoduchy,
     Jednoduchy, false, false},
    {"SR", "Prevodky", "P&revodky", "PridatPrevodka", nullptr, "P&revodka", Sklad, Jednoduchy,
     Jednoduchy, false, false},
    {"PP", "PrijmovePokladnicneDoklady", "&Príjmové pokladničné doklady",
     "PridatPokladnicnyPrijmovy", nullptr, "&Príjmový", Pokladna, Faktura, Faktura, false, true},
    {"PV", "VydajovePokladnicneDoklady", "&Výdajové pokladničné doklady",
     "PridatPokladnicnyVydajovy", nullptr, "&Výdajový", Pokladna, Faktura, Faktura, true, true},
    {"BV", "VypisyZBankovychUctov", "&Výpisy z bankových účtov", "PridatVypisZBankovehoUctu",
     nullptr, "&Výpis z bankového účtu", Ziadna, Jednoduchy, Jednoduchy, false, false},
};
// clang-format on

} // namespace

std::span<const DruhDokladu> druhyDokladov() {
    return Druhy;
}

const DruhDokladu* druhDokladu(const QString& kod) {
    for (const DruhDokladu& d : Druhy)
        if (kod == QLatin1String(d.kod))
            return &d;
    return nullptr;
}

} // namespace saldovia
