#pragma once
// A scope trace as the screen shows it: the beam's path across the graticule's 10 x 8 divisions, from the
// test point's waveform, its peak-to-peak volts, its rate, the scope's settings and the way the trace
// departs from a working set's. Every trace is AC coupled: it sits about the centre line, and what
// reaches past the top or bottom of the screen is cut there. Pure arithmetic, the same at every scale.
//
// A trace's `frequency` is the rate it shows: an off-frequency trace carries its own wrong rate. Video,
// sync and burst give the line rate, or the field rate when looked at across whole fields (below 1 kHz):
// then the lines run together and each field's vertical blanking shows.

#include "trainer/model/instrument.h"

#include <QString>

#include <vector>

namespace trainer {

constexpr int kDivisionsAcross = 10;
constexpr int kDivisionsUp = 8;

// The setting of a scope's or a meter's knob at or above `x`, in steps of 1, 2 and 5 in each decade.
constexpr double knobStep(double x)
{
    constexpr double decades[] = {1e-9, 1e-8, 1e-7, 1e-6, 1e-5, 1e-4, 1e-3, 1e-2, 1e-1, 1, 10, 100, 1e3, 1e4, 1e5};
    for (const double decade : decades)
        for (const double m : {1.0, 2.0, 5.0})
            if (m * decade >= x * (1 - 1e-9))
                return m * decade;
    return x;
}

// The volts at the probe tip `seconds` after the sweep starts, before the screen cuts anything.
double voltsAt(const ScopeTrace& trace, double seconds);

// Where the beam passes in one column of the screen, in divisions from the centre line (up positive).
struct Span
{
    float low = 0;
    float high = 0;
};

// The trace across the screen in `columns` columns from left to right, for a sweep that starts `start`
// seconds after the trigger: in each column, the lowest and highest points the beam reaches, joined to the
// column before, so that drawing each span as a line draws the trace whole (a burst or noise fills its
// band as on a real tube). Clipped to the screen's four divisions above and below the centre line.
std::vector<Span> traceColumns(const ScopeTrace& trace, int columns, double start = 0);

// The volts per division (and, past what the probe allows, the probe) a technician turns to so that the
// whole trace stays on the screen; never smaller than it is. A scope's input goes to 5 V/div, or 50 and
// 500 V/div through a x10 and a x100 probe.
void fitToScreen(ScopeTrace& trace);

// Where the sweeps the eye sees start: one for a trace that holds still; three out of step, overlaid, for
// a free-running one.
std::vector<double> sweepStarts(const ScopeTrace& trace);

// A figure with its unit and a metric prefix: 0.02 V "20 mV", 1e-7 s "100 ns", 25000 V "25 kV".
QString withPrefix(double value, const QString& unit);

// The scope's settings as written on the screen: "2 V/div", "5 ms/div", "Probe x10".
QString voltsPerDivText(const ScopeTrace& trace);
QString timePerDivText(const ScopeTrace& trace);
QString probeText(Probe probe);

// A meter's figure as a 3½-digit display shows it on its range: "148.2", "0.47"; "OL" past the range or
// for an open circuit; a figure that will not settle as the range it moves over, "4.10 to 5.80".
QString meterFigure(const MeterFace& meter);
// The range as the meter's switch names it: "200 V DC", "2 kΩ".
QString meterRange(const MeterFace& meter);

} // namespace trainer
