#pragma once

namespace fw {
class Screen;

// Where a screen puts itself when it is created: the main menu fills the display, the TV Dead screen is
// centred both ways, every other screen is centred across at its own top edge. Each screen calls one of these
// from its Form_Load; a screen hidden and shown again keeps its place.

// Centred across the display, its top edge `top` twips from the display's top; most screens sit at 300.
void place(Screen& screen, double top = 300);
// Centred both ways.
void centre(Screen& screen);
// The whole display. Under a window manager the window is maximised instead, so that the window manager fits
// it, frame and all, into the area it gives.
void fillDisplay(Screen& screen);

} // namespace fw
