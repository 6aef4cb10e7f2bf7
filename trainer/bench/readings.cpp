// What each test point reads: the words of the service notes, and the instrument's trace or figure, on a
// working set and on the set on the bench, from the stages' states.

#include "diagrams/areanotes.h"
#include "trainer/model/stagetable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trainer {

using namespace model;

namespace {

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
     "the sawtooth, its shape right, running free a few hertz off the field rate: triggered on itself it "
     "stands still, but it is not locked to the sync"},
    {"vertical-amplifier", "2nd vertical amplifier's output to the yoke", kScope, "yoke plug, vertical pins, to chassis ground",
     "a sawtooth at the field rate with a sharp retrace pulse, often tens of volts high", "a flat line",
     "the sawtooth, much smaller than it should be", "a misshapen sawtooth, bent: fast at one end, slow at the other"},
    {"vertical-yoke", "Vertical yoke current", kScope, "across the yoke's current sensing resistor",
     "a linear sawtooth current at the field rate", "no current at all", "a sawtooth of too little current",
     "a sawtooth current bent at one end or out of step"},
    {"horizontal-afc", "AFC correction voltage", kMeterDC, "AFC output to the horizontal oscillator",
     "a steady voltage, from comparing the sync with the flyback pulse, that moves smoothly as the hold "
     "control turns", "0 V",
     "a voltage barely moving with the hold control", "a voltage stuck or swinging, not settling"},
    {"horizontal-oscillator", "Horizontal oscillator output", kScope, "oscillator output to the driver",
     "a steady pulse or square wave near 15.7 kHz, a few volts peak to peak", "a flat line",
     "the pulse near 15.7 kHz, very small",
     "the pulse, running free a few hundred hertz off 15,734 Hz: triggered on itself it stands still, but "
     "it is not locked to the sync"},
    {"horizontal-driver", "Horizontal driver collector", kScope,
     "driver transistor collector, to chassis ground", "a clean square pulse near 15.7 kHz, tens of volts high",
     "a flat line", "a pulse near 15.7 kHz, only a few volts high", "a ragged pulse, ringing on its edges"},
    {"horizontal-output", "Horizontal output collector pulse", kScope,
     "output transistor collector, through a high-voltage scope probe",
     "a sharp retrace pulse, typically 800 to 1500 V peak, near 15.7 kHz", "no pulse at all",
     "a pulse of a few hundred volts only", "a pulse ringing after each retrace"},
    {"damper", "B+ at the flyback's supply pin", kMeterDC,
     "flyback's B+ pin, never the output collector while the set runs, to chassis ground",
     "near the regulated B+, typically 100 to 150 V DC", "0 V DC",
     "far below the B+", "near the B+, but the collector pulse rings at the start of each line"},
    {"hv-hold-down", "Hold-down shutdown line", kMeterDC,
     "hold-down output to the horizontal driver, to ground",
     "at its resting level, typically near 0 V: not fired",
     "fired: the shutdown line holds the horizontal stage off", "hovering near its firing point",
     "firing and resetting"},
    {"hv-regulator", "Anode voltage at low and at high brightness", kHVProbe,
     "anode cap, probe ground on the tube's ground braid, the brightness turned from low to high",
     "within about 1 kV of the service figure from low to high brightness",
     "0 kV at any brightness: there is no high voltage for it to hold",
     "falling a few kV as the brightness goes up", "wandering as the brightness changes"},
    {"hv-rectifier", "Anode voltage", kHVProbe, "anode cap, probe ground on the tube's ground braid",
     "by screen size, about 20 to 25 kV on small colour sets and 25 to 30 kV on large ones", "0 kV",
     "far below the service figure", "near its figure, but wandering"},
    {"pincushion", "Pincushion correction waveform", kScope,
     "correction transformer or modulator control point", "a smooth parabola at the field rate",
     "no parabola", "a parabola too small", "a bent or lopsided parabola"},
    {"horizontal-yoke", "Horizontal yoke current", kScope, "across the yoke's return resistor",
     "a sawtooth current at 15,734 Hz", "no current", "a sawtooth of too little current",
     "a sawtooth off frequency"},
    // The heater runs from a flyback winding on many sets: at 15.7 kHz a meter misreads it, so it is judged
    // by its glow (or as the service data say) and its continuity checked cold.
    {"picture-tube", "Heater glow, screen and anode at the tube", "eye for the heater, high-voltage probe "
     "for grid 2 and the anode",
     "the heater's glow at the neck; grid 2 pin at the tube socket; the anode cap, probe ground on the "
     "tube's ground braid",
     "heater glowing orange at the neck, screen grid several hundred volts, anode 20 to 30 kV by screen size",
     "no beam: the heater dark, or the screen grid or anode voltage missing",
     "screen grid far below its figure", "heater, screen grid and anode at their figures, yet one gun's beam is wrong: a tube tester compares "
     "the three guns"},
    {"antenna-signal", "Signal at the antenna input", "signal level meter, dBmV",
     "antenna lead at the set's input, across 75 ohms, tuned to the station",
     "0 dBmV (1 mV) or more, typically 0 to +10 dBmV", "no signal: the meter at its floor",
     "well below 0 dBmV: too little for a clean picture", "a level that flickers, with ghosts or interference"},
    // A bench scope cannot judge a tuner's output: it is proved by injecting an IF and by substitution.
    {"uhf-tuner", "UHF tuner, by injection and substitution", "IF signal generator, then a substitute tuner",
     "a modulated 45.75 MHz IF injected at the VHF tuner's UHF input; then a known-good UHF tuner on the "
     "same lead",
     "the injected pattern and the station come through alike: the tuner gives its IF",
     "the injected pattern comes through but no station; a substitute tuner brings the station back",
     "a substitute tuner gives a clearly cleaner picture",
     "the station drifts with this tuner and holds with a substitute"},
    {"vhf-tuner", "VHF tuner, by injection", "IF signal generator",
     "a modulated 45.75 MHz IF injected at the tuner's mixer test point, then at the IF strip's input",
     "the pattern comes through from both, about as strong: the tuner passes its IF",
     "the pattern comes through from the IF strip's input, not through the tuner",
     "the pattern much weaker through the tuner than from the IF strip's input",
     "the pattern through the tuner overloaded or drifting"},
    {"aft", "AFT voltage", kMeterDC, "AFT output to the tuner",
     "at its resting value when the station is tuned right", "0 V",
     "barely moving as the tuning passes the station", "stuck at one end"},
    {"first-video-if", "1st video IF stage, by injection", "IF signal generator",
     "a modulated 45.75 MHz IF injected ahead of the preamplifier, then after the SAW filter",
     "the pattern as strong from ahead of the preamplifier as from after the SAW filter: the preamp makes "
     "up the filter's loss",
     "the pattern comes through from after the SAW filter, not from ahead of the preamplifier",
     "the pattern much weaker from ahead of the preamplifier", "the pattern through the stage misshapen"},
    {"video-if-amplifiers", "Output of the IF amplifiers", kScope,
     "last IF stage, to the video detector, through a x10 probe",
     "the IF at about 45 MHz, a volt or so", "nothing", "the IF, a small fraction of its level",
     "the IF overloaded and clipped"},
    {"video-detector", "Detected composite video", kScope, "video detector output",
     "1 to 3 V peak to peak of composite video with plain sync pulses", "a flat line",
     "video only a fraction of a volt", "video with the 4.5 MHz sound beat riding on it, its sync tips bent"},
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
    {"sound-if-detector", "4.5 MHz sound carrier", kScope, "sound takeoff output, through a x10 probe",
     "a 4.5 MHz signal of tens to hundreds of millivolts", "nothing", "a 4.5 MHz signal of a few millivolts",
     "a 4.5 MHz signal with the picture's buzz on it"},
    {"sound-if-amplifier", "Limited sound IF", kScope, "sound IF amplifier output, through a x10 probe",
     "a 4.5 MHz signal, larger than at the input, flat-topped", "nothing", "a small signal, not limited",
     "a signal with buzz still on it"},
    {"sound-detector", "Detected audio", kScope, "sound detector output",
     "audio of some hundreds of millivolts", "a flat line", "audio of a few millivolts",
     "audio with buzz on it"},
    {"audio-amplifier", "Audio at the speaker", kScope,
     "each speaker lead to chassis ground in turn (a bridge output: never the ground clip on a lead)",
     "audio of a volt or more, clean",
     "a flat line", "audio, much too small", "audio clipped or crossed over"},
    {"loudspeaker", "Sound from the speaker", "ear and scope",
     "at the speaker; the scope on each speaker lead to chassis ground, never its ground clip on a lead",
     "clear sound with the audio on its leads",
     "silence", "faint sound",
     "rattling, distorted sound"},
    {"comb-filter", "Luminance output of the comb filter", kScope, "comb filter's luminance output",
     "the picture with its 3.58 MHz colour taken out", "a flat line", "the picture, very small",
     "the picture with dots crawling along its colour edges"},
    {"delay-line", "Luminance after the delay line", kScope, "delay line output",
     "the picture, 0.5 to 1 microsecond behind its input", "a flat line", "the picture, very small",
     "the picture with ringing and ghost edges"},
    {"third-video-amplifier", "Luminance to the video drivers", kScope, "3rd video amplifier output",
     "the picture with blanked retraces, its black level moving with the Brightness control", "a flat line",
     "the picture, very small", "the picture at the wrong black level, retraces unblanked"},
    {"chroma-amplifiers", "Chroma to the demodulators", kScope,
     "2nd chroma amplifier output, through a x10 probe, on colour bars, viewed at the line rate",
     "the burst, then each bar's chroma at its own height, larger than at the input", "nothing",
     "the bars' chroma, too small", "the bars' chroma at the wrong height, steady: its gain set wrong"},
    {"acc", "ACC voltage", kMeterDC, "ACC line at the 1st chroma amplifier",
     "different on weak and strong stations, steady on each", "0 V", "the gain held low on every station",
     "steady, but at the wrong level: the gain fixed too high or too low"},
    {"color-killer", "Killer bias to the 2nd chroma amplifier", kMeterDC, "killer output",
     "switching between two clear levels: colour on a colour station, off on an empty channel",
     "stuck at the level that turns the colour off", "halfway between its two levels",
     "steady at the level that turns the colour off, even on a colour station"},
    {"burst-gate", "Gated burst", kScope, "burst gate output",
     "about 9 cycles of 3.58 MHz after each sync pulse, nothing else", "nothing", "a burst too small",
     "a burst far too small, its phase off the station's"},
    {"color-phase-detector", "Oscillator correction voltage", kMeterDC,
     "phase detector output to the oscillator", "steady on a station, moving as the oscillator is detuned",
     "0 V", "barely moving", "swinging, never settling"},
    {"color-oscillator", "3.58 MHz reference", kScope,
     "oscillator output, through a x10 probe (a x1 probe's capacitance pulls a crystal, or stops it)",
     "a steady sine wave at 3.58 MHz, about 1 to a few volts peak to peak", "nothing",
     "a sine wave too small",
     "the sine wave, running free a few hundred hertz off 3.579545 MHz: triggered on itself it stands "
     "still, against the burst it slides"},
    {"phase-shift-network", "Demodulator references", "dual-trace scope",
     "each demodulator's reference input, through x10 probes",
     "similar amplitudes, at the angles of the service data (R-Y and B-Y 90 degrees apart on many sets)",
     "a reference missing", "the references too small", "a reference at the wrong angle"},
    {"color-demodulators", "Colour difference outputs", kScope,
     "R-Y, B-Y and G-Y outputs, on a colour bar signal",
     "each its own pattern of steps, one a bar, no sync in it, a volt or so peak to peak", "an output flat",
     "the steps too small", "the steps in the wrong pattern"},
    {"rgb-drivers", "Red, green and blue collectors", kMeterDC, "each driver's collector, to ground",
     "close together, about 100 to 200 V DC, each with video on the scope",
     "a collector far from its working voltage, with no video on it",
     "close together, with very little video",
     "close together, with the wrong colour content on the scope"},
};

// The adjustment knobs: what the control is.
struct KnobRow
{
    const char* id;
    const char* quantity;
};

constexpr KnobRow kKnobs[] = {
    {"vertical-hold", "Vertical hold control, by its effect"},
    {"vertical-linearity", "Vertical linearity control, by its effect"},
    {"vertical-size", "Vertical size control, by its effect"},
    {"horizontal-hold", "Horizontal hold control, by its effect"},
    {"agc-control", "AGC control, by its effect"},
    {"contrast-control", "Contrast control, by its effect"},
    {"brightness-control", "Brightness control, by its effect"},
    {"color-control", "Color control, by its effect"},
    {"acc-control", "ACC control, by its effect"},
    {"color-killer-control", "Color killer control, by its effect"},
    {"tint-control", "Tint control, by its effect"},
};

// What a knob's wiper reads, the quantity aside (the knob's own row names it).
// A control is judged by its effect, running: turned through its travel while the picture is watched.
constexpr ReadingRow kKnobReading = {
    "", "", "the picture, turning the control",
    "the control, turned slowly through its travel and back, the set running on a station or test pattern",
    "the picture changes smoothly across the travel and comes right where the service data set it",
    "turning it changes nothing", "set near the low end: turned up, the picture comes right",
    "set well away from the right point: turned back, the picture comes right"};
// clang-format on


// Boxes of a diagram that measure a point of their own within a stage: the stage's first amplifier, or one
// of its three drivers. The parts listed are beyond the point: their failure leaves it as a working set's.
struct PointRow
{
    const char* id;
    const char* stage;
    const char* title; // as the diagram names the box
    ReadingRow text;
    std::array<const char*, 5> beyond;
};

// clang-format off
constexpr PointRow kPoints[] = {
    {"vertical-amplifier-1", "vertical-amplifier", "1st Vertical deflection amplifier",
     {"", "1st vertical amplifier's output to the 2nd", kScope, "1st amplifier's output, to chassis ground",
      "a sawtooth at the field rate, a few volts peak to peak", "a flat line", "the sawtooth, very small",
      "a sawtooth bent at one end"},
     {"output IC", "fusible resistor", "coupling capacitor", "retrace boost capacitor", "boost diode"}},
    {"red-driver", "rgb-drivers", "Red video driver",
     {"", "Red driver's collector", kMeterDC, "red driver's collector, to ground",
      "about 100 to 200 V DC, with the red video on the scope",
      "far from its working voltage, with no video on it", "with very little video on it",
      "near its working voltage; on colour bars its video is the grey steps of the luminance alone, "
      "without the colour difference it should carry"},
     {"green driver transistor", "blue driver transistor"}},
    {"green-driver", "rgb-drivers", "Green video driver",
     {"", "Green driver's collector", kMeterDC, "green driver's collector, to ground",
      "about 100 to 200 V DC, with the green video on the scope",
      "far from its working voltage, with no video on it", "with very little video on it",
      "near its working voltage; on colour bars its video is the grey steps of the luminance alone, "
      "without the colour difference it should carry"},
     {"red driver transistor", "blue driver transistor"}},
    {"blue-driver", "rgb-drivers", "Blue video driver",
     {"", "Blue driver's collector", kMeterDC, "blue driver's collector, to ground",
      "about 100 to 200 V DC, with the blue video on the scope",
      "far from its working voltage, with no video on it", "with very little video on it",
      "near its working voltage; on colour bars its video is the grey steps of the luminance alone, "
      "without the colour difference it should carry"},
     {"red driver transistor", "green driver transistor"}},
};

// A stage's output read with its load open: the drive without the load's current and its pulse.
struct UnloadedRow
{
    const char* id;
    const char* reads;
    Wave wave;
};

constexpr UnloadedRow kUnloaded[] = {
    {"vertical-amplifier",
     "a sawtooth voltage with no sharp retrace pulse on it: no current flows through the yoke",
     Wave::VerticalSawtooth},
};
// clang-format on

template <typename Row> const Row* findRow(std::span<const Row> rows, QAnyStringView id)
{
    const auto found = std::ranges::find_if(rows, [id](const Row& r) { return id == QAnyStringView(r.id); });
    return found == rows.end() ? nullptr : &*found;
}

// What the row reads with the stage's output as it stands.
const char* pick(Output out, const ReadingRow& text)
{
    switch (out) {
    case Output::Missing:
        return text.missing;
    case Output::Weak:
        return text.weak;
    case Output::Distorted:
        return text.distorted;
    case Output::Good:
        break;
    }
    return text.typical;
}

// The signal a kind of point carries, as its reading names it.
QString signalOf(SignalKind kind)
{
    switch (kind) {
    case SignalKind::DcRail:
        return QStringLiteral("the rail");
    case SignalKind::LinePulse:
        return QStringLiteral("the pulse");
    case SignalKind::Ramp:
        return QStringLiteral("the ramp");
    case SignalKind::Video:
        return QStringLiteral("the video");
    case SignalKind::Chroma:
        return QStringLiteral("the chroma");
    case SignalKind::RadioFrequency:
        return QStringLiteral("the IF");
    case SignalKind::Audio:
        return QStringLiteral("the audio");
    case SignalKind::HighVoltage:
        return QStringLiteral("the high voltage");
    case SignalKind::Control:
        break;
    }
    return QStringLiteral("the control voltage");
}

// How a flaw shows on the signal, said after it ("the video with ...").
const char* flawWords(Flaw flaw)
{
    switch (flaw) {
    case Flaw::Unlocked:
        return "running free near its proper rate, its shape right, out of step with the sync";
    case Flaw::Bent:
        return "bent: fast at one end, slow at the other";
    case Flaw::SlowRetrace:
        return "with its retrace pulse small and slow";
    case Flaw::Clipped:
        return "clipped, its peaks or sync crushed";
    case Flaw::Ripple:
        return "with hum riding on it";
    case Flaw::Cycling:
        return "coming and going as the supply starts and trips";
    case Flaw::Beat:
        return "with the 4.5 MHz sound beat riding on it";
    case Flaw::Ringing:
        return "with ringing and ghost edges after each edge";
    case Flaw::Shifted:
        return "steady, at the wrong level or phase";
    case Flaw::Wandering:
        return "wandering with the mains and the load";
    case Flaw::Noise:
    case Flaw::None:
        break;
    }
    return "misshapen";
}

constexpr const char* kCarried = ": carried through from its input, not made here";

// What a point reads where its state is not its own making or is plain noise: what it passes on, said as
// passed on; empty where the row's own words hold.
QString carriedWords(const State& state, SignalKind kind)
{
    if (state.output == Output::Missing && state.flaw == Flaw::Noise) {
        switch (kind) {
        case SignalKind::Video:
            return QStringLiteral("noise only, about half the video's height, with no picture or sync pulses "
                                  "in it (the grass of the IF's own noise)") + QLatin1String(kCarried);
        case SignalKind::Audio:
            return QStringLiteral("noise only: a hiss with no programme in it") + QLatin1String(kCarried);
        case SignalKind::RadioFrequency:
            return QStringLiteral("no station comes through, only the noise of the stages ahead") +
                   QLatin1String(kCarried);
        default:
            return QStringLiteral("noise only, no signal in it") + QLatin1String(kCarried);
        }
    }
    if (state.output == Output::Distorted && state.carried)
        return signalOf(kind) + QStringLiteral(" ") + QString::fromUtf8(flawWords(state.flaw)) + QLatin1String(kCarried);
    if (state.output == Output::Distorted && state.flaw == Flaw::SlowRetrace)
        return QStringLiteral("the sawtooth with its retrace pulse smaller and slower than a working set's: "
                              "the retrace takes too long");
    if (state.output == Output::Missing && state.flaw == Flaw::Cycling && kind == SignalKind::DcRail)
        return QStringLiteral("kicking up to a fraction of its figure and collapsing, over and over: the "
                              "supply starts, trips and starts again");
    return {};
}

// The drivers that lose their colour difference with a fault that loses one: R-Y the red and, through the
// G-Y matrix, the green; B-Y the blue and the green; G-Y the green. Empty for any other fault.
QStringList missesDriver(const Fault* fault)
{
    if (!fault)
        return {};
    switch (fault->look.colour) {
    case Colour::PaleReds:
        return {QStringLiteral("red-driver"), QStringLiteral("green-driver")};
    case Colour::PaleBlues:
        return {QStringLiteral("blue-driver"), QStringLiteral("green-driver")};
    case Colour::PaleGreens:
        return {QStringLiteral("green-driver")};
    default:
        return {};
    }
}

} // namespace

std::optional<Reading> Set::measure(QAnyStringView point) const
{
    const PointRow* at = findRow<PointRow>(kPoints, point);
    const StageRow* row = findStage(at ? QAnyStringView(at->stage) : point);
    if (!row)
        return std::nullopt;
    const States states = settleAll(m_fault);
    State state = states[static_cast<size_t>(indexOf(row))];
    const auto back = m_fault ? actsBack(*m_fault) : std::nullopt;
    const bool actedOn = back && back->first == row && state.output == back->second;
    // A point ahead of the failed part, or ahead of the load that acts back, reads as its needs leave it.
    if (at && ((m_fault && QAnyStringView(m_fault->stage) == QAnyStringView(row->id) &&
                std::ranges::any_of(at->beyond, [this](const char* p) {
                    return p && QByteArrayView(p) == QByteArrayView(m_fault->part);
                })) ||
               actedOn))
        state = fed(states, *row);
    const QAnyStringView faced = at ? point : QAnyStringView(row->id);
    // A control voltage made from a misshapen signal settles at a wrong level; only a signal that comes and
    // goes, drifts or runs free keeps it moving.
    if (kindAt(faced) == SignalKind::Control && state.carried && state.output == Output::Distorted &&
        state.flaw != Flaw::Unlocked && state.flaw != Flaw::Cycling && state.flaw != Flaw::Wandering)
        state.flaw = Flaw::Shifted;
    // A lost colour difference signal reaches only the guns that take it.
    if (const QStringList losing = missesDriver(m_fault);
        at && QByteArrayView(at->stage) == "rgb-drivers" && state.output == Output::Distorted &&
        !losing.isEmpty() && !losing.contains(point.toString()))
        state = {};
    const KnobRow* knob = findRow<KnobRow>(kKnobs, row->id);
    const ReadingRow* text = knob ? &kKnobReading : at ? &at->text : findRow<ReadingRow>(kReadings, row->id);
    if (!text)
        return std::nullopt;
    Reading r;
    r.point = faced.toString();
    r.stage = QString::fromLatin1(row->id);
    r.physical = physicalPoint(faced);
    r.kind = kindAt(faced);
    r.flaw = state.flaw;
    r.carried = state.carried;
    r.powered = true;
    r.normal = state.output == Output::Good;
    r.quantity = QString::fromUtf8(knob ? knob->quantity : text->quantity);
    r.instrument = QString::fromUtf8(text->instrument);
    r.where = QString::fromUtf8(text->where);
    r.typical = QString::fromUtf8(text->typical);
    r.now = carriedWords(state, r.kind);
    if (r.now.isEmpty())
        r.now = QString::fromUtf8(pick(state.output, *text));
    r.working = workingAt(faced);
    r.shows = showingAt(faced, state, states);
    if (actedOn && !at)
        if (const UnloadedRow* unloaded = findRow<UnloadedRow>(kUnloaded, row->id)) {
            r.now = QString::fromUtf8(unloaded->reads);
            if (r.shows.scope) {
                r.shows.scope->wave = unloaded->wave;
                r.shows.scope->distortion = Distortion::None;
            }
        }
    return r;
}

QStringList testPoints(QAnyStringView stage)
{
    QStringList all;
    for (const PointRow& point : kPoints)
        if (stage == QAnyStringView(point.stage))
            all << QString::fromLatin1(point.id);
    return all;
}

QString pointStage(QAnyStringView point)
{
    if (const PointRow* at = findRow<PointRow>(kPoints, point))
        return QString::fromLatin1(at->stage);
    return findStage(point) ? point.toString() : QString();
}

QString pointTitle(QAnyStringView point)
{
    if (const PointRow* at = findRow<PointRow>(kPoints, point))
        return QString::fromUtf8(at->title);
    return {};
}

} // namespace trainer
