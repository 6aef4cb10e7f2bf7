#include "runtime/placement.h"

#include "runtime/screen.h"
#include "runtime/services.h"

namespace fw {

void place(Screen& screen, double top)
{
    const QSizeF display = services().displaySize();
    screen.setTop(top);
    screen.setLeft(display.width() / 2 - screen.Width() / 2);
}

void centre(Screen& screen)
{
    const QSizeF display = services().displaySize();
    screen.setTop((display.height() - screen.Height()) / 2);
    screen.setLeft((display.width() - screen.Width()) / 2);
}

void fillDisplay(Screen& screen)
{
    const QSizeF display = services().displaySize();
    screen.setWidth(display.width());
    screen.setHeight(display.height());
    screen.setTop(0);
    screen.setLeft(0);
    screen.setMaximized(true); // under a window manager: the whole work area, frame and all
}

} // namespace fw
