#pragma once
// What the two tuner pages share: how their antenna and arrows are drawn, and the way on to the
// channel/frequency converter.

#include "runtime/design.h"

namespace tuners {

// The lines are named Line<n>, counting on from `number`, which is left at the last one used.
// An antenna: a triangle standing on its point at (x, pointY), `size` twips wide and high. Three lines.
void addAntenna(fw::Design& design, int& number, int x, int pointY, int size, int lineWidth);

// An arrow along a horizontal or vertical shaft from (x1, y1) to (x2, y2): the shaft and, at (x2, y2), a
// single short stroke as its head. Two lines.
void addArrow(fw::Design& design, int& number, int x1, int y1, int x2, int y2, int lineWidth);

// Shows the channel/frequency converter: "Go to channel/frequency convertor" on either tuner page.
void showConverter();

} // namespace tuners
