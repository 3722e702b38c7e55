#pragma once

#include "closing/Zavierka.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

namespace saldovia {

class Store;

// The balance sheet (Súvaha) and the income statement (Výkaz ziskov a strát) in a simplified
// school layout, computed from the journal's balances through one table that assigns accounts
// and groups to the lines.
namespace vykazy {

enum class Strana { Aktiva, Pasiva, Vynosy, Naklady };

// A line of a statement.
struct Riadok {
    QString kod;       // key of the line ("AI", "PBIII", ...)
    QString oznacenie; // "A.I."
    QString nazov;     // "Dlhodobý nehmotný majetok"
    Strana strana;
    int uroven;        // 0 a side's total, 1 a section, 2 a line fed by accounts
    QString nadradeny; // the key of the line that sums this one ("" for a total)
};

// One entry of the table: an account number or its beginning (a group "01" or an account
// "041"); the longest entry that begins an account decides. `riadok` takes the balance;
// `riadokDal`, when set, takes a credit balance instead (accounts whose side in the balance
// sheet follows their balance: a receivable when debit, a liability when credit).
// `korekcia` marks the contra accounts of assets (depreciation, allowances): their credit
// balance is the line's correction.
struct Priradenie {
    QString predpona;
    QString riadok;
    QString riadokDal;
    bool korekcia = false;
};

// The lines of both statements in print order, and the table of the accounts.
const QList<Riadok>& riadky();
const QList<Priradenie>& priradenia();
// The table's entry for an account, nullptr for an account that no line takes.
const Priradenie* priradenie(const QString& ucet);

// A computed line. Assets carry gross, correction and net; the other sides only `suma`.
struct Polozka {
    Riadok riadok;
    Amount brutto;
    Amount korekcia;
    Amount suma; // net for assets
};

struct Vykazy {
    QDate datum;
    QList<Polozka> suvaha; // assets, then equity and liabilities
    QList<Polozka> vzas;   // revenues, costs, the result
    Amount aktiva;         // total assets (net)
    Amount pasiva;         // total equity and liabilities
    Amount vysledokSuvaha; // the result of the year in the balance sheet: classes 5 and 6
    Amount vysledokVykaz;  // the result in the income statement: its revenues less its costs
    // Where the statements differ or an account falls outside them: the side, the account and
    // its class. Empty when both checks hold and every balance is on a line.
    QStringList rozdiely;
    bool suvahaSedi() const { return aktiva == pasiva; }
    bool vysledokSedi() const { return vysledokSuvaha == vysledokVykaz; }
};

// The statements from the balances.
Vykazy zostavit(const QList<zavierka::Zostatok>& zostatky, const QDate& datum);
// The statements of the journal as of `datum`: postings dated up to that day, without the
// closing's own postings (those on 702 and 710).
Vykazy zostavit(Store& store, const QDate& datum);

// The check lines both statements print.
QString kontrolaSuvahy(const Vykazy& v);
QString kontrolaVysledku(const Vykazy& v);

// An amount as the statements print it; lines without a value print "0,00".
QString text(const Amount& a);

// The statements as CSV for Slovak spreadsheet programs: UTF-8 with a byte-order mark, ";"
// between fields, lines ended by CR LF, every text and decimal field in double quotes (a text
// beginning with = + - @ gets an apostrophe first); the lines, then the checks and the
// differences.
QByteArray csvSuvahy(const Vykazy& v);
QByteArray csvVykazu(const Vykazy& v);

} // namespace vykazy

} // namespace saldovia
