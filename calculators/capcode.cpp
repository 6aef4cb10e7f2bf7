#include "calculators/capcode.h"

#include "calculators/toleranceletters.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace markings {

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
        return Values::refused(QCoreApplication::translate("calculators::Markings",
                                                           "Too many figures for a capacitor marking."));
    return {std::vector<Value>{{Decimal::of(figures.toLongLong(), exponent), notation}}, {}};
}

// The value a marking begins with (upper case, the micro sign written U), read up to `at`.
Values readValue(const QString& s, qsizetype& at, const QLocale& locale)
{
    const QString help = QCoreApplication::translate(
        "calculators::Markings",
        "A capacitor marking begins with its value, such as 104, 4R7, 47, 4n7, 47p or .01.");
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
        return Values::refused(QCoreApplication::translate(
            "calculators::Markings", "A third figure of 7 multiplies by nothing in a capacitor code."));
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
        return QCoreApplication::translate("calculators::Markings", "3-figure code");
    case CapacitorNotation::Picofarads:
        return QCoreApplication::translate("calculators::Markings", "picofarads written out");
    case CapacitorNotation::WithUnit:
        return QCoreApplication::translate("calculators::Markings", "unit given");
    case CapacitorNotation::Microfarads:
        return QCoreApplication::translate("calculators::Markings", "a plain decimal: microfarads");
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
        return Readings::refused(QCoreApplication::translate(
            "calculators::Markings",
            "Type the marking printed on the capacitor, such as 104K 2A, 4n7 or .047 400V."));
    qsizetype at = 0;
    const Values values = readValue(s, at, locale);
    if (!values)
        return Readings::refused(values.reason);
    if (values->front().picofarads.isZero())
        return Readings::refused(QCoreApplication::translate(
            "calculators::Markings", "These figures read 0 pF, which is no capacitor."));
    CapacitorMarking marking;
    skipSpaces(s, at);
    if (at < s.size() && !isDigit(s, at)) {
        const ToleranceLetter* letter = toleranceLetter(s[at]);
        if (!letter)
            return Readings::refused(QCoreApplication::translate(
                                         "calculators::Markings",
                                         "%1 is no tolerance letter: they are B, C, D, F, G, J, K, M and Z.")
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
                return Readings::refused(QCoreApplication::translate(
                    "calculators::Markings", "No capacitor code carries a voltage that high."));
            marking.volts = Decimal::of(digits.toLongLong(),
                                        (kilovolts ? 3 : 0) -
                                            (point < 0 ? 0 : static_cast<int>(number.size() - point - 1)));
            if (marking.volts->isZero())
                return Readings::refused(QCoreApplication::translate("calculators::Markings",
                                                                     "A rated voltage of 0 V is no rating."));
            if (kilovolts)
                ++at;
        } else {
            return Readings::refused(QCoreApplication::translate(
                "calculators::Markings", "After the value and tolerance comes the voltage, as a "
                                         "code such as 2A or in volts such as 100V or 2kV."));
        }
        ++at;
        skipSpaces(s, at);
        if (at < s.size())
            return Readings::refused(
                QCoreApplication::translate("calculators::Markings",
                                            "\u201C%1\u201D after the voltage means nothing here.")
                    .arg(s.mid(at)));
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
