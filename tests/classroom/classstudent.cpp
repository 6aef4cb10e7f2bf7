// A student's trainer reduced to its outbox: writes exercises locally, then sends them, as the real one does.
//   classstudent HOST PORT LOGIN PASSWORD CLASS FOLDER record N   write and send N exercises, one after another
//   classstudent HOST PORT LOGIN PASSWORD CLASS FOLDER crash N    write N exercises, then die before sending
//   classstudent HOST PORT LOGIN PASSWORD CLASS FOLDER flush      send what the folder holds
// Exits 0 when the outbox is empty at the end, 1 with the sentence on stderr when the server refused.

#include "fileoutbox.h"

#include "classroom/classserver.h"

#include <QCoreApplication>

#include <csignal>
#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 8)
        return 2;
    classroom::Connection c;
    c.host = args[1];
    c.port = args[2].toInt();
    c.name = args[3];
    c.password = args[4];
    c.sslmode = QStringLiteral("disable");
    const QString className = args[5];
    FileOutbox outbox(args[6]);
    const QString mode = args[7];
    const int n = args.value(8).toInt();
    classroom::ClassServer server(c);

    auto flush = [&] {
        for (const trainer::ExerciseRecord& e : outbox.unsent()) {
            const classroom::Outcome sent = server.send(className, e);
            if (!sent.ok()) {
                std::fprintf(stderr, "%s\n", qPrintable(sent.error));
                return false;
            }
            outbox.markSent(e.id);
        }
        return true;
    };
    if (mode == QLatin1String("crash")) {
        for (int i = 0; i < n; ++i)
            outbox.write(sampleExercise(i));
        std::raise(SIGKILL);
    }
    if (mode == QLatin1String("record"))
        for (int i = 0; i < n; ++i)
            if (!outbox.write(sampleExercise(i)) || !flush())
                return 1;
    return flush() ? 0 : 1;
}
