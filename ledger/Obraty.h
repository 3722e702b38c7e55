#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace saldovia {

class Store;

// The general ledger's rules without any window: the build of HlavnaKniha from the journal
// in six phases (debit and credit turnovers per account, then per group, then per class),
// the check that comes before it, keeping the ledger as the exam sample and comparing a
// ledger with that sample. TfrmHlavnaKniha puts the progress window and the messages
// around them.
namespace hlavnakniha {

// The progress bar runs from 0 to this value over the six phases.
inline constexpr int RozsahPriebehu = 10000;

enum class Uroven { Ucet, Skupina, Trieda };
enum class Strana { MaDat, Dal };

// One phase of the build: its cursor statement over the grouped rows, what each row writes,
// its share of the progress bar, where the bar stands at its end, and the phase's text.
struct Faza {
    Uroven uroven;
    Strana strana;
    QString dotaz;
    int podiel;
    int koniec;
    QString popis;
};

// The six phases in order.
const QList<Faza>& fazy();

// Group and class of an account value as the journal stores it: its first two characters
// and its first character. Nothing in the chart of accounts is consulted.
QString skupina(const QString& cisloUctu);
QString trieda(const QString& cisloUctu);

// How far the bar moves after each cursor row: the phase's share divided by the rows
// (integer division); 0 for a phase without rows.
int krok(int podiel, int pocetRiadkov);
// The percentage text of a bar position: "0%" ... "100%".
QString percenta(int pozicia);

// Row numbers of the journal lines that lack the debit or the credit account, in row order.
// A missing account is an empty, blank or null value.
QList<qint64> riadkyBezPredkontacie(Store& store);
// The refusal naming those rows.
QString spravaBezPredkontacie(const QList<qint64>& riadky);

// Told after every cursor row and at the end of every phase: the phase's text and the bar.
using Priebeh = std::function<void(const QString& popis, int pozicia)>;

// Empties HlavnaKniha and writes the ledger of the whole journal into it: account rows, then
// group and class rows carrying the sums of their account rows. Every amount is summed
// exactly and written "#0.00". All of it happens in one transaction (or inside the one the
// caller has under way); an engine error leaves HlavnaKniha as it was. The journal's data
// set qryUctovnyDennik serves as the cursor and gets its statement back afterwards. Expects
// riadkyBezPredkontacie to be empty.
void vytvorit(Store& store, const Priebeh& priebeh = {});

// The statement that lists the built ledger for the printout, in the text order of the
// account values (each class, then each of its groups followed by its accounts), with the
// chart's names found by the one account comparison rule.
QString dotazTlace();

// Replaces the whole sample HlavnaKnihaVzor by the built ledger, in one transaction.
void ulozitVzor(Store& store);

struct Zhoda {
    int spravne = 0;      // accounts of the sample that the ledger has with both sums equal
    int posudzovane = 0;  // accounts of the sample plus accounts the sample does not know
    float percento = 0.f; // spravne × 100 / posudzovane
};
// Compares the account rows of the built ledger with those of the sample; the sums are
// compared as their stored texts. Summary rows of either ledger take no part. The main
// window's qryDoklady serves as the cursor and gets its statement back afterwards.
Zhoda porovnatSoVzorom(Store& store);

// The comparison with the sample from the journal: builds the ledger, compares it and empties
// HlavnaKniha again, however it ends. Nothing when a journal line lacks an account: the
// ledger cannot be built, and HlavnaKniha is not touched.
std::optional<Zhoda> porovnat(Store& store);

// The percentage of agreement in single precision. With nothing to compare (an empty sample
// and an empty ledger) the two ledgers agree entirely: 100.
float percentoZhody(int spravne, int posudzovane);

} // namespace hlavnakniha

} // namespace saldovia
