// The instructor's reading of a class: the class view's figures, a student's success by day, the exercises.
// Each figure is one statement over the server's rows; void exercises are left out of every figure.

#include "classroom/classserver.h"
#include "classroom/sql.h"
#include "trainer/history/storerow.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace classroom {

namespace {

const char* const kNotVoid = " AND NOT EXISTS (SELECT FROM fernwick.voided v WHERE v.exercise = e.id)";


} // namespace

Result<ClassView> ClassServer::classView(const QString& className)
{
    OnClass on = onClass(className, true);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    ClassView view;
    view.className = className;

    if (!sql::run(q,
                  QStringLiteral("SELECT s.login, pg_catalog.count(e.id), pg_catalog.count(e.id) FILTER (WHERE e.correct), "
                                 "coalesce(pg_catalog.sum(e.measurements), 0), coalesce(pg_catalog.sum(e.optimum), 0), "
                                 "coalesce(pg_catalog.sum(e.safety_slips), 0), pg_catalog.max(e.finished), s.name "
                                 "FROM fernwick.student s LEFT JOIN fernwick.exercise e "
                                 "ON e.class = s.class AND e.student = s.login") + QString::fromLatin1(kNotVoid)
                      + QStringLiteral(" WHERE s.class = CAST(? AS uuid) GROUP BY s.login, s.name ORDER BY s.name"),
                  {id}, error))
        return sql::failed<ClassView>(error, *this);
    while (q.next()) {
        StudentSummary s;
        s.student = q.value(0).toString();
        s.exercises = q.value(1).toInt();
        s.right = q.value(2).toInt();
        s.measurements = q.value(3).toInt();
        s.optimum = q.value(4).toInt();
        s.safetySlips = q.value(5).toInt();
        s.lastExercise = q.value(6).isNull() ? QDateTime() : q.value(6).toDateTime().toUTC();
        s.name = q.value(7).toString();
        view.students.push_back(std::move(s));
    }

    // A stage was missed when the student named another; a tie goes to the stage missed first.
    if (!sql::run(q,
                  QStringLiteral("SELECT e.fault_stage, pg_catalog.count(*) FROM fernwick.exercise e "
                                 "WHERE e.class = CAST(? AS uuid) AND e.stage_named <> e.fault_stage")
                      + QString::fromLatin1(kNotVoid)
                      + QStringLiteral(" GROUP BY e.fault_stage ORDER BY pg_catalog.count(*) DESC, pg_catalog.min(e.finished)"),
                  {id}, error))
        return sql::failed<ClassView>(error, *this);
    while (q.next())
        view.missed.push_back({q.value(0).toString(), q.value(1).toInt()});

    Result<std::vector<Assignment>> given = assignments(className);
    if (!given.ok())
        return {{}, given.error};
    if (!sql::run(q,
                  QStringLiteral("SELECT e.assignment::text, e.student, pg_catalog.to_jsonb(pg_catalog.array_agg(DISTINCT e.fault_id))::text "
                                 "FROM fernwick.exercise e WHERE e.class = CAST(? AS uuid) AND e.assignment IS NOT NULL")
                      + QString::fromLatin1(kNotVoid) + QStringLiteral(" GROUP BY 1, 2"),
                  {id}, error))
        return sql::failed<ClassView>(error, *this);
    QHash<QString, QString> names; // login -> name
    for (const StudentSummary& s : view.students)
        names.insert(s.student, s.name);
    QHash<QString, QHash<QString, QStringList>> done; // assignment -> student -> faults done
    while (q.next())
        done[q.value(0).toString()].insert(q.value(1).toString(), sql::stringList(q.value(2)));
    for (Assignment& a : given.value) {
        AssignmentProgress progress;
        QStringList students = a.students;
        if (students.isEmpty())
            for (const StudentSummary& s : view.students)
                students << s.student;
        const QHash<QString, QStringList> byStudent = done.value(a.id);
        for (const QString& student : students) {
            const auto it = byStudent.constFind(student);
            bool finished = it != byStudent.cend();
            for (const QString& fault : a.faultIds)
                finished = finished && it->contains(fault);
            (finished ? progress.finished : progress.notYet) << names.value(student, student);
        }
        progress.assignment = std::move(a);
        view.assignments.push_back(std::move(progress));
    }
    return {std::move(view), {}};
}

Result<std::vector<SuccessPoint>> ClassServer::successOverTime(const QString& className, const QString& student)
{
    using T = std::vector<SuccessPoint>;
    OnClass on = onClass(className);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT (e.finished AT TIME ZONE 'UTC')::date::text, pg_catalog.count(*), "
                                 "pg_catalog.count(*) FILTER (WHERE e.correct) FROM fernwick.exercise e "
                                 "WHERE e.class = CAST(? AS uuid) AND (e.student = ? OR e.student = "
                                 "(SELECT s.login FROM fernwick.student s WHERE s.class = e.class AND s.name = ?))")
                      + QString::fromLatin1(kNotVoid) + QStringLiteral(" GROUP BY 1 ORDER BY 1"),
                  {id, student, student}, error))
        return sql::failed<T>(error, *this);
    T points;
    while (q.next())
        points.push_back({QDate::fromString(q.value(0).toString(), Qt::ISODate), q.value(1).toInt(), q.value(2).toInt()});
    return {std::move(points), {}};
}

Result<std::vector<trainer::ExerciseRecord>> ClassServer::exercises(const QString& className, const QString& student)
{
    using T = std::vector<trainer::ExerciseRecord>;
    OnClass on = onClass(className, true);
    if (!on.why.isEmpty())
        return {{}, on.why};
    QSqlQuery& q = on.q;
    const QString& id = on.id;
    QSqlError error;
    if (!sql::run(q,
                  QStringLiteral("SELECT e.id::text, e.student, e.chosen, coalesce(e.assignment::text, ''), e.finished, "
                                 "e.fault_id, e.fault_stage, e.safety_slips, e.seconds, e.stage_named, e.part_named, "
                                 "e.correct, e.optimum, e.measurements, e.readings::text, e.checks::text "
                                 "FROM fernwick.exercise e WHERE e.class = CAST(? AS uuid) AND (? = '' OR e.student = ? OR e.student = "
                                 "(SELECT s.login FROM fernwick.student s WHERE s.class = e.class AND s.name = ?)) "
                                 "ORDER BY e.finished, e.id"),
                  {id, sql::text(student), sql::text(student), sql::text(student)}, error))
        return sql::failed<T>(error, *this);
    T list;
    while (q.next()) {
        trainer::ExerciseRecord e;
        e.id = QUuid::fromString(q.value(0).toString());
        e.student = q.value(1).toString();
        e.chosen = trainer::Chosen(q.value(2).toInt());
        e.assignment = q.value(3).toString();
        trainer::readExerciseRow(q, 4, e);
        for (const QJsonValue& r : QJsonDocument::fromJson(q.value(14).toString().toUtf8()).array())
            e.readings.push_back({r[QLatin1String("stage")].toString(), r[QLatin1String("text")].toString(),
                                  r[QLatin1String("refused")].toBool()});
        for (const QJsonValue& c : QJsonDocument::fromJson(q.value(15).toString().toUtf8()).array())
            e.checks.push_back({c[QLatin1String("part")].toString(), c[QLatin1String("finding")].toString(),
                                c[QLatin1String("failed")].toBool()});
        list.push_back(std::move(e));
    }
    return {std::move(list), {}};
}

} // namespace classroom
