#pragma once
// One finished exercise of the trainer, as the history keeps it.

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <vector>

namespace trainer {

struct RecordedReading
{
    QString stage; // the area id measured
    QString text;  // the reading as the student saw it
    bool refused;  // refused for want of the isolation transformer (a safety slip)
};

// A suspect part checked out of circuit, as the student saw the check.
struct RecordedCheck
{
    QString part;
    QString finding; // "found open", "checks good"
    bool failed = false;
};

// Who chose the fault on the bench.
enum class Chosen {
    AtRandom,     // drawn from the catalogue
    ByInstructor,     // picked from the fault list by the instructor signed in to the class
    ByAssignment,     // set by an assignment of the class server
    InInstructorMode, // picked from the fault list in instructor mode on this computer, nobody signed in
};

struct ExerciseRecord
{
    QUuid id;           // the exercise's own id, made when it finishes: a second send of it does nothing
    QString student;    // the signed-in student's name; empty when working alone on this computer
    Chosen chosen = Chosen::AtRandom;
    QString assignment; // the class server's id of the assignment it belongs to; empty when none
    QDateTime finished; // UTC
    QString faultId;
    QString faultStage; // the area id of the faulty stage
    std::vector<RecordedReading> readings; // in the order taken
    std::vector<RecordedCheck> checks;     // the part checks, in the order made
    int safetySlips = 0;
    int seconds = 0;       // from "New set" to the answer
    QString stageNamed;    // the area id the student named
    QString partNamed;     // the part the student named; empty when the stage was wrong
    bool right = false;    // stage and part both right
    int optimum = 0;       // the measurements this set's own half-split search takes
    int measurements = 0;  // the powered measurements taken
};

} // namespace trainer
