// The colour code table and the reading of a part's bands, without a screen.

#include "calculators/colorcode.h"

#include <QTest>

using namespace colorcode;

Q_DECLARE_METATYPE(std::optional<Part>)

namespace {
Color colorNamed(const QString& name)
{
    for (int i = 0; i < kColors; ++i)
        if (name == QLatin1String(swatches()[static_cast<std::size_t>(i)].name))
            return static_cast<Color>(i);
    qFatal("no colour named %s", qPrintable(name));
}

// Enters the bands named in `bands` ("red red orange gold") and returns the messages shown.
QStringList enter(Reader& reader, const QString& bands)
{
    QStringList messages;
    for (const QString& name : bands.split(u' ', Qt::SkipEmptyParts))
        if (const auto message = reader.enterBand(colorNamed(name)))
            messages << *message;
    return messages;
}

// A reader that has already read one part, so its tolerance and voltage are 0 rather than never set.
Reader usedReader()
{
    Reader reader;
    enter(reader, "brown black red gold red");
    reader.done(Part::Capacitor);
    return reader;
}
} // namespace

class tst_colorcode : public QObject
{
    Q_OBJECT
private slots:
    void swatchTable_data();
    void swatchTable();
    void readout_data();
    void readout();
    void toleranceByPart_data();
    void toleranceByPart();
    void wrongDigitColours_data();
    void wrongDigitColours();
    void bandCountStopsPastTheLastBand();
    void secondDoneAtOnce();
    void noPartChosenStillClears();
    void restartKeepsToleranceNotVoltage();
    void decimalSeparatorOfTheLocale_data();
    void decimalSeparatorOfTheLocale();
};

void tst_colorcode::swatchTable_data()
{
    // -1 where the colour stores nothing (or, for a digit, is refused).
    QTest::addColumn<int>("color");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("rgb");
    QTest::addColumn<int>("digit");
    QTest::addColumn<double>("multiplier");
    QTest::addColumn<double>("resistorTolerance");
    QTest::addColumn<int>("capacitorTolerance");
    QTest::addColumn<int>("voltage");
    QTest::newRow("black") << 0 << "black" << 0x000000 << 0 << 1.0 << -1.0 << -1 << -1;
    QTest::newRow("brown") << 1 << "brown" << 0x804000 << 1 << 10.0 << 1.0 << 1 << 100;
    QTest::newRow("red") << 2 << "red" << 0xff0000 << 2 << 100.0 << 2.0 << 2 << 200;
    QTest::newRow("orange") << 3 << "orange" << 0xff8000 << 3 << 1e3 << 0.05 << 3 << 300;
    QTest::newRow("yellow") << 4 << "yellow" << 0xffff00 << 4 << 1e4 << 0.02 << 4 << 400;
    QTest::newRow("green") << 5 << "green" << 0x00c000 << 5 << 1e5 << 0.5 << 5 << 500;
    QTest::newRow("blue") << 6 << "blue" << 0x0000ff << 6 << 1e6 << 0.25 << 6 << 600;
    QTest::newRow("violet") << 7 << "violet" << 0xff00ff << 7 << 1e7 << 0.1 << 7 << 700;
    QTest::newRow("gray") << 8 << "gray" << 0x808080 << 8 << 1e8 << 0.01 << 8 << 800;
    QTest::newRow("white") << 9 << "white" << 0xffffff << 9 << 1e9 << -1.0 << 9 << 900;
    QTest::newRow("gold") << 10 << "gold" << 0xc0c000 << -1 << 0.1 << 5.0 << 5 << 1000;
    QTest::newRow("silver") << 11 << "silver" << 0xc0c0c0 << -1 << 0.01 << 10.0 << 10 << 2000;
}

void tst_colorcode::swatchTable()
{
    QFETCH(int, color);
    QFETCH(QString, name);
    QFETCH(int, rgb);
    QFETCH(int, digit);
    QFETCH(double, multiplier);
    QFETCH(double, resistorTolerance);
    QFETCH(int, capacitorTolerance);
    QFETCH(int, voltage);
    const Swatch& s = swatch(static_cast<Color>(color));
    QCOMPARE(QString::fromLatin1(s.name), name);
    QCOMPARE((s.rgb.red << 16) | (s.rgb.green << 8) | s.rgb.blue, rgb);
    QCOMPARE(s.digit ? int(*s.digit) : -1, digit);
    QCOMPARE(s.multiplier, multiplier);
    QCOMPARE(s.resistorTolerance.value_or(-1.0), resistorTolerance);
    QCOMPARE(s.tolerance ? int(*s.tolerance) : -1, capacitorTolerance);
    QCOMPARE(s.voltage ? int(*s.voltage) : -1, voltage);
}

void tst_colorcode::readout_data()
{
    QTest::addColumn<bool>("fresh"); // tolerance and voltage never set since the reader was made
    QTest::addColumn<std::optional<Part>>("part");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("voltage");
    const std::optional<Part> R = Part::Resistor;
    const std::optional<Part> C = Part::Capacitor;
    QTest::newRow("22 K, gold 5 %") << false << R << "red red orange gold"
                                    << "22 K"
                                    << "5 %"
                                    << "";
    QTest::newRow("10000 K becomes 10 Meg") << false << R << "brown black blue silver"
                                            << "10 Meg"
                                            << "10 %"
                                            << "";
    QTest::newRow("no tolerance band: 20%") << false << R << "brown black black"
                                            << "10 ohms"
                                            << "20%"
                                            << "";
    QTest::newRow("gold multiplier: 4.7 without a tail") << false << R << "yellow violet gold"
                                                         << "4.7 ohms"
                                                         << "20%"
                                                         << "";
    QTest::newRow("silver multiplier keeps the leading 0") << false << R << "yellow violet silver"
                                                           << "0.47 ohms"
                                                           << "20%"
                                                           << "";
    QTest::newRow("black stores no tolerance") << false << R << "brown black brown black"
                                               << "100 ohms"
                                               << "20%"
                                               << "";
    QTest::newRow("47 K") << false << R << "yellow violet orange"
                          << "47 K"
                          << "20%"
                          << "";
    QTest::newRow("1 Meg") << false << R << "brown black green"
                           << "1 Meg"
                           << "20%"
                           << "";
    QTest::newRow("990 ohms is below 1000") << false << R << "white white brown"
                                            << "990 ohms"
                                            << "20%"
                                            << "";
    QTest::newRow("1000 ohms is 1 K") << false << R << "brown black red"
                                      << "1 K"
                                      << "20%"
                                      << "";
    QTest::newRow("largest: 99 x 1000000000") << false << R << "white white white"
                                              << "99000 Meg"
                                              << "20%"
                                              << "";
    QTest::newRow("no bands at all") << false << R << ""
                                     << "0 ohms"
                                     << "20%"
                                     << "";
    QTest::newRow("never-set tolerance, resistor") << true << R << "brown black brown"
                                                   << "100 ohms"
                                                   << "20%"
                                                   << "";
    QTest::newRow("a resistor shows no voltage") << false << R << "brown black red gold red"
                                                 << "1 K"
                                                 << "5 %"
                                                 << "";
    QTest::newRow("a sixth band stores nothing") << false << R << "red red orange gold brown white"
                                                 << "22 K"
                                                 << "5 %"
                                                 << "";
    QTest::newRow("1000 pf is 0.001 mfd") << false << C << "brown black red gold red"
                                          << "0.001 mfd"
                                          << "5 %"
                                          << "200 volts";
    QTest::newRow("100 pf after an earlier part") << false << C << "brown black brown"
                                                  << "100 pf"
                                                  << "0 %"
                                                  << "";
    QTest::newRow("never-set tolerance, capacitor") << true << C << "brown black brown"
                                                    << "100 pf"
                                                    << " %"
                                                    << "";
    QTest::newRow("0.1 mfd") << false << C << "brown black yellow"
                             << "0.1 mfd"
                             << "0 %"
                             << "";
    QTest::newRow("990 pf") << false << C << "white white brown"
                            << "990 pf"
                            << "0 %"
                            << "";
    QTest::newRow("largest capacitor") << false << C << "white white white"
                                       << "99000 mfd"
                                       << "0 %"
                                       << "";
    QTest::newRow("gold multiplier on a capacitor") << false << C << "brown black gold"
                                                    << "1 pf"
                                                    << "0 %"
                                                    << "";
    QTest::newRow("silver voltage") << false << C << "red red yellow silver silver"
                                    << "0.22 mfd"
                                    << "10 %"
                                    << "2000 volts";
    QTest::newRow("black voltage band stores nothing") << false << C << "red red yellow silver black"
                                                       << "0.22 mfd"
                                                       << "10 %"
                                                       << "";
}

void tst_colorcode::readout()
{
    QFETCH(bool, fresh);
    QFETCH(std::optional<Part>, part);
    QFETCH(QString, bands);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, voltage);
    Reader reader = fresh ? Reader() : usedReader();
    QCOMPARE(enter(reader, bands), QStringList());
    const auto readout = reader.done(part, QLocale::c());
    QVERIFY(readout);
    QCOMPARE(readout->value, value);
    QCOMPARE(readout->tolerance, tolerance);
    QCOMPARE(readout->voltage, voltage);
}

void tst_colorcode::toleranceByPart_data()
{
    QTest::addColumn<QString>("band");
    QTest::addColumn<QString>("resistor");
    QTest::addColumn<QString>("capacitor");
    QTest::newRow("black") << "black"
                           << "20%"
                           << "0 %";
    QTest::newRow("brown") << "brown"
                           << "1 %"
                           << "1 %";
    QTest::newRow("red") << "red"
                         << "2 %"
                         << "2 %";
    QTest::newRow("orange") << "orange"
                            << "0.05 %"
                            << "3 %";
    QTest::newRow("yellow") << "yellow"
                            << "0.02 %"
                            << "4 %";
    QTest::newRow("green") << "green"
                           << "0.5 %"
                           << "5 %";
    QTest::newRow("blue") << "blue"
                          << "0.25 %"
                          << "6 %";
    QTest::newRow("violet") << "violet"
                            << "0.1 %"
                            << "7 %";
    QTest::newRow("gray") << "gray"
                          << "0.01 %"
                          << "8 %";
    QTest::newRow("white") << "white"
                           << "20%"
                           << "9 %";
    QTest::newRow("gold") << "gold"
                          << "5 %"
                          << "5 %";
    QTest::newRow("silver") << "silver"
                            << "10 %"
                            << "10 %";
}

// The same bands read as either part: the choice made at Done picks the table.
void tst_colorcode::toleranceByPart()
{
    QFETCH(QString, band);
    QFETCH(QString, resistor);
    QFETCH(QString, capacitor);
    for (const auto& [part, expected] :
         {std::pair{Part::Resistor, resistor}, std::pair{Part::Capacitor, capacitor}}) {
        Reader reader = usedReader();
        enter(reader, "brown black brown " + band);
        QCOMPARE(reader.done(part, QLocale::c())->tolerance, expected);
    }
}

void tst_colorcode::wrongDigitColours_data()
{
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("value"); // read as a resistor after all the bands
    QTest::newRow("gold first") << "gold yellow violet orange" << QStringList{"Not a 1st color code"}
                                << "47 K";
    QTest::newRow("silver first") << "silver yellow violet orange" << QStringList{"Not a 1st color code"}
                                  << "47 K";
    QTest::newRow("red then gold") << "red gold yellow violet orange" << QStringList{"Not a 2nd color code"}
                                   << "47 K";
    QTest::newRow("red then silver, then again")
        << "red silver silver yellow violet orange"
        << QStringList{"Not a 2nd color code", "Not a 1st color code"} << "47 K";
    QTest::newRow("gold as multiplier is fine") << "red red gold" << QStringList{} << "2.2 ohms";
    QTest::newRow("gold as tolerance is fine") << "red red orange gold" << QStringList{} << "22 K";
}

void tst_colorcode::wrongDigitColours()
{
    QFETCH(QString, bands);
    QFETCH(QStringList, messages);
    QFETCH(QString, value);
    Reader reader;
    QCOMPARE(enter(reader, bands), messages);
    QCOMPARE(reader.done(Part::Resistor, QLocale::c())->value, value);
}

void tst_colorcode::bandCountStopsPastTheLastBand()
{
    Reader reader;
    for (int click = 1; click <= 40000; ++click) { // past the top of a 16-bit count
        QVERIFY(!reader.enterBand(Color::Brown));
        if (click == 6 || click == 1000 || click == 32768 || click == 40000)
            QCOMPARE(reader.bandCount(), 6);
    }
    const auto readout = reader.done(Part::Capacitor, QLocale::c());
    QCOMPARE(readout->value, QStringLiteral("110 pf"));
    QCOMPARE(readout->tolerance, QStringLiteral("1 %"));
    QCOMPARE(readout->voltage, QStringLiteral("100 volts"));
    QCOMPARE(reader.bandCount(), 0);
}

void tst_colorcode::secondDoneAtOnce()
{
    Reader reader;
    enter(reader, "brown black red gold red");
    QCOMPARE(reader.done(Part::Capacitor)->voltage, QStringLiteral("200 volts"));
    const auto resistor = reader.done(Part::Resistor, QLocale::c());
    QCOMPARE(resistor->value, QStringLiteral("0 ohms"));
    QCOMPARE(resistor->tolerance, QStringLiteral("20%"));
    const auto capacitor = reader.done(Part::Capacitor, QLocale::c());
    QCOMPARE(capacitor->value, QStringLiteral("0 pf"));
    QCOMPARE(capacitor->tolerance, QStringLiteral("0 %"));
    QCOMPARE(capacitor->voltage, QString());
}

void tst_colorcode::noPartChosenStillClears()
{
    Reader reader;
    enter(reader, "brown black red gold red");
    QVERIFY(!reader.done(std::nullopt));
    QCOMPARE(reader.bandCount(), 0);
    const auto readout = reader.done(Part::Capacitor, QLocale::c());
    QCOMPARE(readout->value, QStringLiteral("0 pf"));
    QCOMPARE(readout->tolerance, QStringLiteral("0 %"));
    QCOMPARE(readout->voltage, QString());
}

void tst_colorcode::restartKeepsToleranceNotVoltage()
{
    Reader reader;
    enter(reader, "red red orange gold red");
    reader.restart();
    QCOMPARE(reader.bandCount(), 0);
    enter(reader, "yellow violet orange");
    const auto readout = reader.done(Part::Capacitor, QLocale::c());
    QCOMPARE(readout->value, QStringLiteral("0.047 mfd"));
    QCOMPARE(readout->tolerance, QStringLiteral("5 %"));
    QCOMPARE(readout->voltage, QString()); // the red voltage band went with the unfinished part
}

void tst_colorcode::decimalSeparatorOfTheLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("bands");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("German 4,7 ohms") << "de_DE"
                                     << "yellow violet gold"
                                     << "4,7 ohms"
                                     << "20%";
    QTest::newRow("German 0,5 %") << "de_DE"
                                  << "brown black brown green"
                                  << "100 ohms"
                                  << "0,5 %";
    QTest::newRow("German 1,5 K") << "de_DE"
                                  << "brown green red"
                                  << "1,5 K"
                                  << "20%";
    QTest::newRow("no group separator") << "en_US"
                                        << "white white white"
                                        << "99000 Meg"
                                        << "20%";
}

void tst_colorcode::decimalSeparatorOfTheLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, bands);
    QFETCH(QString, value);
    QFETCH(QString, tolerance);
    Reader reader;
    enter(reader, bands);
    const auto readout = reader.done(Part::Resistor, QLocale(locale));
    QCOMPARE(readout->value, value);
    QCOMPARE(readout->tolerance, tolerance);
}

QTEST_GUILESS_MAIN(tst_colorcode)
#include "tst_colorcode.moc"
