#pragma once
// Which end of a resistor its bands are read from, when they read as a marking from both ends. No widgets.

#include "calculators/bands.h"
#include "calculators/decimal.h"

#include <optional>
#include <span>

namespace markings {

// A value is standard when it is in its tolerance's series or in E24 (1 % and 2 % parts are made in the
// E24 values too; E6 and E12 lie inside E24).
bool isStandard(Decimal ohms, Decimal tolerance);

// Which end a marking that reads from both ends is read from: the one whose value is standard; when both
// are, the one whose tolerance colour is the usual one; when that does not tell them apart, the part's
// band spacing must (Either).
enum class End { Forward, Reversed, Either, Neither };
struct Ends
{
    bool forwardStandard = false;
    bool reversedStandard = false;
    End favoured = End::Neither;
};
// Nothing when the bands do not read from both ends.
std::optional<Ends> compareEnds(std::span<const Color> bands);

} // namespace markings
