#pragma once
// Number <-> text conversions as the screens use them. Every function reads and writes the decimal
// separator of the locale it is given (the user's locale by default). A conversion that fails returns an
// empty optional; none of them throws.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace fw::convert {

// Text to double: surrounding blanks are ignored; empty, non-numeric or non-finite text fails.
std::optional<double> toDouble(QStringView text, const QLocale& locale = QLocale());

// Text to a 16-bit integer: the number is rounded half to even (2.5 -> 2, 3.5 -> 4) and must then lie in
// -32768..32767.
std::optional<std::int16_t> toInt16(QStringView text, const QLocale& locale = QLocale());

// Rounds half to even and range-checks, for a value already read.
std::optional<std::int16_t> roundToInt16(double value);

// Number to text: at most 15 significant digits, no trailing zeros, no leading blank, no group
// separators; exponent form ("1E+15") outside the range plain digits can show.
QString numberText(double value, const QLocale& locale = QLocale());

// Pattern formatting such as "#####.000": '#' integer digits drop leading zeros (so 0.159 gives ".159"),
// '0' integer digits are always written, integer digits beyond the pattern's are all written; the
// decimals after the point are fixed by the pattern ('0') and the value is rounded to them; trailing '#'
// decimals are written only when not zero.
QString formatPattern(double value, QStringView pattern, const QLocale& locale = QLocale());

} // namespace fw::convert
