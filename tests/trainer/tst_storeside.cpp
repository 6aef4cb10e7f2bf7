// Exercises that cannot be written now are kept in a file beside the history, on real files with a real
// second process holding the lock: neither closing nor a kill (SIGKILL) loses them, the next start writes
// each once and only then removes the file, and a file that cannot be read is set aside unchanged.

#include "../support/storefiles.h"
#include "trainer/history/storeside.h"

#include <QDate>
#include <QTemporaryDir>

using namespace storetest;

class tst_storeside : public QObject
{
    Q_OBJECT
private slots:
    void closedWhileLockedKeepsItsExercises_data();
    void closedWhileLockedKeepsItsExercises();
    void unreadableSideFileIsSetAside_data();
    void unreadableSideFileIsSetAside();

private:
    QTemporaryDir m_dir;
};

// Exercises that wait for another program's lock are kept beside the history, so that neither closing nor a
// kill loses them, and the next start with the lock gone writes each of them once and only then removes the
// file.
void tst_storeside::closedWhileLockedKeepsItsExercises_data()
{
    QTest::addColumn<bool>("killed");            // kept aside by another process, killed (SIGKILL), not closed
    QTest::addColumn<bool>("lockedAtNextStart"); // the next start still finds the lock: they wait, shown
    QTest::addColumn<bool>("writtenAgain");      // the side file comes back after they were written
    QTest::newRow("closed, then started with the lock gone") << false << false << false;
    QTest::newRow("killed after keeping them aside") << true << false << false;
    QTest::newRow("still locked at the next start") << false << true << false;
    QTest::newRow("side file back after they were written") << false << false << true;
}

void tst_storeside::closedWhileLockedKeepsItsExercises()
{
    QFETCH(bool, killed);
    QFETCH(bool, lockedAtNextStart);
    QFETCH(bool, writtenAgain);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString path = folder.filePath("trainer.sqlite");
    const QString side = trainer::storeside::pathFor(path);
    ExerciseRecord past = exercise("past", "damper", "damper", true);
    past.id = QUuid::createUuid();
    past.student = QStringLiteral("ann");
    {
        Store store(path);
        store.record(past);
        QVERIFY(store.wait());
    }
    std::vector<ExerciseRecord> waiting;
    std::shared_ptr<QProcess> lock = locker(path);
    if (killed) {
        QProcess child;
        child.start(QStringLiteral(STORE_WRITER), {path, "spill", "2"});
        QByteArray out;
        while (!out.contains("kept\n") && child.waitForReadyRead(30000))
            out += child.readAllStandardOutput();
        QCOMPARE(out, QByteArray("kept\n"));
        child.kill();
        QVERIFY(child.waitForFinished());
        for (const char* id : {"spill-1", "spill-2"})
            waiting.push_back(exercise(id, "vertical-yoke", "", false));
    } else {
        waiting = {exercise("kept aside", "damper", "damper", true), exercise("kept too", "fuse", "tuner", false)};
        waiting[0].student = QStringLiteral("ann");
        waiting[0].chosen = trainer::Chosen::ByAssignment;
        waiting[0].assignment = QStringLiteral("week 3");
        Store store(path, 100);
        for (ExerciseRecord& e : waiting) {
            e.id = QUuid::createUuid();
            store.record(e);
        }
        QTRY_VERIFY2(store.problem().endsWith(QStringLiteral("2 exercises wait to be saved as soon as it is free, and "
                                                             "are kept meanwhile beside it in trainer.sqlite.waiting.")),
                     qPrintable(store.problem()));
        store.markSent(past.id);
    } // closes, waiting a moment for the lock, then keeps the mark aside too
    QVERIFY(QFile::exists(side));
    if (lockedAtNextStart) {
        const QByteArray kept = bytes(side);
        {
            Store store(path, 100);
            QTRY_VERIFY2(store.problem().contains("locked by another program: 2 exercises wait"),
                         qPrintable(store.problem()));
            QCOMPARE(store.exercises().size(), std::size_t(3));
            QCOMPARE(store.waiting(), 1); // ann's kept exercise, counted while it waits
        }
        QCOMPARE(bytes(side), kept);
    }
    lock.reset();
    const QByteArray kept = bytes(side);
    for (int start = 0; start < (writtenAgain ? 2 : 1); ++start) {
        if (start > 0)
            write(side, kept); // as if killed between writing them in and removing the file
        Store store(path);
        QVERIFY2(store.wait(), qPrintable(store.problem()));
        QVERIFY2(store.problem().isEmpty(), qPrintable(store.problem()));
        QVERIFY(!QFile::exists(side));
        const std::vector<ExerciseRecord> got = store.exercises();
        QCOMPARE(got.size(), std::size_t(3));
        compare(got[0], past);
        for (std::size_t i = 0; i < waiting.size(); ++i)
            if (killed)
                QCOMPARE(got[i + 1].faultId, waiting[i].faultId);
            else
                compare(got[i + 1], waiting[i]);
        QCOMPARE(store.waiting(), 1); // ann's past exercise marked sent, or ann's new one, not both
    }
}

void tst_storeside::unreadableSideFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("content");
    trainer::storeside::Waiting one;
    one.exercises.push_back(exercise("lost?", "damper", "damper", true));
    one.exercises.back().id = QUuid::createUuid();
    const QByteArray whole = trainer::storeside::toJson(one);
    QTest::newRow("cut short") << whole.left(whole.size() / 2);
    QTest::newRow("a newer version") << QByteArray(whole).replace("\"version\": 1", "\"version\": 2");
    QTest::newRow("an exercise without its id") << QByteArray(whole).replace("\"id\"", "\"ID\"");
    QTest::newRow("no exercises") << QByteArray("{}");
}

void tst_storeside::unreadableSideFileIsSetAside()
{
    QFETCH(QByteArray, content);
    QTemporaryDir folder(m_dir.filePath("XXXXXX"));
    const QString path = folder.filePath("trainer.sqlite");
    history(path, 1);
    const QString side = trainer::storeside::pathFor(path);
    write(side, content);
    Store store(path);
    QVERIFY(store.wait());
    const QString aside = side + "-unreadable-" + QDate::currentDate().toString(Qt::ISODate);
    QCOMPARE(store.problem(), QStringLiteral("The exercises an earlier run kept beside the history could not be "
                                             "read: the file is kept unchanged as %1.")
                                  .arg(QDir::toNativeSeparators(aside)));
    QCOMPARE(bytes(aside), content);
    QVERIFY(!QFile::exists(side));
    QCOMPARE(store.exercises().size(), std::size_t(1));
}

QTEST_GUILESS_MAIN(tst_storeside)
#include "tst_storeside.moc"
