#pragma once
// What assistive technology is told about a screen's window and its option buttons, where Qt's own
// description would mislead: a screen's window is a frame named by its caption, a picture is an image, and
// an option button is a radio button whose press acts as a click does. A label is read with the text it
// shows, whatever name it was given: that name, what the label is, becomes its description.

class QWidget;

namespace fw {

// Installs the descriptions for the whole program; once, before the first screen is shown.
void installAccessibility();

// Announces a label, box, text box or picture that acts when clicked as a push button whose press clicks
// it (emits its Click). Before the control is first shown.
void offerPress(QWidget* control);

} // namespace fw
