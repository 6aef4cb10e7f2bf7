#include "trainer/setmodel.h"

#include "diagrams/areanotes.h"

#include <QSet>

#include <algorithm>
#include <array>
#include <vector>

namespace trainer {

namespace {

// How a need passes the state of the stage it comes from.
enum class Link {
    Supply,    // a supply rail: missing, low or rippling, the stage is the same
    Signal,    // the signal the stage works on: as it comes in, it goes out
    Lock,      // sync or a reference the stage locks to: without a good one it runs free, out of step
    Setting,   // a control voltage or a knob: lost, it leaves the stage set wrong
    Colour,    // the colour difference drive: lost or wrong, the colours are wrong but the picture stays
    Flyback,   // a supply rectified from the flyback: lost or low with its pulses, but a scan that is only
               // out of step with the sync still makes it
    Regulated, // a rail a regulator makes from the raw B+: lost or low with it, its ripple taken out
};

struct Need
{
    const char* stage = nullptr;
    Link link = Link::Signal;
};

// A stage: what it needs and the culprits its note names. The loops of the set are here: the scan-derived
// supplies, the high voltage, the tube's heater and screen supply all need the horizontal output, and the
// tube lights only with the high voltage (anode and focus) and the flyback's heater and screen supply.
// Three feedback paths are left out so that the stages form no circle: the AGC's sample of the video, the
// AFC's and the blanking's flyback pulses, and the colour oscillator's return to its phase detector. Each
// is a loop that holds a working set steady; a fault in it still shows in the stage that carries it.
struct StageRow
{
    const char* id;
    std::array<Need, 4> needs;
    std::array<const char*, 5> parts;
};

using enum Link;

// clang-format off
constexpr StageRow kStages[] = {
    // Low voltage power supply and deflection
    {"ac-mains-input",        {},
                              {"power cord", "power switch", "fuse", "surge resistor"}},
    {"low-voltage-supply",    {{{"ac-mains-input", Supply}}},
                              {"filter capacitors", "rectifier diodes", "fusible resistor"}},
    {"voltage-regulator",     {{{"low-voltage-supply", Regulated}}},
                              {"pass transistor", "Zener reference", "error amplifier"}},
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
    {"sync-separator",        {{{"noise-canceller", Signal}, {"linear-supply", Supply}}},
                              {"separator transistor", "coupling capacitors", "bias resistors"}},
    {"vertical-oscillator",   {{{"linear-supply", Supply}, {"sync-separator", Lock},
                                {"vertical-hold", Setting}}},
                              {"timing capacitors", "timing resistors", "coupling capacitors",
                               "oscillator transistor"}},
    {"vertical-hold",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"vertical-amplifier",    {{{"vertical-oscillator", Signal}, {"scan-derived-supply", Supply},
                                {"vertical-linearity", Setting}, {"vertical-size", Setting}}},
                              {"output IC", "fusible resistor", "coupling capacitor", "feedback capacitor"}},
    {"vertical-linearity",    {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"vertical-size",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"vertical-yoke",         {{{"vertical-amplifier", Signal}}}, {"winding", "plug"}},
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
    // The damper sits at the output's collector: B+ reaches it through the flyback's primary.
    {"horizontal-output",     {{{"horizontal-driver", Signal}, {"damper", Supply}}},
                              {"output transistor", "flyback", "retrace capacitors", "flyback pin joints"}},
    {"damper",                {{{"voltage-regulator", Supply}}},
                              {"damper diode", "solder joints", "capacitors around it"}},
    {"hv-hold-down",          {{{"linear-supply", Supply}}},
                              {"sense resistor", "filter capacitor", "SCR"}},
    {"hv-regulator",          {{{"horizontal-output", Signal}}},
                              {"regulator transistor", "control transistor", "sample divider resistors"}},
    {"hv-rectifier",          {{{"hv-regulator", Signal}}},
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
    {"sound-if-detector",     {{{"video-if-amplifiers", Signal}}},
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
    {"chroma-amplifiers",     {{{"comb-filter", Signal}, {"acc", Setting}, {"color-control", Setting},
                                {"color-killer", Supply}}},
                              {"chroma IC", "coupling capacitors", "bandpass coil"}},
    {"color-control",         {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"acc",                   {{{"burst-gate", Signal}, {"acc-control", Setting}}},
                              {"detector diodes", "filter capacitors", "chroma IC"}},
    {"acc-control",           {{{"linear-supply", Supply}}}, {"setting", "track"}},
    // The killer's output is the chroma amplifier's permission to pass colour.
    {"color-killer",          {{{"color-killer-control", Setting}, {"linear-supply", Supply}}},
                              {"killer transistor", "filter capacitor", "bias resistor"}},
    {"color-killer-control",  {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"burst-gate",            {{{"comb-filter", Signal}, {"linear-supply", Supply}}},
                              {"gate transistor", "keying pulse path", "coupling capacitor"}},
    {"color-phase-detector",  {{{"burst-gate", Lock}, {"linear-supply", Supply}}},
                              {"detector diodes", "filter capacitors", "chroma IC"}},
    {"color-oscillator",      {{{"color-phase-detector", Lock}, {"linear-supply", Supply}}},
                              {"crystal", "trimmer capacitor", "coupling capacitor"}},
    {"tint-control",          {{{"linear-supply", Supply}}}, {"setting", "track"}},
    {"phase-shift-network",   {{{"color-oscillator", Signal}, {"tint-control", Setting}}},
                              {"capacitors", "resistors", "coil"}},
    {"color-demodulators",    {{{"chroma-amplifiers", Signal}, {"phase-shift-network", Signal}}},
                              {"R-Y demodulator", "G-Y matrix", "B-Y demodulator", "demodulator IC",
                               "coupling capacitors"}},
    {"rgb-drivers",           {{{"third-video-amplifier", Signal}, {"color-demodulators", Colour},
                                {"scan-derived-supply", Supply}}},
                              {"red driver transistor", "green driver transistor", "blue driver transistor",
                               "load resistors"}},
};
// clang-format on

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

constexpr int kStageCount = static_cast<int>(std::size(kStages));

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
        return from == Output::Missing ? Output::Distorted : from;
    case Flyback:
    case Regulated:
        return from == Output::Distorted ? Output::Good : from;
    }
    return from;
}

using States = std::array<Output, kStageCount>;

Output settle(States& states, std::array<bool, kStageCount>& done, int index, const Fault* fault)
{
    if (done[static_cast<size_t>(index)])
        return states[static_cast<size_t>(index)];
    const StageRow& row = kStages[index];
    Output out =
        fault && QAnyStringView(fault->stage) == QAnyStringView(row.id) ? fault->output : Output::Good;
    for (const Need& need : row.needs)
        if (need.stage)
            out = worse(out, through(need.link, settle(states, done, indexOf(findStage(need.stage)), fault)));
    states[static_cast<size_t>(index)] = out;
    done[static_cast<size_t>(index)] = true;
    return out;
}

States settleAll(const Fault* fault)
{
    States states{};
    std::array<bool, kStageCount> done{};
    for (int i = 0; i < kStageCount; ++i)
        settle(states, done, i, fault);
    return states;
}

Output stateOf(const States& states, const char* id)
{
    return states[static_cast<size_t>(indexOf(findStage(id)))];
}

// What a stage's output reads, as a technician measures it on a working set and on a faulty one.
struct ReadingRow
{
    const char* id;
    const char* quantity;
    const char* instrument;
    const char* where;
    const char* typical;
    const char* missing;
    const char* weak;
    const char* distorted;
};

constexpr const char* kMeterDC = "meter, DC volts";
constexpr const char* kScope = "scope";
constexpr const char* kHVProbe = "high-voltage probe";

// clang-format off
constexpr ReadingRow kReadings[] = {
    {"ac-mains-input", "Mains at the supply's input", "meter, AC volts",
     "after the fuse and power switch, across the supply's input", "about 120 V AC (typical 110 to 125 V)",
     "0 V AC", "well under 100 V AC", "120 V AC with spikes riding on it"},
    {"low-voltage-supply", "Raw B+ across the main filter capacitor", kMeterDC,
     "main filter capacitor, positive to its negative end",
     "about 150 V DC (typical 120 to 160 V); on the scope a few volts of ripple peak to peak, about twice "
     "that on a half-wave supply", "0 V DC",
     "well under 100 V DC",
     "somewhat low, with tens of volts of ripple at the mains frequency or twice it on the scope"},
    {"voltage-regulator", "Regulated B+", kMeterDC, "regulator output, to chassis ground",
     "steady at the figure of the service data, typically 100 to 150 V DC", "0 V DC",
     "well below the service figure",
     "near the service figure, but wandering with the mains and the brightness"},
    {"linear-supply", "Low supply of the small-signal stages", kMeterDC,
     "series-pass regulator output, to chassis ground", "about 12 V DC, steady", "0 V DC", "a few volts only",
     "about 12 V DC with ripple on it"},
    {"switching-supply", "Standby supply", kMeterDC, "standby supply output, to its own ground",
     "about 5 V DC, steady", "0 V DC", "a volt or two only", "about 5 V DC, ticking on and off"},
    {"scan-derived-supply", "Scan-derived supplies", kMeterDC,
     "each rectified output of the flyback's windings, to ground",
     "typically 25 to 60 V for the vertical output, a few tens of volts for the sound, 150 to 250 V for "
     "the video drivers",
     "0 V on every output", "every output well below its figure",
     "near their figures, but pulsing unsteadily"},
    {"noise-canceller", "Video and sync to the sync separator", kScope, "noise canceller output",
     "clean composite video with sync tips, a few volts peak to peak", "a flat line",
     "the same waveform, very small", "sync tips clipped or noise spikes passing"},
    {"sync-separator", "Sync pulses", kScope, "sync separator output",
     "clean sync pulses several volts high, no picture in them", "a flat line",
     "sync pulses only a fraction of a volt high", "sync pulses with picture or noise in them"},
    {"vertical-oscillator", "Vertical drive", kScope, "oscillator output to the vertical amplifiers",
     "a steady sawtooth or pulse at 59.94 Hz, locked to the sync", "a flat line",
     "the waveform at the field rate, very small",
     "a waveform that drifts and will not stay locked to the sync"},
    {"vertical-amplifier", "Vertical output to the yoke", kScope, "yoke plug, vertical pins, to chassis ground",
     "a sawtooth at the field rate with a sharp retrace pulse, often tens of volts high", "a flat line",
     "the sawtooth, much smaller than it should be", "a misshapen sawtooth: bent at one end or out of step"},
    {"vertical-yoke", "Vertical yoke current", kScope, "across the yoke's current sensing resistor",
     "a linear sawtooth current at the field rate", "no current at all", "a sawtooth of too little current",
     "a sawtooth current bent at one end or out of step"},
    {"horizontal-afc", "AFC correction voltage", kMeterDC, "AFC output to the horizontal oscillator",
     "a steady voltage that moves smoothly as the hold control turns", "0 V",
     "a voltage barely moving with the hold control", "a voltage stuck or swinging, not settling"},
    {"horizontal-oscillator", "Horizontal oscillator output", kScope, "oscillator output to the driver",
     "a steady pulse or square wave near 15.7 kHz, a few volts peak to peak", "a flat line",
     "the pulse near 15.7 kHz, very small", "a pulse off frequency, sliding against the sync"},
    {"horizontal-driver", "Horizontal driver collector", kScope,
     "driver transistor collector, to chassis ground", "a clean square pulse near 15.7 kHz, tens of volts high",
     "a flat line", "a pulse near 15.7 kHz, only a few volts high", "a pulse off frequency or ragged"},
    {"horizontal-output", "Horizontal output collector pulse", kScope,
     "output transistor collector, through a high-voltage scope probe",
     "a sharp retrace pulse, typically 800 to 1500 V peak, near 15.7 kHz", "no pulse at all",
     "a pulse of a few hundred volts only", "a pulse off frequency or ringing"},
    {"damper", "B+ at the flyback's supply pin", kMeterDC,
     "flyback's B+ pin, never the output collector while the set runs, to chassis ground",
     "near the regulated B+, typically 100 to 150 V DC", "0 V DC",
     "far below the B+", "near the B+, but the collector pulse rings at the start of each line"},
    {"hv-hold-down", "Hold-down shutdown line", kMeterDC,
     "hold-down output to the horizontal driver, to ground",
     "at its resting level, typically near 0 V: not fired",
     "fired: the shutdown line holds the horizontal stage off", "hovering near its firing point",
     "firing and resetting"},
    {"hv-regulator", "Pulse to the high voltage rectifier", kScope,
     "flyback's high voltage winding sample, through its divider",
     "a steady retrace pulse that holds its height as the brightness changes", "no pulse",
     "a pulse too small, falling further on bright scenes", "a pulse off frequency or unsteady"},
    {"hv-rectifier", "Anode voltage", kHVProbe, "anode cap, probe ground on the tube's ground braid",
     "by screen size, about 20 to 25 kV on small colour sets and 25 to 30 kV on large ones", "0 kV",
     "far below the service figure", "near its figure, but wandering"},
    {"pincushion", "Pincushion correction waveform", kScope,
     "correction transformer or modulator control point", "a smooth parabola at the field rate",
     "no parabola", "a parabola too small", "a bent or lopsided parabola"},
    {"horizontal-yoke", "Horizontal yoke current", kScope, "across the yoke's return resistor",
     "a sawtooth current at 15,734 Hz", "no current", "a sawtooth of too little current",
     "a sawtooth off frequency"},
    {"picture-tube", "Heater, screen and anode at the tube", "meter for the heater, high-voltage probe for "
     "grid 2 and the anode",
     "tube socket: heater pins, grid 2 pin; the anode cap, probe ground on the tube's ground braid",
     "heater glowing, screen grid several hundred volts, anode 20 to 30 kV by screen size",
     "no beam: the heater, screen grid or anode voltage missing", "screen grid far below its figure",
     "heater and screen grid right, the anode voltage wandering"},
    {"antenna-signal", "Signal at the antenna input", "signal level meter", "antenna input, across 75 ohms",
     "about 1 mV (0 dBmV) or more", "no signal", "well under 1 mV",
     "a signal with ghosts or interference on it"},
    {"uhf-tuner", "UHF tuner IF output", kScope, "IF output of the UHF tuner to the VHF tuner",
     "the picture IF at 45.75 MHz, a few millivolts", "noise only", "the IF buried in noise",
     "the IF drifting off frequency"},
    {"vhf-tuner", "VHF tuner IF output", kScope, "IF output of the VHF tuner",
     "the picture IF at 45.75 MHz, tens of millivolts", "noise only", "the IF, weak and noisy",
     "the IF, overloaded or drifting"},
    {"aft", "AFT voltage", kMeterDC, "AFT output to the tuner",
     "at its resting value when the station is tuned right", "0 V",
     "barely moving as the tuning passes the station", "stuck at one end"},
    {"first-video-if", "Output of the 1st video IF stage", kScope, "after the SAW filter",
     "the IF at or above the tuner's level: the preamp makes up the SAW filter's 15 to 25 dB loss (compare "
     "the levels with the service data)", "nothing",
     "the IF, well below the tuner's output", "the IF with a misshapen passband"},
    {"video-if-amplifiers", "Output of the IF amplifiers", kScope, "last IF stage, to the video detector",
     "the IF at about 45 MHz, a volt or so", "nothing", "the IF, a small fraction of its level",
     "the IF overloaded and clipped"},
    {"video-detector", "Detected composite video", kScope, "video detector output",
     "1 to 3 V peak to peak of composite video with plain sync pulses", "a flat line",
     "video only a fraction of a volt", "video with a 4.5 MHz beat and bent sync tips"},
    {"video-amplifier", "Video amplifier output", kScope, "video amplifier output",
     "the picture, larger than at its input, a few volts peak to peak with clean sync tips", "a flat line",
     "the picture, barely larger than at its input",
     "the picture with crushed sync or a shifted black level"},
    {"agc", "AGC voltage to the IF amplifiers", kMeterDC, "AGC line at the IF amplifiers",
     "the service figure, changing from weak to strong stations", "0 V: the IF gain left at an extreme",
     "the gain held too low on every station",
     "the wrong level: the IF gain left too high on strong stations"},
    {"delayed-agc", "RF AGC voltage at the tuner", kMeterDC, "tuner's AGC pin",
     "steady on weak stations, changing on strong ones", "0 V", "the tuner's gain held down on weak stations",
     "not changing on strong stations"},
    {"blanking-amplifier", "Blanking pulses", kScope, "blanking amplifier output",
     "clean pulses at the line and field rates", "no pulses", "pulses too small to blank the retrace",
     "ragged pulses"},
    {"sound-if-detector", "4.5 MHz sound carrier", kScope, "sound takeoff output",
     "a 4.5 MHz signal of tens to hundreds of millivolts", "nothing", "a 4.5 MHz signal of a few millivolts",
     "a 4.5 MHz signal with the picture's buzz on it"},
    {"sound-if-amplifier", "Limited sound IF", kScope, "sound IF amplifier output",
     "a 4.5 MHz signal, larger than at the input, flat-topped", "nothing", "a small signal, not limited",
     "a signal with buzz still on it"},
    {"sound-detector", "Detected audio", kScope, "sound detector output",
     "audio of some hundreds of millivolts", "a flat line", "audio of a few millivolts",
     "audio with buzz on it"},
    {"audio-amplifier", "Audio at the speaker", kScope, "speaker terminals", "audio of a volt or more, clean",
     "a flat line", "audio, much too small", "audio clipped or crossed over"},
    {"loudspeaker", "Sound from the speaker", "ear and scope",
     "at the speaker, the scope across its terminals", "clear sound with the audio at its terminals",
     "silence", "faint sound",
     "rattling, distorted sound"},
    {"comb-filter", "Luminance and chroma outputs", kScope, "comb filter's luminance and chroma outputs",
     "the picture on one, the 3.58 MHz colour on the other", "a flat line on both", "both outputs very small",
     "dots crawling on the luminance, picture detail on the chroma"},
    {"delay-line", "Luminance after the delay line", kScope, "delay line output",
     "the picture, 0.5 to 1 microsecond behind its input", "a flat line", "the picture, very small",
     "the picture with ringing and ghost edges"},
    {"third-video-amplifier", "Luminance to the video drivers", kScope, "3rd video amplifier output",
     "the picture with blanked retraces, its black level moving with the Brightness control", "a flat line",
     "the picture, very small", "the picture at the wrong black level, retraces unblanked"},
    {"chroma-amplifiers", "Chroma to the demodulators", kScope, "2nd chroma amplifier output",
     "burst and chroma at 3.58 MHz, larger than at the input", "nothing", "chroma, too small",
     "chroma of unsteady level"},
    {"acc", "ACC voltage", kMeterDC, "ACC line at the 1st chroma amplifier",
     "different on weak and strong stations, steady on each", "0 V", "the gain held low on every station",
     "unsteady, following the picture"},
    {"color-killer", "Killer bias to the 2nd chroma amplifier", kMeterDC, "killer output",
     "switching between two clear levels: colour on a colour station, off on an empty channel",
     "stuck at the level that turns the colour off", "halfway between its two levels",
     "switching on and off"},
    {"burst-gate", "Gated burst", kScope, "burst gate output",
     "about 9 cycles of 3.58 MHz after each sync pulse, nothing else", "nothing", "a burst too small",
     "bursts with picture in them"},
    {"color-phase-detector", "Oscillator correction voltage", kMeterDC,
     "phase detector output to the oscillator", "steady on a station, moving as the oscillator is detuned",
     "0 V", "barely moving", "swinging, never settling"},
    {"color-oscillator", "3.58 MHz reference", kScope, "oscillator output",
     "a steady sine wave at 3.58 MHz, about 1 to a few volts peak to peak", "nothing",
     "a sine wave too small", "a sine wave that slides against the burst"},
    {"phase-shift-network", "Demodulator references", "dual-trace scope",
     "each demodulator's reference input",
     "similar amplitudes, at the angles of the service data (R-Y and B-Y 90 degrees apart on many sets)",
     "a reference missing", "the references too small", "a reference at the wrong angle"},
    {"color-demodulators", "Colour difference outputs", kScope,
     "R-Y, B-Y and G-Y outputs, on a colour bar signal",
     "each its own pattern of bars, a volt or more peak to peak", "an output flat", "the bars too small",
     "the bars in the wrong pattern"},
    {"rgb-drivers", "Red, green and blue collectors", kMeterDC, "each driver's collector, to ground",
     "close together, about 100 to 200 V DC, each with video on the scope",
     "a collector far from its working voltage, with no video on it",
     "close together, with very little video",
     "close together, with the wrong colour content on the scope"},
};

// The adjustment knobs: what the control is and where its wiper is.
struct KnobRow
{
    const char* id;
    const char* quantity;
};

constexpr KnobRow kKnobs[] = {
    {"vertical-hold", "Vertical hold control's wiper"},
    {"vertical-linearity", "Vertical linearity control's wiper"},
    {"vertical-size", "Vertical size control's wiper"},
    {"horizontal-hold", "Horizontal hold control's wiper"},
    {"agc-control", "AGC control's wiper"},
    {"contrast-control", "Contrast control's wiper"},
    {"brightness-control", "Brightness control's wiper"},
    {"color-control", "Color control's wiper"},
    {"acc-control", "ACC control's wiper"},
    {"color-killer-control", "Color killer control's wiper"},
    {"tint-control", "Tint control's wiper"},
};
// clang-format on

template <typename Row> const Row* findRow(std::span<const Row> rows, QAnyStringView id)
{
    const auto found = std::ranges::find_if(rows, [id](const Row& r) { return id == QAnyStringView(r.id); });
    return found == rows.end() ? nullptr : &*found;
}

const char* pick(Output out, const char* typical, const char* missing, const char* weak,
                 const char* distorted)
{
    switch (out) {
    case Output::Missing:
        return missing;
    case Output::Weak:
        return weak;
    case Output::Distorted:
        return distorted;
    case Output::Good:
        break;
    }
    return typical;
}

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
constexpr const char* kVerticalScan = "vertical-yoke";
constexpr const char* kHorizontalScan = "horizontal-yoke";
constexpr const char* kGeometry = "pincushion";
constexpr const char* kSpeaker = "loudspeaker";
constexpr const char* kRawSupply = "low-voltage-supply"; // its ripple shows as hum bars and hum

// Whether every failure of the needed stage shows in the stage that needs it.
bool strict(const Need& need)
{
    return need.stage && need.link != Flyback && need.link != Regulated;
}

void addWithNeeds(QSet<int>& into, const StageRow* row, bool strictOnly)
{
    if (!row || into.contains(indexOf(row)))
        return;
    into.insert(indexOf(row));
    for (const Need& need : row->needs)
        if (need.stage && (!strictOnly || strict(need)))
            addWithNeeds(into, findStage(need.stage), strictOnly);
}

// The stage and every stage it needs, directly or through others; only through strict needs if asked.
QSet<int> withNeeds(const char* id, bool strictOnly = false)
{
    QSet<int> all;
    addWithNeeds(all, findStage(id), strictOnly);
    return all;
}

} // namespace

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

Set::Set(const Fault* fault, bool lineConnected) : m_fault(fault), m_lineConnected(lineConnected) {}

bool Set::lineConnected() const
{
    return m_lineConnected;
}

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
    if (at(kTube) == Output::Missing && at(kSpeaker) == Output::Missing) {
        a.power = Power::Dead;
        return a;
    }
    a.sound = shows(at(kSpeaker), look.sound, lookOnly, Sound::None, Sound::Buzz, Sound::Normal);
    if (a.sound == Sound::Normal)
        a.sound = shows(at(kRawSupply), look.sound, lookOnly, Sound::Normal, Sound::Normal, Sound::Hum);
    a.raster = shows(at(kTube), look.raster, lookOnly, Raster::None, Raster::Dark, Raster::Normal);
    if (a.raster == Raster::None)
        return a; // nothing else shows on a dark screen
    if (a.raster == Raster::Normal)
        a.raster = shows(at(kDrivers), look.raster, true, Raster::Normal, Raster::Normal, Raster::Normal);
    a.content = shows(at(kLuminance), look.content, lookOnly, Content::Blank, Content::Weak, Content::Normal);
    a.humBars = shows(at(kRawSupply), look.humBars, lookOnly, false, false, true);
    a.vertical =
        shows(at(kVerticalScan), look.vertical, lookOnly, Vertical::Line, Vertical::Short, Vertical::Roll);
    a.horizontal = shows(at(kHorizontalScan), look.horizontal, lookOnly, Horizontal::Narrow,
                         Horizontal::Narrow, Horizontal::Tearing);
    if (a.horizontal == Horizontal::Normal)
        a.horizontal = shows(at(kGeometry), look.horizontal, lookOnly, Horizontal::BowedSides,
                             Horizontal::BowedSides, Horizontal::BowedSides);
    a.colour = shows(at(kDrivers), look.colour, lookOnly, Colour::None, Colour::Normal, Colour::None);

    // A faint, snowy or missing picture is what the eye meets first: the roll and tearing that its weak
    // sync brings are not seen on it, and a blank raster carries no colour.
    const bool pictureLost =
        a.content == Content::Blank || a.content == Content::Snow || a.content == Content::Weak;
    if (pictureLost && a.vertical == Vertical::Roll && look.vertical != Vertical::Roll)
        a.vertical = Vertical::Normal;
    if (pictureLost && a.horizontal == Horizontal::Tearing && look.horizontal != Horizontal::Tearing)
        a.horizontal = Horizontal::Normal;
    if (a.content == Content::Blank)
        a.colour = Colour::Normal;
    return a;
}

std::optional<Reading> Set::measure(QAnyStringView stage) const
{
    const StageRow* row = findStage(stage);
    if (!row)
        return std::nullopt;
    const Output out = settleAll(m_fault)[static_cast<size_t>(indexOf(row))];
    Reading r;
    r.stage = QString::fromLatin1(row->id);
    r.powered = true;
    r.normal = out == Output::Good;
    if (const KnobRow* knob = findRow<KnobRow>(kKnobs, stage)) {
        r.quantity = QString::fromUtf8(knob->quantity);
        r.instrument = QString::fromUtf8(kMeterDC);
        r.where =
            QStringLiteral("the control's wiper, to chassis ground, turning the control through its travel");
        constexpr const char* typical =
            "a few volts, changing smoothly across the travel, set where the picture is right";
        r.typical = QString::fromUtf8(typical);
        r.now = QString::fromUtf8(pick(out, typical, "no voltage at any setting",
                                       "set near the low end of its travel",
                                       "set well away from where the picture is right"));
        return r;
    }
    const ReadingRow* text = findRow<ReadingRow>(kReadings, stage);
    if (!text)
        return std::nullopt;
    r.quantity = QString::fromUtf8(text->quantity);
    r.instrument = QString::fromUtf8(text->instrument);
    r.where = QString::fromUtf8(text->where);
    r.typical = QString::fromUtf8(text->typical);
    r.now = QString::fromUtf8(pick(out, text->typical, text->missing, text->weak, text->distorted));
    return r;
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

PartCheck Set::check(QAnyStringView stage, const QString& part) const
{
    const bool failed =
        m_fault && QAnyStringView(m_fault->stage) == stage && part == QLatin1String(m_fault->part);
    PartCheck result{part, {}, failed, {}};
    // A control's setting is read against the service data's, not measured out of circuit.
    const bool setting = findRow<KnobRow>(kKnobs, stage) && part == QLatin1String("setting");
    if (failed)
        result.finding =
            (setting ? QStringLiteral("found %1, against the service data") : QStringLiteral("found %1"))
                .arg(QString::fromUtf8(m_fault->failure));
    else
        result.finding =
            setting ? QStringLiteral("as the service data set it") : QStringLiteral("checks good");
    return result;
}

QStringList suspects(const Fault& fault)
{
    const Appearance a = Set(&fault).appearance();
    QSet<int> all;
    const auto suspect = [&all](bool wrong, std::initializer_list<const char*> ends) {
        if (wrong)
            for (const char* end : ends)
                all.unite(withNeeds(end));
    };
    const bool dead = a.power == Power::Dead;
    suspect(dead, {kTube, kSpeaker});
    suspect(a.raster == Raster::None, {kTube});
    suspect(a.raster == Raster::Dark || a.raster == Raster::TooBright, {kTube, kDrivers});
    suspect(a.content != Content::Normal, {kLuminance});
    suspect(a.humBars, {kRawSupply});
    suspect(a.vertical != Vertical::Normal, {kVerticalScan});
    suspect(a.horizontal != Horizontal::Normal, {kHorizontalScan, kGeometry});
    suspect(a.colour != Colour::Normal, {kDrivers});
    suspect(a.sound != Sound::Normal, {kSpeaker, kRawSupply});
    QStringList ordered;
    for (const QString& stage : stages())
        if (all.contains(indexOf(findStage(stage))))
            ordered << stage;
    return ordered;
}

namespace {
struct Upstream
{
    std::vector<QSet<int>> any;    // by stage: what a faulty reading there keeps
    std::vector<QSet<int>> strict; // by stage: what a good reading there clears
};

// The measurements the search needs to single out the faulty stage among `left`, in the worst case.
int splits(const std::vector<int>& left, const Upstream& upstream)
{
    if (left.size() <= 1)
        return 0;
    size_t bestLarger = left.size();
    std::vector<int> bestIn, bestOut;
    for (size_t stage = 0; stage < upstream.any.size(); ++stage) {
        std::vector<int> in, out;
        for (int suspect : left) {
            if (upstream.any[stage].contains(suspect))
                in.push_back(suspect);
            if (!upstream.strict[stage].contains(suspect))
                out.push_back(suspect);
        }
        const size_t larger = std::max(in.size(), out.size());
        if (larger < bestLarger) {
            bestLarger = larger;
            bestIn = std::move(in);
            bestOut = std::move(out);
        }
    }
    if (bestLarger == left.size())
        return 0; // no measurement tells the rest apart
    return 1 + std::max(splits(bestIn, upstream), splits(bestOut, upstream));
}
} // namespace

int halfSplitOptimum(const Fault& fault)
{
    Upstream upstream;
    for (const StageRow& row : kStages) {
        upstream.any.push_back(withNeeds(row.id));
        upstream.strict.push_back(withNeeds(row.id, true));
    }
    std::vector<int> left;
    for (const QString& stage : suspects(fault))
        left.push_back(indexOf(findStage(stage)));
    return splits(left, upstream);
}

} // namespace trainer
