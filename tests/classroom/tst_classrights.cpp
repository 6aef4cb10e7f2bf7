// The class server decides who sees and changes what: each role tried through its own login, against a real
// PostgreSQL server, with statements the program would never send.

#include "pgserver.h"

#include "classroom/classserver.h"
#include "trainer/model/setmodel.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace classroom;

namespace {

// The catalogue's faults the tests send, real ones: the server checks an answer against its own catalogue.
const trainer::Fault& fault(int n)
{
    return trainer::faults()[size_t(n)];
}

trainer::ExerciseRecord exercise(int n, const QString& named, bool right, const QString& assignment = {})
{
    const trainer::Fault& f = fault(n);
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.assignment = assignment;
    e.chosen = assignment.isEmpty() ? trainer::Chosen::AtRandom : trainer::Chosen::ByAssignment;
    e.finished = QDateTime::currentDateTimeUtc();
    e.faultId = QString::fromUtf8(f.id);
    e.faultStage = QString::fromUtf8(f.stage);
    e.stageNamed = right ? e.faultStage : named;
    e.partNamed = right ? QString::fromUtf8(f.part) : QString();
    e.right = right;
    e.optimum = 3;
    e.measurements = 5;
    e.safetySlips = right ? 0 : 1;
    e.readings.push_back({e.faultStage, QStringLiteral("12 V"), false});
    return e;
}

} // namespace

class tst_ClassRights : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QHash<QString, QString> m_logins;    // a student's name -> login
    QHash<QString, QString> m_passwords; // login -> password
    QString m_forAnna;                   // an assignment given to anna alone

    QString loginOf(const QString& who) const { return m_logins.value(who, who); }
    Connection as(const QString& who) { return m_server.login(loginOf(who), m_passwords.value(loginOf(who))); }

    // Runs `sql` as `who` through a connection of its own: the number in the first column, or -1 when refused.
    qint64 tryAs(const QString& who, const QString& sql)
    {
        qint64 result = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("try"));
            const Connection c = as(who);
            db.setHostName(c.host);
            db.setPort(c.port);
            db.setDatabaseName(c.database);
            db.setUserName(c.name);
            db.setPassword(c.password);
            if (!db.open())
                qFatal("%s cannot sign in: %s", qPrintable(who), qPrintable(db.lastError().text()));
            QSqlQuery q(db);
            if (q.exec(sql))
                result = q.next() ? q.value(0).toLongLong() : q.numRowsAffected();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("try"));
        return result;
    }

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
        for (const QString& instructor : {QStringLiteral("ada"), QStringLiteral("bob")}) {
            m_passwords[instructor] = generatePassword();
            QVERIFY(m_server.addInstructor(instructor, m_passwords[instructor]));
            ClassServer server(as(instructor));
            const Result<int> version = server.prepareServer();
            QVERIFY2(version.ok(), qPrintable(version.error));
            const QString lab = instructor == QLatin1String("ada") ? QStringLiteral("Lab A") : QStringLiteral("Lab B");
            const QStringList students = instructor == QLatin1String("ada")
                                             ? QStringList{QStringLiteral("anna"), QStringLiteral("ben")}
                                             : QStringList{QStringLiteral("carl")};
            const Result<std::vector<StudentLogin>> logins = server.createClass(lab, students);
            QVERIFY2(logins.ok(), qPrintable(logins.error));
            for (const StudentLogin& login : logins.value) {
                m_logins[login.name] = login.login;
                m_passwords[login.login] = login.password;
            }
        }
        ClassServer ada(as(QStringLiteral("ada")));
        const Result<QString> given = ada.assign({QStringLiteral("Lab A"), QStringLiteral("Sync"),
                                                  {QString::fromUtf8(fault(0).id), QString::fromUtf8(fault(1).id)}, {},
                                                  {QStringLiteral("anna")}});
        QVERIFY2(given.ok(), qPrintable(given.error));
        m_forAnna = given.value;
        QVERIFY(ada.assign({QStringLiteral("Lab A"), QStringLiteral("Anything"), {}, {}, {}}).ok());
        ClassServer anna(as(QStringLiteral("anna")));
        QVERIFY(anna.send(QStringLiteral("Lab A"), exercise(0, {}, true, m_forAnna)).ok());
        QVERIFY(anna.send(QStringLiteral("Lab A"), exercise(1, QStringLiteral("audio"), false)).ok());
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).send(QStringLiteral("Lab A"), exercise(2, QStringLiteral("if"), false)).ok());
        QVERIFY(ClassServer(as(QStringLiteral("carl"))).send(QStringLiteral("Lab B"), exercise(0, {}, true)).ok());
    }

    // Every attack tried as the role that would try it, with statements the program would never send.
    void rights_data()
    {
        QTest::addColumn<QString>("who");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qint64>("expected"); // the count seen, or -1: refused by the server

        const QString anExercise = QStringLiteral(
            "INSERT INTO fernwick.exercise (id, class, student, chosen, finished, fault_id, fault_stage, safety_slips, "
            "seconds, stage_named, part_named, correct, optimum, measurements, readings, checks) SELECT "
            "gen_random_uuid(), c.id, %1, 0, now(), '%3', '%4', 0, 1, '%4', '%5', true, 1, 1, '[]', '[]' "
            "FROM fernwick.class c WHERE c.name = '%2'");
        const QString f = QString::fromUtf8(fault(0).id), stage = QString::fromUtf8(fault(0).stage),
                      part = QString::fromUtf8(fault(0).part);
        const QString labA = m_server.value(QStringLiteral("SELECT id FROM fernwick.class WHERE name = 'Lab A'")).toString();
        const QString annasExercise =
            m_server.value(QStringLiteral("SELECT id FROM fernwick.exercise WHERE student = '%1' LIMIT 1").arg(loginOf("anna")))
                .toString();
        const QString verifier = scramVerifier(QStringLiteral("guessed"));
        const QString planted = QStringLiteral("INSERT INTO fernwick.class (id, name, instructor, grp) "
                                               "VALUES (gen_random_uuid(), 'Lab A', current_user, '%1')");
        const QString owned = QStringLiteral(
            "SELECT (SELECT count(*) FROM pg_class WHERE relowner = current_user::regrole) "
            "+ (SELECT count(*) FROM pg_proc WHERE proowner = current_user::regrole) "
            "+ (SELECT count(*) FROM pg_namespace WHERE nspowner = current_user::regrole) "
            "+ (SELECT count(*) FROM pg_database WHERE datdba = current_user::regrole)");

        QTest::newRow("a student reads only her own exercises") << "anna" << "SELECT count(*) FROM fernwick.exercise" << 2LL;
        QTest::newRow("nor another's by login")
            << "anna" << QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = '%1'").arg(loginOf("ben")) << 0LL;
        QTest::newRow("a student adds her own, right") << "anna" << anExercise.arg("current_user", "Lab A", f, stage, part) << 1LL;
        QTest::newRow("a forged right answer") << "anna" << anExercise.arg("current_user", "Lab A", f, stage, "not the part") << -1LL;
        QTest::newRow("a right answer to another fault")
            << "anna" << anExercise.arg("current_user", "Lab A", f, QString::fromUtf8(fault(1).stage), part) << -1LL;
        QTest::newRow("a right answer to no fault") << "anna" << anExercise.arg("current_user", "Lab A", "no-such-fault", stage, part) << -1LL;
        QTest::newRow("not as another student")
            << "anna" << anExercise.arg(QStringLiteral("'%1'").arg(loginOf("ben")), "Lab A", f, stage, part) << -1LL;
        QTest::newRow("not into another class")
            << "carl" << anExercise.arg("current_user", "Lab B", f, stage, part).replace("c.id", "'" + labA + "'::uuid") << -1LL;
        QTest::newRow("not under another class's assignment")
            << "carl" << anExercise.arg("current_user", "Lab B", f, stage, part)
                             .replace("(id, class,", "(assignment, id, class,")
                             .replace("SELECT gen_random_uuid()", "SELECT '" + m_forAnna + "'::uuid, gen_random_uuid()") << -1LL;
        QTest::newRow("a student changes nothing") << "anna" << "UPDATE fernwick.exercise SET correct = true" << -1LL;
        QTest::newRow("and deletes nothing") << "anna" << "DELETE FROM fernwick.exercise" << -1LL;
        QTest::newRow("sees the assignments given to her") << "anna" << "SELECT count(*) FROM fernwick.assignment" << 2LL;
        QTest::newRow("not those given to another") << "ben" << "SELECT count(*) FROM fernwick.assignment" << 1LL;
        QTest::newRow("changes no assignment") << "anna" << "UPDATE fernwick.assignment SET title = 'x'" << -1LL;
        QTest::newRow("gives no assignment")
            << "anna" << "INSERT INTO fernwick.assignment (class, title, faults) SELECT id, 'x', '{}' FROM fernwick.class" << -1LL;
        QTest::newRow("voids nothing")
            << "anna" << "INSERT INTO fernwick.voided (exercise, reason) SELECT id, 'x' FROM fernwick.exercise" << -1LL;
        QTest::newRow("makes no login")
            << "anna" << QStringLiteral("SELECT fernwick.add_student('%1', 'eve', '%2')").arg(labA, verifier) << -1LL;
        QTest::newRow("makes no class") << "anna" << "SELECT fernwick.create_class('x')" << -1LL;
        QTest::newRow("reads her own name only") << "anna" << "SELECT count(*) FROM fernwick.student" << 1LL;
        QTest::newRow("reads no other class's names") << "carl" << "SELECT count(*) FROM fernwick.student WHERE name <> 'carl'" << 0LL;
        QTest::newRow("no login says a student's name")
            << "carl" << "SELECT count(*) FROM pg_roles WHERE rolname IN ('anna', 'ben', 'carl')" << 0LL;
        QTest::newRow("an instructor sees only her class") << "ada" << "SELECT count(*) FROM fernwick.class" << 1LL;
        QTest::newRow("and its exercises") << "bob" << "SELECT count(*) FROM fernwick.exercise" << 1LL;
        QTest::newRow("not another's students") << "bob" << "SELECT count(*) FROM fernwick.student" << 1LL;
        QTest::newRow("an instructor changes no result") << "ada" << "UPDATE fernwick.exercise SET correct = true" << -1LL;
        QTest::newRow("deletes none") << "ada" << "DELETE FROM fernwick.exercise" << -1LL;
        QTest::newRow("cannot lift the rules") << "ada" << "ALTER TABLE fernwick.exercise DISABLE ROW LEVEL SECURITY" << -1LL;
        QTest::newRow("plants no class row on another's group") << "bob" << planted.arg("fernwick_student") << -1LL;
        QTest::newRow("plants no class row on no role") << "bob" << planted.arg("no_such_role") << -1LL;
        QTest::newRow("plants no group role") << "bob" << "CREATE ROLE fernwick_class_planted NOLOGIN" << -1LL;
        QTest::newRow("plants no student row")
            << "bob" << QStringLiteral("INSERT INTO fernwick.student (class, login, name) VALUES ('%1', 'bob', 'x')").arg(labA) << -1LL;
        QTest::newRow("gives no assignment directly")
            << "ada" << QStringLiteral("INSERT INTO fernwick.assignment (class, title, faults, students) VALUES ('%1', 'x', '{}', '{}')").arg(labA) << -1LL;
        QTest::newRow("voids nothing directly")
            << "ada" << QStringLiteral("INSERT INTO fernwick.voided (exercise, reason) VALUES ('%1', 'x')").arg(annasExercise) << -1LL;
        QTest::newRow("voids nothing of another class")
            << "bob" << QStringLiteral("SELECT fernwick.mark_void('%1', 'x')").arg(annasExercise) << -1LL;
        QTest::newRow("makes no login in another class")
            << "bob" << QStringLiteral("SELECT fernwick.add_student('%1', 'eve', '%2')").arg(labA, verifier) << -1LL;
        QTest::newRow("resets no password in another class")
            << "bob" << QStringLiteral("SELECT fernwick.reset_password('%1', '%2', '%3')").arg(labA, loginOf("anna"), verifier) << -1LL;
        QTest::newRow("sets no plain password")
            << "ada" << QStringLiteral("SELECT fernwick.reset_password('%1', 'anna', 'guessed')").arg(labA) << -1LL;
        QTest::newRow("gives itself no server program") << "ada" << "GRANT pg_execute_server_program TO ada" << -1LL;
        QTest::newRow("runs no program on the server") << "ada" << "COPY (SELECT 1) TO PROGRAM 'id'" << -1LL;
        QTest::newRow("becomes no owner") << "ada" << "SET ROLE fernwick_owner" << -1LL;
        QTest::newRow("is given no owner") << "ada" << "GRANT fernwick_owner TO ada" << -1LL;
        QTest::newRow("joins no class group") << "ada" << "GRANT fernwick_student TO ada" << -1LL;
        QTest::newRow("plants no function in public")
            << "ada" << "CREATE FUNCTION public.to_jsonb(name[]) RETURNS jsonb LANGUAGE sql AS 'SELECT NULL::jsonb'" << -1LL;
        QTest::newRow("nor in the class schema")
            << "ada" << "CREATE FUNCTION fernwick.to_jsonb(name[]) RETURNS jsonb LANGUAGE sql AS 'SELECT NULL::jsonb'" << -1LL;
        QTest::newRow("an instructor owns nothing") << "ada" << owned << 0LL;
        QTest::newRow("and may make no role or database")
            << "ada" << "SELECT count(*) FROM pg_roles WHERE rolname = current_user AND (rolcreaterole OR rolcreatedb)" << 0LL;
        QTest::newRow("every function keeps its own search path")
            << "anna" << "SELECT count(*) FROM pg_proc WHERE pronamespace = 'fernwick'::regnamespace AND NOT "
                         "coalesce(proconfig @> ARRAY['search_path=pg_catalog, fernwick, pg_temp'], false)" << 0LL;
        QTest::newRow("runs for no one it is not granted to")
            << "anna" << "SELECT count(*) FROM pg_proc p, aclexplode(coalesce(p.proacl, acldefault('f', p.proowner))) a "
                         "WHERE p.pronamespace = 'fernwick'::regnamespace AND p.prosecdef AND a.grantee = 0" << 0LL;
    }

    void rights()
    {
        QFETCH(QString, who);
        QFETCH(QString, sql);
        QFETCH(qint64, expected);
        QCOMPARE(tryAs(who, sql), expected);
    }

    void hostileNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("password");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("quote") << "o'brien" << "it's" << true;
        QTest::newRow("statement") << "x\"; DROP TABLE fernwick.exercise; --" << "'; DROP ROLE ada; --" << true;
        QTest::newRow("backslash") << "back\\slash" << "pass\\'word\\" << true;
        QTest::newRow("non-ASCII") << "Zoë Ångström ßø" << "пароль €" << true;
        // A name is no login any more: its length and a prefix of the server's own do not matter.
        QTest::newRow("63 bytes") << QString(21, QChar(0x20AC)) << QString(500, QLatin1Char('p')) << true;
        QTest::newRow("64 bytes") << QString(64, QLatin1Char('n')) << "x" << true;
        QTest::newRow("reserved prefix") << "pg_monitor2" << "x" << true;
        QTest::newRow("blank") << "  " << "x" << false;
    }

    void hostileNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, password);
        QFETCH(bool, accepted);
        const Result<std::vector<StudentLogin>> made = ClassServer(as(QStringLiteral("ada"))).addStudents(QStringLiteral("Lab A"), {name});
        QCOMPARE(made.ok(), accepted);
        if (!accepted) {
            QVERIFY(made.error.endsWith(QLatin1Char('.')));
            return;
        }
        const QString login = made.value.front().login;
        QCOMPARE(made.value.front().name, name);
        QVERIFY(m_server.setPassword(login, password));
        ClassServer student(m_server.login(login, password));
        QVERIFY(student.send(QStringLiteral("Lab A"), exercise(0, {}, true)).ok());
        const Result<std::vector<trainer::ExerciseRecord>> own = student.exercises(QStringLiteral("Lab A"));
        QVERIFY2(own.ok(), qPrintable(own.error));
        QCOMPARE(own.value.size(), size_t(1));
        QCOMPARE(own.value.front().student, login);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname IN ('ada', 'bob')")), 2);
        QVERIFY(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")) > 0);
    }

    void passwords()
    {
        const Outcome refused = ClassServer(m_server.login(loginOf("anna"), QStringLiteral("guess"))).connect();
        QCOMPARE(refused.error, QStringLiteral("The class server refused the name or password of %1.").arg(loginOf("anna")));
        QVERIFY(!ClassServer(as(QStringLiteral("bob"))).resetPassword(QStringLiteral("Lab A"), QStringLiteral("ben")).ok());
        const Result<StudentLogin> reset = ClassServer(as(QStringLiteral("ada"))).resetPassword(QStringLiteral("Lab A"), QStringLiteral("ben"));
        QVERIFY2(reset.ok(), qPrintable(reset.error));
        QCOMPARE(reset.value.login, loginOf("ben"));
        QVERIFY(!ClassServer(as(QStringLiteral("ben"))).connect().ok());
        m_passwords[loginOf("ben")] = reset.value.password;
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).connect().ok());
    }

    // Whatever the server logs, even every statement, holds no password: only verifiers leave this program.
    void passwordsNeverInTheLog()
    {
        QVERIFY(m_server.exec(QStringLiteral("ALTER SYSTEM SET log_statement = 'all'")));
        QVERIFY(m_server.exec(QStringLiteral("SELECT pg_reload_conf()")));
        QTest::qWait(500);
        ClassServer ada(as(QStringLiteral("ada")));
        const Result<std::vector<StudentLogin>> made = ada.addStudents(QStringLiteral("Lab A"), {QStringLiteral("dora")});
        QVERIFY2(made.ok(), qPrintable(made.error));
        const Result<StudentLogin> reset = ada.resetPassword(QStringLiteral("Lab A"), QStringLiteral("dora"));
        QVERIFY2(reset.ok(), qPrintable(reset.error));
        QVERIFY(!ada.addStudents(QStringLiteral("Lab A"), {QStringLiteral("eve"), QStringLiteral("dora")}).ok()); // a failed one
        const QString instructorPassword = generatePassword();
        QVERIFY(m_server.addInstructor(QStringLiteral("cy"), instructorPassword));
        QVERIFY(ClassServer(m_server.login(QStringLiteral("cy"), instructorPassword)).connect().ok());
        QVERIFY(m_server.exec(QStringLiteral("ALTER SYSTEM RESET log_statement")));
        QVERIFY(m_server.exec(QStringLiteral("SELECT pg_reload_conf()")));
        const QByteArray log = m_server.log();
        QVERIFY(log.contains("fernwick.add_student")); // the statements were logged
        QVERIFY(log.contains("SCRAM-SHA-256$"));
        for (const QString& password : {made.value.front().password, reset.value.password, instructorPassword})
            QVERIFY2(!log.contains(password.toUtf8()), qPrintable(password));
    }

    // A class row whose group role is gone (dropped by hand on the server) hides that class and stops no one.
    void aClassWithoutItsRole()
    {
        QVERIFY(m_server.exec(QStringLiteral("INSERT INTO fernwick.class (id, name, instructor, grp) VALUES "
                                             "(gen_random_uuid(), 'Lab A', 'bob', 'no_such_role')")));
        for (const QString& who : {QStringLiteral("ada"), QStringLiteral("bob"), QStringLiteral("anna"), QStringLiteral("carl")}) {
            const Result<std::vector<ClassInfo>> seen = ClassServer(as(who)).classes();
            QVERIFY2(seen.ok(), qPrintable(who + QLatin1Char(' ') + seen.error));
            QCOMPARE(seen.value.size(), size_t(who == QLatin1String("bob") ? 2 : 1));
        }
        QVERIFY(ClassServer(as(QStringLiteral("carl"))).send(QStringLiteral("Lab B"), exercise(0, {}, true)).ok());
        QVERIFY(m_server.exec(QStringLiteral("DELETE FROM fernwick.class WHERE grp = 'no_such_role'")));
    }

    // A student row naming another login (as an instructor of the first version could write one) lets no
    // one's password be set but a student's of that class.
    void aPlantedStudentRowResetsNoOne()
    {
        QVERIFY(m_server.exec(QStringLiteral("INSERT INTO fernwick.student (class, login, name) SELECT id, 'bob', 'x' "
                                             "FROM fernwick.class WHERE name = 'Lab A'")));
        const Result<StudentLogin> reset = ClassServer(as(QStringLiteral("ada"))).resetPassword(QStringLiteral("Lab A"), QStringLiteral("bob"));
        QVERIFY(m_server.exec(QStringLiteral("DELETE FROM fernwick.student WHERE login = 'bob'")));
        QCOMPARE(reset.error, QStringLiteral("The class server does not allow ada to do this."));
        QVERIFY(ClassServer(as(QStringLiteral("bob"))).connect().ok());
    }

    // A student's login has a few connections, not all of the server's.
    void connectionLimit()
    {
        std::vector<std::unique_ptr<ClassServer>> open;
        for (int i = 0; i < 4; ++i) {
            open.push_back(std::make_unique<ClassServer>(as(QStringLiteral("carl"))));
            QVERIFY(open.back()->connect().ok());
        }
        const Outcome fifth = ClassServer(as(QStringLiteral("carl"))).connect();
        QCOMPARE(fifth.error, QStringLiteral("%1 already has as many connections to the class server as one login "
                                             "may have: sign out where %1 is signed in elsewhere.")
                                  .arg(loginOf("carl")));
        open.clear();
        QTRY_VERIFY(ClassServer(as(QStringLiteral("carl"))).connect().ok());
    }

    void classView()
    {
        ClassServer ada(as(QStringLiteral("ada")));
        ClassServer anna(as(QStringLiteral("anna")));
        const Result<std::vector<Assignment>> open = anna.openAssignments(QStringLiteral("Lab A"));
        QVERIFY2(open.ok(), qPrintable(open.error));
        QCOMPARE(open.value.size(), size_t(2)); // newest first, neither due
        QCOMPARE(open.value.at(0).title, QStringLiteral("Anything"));
        QCOMPARE(open.value.at(1).remaining, QStringList{QString::fromUtf8(fault(1).id)});

        const trainer::ExerciseRecord mistaken = exercise(3, QStringLiteral("audio"), false);
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).send(QStringLiteral("Lab A"), mistaken).ok());
        QVERIFY(ada.markVoid(mistaken.id, QStringLiteral("the set was left on")).ok());
        QVERIFY(!ada.markVoid(mistaken.id, QStringLiteral("twice")).ok());

        const Result<ClassView> view = ada.classView(QStringLiteral("Lab A"));
        QVERIFY2(view.ok(), qPrintable(view.error));
        const auto ben = std::find_if(view.value.students.cbegin(), view.value.students.cend(),
                                      [](const StudentSummary& s) { return s.name == QLatin1String("ben"); });
        QVERIFY(ben != view.value.students.cend());
        QCOMPARE(ben->exercises, 1); // the void one left out
        QCOMPARE(ben->safetySlips, 1);
        QCOMPARE(view.value.missed.front().stage, QString::fromUtf8(fault(1).stage));
        const AssignmentProgress& sync = view.value.assignments.back();
        QCOMPARE(sync.assignment.title, QStringLiteral("Sync"));
        QCOMPARE(sync.finished, QStringList());
        QCOMPARE(sync.notYet, QStringList{QStringLiteral("anna")});
        QVERIFY(!ClassServer(as(QStringLiteral("bob"))).classView(QStringLiteral("Lab A")).ok());

        const Result<std::vector<SuccessPoint>> days = ada.successOverTime(QStringLiteral("Lab A"), QStringLiteral("anna"));
        QCOMPARE(days.value.size(), size_t(1));
        QCOMPARE(days.value.front().exercises, 3); // two sent, one added by hand above
        QCOMPARE(days.value.front().right, 2);
        const Result<std::vector<trainer::ExerciseRecord>> kept = ada.exercises(QStringLiteral("Lab A"), QStringLiteral("anna"));
        QCOMPARE(kept.value.front().readings.front().text, QStringLiteral("12 V"));
        QCOMPARE(kept.value.front().assignment, m_forAnna);
    }

    void newerSchemaLeftAlone()
    {
        QVERIFY(m_server.exec(QStringLiteral("UPDATE fernwick.version SET version = 99")));
        const Result<int> refused = ClassServer(as(QStringLiteral("ada"))).prepareServer();
        QVERIFY(m_server.exec(QStringLiteral("UPDATE fernwick.version SET version = 2")));
        QVERIFY(refused.error.contains(QLatin1String("newer version (99)")));
        QCOMPARE(ClassServer(as(QStringLiteral("bob"))).prepareServer().value, 2);
    }
};

QTEST_GUILESS_MAIN(tst_ClassRights)
#include "tst_classrights.moc"
