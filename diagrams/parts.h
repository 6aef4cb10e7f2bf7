#pragma once
// The pieces the block diagrams are drawn with, so that every diagram draws a circuit block, a knob's
// caption and a knob's lead the same way.

#include "runtime/controls.h"
#include "runtime/design.h"

namespace diagrams {

// A circuit block: bold black words on white, wrapped; the words carry no meaning, so they cannot be edited.
inline fw::Ctl block(const QString& name, const QString& text, int left, int top, int width, int height)
{
    return fw::textArea(name, text, left, top, width, height)
        .bold(8.25)
        .fore(fw::colors::black)
        .back(fw::colors::white)
        .readOnly();
}

// The blue caption of a knob or of a blue lead.
inline fw::Ctl blueLabel(const QString& name, const QString& caption, int left, int top, int width,
                         int height)
{
    return fw::label(name, caption, left, top, width, height).bold(8.25).fore(fw::colors::blue);
}

// A blue line: the short stroke that joins a knob to the block it adjusts, or a blue connection.
inline fw::Ctl blueLine(const QString& name, int x1, int y1, int x2, int y2)
{
    return fw::line(name, x1, y1, x2, y2).fore(fw::colors::blue);
}

} // namespace diagrams
