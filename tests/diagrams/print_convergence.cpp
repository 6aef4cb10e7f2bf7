// The printouts through the program's own print path, for the spooler test:
//
//   print_convergence print       opens the convergence screen with the real services and presses "Print
//                                 Instructions"; exit status 0 when the screen reported no failure.
//   print_convergence check PAGE  looks at a rasterised page (any format Qt reads) and says whether it shows
//                                 the screen: exit status 0 when it does.
//   print_convergence print-notes opens the reading sheet of the low voltage diagram after TV Dead (F1) and
//                                 presses Print; exit status 0 when the sheet reported no failure.
//   print_convergence check-notes TEXT
//                                 reads the printed sheet's text and says whether it lists the red areas'
//                                 notes first, then the others: exit status 0 when it does.

#include "diagrams/frmConverg.h"
#include "diagrams/frmNotes.h"
#include "runtime/application.h"
#include "runtime/services.h"
#include "support/readingsheet.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTest>
#include <QTextStream>

namespace {
// The real services, except that a message box is written out instead of waiting for a click.
class ReportingServices : public fw::QtServices
{
public:
    int messages = 0;
    void MsgBox(const QString& message, const QString& title) override
    {
        ++messages;
        QTextStream(stderr) << "message box \"" << title << "\": " << message << "\n";
    }
};

int print()
{
    ReportingServices services;
    fw::ServicesScope scope(services);
    frmConverg& screen = frmConverg::get();
    screen.Show();
    QApplication::processEvents();
    QTest::mouseClick(screen.cmdPrint(), Qt::LeftButton);
    const bool stayed = screen.isShown() && fw::Registry::instance().activeScreen() == &screen;
    fw::shutdownApplication();
    if (!stayed) {
        QTextStream(stderr) << "the convergence screen did not stay after printing\n";
        return 1;
    }
    return services.messages == 0 ? 0 : 1;
}

int printNotes()
{
    ReportingServices services;
    fw::ServicesScope scope(services);
    fw::test::openTvDeadSheet();
    frmNotes& sheet = frmNotes::get();
    const bool opened = sheet.isShown();
    if (opened)
        QTest::mouseClick(sheet.cmdPrint(), Qt::LeftButton);
    fw::shutdownApplication();
    if (!opened) {
        QTextStream(stderr) << "F1 did not open the reading sheet\n";
        return 1;
    }
    return services.messages == 0 ? 0 : 1;
}

int checkNotes(const QString& file)
{
    QFile text(file);
    if (!text.open(QIODevice::ReadOnly | QIODevice::Text)) {
        QTextStream(stdout) << "cannot read " << file << "\n";
        return 1;
    }
    const QString printed = QString::fromUtf8(text.readAll());
    const QString fault = fw::test::faultOfTvDeadSheet(printed);
    fw::shutdownApplication();
    QTextStream(stdout) << (fault.isEmpty() ? QStringLiteral("the red areas come first") : fault) << "\n";
    return fault.isEmpty() ? 0 : 1;
}

// A page shows the screen when the part of it not left white has the screen's proportions, fills the
// printable width, carries text (a share of dark pixels, neither none nor most) and looks like the screen
// itself: scaled to the same size, the two differ little, pixel by pixel.
int check(const QString& file)
{
    QTextStream out(stdout);
    const QImage page = QImage(file).convertToFormat(QImage::Format_Grayscale8);
    if (page.isNull()) {
        out << "cannot read " << file << "\n";
        return 1;
    }
    QRect painted;
    qint64 dark = 0;
    for (int y = 0; y < page.height(); ++y) {
        const uchar* row = page.constScanLine(y);
        for (int x = 0; x < page.width(); ++x) {
            if (row[x] < 250)
                painted |= QRect(x, y, 1, 1);
            if (row[x] < 128)
                ++dark;
        }
    }
    if (painted.isEmpty()) {
        out << "the page is blank\n";
        return 1;
    }
    frmConverg& screen = frmConverg::get();
    screen.Show();
    const QImage shown = screen.window()->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    fw::shutdownApplication();

    // Compared at half the screen's size, where the printer's finer text and the screen's agree.
    const QSize size = shown.size() / 2;
    const QImage printed = page.copy(painted).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage expected = shown.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    qint64 difference = 0;
    for (int y = 0; y < printed.height(); ++y)
        for (int x = 0; x < printed.width(); ++x)
            difference += std::abs(int(printed.constScanLine(y)[x]) - int(expected.constScanLine(y)[x]));
    const double meanDifference = double(difference) / (double(printed.width()) * printed.height());
    const double darkShare = double(dark) / (double(painted.width()) * painted.height());
    const double aspect = double(painted.width()) / painted.height();
    const double wanted = double(shown.width()) / shown.height();
    out << "page " << page.width() << "x" << page.height() << ", screen area " << painted.width() << "x"
        << painted.height() << " at " << painted.x() << "," << painted.y() << ", proportions " << aspect
        << " (screen " << wanted << "), dark share " << darkShare << ", mean difference from the screen "
        << meanDifference << " of 255\n";
    const bool proportions = std::abs(aspect - wanted) < 0.015 * wanted;
    const bool fillsWidth = painted.width() > page.width() * 0.8;
    const bool text = darkShare > 0.01 && darkShare < 0.5;
    const bool likeTheScreen = meanDifference < 15;
    return proportions && fillsWidth && text && likeTheScreen ? 0 : 1;
}
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    fw::initApplication(app);
    const QStringList args = QApplication::arguments().mid(1);
    if (args.value(0) == QLatin1String("print"))
        return print();
    if (args.value(0) == QLatin1String("check") && args.size() == 2)
        return check(args[1]);
    if (args.value(0) == QLatin1String("print-notes"))
        return printNotes();
    if (args.value(0) == QLatin1String("check-notes") && args.size() == 2)
        return checkNotes(args[1]);
    QTextStream(stderr) << "usage: print_convergence print | check PAGE | print-notes | check-notes TEXT\n";
    return 2;
}
