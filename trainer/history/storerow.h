#pragma once
// An exercise's row as every store of exercises reads it, the local history and the class server alike: the
// columns an exercise has wherever it is kept, read in one order by one function.

#include "trainer/exercise/record.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QVariant>

namespace trainer {

// Reads the query's current row from column `first` on: finished, fault_id, fault_stage, safety_slips,
// seconds, stage_named, part_named, correct, optimum, measurements. The time may come as a timestamp (the
// class server) or as ISO 8601 text (SQLite); either is kept in UTC.
inline void readExerciseRow(const QSqlQuery& q, int first, ExerciseRecord& e)
{
    const QVariant finished = q.value(first);
    e.finished = (finished.typeId() == QMetaType::QDateTime
                      ? finished.toDateTime()
                      : QDateTime::fromString(finished.toString(), Qt::ISODateWithMs))
                     .toUTC();
    e.faultId = q.value(first + 1).toString();
    e.faultStage = q.value(first + 2).toString();
    e.safetySlips = q.value(first + 3).toInt();
    e.seconds = q.value(first + 4).toInt();
    e.stageNamed = q.value(first + 5).toString();
    e.partNamed = q.value(first + 6).toString();
    e.right = q.value(first + 7).toBool();
    e.optimum = q.value(first + 8).toInt();
    e.measurements = q.value(first + 9).toInt();
}

} // namespace trainer
