#pragma once

namespace Module1 {
// Tells the runtime what it needs of the program above it: the circuit notes each screen shows, and the
// main menu that a screen's way home shows. Start-up does it first; whatever shows screens without the
// start-up (tests, the screenshot renderer, the benchmarks) calls it once the application is set up.
void Register();

// Start-up: registers, shows the main menu and returns; everything else happens in the screens' handlers.
void Main();
} // namespace Module1
