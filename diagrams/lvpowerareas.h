#pragma once
// Which parts of the low-voltage power and deflection diagram each symptom marks as a problem area. The
// diagram highlights the controls named here; the tables are data so that a new code is one row.

#include <QStringList>

namespace lvpower {

// What the raster problems screen leaves behind: whether it led to the diagram, and which of its four
// symptoms was chosen.
struct RasterSymptom
{
    bool fromRaster = false;     // Option5
    bool noRaster = false;       // Option1, "No raster at all"
    bool horizontalLine = false; // Option2, "Horizontal line only"
    bool verticalLine = false;   // Option3, "Vertical line only"
    bool pincushion = false;     // Option4, "Pincushion distortion"
};

// The boxes and picture a raster symptom marks, in the order they turn red; none unless the raster screen
// led here. The first symptom set wins: no raster or vertical line, then horizontal line, then pincushion.
QStringList rasterAreas(const RasterSymptom& symptom);

// The seven areas a dead set is narrowed to.
QStringList tvDeadAreas();

// The box or knob a picture problem code marks; none for 0 and for codes that point elsewhere.
QStringList pictureAreas(int pictureProblemCode);

} // namespace lvpower
