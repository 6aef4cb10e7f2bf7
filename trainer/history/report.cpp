#include "trainer/history/report.h"

#include "trainer/exercise/exercise.h"
#include "trainer/model/setmodel.h"

#include <QStringList>

#include <algorithm>

namespace trainer {

QString failedPart(const QString& faultId)
{
    const Fault* fault = findFault(faultId);
    return fault ? QStringLiteral("%1 %2").arg(QString::fromUtf8(fault->failure), QString::fromUtf8(fault->part))
                 : QString();
}

bool stageFound(const ExerciseRecord& exercise)
{
    if (exercise.stageNamed == exercise.faultStage)
        return true;
    const Fault* fault = findFault(exercise.faultId);
    return fault && namesFaultyStage(exercise.stageNamed, *fault);
}

QString faultTitle(const QString& faultId)
{
    const Fault* fault = findFault(faultId);
    return fault ? faultName(*fault) : faultId;
}

QString studentName(const ExerciseRecord& exercise)
{
    return exercise.student.isEmpty() ? QStringLiteral("this computer") : exercise.student;
}

QString chosenBy(Chosen chosen)
{
    switch (chosen) {
    case Chosen::ByInstructor:
        return QStringLiteral("instructor");
    case Chosen::ByAssignment:
        return QStringLiteral("assignment");
    case Chosen::InInstructorMode:
        return QStringLiteral("instructor mode");
    case Chosen::AtRandom:
        break;
    }
    return QStringLiteral("random");
}

Progress progress(const std::vector<ExerciseRecord>& exercises)
{
    Progress p;
    for (const ExerciseRecord& e : exercises) {
        ++p.exercises;
        p.right += e.right ? 1 : 0;
        p.measurements += e.measurements;
        p.optimum += e.optimum;
        p.safetySlips += e.safetySlips;
        if (e.right)
            continue;
        const bool found = stageFound(e);
        const QString part = found ? failedPart(e.faultId) : QString();
        if (found && part.isEmpty())
            continue; // a part of a fault this program no longer knows
        auto missed = std::find_if(p.missed.begin(), p.missed.end(),
                                   [&](const Missed& m) { return m.stage == e.faultStage && m.part == part; });
        if (missed == p.missed.end())
            p.missed.push_back({e.faultStage, part, 1});
        else
            ++missed->times;
    }
    std::stable_sort(p.missed.begin(), p.missed.end(),
                     [](const Missed& a, const Missed& b) { return a.times > b.times; });
    return p;
}

namespace {
QString quoted(const QString& field)
{
    QString text = field;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}
} // namespace

QString toCsv(const std::vector<ExerciseRecord>& exercises)
{
    const QStringList header{"Finished (UTC)", "Student",      "Fault chosen by", "Fault",   "Faulty stage",
                             "Stage named",    "Part named",   "Right",           "Measurements",
                             "Optimum",        "Safety slips", "Seconds",         "Readings", "Part checks"};
    auto row = [](const QStringList& fields) {
        QStringList quotedFields;
        for (const QString& f : fields)
            quotedFields << quoted(f);
        return quotedFields.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    QString csv = row(header);
    for (const ExerciseRecord& e : exercises) {
        QStringList readings;
        for (const RecordedReading& r : e.readings)
            readings << (r.refused ? stageTitle(r.stage) + QStringLiteral(": refused (no isolation transformer)")
                                   : r.text); // a reading's text names its stage itself
        QStringList checks;
        for (const RecordedCheck& c : e.checks)
            checks << c.part + QLatin1String(": ") + c.finding;
        csv += row({e.finished.toUTC().toString(Qt::ISODate), studentName(e), chosenBy(e.chosen),
                    faultTitle(e.faultId), stageTitle(e.faultStage),
                    e.stageNamed.isEmpty() ? QString() : stageTitle(e.stageNamed), e.partNamed,
                    e.right ? QStringLiteral("yes") : QStringLiteral("no"), QString::number(e.measurements),
                    QString::number(e.optimum), QString::number(e.safetySlips), QString::number(e.seconds),
                    readings.join(QLatin1Char('\n')), checks.join(QLatin1Char('\n'))});
    }
    return csv;
}

} // namespace trainer
