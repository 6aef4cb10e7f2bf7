// What a scope reading costs: a trace drawn on its screen at scale 2, as a high-density display asks, from
// the cheapest (a flat line) to the dearest (a free-running trace is three sweeps; video with its burst fills
// bands). Run by hand, offscreen: QT_QPA_PLATFORM=offscreen ./bench_trace

#include "trainer/screens/instrumentview.h"

#include <QTest>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::ScopeTrace)

class bench_trace : public QObject
{
    Q_OBJECT
private slots:
    void drawAtScaleTwo_data();
    void drawAtScaleTwo();
};

void bench_trace::drawAtScaleTwo_data()
{
    QTest::addColumn<ScopeTrace>("trace");
    constexpr double line = 15734.26;
    QTest::newRow("flat") << ScopeTrace{};
    QTest::newRow("vertical sawtooth") << ScopeTrace{Wave::VerticalSawtooth, Distortion::None, 4, 60, 1, 5e-3};
    QTest::newRow("composite video with burst")
        << ScopeTrace{Wave::CompositeVideo, Distortion::None, 1, line, 0.2, 10e-6};
    QTest::newRow("video across fields, noisy")
        << ScopeTrace{Wave::CompositeVideo, Distortion::Noisy, 1, 60, 0.2, 5e-3};
    QTest::newRow("vertical output, bent at one end")
        << ScopeTrace{Wave::VerticalOutput, Distortion::Compressed, 40, 59.94, 10, 5e-3, Probe::X10};
    QTest::newRow("rail with ripple, ten times a working set's")
        << ScopeTrace{Wave::DcRail, Distortion::Ripple, 30, 120, 10, 2e-3, Probe::X10};
    QTest::newRow("flyback, free running")
        << ScopeTrace{Wave::Flyback, Distortion::FreeRunning, 800, line, 200, 10e-6, Probe::X100};
}

// The scope as the trainer shows it at 1280 x 1024: about 400 x 300 logical pixels.
void bench_trace::drawAtScaleTwo()
{
    QFETCH(ScopeTrace, trace);
    QImage image;
    QBENCHMARK
    {
        image = renderScope(trace, QSize(400, 300), 2.0);
    }
    QCOMPARE(image.size(), QSize(800, 600));
}

QTEST_MAIN(bench_trace)
#include "bench_trace.moc"
