#include "trainer/history/store.h"

#include "trainer/history/storesql.h"
#include "trainer/history/storewriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QEventLoop>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <QSet>

namespace trainer {

namespace {
// How long a reader waits for another program's lock: a moment, since it may be the window's thread.
constexpr int kReadBusyMilliseconds = 100;
// How long the last writes wait for a lock as the store closes.
constexpr int kClosingMilliseconds = 2000;

Store* g_replacement = nullptr;
std::unique_ptr<Store> g_history;
} // namespace

QString Store::defaultPath()
{
    // The data folder named after the program alone, as it has always been, whatever organisation the settings
    // are kept under.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QLatin1Char('/') +
           QCoreApplication::applicationName() + QStringLiteral("/trainer.sqlite");
}

Store::Store(const QString& path, int busyMilliseconds) : m_path(path)
{
    static std::atomic<int> count{0};
    m_connection = QStringLiteral("fernwick-trainer-history-%1").arg(++count);
    m_thread = new QThread(this);
    m_thread->setObjectName(m_connection);
    // Each report of the writer is applied on this store's thread.
    m_writer = new StoreWriter(m_path, m_connection, busyMilliseconds, [this](const StoreWriter::Report& r) {
        QMetaObject::invokeMethod(
            this,
            [this, state = int(r.state), r] {
                apply(state, r.sentence, r.notice, r.unsent, r.written, r.adopted);
            },
            Qt::QueuedConnection);
    });
    m_writer->moveToThread(m_thread);
    m_thread->start();
    QMetaObject::invokeMethod(m_writer, [w = m_writer] { w->start(); }, Qt::QueuedConnection);
}

Store::~Store()
{
    QMetaObject::invokeMethod(
        m_writer, [w = m_writer] { w->finish(kClosingMilliseconds); }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_writer; // its thread has ended
}

void Store::apply(int state, const QString& sentence, const QString& notice, int unsent,
                  const std::vector<QUuid>& written, const std::vector<ExerciseRecord>& adopted)
{
    // Those an earlier run left beside the history are shown and counted until written, like this run's.
    m_pending.insert(m_pending.begin(), adopted.begin(), adopted.end());
    static_assert(int(StoreWriter::State::Unusable) == kUnusable);
    m_state = state;
    m_sentence = sentence;
    if (!notice.isEmpty())
        m_notice = notice;
    m_unsent = unsent;
    const QSet<QUuid> done(written.begin(), written.end());
    std::erase_if(m_pending, [&](const ExerciseRecord& e) { return done.contains(e.id); });
    emit changed();
}

bool Store::isWritable() const
{
    return m_state != kReadOnly && m_state != kUnusable;
}

QString Store::problem() const
{
    return m_sentence.isEmpty() ? m_notice : m_sentence;
}

void Store::noticeSeen()
{
    if (m_notice.isEmpty() || m_noticeSeen)
        return;
    m_noticeSeen = true;
    QMetaObject::invokeMethod(m_writer, [w = m_writer] { w->noticeSeen(); }, Qt::QueuedConnection);
}

void Store::record(const ExerciseRecord& exercise)
{
    ExerciseRecord e = exercise;
    if (e.id.isNull())
        e.id = QUuid::createUuid();
    m_pending.push_back(e);
    QMetaObject::invokeMethod(m_writer, [w = m_writer, e] { w->record(e); }, Qt::QueuedConnection);
    emit changed();
}

void Store::markSent(const QUuid& id)
{
    QMetaObject::invokeMethod(m_writer, [w = m_writer, id] { w->markSent(id); }, Qt::QueuedConnection);
}

int Store::waiting() const
{
    return m_unsent + int(std::count_if(m_pending.begin(), m_pending.end(),
                                        [](const ExerciseRecord& e) { return !e.student.isEmpty(); }));
}

// The file's exercises through a read-only connection of the calling thread's own; one that no program may
// write is read as immutable when SQLite cannot otherwise read it (no lock files can be made beside it).
std::vector<ExerciseRecord> Store::read(bool unsentOnly) const
{
    const int state = m_state;
    if (state == kOpening || state == kUnusable || !QFileInfo::exists(m_path))
        return {};
    static std::atomic<int> count{0};
    const QString name = m_connection + QStringLiteral("-read-%1").arg(++count);
    std::optional<std::vector<storesql::Stored>> rows;
    for (storesql::Access access : {storesql::Access::ReadOnly, storesql::Access::Immutable}) {
        {
            QSqlDatabase db = storesql::open(name, m_path, access, kReadBusyMilliseconds);
            QSqlError error;
            if (const std::optional<int> version = storesql::version(db, error)) {
                // A reader sees an exercise whole or not at all: each statement reads one snapshot, and the
                // writer adds an exercise's readings in the same transaction as the exercise.
                storesql::exec(db, QStringLiteral("BEGIN"), error);
                rows = storesql::fetch(
                    db, *version,
                    unsentOnly ? QStringLiteral("sent = 0 AND student <> ''") : QStringLiteral("1 = 1"), {},
                    error);
                storesql::exec(db, QStringLiteral("COMMIT"), error);
            }
        }
        storesql::close(name);
        if (rows)
            break;
    }
    std::vector<ExerciseRecord> result;
    if (rows)
        for (storesql::Stored& s : *rows)
            result.push_back(std::move(s.record));
    return result;
}

std::vector<ExerciseRecord> Store::exercises() const
{
    std::vector<ExerciseRecord> result = read(false);
    QSet<QUuid> kept;
    for (const ExerciseRecord& e : result)
        kept.insert(e.id);
    for (const ExerciseRecord& e : m_pending)
        if (!kept.contains(e.id))
            result.push_back(e);
    return result;
}

std::vector<ExerciseRecord> Store::unsent() const
{
    if (m_state != kWritable && m_state != kLocked)
        return {};
    return read(true);
}

bool Store::settled() const
{
    return m_state != kOpening && (m_pending.empty() || !isWritable());
}

bool Store::wait(int milliseconds)
{
    if (!settled()) {
        QEventLoop loop;
        QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
        connect(this, &Store::changed, &loop, [&] {
            if (settled())
                loop.quit();
        });
        loop.exec();
    }
    return m_state != kOpening && isWritable() && m_pending.empty();
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

} // namespace trainer
