#pragma once
// SMD resistor codes (3-digit, 4-digit, EIA-96), read and written. No widgets.

#include "calculators/decimal.h"

#include <QString>

#include <optional>
#include <vector>

namespace markings {

enum class SmdFamily { ThreeDigit, FourDigit, Eia96 };
QString familyName(SmdFamily family);

struct SmdReading
{
    Decimal ohms;
    SmdFamily family;
};
// "103", "4R7", "R10", "1002", "49R9", "01C", "000". Most codes have one reading; "47R" has two (47 Ω as a
// 3-digit code, 3.01 Ω as EIA-96), the usual one first.
Result<std::vector<SmdReading>> readSmd(const QString& code);
// The code of `ohms` in `family`, when that family can express it exactly.
std::optional<QString> smdCode(Decimal ohms, SmdFamily family);

} // namespace markings
