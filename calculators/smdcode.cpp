#include "calculators/smdcode.h"

#include "calculators/eseries.h"

#include <QCoreApplication>

#include <algorithm>
#include <iterator>

namespace markings {

namespace {
bool allDigits(const QString& s)
{
    return std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

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
    return QCoreApplication::translate(
        "calculators::Markings", "Type the code printed on the part, such as 103, 4R7, 1002, 49R9 or 01C.");
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
        return QCoreApplication::translate("calculators::Markings", "3-digit code");
    case SmdFamily::FourDigit:
        return QCoreApplication::translate("calculators::Markings", "4-digit code");
    case SmdFamily::Eia96:
        return QCoreApplication::translate("calculators::Markings", "EIA-96 code");
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
        return Readings::refused(QCoreApplication::translate("calculators::Markings",
                                                             "An SMD resistor code has 3 or 4 characters. ") +
                                 codeHelp());
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
                QCoreApplication::translate("calculators::Markings",
                                            "EIA-96 codes are numbered 01 to 96; %1 is none of them.")
                    .arg(figures));
        readings.push_back({Decimal::of(seriesValues(Series::E96)[static_cast<std::size_t>(index - 1)],
                                        *eiaExponent(code.back())),
                            SmdFamily::Eia96});
    } else {
        return Readings::refused(
            QCoreApplication::translate("calculators::Markings", "\u201C%1\u201D is no SMD resistor code. ")
                .arg(text.trimmed()) +
            codeHelp());
    }
    if (readings.front().ohms.isZero())
        return Readings::refused(QCoreApplication::translate(
            "calculators::Markings", "These figures read zero: the zero-ohm link is marked 0, 000 or 0000."));
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

} // namespace markings
