#pragma once
// The set's model inside: the stage table and the working out of the stages' states. Used by the files that
// make up the model (the stages, the states), by the readings of the bench and by the search of the exercise.

#include "trainer/model/setmodel.h"

#include <QSet>

#include <array>
#include <optional>
#include <utility>
#include <span>
#include <vector>

namespace trainer::model {

// How a need passes the state of the stage it comes from.
enum class Link {
    Supply,     // a supply rail: missing, low or rippling, the stage is the same
    Signal,     // the signal the stage works on: as it comes in, it goes out
    Lock,       // sync or a reference the stage locks to: without a good one it runs free, out of step
    Setting,    // a control voltage or a knob: lost, it leaves the stage set wrong
    Colour,     // the colour difference drive: lost or wrong, the colours are wrong but the picture stays
    Flyback,    // a supply rectified from the flyback: lost or low with its pulses, but a scan that is only
                // out of step with the sync still makes it
    Regulated,  // a rail a regulator makes from the raw B+: lost or low with it, its ripple taken out
    Key,        // a keying pulse (the flyback's): out of step or lost, the gate opens at the wrong time or
                // never, and passes nothing
    Presence,   // a detector of another signal's presence (the killer of the burst's): a weak or lost
                // signal reads as none, a misshapen one as there
    SyncOf,     // sync clipped off the video: a video of the wrong shape or level still gives it, only a
                // weak or lost video loses it
    Luminance,  // the luminance into the drivers: lost, the drivers still pass the colour, without detail
};

struct Need
{
    const char* stage = nullptr;
    Link link = Link::Signal;
};

// What a failed load does to the stage whose output it loads.
enum class Protection {
    None,
    Limits,   // a regulator's current limit or its fusible resistor: the rail collapses
    Blows,    // a fuse or fusible resistor opens: the rail is gone
};

// A stage: what it needs, the culprits its note names, and the stage whose output it loads (its supply
// rail, or the stage that drives it), with what that stage's protection does when this one shorts.
struct StageRow
{
    const char* id;
    std::array<Need, 5> needs;
    std::array<const char*, 6> parts;
    const char* loads = nullptr;
    Protection protection = Protection::None;
};

std::span<const StageRow> stageRows();
const StageRow* findStage(QAnyStringView id);
int indexOf(const StageRow* row);

// Whether every failure of the needed stage shows in the stage that needs it.
bool strict(const Need& need);

// The stage and every stage it needs, directly or through others; only through strict needs if asked.
QSet<int> withNeeds(const char* id, bool strictOnly = false);

// How a stage's output stands: missing, weak, distorted or good, the flaw it has, and whether the stage
// made it so or only passes on what it was given.
struct State
{
    Output output = Output::Good;
    Flaw flaw = Flaw::None;
    bool carried = false; // passed on from a stage it needs through a supply or a signal, not made here
};

// How each stage's output stands with a fault, in the order of the stage table.
using States = std::vector<State>;
States settleAll(const Fault* fault);
Output stateOf(const States& states, const char* id);
const State& signalOf(const States& states, const char* id);

// The state a stage's needs alone leave it in, without a fault of its own or a load's acting back.
State fed(const States& states, const StageRow& row);

// The flaw a stage makes of its output when it distorts it itself (a ramp bent, a carrier clipped).
Flaw madeFlaw(const StageRow& row);

// The instrument at a test point (a stage's or a point's id) on a working set, and as a state leaves it.
Instrument workingAt(QAnyStringView point);
Instrument showingAt(QAnyStringView point, const State& state, const States& states);
// The physical point a box's instruments probe: the anode cap is one, whichever box reads it.
QString physicalPoint(QAnyStringView point);
// The kind of signal a test point carries.
SignalKind kindAt(QAnyStringView point);

// The stage a fault acts back on (the one its stage loads), with the state it leaves it in; none when the
// failure does not act back.
std::optional<std::pair<const StageRow*, Output>> actsBack(const Fault& fault);

} // namespace trainer::model
