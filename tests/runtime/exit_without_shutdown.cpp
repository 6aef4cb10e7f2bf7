// A program that embeds the screens and ends without tearing them down itself: it begins the start-up as
// the program does, opens a few screens, unloads one (its window awaits deletion) and returns from main.
// The runtime must take its screens down, and stop its font reader, while the application object still
// exists, so that this ends with status 0. With --before-application it returns before making the
// application object at all: the font reader, left waiting for it, must not hold up the exit.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "runtime/application.h"

#include <QApplication>

#include <cstring>

int main(int argc, char** argv)
{
    fw::beginStartUp();
    if (argc > 1 && std::strcmp(argv[1], "--before-application") == 0)
        return 0;
    QApplication app(argc, argv);
    fw::initApplication(app);
    Module1::Main();
    frmOne::get().Option1()->click();
    frmDead::get().Command1()->click();
    frmDead::get().cmdReturn()->click(); // unloads the TV Dead screen
    QApplication::processEvents();
    return frmOne::get().isShown() && !frmDead::get().isLoaded() ? 0 : 1;
}
