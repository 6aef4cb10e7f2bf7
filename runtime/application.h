#pragma once

class QApplication;

namespace fw {

// Sets the look every screen is designed for (style, default font, window icon) and lets only an explicit
// End or a close box end the program.
void initApplication(QApplication& app);

// Destroys every screen. The application object does it on its way out in any case; calling it earlier
// (as the program does once its event loop ends) only makes the moment explicit.
void shutdownApplication();

} // namespace fw
