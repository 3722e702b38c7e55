#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

namespace saldovia {

class Store;

// Pictures larger than this are scaled down (keeping their proportions) before they are
// stored as a logo: printouts show logos a few centimetres wide.
inline constexpr QSize NajvacsieLogo(600, 600);

// Logo number `cislo` (the text of AgendaNastavenie.Logo or Doklady.Logo) from table Logo.
// A null image for "", "0", a text that is no positive whole number, a missing row and
// bytes that are no picture. Engine errors are thrown as DbError. Leaves the general
// query of Store::SQL alone, so a caller may be in the middle of reading it.
QImage NacitatLogo(Store& store, const QString& cislo);

// Adds row `cislo` to table Logo holding the picture as the bytes of a BMP file.
void UlozitLogo(Store& store, int cislo, const QImage& obrazok);

// The bytes stored for a logo: a 24-bit BMP file.
QByteArray bmpLoga(const QImage& obrazok);

// Reads a picture file to become a logo: any format Qt reads, turned upright, scaled down
// to NajvacsieLogo and laid on white. A null image when the file is no picture.
QImage obrazokLoga(const QString& cesta);

} // namespace saldovia
