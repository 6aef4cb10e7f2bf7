#include "classwork/client.h"

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

ClientScope::ClientScope(ClientMaker replacement)
    : m_previous(std::exchange(maker(), std::move(replacement)))
{}

ClientScope::~ClientScope()
{
    maker() = std::move(m_previous);
}

} // namespace classwork
