// The working out of the set's state: how each stage's output stands with the hidden fault, and what the set
// then shows and sounds like.

#include "trainer/model/stagetable.h"


#include <algorithm>

namespace trainer {
namespace model {

namespace {

using enum Link;

// The worse of two states: missing, then weak, then distorted, then good.
Output worse(Output a, Output b)
{
    const auto rank = [](Output o) {
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
    };
    return rank(a) >= rank(b) ? a : b;
}

Output through(Link link, Output from)
{
    if (from == Output::Good)
        return from;
    switch (link) {
    case Supply:
    case Signal:
        return from;
    case Lock:
        return Output::Distorted;
    case Setting:
    case Colour:
    case Luminance:
        return from == Output::Missing ? Output::Distorted : from;
    case Flyback:
    case Regulated:
    case SyncOf:
        return from == Output::Distorted ? Output::Good : from;
    case Key:
        return Output::Missing;
    case Presence:
        return from == Output::Distorted ? Output::Good : Output::Missing;
    case Regulation:
        return Output::Distorted;
    }
    return from;
}

struct Settling
{
    const Fault* fault;
    const StageRow* actedOn;
    Output acted;
    States states;
    std::vector<bool> done;
};

Output settle(Settling& s, int index)
{
    const auto at = static_cast<size_t>(index);
    if (s.done[at])
        return s.states[at];
    const StageRow& row = stageRows()[at];
    Output out = s.fault && QAnyStringView(s.fault->stage) == QAnyStringView(row.id) ? s.fault->output
                                                                                     : Output::Good;
    if (s.actedOn == &row)
        out = worse(out, s.acted);
    for (const Need& need : row.needs)
        if (need.stage)
            out = worse(out, through(need.link, settle(s, indexOf(findStage(need.stage)))));
    s.states[at] = out;
    s.done[at] = true;
    return out;
}

} // namespace

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
    Settling s{fault, nullptr, Output::Good, States(count, Output::Good), std::vector<bool>(count)};
    if (fault)
        if (const auto back = actsBack(*fault)) {
            s.actedOn = back->first;
            s.acted = back->second;
        }
    for (size_t i = 0; i < count; ++i)
        settle(s, static_cast<int>(i));
    return s.states;
}

Output fed(const States& states, const StageRow& row)
{
    Output out = Output::Good;
    for (const Need& need : row.needs)
        if (need.stage)
            out = worse(out, through(need.link, states[static_cast<size_t>(indexOf(findStage(need.stage)))]));
    return out;
}

Output stateOf(const States& states, const char* id)
{
    return states[static_cast<size_t>(indexOf(findStage(id)))];
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
    return row ? settleAll(m_fault)[static_cast<size_t>(indexOf(row))] : Output::Good;
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
    else if (look.colour != Colour::Normal && (at(kDrivers) != Output::Good))
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
