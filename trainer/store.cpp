#include "trainer/store.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <memory>

namespace trainer {

namespace {
// The schema's version, kept in the database's user_version. A database of a higher version was written by
// a newer program and is left alone.
constexpr int kSchemaVersion = 1;

const char* const kSchema[] = {
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

// SQLite's primary result codes, as the driver reports them.
enum SqliteCode {
    kPerm = 3,
    kBusy = 5,
    kLocked = 6,
    kReadOnly = 8,
    kIoErr = 10,
    kCorrupt = 11,
    kCantOpen = 14,
    kFull = 13,
    kNotADb = 26,
};

// Files SQLite keeps beside a database while it writes; they belong to it and move with it.
const char* const kCompanions[] = {"-journal", "-wal", "-shm"};

// Writable by this program, and not marked read-only by its owner (a mark the superuser would ignore).
bool writable(const QFileInfo& info)
{
    return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner);
}

QSqlDatabase connection(const QString& name)
{
    return QSqlDatabase::database(name, false);
}

// Runs one statement; on failure keeps its error in `error`.
bool exec(QSqlQuery& query, const QString& sql, QSqlError& error)
{
    if (query.exec(sql))
        return true;
    error = query.lastError();
    return false;
}

// An empty text as such: the driver would write a null QString as NULL.
QString text(const QString& s)
{
    return s.isNull() ? QStringLiteral("") : s;
}

Store* g_replacement = nullptr;
std::unique_ptr<Store> g_history;
} // namespace

QString Store::defaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
           QStringLiteral("/trainer.sqlite");
}

Store::Store(const QString& path, int busyMilliseconds) : m_path(path)
{
    static std::atomic<int> count{0};
    m_connection = QStringLiteral("fernwick-trainer-history-%1").arg(++count);
    open(busyMilliseconds);
}

Store::~Store()
{
    if (QSqlDatabase::contains(m_connection)) {
        connection(m_connection).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
}

void Store::open(int busyMilliseconds)
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        m_problem = QStringLiteral("The folder for the exercise history (%1) could not be made, so this run "
                                   "keeps no history.")
                        .arg(QDir::toNativeSeparators(file.absolutePath()));
        return;
    }
    // SQLite writes its journal beside the file, so the folder must be writable too.
    if ((file.exists() && file.isFile() && !writable(file)) || !writable(QFileInfo(file.absolutePath()))) {
        refuse(QString::number(kReadOnly), QString());
        return;
    }

    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    db.setDatabaseName(m_path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(busyMilliseconds));
    if (!db.open()) {
        refuse(db.lastError().nativeErrorCode(), db.lastError().driverText());
        return;
    }
    m_open = setUp();
}

// Checks the database and sets up the schema of a new one, in one transaction so that two copies starting
// at once set it up only once.
bool Store::setUp()
{
    QSqlQuery query(connection(m_connection));
    QSqlError error;
    if (!exec(query, QStringLiteral("PRAGMA quick_check"), error)) {
        refuse(error.nativeErrorCode(), error.databaseText());
        return false;
    }
    if (!query.next() || query.value(0).toString() != QLatin1String("ok")) {
        refuse(QString::number(kCorrupt), QString());
        return false;
    }
    query.finish();
    if (!exec(query, QStringLiteral("BEGIN IMMEDIATE"), error)) {
        refuse(error.nativeErrorCode(), error.databaseText());
        return false;
    }
    auto fail = [&](const QSqlError& e) {
        query.finish();
        QSqlQuery(connection(m_connection)).exec(QStringLiteral("ROLLBACK"));
        refuse(e.nativeErrorCode(), e.databaseText());
        return false;
    };
    if (!exec(query, QStringLiteral("PRAGMA user_version"), error) || !query.next())
        return fail(error);
    const int version = query.value(0).toInt();
    query.finish();
    if (version > kSchemaVersion) {
        QSqlQuery(connection(m_connection)).exec(QStringLiteral("ROLLBACK"));
        m_problem = QStringLiteral("The exercise history (%1) was written by a newer version of Fernwick, so "
                                   "this run keeps no history and leaves it as it is.")
                        .arg(QDir::toNativeSeparators(m_path));
        return false;
    }
    if (version == 0) {
        // A database that already holds tables of its own is not a history of this program.
        if (!exec(query, QStringLiteral("SELECT count(*) FROM sqlite_master"), error) || !query.next())
            return fail(error);
        if (query.value(0).toInt() != 0)
            return fail(QSqlError(QString(), QString(), QSqlError::StatementError, QString::number(kNotADb)));
        for (const char* statement : kSchema)
            if (!exec(query, QLatin1String(statement), error))
                return fail(error);
        if (!exec(query, QStringLiteral("PRAGMA user_version = %1").arg(kSchemaVersion), error))
            return fail(error);
    }
    if (!exec(query, QStringLiteral("COMMIT"), error))
        return fail(error);
    // Only now, with the file known to be ours, is its journal mode changed. With a write-ahead log and
    // normal syncing a commit waits for no disk flush, so saving an answer takes no visible time; a killed
    // program still loses nothing it committed (only a power failure may lose the latest exercises, never
    // the file). Where the log cannot be made, the rollback journal stays and every commit is flushed.
    if (exec(query, QStringLiteral("PRAGMA journal_mode = WAL"), error) && query.next() &&
        query.value(0).toString() == QLatin1String("wal"))
        exec(query, QStringLiteral("PRAGMA synchronous = NORMAL"), error);
    query.finish();
    return true;
}

void Store::refuse(const QString& nativeCode, const QString& driverText)
{
    m_open = false;
    const QString native = QDir::toNativeSeparators(m_path);
    switch (nativeCode.toInt() & 0xff) {
    case kBusy:
    case kLocked:
        m_problem =
            QStringLiteral("The exercise history (%1) is locked by another program, so this run keeps "
                           "no history and leaves it as it is.")
                .arg(native);
        return;
    case kPerm:
    case kReadOnly:
        m_problem = QStringLiteral("The exercise history (%1) is read-only, or its folder is, so this run "
                                   "keeps no history and leaves it as it is.")
                        .arg(native);
        return;
    case kFull:
        m_problem = QStringLiteral("The disk holding the exercise history (%1) is full, so this run keeps no "
                                   "history.")
                        .arg(native);
        return;
    case kCorrupt:
    case kNotADb:
    case kCantOpen:
    case kIoErr:
        if (QFileInfo::exists(m_path)) {
            moveAside();
            return;
        }
        break;
    default:
        break;
    }
    m_problem = QStringLiteral("The exercise history (%1) could not be opened (%2), so this run keeps no "
                               "history.")
                    .arg(native, driverText.isEmpty() ? QStringLiteral("no reason given") : driverText);
}

// Renames the unreadable file, and the journal SQLite may have left beside it, to a free name with the
// date, in the same folder; nothing is copied, rewritten or deleted.
void Store::moveAside()
{
    if (QSqlDatabase::contains(m_connection)) {
        connection(m_connection).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    const QFileInfo file(m_path);
    const QString stem = file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
                         QStringLiteral("-unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    QString aside;
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + suffix;
        const bool taken = std::any_of(std::begin(kCompanions), std::end(kCompanions), [&](const char* c) {
            return QFileInfo::exists(candidate + QLatin1String(c));
        });
        if (!taken && QFile::rename(m_path, candidate)) {
            aside = candidate;
            break;
        }
        if (!QFileInfo::exists(candidate))
            break; // the rename failed for another reason than the name
    }
    if (aside.isEmpty()) {
        m_problem =
            QStringLiteral("The exercise history (%1) cannot be read and could not be moved aside, so "
                           "this run keeps no history and leaves it as it is.")
                .arg(QDir::toNativeSeparators(m_path));
        return;
    }
    for (const char* companion : kCompanions)
        if (QFileInfo::exists(m_path + QLatin1String(companion)))
            QFile::rename(m_path + QLatin1String(companion), aside + QLatin1String(companion));
    m_problem = QStringLiteral("The exercise history could not be read, so it was kept aside as %1 and the "
                               "next start begins a fresh one; this run keeps no history.")
                    .arg(QDir::toNativeSeparators(aside));
}

bool Store::record(const ExerciseRecord& exercise)
{
    if (!m_open)
        return false;
    QSqlQuery query(connection(m_connection));
    QSqlError error;
    auto fail = [&](const QSqlError& e) {
        query.finish();
        QSqlQuery(connection(m_connection)).exec(QStringLiteral("ROLLBACK"));
        const int code = e.nativeErrorCode().toInt() & 0xff;
        const QString native = QDir::toNativeSeparators(m_path);
        m_problem =
            code == kBusy || code == kLocked
                ? QStringLiteral("This exercise was not saved: the exercise history (%1) stayed locked "
                                 "by another program.")
                      .arg(native)
                : QStringLiteral("This exercise was not saved: the exercise history (%1) could not be "
                                 "written (%2).")
                      .arg(native, e.databaseText());
        return false;
    };
    if (!exec(query, QStringLiteral("BEGIN IMMEDIATE"), error))
        return fail(error);
    query.prepare(
        QStringLiteral("INSERT INTO exercise (finished, fault_id, fault_stage, safety_slips, seconds, "
                       "stage_named, part_named, correct, optimum, measurements) "
                       "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    query.addBindValue(exercise.finished.toUTC().toString(Qt::ISODateWithMs));
    query.addBindValue(text(exercise.faultId));
    query.addBindValue(text(exercise.faultStage));
    query.addBindValue(exercise.safetySlips);
    query.addBindValue(exercise.seconds);
    query.addBindValue(text(exercise.stageNamed));
    query.addBindValue(text(exercise.partNamed));
    query.addBindValue(exercise.right ? 1 : 0);
    query.addBindValue(exercise.optimum);
    query.addBindValue(exercise.measurements);
    if (!query.exec())
        return fail(query.lastError());
    const QVariant id = query.lastInsertId();
    query.prepare(QStringLiteral("INSERT INTO reading (exercise, position, stage, text, refused) "
                                 "VALUES (?, ?, ?, ?, ?)"));
    int position = 0;
    for (const RecordedReading& reading : exercise.readings) {
        query.addBindValue(id);
        query.addBindValue(position++);
        query.addBindValue(text(reading.stage));
        query.addBindValue(text(reading.text));
        query.addBindValue(reading.refused ? 1 : 0);
        if (!query.exec())
            return fail(query.lastError());
    }
    query.finish();
    if (!exec(query, QStringLiteral("COMMIT"), error))
        return fail(error);
    m_problem.clear();
    return true;
}

std::vector<ExerciseRecord> Store::exercises() const
{
    std::vector<ExerciseRecord> result;
    if (!m_open)
        return result;
    QSqlDatabase db = connection(m_connection);
    // One read transaction, so that an exercise another copy is writing shows whole or not at all.
    QSqlQuery(db).exec(QStringLiteral("BEGIN"));
    QSqlQuery query(db);
    query.setForwardOnly(true);
    query.exec(
        QStringLiteral("SELECT id, finished, fault_id, fault_stage, safety_slips, seconds, stage_named, "
                       "part_named, correct, optimum, measurements FROM exercise ORDER BY id"));
    std::vector<qlonglong> ids;
    while (query.next()) {
        ExerciseRecord r;
        ids.push_back(query.value(0).toLongLong());
        r.finished = QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs).toUTC();
        r.faultId = query.value(2).toString();
        r.faultStage = query.value(3).toString();
        r.safetySlips = query.value(4).toInt();
        r.seconds = query.value(5).toInt();
        r.stageNamed = query.value(6).toString();
        r.partNamed = query.value(7).toString();
        r.right = query.value(8).toInt() != 0;
        r.optimum = query.value(9).toInt();
        r.measurements = query.value(10).toInt();
        result.push_back(std::move(r));
    }
    query.exec(
        QStringLiteral("SELECT exercise, stage, text, refused FROM reading ORDER BY exercise, position"));
    std::size_t i = 0;
    while (query.next()) {
        const qlonglong exercise = query.value(0).toLongLong();
        while (i < ids.size() && ids[i] < exercise)
            ++i;
        if (i == ids.size())
            break;
        if (ids[i] == exercise)
            result[i].readings.push_back(
                {query.value(1).toString(), query.value(2).toString(), query.value(3).toInt() != 0});
    }
    query.finish();
    QSqlQuery(db).exec(QStringLiteral("COMMIT"));
    return result;
}

Store& history()
{
    if (g_replacement)
        return *g_replacement;
    if (!g_history) {
        g_history = std::make_unique<Store>();
        // The connection must close while the application, and the SQL plugin, are still there.
        qAddPostRoutine([] { g_history.reset(); });
    }
    return *g_history;
}

HistoryScope::HistoryScope(Store& replacement) : m_previous(g_replacement)
{
    g_replacement = &replacement;
}

HistoryScope::~HistoryScope()
{
    g_replacement = m_previous;
}

Progress progress(const std::vector<ExerciseRecord>& exercises)
{
    Progress p;
    for (const ExerciseRecord& e : exercises) {
        ++p.exercises;
        p.right += e.right ? 1 : 0;
        p.measurements += e.measurements;
        p.optimum += e.optimum;
        p.safetySlips += e.safetySlips;
        if (e.stageNamed == e.faultStage)
            continue;
        auto missed = std::find_if(p.missed.begin(), p.missed.end(),
                                   [&](const Missed& m) { return m.stage == e.faultStage; });
        if (missed == p.missed.end())
            p.missed.push_back({e.faultStage, 1});
        else
            ++missed->times;
    }
    std::stable_sort(p.missed.begin(), p.missed.end(),
                     [](const Missed& a, const Missed& b) { return a.times > b.times; });
    return p;
}

namespace {
QString quoted(const QString& field)
{
    QString text = field;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

QString toCsv(const std::vector<ExerciseRecord>& exercises)
{
    const QStringList header{"Finished (UTC)", "Fault",   "Faulty stage", "Stage named",
                             "Part named",     "Right",   "Measurements", "Optimum",
                             "Safety slips",   "Seconds", "Readings"};
    auto row = [](const QStringList& fields) {
        QStringList quotedFields;
        for (const QString& f : fields)
            quotedFields << quoted(f);
        return quotedFields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    QString csv = row(header);
    for (const ExerciseRecord& e : exercises) {
        QStringList readings;
        for (const RecordedReading& r : e.readings)
            readings << r.stage + QLatin1String(": ") +
                            (r.refused ? QStringLiteral("refused (no isolation transformer)") : r.text);
        csv +=
            row({e.finished.toUTC().toString(Qt::ISODate), e.faultId, e.faultStage, e.stageNamed, e.partNamed,
                 e.right ? QStringLiteral("yes") : QStringLiteral("no"), QString::number(e.measurements),
                 QString::number(e.optimum), QString::number(e.safetySlips), QString::number(e.seconds),
                 readings.join(QLatin1Char('\n'))});
    }
    return csv;
}

} // namespace trainer
