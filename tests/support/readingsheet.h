#pragma once
// The reading sheet of the low voltage diagram after TV Dead, as the screen tests and the printing test
// read it.

#include <QString>

namespace fw::test {

// TV Dead, the isolated areas, Continue: the low voltage diagram with the TV Dead areas in red.
void toTvDeadDiagram();

// Then F1 on whatever has the keyboard focus there: the diagram's reading sheet.
void openTvDeadSheet();

// What is wrong with the order of the sheet's text, shown or printed, or nothing: the red areas' heading,
// the note of each TV Dead area, the other areas' heading, the notes of the diagram's other areas.
QString faultOfTvDeadSheet(const QString& text);

} // namespace fw::test
