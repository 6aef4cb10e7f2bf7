#pragma once
// One exercise on the trainer's bench: a set with one hidden fault, measured stage by stage, then the faulty
// stage named, its suspect parts checked out of circuit and the failed part named. A set without a mains
// transformer has a live chassis: every powered measurement on it waits for the isolation transformer, and
// one tried without it is refused and counted as a safety slip. A part is checked out of circuit only with
// the set unplugged and its main filter capacitor (and, at a high-voltage stage, the tube's anode)
// discharged and confirmed with a meter; a check tried without it is refused and counted as a slip too.
// Unplugged, the set gives no powered reading until it is plugged in again, and once plugged in a part check
// needs a fresh discharge. A control's setting is judged with the set running and the picture in view: no
// discharge, no slip. The exercise ends as an ExerciseRecord.
//
// Pure logic: the screen asks it and shows what it says; the time comes from the caller.

#include "trainer/exercise/record.h"
#include "trainer/model/setmodel.h"

#include <QDateTime>
#include <QHash>
#include <QStringList>

#include <optional>

class QRandomGenerator;

namespace areanotes {
struct Note;
}

namespace trainer {

// What pointing the probe at a stage gave: the reading, or the reason it was not taken.
struct Measurement
{
    std::optional<Reading> reading;
    QString refusal; // empty when the reading was taken
};

class Exercise
{
public:
    enum class Step {
        Measuring,  // measuring; naming the stage ends it
        NamingPart, // the stage was right: checking its parts, then naming the failed one
        Finished,
    };

    // A set with `fault` hidden in it, put on the bench at `started` (UTC).
    Exercise(const Fault& fault, bool lineConnected, const QDateTime& started);

    // A new set: the given fault, or one drawn from the catalogue when there is none; whether the set is
    // line-connected is drawn with it.
    static Exercise drawn(QRandomGenerator& random, const Fault* fault, const QDateTime& started);

    const Set& set() const { return m_set; }
    bool lineConnected() const { return m_set.lineConnected(); }
    Step step() const { return m_step; }

    bool isolated() const { return m_isolated; }
    void setIsolated(bool isolated) { m_isolated = isolated; }

    // Unplugged, the main filter capacitor (and the anode) discharged, confirmed with a meter.
    bool discharged() const { return m_discharged; }
    void setDischarged(bool discharged) { m_discharged = discharged; }
    // Whether discharging serves now: the stage is named and a part of it is checked out of circuit (a
    // control's setting is judged running).
    bool needsDischarge() const;

    // Measures at a stage's output or a test point of its own and keeps the reading (or the refusal) in
    // order; the same point read again is not counted again. A powered reading of an unplugged set is
    // refused with the reason, and neither kept nor counted.
    Measurement measure(const QString& stage);

    // Names the faulty stage. A wrong stage ends the exercise; a right one (namesFaultyStage) leads on to its
    // parts, and to the parts of the fault's own stage where the stage named is the same short.
    void nameStage(const QString& stage, const QDateTime& now);
    // The suspect parts of the stage named (and of the fault's stage, where the two are the same short), to
    // check and to name.
    QStringList suspectParts() const;
    // Checks one of them out of circuit, power off, and keeps the check: not a measurement of the search.
    // Refused (the reason in the check's refusal) and counted as a safety slip while the set is not
    // unplugged and discharged. A control's setting is judged with the set running instead: refused, with
    // no slip, while the set is unplugged.
    PartCheck checkPart(const QString& part);
    // Names the failed part, which ends the exercise.
    void namePart(const QString& part, const QDateTime& now);

    // The hidden fault: for the result, once the exercise is finished.
    const Fault& fault() const { return *m_fault; }
    // The exercise so far; complete once it is finished.
    const ExerciseRecord& record() const { return m_record; }

private:
    void finish(const QDateTime& now);

    const Fault* m_fault;
    Set m_set;
    QDateTime m_started;
    bool m_isolated = false;
    bool m_discharged = false;
    Step m_step = Step::Measuring;
    ExerciseRecord m_record;
};

// A stage as the diagrams name it ("Horizontal output amplifier"), or a test point as its box names it; a
// stage the diagrams' names do not cover goes by its note's title, and the id itself when the notes lack it.
QString stageTitle(const QString& stage);
// The names the block diagrams give the stages, by area id: the captions of their boxes, so that every list,
// result and record names a stage as the student saw it. The diagrams are screens, so the program gives these
// once as it starts (MeasuringView::stageNames()); until then a stage goes by its note's title.
void setStageNames(const QHash<QString, QString>& names);

// Whether naming `stage` names the fault's stage: the stage itself, or a stage with a fault of its own that no
// reading the bench offers tells from this one (a shorted damper and a shorted output transistor are one
// short across the same points).
bool namesFaultyStage(const QString& stage, const Fault& fault);
// That fault of the named stage, where naming it counts for `fault`'s stage; null otherwise.
const Fault* sameShort(const QString& stage, const Fault& fault);

// A reading as the student reads it: what, with what, where, what it reads and what a working set reads.
QString readingText(const Reading& reading);

// Why a powered measurement of a line-connected set waits for the isolation transformer.
QString refusalText();

// Why a part check waits for the set to be unplugged and discharged; the anode too at a high-voltage stage.
QString dischargeRefusalText(const QString& stage);

// Why a powered measurement, or a setting judged running, waits for the unplugged set to be plugged in.
QString unpluggedRefusalText();

// Whether a suspect part is a control's setting, judged with the set running rather than out of circuit.
bool isSetting(const QString& part);

// A part check as the student reads it: the stage, how it was checked, and what was found.
QString checkText(const QString& stage, const PartCheck& check);

// The safety slips of an exercise, each named: "1 safety slip: a part checked before discharging".
QString slipsText(const ExerciseRecord& record);

// The result in the parts a student reads in order: the verdict, what the fault did, the slips (with the
// measurements and the time), then the search: a half-split search's steps beside the student's own readings.
struct ResultParts
{
    QString verdict;  // "Right: …", "Right stage, wrong part: …", "Wrong stage: …"
    QString fault;    // what the fault did, and why a stage named read as it did
    QString slips;    // the safety slips, each named
    QString proved;   // what the symptom proved before any reading
    QString measured; // the measurements this set's own search takes against the student's, and the time
    QString figure;   // what the half-split figure is
    QStringList search; // the half-split search on this set, a step to a line
    QStringList yours;  // the student's own readings, a step to a line, as the same search counts them
};
ResultParts resultParts(const ExerciseRecord& record, const Fault& fault);

// The result: right or wrong, what the symptom proved, the measurements against those this set's own
// half-split search takes, the safety slips, the time and the fault explained.
// Then, for a wrong stage where the fault was a control's setting, why the stage named read wrong; and the
// half-split search (halfsplit.h).
QString resultText(const ExerciseRecord& record, const Fault& fault);

// Why naming the stage of `named` counted for `fault`, one short across the same points, and the first check
// out of circuit that tells the two parts apart.
QString sameShortText(const Fault& fault, const Fault& named);

// A stage that is a control the user sets (a hold, a size, Tint): its fault is a setting, not a part.
bool isControl(const QString& stage);

// Why the stage named read wrong when the fault was the setting of `control`: which stages the control
// feeds, and that controls are checked before parts.
QString controlText(const QString& control, const QString& named);

// The note of the faulty stage as the bench shows it: the rule for a line-connected chassis only when the
// set on the bench is one.
QString benchNote(const areanotes::Note& note, bool lineConnected);

} // namespace trainer
