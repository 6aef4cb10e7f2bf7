// The trainer's set: every fault works through the stages' needs, the loops hold, the half-split search
// finds the faulty stage from the readings, and the catalogue keeps to the stages and parts of the notes.

#include "diagrams/areanotes.h"
#include "trainer/exercise/search.h"
#include "trainer/model/setmodel.h"

#include <QHash>
#include <QSet>
#include <QTest>

#include <cmath>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)

namespace {
// The stage and every stage it needs, directly or through others; only through strict needs if asked.
QSet<QString> withNeeds(const QString& stage, bool strictOnly = false)
{
    QSet<QString> all{stage};
    for (const QString& need : strictOnly ? strictNeeds(stage) : needs(stage))
        all.unite(withNeeds(need, strictOnly));
    return all;
}

const Fault& fault(const QString& id)
{
    const Fault* found = findFault(id);
    if (!found)
        qFatal("no fault %s", qPrintable(id));
    return *found;
}

// Measures where the remaining suspects split most evenly, on the set's own readings, until one is left: a
// faulty reading keeps the suspects the stage needs and the loads that can pull them down, a good one
// clears those it strictly needs. Gives what is
// left and how many measurements it took.
std::pair<QStringList, int> search(const Set& set, QStringList left)
{
    int measured = 0;
    while (left.size() > 1) {
        QStringList bestIn, bestOut;
        QString where;
        for (const QString& stage : stages()) {
            QStringList in, out;
            static QHash<QString, std::pair<QSet<QString>, QSet<QString>>> known;
            if (!known.contains(stage))
                known.insert(stage, {keptByFaultyReading(stage), withNeeds(stage, true)});
            const auto& [upstream, strictly] = known[stage];
            for (const QString& suspect : left) {
                if (upstream.contains(suspect))
                    in << suspect;
                if (!strictly.contains(suspect))
                    out << suspect;
            }
            if (where.isEmpty() ||
                std::max(in.size(), out.size()) < std::max(bestIn.size(), bestOut.size())) {
                where = stage;
                bestIn = in;
                bestOut = out;
            }
        }
        if (std::max(bestIn.size(), bestOut.size()) == left.size())
            break; // nothing tells them apart
        ++measured;
        left = set.measure(where)->normal ? bestOut : bestIn;
    }
    return {left, measured};
}

// The stage a fault's load acts back on (the supply its short pulls down, the drive its open load leaves);
// empty where it acts on none.
QString actedOn(const Fault& f)
{
    const Set set(&f);
    for (const QString& stage : stages())
        if (loadedBy(stage).contains(QString::fromLatin1(f.stage)) && set.output(stage) != Output::Good &&
            !withNeeds(stage).contains(QString::fromLatin1(f.stage)))
            return stage;
    return {};
}

// Whether two sets read alike at every stage.
bool readAlike(const Set& a, const Set& b)
{
    for (const QString& stage : stages())
        if (a.measure(stage)->now != b.measure(stage)->now)
            return false;
    return true;
}

// Whether two stages share a rail as its supply or its loads: with the rail read low, no powered reading
// tells a failed supply from a shorted load.
bool shareRail(const QString& a, const QString& b)
{
    for (const QString& rail : stages()) {
        const QStringList group = loadedBy(rail) << rail;
        if (group.contains(a) && group.contains(b))
            return true;
    }
    return false;
}

void addFaultRows()
{
    QTest::addColumn<QString>("id");
    for (const Fault& f : faults())
        QTest::newRow(f.id) << QString::fromLatin1(f.id);
}
} // namespace

class tst_setmodel : public QObject
{
    Q_OBJECT
private slots:
    void everyDiagramAreaIsAStage();
    void aWorkingSetReadsNormal();
    void faultStaysDownstream_data();
    void faultStaysDownstream();
    void loops_data();
    void loops();
    void looks_data();
    void looks();
    void halfSplitFindsTheStage_data();
    void halfSplitFindsTheStage();
    void partsOfTheNote_data();
    void partsOfTheNote();
    void everyMarkedStageHasAFault();
    void oneShortReadsTheSame();
    void instruments_data();
    void instruments();
    void ohmmeter_data();
    void ohmmeter();
};

void tst_setmodel::everyDiagramAreaIsAStage()
{
    QSet<QString> onDiagrams;
    for (const areanotes::Place& place : areanotes::places())
        if (QByteArray(place.screen) == "frmLVPower" || QByteArray(place.screen) == "frmFront" ||
            QByteArray(place.screen) == "frmColor")
            onDiagrams.insert(QString::fromLatin1(place.id));
    const QStringList all = stages();
    QCOMPARE(QSet<QString>(all.begin(), all.end()), onDiagrams);
    for (const QString& stage : all)
        for (const QString& need : needs(stage))
            QVERIFY2(all.contains(need), qPrintable(stage + " needs " + need));
}

void tst_setmodel::aWorkingSetReadsNormal()
{
    const Set set;
    QCOMPARE(set.appearance(), Appearance{});
    for (const QString& stage : stages()) {
        const std::optional<Reading> reading = set.measure(stage);
        QVERIFY2(reading && reading->normal, qPrintable(stage));
        QCOMPARE(reading->now, reading->typical);
        QVERIFY2(!reading->quantity.isEmpty() && !reading->instrument.isEmpty() && !reading->where.isEmpty(),
                 qPrintable(stage));
        QVERIFY2(set.parts(stage).size() >= 2, qPrintable(stage)); // a choice to make among the culprits
    }
    QVERIFY(!set.measure(u"no-such-stage"));
}

void tst_setmodel::faultStaysDownstream_data()
{
    addFaultRows();
}

// Every stage that strictly needs the faulty one reads faulty, and only stages that need it (or the stage
// its load acts back on) do; everything it needs reads as a working set's but what that load pulls down.
void tst_setmodel::faultStaysDownstream()
{
    QFETCH(QString, id);
    const Fault& f = fault(id);
    const Set set(&f);
    QVERIFY(!set.measure(f.stage)->normal);
    QCOMPARE(set.output(f.stage), f.output);
    QVERIFY(set.appearance() != Appearance{});
    const QSet<QString> upstream = withNeeds(f.stage) - QSet<QString>{f.stage};
    const QString acted = actedOn(f);
    for (const QString& stage : stages()) {
        const Reading reading = *set.measure(stage);
        const bool pulled = !acted.isEmpty() && withNeeds(stage).contains(acted);
        QCOMPARE(reading.normal, set.output(stage) == Output::Good);
        QCOMPARE(reading.now == reading.typical, reading.normal);
        if (upstream.contains(stage) && !pulled)
            QVERIFY2(reading.normal, qPrintable(stage + " is upstream"));
        if (!reading.normal)
            QVERIFY2(withNeeds(stage).contains(f.stage) || pulled, qPrintable(stage + " reads faulty"));
        if (withNeeds(stage, true).contains(f.stage))
            QVERIFY2(!reading.normal, qPrintable(stage + " reads good"));
    }
}

void tst_setmodel::loops_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("lost");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("shorted output pulls the B+ down and takes the derived supplies, HV and tube")
        << "horizontal-output-shorted"
        << QStringList{"damper",       "scan-derived-supply", "hv-rectifier",   "picture-tube",
                       "vertical-amplifier", "audio-amplifier", "rgb-drivers"}
        << QStringList{"voltage-regulator", "low-voltage-supply", "linear-supply", "switching-supply"};
    QTest::newRow("open yoke: the output stage loses its load, its drive stays")
        << "vertical-yoke-open" << QStringList{"vertical-yoke"}
        << QStringList{"vertical-amplifier-1", "vertical-oscillator", "scan-derived-supply"};
    QTest::newRow("open output IC: the 1st amplifier's drive stays")
        << "vertical-output-dead" << QStringList{"vertical-amplifier", "vertical-yoke"}
        << QStringList{"vertical-amplifier-1"};
    QTest::newRow("lost burst: the killer cuts the chroma")
        << "horizontal-hold-misadjusted"
        << QStringList{"color-killer", "chroma-amplifiers", "color-demodulators"}
        << QStringList{"comb-filter", "third-video-amplifier", "color-control"};
    QTest::newRow("scan out of step: the gate misses the burst")
        << "horizontal-oscillator-timing" << QStringList{"burst-gate", "color-killer"}
        << QStringList{"scan-derived-supply", "hv-rectifier", "picture-tube"};
    QTest::newRow("red driver: only its own collector")
        << "red-driver-open" << QStringList{"rgb-drivers"} << QStringList{"green-driver", "blue-driver"};
    QTest::newRow("hold-down stops the horizontal stage")
        << "hold-down-scr-leaky"
        << QStringList{"horizontal-driver", "horizontal-output", "scan-derived-supply"}
        << QStringList{"horizontal-oscillator", "voltage-regulator"};
    QTest::newRow("open tripler darkens only the tube")
        << "tripler-open" << QStringList{"picture-tube"}
        << QStringList{"horizontal-output", "scan-derived-supply", "loudspeaker", "rgb-drivers"};
    QTest::newRow("tube needs its heater though HV is there")
        << "tube-heater-open" << QStringList{"picture-tube"}
        << QStringList{"hv-rectifier", "horizontal-output"};
    QTest::newRow("no regulated B+, no horizontal stage")
        << "regulator-pass-open" << QStringList{"damper", "horizontal-output", "scan-derived-supply"}
        << QStringList{"low-voltage-supply", "linear-supply"};
}

void tst_setmodel::loops()
{
    QFETCH(QString, id);
    QFETCH(QStringList, lost);
    QFETCH(QStringList, kept);
    const Set set(&fault(id));
    for (const QString& stage : lost)
        QVERIFY2(set.output(stage) == Output::Missing || !set.measure(stage)->normal, qPrintable(stage));
    for (const QString& stage : kept)
        QVERIFY2(set.measure(stage)->normal, qPrintable(stage));
}

void tst_setmodel::looks_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<Appearance>("expected");
    QTest::newRow("dead set, standby light on") << "horizontal-output-shorted" << Appearance{.power = Power::Dead};
    QTest::newRow("dead set, standby light off")
        << "ac-mains-fuse" << Appearance{.power = Power::Dead, .standbyLight = false};
    QTest::newRow("dark screen, sound plays") << "tripler-open" << Appearance{.raster = Raster::None};
    QTest::newRow("oscillator off frequency: torn, the killer cuts the colour")
        << "horizontal-oscillator-timing"
        << Appearance{.horizontal = Horizontal::Tearing, .colour = Colour::None};
    QTest::newRow("single line") << "vertical-yoke-open" << Appearance{.vertical = Vertical::Line};
    QTest::newRow("hum bars and hum, nothing rolls")
        << "low-voltage-filter" << Appearance{.humBars = true, .sound = Sound::Hum};
    QTest::newRow("sync lost: roll and tear, the killer cuts the colour")
        << "sync-coupling-leaky"
        << Appearance{.vertical = Vertical::Roll, .horizontal = Horizontal::Tearing, .colour = Colour::None};
    QTest::newRow("no signal: snow only, hiss, no colour")
        << "uhf-mixer-open"
        << Appearance{.content = Content::SnowOnly, .colour = Colour::None, .sound = Sound::Hiss};
    QTest::newRow("no IF: blank raster, silence")
        << "first-if-preamplifier-open" << Appearance{.content = Content::Blank, .sound = Sound::None};
    QTest::newRow("short, bent picture") << "vertical-size-low" << Appearance{.vertical = Vertical::NonLinear};
    QTest::newRow("bowed sides") << "pincushion-transformer-shorted"
                                 << Appearance{.horizontal = Horizontal::BowedSides};
    QTest::newRow("too bright") << "brightness-high" << Appearance{.raster = Raster::TooBright};
    QTest::newRow("chroma lost") << "chroma-ic-dead" << Appearance{.colour = Colour::None};
    QTest::newRow("burst too weak to hold the oscillator: colours float")
        << "burst-transformer-detuned" << Appearance{.colour = Colour::Unlocked};
    QTest::newRow("dead, the B+ regulator chirping")
        << "regulator-secondary-diode-shorted" << Appearance{.power = Power::Dead, .sound = Sound::Chirp};
    QTest::newRow("luminance lost: colour without detail")
        << "comb-amplifier-open" << Appearance{.content = Content::NoDetail};
    QTest::newRow("red gun cut off") << "red-driver-open" << Appearance{.colour = Colour::NoRed};
    QTest::newRow("silent, picture good") << "speaker-voice-coil-open" << Appearance{.sound = Sound::None};
}

void tst_setmodel::looks()
{
    QFETCH(QString, id);
    QFETCH(Appearance, expected);
    QCOMPARE(Set(&fault(id)).appearance(), expected);
}

void tst_setmodel::halfSplitFindsTheStage_data()
{
    addFaultRows();
}

void tst_setmodel::halfSplitFindsTheStage()
{
    QFETCH(QString, id);
    const Fault& f = fault(id);
    const QStringList left = suspects(f);
    QVERIFY2(left.contains(f.stage), qPrintable(left.join(' ')));
    const int optimum = halfSplitOptimum(f);
    // The fault itself, then every other suspect stage failing outright in its place.
    QByteArrayList others;
    for (const QString& stage : left)
        others << stage.toLatin1();
    bool singledOut = true;
    for (const QByteArray& stage : others) {
        Fault instead{"instead", stage.constData(), "", "", Output::Missing, "", {}};
        const Fault& hidden = stage == f.stage ? f : instead;
        const auto [found, measured] = search(Set(&hidden), left);
        // Stages that read alike everywhere (a short across the same points) stay together, and so do a rail
        // and its loads.
        QVERIFY2(found.contains(QString::fromLatin1(stage)), qPrintable(found.join(' ')));
        for (const QString& other : found) {
            const QByteArray otherId = other.toLatin1();
            Fault there = hidden;
            there.stage = otherId.constData();
            QVERIFY2(other == stage || shareRail(other, stage) || readAlike(Set(&hidden), Set(&there)),
                     qPrintable(stage + " and " + other));
        }
        QVERIFY2(measured <= optimum,
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(stage).arg(measured).arg(optimum)));
        singledOut = singledOut && found.size() == 1;
    }
    // Where the readings single out every suspect, no search does it in fewer readings than halving.
    if (singledOut)
        QVERIFY(optimum >= std::ceil(std::log2(double(left.size()))));
}

void tst_setmodel::partsOfTheNote_data()
{
    addFaultRows();
}

// The failed part is a culprit of its stage; checked out of circuit it alone fails, and the words say so.
void tst_setmodel::partsOfTheNote()
{
    QFETCH(QString, id);
    const Fault& f = fault(id);
    const Set set(&f);
    const QStringList parts = set.parts(f.stage);
    QVERIFY2(parts.contains(QString::fromUtf8(f.part)), qPrintable(parts.join(", ")));
    for (const QString& part : parts) {
        const PartCheck check = set.check(f.stage, part);
        const PartCheck working = Set().check(f.stage, part);
        QCOMPARE(check.failed, part == QString::fromUtf8(f.part));
        QVERIFY(!working.failed);
        // Every part of the stage is checked the same way as on a working set, with its figure beside a good
        // part's: the failed one is told by what it reads, and it reads otherwise than a good one.
        QCOMPARE(check.how, working.how);
        QVERIFY2(!check.how.isEmpty(), qPrintable(part));
        QCOMPARE(bool(check.shows.meter), bool(check.good.meter));
        QCOMPARE(bool(check.shows.scope), bool(check.good.scope));
        if (check.shows.meter)
            QCOMPARE(int(check.shows.meter->kind), int(check.good.meter->kind));
        QVERIFY2(check.shows.meter || check.shows.scope || check.how.startsWith(QLatin1String("by eye")) ||
                     check.how.startsWith(QLatin1String("by its effect")),
                 qPrintable(part));
        if (check.failed)
            QVERIFY2(check.finding != working.finding, qPrintable(check.finding));
    }
    const QString name = faultName(f);
    QVERIFY2(name.startsWith(QString::fromUtf8(areanotes::findArea(f.stage)->title) + ": "),
             qPrintable(name));
    int sameName = 0;
    for (const Fault& other : faults())
        sameName += faultName(other) == name;
    QCOMPARE(sameName, 1);
    QCOMPARE(findFault(id), &f);
}

// Each stage either has a fault or is one that no road of the symptom screens marks in red, or one whose
// failures show as a symptom whose roads do not mark it (the AFC's picture that will not lock, the high-voltage
// regulator's dim picture that swells on bright scenes).
void tst_setmodel::everyMarkedStageHasAFault()
{
    const QSet<QString> unmarked{"linear-supply",
                                 "switching-supply",
                                 "scan-derived-supply",
                                 "noise-canceller",
                                 "horizontal-yoke",
                                 "antenna-signal",
                                 "aft",
                                 "video-amplifier",
                                 "agc",
                                 "delayed-agc",
                                 "blanking-amplifier",
                                 "horizontal-afc",
                                 "hv-regulator"};
    QSet<QString> withFault;
    for (const Fault& f : faults())
        withFault.insert(QString::fromLatin1(f.stage));
    QVERIFY(faults().size() >= 40);
    QCOMPARE(withFault & unmarked, QSet<QString>{});
    const QStringList all = stages();
    QCOMPARE(withFault + unmarked, QSet<QString>(all.begin(), all.end()));
    QVERIFY(!findFault(u"no-such-fault"));
}

// A shorted output transistor and a shorted damper are one short across the same points.
void tst_setmodel::oneShortReadsTheSame()
{
    QVERIFY(readAlike(Set(&fault("horizontal-output-shorted")), Set(&fault("damper-shorted"))));
    QVERIFY(!readAlike(Set(&fault("horizontal-output-shorted")), Set(&fault("horizontal-driver-open"))));
}

void tst_setmodel::instruments_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QString>("point");
    QTest::addColumn<int>("wave");     // the wave the scope shows now
    QTest::addColumn<double>("share"); // its height against a working set's
    QTest::addColumn<int>("distortion");
    QTest::newRow("collector pulse through x100, gone with the drive")
        << "horizontal-driver-open" << "horizontal-output" << int(Wave::Flat) << 0.0 << int(Distortion::None);
    QTest::newRow("weak IF: detected video smaller")
        << "if-ic-weak" << "video-detector" << int(Wave::DetectorOutput) << 0.1 << int(Distortion::None);
    QTest::newRow("mistuned detector: the sound beat on the video")
        << "video-detector-coil-mistuned" << "video-detector" << int(Wave::DetectorOutput) << 1.0
        << int(Distortion::Beat);
    QTest::newRow("dried filter: ripple ten times a working set's")
        << "low-voltage-filter" << "low-voltage-supply" << int(Wave::DcRail) << 10.0 << int(Distortion::Ripple);
    QTest::newRow("open yoke: the output's ramp without its retrace pulse")
        << "vertical-yoke-open" << "vertical-amplifier" << int(Wave::VerticalSawtooth) << 1.0
        << int(Distortion::None);
    QTest::newRow("dead mixer: the IF's own noise at the detector")
        << "uhf-mixer-open" << "video-detector" << int(Wave::Noise) << 0.5 << int(Distortion::None);
}

// The scope at a test point follows the stage's state; on a working set it shows what the service data
// print, with a probe rated for the point.
void tst_setmodel::instruments()
{
    QFETCH(QString, id);
    QFETCH(QString, point);
    QFETCH(int, wave);
    QFETCH(double, share);
    QFETCH(int, distortion);
    const Reading r = *Set(&fault(id)).measure(point);
    QVERIFY(r.shows.scope && r.working.scope);
    QCOMPARE(int(r.shows.scope->wave), wave);
    QCOMPARE(r.shows.scope->peakToPeak, r.working.scope->peakToPeak * share);
    QCOMPARE(int(r.shows.scope->distortion), distortion);
    QCOMPARE(Set().measure(point)->shows.scope->wave, r.working.scope->wave);
    // Eight divisions hold the working set's trace, and the probe's rating covers it.
    const ScopeTrace& w = *r.working.scope;
    QVERIFY(w.peakToPeak <= 8 * w.voltsPerDiv);
    QVERIFY(w.peakToPeak / double(int(w.probe)) <= 400);
}

void tst_setmodel::ohmmeter_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<double>("ohms");
    QTest::newRow("shorted output transistor, diode test") << "horizontal-output-shorted" << 0.0;
    QTest::newRow("shorted damper, diode test") << "damper-shorted" << 0.0;
    QTest::newRow("open heater, checked cold") << "tube-heater-open" << qInf();
    QTest::newRow("heater shorted to a cathode") << "tube-red-gun-heater-short" << 4.7; // kΩ
}

void tst_setmodel::ohmmeter()
{
    QFETCH(QString, id);
    QFETCH(double, ohms);
    const Fault& f = fault(id);
    const PartCheck check = Set(&f).check(f.stage, QString::fromUtf8(f.part));
    QVERIFY(check.shows.meter && check.good.meter);
    QCOMPARE(check.shows.meter->value, ohms);
    // A good part of the kind reads otherwise, on the failed part's check and on a working set.
    QVERIFY(check.good.meter->value != ohms);
    QVERIFY(Set().check(f.stage, QString::fromUtf8(f.part)).shows.meter->value != ohms);
}

QTEST_GUILESS_MAIN(tst_setmodel)
#include "tst_setmodel.moc"
