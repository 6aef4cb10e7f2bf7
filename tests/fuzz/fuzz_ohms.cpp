// Values as a technician types them, in any locale, with or without a tolerance: a value or a reason, and
// every value written out reads back as the same value.
#include "calculators/markings.h"
#include "fuzzing.h"

#include <algorithm>

using namespace markings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const QString typed = fuzzing::text(data);
    const Result<Decimal> value = parseOhms(typed, locale);
    fuzzing::require(value.value.has_value() != !value.reason.isEmpty(), "a value or a reason", typed);
    // With a tolerance typed after it: a value without one reads as before, and a tolerance is a band's.
    const Result<TypedValue> typedValue = parseValue(typed, locale);
    fuzzing::require(typedValue.value.has_value() != !typedValue.reason.isEmpty(),
                     "a typed value or a reason", typed);
    if (value)
        fuzzing::require(typedValue && typedValue->ohms == *value && !typedValue->tolerance,
                         "a plain value reads the same", typed);
    if (typedValue && typedValue->tolerance) {
        const auto colors = toleranceColors();
        fuzzing::require(
            std::any_of(colors.begin(), colors.end(),
                        [&](Color c) { return bandColor(c).tolerance == typedValue->tolerance; }),
            "a tolerance some band stands for", typed);
    }
    if (!value)
        return 0;
    fuzzing::require(value->digits >= 0, "never negative", typed);
    const QString written = ohmsText(*value, locale);
    const Result<Decimal> again = parseOhms(written, locale);
    fuzzing::require(again && *again == *value, "what is written reads back", written);
    for (int count = 3; count <= 6; ++count) {
        const Result<BandMarking> marking = bandsFor(*value, count);
        if (!marking)
            continue;
        const Result<BandReading> reading = readBands(marking->bands);
        fuzzing::require(reading && reading->ohms == marking->ohms, "bands read what they were written for",
                         typed);
        fuzzing::require(marking->exact == (marking->ohms == *value), "exact only when the same", typed);
    }
    for (Series series : kAllSeries) {
        if (value->isZero())
            break;
        const auto [below, above] = neighbours(*value, series);
        fuzzing::require(below < *value && *value < above, "neighbours stand either side", typed);
    }
    return 0;
}
