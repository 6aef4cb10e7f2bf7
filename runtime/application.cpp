#include "runtime/application.h"

#include "runtime/accessible.h"
#include "runtime/design.h"
#include "runtime/pictures.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <qdrawutil.h>

namespace fw {

namespace {
// Fusion, with one change of means and none of look: Fusion loads its group box frame through the image
// plugins, letting every installed plugin probe the file, which loads them all (and their libraries) the
// first time a frame is drawn, during the main menu's first paint. Here the same picture is read as the
// PNG it is, and drawn as Fusion draws it.
class Style : public QProxyStyle
{
public:
    Style() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        static const QPixmap frame = [] {
            QImageReader reader(QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"),
                                "png");
            reader.setAutoDetectImageFormat(false);
            return QPixmap::fromImage(reader.read());
        }();
        if (element != PE_FrameGroupBox || frame.isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const int gap = 3; // Fusion's space above a group box's frame
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int top = box && !box->isCheckable() && box->title().isEmpty()
                            ? gap
                            : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + gap;
        qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6), frame);
    }
};
} // namespace

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
    QApplication::setStyle(new Style);
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
