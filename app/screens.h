#pragma once
// The one list of the program's screens. Whatever goes over every screen (tests, tools) takes them from
// here, so that a new screen is listed once, in screens.cpp.

#include <span>
#include <vector>

namespace fw {
class Screen;
}

// A screen's accessor: calling it names the screen, which creates its object but not its window.
using ScreenAccessor = fw::Screen& (*)();

// Every screen's accessor, each once: the main menu, the calculators, the symptom screens, the diagrams and
// their pages.
std::span<const ScreenAccessor> screenAccessors();

// Names every screen, so that the registry holds them all, and returns them in the order of the list.
std::vector<fw::Screen*> nameEveryScreen();
