#include "diagrams/tuners.h"

#include "calculators/frmFreq.h"

#include <QString>

namespace tuners {

namespace {
constexpr int kHead = 150; // the arrowhead stroke, in twips along each axis

void addLine(fw::Design& design, int& number, int x1, int y1, int x2, int y2, int lineWidth)
{
    design.push_back(fw::line(QStringLiteral("Line%1").arg(++number), x1, y1, x2, y2).width(lineWidth));
}

int sign(int v)
{
    return (v > 0) - (v < 0);
}
} // namespace

void addAntenna(fw::Design& design, int& number, int x, int pointY, int size, int lineWidth)
{
    const int top = pointY - size;
    const int half = size / 2;
    addLine(design, number, x - half, top, x + half, top, lineWidth);
    addLine(design, number, x - half, top, x, pointY, lineWidth);
    addLine(design, number, x + half, top, x, pointY, lineWidth);
}

void addArrow(fw::Design& design, int& number, int x1, int y1, int x2, int y2, int lineWidth)
{
    addLine(design, number, x1, y1, x2, y2, lineWidth);
    // Back along the shaft and out to its left-hand side, whichever way it points.
    const int dx = sign(x2 - x1);
    const int dy = sign(y2 - y1);
    addLine(design, number, x2, y2, x2 - kHead * dx + kHead * dy, y2 - kHead * dy - kHead * dx, lineWidth);
}

void showConverter()
{
    frmFreq::get().Show();
}

} // namespace tuners
