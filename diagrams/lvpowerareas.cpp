#include "diagrams/lvpowerareas.h"

#include <QList>

namespace lvpower {

namespace {
const QStringList kHorizontalAndHighVoltage{"Text6",  "Text8",  "Text9",  "Text10",  "Text11",
                                            "Text12", "Text13", "Text14", "Picture1"};
const QStringList kVertical{"Text3", "Text4", "Text5", "Picture3"};
const QStringList kPincushion{"Text7"};

struct RasterRow
{
    bool RasterSymptom::*chosen;
    const QStringList* areas;
};

// Tried in order; the first symptom that is set decides.
const RasterRow kRasterRows[] = {
    {&RasterSymptom::noRaster, &kHorizontalAndHighVoltage},
    {&RasterSymptom::verticalLine, &kHorizontalAndHighVoltage},
    {&RasterSymptom::horizontalLine, &kVertical},
    {&RasterSymptom::pincushion, &kPincushion},
};

struct PictureRow
{
    QList<int> codes;
    QStringList areas;
};

// By the problem area chosen on the picture problems screen.
const PictureRow kPictureRows[] = {
    {{7}, {"Shape6"}},              // "Adjust horizontal hold control": the Horizontal Hold knob
    {{9}, {"Text10"}},              // "Check horizontal oscillator circuits"
    {{10, 14, 16}, {"Text2"}},      // "Check sync seperator"
    {{11}, {"Shape2"}},             // "Adjust vertical hold control": the Vertical Hold knob
    {{13}, {"Text3"}},              // "Check vertical deflection oscillator circuits"
    {{19}, {"Text16"}},             // "Check low voltage power supply filter circuits"
    {{23}, {"Shape3"}},             // "Adjust vertical linearity control": the Vertical Linearity knob
    {{24, 27}, {"Text3"}},          // "Vertical deflection oscillator"
    {{25, 28}, {"Text4", "Text5"}}, // "Vertical deflection amplifier": both stages
    {{26}, {"Shape4"}},             // "Adjust vertical height control": the Vertical Size knob
};
} // namespace

QStringList rasterAreas(const RasterSymptom& symptom)
{
    if (!symptom.fromRaster)
        return {};
    for (const RasterRow& row : kRasterRows)
        if (symptom.*row.chosen)
            return *row.areas;
    return {};
}

QStringList tvDeadAreas()
{
    return {"Text15", "Text16", "Text17", "Text8", "Text9", "Text13", "Text14"};
}

QStringList pictureAreas(int pictureProblemCode)
{
    for (const PictureRow& row : kPictureRows)
        if (row.codes.contains(pictureProblemCode))
            return row.areas;
    return {};
}

} // namespace lvpower
