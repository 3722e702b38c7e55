#pragma once

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace saldovia {

// The most documents one kind can number: the running number has two digits.
inline constexpr int NajviacDokladov = 99;

// The number of the next document of a kind: the prefix, characters 3 and 4 of the
// accounting year and a two-digit running number one above the running number (the last
// two characters) of the highest existing number of the kind. `existujuce` are the
// numbers of the kind in ascending text order; `obsadene` tells whether a number is
// already held by any document, such a number is skipped so that saving never replaces
// another document. nullopt when the running number would pass 99. An existing number
// whose last two characters are no number is an error (DbError).
std::optional<QString> dalsieCisloDokladu(const QString& prefix, const QString& rok,
                                          const QStringList& existujuce,
                                          const std::function<bool(const QString&)>& obsadene);

} // namespace saldovia
