#pragma once

#include "ledger/Obraty.h"

#include <QString>

#include <optional>

namespace saldovia {

class Store;

// The exam's rules without any window: the texts of the exam parameters dialog, the scoring
// of a finished exam against the samples stored in its file, and the texts of the results.
namespace skuska {

// The longest exam the parameters dialog offers, in minutes.
inline constexpr int NajdlhsiaSkuska = 240;

// The duration of an exam of the given minutes: hours without a leading zero, two-digit
// minutes, ":00" ("0:00:00", "1:01:00", "4:00:00").
QString dlzka(int minuty);

// A journal row as the parameters dialog lists it: the row number with at least three digits,
// " - " and the description ("007 - Nákup materiálu", "1234 - ...").
QString polozkaRiadku(qint64 riadok, const QString& popis);

// A score: how many of the scored answers are correct.
struct Skore {
    int spravne = 0;
    int celkom = 0;
    friend bool operator==(const Skore&, const Skore&) = default;
};

// The account assignments: both accounts of every sample row against the student's row of the
// same number, compared exactly as stored (padding included). A row the student no longer has
// reads as two empty accounts.
Skore predkontacie(Store& store);

// The computed amounts: the amount of every sample row marked Vypocty = 1 against the
// student's row of the same number. Equal amounts are equal whatever their text ("12,5" and
// "12,50"); other texts must match exactly.
Skore vypocty(Store& store);

// Whether two amount texts hold the same amount.
bool rovnakaSuma(const QString& a, const QString& b);

// A percentage "#0.00" with a decimal comma, halves rounded away from zero: the exact
// spravne × 100 / celkom ("33,33", "66,67"), or a percentage in single precision.
QString percento(qint64 spravne, qint64 celkom);
QString percento(float hodnota);

// "18 z 20 správne, úspešnosť: 90,00%". Nothing to score counts as all correct:
// "0 z 0 správne, úspešnosť: 100,00%".
QString textSkore(const Skore& skore);

// The ledger's result: "zodpovedá na 72,73%", or, for the comparison's -1 (the ledger could
// not be built), "nebolo možné vygenerovať".
QString textHlavnejKnihy(float zhoda);

// The three scores of an exam file's journal against the samples the connection sees: the
// account assignments, the computed amounts and the general ledger. The ledger is absent
// when a journal line lacks an account (it cannot be built). Writes only HlavnaKniha, which
// it leaves empty: on a file opened read-only that table must be a TEMP one.
struct Hodnotenie {
    Skore predkontacie;
    Skore vypocty;
    std::optional<hlavnakniha::Zhoda> hlavnaKniha;
    // The ledger's result as the comparison gives it: its percentage, or -1.
    float zhodaKnihy() const { return hlavnaKniha ? hlavnaKniha->percento : -1.f; }
};
Hodnotenie vyhodnotit(Store& store);

// The file name proposed for handing in the exam of the student of that name: "Skuska - "
// and the name, each character a file name cannot hold (/ \ : * ? " < > | and control
// characters) replaced by "_", without leading and trailing blanks and dots. Without a name
// just "Skuska".
QString menoOdovzdania(const QString& menoStudenta);

// What a result reads until it has been computed.
inline const QString NeznamyVysledok = QStringLiteral("N/A");

} // namespace skuska

} // namespace saldovia
