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

QTEST_GUILESS_MAIN(tst_channelplan)
#include "tst_channelplan.moc"
