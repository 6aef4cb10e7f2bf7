#include "classwork/session.h"

#include <QSettings>

namespace classwork {

Session& session()
{
    static Session current;
    return current;
}

void signOut()
{
    session() = Session{};
}

namespace {
const QString kGroup = QStringLiteral("class");
}

Session remembered()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    Session s;
    s.connection.host = settings.value(QStringLiteral("host")).toString();
    s.connection.port = settings.value(QStringLiteral("port"), s.connection.port).toInt();
    s.connection.database = settings.value(QStringLiteral("database"), s.connection.database).toString();
    s.connection.sslmode = settings.value(QStringLiteral("sslmode"), s.connection.sslmode).toString();
    s.connection.name = settings.value(QStringLiteral("name")).toString();
    s.className = settings.value(QStringLiteral("class")).toString();
    return s;
}

void remember(const Session& s)
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("host"), s.connection.host);
    settings.setValue(QStringLiteral("port"), s.connection.port);
    settings.setValue(QStringLiteral("database"), s.connection.database);
    settings.setValue(QStringLiteral("sslmode"), s.connection.sslmode);
    settings.setValue(QStringLiteral("name"), s.connection.name);
    settings.setValue(QStringLiteral("class"), s.className);
}

void rememberServer(const classroom::Connection& c)
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("host"), c.host);
    settings.setValue(QStringLiteral("port"), c.port);
    settings.setValue(QStringLiteral("database"), c.database);
    settings.setValue(QStringLiteral("sslmode"), c.sslmode);
}

QString statusLine(const Session& s, int waiting)
{
    if (!s.signedIn)
        return QStringLiteral("Working alone on this computer.");
    const QString who = QStringLiteral("Class %1, as %2").arg(s.className, s.connection.name);
    if (waiting < 0)
        return who + QLatin1Char('.');
    if (waiting == 0)
        return who + QStringLiteral(": all sent.");
    return who + QStringLiteral(": %1 to send.").arg(waiting);
}

QString serverText(const classroom::Connection& c)
{
    if (c.host.startsWith(QLatin1Char('/')) || c.port == 5432)
        return c.host;
    return QStringLiteral("%1:%2").arg(c.host).arg(c.port);
}

bool readServer(const QString& text, classroom::Connection& c)
{
    const QString t = text.trimmed();
    const qsizetype colon = t.lastIndexOf(QLatin1Char(':'));
    // A Unix socket's folder, a bare name, or an IPv6 address without a port (more than one colon).
    if (t.startsWith(QLatin1Char('/')) || colon < 0 || t.count(QLatin1Char(':')) > 1) {
        c.host = t;
        c.port = 5432;
        return !t.isEmpty();
    }
    bool ok = false;
    const int port = t.mid(colon + 1).toInt(&ok);
    if (!ok || port < 1 || port > 65535 || colon == 0)
        return false;
    c.host = t.left(colon);
    c.port = port;
    return true;
}

} // namespace classwork
