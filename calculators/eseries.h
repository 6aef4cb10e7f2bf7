#pragma once
// The preferred-number series E6 to E192 (IEC 60063). No widgets.

#include "calculators/decimal.h"

#include <QString>

#include <optional>
#include <span>
#include <utility>

namespace markings {

enum class Series { E6, E12, E24, E48, E96, E192 };
inline constexpr Series kAllSeries[] = {Series::E6,  Series::E12, Series::E24,
                                        Series::E48, Series::E96, Series::E192};
QString seriesName(Series series);
// The values of one decade, 100 to 999 (E6 to E24 as 100, 150, 220 ...).
std::span<const int> seriesValues(Series series);
// The series a part of this tolerance (percent) comes from: 20 % E6 ... 1 % E96, tighter E192.
Series seriesForTolerance(Decimal percent);
bool inSeries(Decimal value, Series series);
// The neighbours of `value` in `series`: the largest value below it and the smallest above it.
std::pair<Decimal, Decimal> neighbours(Decimal value, Series series);
// The value's three figures (100 to 999) when it has no more, and the decade they stand in.
std::optional<std::pair<int, int>> threeFigures(Decimal value);

} // namespace markings
