// Any run of colour bands read from both ends: a reading or a reason; a reading's bands written again for
// its value, tolerance and coefficient are the same bands.
#include "calculators/markings.h"
#include "fuzzing.h"

using namespace markings;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    std::vector<Color> bands(data.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (Color& band : bands)
        band = static_cast<Color>(data.ConsumeIntegralInRange<int>(0, kColors - 1));
    const auto reading = readBands(bands);
    fuzzing::require(reading.value.has_value() != !reading.reason.isEmpty(), "a reading or a reason");
    readReversed(bands);
    if (!reading || bands.size() < 4)
        return 0;
    const auto range = toleranceRange(reading->ohms, *reading->tolerance);
    fuzzing::require(range.first <= reading->ohms && reading->ohms <= range.second,
                     "the range holds the value");
    const auto marking = bandsFor(reading->ohms, static_cast<int>(bands.size()), *reading->tolerance,
                                  reading->temperatureCoefficient.value_or(100));
    fuzzing::require(marking && marking->exact && marking->bands == bands, "the bands are written back");
    return 0;
}
