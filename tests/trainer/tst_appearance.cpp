// The set's appearance in words, without a screen.

#include "trainer/appearance.h"

#include <QSet>
#include <QTest>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)

namespace {
// Every way a single member can differ from a working set, each with the member set and the rest working.
QList<QPair<QString, Appearance>> singleChanges()
{
    QList<QPair<QString, Appearance>> all;
    const auto add = [&all](const char* name, auto set) {
        Appearance a;
        set(a);
        all.append({QString::fromLatin1(name), a});
    };
    add("dead", [](Appearance& a) { a.power = Power::Dead; });
    add("dark screen", [](Appearance& a) { a.raster = Raster::None; });
    add("dim", [](Appearance& a) { a.raster = Raster::Dark; });
    add("too bright", [](Appearance& a) { a.raster = Raster::TooBright; });
    add("blank", [](Appearance& a) { a.content = Content::Blank; });
    add("snow", [](Appearance& a) { a.content = Content::Snow; });
    add("weak", [](Appearance& a) { a.content = Content::Weak; });
    add("smear", [](Appearance& a) { a.content = Content::Smear; });
    add("line", [](Appearance& a) { a.vertical = Vertical::Line; });
    add("roll", [](Appearance& a) { a.vertical = Vertical::Roll; });
    add("fold top", [](Appearance& a) { a.vertical = Vertical::FoldTop; });
    add("cramped bottom", [](Appearance& a) { a.vertical = Vertical::CrampedBottom; });
    add("short", [](Appearance& a) { a.vertical = Vertical::Short; });
    add("narrow", [](Appearance& a) { a.horizontal = Horizontal::Narrow; });
    add("tearing", [](Appearance& a) { a.horizontal = Horizontal::Tearing; });
    add("bowed", [](Appearance& a) { a.horizontal = Horizontal::BowedSides; });
    add("no colour", [](Appearance& a) { a.colour = Colour::None; });
    add("no red", [](Appearance& a) { a.colour = Colour::NoRed; });
    add("no green", [](Appearance& a) { a.colour = Colour::NoGreen; });
    add("no blue", [](Appearance& a) { a.colour = Colour::NoBlue; });
    add("wrong hues", [](Appearance& a) { a.colour = Colour::WrongHues; });
    add("unlocked", [](Appearance& a) { a.colour = Colour::Unlocked; });
    add("purity", [](Appearance& a) { a.colour = Colour::Purity; });
    add("misconvergence", [](Appearance& a) { a.colour = Colour::Misconvergence; });
    add("hum bars", [](Appearance& a) { a.humBars = true; });
    add("no sound", [](Appearance& a) { a.sound = Sound::None; });
    add("buzz", [](Appearance& a) { a.sound = Sound::Buzz; });
    add("hum", [](Appearance& a) { a.sound = Sound::Hum; });
    add("distorted", [](Appearance& a) { a.sound = Sound::Distorted; });
    return all;
}
} // namespace

class tst_appearance : public QObject
{
    Q_OBJECT
private slots:
    void everyChangeIsToldApart();
    void words_data();
    void words();
};

// A member forgotten in the words, or two members worded alike, would leave a student unable to tell two
// sets apart that look different.
void tst_appearance::everyChangeIsToldApart()
{
    QSet<QString> seen{describe(Appearance{})};
    for (const auto& [name, appearance] : singleChanges()) {
        const QString words = describe(appearance);
        QVERIFY2(!seen.contains(words), qPrintable(name + QStringLiteral(": ") + words));
        seen.insert(words);
    }
}

void tst_appearance::words_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QString>("words");
    const auto with = [](auto set) {
        Appearance a;
        set(a);
        return a;
    };
    QTest::newRow("working set") << Appearance{} << "A normal picture in full colour. Sound is normal.";
    QTest::newRow("dead, whatever else is set") << with([](Appearance& a) {
        a.power = Power::Dead;
        a.content = Content::Snow;
        a.sound = Sound::Hum;
    }) << "The set is dead: the screen stays dark, there is no sound and the standby light is off.";
    QTest::newRow("dark screen with sound hides the picture's faults") << with([](Appearance& a) {
        a.raster = Raster::None;
        a.colour = Colour::NoRed;
        a.humBars = true;
    }) << "The screen is dark. Sound is normal.";
    QTest::newRow("line, the sound last") << with([](Appearance& a) { a.vertical = Vertical::Line; })
                                          << "A single bright horizontal line across the middle of the screen. "
                                             "Sound is normal.";
    QTest::newRow("line hides what the picture carried")
        << with([](Appearance& a) {
               a.vertical = Vertical::Line;
               a.content = Content::Smear;
               a.colour = Colour::WrongHues;
               a.humBars = true;
           })
        << "A single bright horizontal line across the middle of the screen. Sound is normal.";
    QTest::newRow("blank raster keeps a missing gun's tint")
        << with([](Appearance& a) {
               a.content = Content::Blank;
               a.colour = Colour::NoBlue;
           })
        << "The screen is lit but carries no picture. There is no blue anywhere on the screen: white shows as "
           "yellow. Sound is normal.";
    QTest::newRow("blank raster hides wrong hues") << with([](Appearance& a) {
        a.content = Content::Blank;
        a.colour = Colour::WrongHues;
        a.sound = Sound::None;
    }) << "The screen is lit but carries no picture. There is no sound.";
    QTest::newRow("brightness first, then sweep, then colour")
        << with([](Appearance& a) {
               a.raster = Raster::Dark;
               a.content = Content::Snow;
               a.horizontal = Horizontal::Narrow;
               a.colour = Colour::None;
           })
        << "The picture is very dim. The picture is buried in snow. The picture does not fill the width of the "
           "screen: dark bands at both sides. There is no colour: the picture is in black and white. Sound is "
           "normal.";
    QTest::newRow("hum bars with hum") << with([](Appearance& a) {
        a.humBars = true;
        a.sound = Sound::Hum;
    }) << "Dark hum bars drift slowly up the screen. The sound carries a low hum.";
}

void tst_appearance::words()
{
    QFETCH(Appearance, appearance);
    QFETCH(QString, words);
    QCOMPARE(describe(appearance), words);
}

QTEST_GUILESS_MAIN(tst_appearance)
#include "tst_appearance.moc"
