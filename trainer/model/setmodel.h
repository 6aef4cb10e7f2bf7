#pragma once
// The colour set on the trainer's bench, as a signal-flow model. Every stage is a circuit area of the
// notes (the same ids, so a fault, its note and the symptom screens' roads speak of the same stage). A
// stage needs supply rails, signals and drive from other stages and delivers its own output; a fault
// removes, weakens or distorts one stage's output, and everything the set shows and every reading follow
// from the stages' needs, not from a list typed per fault. The loops a technician must know are in the
// stages' needs: the supplies derived from the horizontal output stage die with it, the high voltage,
// focus and screen supplies come from the flyback, and the tube lights only with heater, high voltage and
// screen voltage present.

#include "trainer/model/appearance.h"
#include "trainer/model/instrument.h"

#include <QSet>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace trainer {

// How a stage's output stands.
enum class Output {
    Good,
    Missing,   // no output at all
    Weak,      // present but too small
    Distorted, // present, the right size, the wrong shape or timing
};

// How a signal departs from a working set's, by name: what a stage makes of it, or carries from upstream.
enum class Flaw {
    None,
    Noise,       // no programme: only the noise of the stages ahead of it (the IF's own "grass")
    Unlocked,    // an oscillator running free within its hold range, out of step with the sync
    Bent,        // a ramp fast at one end and slow at the other
    SlowRetrace, // a ramp whose retrace pulse is small and slow
    Clipped,     // its peaks flattened, or its sync crushed
    Ripple,      // mains ripple riding on it
    Cycling,     // a supply that starts, trips and starts again, over and over
    Beat,        // the 4.5 MHz sound beat riding on it
    Ringing,     // ringing and ghost edges after each edge
    Shifted,     // steady, at the wrong level or phase (a control set wrong)
    Wandering,   // moving with the mains or the load: nothing holds it
};

// The kind of signal a test point carries, as a technician names what is there.
enum class SignalKind {
    DcRail,      // a DC supply rail
    LinePulse,   // pulses at the line rate
    Ramp,        // a scan's ramp or its current
    Video,       // composite video, luminance or a colour channel
    Chroma,      // the colour subcarrier, its burst and references
    RadioFrequency, // an IF or RF carrier
    Audio,       // sound, or its 4.5 MHz carrier
    HighVoltage, // the anode, focus and screen supplies
    Control,     // a DC control voltage or a control's setting
};

// The road a technician takes on the symptom screens for what the set shows: from the main menu's symptom
// option, the symptom screen's option and, where the screen offers one, the item of its problem-area
// drop-down list, then Continue. The TV Dead screen has no option: its road goes through "Initial checks
// complete". The colour problems screen's Option7 to Option12 sit in the group that its Option6 opens.
struct Road
{
    const char* menuOption; // the main menu's option: "Option1" (TV Dead) to "Option5" (Color problems)
    const char* option;     // the symptom screen's option clicked; null where the screen has none to pick
    const char* item;       // the drop-down item chosen, as the screen lists it; null where none
};

// One failed part of one stage.
struct Fault
{
    const char* id;          // stable: kept in the exercise history ("vertical-yoke-open")
    const char* stage;       // the area id of the notes ("vertical-yoke")
    const char* part;        // the failed part, one of the culprits the stage's note names ("winding")
    const char* failure;     // how it failed, as a word before the part ("open")
    Output output;           // what the failure does to the stage's output
    const char* explanation; // why the set shows what it shows, in a few sentences
    Road road;
    // How the fault's effect shows where it reaches the screen or the loudspeaker, where the stages alone
    // cannot say: which primary is lost, whether the top folds or the bottom cramps. A member left at its
    // default shows as the stage's state does; a fault that distorts its stage's output shows only what
    // its look names, on the parts of the picture and sound its effect reaches.
    Appearance look = {};
};

// Every fault of the catalogue, in the order of the diagrams.
std::span<const Fault> faults();

// The fault of an id; null for an unknown id.
const Fault* findFault(QAnyStringView id);

// A fault's name as the trainer lists it: the stage as the diagrams name it, then the failed part
// ("Vertical deflection yoke: open winding").
QString faultName(const Fault& fault);

// Every stage of the model, as area ids in the order of the diagrams.
QStringList stages();

// The stages whose output a stage needs (its supplies, signals, drive, locking and settings); empty for an
// unknown stage. A stage whose needs all read good, and that has no fault of its own, reads good itself.
QStringList needs(QAnyStringView stage);

// The needs through which every failure of the needed stage shows in this stage: all of them but the
// supplies rectified from the flyback, which a scan that is only out of step with the sync still makes,
// and the regulated rails, whose regulators take the raw B+'s ripple out.
QStringList strictNeeds(QAnyStringView stage);

// The stages whose output a stage loads: a short in one of them pulls the stage's rail down through its
// protection (the regulator's limit, the fusible resistor), an open one leaves its drive without the load.
QStringList loadedBy(QAnyStringView stage);

// The boxes of the diagrams that measure a point of their own within a stage (the 1st vertical amplifier,
// each video driver); a stage's own id measures its output.
QStringList testPoints(QAnyStringView stage);
// The stage a test point belongs to: the id itself for a stage, empty for an unknown id.
QString pointStage(QAnyStringView point);
// A test point's box as the diagram names it ("Red video driver"); empty for a stage's own id.
QString pointTitle(QAnyStringView point);

// What a measurement shows. `stage` is the area id measured; the texts are what the student reads.
struct Reading
{
    QString stage;      // the stage the test point belongs to
    QString quantity;   // what was measured ("Vertical output to the yoke")
    QString instrument; // with what ("scope", "meter, DC volts", "high-voltage probe")
    QString where;      // where the probe goes ("yoke plug, vertical pins, to cold ground")
    QString now;        // what it reads on this set now
    QString typical;    // what a working set typically reads, in the notes' ranges
    bool powered = true; // taken with the set switched on
    bool normal = true;  // reads as a working set's; for the scoring, never shown before the answer
    Instrument shows;   // the instrument at the test point now
    Instrument working; // the same instrument on a working set, as the service data prints it
    QString point = {}; // the box measured: a stage's id, or a test point of its own within it
    QString physical = {}; // the physical point probed: boxes that probe the same one read the same
    SignalKind kind = SignalKind::DcRail;
    Flaw flaw = Flaw::None; // how the signal there departs from a working set's
    bool carried = false;   // the flaw comes from upstream: this stage only passes it on
};

// The result of checking a suspect part as a bench checks its kind: out of circuit, power off, on the meter
// that measures it (capacitance and ESR, the diode test, the ohmmeter), or in circuit with the set running,
// then substituted or realigned (ICs, crystals, the tripler, tuned coils). Every part shows its instrument
// and figure beside what a good part of its kind reads there, so that the figure tells the failed part.
struct PartCheck
{
    QString part;
    QString finding; // what the check shows, in figures ("about 47 µF; ESR about 0.2 Ω")
    bool failed = false;
    Instrument shows; // the instrument's figure or trace on this part
    Instrument good;  // the same instrument on a good part of its kind, or on a working set
    QString refusal;  // why the check was not made; empty when it was
    QString how;      // how it was checked ("out of circuit, power off, on a capacitance meter")
};

// The set on the bench with its hidden fault (none: a working set).
class Set
{
public:
    explicit Set(const Fault* fault = nullptr, bool lineConnected = true);

    // A set without a mains transformer: its chassis, and every stage on it, sits at line potential.
    bool lineConnected() const;

    // How each stage's output stands, following from the fault through the stages' needs.
    Output output(QAnyStringView stage) const;

    // What the set shows and sounds like.
    Appearance appearance() const;

    // The reading at a stage's output or at a test point of its own; nothing for an unknown id.
    std::optional<Reading> measure(QAnyStringView point) const;

    // The suspect parts of a stage, as the stage's note names its culprits.
    QStringList parts(QAnyStringView stage) const;

    // A part checked out of circuit, power off; a control's setting is compared with the service data's.
    PartCheck check(QAnyStringView stage, const QString& part) const;

private:
    const Fault* m_fault;
    bool m_lineConnected;
};

} // namespace trainer
