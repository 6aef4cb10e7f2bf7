#pragma once

namespace fw {
class Screen;
}

// Where a screen puts itself when it is created: the main menu fills the display, the TV Dead screen is
// centred both ways, every other screen is centred across at its own top edge. Each screen calls this from
// its Form_Load; a screen hidden and shown again keeps its place.
void place(fw::Screen& screen);
