#include "calculators/bands.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>

namespace markings {

namespace {
QString capitalised(const char* name)
{
    QString s = QCoreApplication::translate("calculators::Colours", name);
    s[0] = s[0].toUpper();
    return s;
}

// IEC 60062:2016 colour code. Digits 0 to 9 and multipliers 10^0 to 10^9 follow the colour's place from
// black to white; gold, silver and pink are the multipliers 10^-1, 10^-2 and 10^-3 and carry no digit.
// Tolerances (percent) and temperature coefficients (ppm/K) are listed by the standard, colour by colour.
// The RGB values are the colours the screen paints.
const std::array<BandColor, kColors> kBandColors = [] {
    struct Listed
    {
        const char* name;
        Rgb rgb;
        std::optional<Decimal> tolerance;
        std::optional<int> temperature;
    };
    const Listed listed[kColors] = {
        {QT_TRANSLATE_NOOP("calculators::Colours", "black"), {0, 0, 0}, {}, 250},
        {QT_TRANSLATE_NOOP("calculators::Colours", "brown"), {139, 69, 19}, Decimal::of(1), 100},
        {QT_TRANSLATE_NOOP("calculators::Colours", "red"), {220, 0, 0}, Decimal::of(2), 50},
        {QT_TRANSLATE_NOOP("calculators::Colours", "orange"), {255, 140, 0}, Decimal::of(5, -2), 15},
        {QT_TRANSLATE_NOOP("calculators::Colours", "yellow"), {255, 225, 0}, Decimal::of(2, -2), 25},
        {QT_TRANSLATE_NOOP("calculators::Colours", "green"), {0, 160, 0}, Decimal::of(5, -1), 20},
        {QT_TRANSLATE_NOOP("calculators::Colours", "blue"), {0, 80, 220}, Decimal::of(25, -2), 10},
        {QT_TRANSLATE_NOOP("calculators::Colours", "violet"), {140, 40, 200}, Decimal::of(1, -1), 5},
        {QT_TRANSLATE_NOOP("calculators::Colours", "grey"), {128, 128, 128}, Decimal::of(1, -2), 1},
        {QT_TRANSLATE_NOOP("calculators::Colours", "white"), {255, 255, 255}, {}, {}},
        {QT_TRANSLATE_NOOP("calculators::Colours", "gold"), {207, 168, 50}, Decimal::of(5), {}},
        {QT_TRANSLATE_NOOP("calculators::Colours", "silver"), {192, 192, 192}, Decimal::of(10), {}},
        {QT_TRANSLATE_NOOP("calculators::Colours", "pink"), {255, 160, 190}, {}, {}},
    };
    std::array<BandColor, kColors> table{};
    for (int i = 0; i < kColors; ++i) {
        const Listed& l = listed[i];
        const bool isDigit = i <= 9;
        table[static_cast<std::size_t>(i)] = {
            static_cast<Color>(i), l.name,       l.rgb, isDigit ? std::optional<int>(i) : std::nullopt,
            isDigit ? i : 9 - i, // gold -1, silver -2, pink -3
            l.tolerance,           l.temperature};
    }
    return table;
}();

constexpr int kLowestMultiplier = -3;
constexpr int kHighestMultiplier = 9;

} // namespace

int figuresOf(std::size_t bands)
{
    return bands >= 5 ? 3 : 2;
}

std::span<const BandColor> bandColors()
{
    return kBandColors;
}

const BandColor& bandColor(Color color)
{
    return kBandColors.at(static_cast<std::size_t>(color));
}

// A colour by its English name or by its name in the screens' language.
std::optional<Color> colorNamed(const QString& name)
{
    const QString wanted = name.trimmed().toLower();
    if (wanted == QLatin1String("gray"))
        return Color::Grey;
    for (const BandColor& c : kBandColors)
        if (wanted == QLatin1String(c.name) ||
            wanted == QCoreApplication::translate("calculators::Colours", c.name).toLower())
            return c.color;
    return std::nullopt;
}

Result<BandReading> readBands(std::span<const Color> bands)
{
    if (bands.empty())
        return Result<BandReading>::refused(QCoreApplication::translate(
            "calculators::Markings", "Choose the bands, starting from the first digit."));
    if (bands.size() == 1) {
        if (bands[0] == Color::Black)
            return {BandReading{Decimal{}, true, std::nullopt, std::nullopt}, {}};
        return Result<BandReading>::refused(
            QCoreApplication::translate("calculators::Markings",
                                        "%1 alone is no marking: a single band is black, the zero-ohm link.")
                .arg(capitalised(bandColor(bands[0]).name)));
    }
    if (bands.size() == 2 || bands.size() > 6)
        return Result<BandReading>::refused(
            QCoreApplication::translate("calculators::Markings", "A resistor has 3, 4, 5 or 6 bands."));
    const int figures = figuresOf(bands.size());
    std::int64_t significand = 0;
    for (int i = 0; i < figures; ++i) {
        const BandColor& c = bandColor(bands[static_cast<std::size_t>(i)]);
        if (!c.digit)
            return Result<BandReading>::refused(
                QCoreApplication::translate("calculators::Markings",
                                            "%1 stands for no digit, so it cannot be band %2.")
                    .arg(capitalised(c.name))
                    .arg(i + 1));
        if (i == 0 && *c.digit == 0)
            return Result<BandReading>::refused(QCoreApplication::translate(
                "calculators::Markings",
                "Black cannot be the first band of a value: a marking does not begin with a zero."));
        significand = significand * 10 + *c.digit;
    }
    BandReading reading;
    reading.ohms =
        Decimal::of(significand, bandColor(bands[static_cast<std::size_t>(figures)]).multiplierExponent);
    reading.tolerance = kNoBandTolerance;
    if (bands.size() >= 4) {
        const BandColor& c = bandColor(bands[static_cast<std::size_t>(figures) + 1]);
        if (!c.tolerance)
            return Result<BandReading>::refused(
                QCoreApplication::translate("calculators::Markings",
                                            "%1 stands for no tolerance, so it cannot be band %2.")
                    .arg(capitalised(c.name))
                    .arg(figures + 2));
        reading.tolerance = c.tolerance;
    }
    if (bands.size() == 6) {
        const BandColor& c = bandColor(bands[5]);
        if (!c.temperatureCoefficient)
            return Result<BandReading>::refused(
                QCoreApplication::translate(
                    "calculators::Markings",
                    "%1 stands for no temperature coefficient, so it cannot be band 6.")
                    .arg(capitalised(c.name)));
        reading.temperatureCoefficient = c.temperatureCoefficient;
    }
    return {reading, {}};
}

std::optional<BandReading> readReversed(std::span<const Color> bands)
{
    if (bands.size() < 3)
        return std::nullopt;
    const std::vector<Color> reversed(bands.rbegin(), bands.rend());
    return readBands(reversed).value;
}

std::vector<Color> toleranceColors()
{
    std::vector<Color> colors;
    for (const BandColor& c : kBandColors)
        if (c.tolerance)
            colors.push_back(c.color);
    return colors;
}

std::vector<Color> temperatureColors()
{
    std::vector<Color> colors;
    for (const BandColor& c : kBandColors)
        if (c.temperatureCoefficient)
            colors.push_back(c.color);
    return colors;
}

Result<BandMarking> bandsFor(Decimal ohms, int count, Decimal tolerance, int temperatureCoefficient)
{
    if (count < 3 || count > 6)
        return Result<BandMarking>::refused(
            QCoreApplication::translate("calculators::Markings", "A resistor has 3, 4, 5 or 6 bands."));
    if (ohms.isZero())
        return {BandMarking{{Color::Black}, Decimal{}, true}, {}};
    const int figures = figuresOf(static_cast<std::size_t>(count));
    const Decimal nearest = ohms.rounded(figures);
    const int spare = figures - nearest.significantFigures();
    const std::int64_t significand = nearest.digits * power(spare);
    const int multiplier = nearest.exponent - spare;
    if (multiplier < kLowestMultiplier)
        return Result<BandMarking>::refused(
            QCoreApplication::translate("calculators::Markings",
                                        "Too small for %1 bands: the smallest they mark is %2.")
                .arg(count)
                .arg(ohmsText(Decimal::of(power(figures - 1), kLowestMultiplier))));
    if (multiplier > kHighestMultiplier)
        return Result<BandMarking>::refused(
            QCoreApplication::translate("calculators::Markings",
                                        "Too large for %1 bands: the largest they mark is %2.")
                .arg(count)
                .arg(ohmsText(Decimal::of(power(figures) - 1, kHighestMultiplier))));
    BandMarking marking;
    for (int i = figures - 1; i >= 0; --i)
        marking.bands.push_back(static_cast<Color>(significand / power(i) % 10));
    const auto withMultiplier = std::find_if(kBandColors.begin(), kBandColors.end(), [&](const BandColor& c) {
        return c.multiplierExponent == multiplier;
    });
    marking.bands.push_back(withMultiplier->color);
    if (count >= 4) {
        const auto band = std::find_if(kBandColors.begin(), kBandColors.end(),
                                       [&](const BandColor& c) { return c.tolerance == tolerance; });
        if (band == kBandColors.end())
            return Result<BandMarking>::refused(
                QCoreApplication::translate("calculators::Markings", "No band stands for a tolerance of %1.")
                    .arg(percentText(tolerance)));
        marking.bands.push_back(band->color);
    }
    if (count == 6) {
        const auto band = std::find_if(kBandColors.begin(), kBandColors.end(), [&](const BandColor& c) {
            return c.temperatureCoefficient == temperatureCoefficient;
        });
        if (band == kBandColors.end())
            return Result<BandMarking>::refused(
                QCoreApplication::translate("calculators::Markings", "No band stands for %1 ppm/K.")
                    .arg(temperatureCoefficient));
        marking.bands.push_back(band->color);
    }
    marking.ohms = nearest;
    marking.exact = nearest == ohms;
    return {marking, {}};
}

} // namespace markings
