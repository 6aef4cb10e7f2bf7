// The outbox across a killed program, with the real history and the real sender against the test's own
// PostgreSQL server: the program is killed (SIGKILL) after the server took an exercise and before the history
// marked it sent. The next start sends it again; the server keeps it once and the outbox empties. Were the
// second send refused, the sender would say why and the outbox would never empty.
//
// The program to kill is this test itself, started again with --killed-outbox: it records the exercises in
// its history, sends them, and when the server has taken the one it is told, says so and waits to be killed
// before that exercise's mark is handed to the history.

#include "pgserver.h"

#include "classroom/sender.h"
#include "trainer/history/store.h"

#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <cstdio>

using namespace classroom;
using trainer::ExerciseRecord;
using trainer::Store;

namespace {

const QString kClass = QStringLiteral("Lab");

// The history as the sender's outbox, as the program offers it to its signed-in student. Keeps the ids it was
// asked to mark, which the sender asks only once the server has an exercise. With `stopAt` (1 for the first),
// that mark is never handed to the history: the exercise's id is printed and the sending thread waits to be
// killed with the program.
class HistoryOutbox : public Outbox
{
public:
    explicit HistoryOutbox(Store& store, int stopAt = 0) : m_store(store), m_stopAt(stopAt) {}
    std::vector<ExerciseRecord> unsent() override { return m_store.unsent(); }
    void markSent(const QUuid& id) override
    {
        marked.push_back(id);
        if (int(marked.size()) == m_stopAt) {
            std::printf("taken %s\n", qPrintable(id.toString(QUuid::WithoutBraces)));
            std::fflush(stdout);
            for (;;)
                QThread::sleep(60);
        }
        m_store.markSent(id);
        // The next send only once the mark is in the history, so that the kill finds the earlier ones marked.
        for (;;) {
            const std::vector<ExerciseRecord> left = m_store.unsent();
            if (std::none_of(left.begin(), left.end(), [&](const ExerciseRecord& e) { return e.id == id; }))
                break;
            QThread::msleep(10);
        }
    }
    std::vector<QUuid> marked; // on the sender's thread; read once the sender has ended its round

private:
    Store& m_store;
    int m_stopAt;
};

Connection login(const QStringList& args)
{
    Connection c;
    c.host = args[0];
    c.port = args[1].toInt();
    c.sslmode = QStringLiteral("disable");
    c.name = args[2];
    c.password = args[3];
    return c;
}

// --killed-outbox HISTORY HOST PORT LOGIN PASSWORD EXERCISES STOP_AT
int sendUntilKilled(const QStringList& args)
{
    Store store(args[0]);
    for (int i = 1; i <= args[5].toInt(); ++i) {
        ExerciseRecord e;
        e.id = QUuid::createUuid();
        e.student = args[3];
        e.finished = QDateTime::currentDateTimeUtc();
        e.faultId = QStringLiteral("fault-%1").arg(i);
        e.faultStage = e.stageNamed = QStringLiteral("damper");
        e.right = false; // a fault the server's catalogue does not know can only be sent as not found
        store.record(e);
    }
    if (!store.wait()) {
        std::fprintf(stderr, "%s\n", qPrintable(store.problem()));
        return 1;
    }
    Sender sender(login(args.mid(1, 4)), kClass, std::make_shared<HistoryOutbox>(store, args[6].toInt()));
    QObject::connect(&sender, &Sender::problemChanged, [](const QString& problem) {
        std::fprintf(stderr, "%s\n", qPrintable(problem));
        QCoreApplication::exit(1);
    });
    sender.sendNow();
    return QCoreApplication::exec();
}

} // namespace

class tst_OutboxRestart : public QObject
{
    Q_OBJECT
    PgServer m_server;
    QHash<QString, QString> m_logins;    // name -> the login the student signs in with
    QHash<QString, QString> m_passwords; // name -> password

private slots:
    void initTestCase()
    {
        if (!m_server.available())
            QSKIP(qPrintable(m_server.whyNot()));
        const QString password = generatePassword();
        QVERIFY(m_server.addInstructor(QStringLiteral("ada"), password));
        ClassServer ada(m_server.login(QStringLiteral("ada"), password));
        QVERIFY(ada.prepareServer().ok());
        const Result<std::vector<StudentLogin>> logins = ada.createClass(kClass, {QStringLiteral("s1"), QStringLiteral("s2")});
        QVERIFY2(logins.ok(), qPrintable(logins.error));
        for (const StudentLogin& l : logins.value) {
            m_logins[l.name] = l.login;
            m_passwords[l.name] = l.password;
        }
    }

    void sentAgainAfterTheKill_data()
    {
        QTest::addColumn<QString>("student");
        QTest::addColumn<int>("exercises");
        QTest::addColumn<int>("killedAt"); // the exercise the server took last before the kill, 1 for the first
        QTest::newRow("the only exercise") << "s1" << 1 << 1;
        QTest::newRow("the second of three: one marked before, one never sent") << "s2" << 3 << 2;
    }

    void sentAgainAfterTheKill()
    {
        QFETCH(QString, student);
        QFETCH(int, exercises);
        QFETCH(int, killedAt);
        const QString login = m_logins.value(student);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("trainer.sqlite"));
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--killed-outbox"), path, QStringLiteral("127.0.0.1"),
                       QString::number(m_server.port()), login, m_passwords.value(student),
                       QString::number(exercises), QString::number(killedAt)});
        while (!program.canReadLine() && program.waitForReadyRead(120000)) {
        }
        const QByteArray line = program.readLine().trimmed();
        QVERIFY2(line.startsWith("taken "), line.constData());
        const QString taken = QString::fromLatin1(line.mid(6));
        const QString rowsOfIt = QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE id = '%1'").arg(taken);
        QCOMPARE(m_server.count(rowsOfIt), qint64(1));
        program.kill();
        QVERIFY(program.waitForFinished(30000));
        QCOMPARE(program.exitStatus(), QProcess::CrashExit);

        // The next start: the history still offers the taken exercise and those after it.
        Store store(path);
        QTRY_VERIFY(!store.isOpening());
        std::vector<QUuid> offered;
        for (const ExerciseRecord& e : store.unsent())
            offered.push_back(e.id);
        QCOMPARE(int(offered.size()), exercises - killedAt + 1);
        QCOMPARE(offered.front(), QUuid::fromString(taken));

        auto outbox = std::make_shared<HistoryOutbox>(store);
        Sender sender(m_server.login(login, m_passwords.value(student)), kClass, outbox);
        sender.sendNow();
        QTRY_VERIFY_WITH_TIMEOUT(sender.waiting() == 0 || !sender.problem().isEmpty(), 60000);
        QCOMPARE(sender.problem(), QString());
        QCOMPARE(outbox->marked, offered); // each sent, the taken one again, and only then marked
        QTRY_COMPARE_WITH_TIMEOUT(store.waiting(), 0, 30000);
        QVERIFY(store.unsent().empty());
        QCOMPARE(int(store.exercises().size()), exercises);
        QCOMPARE(m_server.count(rowsOfIt), qint64(1));
        QCOMPARE(m_server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise WHERE student = '%1'").arg(login)),
                 qint64(exercises));
    }
};

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 9 && args[1] == QLatin1String("--killed-outbox"))
        return sendUntilKilled(args.mid(2));
    tst_OutboxRestart test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_outboxrestart.moc"
