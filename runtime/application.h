#pragma once

class QApplication;

namespace fw {

// Sets the look every screen is designed for (style, default font, window icon) and lets only an explicit
// End or a close box end the program.
void initApplication(QApplication& app);

// Destroys every screen before the application object goes.
void shutdownApplication();

} // namespace fw
