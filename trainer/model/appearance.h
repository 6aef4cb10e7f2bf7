#pragma once
// What a colour set on the bench shows on its screen and sounds like. The set's model (the stages, their
// supplies and signals, the hidden fault) works this out; the symptom picture is drawn from it and the
// words that describe it are made from it, so the picture, its words and the model never disagree.
//
// Each member is one independent way a picture can go wrong; a working set has every member at its
// default. A dead set has `power` Dead and nothing else matters.

#include <QString>

namespace trainer {

enum class Power {
    On,
    Dead, // no raster, no sound, no standby light
};

// How much light the tube gives and how it is swept.
enum class Raster {
    Normal,
    None,      // dark screen: the tube gives no light at all
    Dark,      // a picture, but very dim
    TooBright, // washed out and too bright, retrace lines showing
    Blooming,  // dim, and on bright scenes the picture swells and goes out of focus (high voltage sagging)
};

// What the lit raster carries.
enum class Content {
    Normal,
    Blank, // a clean raster with no picture on it
    Snow,  // the picture (or none) buried in noise
    Weak,  // a faint, low-contrast picture with a little snow: too little IF gain, the signal itself good
    Smear, // the picture smeared to the right, edges trailing
    SnowOnly,   // snow and nothing under it: no picture at all
    NoDetail,   // the colours are there as soft blotches, but the picture's detail (luminance) is gone
    Ghost,      // a ghost or ringing edge beside each outline
    SoundBars,  // fine bars or a herringbone (the 4.5 MHz sound beat) through the picture
    Overloaded, // dark and contrasty or negative, colour beats, the top of the picture bending
    Faint,      // a faint, flat picture and no snow at all: the video's gain turned down after the detector
};

enum class Vertical {
    Normal,
    Line,        // a single bright horizontal line across the middle
    Roll,        // the picture rolls: a dark bar (the vertical blanking) runs through it
    FoldTop,     // the top of the picture folded over on itself
    CrampedBottom, // the bottom of the picture squeezed, the top stretched
    Short,       // the picture does not fill the screen's height
    NonLinear,   // the height is short and unevenly spread: lines crowded at one part of the picture
};

enum class Horizontal {
    Normal,
    Narrow,     // the picture does not fill the screen's width: dark bands at both sides
    Tearing,    // lines torn sideways into diagonal bars
    BowedSides, // the sides bowed inwards (pincushion not corrected)
    Unlocked,   // the picture will not lock: diagonal bars, bending and shifted sideways, the hold
                // brings it only briefly into step
    Line,       // no horizontal sweep: a single bright vertical line down the middle
};

enum class Colour {
    Normal,
    None,           // black and white only
    NoRed,          // one primary missing
    NoGreen,
    NoBlue,
    WrongHues,      // every hue turned one way, as the Tint control turns them, within its range
    PaleReds,       // R-Y lost: reds and skin tones pale, grey stays grey
    PaleBlues,      // B-Y lost: blues and yellows pale, grey stays grey
    PaleGreens,     // G-Y lost: greens pale, grey stays grey
    AxisShifted,    // one demodulator's axis moved: the hues of one family wrong, the rest right
    Unlocked,       // colours present but drifting through the picture in diagonal rainbow bands
    Purity,         // blotches of wrong colour, mostly near the corners
    Misconvergence, // coloured fringes beside the edges of the picture
    WeakRedGun,     // the red gun cannot give the current asked of it: reds dim and smeared to the right,
                    // bright parts short of red (cyan-tinted), worse as the brightness goes up
    RedFlood,       // the red gun held full on: the screen flooded red, its retrace lines showing
};

enum class Sound {
    Normal,
    None,      // silence
    Buzz,      // a harsh buzz at the field rate (the picture's sync getting into the sound)
    Hum,       // a low hum at the mains frequency or twice it
    Distorted,
    Hiss,      // the programme under a hiss of noise (a weak signal)
    Chirp,     // a ticking or chirping from the set itself (a switching supply starting and stopping)
};

struct Appearance
{
    Power power = Power::On;
    Raster raster = Raster::Normal;
    Content content = Content::Normal;
    Vertical vertical = Vertical::Normal;
    Horizontal horizontal = Horizontal::Normal;
    Colour colour = Colour::Normal;
    bool humBars = false; // one or two dark bars drifting slowly up the picture
    bool brightnessShifted = false; // the black level moved: the whole picture brighter or darker
    Sound sound = Sound::Normal;
    bool standbyLight = true; // the standby light, lit while the standby supply runs

    friend bool operator==(const Appearance&, const Appearance&) = default;
};

// The appearance in words, as a technician would tell it: what the screen shows, then what the set
// sounds like ("A single bright horizontal line across the middle of the screen. Sound is normal.").
QString describe(const Appearance& appearance);

} // namespace trainer
