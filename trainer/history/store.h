#pragma once
// The trainer's history: every finished exercise, kept in a SQLite database in the user's data folder, and
// the student's outbox for a class server (each exercise has its own id and a mark once the server has it).
//
// The window never waits on the database: the writes run on the history's own thread, with a connection
// of their own, and what they did comes back as changed(). Each exercise is written in one transaction
// into a write-ahead log, so a program killed half-way loses at most the exercise it was writing. One
// that cannot be written now (another program holds the lock, the disk is full) waits in memory and is
// written as soon as it can be; meanwhile it is kept in a small file beside the history, which a later start
// writes in should this run close or be killed first (trainer/history/storeside.h).
//
// A history this program cannot write is never changed: a read-only (or read-only folder), locked or newer
// one is read, shown and exported as it is. A damaged one is renamed aside whole (its bytes untouched), a
// fresh history begun at once, and every exercise that can still be read from the copy carried over; the
// notice of it is shown until a screen has shown it, on a later start if need be.
//
// The SQLite driver loads when the first store is made, never at start-up.

#include "trainer/exercise/record.h"
#include "trainer/history/report.h"

#include <QObject>
#include <QString>

#include <atomic>
#include <memory>
#include <vector>

class QThread;

namespace trainer {

class StoreWriter;

class Store : public QObject
{
    Q_OBJECT
public:
    // How long the writer waits for another program's lock before it tries again later, on its own thread.
    static constexpr int kBusyMilliseconds = 250;

    static QString defaultPath(); // the generic data folder + "/Fernwick/trainer.sqlite"
    // Opens the database on the writer's thread, creating it and its folder when they are not there.
    explicit Store(const QString& path = defaultPath(), int busyMilliseconds = kBusyMilliseconds);
    ~Store() override;

    QString path() const { return m_path; }
    bool isOpening() const { return m_state == kOpening; }
    // Whether this run's exercises are written (now, or once a lock clears); false: kept in memory only.
    bool isWritable() const;
    // The store as it is now, in one sentence (with the notice of a recovered history, until this run
    // ends); empty when all is well.
    QString problem() const;
    // The notice has been on a screen: a later start need not show it again.
    void noticeSeen();

    // Hands an exercise to the writer and returns at once.
    void record(const ExerciseRecord& exercise);
    // Every exercise, oldest first: those in the file (read on the calling thread, never waiting more than
    // a moment for a lock) and those still to be written (this run's, and an earlier run's kept beside it).
    std::vector<ExerciseRecord> exercises() const;

    // The outbox. Exercises of a signed-in student (a non-empty `student`) written here and not yet marked
    // sent, oldest first; read on the calling thread through a connection of its own, so a sender may call
    // it from its own thread. markSent may be called from any thread; the mark is written by the writer.
    std::vector<ExerciseRecord> unsent() const;
    void markSent(const QUuid& id);
    // How many exercises of a signed-in student the class server still lacks, those still to be written
    // here included.
    int waiting() const;

    // Waits (running events) until every exercise handed over is written: true; false when the time runs
    // out or this history is never written. For tests and command-line tools; a screen listens to changed().
    bool wait(int milliseconds = 30000);

signals:
    void changed(); // problem(), exercises() or waiting() may differ

private:
    enum State { kOpening, kWritable, kLocked, kReadOnly, kUnusable };
    void apply(int state, const QString& sentence, const QString& notice, int unsent,
               const std::vector<QUuid>& written, const std::vector<ExerciseRecord>& adopted);
    bool settled() const;
    std::vector<ExerciseRecord> read(bool unsentOnly) const;

    QString m_path;
    QString m_connection;
    QThread* m_thread = nullptr;
    StoreWriter* m_writer = nullptr; // lives on m_thread
    std::atomic<int> m_state{kOpening};
    QString m_sentence;
    QString m_notice;
    bool m_noticeSeen = false;
    int m_unsent = 0;
    std::vector<ExerciseRecord> m_pending; // handed to the writer, not yet reported written
};

// The history of this run: made, and its database opened, on first use; closed when the application ends.
Store& history();

// Makes `replacement` the history for as long as the scope lives (tests, and a store at another path).
class HistoryScope
{
public:
    explicit HistoryScope(Store& replacement);
    ~HistoryScope();
    HistoryScope(const HistoryScope&) = delete;
    HistoryScope& operator=(const HistoryScope&) = delete;

private:
    Store* m_previous;
};

} // namespace trainer
