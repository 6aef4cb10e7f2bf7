#include "runtime/application.h"

#include "runtime/accessible.h"
#include "runtime/design.h"
#include "runtime/pictures.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QFontDatabase>
#include <QGroupBox>
#include <QIcon>
#include <QImageReader>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <qdrawutil.h>

#include <condition_variable>
#include <fontconfig/fontconfig.h>
#include <mutex>
#include <thread>

namespace fw {

namespace {
// The start-up's second thread: it reads the font configuration while the application object connects to
// the display, then, once the application object exists, builds the font database while the main thread
// sets the look and draws the first screen's pictures. The first text measured waits for it as needed.
struct FontReader
{
    std::mutex lock;
    std::condition_variable_any applicationMade;
    bool made = false;
    std::jthread thread; // last, so that it is joined before the rest goes
};

FontReader& fontReader()
{
    static FontReader reader;
    return reader;
}

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
            QImageReader reader(
                QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png"), "png");
            reader.setAutoDetectImageFormat(false);
            return QPixmap::fromImage(reader.read());
        }();
        if (element != PE_FrameGroupBox || frame.isNull()) {
            QProxyStyle::drawPrimitive(element, option, painter, widget);
            return;
        }
        const int gap = 3; // Fusion's space above a group box's frame
        const auto* box = qobject_cast<const QGroupBox*>(widget);
        const int top =
            box && !box->isCheckable() && box->title().isEmpty()
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

void beginStartUp()
{
    fontReader().thread = std::jthread([](std::stop_token stop) {
        FcInit();
        FontReader& reader = fontReader();
        std::unique_lock lock(reader.lock);
        if (!reader.applicationMade.wait(lock, stop, [&reader] { return reader.made; }))
            return;
        lock.unlock();
        QFontDatabase::families();
    });
}

void initApplication(QApplication& app)
{
    {
        const std::lock_guard lock(fontReader().lock);
        fontReader().made = true;
    }
    fontReader().applicationMade.notify_all();
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
    if (fontReader().thread.joinable()) {
        fontReader().thread.request_stop();
        fontReader().thread.join();
    }
    Registry::instance().reset();
}

} // namespace fw
