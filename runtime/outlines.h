#pragma once
// What a diagram draws round its boxes: the problem area's heavier outline and the focus frame.

class QWidget;

namespace fw {

// Marks a diagram box (white on red), a picture (red background) or a knob (red fill) as a problem area.
void highlight(QWidget* control);

// Shows the keyboard focus of a box, picture or knob that does not show it itself: a frame in the desktop's
// focus colour drawn just outside the control, where a problem area's outline lies, so nothing moves.
void frameFocus(QWidget* control);
bool hasFocusFrame(const QWidget* control);

} // namespace fw
