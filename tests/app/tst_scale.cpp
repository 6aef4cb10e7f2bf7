// At twice the scale (QT_SCALE_FACTOR=2, as on a high-density display) pictures are drawn at the display's
// own resolution, and every screen keeps its layout in logical pixels.

#include "app/frmOne.h"
#include "app/screens.h"
#include "runtime/application.h"
#include "runtime/pictures.h"
#include "support/program.h"

#include <QApplication>
#include <QPainter>
#include <QProcess>
#include <QSvgRenderer>
#include <QTest>
#include <QTextStream>

#include <cstdlib>

using namespace fw;
using fw::test::ProgramScope;

namespace {

QString rect(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// Every screen's client size and every control's geometry, one line each, in logical pixels.
QStringList layout()
{
    QStringList lines;
    for (Screen* screen : nameEveryScreen()) {
        lines << screen->name() + QLatin1Char(' ') + rect(QRect(QPoint(), screen->window()->size()));
        for (QWidget* w : screen->controls())
            lines << screen->name() + QLatin1Char('.') + w->objectName() + QLatin1Char(' ') +
                         rect(w->geometry());
    }
    lines.sort();
    return lines;
}

int channelJump(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
}
// The mean difference of two images of one size, per pixel, over the three colour channels.
double meanDifference(const QImage& a, const QImage& b)
{
    double total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            total += channelJump(a.pixel(x, y), b.pixel(x, y));
    return total / (a.width() * a.height());
}

// Abrupt changes between two device pixels of one logical pixel (device pixels 2k and 2k+1), across and
// down. A drawing made at half the resolution and enlarged changes there by at most half a step.
int sharpInside(const QImage& image, int threshold)
{
    int sharp = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); x += 2)
            if (channelJump(image.pixel(x - 1, y), image.pixel(x, y)) > threshold)
                ++sharp;
    for (int y = 1; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); ++x)
            if (channelJump(image.pixel(x, y - 1), image.pixel(x, y)) > threshold)
                ++sharp;
    return sharp;
}
} // namespace

class tst_scale : public QObject
{
    Q_OBJECT
private slots:
    void runsAtTwiceTheScale();
    void pictureIsDrawnAtDeviceResolution();
    void everyScreenKeepsItsLayout();
};

void tst_scale::runsAtTwiceTheScale()
{
    QCOMPARE(qgetenv("QT_SCALE_FACTOR"), QByteArray("2"));
    ProgramScope program;
    frmOne::get().Show();
    QCOMPARE(frmOne::get().window()->devicePixelRatioF(), 2.0);
}

void tst_scale::pictureIsDrawnAtDeviceResolution()
{
    ProgramScope program;
    frmOne::get().Show();
    PictureBox* tv = frmOne::get().control<PictureBox>(QStringLiteral("pctTV"));
    const QPixmap grabbed = tv->grab();
    QCOMPARE(grabbed.devicePixelRatio(), 2.0);
    QCOMPARE(grabbed.size(), tv->size() * 2);
    const QImage image = grabbed.toImage().convertToFormat(QImage::Format_RGB32);
    // Two drawings of the same picture on the box's background: one made at the device resolution, one
    // made at the ordinary resolution and enlarged, as a blurred runtime would show it.
    const QString tvPicture = QStringLiteral(":/assets/tv.svg");
    const QSize size = pictureSize(tvPicture);
    const QColor background = image.pixelColor(0, 0);
    QImage sharp(size * 2, QImage::Format_RGB32);
    sharp.fill(background);
    {
        QPainter painter(&sharp);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(tvPicture).render(&painter, QRectF(QPointF(), QSizeF(size * 2)));
    }
    QImage small(size, QImage::Format_RGB32);
    small.fill(background);
    {
        QPainter painter(&small);
        painter.setRenderHint(QPainter::Antialiasing);
        QSvgRenderer(tvPicture).render(&painter, QRectF(QPointF(), QSizeF(size)));
    }
    const QImage enlarged = small.scaled(size * 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage shown = image.copy(QRect(tv->contentsRect().topLeft() * 2, size * 2));
    const double toSharp = meanDifference(shown, sharp);
    const double toEnlarged = meanDifference(shown, enlarged);
    QVERIFY2(toSharp < 1.0 && toEnlarged > 4 * toSharp,
             qPrintable(QStringLiteral("%1 from the sharp drawing, %2 from the enlarged one")
                            .arg(toSharp)
                            .arg(toEnlarged)));
    // And where the drawing has a hard edge, two device pixels of one logical pixel differ by more than an
    // enlargement ever makes them.
    QVERIFY(sharpInside(shown, 400) > 0);
    QCOMPARE(sharpInside(enlarged, 400), 0);
}

void tst_scale::everyScreenKeepsItsLayout()
{
    QStringList scaled;
    {
        ProgramScope program;
        scaled = layout();
    }
    // The same program at the ordinary scale, in a process of its own.
    QProcess plain;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_SCALE_FACTOR"), QStringLiteral("1"));
    plain.setProcessEnvironment(env);
    plain.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--layout")});
    QVERIFY(plain.waitForFinished(60000));
    QCOMPARE(plain.exitCode(), 0);
    const QStringList ordinary =
        QString::fromUtf8(plain.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY(ordinary.size() > 500);
    QCOMPARE(scaled, ordinary);
}

int main(int argc, char** argv)
{
    if (argc > 1 && QByteArray(argv[1]) == "--layout") {
        QApplication app(argc, argv);
        fw::initApplication(app);
        {
            ProgramScope program;
            QTextStream out(stdout);
            for (const QString& line : layout())
                out << line << '\n';
        }
        fw::shutdownApplication();
        return 0;
    }
    tst_scale test;
    return fw::test::runGuiTest(test, argc, argv);
}

#include "tst_scale.moc"
