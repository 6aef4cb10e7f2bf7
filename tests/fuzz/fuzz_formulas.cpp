// The formula groups fed any sequence of entries: quantities, values (including infinities, NaN and
// extremes), counts and reciprocal totals.
#include "calculators/formulas.h"
#include "fuzzing.h"

#include <cmath>
#include <cstring>

using namespace fw::formulas;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const Rules* groups[] = {&ohmsLawRules(), &powerRules(), &resonanceRules(), &capacitiveRules(),
                             &inductiveRules()};
    const int counts[] = {3, 3, 4, 3, 3};
    Values values[5] = {};
    Reciprocal series;
    while (data.remaining_bytes() > 0) {
        switch (data.ConsumeIntegralInRange<int>(0, 2)) {
        case 0: {
            const int group = data.ConsumeIntegralInRange<int>(0, 4);
            const int quantity = data.ConsumeIntegralInRange<int>(0, counts[group] - 1);
            const Values before = values[group];
            const Outcome outcome =
                enter(*groups[group], values[group], quantity, data.ConsumeFloatingPoint<double>(), locale);
            if (outcome.status == Status::TooLarge || outcome.status == Status::NegativeProduct)
                fuzzing::require(std::memcmp(&before, &values[group], sizeof before) == 0,
                                 "a refused entry stores nothing");
            for (const Written& w : outcome.written)
                fuzzing::require(w.quantity >= 0 && w.quantity < counts[group], "outputs are the group's");
            break;
        }
        case 1:
            if (const auto count = quantity(fuzzing::text(data, 16), locale)) {
                fuzzing::require(*count >= 1, "a count is positive");
                series = Reciprocal{*count, 0};
            }
            break;
        default: {
            std::optional<double> value;
            if (data.ConsumeBool())
                value = data.ConsumeFloatingPoint<double>();
            const Reciprocal before = series;
            const Addition added = addValue(series, value);
            if (added.status == Added::Total) {
                fuzzing::require(std::isfinite(added.total) && added.total > 0,
                                 "a total is a positive number");
                totalText(added.total, QStringLiteral(" Ohms"), locale);
            } else if (added.status != Added::Counted) {
                fuzzing::require(before.remaining == series.remaining && before.sum == series.sum,
                                 "a refused value changes nothing");
            }
            break;
        }
        }
    }
    return 0;
}
