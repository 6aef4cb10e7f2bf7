// The database administrator's set-up, as the README gives it: fernwick-class-server run against a real
// PostgreSQL server, connecting as psql does; and a server set up by an earlier Fernwick, brought forward with
// its classes, logins and exercises kept.

#include "pgserver.h"

#include "classroom/schema.h"
#include "classroom/setup.h"
#include "trainer/model/setmodel.h"

#include <QProcess>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace classroom;

namespace {
trainer::ExerciseRecord found()
{
    const trainer::Fault& f = trainer::faults().front();
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.finished = QDateTime::currentDateTimeUtc();
    e.faultId = QString::fromUtf8(f.id);
    e.faultStage = QString::fromUtf8(f.stage);
    e.stageNamed = e.faultStage;
    e.partNamed = QString::fromUtf8(f.part);
    e.right = true;
    return e;
}
} // namespace

class tst_ClassSetup : public QObject
{
    Q_OBJECT
    PgServer m_server;

    // Runs the tool as the superuser, with PGHOST, PGPORT, PGUSER and PGPASSWORD as the administrator would.
    int tool(const QStringList& arguments, const QByteArray& input = {}, QString* said = nullptr)
    {
        const Connection admin = m_server.admin();
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("PGHOST"), admin.host);
        env.insert(QStringLiteral("PGPORT"), QString::number(admin.port));
        env.insert(QStringLiteral("PGUSER"), admin.name);
        env.insert(QStringLiteral("PGPASSWORD"), admin.password);
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(CLASS_SERVER_TOOL), arguments);
        p.write(input);
        p.closeWriteChannel();
        if (!p.waitForFinished(60000))
            return -1;
        if (said)
            *said = QString::fromUtf8(p.readAllStandardError() + p.readAllStandardOutput()).trimmed();
        return p.exitCode();
    }

    Connection on(const QString& database, const QString& login, const QString& password)
    {
        Connection c = m_server.login(login, password);
        c.database = database;
        return c;
    }

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
        QVERIFY(m_server.addInstructor(QStringLiteral("ada"), QStringLiteral("ada-pw"))); // the database fernwick
    }

    void theToolSetsUpASchool()
    {
        QString said;
        QCOMPARE(tool({QStringLiteral("init")}), 2);
        QCOMPARE(tool({QStringLiteral("init"), QStringLiteral("north")}, {}, &said), 0);
        QCOMPARE(said, QStringLiteral("The database north is set up for Fernwick (version %1).").arg(kSchemaVersion));
        QCOMPARE(tool({QStringLiteral("instructor"), QStringLiteral("dana"), QStringLiteral("north")}, "dana's pw\n"), 0);
        QCOMPARE(m_server.value(QStringLiteral("SELECT pg_catalog.pg_get_userbyid(datdba) FROM pg_database "
                                               "WHERE datname = 'north'")).toString(),
                 QStringLiteral("fernwick_owner"));

        ClassServer dana(on(QStringLiteral("north"), QStringLiteral("dana"), QStringLiteral("dana's pw")));
        QCOMPARE(dana.prepareServer().value, kSchemaVersion);
        const Result<std::vector<StudentLogin>> made = dana.createClass(QStringLiteral("9B"), {QStringLiteral("Zoë")});
        QVERIFY2(made.ok(), qPrintable(made.error));
        const StudentLogin& zoe = made.value.front();
        QVERIFY(zoe.login.startsWith(QLatin1String("fw")));
        QVERIFY(ClassServer(on(QStringLiteral("north"), zoe.login, zoe.password)).send(QStringLiteral("9B"), found()).ok());
        // A school's logins are for its own database only.
        QVERIFY(!ClassServer(on(QStringLiteral("fernwick"), zoe.login, zoe.password)).connect().ok());
        QVERIFY(!ClassServer(on(QStringLiteral("fernwick"), QStringLiteral("dana"), QStringLiteral("dana's pw"))).connect().ok());

        // Run again (an upgrade, a new password): nothing is lost, and the instructor gains no power.
        QCOMPARE(tool({QStringLiteral("init"), QStringLiteral("north")}), 0);
        QCOMPARE(tool({QStringLiteral("instructor"), QStringLiteral("dana"), QStringLiteral("north")}, "new pw\n"), 0);
        ClassServer again(on(QStringLiteral("north"), QStringLiteral("dana"), QStringLiteral("new pw")));
        const Result<std::vector<ClassInfo>> classes = again.classes();
        QVERIFY2(classes.ok(), qPrintable(classes.error));
        QCOMPARE(classes.value.size(), size_t(1));
        QCOMPARE(classes.value.front().students, QStringList{QStringLiteral("Zoë")});
        QCOMPARE(classes.value.front().logins, QStringList{zoe.login});
        QCOMPARE(tool({QStringLiteral("instructor"), QStringLiteral("fwadmin"), QStringLiteral("north")}, "x\n", &said), 1);
        QCOMPARE(said, QStringLiteral("fwadmin is a superuser: an instructor is a plain login."));
    }

    // A server of the first version, made by an instructor who could create roles, with a class, a login named
    // after its student and an exercise; then set up by the administrator.
    void anEarlierServerKeepsItsWork()
    {
        QVERIFY(m_server.exec(QStringLiteral("CREATE DATABASE south")));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("south"));
            const Connection admin = m_server.admin();
            db.setHostName(admin.host);
            db.setPort(admin.port);
            db.setDatabaseName(QStringLiteral("south"));
            db.setUserName(admin.name);
            db.setPassword(admin.password);
            QVERIFY2(db.open(), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            QVERIFY(q.exec(QStringLiteral("ALTER ROLE fernwick_owner NOCREATEROLE")));
            QVERIFY(db.transaction());
            for (const QString& statement : migrationTo(1))
                QVERIFY2(q.exec(statement), qPrintable(q.lastError().text()));
            QVERIFY(db.commit());
            const trainer::ExerciseRecord e = found();
            for (const QString& statement :
                 {QStringLiteral("CREATE ROLE olda LOGIN CREATEROLE PASSWORD 'olda-pw' IN ROLE fernwick_instructor"),
                  QStringLiteral("ALTER DATABASE south OWNER TO olda"), QStringLiteral("SET ROLE olda"),
                  QStringLiteral("SELECT fernwick.create_login(fernwick.create_class('Old'), 'oskar', 'oskar-pw')"),
                  QStringLiteral("SET ROLE oskar"),
                  QStringLiteral("INSERT INTO fernwick.exercise (id, class, chosen, finished, fault_id, fault_stage, "
                                 "safety_slips, seconds, stage_named, part_named, correct, optimum, measurements, "
                                 "readings, checks) SELECT '%1', id, 0, now(), '%2', '%3', 0, 1, '%3', '%4', true, 1, "
                                 "1, '[]', '[]' FROM fernwick.class")
                      .arg(e.id.toString(QUuid::WithoutBraces), e.faultId, e.faultStage, e.partNamed),
                  QStringLiteral("RESET ROLE")})
                QVERIFY2(q.exec(statement), qPrintable(statement + q.lastError().text()));
        }
        QSqlDatabase::removeDatabase(QStringLiteral("south"));

        const Result<int> made = setUpDatabase(m_server.admin(), QStringLiteral("south"));
        QVERIFY2(made.ok(), qPrintable(made.error));
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname = 'olda' AND rolcreaterole")), 0);
        ClassServer olda(on(QStringLiteral("south"), QStringLiteral("olda"), QStringLiteral("olda-pw")));
        const Result<std::vector<ClassInfo>> classes = olda.classes();
        QVERIFY2(classes.ok(), qPrintable(classes.error));
        QCOMPARE(classes.value.size(), size_t(1));
        QCOMPARE(classes.value.front().students, QStringList{QStringLiteral("oskar")});
        QCOMPARE(olda.exercises(QStringLiteral("Old")).value.size(), size_t(1));
        QVERIFY(olda.addStudents(QStringLiteral("Old"), {QStringLiteral("Pia")}).ok());
        ClassServer oskar(on(QStringLiteral("south"), QStringLiteral("oskar"), QStringLiteral("oskar-pw")));
        const Outcome sent = oskar.send(QStringLiteral("Old"), found());
        QVERIFY2(sent.ok(), qPrintable(sent.error));
        QCOMPARE(oskar.exercises(QStringLiteral("Old")).value.size(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(tst_ClassSetup)
#include "tst_classsetup.moc"
