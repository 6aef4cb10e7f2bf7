// The bare Qt window start-up is measured against: one label. The program ends a second after its first
// paint, long enough for the measuring script to see the window. With --fill-display the window is placed
// as the main menu is: as large as the display, maximised and given the focus; it then pays what any window
// of that size pays for its first paint.
#include <QApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

namespace {
class Hello : public QLabel
{
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        QTimer::singleShot(1000, qApp, &QApplication::quit);
    }
};
} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Hello hello(QStringLiteral("Hello"));
    hello.setWindowTitle(QStringLiteral("Hello"));
    const bool fill = app.arguments().contains(QLatin1String("--fill-display"));
    if (fill) {
        hello.setGeometry(QApplication::primaryScreen()->geometry());
        hello.setWindowState(Qt::WindowMaximized);
    } else {
        hello.resize(320, 200);
    }
    hello.show();
    if (fill)
        hello.activateWindow();
    return app.exec();
}
