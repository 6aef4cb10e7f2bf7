// What the class view costs on the GUI thread for a class of 40 students with 200 exercises each: the view
// opened, its tables and plots filled from the server's answer and painted once; and the class's 8000
// exercises written as CSV. The server's own time is not in it: a client stands in that answers at once.
// Run by hand, offscreen: QT_QPA_PLATFORM=offscreen ./bench_classview

#include "classwork/classview.h"
#include "classwork/client.h"
#include "classwork/frmClassView.h"
#include "support/program.h"
#include "trainer/model/setmodel.h"

#include <QTableWidget>
#include <QTest>

using namespace classroom;
using namespace classwork;

namespace {
constexpr int kStudents = 40;
constexpr int kEach = 200;

struct Class
{
    ClassData data;
    std::vector<SuccessPoint> days;
    std::vector<trainer::ExerciseRecord> exercises;
};

Class makeClass()
{
    Class c;
    const auto faults = trainer::faults();
    const QDateTime start(QDate(2026, 2, 1), QTime(9, 0), Qt::UTC);
    for (int s = 0; s < kStudents; ++s) {
        const QString name = QStringLiteral("Student %1").arg(s + 1);
        c.data.view.students.push_back({name, kEach, kEach / 2, kEach * 6, kEach * 4, s % 5, start.addDays(kEach), name});
        for (int e = 0; e < kEach; ++e) {
            const trainer::Fault& f = faults[size_t(e) % faults.size()];
            trainer::ExerciseRecord r;
            r.id = QUuid::createUuid();
            r.student = name;
            r.faultId = f.id;
            r.faultStage = f.stage;
            r.stageNamed = e % 3 ? QString(f.stage) : QStringLiteral("damper");
            r.right = e % 3 != 0;
            r.finished = start.addSecs(3600LL * e);
            r.measurements = 6;
            r.optimum = 4;
            c.exercises.push_back(r);
        }
    }
    for (int a = 0; a < 12; ++a) {
        Assignment given;
        given.id = QString::number(a);
        given.title = QStringLiteral("Week %1").arg(a + 1);
        c.data.assignments.push_back(given);
        AssignmentProgress p{given, {}, {}};
        for (const StudentSummary& s : c.data.view.students)
            (a % 2 ? p.finished : p.notYet) << s.student;
        c.data.view.assignments.push_back(p);
    }
    for (const QString& stage : trainer::stages())
        c.data.view.missed.push_back({stage, int(stage.size())});
    for (int d = 0; d < kEach; ++d)
        c.days.push_back({QDate(2026, 2, 1).addDays(d), 1, d % 2});
    return c;
}

class AtOnce final : public Client
{
public:
    explicit AtOnce(const Class& c)
        : m_class(c)
    {}
    const Connection& connection() const override { return m_connection; }
    void classes(QObject*, Done<std::vector<ClassInfo>> d) override { d({}); }
    void createClass(QObject*, const QString&, const QStringList&, Done<std::vector<StudentLogin>> d) override { d({}); }
    void addStudents(QObject*, const QString&, const QStringList&, Done<std::vector<StudentLogin>> d) override { d({}); }
    void resetPassword(QObject*, const QString&, const QString&, Done<StudentLogin> d) override { d({}); }
    void markVoid(QObject*, const QUuid&, const QString&, Done<classroom::Nothing> d) override { d({}); }
    void assign(QObject*, const NewAssignment&, Done<QString> d) override { d({}); }
    void openAssignments(QObject*, const QString&, Done<std::vector<Assignment>> d) override { d({}); }
    void classData(QObject*, const QString&, Done<ClassData> d) override { d({m_class.data, {}}); }
    void successOverTime(QObject*, const QString&, const QString&, Done<std::vector<SuccessPoint>> d) override
    {
        d({m_class.days, {}});
    }
    void exercises(QObject*, const QString&,
                   Done<std::pair<std::vector<trainer::ExerciseRecord>, std::vector<QUuid>>> d) override
    {
        d({{m_class.exercises, {}}, {}});
    }

private:
    const Class& m_class;
    Connection m_connection;
};
} // namespace

class bench_classview : public QObject
{
    Q_OBJECT
private slots:
    void openFilledAndPainted();
    void csvOfTheClass();
};

void bench_classview::openFilledAndPainted()
{
    const Class c = makeClass();
    const auto client = std::make_shared<AtOnce>(c);
    fw::test::ProgramScope program;
    QBENCHMARK
    {
        frmClassView& v = frmClassView::get();
        v.open(nullptr, client, QStringLiteral("4B"));
        v.window()->grab();
        v.Unload();
        fw::test::settle();
    }
    QCOMPARE(frmClassView::get().tblStudents()->rowCount(), kStudents);
}

void bench_classview::csvOfTheClass()
{
    const Class c = makeClass();
    QString csv;
    QBENCHMARK
    {
        csv = classCsv(c.exercises, c.data.assignments);
    }
    QCOMPARE(csv.count(QLatin1String("\r\n")), kStudents * kEach + 1);
}

FW_TEST_MAIN(bench_classview)
#include "bench_classview.moc"
