#include "trainer/bench/readinghazards.h"

#include <QStringList>

#include <algorithm>

namespace trainer {

namespace {

// clang-format off
// Keyed by the test point measured: a stage's id for its own output, or a point's id within a stage.
constexpr Hazards kReadings[] = {
    {"ac-mains-input",     {"isolation"}},              // the mains itself, on the meter's AC range
    {"low-voltage-supply", {"isolation", "discharge"}}, // across the main filter capacitor
    {"vertical-amplifier", {"pulses"}},                 // the yoke plug: its horizontal pins beside the vertical
    {"horizontal-output",  {"isolation", "pulses"}},    // the collector's 800 to 1500 V retrace pulses
    {"damper",             {"pulses"}},                 // beside the output collector while the set runs
    {"pincushion",         {"pulses"}},                 // a winding in the line scan's path
    {"horizontal-yoke",    {"pulses"}},                 // the yoke carries the line retrace pulse
    {"hv-regulator",       {"anode"}},                  // the anode cap, on the high-voltage probe
    {"hv-rectifier",       {"anode"}},
    {"picture-tube",       {"anode", "neck"}},          // the anode, grid 2 at the socket, the heater's glow
    // The driver collectors sit on the tube socket board, beside the focus lead and grid 2.
    {"rgb-drivers",        {"neck"}},
    {"red-driver",         {"neck"}},
    {"green-driver",       {"neck"}},
    {"blue-driver",        {"neck"}},
    {"audio-amplifier",    {"btl"}},                    // the speaker leads of a bridge output
    {"loudspeaker",        {"btl"}},
};

// Keyed by fault id: the checks the answer sends the student to make.
constexpr Hazards kFaults[] = {
    {"low-voltage-fusible",       {"discharge"}}, // the supply's parts checked beside the filter capacitor
    {"low-voltage-filter",        {"discharge"}}, // the filter capacitors themselves
    {"horizontal-output-shorted", {"discharge"}}, // collector to emitter, unplugged and discharged
    {"damper-shorted",            {"discharge"}}, // the same check, and a damper lifted
    // The diode checked out of circuit, filter discharged; then the supply run on a dummy load, its switch's
    // pulses and hot primary ground live, and its safety parts replaced only in kind.
    {"regulator-secondary-diode-shorted", {"isolation", "discharge", "parts", "pulses"}},
    {"regulator-startup-resistor-open", {"discharge"}}, // the resistor read out of circuit, filter discharged
    {"flyback-shorted-turns",     {"discharge"}}, // the ring test of the flyback, unplugged and discharged
    // The capacitor and the yoke's leads checked, the yoke plugged back before power goes on, and its plug's
    // pins carrying the line retrace pulse once it does.
    {"s-correction-open",         {"discharge", "yoke", "pulses"}},
    {"hold-down-scr-leaky",       {"anode"}},     // the anode voltage measured first
    {"tripler-open",              {"anode"}},     // no anode voltage: read on the probe
    {"tube-heater-open",          {"neck"}},      // the heater's glow looked for at the neck, set running
    // The tube tester's adapter goes on the neck in place of the socket: the anode discharged first, the neck
    // handled gently.
    {"tube-red-gun-low-emission", {"anode", "implosion"}},
    // The cathode's voltage read at the socket with the set running; heater to cathode read unplugged.
    {"tube-red-gun-heater-short", {"neck", "anode"}},
};
// clang-format on

std::vector<const areanotes::Rule*> rulesFor(std::span<const Hazards> table, QAnyStringView key)
{
    std::vector<const areanotes::Rule*> carried;
    const auto row =
        std::ranges::find_if(table, [key](const Hazards& h) { return key == QAnyStringView(h.key); });
    if (row == table.end())
        return carried;
    for (const areanotes::Rule& rule : areanotes::rules())
        if (std::ranges::any_of(row->rules, [&rule](const char* id) {
                return QAnyStringView(id) == QAnyStringView(rule.id);
            }))
            carried.push_back(&rule);
    return carried;
}

} // namespace

std::span<const Hazards> readingHazards()
{
    return kReadings;
}

std::span<const Hazards> faultHazards()
{
    return kFaults;
}

std::vector<const areanotes::Rule*> onChassis(std::vector<const areanotes::Rule*> rules, bool lineConnected)
{
    if (!lineConnected)
        std::erase_if(rules, [](const areanotes::Rule* r) { return QByteArrayView(r->id) == "isolation"; });
    return rules;
}

std::vector<const areanotes::Rule*> readingRules(QAnyStringView point, bool lineConnected)
{
    return onChassis(rulesFor(kReadings, point), lineConnected);
}

std::vector<const areanotes::Rule*> faultRules(QAnyStringView fault, bool lineConnected)
{
    return onChassis(rulesFor(kFaults, fault), lineConnected);
}

QString safetyLine(const std::vector<const areanotes::Rule*>& rules)
{
    if (rules.empty())
        return {};
    QStringList titles;
    for (const areanotes::Rule* rule : rules)
        titles << QString::fromUtf8(rule->title);
    return QStringLiteral("%1 %2.").arg(QLatin1String(areanotes::kSafety), titles.join(QStringLiteral("; ")));
}

QString safetyText(const std::vector<const areanotes::Rule*>& rules)
{
    QStringList paragraphs;
    for (const areanotes::Rule* rule : rules)
        paragraphs << QStringLiteral("%1 %2. %3")
                          .arg(QLatin1String(areanotes::kSafety), QString::fromUtf8(rule->title),
                               QString::fromUtf8(rule->text));
    return paragraphs.join(QStringLiteral("\n\n"));
}

QString withSafety(const QString& text, const std::vector<const areanotes::Rule*>& rules)
{
    return rules.empty() ? text : text + QLatin1Char('\n') + safetyLine(rules);
}

} // namespace trainer
