#include "runtime/services.h"

#include "runtime/design.h"
#include "runtime/screen.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QTextDocument>

#include <memory>

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

bool QtServices::Ask(const QString& question, const QString& title)
{
    Screen* active = Registry::instance().activeScreen();
    QMessageBox box(QMessageBox::NoIcon, title, question, QMessageBox::Yes | QMessageBox::No,
                    active && active->isLoaded() ? active->window() : nullptr);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

QString QtServices::SaveFileName(const QString& title, const QString& suggested, const QString& filter)
{
    Screen* active = Registry::instance().activeScreen();
    return QFileDialog::getSaveFileName(active && active->isLoaded() ? active->window() : nullptr, title,
                                        suggested, filter);
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

namespace {
enum class Printed { Instructions, Notes };
enum class Why { NoPrinter, Unavailable, Refused };

// Why a page could not be printed, said whole for each thing printed, so that a translation words it freely.
QString failure(Printed what, Why why)
{
    static const char* const kSentences[2][3] = {
        {QT_TRANSLATE_NOOP("fw::Printing", "The instructions could not be printed: no printer is set up."),
         QT_TRANSLATE_NOOP("fw::Printing",
                           "The instructions could not be printed: the printer is not available."),
         QT_TRANSLATE_NOOP("fw::Printing",
                           "The instructions could not be printed: the printer refused the job.")},
        {QT_TRANSLATE_NOOP("fw::Printing", "The notes could not be printed: no printer is set up."),
         QT_TRANSLATE_NOOP("fw::Printing", "The notes could not be printed: the printer is not available."),
         QT_TRANSLATE_NOOP("fw::Printing", "The notes could not be printed: the printer refused the job.")},
    };
    return QCoreApplication::translate("fw::Printing",
                                       kSentences[static_cast<int>(what)][static_cast<int>(why)]);
}

// The default printer, ready for a job; null, with the reason, when there is none to use.
std::unique_ptr<QPrinter> defaultPrinter(const QString& jobName, Printed what, PrintResult& result)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        result = {false, failure(what, Why::NoPrinter)};
        return nullptr;
    }
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    printer->setDocName(jobName);
    if (!printer->isValid()) {
        result = {false, failure(what, Why::Unavailable)};
        return nullptr;
    }
    return printer;
}

// A printer that cannot take the job fails to start or finish the page.
PrintResult finished(const QPrinter& printer, bool painted, Printed what)
{
    if (!painted || printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return {false, failure(what, Why::Refused)};
    return {};
}
} // namespace

PrintResult QtServices::PrintForm(QWidget* client)
{
    const Printed what = Printed::Instructions;
    PrintResult result;
    const std::unique_ptr<QPrinter> printer = defaultPrinter(client->windowTitle(), what, result);
    if (!printer)
        return result;
    return finished(*printer, renderClientArea(client, *printer), what);
}

PrintResult QtServices::PrintDocument(const QTextDocument& document)
{
    const Printed what = Printed::Notes;
    PrintResult result;
    const std::unique_ptr<QPrinter> printer =
        defaultPrinter(document.metaInformation(QTextDocument::DocumentTitle), what, result);
    if (!printer)
        return result;
    document.print(printer.get());
    return finished(*printer, true, what);
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

PrintResult RecordingServices::PrintDocument(const QTextDocument& document)
{
    if (!printFailure.isEmpty())
        return {false, printFailure};
    printedDocuments.push_back(document.toPlainText());
    return {};
}

} // namespace fw
