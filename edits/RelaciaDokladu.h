#pragma once

#include "IdentitaFirmy.h"

#include <QString>
#include <QStringList>

namespace saldovia {

class Store;

// One editing session of a document over the scratch tables. Opening it fills
// UctovnyDennikPomocny (and, for a document with lines, DokladyPolozkyPomocne) with the
// document's rows; the editor then works on the scratch tables; ulozit replaces the
// document's rows with them in one transaction; the scratch tables are emptied when the
// session ends, however the editor closes.
class RelaciaDokladu {
public:
    RelaciaDokladu(Store& store, const QString& cislo, bool sPolozkami);
    ~RelaciaDokladu();
    RelaciaDokladu(const RelaciaDokladu&) = delete;
    RelaciaDokladu& operator=(const RelaciaDokladu&) = delete;

    // The document's header row of Doklady: each column with its value, quoted here.
    struct Hlavicka {
        QStringList stlpce, hodnoty;
        void pridat(const QString& stlpec, const QString& hodnota) {
            stlpce << stlpec;
            hodnoty << hodnota;
        }
        // The columns every document's header starts with: its kind, number, date and
        // description, then the company's name and address (NazovFirmy … ICDPH) of the
        // identity it carries.
        static Hlavicka dokladu(const QString& druh, const QString& cislo, const QString& datum,
                                const QString& popis, const IdentitaFirmy& identita);
    };
    // Replaces the document's postings (and lines) with the scratch tables' and its header
    // with `hlavicka`, whole or not at all. `logo` is the header's Logo number.
    void ulozit(const Hlavicka& hlavicka, qint64 logo);

private:
    void vyprazdnit();

    Store& store_;
    QString cislo_;
    bool sPolozkami_;
};

} // namespace saldovia
