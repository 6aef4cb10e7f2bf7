#include "calculators/eseries.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace markings {

namespace {
// IEC 60063: E24 is the listed one (its values from 27 to 47, and 82, differ from the rounded powers of
// ten); E12 and E6 take every second and every fourth of its values. E192 is 10^(i/192) rounded to three
// figures, except 9.20, where the standard lists 920 against the computed 919; E96 and E48 take every second
// and every fourth of its values.
constexpr int kE24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                        33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
constexpr int kE192Exception = 185;

std::vector<int> every(std::span<const int> values, std::size_t step)
{
    std::vector<int> picked;
    for (std::size_t i = 0; i < values.size(); i += step)
        picked.push_back(values[i]);
    return picked;
}

const std::array<std::vector<int>, 6>& seriesTable()
{
    static const std::array<std::vector<int>, 6> table = [] {
        std::vector<int> e24;
        for (int v : kE24)
            e24.push_back(v * 10);
        std::vector<int> e192;
        for (int i = 0; i < 192; ++i)
            e192.push_back(static_cast<int>(std::lround(100 * std::pow(10.0, i / 192.0))));
        e192[kE192Exception] = 920;
        return std::array<std::vector<int>, 6>{every(e24, 4),  every(e24, 2),  e24,
                                               every(e192, 4), every(e192, 2), e192};
    }();
    return table;
}
} // namespace

std::optional<std::pair<int, int>> threeFigures(Decimal value)
{
    const int spare = 3 - value.significantFigures();
    if (value.isZero() || spare < 0)
        return std::nullopt;
    return std::pair{static_cast<int>(value.digits * power(spare)), value.exponent - spare};
}

QString seriesName(Series series)
{
    static const char* names[] = {"E6", "E12", "E24", "E48", "E96", "E192"};
    return QString::fromLatin1(names[static_cast<int>(series)]);
}

std::span<const int> seriesValues(Series series)
{
    return seriesTable()[static_cast<std::size_t>(series)];
}

Series seriesForTolerance(Decimal percent)
{
    static const std::pair<int, Series> steps[] = {
        {20, Series::E6}, {10, Series::E12}, {5, Series::E24}, {2, Series::E48}, {1, Series::E96}};
    for (const auto& [least, series] : steps)
        if (percent >= Decimal::of(least))
            return series;
    return Series::E192;
}

bool inSeries(Decimal value, Series series)
{
    const auto figures = threeFigures(value);
    const std::span<const int> values = seriesValues(series);
    return figures && std::find(values.begin(), values.end(), figures->first) != values.end();
}

std::pair<Decimal, Decimal> neighbours(Decimal value, Series series)
{
    const int decade = value.isZero() ? -3 : value.significantFigures() + value.exponent - 3;
    Decimal below, above;
    bool hasAbove = false;
    for (int d = decade - 1; d <= decade + 1; ++d)
        for (int v : seriesValues(series)) {
            const Decimal candidate = Decimal::of(v, d);
            if (candidate < value && candidate > below)
                below = candidate;
            if (candidate > value && (!hasAbove || candidate < above)) {
                above = candidate;
                hasAbove = true;
            }
        }
    return {below, above};
}

} // namespace markings
