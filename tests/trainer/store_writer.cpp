// Uses a history as another copy of the program would, for the tests that kill it half-way, run two at once
// or hold its lock:
//   store_writer PATH TAG COUNT  records COUNT exercises (0: until killed), printing the number of each once
//                                it is written;
//   store_writer PATH lock       holds the history's write lock, prints "locked", and keeps it until killed;
//   store_writer PATH spill COUNT records COUNT exercises while another holds the lock, prints "kept" once
//                                the history says they are kept beside it, and waits until killed.

#include "trainer/history/store.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {
int holdLock(const QString& path)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"));
    db.setDatabaseName(path);
    if (!db.open() || !QSqlQuery(db).exec(QStringLiteral("BEGIN EXCLUSIVE")))
        return 1;
    std::printf("locked\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}

trainer::ExerciseRecord exercise(const QString& tag, int n)
{
    trainer::ExerciseRecord e;
    e.finished = QDateTime::currentDateTimeUtc();
    e.faultId = QStringLiteral("%1-%2").arg(tag).arg(n);
    e.faultStage = QStringLiteral("vertical-yoke");
    // Enough readings that a write spans several pages, so that a kill can land in the middle of one.
    for (int i = 0; i < 40; ++i)
        e.readings.push_back({QStringLiteral("stage-%1").arg(i), QString(200, QChar(u'a' + i % 26)), i % 7 == 0});
    e.measurements = 40;
    return e;
}

int spill(const QString& path, int count)
{
    trainer::Store store(path, 100);
    for (int n = 1; n <= count; ++n)
        store.record(exercise(QStringLiteral("spill"), n));
    const QString kept = QStringLiteral("%1 exercises wait to be saved as soon as it is free, and are kept").arg(count);
    QEventLoop loop;
    QObject::connect(&store, &trainer::Store::changed, &loop, [&] {
        if (store.problem().contains(kept))
            loop.quit();
    });
    loop.exec();
    std::printf("kept\n");
    std::fflush(stdout);
    for (;;)
        QThread::sleep(60);
}
} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 3 && args[2] == QLatin1String("lock"))
        return holdLock(args[1]);
    if (args.size() == 4 && args[2] == QLatin1String("spill"))
        return spill(args[1], args[3].toInt());
    if (args.size() != 4)
        return 2;
    trainer::Store store(args[1]);
    QTextStream err(stderr);
    const int count = args[3].toInt();
    for (int n = 1; count == 0 || n <= count; ++n) {
        store.record(exercise(args[2], n));
        if (!store.wait(120000)) {
            err << store.problem() << Qt::endl;
            return 1;
        }
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
    return 0;
}
