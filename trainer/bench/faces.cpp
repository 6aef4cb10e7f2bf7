// The instruments at the set's test points: a scope's trace or a meter's figure, with the settings the
// service data print beside each point, on a working set and as the stage's state leaves them.

#include "trainer/model/stagetable.h"
#include "trainer/bench/trace.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trainer::model {

namespace {

// The instrument at a test point as the service data print it: a scope's trace with its settings, a meter's
// figure with its range, or both (a rail's figure and its ripple).
struct Face
{
    bool scope = false;
    Wave wave = Wave::Flat;
    double peakToPeak = 0, frequency = 0, voltsPerDiv = 1, secondsPerDiv = 1e-3;
    Probe probe = Probe::X1;
    bool meter = false;
    MeterKind kind = MeterKind::DcVolts;
    double value = 0, fullScale = 1;
    const char* unit = "V";
};

constexpr Face trace(Wave wave, double pp, double hz, double vdiv, double sdiv, Probe probe = Probe::X1)
{
    return {true, wave, pp, hz, vdiv, sdiv, probe};
}

constexpr Face figure(MeterKind kind, double value, double fullScale, const char* unit = "V")
{
    return {false, Wave::Flat, 0, 0, 1, 1e-3, Probe::X1, true, kind, value, fullScale, unit};
}

// A DC rail: its figure on the meter and its ripple on the scope, AC coupled.
constexpr Face rail(double volts, double fullScale, double ripple, double hz)
{
    Face f = figure(MeterKind::DcVolts, volts, fullScale);
    f.scope = true;
    f.wave = Wave::DcRail;
    f.peakToPeak = ripple;
    f.frequency = hz;
    // The knobs at the settings that show the ripple about four divisions high and two periods across.
    f.voltsPerDiv = knobStep(ripple / 4);
    f.secondsPerDiv = knobStep(2 / hz / kDivisionsAcross);
    return f;
}

// A video driver's collector: its DC on the meter, its video on the scope through a x10 probe.
constexpr Face driver()
{
    Face f = trace(Wave::CompositeVideo, 60, 15734, 20, 20e-6, Probe::X10);
    f.meter = true;
    f.value = 130;
    f.fullScale = 200;
    return f;
}
// An open driver passes no current: its collector rises to its supply, which cuts its gun off.
constexpr double kDriverCutOff = 185;
constexpr Face kDriver = driver();

constexpr double kField = 59.94, kLine = 15734, kRipple = 120, kIF = 45.75e6, kSoundIF = 4.5e6,
                 kSubcarrier = 3.579545e6, kTone = 1000;

constexpr double kFieldDiv = 5e-3, kLineDiv = 20e-6;
// The anode's kilovolts through a x1000 probe, read on the meter's 200 V range: to a tenth of a kilovolt.
constexpr double kHvRange = 200;

// How each test point's instrument departs from a working set's. A missing output is a flat trace (noise
// only where the point still carries the tuner's noise) and a meter at `missing`; a weak one is smaller
// by the factor below; a distorted one keeps its waveform with the distortion named.
struct FaceRow
{
    const char* id;
    Face working;
    Distortion distorted;
    double missing = 0;            // the meter's figure with the output missing
    Wave missingWave = Wave::Flat; // the scope's trace with the output missing
    const char* figureOf = nullptr; // the stage whose state the meter's figure follows, where not its own
    double distortedShare = 1;      // a distorted trace's height against a working set's
};

constexpr double kWeakTrace = 0.1; // a weak trace's share of a working set's height
constexpr double kWeakFigure = 0.5;

using enum Wave;
using enum Distortion;
using enum MeterKind;

// clang-format off
constexpr FaceRow kFaces[] = {
    {"ac-mains-input",        figure(AcVolts, 120, 200), Noisy},
    {"low-voltage-supply",    rail(150, 200, 3, kRipple), Ripple},
    {"voltage-regulator",     rail(120, 200, 0.2, kRipple), Ripple},
    {"linear-supply",         rail(12, 20, 0.05, kRipple), Ripple},
    {"switching-supply",      rail(5, 20, 0.05, 50e3), Intermittent},
    {"scan-derived-supply",   rail(25, 200, 0.5, kLine), Intermittent},
    {"noise-canceller",       trace(CompositeVideo, 2, kLine, 0.5, kLineDiv), Clipped},
    {"sync-separator",        trace(Sync, 5, kLine, 1, kLineDiv), Noisy},
    {"vertical-oscillator",   trace(VerticalSawtooth, 5, kField, 1, kFieldDiv), FreeRunning},
    {"vertical-amplifier",    trace(VerticalOutput, 40, kField, 10, kFieldDiv, Probe::X10), Compressed},
    {"vertical-yoke",         trace(SawtoothCurrent, 1, kField, 0.2, kFieldDiv), Compressed},
    {"horizontal-afc",        figure(DcVolts, 3, 20), FreeRunning},
    {"horizontal-oscillator", trace(HorizontalDrive, 5, kLine, 1, kLineDiv), OffFrequency},
    {"horizontal-driver",     trace(HorizontalDrive, 40, kLine, 10, kLineDiv, Probe::X10), OffFrequency},
    {"horizontal-output",     trace(Flyback, 1000, kLine, 200, kLineDiv, Probe::X100), OffFrequency},
    {"damper",                figure(DcVolts, 120, 200), Ringing},
    {"hv-hold-down",          figure(DcVolts, 0, 20), Intermittent, 5},
    {"hv-regulator",          figure(Kilovolts, 25, kHvRange, "kV"), Shifted, 21},
    {"hv-rectifier",          figure(Kilovolts, 25, kHvRange, "kV"), Shifted},
    {"pincushion",            trace(Parabola, 2, kField, 0.5, kFieldDiv), Compressed},
    {"horizontal-yoke",       trace(SawtoothCurrent, 1, kLine, 0.2, kLineDiv), OffFrequency},
    {"picture-tube",          figure(Kilovolts, 25, kHvRange, "kV"), Shifted, 0, Flat, "hv-rectifier"},
    {"antenna-signal",        figure(AcVolts, 1, 200, "mV"), Noisy},
    {"uhf-tuner",             trace(Sine, 0.005, kIF, 0.002, 20e-9), OffFrequency, 0, Noise},
    {"vhf-tuner",             trace(Sine, 0.05, kIF, 0.02, 20e-9), Clipped, 0, Noise},
    {"aft",                   figure(DcVolts, 6, 20), Shifted},
    {"first-video-if",        trace(Sine, 0.05, kIF, 0.02, 20e-9), Compressed},
    {"video-if-amplifiers",   trace(Sine, 1, kIF, 0.5, 20e-9), Clipped},
    {"video-detector",        trace(DetectorOutput, 2, kLine, 0.5, kLineDiv), Beat},
    {"video-amplifier",       trace(CompositeVideo, 4, kLine, 1, kLineDiv), Clipped},
    {"agc",                   figure(DcVolts, 4, 20), Shifted},
    {"delayed-agc",           figure(DcVolts, 8, 20), Shifted},
    {"blanking-amplifier",    trace(Sync, 10, kLine, 2, kLineDiv), Noisy},
    {"sound-if-detector",     trace(Sine, 0.1, kSoundIF, 0.05, 0.2e-6), Noisy},
    {"sound-if-amplifier",    trace(Sine, 1, kSoundIF, 0.5, 0.2e-6), Noisy},
    {"sound-detector",        trace(Audio, 0.3, kTone, 0.1, 0.5e-3), Noisy},
    {"audio-amplifier",       trace(Audio, 2, kTone, 0.5, 0.5e-3), Clipped},
    {"loudspeaker",           trace(Audio, 2, kTone, 0.5, 0.5e-3), Clipped},
    {"comb-filter",           trace(CompositeVideo, 2, kLine, 0.5, kLineDiv), Noisy},
    {"delay-line",            trace(CompositeVideo, 1.5, kLine, 0.5, kLineDiv), Ringing},
    {"third-video-amplifier", trace(CompositeVideo, 3, kLine, 1, kLineDiv), Shifted},
    {"chroma-amplifiers",     trace(Sine, 2, kSubcarrier, 0.5, 0.2e-6), Intermittent},
    {"acc",                   figure(DcVolts, 2, 20), Shifted},
    {"color-killer",          figure(DcVolts, 5, 20), Intermittent, 0.5},
    // A detuned burst transformer or a crushed video: a small burst, its phase off the station's.
    {"burst-gate",            trace(Burst, 1, kLine, 0.2, kLineDiv), None, 0, Flat, nullptr, 0.3},
    {"color-phase-detector",  figure(DcVolts, 4, 20), Shifted},
    {"color-oscillator",      trace(Sine, 2, kSubcarrier, 0.5, 0.1e-6), FreeRunning},
    {"phase-shift-network",   trace(Sine, 2, kSubcarrier, 0.5, 0.1e-6), Shifted},
    {"color-demodulators",    trace(CompositeVideo, 1, kLine, 0.5, kLineDiv), Shifted},
    {"rgb-drivers",           kDriver, Shifted, kDriverCutOff},
    // The boxes that measure a point of their own within a stage.
    {"vertical-amplifier-1",  trace(VerticalSawtooth, 4, kField, 1, kFieldDiv), Compressed},
    {"red-driver",            kDriver, Shifted, kDriverCutOff},
    {"green-driver",          kDriver, Shifted, kDriverCutOff},
    {"blue-driver",           kDriver, Shifted, kDriverCutOff},
};
// clang-format on

// A knob's wiper, read on the meter through its travel.
constexpr FaceRow kKnobFace{"", figure(DcVolts, 6, 20), Shifted};

// What a meter's figure does where the output is weak or distorted, where it is not the rule's (a weak
// figure half a working set's, a distorted one a working set's). A distorted figure from `low` to `high`
// will not settle and is read as the range it moves over; with `low` equal to `high` it is steady there,
// low, high or stuck. kAsWorking: a working set's figure.
constexpr double kAsWorking = std::numeric_limits<double>::quiet_NaN();
constexpr double kHalf = -1;

struct FigureRow
{
    const char* id;
    double weak = kHalf;
    double low = kAsWorking;
    double high = kAsWorking;
    const char* supply = nullptr; // the rail that, missing or weak, takes the figure down with it
};

// clang-format off
constexpr FigureRow kFigures[] = {
    {"low-voltage-supply",   kHalf, 128, 128},  // a dried filter: lower, with its ripple
    {"voltage-regulator",    kHalf, 112, 126},  // wandering with the mains and the load
    {"switching-supply",     1.5, 0.6, 5.0},    // ticking: up to its figure and down again
    {"scan-derived-supply",  kHalf, 19, 25},    // pulsing
    {"horizontal-afc",       1.6, 1.2, 5.6},    // not settling
    {"hv-hold-down",         kHalf, 0, 5},      // firing and resetting
    {"hv-regulator",         23, 22, 26},       // weak: a few kV down at high brightness
    {"hv-rectifier",         kHalf, 22.5, 26},
    {"picture-tube",         kHalf, 22.5, 26},
    {"antenna-signal",       kHalf, 0.6, 1.4},  // ghosts and interference: the level flickers
    {"aft",                  kHalf, 11.4, 11.4},// stuck at one end
    {"agc",                  kHalf, 1.5, 1.5},
    {"delayed-agc",          kHalf, 10.5, 10.5},// held at the weak stations' figure
    {"acc",                  kHalf, 1.2, 3.1},  // following the picture
    {"color-killer",         2.8, 0.5, 5.0},    // weak: halfway; distorted: switching on and off
    {"color-phase-detector", kHalf, 2.2, 5.9},  // swinging
    {"",                     0.8, 10.8, 10.8},  // a knob: near the low end, or well away from its setting
    // A driver's weak or misshapen video leaves its collector's DC where it was.
    {"rgb-drivers",          kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"red-driver",           kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"green-driver",         kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"blue-driver",          kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
};
// clang-format on

// An off-frequency output's rate against a working set's: far enough off that its pulses fall clearly
// elsewhere on the screen.
constexpr double kOffFrequency = 0.8;

const FaceRow& faceOf(QAnyStringView point)
{
    const auto found =
        std::ranges::find_if(kFaces, [point](const FaceRow& r) { return point == QAnyStringView(r.id); });
    return found == std::end(kFaces) ? kKnobFace : *found;
}

const FigureRow& figureRowOf(const FaceRow& face)
{
    static constexpr FigureRow rule{""};
    const auto found = std::ranges::find_if(
        kFigures, [&face](const FigureRow& r) { return QByteArrayView(face.id) == QByteArrayView(r.id); });
    return found == std::end(kFigures) ? rule : *found;
}

Instrument instrument(const Face& f)
{
    Instrument i;
    if (f.scope) {
        i.scope = ScopeTrace{f.wave, Distortion::None, f.peakToPeak, f.frequency, f.voltsPerDiv, f.secondsPerDiv,
                             f.probe};
        fitToScreen(*i.scope);
    }
    if (f.meter)
        i.meter = MeterFace{f.kind, f.value, f.fullScale, QString::fromUtf8(f.unit)};
    return i;
}

// The meter's figure as a state leaves it; `supply` the state of the rail that feeds the point.
void setFigure(MeterFace& m, const FaceRow& row, Output figure, Output supply)
{
    const FigureRow& f = figureRowOf(row);
    if (figure == Output::Missing) {
        m.value = f.supply && supply == Output::Missing ? 0 : row.missing;
    } else if (figure == Output::Weak) {
        if (f.weak == kHalf)
            m.value = row.missing > 0 ? row.missing * 0.8 : m.value * kWeakFigure;
        else if (!std::isnan(f.weak))
            m.value = f.weak;
    } else if (figure == Output::Distorted && !std::isnan(f.high)) {
        m.value = f.high;
        if (f.low < f.high)
            m.swingFrom = f.low;
    }
    if (f.supply && supply == Output::Weak && figure != Output::Missing)
        m.value *= kWeakFigure;
    // Past the range, the technician turns the meter up a range.
    while (std::isfinite(m.value) && std::abs(m.value) > m.fullScale * 0.9995 && m.fullScale < 1000)
        m.fullScale = m.fullScale * 5 < 1000 ? m.fullScale * 10 : 1000;
}

// The instrument at a test point whose output stands at `out` (its meter's figure at `figure`).
Instrument showing(const FaceRow& row, Output out, Output figure, Output supply)
{
    Instrument i = instrument(row.working);
    if (i.scope) {
        ScopeTrace& s = *i.scope;
        if (out == Output::Missing) {
            s.wave = row.missingWave;
            s.peakToPeak = row.missingWave == Wave::Flat ? 0 : s.peakToPeak / 2;
            s.frequency = 0;
        } else if (out == Output::Weak) {
            s.peakToPeak *= kWeakTrace;
        } else if (out == Output::Distorted) {
            s.distortion = row.distorted;
            s.peakToPeak *= row.distortedShare;
            if (row.distorted == Distortion::Ripple)
                s.peakToPeak *= 10;
            if (row.distorted == Distortion::OffFrequency)
                s.frequency *= kOffFrequency;
            // The technician turns the volts per division up until the whole trace is on the screen.
            fitToScreen(s);
        }
    }
    if (i.meter)
        setFigure(*i.meter, row, figure, supply);
    return i;
}

} // namespace

Instrument workingAt(QAnyStringView point)
{
    return instrument(faceOf(point).working);
}

Instrument showingAt(QAnyStringView point, Output out, const States& states)
{
    const FaceRow& row = faceOf(point);
    const char* supply = figureRowOf(row).supply;
    Output figure = row.figureOf ? stateOf(states, row.figureOf) : out;
    if (figure == Output::Good && out == Output::Distorted) // the point's own fault still moves its figure
        figure = out;
    return showing(row, out, figure, supply ? stateOf(states, supply) : Output::Good);
}

} // namespace trainer::model
