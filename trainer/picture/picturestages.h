#pragma once
// The set's stages as they act on the symptom picture, one scan line at a time: what the video stages, the
// colour stages and the tube do to the light the sweep has put on a row. Shared by the picture's drawing
// (setpicture.cpp) and nothing else.

#include "trainer/model/appearance.h"

#include <QImage>

#include <vector>

namespace trainer::stages {

struct Rgb
{
    float r = 0, g = 0, b = 0;
};

inline float luma(const Rgb& c)
{
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

// What every row of one picture shares: the appearance, the sizes, the pattern and what depends on the
// column alone.
struct Frame
{
    Frame(const Appearance& appearance, QSizeF size, qreal scale);

    const Appearance& a;
    QSize pixels;
    int width, height;
    float fw, fh;
    float px;   // device pixels to a logical pixel
    float unit; // device pixels to a pixel of a 240-line screen: what scales with the tube's face
    bool dead, line, blank, snowOnly;
    bool vline; // no horizontal sweep: the field drawn down one column at the middle
    const QImage* pattern = nullptr;         // null where no picture reaches the screen
    std::vector<float> across;               // each column's place across the screen, 0 to 1
    std::vector<float> sheen;                // each column's share of the glass's reflection
    std::vector<float> chromaCos, chromaSin; // each column's share of a drifting chroma phase
};

// The tuner and IF: snow from a weak or missing signal (a faint picture, turned down after the detector,
// washed towards grey without it), and an overloaded IF's crushed, folded picture.
void addSnow(const Frame& f, int y, const std::vector<int>& columns, std::vector<Rgb>& row);
void overload(const Frame& f, int y, const std::vector<int>& columns, std::vector<Rgb>& row);

// The video stages after the detector: the luminance lost, a ghost, a smear, the sound's beat.
void video(const Frame& f, int y, float v, const std::vector<int>& columns, std::vector<Rgb>& row);

// The colour stages: no colour, wrong or drifting hues, a colour-difference channel lost, purity stains.
void tint(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row);

// The tube's light: hum bars, a dim, too bright or shifted picture.
void light(const Frame& f, float v, const std::vector<int>& columns, std::vector<Rgb>& row);

// A tube whose high voltage sags: every spot grows, the bright ones most. `rows` holds the whole picture,
// row by row.
void defocus(const Frame& f, std::vector<Rgb>& rows);

} // namespace trainer::stages
