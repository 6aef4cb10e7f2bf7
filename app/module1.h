#pragma once

namespace Module1 {
// Start-up: shows the main menu and returns; everything else happens in the screens' handlers.
void Main();
} // namespace Module1
