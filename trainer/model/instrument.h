#pragma once
// What an instrument shows at a test point of the set on the bench: a scope's trace or a meter's figure,
// with the settings a service manual prints beside the test point. The set's model says what each test
// point carries in its present state; the trace's samples and the drawings of the scope and the meter
// follow from these values alone, never from a picture per fault.

#include <QString>

#include <limits>
#include <optional>

namespace trainer {

// The waveforms a technician meets on a television's test points, each as the service data prints it.
enum class Wave {
    Flat,             // no signal: a flat line
    DcRail,           // a DC rail on AC coupling: its ripple only, at the mains frequency or twice it
    VerticalSawtooth, // the field-rate ramp of the vertical oscillator
    VerticalOutput,   // the ramp at the yoke, with its sharp inductive retrace pulse
    HorizontalDrive,  // square drive pulses at the line rate
    Flyback,          // the narrow half-sine retrace pulse at the line rate
    CompositeVideo,   // lines of video with sync tips (and, on colour, the burst on the back porch)
    Sync,             // separated sync pulses, no picture in them
    Burst,            // about 9 cycles of the colour subcarrier after each sync pulse, nothing else
    Sine,             // a continuous sine: the 3.58 MHz oscillator, the 4.5 MHz sound IF, an IF carrier
    RedChannel,       // a video driver's collector on colour bars: low where its gun lights (white, yellow,
    GreenChannel,     // magenta and red for the red gun; white, yellow, cyan and green for the green;
    BlueChannel,      // white, cyan, magenta and blue for the blue), blanked, no sync
    LuminanceSteps,   // the same collector with the luminance alone: colour bars' grey steps, no colour in them
    ColourDifference, // a colour difference signal of colour bars over a line: a step for each bar, no sync
    Chroma,           // the chroma of colour bars over a line: the burst, then each bar's subcarrier
    DetectorOutput,   // detected video at the video detector: composite video, sync tips down
    Audio,            // programme audio
    Parabola,         // the field-rate parabola of the east-west (pincushion) correction
    SawtoothCurrent,  // a yoke's current, seen across its sensing resistor
    Noise,            // noise only
};

// How a trace departs from a working set's, where it keeps its waveform.
enum class Distortion {
    None,
    Ripple,      // a mains-rate ripple or hum riding on it
    FreeRunning, // out of step with the sync: the trace will not stand still
    Compressed,  // squeezed at one end: a sawtooth bent at its top or bottom
    Clipped,     // its peaks flattened
    Ringing,     // a damped oscillation after each edge
    Noisy,       // noise riding on it
    Beat,        // a beat riding on it (the 4.5 MHz sound beat on video)
    OffFrequency,// the right shape at its own rate: an oscillator running free, triggered on itself
    Intermittent,// coming and going: a supply starting and stopping
    Shifted,     // the right shape and rate at the wrong level or phase (a black level, a reference's angle)
    SlowRetrace, // a ramp's retrace pulse smaller and slower than it should be
};

enum class Probe { X1 = 1, X10 = 10, X100 = 100 };

struct ScopeTrace
{
    Wave wave = Wave::Flat;
    Distortion distortion = Distortion::None;
    double peakToPeak = 0;     // volts at the test point
    double frequency = 0;      // of the waveform, in hertz (0 for a flat line)
    double voltsPerDiv = 1;    // the vertical setting, as read at the probe tip (the probe's factor included)
    double secondsPerDiv = 1e-3;
    Probe probe = Probe::X1;
};

enum class MeterKind {
    DcVolts,
    AcVolts,
    Kilovolts, // through a high-voltage probe
    Ohms,      // out of circuit, power off
    SignalLevel, // a signal level meter across 75 ohms, in dBmV
    Capacitance, // a capacitance meter, out of circuit, power off
    DiodeTest,   // the meter's diode test: the volts a junction drops, out of circuit, power off
};

struct MeterFace
{
    MeterKind kind = MeterKind::DcVolts;
    double value = 0;     // in the unit (an open circuit reads as infinity in ohms)
    double fullScale = 1; // the range the meter is set to, in the same unit
    QString unit;         // "V", "kV", "Ω", "kΩ"
    // A figure that will not settle moves between this and `value`; not a number for a steady one.
    double swingFrom = std::numeric_limits<double>::quiet_NaN();
};

// What one test point shows on the instrument the reading names: a trace, a figure, or both (a rail read
// on the meter and its ripple on the scope).
struct Instrument
{
    std::optional<ScopeTrace> scope;
    std::optional<MeterFace> meter;
};

} // namespace trainer
