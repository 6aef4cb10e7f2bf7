#pragma once
// The exercises the history could not take before the program closed (another program held its lock, the
// disk was full), kept in a small file beside it until a later start writes them in. The file is plain JSON
// with a version, always replaced whole (never half-written), and changed only under a lock file, so that two
// copies of the program closing or starting at once neither drop nor repeat an exercise. A file that cannot
// be read is renamed aside with its bytes untouched, never deleted.

#include "trainer/exercise/record.h"

#include <QByteArray>
#include <QString>
#include <QUuid>

#include <optional>
#include <vector>

namespace trainer::storeside {

// The file's version; one of a higher version was written by a newer program and is not read.
constexpr int kVersion = 1;

struct Waiting
{
    std::vector<ExerciseRecord> exercises;
    std::vector<QUuid> sent; // exercises the class server has, whose mark was not yet written
    bool empty() const { return exercises.empty() && sent.empty(); }
};

// Where the file of the history at `history` is.
QString pathFor(const QString& history);

QByteArray toJson(const Waiting& waiting);
// nullopt for anything but a whole file of a version this program reads.
std::optional<Waiting> fromJson(const QByteArray& json);

// What the file keeps, and where an unreadable one was moved (empty when none was).
struct Taken
{
    Waiting waiting;
    QString aside;
};
Taken read(const QString& history);

// Adds `more` to what the file keeps (each exercise and mark once, by its id). False, with the reason in
// `error`, when it could not be written.
bool keep(const QString& history, const Waiting& more, QString& error);

// Takes the exercises and marks of `written` out of the file, now that the history has them; the file goes
// once nothing is left in it.
bool drop(const QString& history, const std::vector<QUuid>& written, QString& error);

} // namespace trainer::storeside
