#pragma once
// The broadcast TV channel plan of the channel/frequency converter: channels 2 to 83 in three bands of
// 6 MHz channels, and the frequencies a technician needs when working on a tuner for one channel, in MHz.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>

namespace calculators {

inline const QString kChannelOutOfRange = QStringLiteral("Channel out of range");

// The centre frequency of a channel of the plan; nothing for a channel outside it.
std::optional<int> centreFrequency(int channel);

// The converter's seven outputs for a channel with the given centre frequency, as its boxes show them. The
// edges, the centre and the oscillator are whole numbers; the carriers carry the locale's decimal separator.
struct ChannelFrequencies
{
    QString lowerEdge;    // c - 3
    QString upperEdge;    // c + 3
    QString videoCarrier; // c - 1.75
    QString colorCarrier; // c + 1.83: 3.58 above the video carrier
    QString soundCarrier; // c + 2.75: 4.5 above the video carrier
    QString centre;       // c
    QString oscillator;   // c + 44: 45.75 above the video carrier
};
ChannelFrequencies channelFrequencies(int centre, const QLocale& locale = QLocale());

// What the typed channel text comes to: the centre frequency of a channel of the plan, or the message that
// rejects it (shown under kChannelOutOfRange).
struct ChannelReading
{
    std::optional<std::int16_t> channel; // the number read, when the text is a 16-bit number
    std::optional<int> centre;
    QString rejection;
};
ChannelReading readChannel(QStringView text, const QLocale& locale = QLocale());

} // namespace calculators
