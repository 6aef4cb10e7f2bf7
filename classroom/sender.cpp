#include "classroom/sender.h"

#include <QLocale>

namespace classroom {

struct Sender::Tried
{
    int waiting = 0;
    QString problem;
    QSet<QUuid> aside;      // every exercise set aside, this round's with the earlier ones
    QStringList asideSaid;  // this round's sentences
};

namespace {
// Names an exercise set aside as its student would know it: when it was finished, and which fault.
QString asideSentence(const trainer::ExerciseRecord& e, const QString& why)
{
    return QObject::tr("The exercise finished %1 (%2) is kept on this computer: %3")
        .arg(QLocale().toString(e.finished.toLocalTime(), QLocale::ShortFormat), e.faultId, why);
}
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
        [outbox = m_outbox, className = m_className, aside = m_aside](ClassServer& server) {
            Tried tried;
            tried.aside = aside;
            std::vector<trainer::ExerciseRecord> unsent = outbox->unsent();
            std::erase_if(unsent, [&aside](const trainer::ExerciseRecord& e) { return aside.contains(e.id); });
            tried.waiting = int(unsent.size());
            for (const trainer::ExerciseRecord& exercise : unsent) {
                const Outcome sent = server.send(className, exercise);
                if (!sent.ok() && sent.lasting) {
                    tried.aside.insert(exercise.id);
                    tried.asideSaid << asideSentence(exercise, sent.error);
                    --tried.waiting;
                    continue;
                }
                if (!sent.ok()) {
                    tried.problem = sent.error;
                    break;
                }
                outbox->markSent(exercise.id);
                --tried.waiting;
            }
            return tried;
        },
        [this](const Tried& tried) { finished(tried); });
}

void Sender::finished(const Tried& tried)
{
    const int waiting = tried.waiting;
    const QString& problem = tried.problem;
    m_busy = false;
    m_aside = tried.aside;
    if (!tried.asideSaid.isEmpty()) {
        m_asideSaid += tried.asideSaid;
        emit setAsideChanged(m_asideSaid);
    }
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
