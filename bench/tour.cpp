// The whole program walked once on the real window system: every road of clicks that leads to a screen
// (the same roads the screenshots take), each screen shown, exposed and painted. Its peak resident memory
// is the program's after a full tour (see startup.sh).

#include "app/module1.h"
#include "roads.h"
#include "runtime/application.h"
#include "runtime/screen.h"
#include "runtime/services.h"

#include <QApplication>
#include <QTest>
#include <QTextStream>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    fw::initApplication(app);
    Module1::Register();
    fw::RecordingServices services; // answers message boxes at once, as a user clicking OK would
    services.display = fw::QtServices().displaySize(); // but places screens on the real display
    fw::ServicesScope scope(services);
    int toured = 0;
    for (const Road& road : roads()) {
        fw::Registry::instance().reset();
        QWidget* window = road.walk();
        if (!window || !QTest::qWaitForWindowExposed(window)) {
            QTextStream(stderr) << "could not show " << road.file << "\n";
            return 1;
        }
        QApplication::processEvents();
        ++toured;
    }
    fw::shutdownApplication();
    QTextStream(stdout) << toured << " screens toured\n";
    return 0;
}
