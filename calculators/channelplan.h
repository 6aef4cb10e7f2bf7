#pragma once
// The broadcast TV channel plan of the channel/frequency converter: channels 2 to 83 in three bands of
// 6 MHz channels, and the frequencies a technician needs when working on a tuner for one channel, in MHz.

#include <QLocale>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

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

// ---- Every analog channel plan, both ways ----
// A plan is data: bands of equal channels (first channel, name, lower edge, width, count) plus the few
// irregular channels listed one by one, over one transmission system whose offsets give every carrier.

// The offsets of a transmission system, in MHz: carriers from the vision carrier, which sits 1.25 MHz
// above the lower edge in every plan here; the receiver's local oscillator runs one vision IF above it.
struct TvSystem
{
    const char* name;       // "B/G PAL"
    double colour;          // colour subcarrier above vision
    double colour2;         // SECAM's second (Dr) subcarrier, 0 for none
    double sound;           // main sound carrier above vision
    double sound2;          // second carrier of two-channel stereo (A2 or NICAM), 0 for none
    const char* sound2Kind; // "A2 stereo", "NICAM"
    double visionIf;        // the standard vision IF of that system's sets
    const char* ifName;     // whose IF it is, "B/G"
};
inline constexpr double kVisionOffset = 1.25;

struct Band
{
    const char* prefix; // written before the number: "E", "S", "R", "DS", or nothing
    int first;          // number of the band's first channel
    int count;
    double lower; // lower edge of the first channel
    double width;
    const char* letters = nullptr; // cable letter names of the band, from this one on ("A", "AA")
};

struct Irregular
{
    const char* name;
    const char* alias; // another name people write for it, or nullptr
    double lower;
    double width;
};

struct ChannelPlan
{
    const char* name; // as the drop-down shows it
    const TvSystem* system;
    std::span<const Band> bands;
    std::span<const Irregular> irregular; // replace the band channel of the same name, or add to the plan
    double shift;                         // MHz added to every band channel (cable HRC)
    const char* channels; // the channel names, for a sentence: "E2 to E12, S1 to S41 and 21 to 69"
    const char* note;     // what a technician should know of the plan, or ""
};

// The plans in drop-down order; the first is US broadcast, the converter's plan before any choice.
std::span<const ChannelPlan> channelPlans();

// One channel of a plan and every frequency it brings, in MHz.
struct Channel
{
    const ChannelPlan* plan = nullptr;
    QString name;
    QString alias;
    double lower = 0;
    double width = 0;

    double upper() const { return lower + width; }
    double centre() const { return lower + width / 2; }
    double vision() const { return lower + kVisionOffset; }
    double colour() const { return vision() + plan->system->colour; }
    std::optional<double> colour2() const;
    double sound() const { return vision() + plan->system->sound; }
    std::optional<double> sound2() const;
    double oscillator() const { return vision() + plan->system->visionIf; }
    // A set tuned here also receives the band mirrored about its oscillator.
    double imageLower() const { return 2 * oscillator() - upper(); }
    double imageUpper() const { return 2 * oscillator() - lower; }
    QString title() const; // "14 (A)"
};

// Every channel of the plan, bands first, then the irregular ones not replacing a band channel.
std::vector<Channel> channelsOf(const ChannelPlan& plan);

// A channel name typed for a plan: the channel, or the one sentence that says why not.
struct ChannelLookup
{
    std::optional<Channel> channel;
    QString rejection;
};
ChannelLookup findChannel(const ChannelPlan& plan, QStringView typed);

// A frequency typed in MHz: the value, or the one sentence that says why not.
struct FrequencyReading
{
    std::optional<double> mhz;
    QString rejection;
};
FrequencyReading readFrequency(QStringView text, const QLocale& locale = QLocale());
inline constexpr double kLowestFrequency = 1;
inline constexpr double kHighestFrequency = 2000;

// How close a carrier or an oscillator must be to the frequency asked for to be named, in MHz.
inline constexpr double kNear = 0.1;

// Everything a frequency is in every plan: the channels whose band holds it (and which carrier, when it
// is on one), the channels whose oscillator is on it, and those whose image band holds it.
struct FrequencyHit
{
    enum class Kind { Band, Oscillator, Image };
    Channel channel;
    Kind kind;
    QString what; // "vision carrier", "inside the band, 2.5 MHz above vision", ...
};
std::vector<FrequencyHit> channelsAt(double mhz, const QLocale& locale = QLocale());
QString
hitText(const FrequencyHit& hit); // one line of the list: "Western Europe (B/G PAL) E2: vision carrier"

// The converter's seven boxes for a channel of any plan; carriers to the kHz. For a US broadcast channel
// they are the figures channelFrequencies gives.
ChannelFrequencies channelFrequencies(const Channel& channel, const QLocale& locale = QLocale());
// Everything else a technician wants of the channel, in a few sentences: both colour subcarriers, the
// second sound carrier, which IF the oscillator is for.
QString channelDetails(const Channel& channel, const QLocale& locale = QLocale());

// A sketch of one channel of the system, `mhzWide` MHz wide, to scale and labelled with the system's
// offsets: an SVG document of the given size in pixels.
QString spectrumSvg(const TvSystem& system, double mhzWide, int width, int height,
                    const QLocale& locale = QLocale());

} // namespace calculators
