// The channel text of the converter: whatever is typed gives a channel's frequencies or a rejection, in
// the US broadcast plan as in every other, and read as a frequency it gives a value in range or a reason.
#include "calculators/channelplan.h"
#include "fuzzing.h"

#include <cmath>

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

    // The same text as a channel name of any plan.
    const auto plans = channelPlans();
    const ChannelPlan& plan = plans[data.ConsumeIntegralInRange<size_t>(0, plans.size() - 1)];
    const ChannelLookup lookup = findChannel(plan, typed);
    fuzzing::require(lookup.channel.has_value() != !lookup.rejection.isEmpty(),
                     "a channel name gives a channel or a rejection", typed);
    fuzzing::require(!lookup.rejection.contains(QLatin1Char('\n')), "a rejection is one line", typed);
    if (lookup.channel) {
        const Channel& c = *lookup.channel;
        const ChannelLookup again = findChannel(plan, c.name);
        fuzzing::require(again.channel && again.channel->lower == c.lower,
                         "a channel is found by its own name", typed);
        fuzzing::require(c.lower < c.vision() && c.sound() <= c.upper(), "the carriers lie in the channel",
                         typed);
        fuzzing::require(!channelFrequencies(c, locale).oscillator.isEmpty() &&
                             !channelDetails(c, locale).isEmpty(),
                         "every frequency is written", typed);
    }

    // And as a frequency: a value in range, or a reason; every channel named holds it, or has its oscillator
    // or image there.
    const FrequencyReading frequency = readFrequency(typed, locale);
    fuzzing::require(frequency.mhz.has_value() != !frequency.rejection.isEmpty(),
                     "a frequency gives a value or a rejection", typed);
    if (frequency.mhz) {
        const double f = *frequency.mhz;
        fuzzing::require(std::isfinite(f) && f >= kLowestFrequency && f <= kHighestFrequency,
                         "the frequency is in range", typed);
        for (const FrequencyHit& hit : channelsAt(f, locale)) {
            const Channel& c = hit.channel;
            const bool holds = hit.kind == FrequencyHit::Kind::Band ? f >= c.lower && f <= c.upper()
                               : hit.kind == FrequencyHit::Kind::Image
                                   ? f >= c.imageLower() && f <= c.imageUpper()
                                   : std::abs(f - c.oscillator()) <= kNear;
            fuzzing::require(holds && !hitText(hit).isEmpty(), "every channel named is at the frequency",
                             typed);
        }
    }
    return 0;
}
