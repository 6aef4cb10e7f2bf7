#pragma once
// One finished exercise of the trainer, as the history keeps it.

#include <QDateTime>
#include <QString>

#include <vector>

namespace trainer {

struct RecordedReading
{
    QString stage; // the area id measured
    QString text;  // the reading as the student saw it
    bool refused;  // refused for want of the isolation transformer (a safety slip)
};

struct ExerciseRecord
{
    QDateTime finished; // UTC
    QString faultId;
    QString faultStage; // the area id of the faulty stage
    std::vector<RecordedReading> readings; // in the order taken
    int safetySlips = 0;
    int seconds = 0;       // from "New set" to the answer
    QString stageNamed;    // the area id the student named
    QString partNamed;     // the part the student named; empty when the stage was wrong
    bool right = false;    // stage and part both right
    int optimum = 0;       // the fewest measurements a half-split search needs
    int measurements = 0;  // the powered measurements taken
};

} // namespace trainer
