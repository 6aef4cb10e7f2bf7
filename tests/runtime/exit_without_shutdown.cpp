// A program that embeds the screens and ends without tearing them down itself: it opens a few screens,
// unloads one (its window awaits deletion) and returns from main. The runtime must take its screens down
// while the application object still exists, so that this ends with status 0.

#include "app/frmOne.h"
#include "app/module1.h"
#include "diagnosis/frmDead.h"
#include "runtime/application.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    fw::initApplication(app);
    Module1::Main();
    frmOne::get().Option1()->click();
    frmDead::get().Command1()->click();
    frmDead::get().cmdReturn()->click(); // unloads the TV Dead screen
    QApplication::processEvents();
    return frmOne::get().isShown() && !frmDead::get().isLoaded() ? 0 : 1;
}
