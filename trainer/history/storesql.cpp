#include "trainer/history/storesql.h"

#include "trainer/history/storerow.h"

#include <QSqlQuery>
#include <QUrl>
#include <QVariant>

namespace trainer::storesql {

namespace {
// Each version's statements, run in order to bring the one before up to it.
const char* const kVersion1[] = {
    "CREATE TABLE exercise ("
    " id INTEGER PRIMARY KEY,"
    " finished TEXT NOT NULL," // ISO 8601, UTC
    " fault_id TEXT NOT NULL,"
    " fault_stage TEXT NOT NULL,"
    " safety_slips INTEGER NOT NULL,"
    " seconds INTEGER NOT NULL,"
    " stage_named TEXT NOT NULL,"
    " part_named TEXT NOT NULL,"
    " correct INTEGER NOT NULL,"
    " optimum INTEGER NOT NULL,"
    " measurements INTEGER NOT NULL)",
    "CREATE TABLE reading ("
    " exercise INTEGER NOT NULL REFERENCES exercise(id),"
    " position INTEGER NOT NULL,"
    " stage TEXT NOT NULL,"
    " text TEXT NOT NULL,"
    " refused INTEGER NOT NULL,"
    " PRIMARY KEY (exercise, position))",
};
// Who did each exercise and who chose its fault, its own id and whether the class server has it, its part
// checks, and the notices the student is still to see.
const char* const kVersion2[] = {
    "ALTER TABLE exercise ADD COLUMN uuid TEXT",
    "ALTER TABLE exercise ADD COLUMN student TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE exercise ADD COLUMN chosen TEXT NOT NULL DEFAULT 'random'",
    "ALTER TABLE exercise ADD COLUMN assignment TEXT NOT NULL DEFAULT ''",
    "ALTER TABLE exercise ADD COLUMN sent INTEGER NOT NULL DEFAULT 0",
    "CREATE TABLE part_check ("
    " exercise INTEGER NOT NULL REFERENCES exercise(id),"
    " position INTEGER NOT NULL,"
    " part TEXT NOT NULL,"
    " finding TEXT NOT NULL,"
    " failed INTEGER NOT NULL,"
    " PRIMARY KEY (exercise, position))",
    "CREATE TABLE notice (id INTEGER PRIMARY KEY, text TEXT NOT NULL, seen INTEGER NOT NULL DEFAULT 0)",
};

const char* const kChosen[] = {"random", "instructor", "assignment", "instructor mode"};

// An empty text as such: the driver would write a null QString as NULL.
QString text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

bool run(QSqlQuery& query, QSqlError& error)
{
    if (query.exec())
        return true;
    error = query.lastError();
    return false;
}
} // namespace

int code(const QSqlError& error)
{
    return error.nativeErrorCode().toInt() & 0xff;
}

bool isLock(const QSqlError& error)
{
    return code(error) == kBusy || code(error) == kLocked;
}

QSqlDatabase open(const QString& connection, const QString& path, Access access, int busyMilliseconds)
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMilliseconds);
    if (access == Access::ReadWrite) {
        db.setDatabaseName(path);
    } else {
        QUrl uri = QUrl::fromLocalFile(path);
        uri.setQuery(access == Access::Immutable ? QStringLiteral("mode=ro&immutable=1")
                                                 : QStringLiteral("mode=ro"));
        db.setDatabaseName(uri.toString(QUrl::FullyEncoded));
        options += QStringLiteral(";QSQLITE_OPEN_READONLY;QSQLITE_OPEN_URI");
    }
    db.setConnectOptions(options);
    db.open();
    return db;
}

void close(const QString& connection)
{
    if (!QSqlDatabase::contains(connection))
        return;
    QSqlDatabase::database(connection, false).close();
    QSqlDatabase::removeDatabase(connection);
}

bool exec(QSqlDatabase db, const QString& sql, QSqlError& error)
{
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    error = query.lastError();
    return false;
}

std::optional<int> version(QSqlDatabase db, QSqlError& error)
{
    QSqlQuery query(db);
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        error = query.lastError();
        return std::nullopt;
    }
    return query.value(0).toInt();
}

bool migrate(QSqlDatabase db, int from, QSqlError& error)
{
    QSqlQuery query(db);
    if (from < 1)
        for (const char* statement : kVersion1)
            if (!exec(db, QLatin1String(statement), error))
                return false;
    if (from < 2) {
        for (const char* statement : kVersion2)
            if (!exec(db, QLatin1String(statement), error))
                return false;
        // Exercises kept before they had ids get theirs now.
        std::vector<qlonglong> ids;
        if (!query.exec(QStringLiteral("SELECT id FROM exercise WHERE uuid IS NULL"))) {
            error = query.lastError();
            return false;
        }
        while (query.next())
            ids.push_back(query.value(0).toLongLong());
        query.prepare(QStringLiteral("UPDATE exercise SET uuid = ? WHERE id = ?"));
        for (qlonglong id : ids) {
            query.addBindValue(QUuid::createUuid().toString(QUuid::WithoutBraces));
            query.addBindValue(id);
            if (!run(query, error))
                return false;
        }
        if (!exec(db, QStringLiteral("CREATE UNIQUE INDEX exercise_uuid ON exercise(uuid)"), error))
            return false;
    }
    return exec(db, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), error);
}

bool insert(QSqlDatabase db, const ExerciseRecord& e, bool sent, QSqlError& error)
{
    const QString uuid = (e.id.isNull() ? QUuid::createUuid() : e.id).toString(QUuid::WithoutBraces);
    QSqlQuery query(db);
    query.prepare(QStringLiteral("SELECT 1 FROM exercise WHERE uuid = ?"));
    query.addBindValue(uuid);
    if (!run(query, error))
        return false;
    if (query.next())
        return true;
    query.prepare(
        QStringLiteral("INSERT INTO exercise (finished, fault_id, fault_stage, safety_slips, seconds, "
                       "stage_named, part_named, correct, optimum, measurements, uuid, student, chosen, "
                       "assignment, sent) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    for (const QVariant& v :
         {QVariant(e.finished.toUTC().toString(Qt::ISODateWithMs)), QVariant(text(e.faultId)),
          QVariant(text(e.faultStage)), QVariant(e.safetySlips), QVariant(e.seconds), QVariant(text(e.stageNamed)),
          QVariant(text(e.partNamed)), QVariant(e.right ? 1 : 0), QVariant(e.optimum), QVariant(e.measurements),
          QVariant(uuid), QVariant(text(e.student)), QVariant(QLatin1String(kChosen[int(e.chosen)])),
          QVariant(text(e.assignment)), QVariant(sent ? 1 : 0)})
        query.addBindValue(v);
    if (!run(query, error))
        return false;
    const QVariant id = query.lastInsertId();
    query.prepare(QStringLiteral("INSERT INTO reading (exercise, position, stage, text, refused) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    int position = 0;
    for (const RecordedReading& r : e.readings) {
        for (const QVariant& v : {id, QVariant(position++), QVariant(text(r.stage)), QVariant(text(r.text)),
                                  QVariant(r.refused ? 1 : 0)})
            query.addBindValue(v);
        if (!run(query, error))
            return false;
    }
    query.prepare(QStringLiteral("INSERT INTO part_check (exercise, position, part, finding, failed) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    position = 0;
    for (const RecordedCheck& c : e.checks) {
        for (const QVariant& v : {id, QVariant(position++), QVariant(text(c.part)), QVariant(text(c.finding)),
                                  QVariant(c.failed ? 1 : 0)})
            query.addBindValue(v);
        if (!run(query, error))
            return false;
    }
    return true;
}

std::optional<std::vector<Stored>> fetch(QSqlDatabase db, int version, const QString& where,
                                         const QVariantList& values, QSqlError& error, bool withChildren)
{
    const bool v2 = version >= 2;
    QSqlQuery query(db);
    query.setForwardOnly(true);
    auto select = [&](const QString& sql) {
        query.prepare(sql);
        for (const QVariant& v : values)
            query.addBindValue(v);
        return run(query, error);
    };
    if (!select(QStringLiteral("SELECT id, finished, fault_id, fault_stage, safety_slips, seconds, stage_named, "
                               "part_named, correct, optimum, measurements%1 FROM exercise WHERE %2 ORDER BY id")
                    .arg(v2 ? QStringLiteral(", uuid, student, chosen, assignment, sent") : QString(), where)))
        return std::nullopt;
    std::vector<qlonglong> ids;
    std::vector<Stored> result;
    while (query.next()) {
        ids.push_back(query.value(0).toLongLong());
        Stored s;
        ExerciseRecord& r = s.record;
        readExerciseRow(query, 1, r);
        if (v2) {
            r.id = QUuid::fromString(query.value(11).toString());
            r.student = query.value(12).toString();
            const QString chosen = query.value(13).toString();
            for (int c = 0; c < int(std::size(kChosen)); ++c)
                if (chosen == QLatin1String(kChosen[c]))
                    r.chosen = Chosen(c);
            r.assignment = query.value(14).toString();
            s.sent = query.value(15).toInt() != 0;
        }
        result.push_back(std::move(s));
    }
    if (query.lastError().isValid()) {
        error = query.lastError();
        return std::nullopt;
    }
    if (!withChildren)
        return result;
    // The readings and checks of those exercises, merged in as both lists run in the exercises' order.
    auto children = [&](const char* table, const char* columns, auto add) {
        if (!select(QStringLiteral("SELECT exercise, %1 FROM %2 WHERE exercise IN (SELECT id FROM exercise "
                                   "WHERE %3) ORDER BY exercise, position")
                        .arg(QLatin1String(columns), QLatin1String(table), where)))
            return false;
        std::size_t i = 0;
        while (query.next()) {
            const qlonglong exercise = query.value(0).toLongLong();
            while (i < ids.size() && ids[i] < exercise)
                ++i;
            if (i == ids.size())
                break;
            if (ids[i] == exercise)
                add(result[i].record);
        }
        if (query.lastError().isValid()) {
            error = query.lastError();
            return false;
        }
        return true;
    };
    if (!children("reading", "stage, text, refused", [&](ExerciseRecord& r) {
            r.readings.push_back(
                {query.value(1).toString(), query.value(2).toString(), query.value(3).toInt() != 0});
        }))
        return std::nullopt;
    if (v2 && !children("part_check", "part, finding, failed", [&](ExerciseRecord& r) {
            r.checks.push_back({query.value(1).toString(), query.value(2).toString(), query.value(3).toInt() != 0});
        }))
        return std::nullopt;
    return result;
}

} // namespace trainer::storesql
