#include "runtime/services.h"

#include "runtime/design.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>

namespace fw {

namespace {
QtServices& realServices()
{
    static QtServices real;
    return real;
}
Services* g_current = nullptr;
} // namespace

Services& services()
{
    return g_current ? *g_current : realServices();
}

ServicesScope::ServicesScope(Services& replacement) : m_previous(g_current)
{
    g_current = &replacement;
}

ServicesScope::~ServicesScope()
{
    g_current = m_previous;
}

void QtServices::MsgBox(const QString& message, const QString& title)
{
    Screen* active = Registry::instance().activeScreen();
    QMessageBox box(QMessageBox::NoIcon, title, message, QMessageBox::Ok,
                    active && active->isLoaded() ? active->window() : nullptr);
    box.exec();
}

void QtServices::Beep()
{
    QApplication::beep();
}

bool renderClientArea(QWidget* client, QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const QRect page = painter.viewport();
    const qreal scale =
        std::min(qreal(page.width()) / client->width(), qreal(page.height()) / client->height());
    painter.scale(scale, scale);
    client->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return painter.end();
}

PrintResult QtServices::PrintForm(QWidget* client)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return {false, QStringLiteral("The instructions could not be printed: no printer is set up.")};
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setDocName(client->windowTitle());
    if (!printer.isValid())
        return {false,
                QStringLiteral("The instructions could not be printed: the printer is not available.")};
    // A printer that cannot take the job fails to start or finish the page.
    if (!renderClientArea(client, printer) || printer.printerState() == QPrinter::Error ||
        printer.printerState() == QPrinter::Aborted)
        return {false, QStringLiteral("The instructions could not be printed: the printer refused the job.")};
    return {};
}

void QtServices::End()
{
    QCoreApplication::exit(0);
}

QSizeF QtServices::displaySize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize pixels = screen ? screen->size() : QSize(1024, 768);
    return QSizeF(pixels) * kTwipsPerPixel;
}

void RecordingServices::MsgBox(const QString& message, const QString& title)
{
    messages.push_back({title, message});
}

PrintResult RecordingServices::PrintForm(QWidget* client)
{
    if (!printFailure.isEmpty())
        return {false, printFailure};
    printed.push_back(client->grab().toImage());
    return {};
}

} // namespace fw
