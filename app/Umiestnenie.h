#pragma once

#include <QString>

namespace saldovia {

// Where the program keeps its files.
struct Umiestnenie {
    QString agenda; // folder of "Data.mdb" and of its compaction copy "Data.~mdb"
    QString data;   // folder of "Pomocnik.hlp" and of the prepared agenda
    QString chyba;  // why the prepared agenda could not be copied (Slovak), else empty
};

// The folder the installed files are read from, relative to the program's folder
// ("../share/saldovia" for a program in bin/).
QString instalovanePriecinokDat();

// Decides the folders from the program's folder, whether it can be written, the installed
// data folder and the user's data folder:
// - a program beside which "Data.mdb" lies is a portable copy: its agenda stays there;
// - so is a program in a writable folder that is not installed (no prepared agenda in
//   the installed data folder), such as the build folder;
// - otherwise the agenda lives in the user's data folder, which is created, and on the
//   first start the prepared agenda is copied there; an agenda already there is kept.
// Help and the prepared agenda are read from the installed data folder when it holds the
// prepared agenda, otherwise from the program's folder.
Umiestnenie urcitUmiestnenie(const QString& programDir, bool programDirZapisovatelny,
                             const QString& instalovaneData, const QString& uzivatelskyPriecinok);

// The folder of the demo agenda "Ukazka.mdb" and its exam file "UkazkaSkuska.mdb": the data
// folder when they are installed there, else the build's "ukazka" folder beside the data
// folder (a program run from the build folder); empty when neither holds the demo.
QString priecinokUkazky(const QString& datovyPriecinok);

// The folders of the running program: the executable's folder, the installed data folder
// beside it, and QStandardPaths::AppDataLocation.
Umiestnenie umiestnenieProgramu();

} // namespace saldovia
