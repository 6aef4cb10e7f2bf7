// The working out of the set's state: how each stage's output stands with the hidden fault, and what the set
// then shows and sounds like.

#include "trainer/model/stagetable.h"


#include <algorithm>
#include <string_view>

namespace trainer {
namespace model {

namespace {

using enum Link;

// The worse of two states: missing, then weak, then distorted, then good.
int rank(Output o)
{
    switch (o) {
    case Output::Missing:
        return 3;
    case Output::Weak:
        return 2;
    case Output::Distorted:
        return 1;
    case Output::Good:
        break;
    }
    return 0;
}

State worse(const State& a, const State& b)
{
    // A stage without its supply makes nothing, not even noise: the snow of a tuner with nothing coming in
    // needs the tuner and the IF strip behind it powered.
    if (a.output == Output::Missing && b.output == Output::Missing)
        return a.flaw == Flaw::Noise ? b : a;
    return rank(a.output) >= rank(b.output) ? a : b;
}

// The flaw each stage makes of its output when it distorts it itself; a stage not listed shifts it: its
// output steady, at the wrong level or phase.
struct MadeRow
{
    const char* id;
    Flaw flaw;
};

using enum Flaw;

// clang-format off
constexpr MadeRow kMade[] = {
    {"ac-mains-input", Clipped},         {"low-voltage-supply", Ripple},     {"voltage-regulator", Wandering},
    {"linear-supply", Ripple},           {"switching-supply", Cycling},      {"scan-derived-supply", Cycling},
    {"noise-canceller", Clipped},        {"sync-separator", Clipped},        {"vertical-oscillator", Unlocked},
    {"vertical-amplifier", Bent},        {"vertical-yoke", Bent},            {"horizontal-afc", Unlocked},
    {"horizontal-oscillator", Unlocked}, {"horizontal-driver", Ringing},     {"horizontal-output", Ringing},
    {"damper", Ringing},                 {"hv-hold-down", Cycling},          {"hv-regulator", Wandering},
    {"hv-rectifier", Wandering},         {"pincushion", Bent},               {"horizontal-yoke", Unlocked},
    {"picture-tube", Wandering},         {"uhf-tuner", Unlocked},            {"vhf-tuner", Clipped},
    {"video-if-amplifiers", Clipped},    {"video-detector", Beat},           {"video-amplifier", Clipped},
    {"blanking-amplifier", Clipped},     {"sound-if-detector", Beat},        {"sound-if-amplifier", Beat},
    {"sound-detector", Beat},            {"audio-amplifier", Clipped},       {"loudspeaker", Clipped},
    {"comb-filter", Ringing},            {"delay-line", Ringing},            {"color-phase-detector", Unlocked},
    {"color-oscillator", Unlocked},
};
// clang-format on

// The tuners' own noise: with nothing coming in, the gain behind them shows it as snow and hiss.
bool makesNoise(const StageRow& row)
{
    return QByteArrayView(row.id) == "uhf-tuner" || QByteArrayView(row.id) == "vhf-tuner";
}

// The state a need passes to the stage that needs it, made there by `row` where the link changes it.
State through(const Need& need, const State& from, const StageRow& row)
{
    if (from.output == Output::Good)
        return from;
    const auto made = [&row](Output out) { return State{out, madeFlaw(row), false}; };
    switch (need.link) {
    case Supply:
        return {from.output, from.flaw, true};
    case Signal:
        // A tuner with nothing coming in passes its own noise on.
        if (from.output == Output::Missing && from.flaw == None && makesNoise(row))
            return {Output::Missing, Noise, true};
        return {from.output, from.flaw, true};
    case Lock:
        // Without its sync or reference an oscillator runs free, near its own rate.
        return {Output::Distorted, Unlocked, false};
    case Setting:
    case Colour:
    case Luminance:
        return made(from.output == Output::Missing ? Output::Distorted : from.output);
    case Flyback:
    case Regulated:
    case SyncOf:
        if (from.output == Output::Distorted)
            return {};
        return {from.output, None, true};
    case Key:
        return {Output::Missing, None, false};
    case Presence:
        return from.output == Output::Distorted ? State{} : State{Output::Missing, None, false};
    }
    return from;
}

// The flaw a fault makes at its own stage: the chirp of a supply that trips and restarts, the slow retrace
// of a boost that no longer lifts the supply, or else the stage's own.
Flaw faultFlaw(const Fault& fault, const StageRow& row)
{
    if (fault.look.sound == Sound::Chirp)
        return Cycling;
    if (fault.look.vertical == Vertical::FoldTop)
        return SlowRetrace;
    return fault.output == Output::Distorted ? madeFlaw(row) : None;
}

struct Settling
{
    const Fault* fault;
    const StageRow* actedOn;
    Output acted;
    States states;
    std::vector<bool> done;
};

State settle(Settling& s, int index)
{
    const auto at = static_cast<size_t>(index);
    if (s.done[at])
        return s.states[at];
    const StageRow& row = stageRows()[at];
    State out;
    if (s.fault && QAnyStringView(s.fault->stage) == QAnyStringView(row.id))
        out = {s.fault->output, faultFlaw(*s.fault, row), false};
    if (s.actedOn == &row)
        out = worse(out, State{s.acted, s.acted == Output::Distorted ? madeFlaw(row) : None, false});
    for (const Need& need : row.needs)
        if (need.stage)
            out = worse(out, through(need, settle(s, indexOf(findStage(need.stage))), row));
    s.states[at] = out;
    s.done[at] = true;
    return out;
}

} // namespace

Flaw madeFlaw(const StageRow& row)
{
    const auto found = std::ranges::find_if(kMade, [&row](const MadeRow& m) { return m.id == std::string_view(row.id); });
    return found == std::end(kMade) ? Shifted : found->flaw;
}

std::optional<std::pair<const StageRow*, Output>> actsBack(const Fault& fault)
{
    const StageRow* row = findStage(fault.stage);
    if (!row || !row->loads)
        return std::nullopt;
    const StageRow* loaded = findStage(row->loads);
    const QLatin1StringView failure(fault.failure);
    // A short draws more than the supply gives: its protection pulls the rail down.
    if (failure == QLatin1String("shorted") && row->protection != Protection::None)
        return std::pair{loaded, Output::Missing};
    // An open inductive load leaves the stage that drives it without the load's current and its pulse.
    if (failure == QLatin1String("open") && row->protection == Protection::None)
        return std::pair{loaded, Output::Distorted};
    return std::nullopt;
}

States settleAll(const Fault* fault)
{
    const size_t count = stageRows().size();
    Settling s{fault, nullptr, Output::Good, States(count), std::vector<bool>(count)};
    if (fault)
        if (const auto back = actsBack(*fault)) {
            s.actedOn = back->first;
            s.acted = back->second;
        }
    for (size_t i = 0; i < count; ++i)
        settle(s, static_cast<int>(i));
    return s.states;
}

State fed(const States& states, const StageRow& row)
{
    State out;
    for (const Need& need : row.needs)
        if (need.stage)
            out = worse(out, through(need, states[static_cast<size_t>(indexOf(findStage(need.stage)))], row));
    return out;
}

const State& signalOf(const States& states, const char* id)
{
    return states[static_cast<size_t>(indexOf(findStage(id)))];
}

Output stateOf(const States& states, const char* id)
{
    return signalOf(states, id).output;
}

} // namespace model

using namespace model;

namespace {

// How a stage's state shows on one part of the picture or sound. A member the fault's look names wins; a
// fault that distorts its stage shows only what its look names.
template <typename T> T shows(Output state, T look, bool lookOnly, T missing, T weak, T distorted)
{
    if (state == Output::Good)
        return T{};
    if (look != T{} || lookOnly)
        return look;
    return state == Output::Missing ? missing : state == Output::Weak ? weak : distorted;
}

// The stages that deliver each part of the picture and sound to the screen and the loudspeaker.
constexpr const char* kTube = "picture-tube";
constexpr const char* kDrivers = "rgb-drivers";
constexpr const char* kLuminance = "third-video-amplifier";
constexpr const char* kColourDifference = "color-demodulators";
constexpr const char* kKiller = "color-killer";
constexpr const char* kVerticalScan = "vertical-yoke";
constexpr const char* kHorizontalScan = "horizontal-yoke";
constexpr const char* kGeometry = "pincushion";
constexpr const char* kSpeaker = "loudspeaker";
constexpr const char* kRawSupply = "low-voltage-supply"; // its ripple shows as hum bars and hum
constexpr const char* kStandby = "switching-supply";     // lights the standby light

} // namespace

Output Set::output(QAnyStringView stage) const
{
    const StageRow* row = findStage(stage);
    return row ? settleAll(m_fault)[static_cast<size_t>(indexOf(row))].output : Output::Good;
}

Appearance Set::appearance() const
{
    const States states = settleAll(m_fault);
    const auto at = [&states](const char* id) { return stateOf(states, id); };
    const Appearance look = m_fault ? m_fault->look : Appearance{};
    const bool lookOnly = m_fault && m_fault->output == Output::Distorted;

    Appearance a;
    a.standbyLight = at(kStandby) == Output::Good;
    if (at(kTube) == Output::Missing && at(kSpeaker) == Output::Missing) {
        a.power = Power::Dead;
        // A switch-mode supply that its own short keeps tripping is the one sound a dead set makes.
        if (look.sound == Sound::Chirp)
            a.sound = Sound::Chirp;
        return a;
    }
    a.sound = shows(at(kSpeaker), look.sound, lookOnly, Sound::None, Sound::Hiss, Sound::Normal);
    if (a.sound == Sound::Normal)
        a.sound = shows(at(kRawSupply), look.sound, lookOnly, Sound::Normal, Sound::Normal, Sound::Hum);
    a.raster = shows(at(kTube), look.raster, lookOnly, Raster::None, Raster::Dark, Raster::Normal);
    if (a.raster == Raster::None)
        return a; // nothing else shows on a dark screen
    if (a.raster == Raster::Normal)
        a.raster = shows(at(kDrivers), look.raster, true, Raster::Normal, Raster::Normal, Raster::Normal);
    a.brightnessShifted = at(kLuminance) != Output::Good && look.brightnessShifted;

    // Luminance and colour take separate paths to the drivers: the colour killer, keyed by the burst,
    // turns the colour off whatever the fault's look says of it.
    const bool killed = at(kKiller) != Output::Good;
    const Output colour = at(kColourDifference);
    if (killed)
        a.colour = Colour::None;
    else if (look.colour != Colour::Normal && (at(kDrivers) != Output::Good || at(kTube) != Output::Good))
        a.colour = look.colour;
    else if (!lookOnly)
        a.colour = colour == Output::Good ? Colour::Normal : Colour::None;
    const Content lost = a.colour == Colour::None ? Content::Blank : Content::NoDetail;
    a.content = shows(at(kLuminance), look.content, lookOnly, lost, Content::Weak, Content::Normal);
    a.humBars = shows(at(kRawSupply), look.humBars, lookOnly, false, false, true);
    a.vertical =
        shows(at(kVerticalScan), look.vertical, lookOnly, Vertical::Line, Vertical::Short, Vertical::Roll);
    a.horizontal = shows(at(kHorizontalScan), look.horizontal, lookOnly, Horizontal::Narrow,
                         Horizontal::Narrow, Horizontal::Tearing);
    if (a.horizontal == Horizontal::Normal)
        a.horizontal = shows(at(kGeometry), look.horizontal, lookOnly, Horizontal::BowedSides,
                             Horizontal::BowedSides, Horizontal::BowedSides);

    // A faint, snowy or missing picture is what the eye meets first: the roll and tearing that its weak
    // sync brings are not seen on it, and a blank raster carries no colour.
    const bool pictureLost = a.content == Content::Blank || a.content == Content::Snow ||
                             a.content == Content::SnowOnly || a.content == Content::Weak;
    if (pictureLost && a.vertical == Vertical::Roll && look.vertical != Vertical::Roll)
        a.vertical = Vertical::Normal;
    if (pictureLost && a.horizontal == Horizontal::Tearing && look.horizontal != Horizontal::Tearing)
        a.horizontal = Horizontal::Normal;
    if (a.content == Content::Blank)
        a.colour = Colour::Normal;
    return a;
}

} // namespace trainer
