// The stage table: every stage of the set, what it needs, the culprits its note names and what it loads.

#include "diagrams/areanotes.h"
#include "trainer/model/stagetable.h"

#include <algorithm>

namespace trainer {
namespace model {

namespace {

using enum Link;

// The loops of the set are here: the scan-derived supplies, the high voltage, the tube's heater and screen
// supply all need the horizontal output, and the tube lights only with the high voltage (anode and focus)
// and the flyback's heater and screen supply. Three feedback paths are left out so that the stages form
// no circle: the AGC's sample of the video, the AFC's and the blanking's flyback pulses, and the colour
// oscillator's return to its phase detector. Each is a loop that holds a working set steady; a fault in it
// still shows in the stage that carries it.
// clang-format off
constexpr StageRow kStages[] = {
    // Low voltage power supply and deflection
    {"ac-mains-input",        {},
                              {"power cord", "power switch", "fuse", "surge resistor"}},
    {"low-voltage-supply",    {{{"ac-mains-input", Supply}}},
                              {"filter capacitors", "rectifier diodes", "fusible resistor"}},
    // The B+ regulator is a switch-mode one on this set: it chops the raw B+ through a small transformer and
    // rectifies the secondary, held by an optocoupler's feedback. An overloaded secondary trips its current
    // limit over and over, and the set chirps.
    {"voltage-regulator",     {{{"low-voltage-supply", Regulated}}},
                              {"switching transistor", "control IC", "optocoupler", "secondary diode",
                               "start-up resistor"}},
    // The low supply of the small-signal stages: the raw B+ dropped and held by a series-pass regulator.
    {"linear-supply",         {{{"low-voltage-supply", Regulated}}},
                              {"pass transistor", "Zener diode", "filter capacitors", "rectifier diodes"}},
    // The standby supply, straight from the mains; nothing of the picture or sound runs from it.
    {"switching-supply",      {{{"ac-mains-input", Supply}}},
                              {"switching transistor", "start-up resistors", "small electrolytic capacitors",
                               "optocoupler", "secondary diodes"}},
    {"scan-derived-supply",   {{{"horizontal-output", Flyback}}},
                              {"fusible resistors", "rectifier diodes", "filter capacitors"}},
    {"noise-canceller",       {{{"video-amplifier", Signal}, {"linear-supply", Supply}}},
                              {"canceller transistor", "coupling capacitor", "Noise level control"}},
    // The separator clips the sync off the video: only a weak or lost video costs it the sync.
    {"sync-separator",        {{{"noise-canceller", SyncOf}, {"linear-supply", Supply}}},
                              {"separator transistor", "coupling capacitors", "bias resistors"}},
    {"vertical-oscillator",   {{{"linear-supply", Supply}, {"sync-separator", Lock},
                                {"vertical-hold", Setting}}},
                              {"timing capacitors", "timing resistors", "coupling capacitors",
                               "oscillator transistor"}},
    {"vertical-hold",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"vertical-amplifier",    {{{"vertical-oscillator", Signal}, {"scan-derived-supply", Supply},
                                {"vertical-linearity", Setting}, {"vertical-size", Setting}}},
                              {"output IC", "fusible resistor", "coupling capacitor", "feedback capacitor",
                               "retrace boost capacitor", "boost diode"}},
    {"vertical-linearity",    {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"vertical-size",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // The yoke is the output stage's load: open, the stage's voltage loses its inductive retrace pulse.
    {"vertical-yoke",         {{{"vertical-amplifier", Signal}}}, {"winding", "plug"}, "vertical-amplifier"},
    {"horizontal-afc",        {{{"sync-separator", Lock}, {"linear-supply", Supply}}},
                              {"phase detector diodes", "filter capacitors", "flyback sample lead"}},
    {"horizontal-oscillator", {{{"linear-supply", Supply}, {"horizontal-afc", Lock},
                                {"horizontal-hold", Setting}}},
                              {"timing capacitors", "timing resistors", "oscillator coil",
                               "oscillator transistor"}},
    {"horizontal-hold",       {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // The hold-down's output is its permission to run: when it fires, the driver stops.
    {"horizontal-driver",     {{{"horizontal-oscillator", Signal}, {"hv-hold-down", Supply},
                                {"voltage-regulator", Supply}}},
                              {"driver transistor", "dropping resistor", "filter capacitor",
                               "driver transformer joints"}},
    // The damper sits across the output transistor's collector and emitter, where the B+ arrives through
    // the flyback's primary and the B+ fusible resistor (the damper's stage is that B+ feed): a short in
    // either is the same short across it, and the fusible resistor opens.
    {"horizontal-output",     {{{"horizontal-driver", Signal}, {"damper", Supply}}},
                              {"output transistor", "flyback", "retrace capacitors", "flyback pin joints",
                               "S-correction capacitor"},
                              "damper", Protection::Blows},
    {"damper",                {{{"voltage-regulator", Supply}}},
                              {"damper diode", "solder joints", "capacitors around it"}},
    {"hv-hold-down",          {{{"linear-supply", Supply}}},
                              {"sense resistor", "filter capacitor", "SCR"}},
    // The regulator holds the high voltage by working on the flyback's load (on other sets its B+ or the
    // retrace timing), from a sample of the anode's voltage: it is judged at the anode cap, so with no high
    // voltage there it has nothing to hold and reads as the anode does. Its hold on the anode is the loop left
    // out here: no fault of the catalogue is the regulator's.
    {"hv-regulator",          {{{"hv-rectifier", Signal}}},
                              {"regulator transistor", "control transistor", "sample divider resistors"}},
    // The tripler rectifies the flyback's pulses whatever the regulator does.
    {"hv-rectifier",          {{{"horizontal-output", Flyback}}},
                              {"tripler", "anode lead", "focus control"}},
    {"pincushion",            {{{"horizontal-output", Signal}}},
                              {"correction transformer", "capacitors", "modulator transistor"}},
    {"horizontal-yoke",       {{{"horizontal-output", Signal}}}, {"winding", "insulation"}},
    {"picture-tube",          {{{"hv-rectifier", Supply}, {"horizontal-output", Flyback}}},
                              {"heater", "anode lead", "screen supply", "cathodes"}},
    // Front end
    {"antenna-signal",        {}, {"lead-in", "connector", "splitter", "antenna"}},
    {"uhf-tuner",             {{{"antenna-signal", Signal}, {"linear-supply", Supply}}},
                              {"mixer diode", "oscillator transistor", "tuning contacts"}},
    // The set plays a UHF station: in the UHF position the VHF tuner amplifies the UHF tuner's IF.
    {"vhf-tuner",             {{{"uhf-tuner", Signal}, {"linear-supply", Supply}, {"delayed-agc", Setting}}},
                              {"switch contacts", "RF transistor", "mixer transistor"}},
    {"aft",                   {{{"video-if-amplifiers", Signal}, {"linear-supply", Supply}}},
                              {"discriminator coil", "AFT IC", "output line capacitors"}},
    {"first-video-if",        {{{"vhf-tuner", Signal}, {"linear-supply", Supply}}},
                              {"preamplifier transistor", "SAW filter", "coupling capacitors"}},
    {"video-if-amplifiers",   {{{"first-video-if", Signal}, {"linear-supply", Supply}, {"agc", Setting}}},
                              {"IF IC", "decoupling capacitors", "IF coils"}},
    {"video-detector",        {{{"video-if-amplifiers", Signal}}},
                              {"detector diode", "detector coil", "IF IC"}},
    {"video-amplifier",       {{{"video-detector", Signal}, {"linear-supply", Supply}}},
                              {"amplifier transistor", "emitter bypass capacitor", "coupling capacitor",
                               "supply dropping resistor"}},
    {"agc",                   {{{"linear-supply", Supply}, {"agc-control", Setting}}},
                              {"keying transistor", "keying pulse path", "AGC line capacitors"}},
    {"agc-control",           {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"delayed-agc",           {{{"agc", Signal}, {"linear-supply", Supply}}},
                              {"delay transistor", "RF AGC line capacitors", "Delay control"}},
    {"blanking-amplifier",    {{{"linear-supply", Supply}}},
                              {"blanking transistor", "pulse path diode", "pulse path capacitor"}},
    // The intercarrier: the 4.5 MHz sound beat is made in the synchronous video detector, on its coil's
    // reference.
    {"sound-if-detector",     {{{"video-if-amplifiers", Signal}, {"video-detector", Signal}}},
                              {"detector diode", "takeoff coil", "ceramic filter"}},
    {"sound-if-amplifier",    {{{"sound-if-detector", Signal}, {"linear-supply", Supply}}},
                              {"sound IF IC", "ceramic filter", "decoupling capacitors"}},
    {"sound-detector",        {{{"sound-if-amplifier", Signal}}},
                              {"detector coil", "sound IC", "ratio detector diodes"}},
    {"audio-amplifier",       {{{"sound-detector", Signal}, {"scan-derived-supply", Supply}}},
                              {"output IC", "speaker coupling capacitor", "fusible resistor",
                               "Volume control"}},
    {"loudspeaker",           {{{"audio-amplifier", Signal}}},
                              {"voice coil", "cone", "leads", "earphone jack"}},
    // Video and colour circuits
    {"comb-filter",           {{{"video-amplifier", Signal}, {"contrast-control", Setting},
                                {"linear-supply", Supply}}},
                              {"comb filter IC", "amplifier transistor", "coupling capacitors"}},
    {"contrast-control",      {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"delay-line",            {{{"comb-filter", Signal}}},
                              {"winding", "terminating resistors", "solder joint"}},
    {"third-video-amplifier", {{{"delay-line", Signal}, {"brightness-control", Setting},
                                {"blanking-amplifier", Setting}}},
                              {"amplifier transistor", "clamp capacitor", "limiter sensing resistor"}},
    {"brightness-control",    {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // The chroma takes its own path from the video amplifier: the luminance's stages do not carry it.
    {"chroma-amplifiers",     {{{"video-amplifier", Signal}, {"acc", Setting}, {"color-control", Setting},
                                {"color-killer", Supply}}},
                              {"chroma IC", "coupling capacitors", "bandpass coil"}},
    {"color-control",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"acc",                   {{{"burst-gate", Signal}, {"acc-control", Setting}}},
                              {"detector diodes", "filter capacitors", "chroma IC"}},
    {"acc-control",           {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // The killer's output is the chroma amplifier's permission to pass colour, given only while a burst
    // comes through the gate.
    {"color-killer",          {{{"burst-gate", Presence}, {"color-killer-control", Setting},
                                {"linear-supply", Supply}}},
                              {"killer transistor", "filter capacitor", "bias resistor"}},
    {"color-killer-control",  {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // Keyed open by the flyback pulse: a scan out of step with the sync opens it away from the burst.
    {"burst-gate",            {{{"video-amplifier", Signal}, {"horizontal-output", Key},
                                {"linear-supply", Supply}}},
                              {"gate transistor", "burst transformer", "keying pulse path",
                               "coupling capacitor"}},
    {"color-phase-detector",  {{{"burst-gate", Lock}, {"linear-supply", Supply}}},
                              {"detector diodes", "filter capacitors", "chroma IC"}},
    {"color-oscillator",      {{{"color-phase-detector", Lock}, {"linear-supply", Supply}}},
                              {"crystal", "trimmer capacitor", "coupling capacitor"}},
    {"tint-control",          {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"phase-shift-network",   {{{"color-oscillator", Signal}}},
                              {"capacitors", "resistors", "coil", "reference coupling capacitor"}},
    // The Tint control turns the chroma against both references together: they stay 90 degrees apart, and
    // what changes is what the demodulators make of the chroma.
    {"color-demodulators",    {{{"chroma-amplifiers", Signal}, {"phase-shift-network", Signal},
                                {"tint-control", Setting}}},
                              // The R-Y and B-Y demodulators and the G-Y matrix are sections of one IC: the
                              // IC is the part.
                              {"demodulator IC", "coupling capacitors"}},
    {"rgb-drivers",           {{{"third-video-amplifier", Luminance}, {"color-demodulators", Colour},
                                {"scan-derived-supply", Supply}}},
                              {"red driver transistor", "green driver transistor", "blue driver transistor",
                               "load resistors"}},
};
// clang-format on
} // namespace

std::span<const StageRow> stageRows()
{
    return kStages;
}

const StageRow* findStage(QAnyStringView id)
{
    const auto found =
        std::ranges::find_if(kStages, [id](const StageRow& s) { return id == QAnyStringView(s.id); });
    return found == std::end(kStages) ? nullptr : &*found;
}

int indexOf(const StageRow* row)
{
    return static_cast<int>(row - std::begin(kStages));
}

bool strict(const Need& need)
{
    return need.stage && need.link != Flyback && need.link != Regulated && need.link != SyncOf &&
           need.link != Presence;
}

namespace {
void addWithNeeds(QSet<int>& into, const StageRow* row, bool strictOnly)
{
    if (!row || into.contains(indexOf(row)))
        return;
    into.insert(indexOf(row));
    for (const Need& need : row->needs)
        if (need.stage && (!strictOnly || strict(need)))
            addWithNeeds(into, findStage(need.stage), strictOnly);
}
} // namespace

QSet<int> withNeeds(const char* id, bool strictOnly)
{
    QSet<int> all;
    addWithNeeds(all, findStage(id), strictOnly);
    return all;
}

} // namespace model

using namespace model;

QStringList stages()
{
    QStringList all;
    for (const areanotes::Area& area : areanotes::areas())
        if (findStage(area.id))
            all << QString::fromLatin1(area.id);
    return all;
}

QStringList needs(QAnyStringView stage)
{
    QStringList all;
    if (const StageRow* row = findStage(stage))
        for (const Need& need : row->needs)
            if (need.stage)
                all << QString::fromLatin1(need.stage);
    return all;
}

QStringList strictNeeds(QAnyStringView stage)
{
    QStringList all;
    if (const StageRow* row = findStage(stage))
        for (const Need& need : row->needs)
            if (strict(need))
                all << QString::fromLatin1(need.stage);
    return all;
}

QStringList loadedBy(QAnyStringView stage)
{
    QStringList all;
    for (const StageRow& row : kStages)
        if (row.loads && stage == QAnyStringView(row.loads))
            all << QString::fromLatin1(row.id);
    return all;
}

QStringList Set::parts(QAnyStringView stage) const
{
    QStringList all;
    if (const StageRow* row = findStage(stage))
        for (const char* part : row->parts)
            if (part)
                all << QString::fromUtf8(part);
    return all;
}

} // namespace trainer
