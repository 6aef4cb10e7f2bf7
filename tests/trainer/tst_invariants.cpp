// Rules a technician trusts at every test point with every fault of the catalogue: one physical point gives
// one figure whichever box reads it; a set without high voltage reads no kilovolts; an oscillator out of
// lock runs within its hold range and its trace stands still when triggered on itself; no signal gives noise
// downstream while the scans free-run, and a set without its supply makes none; a control set wrong reads
// steady; the Tint control leaves the references in quadrature; a supply that trips and restarts reads unlike
// one that never starts.

#include "trainer/model/setmodel.h"
#include "trainer/bench/trace.h"

#include <QHash>
#include <QTest>

#include <cmath>

using namespace trainer;

namespace {
// Every box of the bench: each stage's output and each test point of its own.
QStringList points()
{
    QStringList all;
    for (const QString& stage : stages())
        all << stage << testPoints(stage);
    return all;
}

// Every reading of a fault's set, by box, worked out once.
const QHash<QString, Reading>& readings(const Fault& fault)
{
    static QHash<QString, QHash<QString, Reading>> known;
    QHash<QString, Reading>& all = known[QString::fromLatin1(fault.id)];
    if (all.isEmpty()) {
        const Set set(&fault);
        for (const QString& point : points())
            all.insert(point, *set.measure(point));
    }
    return all;
}

QString figure(const Instrument& i)
{
    return i.meter ? meterFigure(*i.meter) + QLatin1Char(' ') + i.meter->unit : QString();
}

QString trace(const Instrument& i)
{
    if (!i.scope)
        return {};
    const ScopeTrace& t = *i.scope;
    return QStringLiteral("%1 %2 %3 Vpp %4 Hz").arg(int(t.wave)).arg(int(t.distortion)).arg(t.peakToPeak).arg(t.frequency);
}

// The faults that leave no station for the IF strip: a tuner or the signal ahead of it lost.
bool noSignal(const Fault& fault)
{
    const QLatin1StringView stage(fault.stage);
    return fault.output == Output::Missing &&
           (stage == QLatin1String("antenna-signal") || stage == QLatin1String("uhf-tuner") ||
            stage == QLatin1String("vhf-tuner"));
}

bool steadyMeter(const Instrument& i)
{
    return !i.meter || std::isnan(i.meter->swingFrom);
}
} // namespace

class tst_invariants : public QObject
{
    Q_OBJECT
private slots:
    void atEveryPoint_data();
    void atEveryPoint();
};

void tst_invariants::atEveryPoint_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("point");
    for (const Fault& f : faults())
        for (const QString& point : points())
            QTest::newRow(qPrintable(QLatin1String(f.id) + QLatin1Char('/') + point)) << QString::fromLatin1(f.id) << point;
}

void tst_invariants::atEveryPoint()
{
    QFETCH(QString, fault);
    QFETCH(QString, point);
    const Fault& f = *findFault(fault);
    const QHash<QString, Reading>& all = readings(f);
    const Reading& r = all[point];
    const Set set(&f);

    // 1. One point, one figure: every box that probes the same physical point reads what this one reads.
    for (auto other = all.cbegin(); other != all.cend(); ++other)
        if (other.key() != point && other->physical == r.physical) {
            if (r.shows.meter && other->shows.meter)
                QCOMPARE(figure(other->shows), figure(r.shows));
            if (r.shows.scope && other->shows.scope)
                QCOMPARE(trace(other->shows), trace(r.shows));
        }

    // 2. No high voltage, no kilovolts: every high-voltage figure reads 0, steady, and nothing sags.
    if (r.shows.meter && r.shows.meter->kind == MeterKind::Kilovolts && set.output(u"hv-rectifier") == Output::Missing) {
        QCOMPARE(r.shows.meter->value, 0.0);
        QVERIFY(steadyMeter(r.shows));
        QVERIFY2(!r.now.contains(QLatin1String("falling")) && !r.now.contains(QLatin1String("wandering")), qPrintable(r.now));
    }

    // 3. An oscillator out of lock runs within its hold range, its trace keeps its shape and height, and
    // triggered on itself it stands still; the scan it drives keeps its width, high voltage and supplies.
    if (r.flaw == Flaw::Unlocked && r.shows.scope && r.working.scope) {
        const ScopeTrace& now = *r.shows.scope;
        const double hold = r.working.scope->frequency < 1000 ? 5 : 500;
        QVERIFY2(now.frequency != r.working.scope->frequency &&
                     std::abs(now.frequency - r.working.scope->frequency) <= hold,
                 qPrintable(QString::number(now.frequency)));
        QCOMPARE(int(now.distortion), int(Distortion::OffFrequency));
        QCOMPARE(now.peakToPeak, r.working.scope->peakToPeak);
        QCOMPARE(sweepStarts(now).size(), size_t(1));
    }
    if (all[QStringLiteral("horizontal-output")].flaw == Flaw::Unlocked &&
        (point == QLatin1String("hv-rectifier") || point == QLatin1String("scan-derived-supply")))
        QVERIFY2(r.normal, qPrintable(r.now));

    // 4. No signal: the detector and the video carry the IF's own noise, the audio hisses, sync is lost and
    // the scans free-run.
    if (noSignal(f)) {
        static const QStringList noisy{"video-detector", "video-amplifier", "sound-detector", "audio-amplifier"};
        if (noisy.contains(point)) {
            QVERIFY2(r.shows.scope && r.shows.scope->wave == Wave::Noise, qPrintable(r.now));
            QVERIFY(r.shows.scope->peakToPeak >= 0.1);
            QVERIFY2(r.now.contains(QLatin1String("noise")), qPrintable(r.now));
        }
        if (point == QLatin1String("sync-separator"))
            QCOMPARE(r.shows.scope->peakToPeak, 0.0);
        if (point == QLatin1String("vertical-oscillator") || point == QLatin1String("horizontal-oscillator"))
            QCOMPARE(r.flaw, Flaw::Unlocked);
        QCOMPARE(set.appearance().sound, Sound::Hiss);
    }

    // A set whose small-signal supply is gone makes no noise anywhere: a dead set reads nothing.
    if (set.output(u"linear-supply") == Output::Missing)
        QVERIFY2(r.flaw != Flaw::Noise && (!r.shows.scope || r.shows.scope->wave != Wave::Noise), qPrintable(r.now));

    // 5. A control set wrong reads steady: every figure stands still but where a scan runs free.
    if (QByteArrayView(f.part) == "setting" && r.flaw != Flaw::Unlocked)
        QVERIFY2(steadyMeter(r.shows), qPrintable(r.now));
    if (QByteArrayView(f.stage) == "color-killer-control" && point == QLatin1String("color-killer"))
        QCOMPARE(figure(r.shows), figure(readings(*findFault(u"killer-transistor-leaky"))[point].shows));

    // 6. The Tint control turns both references together: the network reads as a working set's.
    if (QByteArrayView(f.stage) == "tint-control" && point == QLatin1String("phase-shift-network")) {
        QVERIFY(r.normal);
        QCOMPARE(trace(r.shows), trace(r.working));
    }

    // 7. A supply that trips and restarts reads a low rail that kicks up and collapses; one that never
    // starts reads nothing, steady.
    if (r.kind == SignalKind::DcRail && r.shows.meter && r.working.meter && !r.normal) {
        if (f.look.sound == Sound::Chirp && point == QLatin1String(f.stage))
            QCOMPARE(r.flaw, Flaw::Cycling);
        if (r.flaw == Flaw::Cycling) {
            QVERIFY(!steadyMeter(r.shows));
            QVERIFY(r.shows.meter->value > 0 && r.shows.meter->value < r.working.meter->value / 2);
        } else if (set.output(point) == Output::Missing) {
            QVERIFY2(steadyMeter(r.shows), qPrintable(r.now));
        }
    }
}

QTEST_GUILESS_MAIN(tst_invariants)
#include "tst_invariants.moc"
