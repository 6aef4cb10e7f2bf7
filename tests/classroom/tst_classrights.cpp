// The class server decides who sees and changes what: each role tried through its own login, against a real
// PostgreSQL server, with statements the program would never send.

#include "pgserver.h"

#include "classroom/classserver.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTest>

using namespace classroom;

namespace {

trainer::ExerciseRecord exercise(const QString& fault, const QString& stage, const QString& named, bool right,
                                 const QString& assignment = {})
{
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.assignment = assignment;
    e.chosen = assignment.isEmpty() ? trainer::Chosen::AtRandom : trainer::Chosen::ByAssignment;
    e.finished = QDateTime::currentDateTimeUtc();
    e.faultId = fault;
    e.faultStage = stage;
    e.stageNamed = named;
    e.partNamed = right ? QStringLiteral("R1") : QString();
    e.right = right;
    e.optimum = 3;
    e.measurements = 5;
    e.safetySlips = right ? 0 : 1;
    e.readings.push_back({stage, QStringLiteral("12 V"), false});
    return e;
}

} // namespace

class tst_ClassRights : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QHash<QString, QString> m_passwords; // login -> password
    QString m_forAnna;                   // an assignment given to anna alone

    Connection as(const QString& login) { return m_server.login(login, m_passwords.value(login)); }

    // Runs `sql` as `login` through a connection of its own: the number in the first column, or -1 when refused.
    qint64 tryAs(const QString& login, const QString& sql)
    {
        qint64 result = -1;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("try"));
            const Connection c = as(login);
            db.setHostName(c.host);
            db.setPort(c.port);
            db.setDatabaseName(c.database);
            db.setUserName(c.name);
            db.setPassword(c.password);
            if (!db.open())
                qFatal("%s cannot sign in: %s", qPrintable(login), qPrintable(db.lastError().text()));
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
            for (const StudentLogin& login : logins.value)
                m_passwords[login.name] = login.password;
        }
        ClassServer ada(as(QStringLiteral("ada")));
        const Result<QString> given = ada.assign({QStringLiteral("Lab A"), QStringLiteral("Sync"),
                                                  {QStringLiteral("f1"), QStringLiteral("f2")}, {},
                                                  {QStringLiteral("anna")}});
        QVERIFY2(given.ok(), qPrintable(given.error));
        m_forAnna = given.value;
        QVERIFY(ada.assign({QStringLiteral("Lab A"), QStringLiteral("Anything"), {}, {}, {}}).ok());
        ClassServer anna(as(QStringLiteral("anna")));
        QVERIFY(anna.send(QStringLiteral("Lab A"), exercise("f1", "sync", "sync", true, m_forAnna)).ok());
        QVERIFY(anna.send(QStringLiteral("Lab A"), exercise("f2", "power", "audio", false)).ok());
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).send(QStringLiteral("Lab A"), exercise("f3", "tuner", "if", false)).ok());
        QVERIFY(ClassServer(as(QStringLiteral("carl"))).send(QStringLiteral("Lab B"), exercise("f1", "sync", "sync", true)).ok());
    }

    void rights_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("sql");
        QTest::addColumn<qint64>("expected"); // the count seen, or -1: refused by the server

        const QString anExercise = QStringLiteral(
            "INSERT INTO fernwick.exercise (id, class, student, chosen, finished, fault_id, fault_stage, safety_slips, "
            "seconds, stage_named, part_named, correct, optimum, measurements, readings, checks) SELECT "
            "gen_random_uuid(), c.id, %1, 0, now(), 'f1', 'sync', 0, 1, 'sync', '', true, 1, 1, '[]', '[]' "
            "FROM fernwick.class c WHERE c.name = '%2'");
        QTest::newRow("a student reads only her own exercises") << "anna" << "SELECT count(*) FROM fernwick.exercise" << 2LL;
        QTest::newRow("nor another's by name") << "anna" << "SELECT count(*) FROM fernwick.exercise WHERE student = 'ben'" << 0LL;
        QTest::newRow("a student adds her own") << "anna" << anExercise.arg("current_user", "Lab A") << 1LL;
        QTest::newRow("not as another student") << "anna" << anExercise.arg("'ben'", "Lab A") << -1LL;
        const QString labA = m_server.value(QStringLiteral("SELECT id FROM fernwick.class WHERE name = 'Lab A'")).toString();
        QTest::newRow("not into another class")
            << "carl" << anExercise.arg("current_user", "Lab B").replace("c.id", "'" + labA + "'::uuid") << -1LL;
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
            << "anna" << "SELECT fernwick.create_login((SELECT id FROM fernwick.class), 'eve', 'pw')" << -1LL;
        QTest::newRow("an instructor sees only her class") << "ada" << "SELECT count(*) FROM fernwick.class" << 1LL;
        QTest::newRow("and its exercises") << "bob" << "SELECT count(*) FROM fernwick.exercise" << 1LL;
        QTest::newRow("not another's students") << "bob" << "SELECT count(*) FROM fernwick.student" << 1LL;
        QTest::newRow("an instructor changes no result") << "ada" << "UPDATE fernwick.exercise SET correct = true" << -1LL;
        QTest::newRow("deletes none") << "ada" << "DELETE FROM fernwick.exercise" << -1LL;
        QTest::newRow("cannot lift the rules") << "ada" << "ALTER TABLE fernwick.exercise DISABLE ROW LEVEL SECURITY" << -1LL;
        QTest::newRow("voids nothing of another class")
            << "bob" << "INSERT INTO fernwick.voided (exercise, reason) SELECT id, 'x' FROM fernwick.exercise "
                        "WHERE student = 'anna'" << 0LL;
        QTest::newRow("makes no login in another class")
            << "bob" << "SELECT fernwick.create_login((SELECT id FROM fernwick.class WHERE name = 'Lab A'), 'eve', 'pw')" << -1LL;
    }

    void rights()
    {
        QFETCH(QString, login);
        QFETCH(QString, sql);
        QFETCH(qint64, expected);
        QCOMPARE(tryAs(login, sql), expected);
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
        QTest::newRow("63 bytes") << QString(21, QChar(0x20AC)) << QString(500, QLatin1Char('p')) << true;
        QTest::newRow("64 bytes") << QString(64, QLatin1Char('n')) << "x" << false;
        QTest::newRow("reserved prefix") << "pg_monitor2" << "x" << false;
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
        QVERIFY(m_server.setPassword(name, password));
        ClassServer student(m_server.login(name, password));
        QVERIFY(student.send(QStringLiteral("Lab A"), exercise("f1", "sync", "sync", true)).ok());
        const Result<std::vector<trainer::ExerciseRecord>> own = student.exercises(QStringLiteral("Lab A"));
        QVERIFY2(own.ok(), qPrintable(own.error));
        QCOMPARE(own.value.size(), size_t(1));
        QCOMPARE(own.value.front().student, name);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM pg_roles WHERE rolname IN ('ada', 'bob')")), 2);
        QVERIFY(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")) > 0);
    }

    void passwords()
    {
        const Outcome refused = ClassServer(m_server.login(QStringLiteral("anna"), QStringLiteral("guess"))).connect();
        QCOMPARE(refused.error, QStringLiteral("The class server refused the name or password of anna."));
        QVERIFY(!ClassServer(as(QStringLiteral("bob"))).resetPassword(QStringLiteral("Lab A"), QStringLiteral("ben")).ok());
        const Result<StudentLogin> reset = ClassServer(as(QStringLiteral("ada"))).resetPassword(QStringLiteral("Lab A"), QStringLiteral("ben"));
        QVERIFY2(reset.ok(), qPrintable(reset.error));
        QVERIFY(!ClassServer(as(QStringLiteral("ben"))).connect().ok());
        m_passwords[QStringLiteral("ben")] = reset.value.password;
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).connect().ok());
    }

    void classView()
    {
        ClassServer ada(as(QStringLiteral("ada")));
        ClassServer anna(as(QStringLiteral("anna")));
        const Result<std::vector<Assignment>> open = anna.openAssignments(QStringLiteral("Lab A"));
        QVERIFY2(open.ok(), qPrintable(open.error));
        QCOMPARE(open.value.size(), size_t(2)); // newest first, neither due
        QCOMPARE(open.value.at(0).title, QStringLiteral("Anything"));
        QCOMPARE(open.value.at(1).remaining, QStringList{QStringLiteral("f2")});

        const trainer::ExerciseRecord mistaken = exercise("f9", "tuner", "audio", false);
        QVERIFY(ClassServer(as(QStringLiteral("ben"))).send(QStringLiteral("Lab A"), mistaken).ok());
        QVERIFY(ada.markVoid(mistaken.id, QStringLiteral("the set was left on")).ok());
        QVERIFY(!ada.markVoid(mistaken.id, QStringLiteral("twice")).ok());

        const Result<ClassView> view = ada.classView(QStringLiteral("Lab A"));
        QVERIFY2(view.ok(), qPrintable(view.error));
        const auto ben = std::find_if(view.value.students.cbegin(), view.value.students.cend(),
                                      [](const StudentSummary& s) { return s.student == QLatin1String("ben"); });
        QVERIFY(ben != view.value.students.cend());
        QCOMPARE(ben->exercises, 1); // the void one left out
        QCOMPARE(ben->safetySlips, 1);
        QCOMPARE(view.value.missed.front().stage, QStringLiteral("power"));
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
        QVERIFY(m_server.exec(QStringLiteral("UPDATE fernwick.version SET version = 1")));
        QVERIFY(refused.error.contains(QLatin1String("newer version (99)")));
        QCOMPARE(ClassServer(as(QStringLiteral("bob"))).prepareServer().value, 1);
    }
};

QTEST_GUILESS_MAIN(tst_ClassRights)
#include "tst_classrights.moc"
