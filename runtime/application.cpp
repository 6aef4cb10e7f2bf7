#include "runtime/application.h"

#include "runtime/accessible.h"
#include "runtime/design.h"
#include "runtime/pictures.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace fw {

void choosePlatform()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb;wayland");
}

void initApplication(QApplication& app)
{
    QApplication::setApplicationName(QStringLiteral("Fernwick"));
    QApplication::setApplicationVersion(QStringLiteral("2.0"));
    QApplication::setDesktopFileName(QStringLiteral("org.fernwick.Fernwick"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(QApplication::style()->standardPalette());
    QApplication::setFont(controlFont(8.25));
    QApplication::setWindowIcon(programIcon());
    app.setQuitOnLastWindowClosed(false);
    installAccessibility();
    // The screens' windows must go while the application object exists, before the registry's own end
    // among the static objects: the application's destructor runs this first, whatever its caller did.
    qAddPostRoutine(&shutdownApplication);
}

void shutdownApplication()
{
    Registry::instance().reset();
}

} // namespace fw
