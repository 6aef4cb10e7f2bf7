// The program's class client: each call runs on a ClassWorker's thread, one after another, and its answer
// comes back on the GUI thread.

#include "classwork/client.h"

using namespace classroom;

namespace classwork {

namespace {
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

private:
    Connection m_connection;
    ClassWorker m_worker;
};
} // namespace

std::unique_ptr<Client> workerClient(const Connection& connection)
{
    return std::make_unique<WorkerClient>(connection);
}

} // namespace classwork
