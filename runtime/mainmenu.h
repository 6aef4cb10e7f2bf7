#pragma once

namespace fw {
class Screen;

// The program's main menu, which the way home of a symptom screen, a diagram or a utility shows. The
// program names it at start-up: the runtime and the screens know nothing above them.
void setMainMenu(Screen& (*menu)());
// Shows the main menu; does nothing when none was named.
void showMainMenu();

} // namespace fw
