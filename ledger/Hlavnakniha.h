#pragma once

#include "reports/Report.h"
#include "reports/ReportFrame.h"

namespace saldovia {

class Store;
class Kontext;

// The general ledger. Its three operations build HlavnaKniha from the journal (Vytvorit,
// with the progress window) and then print it (Tlacit), keep it as the exam sample
// (Ulozit) or score it against that sample (Porovnat). Each of them empties HlavnaKniha when
// it ends, however it ends. The caller creates the object for one operation and drops it
// afterwards: `TfrmHlavnaKniha(kontext).Tlacit();`. The window itself is never shown; it
// holds the ledger printout's layout.
class TfrmHlavnaKniha {
public:
    static inline const QString Caption = QStringLiteral("Hlavná kniha");

    explicit TfrmHlavnaKniha(Kontext& kontext);
    TfrmHlavnaKniha(const TfrmHlavnaKniha&) = delete;
    TfrmHlavnaKniha& operator=(const TfrmHlavnaKniha&) = delete;

    // Builds the ledger. False, after telling the user which journal rows lack an account,
    // when a line has no account assigned; HlavnaKniha is then unchanged. Meanwhile the
    // progress window shows the phase and the percentage, and the main window takes no
    // input.
    bool Vytvorit();
    // Builds the ledger and shows its printout in the modal preview.
    void Tlacit();
    // Builds the ledger and makes it the exam sample HlavnaKnihaVzor, without a message. A
    // failed build keeps the old sample.
    void Ulozit();
    // Builds the ledger and scores it against the sample: the percentage of agreement, or -1
    // when the build failed. Shows nothing itself; without `ohlasit` neither does the build
    // when a line lacks an account (the caller has told it already).
    float Porovnat(bool ohlasit = true);

    // The ledger printout of what HlavnaKniha holds, in the shared frame, titled
    // "Hlavná kniha" with the accounting year as its number; its rows are read through the
    // general query ADOQuery. The logo comes from table Logo.
    static BandedReport zostava(Store& store, const QString& uctovnyRok);
    // The columns of the printout, left to right, with the alignment of their values; the
    // captions of the two amount columns are centred.
    static QList<ReportColumn> columns();

private:
    Kontext& kontext;
};

} // namespace saldovia
