// What a bench technician sees with each fault of the catalogue, written from servicing practice: the words
// the symptom must and must not say, the standby light, the readings that must read wrong and those that
// must read as a working set's. The set's model must agree with every row.

#include "trainer/model/appearance.h"
#include "trainer/model/setmodel.h"

#include <QTest>

using namespace trainer;

namespace {
using L = QStringList;

QStringList tabled; // the faults the table has a row for

void row(const char* id, const L& say, const L& notSay, const L& abnormal, const L& normal, bool light = true)
{
    tabled << QString::fromLatin1(id);
    QTest::newRow(id) << QString::fromLatin1(id) << say << notSay << abnormal << normal << light;
}

const L kDead{"dead"};
} // namespace

class tst_benchtable : public QObject
{
    Q_OBJECT
private slots:
    void aTechnicianSees_data();
    void aTechnicianSees();
    void everyFaultHasItsRow();
    void partChecks_data();
    void partChecks();
};

void tst_benchtable::aTechnicianSees_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("say");
    QTest::addColumn<QStringList>("notSay");
    QTest::addColumn<QStringList>("abnormal");
    QTest::addColumn<QStringList>("normal");
    QTest::addColumn<bool>("light");
    // clang-format off
    row("ac-mains-fuse", kDead, {}, {"ac-mains-input", "low-voltage-supply", "switching-supply"}, {"antenna-signal"}, false);
    row("low-voltage-fusible", kDead, {}, {"low-voltage-supply", "voltage-regulator"}, {"ac-mains-input", "switching-supply"});
    row("low-voltage-filter", {"hum"}, {"rolls"}, {"low-voltage-supply"}, {"ac-mains-input", "voltage-regulator"});
    row("regulator-pass-open", kDead, {}, {"voltage-regulator", "horizontal-output", "scan-derived-supply"}, {"low-voltage-supply"});
    row("regulator-startup-resistor-open", {"dead", "standby light is lit"}, {"chirps"}, {"voltage-regulator", "horizontal-output", "scan-derived-supply"}, {"low-voltage-supply", "switching-supply", "ac-mains-input"});
    row("regulator-secondary-diode-shorted", {"dead", "chirps", "standby light is lit"}, {"no sound"}, {"voltage-regulator", "damper", "horizontal-output", "scan-derived-supply"}, {"low-voltage-supply", "switching-supply", "ac-mains-input"});
    row("sync-coupling-leaky", {"rolls", "torn", "black and white"}, {"snow"}, {"sync-separator", "vertical-oscillator", "horizontal-oscillator"}, {"video-amplifier", "noise-canceller"});
    row("vertical-oscillator-stopped", {"horizontal line"}, {}, {"vertical-oscillator", "vertical-amplifier"}, {"sync-separator", "horizontal-output"});
    row("vertical-oscillator-timing", {"rolls"}, {"torn"}, {"vertical-oscillator"}, {"sync-separator", "horizontal-oscillator"});
    row("vertical-hold-misadjusted", {"rolls"}, {"torn"}, {"vertical-hold", "vertical-oscillator"}, {"sync-separator"});
    row("vertical-output-dead", {"horizontal line"}, {}, {"vertical-amplifier", "vertical-yoke"}, {"vertical-amplifier-1", "vertical-oscillator"});
    row("vertical-feedback-dried", {"squeezed"}, {"horizontal line"}, {"vertical-amplifier", "vertical-amplifier-1"}, {"vertical-oscillator"});
    row("vertical-coupling-dried", {"unevenly"}, {"folded"}, {"vertical-amplifier"}, {"vertical-amplifier-1", "vertical-oscillator"});
    row("vertical-boost-capacitor-dried", {"folded"}, {"horizontal line"}, {"vertical-amplifier"}, {"vertical-amplifier-1", "vertical-oscillator"});
    row("vertical-linearity-misadjusted", {"squeezed"}, {}, {"vertical-linearity", "vertical-amplifier"}, {"vertical-oscillator"});
    row("vertical-size-low", {"short"}, {"rolls"}, {"vertical-size", "vertical-amplifier"}, {"vertical-oscillator"});
    row("vertical-yoke-open", {"horizontal line"}, {}, {"vertical-yoke", "vertical-amplifier"}, {"vertical-amplifier-1", "vertical-oscillator"});
    row("horizontal-oscillator-timing", {"slanting bars", "black and white"}, {"screen is dark"}, {"horizontal-oscillator", "horizontal-output"}, {"sync-separator", "hv-rectifier"});
    row("horizontal-hold-misadjusted", {"slanting bars", "black and white"}, {"screen is dark"}, {"horizontal-hold", "horizontal-oscillator"}, {"sync-separator", "hv-rectifier"});
    row("horizontal-driver-open", kDead, {}, {"horizontal-driver", "horizontal-output", "scan-derived-supply"}, {"horizontal-oscillator", "voltage-regulator"});
    row("horizontal-output-shorted", kDead, {}, {"damper", "horizontal-output", "hv-rectifier"}, {"horizontal-driver", "low-voltage-supply", "switching-supply"});
    row("flyback-shorted-turns", kDead, {}, {"damper", "horizontal-output", "hv-rectifier"}, {"horizontal-driver", "low-voltage-supply", "switching-supply"});
    row("s-correction-open", {"vertical line", "sound is normal"}, {"horizontal line", "screen is dark"}, {"horizontal-output"}, {"horizontal-driver", "damper", "hv-rectifier", "scan-derived-supply", "vertical-amplifier"});
    row("damper-shorted", kDead, {}, {"damper", "horizontal-output", "hv-rectifier"}, {"horizontal-driver", "low-voltage-supply", "switching-supply"});
    row("hold-down-scr-leaky", kDead, {}, {"hv-hold-down", "horizontal-driver"}, {"horizontal-oscillator", "voltage-regulator"});
    row("tripler-open", {"screen is dark", "sound is normal"}, {}, {"hv-rectifier", "picture-tube"}, {"horizontal-output", "scan-derived-supply"});
    row("pincushion-transformer-shorted", {"bow"}, {"narrow"}, {"pincushion"}, {"horizontal-output", "vertical-amplifier"});
    row("tube-heater-open", {"screen is dark", "sound is normal"}, {}, {"picture-tube"}, {"hv-rectifier", "horizontal-output"});
    row("tube-red-gun-low-emission", {"reds are dim", "smeared", "cyan", "brightness up"}, {"no red", "screen is dark"}, {"picture-tube"}, {"red-driver", "green-driver", "blue-driver", "hv-rectifier"});
    row("tube-red-gun-heater-short", {"flooded with red", "retrace lines"}, {"no red", "screen is dark"}, {"picture-tube"}, {"green-driver", "blue-driver", "hv-rectifier"});
    row("uhf-mixer-open", {"snow", "hiss"}, {"buzz"}, {"uhf-tuner", "video-detector"}, {"linear-supply", "antenna-signal"});
    row("vhf-rf-weak", {"snow", "hiss"}, {"buzz"}, {"vhf-tuner", "video-detector"}, {"uhf-tuner", "linear-supply"});
    row("first-if-preamplifier-open", {"no picture", "no sound"}, {}, {"first-video-if", "video-detector"}, {"vhf-tuner"});
    row("if-ic-weak", {"faint", "a little snow", "hiss"}, {"buzz", "no snow"}, {"video-if-amplifiers", "video-detector"}, {"first-video-if"});
    row("video-detector-coil-mistuned", {"bars", "buzz"}, {"snow"}, {"video-detector"}, {"video-if-amplifiers"});
    row("agc-control-high", {"negative", "buzz"}, {"torn", "hold", "snow"}, {"agc", "video-if-amplifiers"}, {"antenna-signal", "linear-supply"});
    row("agc-control-low", {"snow", "hiss"}, {"buzz"}, {"agc", "delayed-agc", "vhf-tuner"}, {"antenna-signal"});
    row("sound-takeoff-open", {"no sound"}, {"snow"}, {"sound-if-detector", "audio-amplifier"}, {"video-detector"});
    row("sound-if-ic-dead", {"no sound"}, {}, {"sound-if-amplifier"}, {"sound-if-detector"});
    row("sound-detector-mistuned", {"buzz"}, {}, {"sound-detector"}, {"sound-if-amplifier"});
    row("audio-ic-dead", {"no sound"}, {}, {"audio-amplifier"}, {"sound-detector", "scan-derived-supply"});
    row("speaker-voice-coil-open", {"no sound"}, {}, {"loudspeaker"}, {"audio-amplifier"});
    row("speaker-cone-torn", {"distorted"}, {}, {"loudspeaker"}, {"audio-amplifier"});
    row("comb-amplifier-open", {"detail"}, {"carries no picture"}, {"comb-filter", "third-video-amplifier"}, {"chroma-amplifiers", "video-amplifier"});
    row("contrast-low", {"faint", "retrace", "no snow"}, {"buried in snow", "a little snow"}, {"contrast-control", "third-video-amplifier"}, {"video-amplifier", "chroma-amplifiers"});
    row("delay-line-termination-open", {"ghost"}, {"smeared"}, {"delay-line"}, {"comb-filter"});
    row("third-video-open", {"detail"}, {"carries no picture"}, {"third-video-amplifier"}, {"delay-line", "chroma-amplifiers"});
    row("brightness-high", {"too bright"}, {}, {"brightness-control", "third-video-amplifier"}, {"delay-line"});
    row("chroma-ic-dead", {"black and white"}, {}, {"chroma-amplifiers", "color-demodulators"}, {"burst-gate", "color-oscillator"});
    row("color-control-low", {"black and white"}, {}, {"color-control", "chroma-amplifiers"}, {"burst-gate"});
    row("acc-diodes-open", {"black and white"}, {}, {"acc", "chroma-amplifiers"}, {"burst-gate"});
    row("acc-control-low", {"black and white"}, {}, {"acc-control", "acc"}, {"burst-gate"});
    row("killer-transistor-leaky", {"black and white"}, {}, {"color-killer", "chroma-amplifiers"}, {"burst-gate", "color-oscillator"});
    row("killer-control-misadjusted", {"black and white"}, {}, {"color-killer-control", "color-killer"}, {"burst-gate"});
    row("burst-transformer-detuned", {"drift", "rainbow"}, {"black and white"}, {"burst-gate", "color-phase-detector", "color-oscillator"}, {"color-killer", "comb-filter", "horizontal-output"});
    row("phase-detector-diodes-leaky", {"rainbow"}, {"black and white"}, {"color-phase-detector", "color-oscillator"}, {"burst-gate"});
    row("oscillator-crystal-dead", {"black and white"}, {}, {"color-oscillator", "color-demodulators"}, {"burst-gate", "chroma-amplifiers"});
    row("oscillator-trimmer-drifted", {"rainbow"}, {"black and white"}, {"color-oscillator"}, {"burst-gate"});
    // The Tint control turns both references together: on a dual-trace check they stay 90 degrees apart.
    row("tint-misadjusted", {"every hue"}, {"black and white"}, {"tint-control", "color-demodulators"}, {"color-oscillator", "phase-shift-network"});
    row("phase-shift-feed-open", {"black and white"}, {"every hue"}, {"phase-shift-network", "color-demodulators"}, {"color-oscillator", "burst-gate", "color-killer"});
    row("demodulator-ic-dead", {"black and white"}, {}, {"color-demodulators"}, {"chroma-amplifiers"});
    row("r-y-demodulator-dead", {"reds", "grey"}, {"every hue"}, {"color-demodulators"}, {"chroma-amplifiers", "phase-shift-network"});
    row("g-y-matrix-dead", {"greens", "grey"}, {"every hue"}, {"color-demodulators"}, {"chroma-amplifiers", "phase-shift-network"});
    row("b-y-demodulator-dead", {"blues", "grey"}, {"every hue"}, {"color-demodulators"}, {"chroma-amplifiers", "phase-shift-network"});
    row("red-driver-open", {"no red"}, {}, {"red-driver"}, {"green-driver", "blue-driver", "third-video-amplifier"});
    row("green-driver-open", {"no green"}, {}, {"green-driver"}, {"red-driver", "blue-driver"});
    row("blue-driver-open", {"no blue"}, {}, {"blue-driver"}, {"red-driver", "green-driver"});
    // clang-format on
}

void tst_benchtable::aTechnicianSees()
{
    QFETCH(QString, id);
    QFETCH(QStringList, say);
    QFETCH(QStringList, notSay);
    QFETCH(QStringList, abnormal);
    QFETCH(QStringList, normal);
    QFETCH(bool, light);
    const Fault* fault = findFault(id);
    QVERIFY2(fault, qPrintable(id));
    const Set set(fault);
    const Appearance a = set.appearance();
    const QString words = describe(a);
    for (const QString& w : say)
        QVERIFY2(words.contains(w, Qt::CaseInsensitive), qPrintable(w + " | " + words));
    for (const QString& w : notSay)
        QVERIFY2(!words.contains(w, Qt::CaseInsensitive), qPrintable(w + " | " + words));
    QCOMPARE(a.standbyLight, light);
    for (const QString& point : abnormal)
        QVERIFY2(!set.measure(point)->normal, qPrintable(point));
    for (const QString& point : normal)
        QVERIFY2(set.measure(point)->normal, qPrintable(point));
}

// A fault added to the catalogue without its row is a lesson nobody checked.
void tst_benchtable::everyFaultHasItsRow()
{
    QVERIFY(!tabled.isEmpty());
    for (const Fault& f : faults())
        QVERIFY2(tabled.contains(QString::fromLatin1(f.id)), f.id);
}

// How a bench checks each kind of part: the meter that measures it, or in circuit and by substitution, and
// what the failed part and a good one of its kind read there.
void tst_benchtable::partChecks_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("part"); // the part checked: the failed one, or a good one beside it
    QTest::addColumn<int>("kind");     // the meter on the face, or -1 for none
    QTest::addColumn<QString>("how");
    QTest::addColumn<QString>("says");
    const auto row = [](const char* id, const char* part, int kind, const char* how, const char* says) {
        QTest::addRow("%s: %s", id, part) << QString::fromLatin1(id) << QString::fromUtf8(part) << kind
                                          << QString::fromUtf8(how) << QString::fromUtf8(says);
    };
    const int capacitance = int(MeterKind::Capacitance), diode = int(MeterKind::DiodeTest),
              ohms = int(MeterKind::Ohms), kv = int(MeterKind::Kilovolts), dc = int(MeterKind::DcVolts);
    // clang-format off
    // An open capacitor reads open on the ohmmeter as a good one does: the capacitance meter finds it.
    row("phase-shift-feed-open", "reference coupling capacitor", capacitance, "capacitance meter", "0.000 nF");
    row("vertical-coupling-dried", "coupling capacitor", capacitance, "ESR meter", "ESR about 2 Ω");
    row("vertical-coupling-dried", "retrace boost capacitor", capacitance, "ESR meter", "about 100.0 µF, ESR about 0.3 Ω");
    row("sync-coupling-leaky", "coupling capacitors", capacitance, "capacitance meter", "a few kΩ");
    // The tripler: the anode read with the flyback's pulse there, then a known-good one fitted.
    row("tripler-open", "tripler", kv, "in circuit, the set running", "known-good one fitted brings");
    // ICs judged in circuit by what feeds them and what they give, then substituted; never dead power off.
    row("chroma-ic-dead", "chroma IC", dc, "in circuit, the set running", "known-good one fitted brings");
    row("if-ic-weak", "IF IC", dc, "then a known-good one fitted", "known-good one fitted brings");
    row("audio-ic-dead", "output IC", dc, "in circuit", "Scan-derived supplies");
    // A section inside an IC is no part of its own: the IC is judged and replaced whole.
    row("r-y-demodulator-dead", "demodulator IC", dc, "in circuit, the set running", "known-good one fitted brings");
    row("oscillator-crystal-dead", "crystal", dc, "known-good one fitted", "known-good one fitted brings");
    row("oscillator-crystal-dead", "trimmer capacitor", -1, "in circuit", "at its peak");
    // Coils are realigned in circuit; an open one is found on the ohmmeter.
    row("video-detector-coil-mistuned", "detector coil", ohms, "realigned in circuit", "finds a peak well away");
    row("sound-takeoff-open", "takeoff coil", ohms, "continuity on the ohmmeter", "OL (a good one: 1.500 Ω); turned through its travel it finds no peak");
    row("burst-transformer-detuned", "burst transformer", ohms, "realigned in circuit", "finds a peak");
    // A good transistor's junctions read as diodes; a shorted one 0 V across, an open one OL.
    row("horizontal-output-shorted", "output transistor", diode, "diode test", "collector to emitter 0.00 V both ways");
    row("horizontal-driver-open", "driver transistor", diode, "diode test", "OL both ways");
    row("red-driver-open", "green driver transistor", diode, "diode test", "base to emitter and base to collector each about 0.6 V");
    row("hold-down-scr-leaky", "SCR", diode, "diode test", "anode to cathode about 0.35 V reversed");
    row("vhf-rf-weak", "mixer transistor", diode, "diode test", "gain is a fraction");
    row("ac-mains-fuse", "fuse", ohms, "ohmmeter", "OL");
    row("vertical-yoke-open", "plug", ohms, "ohmmeter", "0.050 Ω");
    row("speaker-cone-torn", "cone", -1, "by eye", "torn");
    // clang-format on
}

void tst_benchtable::partChecks()
{
    QFETCH(QString, id);
    QFETCH(QString, part);
    QFETCH(int, kind);
    QFETCH(QString, how);
    QFETCH(QString, says);
    const Fault* fault = findFault(id);
    QVERIFY2(fault && Set(fault).parts(fault->stage).contains(part), qPrintable(id));
    const PartCheck check = Set(fault).check(fault->stage, part);
    QCOMPARE(check.failed, part == QString::fromUtf8(fault->part));
    QCOMPARE(check.shows.meter ? int(check.shows.meter->kind) : -1, kind);
    QVERIFY2(check.how.contains(how), qPrintable(check.how));
    QVERIFY2(check.finding.contains(says), qPrintable(check.finding));
    QVERIFY2(!check.finding.contains(QLatin1String("checks good")), qPrintable(check.finding));
    // A failed part reads otherwise than a good one on the meter or the scope, unless what finds it is not
    // a figure (a weak transistor's gain, a coil's peak, a leaky capacitor on the ohmmeter).
    const auto differs = [](const auto& a, const auto& b) { return bool(a) && !(a->value == b->value); };
    const bool traced = check.shows.scope && (check.shows.scope->wave != check.good.scope->wave ||
                                              check.shows.scope->peakToPeak != check.good.scope->peakToPeak);
    const bool notAFigure = says.contains(QLatin1String("gain")) || says.contains(u"few kΩ") ||
                            how.contains(QLatin1String("realigned"));
    if (check.failed && !notAFigure && (check.shows.meter || check.shows.scope))
        QVERIFY2(differs(check.shows.meter, check.good.meter) || traced, qPrintable(check.finding));
}

QTEST_GUILESS_MAIN(tst_benchtable)
#include "tst_benchtable.moc"
