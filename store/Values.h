#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>

#include <cstdint>
#include <optional>

namespace saldovia {

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

    friend constexpr Fixed operator+(Fixed a, Fixed b) { return fromUnits(a.units_ + b.units_); }
    friend constexpr Fixed operator-(Fixed a, Fixed b) { return fromUnits(a.units_ - b.units_); }
    Fixed& operator+=(Fixed b) {
        units_ += b.units_;
        return *this;
    }
    Fixed& operator-=(Fixed b) {
        units_ -= b.units_;
        return *this;
    }
    friend constexpr bool operator==(Fixed a, Fixed b) { return a.units_ == b.units_; }
    friend constexpr auto operator<=>(Fixed a, Fixed b) { return a.units_ <=> b.units_; }

private:
    std::int64_t units_ = 0;
};

using Amount = Fixed<2>;
using Rate = Fixed<3>;

// Booked amount: amount in the currency times the exchange rate, rounded to hundredths.
Amount multiply(Amount amount, Rate rate);
// The given whole percent of an amount, rounded to hundredths (VAT of a base).
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
