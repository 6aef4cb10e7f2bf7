#pragma once
// The history's writer: lives on a thread of its own with a connection of its own, opens the database
// (setting up, bringing forward or recovering it) and writes each exercise in one transaction. What it
// cannot write now (another program holds the lock, the disk is full) it keeps and retries every half
// second, and keeps meanwhile in a file beside the history (trainer/history/storeside.h) that a later start writes
// in, should the program close or be killed first. After each step it reports where it stands; the
// report is made on its thread.

#include "trainer/exercise/record.h"

#include <QObject>
#include <QSqlDatabase>
#include <QUuid>

#include <deque>
#include <functional>
#include <variant>
#include <vector>

class QTimer;

namespace trainer {

class StoreWriter : public QObject
{
public:
    enum class State {
        Opening,
        Writable, // every exercise handed over is written, or being retried
        Locked,   // another program holds the lock: readable, written once it is free
        ReadOnly, // the file or its folder is read-only, or a newer program wrote it: readable, never written
        Unusable, // no history at all: this run's exercises are only in memory
    };
    struct Report
    {
        State state = State::Opening;
        QString sentence;         // the state in one sentence; empty when all is well
        QString notice;           // something the student is still to see (a recovered history)
        int unsent = 0;           // written exercises of a signed-in student that the class server lacks
        std::vector<QUuid> written; // exercises written since the last report
        std::vector<ExerciseRecord> adopted; // exercises an earlier run left beside the history, to be written
    };
    using Reporter = std::function<void(const Report&)>;

    StoreWriter(const QString& path, const QString& connection, int busyMilliseconds, Reporter reporter);
    ~StoreWriter() override;

    // Each runs on the writer's thread.
    void start();
    void record(const ExerciseRecord& exercise);
    void markSent(const QUuid& id);
    void noticeSeen();
    // A last try to write what waits, waiting up to `milliseconds` for a lock, then the connection closes.
    void finish(int milliseconds);

private:
    struct Sent { QUuid id; };
    struct Seen {};
    using Job = std::variant<ExerciseRecord, Sent, Seen>;

    void drain();
    bool open();
    enum class Setup { Ready, Stopped, Damaged };
    Setup setUp();
    bool setAsideAndRecover();
    QString moveAside();
    int carryOver(const QString& aside);
    bool run(const Job& job, QSqlError& error);
    void stop(State state, const QString& sentence);
    void locked();
    void report();
    bool keepAside();
    QString keptAside(int waiting, bool kept) const;
    QSqlDatabase db() const;

    QString m_path;
    QString m_connection;
    int m_busy;
    Reporter m_reporter;
    QTimer* m_retry = nullptr;
    State m_state = State::Opening;
    bool m_ready = false; // opened and set up
    int m_withoutReadings = 0; // exercises carried over from a damaged copy whose readings were lost
    QString m_sentence;
    QString m_notice;
    std::deque<Job> m_jobs;
    std::vector<QUuid> m_written;
    std::vector<ExerciseRecord> m_adopted;
    std::vector<QUuid> m_aside;     // exercises and marks in the side file, taken out of it once written
    QString m_sideNotice;           // an unreadable side file set aside, to be kept as a notice
};

} // namespace trainer
