#include "calculators/channelplan.h"

#include "runtime/convert.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace calculators {

namespace {
constexpr int kUsTop = 83;

QString labelled(const char* label, double value, const QLocale& locale)
{
    return QCoreApplication::translate("calculators::Channels", label) +
           fw::convert::numberText(value, locale);
}
} // namespace

std::optional<int> centreFrequency(int channel)
{
    const ChannelLookup found = findChannel(channelPlans()[0], QString::number(channel));
    if (!found.channel)
        return std::nullopt;
    return static_cast<int>(found.channel->centre());
}

ChannelFrequencies channelFrequencies(int centre, const QLocale& locale)
{
    const double c = centre;
    return {
        fw::convert::numberText(c - 3, locale),
        fw::convert::numberText(c + 3, locale),
        labelled(QT_TRANSLATE_NOOP("calculators::Channels", "Video Carrier= "), c - 1.75, locale),
        labelled(QT_TRANSLATE_NOOP("calculators::Channels", "Color Carrier= "), c + 1.83, locale),
        labelled(QT_TRANSLATE_NOOP("calculators::Channels", "Sound Carrier= "), c + 2.75, locale),
        labelled(QT_TRANSLATE_NOOP("calculators::Channels", "Center frequency= "), c, locale),
        labelled(QT_TRANSLATE_NOOP("calculators::Channels", "Oscillator frequency= "), c + 44, locale),
    };
}

ChannelReading readChannel(QStringView text, const QLocale& locale)
{
    ChannelReading reading;
    reading.channel = fw::convert::toInt16(text, locale);
    if (!reading.channel) {
        reading.rejection =
            QCoreApplication::translate("calculators::Channels", "Enter a channel number from 2 to 83");
        return reading;
    }
    const int channel = *reading.channel;
    reading.centre = centreFrequency(channel);
    if (reading.centre)
        return reading;
    if (channel == 1)
        reading.rejection = QCoreApplication::translate("calculators::Channels", "There is no channel 1");
    else if (channel > kUsTop)
        reading.rejection =
            QCoreApplication::translate("calculators::Channels", "No TV channels above channel 83");
    else
        reading.rejection =
            QCoreApplication::translate("calculators::Channels", "Enter a channel number from 2 to 83");
    return reading;
}

} // namespace calculators

// ---- The plans ----
namespace calculators {

namespace {
// Transmission systems after ITU-R BT.470 (channel widths, vision-to-sound spacing, colour subcarriers)
// and ITU-R BT.1700 (the composite colour signals); second sound carriers after ITU-R BS.707 (A2
// two-carrier stereo at +242.1875 kHz above the main carrier, NICAM). The vision IFs are the standard
// ones of each system's receivers (EIA for M, the CCIR IF for B/G, the UK's, OIRT's, Japan's and
// Australia's); the local oscillator runs above the vision carrier everywhere here.
constexpr double kNtsc = 3.579545;
constexpr double kPal = 4.43361875;
constexpr double kPalM = 3.575611;
constexpr double kSecamDb = 4.25;
constexpr double kSecamDr = 4.40625;
constexpr double kA2 = 5.5 + 0.2421875;

constexpr TvSystem kSystemM{"M/NTSC", kNtsc, 0, 4.5, 0, "", 45.75, "M"};
constexpr TvSystem kSystemMJapan{
    "M/NTSC", kNtsc, 0, 4.5, 0, "", 58.75, QT_TRANSLATE_NOOP("calculators::Channels", "Japanese")};
constexpr TvSystem kSystemMPal{"M/PAL", kPalM, 0, 4.5, 0, "", 45.75, "M"};
constexpr TvSystem kSystemBG{
    "B/G PAL", kPal, 0, 5.5, kA2, QT_TRANSLATE_NOOP("calculators::Channels", "A2 stereo"), 38.9, "B/G"};
constexpr TvSystem kSystemBGAustralia{"B/G PAL", kPal,
                                      0,         5.5,
                                      kA2,       QT_TRANSLATE_NOOP("calculators::Channels", "A2 stereo"),
                                      36.875,    QT_TRANSLATE_NOOP("calculators::Channels", "Australian")};
constexpr TvSystem kSystemI{"I PAL", kPal, 0, 6.0, 6.552, "NICAM", 39.5, "I"};
constexpr TvSystem kSystemL{"L SECAM", kSecamDb, kSecamDr, 6.5, 5.85, "NICAM", 38.9, "L"};
constexpr TvSystem kSystemDKSecam{"D/K SECAM", kSecamDb, kSecamDr, 6.5, 0, "", 38.0, "D/K"};
constexpr TvSystem kSystemDKPal{"D/K PAL", kPal, 0, 6.5, 0, "", 38.0, "D/K"};

// United States broadcast, FCC 47 CFR 73.603 as first laid down: channels 2 to 83, 6 MHz.
constexpr Band kUsBroadcast[] = {
    {"", 2, 3, 54, 6}, {"", 5, 2, 76, 6}, {"", 7, 7, 174, 6}, {"", 14, 70, 470, 6}};

// United States cable, CEA-542 (EIA IS-132): channels 1 to 158 with the letter names cable boxes showed.
// Standard (STD) is the broadcast raster; the aeronautical offsets of 12.5 or 25 kHz some channels carry
// are left out, as is HRC's comb of 6.0003 MHz (HRC 95 is nominally 90 MHz, really 90.0045).
constexpr Band kUsCable[] = {
    {"", 2, 3, 54, 6},         {"", 5, 2, 76, 6},          {"", 7, 7, 174, 6},   {"", 14, 9, 120, 6, "A"},
    {"", 23, 14, 216, 6, "J"}, {"", 37, 23, 300, 6, "AA"}, {"", 60, 35, 438, 6}, {"", 100, 59, 648, 6},
};
// Below channel A the mid band counts down: A-5 to A-1 are 95 to 99.
constexpr Irregular kCableMidBand[] = {{"95", "A-5", 90, 6},
                                       {"96", "A-4", 96, 6},
                                       {"97", "A-3", 102, 6},
                                       {"98", "A-2", 108, 6},
                                       {"99", "A-1", 114, 6}};
// HRC: every vision carrier on a multiple of 6 MHz, so 1.25 MHz below STD, but 5 and 6 0.75 MHz above it;
// channel 1 (A-8) fills the gap at 72 MHz.
constexpr Irregular kCableHrc[] = {
    {"1", "A-8", 70.75, 6},  {"5", nullptr, 76.75, 6}, {"6", nullptr, 82.75, 6}, {"95", "A-5", 88.75, 6},
    {"96", "A-4", 94.75, 6}, {"97", "A-3", 100.75, 6}, {"98", "A-2", 106.75, 6}, {"99", "A-1", 112.75, 6}};
// IRC: every lower edge on a multiple of 6 MHz, so 5 and 6 2 MHz above STD; channel 1 at 72 MHz.
constexpr Irregular kCableIrc[] = {{"1", "A-8", 72, 6},   {"5", nullptr, 78, 6}, {"6", nullptr, 84, 6},
                                   {"95", "A-5", 90, 6},  {"96", "A-4", 96, 6},  {"97", "A-3", 102, 6},
                                   {"98", "A-2", 108, 6}, {"99", "A-1", 114, 6}};

// Japan, the national allocation: VHF 1 to 12, where 7 and 8 overlap by 2 MHz, and UHF 13 to 62.
constexpr Band kJapan[] = {{"", 1, 3, 90, 6}, {"", 4, 4, 170, 6}, {"", 8, 5, 192, 6}, {"", 13, 50, 470, 6}};

// Western Europe, the Stockholm 1961 plan (ST61): 7 MHz E2 to E12 in bands I and III, 8 MHz 21 to 69 in
// bands IV and V; cable special channels S1 to S20 (7 MHz) and the hyperband S21 to S41 (8 MHz), CENELEC
// EN 50083.
constexpr Band kWesternEurope[] = {{"E", 2, 3, 47, 7},    {"E", 5, 8, 174, 7},   {"S", 1, 10, 104, 7},
                                   {"S", 11, 10, 230, 7}, {"S", 21, 21, 302, 8}, {"", 21, 49, 470, 8}};

// United Kingdom and Ireland, UHF as the Stockholm 1961 plan (ST61) gives it: 21 to 68, 8 MHz.
constexpr Band kUk[] = {{"", 21, 48, 470, 8}};

// France, the order of 14 March 1986 on television channels: band III 5 to 10, 8 MHz, vision at
// 176 MHz + 8 MHz steps; UHF 21 to 65. Band I (L', sound below vision) is not covered.
constexpr Band kFrance[] = {{"", 5, 6, 174.75, 8}, {"", 21, 45, 470, 8}};

// Italy, the national allocation: the lettered VHF channels A to H with their own spacing, H1 and H2 as
// E11 and E12, and UHF 21 to 69 as the Stockholm plan.
constexpr Band kItaly[] = {{"H", 1, 2, 216, 7}, {"", 21, 49, 470, 8}};
constexpr Irregular kItalyVhf[] = {{"A", nullptr, 52.5, 7}, {"B", nullptr, 61, 7},    {"C", nullptr, 81, 7},
                                   {"D", nullptr, 174, 7},  {"E", nullptr, 182.5, 7}, {"F", nullptr, 191, 7},
                                   {"G", nullptr, 200, 7},  {"H", nullptr, 209, 7}};

// Eastern Europe, the OIRT plan of the Stockholm 1961 agreement: R1 to R12, 8 MHz, and UHF 21 to 69.
constexpr Band kEasternEurope[] = {{"R", 3, 3, 76, 8}, {"R", 6, 7, 174, 8}, {"", 21, 49, 470, 8}};
constexpr Irregular kOirtBandI[] = {{"R1", nullptr, 48.5, 8}, {"R2", nullptr, 58, 8}};

// China, the national allocation of the DS channels: DS1 to DS12 in VHF, DS13 to DS68 in UHF with a gap
// from 566 to 606 MHz, all 8 MHz.
constexpr Band kChina[] = {{"DS", 1, 3, 48.5, 8},
                           {"DS", 4, 2, 76, 8},
                           {"DS", 6, 7, 167, 8},
                           {"DS", 13, 12, 470, 8},
                           {"DS", 25, 44, 606, 8}};

// Australia, the ACMA television channel plan: VHF 0 to 12 with 5A and 9A (10 and 11 moved up 1 MHz in
// 2001 to make room for 9A, 12 added), 7 MHz everywhere, UHF 28 to 69.
constexpr Band kAustralia[] = {
    {"", 1, 2, 56, 7}, {"", 4, 2, 94, 7}, {"", 6, 4, 174, 7}, {"", 10, 3, 209, 7}, {"", 28, 42, 526, 7}};
constexpr Irregular kAustraliaVhf[] = {
    {"0", nullptr, 45, 7}, {"3", nullptr, 85, 7}, {"5A", nullptr, 137, 7}, {"9A", nullptr, 202, 7}};

// Brazil, Anatel's allocation: the US raster, 2 to 69, with PAL-M colour.
constexpr Band kBrazil[] = {{"", 2, 3, 54, 6}, {"", 5, 2, 76, 6}, {"", 7, 7, 174, 6}, {"", 14, 56, 470, 6}};

constexpr ChannelPlan kPlans[] = {
    {QT_TRANSLATE_NOOP("calculators::Channels", "US broadcast (M/NTSC)"),
     &kSystemM,
     kUsBroadcast,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "2 to 83"),
     QT_TRANSLATE_NOOP(
         "calculators::Channels",
         "Channels 70 to 83 were given up in the 1980s, 52 to 69 in 2009 and 38 to 51 in 2020.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "US cable Standard (M/NTSC)"), &kSystemM, kUsCable,
     kCableMidBand, 0, QT_TRANSLATE_NOOP("calculators::Channels", "2 to 158"),
     QT_TRANSLATE_NOOP(
         "calculators::Channels",
         "Cable channels 14 to 22 (A to I) and 95 to 99 (A-5 to A-1) lie between broadcast 6 and 7.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "US cable HRC (M/NTSC)"), &kSystemM, kUsCable, kCableHrc,
     -1.25, QT_TRANSLATE_NOOP("calculators::Channels", "1 to 158"),
     QT_TRANSLATE_NOOP("calculators::Channels",
                       "HRC vision carriers lie on multiples of 6 MHz (6.0003 MHz exactly).")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "US cable IRC (M/NTSC)"), &kSystemM, kUsCable, kCableIrc, 0,
     QT_TRANSLATE_NOOP("calculators::Channels", "1 to 158"),
     QT_TRANSLATE_NOOP("calculators::Channels",
                       "IRC lower edges lie on multiples of 6 MHz; 5 and 6 are 2 MHz above broadcast.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Japan (M/NTSC)"),
     &kSystemMJapan,
     kJapan,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "1 to 62"),
     QT_TRANSLATE_NOOP("calculators::Channels", "Channels 7 and 8 overlap by 2 MHz.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Western Europe (B/G PAL)"),
     &kSystemBG,
     kWesternEurope,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "E2 to E12, S1 to S41 and 21 to 69"),
     QT_TRANSLATE_NOOP("calculators::Channels",
                       "NICAM countries put the second sound carrier 5.85 MHz above vision.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "United Kingdom and Ireland (I PAL)"),
     &kSystemI,
     kUk,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "21 to 68"),
     ""},
    {QT_TRANSLATE_NOOP("calculators::Channels", "France (L SECAM, historic)"),
     &kSystemL,
     kFrance,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "5 to 10 and 21 to 65"),
     QT_TRANSLATE_NOOP("calculators::Channels",
                       "Band I channels 2 to 4 (L', sound below vision) are not covered.")},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Italy (B/G PAL)"), &kSystemBG, kItaly, kItalyVhf, 0,
     QT_TRANSLATE_NOOP("calculators::Channels", "A to H, H1, H2 and 21 to 69"), ""},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Eastern Europe (D/K SECAM)"), &kSystemDKSecam,
     kEasternEurope, kOirtBandI, 0, QT_TRANSLATE_NOOP("calculators::Channels", "R1 to R12 and 21 to 69"), ""},
    {QT_TRANSLATE_NOOP("calculators::Channels", "China (D/K PAL)"),
     &kSystemDKPal,
     kChina,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "DS1 to DS68"),
     ""},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Australia (B/G PAL)"), &kSystemBGAustralia, kAustralia,
     kAustraliaVhf, 0, QT_TRANSLATE_NOOP("calculators::Channels", "0 to 12, 5A, 9A and 28 to 69"), ""},
    {QT_TRANSLATE_NOOP("calculators::Channels", "Brazil (M/PAL)"),
     &kSystemMPal,
     kBrazil,
     {},
     0,
     QT_TRANSLATE_NOOP("calculators::Channels", "2 to 69"),
     ""},
};

// Letter names run A, B, C ... or AA, BB, CC ...: the same letter repeated.
QString letterName(const char* first, int index)
{
    const auto length = static_cast<qsizetype>(std::strlen(first));
    return QString(length, QChar(first[0] + index));
}

// Upper case without blanks or control characters, so that "e 2", "E2" and "e2" are one name.
QString normalised(QStringView text)
{
    QString out;
    for (const QChar c : text)
        if (c.isPrint() && !c.isSpace())
            out += c.toUpper();
    return out;
}

double toKHz(double mhz)
{
    return std::round(mhz * 1000) / 1000;
}

QString mhzText(double mhz, const QLocale& locale)
{
    return fw::convert::numberText(toKHz(mhz), locale);
}
} // namespace

std::span<const ChannelPlan> channelPlans()
{
    return kPlans;
}

std::optional<double> Channel::colour2() const
{
    if (plan->system->colour2 == 0)
        return std::nullopt;
    return vision() + plan->system->colour2;
}

std::optional<double> Channel::sound2() const
{
    if (plan->system->sound2 == 0)
        return std::nullopt;
    return vision() + plan->system->sound2;
}

QString Channel::title() const
{
    return alias.isEmpty() ? name : name + QStringLiteral(" (") + alias + QLatin1Char(')');
}

std::vector<Channel> channelsOf(const ChannelPlan& plan)
{
    std::vector<Channel> channels;
    for (const Band& band : plan.bands)
        for (int i = 0; i < band.count; ++i) {
            Channel c;
            c.plan = &plan;
            c.name = QLatin1String(band.prefix) + QString::number(band.first + i);
            if (band.letters)
                c.alias = letterName(band.letters, i);
            c.lower = band.lower + band.width * i + plan.shift;
            c.width = band.width;
            channels.push_back(c);
        }
    for (const Irregular& irregular : plan.irregular) {
        Channel c;
        c.plan = &plan;
        c.name = QLatin1String(irregular.name);
        c.alias = irregular.alias ? QLatin1String(irregular.alias) : QString();
        c.lower = irregular.lower;
        c.width = irregular.width;
        const auto same = std::find_if(channels.begin(), channels.end(),
                                       [&](const Channel& other) { return other.name == c.name; });
        if (same != channels.end())
            *same = c;
        else
            channels.push_back(c);
    }
    return channels;
}

namespace {
// The channels of the plans, worked out once: every Enter and every frequency looked up reads them.
const std::vector<Channel>& knownChannels(const ChannelPlan& plan)
{
    static const std::vector<std::vector<Channel>> known = [] {
        std::vector<std::vector<Channel>> all;
        for (const ChannelPlan& p : kPlans)
            all.push_back(channelsOf(p));
        return all;
    }();
    static thread_local std::vector<Channel> other;
    const std::span<const ChannelPlan> plans = kPlans;
    for (std::size_t i = 0; i < plans.size(); ++i)
        if (&plans[i] == &plan)
            return known[i];
    other = channelsOf(plan);
    return other;
}
} // namespace

ChannelLookup findChannel(const ChannelPlan& plan, QStringView typed)
{
    const QString wanted = normalised(typed);
    ChannelLookup lookup;
    if (wanted.isEmpty()) {
        lookup.rejection =
            QCoreApplication::translate("calculators::Channels", "Enter a channel of the %1 plan: %2")
                .arg(QLatin1String(plan.name), QLatin1String(plan.channels));
        return lookup;
    }
    for (const Channel& channel : knownChannels(plan))
        if (channel.name.toUpper() == wanted ||
            (!channel.alias.isEmpty() && channel.alias.toUpper() == wanted)) {
            lookup.channel = channel;
            return lookup;
        }
    lookup.rejection = QCoreApplication::translate("calculators::Channels",
                                                   "There is no channel %1 in the %2 plan, which has %3")
                           .arg(wanted.left(12), QLatin1String(plan.name), QLatin1String(plan.channels));
    return lookup;
}

FrequencyReading readFrequency(QStringView text, const QLocale& locale)
{
    FrequencyReading reading;
    const std::optional<double> mhz = fw::convert::toDouble(text, locale);
    if (mhz && *mhz >= kLowestFrequency && *mhz <= kHighestFrequency)
        reading.mhz = *mhz;
    else
        reading.rejection = QCoreApplication::translate("calculators::Channels",
                                                        "Enter a frequency in MHz from %1 to %2, such as %3")
                                .arg(fw::convert::numberText(kLowestFrequency, locale),
                                     fw::convert::numberText(kHighestFrequency, locale),
                                     fw::convert::numberText(55.25, locale));
    return reading;
}

namespace {
// What a frequency inside a channel's band is there: a carrier when it is within kNear of one.
QString placeInBand(const Channel& c, double mhz, const QLocale& locale)
{
    struct Mark
    {
        std::optional<double> at;
        const char* what;
    };
    const Mark marks[] = {
        {c.vision(), QT_TRANSLATE_NOOP("calculators::Channels", "vision carrier")},
        {c.colour(), QT_TRANSLATE_NOOP("calculators::Channels", "colour subcarrier")},
        {c.colour2(), QT_TRANSLATE_NOOP("calculators::Channels", "second colour subcarrier (Dr)")},
        {c.sound(), QT_TRANSLATE_NOOP("calculators::Channels", "sound carrier")},
        {c.sound2(), QT_TRANSLATE_NOOP("calculators::Channels", "second sound carrier")},
    };
    const Mark* nearest = nullptr;
    for (const Mark& mark : marks)
        if (mark.at && std::abs(*mark.at - mhz) <= kNear &&
            (!nearest || std::abs(*mark.at - mhz) < std::abs(*nearest->at - mhz)))
            nearest = &mark;
    if (nearest)
        return QCoreApplication::translate("calculators::Channels", nearest->what);
    if (mhz == c.lower)
        return QCoreApplication::translate("calculators::Channels", "lower edge");
    if (mhz == c.upper())
        return QCoreApplication::translate("calculators::Channels", "upper edge");
    const double fromVision = toKHz(mhz - c.vision());
    return (fromVision < 0
                ? QCoreApplication::translate("calculators::Channels", "in the band, %1 MHz below vision")
                : QCoreApplication::translate("calculators::Channels", "in the band, %1 MHz above vision"))
        .arg(mhzText(std::abs(fromVision), locale));
}
} // namespace

std::vector<FrequencyHit> channelsAt(double mhz, const QLocale& locale)
{
    std::vector<FrequencyHit> hits;
    for (const ChannelPlan& plan : kPlans) {
        const std::vector<Channel>& channels = knownChannels(plan);
        for (const Channel& c : channels)
            if (mhz >= c.lower && mhz <= c.upper())
                hits.push_back({c, FrequencyHit::Kind::Band, placeInBand(c, mhz, locale)});
        for (const Channel& c : channels)
            if (std::abs(c.oscillator() - mhz) <= kNear)
                hits.push_back({c, FrequencyHit::Kind::Oscillator,
                                QCoreApplication::translate("calculators::Channels",
                                                            "oscillator (%1 MHz) of a set tuned to it")
                                    .arg(mhzText(c.oscillator(), locale))});
        for (const Channel& c : channels)
            if (mhz >= c.imageLower() && mhz <= c.imageUpper())
                hits.push_back({c, FrequencyHit::Kind::Image,
                                QCoreApplication::translate("calculators::Channels",
                                                            "image (%1 to %2 MHz) of a set tuned to it")
                                    .arg(mhzText(c.imageLower(), locale), mhzText(c.imageUpper(), locale))});
    }
    return hits;
}

QString hitText(const FrequencyHit& hit)
{
    return hit.channel.title() + QStringLiteral(", ") +
           QCoreApplication::translate("calculators::Channels", hit.channel.plan->name) +
           QStringLiteral(": ") + hit.what;
}

ChannelFrequencies channelFrequencies(const Channel& c, const QLocale& locale)
{
    return {
        mhzText(c.lower, locale),
        mhzText(c.upper(), locale),
        QCoreApplication::translate("calculators::Channels", "Video Carrier= ") + mhzText(c.vision(), locale),
        QCoreApplication::translate("calculators::Channels", "Color Carrier= ") + mhzText(c.colour(), locale),
        QCoreApplication::translate("calculators::Channels", "Sound Carrier= ") + mhzText(c.sound(), locale),
        QCoreApplication::translate("calculators::Channels", "Center frequency= ") +
            mhzText(c.centre(), locale),
        QCoreApplication::translate("calculators::Channels", "Oscillator frequency= ") +
            mhzText(c.oscillator(), locale),
    };
}

QString channelDetails(const Channel& c, const QLocale& locale)
{
    const TvSystem& system = *c.plan->system;
    QString text =
        QCoreApplication::translate("calculators::Channels",
                                    "Channel %1, %2: %3 to %4 MHz, vision %5, colour %6")
            .arg(c.title(), QLatin1String(system.name), mhzText(c.lower, locale), mhzText(c.upper(), locale),
                 mhzText(c.vision(), locale), mhzText(c.colour(), locale));
    if (const auto dr = c.colour2())
        text += QCoreApplication::translate("calculators::Channels", " and %1").arg(mhzText(*dr, locale));
    text +=
        QCoreApplication::translate("calculators::Channels", ", sound %1").arg(mhzText(c.sound(), locale));
    if (const auto second = c.sound2())
        text += QCoreApplication::translate("calculators::Channels", ", second sound %1 (%2)")
                    .arg(mhzText(*second, locale),
                         QCoreApplication::translate("calculators::Channels", system.sound2Kind));
    text += QCoreApplication::translate("calculators::Channels",
                                        ". Oscillator %1 MHz for the %2 vision IF of %3 MHz.")
                .arg(mhzText(c.oscillator(), locale),
                     QCoreApplication::translate("calculators::Channels", system.ifName),
                     mhzText(system.visionIf, locale));
    return text;
}

QString spectrumSvg(const TvSystem& system, double mhzWide, int width, int height, const QLocale& locale)
{
    const double left = 10;
    const double right = width - 10;
    const auto x = [&](double fromLower) { return left + (right - left) * fromLower / mhzWide; };
    const auto n = [&](double value) { return QString::number(value, 'f', 1); };
    const double vision = kVisionOffset;
    const double top = 28;
    const double base = 66;
    QString svg =
        QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.2\" baseProfile=\"tiny\" "
                       "width=\"%1\" height=\"%2\" viewBox=\"0 0 %1 %2\">\n"
                       "<rect x=\"0\" y=\"0\" width=\"%1\" height=\"%2\" fill=\"#ffffff\"/>\n")
            .arg(width)
            .arg(height);
    // The picture signal: the vestigial slope up to the vision carrier, flat, then down before the sound.
    const double soundAt = vision + system.sound;
    svg += QStringLiteral("<polygon points=\"%1,%2 %3,%4 %5,%4 %6,%2\" fill=\"#cfdff5\" stroke=\"#1f3f7f\" "
                          "stroke-width=\"1.2\" stroke-linejoin=\"round\"/>\n")
               .arg(n(x(0)), n(base), n(x(vision - 0.5)), n(top), n(x(soundAt - 0.6)), n(x(soundAt - 0.3)));
    struct Mark
    {
        double at;
        const char* letter;
        int row; // 0 above, 1 nearer the curve, so that close carriers keep their letters apart
    };
    std::vector<Mark> marks = {{vision, "V", 1}, {vision + system.colour, "C", 1}, {soundAt, "S", 1}};
    if (system.colour2 != 0)
        marks.push_back({vision + system.colour2, "C2", 0});
    if (system.sound2 != 0)
        marks.push_back({vision + system.sound2, "S2", 0});
    for (const Mark& mark : marks)
        if (mark.letter[0] == 'S')
            svg += QStringLiteral("<polygon points=\"%1,%2 %3,%4 %5,%2\" fill=\"#cfdff5\" stroke=\"#1f3f7f\" "
                                  "stroke-width=\"1.2\"/>\n")
                       .arg(n(x(mark.at - 0.12)), n(base), n(x(mark.at)), n(mark.row ? top + 6 : top + 16),
                            n(x(mark.at + 0.12)));
    svg += QStringLiteral("<line x1=\"0\" y1=\"%1\" x2=\"%2\" y2=\"%1\" stroke=\"#000000\"/>\n")
               .arg(n(base))
               .arg(width);
    svg +=
        QStringLiteral("<g stroke=\"#404040\" stroke-width=\"1\" stroke-dasharray=\"3,2\" fill=\"none\">\n");
    for (const double edge : {0.0, mhzWide})
        svg +=
            QStringLiteral("<line x1=\"%1\" y1=\"4\" x2=\"%1\" y2=\"%2\"/>\n").arg(n(x(edge)), n(base + 4));
    for (const Mark& mark : marks)
        svg += QStringLiteral("<line x1=\"%1\" y1=\"%2\" x2=\"%1\" y2=\"%3\"/>\n")
                   .arg(n(x(mark.at)), n(mark.row ? 24 : 13), n(base + 4));
    svg += QStringLiteral("</g>\n<g font-family=\"sans-serif\" font-size=\"9\" fill=\"#000000\">\n");
    for (const Mark& mark : marks)
        svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"middle\">%3</text>\n")
                   .arg(n(x(mark.at)), n(mark.row ? 21 : 10), QLatin1String(mark.letter));
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"start\">0</text>\n")
               .arg(n(x(0) - 3), n(base + 13));
    svg += QStringLiteral("<text x=\"%1\" y=\"%2\" text-anchor=\"end\">%3 MHz</text>\n")
               .arg(n(x(mhzWide) + 3), n(base + 13), mhzText(mhzWide, locale));
    // The legend: each offset as the system defines it.
    const auto plus = [&](double value) {
        return QStringLiteral("+ ") + fw::convert::numberText(value, locale);
    };
    QStringList legend = {
        QCoreApplication::translate("calculators::Channels", "%1, offsets in MHz")
            .arg(QLatin1String(system.name)),
        QCoreApplication::translate("calculators::Channels", "V vision: lower edge %1").arg(plus(vision)),
        system.colour2 != 0
            ? QCoreApplication::translate("calculators::Channels", "C colour: V %1, C2: V %2")
                  .arg(plus(system.colour), plus(system.colour2))
            : QCoreApplication::translate("calculators::Channels", "C colour: V %1").arg(plus(system.colour)),
        QCoreApplication::translate("calculators::Channels", "S sound: V %1").arg(plus(system.sound))};
    if (system.sound2 != 0)
        legend << QCoreApplication::translate("calculators::Channels", "S2 %1: V %2")
                      .arg(QCoreApplication::translate("calculators::Channels", system.sound2Kind),
                           plus(system.sound2));
    legend << QCoreApplication::translate("calculators::Channels", "Oscillator: V %1 (%2 IF)")
                  .arg(plus(system.visionIf),
                       QCoreApplication::translate("calculators::Channels", system.ifName));
    double y = base + 27;
    for (const QString& line : legend) {
        svg += QStringLiteral("<text x=\"6\" y=\"%1\">%2</text>\n").arg(n(y), line.toHtmlEscaped());
        y += 12;
    }
    svg += QStringLiteral("</g>\n</svg>\n");
    return svg;
}

} // namespace calculators
