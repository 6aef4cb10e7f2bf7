#pragma once
// Resistances as technicians write them ("4k7", "R47", "4,7k 5%"), read into exact decimals. No widgets.

#include "calculators/decimal.h"

#include <QLocale>
#include <QString>

#include <optional>

namespace markings {

// "4700", "4.7k", "4k7", "1R5", "R47", "2M2", "0", with or without "Ω" or "ohm(s)". The decimal point is
// "." or the locale's.
Result<Decimal> parseOhms(const QString& text, const QLocale& locale = QLocale());

// A value as typed at the bench, with the tolerance it may carry: "4k7", "4,7k" (where the locale writes a
// decimal comma), "4k7 5%", "4k7 ±0.5 %" or "4k7J" (the IEC 60062 letter). A tolerance no band stands for
// is refused.
struct TypedValue
{
    Decimal ohms;
    std::optional<Decimal> tolerance; // percent
};
Result<TypedValue> parseValue(const QString& text, const QLocale& locale = QLocale());

} // namespace markings
