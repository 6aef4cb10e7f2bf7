#pragma once
// The trainer's history: every finished exercise, kept in a SQLite database in the user's data folder.
//
// Each exercise is written in one transaction, into a write-ahead log, so a program killed half-way loses at
// most the exercise it was writing. Two copies of the program may record at once: a writer waits its turn for a few seconds.
// A database this program cannot use is never changed: a locked, read-only or newer one is left as it is;
// an unreadable or damaged one is renamed beside itself (its bytes untouched) so that the next start
// begins a fresh history. Either way the store says why in one sentence, and this run keeps no history.
//
// The SQLite driver loads when the first store is made, never at start-up.

#include "trainer/record.h"

#include <QString>

#include <vector>

namespace trainer {

class Store
{
public:
    // How long a writer or reader waits for another copy of the program to finish with the database.
    static constexpr int kBusyMilliseconds = 5000;

    static QString defaultPath(); // QStandardPaths::AppDataLocation + "/trainer.sqlite"
    // Opens the database, creating it and its folder when they are not there.
    explicit Store(const QString& path = defaultPath(), int busyMilliseconds = kBusyMilliseconds);
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    bool isOpen() const { return m_open; }        // false: the trainer runs without history
    QString problem() const { return m_problem; } // one clear sentence when it cannot be used, else empty
    QString path() const { return m_path; }

    bool record(const ExerciseRecord& exercise);   // one transaction; false (with problem()) on failure
    std::vector<ExerciseRecord> exercises() const; // oldest first

private:
    void open(int busyMilliseconds);
    bool setUp();
    // Gives up on the database for this run with the sentence for what went wrong.
    void refuse(const QString& nativeCode, const QString& driverText);
    void moveAside();

    QString m_path;
    QString m_connection;
    bool m_open = false;
    QString m_problem;
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

// A stage whose faults the student did not find, and how often.
struct Missed
{
    QString stage; // area id
    int times = 0;
};

// What the progress view shows, worked out from the history.
struct Progress
{
    int exercises = 0;
    int right = 0;
    int measurements = 0; // powered measurements taken, over every exercise
    int optimum = 0;      // the half-split optima, over every exercise
    int safetySlips = 0;
    std::vector<Missed> missed; // most often missed first; a tie in the order first missed
};

Progress progress(const std::vector<ExerciseRecord>& exercises);

// The exercises as CSV (RFC 4180): a header row, then one row per exercise, every field quoted, the readings
// of an exercise in one field, one line each.
QString toCsv(const std::vector<ExerciseRecord>& exercises);

} // namespace trainer
