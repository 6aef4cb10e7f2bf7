// Start-up until the first paint: starts a program and waits for its window, by title, to be shown and
// painted on the X display; prints the milliseconds since the start and ends the program. Painted means
// the window's top-left corner shows something other than the black of the server's background, which a
// window shows until its program draws into it (run the server with -br).
//   firstpaint TITLE MIN_WIDTH PROGRAM [ARG...]
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {
double msSince(const timespec& start)
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec - start.tv_sec) * 1e3 +
           static_cast<double>(now.tv_nsec - start.tv_nsec) / 1e6;
}

std::string title(Display* display, Window window)
{
    Atom type = 0;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::string name;
    if (XGetWindowProperty(display, window, XA_WM_NAME, 0, 256, False, AnyPropertyType, &type, &format,
                           &count, &after, &data) == Success &&
        data) {
        name.assign(reinterpret_cast<const char*>(data), count);
        XFree(data);
    }
    return name;
}

// A shown top-level window of this title and at least this width, or 0.
Window find(Display* display, const std::string& wanted, int minWidth)
{
    Window root = 0, parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count))
        return 0;
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes attributes{};
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            attributes.width >= minWidth && title(display, children[i]) == wanted)
            found = children[i];
    }
    if (children)
        XFree(children);
    return found;
}

bool painted(Display* display, Window window)
{
    XImage* image = XGetImage(display, window, 0, 0, 4, 4, AllPlanes, ZPixmap);
    if (!image)
        return false;
    const bool drawn = XGetPixel(image, 2, 2) != 0;
    XDestroyImage(image);
    return drawn;
}
} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fputs("usage: firstpaint TITLE MIN_WIDTH PROGRAM [ARG...]\n", stderr);
        return 2;
    }
    const std::string wanted = argv[1];
    const int minWidth = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fputs("firstpaint: cannot open the display\n", stderr);
        return 1;
    }
    timespec start{};
    clock_gettime(CLOCK_MONOTONIC, &start);
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    int status = 1;
    while (msSince(start) < 20000) {
        if (waitpid(child, nullptr, WNOHANG) == child) {
            std::fprintf(stderr, "firstpaint: %s ended before painting a window\n", argv[3]);
            return 1;
        }
        const Window window = find(display, wanted, minWidth);
        if (window && painted(display, window)) {
            std::printf("%.0f\n", msSince(start));
            status = 0;
            break;
        }
        usleep(1000);
    }
    if (status)
        std::fprintf(stderr, "firstpaint: no painted window \"%s\" within 20 s\n", wanted.c_str());
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    return status;
}
