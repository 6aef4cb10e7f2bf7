#include "calculators/channelplan.h"

#include <QRegularExpression>
#include <QTest>

using namespace calculators;

namespace {
const QString kNoChannelOne = QStringLiteral("There is no channel 1");
const QString kAboveTop = QStringLiteral("No TV channels above channel 83");
const QString kNotAChannel = QStringLiteral("Enter a channel number from 2 to 83");

// The seven outputs in the order the converter writes them: lower edge, upper edge, video, colour and sound
// carriers, centre, oscillator.
QStringList texts(const ChannelFrequencies& f)
{
    return {f.lowerEdge, f.upperEdge, f.videoCarrier, f.colorCarrier, f.soundCarrier, f.centre, f.oscillator};
}

QStringList row(const char* lower, const char* upper, const char* video, const char* color, const char* sound,
                const char* centre, const char* oscillator)
{
    return {QString::fromLatin1(lower),
            QString::fromLatin1(upper),
            QStringLiteral("Video Carrier= ") + QLatin1String(video),
            QStringLiteral("Color Carrier= ") + QLatin1String(color),
            QStringLiteral("Sound Carrier= ") + QLatin1String(sound),
            QStringLiteral("Center frequency= ") + QLatin1String(centre),
            QStringLiteral("Oscillator frequency= ") + QLatin1String(oscillator)};
}
} // namespace

class tst_channelplan : public QObject
{
    Q_OBJECT
private slots:
    void readChannel_data();
    void readChannel();
    void channelsAbutWithinBands();
    void carriersHaveTwoDecimals();
    void publishedChannels_data();
    void publishedChannels();
    void systemCarriers_data();
    void systemCarriers();
    void usBroadcastGivesTodaysFigures();
    void namesAreUniqueAndBandsDoNotOverlap();
    void channelNames_data();
    void channelNames();
    void frequencies_data();
    void frequencies();
    void reverseLookup_data();
    void reverseLookup();
};

void tst_channelplan::readChannel_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("outputs");
    QTest::addColumn<QString>("message");
    const QString none;
    QTest::newRow("2: bottom of low VHF")
        << "2" << row("54", "60", "55.25", "58.83", "59.75", "57", "101") << none;
    QTest::newRow("4: top of 2 to 4")
        << "4" << row("66", "72", "67.25", "70.83", "71.75", "69", "113") << none;
    QTest::newRow("5: after the 4 MHz gap")
        << "5" << row("76", "82", "77.25", "80.83", "81.75", "79", "123") << none;
    QTest::newRow("6: top of low VHF")
        << "6" << row("82", "88", "83.25", "86.83", "87.75", "85", "129") << none;
    QTest::newRow("7: bottom of high VHF")
        << "7" << row("174", "180", "175.25", "178.83", "179.75", "177", "221") << none;
    QTest::newRow("13: top of high VHF")
        << "13" << row("210", "216", "211.25", "214.83", "215.75", "213", "257") << none;
    QTest::newRow("14: bottom of UHF")
        << "14" << row("470", "476", "471.25", "474.83", "475.75", "473", "517") << none;
    QTest::newRow("83: top of UHF") << "83" << row("884", "890", "885.25", "888.83", "889.75", "887", "931")
                                    << none;
    QTest::newRow("2.5 is channel 2")
        << "2.5" << row("54", "60", "55.25", "58.83", "59.75", "57", "101") << none;
    QTest::newRow("3.5 is channel 4")
        << "3.5" << row("66", "72", "67.25", "70.83", "71.75", "69", "113") << none;
    QTest::newRow("13.5 is channel 14")
        << "13.5" << row("470", "476", "471.25", "474.83", "475.75", "473", "517") << none;
    QTest::newRow("blanks around 7") << " 7 " << row("174", "180", "175.25", "178.83", "179.75", "177", "221")
                                     << none;
    QTest::newRow("1") << "1" << QStringList() << kNoChannelOne;
    QTest::newRow("84") << "84" << QStringList() << kAboveTop;
    QTest::newRow("83.5 is 84") << "83.5" << QStringList() << kAboveTop;
    QTest::newRow("32767, the largest number") << "32767" << QStringList() << kAboveTop;
    QTest::newRow("0") << "0" << QStringList() << kNotAChannel;
    QTest::newRow("-5") << "-5" << QStringList() << kNotAChannel;
    QTest::newRow("0.5 is 0") << "0.5" << QStringList() << kNotAChannel;
    QTest::newRow("-32768, the smallest number") << "-32768" << QStringList() << kNotAChannel;
    QTest::newRow("empty") << "" << QStringList() << kNotAChannel;
    QTest::newRow("abc") << "abc" << QStringList() << kNotAChannel;
    QTest::newRow("99999 overflows") << "99999" << QStringList() << kNotAChannel;
    QTest::newRow("32767.5 overflows") << "32767.5" << QStringList() << kNotAChannel;
    QTest::newRow("-40000 overflows") << "-40000" << QStringList() << kNotAChannel;
}

void tst_channelplan::readChannel()
{
    QFETCH(QString, text);
    QFETCH(QStringList, outputs);
    QFETCH(QString, message);
    const ChannelReading reading = calculators::readChannel(text, QLocale::c());
    QCOMPARE(reading.rejection, message);
    QCOMPARE(reading.centre.has_value(), message.isEmpty());
    if (reading.centre)
        QCOMPARE(texts(channelFrequencies(*reading.centre, QLocale::c())), outputs);
}

// Within a band each channel starts where the one below ends; the bands themselves are apart.
void tst_channelplan::channelsAbutWithinBands()
{
    QList<int> bandStarts;
    for (int channel = 3; channel <= 83; ++channel) {
        const auto below = centreFrequency(channel - 1);
        const auto here = centreFrequency(channel);
        QVERIFY(below && here);
        if (*here - *below != 6)
            bandStarts << channel;
        QVERIFY2(*here - *below >= 6, qPrintable(QString::number(channel)));
    }
    QCOMPARE(bandStarts, (QList<int>{5, 7, 14}));
    QVERIFY(!centreFrequency(1));
    QVERIFY(!centreFrequency(84));
}

// Each carrier is a whole centre frequency plus an offset in hundredths: floating-point noise must not show.
void tst_channelplan::carriersHaveTwoDecimals()
{
    const QRegularExpression video(QStringLiteral("^Video Carrier= \\d{2,3}\\.25$"));
    const QRegularExpression color(QStringLiteral("^Color Carrier= \\d{2,3}\\.83$"));
    const QRegularExpression sound(QStringLiteral("^Sound Carrier= \\d{2,3}\\.75$"));
    for (int channel = 2; channel <= 83; ++channel) {
        const ChannelFrequencies f = channelFrequencies(*centreFrequency(channel), QLocale::c());
        QVERIFY2(video.match(f.videoCarrier).hasMatch(), qPrintable(f.videoCarrier));
        QVERIFY2(color.match(f.colorCarrier).hasMatch(), qPrintable(f.colorCarrier));
        QVERIFY2(sound.match(f.soundCarrier).hasMatch(), qPrintable(f.soundCarrier));
    }
}

namespace {
const ChannelPlan& plan(const QString& name)
{
    for (const ChannelPlan& p : channelPlans())
        if (QLatin1String(p.name).startsWith(name))
            return p;
    qFatal("no plan %s", qPrintable(name));
}

Channel channel(const QString& planName, const QString& name)
{
    const ChannelLookup found = findChannel(plan(planName), name);
    if (!found.channel)
        qFatal("%s", qPrintable(found.rejection));
    return *found.channel;
}
} // namespace

// Lower edge, vision and sound carrier as the national allocations and the cable standard publish them,
// with the channels that public tables most often get wrong.
void tst_channelplan::publishedChannels_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("lower");
    QTest::addColumn<double>("vision");
    QTest::addColumn<double>("sound");
    struct Row
    {
        const char* plan;
        const char* name;
        double lower, vision, sound;
    };
    const Row rows[] = {
        {"US broadcast", "2", 54, 55.25, 59.75},
        {"US broadcast", "6", 82, 83.25, 87.75},
        {"US broadcast", "7", 174, 175.25, 179.75},
        {"US broadcast", "14", 470, 471.25, 475.75},
        {"US broadcast", "83", 884, 885.25, 889.75},
        {"US cable Standard", "A", 120, 121.25, 125.75},
        {"US cable Standard", "I", 168, 169.25, 173.75},
        {"US cable Standard", "23", 216, 217.25, 221.75},
        {"US cable Standard", "W", 294, 295.25, 299.75},
        {"US cable Standard", "AA", 300, 301.25, 305.75},
        {"US cable Standard", "WW", 432, 433.25, 437.75},
        {"US cable Standard", "60", 438, 439.25, 443.75},
        {"US cable Standard", "94", 642, 643.25, 647.75},
        {"US cable Standard", "95", 90, 91.25, 95.75},
        {"US cable Standard", "A-1", 114, 115.25, 119.75},
        {"US cable Standard", "100", 648, 649.25, 653.75},
        {"US cable Standard", "158", 996, 997.25, 1001.75},
        {"US cable HRC", "2", 52.75, 54, 58.5},
        {"US cable HRC", "1", 70.75, 72, 76.5},
        {"US cable HRC", "5", 76.75, 78, 82.5},
        {"US cable HRC", "6", 82.75, 84, 88.5},
        {"US cable HRC", "95", 88.75, 90, 94.5},
        {"US cable HRC", "96", 94.75, 96, 100.5},
        {"US cable HRC", "14", 118.75, 120, 124.5},
        {"US cable IRC", "1", 72, 73.25, 77.75},
        {"US cable IRC", "5", 78, 79.25, 83.75},
        {"US cable IRC", "6", 84, 85.25, 89.75},
        {"US cable IRC", "95", 90, 91.25, 95.75},
        {"Japan", "1", 90, 91.25, 95.75},
        {"Japan", "4", 170, 171.25, 175.75},
        {"Japan", "7", 188, 189.25, 193.75},
        {"Japan", "8", 192, 193.25, 197.75},
        {"Japan", "12", 216, 217.25, 221.75},
        {"Japan", "13", 470, 471.25, 475.75},
        {"Japan", "62", 764, 765.25, 769.75},
        {"Western Europe", "E2", 47, 48.25, 53.75},
        {"Western Europe", "E4", 61, 62.25, 67.75},
        {"Western Europe", "E5", 174, 175.25, 180.75},
        {"Western Europe", "E12", 223, 224.25, 229.75},
        {"Western Europe", "S2", 111, 112.25, 117.75},
        {"Western Europe", "S10", 167, 168.25, 173.75},
        {"Western Europe", "S11", 230, 231.25, 236.75},
        {"Western Europe", "S20", 293, 294.25, 299.75},
        {"Western Europe", "S21", 302, 303.25, 308.75},
        {"Western Europe", "S41", 462, 463.25, 468.75},
        {"Western Europe", "21", 470, 471.25, 476.75},
        {"Western Europe", "69", 854, 855.25, 860.75},
        {"United Kingdom", "21", 470, 471.25, 477.25},
        {"United Kingdom", "68", 846, 847.25, 853.25},
        {"France", "5", 174.75, 176, 182.5},
        {"France", "10", 214.75, 216, 222.5},
        {"France", "21", 470, 471.25, 477.75},
        {"Italy", "A", 52.5, 53.75, 59.25},
        {"Italy", "B", 61, 62.25, 67.75},
        {"Italy", "C", 81, 82.25, 87.75},
        {"Italy", "D", 174, 175.25, 180.75},
        {"Italy", "E", 182.5, 183.75, 189.25},
        {"Italy", "F", 191, 192.25, 197.75},
        {"Italy", "G", 200, 201.25, 206.75},
        {"Italy", "H", 209, 210.25, 215.75},
        {"Italy", "H1", 216, 217.25, 222.75},
        {"Italy", "H2", 223, 224.25, 229.75},
        {"Italy", "21", 470, 471.25, 476.75},
        {"Eastern Europe", "R1", 48.5, 49.75, 56.25},
        {"Eastern Europe", "R2", 58, 59.25, 65.75},
        {"Eastern Europe", "R4", 84, 85.25, 91.75},
        {"Eastern Europe", "R5", 92, 93.25, 99.75},
        {"Eastern Europe", "R6", 174, 175.25, 181.75},
        {"Eastern Europe", "R12", 222, 223.25, 229.75},
        {"China", "DS1", 48.5, 49.75, 56.25},
        {"China", "DS5", 84, 85.25, 91.75},
        {"China", "DS6", 167, 168.25, 174.75},
        {"China", "DS12", 215, 216.25, 222.75},
        {"China", "DS13", 470, 471.25, 477.75},
        {"China", "DS24", 558, 559.25, 565.75},
        {"China", "DS25", 606, 607.25, 613.75},
        {"China", "DS68", 950, 951.25, 957.75},
        {"Australia", "0", 45, 46.25, 51.75},
        {"Australia", "2", 63, 64.25, 69.75},
        {"Australia", "3", 85, 86.25, 91.75},
        {"Australia", "5", 101, 102.25, 107.75},
        {"Australia", "5A", 137, 138.25, 143.75},
        {"Australia", "9A", 202, 203.25, 208.75},
        {"Australia", "10", 209, 210.25, 215.75},
        {"Australia", "12", 223, 224.25, 229.75},
        {"Australia", "28", 526, 527.25, 532.75},
        {"Australia", "36", 582, 583.25, 588.75},
        {"Australia", "69", 813, 814.25, 819.75},
        {"Brazil", "2", 54, 55.25, 59.75},
        {"Brazil", "69", 800, 801.25, 805.75},
    };
    for (const Row& row : rows)
        QTest::addRow("%s %s", row.plan, row.name)
            << QString::fromLatin1(row.plan) << QString::fromLatin1(row.name) << row.lower << row.vision
            << row.sound;
}

void tst_channelplan::publishedChannels()
{
    QFETCH(QString, planName);
    QFETCH(QString, name);
    QFETCH(double, lower);
    QFETCH(double, vision);
    QFETCH(double, sound);
    const Channel c = channel(planName, name);
    QCOMPARE(c.lower, lower);
    QCOMPARE(c.vision(), vision);
    QCOMPARE(c.sound(), sound);
}

// Colour subcarriers, second sound carriers and oscillators: one channel of each system.
void tst_channelplan::systemCarriers_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("name");
    QTest::addColumn<double>("colour");
    QTest::addColumn<double>("colour2"); // 0: none
    QTest::addColumn<double>("sound2");  // 0: none
    QTest::addColumn<double>("oscillator");
    QTest::newRow("M/NTSC, 45.75 IF") << "US broadcast"
                                      << "2" << 58.829545 << 0.0 << 0.0 << 101.0;
    QTest::newRow("Japan, 58.75 IF") << "Japan"
                                     << "13" << 474.829545 << 0.0 << 0.0 << 530.0;
    QTest::newRow("M/PAL") << "Brazil"
                           << "2" << 58.825611 << 0.0 << 0.0 << 101.0;
    QTest::newRow("B/G, A2, 38.9 IF") << "Western Europe"
                                      << "E2" << 52.68361875 << 0.0 << 53.9921875 << 87.15;
    QTest::newRow("Australia, 36.875 IF") << "Australia"
                                          << "0" << 50.68361875 << 0.0 << 51.9921875 << 83.125;
    QTest::newRow("I, NICAM, 39.5 IF") << "United Kingdom"
                                       << "21" << 475.68361875 << 0.0 << 477.802 << 510.75;
    QTest::newRow("L SECAM, NICAM") << "France"
                                    << "21" << 475.5 << 475.65625 << 477.1 << 510.15;
    QTest::newRow("D/K SECAM, 38 IF") << "Eastern Europe"
                                      << "R1" << 54.0 << 54.15625 << 0.0 << 87.75;
    QTest::newRow("D/K PAL") << "China"
                             << "DS1" << 54.18361875 << 0.0 << 0.0 << 87.75;
}

void tst_channelplan::systemCarriers()
{
    QFETCH(QString, planName);
    QFETCH(QString, name);
    QFETCH(double, colour);
    QFETCH(double, colour2);
    QFETCH(double, sound2);
    QFETCH(double, oscillator);
    const Channel c = channel(planName, name);
    QCOMPARE(c.colour(), colour);
    QCOMPARE(c.colour2().value_or(0), colour2);
    QCOMPARE(c.sound2().value_or(0), sound2);
    QCOMPARE(c.oscillator(), oscillator);
}

// The US broadcast plan in the converter's boxes is the converter as it always was: the figures of its
// own rule (6 n + 45, 6 n + 49, 6 n + 135, 6 n + 389 for the centre), channel by channel.
void tst_channelplan::usBroadcastGivesTodaysFigures()
{
    for (int n = 2; n <= 83; ++n) {
        const int centre = 6 * n + (n <= 4 ? 45 : n <= 6 ? 49 : n <= 13 ? 135 : 389);
        const Channel c = channel(QStringLiteral("US broadcast"), QString::number(n));
        QCOMPARE(texts(channelFrequencies(c, QLocale::c())), texts(channelFrequencies(centre, QLocale::c())));
        QCOMPARE(centreFrequency(n), std::optional<int>(centre));
    }
    QCOMPARE(channelsOf(channelPlans()[0]).size(), size_t(82));
}

// A name or alias used twice would make one channel unreachable; overlapping channels of one plan are a
// typing slip in a band table (Japan's 7 and 8 overlap by allocation and are the one exception).
void tst_channelplan::namesAreUniqueAndBandsDoNotOverlap()
{
    for (const ChannelPlan& p : channelPlans()) {
        std::vector<Channel> channels = channelsOf(p);
        QStringList names;
        for (const Channel& c : channels) {
            QVERIFY2(c.width >= 6 && c.width <= 8, qPrintable(c.name));
            for (const QString& name : {c.name, c.alias})
                if (!name.isEmpty()) {
                    QVERIFY2(!names.contains(name.toUpper()), qPrintable(QLatin1String(p.name) + ' ' + name));
                    names << name.toUpper();
                }
        }
        std::sort(channels.begin(), channels.end(),
                  [](const Channel& a, const Channel& b) { return a.lower < b.lower; });
        int overlaps = 0;
        for (size_t i = 1; i < channels.size(); ++i)
            if (channels[i].lower < channels[i - 1].upper())
                ++overlaps;
        QCOMPARE(overlaps, QString::fromLatin1(p.name).startsWith(QLatin1String("Japan")) ? 1 : 0);
    }
}

void tst_channelplan::channelNames_data()
{
    QTest::addColumn<QString>("planName");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("found"); // the channel's title, or the rejection
    QTest::newRow("lower case and blanks") << "Western Europe"
                                           << " e 12 "
                                           << "E12";
    QTest::newRow("letter name of a cable channel") << "US cable Standard"
                                                    << "ww"
                                                    << "59 (WW)";
    QTest::newRow("count-down name") << "US cable HRC"
                                     << "A-5"
                                     << "95 (A-5)";
    QTest::newRow("no channel 1 in Standard")
        << "US cable Standard"
        << "1"
        << "There is no channel 1 in the US cable Standard (M/NTSC) plan, which has 2 to 158";
    QTest::newRow("E13")
        << "Western Europe"
        << "E13"
        << "There is no channel E13 in the Western Europe (B/G PAL) plan, which has E2 to E12, "
           "S1 to S41 and 21 to 69";
    QTest::newRow("UK 69 is not UK's")
        << "United Kingdom"
        << "69"
        << "There is no channel 69 in the United Kingdom and Ireland (I PAL) plan, "
           "which has 21 to 68";
    QTest::newRow("empty") << "China"
                           << ""
                           << "Enter a channel of the China (D/K PAL) plan: DS1 to DS68";
    QTest::newRow("long junk is cut, a line break dropped")
        << "Japan" << QString(20, QLatin1Char('x')) + "\n" + QString(20, QLatin1Char('x'))
        << "There is no channel XXXXXXXXXXXX in the Japan (M/NTSC) plan, which has 1 to 62";
}

void tst_channelplan::channelNames()
{
    QFETCH(QString, planName);
    QFETCH(QString, typed);
    QFETCH(QString, found);
    const ChannelLookup lookup = findChannel(plan(planName), typed);
    QCOMPARE(lookup.channel ? lookup.channel->title() : lookup.rejection, found);
}

void tst_channelplan::frequencies_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("mhz"); // 0: rejected
    const QLocale c = QLocale::c();
    QTest::newRow("55.25") << "55.25" << c << 55.25;
    QTest::newRow("German comma") << "55,25" << QLocale(QLocale::German, QLocale::Germany) << 55.25;
    QTest::newRow("top") << "2000" << c << 2000.0;
    QTest::newRow("above the top") << "2000.5" << c << 0.0;
    QTest::newRow("zero") << "0" << c << 0.0;
    QTest::newRow("negative") << "-60" << c << 0.0;
    QTest::newRow("words") << "sixty" << c << 0.0;
    QTest::newRow("infinity") << "inf" << c << 0.0;
    QTest::newRow("empty") << "" << c << 0.0;
}

void tst_channelplan::frequencies()
{
    QFETCH(QString, text);
    QFETCH(QLocale, locale);
    QFETCH(double, mhz);
    const FrequencyReading reading = readFrequency(text, locale);
    QCOMPARE(reading.mhz.value_or(0), mhz);
    QCOMPARE(reading.rejection.isEmpty(), mhz != 0);
}

// Each expected line must be among the hits, and the plan named first must have exactly that many band
// hits: on the edge between two channels both are named, inside one only that one.
void tst_channelplan::reverseLookup_data()
{
    QTest::addColumn<double>("mhz");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("60: edge of US 2 and 3")
        << 60.0
        << QStringList{"2, US broadcast (M/NTSC): upper edge", "3, US broadcast (M/NTSC): lower edge"};
    QTest::newRow("54: edge of E2 and E3, E2's A2 carrier nearer")
        << 54.0
        << QStringList{"E2, Western Europe (B/G PAL): second sound carrier",
                       "E3, Western Europe (B/G PAL): lower edge"};
    QTest::newRow("230: E12 and S11 abut, E12's A2 carrier nearer")
        << 230.0
        << QStringList{"E12, Western Europe (B/G PAL): second sound carrier",
                       "S11, Western Europe (B/G PAL): lower edge"};
    QTest::newRow("470: S41 and 21 abut") << 470.0
                                          << QStringList{"S41, Western Europe (B/G PAL): upper edge",
                                                         "21, Western Europe (B/G PAL): lower edge"};
    QTest::newRow("470: UK 21 alone")
        << 470.0 << QStringList{"21, United Kingdom and Ireland (I PAL): lower edge"};
    QTest::newRow("583.3: Australia 36 vision")
        << 583.3 << QStringList{"36, Australia (B/G PAL): vision carrier"};
    QTest::newRow("90: HRC 95 vision")
        << 90.0 << QStringList{"95 (A-5), US cable HRC (M/NTSC): vision carrier"};
    QTest::newRow("53.99: E2 A2 carrier")
        << 53.99 << QStringList{"E2, Western Europe (B/G PAL): second sound carrier"};
    QTest::newRow("57: inside US 2") << 57.0
                                     << QStringList{
                                            "2, US broadcast (M/NTSC): in the band, 1.75 MHz above vision"};
    QTest::newRow("101: US 2 oscillator")
        << 101.0 << QStringList{"2, US broadcast (M/NTSC): oscillator (101 MHz) of a set tuned to it"};
    QTest::newRow("145: US 2 image")
        << 145.0 << QStringList{"2, US broadcast (M/NTSC): image (142 to 148 MHz) of a set tuned to it"};
}

void tst_channelplan::reverseLookup()
{
    QFETCH(double, mhz);
    QFETCH(QStringList, expected);
    QStringList lines;
    const QString firstPlan =
        expected.first().section(QStringLiteral(", "), 1).section(QLatin1Char(':'), 0, 0);
    int bandHits = 0;
    for (const FrequencyHit& hit : channelsAt(mhz, QLocale::c())) {
        lines << hitText(hit);
        if (hit.kind == FrequencyHit::Kind::Band && QLatin1String(hit.channel.plan->name) == firstPlan)
            ++bandHits;
    }
    for (const QString& line : expected)
        QVERIFY2(lines.contains(line), qPrintable(line + "\n" + lines.join('\n')));
    const auto inBand = std::count_if(expected.begin(), expected.end(), [](const QString& line) {
        return !line.contains(QStringLiteral("of a set"));
    });
    QCOMPARE(bandHits, int(inBand));
}

QTEST_GUILESS_MAIN(tst_channelplan)
#include "tst_channelplan.moc"
