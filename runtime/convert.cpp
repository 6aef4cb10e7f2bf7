#include "runtime/convert.h"

#include <algorithm>
#include <cmath>

namespace fw::convert {

std::optional<double> toDouble(QStringView text, const QLocale& locale)
{
    const QStringView trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return std::nullopt;
    bool ok = false;
    double value = locale.toDouble(trimmed, &ok);
    if (!ok && locale.decimalPoint() != QLatin1String(".")) {
        // A decimal point too, where it cannot be a digit group of the user's locale: "4.7" is 4.7 to a user
        // who writes 4,7, while "12.700" stays twelve thousand seven hundred where the locale groups digits
        // that way. (A comma under a point locale stays refused: it is that locale's digit group.)
        QLocale point = QLocale::c();
        point.setNumberOptions(QLocale::RejectGroupSeparator);
        value = point.toDouble(trimmed, &ok);
    }
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

std::optional<std::int16_t> roundToInt16(double value)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const double rounded = std::nearbyint(value); // the default rounding mode: halves to even
    if (rounded < -32768.0 || rounded > 32767.0)
        return std::nullopt;
    return static_cast<std::int16_t>(rounded);
}

std::optional<std::int16_t> toInt16(QStringView text, const QLocale& locale)
{
    const auto value = toDouble(text, locale);
    if (!value)
        return std::nullopt;
    return roundToInt16(*value);
}

static QLocale plainLocale(const QLocale& locale)
{
    QLocale plain(locale);
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain;
}

QString numberText(double value, const QLocale& locale)
{
    if (value == 0.0 || !std::isfinite(value))
        return QStringLiteral("0"); // also folds -0 into "0"
    // Fifteen digits would round the largest doubles up past the largest double, into a text that reads
    // back as too large; they are written as the largest fifteen-digit number that reads back.
    constexpr double largestWritten = 1.79769313486231e308;
    if (std::fabs(value) > largestWritten)
        value = std::copysign(largestWritten, value);
    return plainLocale(locale).toString(value, 'G', 15);
}

QString formatPattern(double value, QStringView pattern, const QLocale& locale)
{
    const qsizetype point = pattern.indexOf(u'.');
    const QStringView integerPart = point < 0 ? pattern : pattern.left(point);
    const QStringView decimalPart = point < 0 ? QStringView() : pattern.mid(point + 1);
    const int minIntegerDigits = static_cast<int>(integerPart.count(u'0'));
    const int fixedDecimals = static_cast<int>(decimalPart.count(u'0'));
    const int decimals = static_cast<int>(decimalPart.size());

    QString digits = QString::number(std::abs(value), 'f', decimals);
    const qsizetype dot = digits.indexOf(u'.');
    QString whole = dot < 0 ? digits : digits.left(dot);
    QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);
    while (fraction.size() > fixedDecimals && fraction.endsWith(u'0'))
        fraction.chop(1);

    if (whole == QLatin1String("0"))
        whole.clear();
    while (whole.size() < minIntegerDigits)
        whole.prepend(u'0');

    const bool allZero =
        std::all_of(digits.cbegin(), digits.cend(), [](QChar c) { return c == u'0' || c == u'.'; });
    QString text = (value < 0 && !allZero) ? QStringLiteral("-") : QString();
    text += whole;
    if (point >= 0 && (!fraction.isEmpty() || decimals == 0))
        text += locale.decimalPoint() + fraction;
    return text;
}

} // namespace fw::convert
