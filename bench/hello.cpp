// The bare Qt window start-up is measured against: one label. The program ends a second after its first
// paint, long enough for the measuring script to see the window.
#include <QApplication>
#include <QLabel>
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
    hello.resize(320, 200);
    hello.show();
    return app.exec();
}
