#pragma once
// The history's SQL, shared by the thread that writes it and the readers: its schema and how it grows, how
// an exercise is written and how exercises are read back. Every statement with a value in it is prepared.

#include "trainer/exercise/record.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QVariantList>

#include <optional>
#include <vector>

namespace trainer::storesql {

// The schema's version, kept in the database's user_version. A history of a higher version was written by
// a newer program: it is read as far as this program knows it, and never written.
constexpr int kSchemaVersion = 2;

// SQLite's primary result codes, as the driver reports them.
enum Code {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoErr = 10,
    kCorrupt = 11,
    kFull = 13,
    kCantOpen = 14,
    kNotADb = 26,
};
int code(const QSqlError& error);
bool isLock(const QSqlError& error);

// A connection of the calling thread, under a name of its own. A read-only one never writes the file; an
// immutable one does not even lock it (for a file no program may change, or one set aside).
enum class Access { ReadWrite, ReadOnly, Immutable };
QSqlDatabase open(const QString& connection, const QString& path, Access access, int busyMilliseconds);
// Closes and forgets a connection of the calling thread.
void close(const QString& connection);

// Runs one statement without values; on failure keeps its error in `error`.
bool exec(QSqlDatabase db, const QString& sql, QSqlError& error);
// The database's schema version; nullopt when it cannot be read.
std::optional<int> version(QSqlDatabase db, QSqlError& error);

// Brings a history of version `from` (0: an empty file) up to kSchemaVersion; the caller holds a write
// transaction.
bool migrate(QSqlDatabase db, int from, QSqlError& error);

// Writes one exercise, with its readings and part checks, unless one of its id is there already (a
// second write of it does nothing); the caller holds a write transaction.
bool insert(QSqlDatabase db, const ExerciseRecord& exercise, bool sent, QSqlError& error);

// An exercise as the history holds it.
struct Stored
{
    ExerciseRecord record;
    bool sent = false;
};

// The exercises matching `where` (a condition on the exercise table, with ? for each of `values`), oldest
// first, each with its readings and checks unless `children` is false; nullopt (and `error`) when they
// cannot be read.
std::optional<std::vector<Stored>> fetch(QSqlDatabase db, int version, const QString& where,
                                         const QVariantList& values, QSqlError& error, bool children = true);

} // namespace trainer::storesql
