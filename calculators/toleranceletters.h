#pragma once
// The tolerance letters of IEC 60062, shared by typed resistor values ("4k7J") and capacitor markings
// ("104K"). No widgets.

#include "calculators/decimal.h"

#include <QChar>

namespace markings {

// The tolerance letters of IEC 60062. On resistors every one is in percent; on capacitors B, C and D are in
// picofarads (they mark small values), the others in percent, and Z is +80 % -20 %.
struct ToleranceLetter
{
    char letter;
    Decimal amount;
};
inline constexpr char kLastPicofaradLetter = 'D';

// The letter's entry, in either case; nothing when it is no tolerance letter.
const ToleranceLetter* toleranceLetter(QChar c);

} // namespace markings
