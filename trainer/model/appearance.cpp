#include "trainer/model/appearance.h"

#include <QStringList>

namespace trainer {

namespace {
QString soundOf(Sound sound)
{
    switch (sound) {
    case Sound::Normal:
        return QStringLiteral("Sound is normal.");
    case Sound::None:
        return QStringLiteral("There is no sound.");
    case Sound::Buzz:
        return QStringLiteral("The sound carries a harsh buzz.");
    case Sound::Hum:
        return QStringLiteral("The sound carries a low hum.");
    case Sound::Distorted:
        return QStringLiteral("The sound is distorted.");
    case Sound::Hiss:
        return QStringLiteral("The sound is under a hiss of noise.");
    case Sound::Chirp:
        return QStringLiteral("The set ticks or chirps, and no programme sound comes.");
    }
    return {};
}

QString brightnessOf(Raster raster)
{
    switch (raster) {
    case Raster::Dark:
        return QStringLiteral("The picture is very dim.");
    case Raster::TooBright:
        return QStringLiteral("The screen is too bright and washed out, with thin slanting retrace "
                              "lines across it.");
    case Raster::Blooming:
        return QStringLiteral("The picture is dim, and on bright scenes it swells and goes out of focus.");
    case Raster::Normal:
    case Raster::None:
        break;
    }
    return {};
}

QString contentOf(Content content)
{
    switch (content) {
    case Content::Blank:
        return QStringLiteral("The screen is lit but carries no picture.");
    case Content::Snow:
        return QStringLiteral("The picture is buried in snow.");
    case Content::Weak:
        return QStringLiteral("The picture is faint and flat, with little contrast and a little snow.");
    case Content::Faint:
        return QStringLiteral("The picture is faint and flat, with little contrast, but clean: no snow.");
    case Content::Smear:
        return QStringLiteral("The picture is smeared: every edge trails off to the right.");
    case Content::SnowOnly:
        return QStringLiteral("The screen shows snow and nothing under it: no picture at all.");
    case Content::NoDetail:
        return QStringLiteral("The colours show as soft blotches, but the picture's detail is gone.");
    case Content::Ghost:
        return QStringLiteral("A faint second outline, a ghost, stands just right of every outline.");
    case Content::SoundBars:
        return QStringLiteral("Fine slanting bars in a herringbone move through the picture with the "
                              "sound.");
    case Content::Overloaded:
        return QStringLiteral("The picture is dark and harsh, nearly negative, with coloured beat bands; "
                              "its top bends sideways while the rest stays straight.");
    case Content::Normal:
        break;
    }
    return {};
}

QString verticalOf(Vertical vertical)
{
    switch (vertical) {
    case Vertical::Roll:
        return QStringLiteral("The picture rolls vertically, a dark bar running through it.");
    case Vertical::FoldTop:
        return QStringLiteral("The top of the picture is folded over on itself, in a bright band.");
    case Vertical::CrampedBottom:
        return QStringLiteral("The bottom of the picture is squeezed together and the top stretched.");
    case Vertical::Short:
        return QStringLiteral("The picture does not fill the height of the screen: dark bands at the top "
                              "and bottom.");
    case Vertical::NonLinear:
        return QStringLiteral("The picture is short and unevenly spread: its lines crowd together at "
                              "one part of the screen.");
    case Vertical::Normal:
    case Vertical::Line:
        break;
    }
    return {};
}

QString horizontalOf(Horizontal horizontal)
{
    switch (horizontal) {
    case Horizontal::Narrow:
        return QStringLiteral("The picture does not fill the width of the screen: dark bands at both sides.");
    case Horizontal::Tearing:
        return QStringLiteral("The picture is torn sideways into slanting bars.");
    case Horizontal::BowedSides:
        return QStringLiteral("The sides of the picture bow inwards.");
    case Horizontal::Unlocked:
        return QStringLiteral("The picture will not lock sideways: it breaks into slanting bars, bends "
                              "and sits shifted, and the hold control holds it only for a moment.");
    case Horizontal::Normal:
    case Horizontal::Line: // said on its own: the rest of the picture is folded into it
        break;
    }
    return {};
}

// What a dead gun does to white: the two guns left make their mixture.
QString missingPrimary(const char* primary, const char* white)
{
    return QStringLiteral("There is no %1 anywhere on the screen: white shows as %2.")
        .arg(QLatin1String(primary), QLatin1String(white));
}

// The colour faults that a blank raster can show: a missing gun tints it and purity blotches stain it;
// the others need colour in the picture to be seen.
bool showsOnBlankRaster(Colour colour)
{
    return colour == Colour::NoRed || colour == Colour::NoGreen || colour == Colour::NoBlue ||
           colour == Colour::Purity || colour == Colour::RedFlood;
}

QString colourOf(Colour colour)
{
    switch (colour) {
    case Colour::None:
        return QStringLiteral("There is no colour: the picture is in black and white.");
    case Colour::NoRed:
        return missingPrimary("red", "cyan");
    case Colour::NoGreen:
        return missingPrimary("green", "magenta");
    case Colour::NoBlue:
        return missingPrimary("blue", "yellow");
    case Colour::WrongHues:
        return QStringLiteral("Every hue is turned the same way, as the Tint control turns them: faces "
                              "look green or purple.");
    case Colour::PaleReds:
        return QStringLiteral("Reds turn a dark olive brown, skin tones go greenish and cyans pale; greys stay grey.");
    case Colour::PaleBlues:
        return QStringLiteral("Blues turn almost black and yellows pale, nearly white; greys stay grey.");
    case Colour::PaleGreens:
        return QStringLiteral("Greens come out dark and magentas pale; greys stay grey.");
    case Colour::AxisShifted:
        return QStringLiteral("One family of hues is wrong while the others are right, and no Tint "
                              "setting puts them all right.");
    case Colour::Unlocked:
        return QStringLiteral("The colours drift through the picture in slanting rainbow bands.");
    case Colour::Purity:
        return QStringLiteral("Blotches of the wrong colour stain the screen, mostly near the corners.");
    case Colour::Misconvergence:
        return QStringLiteral("Red and blue fringes stand beside every edge in the picture.");
    case Colour::WeakRedGun:
        return QStringLiteral("Reds are dim and smeared, trailing to the right, and whites take a cyan "
                              "tint; turning the brightness up makes it worse.");
    case Colour::RedFlood:
        return QStringLiteral("The screen is flooded with red, with red retrace lines across it; the "
                              "brightness control hardly changes it.");
    case Colour::Normal:
        break;
    }
    return {};
}

// What the lit screen shows, sentence by sentence: how bright, how it is swept, what it carries.
QStringList screenOf(const Appearance& a)
{
    if (a.raster == Raster::None)
        return {QStringLiteral("The screen is dark.")};
    QStringList said;
    const auto add = [&said](const QString& sentence) {
        if (!sentence.isEmpty())
            said << sentence;
    };
    add(brightnessOf(a.raster));
    if (a.horizontal == Horizontal::Line) {
        // Every line of the picture drawn over the same spot: only the line's colour can still be told.
        said << QStringLiteral("A single bright vertical line down the middle of the screen.");
    } else if (a.vertical == Vertical::Line) {
        // The whole picture is folded into the line: only its length and colour can still be told.
        said << QStringLiteral("A single bright horizontal line across the middle of the screen.");
        if (a.horizontal == Horizontal::Narrow)
            said << QStringLiteral("The line stops short of both sides.");
        if (a.colour == Colour::NoRed || a.colour == Colour::NoGreen || a.colour == Colour::NoBlue)
            add(colourOf(a.colour));
    } else {
        const bool picture = a.content != Content::Blank && a.content != Content::SnowOnly;
        add(contentOf(a.content));
        add(verticalOf(a.vertical));
        add(horizontalOf(a.horizontal));
        if (picture || showsOnBlankRaster(a.colour))
            add(colourOf(a.colour));
    }
    const bool collapsed = a.vertical == Vertical::Line || a.horizontal == Horizontal::Line;
    if (a.brightnessShifted && !collapsed)
        said << QStringLiteral("The black level has moved: blacks show grey and the whole picture is too "
                               "bright.");
    if (a.humBars && !collapsed)
        said << QStringLiteral("Dark hum bars drift slowly up the screen.");
    if (said.isEmpty())
        said << QStringLiteral("A normal picture in full colour.");
    return said;
}
} // namespace

QString describe(const Appearance& appearance)
{
    // A dead set shows nothing and plays nothing; what is left to tell is its standby light, and a switching
    // supply that keeps trying to start.
    if (appearance.power == Power::Dead && appearance.sound == Sound::Chirp)
        return QStringLiteral("The set is dead: the screen stays dark and the set only ticks or chirps; the "
                              "standby light is %1.")
            .arg(appearance.standbyLight ? QLatin1String("lit") : QLatin1String("off"));
    if (appearance.power == Power::Dead)
        return appearance.standbyLight
                   ? QStringLiteral("The set is dead: the screen stays dark and there is no sound, but the "
                                    "standby light is lit.")
                   : QStringLiteral("The set is dead: the screen stays dark, there is no sound and the "
                                    "standby light is off.");
    return (screenOf(appearance) << soundOf(appearance.sound)).join(u' ');
}

} // namespace trainer
