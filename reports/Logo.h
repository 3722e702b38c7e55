#pragma once

#include "settings/Logo.h"

#include <QImage>
#include <QString>

#include <functional>

namespace saldovia {

// How a printout gets a logo picture by its number (NacitatLogo unless a caller gives
// another source).
using LogoLoader = std::function<QImage(const QString& cislo)>;

} // namespace saldovia
