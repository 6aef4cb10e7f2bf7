#include "classwork/client.h"

#include <QCoreApplication>

namespace classwork {

#ifdef FERNWICK_CLASS_SERVER
std::unique_ptr<Client> workerClient(const classroom::Connection& connection); // workerclient.cpp
#endif

namespace {
ClientMaker& maker()
{
#ifdef FERNWICK_CLASS_SERVER
    static ClientMaker made = &workerClient;
#else
    static ClientMaker made;
#endif
    return made;
}
} // namespace

std::unique_ptr<Client> makeClient(const classroom::Connection& connection)
{
    return maker() ? maker()(connection) : nullptr;
}

namespace {
std::unique_ptr<Client>& held()
{
    static std::unique_ptr<Client> client;
    return client;
}
} // namespace

Client* studentClient(const classroom::Connection& c)
{
    std::unique_ptr<Client>& client = held();
    if (client) {
        const classroom::Connection& was = client->connection();
        if (was.host == c.host && was.port == c.port && was.database == c.database && was.sslmode == c.sslmode &&
            was.name == c.name && was.password == c.password)
            return client.get();
    }
    client = makeClient(c);
    static const bool letGoAtQuit = [] {
        QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, [] { held().reset(); });
        return true;
    }();
    Q_UNUSED(letGoAtQuit);
    return client.get();
}

ClientScope::ClientScope(ClientMaker replacement)
    : m_previous(std::exchange(maker(), std::move(replacement)))
{}

ClientScope::~ClientScope()
{
    held().reset();
    maker() = std::move(m_previous);
}

} // namespace classwork
