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
};

// What the lit raster carries.
enum class Content {
    Normal,
    Blank, // a clean raster with no picture on it
    Snow,  // the picture (or none) buried in noise
    Weak,  // a faint, low-contrast picture with little snow
    Smear, // the picture smeared to the right, edges trailing
};

enum class Vertical {
    Normal,
    Line,        // a single bright horizontal line across the middle
    Roll,        // the picture rolls: a dark bar (the vertical blanking) runs through it
    FoldTop,     // the top of the picture folded over on itself
    CrampedBottom, // the bottom of the picture squeezed, the top stretched
    Short,       // the picture does not fill the screen's height
};

enum class Horizontal {
    Normal,
    Narrow,     // the picture does not fill the screen's width: dark bands at both sides
    Tearing,    // lines torn sideways into diagonal bars
    BowedSides, // the sides bowed inwards (pincushion not corrected)
};

enum class Colour {
    Normal,
    None,           // black and white only
    NoRed,          // one primary missing
    NoGreen,
    NoBlue,
    WrongHues,      // colours present but the wrong hues (faces green or purple)
    Unlocked,       // colours present but drifting through the picture in diagonal rainbow bands
    Purity,         // blotches of wrong colour, mostly near the corners
    Misconvergence, // coloured fringes beside the edges of the picture
};

enum class Sound {
    Normal,
    None,
    Buzz,
    Hum,
    Distorted,
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
    Sound sound = Sound::Normal;

    friend bool operator==(const Appearance&, const Appearance&) = default;
};

// The appearance in words, as a technician would tell it: what the screen shows, then what the set
// sounds like ("A single bright horizontal line across the middle of the screen. Sound is normal.").
QString describe(const Appearance& appearance);

} // namespace trainer
