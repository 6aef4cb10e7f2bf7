#pragma once
// Sends the outbox to the class server, off the GUI thread, until it is empty.
//
// sendNow() after every local write (and once at start, for exercises a closed or killed program left behind).
// When the server cannot be reached, or refuses the login, the exercises stay in the outbox and the sender
// tries again after 1 s, then 2, 4, ... up to a minute, and at once on the next sendNow(). An exercise is
// marked sent only after the server has committed it; the server ignores a second copy of an id, so an
// exercise sent twice (the program killed before it could mark it) is still there exactly once.
//
// An exercise the server refuses for good (a rule of the server, not the network or a limit) is set aside: it
// stays in the outbox, is named in setAside(), and the ones behind it are sent. It is tried again only by a new
// Sender (the next run of the program).

#include "classroom/classserver.h"
#include "classroom/outbox.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <memory>

namespace classroom {

class Sender : public QObject
{
    Q_OBJECT
public:
    static constexpr int kFirstRetryMs = 1000;
    static constexpr int kLastRetryMs = 60000;

    Sender(Connection connection, QString className, std::shared_ptr<Outbox> outbox, QObject* parent = nullptr);
    ~Sender() override;

    void sendNow();
    int waiting() const { return m_waiting; }     // exercises in the outbox at the last look; -1 before it
    QString problem() const { return m_problem; } // why the last try failed; empty when it worked
    // One sentence per exercise set aside, naming it and saying why the server refused it.
    QStringList setAside() const { return m_asideSaid; }

signals:
    void waitingChanged(int count);
    void problemChanged(const QString& sentence);
    void setAsideChanged(const QStringList& sentences);

private:
    struct Tried;
    void finished(const Tried& tried);

    QString m_className;
    std::shared_ptr<Outbox> m_outbox;
    ClassWorker m_worker;
    QTimer m_retry;
    int m_delayMs = kFirstRetryMs;
    bool m_busy = false;
    bool m_again = false;
    int m_waiting = -1;
    QString m_problem;
    QSet<QUuid> m_aside;
    QStringList m_asideSaid;
};

} // namespace classroom
