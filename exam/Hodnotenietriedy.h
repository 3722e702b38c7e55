#pragma once

#include "exam/Vyhodnotenie.h"
#include "store/Connection.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace saldovia {

class Store;

// The results of a whole class without any window: the exam files the students handed in,
// each opened read-only on a connection of its own and scored by the exam's own rules
// (skuska::vyhodnotit) against the samples of the exam file as it was generated. No file is
// ever written; the ledger is built into a TEMP table of the connection.
namespace trieda {

enum class Stav { Dokoncena, Nedokoncena, InaSkuska, NieJeSkuska, PoskodenySubor, NedaSaCitat };

// "dokončená", "nedokončená", "iná skúška", "nie je skúška", "poškodený súbor", "nedá sa
// čítať".
QString textStavu(Stav stav);

// The reference: the samples of the generated exam file and its duration.
struct Vzor {
    QString cesta;
    ResultSet dennik; // UctovnyDennikVzor, every column, in row order
    ResultSet kniha;  // HlavnaKnihaVzor, every column, in account order
    QString dlzka;    // SkuskaDlzka
};

// Reads the reference from an exam file as it was generated (opened read-only). Throws
// DbError with a Slovak text when the file is no usable agenda, no exam, an exam already
// started, or holds no sample.
Vzor nacitatVzor(const QString& cesta);

// A student's file opened read-only into `store`, ready for scoring and for the comparison
// printout: the file's own samples are shadowed, for this connection only, by TEMP tables
// holding the reference's, and HlavnaKniha by an empty TEMP table for the ledger build.
// When the file cannot be scored, says why and leaves `store` disconnected.
struct Otvorenie {
    bool ok = false;
    Stav stav = Stav::PoskodenySubor; // when not ok: NieJeSkuska, PoskodenySubor, NedaSaCitat
    QString dovod;                    // when not ok: why, in Slovak
    bool rovnakyVzor = false;         // when ok: the file's own samples are the reference's
};
Otvorenie otvorit(Store& store, const QString& cesta, const Vzor& vzor);

// One row of the class table.
struct Vysledok {
    QString cesta;
    QString subor; // the file's name without the folder
    Stav stav = Stav::PoskodenySubor;
    QString dovod; // why a file could not be scored
    QString meno;
    QString zaciatok;
    QString koniec;
    QString dlzka;                 // the file's own duration
    std::optional<qint64> trvanie; // seconds from the start to the end
    bool hodnotena = false;        // the scores below were computed
    skuska::Hodnotenie hodnotenie;
    // What a teacher should look at.
    bool dlhsie = false;         // time used longer than the reference's duration
    bool inaDlzka = false;       // the file's duration is not the reference's
    bool bezMena = false;        // a scored file without the student's name
    QStringList rovnakyZaciatok; // other files with the same start moment
    bool casyNesedia = false;    // the end before the start, or a moment that is no time

    // The marks as one text ("čas dlhší ako 1:01:00; chýba meno"), empty without any.
    QString upozornenia(const QString& dlzkaVzoru) const;
    bool maUpozornenie() const {
        return dlhsie || inaDlzka || bezMena || casyNesedia || !rovnakyZaciatok.isEmpty();
    }
};

// Scores one file. Never throws: a file that cannot be scored gets its state and reason.
Vysledok vyhodnotitSubor(const QString& cesta, const Vzor& vzor);

// Told after every file: how many are done of how many. Returning false stops the work; the
// files scored so far are kept.
using Priebeh = std::function<bool(int hotovo, int spolu)>;

// Scores the files in the given order and marks the files that share a start moment.
QList<Vysledok> vyhodnotit(const QStringList& cesty, const Vzor& vzor, const Priebeh& priebeh = {});

// Marks every result whose start moment another result shares.
void oznacitRovnakyZaciatok(QList<Vysledok>& vysledky);

// The exam files of a folder: its files ending ".mdb" (any letter case), by name.
QStringList suboryPriecinka(const QString& priecinok);

// The columns of the class table, the export and the printout.
enum Stlpec {
    sSubor,
    sMeno,
    sZaciatok,
    sKoniec,
    sTrvanie,
    sPredkontacie,
    sPredkontaciePercento,
    sVypocty,
    sVypoctyPercento,
    sHlavnaKniha,
    sHlavnaKnihaPercento,
    sStav,
    sUpozornenia,
    PocetStlpcov
};
QString nazovStlpca(int stlpec);
// A cell as the table shows it: scores as "18 z 20" and "90,00", the ledger's result
// "nebolo možné vygenerovať" when it could not be built, the reason in the marks' column of
// a file that could not be scored.
QString text(const Vysledok& v, int stlpec, const QString& dlzkaVzoru);
// Whether a cell is one of the marks.
bool oznacene(const Vysledok& v, int stlpec);

// The table as CSV for Slovak spreadsheet programs: UTF-8 with a byte-order mark, ";"
// between fields, lines ended by CR LF, decimal commas; every score as three columns (correct,
// total, percentage); fields holding ";", quotes or line breaks quoted.
QByteArray csv(const QList<Vysledok>& vysledky, const QString& dlzkaVzoru);

} // namespace trieda

} // namespace saldovia
