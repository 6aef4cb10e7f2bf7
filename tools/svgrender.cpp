// Renders an SVG with the same renderer the program uses, to check a picture by eye:
//     fernwick_svgrender picture.svg out.png [scale]
// It prints the picture's natural size; a feature the renderer does not support draws nothing.

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() < 3) {
        QTextStream(stderr) << "usage: fernwick_svgrender picture.svg out.png [scale]\n";
        return 2;
    }
    QSvgRenderer renderer(args.at(1));
    if (!renderer.isValid()) {
        QTextStream(stderr) << "not a valid SVG for Qt: " << args.at(1) << "\n";
        return 1;
    }
    const double scale = args.size() > 3 ? args.at(3).toDouble() : 1.0;
    const QSize size = renderer.defaultSize();
    QImage image(size * scale, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter);
    painter.end();
    QTextStream(stdout) << "natural size " << size.width() << " x " << size.height() << "\n";
    return image.save(args.at(2)) ? 0 : 1;
}
