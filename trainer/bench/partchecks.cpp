// A suspect part checked as a bench checks its kind: capacitors on the capacitance and ESR meters,
// semiconductors on the diode test, resistors, windings and contacts on the ohmmeter, all out of circuit with
// the power off; ICs, crystals and the tripler in circuit with the set running, then by a known-good one
// fitted; tuned coils realigned in circuit. Each check shows its figure beside what a good part of its kind
// reads, the same instrument on every part of that kind, so that the figure and not the words finds the
// failed part. A control's setting is read against the service data's.

#include "trainer/bench/trace.h"
#include "trainer/model/stagetable.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace trainer {

using namespace model;

namespace {

constexpr double kOpen = std::numeric_limits<double>::infinity();
constexpr double kNone = std::numeric_limits<double>::quiet_NaN();

enum class Method {
    Capacitance, // out of circuit, power off: a capacitance meter, and an ESR meter on an electrolytic
    Junctions,   // out of circuit, power off: the meter's diode test across each junction
    Resistance,  // out of circuit, power off: the ohmmeter (resistors, windings, fuses, leads, joints)
    InCircuit,   // in circuit with the set running, then a known-good one fitted (ICs, the tripler, crystals)
    Aligned,     // continuity on the ohmmeter, then realigned in circuit with the set running (tuned parts)
    Looked,      // by eye (a speaker's cone, a yoke's insulation)
};

// The kinds of part by a word of the part's name: the first row whose word the name holds gives its kind,
// and what a good one reads on the ohmmeter where that is its meter (a capacitor's value is kept below).
struct KindRow
{
    const char* word;
    Method method;
    double good = kNone; // ohms
};

// clang-format off
constexpr KindRow kKinds[] = {
    {"trimmer", Method::Aligned},              // set in circuit against the oscillator, not measured
    {"IC", Method::InCircuit}, {"tripler", Method::InCircuit}, {"crystal", Method::InCircuit},
    {"filter IC", Method::InCircuit}, {"SAW filter", Method::InCircuit}, {"ceramic filter", Method::InCircuit},
    {"optocoupler", Method::InCircuit}, {"focus control", Method::InCircuit},
    {"screen supply", Method::InCircuit}, {"keying pulse path", Method::InCircuit},
    {"splitter", Method::InCircuit}, {"antenna", Method::InCircuit},
    {"capacitor", Method::Capacitance},
    {"diode", Method::Junctions}, {"transistor", Method::Junctions}, {"SCR", Method::Junctions},
    {"cone", Method::Looked}, {"insulation", Method::Looked},
    {"joint", Method::Resistance, 0.05}, {"lead", Method::Resistance, 0.1}, {"cord", Method::Resistance, 0.1},
    {"switch", Method::Resistance, 0.05}, {"contacts", Method::Resistance, 0.05},
    {"plug", Method::Resistance, 0.05}, {"jack", Method::Resistance, 0.05},
    {"connector", Method::Resistance, 0.05},
    {"voice coil", Method::Resistance, 7}, {"correction transformer", Method::Resistance, 12},
    {"flyback", Method::Resistance, 1.2}, {"heater", Method::Resistance, 2},
    {"cathodes", Method::Resistance, kOpen}, // cathode to heater, cold: a short here is a tube fault
    {"transformer", Method::Aligned, 1.5}, {"coil", Method::Aligned, 1.5},
    {"fusible", Method::Resistance, 1}, {"fuse", Method::Resistance, 0.05},
    {"surge", Method::Resistance, 4.7}, {"start-up", Method::Resistance, 220e3},
    {"sample divider", Method::Resistance, 1e6}, {"sense resistor", Method::Resistance, 47e3},
    {"timing resistor", Method::Resistance, 22e3}, {"bias resistor", Method::Resistance, 10e3},
    {"load resistor", Method::Resistance, 12e3}, {"terminating", Method::Resistance, 1.5e3},
    {"limiter", Method::Resistance, 100}, {"dropping", Method::Resistance, 2.2e3},
    {"resistor", Method::Resistance, 1e3},
    {"control", Method::Resistance, 10e3}, {"track", Method::Resistance, 10e3},
};

// What a capacitor is marked, in microfarads, by its stage where its name alone does not say; electrolytic
// ones are read for ESR too.
struct CapacitorRow
{
    const char* stage; // null: any stage
    const char* part;
    double microfarads;
    bool electrolytic;
};

constexpr CapacitorRow kCapacitors[] = {
    {"low-voltage-supply", "filter capacitors", 330, true},
    {"linear-supply", "filter capacitors", 1000, true},
    {"scan-derived-supply", "filter capacitors", 220, true},
    {"horizontal-afc", "filter capacitors", 0.47, false},
    {"horizontal-driver", "filter capacitor", 47, true},
    {nullptr, "filter capacitor", 10, true},
    {nullptr, "filter capacitors", 1, true},
    {"vertical-amplifier", "coupling capacitor", 1000, true},
    {"video-amplifier", "coupling capacitor", 10, true},
    {"burst-gate", "coupling capacitor", 0.001, false},
    {"color-oscillator", "coupling capacitor", 0.0001, false},
    {"sync-separator", "coupling capacitors", 0.47, false},
    {"vertical-oscillator", "coupling capacitors", 4.7, true},
    {"color-demodulators", "coupling capacitors", 0.1, false},
    {nullptr, "coupling capacitors", 0.01, false},
    {nullptr, "feedback capacitor", 100, true},
    {nullptr, "retrace boost capacitor", 100, true},
    {nullptr, "speaker coupling capacitor", 1000, true},
    {nullptr, "emitter bypass capacitor", 100, true},
    {nullptr, "small electrolytic capacitors", 47, true},
    {nullptr, "decoupling capacitors", 47, true},
    {nullptr, "RF AGC line capacitors", 10, true},
    {nullptr, "AGC line capacitors", 4.7, true},
    {nullptr, "output line capacitors", 1, true},
    {"vertical-oscillator", "timing capacitors", 0.47, false},
    {nullptr, "timing capacitors", 0.0047, false},
    {nullptr, "retrace capacitors", 0.0082, false},
    {nullptr, "capacitors around it", 0.0047, false},
    {"pincushion", "capacitors", 1, false},
    {nullptr, "capacitors", 0.0001, false},
    {nullptr, "reference coupling capacitor", 0.0001, false},
};
// clang-format on

template <typename Row> const Row* firstOf(std::span<const Row> rows, auto matches)
{
    const auto found = std::ranges::find_if(rows, matches);
    return found == rows.end() ? nullptr : &*found;
}

const KindRow& kindOf(const QString& part)
{
    static constexpr KindRow kUnknown{"", Method::InCircuit};
    const KindRow* row = firstOf<KindRow>(kKinds, [&part](const KindRow& k) {
        return part.contains(QLatin1String(k.word), Qt::CaseSensitive);
    });
    return row ? *row : kUnknown;
}

CapacitorRow capacitorOf(QAnyStringView stage, const QString& part)
{
    const CapacitorRow* row = firstOf<CapacitorRow>(kCapacitors, [&](const CapacitorRow& c) {
        return part == QLatin1String(c.part) && (!c.stage || stage == QAnyStringView(c.stage));
    });
    return row ? *row : CapacitorRow{nullptr, "", 0.1, false};
}

// The range of a 3½-digit meter that shows `value` with the most figures: 2, 20, 200 or 2000 of its unit.
double rangeFor(double value)
{
    for (const double range : {2.0, 20.0, 200.0})
        if (value < range * 0.95)
            return range;
    return 2000;
}

// A face in ohms or kilohms, ranged for a good part's reading.
MeterFace ohmsFace(double ohms, double good)
{
    const bool kilo = std::isfinite(good) ? good >= 1000 : true;
    const double scale = kilo ? 1e-3 : 1;
    const double range = std::isfinite(good) ? rangeFor(good * scale) : 2000;
    return MeterFace{MeterKind::Ohms, ohms * scale, range, QString::fromUtf8(kilo ? "kΩ" : "Ω")};
}

// A face in microfarads, or in nanofarads below one microfarad.
MeterFace capacitanceFace(double microfarads, double marked)
{
    const bool nano = marked < 1;
    const double scale = nano ? 1000 : 1;
    return MeterFace{MeterKind::Capacitance, microfarads * scale, rangeFor(marked * scale),
                     QString::fromUtf8(nano ? "nF" : "µF")};
}

MeterFace junctionFace(double volts)
{
    return MeterFace{MeterKind::DiodeTest, volts, 2, QStringLiteral("V")};
}

QString figure(const MeterFace& face)
{
    const QString shown = meterFigure(face);
    return shown == QLatin1String("OL") ? shown : shown + QLatin1Char(' ') + face.unit;
}

// An electrolytic's ESR when good: a fraction of an ohm on a large one, a few ohms on a small one.
double goodEsr(double microfarads)
{
    return microfarads >= 470 ? 0.1 : microfarads >= 100 ? 0.3 : microfarads >= 10 ? 1.5 : 4;
}

void checkCapacitor(PartCheck& c, QAnyStringView stage, QLatin1StringView failure)
{
    const CapacitorRow cap = capacitorOf(stage, c.part);
    c.how = cap.electrolytic ? QStringLiteral("out of circuit, power off, on a capacitance meter and an ESR meter")
                             : QStringLiteral("out of circuit, power off, on a capacitance meter");
    double now = cap.microfarads;
    double esr = goodEsr(cap.microfarads);
    QString ohmmeter = QStringLiteral("the ohmmeter charges it and then reads open");
    if (c.failed) {
        if (failure == QLatin1String("dried"))
            now *= 0.3, esr *= 20;
        else if (failure == QLatin1String("open"))
            now = 0, esr = kOpen;
        else if (failure == QLatin1String("drifted"))
            now *= 0.75;
        else if (failure == QLatin1String("shorted"))
            now = kOpen, esr = 0, ohmmeter = QStringLiteral("the ohmmeter reads near 0 Ω both ways round");
        else if (failure == QLatin1String("leaky"))
            ohmmeter = QStringLiteral("the ohmmeter reads a few kΩ and stays there");
    }
    c.shows.meter = capacitanceFace(now, cap.microfarads);
    c.good.meter = capacitanceFace(cap.microfarads, cap.microfarads);
    const auto esrText = [](double ohms) {
        return std::isfinite(ohms) ? QStringLiteral("ESR about %1 Ω").arg(ohms) : QStringLiteral("ESR OL");
    };
    QString said = figure(*c.shows.meter);
    if (cap.electrolytic)
        said += QStringLiteral(", ") + esrText(esr);
    // An ohmmeter reads a good capacitor open once it has charged: it cannot tell an open one.
    c.finding = QStringLiteral("%1; %2 (a good one: about %3%4, and the ohmmeter reads open once it has charged, "
                               "as it does on an open one)")
                    .arg(said, ohmmeter, figure(*c.good.meter),
                         cap.electrolytic ? QStringLiteral(", ") + esrText(goodEsr(cap.microfarads)) : QString());
}

void checkJunctions(PartCheck& c, QLatin1StringView failure)
{
    c.how = QStringLiteral("out of circuit, power off, on the meter's diode test");
    const bool transistor = c.part.contains(QLatin1String("transistor"));
    const bool scr = c.part.contains(QLatin1String("SCR"));
    const QString good = transistor ? QStringLiteral("base to emitter and base to collector each about 0.6 V one way "
                                                     "and OL the other, collector to emitter OL both ways")
                         : scr      ? QStringLiteral("gate to cathode about 0.6 V one way, anode to cathode OL both "
                                                     "ways")
                                    : QStringLiteral("about 0.6 V forward and OL reversed");
    const QString across = transistor ? QStringLiteral("collector to emitter") : scr ? QStringLiteral("anode to cathode")
                                                                                      : QStringLiteral("across it");
    double now = 0.6, beside = 0.6;
    QString said = good;
    if (c.failed) {
        if (failure == QLatin1String("shorted")) {
            now = 0, beside = kOpen;
            said = QStringLiteral("%1 0.00 V both ways round").arg(across);
        } else if (failure == QLatin1String("leaky")) {
            now = 0.35, beside = kOpen;
            said = QStringLiteral("%1 about 0.35 V reversed, where it should read OL").arg(across);
        } else if (failure == QLatin1String("weak")) {
            said = QStringLiteral("its junctions read as a good one's, as a weak one's often do; on a transistor "
                                  "tester its gain is a fraction of its type's");
        } else {
            now = kOpen;
            said = QStringLiteral("OL both ways round, where a junction should read about 0.6 V one way");
        }
    }
    c.shows.meter = junctionFace(now);
    c.good.meter = junctionFace(beside);
    c.finding = QStringLiteral("%1 (a good one: %2)").arg(said, good);
}

void checkResistance(PartCheck& c, double good, QLatin1StringView failure)
{
    c.how = QStringLiteral("out of circuit, power off, on the ohmmeter");
    double now = good;
    QString more;
    if (c.failed) {
        const bool wound = c.part.contains(QLatin1String("transformer")) ||
                           c.part.contains(QLatin1String("winding")) || c.part.contains(QLatin1String("coil")) ||
                           c.part.contains(QLatin1String("flyback"));
        if (failure == QLatin1String("open") || failure == QLatin1String("dead"))
            now = kOpen;
        else if (failure == QLatin1String("drifted"))
            now = good * 1.6;
        else if (failure == QLatin1String("shorted") && wound) {
            // A shorted turn or two leave a winding's resistance all but unchanged.
            now = good * 0.95;
            more = QStringLiteral("; shorted turns hide from the ohmmeter: a ring tester finds them");
            if (c.part.contains(QLatin1String("correction transformer")))
                more += QStringLiteral(". Its control winding sits where the line windings' flux cancels, so it "
                                       "loads nothing of the line scan: the width and the high voltage stay");
        } else if (failure == QLatin1String("shorted") || failure == QLatin1String("leaky"))
            now = std::isfinite(good) ? good * 0.01 : 4.7e3;
        else if (failure == QLatin1String("low emission"))
            more = QStringLiteral("; a worn cathode hides from the ohmmeter: a tube tester reads its gun's emission "
                                  "well below the other two's");
    }
    c.shows.meter = ohmsFace(now, good);
    c.good.meter = ohmsFace(good, good);
    c.finding = QStringLiteral("%1 (a good one: %2)%3").arg(figure(*c.shows.meter), figure(*c.good.meter), more);
}

} // namespace

PartCheck Set::check(QAnyStringView stage, const QString& part) const
{
    PartCheck c;
    c.part = part;
    c.failed = m_fault && QAnyStringView(m_fault->stage) == stage && part == QLatin1String(m_fault->part);
    const QLatin1StringView failure(c.failed ? m_fault->failure : "");
    const std::optional<Reading> output = measure(stage);
    // A control's setting is judged by its effect, running, and read against the service data's.
    if (part == QLatin1String("setting")) {
        c.how = QStringLiteral("by its effect, the set running, against the service data");
        c.running = true;
        c.points = {stage.toString()};
        c.finding = c.failed ? QStringLiteral("found %1, against the service data").arg(failure)
                             : QStringLiteral("as the service data set it");
        if (output)
            c.shows = output->shows, c.good = output->working;
        return c;
    }
    const KindRow& kind = kindOf(part);
    switch (kind.method) {
    case Method::Capacitance:
        checkCapacitor(c, stage, failure);
        break;
    case Method::Junctions:
        checkJunctions(c, failure);
        break;
    case Method::Resistance:
        checkResistance(c, kind.good, failure);
        break;
    case Method::Aligned:
        if (std::isfinite(kind.good)) {
            checkResistance(c, kind.good, failure == QLatin1String("open") ? failure : QLatin1StringView());
            c.how = QStringLiteral("its continuity on the ohmmeter, power off; then, plugged in again, realigned "
                                   "in circuit with the stage's output on the scope");
        } else {
            c.how = QStringLiteral("in circuit, the set running, with the oscillator's correction held");
            c.running = true;
            c.points = {stage.toString()};
            if (output)
                c.shows = output->shows, c.good = output->working;
        }
        c.finding += (c.finding.isEmpty() ? QString() : QStringLiteral("; "));
        c.finding += !c.failed ? QStringLiteral("it sits at its peak: a turn either way only makes the output worse")
                     : failure == QLatin1String("open")
                         ? QStringLiteral("turned through its travel it finds no peak: nothing passes it")
                         : QStringLiteral("turned through its travel it finds a peak well away from where it sat, and "
                                          "set there the stage's output is a working set's again");
        break;
    case Method::InCircuit: {
        c.how = QStringLiteral("in circuit, the set running; then a known-good one fitted");
        c.running = true;
        c.points = {stage.toString()};
        if (output)
            c.shows = output->shows, c.good = output->working;
        QString feeding;
        // An IC is judged by its supply pin, its input and its output; the tripler by the flyback's pulse
        // and the anode.
        if (const StageRow* row = findStage(stage)) {
            const auto feed = std::ranges::find_if(row->needs, [&](const Need& n) {
                return n.stage && (n.link == Link::Supply || n.link == Link::Flyback);
            });
            // A small-signal IC with no rail of its own in the model runs from the low supply.
            const char* from = feed != row->needs.end() ? feed->stage : "linear-supply";
            c.points << QString::fromLatin1(from);
            if (const std::optional<Reading> fed = measure(from)) {
                feeding = QStringLiteral("%1: %2").arg(fed->quantity, fed->now);
                if (!c.shows.meter)
                    c.shows.meter = fed->shows.meter, c.good.meter = fed->working.meter;
                else if (!c.shows.scope)
                    c.shows.scope = fed->shows.scope, c.good.scope = fed->working.scope;
            }
        }
        const bool wrong = output && !output->normal;
        c.finding = QStringLiteral("%1at the stage's output %2 (a working set: %3); %4")
                        .arg(feeding.isEmpty() ? QString() : feeding + QStringLiteral("; "),
                             output ? output->now : QString(), output ? output->typical : QString(),
                             c.failed ? QStringLiteral("a known-good one fitted brings the working output back")
                             : wrong  ? QStringLiteral("a known-good one fitted changes nothing")
                                      : QStringLiteral("as a working set's, nothing to replace"));
        break;
    }
    case Method::Looked:
        c.how = QStringLiteral("by eye, power off");
        c.finding = c.failed ? QStringLiteral("%1, plain to see").arg(failure)
                             : QStringLiteral("whole, no burn, tear or rub to see");
        break;
    }
    return c;
}

} // namespace trainer
