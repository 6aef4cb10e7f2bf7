// Records exercises into a history, as the trainer does, for the tests that kill it half-way or run two at
// once: store_writer PATH TAG COUNT (0: until killed). Prints the number of each exercise once it is
// recorded.

#include "trainer/store.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    trainer::Store store(args[1]);
    QTextStream err(stderr);
    if (!store.isOpen()) {
        err << store.problem() << Qt::endl;
        return 1;
    }
    const int count = args[3].toInt();
    for (int n = 1; count == 0 || n <= count; ++n) {
        trainer::ExerciseRecord e;
        e.finished = QDateTime::currentDateTimeUtc();
        e.faultId = QStringLiteral("%1-%2").arg(args[2]).arg(n);
        e.faultStage = QStringLiteral("vertical-yoke");
        // Enough readings that a write spans several pages, so that a kill can land in the middle of one.
        for (int i = 0; i < 40; ++i)
            e.readings.push_back(
                {QStringLiteral("stage-%1").arg(i), QString(200, QChar(u'a' + i % 26)), i % 7 == 0});
        e.measurements = 40;
        if (!store.record(e)) {
            err << store.problem() << Qt::endl;
            return 1;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    return 0;
}
