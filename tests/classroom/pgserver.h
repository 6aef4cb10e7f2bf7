#pragma once
// A PostgreSQL server of the test's own: a fresh cluster in a temporary folder, listening on a Unix socket in
// that folder and on 127.0.0.1 only, with password logins. Run as `nobody` when the test runs as root (initdb
// refuses root). Started by the constructor, stopped by its process id in the destructor. One per test program.
//
// useTls(true) restarts it with TLS on, with a self-signed certificate for 127.0.0.1 made by openssl at that
// moment; certificate() is that file, which a client can trust as its own certificate authority.
//
// Where the server's programs are missing, available() is false and whyNot() says so: a test skips with it.

#include "classroom/classserver.h"

#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <memory>

class PgServer
{
public:
    PgServer();
    ~PgServer();
    PgServer(const PgServer&) = delete;
    PgServer& operator=(const PgServer&) = delete;

    bool available() const { return m_available; }
    QString whyNot() const { return m_whyNot; }

    // The superuser, over the Unix socket, and any login over TCP on the loopback.
    classroom::Connection admin() const;
    classroom::Connection login(const QString& name, const QString& password) const;
    int port() const { return m_port; }

    // Runs constant SQL as the superuser; false (with the error on stderr) on failure.
    bool exec(const QString& sql);
    // Sets a login's password, whatever its characters (bound values, quoted by the server).
    bool setPassword(const QString& name, const QString& password);
    // The first column of the first row of constant SQL run as the superuser (who sees every row); -1 on failure.
    qint64 count(const QString& sql);
    QVariant value(const QString& sql); // invalid on failure
    // Makes an instructor login, and sets the class database up first when it is not yet, as the database
    // administrator does (classroom/setup.h, what fernwick-class-server runs).
    bool addInstructor(const QString& name, const QString& password);
    // The server's log so far.
    QByteArray log() const;
    // Lets TCP logins in only over TLS (hostssl), or over either (host), as pg_hba.conf says; reloads.
    bool onlyTls(bool on);

    bool start();    // after stop() or kill(): starts on the same data folder
    void stop();     // SIGTERM to the postmaster, then waits for it
    void kill();     // SIGKILL to the postmaster and each of its processes, as a crash would
    bool running() const;
    // Restarts the server with TLS on or off (the certificate made the first time); false, with the reason
    // on stderr, when it cannot.
    bool useTls(bool on);
    QString certificate() const;

private:
    bool initialise();
    void closeAdmin();
    QStringList asServerUser(const QString& program, const QStringList& arguments) const;

    QTemporaryDir m_dir;
    QString m_bin;
    bool m_root = false;
    bool m_available = false;
    QString m_whyNot;
    int m_port = 0;
    QString m_password;
    bool m_haveDatabase = false;
    bool m_tls = false;
    QString m_adminDatabase = QStringLiteral("postgres");
    std::unique_ptr<QProcess> m_postmaster;
};
