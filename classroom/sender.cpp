#include "classroom/sender.h"

namespace classroom {

namespace {
struct Tried
{
    int waiting = 0;
    QString problem;
};
} // namespace

Sender::Sender(Connection connection, QString className, std::shared_ptr<Outbox> outbox, QObject* parent)
    : QObject(parent), m_className(std::move(className)), m_outbox(std::move(outbox)),
      m_worker(std::move(connection))
{
    m_retry.setSingleShot(true);
    connect(&m_retry, &QTimer::timeout, this, &Sender::sendNow);
}

Sender::~Sender() = default;

void Sender::sendNow()
{
    if (m_busy) {
        m_again = true; // one more round when this one ends, for what was written meanwhile
        return;
    }
    m_busy = true;
    m_retry.stop();
    m_worker.run(
        this,
        [outbox = m_outbox, className = m_className](ClassServer& server) {
            Tried tried;
            std::vector<trainer::ExerciseRecord> unsent = outbox->unsent();
            tried.waiting = int(unsent.size());
            for (const trainer::ExerciseRecord& exercise : unsent) {
                const Outcome sent = server.send(className, exercise);
                if (!sent.ok()) {
                    tried.problem = sent.error;
                    break;
                }
                outbox->markSent(exercise.id);
                --tried.waiting;
            }
            return tried;
        },
        [this](const Tried& tried) { finished(tried.waiting, tried.problem); });
}

void Sender::finished(int waiting, const QString& problem)
{
    m_busy = false;
    if (waiting != m_waiting) {
        m_waiting = waiting;
        emit waitingChanged(waiting);
    }
    if (problem != m_problem) {
        m_problem = problem;
        emit problemChanged(problem);
    }
    if (problem.isEmpty()) {
        m_delayMs = kFirstRetryMs;
        if (m_again) {
            m_again = false;
            sendNow();
        }
        return;
    }
    m_again = false;
    m_retry.start(m_delayMs);
    m_delayMs = std::min(m_delayMs * 2, kLastRetryMs);
}

} // namespace classroom
