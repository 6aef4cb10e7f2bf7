// The trainer's set: every fault works through the stages' needs, the loops hold, the half-split search
// finds the faulty stage from the readings, and the catalogue keeps to the stages and parts of the notes.

#include "diagrams/areanotes.h"
#include "trainer/setmodel.h"

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
// faulty reading keeps the suspects the stage needs, a good one clears those it strictly needs. Gives what is
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
                known.insert(stage, {withNeeds(stage), withNeeds(stage, true)});
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

// Every stage that strictly needs the faulty one reads faulty, and only stages that need it do; everything
// it needs reads as a working set's.
void tst_setmodel::faultStaysDownstream()
{
    QFETCH(QString, id);
    const Fault& f = fault(id);
    const Set set(&f);
    QVERIFY(!set.measure(f.stage)->normal);
    QCOMPARE(set.output(f.stage), f.output);
    QVERIFY(set.appearance() != Appearance{});
    const QSet<QString> upstream = withNeeds(f.stage) - QSet<QString>{f.stage};
    for (const QString& stage : stages()) {
        const Reading reading = *set.measure(stage);
        QCOMPARE(reading.normal, set.output(stage) == Output::Good);
        QCOMPARE(reading.now == reading.typical, reading.normal);
        if (upstream.contains(stage))
            QVERIFY2(reading.normal, qPrintable(stage + " is upstream"));
        if (!reading.normal)
            QVERIFY2(withNeeds(stage).contains(f.stage), qPrintable(stage + " reads faulty"));
        if (withNeeds(stage, true).contains(f.stage))
            QVERIFY2(!reading.normal, qPrintable(stage + " reads good"));
    }
}

void tst_setmodel::loops_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<QStringList>("lost");
    QTest::addColumn<QStringList>("kept");
    QTest::newRow("horizontal output takes the derived supplies, HV and tube")
        << "horizontal-output-shorted"
        << QStringList{"scan-derived-supply", "hv-rectifier",    "picture-tube",
                       "vertical-amplifier",  "audio-amplifier", "rgb-drivers"}
        << QStringList{"voltage-regulator", "linear-supply", "sync-separator"};
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
        QVERIFY2(set.output(stage) == Output::Missing, qPrintable(stage));
    for (const QString& stage : kept)
        QVERIFY2(set.measure(stage)->normal, qPrintable(stage));
}

void tst_setmodel::looks_data()
{
    QTest::addColumn<QString>("id");
    QTest::addColumn<Appearance>("expected");
    QTest::newRow("dead set") << "horizontal-output-shorted" << Appearance{.power = Power::Dead};
    QTest::newRow("dark screen, sound plays") << "tripler-open" << Appearance{.raster = Raster::None};
    QTest::newRow("off-frequency oscillator darkens, sound plays")
        << "afc-diodes-leaky" << Appearance{.raster = Raster::None};
    QTest::newRow("single line") << "vertical-yoke-open" << Appearance{.vertical = Vertical::Line};
    QTest::newRow("hum bars and hum, nothing rolls")
        << "low-voltage-filter" << Appearance{.humBars = true, .sound = Sound::Hum};
    QTest::newRow("sync lost: roll and tear, colour kept")
        << "sync-coupling-leaky" << Appearance{.vertical = Vertical::Roll, .horizontal = Horizontal::Tearing};
    QTest::newRow("no signal: snow, silence, no colour")
        << "uhf-mixer-open"
        << Appearance{.content = Content::Snow, .colour = Colour::None, .sound = Sound::None};
    QTest::newRow("no IF: blank raster, silence")
        << "first-if-preamplifier-open" << Appearance{.content = Content::Blank, .sound = Sound::None};
    QTest::newRow("short picture") << "vertical-size-low" << Appearance{.vertical = Vertical::Short};
    QTest::newRow("bowed sides") << "pincushion-transformer-shorted"
                                 << Appearance{.horizontal = Horizontal::BowedSides};
    QTest::newRow("too bright") << "brightness-high" << Appearance{.raster = Raster::TooBright};
    QTest::newRow("chroma lost") << "chroma-ic-dead" << Appearance{.colour = Colour::None};
    QTest::newRow("burst lost: colours float") << "burst-gate-open" << Appearance{.colour = Colour::Unlocked};
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
    QVERIFY(optimum >= std::ceil(std::log2(double(left.size()))));
    // The fault itself, then every other suspect stage failing outright in its place.
    QByteArrayList others;
    for (const QString& stage : left)
        others << stage.toLatin1();
    for (const QByteArray& stage : others) {
        Fault instead{"instead", stage.constData(), "", "", Output::Missing, "", {}};
        const Fault& hidden = stage == f.stage ? f : instead;
        const auto [found, measured] = search(Set(&hidden), left);
        QCOMPARE(found, QStringList{stage});
        QVERIFY2(measured <= optimum,
                 qPrintable(QStringLiteral("%1: %2 > %3").arg(stage).arg(measured).arg(optimum)));
    }
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
        QCOMPARE(check.failed, part == QString::fromUtf8(f.part));
        QCOMPARE(check.finding.contains(QString::fromUtf8(f.failure)), check.failed);
        QVERIFY(!Set().check(f.stage, part).failed);
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

// Each stage either has a fault or is one that no road of the symptom screens marks in red.
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
                                 "blanking-amplifier"};
    QSet<QString> withFault;
    for (const Fault& f : faults())
        withFault.insert(QString::fromLatin1(f.stage));
    QVERIFY(faults().size() >= 40);
    QCOMPARE(withFault & unmarked, QSet<QString>{});
    const QStringList all = stages();
    QCOMPARE(withFault + unmarked, QSet<QString>(all.begin(), all.end()));
    QVERIFY(!findFault(u"no-such-fault"));
}

QTEST_GUILESS_MAIN(tst_setmodel)
#include "tst_setmodel.moc"
