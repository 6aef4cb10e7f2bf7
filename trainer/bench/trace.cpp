#include "trainer/bench/trace.h"

#include <QtMath>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <numbers>

namespace trainer {

namespace {
constexpr double kTwoPi = 2 * std::numbers::pi;
constexpr double kSubcarrier = 3579545;  // the colour subcarrier, in hertz
constexpr double kLinesPerField = 262.5;
constexpr double kSoundBeat = 4.5e6;     // the sound carrier's beat with the picture carrier, on detected video
constexpr double kMainsRipple = 120;     // a full-wave supply's ripple on 60 Hz mains
constexpr double kFieldRateBelow = 1000; // video looked at across fields rather than lines

double fraction(double x)
{
    return x - std::floor(x);
}

// Noise from a fixed seed, hashed from the moment, so a noisy trace is the same each time it is drawn.
double noise(double seconds)
{
    std::uint64_t h = std::bit_cast<std::uint64_t>(seconds) * 0x9e3779b97f4a7c15ull;
    h ^= h >> 31;
    h *= 0xbf58476d1ce4e5b9ull;
    h ^= h >> 29;
    return static_cast<double>(h & 0xffff) / 0xffff - 0.5;
}

// Video levels in IRE units, from the sync tip (-40) to white (100), on the trace's -0.5 to 0.5.
double ire(double level)
{
    return (level + 40) / 140 - 0.5;
}

// Where in a line of video the sync pulse, the burst and the picture fall, as fractions of the line.
constexpr double kSyncEnd = 0.074;
constexpr double kBurstStart = 0.083, kBurstEnd = 0.123;
constexpr double kPictureStart = 0.165, kPictureEnd = 0.976;

// Inside a field's vertical blanking: a few lines of broad sync pulses, then blank lines with their sync.
bool verticalSync(double fieldPhase, double linePhase)
{
    return fieldPhase >= 0.011 && fieldPhase < 0.034 && linePhase < 0.93;
}
bool verticalBlanking(double fieldPhase)
{
    return fieldPhase < 0.08;
}

// One line of composite video: sync tip, back porch with the burst, a grey scale of six steps to white.
double videoLine(double linePhase, double seconds, bool burst)
{
    if (linePhase < kSyncEnd)
        return ire(-40);
    if (burst && linePhase >= kBurstStart && linePhase < kBurstEnd)
        return ire(20 * std::sin(kTwoPi * kSubcarrier * seconds));
    if (linePhase < kPictureStart || linePhase >= kPictureEnd)
        return ire(0);
    // Down from white to black, as the luminance of colour bars steps down across the screen.
    const double step = std::floor((linePhase - kPictureStart) / (kPictureEnd - kPictureStart) * 6);
    return ire(100 - step * (100 - 7.5) / 5);
}

// The chroma of one line of colour bars (75 %): the burst on the back porch, then each bar's subcarrier at
// its own height, white first with none, from -0.5 to 0.5 of the largest bar's.
double chromaLine(double linePhase, double seconds)
{
    constexpr double kBars[] = {0, 62, 88, 82, 82, 88, 62}; // IRE peak to peak: white, yellow, cyan, ... blue
    constexpr double kBurst = 40;
    const double carrier = 0.5 * std::sin(kTwoPi * kSubcarrier * seconds) / 88;
    if (linePhase >= kBurstStart && linePhase < kBurstEnd)
        return kBurst * carrier;
    if (linePhase < kPictureStart || linePhase >= kPictureEnd)
        return 0;
    const auto bar = static_cast<size_t>((linePhase - kPictureStart) / (kPictureEnd - kPictureStart) * 7);
    return kBars[std::min<size_t>(bar, 6)] * carrier;
}

// Video, sync and burst follow lines within fields; `f` is the line rate or, below 1 kHz, the field rate.
double video(Wave wave, double seconds, double f)
{
    const bool fields = f < kFieldRateBelow;
    const double lineRate = fields ? f * kLinesPerField : f;
    const double linePhase = fraction(seconds * lineRate);
    const double fieldPhase = fields ? fraction(seconds * f) : 0.5;
    const bool inSync = verticalSync(fieldPhase, linePhase) ||
                        (!verticalSync(fieldPhase, 0) && linePhase < kSyncEnd);
    const bool blank = verticalBlanking(fieldPhase);
    switch (wave) {
    case Wave::Sync:
        return inSync ? 0.5 : -0.5;
    case Wave::Burst:
        return !blank && linePhase >= kBurstStart && linePhase < kBurstEnd
                   ? 0.5 * std::sin(kTwoPi * kSubcarrier * seconds)
                   : 0;
    case Wave::Chroma:
        return blank ? 0 : chromaLine(linePhase, seconds);
    case Wave::RedChannel:
    case Wave::GreenChannel:
    case Wave::BlueChannel:
    case Wave::LuminanceSteps: {
        // The collector falls as its gun lights: white, yellow, cyan, green, magenta, red, blue.
        constexpr double kLit[4][7] = {{1, 1, 0, 0, 1, 1, 0},
                                       {1, 1, 1, 1, 0, 0, 0},
                                       {1, 0, 1, 0, 1, 0, 1},
                                       {1, 0.89, 0.70, 0.59, 0.41, 0.30, 0.11}};
        if (blank || linePhase < kPictureStart || linePhase >= kPictureEnd)
            return 0.5;
        const auto bar = static_cast<size_t>((linePhase - kPictureStart) / (kPictureEnd - kPictureStart) * 7);
        const auto channel = static_cast<size_t>(static_cast<int>(wave) - static_cast<int>(Wave::RedChannel));
        return 0.5 - kLit[channel][std::min<size_t>(bar, 6)];
    }
    case Wave::ColourDifference: {
        // R-Y of 75 % colour bars, white to blue; nothing in the blanking, no sync.
        constexpr double kBars[] = {0, 0.086, -0.52, -0.44, 0.44, 0.52, -0.086};
        if (blank || linePhase < kPictureStart || linePhase >= kPictureEnd)
            return 0;
        const auto bar = static_cast<size_t>((linePhase - kPictureStart) / (kPictureEnd - kPictureStart) * 7);
        return kBars[std::min<size_t>(bar, 6)] / 1.04;
    }
    default:
        if (inSync)
            return ire(-40);
        return blank ? ire(0) : videoLine(linePhase, seconds, wave == Wave::CompositeVideo);
    }
}

// A period's shape at its phase (0 to 1), from -0.5 to 0.5 of the peak-to-peak.
double periodic(Wave wave, double phase)
{
    switch (wave) {
    case Wave::DcRail: // the filter capacitor charged at the peaks, discharged by the load between them
        return phase < 0.15 ? -0.5 + phase / 0.15 : 0.5 - (phase - 0.15) / 0.85;
    case Wave::VerticalSawtooth: // the ramp, then the quick retrace
        return phase < 0.93 ? -0.5 + phase / 0.93 : 0.5 - (phase - 0.93) / 0.07;
    case Wave::VerticalOutput: { // a smaller ramp at the yoke, and the retrace's tall inductive pulse
        if (phase < 0.93)
            return -0.5 + 0.3 * phase / 0.93;
        const double pulse = std::sin(std::numbers::pi * (phase - 0.93) / 0.07);
        return -0.2 + 0.7 * pulse * pulse;
    }
    case Wave::HorizontalDrive:
        return phase < 0.45 ? 0.5 : -0.5;
    case Wave::Flyback: // the retrace's half-sine, about a fifth of the line
        return phase < 0.18 ? -0.5 + std::sin(std::numbers::pi * phase / 0.18) : -0.5;
    case Wave::Parabola: // down and up again over the scan; the retrace starts and ends at the top
        return phase < 0.93 ? -0.5 + 4 * (phase / 0.93 - 0.5) * (phase / 0.93 - 0.5) : 0.5;
    case Wave::SawtoothCurrent: // the trace's linear rise, then a half-cosine back during the retrace
        return phase < 0.82 ? -0.5 + phase / 0.82
                            : 0.5 * std::cos(std::numbers::pi * (phase - 0.82) / 0.18);
    default:
        return 0;
    }
}

// The share of a period a scan's ramp takes, before its retrace; none for a wave without one.
double rampShare(Wave wave)
{
    switch (wave) {
    case Wave::VerticalSawtooth:
    case Wave::VerticalOutput:
    case Wave::Parabola:
        return 0.93;
    case Wave::SawtoothCurrent:
        return 0.82;
    default:
        return 0;
    }
}

// A ramp's progress (0 to 1) bent: quick at its start, slow at its end, as a scan cramped at one end.
double bent(double r)
{
    return 0.3 * r + 0.7 * std::sin(r * std::numbers::pi / 2);
}

double shape(Wave wave, double seconds, double f)
{
    switch (wave) {
    case Wave::Flat:
        return 0;
    case Wave::Noise:
        return noise(seconds);
    case Wave::Sine:
        return 0.5 * std::sin(kTwoPi * f * seconds);
    case Wave::Audio: // programme: a few tones that never repeat together
        return 0.5 * (0.55 * std::sin(kTwoPi * f * seconds) + 0.3 * std::sin(kTwoPi * 2.71 * f * seconds + 1.1) +
                      0.15 * std::sin(kTwoPi * 6.3 * f * seconds + 0.4));
    case Wave::CompositeVideo:
    case Wave::DetectorOutput:
    case Wave::Sync:
    case Wave::Burst:
    case Wave::Chroma:
    case Wave::ColourDifference:
    case Wave::RedChannel:
    case Wave::GreenChannel:
    case Wave::BlueChannel:
    case Wave::LuminanceSteps:
        return f > 0 ? video(wave, seconds, f) : 0;
    default:
        return f > 0 ? periodic(wave, fraction(seconds * f)) : 0;
    }
}

double divisionsAt(const ScopeTrace& trace, double seconds)
{
    const double perDiv = trace.voltsPerDiv > 0 ? trace.voltsPerDiv : 1;
    return std::clamp(voltsAt(trace, seconds) / perDiv, -kDivisionsUp / 2.0, kDivisionsUp / 2.0);
}
} // namespace

double voltsAt(const ScopeTrace& trace, double seconds)
{
    const double f = trace.frequency;
    double s = shape(trace.wave, seconds, f);
    const double phase = f > 0 ? fraction(seconds * f) : 0;
    switch (trace.distortion) {
    case Distortion::Ripple:
        s += 0.25 * std::sin(kTwoPi * kMainsRipple * seconds);
        break;
    case Distortion::Compressed: // a ramp's scan bent at its far end; any other wave bent over at the top
        if (const double ramp = rampShare(trace.wave); ramp > 0 && f > 0) {
            if (phase < ramp)
                s = periodic(trace.wave, ramp * bent(phase / ramp));
        } else {
            s = std::sin((s + 0.5) * std::numbers::pi / 2) - 0.5;
        }
        break;
    case Distortion::Clipped:
        s = std::clamp(s, -0.3, 0.3);
        break;
    case Distortion::Ringing:
        s += 0.25 * std::exp(-phase * 25) * std::sin(kTwoPi * phase * 30);
        break;
    case Distortion::Noisy:
        s += 0.2 * noise(seconds);
        break;
    case Distortion::Beat:
        s += 0.12 * std::sin(kTwoPi * kSoundBeat * seconds);
        break;
    case Distortion::Shifted: // the same waveform a quarter of a period late against the working set's
        if (f > 0)
            s = shape(trace.wave, seconds - 0.25 / f, f);
        break;
    case Distortion::SlowRetrace: // the retrace's pulse about half as tall and twice as long
        if (trace.wave == Wave::VerticalOutput && f > 0) {
            if (phase < 0.86)
                s = -0.5 + 0.3 * phase / 0.86;
            else {
                const double pulse = std::sin(std::numbers::pi * (phase - 0.86) / 0.14);
                s = -0.2 + 0.35 * pulse * pulse;
            }
        }
        break;
    case Distortion::Intermittent: // there for a while, then gone, in runs of five divisions
        if (fraction(seconds / (5 * trace.secondsPerDiv)) > 0.55)
            s = 0;
        break;
    case Distortion::None:
    case Distortion::FreeRunning: // drawn as sweeps out of step (sweepStarts)
    case Distortion::OffFrequency: // the trace's rate is its own
        break;
    }
    return s * trace.peakToPeak;
}

std::vector<Span> traceColumns(const ScopeTrace& trace, int columns, double start)
{
    std::vector<Span> spans(static_cast<size_t>(std::max(columns, 0)));
    constexpr int kSamples = 4; // in each column; its right edge is the next column's left, shared
    const double step = kDivisionsAcross * trace.secondsPerDiv / (std::max(columns, 1) * kSamples);
    auto y = static_cast<float>(divisionsAt(trace, start));
    for (int c = 0; c < columns; ++c) {
        Span span{y, y};
        for (int i = 1; i <= kSamples; ++i) {
            y = static_cast<float>(divisionsAt(trace, start + (c * kSamples + i) * step));
            span.low = std::min(span.low, y);
            span.high = std::max(span.high, y);
        }
        spans[static_cast<size_t>(c)] = span;
    }
    return spans;
}

void fitToScreen(ScopeTrace& trace)
{
    constexpr int kSamples = 2000;
    double extent = 0;
    for (const double start : sweepStarts(trace))
        for (int i = 0; i <= kSamples; ++i)
            extent = std::max(extent,
                              std::abs(voltsAt(trace, start + i * kDivisionsAcross * trace.secondsPerDiv / kSamples)));
    // The trace's top and bottom a little inside the screen's, the beam's width clear of its edges.
    constexpr double kRoom = kDivisionsUp / 2.0 - 0.2;
    while (extent > kRoom * trace.voltsPerDiv) {
        trace.voltsPerDiv = knobStep(trace.voltsPerDiv * 1.01);
        const double most = 5.0 * static_cast<int>(trace.probe);
        if (trace.voltsPerDiv > most * 1.0001 && trace.probe != Probe::X100)
            trace.probe = trace.probe == Probe::X1 ? Probe::X10 : Probe::X100;
    }
}

std::vector<double> sweepStarts(const ScopeTrace& trace)
{
    if (trace.distortion != Distortion::FreeRunning || trace.frequency <= 0)
        return {0};
    return {0, 0.37 / trace.frequency, 0.71 / trace.frequency};
}

QString withPrefix(double value, const QString& unit)
{
    if (value == 0 || !std::isfinite(value))
        return QStringLiteral("0 ") + unit;
    static const char* const prefixes[] = {"n", "µ", "m", "", "k", "M"};
    const int power = std::clamp(static_cast<int>(std::floor((std::log10(std::abs(value)) + 1e-9) / 3)), -3, 2);
    const double mantissa = value / std::pow(10.0, 3 * power);
    return QString::number(mantissa, 'g', 3) + QLatin1Char(' ') + QString::fromUtf8(prefixes[power + 3]) + unit;
}

QString voltsPerDivText(const ScopeTrace& trace)
{
    return withPrefix(trace.voltsPerDiv, QStringLiteral("V")) + QStringLiteral("/div");
}

QString timePerDivText(const ScopeTrace& trace)
{
    return withPrefix(trace.secondsPerDiv, QStringLiteral("s")) + QStringLiteral("/div");
}

QString probeText(Probe probe)
{
    return QStringLiteral("Probe x%1").arg(static_cast<int>(probe));
}

namespace {
QString displayed(double value, double fullScale)
{
    if (!std::isfinite(value) || std::abs(value) > fullScale)
        return QStringLiteral("OL");
    // A 3½-digit display: four figures in all, as many before the point as the range needs.
    const int before = std::max(1, static_cast<int>(std::floor(std::log10(fullScale * 0.9999))) + 1);
    return QString::number(value, 'f', std::clamp(4 - before, 0, 3));
}
} // namespace

QString meterFigure(const MeterFace& meter)
{
    const QString figure = displayed(meter.value, meter.fullScale);
    if (std::isnan(meter.swingFrom))
        return figure;
    return displayed(meter.swingFrom, meter.fullScale) + QStringLiteral(" to ") + figure;
}

QString meterRange(const MeterFace& meter)
{
    const QString range = meter.fullScale >= 1e4 ? withPrefix(meter.fullScale, meter.unit)
                                                  : QString::number(meter.fullScale, 'g', 4) + QLatin1Char(' ') + meter.unit;
    switch (meter.kind) {
    case MeterKind::DcVolts:
        return range + QStringLiteral(" DC");
    case MeterKind::AcVolts:
        return range + QStringLiteral(" AC");
    case MeterKind::Kilovolts: // through a x1000 probe: the meter's volts are the anode's kilovolts
        return QString::number(meter.fullScale, 'g', 4) + QStringLiteral(" V DC, probe x1000");
    case MeterKind::SignalLevel:
        return QStringLiteral("-40 to +%1 dBmV").arg(meter.fullScale);
    case MeterKind::DiodeTest:
        return range + QStringLiteral(", diode test");
    case MeterKind::Ohms:
    case MeterKind::Capacitance:
        break;
    }
    return range;
}

} // namespace trainer
