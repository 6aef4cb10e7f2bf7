// Text to number and number to text, as every box of the program reads and writes them.
#include "fuzzing.h"
#include "runtime/convert.h"

#include <cmath>

using namespace fw::convert;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const QString typed = fuzzing::text(data);
    const QString pattern = fuzzing::text(data, 24);
    const double raw = data.ConsumeFloatingPoint<double>();

    const std::optional<double> value = toDouble(typed, locale);
    if (value) {
        fuzzing::require(std::isfinite(*value), "toDouble gives finite numbers only", typed);
        // What the program writes it reads back.
        const QString written = numberText(*value, locale);
        fuzzing::require(toDouble(written, locale).has_value(), "numberText reads back", written);
        formatPattern(*value, pattern, locale);
    }
    if (const std::optional<std::int16_t> whole = toInt16(typed, locale))
        fuzzing::require(value && std::fabs(*value - *whole) <= 0.5, "toInt16 rounds the number read", typed);
    const QString written = numberText(raw, locale);
    fuzzing::require(toDouble(written, locale).has_value(), "numberText reads back", written);
    formatPattern(raw, pattern, locale);
    roundToInt16(raw);
    return 0;
}
