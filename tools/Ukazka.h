#pragma once

#include <QString>

namespace saldovia {

// Builds the demo agenda at output from a copy of the prepared agenda and the text sources
// in the folder zdroje (firma.csv, logo.xpm, ucty.csv, partneri.csv, dennik.csv,
// zadanie.rtf, skuska.csv), then its exam file at skuska by the statements of the exam
// generation, and (when uzavreta is not empty) the demo with its year-end closing written at
// uzavreta. Any fault in the sources stops the tool with a message naming the line.
void vytvoritUkazku(const QString& pripravena, const QString& zdroje, const QString& output,
                    const QString& skuska, const QString& uzavreta = {});

} // namespace saldovia
