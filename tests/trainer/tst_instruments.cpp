// The scope and the meter: each trace's claims measured on the pixels of its drawing, and the settings and
// figures as the instruments write them.

#include "trainer/instrumentview.h"
#include "trainer/trace.h"

#include <QTest>

#include <cmath>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::ScopeTrace)

namespace {
const QSize kSize(440, 320);

// The trace as found on a drawing: for each device column of the scope's screen, its topmost and lowest
// bright pixel, in divisions from the centre line.
struct Seen
{
    std::vector<double> top, bottom;
    double peakToPeak() const // less the beam's own width
    {
        const double width = 1.5 / perDiv;
        return *std::max_element(top.begin(), top.end()) - *std::min_element(bottom.begin(), bottom.end()) - width;
    }
    double perDiv = 1;
};

Seen seen(const ScopeTrace& trace, qreal scale)
{
    const QImage image = renderScope(trace, kSize, scale);
    const QRectF logical = scopeScreen(QRectF(QPointF(), kSize), QFont());
    const QRect screen(QPoint(qRound(logical.left() * scale), qRound(logical.top() * scale)),
                       QSize(qRound(logical.width() * scale), qRound(logical.height() * scale)));
    Seen s;
    s.perDiv = screen.height() / double(kDivisionsUp);
    const QRgb bright = traceColour().rgb();
    const double middle = screen.top() + screen.height() / 2.0;
    for (int x = screen.left(); x < screen.right(); ++x) {
        int top = -1, bottom = -1;
        for (int y = screen.top(); y < screen.top() + screen.height(); ++y)
            if (image.pixel(x, y) == bright) {
                top = top < 0 ? y : top;
                bottom = y;
            }
        if (top < 0)
            continue;
        s.top.push_back((middle - top) / s.perDiv);
        s.bottom.push_back((middle - bottom - 1) / s.perDiv);
    }
    return s;
}

// How many times the trace's middle rises past a quarter of its height above the centre of its swing, and
// falls past a quarter below it.
std::pair<int, int> swings(const Seen& s)
{
    const double high = *std::max_element(s.top.begin(), s.top.end());
    const double low = *std::min_element(s.bottom.begin(), s.bottom.end());
    const double centre = (high + low) / 2, band = (high - low) / 4;
    int rises = 0, falls = 0;
    bool up = (s.top[0] + s.bottom[0]) / 2 > centre;
    for (size_t i = 0; i < s.top.size(); ++i) {
        const double y = (s.top[i] + s.bottom[i]) / 2;
        if (!up && y > centre + band) {
            up = true;
            ++rises;
        } else if (up && y < centre - band) {
            up = false;
            ++falls;
        }
    }
    return {rises, falls};
}

ScopeTrace scope(Wave wave, double peakToPeak, double frequency, double voltsPerDiv, double secondsPerDiv,
                 Probe probe = Probe::X1, Distortion distortion = Distortion::None)
{
    return {wave, distortion, peakToPeak, frequency, voltsPerDiv, secondsPerDiv, probe};
}

constexpr double kLine = 15734.26;
} // namespace

class tst_instruments : public QObject
{
    Q_OBJECT
private slots:
    void traceOnScreen_data();
    void traceOnScreen();
    void distortionShows_data();
    void distortionShows();
    void writing_data();
    void writing();
    void viewShowsBothSets();
};

void tst_instruments::traceOnScreen_data()
{
    QTest::addColumn<ScopeTrace>("trace");
    QTest::addColumn<double>("divisions"); // peak to peak on the screen
    QTest::addColumn<int>("rises");        // -1: not counted (a band, not a line)
    QTest::addColumn<int>("falls");
    QTest::newRow("flat") << scope(Wave::Flat, 0, 0, 1, 5e-3) << 0.0 << 0 << 0;
    QTest::newRow("vertical sawtooth, three fields") << scope(Wave::VerticalSawtooth, 4, 60, 1, 5e-3) << 4.0 << 3 << 3;
    QTest::newRow("the same, weak by four") << scope(Wave::VerticalSawtooth, 1, 60, 1, 5e-3) << 1.0 << 3 << 3;
    QTest::newRow("vertical output with its retrace pulse")
        << scope(Wave::VerticalOutput, 60, 60, 20, 4e-3, Probe::X10) << 3.0 << 2 << 2;
    QTest::newRow("horizontal drive") << scope(Wave::HorizontalDrive, 6, kLine, 2, 20e-6) << 3.0 << 3 << 3;
    QTest::newRow("flyback pulse") << scope(Wave::Flyback, 800, kLine, 200, 10e-6, Probe::X100) << 4.0 << 2 << 2;
    QTest::newRow("composite video with sync") << scope(Wave::CompositeVideo, 1, kLine, 0.2, 10e-6) << 5.0 << 1 << 1;
    QTest::newRow("detector output") << scope(Wave::DetectorOutput, 2, kLine, 0.5, 10e-6) << 4.0 << 1 << 1;
    QTest::newRow("separated sync") << scope(Wave::Sync, 5, kLine, 1, 10e-6) << 5.0 << 1 << 2;
    QTest::newRow("burst") << scope(Wave::Burst, 0.5, kLine, 0.1, 10e-6) << 5.0 << -1 << -1;
    QTest::newRow("3.58 MHz oscillator") << scope(Wave::Sine, 2, 3579545, 0.5, 0.2e-6) << 4.0 << 7 << 7;
    QTest::newRow("ripple on a DC rail") << scope(Wave::DcRail, 3, 120, 1, 2e-3) << 3.0 << 3 << 2;
    QTest::newRow("parabola") << scope(Wave::Parabola, 4, 60, 1, 2e-3) << 4.0 << 1 << 1;
    QTest::newRow("yoke current") << scope(Wave::SawtoothCurrent, 2, kLine, 0.5, 10e-6) << 4.0 << 1 << 1;
    QTest::newRow("noise") << scope(Wave::Noise, 2, 0, 0.5, 1e-3) << 4.0 << -1 << -1;
    QTest::newRow("larger than the screen, cut at its edges")
        << scope(Wave::VerticalSawtooth, 20, 60, 1, 5e-3) << 8.0 << 3 << 3;
}

void tst_instruments::traceOnScreen()
{
    QFETCH(ScopeTrace, trace);
    QFETCH(double, divisions);
    QFETCH(int, rises);
    QFETCH(int, falls);
    for (const qreal scale : {1.0, 2.0}) {
        const Seen s = seen(trace, scale);
        QVERIFY(double(s.top.size()) > 300 * scale); // a trace in every column
        QVERIFY2(std::abs(s.peakToPeak() - divisions) < 0.15,
                 qPrintable(QStringLiteral("%1 divisions at scale %2").arg(s.peakToPeak()).arg(scale)));
        if (rises >= 0 && divisions > 0)
            QCOMPARE(swings(s), std::make_pair(rises, falls));
    }
}

void tst_instruments::distortionShows_data()
{
    QTest::addColumn<ScopeTrace>("working");
    QTest::addColumn<ScopeTrace>("distorted");
    QTest::addColumn<double>("divisions"); // the distorted trace's peak to peak; 0: only that it differs
    const ScopeTrace saw = scope(Wave::VerticalSawtooth, 4, 60, 1, 5e-3);
    const ScopeTrace drive = scope(Wave::HorizontalDrive, 4, kLine, 1, 10e-6);
    const ScopeTrace video = scope(Wave::CompositeVideo, 1, kLine, 0.2, 10e-6);
    auto with = [](ScopeTrace t, Distortion d) {
        t.distortion = d;
        return t;
    };
    QTest::newRow("ripple") << saw << with(saw, Distortion::Ripple) << 0.0;
    QTest::newRow("free running") << saw << with(saw, Distortion::FreeRunning) << 4.0;
    QTest::newRow("compressed") << saw << with(saw, Distortion::Compressed) << 4.0;
    QTest::newRow("clipped") << saw << with(saw, Distortion::Clipped) << 2.4;
    QTest::newRow("ringing") << drive << with(drive, Distortion::Ringing) << 0.0;
    QTest::newRow("noisy") << saw << with(saw, Distortion::Noisy) << 0.0;
    QTest::newRow("beat") << video << with(video, Distortion::Beat) << 0.0;
    ScopeTrace slow = with(saw, Distortion::OffFrequency);
    slow.frequency = 48;
    QTest::newRow("off frequency") << saw << slow << 4.0;
    QTest::newRow("intermittent") << saw << with(saw, Distortion::Intermittent) << 4.0;
    QTest::newRow("shifted") << drive << with(drive, Distortion::Shifted) << 4.0;
}

void tst_instruments::distortionShows()
{
    QFETCH(ScopeTrace, working);
    QFETCH(ScopeTrace, distorted);
    QFETCH(double, divisions);
    const Seen a = seen(working, 1), b = seen(distorted, 1);
    QCOMPARE(a.top.size(), b.top.size());
    int differing = 0;
    for (size_t i = 0; i < a.top.size(); ++i)
        differing += std::abs(a.top[i] - b.top[i]) > 0.1 || std::abs(a.bottom[i] - b.bottom[i]) > 0.1;
    QVERIFY2(differing > int(a.top.size() / 20), qPrintable(QString::number(differing)));
    if (divisions > 0)
        QVERIFY2(std::abs(b.peakToPeak() - divisions) < 0.15, qPrintable(QString::number(b.peakToPeak())));
}

void tst_instruments::writing_data()
{
    QTest::addColumn<QString>("written");
    QTest::addColumn<QString>("expected");
    const ScopeTrace fast = scope(Wave::Sine, 2, 3579545, 0.02, 0.1e-6, Probe::X10);
    const ScopeTrace slow = scope(Wave::VerticalOutput, 60, 60, 20, 5e-3, Probe::X100);
    QTest::newRow("20 mV/div") << voltsPerDivText(fast) << "20 mV/div";
    QTest::newRow("100 ns/div") << timePerDivText(fast) << "100 ns/div";
    QTest::newRow("probe x10") << probeText(fast.probe) << "Probe x10";
    QTest::newRow("20 V/div") << voltsPerDivText(slow) << "20 V/div";
    QTest::newRow("5 ms/div") << timePerDivText(slow) << "5 ms/div";
    QTest::newRow("1 kV") << withPrefix(1000, QStringLiteral("V")) << "1 kV";
    const MeterFace rail{MeterKind::DcVolts, 148.23, 200, QStringLiteral("V")};
    QTest::newRow("148.2 on the 200 V range") << meterFigure(rail) << "148.2";
    QTest::newRow("200 V DC") << meterRange(rail) << "200 V DC";
    QTest::newRow("0.470 on the 2 kΩ range")
        << meterFigure({MeterKind::Ohms, 0.47, 2, QStringLiteral("kΩ")}) << "0.470";
    QTest::newRow("past the range") << meterFigure({MeterKind::DcVolts, 250, 200, QStringLiteral("V")}) << "OL";
    QTest::newRow("open circuit")
        << meterFigure({MeterKind::Ohms, std::numeric_limits<double>::infinity(), 2000, QStringLiteral("kΩ")})
        << "OL";
}

void tst_instruments::writing()
{
    QFETCH(QString, written);
    QFETCH(QString, expected);
    QCOMPARE(written, expected);
}

// A reading with a scope shows this set's trace bright and the working set's dim beside it.
void tst_instruments::viewShowsBothSets()
{
    InstrumentView view;
    view.resize(420, 240);
    view.setInstruments({scope(Wave::Flat, 0, 0, 1, 5e-3), {}}, {scope(Wave::VerticalSawtooth, 4, 60, 1, 5e-3), {}});
    const QImage image = view.grab().toImage();
    int bright = 0, dim = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            bright += image.pixel(x, y) == traceColour().rgb() && x < image.width() * 0.6;
            dim += image.pixel(x, y) == traceColour(true).rgb() && x > image.width() * 0.62;
        }
    QVERIFY(bright > 200);
    QVERIFY(dim > 200);
    QVERIFY(view.accessibleDescription().contains(QStringLiteral("1 V/div")));
}

QTEST_MAIN(tst_instruments)
#include "tst_instruments.moc"
