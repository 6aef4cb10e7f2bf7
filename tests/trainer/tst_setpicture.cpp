// The symptom picture: each fault shows on the pixels as a technician would see it on the tube.

#include "trainer/setpicture.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <functional>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)

namespace {
const QSize kSize(320, 240);

enum Measure {
    MeanLuma,
    MaxLuma,
    MinLuma,
    Contrast,       // standard deviation of the brightness
    MaxRed,
    MaxGreen,
    MaxBlue,
    MeanSaturation, // the mean of max - min channel
    MaxSaturation,
    Noise,          // mean brightness step from a pixel to its right neighbour
    VerticalChange, // mean brightness step from a pixel to the one below
    LitRows,        // the share of rows with any pixel brighter than 60
    DarkRows,       // the share of rows whose mean brightness is under 30
    HueSextants,    // how many sixths of the colour wheel the clearly coloured pixels fall in
};

int lumaOf(QRgb p)
{
    return qGray(p);
}

// The statistic of `measure` over `region`, given as fractions of the picture's width and height.
double measure(const QImage& image, const QRectF& region, Measure what)
{
    const int left = qRound(region.left() * image.width());
    const int right = qRound(region.right() * image.width());
    const int top = qRound(region.top() * image.height());
    const int bottom = qRound(region.bottom() * image.height());
    const auto at = [&image](int x, int y) { return image.pixel(x, y); };
    double sum = 0, sumSquares = 0, most = 0, least = 255;
    int count = 0, rowsCounted = 0;
    bool sextants[6] = {};
    for (int y = top; y < bottom; ++y) {
        double rowSum = 0, rowMost = 0;
        for (int x = left; x < right; ++x) {
            const QRgb p = at(x, y);
            double value = 0;
            switch (what) {
            case MaxRed:
                value = qRed(p);
                break;
            case MaxGreen:
                value = qGreen(p);
                break;
            case MaxBlue:
                value = qBlue(p);
                break;
            case MeanSaturation:
            case MaxSaturation:
                value = std::max({qRed(p), qGreen(p), qBlue(p)}) - std::min({qRed(p), qGreen(p), qBlue(p)});
                break;
            case Noise:
                value = x + 1 < right ? std::abs(lumaOf(at(x + 1, y)) - lumaOf(p)) : 0;
                break;
            case VerticalChange:
                value = y + 1 < bottom ? std::abs(lumaOf(at(x, y + 1)) - lumaOf(p)) : 0;
                break;
            case HueSextants:
                if (QColor(p).hsvSaturation() > 100 && QColor(p).value() > 60)
                    sextants[QColor(p).hsvHue() / 60] = true;
                break;
            default:
                value = lumaOf(p);
            }
            sum += value;
            sumSquares += value * value;
            most = std::max(most, value);
            least = std::min(least, value);
            rowSum += value;
            rowMost = std::max(rowMost, value);
            ++count;
        }
        const int columns = right - left;
        if ((what == LitRows && rowMost > 60) || (what == DarkRows && rowSum / columns < 30))
            ++rowsCounted;
    }
    const double mean = sum / count;
    switch (what) {
    case MaxLuma:
    case MaxRed:
    case MaxGreen:
    case MaxBlue:
    case MaxSaturation:
        return most;
    case MinLuma:
        return least;
    case Contrast:
        return std::sqrt(std::max(0.0, sumSquares / count - mean * mean));
    case LitRows:
    case DarkRows:
        return double(rowsCounted) / (bottom - top);
    case HueSextants:
        return double(std::count(std::begin(sextants), std::end(sextants), true));
    default:
        return mean;
    }
}

Appearance with(const std::function<void(Appearance&)>& set)
{
    Appearance a;
    set(a);
    return a;
}

// Regions of the test pattern, as fractions of the screen.
const QRectF kWhole(0, 0, 1, 1);
const QRectF kCentre(0.3, 0.25, 0.4, 0.5);
const QRectF kBars(0.3, 0.28, 0.4, 0.16);
const QRectF kGreenBar(0.44, 0.28, 0.04, 0.16);
const QRectF kLeftSide(0.01, 0.2, 0.09, 0.6);
const QRectF kRightSide(0.9, 0.2, 0.09, 0.6);
const QRectF kCrosshatch(0.02, 0.2, 0.13, 0.6);
const QRectF kTopCorner(0.02, 0.04, 0.1, 0.11);
const QRectF kTopEdge(0.2, 0.01, 0.6, 0.09);
const QRectF kBottomEdge(0.2, 0.9, 0.6, 0.09);
const QRectF kMiddleRow(0.2, 0.497, 0.6, 0.006);
const QRectF kBlackStrip(0.3, 0.47, 0.15, 0.06);
const QRectF kRightOfCross(0.511, 0.47, 0.027, 0.015);
const QRectF kLeftOfCross(0.4625, 0.47, 0.027, 0.015);
} // namespace

class tst_setpicture : public QObject
{
    Q_OBJECT
private slots:
    void showsWhatItClaims_data();
    void showsWhatItClaims();
    void againstTheWorkingSet_data();
    void againstTheWorkingSet();
    void twiceThePixelsAtScaleTwo_data();
    void twiceThePixelsAtScaleTwo();
    void snowIsTheSameEachTime();
    void screenWidgetShowsAndTellsItsAppearance();
};

void tst_setpicture::showsWhatItClaims_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QRectF>("region");
    QTest::addColumn<int>("measure");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    const Appearance working;
    QTest::newRow("working set: saturated colour bars") << working << kBars << +MeanSaturation << 100.0 << 255.0;
    QTest::newRow("working set: a clean bar") << working << kGreenBar << +Noise << 0.0 << 0.5;
    QTest::newRow("working set: one hue down a bar") << working << kGreenBar << +HueSextants << 1.0 << 1.0;
    QTest::newRow("working set: fills the width") << working << kLeftSide << +MeanLuma << 60.0 << 200.0;
    QTest::newRow("working set: grey crosshatch") << working << kCrosshatch << +MaxSaturation << 0.0 << 2.0;
    QTest::newRow("working set: never a dark row") << working << kWhole << +DarkRows << 0.0 << 0.0;

    QTest::newRow("dead: black") << with([](Appearance& a) { a.power = Power::Dead; }) << kWhole << +MaxLuma << 0.0
                                 << 40.0;
    QTest::newRow("dark screen: black") << with([](Appearance& a) { a.raster = Raster::None; }) << kWhole
                                        << +MaxLuma << 0.0 << 40.0;
    QTest::newRow("dark screen: black even with snow and hum bars") << with([](Appearance& a) {
        a.raster = Raster::None;
        a.content = Content::Snow;
        a.humBars = true;
    }) << kWhole << +MaxLuma << 0.0 << 40.0;

    const Appearance blank = with([](Appearance& a) { a.content = Content::Blank; });
    QTest::newRow("raster without picture: lit") << blank << kCentre << +MeanLuma << 150.0 << 220.0;
    QTest::newRow("raster without picture: flat") << blank << kCentre << +Contrast << 0.0 << 1.0;

    const Appearance snow = with([](Appearance& a) { a.content = Content::Snow; });
    QTest::newRow("snow: pixel-to-pixel noise") << snow << kGreenBar << +Noise << 15.0 << 255.0;
    QTest::newRow("snow without colour: noisy") << with([](Appearance& a) {
        a.content = Content::Snow;
        a.colour = Colour::None;
    }) << kGreenBar << +Noise << 15.0 << 255.0;
    QTest::newRow("snow without colour: grey") << with([](Appearance& a) {
        a.content = Content::Snow;
        a.colour = Colour::None;
    }) << kWhole << +MaxSaturation << 0.0 << 2.0;
    QTest::newRow("weak: only a little snow") << with([](Appearance& a) { a.content = Content::Weak; })
                                              << kGreenBar << +Noise << 1.0 << 12.0;

    const Appearance line = with([](Appearance& a) { a.vertical = Vertical::Line; });
    QTest::newRow("line: only a thin band lit") << line << kWhole << +LitRows << 0.0 << 0.03;
    QTest::newRow("line: bright across the middle") << line << kMiddleRow << +MinLuma << 200.0 << 255.0;
    QTest::newRow("line without blue: still bright") << with([](Appearance& a) {
        a.vertical = Vertical::Line;
        a.colour = Colour::NoBlue;
    }) << kMiddleRow << +MinLuma << 200.0 << 255.0;
    QTest::newRow("narrow line: stops short of the sides") << with([](Appearance& a) {
        a.vertical = Vertical::Line;
        a.horizontal = Horizontal::Narrow;
    }) << kLeftSide << +MaxLuma << 0.0 << 40.0;

    const Appearance narrow = with([](Appearance& a) { a.horizontal = Horizontal::Narrow; });
    QTest::newRow("narrow: dark left side") << narrow << kLeftSide << +MaxLuma << 0.0 << 40.0;
    QTest::newRow("narrow: dark right side") << narrow << kRightSide << +MaxLuma << 0.0 << 40.0;
    QTest::newRow("narrow: lit between") << narrow << kCentre << +MeanLuma << 60.0 << 255.0;

    QTest::newRow("roll: a dark bar across") << with([](Appearance& a) { a.vertical = Vertical::Roll; }) << kWhole
                                             << +DarkRows << 0.05 << 0.2;
    QTest::newRow("tearing: bars torn sideways") << with([](Appearance& a) { a.horizontal = Horizontal::Tearing; })
                                                 << kBars << +VerticalChange << 5.0 << 255.0;
    QTest::newRow("tearing: dark slanting bars") << with([](Appearance& a) { a.horizontal = Horizontal::Tearing; })
                                                 << kLeftSide << +MinLuma << 0.0 << 20.0;

    QTest::newRow("no colour: no saturation") << with([](Appearance& a) { a.colour = Colour::None; }) << kWhole
                                              << +MaxSaturation << 0.0 << 2.0;
    QTest::newRow("no red: no red anywhere") << with([](Appearance& a) { a.colour = Colour::NoRed; }) << kWhole
                                             << +MaxRed << 0.0 << 30.0;
    QTest::newRow("no red: green still there") << with([](Appearance& a) { a.colour = Colour::NoRed; }) << kBars
                                               << +MaxGreen << 200.0 << 255.0;
    QTest::newRow("no green: no green anywhere") << with([](Appearance& a) { a.colour = Colour::NoGreen; })
                                                 << kWhole << +MaxGreen << 0.0 << 30.0;
    QTest::newRow("no blue: no blue anywhere") << with([](Appearance& a) { a.colour = Colour::NoBlue; }) << kWhole
                                               << +MaxBlue << 0.0 << 30.0;
    QTest::newRow("no red on a blank raster") << with([](Appearance& a) {
        a.content = Content::Blank;
        a.colour = Colour::NoRed;
    }) << kWhole << +MaxRed << 0.0 << 30.0;
    QTest::newRow("no green, too bright: the lifted black stays without green") << with([](Appearance& a) {
        a.raster = Raster::TooBright;
        a.colour = Colour::NoGreen;
    }) << kWhole << +MaxGreen << 0.0 << 30.0;
    QTest::newRow("no blue in the snow") << with([](Appearance& a) {
        a.content = Content::Snow;
        a.colour = Colour::NoBlue;
    }) << kWhole << +MaxBlue << 0.0 << 30.0;

    const Appearance wrongHues = with([](Appearance& a) { a.colour = Colour::WrongHues; });
    QTest::newRow("wrong hues: still coloured") << wrongHues << kBars << +MeanSaturation << 80.0 << 255.0;
    QTest::newRow("wrong hues: one hue down a bar") << wrongHues << kGreenBar << +HueSextants << 1.0 << 1.0;
    QTest::newRow("unlocked: rainbow down a bar") << with([](Appearance& a) { a.colour = Colour::Unlocked; })
                                                  << kGreenBar << +HueSextants << 3.0 << 6.0;
    QTest::newRow("purity: a stained corner") << with([](Appearance& a) { a.colour = Colour::Purity; })
                                              << kTopCorner << +MeanSaturation << 25.0 << 255.0;
    QTest::newRow("purity: stains a blank raster") << with([](Appearance& a) {
        a.content = Content::Blank;
        a.colour = Colour::Purity;
    }) << kTopCorner << +MeanSaturation << 40.0 << 255.0;
    QTest::newRow("misconvergence: fringes on the crosshatch")
        << with([](Appearance& a) { a.colour = Colour::Misconvergence; }) << kCrosshatch << +MeanSaturation << 8.0
        << 255.0;

    QTest::newRow("fold top: a bright line at the fold") << with([](Appearance& a) {
        a.vertical = Vertical::FoldTop;
    }) << kTopEdge << +MaxLuma << 240.0 << 255.0;
    const Appearance cramped = with([](Appearance& a) { a.vertical = Vertical::CrampedBottom; });
    QTest::newRow("cramped bottom: the top stretched, the bars pushed down")
        << cramped << QRectF(0.35, 0.27, 0.3, 0.06) << +MeanSaturation << 0.0 << 20.0;
    QTest::newRow("cramped bottom: stops short of the bottom") << cramped << kBottomEdge << +MaxLuma << 0.0 << 40.0;
    const Appearance shortPicture = with([](Appearance& a) { a.vertical = Vertical::Short; });
    QTest::newRow("short: dark at the top") << shortPicture << kTopEdge << +MaxLuma << 0.0 << 40.0;
    QTest::newRow("short: dark at the bottom") << shortPicture << kBottomEdge << +MaxLuma << 0.0 << 40.0;
    const Appearance bowed = with([](Appearance& a) { a.horizontal = Horizontal::BowedSides; });
    QTest::newRow("bowed: the side pulled in at the middle")
        << bowed << QRectF(0.0, 0.45, 0.05, 0.1) << +MaxLuma << 0.0 << 40.0;
    QTest::newRow("bowed: the side reaches out at the top")
        << bowed << QRectF(0.03, 0.06, 0.03, 0.06) << +MeanLuma << 50.0 << 255.0;

    QTest::newRow("too bright: black lifted") << with([](Appearance& a) { a.raster = Raster::TooBright; })
                                              << kBlackStrip << +MinLuma << 60.0 << 255.0;
}

void tst_setpicture::showsWhatItClaims()
{
    QFETCH(Appearance, appearance);
    QFETCH(QRectF, region);
    QFETCH(int, measure);
    QFETCH(double, low);
    QFETCH(double, high);
    const double value = ::measure(renderSet(appearance, kSize), region, Measure(measure));
    QVERIFY2(value >= low && value <= high, qPrintable(QString::number(value)));
}

void tst_setpicture::againstTheWorkingSet_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QRectF>("region");
    QTest::addColumn<int>("measure");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");

    const Appearance hum = with([](Appearance& a) { a.humBars = true; });
    QTest::newRow("hum bars: a dark band") << hum << QRectF(0.05, 0.25, 0.9, 0.1) << +MeanLuma << 0.0 << 0.7;
    QTest::newRow("hum bars: lit between the bands") << hum << QRectF(0.05, 0.5, 0.9, 0.1) << +MeanLuma << 0.9
                                                     << 1.1;
    QTest::newRow("dark: dim all over") << with([](Appearance& a) { a.raster = Raster::Dark; }) << kWhole
                                        << +MeanLuma << 0.1 << 0.4;
    QTest::newRow("too bright: raises the mean") << with([](Appearance& a) { a.raster = Raster::TooBright; })
                                                 << kWhole << +MeanLuma << 1.3 << 3.0;
    QTest::newRow("weak: low contrast") << with([](Appearance& a) { a.content = Content::Weak; }) << kCentre
                                        << +Contrast << 0.0 << 0.6;
    QTest::newRow("fold top: a bright band at the top") << with([](Appearance& a) {
        a.vertical = Vertical::FoldTop;
    }) << QRectF(0.1, 0.0, 0.8, 0.12) << +MeanLuma << 1.2 << 3.0;
    const Appearance smear = with([](Appearance& a) { a.content = Content::Smear; });
    QTest::newRow("smear: trails right of the cross") << smear << kRightOfCross << +MeanLuma << 1.6 << 10.0;
    QTest::newRow("smear: nothing left of the cross") << smear << kLeftOfCross << +MeanLuma << 0.9 << 1.1;
}

void tst_setpicture::againstTheWorkingSet()
{
    QFETCH(Appearance, appearance);
    QFETCH(QRectF, region);
    QFETCH(int, measure);
    QFETCH(double, low);
    QFETCH(double, high);
    const double working = ::measure(renderSet(Appearance{}, kSize), region, Measure(measure));
    const double ratio = ::measure(renderSet(appearance, kSize), region, Measure(measure)) / working;
    QVERIFY2(ratio >= low && ratio <= high, qPrintable(QString::number(ratio)));
}

void tst_setpicture::twiceThePixelsAtScaleTwo_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::newRow("working set") << Appearance{};
    QTest::newRow("narrow") << with([](Appearance& a) { a.horizontal = Horizontal::Narrow; });
    QTest::newRow("bowed sides") << with([](Appearance& a) { a.horizontal = Horizontal::BowedSides; });
    QTest::newRow("misconvergence") << with([](Appearance& a) { a.colour = Colour::Misconvergence; });
    QTest::newRow("snow") << with([](Appearance& a) { a.content = Content::Snow; });
    QTest::newRow("smear") << with([](Appearance& a) { a.content = Content::Smear; });
    QTest::newRow("too bright") << with([](Appearance& a) { a.raster = Raster::TooBright; });
}

// At scale 2 the same picture, drawn at twice the pixels: each 2x2 block averages to the scale-1 pixel, and
// the edges stay as steep (an image drawn at scale 1 and stretched smoothly would split every step in two
// and halve the sum of their squares).
void tst_setpicture::twiceThePixelsAtScaleTwo()
{
    QFETCH(Appearance, appearance);
    const QImage one = renderSet(appearance, kSize, 1.0);
    const QImage two = renderSet(appearance, kSize, 2.0);
    QCOMPARE(two.size(), kSize * 2);
    QCOMPARE(two.devicePixelRatio(), 2.0);

    double difference = 0;
    for (int y = 0; y < one.height(); ++y)
        for (int x = 0; x < one.width(); ++x) {
            int block = 0;
            for (const QPoint d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                block += lumaOf(two.pixel(2 * x + d.x(), 2 * y + d.y()));
            difference += std::abs(block / 4.0 - lumaOf(one.pixel(x, y)));
        }
    difference /= one.width() * one.height();
    QVERIFY2(difference < 8, qPrintable(QString::number(difference)));

    // The squared brightness steps along the rows, per row: the same for a sharp picture at either scale.
    const auto edges = [](const QImage& image) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 1; x < image.width(); ++x) {
                const int step = lumaOf(image.pixel(x, y)) - lumaOf(image.pixel(x - 1, y));
                sum += step * step;
            }
        return sum / image.height();
    };
    QVERIFY2(edges(two) >= 0.75 * edges(one),
             qPrintable(QStringLiteral("%1 against %2").arg(edges(two)).arg(edges(one))));
}

void tst_setpicture::snowIsTheSameEachTime()
{
    const Appearance snow = with([](Appearance& a) { a.content = Content::Snow; });
    QCOMPARE(renderSet(snow, kSize, 2.0), renderSet(snow, kSize, 2.0));
}

void tst_setpicture::screenWidgetShowsAndTellsItsAppearance()
{
    SetScreen screen;
    QCOMPARE(screen.sizeHint().width() * 3, screen.sizeHint().height() * 4);
    screen.resize(kSize);
    const Appearance line = with([](Appearance& a) { a.vertical = Vertical::Line; });
    screen.setAppearance(line);
    QCOMPARE(screen.appearance(), line);
    QCOMPARE(screen.accessibleDescription(), describe(line));
    QImage shown = screen.grab().toImage();
    QVERIFY(measure(shown, kMiddleRow, MinLuma) >= 200);
    QVERIFY(measure(shown, kWhole, LitRows) <= 0.03);

    const Appearance dead = with([](Appearance& a) { a.power = Power::Dead; });
    screen.setAppearance(dead);
    QCOMPARE(screen.accessibleDescription(), describe(dead));
    shown = screen.grab().toImage();
    QVERIFY(measure(shown, kWhole, MaxLuma) <= 40);
}

QTEST_MAIN(tst_setpicture)
#include "tst_setpicture.moc"
