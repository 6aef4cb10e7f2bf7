// Asks a window to close the way a window manager does when the user clicks its close box: a
// WM_DELETE_WINDOW message of the WM_PROTOCOLS kind, sent to the window. The virtual X server the tests
// run on has no window manager, and so no close box to click.
//   closebox WINDOW_ID
#include <X11/Xlib.h>
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: closebox WINDOW_ID\n", stderr);
        return 2;
    }
    char* end = nullptr;
    const Window window = std::strtoul(argv[1], &end, 0);
    if (!end || *end || window == 0) {
        std::fprintf(stderr, "closebox: not a window id: %s\n", argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("closebox: cannot open the display\n", stderr);
        return 1;
    }
    XEvent event{};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    return sent ? 0 : 1;
}
