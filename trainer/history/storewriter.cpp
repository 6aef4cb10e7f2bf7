#include "trainer/history/storewriter.h"

#include "trainer/history/storeside.h"
#include "trainer/history/storesql.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QSqlQuery>
#include <QTimer>
#include <QVariant>

#include <algorithm>

namespace trainer {

using namespace storesql;

namespace {
constexpr int kRetryMilliseconds = 500;
// Row ids beyond this are not looked for in a damaged history.
constexpr qlonglong kMostRows = 100000;

// Files SQLite keeps beside a database while it writes; they belong to it and move with it.
const char* const kCompanions[] = {"-journal", "-wal", "-shm"};

// Writable by this program, and not marked read-only by its owner. The mark is what counts: the
// superuser may write anything, but a history its owner made read-only is still left alone.
bool writable(const QFileInfo& info)
{
    return info.isWritable() && info.permissions().testFlag(QFileDevice::WriteOwner);
}

QString count(int n, const char* one, const char* many)
{
    return QStringLiteral("%1 %2").arg(n).arg(QLatin1String(n == 1 ? one : many));
}
} // namespace

StoreWriter::StoreWriter(const QString& path, const QString& connection, int busyMilliseconds,
                         Reporter reporter)
    : m_path(path), m_connection(connection), m_busy(busyMilliseconds), m_reporter(std::move(reporter))
{}

StoreWriter::~StoreWriter() = default;

QSqlDatabase StoreWriter::db() const
{
    return QSqlDatabase::database(m_connection, false);
}

void StoreWriter::start()
{
    m_retry = new QTimer(this);
    m_retry->setSingleShot(true);
    m_retry->setInterval(kRetryMilliseconds);
    connect(m_retry, &QTimer::timeout, this, &StoreWriter::drain);
    // What an earlier run could not write goes first, being older; the side file keeps it until it is written.
    storeside::Taken side = storeside::read(m_path);
    for (const ExerciseRecord& e : side.waiting.exercises) {
        m_jobs.push_back(e);
        m_aside.push_back(e.id);
    }
    for (const QUuid& id : side.waiting.sent) {
        m_jobs.push_back(Sent{id});
        m_aside.push_back(id);
    }
    m_adopted = std::move(side.waiting.exercises);
    if (!side.aside.isEmpty())
        m_notice = m_sideNotice = QStringLiteral("The exercises an earlier run kept beside the history could not "
                                                 "be read: the file is kept unchanged as %1.")
                                      .arg(QDir::toNativeSeparators(side.aside));
    drain();
}

void StoreWriter::record(const ExerciseRecord& exercise)
{
    m_jobs.push_back(exercise);
    drain();
}

void StoreWriter::markSent(const QUuid& id)
{
    m_jobs.push_back(Sent{id});
    drain();
}

void StoreWriter::noticeSeen()
{
    m_jobs.push_back(Seen{});
    drain();
}

void StoreWriter::finish(int milliseconds)
{
    if (m_retry)
        m_retry->stop();
    if (!m_jobs.empty() && m_state != State::ReadOnly && m_state != State::Unusable) {
        m_busy = milliseconds;
        if (m_ready)
            QSqlQuery(db()).exec(QStringLiteral("PRAGMA busy_timeout = %1").arg(milliseconds));
        drain();
        if (m_retry)
            m_retry->stop();
        if (!keepAside())
            qWarning("%s", qPrintable(QStringLiteral("The exercise history (%1) could not be written, nor could "
                                                     "what waits be kept beside it in %2: it is lost.")
                                          .arg(QDir::toNativeSeparators(m_path),
                                               QDir::toNativeSeparators(storeside::pathFor(m_path)))));
    }
    close(m_connection);
}

// The exercises and marks that cannot be written now go into the side file at once, so that neither closing
// nor a killed program loses them; each is taken out of it again once the history has it. True when the side
// file holds every one that waits.
bool StoreWriter::keepAside()
{
    storeside::Waiting waiting;
    auto kept = [&](const QUuid& id) { return std::find(m_aside.begin(), m_aside.end(), id) != m_aside.end(); };
    for (const Job& job : m_jobs) {
        if (const auto* e = std::get_if<ExerciseRecord>(&job); e && !kept(e->id))
            waiting.exercises.push_back(*e);
        else if (const auto* sent = std::get_if<Sent>(&job); sent && !kept(sent->id))
            waiting.sent.push_back(sent->id);
    }
    QString error;
    if (waiting.empty())
        return true;
    if (!storeside::keep(m_path, waiting, error))
        return false;
    for (const ExerciseRecord& e : waiting.exercises)
        m_aside.push_back(e.id);
    m_aside.insert(m_aside.end(), waiting.sent.begin(), waiting.sent.end());
    return true;
}

// ", and is kept meanwhile beside it in trainer.sqlite.waiting" when the side file holds what waits.
QString StoreWriter::keptAside(int waiting, bool kept) const
{
    if (waiting == 0 || !kept)
        return QString();
    return QStringLiteral(", and %1 kept meanwhile beside it in %2")
        .arg(QLatin1String(waiting == 1 ? "is" : "are"), QFileInfo(storeside::pathFor(m_path)).fileName());
}

// Opens the history if it is not open yet, then writes what waits, each job in a transaction of its own.
void StoreWriter::drain()
{
    if (m_state == State::ReadOnly || m_state == State::Unusable)
        return;
    if (!m_ready) {
        close(m_connection); // what a try that found the history locked left open
        m_ready = open();
        if (!m_ready) {
            if (m_state == State::ReadOnly || m_state == State::Unusable)
                close(m_connection); // the file is left to others
            return report();
        }
        if (!m_sideNotice.isEmpty()) {
            QSqlQuery query(db());
            query.prepare(QStringLiteral("INSERT INTO notice (text) VALUES (?)"));
            query.addBindValue(m_sideNotice);
            query.exec();
            m_notice = m_sideNotice;
            m_sideNotice.clear();
        }
    }
    while (!m_jobs.empty()) {
        QSqlError error;
        if (!exec(db(), QStringLiteral("BEGIN IMMEDIATE"), error) || !run(m_jobs.front(), error) ||
            !exec(db(), QStringLiteral("COMMIT"), error)) {
            QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
            const int waiting = int(std::count_if(m_jobs.begin(), m_jobs.end(), [](const Job& j) {
                return std::holds_alternative<ExerciseRecord>(j);
            }));
            if (isLock(error)) {
                locked();
            } else {
                m_state = State::Writable;
                m_sentence = QStringLiteral("The exercise history (%1) could not be written (%2): %3 and will "
                                            "be saved when it can be%4.")
                                 .arg(QDir::toNativeSeparators(m_path), error.databaseText(),
                                      count(waiting, "exercise waits", "exercises wait"),
                                      keptAside(waiting, keepAside()));
                m_retry->start();
            }
            return report();
        }
        if (const auto* e = std::get_if<ExerciseRecord>(&m_jobs.front()))
            m_written.push_back(e->id);
        m_jobs.pop_front();
    }
    // Only now that the history has them are they taken out of the side file.
    QString error;
    if (!m_aside.empty() && !storeside::drop(m_path, m_aside, error))
        qWarning("%s", qPrintable(QStringLiteral("%1 could not be emptied (%2): its exercises, now in the history, "
                                                 "will be found there again at the next start.")
                                      .arg(QDir::toNativeSeparators(storeside::pathFor(m_path)), error)));
    m_aside.clear();
    m_state = State::Writable;
    m_sentence.clear();
    report();
}

bool StoreWriter::run(const Job& job, QSqlError& error)
{
    if (const auto* e = std::get_if<ExerciseRecord>(&job))
        return insert(db(), *e, false, error);
    QSqlQuery query(db());
    if (const auto* sent = std::get_if<Sent>(&job)) {
        query.prepare(QStringLiteral("UPDATE exercise SET sent = 1 WHERE uuid = ?"));
        query.addBindValue(sent->id.toString(QUuid::WithoutBraces));
    } else {
        query.prepare(QStringLiteral("UPDATE notice SET seen = 1"));
    }
    if (query.exec())
        return true;
    error = query.lastError();
    return false;
}

void StoreWriter::locked()
{
    const int waiting = int(std::count_if(m_jobs.begin(), m_jobs.end(), [](const Job& j) {
        return std::holds_alternative<ExerciseRecord>(j);
    }));
    const QString what = waiting == 0 ? QStringLiteral("its exercises are shown, and this run's will be saved")
                                      : count(waiting, "exercise waits", "exercises wait") +
                                            QStringLiteral(" to be saved");
    m_state = State::Locked;
    m_sentence = QStringLiteral("The exercise history (%1) is locked by another program: %2 as soon as it is "
                                "free%3.")
                     .arg(QDir::toNativeSeparators(m_path), what, keptAside(waiting, keepAside()));
    m_retry->start();
}

void StoreWriter::stop(State state, const QString& sentence)
{
    m_state = state;
    m_sentence = sentence.arg(QDir::toNativeSeparators(m_path));
}

bool StoreWriter::open()
{
    const QFileInfo file(m_path);
    if (!QDir().mkpath(file.absolutePath())) {
        stop(State::Unusable, QStringLiteral("The folder for the exercise history (%1) could not be made: this "
                                             "run's exercises are kept only until Fernwick closes."));
        return false;
    }
    if (file.exists() && !file.isFile()) {
        stop(State::Unusable, QStringLiteral("The exercise history (%1) is not a file: this run's exercises are "
                                             "kept only until Fernwick closes."));
        return false;
    }
    const QString readOnly = QStringLiteral("The exercise history (%1) is read-only, or its folder is: its "
                                            "exercises are shown, and this run's are kept only until Fernwick "
                                            "closes.");
    // SQLite writes its journal beside the file, so the folder must be writable too.
    if ((file.exists() && file.isFile() && !writable(file)) || !writable(QFileInfo(file.absolutePath()))) {
        stop(State::ReadOnly, readOnly);
        return false;
    }
    Setup setup = Setup::Damaged;
    {
        QSqlDatabase database = storesql::open(m_connection, m_path, Access::ReadWrite, m_busy);
        if (database.isOpen()) {
            setup = setUp();
        } else {
            const int c = code(database.lastError());
            if (c == kPerm || c == kReadOnly) {
                stop(State::ReadOnly, readOnly);
                return false;
            }
            if (!QFileInfo::exists(m_path)) {
                stop(State::Unusable, QStringLiteral("The exercise history (%1) could not be made (%2): this "
                                                     "run's exercises are kept only until Fernwick closes.")
                                          .arg(QStringLiteral("%1"), database.lastError().driverText()));
                return false;
            }
        }
    }
    if (setup == Setup::Damaged)
        return setAsideAndRecover();
    return setup == Setup::Ready;
}

// Checks the database and sets up or brings forward its schema, in one transaction so that two copies
// starting at once do it only once.
StoreWriter::Setup StoreWriter::setUp()
{
    QSqlQuery query(db());
    QSqlError error;
    auto damaged = [&] {
        query.finish();
        return Setup::Damaged;
    };
    if (!query.exec(QStringLiteral("PRAGMA quick_check"))) {
        if (isLock(query.lastError())) {
            locked();
            return Setup::Stopped;
        }
        return damaged();
    }
    if (!query.next() || query.value(0).toString() != QLatin1String("ok"))
        return damaged();
    query.finish();
    auto fail = [&] {
        query.finish();
        QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
        if (isLock(error)) {
            locked();
            return Setup::Stopped;
        }
        if (code(error) == kReadOnly || code(error) == kPerm) {
            stop(State::ReadOnly, QStringLiteral("The exercise history (%1) is read-only: its exercises are "
                                                 "shown, and this run's are kept only until Fernwick closes."));
            return Setup::Stopped;
        }
        if (code(error) == kCorrupt || code(error) == kNotADb)
            return damaged();
        stop(State::Unusable, QStringLiteral("The exercise history (%1) could not be opened (%2): this run's "
                                             "exercises are kept only until Fernwick closes.")
                                  .arg(QStringLiteral("%1"), error.databaseText()));
        return Setup::Stopped;
    };
    if (!exec(db(), QStringLiteral("BEGIN IMMEDIATE"), error))
        return fail();
    const std::optional<int> version = storesql::version(db(), error);
    if (!version)
        return fail();
    if (*version > kSchemaVersion) {
        QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
        stop(State::ReadOnly, QStringLiteral("The exercise history (%1) was written by a newer version of "
                                             "Fernwick: its exercises are shown, and this run's are kept only "
                                             "until Fernwick closes."));
        return Setup::Stopped;
    }
    if (*version == 0) {
        // A database that already holds tables of its own is not a history of this program.
        if (!query.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !query.next()) {
            error = query.lastError();
            return fail();
        }
        if (query.value(0).toInt() != 0) {
            query.finish();
            QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
            return damaged();
        }
        query.finish();
    }
    if (*version < kSchemaVersion && !migrate(db(), *version, error))
        return fail();
    if (!exec(db(), QStringLiteral("COMMIT"), error))
        return fail();
    // Only now, with the file known to be ours, is its journal mode changed. With a write-ahead log and
    // normal syncing a commit waits for no disk flush; a killed program still loses nothing it committed
    // (only a power failure may lose the latest exercises, never the file). Where the log cannot be made,
    // the rollback journal stays and every commit is flushed.
    if (query.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && query.next() &&
        query.value(0).toString() == QLatin1String("wal"))
        query.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    query.finish();
    // A notice from an earlier run that no screen showed is shown now.
    if (query.exec(QStringLiteral("SELECT text FROM notice WHERE seen = 0 ORDER BY id DESC LIMIT 1")) &&
        query.next())
        m_notice = query.value(0).toString();
    query.finish();
    m_state = State::Writable;
    m_sentence.clear();
    return Setup::Ready;
}

// The damaged file is renamed aside whole, a fresh history begun in its place, and every exercise that can
// still be read from the copy carried over into it; the copy is only ever read.
bool StoreWriter::setAsideAndRecover()
{
    close(m_connection);
    const QString aside = moveAside();
    if (aside.isEmpty()) {
        stop(State::Unusable, QStringLiteral("The exercise history (%1) cannot be read and could not be moved "
                                             "aside: this run's exercises are kept only until Fernwick closes."));
        return false;
    }
    Setup fresh = Setup::Damaged;
    {
        QSqlDatabase database = storesql::open(m_connection, m_path, Access::ReadWrite, m_busy);
        if (database.isOpen())
            fresh = setUp();
    }
    if (fresh == Setup::Damaged)
        stop(State::Unusable, QStringLiteral("A fresh exercise history (%1) could not be begun: this run's "
                                             "exercises are kept only until Fernwick closes."));
    if (fresh != Setup::Ready)
        return false;
    const int recovered = carryOver(aside);
    const QString where = QDir::toNativeSeparators(aside);
    const QString readings = m_withoutReadings == 0 ? QString()
                           : QStringLiteral(" (%1 without the readings and checks, which were lost)")
                                 .arg(m_withoutReadings);
    m_notice = recovered == 0
                   ? QStringLiteral("The exercise history was damaged: it is kept unchanged as %1, none of its "
                                    "exercises could be read, and a fresh history was begun.")
                         .arg(where)
                   : QStringLiteral("The exercise history was damaged: it is kept unchanged as %1, and %2 that "
                                    "could still be read %3 carried over%4 into a fresh history.")
                         .arg(where, count(recovered, "exercise", "exercises"),
                              QLatin1String(recovered == 1 ? "was" : "were"), readings);
    QSqlQuery query(db());
    query.prepare(QStringLiteral("INSERT INTO notice (text) VALUES (?)"));
    query.addBindValue(m_notice);
    query.exec();
    return true;
}

// Every exercise that reads whole from the copy, looked up one by one so that a damaged page loses only
// the exercises on it.
int StoreWriter::carryOver(const QString& aside)
{
    const QString name = m_connection + QStringLiteral("-aside");
    std::vector<Stored> found;
    {
        QSqlDatabase copy = storesql::open(name, aside, Access::Immutable, 0);
        QSqlError error;
        // A file cut short still shows what it holds; the copy is read-only and immutable, so nothing is
        // written through this.
        exec(copy, QStringLiteral("PRAGMA writable_schema = ON"), error);
        const int version = storesql::version(copy, error).value_or(1);
        qlonglong last = 0;
        QSqlQuery query(copy);
        query.setForwardOnly(true);
        if (query.exec(QStringLiteral("SELECT max(id) FROM exercise")) && query.next())
            last = query.value(0).toLongLong();
        for (const char* scan : {"SELECT id FROM exercise", "SELECT id FROM exercise NOT INDEXED"})
            if (query.exec(QLatin1String(scan)))
                while (query.next())
                    last = std::max(last, query.value(0).toLongLong());
        query.finish();
        for (qlonglong id = 1; id <= std::min(last, kMostRows); ++id) {
            std::optional<std::vector<Stored>> rows = fetch(copy, version, QStringLiteral("id = ?"), {id}, error);
            if (!rows) {
                rows = fetch(copy, version, QStringLiteral("id = ?"), {id}, error, false);
                if (rows && rows->size() == 1)
                    ++m_withoutReadings;
            }
            if (rows && rows->size() == 1 && (*rows)[0].record.finished.isValid())
                found.push_back((*rows)[0]);
        }
    }
    close(name);
    QSqlError error;
    if (found.empty() || !exec(db(), QStringLiteral("BEGIN IMMEDIATE"), error))
        return 0;
    for (const Stored& s : found)
        if (!insert(db(), s.record, s.sent, error)) {
            QSqlQuery(db()).exec(QStringLiteral("ROLLBACK"));
            return 0;
        }
    return exec(db(), QStringLiteral("COMMIT"), error) ? int(found.size()) : 0;
}

// Renames the unreadable file, and the journal SQLite may have left beside it, to a free name with the
// date, in the same folder; nothing is copied, rewritten or deleted.
QString StoreWriter::moveAside()
{
    const QFileInfo file(m_path);
    const QString stem = file.absolutePath() + QLatin1Char('/') + file.completeBaseName() +
                         QStringLiteral("-unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    const QString suffix = file.suffix().isEmpty() ? QString() : QLatin1Char('.') + file.suffix();
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n)) + suffix;
        const bool taken = std::any_of(std::begin(kCompanions), std::end(kCompanions), [&](const char* c) {
            return QFileInfo::exists(candidate + QLatin1String(c));
        });
        if (!taken && QFile::rename(m_path, candidate)) {
            for (const char* companion : kCompanions)
                if (QFileInfo::exists(m_path + QLatin1String(companion)))
                    QFile::rename(m_path + QLatin1String(companion), candidate + QLatin1String(companion));
            return candidate;
        }
        if (!QFileInfo::exists(candidate))
            break; // the rename failed for another reason than the name
    }
    return QString();
}

void StoreWriter::report()
{
    Report r{m_state, m_sentence, m_notice, 0, std::move(m_written), std::move(m_adopted)};
    m_written.clear();
    m_adopted.clear();
    if (m_state == State::Writable) {
        QSqlQuery query(db());
        if (query.exec(QStringLiteral("SELECT count(*) FROM exercise WHERE sent = 0 AND student <> ''")) &&
            query.next())
            r.unsent = query.value(0).toInt();
    }
    m_reporter(r);
}

} // namespace trainer
