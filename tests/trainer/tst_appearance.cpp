// The set's appearance in words, without a screen.

#include "trainer/model/appearance.h"

#include <QSet>
#include <QTest>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)

class tst_appearance : public QObject
{
    Q_OBJECT
private slots:
    void everyChangeIsToldApart();
    void words_data();
    void words();
};

// A member forgotten in the words, or two members worded alike, would leave a student unable to tell apart
// two sets that look or sound different.
void tst_appearance::everyChangeIsToldApart()
{
    using A = Appearance;
    const A changes[] = {
        {.power = Power::Dead},
        {.power = Power::Dead, .standbyLight = false},
        {.power = Power::Dead, .sound = Sound::Chirp},
        {.raster = Raster::None},
        {.raster = Raster::Blooming},
        {.content = Content::SnowOnly},
        {.content = Content::NoDetail},
        {.content = Content::Ghost},
        {.content = Content::SoundBars},
        {.content = Content::Overloaded},
        {.vertical = Vertical::NonLinear},
        {.horizontal = Horizontal::Unlocked},
        {.colour = Colour::PaleReds},
        {.colour = Colour::PaleBlues},
        {.colour = Colour::PaleGreens},
        {.colour = Colour::AxisShifted},
        {.brightnessShifted = true},
        {.sound = Sound::Hiss},
        {.sound = Sound::Chirp},
        {.raster = Raster::Dark},
        {.raster = Raster::TooBright},
        {.content = Content::Blank},
        {.content = Content::Snow},
        {.content = Content::Weak},
        {.content = Content::Smear},
        {.vertical = Vertical::Line},
        {.vertical = Vertical::Roll},
        {.vertical = Vertical::FoldTop},
        {.vertical = Vertical::CrampedBottom},
        {.vertical = Vertical::Short},
        {.horizontal = Horizontal::Narrow},
        {.horizontal = Horizontal::Tearing},
        {.horizontal = Horizontal::BowedSides},
        {.colour = Colour::None},
        {.colour = Colour::NoRed},
        {.colour = Colour::NoGreen},
        {.colour = Colour::NoBlue},
        {.colour = Colour::WrongHues},
        {.colour = Colour::Unlocked},
        {.colour = Colour::Purity},
        {.colour = Colour::Misconvergence},
        {.humBars = true},
        {.sound = Sound::None},
        {.sound = Sound::Buzz},
        {.sound = Sound::Hum},
        {.sound = Sound::Distorted},
    };
    QSet<QString> seen{describe(A{})};
    for (const A& appearance : changes) {
        const QString words = describe(appearance);
        QVERIFY2(!seen.contains(words), qPrintable(words));
        seen.insert(words);
    }
}

void tst_appearance::words_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QString>("words");
    using A = Appearance;
    QTest::newRow("working set") << A{} << "A normal picture in full colour. Sound is normal.";
    QTest::newRow("dead, whatever else is set")
        << A{.power = Power::Dead, .content = Content::Snow, .sound = Sound::Hum, .standbyLight = false}
        << "The set is dead: the screen stays dark, there is no sound and the standby light is off.";
    QTest::newRow("dead with the standby supply running")
        << A{.power = Power::Dead, .sound = Sound::Hum}
        << "The set is dead: the screen stays dark and there is no sound, but the standby light is lit.";
    QTest::newRow("dead, the supply chirping")
        << A{.power = Power::Dead, .sound = Sound::Chirp, .standbyLight = false}
        << "The set is dead: the screen stays dark and the set only ticks or chirps; the standby light is "
           "off.";
    QTest::newRow("snow alone hides the picture's colour")
        << A{.content = Content::SnowOnly, .colour = Colour::PaleReds, .sound = Sound::Hiss}
        << "The screen shows snow and nothing under it: no picture at all. The sound is under a hiss of "
           "noise.";
    QTest::newRow("dark screen hides the picture's faults")
        << A{.raster = Raster::None, .colour = Colour::NoRed, .humBars = true}
        << "The screen is dark. Sound is normal.";
    QTest::newRow("line hides what the picture carried")
        << A{.content = Content::Smear,
             .vertical = Vertical::Line,
             .colour = Colour::WrongHues,
             .humBars = true}
        << "A single bright horizontal line across the middle of the screen. Sound is normal.";
    QTest::newRow("blank raster keeps a missing gun's tint")
        << A{.content = Content::Blank, .colour = Colour::NoBlue}
        << "The screen is lit but carries no picture. There is no blue anywhere on the screen: white shows "
           "as "
           "yellow. Sound is normal.";
    QTest::newRow("blank raster hides wrong hues")
        << A{.content = Content::Blank, .colour = Colour::WrongHues, .sound = Sound::None}
        << "The screen is lit but carries no picture. There is no sound.";
    QTest::newRow("brightness, then content, sweep and colour")
        << A{.raster = Raster::Dark,
             .content = Content::Snow,
             .horizontal = Horizontal::Narrow,
             .colour = Colour::None}
        << "The picture is very dim. The picture is buried in snow. The picture does not fill the width of "
           "the "
           "screen: dark bands at both sides. There is no colour: the picture is in black and white. Sound "
           "is "
           "normal.";
    QTest::newRow("hum bars with hum")
        << A{.humBars = true, .sound = Sound::Hum}
        << "Dark hum bars drift slowly up the screen. The sound carries a low hum.";
}

void tst_appearance::words()
{
    QFETCH(Appearance, appearance);
    QFETCH(QString, words);
    QCOMPARE(describe(appearance), words);
}

QTEST_GUILESS_MAIN(tst_appearance)
#include "tst_appearance.moc"
