#include "runtime/mainmenu.h"

#include "runtime/screen.h"

namespace fw {

namespace {
Screen& (*g_mainMenu)() = nullptr;
}

void setMainMenu(Screen& (*menu)())
{
    g_mainMenu = menu;
}

void showMainMenu()
{
    Q_ASSERT_X(g_mainMenu, "fw::showMainMenu", "the program names its main menu at start-up");
    if (g_mainMenu)
        g_mainMenu().Show();
}

} // namespace fw
