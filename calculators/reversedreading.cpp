#include "calculators/reversedreading.h"

#include "calculators/eseries.h"

#include <algorithm>

namespace markings {

bool isStandard(Decimal ohms, Decimal tolerance)
{
    return inSeries(ohms, seriesForTolerance(tolerance)) || inSeries(ohms, Series::E24);
}

namespace {
// How usual a colour is as a tolerance band, most usual first: gold and silver on 4-band parts, brown and
// then red on most 5- and 6-band ones; green, blue and violet mark precision parts; grey, orange and yellow
// are seldom seen.
int rarity(Color tolerance)
{
    switch (tolerance) {
    case Color::Gold:
    case Color::Silver:
    case Color::Brown:
        return 0;
    case Color::Red:
        return 1;
    case Color::Green:
        return 2;
    case Color::Blue:
    case Color::Violet:
        return 3;
    default:
        return 4;
    }
}
} // namespace

std::optional<Ends> compareEnds(std::span<const Color> bands)
{
    const Result<BandReading> forward = readBands(bands);
    const std::optional<BandReading> reversed = readReversed(bands);
    if (!forward || !reversed || forward->zeroOhm || std::equal(bands.begin(), bands.end(), bands.rbegin()))
        return std::nullopt;
    Ends ends;
    ends.forwardStandard = isStandard(forward->ohms, *forward->tolerance);
    ends.reversedStandard = isStandard(reversed->ohms, *reversed->tolerance);
    if (ends.forwardStandard != ends.reversedStandard)
        ends.favoured = ends.forwardStandard ? End::Forward : End::Reversed;
    else if (ends.forwardStandard) {
        // Without a tolerance band (3 bands) there is no colour to go by.
        const std::size_t n = bands.size();
        const std::size_t toleranceAt = static_cast<std::size_t>(figuresOf(n)) + 1;
        const int forwardRarity = n >= 4 ? rarity(bands[toleranceAt]) : 0;
        const int reversedRarity = n >= 4 ? rarity(bands[n - 1 - toleranceAt]) : 0;
        ends.favoured = forwardRarity < reversedRarity   ? End::Forward
                        : reversedRarity < forwardRarity ? End::Reversed
                                                         : End::Either;
    }
    return ends;
}

} // namespace markings
