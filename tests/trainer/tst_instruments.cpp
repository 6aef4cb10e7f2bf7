// The scope and the meter: each trace's claims measured on the pixels of its drawing, and the settings and
// figures as the instruments write them.

#include "trainer/screens/instrumentview.h"
#include "trainer/model/setmodel.h"
#include "trainer/bench/trace.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <functional>

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

// Every reading of every fault's set at every test point, with the fault's and the point's names.
void eachReading(const std::function<void(const QString&, const Reading&)>& take)
{
    for (const Fault& fault : faults()) {
        const Set set(&fault);
        for (const QString& stage : stages())
            for (const QString& point : QStringList{stage} + testPoints(stage))
                if (const std::optional<Reading> r = set.measure(point))
                    take(QLatin1String(fault.id) + QLatin1Char('/') + point, *r);
    }
}

// Where the middle of the trace is, in divisions, at `share` of the sweep.
double middleAt(const Seen& s, double share)
{
    const auto i = static_cast<size_t>(share * double(s.top.size() - 1));
    return (s.top[i] + s.bottom[i]) / 2;
}

// The mean distance between the trace's rises past the middle of its swing, in columns.
double risePeriod(const Seen& s)
{
    const double high = *std::max_element(s.top.begin(), s.top.end());
    const double low = *std::min_element(s.bottom.begin(), s.bottom.end());
    const double centre = (high + low) / 2, band = (high - low) / 4;
    std::vector<size_t> rises;
    bool up = true;
    for (size_t i = 0; i < s.top.size(); ++i) {
        const double y = (s.top[i] + s.bottom[i]) / 2;
        if (!up && y > centre + band)
            rises.push_back(i);
        up = y > centre + band ? true : y < centre - band ? false : up;
    }
    return rises.size() < 2 ? 0 : double(rises.back() - rises.front()) / double(rises.size() - 1);
}

bool isKnobStep(double x)
{
    const double mantissa = x / std::pow(10.0, std::floor(std::log10(x) + 1e-9));
    return std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 5) < 1e-6;
}
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
    void offFrequencyFromAReading_data();
    void offFrequencyFromAReading();
    void bentRampFromAReading_data();
    void bentRampFromAReading();
    void meterSaysWhatTheTextSays_data();
    void meterSaysWhatTheTextSays();
    void settingsOfARealInstrument();
    void settingsStayReadable_data();
    void settingsStayReadable();
    void viewShowsBothMeters();
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
    // The picture steps down from white, as colour bars' luminance does: up at each line's first bar.
    QTest::newRow("composite video with sync") << scope(Wave::CompositeVideo, 1, kLine, 0.2, 10e-6) << 5.0 << 2 << 1;
    QTest::newRow("detector output") << scope(Wave::DetectorOutput, 2, kLine, 0.5, 10e-6) << 4.0 << 2 << 1;
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
    QTest::newRow("anode through a x1000 probe") << meterFigure({MeterKind::Kilovolts, 21, 200, QStringLiteral("kV")})
                                                 << "21.0";
    QTest::newRow("the probe's range") << meterRange({MeterKind::Kilovolts, 21, 200, QStringLiteral("kV")})
                                       << "200 V DC, probe x1000";
    QTest::newRow("a figure that will not settle")
        << meterFigure({MeterKind::DcVolts, 5, 20, QStringLiteral("V"), 0.5}) << "0.50 to 5.00";
    QTest::newRow("2 MΩ") << meterRange({MeterKind::Ohms, 0, 2e6, QStringLiteral("Ω")}) << "2 MΩ";
    QTest::newRow("knob above 12.5 mV") << withPrefix(knobStep(0.0125), QStringLiteral("V")) << "20 mV";
    QTest::newRow("knob above 1.67 ms") << withPrefix(knobStep(2 / 120.0 / 10), QStringLiteral("s")) << "2 ms";
    QTest::newRow("knob at 5 µs") << withPrefix(knobStep(5e-6), QStringLiteral("s")) << "5 µs";
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

// A faulty set's free-running output, drawn from its reading: it runs at its own rate, within the hold range
// of the working set's (a few hertz on the field, a few hundred on the line), so its period on the screen is
// all but the working set's.
void tst_instruments::offFrequencyFromAReading_data()
{
    QTest::addColumn<ScopeTrace>("working");
    QTest::addColumn<ScopeTrace>("now");
    eachReading([](const QString& name, const Reading& r) {
        if (r.shows.scope && r.working.scope && r.shows.scope->distortion == Distortion::OffFrequency)
            QTest::newRow(qPrintable(name)) << *r.working.scope << *r.shows.scope;
    });
}

void tst_instruments::offFrequencyFromAReading()
{
    QFETCH(ScopeTrace, working);
    QFETCH(ScopeTrace, now);
    const double a = risePeriod(seen(working, 1)), b = risePeriod(seen(now, 1));
    QVERIFY2(a > 0 && b > 0, "two rises at least on each");
    QVERIFY(now.frequency != working.frequency);
    QVERIFY2(std::abs(b / a - 1) < 0.06, qPrintable(QStringLiteral("%1 and %2 columns a period").arg(a).arg(b)));
}

// A misshapen sawtooth from a faulty set's reading, bent at one end: along its first ramp the slope at
// the start and at the end differ clearly, where the working set's ramp is straight.
void tst_instruments::bentRampFromAReading_data()
{
    QTest::addColumn<ScopeTrace>("working");
    QTest::addColumn<ScopeTrace>("now");
    eachReading([](const QString& name, const Reading& r) {
        if (r.shows.scope && r.working.scope && r.shows.scope->distortion == Distortion::Compressed &&
            r.shows.scope->wave != Wave::Sine && r.shows.scope->wave != Wave::Parabola)
            QTest::newRow(qPrintable(name)) << *r.working.scope << *r.shows.scope;
    });
}

void tst_instruments::bentRampFromAReading()
{
    QFETCH(ScopeTrace, working);
    QFETCH(ScopeTrace, now);
    const double ramp = (now.wave == Wave::SawtoothCurrent ? 0.82 : 0.93) / now.frequency /
                        (kDivisionsAcross * now.secondsPerDiv); // the first ramp's share of the sweep
    auto ends = [ramp](const Seen& s) {
        const double start = middleAt(s, 0.3 * ramp) - middleAt(s, 0.05 * ramp);
        const double end = middleAt(s, 0.9 * ramp) - middleAt(s, 0.65 * ramp);
        return std::abs(start / end);
    };
    const double straight = ends(seen(working, 2)), bent = ends(seen(now, 2));
    QVERIFY2(straight > 0.85 && straight < 1.18, qPrintable(QString::number(straight)));
    QVERIFY2(bent > 1.5 || bent < 1 / 1.5, qPrintable(QString::number(bent)));
}

// Where an abnormal reading's words say its figure is off, the meter shows another figure than a
// working set's; only where its words say the figure is as a working set's may it show the same.
void tst_instruments::meterSaysWhatTheTextSays_data()
{
    QTest::addColumn<QString>("now");
    QTest::addColumn<QString>("working");
    QTest::addColumn<QString>("words");
    eachReading([](const QString& name, const Reading& r) {
        if (!r.normal && r.shows.meter && r.working.meter)
            QTest::newRow(qPrintable(name)) << meterFigure(*r.shows.meter) << meterFigure(*r.working.meter) << r.now;
    });
}

void tst_instruments::meterSaysWhatTheTextSays()
{
    QFETCH(QString, now);
    QFETCH(QString, working);
    QFETCH(QString, words);
    static const char* const saysNormal[] = {"at their figures, yet", "120 V AC with", "about 12 V DC with",
                                             "near the B+", "close together", "with very little video", "with the wrong colour content", "near its working voltage;",
                                             "the heater dark, or"}; // a dark heater leaves the anode's kV
    if (std::ranges::any_of(saysNormal, [&words](const char* w) { return words.contains(QLatin1String(w)); }))
        return;
    QVERIFY2(now != working, qPrintable(now + QStringLiteral(" while the reading says: ") + words));
}

// Every instrument a reading shows is set as a real one can be: the scope's knobs in steps of 1, 2 and 5,
// no more volts per division than its probe allows, the whole trace on the screen; the meter on one of its
// ranges.
void tst_instruments::settingsOfARealInstrument()
{
    QSet<QString> drawn;
    int traces = 0, meters = 0;
    eachReading([&](const QString& name, const Reading& r) {
        for (const Instrument& i : {r.shows, r.working}) {
            if (const std::optional<ScopeTrace>& t = i.scope) {
                QVERIFY2(isKnobStep(t->voltsPerDiv) && isKnobStep(t->secondsPerDiv),
                         qPrintable(name + QLatin1Char(' ') + voltsPerDivText(*t) + QLatin1Char(' ') + timePerDivText(*t)));
                QVERIFY2(t->voltsPerDiv <= 5.0001 * static_cast<int>(t->probe), qPrintable(name));
                const QString key = QStringLiteral("%1 %2 %3 %4 %5 %6").arg(int(t->wave)).arg(int(t->distortion))
                    .arg(t->peakToPeak).arg(t->frequency).arg(t->voltsPerDiv).arg(t->secondsPerDiv);
                if (t->peakToPeak > 0 && !drawn.contains(key)) {
                    drawn.insert(key);
                    ++traces;
                    const Seen s = seen(*t, 1);
                    const double high = *std::max_element(s.top.begin(), s.top.end());
                    const double low = *std::min_element(s.bottom.begin(), s.bottom.end());
                    QVERIFY2(high < 3.95 && low > -3.95, qPrintable(name + QStringLiteral(" cut at the screen's edge")));
                }
            }
            if (const std::optional<MeterFace>& m = i.meter) {
                ++meters;
                const double volts = m->kind == MeterKind::Kilovolts ? m->fullScale : m->fullScale * (m->unit == QLatin1String("mV") ? 1e-3 : 1);
                static const QList<double> ranges{0.2, 2, 20, 200, 1000};
                QVERIFY2(m->kind == MeterKind::Ohms || m->kind == MeterKind::SignalLevel || ranges.contains(volts),
                         qPrintable(name + QLatin1Char(' ') + meterRange(*m)));
                QVERIFY2(meterFigure(*m).split(QLatin1Char(' ')).first().count(QRegularExpression(QStringLiteral("\\d"))) <= 4,
                         qPrintable(name + QLatin1Char(' ') + meterFigure(*m)));
            }
        }
    });
    QVERIFY(traces > 40);
    QVERIFY(meters > 100);
}

void tst_instruments::settingsStayReadable_data()
{
    QTest::addColumn<double>("room");
    QTest::addColumn<int>("lines");
    QTest::newRow("wide") << 420.0 << 1;
    QTest::newRow("narrow: the probe below") << 190.0 << 2;
    QTest::newRow("very narrow: cut short, never smaller") << 60.0 << 2;
}

// The settings under the screen are written at a readable size however narrow the scope, on as many lines
// as they need, each within the room.
void tst_instruments::settingsStayReadable()
{
    QFETCH(double, room);
    QFETCH(int, lines);
    QFont tiny;
    tiny.setPointSizeF(6);
    QFont readable = tiny;
    readable.setPointSizeF(kSmallestSettings);
    const QString text =
        settingsText(scope(Wave::Sine, 2, 3579545, 0.5, 0.1e-6, Probe::X10), tiny, room);
    const QStringList written = text.split(QLatin1Char('\n'));
    QCOMPARE(written.size(), lines);
    for (const QString& line : written)
        QVERIFY2(QFontMetricsF(readable).horizontalAdvance(line) <= room, qPrintable(line));
    if (room > 400)
        QVERIFY(text.contains(QStringLiteral("Probe x10")));
}

// A rail read on both instruments: this set's meter and the working set's, each under its trace.
void tst_instruments::viewShowsBothMeters()
{
    InstrumentView view;
    view.resize(620, 360);
    const MeterFace low{MeterKind::DcVolts, 128, 200, QStringLiteral("V")};
    const MeterFace good{MeterKind::DcVolts, 150, 200, QStringLiteral("V")};
    const ScopeTrace ripple = scope(Wave::DcRail, 3, 120, 1, 2e-3);
    view.setInstruments({ripple, low}, {ripple, good});
    const QImage image = view.grab().toImage();
    const QRgb lcd = qRgb(196, 208, 182);
    int left = 0, right = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == lcd)
                ++(x < image.width() * 0.6 ? left : right);
    QVERIFY(left > 2000);
    QVERIFY(right > 1000);
}

QTEST_MAIN(tst_instruments)
#include "tst_instruments.moc"
