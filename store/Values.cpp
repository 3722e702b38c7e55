#include "Values.h"

#include <limits>

namespace saldovia {

namespace {

__extension__ typedef __int128 Wide; // products of two 64-bit fixed-point values

// Divides n by d (d > 0) rounding halves away from zero; a quotient outside 64 bits is
// PretecenieSumy.
std::int64_t divideRounded(Wide n, std::int64_t d) {
    const bool negative = n < 0;
    const Wide magnitude = negative ? -n : n;
    const Wide q = (magnitude + d / 2) / d;
    const Wide r = negative ? -q : q;
    if (r > std::numeric_limits<std::int64_t>::max() ||
        r < std::numeric_limits<std::int64_t>::min())
        throw PretecenieSumy();
    return static_cast<std::int64_t>(r);
}

} // namespace

QString textPretecenia() {
    return QStringLiteral("Suma je príliš veľká: najväčšia suma, ktorú program uchová, je %1.")
        .arg(Amount::fromUnits(std::numeric_limits<std::int64_t>::max()).toText());
}

PretecenieSumy::PretecenieSumy() : std::overflow_error(textPretecenia().toStdString()) {}

template <int Decimals> std::optional<Fixed<Decimals>> Fixed<Decimals>::parse(const QString& text) {
    const QString t = text.trimmed();
    int i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+')) {
        negative = t[i] == u'-';
        ++i;
    }
    Wide whole = 0;
    int wholeDigits = 0;
    for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
        whole = whole * 10 + (t[i].unicode() - u'0');
        if (whole > std::numeric_limits<std::int64_t>::max())
            return std::nullopt;
        ++wholeDigits;
    }
    Wide fraction = 0; // the first Decimals+1 digits after the separator
    int fractionDigits = 0;
    if (i < t.size() && (t[i] == u',' || t[i] == u'.')) {
        ++i;
        for (; i < t.size() && t[i].isDigit() && t[i].unicode() < 128; ++i) {
            const int digit = t[i].unicode() - u'0';
            if (fractionDigits <= Decimals)
                fraction = fraction * 10 + digit;
            ++fractionDigits;
        }
    }
    if (i != t.size() || wholeDigits + fractionDigits == 0)
        return std::nullopt;
    for (int k = fractionDigits; k <= Decimals; ++k)
        fraction *= 10; // pad to Decimals+1 digits
    Wide units = whole * scale() + fraction / 10;
    const int roundingDigit = static_cast<int>(fraction % 10);
    if (roundingDigit >= 5)
        ++units; // rounds the magnitude, so halves go away from zero
    if (units > std::numeric_limits<std::int64_t>::max())
        return std::nullopt;
    const auto value = static_cast<std::int64_t>(units);
    return fromUnits(negative ? -value : value);
}

template <int Decimals> QString Fixed<Decimals>::toText() const {
    const bool negative = units_ < 0;
    // unsigned arithmetic keeps INT64_MIN printable
    const std::uint64_t magnitude =
        negative ? std::uint64_t(0) - static_cast<std::uint64_t>(units_) : std::uint64_t(units_);
    const auto s = static_cast<std::uint64_t>(scale());
    QString fraction = QString::number(magnitude % s).rightJustified(Decimals, u'0');
    return (negative ? QStringLiteral("-") : QString()) + QString::number(magnitude / s) + u',' +
           fraction;
}

template class Fixed<2>;
template class Fixed<3>;

Amount multiply(Amount amount, Rate rate) {
    return Amount::fromUnits(
        divideRounded(static_cast<Wide>(amount.units()) * rate.units(), Rate::scale()));
}

Amount percentOf(Amount amount, int percent) {
    return Amount::fromUnits(divideRounded(static_cast<Wide>(amount.units()) * percent, 100));
}

std::optional<QString> normalizedAmount(const QString& text) {
    if (auto a = Amount::parse(text))
        return a->toText();
    return std::nullopt;
}

std::optional<QString> normalizedRate(const QString& text) {
    if (auto r = Rate::parse(text))
        return r->toText();
    return std::nullopt;
}

QString dateToText(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}

std::optional<QDate> dateFromText(const QString& text) {
    const QDate d = QDate::fromString(text.trimmed(), QStringLiteral("d.M.yyyy"));
    if (!d.isValid())
        return std::nullopt;
    return d;
}

QString timestampToText(const QDateTime& moment) {
    return moment.toString(QStringLiteral("dd.MM.yyyy hh:mm:ss"));
}

std::optional<QDateTime> timestampFromText(const QString& text) {
    const QDateTime t = QDateTime::fromString(text.trimmed(), QStringLiteral("d.M.yyyy h:mm:ss"));
    if (!t.isValid())
        return std::nullopt;
    return t;
}

QString durationToText(std::int64_t seconds) {
    if (seconds < 0)
        seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600)
        .arg((seconds / 60) % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

std::optional<std::int64_t> durationFromText(const QString& text) {
    const QStringList parts = text.trimmed().split(u':');
    if (parts.size() != 3)
        return std::nullopt;
    bool okH = false, okM = false, okS = false;
    const qint64 h = parts[0].toLongLong(&okH);
    const int m = parts[1].toInt(&okM);
    const int s = parts[2].toInt(&okS);
    if (!okH || !okM || !okS || h < 0 || m < 0 || m > 59 || s < 0 || s > 59 ||
        parts[1].size() != 2 || parts[2].size() != 2)
        return std::nullopt;
    return h * 3600 + m * 60 + s;
}

} // namespace saldovia
