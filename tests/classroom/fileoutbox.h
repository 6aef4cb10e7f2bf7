#pragma once
// An outbox of the tests' own: one small file per unsent exercise in a folder, written whole (renamed into
// place) so that a program killed at any moment leaves either the exercise or nothing. Enough of a record
// for the server's checks: id, fault, stages, the part named, the answer, the assignment.

#include "classroom/outbox.h"

#include <QString>

class FileOutbox : public classroom::Outbox
{
public:
    explicit FileOutbox(QString folder) : m_folder(std::move(folder)) {}
    bool write(const trainer::ExerciseRecord& exercise); // the local write, before any send
    std::vector<trainer::ExerciseRecord> unsent() override;
    void markSent(const QUuid& exercise) override;

private:
    QString m_folder;
};

trainer::ExerciseRecord sampleExercise(int number);
