#include "pgserver.h"

#include "classroom/setup.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QThread>

#include <arpa/inet.h>
#include <csignal>
#include <netinet/in.h>
#include <pwd.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char* const kAdmin = "fwadmin";

// A TCP port on the loopback that nothing listens on now.
int freePort()
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    int port = 0;
    if (::bind(fd, reinterpret_cast<sockaddr*>(&address), size) == 0
        && ::getsockname(fd, reinterpret_cast<sockaddr*>(&address), &size) == 0)
        port = ntohs(address.sin_port);
    ::close(fd);
    return port;
}

bool chownTree(const QString& path, uid_t uid, gid_t gid)
{
    if (::chown(QFile::encodeName(path).constData(), uid, gid) != 0)
        return false;
    for (const QFileInfo& entry : QDir(path).entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden))
        if (!chownTree(entry.filePath(), uid, gid))
            return false;
    return true;
}

} // namespace

PgServer::PgServer()
{
    for (const char* candidate : {"/usr/lib/postgresql/15/bin", "/usr/lib/postgresql/16/bin", "/usr/lib/postgresql/17/bin"})
        if (QFile::exists(QString::fromLatin1(candidate) + QStringLiteral("/initdb"))) {
            m_bin = QString::fromLatin1(candidate);
            break;
        }
    if (m_bin.isEmpty()) {
        m_whyNot = QStringLiteral("PostgreSQL's server programs are not installed (postgresql-15)");
        return;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_whyNot = QStringLiteral("Qt's PostgreSQL driver is not installed (libqt6sql6-psql)");
        return;
    }
    m_root = ::getuid() == 0;
    m_password = classroom::generatePassword();
    m_available = initialise() && start() && exec(QStringLiteral("CREATE DATABASE fernwick"));
    closeAdmin();
    m_adminDatabase = QStringLiteral("fernwick");
    if (!m_available && m_whyNot.isEmpty())
        m_whyNot = QStringLiteral("the test's PostgreSQL server did not start");
}

PgServer::~PgServer()
{
    for (const QString& name : QSqlDatabase::connectionNames())
        if (name.startsWith(QLatin1String("pgserver")))
            QSqlDatabase::removeDatabase(name);
    stop();
}

QStringList PgServer::asServerUser(const QString& program, const QStringList& arguments) const
{
    if (!m_root)
        return QStringList{program} + arguments;
    return QStringList{QStringLiteral("setpriv"), QStringLiteral("--reuid=nobody"), QStringLiteral("--regid=nogroup"),
                       QStringLiteral("--clear-groups"), QStringLiteral("--")}
           + QStringList{program} + arguments;
}

bool PgServer::initialise()
{
    if (!m_dir.isValid())
        return false;
    const QString data = m_dir.filePath(QStringLiteral("data"));
    QFile pw(m_dir.filePath(QStringLiteral("pw")));
    if (!pw.open(QIODevice::WriteOnly) || pw.write(m_password.toUtf8() + '\n') < 0)
        return false;
    pw.close();
    if (m_root) {
        const passwd* nobody = ::getpwnam("nobody");
        if (!nobody || !chownTree(m_dir.path(), nobody->pw_uid, nobody->pw_gid)) {
            m_whyNot = QStringLiteral("the user nobody cannot own the server's folder");
            return false;
        }
    }
    const QStringList command = asServerUser(
        m_bin + QStringLiteral("/initdb"),
        {QStringLiteral("-D"), data, QStringLiteral("-U"), QString::fromLatin1(kAdmin), QStringLiteral("--pwfile"),
         pw.fileName(), QStringLiteral("-A"), QStringLiteral("scram-sha-256"), QStringLiteral("-E"),
         QStringLiteral("UTF8"), QStringLiteral("--locale=C"), QStringLiteral("--no-sync"),
         QStringLiteral("--no-instructions")});
    QProcess initdb;
    initdb.setProcessChannelMode(QProcess::MergedChannels);
    initdb.start(command.first(), command.mid(1));
    if (!initdb.waitForFinished(120000) || initdb.exitCode() != 0) {
        m_whyNot = QStringLiteral("initdb failed: ") + QString::fromLocal8Bit(initdb.readAll()).right(300);
        return false;
    }
    return true;
}

bool PgServer::start()
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (m_port == 0 || attempt > 0)
            m_port = attempt < 10 && m_port != 0 ? m_port : freePort();
        QStringList command = asServerUser(
            m_bin + QStringLiteral("/postgres"),
            {QStringLiteral("-D"), m_dir.filePath(QStringLiteral("data")), QStringLiteral("-p"),
             QString::number(m_port), QStringLiteral("-c"), QStringLiteral("listen_addresses=127.0.0.1"),
             QStringLiteral("-c"), QStringLiteral("unix_socket_directories=") + m_dir.path(), QStringLiteral("-c"),
             QStringLiteral("max_connections=60"), QStringLiteral("-c"), QStringLiteral("shared_buffers=16MB"),
             // Durability against power loss is not what these tests are about; a killed server loses nothing.
             QStringLiteral("-c"), QStringLiteral("fsync=off"), QStringLiteral("-c"),
             QStringLiteral("full_page_writes=off")});
        if (m_tls)
            command += {QStringLiteral("-c"), QStringLiteral("ssl=on"), QStringLiteral("-c"),
                        QStringLiteral("ssl_cert_file=") + certificate(), QStringLiteral("-c"),
                        QStringLiteral("ssl_key_file=") + m_dir.filePath(QStringLiteral("server.key"))};
        m_postmaster = std::make_unique<QProcess>();
        m_postmaster->setStandardOutputFile(QProcess::nullDevice());
        m_postmaster->setStandardErrorFile(m_dir.filePath(QStringLiteral("log")), QIODevice::Append);
        m_postmaster->start(command.first(), command.mid(1));
        if (!m_postmaster->waitForStarted(10000))
            return false;
        // Ready when the lock file says so; a server that cannot start (the port taken, the old one's memory
        // still held by a dying process) exits, and is tried again.
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 30000 && m_postmaster->state() == QProcess::Running) {
            QFile lock(m_dir.filePath(QStringLiteral("data/postmaster.pid")));
            if (lock.open(QIODevice::ReadOnly) && lock.readAll().contains("ready"))
                return true;
            m_postmaster->waitForFinished(50);
        }
        if (m_postmaster->state() == QProcess::Running) {
            stop();
            return false;
        }
        QThread::msleep(200);
    }
    return false;
}

void PgServer::stop()
{
    if (!running())
        return;
    closeAdmin();
    ::kill(pid_t(m_postmaster->processId()), SIGINT); // a fast shutdown: clients are disconnected, not awaited
    if (!m_postmaster->waitForFinished(30000))
        ::kill(pid_t(m_postmaster->processId()), SIGKILL);
    m_postmaster->waitForFinished(5000);
}

void PgServer::kill()
{
    if (!running())
        return;
    closeAdmin();
    const qint64 pid = m_postmaster->processId();
    // The postmaster's children, found before it dies and they are handed to init.
    QList<pid_t> children;
    for (const QString& entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QList<QByteArray> fields = stat.readAll().split(')').value(1).split(' ');
        if (fields.size() > 2 && fields.at(2).toLongLong() == pid)
            children << pid_t(entry.toInt());
    }
    ::kill(pid_t(pid), SIGKILL);
    for (pid_t child : children)
        ::kill(child, SIGKILL);
    m_postmaster->waitForFinished(10000);
}

void PgServer::closeAdmin()
{
    if (QSqlDatabase::contains(QStringLiteral("pgserver-admin")))
        QSqlDatabase::database(QStringLiteral("pgserver-admin"), false).close();
}

bool PgServer::setPassword(const QString& name, const QString& password)
{
    if (!exec(QStringLiteral("CREATE OR REPLACE FUNCTION pg_temp.set_password(n text, p text) RETURNS void "
                             "LANGUAGE plpgsql AS $f$BEGIN EXECUTE format('ALTER ROLE %I PASSWORD %L', n, p); END$f$")))
        return false;
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("pgserver-admin"), false));
    query.prepare(QStringLiteral("SELECT pg_temp.set_password(?, ?)"));
    query.addBindValue(name);
    query.addBindValue(password);
    return query.exec();
}

QVariant PgServer::value(const QString& sql)
{
    if (!exec(QStringLiteral("SELECT 1")))
        return {};
    QSqlQuery query(QSqlDatabase::database(QStringLiteral("pgserver-admin"), false));
    return query.exec(sql) && query.next() ? query.value(0) : QVariant();
}

qint64 PgServer::count(const QString& sql)
{
    const QVariant v = value(sql);
    return v.isValid() ? v.toLongLong() : -1;
}

bool PgServer::running() const
{
    return m_postmaster && m_postmaster->state() == QProcess::Running;
}

classroom::Connection PgServer::admin() const
{
    classroom::Connection c;
    c.host = m_dir.path();
    c.port = m_port;
    c.database = m_adminDatabase;
    c.sslmode = QStringLiteral("disable");
    c.name = QString::fromLatin1(kAdmin);
    c.password = m_password;
    return c;
}

classroom::Connection PgServer::login(const QString& name, const QString& password) const
{
    classroom::Connection c;
    c.host = QStringLiteral("127.0.0.1");
    c.port = m_port;
    c.sslmode = QStringLiteral("disable");
    c.name = name;
    c.password = password;
    return c;
}

bool PgServer::exec(const QString& sql)
{
    const QString name = QStringLiteral("pgserver-admin");
    QSqlDatabase db = QSqlDatabase::contains(name) ? QSqlDatabase::database(name, false)
                                                   : QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
    if (!db.isOpen()) {
        const classroom::Connection c = admin();
        db.setHostName(c.host);
        db.setPort(c.port);
        db.setDatabaseName(c.database);
        db.setUserName(c.name);
        db.setPassword(c.password);
        if (!db.open()) {
            qWarning("%s", qPrintable(db.lastError().text()));
            return false;
        }
    }
    QSqlQuery query(db);
    if (query.exec(sql))
        return true;
    qWarning("%s", qPrintable(query.lastError().text()));
    if (!db.isOpenError() && query.lastError().type() == QSqlError::ConnectionError)
        db.close();
    return false;
}

bool PgServer::addInstructor(const QString& name, const QString& password)
{
    closeAdmin(); // the set-up changes who may connect
    if (!m_haveDatabase) {
        const classroom::Result<int> made = classroom::setUpDatabase(admin(), QStringLiteral("fernwick"));
        if (!made.ok())
            qWarning("%s", qPrintable(made.error));
        m_haveDatabase = made.ok();
    }
    const classroom::Outcome added = classroom::addInstructor(admin(), QStringLiteral("fernwick"), name, password);
    if (!added.ok())
        qWarning("%s", qPrintable(added.error));
    return m_haveDatabase && added.ok();
}

QByteArray PgServer::log() const
{
    QFile file(m_dir.filePath(QStringLiteral("log")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool PgServer::onlyTls(bool on)
{
    QFile hba(m_dir.filePath(QStringLiteral("data/pg_hba.conf")));
    if (!hba.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    hba.write("local all all scram-sha-256\n");
    hba.write(on ? "hostssl all all 127.0.0.1/32 scram-sha-256\n" : "host all all 127.0.0.1/32 scram-sha-256\n");
    hba.close();
    const bool reloaded = exec(QStringLiteral("SELECT pg_reload_conf()"));
    QThread::msleep(500); // the postmaster reads the file on its signal, a moment later
    return reloaded;
}

QString PgServer::certificate() const
{
    return m_dir.filePath(QStringLiteral("server.crt"));
}

bool PgServer::useTls(bool on)
{
    const QString key = m_dir.filePath(QStringLiteral("server.key"));
    if (on && !QFile::exists(certificate())) {
        QProcess openssl;
        openssl.setProcessChannelMode(QProcess::MergedChannels);
        openssl.start(QStringLiteral("openssl"),
                      {QStringLiteral("req"), QStringLiteral("-x509"), QStringLiteral("-newkey"), QStringLiteral("rsa:2048"),
                       QStringLiteral("-nodes"), QStringLiteral("-days"), QStringLiteral("2"), QStringLiteral("-subj"),
                       QStringLiteral("/CN=127.0.0.1"), QStringLiteral("-addext"),
                       QStringLiteral("subjectAltName=IP:127.0.0.1"), QStringLiteral("-keyout"), key,
                       QStringLiteral("-out"), certificate()});
        if (!openssl.waitForFinished(60000) || openssl.exitStatus() != QProcess::NormalExit || openssl.exitCode() != 0) {
            qWarning("openssl could not make the server's certificate: %s",
                     qPrintable(openssl.errorString() + QLatin1Char(' ') + QString::fromLocal8Bit(openssl.readAll())));
            return false;
        }
        // The server refuses a key that others may read.
        QFile::setPermissions(key, QFile::ReadOwner | QFile::WriteOwner);
        const passwd* nobody = m_root ? ::getpwnam("nobody") : nullptr;
        if (nobody && (::chown(QFile::encodeName(key).constData(), nobody->pw_uid, nobody->pw_gid) != 0
                       || ::chown(QFile::encodeName(certificate()).constData(), nobody->pw_uid, nobody->pw_gid) != 0))
            return false;
    }
    stop();
    m_tls = on;
    return start();
}
