#include "classwork/classview.h"

#include "trainer/exercise/exercise.h"
#include "trainer/model/setmodel.h"

#include <QHash>

#include <algorithm>

using classroom::Assignment;
using trainer::ExerciseRecord;

namespace classwork {

namespace {
QString when(const QDateTime& t)
{
    return t.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString quoted(QString field)
{
    return QLatin1Char('"') + field.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

QString csvRow(const QStringList& fields)
{
    QStringList q;
    for (const QString& f : fields)
        q << quoted(f);
    return q.join(QLatin1Char(',')) + QLatin1String("\r\n");
}

QString faultTitle(const QString& id)
{
    const trainer::Fault* fault = trainer::findFault(id);
    return fault ? trainer::faultName(*fault) : id;
}
} // namespace

QStringList studentHeadings()
{
    return {QStringLiteral("Student"), QStringLiteral("Exercises"), QStringLiteral("Success"),
            QStringLiteral("Measurements (optimum)"), QStringLiteral("Safety slips"),
            QStringLiteral("Last exercise")};
}

QStringList studentRow(const classroom::StudentSummary& s)
{
    const QString who = s.name.isEmpty() ? s.student : s.name; // the name; the login where the server gave none
    if (s.exercises == 0)
        return {who, QStringLiteral("0"), QStringLiteral("none yet"), QString(), QStringLiteral("0"),
                QStringLiteral("none yet")};
    return {who,
            QString::number(s.exercises),
            QStringLiteral("%1% (%2 of %3)").arg(qRound(100.0 * s.right / s.exercises)).arg(s.right).arg(s.exercises),
            QStringLiteral("%1 (%2)").arg(s.measurements).arg(s.optimum),
            QString::number(s.safetySlips),
            s.lastExercise.isValid() ? when(s.lastExercise) : QString()};
}

QStringList assignmentHeadings()
{
    return {QStringLiteral("Assignment"), QStringLiteral("Due"), QStringLiteral("Finished"),
            QStringLiteral("Not yet")};
}

QStringList assignmentRow(const classroom::AssignmentProgress& a)
{
    const int given = int(a.finished.size() + a.notYet.size());
    return {a.assignment.title,
            a.assignment.due.isValid() ? a.assignment.due.toLocalTime().toString(QStringLiteral("yyyy-MM-dd"))
                                       : QStringLiteral("no due date"),
            QStringLiteral("%1 of %2%3")
                .arg(a.finished.size())
                .arg(given)
                .arg(a.finished.isEmpty() ? QString() : QStringLiteral(": ") + a.finished.join(QStringLiteral(", "))),
            a.notYet.join(QStringLiteral(", "))};
}

std::vector<Bar> missedBars(const std::vector<classroom::MissedStage>& missed, int most)
{
    std::vector<classroom::MissedStage> sorted = missed;
    std::stable_sort(sorted.begin(), sorted.end(),
                     [](const auto& a, const auto& b) { return a.times > b.times; });
    std::vector<Bar> bars;
    for (const classroom::MissedStage& m : sorted) {
        if (int(bars.size()) == most || m.times <= 0)
            break;
        bars.push_back({trainer::stageTitle(m.stage), m.times});
    }
    return bars;
}

std::vector<RatePoint> successCurve(std::vector<classroom::SuccessPoint> days)
{
    std::stable_sort(days.begin(), days.end(), [](const auto& a, const auto& b) { return a.day < b.day; });
    std::vector<RatePoint> curve;
    int done = 0, right = 0;
    for (const classroom::SuccessPoint& d : days) {
        if (d.exercises <= 0)
            continue;
        done += d.exercises;
        right += d.right;
        curve.push_back({d.day, double(right) / done, done});
    }
    return curve;
}

QString faultsText(const QStringList& faultIds)
{
    if (faultIds.isEmpty())
        return QStringLiteral("Any fault");
    QStringList names;
    for (const QString& id : faultIds)
        names << faultTitle(id);
    return names.join(QStringLiteral("; "));
}

QString exerciseLine(const ExerciseRecord& e, bool isVoid)
{
    return QStringLiteral("%1  %2: %3%4")
        .arg(e.finished.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm")), faultTitle(e.faultId),
             e.right ? QStringLiteral("found") : QStringLiteral("not found"),
             isVoid ? QStringLiteral(" (void)") : QString());
}

QString classCsv(const std::vector<ExerciseRecord>& exercises, const std::vector<Assignment>& assignments,
                 const std::vector<QUuid>& voided)
{
    QString csv = csvRow({"Student", "Assignment", "Finished (UTC)", "Fault", "Faulty stage", "Stage named",
                          "Part named", "Right", "Measurements", "Optimum", "Safety slips", "Seconds"});
    std::vector<const ExerciseRecord*> kept;
    for (const ExerciseRecord& e : exercises)
        if (std::find(voided.begin(), voided.end(), e.id) == voided.end())
            kept.push_back(&e);
    std::stable_sort(kept.begin(), kept.end(),
                     [](const ExerciseRecord* a, const ExerciseRecord* b) { return a->finished < b->finished; });
    // Each fault and stage is named once, however many exercises name it.
    QHash<QString, QString> faults, stages;
    const auto faultOf = [&](const QString& id) -> const QString& {
        auto it = faults.constFind(id);
        return it != faults.cend() ? *it : *faults.insert(id, faultTitle(id));
    };
    const auto stageOf = [&](const QString& id) -> const QString& {
        auto it = stages.constFind(id);
        return it != stages.cend() ? *it : *stages.insert(id, id.isEmpty() ? QString() : trainer::stageTitle(id));
    };
    for (const ExerciseRecord* e : kept) {
        const auto task = std::find_if(assignments.begin(), assignments.end(),
                                       [&](const Assignment& a) { return a.id == e->assignment; });
        csv += csvRow({e->student.isEmpty() ? QStringLiteral("this computer") : e->student,
                       task != assignments.end() ? task->title : QString(), e->finished.toUTC().toString(Qt::ISODate),
                       faultOf(e->faultId), stageOf(e->faultStage), stageOf(e->stageNamed), e->partNamed,
                       e->right ? QStringLiteral("yes") : QStringLiteral("no"), QString::number(e->measurements),
                       QString::number(e->optimum), QString::number(e->safetySlips), QString::number(e->seconds)});
    }
    return csv;
}

} // namespace classwork
