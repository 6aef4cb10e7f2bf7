#pragma once
// Resistor colour bands (IEC 60062:2016): what each colour means in each kind of band, reading 3 to 6 bands
// and writing a value as bands. No widgets.

#include "calculators/decimal.h"

#include <QString>

#include <cstddef>
#include <optional>
#include <span>
#include <vector>

namespace markings {

enum class Color { Black, Brown, Red, Orange, Yellow, Green, Blue, Violet, Grey, White, Gold, Silver, Pink };
inline constexpr int kColors = 13;

struct Rgb
{
    int red, green, blue;
};

// The tolerance of a part without a tolerance band (3 bands), in percent.
inline const Decimal kNoBandTolerance = Decimal::of(20);

// What one colour means in each kind of band; an empty field means it cannot stand there.
struct BandColor
{
    Color color;
    const char* name;
    Rgb rgb;
    std::optional<int> digit;
    int multiplierExponent;                    // the multiplier is 10^exponent
    std::optional<Decimal> tolerance;          // percent
    std::optional<int> temperatureCoefficient; // ppm/K
};

std::span<const BandColor> bandColors();
const BandColor& bandColor(Color color);
// A colour by its English name ("grey" or "gray", any case).
std::optional<Color> colorNamed(const QString& name);

struct BandReading
{
    Decimal ohms;
    bool zeroOhm = false;
    std::optional<Decimal> tolerance; // percent; absent only for a zero-ohm link
    std::optional<int> temperatureCoefficient;
};

// Reads 3, 4, 5 or 6 bands from the end where the first digit is, or a single black band (zero ohms). A
// band that cannot stand where it is refuses the whole marking with a sentence saying why.
Result<BandReading> readBands(std::span<const Color> bands);

// The same bands read from the other end, when that is a marking too (nothing when it is not).
std::optional<BandReading> readReversed(std::span<const Color> bands);

// How many bands carry the value's figures: 3 on 5- and 6-band parts, 2 on 3- and 4-band ones.
int figuresOf(std::size_t bands);

// Bands for a value on a part of `count` bands (3 to 6). `tolerance` (percent) is used on 4 to 6 bands and
// `temperatureCoefficient` (ppm/K) on 6. A value with more significant figures than the bands hold is
// written as its nearest expressible value, and `exact` says so. Zero is the single black band.
struct BandMarking
{
    std::vector<Color> bands;
    Decimal ohms; // what the bands read
    bool exact = true;
};
Result<BandMarking> bandsFor(Decimal ohms, int count, Decimal tolerance = Decimal::of(5),
                             int temperatureCoefficient = 100);

// The colours that can stand as a tolerance band, and as a temperature coefficient band.
std::vector<Color> toleranceColors();
std::vector<Color> temperatureColors();

} // namespace markings
