// Nothing a student finishes is lost on the way to the class server: each exercise arrives exactly once,
// whatever happens to the server, the network or the program in between.

#include "fileoutbox.h"
#include "pgserver.h"

#include "classroom/sender.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace classroom;

class tst_ClassSending : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QHash<QString, QString> m_logins;    // name -> login
    QHash<QString, QString> m_passwords; // name -> password
    QString m_otherClass;               // an assignment of another class

    // Rows on the server for the exercises of `login`, and how many distinct ids among them.
    qint64 rows(const QString& login)
    {
        return m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = '%1'")
                                  .arg(m_logins.value(login)));
    }

    QProcess* student(const QString& login, const QString& folder, const QStringList& task, QObject* parent)
    {
        auto* process = new QProcess(parent);
        process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process->start(QStringLiteral(CLASS_STUDENT),
                       QStringList{QStringLiteral("127.0.0.1"), QString::number(m_server.port()), m_logins.value(login),
                                   m_passwords.value(login), QStringLiteral("Lab"), folder}
                           + task);
        return process;
    }

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
        const QString password = generatePassword();
        QVERIFY(m_server.addInstructor(QStringLiteral("ada"), password));
        ClassServer ada(m_server.login(QStringLiteral("ada"), password));
        QVERIFY(ada.prepareServer().ok());
        QStringList names;
        for (int i = 0; i < 40; ++i)
            names << QStringLiteral("s%1").arg(i);
        const Result<std::vector<StudentLogin>> logins = ada.createClass(QStringLiteral("Lab"), names);
        QVERIFY2(logins.ok(), qPrintable(logins.error));
        for (const StudentLogin& login : logins.value) {
            m_logins[login.name] = login.login;
            m_passwords[login.name] = login.password;
        }
        QVERIFY(ada.createClass(QStringLiteral("Other"), {}).ok());
        const Result<QString> given = ada.assign({QStringLiteral("Other"), QStringLiteral("Theirs"), {}, {}, {}});
        QVERIFY2(given.ok(), qPrintable(given.error));
        m_otherClass = given.value;
    }

    void outlivesTheServer_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("trouble");
        QTest::addColumn<int>("exercises");
        QTest::newRow("server stopped before the send") << "s0" << "stopped" << 5;
        QTest::newRow("server killed during the sends") << "s1" << "killed" << 300;
        QTest::newRow("wrong password, then the right one") << "s2" << "password" << 3;
    }

    // The trainer's own sender, in this process: its outbox waits, it says why, and empties when it can.
    void outlivesTheServer()
    {
        QFETCH(QString, login);
        QFETCH(QString, trouble);
        QFETCH(int, exercises);
        QTemporaryDir folder;
        auto outbox = std::make_shared<FileOutbox>(folder.path());
        for (int i = 0; i < exercises; ++i)
            QVERIFY(outbox->write(sampleExercise(i)));
        const bool wrongPassword = trouble == QLatin1String("password");
        auto sender = std::make_unique<Sender>(
            m_server.login(m_logins.value(login), wrongPassword ? QStringLiteral("not it") : m_passwords.value(login)),
            QStringLiteral("Lab"), outbox);
        QSignalSpy problems(sender.get(), &Sender::problemChanged);
        if (trouble == QLatin1String("stopped"))
            m_server.stop();
        sender->sendNow();
        if (trouble == QLatin1String("killed")) {
            QTRY_VERIFY(rows(login) > 0);
            m_server.kill();
        }
        QTRY_VERIFY_WITH_TIMEOUT(!sender->problem().isEmpty(), 20000);
        QVERIFY(sender->waiting() > 0);
        QCOMPARE(outbox->unsent().size(), size_t(sender->waiting()));
        if (wrongPassword) {
            QCOMPARE(sender->problem(),
                     QStringLiteral("The class server refused the name or password of %1.").arg(m_logins.value(login)));
            sender = std::make_unique<Sender>(m_server.login(m_logins.value(login), m_passwords.value(login)),
                                              QStringLiteral("Lab"), outbox);
            sender->sendNow();
        } else {
            QVERIFY(sender->problem().contains(QLatin1String("cannot be reached")));
            QVERIFY(m_server.start());
        }
        QTRY_COMPARE_WITH_TIMEOUT(sender->waiting(), 0, 30000);
        QCOMPARE(sender->problem(), QString());
        QCOMPARE(rows(login), qint64(exercises));
    }

    void poisonedOutbox_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("poison");
        QTest::newRow("an assignment of another class") << "s4" << "assignment";
        QTest::newRow("a forged right answer") << "s5" << "forged";
    }

    // One exercise the server refuses for good is set aside and named; the ones behind it still go.
    void poisonedOutbox()
    {
        QFETCH(QString, login);
        QFETCH(QString, poison);
        QTemporaryDir folder;
        auto outbox = std::make_shared<FileOutbox>(folder.path());
        trainer::ExerciseRecord bad = sampleExercise(1);
        bad.finished = bad.finished.addSecs(-60); // the oldest: first in the queue
        if (poison == QLatin1String("assignment"))
            bad.assignment = m_otherClass;
        else
            bad.partNamed = QStringLiteral("not the part");
        QVERIFY(outbox->write(bad));
        QTest::qWait(20); // the files' times keep the order
        for (int i = 0; i < 3; ++i)
            QVERIFY(outbox->write(sampleExercise(i)));
        Sender sender(m_server.login(m_logins.value(login), m_passwords.value(login)), QStringLiteral("Lab"), outbox);
        QSignalSpy aside(&sender, &Sender::setAsideChanged);
        sender.sendNow();
        QTRY_COMPARE_WITH_TIMEOUT(sender.waiting(), 0, 20000);
        QCOMPARE(sender.problem(), QString());
        QCOMPARE(rows(login), 3);
        QCOMPARE(aside.count(), 1);
        QCOMPARE(sender.setAside().size(), 1);
        QVERIFY(sender.setAside().front().contains(bad.faultId));
        QVERIFY(sender.setAside().front().endsWith(QStringLiteral("The class server does not allow %1 to do this.")
                                                       .arg(m_logins.value(login))));
        QCOMPARE(outbox->unsent().size(), size_t(1)); // kept, never lost
    }

    // The program killed after its local writes and before its sends: the next run sends them, once.
    void programKilledBeforeItsSend()
    {
        QTemporaryDir folder;
        std::unique_ptr<QProcess> crash(student(QStringLiteral("s3"), folder.path(), {QStringLiteral("crash"), QStringLiteral("4")}, nullptr));
        QVERIFY(crash->waitForFinished(30000));
        QCOMPARE(crash->exitStatus(), QProcess::CrashExit);
        QCOMPARE(rows(QStringLiteral("s3")), 0);
        std::unique_ptr<QProcess> next(student(QStringLiteral("s3"), folder.path(), {QStringLiteral("flush")}, nullptr));
        QVERIFY(next->waitForFinished(30000));
        QCOMPARE(next->exitCode(), 0);
        QCOMPARE(rows(QStringLiteral("s3")), 4);
    }

    // Forty students' programs recording at once on the loopback.
    void fortyAtOnce()
    {
        QTemporaryDir folders;
        QObject owner;
        QList<QProcess*> programs;
        const qint64 before = m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise"));
        for (int i = 0; i < 40; ++i) {
            const QString login = QStringLiteral("s%1").arg(i);
            QVERIFY(QDir(folders.path()).mkpath(login));
            programs << student(login, folders.filePath(login), {QStringLiteral("record"), QStringLiteral("25")}, &owner);
        }
        for (QProcess* program : programs) {
            QVERIFY(program->waitForFinished(120000));
            QCOMPARE(program->exitCode(), 0);
        }
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")) - before, 1000);
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) - count(DISTINCT id) FROM fernwick.exercise")), 0);
        for (int i = 0; i < 40; ++i)
            QVERIFY(QDir(folders.filePath(QStringLiteral("s%1").arg(i))).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_ClassSending)
#include "tst_classsending.moc"
