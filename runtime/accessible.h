#pragma once
// What assistive technology is told about a screen's window and its option buttons, where Qt's own
// description would mislead: a screen's window is a frame named by its caption, a picture is an image, and
// an option button is a radio button whose press acts as a click does.

namespace fw {

// Installs the descriptions for the whole program; once, before the first screen is shown.
void installAccessibility();

} // namespace fw
