#pragma once
// What the instructor's class view shows, from what the class server gives back: the rows of its tables, the
// bars of the most-missed stages, a student's success over time, and the class's exercises as CSV, every
// stage and fault named as the trainer's lists name them.
//
// Pure logic: the screen asks and shows; the tests build a class by hand.

#include "classroom/classserver.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace classwork {

// One student's row: name, exercises done, success rate, measurements against the optimum, safety slips,
// last exercise.
QStringList studentRow(const classroom::StudentSummary& s);
// The columns' headings, in the same order.
QStringList studentHeadings();

// One assignment's row: title, due date, who has finished it, who has not yet.
QStringList assignmentRow(const classroom::AssignmentProgress& a);
QStringList assignmentHeadings();

// A bar of the most-missed chart.
struct Bar
{
    QString label; // the stage as the diagrams name it
    int value = 0;
};
// The `most` stages most often missed, most first.
std::vector<Bar> missedBars(const std::vector<classroom::MissedStage>& missed, int most = 8);

// A point of a student's success over time: after each day's work, the share found so far (0 to 1).
struct RatePoint
{
    QDate day;
    double rate = 0;
    int exercises = 0; // so far
};
std::vector<RatePoint> successCurve(std::vector<classroom::SuccessPoint> days);

// An assignment's faults as the trainer lists them, or "Any fault".
QString faultsText(const QStringList& faultIds);

// One exercise as the instructor's list of a student's exercises shows it: when it was finished (local time),
// its fault, whether it was found, and "void" when it was marked so.
QString exerciseLine(const trainer::ExerciseRecord& exercise, bool isVoid);

// The class's exercises as CSV (RFC 4180), oldest first, void ones left out: student, assignment title,
// finished (UTC), fault, faulty stage, stage named, part named, right, measurements, optimum, safety slips,
// seconds.
QString classCsv(const std::vector<trainer::ExerciseRecord>& exercises,
                 const std::vector<classroom::Assignment>& assignments, const std::vector<QUuid>& voided = {});

} // namespace classwork
