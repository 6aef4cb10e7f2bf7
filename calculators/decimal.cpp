#include "calculators/decimal.h"

#include <algorithm>

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

std::int64_t power(int n)
{
    return kPowers[std::clamp(n, 0, 18)];
}

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

} // namespace markings
