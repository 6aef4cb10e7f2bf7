// The channel text of the converter: whatever is typed gives a channel's frequencies or a rejection.
#include "calculators/channelplan.h"
#include "fuzzing.h"

using namespace calculators;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* bytes, size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const QLocale locale = fuzzing::locale(data);
    const QString typed = fuzzing::text(data);
    const ChannelReading reading = readChannel(typed, locale);
    fuzzing::require(reading.centre.has_value() != !reading.rejection.isEmpty(),
                     "a channel has either a centre or a rejection", typed);
    if (reading.centre) {
        fuzzing::require(reading.channel && centreFrequency(*reading.channel) == reading.centre,
                         "the centre is the channel's", typed);
        const ChannelFrequencies f = channelFrequencies(*reading.centre, locale);
        fuzzing::require(!f.lowerEdge.isEmpty() && !f.oscillator.isEmpty(), "every frequency is written",
                         typed);
    }
    centreFrequency(data.ConsumeIntegral<int>());
    return 0;
}
