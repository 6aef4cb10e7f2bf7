#include "app/module1.h"
#include "runtime/application.h"
#include "runtime/language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    fw::beginStartUp();
    fw::choosePlatform();
    QApplication app(argc, argv);
    fw::initApplication(app);
    fw::useLanguage(fw::startLanguage());
    Module1::Main();
    const int status = QApplication::exec();
    fw::shutdownApplication();
    return status;
}
