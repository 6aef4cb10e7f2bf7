#pragma once
// What the history's tests share: an exercise with every field set, a field-by-field comparison, a file's
// bytes, a history of a few exercises, and another process holding a history's write lock (the test target
// names its helper program as STORE_WRITER).

#include "trainer/exercise/record.h"
#include "trainer/history/store.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTest>

#include <memory>

namespace storetest {

using trainer::ExerciseRecord;
using trainer::Store;

inline ExerciseRecord exercise(const QString& faultId, const QString& stage, const QString& named, bool right)
{
    ExerciseRecord e;
    e.finished = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53, 589), Qt::UTC);
    e.faultId = faultId;
    e.faultStage = stage;
    e.stageNamed = named;
    e.partNamed = right ? QStringLiteral("open winding") : QString();
    e.right = right;
    e.readings = {{stage, QStringLiteral("0 V, typically 20 to 40 V peak to peak"), false},
                  {QStringLiteral("horizontal-output"), QString(), true}};
    e.checks = {{QStringLiteral("winding"), QStringLiteral("found open"), true}};
    e.safetySlips = 1;
    e.seconds = 321;
    e.optimum = 3;
    e.measurements = 1;
    return e;
}

inline void compare(const ExerciseRecord& got, const ExerciseRecord& want)
{
    QCOMPARE(got.id, want.id);
    QCOMPARE(got.student, want.student);
    QCOMPARE(got.chosen, want.chosen);
    QCOMPARE(got.assignment, want.assignment);
    QCOMPARE(got.finished, want.finished);
    QCOMPARE(got.faultId, want.faultId);
    QCOMPARE(got.faultStage, want.faultStage);
    QCOMPARE(got.stageNamed, want.stageNamed);
    QCOMPARE(got.partNamed, want.partNamed);
    QCOMPARE(got.right, want.right);
    QCOMPARE(got.safetySlips, want.safetySlips);
    QCOMPARE(got.seconds, want.seconds);
    QCOMPARE(got.optimum, want.optimum);
    QCOMPARE(got.measurements, want.measurements);
    QCOMPARE(got.readings.size(), want.readings.size());
    for (std::size_t i = 0; i < want.readings.size(); ++i) {
        QCOMPARE(got.readings[i].stage, want.readings[i].stage);
        QCOMPARE(got.readings[i].text, want.readings[i].text);
        QCOMPARE(got.readings[i].refused, want.readings[i].refused);
    }
    QCOMPARE(got.checks.size(), want.checks.size());
    for (std::size_t i = 0; i < want.checks.size(); ++i) {
        QCOMPARE(got.checks[i].part, want.checks[i].part);
        QCOMPARE(got.checks[i].finding, want.checks[i].finding);
        QCOMPARE(got.checks[i].failed, want.checks[i].failed);
    }
}

// The files of a folder, less the write-ahead log and its index, which SQLite makes and removes as
// connections come and go, and the file of exercises waiting beside a locked history.
inline QStringList databaseFiles(const QString& folder)
{
    QStringList files = QDir(folder).entryList(QDir::Files);
    files.removeIf([](const QString& f) {
        return f.endsWith(QLatin1String("-wal")) || f.endsWith(QLatin1String("-shm")) ||
               f.endsWith(QLatin1String(".waiting"));
    });
    return files;
}

inline QByteArray bytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline void write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    f.write(data);
}

// Runs statements on a connection of the test's own, as another program would.
inline void sql(const QString& path, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(path);
        QVERIFY(db.open());
        for (const QString& s : statements)
            QVERIFY2(QSqlQuery(db).exec(s), qPrintable(s));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

inline void history(const QString& path, int exercises)
{
    Store store(path);
    for (int i = 0; i < exercises; ++i)
        store.record(exercise(QStringLiteral("fault-%1").arg(i), QStringLiteral("damper"),
                              QStringLiteral("damper"), true));
    QVERIFY2(store.wait(), qPrintable(store.problem()));
}

// Another process holding the history's write lock until the returned handle goes.
inline std::shared_ptr<QProcess> locker(const QString& path)
{
    auto p = std::make_shared<QProcess>();
    p->start(QStringLiteral(STORE_WRITER), {path, QStringLiteral("lock")});
    [&] { QVERIFY(p->waitForReadyRead(10000) && p->readAllStandardOutput() == "locked\n"); }();
    return std::shared_ptr<QProcess>(p.get(), [p](QProcess*) {
        p->kill();
        p->waitForFinished();
    });
}

} // namespace storetest
