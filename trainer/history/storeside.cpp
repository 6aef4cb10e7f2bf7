#include "trainer/history/storeside.h"

#include "trainer/history/report.h"

#include <QDate>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QSaveFile>
#include <QSet>

namespace trainer::storeside {

namespace {
const QLatin1String kFormat("fernwick exercises waiting for the history");
// How long a change waits for another copy of the program to finish its own.
constexpr int kLockMilliseconds = 2000;

QJsonObject toObject(const ExerciseRecord& e)
{
    QJsonArray readings;
    for (const RecordedReading& r : e.readings)
        readings.append(QJsonObject{{"stage", r.stage}, {"text", r.text}, {"refused", r.refused}});
    QJsonArray checks;
    for (const RecordedCheck& c : e.checks)
        checks.append(QJsonObject{{"part", c.part}, {"finding", c.finding}, {"failed", c.failed}});
    return {{"id", e.id.toString(QUuid::WithoutBraces)},
            {"student", e.student},
            {"chosen", chosenBy(e.chosen)},
            {"assignment", e.assignment},
            {"finished", e.finished.toUTC().toString(Qt::ISODateWithMs)},
            {"faultId", e.faultId},
            {"faultStage", e.faultStage},
            {"readings", readings},
            {"checks", checks},
            {"safetySlips", e.safetySlips},
            {"seconds", e.seconds},
            {"stageNamed", e.stageNamed},
            {"partNamed", e.partNamed},
            {"right", e.right},
            {"optimum", e.optimum},
            {"measurements", e.measurements}};
}

std::optional<ExerciseRecord> fromObject(const QJsonObject& o)
{
    ExerciseRecord e;
    e.id = QUuid::fromString(o[QLatin1String("id")].toString());
    e.finished = QDateTime::fromString(o[QLatin1String("finished")].toString(), Qt::ISODateWithMs).toUTC();
    if (e.id.isNull() || !e.finished.isValid())
        return std::nullopt;
    e.student = o[QLatin1String("student")].toString();
    for (Chosen c : {Chosen::AtRandom, Chosen::ByInstructor, Chosen::ByAssignment, Chosen::InInstructorMode})
        if (o[QLatin1String("chosen")].toString() == chosenBy(c))
            e.chosen = c;
    e.assignment = o[QLatin1String("assignment")].toString();
    e.faultId = o[QLatin1String("faultId")].toString();
    e.faultStage = o[QLatin1String("faultStage")].toString();
    for (const QJsonValue& r : o[QLatin1String("readings")].toArray())
        e.readings.push_back({r[QLatin1String("stage")].toString(), r[QLatin1String("text")].toString(),
                              r[QLatin1String("refused")].toBool()});
    for (const QJsonValue& c : o[QLatin1String("checks")].toArray())
        e.checks.push_back({c[QLatin1String("part")].toString(), c[QLatin1String("finding")].toString(),
                            c[QLatin1String("failed")].toBool()});
    e.safetySlips = o[QLatin1String("safetySlips")].toInt();
    e.seconds = o[QLatin1String("seconds")].toInt();
    e.stageNamed = o[QLatin1String("stageNamed")].toString();
    e.partNamed = o[QLatin1String("partNamed")].toString();
    e.right = o[QLatin1String("right")].toBool();
    e.optimum = o[QLatin1String("optimum")].toInt();
    e.measurements = o[QLatin1String("measurements")].toInt();
    return e;
}

// Renames an unreadable file to a free name with the date, beside it; empty when it could not be moved.
QString moveAside(const QString& path)
{
    const QString stem = path + QStringLiteral("-unreadable-") + QDate::currentDate().toString(Qt::ISODate);
    for (int n = 1; n < 1000; ++n) {
        const QString candidate = stem + (n == 1 ? QString() : QStringLiteral("-%1").arg(n));
        if (QFileInfo::exists(candidate))
            continue;
        return QFile::rename(path, candidate) ? candidate : QString();
    }
    return QString();
}

enum class Found { Nothing, Read, Unreadable };
Found load(const QString& path, Waiting& waiting)
{
    QFile file(path);
    if (!file.exists())
        return Found::Nothing;
    if (!file.open(QIODevice::ReadOnly))
        return Found::Unreadable;
    std::optional<Waiting> read = fromJson(file.readAll());
    if (!read)
        return Found::Unreadable;
    waiting = std::move(*read);
    return Found::Read;
}

bool save(const QString& path, const Waiting& waiting, QString& error)
{
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly) && file.write(toJson(waiting)) >= 0 && file.commit())
        return true;
    error = file.errorString();
    return false;
}

// Held while the file is read and replaced. Should another copy hold it longer than a moment (or have died
// holding it on another computer sharing the folder), the change goes ahead without it: an exercise written
// twice is kept once, one not written is lost.
class Lock
{
public:
    explicit Lock(const QString& path) : m_file(path + QStringLiteral(".lock")) { m_file.tryLock(kLockMilliseconds); }

private:
    QLockFile m_file;
};
} // namespace

QString pathFor(const QString& history)
{
    return history + QStringLiteral(".waiting");
}

QByteArray toJson(const Waiting& waiting)
{
    QJsonArray exercises;
    for (const ExerciseRecord& e : waiting.exercises)
        exercises.append(toObject(e));
    QJsonArray sent;
    for (const QUuid& id : waiting.sent)
        sent.append(id.toString(QUuid::WithoutBraces));
    return QJsonDocument(QJsonObject{{"format", kFormat},
                                     {"version", kVersion},
                                     {"exercises", exercises},
                                     {"sent", sent}})
        .toJson(QJsonDocument::Indented);
}

std::optional<Waiting> fromJson(const QByteArray& json)
{
    QJsonParseError parsed;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parsed);
    const QJsonObject o = doc.object();
    if (parsed.error != QJsonParseError::NoError || o[QLatin1String("format")].toString() != kFormat ||
        o[QLatin1String("version")].toInt() != kVersion || !o[QLatin1String("exercises")].isArray())
        return std::nullopt;
    Waiting waiting;
    for (const QJsonValue& v : o[QLatin1String("exercises")].toArray()) {
        std::optional<ExerciseRecord> e = fromObject(v.toObject());
        if (!e)
            return std::nullopt;
        waiting.exercises.push_back(std::move(*e));
    }
    for (const QJsonValue& v : o[QLatin1String("sent")].toArray()) {
        const QUuid id = QUuid::fromString(v.toString());
        if (id.isNull())
            return std::nullopt;
        waiting.sent.push_back(id);
    }
    return waiting;
}

Taken read(const QString& history)
{
    const QString path = pathFor(history);
    Lock lock(path);
    Taken taken;
    if (load(path, taken.waiting) == Found::Unreadable)
        taken.aside = moveAside(path);
    return taken;
}

bool keep(const QString& history, const Waiting& more, QString& error)
{
    const QString path = pathFor(history);
    Lock lock(path);
    Waiting all;
    // What another copy kept there stays; a file that cannot be read is moved aside, never written over.
    if (load(path, all) == Found::Unreadable && moveAside(path).isEmpty()) {
        error = QStringLiteral("an unreadable file is in the way");
        return false;
    }
    QSet<QUuid> exercises;
    for (const ExerciseRecord& e : all.exercises)
        exercises.insert(e.id);
    QSet<QUuid> sent(all.sent.begin(), all.sent.end());
    for (const ExerciseRecord& e : more.exercises)
        if (!exercises.contains(e.id))
            all.exercises.push_back(e);
    for (const QUuid& id : more.sent)
        if (!sent.contains(id))
            all.sent.push_back(id);
    return save(path, all, error);
}

bool drop(const QString& history, const std::vector<QUuid>& written, QString& error)
{
    const QString path = pathFor(history);
    Lock lock(path);
    Waiting left;
    if (load(path, left) != Found::Read)
        return true; // gone already, or no longer ours to change
    const QSet<QUuid> done(written.begin(), written.end());
    std::erase_if(left.exercises, [&](const ExerciseRecord& e) { return done.contains(e.id); });
    std::erase_if(left.sent, [&](const QUuid& id) { return done.contains(id); });
    if (!left.empty())
        return save(path, left, error);
    if (QFile::remove(path))
        return true;
    error = QStringLiteral("it could not be removed");
    return false;
}

} // namespace trainer::storeside
