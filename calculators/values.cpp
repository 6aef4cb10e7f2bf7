#include "calculators/values.h"

#include "calculators/bands.h"
#include "calculators/toleranceletters.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>

namespace markings {

namespace {
constexpr int kMostFigures = 15; // what a typed value may carry

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
        return Result<Decimal>::refused(
            QCoreApplication::translate("calculators::Markings", "A value needs at least one digit."));
    while (digits.size() > 1 && digits.front() == u'0')
        digits.remove(0, 1);
    int exponent = prefix - fraction;
    while (digits.size() > 1 && digits.back() == u'0') {
        digits.chop(1);
        ++exponent;
    }
    if (digits.size() > kMostFigures)
        return Result<Decimal>::refused(QCoreApplication::translate(
            "calculators::Markings", "Too many figures: fifteen are the most a value carries."));
    const Decimal value = Decimal::of(digits.toLongLong(), exponent);
    if (!value.isZero() && value < kLeastOhms)
        return Result<Decimal>::refused(
            QCoreApplication::translate("calculators::Markings",
                                        "Too small: the least value marked here is %1.")
                .arg(ohmsText(kLeastOhms)));
    if (value > kMostOhms)
        return Result<Decimal>::refused(
            QCoreApplication::translate("calculators::Markings",
                                        "Too large: the largest value marked here is %1.")
                .arg(ohmsText(kMostOhms)));
    return {value, {}};
}
} // namespace

Result<Decimal> parseOhms(const QString& text, const QLocale& locale)
{
    const QString s = withoutUnit(text);
    if (s.isEmpty())
        return Result<Decimal>::refused(
            QCoreApplication::translate("calculators::Markings", "Type a value, such as 4700, 4.7k or 4k7."));
    if (s.front() == u'-' || s.front() == u'\u2212')
        return Result<Decimal>::refused(
            QCoreApplication::translate("calculators::Markings", "A resistance is never negative."));
    if (s.contains(u'm'))
        return Result<Decimal>::refused(QCoreApplication::translate(
            "calculators::Markings",
            "A small m means milli: write M for megohms (2M2), or a fraction of an ohm (0.47)."));
    qsizetype letterAt = -1;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (!prefixOf(s[i]))
            continue;
        if (letterAt >= 0)
            return Result<Decimal>::refused(QCoreApplication::translate(
                "calculators::Markings", "Only one of R, k, M or G may stand in a value."));
        letterAt = i;
    }
    const QString before = letterAt < 0 ? s : s.left(letterAt).trimmed();
    const QString after = letterAt < 0 ? QString() : s.mid(letterAt + 1);
    const int prefix = letterAt < 0 ? 0 : *prefixOf(s[letterAt]);
    const QString notAValue =
        QCoreApplication::translate(
            "calculators::Markings",
            "\u201C%1\u201D is not a value: write digits, one decimal point and R, k, M or G.")
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
            QCoreApplication::translate(
                "calculators::Markings",
                "%1 is a part without a tolerance band: choose 3 bands and type the value alone.")
                .arg(percentText(kNoBandTolerance, locale)));
    return Result<TypedValue>::refused(
        QCoreApplication::translate("calculators::Markings",
                                    "No band stands for a tolerance of \u00B1%1 %: they mark 0.01 % to 10 %.")
            .arg(typed));
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

} // namespace markings
