#include "calculators/channelplan.h"

#include "runtime/convert.h"

namespace calculators {

namespace {
struct Band
{
    int first;
    int last;
    int offset; // centre frequency = 6 x channel + offset
};

// Low VHF has a gap of 4 MHz between channels 4 and 5, and the bands above start afresh.
constexpr Band kBands[] = {
    {2, 4, 45},
    {5, 6, 49},
    {7, 13, 135},
    {14, 83, 389},
};

constexpr int kChannelWidth = 6;

const QString kNoChannelOne = QStringLiteral("There is no channel 1");
const QString kAboveTop = QStringLiteral("No TV channels above channel 83");
const QString kNotAChannel = QStringLiteral("Enter a channel number from 2 to 83");

QString labelled(const char* label, double value, const QLocale& locale)
{
    return QLatin1String(label) + fw::convert::numberText(value, locale);
}
} // namespace

std::optional<int> centreFrequency(int channel)
{
    for (const Band& band : kBands)
        if (channel >= band.first && channel <= band.last)
            return kChannelWidth * channel + band.offset;
    return std::nullopt;
}

ChannelFrequencies channelFrequencies(int centre, const QLocale& locale)
{
    const double c = centre;
    return {
        fw::convert::numberText(c - 3, locale),
        fw::convert::numberText(c + 3, locale),
        labelled("Video Carrier= ", c - 1.75, locale),
        labelled("Color Carrier= ", c + 1.83, locale),
        labelled("Sound Carrier= ", c + 2.75, locale),
        labelled("Center frequency= ", c, locale),
        labelled("Oscillator frequency= ", c + 44, locale),
    };
}

ChannelReading readChannel(QStringView text, const QLocale& locale)
{
    ChannelReading reading;
    reading.channel = fw::convert::toInt16(text, locale);
    if (!reading.channel) {
        reading.rejection = kNotAChannel;
        return reading;
    }
    const int channel = *reading.channel;
    reading.centre = centreFrequency(channel);
    if (reading.centre)
        return reading;
    if (channel == 1)
        reading.rejection = kNoChannelOne;
    else if (channel > kBands[std::size(kBands) - 1].last)
        reading.rejection = kAboveTop;
    else
        reading.rejection = kNotAChannel;
    return reading;
}

} // namespace calculators
