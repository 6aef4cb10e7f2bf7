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
constexpr Face driver(Wave wave = Wave::CompositeVideo)
{
    Face f = trace(wave, 60, 15734, 20, 20e-6, Probe::X10);
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
    SignalKind kind;
    Face working;
    Distortion distorted;
    double missing = 0;            // the meter's figure with the output missing
    Wave missingWave = Wave::Flat; // the scope's trace with the output missing
    const char* probes = nullptr;   // the stage whose output the instruments read, where not the point's own
    double distortedShare = 1;      // a distorted trace's height against a working set's
    Wave distortedWave = Wave::Flat; // the waveform a distorted output shows instead, where not its own
};

constexpr double kWeakTrace = 0.1; // a weak trace's share of a working set's height
constexpr double kWeakFigure = 0.5;

using enum Wave;
using enum Distortion;
using enum MeterKind;

// clang-format off
constexpr FaceRow kFaces[] = {
    {"ac-mains-input", SignalKind::DcRail,        figure(AcVolts, 120, 200), Noisy},
    {"low-voltage-supply", SignalKind::DcRail,    rail(150, 200, 3, kRipple), Ripple},
    {"voltage-regulator", SignalKind::DcRail,     rail(120, 200, 0.2, kRipple), Ripple},
    {"linear-supply", SignalKind::DcRail,         rail(12, 20, 0.05, kRipple), Ripple},
    {"switching-supply", SignalKind::DcRail,      rail(5, 20, 0.05, 50e3), Intermittent},
    {"scan-derived-supply", SignalKind::DcRail,   rail(25, 200, 0.5, kLine), Intermittent},
    {"noise-canceller", SignalKind::Video,       trace(CompositeVideo, 2, kLine, 0.5, kLineDiv), Clipped},
    {"sync-separator", SignalKind::Video,        trace(Sync, 5, kLine, 1, kLineDiv), Noisy},
    {"vertical-oscillator", SignalKind::Ramp,   trace(VerticalSawtooth, 5, kField, 1, kFieldDiv), OffFrequency},
    {"vertical-amplifier", SignalKind::Ramp,    trace(VerticalOutput, 40, kField, 10, kFieldDiv, Probe::X10), Compressed},
    {"vertical-yoke", SignalKind::Ramp,         trace(SawtoothCurrent, 1, kField, 0.2, kFieldDiv), Compressed},
    {"horizontal-afc", SignalKind::Control,        figure(DcVolts, 3, 20), Shifted},
    {"horizontal-oscillator", SignalKind::LinePulse, trace(HorizontalDrive, 5, kLine, 1, kLineDiv), OffFrequency},
    {"horizontal-driver", SignalKind::LinePulse,     trace(HorizontalDrive, 40, kLine, 10, kLineDiv, Probe::X10), OffFrequency},
    {"horizontal-output", SignalKind::LinePulse,     trace(Flyback, 1000, kLine, 200, kLineDiv, Probe::X100), OffFrequency},
    {"damper", SignalKind::DcRail,                figure(DcVolts, 120, 200), Ringing},
    {"hv-hold-down", SignalKind::Control,          figure(DcVolts, 0, 20), Intermittent, 5},
    {"hv-regulator", SignalKind::HighVoltage,          figure(Kilovolts, 25, kHvRange, "kV"), Shifted, 0, Flat, "hv-rectifier"},
    {"hv-rectifier", SignalKind::HighVoltage,          figure(Kilovolts, 25, kHvRange, "kV"), Shifted},
    {"pincushion", SignalKind::Ramp,            trace(Parabola, 2, kField, 0.5, kFieldDiv), Compressed},
    {"horizontal-yoke", SignalKind::Ramp,       trace(SawtoothCurrent, 1, kLine, 0.2, kLineDiv), OffFrequency},
    {"picture-tube", SignalKind::HighVoltage,          figure(Kilovolts, 25, kHvRange, "kV"), Shifted, 0, Flat, "hv-rectifier"},
    // A signal level meter in dBmV (0 dBmV is 1 mV across 75 ohms); with nothing there it reads its floor.
    {"antenna-signal", SignalKind::RadioFrequency,        figure(SignalLevel, 6, 60, "dBmV"), Noisy, -40},
    // A tuner's output is proved by injection and substitution, not on a bench scope: no face.
    {"uhf-tuner", SignalKind::RadioFrequency,             {}, OffFrequency},
    {"vhf-tuner", SignalKind::RadioFrequency,             {}, Clipped},
    {"aft", SignalKind::Control,                   figure(DcVolts, 6, 20), Shifted},
    {"first-video-if", SignalKind::RadioFrequency,        {}, Compressed},
    // Tuned and fast points through a x10 probe: a x1 probe's 100 pF or so would detune them.
    {"video-if-amplifiers", SignalKind::RadioFrequency,   trace(Sine, 1, kIF, 0.5, 20e-9, Probe::X10), Clipped},
    {"video-detector", SignalKind::Video,        trace(DetectorOutput, 2, kLine, 0.5, kLineDiv), Beat},
    {"video-amplifier", SignalKind::Video,       trace(CompositeVideo, 4, kLine, 1, kLineDiv), Clipped},
    {"agc", SignalKind::Control,                   figure(DcVolts, 4, 20), Shifted},
    {"delayed-agc", SignalKind::Control,           figure(DcVolts, 8, 20), Shifted},
    {"blanking-amplifier", SignalKind::Video,    trace(Sync, 10, kLine, 2, kLineDiv), Noisy},
    {"sound-if-detector", SignalKind::Audio,     trace(Sine, 0.1, kSoundIF, 0.05, 0.2e-6, Probe::X10), Noisy},
    {"sound-if-amplifier", SignalKind::Audio,    trace(Sine, 1, kSoundIF, 0.5, 0.2e-6, Probe::X10), Noisy},
    {"sound-detector", SignalKind::Audio,        trace(Audio, 0.3, kTone, 0.1, 0.5e-3), Noisy},
    {"audio-amplifier", SignalKind::Audio,       trace(Audio, 2, kTone, 0.5, 0.5e-3), Clipped},
    {"loudspeaker", SignalKind::Audio,           trace(Audio, 2, kTone, 0.5, 0.5e-3), Clipped, 0, Flat, "audio-amplifier"},
    {"comb-filter", SignalKind::Video,           trace(CompositeVideo, 2, kLine, 0.5, kLineDiv), Noisy},
    {"delay-line", SignalKind::Video,            trace(CompositeVideo, 1.5, kLine, 0.5, kLineDiv), Ringing},
    {"third-video-amplifier", SignalKind::Video, trace(CompositeVideo, 3, kLine, 1, kLineDiv), Shifted},
    // Chroma on colour bars at the line rate: the burst, then each bar's subcarrier at its own height.
    {"chroma-amplifiers", SignalKind::Chroma,     trace(Chroma, 2, kLine, 0.5, kLineDiv, Probe::X10), Shifted},
    {"acc", SignalKind::Control,                   figure(DcVolts, 2, 20), Shifted},
    {"color-killer", SignalKind::Control,          figure(DcVolts, 5, 20), Intermittent, 0.5},
    // A detuned burst transformer or a crushed video: a small burst, its phase off the station's.
    {"burst-gate", SignalKind::Chroma,            trace(Burst, 1, kLine, 0.2, kLineDiv, Probe::X10), None, 0, Flat, nullptr, 0.3},
    {"color-phase-detector", SignalKind::Control,  figure(DcVolts, 4, 20), Shifted},
    {"color-oscillator", SignalKind::Chroma,      trace(Sine, 2, kSubcarrier, 0.5, 0.1e-6, Probe::X10), OffFrequency},
    {"phase-shift-network", SignalKind::Chroma,   trace(Sine, 2, kSubcarrier, 0.5, 0.1e-6, Probe::X10), Shifted},
    {"color-demodulators", SignalKind::Video,    trace(ColourDifference, 1, kLine, 0.5, kLineDiv), Shifted},
    {"rgb-drivers", SignalKind::Video,           kDriver, Shifted, kDriverCutOff},
    // The boxes that measure a point of their own within a stage.
    {"vertical-amplifier-1", SignalKind::Ramp,  trace(VerticalSawtooth, 4, kField, 1, kFieldDiv), Compressed},
    // On colour bars each collector shows its own gun's bars; without its colour difference, the grey steps.
    {"red-driver", SignalKind::Video,            driver(RedChannel), Shifted, kDriverCutOff, Flat, nullptr, 1, LuminanceSteps},
    {"green-driver", SignalKind::Video,          driver(GreenChannel), Shifted, kDriverCutOff, Flat, nullptr, 1, LuminanceSteps},
    {"blue-driver", SignalKind::Video,           driver(BlueChannel), Shifted, kDriverCutOff, Flat, nullptr, 1, LuminanceSteps},
};
// clang-format on

// A knob is judged by its effect on the picture, turned through its travel: no instrument.
constexpr FaceRow kKnobFace{"", SignalKind::Control, {}, Shifted};

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
    {"hv-rectifier",         kHalf, 22.5, 26},
    {"picture-tube",         kHalf, 22.5, 26},
    {"antenna-signal",       -12, 1, 7},        // ghosts and interference: the level flickers
    {"aft",                  kHalf, 11.4, 11.4},// stuck at one end
    {"agc",                  kHalf, 1.5, 1.5},
    {"delayed-agc",          kHalf, 10.5, 10.5},// held at the weak stations' figure
    {"acc",                  kHalf, 1.2, 3.1},  // following the picture
    {"color-killer",         2.8, 0.5, 5.0},    // weak: halfway; distorted: switching on and off
    {"color-phase-detector", kHalf, 2.2, 5.9},  // swinging
    // A driver's weak or misshapen video leaves its collector's DC where it was.
    {"rgb-drivers",          kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"red-driver",           kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"green-driver",         kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
    {"blue-driver",          kAsWorking, kAsWorking, kAsWorking, "scan-derived-supply"},
};
// clang-format on

// An oscillator out of lock runs free within its hold range: a few hertz off the field rate, a few hundred
// off the line rate, a few hundred off the subcarrier. Triggered on itself, its trace stands still.
constexpr double unlockedRate(double hz)
{
    if (hz < 1000)
        return hz - 2;
    return hz < 1e6 ? hz - 250 : hz - 400;
}

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
void setFigure(MeterFace& m, const FaceRow& row, const State& state, Output supply)
{
    const FigureRow& f = figureRowOf(row);
    const double working = m.value;
    if (state.output == Output::Missing) {
        m.value = f.supply && supply == Output::Missing ? 0 : row.missing;
        // A supply that trips and restarts kicks up to a fraction of its figure and collapses again.
        if (state.flaw == Flaw::Cycling) {
            m.swingFrom = m.value;
            m.value = working * 0.25;
        }
    } else if (state.output == Output::Weak) {
        if (f.weak == kHalf)
            m.value = row.missing > 0 ? row.missing * 0.8 : m.value * kWeakFigure;
        else if (!std::isnan(f.weak))
            m.value = f.weak;
    } else if (state.output == Output::Distorted && !std::isnan(f.high)) {
        // A control set wrong, or a level shifted by one, holds steady where it is put; the rest will not
        // settle.
        if (state.flaw == Flaw::Shifted) {
            m.value = f.low;
        } else {
            m.value = f.high;
            if (f.low < f.high)
                m.swingFrom = f.low;
        }
    }
    if (f.supply && supply == Output::Weak && state.output != Output::Missing)
        m.value *= kWeakFigure;
    // Past the range, the technician turns the meter up a range.
    while (std::isfinite(m.value) && std::abs(m.value) > m.fullScale * 0.9995 && m.fullScale < 1000)
        m.fullScale = m.fullScale * 5 < 1000 ? m.fullScale * 10 : 1000;
}

// How a trace shows a flaw; a shifted or wandering output shows as the point's own way of being off.
Distortion distortionOf(Flaw flaw, const FaceRow& row)
{
    switch (flaw) {
    case Flaw::Unlocked:
        return Distortion::OffFrequency;
    case Flaw::Bent:
        return Distortion::Compressed;
    case Flaw::SlowRetrace:
        return Distortion::SlowRetrace;
    case Flaw::Clipped:
        return Distortion::Clipped;
    case Flaw::Ripple:
        return Distortion::Ripple;
    case Flaw::Cycling:
        return Distortion::Intermittent;
    case Flaw::Beat:
        return Distortion::Beat;
    case Flaw::Ringing:
        return Distortion::Ringing;
    case Flaw::Noise:
        return Distortion::Noisy;
    case Flaw::None:
    case Flaw::Shifted:
    case Flaw::Wandering:
        break;
    }
    return row.distorted;
}

// The instrument at a test point whose output stands at `state`.
Instrument showing(const FaceRow& row, const State& state, Output supply)
{
    Instrument i = instrument(row.working);
    if (i.scope) {
        ScopeTrace& s = *i.scope;
        if (state.output == Output::Missing) {
            // With nothing coming in, the point carries the noise of the stages ahead, about half its height.
            const Wave wave = state.flaw == Flaw::Noise ? Wave::Noise : row.missingWave;
            s.wave = wave;
            s.peakToPeak = wave == Wave::Flat ? 0 : s.peakToPeak / 2;
            s.frequency = 0;
            if (state.flaw == Flaw::Cycling) { // bursts of the working trace as the supply restarts
                s.wave = row.working.wave;
                s.frequency = row.working.frequency;
                s.peakToPeak = row.working.peakToPeak * 2;
                s.distortion = Distortion::Intermittent;
            }
            fitToScreen(s);
        } else if (state.output == Output::Weak) {
            s.peakToPeak *= kWeakTrace;
        } else if (state.output == Output::Distorted) {
            s.distortion = distortionOf(state.flaw, row);
            if (row.distortedWave != Wave::Flat) {
                s.wave = row.distortedWave;
                s.distortion = Distortion::None;
            }
            s.peakToPeak *= row.distortedShare;
            if (s.distortion == Distortion::Ripple)
                s.peakToPeak *= 10;
            if (s.distortion == Distortion::OffFrequency)
                s.frequency = unlockedRate(s.frequency);
            // The technician turns the volts per division up until the whole trace is on the screen.
            fitToScreen(s);
        }
    }
    if (i.meter)
        setFigure(*i.meter, row, state, supply);
    return i;
}

} // namespace

Instrument workingAt(QAnyStringView point)
{
    return instrument(faceOf(point).working);
}

Instrument showingAt(QAnyStringView point, const State& state, const States& states)
{
    const FaceRow& row = faceOf(point);
    const char* supply = figureRowOf(row).supply;
    Instrument i = showing(row, state, supply ? stateOf(states, supply) : Output::Good);
    // A point probed where another stage's output is read shows what is there, whichever box reads it.
    if (row.probes) {
        const Instrument there = showingAt(row.probes, signalOf(states, row.probes), states);
        if (i.meter)
            i.meter = there.meter;
        if (i.scope && there.scope)
            i.scope = there.scope;
    }
    return i;
}

SignalKind kindAt(QAnyStringView point)
{
    return faceOf(point).kind;
}

QString physicalPoint(QAnyStringView point)
{
    const FaceRow& row = faceOf(point);
    return QString::fromLatin1(row.probes ? row.probes : row.id);
}

} // namespace trainer::model
