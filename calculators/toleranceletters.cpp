#include "calculators/toleranceletters.h"

namespace markings {

namespace {
const ToleranceLetter kToleranceLetters[] = {
    {'B', Decimal::of(1, -1)}, {'C', Decimal::of(25, -2)}, {'D', Decimal::of(5, -1)},
    {'F', Decimal::of(1)},     {'G', Decimal::of(2)},      {'J', Decimal::of(5)},
    {'K', Decimal::of(10)},    {'M', Decimal::of(20)},     {'Z', Decimal{}},
};
} // namespace

const ToleranceLetter* toleranceLetter(QChar c)
{
    for (const ToleranceLetter& l : kToleranceLetters)
        if (c.toUpper() == QLatin1Char(l.letter))
            return &l;
    return nullptr;
}

} // namespace markings
