#include "trainer/exercise/exercise.h"

#include "diagrams/areanotes.h"
#include "trainer/bench/readinghazards.h"
#include "trainer/exercise/halfsplit.h"
#include "trainer/exercise/search.h"

#include <QHash>
#include <QMutex>
#include <QRandomGenerator>

#include <algorithm>

namespace trainer {

Exercise::Exercise(const Fault& fault, bool lineConnected, const QDateTime& started)
    : m_fault(&fault), m_set(&fault, lineConnected), m_started(started)
{
    m_record.faultId = QString::fromLatin1(fault.id);
    m_record.faultStage = QString::fromLatin1(fault.stage);
    m_record.optimum = static_cast<int>(halfSplitSequence(fault).size());
}

Exercise Exercise::drawn(QRandomGenerator& random, const Fault* fault, const QDateTime& started)
{
    const std::span<const Fault> all = faults();
    const Fault& hidden = fault ? *fault : all[random.bounded(static_cast<quint32>(all.size()))];
    return Exercise(hidden, random.bounded(2) == 1, started);
}

Measurement Exercise::measure(const QString& stage)
{
    if (m_step != Step::Measuring)
        return {std::nullopt,
                QStringLiteral("The faulty stage has been named: New set puts another set on the bench.")};
    std::optional<Reading> reading = m_set.measure(stage);
    if (!reading)
        return {std::nullopt, QStringLiteral("There is nothing to measure there.")};
    if (reading->powered && m_set.lineConnected() && !m_isolated) {
        ++m_record.safetySlips;
        m_record.readings.push_back({stage, refusalText(), true});
        return {std::nullopt, refusalText()};
    }
    const bool again = std::ranges::any_of(m_record.readings, [&stage](const RecordedReading& r) {
        return !r.refused && r.stage == stage;
    });
    if (reading->powered && !again)
        ++m_record.measurements;
    m_record.readings.push_back({stage, readingText(*reading), false});
    return {std::move(reading), QString()};
}

void Exercise::nameStage(const QString& stage, const QDateTime& now)
{
    if (m_step != Step::Measuring)
        return;
    m_record.stageNamed = stage;
    if (namesFaultyStage(stage, *m_fault))
        m_step = Step::NamingPart;
    else
        finish(now);
}

QStringList Exercise::suspectParts() const
{
    if (m_step == Step::Measuring)
        return {};
    QStringList parts = m_set.parts(m_record.stageNamed);
    if (m_record.stageNamed != m_record.faultStage && sameShort(m_record.stageNamed, *m_fault))
        parts += m_set.parts(m_record.faultStage);
    return parts;
}

PartCheck Exercise::checkPart(const QString& part)
{
    if (!m_discharged) {
        ++m_record.safetySlips;
        PartCheck refused;
        refused.part = part;
        refused.refusal = dischargeRefusalText(m_record.stageNamed);
        return refused;
    }
    // A part is checked in the stage it belongs to: the fault's own, where the stage named is the same short.
    const QString& stage = m_set.parts(m_record.faultStage).contains(part) ? m_record.faultStage
                                                                           : m_record.stageNamed;
    PartCheck check = m_set.check(stage, part);
    m_record.checks.push_back({check.part, check.finding, check.failed});
    return check;
}

void Exercise::namePart(const QString& part, const QDateTime& now)
{
    if (m_step != Step::NamingPart)
        return;
    m_record.partNamed = part;
    m_record.right = part == QString::fromUtf8(m_fault->part);
    finish(now);
}

void Exercise::finish(const QDateTime& now)
{
    m_step = Step::Finished;
    m_record.finished = now.toUTC();
    m_record.seconds = static_cast<int>(std::max<qint64>(0, m_started.secsTo(now)));
}

namespace {
// Every reading the bench offers: each stage's output and each test point of its own.
QStringList benchPoints()
{
    QStringList all;
    for (const QString& stage : stages())
        all << stage << testPoints(stage);
    return all;
}

bool readsAlike(const Fault& a, const Fault& b)
{
    const Set one(&a);
    const Set other(&b);
    if (one.appearance() != other.appearance())
        return false;
    static const QStringList points = benchPoints();
    return std::ranges::all_of(points, [&](const QString& point) {
        const std::optional<Reading> x = one.measure(point);
        const std::optional<Reading> y = other.measure(point);
        return x.has_value() == y.has_value() && (!x || (x->now == y->now && x->normal == y->normal));
    });
}
} // namespace

const Fault* sameShort(const QString& stage, const Fault& fault)
{
    if (stage == QLatin1String(fault.stage))
        return nullptr;
    // Asked again for every past exercise the progress view shows: worked out once a pair.
    static QMutex guard;
    static QHash<QString, const Fault*> known;
    const QString key = stage + QLatin1Char('|') + QLatin1String(fault.id);
    const QMutexLocker lock(&guard);
    if (const auto found = known.constFind(key); found != known.cend())
        return *found;
    const Fault* alike = nullptr;
    for (const Fault& other : faults())
        if (!alike && stage == QLatin1String(other.stage) && readsAlike(fault, other))
            alike = &other;
    known.insert(key, alike);
    return alike;
}

bool namesFaultyStage(const QString& stage, const Fault& fault)
{
    return stage == QLatin1String(fault.stage) || sameShort(stage, fault);
}

namespace {
struct StageNames
{
    QMutex guard;
    QHash<QString, QString> names;
};

StageNames& stageNames()
{
    static StageNames given;
    return given;
}
} // namespace

void setStageNames(const QHash<QString, QString>& names)
{
    StageNames& given = stageNames();
    const QMutexLocker lock(&given.guard);
    given.names = names;
}

QString stageTitle(const QString& stage)
{
    {
        StageNames& given = stageNames();
        const QMutexLocker lock(&given.guard);
        if (const auto name = given.names.constFind(stage); name != given.names.cend())
            return *name;
    }
    if (const QString point = pointTitle(stage); !point.isEmpty())
        return point;
    const areanotes::Area* area = areanotes::findArea(stage);
    return area ? QString::fromUtf8(area->title) : stage;
}

QString readingText(const Reading& reading)
{
    const QString what =
        QStringLiteral("%1: %2; %3, %4.")
            .arg(stageTitle(reading.point.isEmpty() ? reading.stage : reading.point), reading.quantity, reading.instrument, reading.where);
    if (reading.now == reading.typical)
        return what + QStringLiteral(" Reads %1, as a working set does.").arg(reading.now);
    return what + QStringLiteral(" Reads %1; a working set: %2.").arg(reading.now, reading.typical);
}

QString refusalText()
{
    return QStringLiteral("Refused: this set has no mains transformer, so its chassis is live; switch in the "
                          "isolation transformer before measuring it powered.");
}

QString dischargeRefusalText(const QString& stage)
{
    const std::vector<const areanotes::Rule*> rules = areanotes::rulesOf(stage);
    const bool anode = std::ranges::any_of(rules, [](const areanotes::Rule* r) {
        return QByteArrayView(r->id) == QByteArrayView("anode");
    });
    return QStringLiteral("Refused: unplug the set and discharge the main filter capacitor%1 first, then "
                          "confirm with the meter that %2 near 0 V before checking parts out of circuit.")
        .arg(anode ? QStringLiteral(" and the picture tube's anode") : QString(),
             anode ? QStringLiteral("both read") : QStringLiteral("it reads"));
}

namespace {
QString duration(int seconds)
{
    if (seconds < 60)
        return QStringLiteral("%1 s").arg(seconds);
    return QStringLiteral("%1 min %2 s").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}
} // namespace

QString resultText(const ExerciseRecord& record, const Fault& fault)
{
    QString verdict;
    if (record.right)
        verdict = QStringLiteral("Right: %1.").arg(faultName(fault));
    else if (namesFaultyStage(record.stageNamed, fault))
        verdict = QStringLiteral("Right stage, wrong part: it was the %1 %2, not the %3.")
                      .arg(QString::fromUtf8(fault.failure), QString::fromUtf8(fault.part), record.partNamed);
    else
        verdict = QStringLiteral("Wrong stage: you named the %1; the fault was %2.")
                      .arg(stageTitle(record.stageNamed), faultName(fault));
    const QString slips = record.safetySlips == 1 ? QStringLiteral("1 safety slip")
                                                  : QStringLiteral("%1 safety slips").arg(record.safetySlips);
    QStringList read;
    for (const RecordedReading& r : record.readings)
        if (!r.refused && !read.contains(r.stage))
            read << r.stage;
    const int own = static_cast<int>(halfSplitSequence(fault).size());
    const QString found = own == 1 ? QStringLiteral("1 measurement would have found it")
                                   : QStringLiteral("%1 measurements would have found it").arg(own);
    QString text = QStringLiteral("%1 %2 On this set %3; you took %4; %5; %6 taken.\n%7")
                       .arg(verdict, provedText(fault), found, QString::number(record.measurements), slips,
                            duration(record.seconds), QString::fromUtf8(fault.explanation));
    if (const Fault* alike = sameShort(record.stageNamed, fault))
        text += QLatin1Char('\n') + sameShortText(fault, *alike);
    else if (record.stageNamed != record.faultStage && isControl(record.faultStage))
        text += QLatin1Char('\n') + controlText(record.faultStage, record.stageNamed);
    return text + QLatin1Char('\n') + halfSplitText(fault, read);
}

QString sameShortText(const Fault& fault, const Fault& named)
{
    const QString part = QString::fromUtf8(fault.part);
    const QString other = QString::fromUtf8(named.part);
    return QStringLiteral("The %1 and the %2 are one short across the same points: every reading on the bench "
                          "is the same for both, so naming either stage counts. Out of circuit, set unplugged "
                          "and discharged, the first check that tells them apart: free one of them from the "
                          "circuit (one end lifted) and read the %3 and the %4 each on its own; the shorted one "
                          "reads near 0 Ω both ways round.")
        .arg(stageTitle(QString::fromLatin1(fault.stage)), stageTitle(QString::fromLatin1(named.stage)), other,
             part);
}

bool isControl(const QString& stage)
{
    for (const char* end : {"-control", "-hold", "-size", "-linearity"})
        if (stage.endsWith(QLatin1String(end)))
            return true;
    return false;
}

QString controlText(const QString& control, const QString& named)
{
    QStringList fed;
    for (const QString& stage : stages())
        if (needs(stage).contains(control))
            fed << stageTitle(stage);
    const QString feeds = fed.isEmpty() ? QString()
                                        : QStringLiteral(" It feeds the %1.").arg(fed.join(QStringLiteral(", the ")));
    const QString why =
        fed.contains(stageTitle(named))
            ? QStringLiteral("The %1 read wrong because the %2 that feeds it is set wrong; its own parts are "
                             "good.")
                  .arg(stageTitle(named), stageTitle(control))
            : QStringLiteral("The fault was a setting of the %1, not a part.").arg(stageTitle(control));
    return why + feeds +
           QStringLiteral(" A stage that reads wrong is checked for the controls that feed it, set as the "
                          "service data says, before any of its parts is suspected.");
}

QString benchNote(const areanotes::Note& note, bool lineConnected)
{
    const auto rules = onChassis(note.rules, lineConnected);
    return rules.empty() ? note.body : note.body + QStringLiteral("\n\n") + safetyText(rules);
}

} // namespace trainer
