// The class server on the loopback: how long sending one finished exercise takes, and how long the class view
// takes for 40 students with 200 exercises each. Starts a PostgreSQL server of its own (as the tests do).

#include "pgserver.h"

#include "classroom/classserver.h"
#include "trainer/model/setmodel.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>

using namespace classroom;

namespace {

struct Figures
{
    double median, p95, worst;
};

Figures figures(std::vector<double> ms)
{
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms[ms.size() * 95 / 100], ms.back()};
}

trainer::ExerciseRecord exercise(int i)
{
    trainer::ExerciseRecord e;
    e.id = QUuid::createUuid();
    e.finished = QDateTime::currentDateTimeUtc();
    // Faults of the catalogue: the server checks a right answer against it.
    const trainer::Fault& fault = trainer::faults()[size_t(i % 12)];
    e.faultId = QString::fromUtf8(fault.id);
    e.faultStage = QString::fromUtf8(fault.stage);
    e.right = i % 3 != 0;
    e.stageNamed = e.right ? e.faultStage : QStringLiteral("power");
    e.partNamed = e.right ? QString::fromUtf8(fault.part) : QString();
    e.optimum = 3;
    e.measurements = 4 + i % 5;
    for (int r = 0; r < 8; ++r)
        e.readings.push_back({QStringLiteral("stage%1").arg(r), QStringLiteral("%1 V").arg(r * 12), false});
    e.checks.push_back({QStringLiteral("R412"), QStringLiteral("found open"), true});
    return e;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    PgServer server;
    if (!server.available()) {
        std::printf("skipped: %s\n", qPrintable(server.whyNot()));
        return 0;
    }
    const QString password = generatePassword();
    server.addInstructor(QStringLiteral("ada"), password);
    ClassServer ada(server.login(QStringLiteral("ada"), password));
    QStringList names;
    for (int i = 0; i < 40; ++i)
        names << QStringLiteral("student%1").arg(i, 2, 10, QLatin1Char('0'));
    if (!ada.prepareServer().ok())
        return 1;
    const Result<std::vector<StudentLogin>> logins = ada.createClass(QStringLiteral("Lab"), names);
    if (!logins.ok()) {
        std::printf("%s\n", qPrintable(logins.error));
        return 1;
    }
    for (int a = 0; a < 5; ++a)
        ada.assign({QStringLiteral("Lab"), QStringLiteral("Week %1").arg(a), {QStringLiteral("fault1"), QStringLiteral("fault2")}, {}, {}});

    // Sending: one student, connected, 200 exercises one after another.
    ClassServer student(server.login(logins.value.front().login, logins.value.front().password));
    QElapsedTimer clock;
    clock.start();
    student.send(QStringLiteral("Lab"), exercise(0));
    const double first = double(clock.nsecsElapsed()) / 1e6;
    std::vector<double> sends;
    for (int i = 1; i < 200; ++i) {
        const trainer::ExerciseRecord e = exercise(i);
        clock.restart();
        if (!student.send(QStringLiteral("Lab"), e).ok())
            return 1;
        sends.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    const Figures send = figures(sends);
    std::printf("send one exercise (8 readings, 1 check): median %.2f ms, 95th percentile %.2f ms, worst %.2f ms;"
                " the first, with connecting: %.1f ms\n", send.median, send.p95, send.worst, first);

    // The other 39 students' 200 exercises each, written by the superuser in one statement.
    server.exec(QStringLiteral(
        "INSERT INTO fernwick.exercise (id, class, student, assignment, chosen, finished, fault_id, fault_stage, "
        "safety_slips, seconds, stage_named, part_named, correct, optimum, measurements, readings, checks) "
        "SELECT gen_random_uuid(), s.class, s.login, CASE WHEN n % 4 = 0 THEN (SELECT id FROM fernwick.assignment "
        "ORDER BY id LIMIT 1) END, 0, now() - n * interval '1 hour', 'fault' || (n % 12), 'sync', n % 2, 120, "
        "CASE WHEN n % 3 = 0 THEN 'power' ELSE 'sync' END, 'R1', n % 3 <> 0, 3, 4 + n % 5, "
        "'[{\"stage\":\"sync\",\"text\":\"12 V\",\"refused\":false}]', '[]' "
        "FROM fernwick.student s, generate_series(1, 200) n WHERE s.name <> 'student00'"));
    server.exec(QStringLiteral("ANALYZE"));
    std::printf("rows on the server: %lld\n", server.count(QStringLiteral("SELECT count(*) FROM fernwick.exercise")));

    std::vector<double> views;
    size_t students = 0;
    for (int i = 0; i < 11; ++i) {
        clock.restart();
        const Result<ClassView> view = ada.classView(QStringLiteral("Lab"));
        views.push_back(double(clock.nsecsElapsed()) / 1e6);
        if (!view.ok())
            return 1;
        students = view.value.students.size();
    }
    const double cold = views.front();
    views.erase(views.begin());
    const Figures view = figures(views);
    std::printf("class view, %zu students x 200 exercises: first %.1f ms, then median %.1f ms, worst %.1f ms\n",
                students, cold, view.median, view.worst);
    return 0;
}
