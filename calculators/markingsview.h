#pragma once
// The parts of the component markings screen that are drawn rather than designed: the resistor's bands and
// the captions under them, in twips; the colour swatches and the ring that shows their focus; and the result
// lines, read out as what they say.

#include "calculators/bands.h"
#include "runtime/label.h"

#include <QColor>
#include <QString>
#include <QWidget>

namespace markingsview {

using markings::Color;

constexpr int kMostBands = 6;

// The drawn resistor: body, bands and the captions under them, in twips.
constexpr int kBodyLeft = 2400, kBodyTop = 840, kBodyWidth = 4800, kBodyHeight = 840;
constexpr int kBandWidth = 330, kBandMargin = 420;
// Three lines: the colour, and a meaning such as "no tolerance" that wraps at its space. Wide enough for a
// coefficient such as "100 ppm/K" on one line, wider than the bands of a 6-band part stand apart: a caption's
// text is centred, so that neighbours' texts still stand clear of each other.
constexpr int kCaptionWidth = 840, kCaptionTop = kBodyTop + kBodyHeight + 60, kCaptionHeight = 720;

constexpr int kSwatchLeft = 240, kSwatchStep = 705, kSwatchTop = 2520;

QString bandName(int i);
QString captionName(int i);
QString swatchName(Color color);
QColor paint(Color color);
QString nameOf(Color color);
// The left edge of band i of `count` on the body: evenly spaced, a lone band in the middle.
int bandLeft(int i, int count);

// A fresh screen shows a 4-band part with no band chosen: the design draws it, so that opening costs nothing
// more.
constexpr int kFreshCount = 4;

// The band the next colour goes to has a heavy outline, a chosen one a thin one, the others none. The outline
// is black on a light band and white on a dark one, so that it shows on every colour.
void markCurrent(fw::Label* band, bool current, bool chosen, const QColor& fill);

// The ring round a colour swatch that has the keyboard focus: black outside, white inside, so that it shows
// on every colour. It lies over the swatch, which keeps its clicks and keys.
class FocusRing : public QWidget
{
public:
    explicit FocusRing(QWidget* swatch);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent*) override;
};

// A result is read out as what it says; an empty one as what it is for, the name the design gives it.
constexpr char kRole[] = "resultRole";
void showResult(fw::Label* label, const QString& text);

// What band `i` of `count` stands for, written under it: a digit, a multiplier, a tolerance, a coefficient.
QString meaning(Color color, int i, int count);

} // namespace markingsview
