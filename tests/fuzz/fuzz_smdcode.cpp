// SMD resistor codes of any text: readings or a reason, and each reading written back in its own family
// reads the same value.
#include "calculators/markings.h"
#include "fuzzing.h"

using namespace markings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QString code = fuzzing::text(data, 16);
    const auto readings = readSmd(code);
    fuzzing::require(readings.value.has_value() != !readings.reason.isEmpty(), "readings or a reason", code);
    if (!readings)
        return 0;
    fuzzing::require(!readings->empty(), "at least one reading", code);
    for (const SmdReading& r : *readings) {
        fuzzing::require(r.ohms.digits >= 0, "never negative", code);
        const std::optional<QString> written = smdCode(r.ohms, r.family);
        fuzzing::require(written.has_value(), "a value read in a family is written in it", code);
        const auto again = readSmd(*written);
        fuzzing::require(again && std::any_of(again->begin(), again->end(),
                                              [&](const SmdReading& a) { return a.ohms == r.ohms; }),
                         "what is written reads back", *written);
    }
    return 0;
}
