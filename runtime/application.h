#pragma once

class QApplication;

namespace fw {

// Chooses the display connection before the application object is made. On a Wayland desktop that also
// offers X (XWayland), the screens go through X: a Wayland client cannot place its own windows, and every
// screen places itself. Without X, they run as a Wayland client. A platform the user names wins.
void choosePlatform();

// Starts reading the fonts on a thread of its own: the font configuration while the application object
// connects to the display, the font database once initApplication() is called. The first text measured would
// otherwise read both then. Called first thing in main(), before the application object is made.
void beginStartUp();

// Sets the look every screen is designed for (style, default font, window icon) and lets only an explicit
// End or a close box end the program.
void initApplication(QApplication& app);

// Destroys every screen. The application object does it on its way out in any case; calling it earlier
// (as the program does once its event loop ends) only makes the moment explicit.
void shutdownApplication();

} // namespace fw
