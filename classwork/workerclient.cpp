// The program's class client: each call runs on a ClassWorker's thread, one after another, and its answer
// comes back on the GUI thread.

#include "classwork/client.h"

#include "classroom/outbox.h"
#include "classroom/sender.h"
#include "trainer/history/store.h"

using namespace classroom;

namespace classwork {

namespace {
// The local history as the sender's outbox, offering only the signed-in student's own exercises. The store
// reads and marks from any thread.
//
// Exercises done while working alone (no student: "this computer") are not the class's: they stay in the local
// history and are never sent. Those of another student who signed in on this computer before wait here for
// that student's own sign-in: the server takes an exercise only from its own student's login, so offering them
// now would be refused again and again.
class HistoryOutbox final : public Outbox
{
public:
    HistoryOutbox(trainer::Store& store, QString login)
        : m_store(store)
        , m_login(std::move(login))
    {}
    std::vector<trainer::ExerciseRecord> unsent() override
    {
        std::vector<trainer::ExerciseRecord> mine = m_store.unsent();
        std::erase_if(mine, [this](const trainer::ExerciseRecord& e) { return e.student != m_login; });
        return mine;
    }
    void markSent(const QUuid& exercise) override { m_store.markSent(exercise); }

private:
    trainer::Store& m_store;
    const QString m_login;
};

class WorkerClient final : public Client
{
public:
    explicit WorkerClient(const Connection& connection)
        : m_connection(connection)
        , m_worker(connection)
    {}

    const Connection& connection() const override { return m_connection; }

    void classes(QObject* context, Done<std::vector<ClassInfo>> done) override
    {
        m_worker.run(context, [](ClassServer& s) { return s.classes(); }, std::move(done));
    }

    void createClass(QObject* context, const QString& className, const QStringList& students,
                     Done<std::vector<StudentLogin>> done) override
    {
        m_worker.run(
            context,
            [className, students](ClassServer& s) -> Result<std::vector<StudentLogin>> {
                if (const Result<int> prepared = s.prepareServer(); !prepared.ok())
                    return {{}, prepared.error};
                return s.createClass(className, students);
            },
            std::move(done));
    }

    void addStudents(QObject* context, const QString& className, const QStringList& students,
                     Done<std::vector<StudentLogin>> done) override
    {
        m_worker.run(context, [className, students](ClassServer& s) { return s.addStudents(className, students); },
                     std::move(done));
    }

    void resetPassword(QObject* context, const QString& className, const QString& student,
                       Done<StudentLogin> done) override
    {
        m_worker.run(context, [className, student](ClassServer& s) { return s.resetPassword(className, student); },
                     std::move(done));
    }

    void markVoid(QObject* context, const QUuid& exercise, const QString& reason, Done<Nothing> done) override
    {
        m_worker.run(context, [exercise, reason](ClassServer& s) { return s.markVoid(exercise, reason); },
                     std::move(done));
    }

    void assign(QObject* context, const NewAssignment& assignment, Done<QString> done) override
    {
        m_worker.run(context, [assignment](ClassServer& s) { return s.assign(assignment); }, std::move(done));
    }

    void openAssignments(QObject* context, const QString& className, Done<std::vector<Assignment>> done) override
    {
        m_worker.run(context, [className](ClassServer& s) { return s.openAssignments(className); },
                     std::move(done));
    }

    void classData(QObject* context, const QString& className, Done<ClassData> done) override
    {
        m_worker.run(
            context,
            [className](ClassServer& s) -> Result<ClassData> {
                Result<ClassView> view = s.classView(className);
                if (!view.ok())
                    return {{}, view.error};
                Result<std::vector<Assignment>> given = s.assignments(className);
                if (!given.ok())
                    return {{}, given.error};
                return {{std::move(view.value), std::move(given.value)}, {}};
            },
            std::move(done));
    }

    void successOverTime(QObject* context, const QString& className, const QString& student,
                         Done<std::vector<SuccessPoint>> done) override
    {
        m_worker.run(context, [className, student](ClassServer& s) { return s.successOverTime(className, student); },
                     std::move(done));
    }

    void exercises(QObject* context, const QString& className,
                   Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> done) override
    {
        m_worker.run(
            context,
            [className](ClassServer& s) -> Result<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> {
                auto all = s.exercises(className);
                if (!all.ok())
                    return {{}, all.error};
                auto voided = s.voided(className);
                if (!voided.ok())
                    return {{}, voided.error};
                return {{std::move(all.value), std::move(voided.value)}, {}};
            },
            std::move(done));
    }

    void startSending(QObject* context, const QString& className, std::function<void(int)> waiting,
                      std::function<void(const QStringList&)> setAside) override
    {
        if (!m_sender || m_senderClass != className) {
            trainer::Store& history = trainer::history();
            m_sender = std::make_unique<Sender>(m_connection, className,
                                                std::make_shared<HistoryOutbox>(history, m_connection.name));
            m_senderClass = className;
            QObject::connect(&history, &trainer::Store::changed, m_sender.get(), &Sender::sendNow);
        }
        QObject::disconnect(m_waitingLink); // one listener: the class line of the trainer now open
        QObject::disconnect(m_asideLink);
        m_waitingLink = QObject::connect(m_sender.get(), &Sender::waitingChanged, context, std::move(waiting));
        if (!m_sender->setAside().isEmpty())
            setAside(m_sender->setAside());
        m_asideLink = QObject::connect(m_sender.get(), &Sender::setAsideChanged, context, std::move(setAside));
        m_sender->sendNow();
    }

private:
    Connection m_connection;
    ClassWorker m_worker;
    std::unique_ptr<Sender> m_sender;
    QString m_senderClass;
    QMetaObject::Connection m_waitingLink;
    QMetaObject::Connection m_asideLink;
};
} // namespace

std::unique_ptr<Client> workerClient(const Connection& connection)
{
    return std::make_unique<WorkerClient>(connection);
}

} // namespace classwork
