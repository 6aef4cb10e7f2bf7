// The colour code reader fed any sequence of band clicks, Done with either part or none, and restarts.
#include "calculators/colorcode.h"
#include "fuzzing.h"

using namespace colorcode;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    Reader reader;
    while (data.remaining_bytes() > 0) {
        const int action = data.ConsumeIntegralInRange<int>(0, kColors + 3);
        if (action < kColors) {
            const std::optional<QString> refusal = reader.enterBand(static_cast<Color>(action));
            fuzzing::require(!refusal || reader.bandCount() == 0, "a refused band starts the entry again");
            fuzzing::require(reader.bandCount() >= 0 && reader.bandCount() <= 6, "bands are counted to six");
        } else if (action == kColors) {
            reader.restart();
        } else {
            const std::optional<Part> part =
                action == kColors + 1
                    ? std::nullopt
                    : std::optional<Part>(action == kColors + 2 ? Part::Resistor : Part::Capacitor);
            const std::optional<Readout> readout = reader.done(part, locale);
            fuzzing::require(readout.has_value() == part.has_value(), "a readout only for a chosen part");
            fuzzing::require(reader.bandCount() == 0, "Done clears the bands");
        }
    }
    return 0;
}
