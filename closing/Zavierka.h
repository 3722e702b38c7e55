#pragma once

#include "store/Values.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace saldovia {

class Store;

// The year-end closing without any window: the balances of the journal's accounts, the
// closing postings made from them and their writing into the journal.
namespace zavierka {

// The closing accounts and the account that takes the result of the year.
inline const QString UcetZiskovAStrat = QStringLiteral("710");
inline const QString KonecnyUcet = QStringLiteral("702");
inline const QString UcetVysledku = QStringLiteral("431");

// Turnovers of one account as the journal holds it (the number without its padding).
struct Zostatok {
    QString ucet;
    Amount maDat;
    Amount dal;
    // Debit balance: positive for a debit balance, negative for a credit balance.
    Amount zostatok() const { return maDat - dal; }
};

// Which postings the balances take.
struct Vyber {
    std::optional<QDate> doDna; // only postings dated up to this day
    bool bezZavierky = false;   // without postings on 702 or 710 (the closing's own)
};

// The turnovers of every account of the journal in the text order of the numbers. Padded and
// bare forms of a number are one account. Every amount is summed exactly.
QList<Zostatok> zostatky(Store& store, const Vyber& vyber = {});

// Whether the journal holds a posting on 702 or 710: the closing has been written.
bool obsahujeZavierku(Store& store);
// The closing's postings in the journal (those on 702 and 710) in their order: the date,
// the description, the accounts and the amount of each, as the journal keeps them.
QList<QStringList> zauctovanaZavierka(Store& store);

enum class Krok {
    Vysledkovy, // a cost or revenue account closed to 710
    Vysledok,   // the result of the year from 710 to 431
    Suvahovy,   // a balance-sheet account closed to 702
};

// One closing posting: accounts as the chart holds them (bare numbers).
struct Zapis {
    Krok krok;
    QString popis;
    QString maDat;
    QString dal;
    Amount suma;
};

struct Navrh {
    QDate datum; // 31.12. of the year
    QList<Zapis> zapisy;
    Amount vysledok; // profit positive, loss negative
    Amount maDat702; // debit and credit turnovers of 702 after the closing
    Amount dal702;
    // Accounts with a balance that the closing does not close (701, the off-balance and other
    // accounts of classes 7 to 9, numbers outside the classes): the reason 702 does not
    // balance.
    QList<Zostatok> mimo;
    bool vyrovnany() const { return maDat702 == dal702; }
};

// The closing of `rok` from the balances: every account of classes 5 and 6 with a balance
// closed to 710 (a debit balance as 710 / account, a credit balance as account / 710); the
// result on 710 transferred to 431 (profit 710 / 431, loss 431 / 710, none when zero); every
// account of classes 0 to 4 with a balance (431 with the result) closed to 702 (a debit balance
// as 702 / account, a credit balance as account / 702). Each step in the text order of the
// accounts.
Navrh pripravit(const QList<Zostatok>& zostatky, int rok);

// The description of a closing posting in the journal.
QString popis(Krok krok, const QString& ucet, bool zisk = true);

// Writes the closing postings into the journal dated navrh.datum, numbered on from the
// highest row, accounts padded to five characters, as free lines of the journal in the home
// currency; adds 710, 702 and 431 to the chart where it lacks them (with their names in the
// chart of accounts, as a user's account). One transaction.
void zapisat(Store& store, const Navrh& navrh);

// The name of the chart's entry for an account, "" when the chart lacks it.
QString nazovUctu(Store& store, const QString& ucet);

} // namespace zavierka

} // namespace saldovia
