#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace saldovia {

class Store;

// Loads logo number `cislo` from table Logo: the picture, or a null image when the number is
// "" or "0", is no whole number, has no row or holds no readable picture. Reads through its
// own statement, so the general query ADOQuery keeps its rows.
QImage NacitatLogo(Store& store, const QString& cislo);

// How a printout gets a logo picture by its number.
using LogoLoader = std::function<QImage(const QString& cislo)>;

} // namespace saldovia
