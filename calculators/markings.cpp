#include "calculators/markings.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace markings {

namespace {
constexpr std::int64_t kPowers[] = {1,
                                    10,
                                    100,
                                    1000,
                                    10000,
                                    100000,
                                    1000000,
                                    10000000,
                                    100000000,
                                    1000000000,
                                    10000000000,
                                    100000000000,
                                    1000000000000,
                                    10000000000000,
                                    100000000000000,
                                    1000000000000000,
                                    10000000000000000,
                                    100000000000000000,
                                    1000000000000000000};
constexpr int kMostFigures = 15; // what a typed value may carry

std::int64_t power(int n)
{
    return kPowers[std::clamp(n, 0, 18)];
}

QString capitalised(const char* name)
{
    QString s = QString::fromLatin1(name);
    s[0] = s[0].toUpper();
    return s;
}

// `digits` with the decimal point `fraction` places from the right, exactly.
QString pointed(std::int64_t digits, int exponent, const QLocale& locale)
{
    QString s = QString::number(digits);
    if (exponent >= 0)
        return s + QString(exponent, u'0');
    const int fraction = -exponent;
    if (s.size() <= fraction)
        s = QString(fraction - s.size() + 1, u'0') + s;
    return s.left(s.size() - fraction) + locale.decimalPoint() + s.right(fraction);
}

// a and b as whole numbers of one power of ten, which `exponent` receives. The coarser is scaled to the finer
// one's exponent; where that would overflow, the finer is rounded off instead.
std::pair<std::int64_t, std::int64_t> aligned(Decimal a, Decimal b, int& exponent)
{
    const bool aCoarser = a.exponent >= b.exponent;
    Decimal& coarse = aCoarser ? a : b;
    Decimal& fine = aCoarser ? b : a;
    while (coarse.exponent > fine.exponent &&
           coarse.digits > kPowers[18] / power(coarse.exponent - fine.exponent))
        fine = Decimal{(fine.digits + 5) / 10, fine.exponent + 1};
    exponent = fine.exponent;
    coarse.digits *= power(coarse.exponent - fine.exponent);
    return {a.digits, b.digits};
}
} // namespace

// ---- Decimal ------------------------------------------------------------------------------------------

Decimal Decimal::of(std::int64_t digits, int exponent)
{
    if (digits <= 0)
        return {};
    while (digits % 10 == 0) {
        digits /= 10;
        ++exponent;
    }
    return {digits, exponent};
}

int Decimal::significantFigures() const
{
    int n = 1;
    while (n < 19 && digits >= kPowers[n])
        ++n;
    return n;
}

Decimal Decimal::rounded(int figures) const
{
    const int drop = significantFigures() - figures;
    if (isZero() || drop <= 0)
        return *this;
    const std::int64_t p = power(drop);
    std::int64_t kept = digits / p;
    if ((digits % p) * 2 >= p)
        ++kept;
    return of(kept, exponent + drop);
}

std::strong_ordering operator<=>(const Decimal& a, const Decimal& b)
{
    if (a.isZero() || b.isZero())
        return a.digits <=> b.digits;
    const int fa = a.significantFigures(), fb = b.significantFigures();
    if (const auto magnitude = (fa + a.exponent) <=> (fb + b.exponent); magnitude != 0)
        return magnitude;
    return a.digits * power(18 - fa) <=> b.digits * power(18 - fb);
}

// ---- Colour bands -------------------------------------------------------------------------------------

namespace {
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
        {"black", {0, 0, 0}, {}, 250},
        {"brown", {139, 69, 19}, Decimal::of(1), 100},
        {"red", {220, 0, 0}, Decimal::of(2), 50},
        {"orange", {255, 140, 0}, Decimal::of(5, -2), 15},
        {"yellow", {255, 225, 0}, Decimal::of(2, -2), 25},
        {"green", {0, 160, 0}, Decimal::of(5, -1), 20},
        {"blue", {0, 80, 220}, Decimal::of(25, -2), 10},
        {"violet", {140, 40, 200}, Decimal::of(1, -1), 5},
        {"grey", {128, 128, 128}, Decimal::of(1, -2), 1},
        {"white", {255, 255, 255}, {}, {}},
        {"gold", {207, 168, 50}, Decimal::of(5), {}},
        {"silver", {192, 192, 192}, Decimal::of(10), {}},
        {"pink", {255, 160, 190}, {}, {}},
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

int figuresOf(std::size_t bands)
{
    return bands >= 5 ? 3 : 2;
}
} // namespace

std::span<const BandColor> bandColors()
{
    return kBandColors;
}

const BandColor& bandColor(Color color)
{
    return kBandColors.at(static_cast<std::size_t>(color));
}

std::optional<Color> colorNamed(const QString& name)
{
    const QString wanted = name.trimmed().toLower();
    if (wanted == QLatin1String("gray"))
        return Color::Grey;
    for (const BandColor& c : kBandColors)
        if (wanted == QLatin1String(c.name))
            return c.color;
    return std::nullopt;
}

Result<BandReading> readBands(std::span<const Color> bands)
{
    if (bands.empty())
        return Result<BandReading>::refused(
            QStringLiteral("Choose the bands, starting from the first digit."));
    if (bands.size() == 1) {
        if (bands[0] == Color::Black)
            return {BandReading{Decimal{}, true, std::nullopt, std::nullopt}, {}};
        return Result<BandReading>::refused(
            QStringLiteral("%1 alone is no marking: a single band is black, the zero-ohm link.")
                .arg(capitalised(bandColor(bands[0]).name)));
    }
    if (bands.size() == 2 || bands.size() > 6)
        return Result<BandReading>::refused(QStringLiteral("A resistor has 3, 4, 5 or 6 bands."));
    const int figures = figuresOf(bands.size());
    std::int64_t significand = 0;
    for (int i = 0; i < figures; ++i) {
        const BandColor& c = bandColor(bands[static_cast<std::size_t>(i)]);
        if (!c.digit)
            return Result<BandReading>::refused(
                QStringLiteral("%1 stands for no digit, so it cannot be band %2.")
                    .arg(capitalised(c.name))
                    .arg(i + 1));
        if (i == 0 && *c.digit == 0)
            return Result<BandReading>::refused(QStringLiteral(
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
                QStringLiteral("%1 stands for no tolerance, so it cannot be band %2.")
                    .arg(capitalised(c.name))
                    .arg(figures + 2));
        reading.tolerance = c.tolerance;
    }
    if (bands.size() == 6) {
        const BandColor& c = bandColor(bands[5]);
        if (!c.temperatureCoefficient)
            return Result<BandReading>::refused(
                QStringLiteral("%1 stands for no temperature coefficient, so it cannot be band 6.")
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
        return Result<BandMarking>::refused(QStringLiteral("A resistor has 3, 4, 5 or 6 bands."));
    if (ohms.isZero())
        return {BandMarking{{Color::Black}, Decimal{}, true}, {}};
    const int figures = figuresOf(static_cast<std::size_t>(count));
    const Decimal nearest = ohms.rounded(figures);
    const int spare = figures - nearest.significantFigures();
    const std::int64_t significand = nearest.digits * power(spare);
    const int multiplier = nearest.exponent - spare;
    if (multiplier < kLowestMultiplier)
        return Result<BandMarking>::refused(
            QStringLiteral("Too small for %1 bands: the smallest they mark is %2.")
                .arg(count)
                .arg(ohmsText(Decimal::of(power(figures - 1), kLowestMultiplier))));
    if (multiplier > kHighestMultiplier)
        return Result<BandMarking>::refused(
            QStringLiteral("Too large for %1 bands: the largest they mark is %2.")
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
                QStringLiteral("No band stands for a tolerance of %1.").arg(percentText(tolerance)));
        marking.bands.push_back(band->color);
    }
    if (count == 6) {
        const auto band = std::find_if(kBandColors.begin(), kBandColors.end(), [&](const BandColor& c) {
            return c.temperatureCoefficient == temperatureCoefficient;
        });
        if (band == kBandColors.end())
            return Result<BandMarking>::refused(
                QStringLiteral("No band stands for %1 ppm/K.").arg(temperatureCoefficient));
        marking.bands.push_back(band->color);
    }
    marking.ohms = nearest;
    marking.exact = nearest == ohms;
    return {marking, {}};
}

// ---- Values as technicians write them -------------------------------------------------------------------

namespace {
// The tolerance letters of IEC 60062. On resistors every one is in percent; on capacitors B, C and D are in
// picofarads (they mark small values), the others in percent, and Z is +80 % -20 %.
struct ToleranceLetter
{
    char letter;
    Decimal amount;
};
const ToleranceLetter kToleranceLetters[] = {
    {'B', Decimal::of(1, -1)}, {'C', Decimal::of(25, -2)}, {'D', Decimal::of(5, -1)},
    {'F', Decimal::of(1)},     {'G', Decimal::of(2)},      {'J', Decimal::of(5)},
    {'K', Decimal::of(10)},    {'M', Decimal::of(20)},     {'Z', Decimal{}},
};
constexpr char kLastPicofaradLetter = 'D';

const ToleranceLetter* toleranceLetter(QChar c)
{
    for (const ToleranceLetter& l : kToleranceLetters)
        if (c.toUpper() == QLatin1Char(l.letter))
            return &l;
    return nullptr;
}

const Decimal kLeastOhms = Decimal::of(1, -3);
const Decimal kMostOhms = Decimal::of(999, 9);

// The unit written after a value; all of them mean ohms.
QString withoutUnit(QString text)
{
    text = text.trimmed();
    for (const QString& unit :
         {QStringLiteral("ohms"), QStringLiteral("ohm"), QStringLiteral("\u03A9"), QStringLiteral("\u2126")})
        if (text.endsWith(unit, Qt::CaseInsensitive))
            return text.chopped(unit.size()).trimmed();
    return text;
}

// The power of ten a letter in a value stands for (R is the ohm itself).
std::optional<int> prefixOf(QChar c)
{
    switch (c.unicode()) {
    case u'R':
    case u'r':
        return 0;
    case u'k':
    case u'K':
        return 3;
    case u'M':
        return 6;
    case u'G':
    case u'g':
        return 9;
    default:
        return std::nullopt;
    }
}

bool allDigits(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The digits of a number with `fraction` of them after the point, times 10^prefix; or why it cannot be.
Result<Decimal> fromDigits(QString digits, int fraction, int prefix)
{
    if (digits.isEmpty())
        return Result<Decimal>::refused(QStringLiteral("A value needs at least one digit."));
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    int exponent = prefix - fraction;
    while (digits.size() > 1 && digits.back() == u'0') {
        digits.chop(1);
        ++exponent;
    }
    if (digits.size() > kMostFigures)
        return Result<Decimal>::refused(
            QStringLiteral("Too many figures: fifteen are the most a value carries."));
    const Decimal value = Decimal::of(digits.toLongLong(), exponent);
    if (!value.isZero() && value < kLeastOhms)
        return Result<Decimal>::refused(
            QStringLiteral("Too small: the least value marked here is %1.").arg(ohmsText(kLeastOhms)));
    if (value > kMostOhms)
        return Result<Decimal>::refused(
            QStringLiteral("Too large: the largest value marked here is %1.").arg(ohmsText(kMostOhms)));
    return {value, {}};
}
} // namespace

Result<Decimal> parseOhms(const QString& text, const QLocale& locale)
{
    const QString s = withoutUnit(text);
    if (s.isEmpty())
        return Result<Decimal>::refused(QStringLiteral("Type a value, such as 4700, 4.7k or 4k7."));
    if (s.front() == u'-' || s.front() == u'\u2212')
        return Result<Decimal>::refused(QStringLiteral("A resistance is never negative."));
    if (s.contains(u'm'))
        return Result<Decimal>::refused(QStringLiteral(
            "A small m means milli: write M for megohms (2M2), or a fraction of an ohm (0.47)."));
    qsizetype letterAt = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!prefixOf(s[i]))
            continue;
        if (letterAt >= 0)
            return Result<Decimal>::refused(QStringLiteral("Only one of R, k, M or G may stand in a value."));
        letterAt = i;
    }
    const QString before = letterAt < 0 ? s : s.left(letterAt).trimmed();
    const QString after = letterAt < 0 ? QString() : s.mid(letterAt + 1);
    const int prefix = letterAt < 0 ? 0 : *prefixOf(s[letterAt]);
    const QString notAValue =
        QStringLiteral("\u201C%1\u201D is not a value: write digits, one decimal point and R, k, M or G.")
            .arg(text.trimmed());
    if (!after.isEmpty()) {
        // The letter stands for the decimal point: 4k7, 1R5, R47.
        if (!allDigits(before) || !allDigits(after))
            return Result<Decimal>::refused(notAValue);
        return fromDigits(before + after, static_cast<int>(after.size()), prefix);
    }
    QString digits;
    int fraction = -1;
    for (QChar c : before) {
        if (c >= u'0' && c <= u'9') {
            digits += c;
            if (fraction >= 0)
                ++fraction;
        } else if ((c == u'.' || c == locale.decimalPoint().front()) && fraction < 0) {
            fraction = 0;
        } else {
            return Result<Decimal>::refused(notAValue);
        }
    }
    return fromDigits(digits, std::max(fraction, 0), prefix);
}

namespace {
// A value with the tolerance typed after it, when a band stands for that tolerance.
Result<TypedValue> withTolerance(Decimal ohms, std::optional<Decimal> tolerance, const QString& typed,
                                 const QLocale& locale)
{
    const auto colors = toleranceColors();
    if (tolerance && std::any_of(colors.begin(), colors.end(),
                                 [&](Color c) { return bandColor(c).tolerance == *tolerance; }))
        return {TypedValue{ohms, *tolerance}, {}};
    if (tolerance && *tolerance == kNoBandTolerance)
        return Result<TypedValue>::refused(
            QStringLiteral("%1 is a part without a tolerance band: choose 3 bands and type the value alone.")
                .arg(percentText(kNoBandTolerance, locale)));
    return Result<TypedValue>::refused(
        QStringLiteral("No band stands for a tolerance of \u00B1%1 %: they mark 0.01 % to 10 %.").arg(typed));
}
} // namespace

Result<TypedValue> parseValue(const QString& text, const QLocale& locale)
{
    const QString typed = text.trimmed();
    // "4k7 5%", "4k7 ±0.5 %": the tolerance in percent after the value.
    static const QRegularExpression percent(
        QStringLiteral("^(.*\\S)(?:\\s+|\\s*\u00B1\\s*)\u00B1?\\s*([0-9.,]+)\\s*%$"));
    if (const QRegularExpressionMatch m = percent.match(typed); m.hasMatch()) {
        const Result<Decimal> value = parseOhms(m.captured(1), locale);
        if (!value)
            return Result<TypedValue>::refused(value.reason);
        return withTolerance(*value, parseOhms(m.captured(2), locale).value, m.captured(2), locale);
    }
    const Result<Decimal> whole = parseOhms(typed, locale);
    if (whole)
        return {TypedValue{*whole, std::nullopt}, {}};
    // "4k7J": a tolerance letter after a value that reads without it.
    const ToleranceLetter* letter = typed.isEmpty() ? nullptr : toleranceLetter(typed.back());
    if (letter && !letter->amount.isZero())
        if (const Result<Decimal> value = parseOhms(typed.chopped(1), locale))
            return withTolerance(*value, letter->amount, QString(typed.back()), locale);
    return Result<TypedValue>::refused(whole.reason);
}

QString decimalText(Decimal value, int scale, const QString& unit, const QLocale& locale)
{
    const QString number = pointed(value.digits, value.exponent - scale, locale);
    return unit.isEmpty() ? number : number + u' ' + unit;
}

QString ohmsText(Decimal ohms, const QLocale& locale)
{
    static const struct
    {
        int scale;
        const char16_t* unit;
    } units[] = {{9, u"G\u03A9"}, {6, u"M\u03A9"}, {3, u"k\u03A9"}};
    for (const auto& u : units)
        if (ohms >= Decimal::of(1, u.scale))
            return decimalText(ohms, u.scale, QString::fromUtf16(u.unit), locale);
    return decimalText(ohms, 0, QStringLiteral("\u03A9"), locale);
}

QString percentText(Decimal percent, const QLocale& locale)
{
    return u'\u00B1' + decimalText(percent, 0, QStringLiteral("%"), locale);
}

std::pair<Decimal, Decimal> toleranceRange(Decimal value, Decimal percent)
{
    const Decimal delta = Decimal::of(value.digits * percent.digits, value.exponent + percent.exponent - 2);
    if (delta >= value)
        return {Decimal{}, Decimal::of(value.digits * 2, value.exponent)};
    int exponent = 0;
    const auto [v, d] = aligned(value, delta, exponent);
    return {Decimal::of(v - d, exponent), Decimal::of(v + d, exponent)};
}

// ---- E-series (IEC 60063) -----------------------------------------------------------------------------

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

// The value's three figures (100 to 999) when it has no more, and the decade they stand in.
std::optional<std::pair<int, int>> threeFigures(Decimal value)
{
    const int spare = 3 - value.significantFigures();
    if (value.isZero() || spare < 0)
        return std::nullopt;
    return std::pair{static_cast<int>(value.digits * power(spare)), value.exponent - spare};
}
} // namespace

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

// ---- SMD resistor codes -------------------------------------------------------------------------------

namespace {
// EIA-96: two digits number the E96 value (01 is 100, 96 is 976), a letter gives the multiplier. R, S and
// H are older spellings of Y, X and B. Listed in the order the code is written with.
struct Letter
{
    char letter;
    int exponent;
};
constexpr Letter kEiaLetters[] = {{'Z', -3}, {'Y', -2}, {'X', -1}, {'A', 0},  {'B', 1},  {'C', 2},
                                  {'D', 3},  {'E', 4},  {'F', 5},  {'R', -2}, {'S', -1}, {'H', 1}};

std::optional<int> eiaExponent(QChar c)
{
    for (const Letter& l : kEiaLetters)
        if (c == QLatin1Char(l.letter))
            return l.exponent;
    return std::nullopt;
}

QString codeHelp()
{
    return QStringLiteral("Type the code printed on the part, such as 103, 4R7, 1002, 49R9 or 01C.");
}

// "4R7", "R10", "49R9": the R stands for the decimal point.
Decimal withPointAtR(const QString& code)
{
    const qsizetype at = code.indexOf(u'R');
    QString digits = code;
    digits.remove(at, 1);
    return Decimal::of(digits.toLongLong(), -static_cast<int>(digits.size() - at));
}
} // namespace

QString familyName(SmdFamily family)
{
    switch (family) {
    case SmdFamily::ThreeDigit:
        return QStringLiteral("3-digit code");
    case SmdFamily::FourDigit:
        return QStringLiteral("4-digit code");
    case SmdFamily::Eia96:
        return QStringLiteral("EIA-96 code");
    }
    return {};
}

Result<std::vector<SmdReading>> readSmd(const QString& text)
{
    using Readings = Result<std::vector<SmdReading>>;
    const QString code = text.trimmed().toUpper();
    if (code.isEmpty())
        return Readings::refused(codeHelp());
    if (code.size() <= 4 && code.count(u'0') == code.size())
        return {std::vector<SmdReading>{
                    {Decimal{}, code.size() == 4 ? SmdFamily::FourDigit : SmdFamily::ThreeDigit}},
                {}};
    if (code.size() != 3 && code.size() != 4)
        return Readings::refused(QStringLiteral("An SMD resistor code has 3 or 4 characters. ") + codeHelp());
    const SmdFamily family = code.size() == 3 ? SmdFamily::ThreeDigit : SmdFamily::FourDigit;
    const QString figures = code.chopped(1);
    std::vector<SmdReading> readings;
    if (allDigits(code)) {
        readings.push_back({Decimal::of(figures.toLongLong(), code.back().digitValue()), family});
    } else if (code.count(u'R') == 1 && allDigits(QString(code).remove(u'R'))) {
        readings.push_back({withPointAtR(code), family});
        // "47R" is also an EIA-96 code with R for Y.
        if (family == SmdFamily::ThreeDigit && code.back() == u'R') {
            const int index = figures.toInt();
            if (index >= 1 && index <= 96)
                readings.push_back(
                    {Decimal::of(seriesValues(Series::E96)[static_cast<std::size_t>(index - 1)], -2),
                     SmdFamily::Eia96});
        }
    } else if (family == SmdFamily::ThreeDigit && allDigits(figures) && eiaExponent(code.back())) {
        const int index = figures.toInt();
        if (index < 1 || index > 96)
            return Readings::refused(
                QStringLiteral("EIA-96 codes are numbered 01 to 96; %1 is none of them.").arg(figures));
        readings.push_back({Decimal::of(seriesValues(Series::E96)[static_cast<std::size_t>(index - 1)],
                                        *eiaExponent(code.back())),
                            SmdFamily::Eia96});
    } else {
        return Readings::refused(
            QStringLiteral("\u201C%1\u201D is no SMD resistor code. ").arg(text.trimmed()) + codeHelp());
    }
    if (readings.front().ohms.isZero())
        return Readings::refused(
            QStringLiteral("These figures read zero: the zero-ohm link is marked 0, 000 or 0000."));
    return {readings, {}};
}

std::optional<QString> smdCode(Decimal ohms, SmdFamily family)
{
    if (ohms.isZero())
        return family == SmdFamily::Eia96
                   ? std::nullopt
                   : std::optional(QString(family == SmdFamily::ThreeDigit ? 3 : 4, u'0'));
    if (family == SmdFamily::Eia96) {
        const auto figures = threeFigures(ohms);
        if (!figures)
            return std::nullopt;
        const std::span<const int> e96 = seriesValues(Series::E96);
        const auto at = std::find(e96.begin(), e96.end(), figures->first);
        const auto letter = std::find_if(std::begin(kEiaLetters), std::end(kEiaLetters),
                                         [&](const Letter& l) { return l.exponent == figures->second; });
        if (at == e96.end() || letter == std::end(kEiaLetters))
            return std::nullopt;
        return QStringLiteral("%1%2")
            .arg(at - e96.begin() + 1, 2, 10, QLatin1Char('0'))
            .arg(QLatin1Char(letter->letter));
    }
    const int n = family == SmdFamily::ThreeDigit ? 2 : 3;
    if (ohms >= Decimal::of(power(n - 1))) {
        // Figures, then the number of zeros.
        const int spare = n - ohms.significantFigures();
        const int zeros = ohms.exponent - spare;
        if (spare < 0 || zeros > 9)
            return std::nullopt;
        return QString::number(ohms.digits * power(spare)) + QString::number(zeros);
    }
    // Below 10 (or 100) ohms the R stands for the decimal point: 4R7, R10, 49R9, R047.
    const int fraction = std::max(0, -ohms.exponent);
    const std::int64_t scaled = ohms.digits * power(ohms.exponent + fraction);
    const std::int64_t whole = scaled / power(fraction);
    const QString wholeText = whole == 0 ? QString() : QString::number(whole);
    if (wholeText.size() + fraction > n)
        return std::nullopt;
    QString fractionText = QString::number(scaled % power(fraction)).rightJustified(fraction, u'0');
    if (fraction == 0)
        fractionText.clear();
    return wholeText + u'R' + fractionText.leftJustified(n - static_cast<int>(wholeText.size()), u'0');
}

// ---- Capacitor codes ----------------------------------------------------------------------------------

namespace {
// The EIA voltage code: a digit for the power of ten and a letter for the figures, "2A" 1.0 x 10^2 V.
struct VoltageLetter
{
    char letter;
    std::int64_t digits;
    int exponent;
};
constexpr VoltageLetter kVoltageLetters[] = {{'A', 1, 0},   {'B', 125, -2}, {'C', 16, -1}, {'D', 2, 0},
                                             {'E', 25, -1}, {'F', 315, -2}, {'G', 4, 0},   {'H', 5, 0},
                                             {'J', 63, -1}, {'K', 8, 0},    {'V', 35, -1}, {'W', 45, -1}};
constexpr int kHighestVoltageDigit = 4;

bool isDigit(const QString& s, qsizetype at)
{
    return at >= 0 && at < s.size() && s[at] >= u'0' && s[at] <= u'9';
}

void skipSpaces(const QString& s, qsizetype& at)
{
    while (at < s.size() && s[at].isSpace())
        ++at;
}

QString digitsAt(const QString& s, qsizetype& at)
{
    const qsizetype start = at;
    while (isDigit(s, at))
        ++at;
    return s.mid(start, at - start);
}

// A number's digits and how many of them follow its decimal point ("." or `point`); -1 when it has none.
struct Figures
{
    QString digits;
    int fraction = -1;
};
Figures figuresAt(const QString& s, qsizetype& at, QChar point)
{
    Figures f;
    f.digits = digitsAt(s, at);
    if (at < s.size() && (s[at] == u'.' || s[at] == point)) {
        ++at;
        const QString after = digitsAt(s, at);
        f.digits += after;
        f.fraction = static_cast<int>(after.size());
    }
    return f;
}

// The unit letters of a capacitance as powers of ten of a picofarad (the micro sign already written U).
std::optional<int> unitExponent(QChar c)
{
    switch (c.unicode()) {
    case u'P':
        return 0;
    case u'N':
        return 3;
    case u'U':
        return 6;
    default:
        return std::nullopt;
    }
}

constexpr int kMostCapacitorFigures = 8;

struct Value
{
    Decimal picofarads;
    CapacitorNotation notation;
};
using Values = Result<std::vector<Value>>;

Values valueOf(const QString& digits, int exponent, CapacitorNotation notation)
{
    QString figures = digits;
    while (figures.size() > 1 && figures.front() == u'0')
        figures.remove(0, 1);
    if (figures.size() > kMostCapacitorFigures)
        return Values::refused(QStringLiteral("Too many figures for a capacitor marking."));
    return {std::vector<Value>{{Decimal::of(figures.toLongLong(), exponent), notation}}, {}};
}

// The value a marking begins with (upper case, the micro sign written U), read up to `at`.
Values readValue(const QString& s, qsizetype& at, const QLocale& locale)
{
    const QString help =
        QStringLiteral("A capacitor marking begins with its value, such as 104, 4R7, 47, 4n7, 47p or .01.");
    const Figures whole = figuresAt(s, at, locale.decimalPoint().front());
    qsizetype next = at;
    skipSpaces(s, next);
    const std::optional<int> unit = next < s.size() ? unitExponent(s[next]) : std::nullopt;
    if (unit && (!whole.digits.isEmpty() || (whole.fraction < 0 && isDigit(s, next + 1)))) {
        at = next + 1;
        if (whole.fraction < 0 && isDigit(s, at)) { // the unit letter stands for the decimal point: 4n7, p47
            const QString after = digitsAt(s, at);
            return valueOf(whole.digits + after, *unit - static_cast<int>(after.size()),
                           CapacitorNotation::WithUnit);
        }
        if (at < s.size() && s[at] == u'F')
            ++at;
        return valueOf(whole.digits, *unit - std::max(whole.fraction, 0), CapacitorNotation::WithUnit);
    }
    if (whole.fraction >= 0) {
        if (whole.digits.isEmpty())
            return Values::refused(help);
        return valueOf(whole.digits, 6 - whole.fraction, CapacitorNotation::Microfarads);
    }
    if (at < s.size() && s[at] == u'R' && whole.digits.size() < 3) { // 4R7, R47
        ++at;
        const QString after = digitsAt(s, at);
        if (whole.digits.isEmpty() && after.isEmpty())
            return Values::refused(help);
        return valueOf(whole.digits + after, -static_cast<int>(after.size()), CapacitorNotation::Picofarads);
    }
    if (whole.digits.isEmpty())
        return Values::refused(help);
    if (whole.digits.size() < 3)
        return valueOf(whole.digits, 0, CapacitorNotation::Picofarads);
    // Three figures, the third the number of zeros (8 and 9 for x0.01 and x0.1); more figures after them are
    // the voltage code's.
    at -= whole.digits.size() - 3;
    const int multiplier = whole.digits[2].digitValue();
    if (multiplier == 7)
        return Values::refused(
            QStringLiteral("A third figure of 7 multiplies by nothing in a capacitor code."));
    const int exponent = multiplier == 8 ? -2 : multiplier == 9 ? -1 : multiplier;
    Values values = valueOf(whole.digits.left(2), exponent, CapacitorNotation::Code);
    // Three figures ending in 0 may also be picofarads written out: "470" is 47 pF as a code, or 470 pF.
    if (whole.digits.size() == 3 && multiplier == 0 && whole.digits[0] != u'0')
        values.value->push_back({Decimal::of(whole.digits.toLongLong()), CapacitorNotation::Picofarads});
    return values;
}

QString toleranceText(const ToleranceLetter& letter, const QLocale& locale)
{
    if (letter.amount.isZero())
        return QStringLiteral("+80 % \u2212"
                              "20 %");
    if (letter.letter <= kLastPicofaradLetter)
        return u'\u00B1' + decimalText(letter.amount, 0, QStringLiteral("pF"), locale);
    return percentText(letter.amount, locale);
}
} // namespace

QString notationName(CapacitorNotation notation)
{
    switch (notation) {
    case CapacitorNotation::Code:
        return QStringLiteral("3-figure code");
    case CapacitorNotation::Picofarads:
        return QStringLiteral("picofarads written out");
    case CapacitorNotation::WithUnit:
        return QStringLiteral("unit given");
    case CapacitorNotation::Microfarads:
        return QStringLiteral("a plain decimal: microfarads");
    }
    return {};
}

Result<std::vector<CapacitorMarking>> readCapacitor(const QString& text, const QLocale& locale)
{
    using Readings = Result<std::vector<CapacitorMarking>>;
    QString s = text.trimmed();
    for (const char16_t micro : {u'\u00B5', u'\u03BC', u'\u039C'})
        s.replace(QChar(micro), u'u');
    s = s.toUpper();
    if (s.isEmpty())
        return Readings::refused(
            QStringLiteral("Type the marking printed on the capacitor, such as 104K 2A, 4n7 or .047 400V."));
    qsizetype at = 0;
    const Values values = readValue(s, at, locale);
    if (!values)
        return Readings::refused(values.reason);
    if (values->front().picofarads.isZero())
        return Readings::refused(QStringLiteral("These figures read 0 pF, which is no capacitor."));
    CapacitorMarking marking;
    skipSpaces(s, at);
    if (at < s.size() && !isDigit(s, at)) {
        const ToleranceLetter* letter = toleranceLetter(s[at]);
        if (!letter)
            return Readings::refused(
                QStringLiteral("%1 is no tolerance letter: they are B, C, D, F, G, J, K, M and Z.")
                    .arg(s[at]));
        marking.toleranceLetter = QLatin1Char(letter->letter);
        marking.tolerance = toleranceText(*letter, locale);
        ++at;
        skipSpaces(s, at);
    }
    if (at < s.size()) {
        const qsizetype start = at;
        while (isDigit(s, at) || (at < s.size() && s[at] == u'.'))
            ++at;
        const QString number = s.mid(start, at - start);
        const QChar next = at < s.size() ? s[at] : QChar();
        const bool kilovolts = s.mid(at, 2) == QLatin1String("KV");
        const auto code = std::find_if(std::begin(kVoltageLetters), std::end(kVoltageLetters),
                                       [&](const VoltageLetter& l) { return next == QLatin1Char(l.letter); });
        if (!kilovolts && number.size() == 1 && number[0].isDigit() &&
            number[0].digitValue() <= kHighestVoltageDigit && code != std::end(kVoltageLetters)) {
            marking.volts = Decimal::of(code->digits, code->exponent + number[0].digitValue());
        } else if ((next == u'V' || kilovolts) && !number.isEmpty() && number.count(u'.') <= 1 &&
                   number.back() != u'.') {
            const qsizetype point = number.indexOf(u'.');
            QString digits = number;
            digits.remove(u'.');
            if (digits.size() > 6)
                return Readings::refused(QStringLiteral("No capacitor code carries a voltage that high."));
            marking.volts = Decimal::of(digits.toLongLong(),
                                        (kilovolts ? 3 : 0) -
                                            (point < 0 ? 0 : static_cast<int>(number.size() - point - 1)));
            if (marking.volts->isZero())
                return Readings::refused(QStringLiteral("A rated voltage of 0 V is no rating."));
            if (kilovolts)
                ++at;
        } else {
            return Readings::refused(QStringLiteral("After the value and tolerance comes the voltage, as a "
                                                    "code such as 2A or in volts such as 100V or 2kV."));
        }
        ++at;
        skipSpaces(s, at);
        if (at < s.size())
            return Readings::refused(
                QStringLiteral("\u201C%1\u201D after the voltage means nothing here.").arg(s.mid(at)));
    }
    std::vector<CapacitorMarking> readings;
    for (const Value& v : *values) {
        marking.picofarads = v.picofarads;
        marking.notation = v.notation;
        readings.push_back(marking);
    }
    return {readings, {}};
}

} // namespace markings
