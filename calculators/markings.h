#pragma once
// Component markings, read and written: resistor colour bands (IEC 60062:2016), the preferred-number
// series E6 to E192 (IEC 60063), SMD resistor codes (3-digit, 4-digit, EIA-96) and capacitor codes
// ("104K 2A"). No widgets. Values are exact decimals, so that 4.7 Ω never turns into 4.699999 Ω; every
// reader returns a value or a sentence saying why there is none, and never throws.

#include <QLocale>
#include <QString>

#include <compare>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace markings {

// digits × 10^exponent, kept normal: no trailing zeros in `digits` (zero is {0, 0}), never negative.
struct Decimal
{
    std::int64_t digits = 0;
    int exponent = 0;

    static Decimal of(std::int64_t digits, int exponent = 0);
    bool isZero() const { return digits == 0; }
    int significantFigures() const;
    // Rounded (half up) to `figures` significant figures.
    Decimal rounded(int figures) const;
    friend bool operator==(const Decimal&, const Decimal&) = default;
    friend std::strong_ordering operator<=>(const Decimal& a, const Decimal& b);
};

// What a reader gives back: a value, or the reason it has none.
template <class T> struct Result
{
    std::optional<T> value;
    QString reason;

    static Result refused(const QString& why) { return {std::nullopt, why}; }
    explicit operator bool() const { return value.has_value(); }
    const T& operator*() const { return *value; }
    const T* operator->() const { return &*value; }
};

// ---- Colour bands -----------------------------------------------------------------------------------

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

// ---- Values as technicians write them ------------------------------------------------------------------

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

// "4.7 kΩ", "470 Ω", "1 MΩ", "2.2 GΩ", "0.47 Ω": the largest unit that leaves a whole part.
QString ohmsText(Decimal ohms, const QLocale& locale = QLocale());
// `value` written in `unit` scaled down by 10^`scale`: decimalText(47000, 3, "nF") is "47 nF".
QString decimalText(Decimal value, int scale, const QString& unit, const QLocale& locale = QLocale());
QString percentText(Decimal percent, const QLocale& locale = QLocale()); // "±0.05 %"
// The least and most a part of this value and tolerance may measure.
std::pair<Decimal, Decimal> toleranceRange(Decimal value, Decimal percent);

// ---- E-series (IEC 60063) ----------------------------------------------------------------------------

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

// ---- SMD resistor codes --------------------------------------------------------------------------------

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

// ---- Capacitor codes -----------------------------------------------------------------------------------

// How a capacitor's value was written: a 3-figure code ("104"), picofarads in figures ("47", "4R7"), with a
// unit or a unit letter for its decimal point ("47p", "1000pF", "4n7", "2u2", "10µ"), or a plain decimal,
// which is in microfarads (".01", "0.1").
enum class CapacitorNotation { Code, Picofarads, WithUnit, Microfarads };
QString notationName(CapacitorNotation notation);

struct CapacitorMarking
{
    Decimal picofarads;
    CapacitorNotation notation = CapacitorNotation::Code;
    std::optional<QChar> toleranceLetter;
    QString tolerance; // "±10 %", "±0.25 pF", "+80 % −20 %"
    std::optional<Decimal> volts;
};
// "104", "104K 2A", "223J100V", "4R7", "47J", "4n7", "1000pF", ".047 400V", "102K 2KV": the value, an
// optional tolerance letter and an optional voltage (EIA code such as "2A", or volts written out such as
// "100V" or "2kV"). A marking that can be read two ways has both readings, the usual one first: "470" is
// 47 pF as a code, or 470 pF written out.
Result<std::vector<CapacitorMarking>> readCapacitor(const QString& code, const QLocale& locale = QLocale());

} // namespace markings
