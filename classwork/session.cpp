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
// Where the instructor connected on this computer, and the encryption they chose for it.
const QString kChosenServer = QStringLiteral("instructorServer");
const QString kChosenMode = QStringLiteral("instructorSslmode");

// libpq's modes, weakest first, with what each does.
struct Mode
{
    const char* name;
    bool below; // may send unencrypted
    const char* does;
};
constexpr Mode kModes[] = {
    {"disable", true, "not encrypted"},
    {"allow", true, "encrypted only when the server insists"},
    {"prefer", true, "encrypted only when the server offers it"},
    {"require", false, "encrypted; the server's certificate is not checked"},
    {"verify-ca", false, "encrypted; the server's certificate is checked against the school's certificate authority"},
    {"verify-full", false, "encrypted; the server's certificate and name are checked against the school's "
                           "certificate authority"},
};

const Mode* mode(const QString& name)
{
    for (const Mode& m : kModes)
        if (name == QLatin1String(m.name))
            return &m;
    return nullptr;
}

QString where(const classroom::Connection& c)
{
    return serverText(c) + QLatin1Char('/') + c.database;
}

QString chosen(const QString& key)
{
    QSettings settings;
    settings.beginGroup(kGroup);
    return settings.value(key).toString();
}
} // namespace

Session remembered()
{
    QSettings settings;
    settings.beginGroup(kGroup);
    Session s;
    s.connection.host = settings.value(QStringLiteral("host")).toString();
    s.connection.port = settings.value(QStringLiteral("port"), s.connection.port).toInt();
    s.connection.database = settings.value(QStringLiteral("database"), s.connection.database).toString();
    s.connection.name = settings.value(QStringLiteral("name")).toString();
    s.className = settings.value(QStringLiteral("class")).toString();
    s.connection.sslmode = sslmodeFor(s.connection);
    return s;
}

void remember(const Session& s)
{
    QSettings settings;
    settings.beginGroup(kGroup);
    settings.setValue(QStringLiteral("host"), s.connection.host);
    settings.setValue(QStringLiteral("port"), s.connection.port);
    settings.setValue(QStringLiteral("database"), s.connection.database);
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
    settings.setValue(kChosenServer, where(c));
    settings.setValue(kChosenMode, c.sslmode);
}

QString sslmodeFor(const classroom::Connection& c, const QString& chosenServer, const QString& chosenMode)
{
    if (mode(chosenMode) && chosenServer == where(c))
        return chosenMode;
    return QStringLiteral("require");
}

QString sslmodeFor(const classroom::Connection& c)
{
    return sslmodeFor(c, chosen(kChosenServer), chosen(kChosenMode));
}

bool belowRequire(const QString& sslmode)
{
    const Mode* m = mode(sslmode);
    return !m || m->below;
}

QString encryptionText(const QString& sslmode)
{
    const Mode* m = mode(sslmode);
    return m ? QString::fromLatin1(m->does) : QStringLiteral("not a mode PostgreSQL knows");
}

QString connectionText(const classroom::Connection& c)
{
    return QStringLiteral("Server %1, database %2, sslmode %3: %4.")
        .arg(serverText(c), c.database, c.sslmode, encryptionText(c.sslmode));
}

QString statusLine(const Session& s, int waiting, const QStringList& setAside)
{
    if (!s.signedIn)
        return QStringLiteral("Working alone on this computer.");
    QString who = QStringLiteral("Class %1, as %2").arg(s.className, s.connection.name);
    if (belowRequire(s.connection.sslmode))
        who += s.connection.sslmode == QLatin1String("disable")
                   ? QStringLiteral(" (unencrypted: the instructor's choice)")
                   : QStringLiteral(" (sslmode %1: the instructor's choice)").arg(s.connection.sslmode);
    QString line = waiting < 0    ? who + QLatin1Char('.')
                   : waiting == 0 ? who + QStringLiteral(": all sent.")
                                  : who + QStringLiteral(": %1 to send.").arg(waiting);
    if (setAside.size() == 1)
        line += QStringLiteral(" Set aside: ") + setAside.last();
    else if (setAside.size() > 1)
        line += QStringLiteral(" %1 set aside; the latest: ").arg(setAside.size()) + setAside.last();
    return line;
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
