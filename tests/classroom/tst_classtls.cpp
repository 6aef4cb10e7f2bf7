// Encryption to the class server: the connection asks the server for what the sslmode set in Fernwick says, and
// one that cannot have it says why in one sentence. Against the test's own server, with TLS off, then on with
// a self-signed certificate made for it.

#include "pgserver.h"

#include "classroom/classserver.h"
#include "classroom/sql.h"

#include <QTest>

using namespace classroom;

class tst_ClassTls : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QTemporaryDir m_folder;
    bool m_tls = false;
    int m_logins = 0;

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
    }

    void cleanupTestCase() { qunsetenv("PGSSLROOTCERT"); }

    void sslmode_data()
    {
        QTest::addColumn<bool>("tls");         // on the server
        QTest::addColumn<QString>("sslmode");
        QTest::addColumn<bool>("trusted");     // the server's certificate is this computer's certificate authority
        QTest::addColumn<QString>("said");     // empty: connected
        QTest::addColumn<bool>("encrypted");
        const QString noTls = "The class server at 127.0.0.1:%1 does not offer an encrypted connection, and this "
                              "computer asks for one (sslmode require).";
        const QString noAuthority = "This computer has no certificate of the school's certificate authority "
                                    "(~/.postgresql/root.crt) to check the class server with, and sslmode verify-full "
                                    "needs one.";
        QTest::newRow("no TLS, prefer") << false << "prefer" << false << "" << false;
        QTest::newRow("no TLS, require") << false << "require" << false << noTls << false;
        QTest::newRow("no TLS, as a connection asks unless told") << false << "" << false << noTls << false;
        QTest::newRow("TLS, disable") << true << "disable" << false << "" << false;
        QTest::newRow("TLS, prefer") << true << "prefer" << false << "" << true;
        QTest::newRow("TLS, require") << true << "require" << false << "" << true;
        QTest::newRow("TLS, verify-full, trusted") << true << "verify-full" << true << "" << true;
        QTest::newRow("TLS, verify-full, no authority") << true << "verify-full" << false << noAuthority << false;
    }

    void sslmode()
    {
        QFETCH(bool, tls);
        QFETCH(QString, sslmode);
        QFETCH(bool, trusted);
        QFETCH(QString, said);
        QFETCH(bool, encrypted);
        if (tls != m_tls) {
            QVERIFY(m_server.useTls(tls));
            m_tls = tls;
        }
        // A login of each row's own, so that the server's list of connections tells this one's.
        const QString login = QStringLiteral("tls%1").arg(++m_logins);
        QVERIFY(m_server.exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'pw'").arg(login)));
        qputenv("PGSSLROOTCERT", QFile::encodeName(trusted ? m_server.certificate() : m_folder.filePath("none.crt")));
        Connection c = m_server.login(login, QStringLiteral("pw"));
        c.sslmode = sslmode.isEmpty() ? Connection().sslmode : sslmode;
        ClassServer server(c);
        const Outcome connected = server.connect();
        QCOMPARE(connected.error, said.contains("%1") ? said.arg(m_server.port()) : said);
        if (!connected.ok())
            return;
        const QString of = QStringLiteral("FROM pg_stat_ssl s JOIN pg_stat_activity a USING (pid) WHERE a.usename = '%1'")
                               .arg(login);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) ") + of), 1);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) ") + of + QStringLiteral(" AND s.ssl")), encrypted ? 1 : 0);
        QCOMPARE(server.encryption().value.startsWith(QLatin1String("TLSv1.")), encrypted);
    }

    // Every connection to the class server looks up names in pg_catalog only, from its first statement on.
    void searchPathPinned()
    {
        QVERIFY(m_server.exec(QStringLiteral("CREATE ROLE pinned LOGIN PASSWORD 'pw'")));
        Connection c = m_server.login(QStringLiteral("pinned"), QStringLiteral("pw"));
        c.sslmode = QStringLiteral("prefer");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("pinned"));
            classroom::sql::configure(db, c);
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("SHOW search_path")) && q.next());
            QCOMPARE(q.value(0).toString(), QStringLiteral("pg_catalog,pg_temp"));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("pinned"));
    }

    // Which rule or limit refused is said apart from the others: they are set in different places.
    void refusals_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("sslmode");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("said"); // %1: the port, %2: the login
        QTest::newRow("TLS-only pg_hba.conf, no encryption asked")
            << "hostssl" << "disable" << "127.0.0.1"
            << "The class server at 127.0.0.1:%1 lets this computer in only over an encrypted connection, and this "
               "computer asks for none (sslmode disable).";
        QTest::newRow("the login's connection limit")
            << "limit" << "require" << "127.0.0.1"
            << "%2 already has as many connections to the class server as one login may have: sign out where %2 "
               "is signed in elsewhere.";
        QTest::newRow("a certificate for another name")
            << "" << "verify-full" << "localhost"
            << "The class server's certificate is made out for another name than localhost: connect with the name "
               "its certificate carries (sslmode verify-full).";
    }

    void refusals()
    {
        QFETCH(QString, rule);
        QFETCH(QString, sslmode);
        QFETCH(QString, host);
        QFETCH(QString, said);
        if (!m_tls) {
            QVERIFY(m_server.useTls(true));
            m_tls = true;
        }
        const QString login = QStringLiteral("tls%1").arg(++m_logins);
        QVERIFY(m_server.exec(QStringLiteral("CREATE ROLE %1 LOGIN PASSWORD 'pw' CONNECTION LIMIT %2")
                                  .arg(login)
                                  .arg(rule == QLatin1String("limit") ? 0 : 2)));
        QVERIFY(m_server.onlyTls(rule == QLatin1String("hostssl")));
        qputenv("PGSSLROOTCERT", QFile::encodeName(m_server.certificate()));
        Connection c = m_server.login(login, QStringLiteral("pw"));
        c.sslmode = sslmode;
        c.host = host;
        const Outcome connected = ClassServer(c).connect();
        QVERIFY(m_server.onlyTls(false));
        said.replace(QLatin1String("%1"), QString::number(m_server.port())).replace(QLatin1String("%2"), login);
        QCOMPARE(connected.error, said);
    }
};

QTEST_GUILESS_MAIN(tst_ClassTls)
#include "tst_classtls.moc"
