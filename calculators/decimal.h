#pragma once
// An exact decimal, so that 4.7 Ω never turns into 4.699999 Ω, what a reader of a marking gives back, and how
// a decimal is written (in ohms, in percent, in any unit). No widgets.

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <utility>

namespace markings {

// digits × 10^exponent, kept normal: no trailing zeros in `digits` (zero is {0, 0}), never negative.
struct Decimal
{
    std::int64_t digits = 0;
    int exponent = 0;

    static Decimal of(std::int64_t digits, int exponent = 0);
    bool isZero() const { return digits == 0; }
    int significantFigures() const;
    // Rounded (half up) to `figures` significant figures.
    Decimal rounded(int figures) const;
    friend bool operator==(const Decimal&, const Decimal&) = default;
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
};

// What a reader gives back: a value, or the reason it has none.
template <class T> struct Result
{
    std::optional<T> value;
    QString reason;

    static Result refused(const QString& why) { return {std::nullopt, why}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// 10^n, for n from 0 to 18 (clamped).
std::int64_t power(int n);

// "4.7 kΩ", "470 Ω", "1 MΩ", "2.2 GΩ", "0.47 Ω": the largest unit that leaves a whole part.
QString ohmsText(Decimal ohms, const QLocale& locale = QLocale());
// `value` written in `unit` scaled down by 10^`scale`: decimalText(47000, 3, "nF") is "47 nF".
QString decimalText(Decimal value, int scale, const QString& unit, const QLocale& locale = QLocale());
QString percentText(Decimal percent, const QLocale& locale = QLocale()); // "±0.05 %"
// The least and most a part of this value and tolerance may measure.
std::pair<Decimal, Decimal> toleranceRange(Decimal value, Decimal percent);

} // namespace markings
