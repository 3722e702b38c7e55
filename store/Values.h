#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>
#include <stdexcept>

namespace saldovia {

// The text shown when a sum or product of amounts leaves the range an amount holds.
QString textPretecenia();

// A sum or product of amounts that does not fit into an amount: the result is never
// wrapped round; the message (what()) is the Slovak textPretecenia().
class PretecenieSumy : public std::overflow_error {
public:
    PretecenieSumy();
};

// An exact decimal with a fixed number of decimals, kept as an integer count of the
// smallest unit. Amounts have two decimals ("#0.00"), exchange rates three ("#0.000").
// Text forms use a comma, no thousands separator and at least one integer digit.
template <int Decimals> class Fixed {
public:
    static constexpr std::int64_t scale() {
        std::int64_t s = 1;
        for (int i = 0; i < Decimals; ++i)
            s *= 10;
        return s;
    }

    constexpr Fixed() = default;
    static constexpr Fixed fromUnits(std::int64_t units) {
        Fixed f;
        f.units_ = units;
        return f;
    }

    // Reads "12", "12,5", "-0,345", " 1250.50 " (a dot is taken like a comma). More
    // decimals than the form holds are rounded, halves away from zero. Anything else,
    // including an empty text, a lone comma or a second separator, gives nullopt.
    static std::optional<Fixed> parse(const QString& text);

    // The text form, e.g. "1250,50", "0,00", "-3,10".
    QString toText() const;

    constexpr std::int64_t units() const { return units_; }
    constexpr bool isZero() const { return units_ == 0; }

    // Sums and differences are checked: one that does not fit is PretecenieSumy, never a
    // wrapped value. sucet/rozdiel give nullopt instead.
    static constexpr std::optional<Fixed> sucet(Fixed a, Fixed b) {
        std::int64_t r = 0;
        if (__builtin_add_overflow(a.units_, b.units_, &r))
            return std::nullopt;
        return fromUnits(r);
    }
    static constexpr std::optional<Fixed> rozdiel(Fixed a, Fixed b) {
        std::int64_t r = 0;
        if (__builtin_sub_overflow(a.units_, b.units_, &r))
            return std::nullopt;
        return fromUnits(r);
    }
    friend Fixed operator+(Fixed a, Fixed b) { return overene(sucet(a, b)); }
    friend Fixed operator-(Fixed a, Fixed b) { return overene(rozdiel(a, b)); }
    Fixed& operator+=(Fixed b) { return *this = *this + b; }
    Fixed& operator-=(Fixed b) { return *this = *this - b; }
    friend constexpr bool operator==(Fixed a, Fixed b) { return a.units_ == b.units_; }
    friend constexpr auto operator<=>(Fixed a, Fixed b) { return a.units_ <=> b.units_; }

private:
    static Fixed overene(std::optional<Fixed> f) {
        if (!f)
            throw PretecenieSumy();
        return *f;
    }
    std::int64_t units_ = 0;
};

using Amount = Fixed<2>;
using Rate = Fixed<3>;

// Booked amount: amount in the currency times the exchange rate, rounded to hundredths.
// A product that does not fit is PretecenieSumy.
Amount multiply(Amount amount, Rate rate);
// The given whole percent of an amount, rounded to hundredths (VAT of a base); one that
// does not fit is PretecenieSumy.
Amount percentOf(Amount amount, int percent);

// Reformats an amount or rate text into its canonical form; nullopt if it is no number.
std::optional<QString> normalizedAmount(const QString& text);
std::optional<QString> normalizedRate(const QString& text);

// Dates "dd.MM.yyyy"; reading also takes "d.M.yyyy".
QString dateToText(const QDate& date);
std::optional<QDate> dateFromText(const QString& text);

// Timestamps "dd.MM.yyyy hh:mm:ss".
QString timestampToText(const QDateTime& moment);
std::optional<QDateTime> timestampFromText(const QString& text);

// Durations "h:mm:ss" (hours without a leading zero, never negative).
QString durationToText(std::int64_t seconds);
std::optional<std::int64_t> durationFromText(const QString& text);

} // namespace saldovia
