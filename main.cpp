#include "app/module1.h"
#include "app/settingsplace.h"
#include "runtime/application.h"
#include "runtime/language.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    fw::beginStartUp();
    fw::choosePlatform();
    QApplication app(argc, argv);
    fw::initApplication(app);
    app::nameOrganisation(); // before anything reads the settings, the language among them
    app::carryOverSettings(app::oldSettingsFile());
    fw::useLanguage(fw::startLanguage());
    Module1::Main();
    const int status = QApplication::exec();
    fw::shutdownApplication();
    return status;
}
