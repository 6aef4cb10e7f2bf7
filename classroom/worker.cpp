#include "classroom/classserver.h"

#include <QCoreApplication>
#include <QThread>

#include <atomic>

namespace classroom {

// The thread, an object living on it that receives the jobs in order, and the server used only there.
struct ClassWorker::Thread
{
    explicit Thread(Connection c) : connection(std::move(c)) {}
    Connection connection;
    QThread thread;
    QObject home;
    std::unique_ptr<ClassServer> server; // made and destroyed on the thread
    std::atomic<bool> stopping{false};
};

ClassWorker::ClassWorker(Connection connection, QObject* parent)
    : QObject(parent), m_thread(std::make_unique<Thread>(std::move(connection)))
{
    m_thread->thread.setObjectName(QStringLiteral("fernwick class server"));
    m_thread->home.moveToThread(&m_thread->thread);
    m_thread->thread.start();
}

ClassWorker::~ClassWorker()
{
    m_thread->stopping = true;
    Thread* t = m_thread.get();
    QMetaObject::invokeMethod(&t->home, [t] {
        t->server.reset();
        t->thread.quit();
    });
    t->thread.wait();
}

void ClassWorker::post(std::function<void(ClassServer&)> job)
{
    Thread* t = m_thread.get();
    QMetaObject::invokeMethod(&t->home, [t, job = std::move(job)] {
        if (t->stopping)
            return;
        if (!t->server)
            t->server = std::make_unique<ClassServer>(t->connection);
        job(*t->server);
    });
}

void ClassWorker::deliver(std::function<void()> onGuiThread)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(onGuiThread));
}

} // namespace classroom
