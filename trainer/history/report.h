#pragma once
// What the history tells: the figures of the progress view, and the exercises as CSV.

#include "trainer/exercise/record.h"

#include <QString>

#include <vector>

namespace trainer {

// A thing the student did not find, and how often: a faulty stage, or the failed part of a stage they
// named rightly.
struct Missed
{
    QString stage; // area id
    QString part;  // the failed part as the result names it ("open winding"); empty: the stage was missed
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

// The failed part of a fault, as the result names it ("open winding"); empty for a fault this program no
// longer knows.
QString failedPart(const QString& faultId);
// Whether the stage the student named was the faulty one: the fault's own stage, or one that is the same short.
bool stageFound(const ExerciseRecord& exercise);
// A fault as the fault list names it; the id itself for a fault this program no longer knows.
QString faultTitle(const QString& faultId);
// Who did an exercise: the signed-in student, or "this computer".
QString studentName(const ExerciseRecord& exercise);
// Who chose the fault: "instructor", "assignment", "instructor mode" or "random".
QString chosenBy(Chosen chosen);

// The exercises as CSV (RFC 4180): a header row, then one row per exercise, every field quoted, stages and
// faults named as the screens name them, the readings and the part checks of an exercise each in one field,
// one line each.
QString toCsv(const std::vector<ExerciseRecord>& exercises);

} // namespace trainer
