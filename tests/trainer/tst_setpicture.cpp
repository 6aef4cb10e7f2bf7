// The symptom picture: each fault shows on the pixels as a technician would see it on the tube.

#include "trainer/picture/setpicture.h"

#include <QPainter>
#include <QSet>
#include <QTest>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)
Q_DECLARE_METATYPE(trainer::Colour)

namespace {
const QSize kSize(320, 240);

enum Measure {
    MeanLuma,
    MaxLuma,
    MinLuma,
    Contrast, // standard deviation of the brightness
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
    Structure,      // the spread of the column means: a picture has it, noise averages it away
    Steepness,      // mean squared brightness step from a pixel to its right neighbour: sharp edges have it
};

// The statistic of `what` over `region`, given as fractions of the picture's width and height.
double measure(const QImage& image, const QRectF& region, Measure what)
{
    const QRect box(
        QPoint(qRound(region.left() * image.width()), qRound(region.top() * image.height())),
        QPoint(qRound(region.right() * image.width()) - 1, qRound(region.bottom() * image.height()) - 1));
    const auto value = [&](int x, int y) -> double {
        const QRgb p = image.pixel(x, y);
        const int r = qRed(p), g = qGreen(p), b = qBlue(p);
        switch (what) {
        case MaxRed:
            return r;
        case MaxGreen:
            return g;
        case MaxBlue:
            return b;
        case MeanSaturation:
        case MaxSaturation:
            return std::max({r, g, b}) - std::min({r, g, b});
        case Noise:
            return x < box.right() ? std::abs(qGray(image.pixel(x + 1, y)) - qGray(p)) : 0;
        case Steepness:
            return x < box.right() ? std::pow(qGray(image.pixel(x + 1, y)) - qGray(p), 2) : 0;
        case VerticalChange:
            return y < box.bottom() ? std::abs(qGray(image.pixel(x, y + 1)) - qGray(p)) : 0;
        case HueSextants:
            return QColor(p).hsvSaturation() > 100 && QColor(p).value() > 60 ? QColor(p).hsvHue() / 60 : -1;
        default:
            return qGray(p);
        }
    };
    double sum = 0, sumSquares = 0, most = 0, least = 255, rowsCounted = 0;
    QSet<double> sextants;
    std::vector<double> columnSums(std::size_t(box.width()));
    for (int y = box.top(); y <= box.bottom(); ++y) {
        double rowSum = 0, rowMost = 0;
        for (int x = box.left(); x <= box.right(); ++x) {
            const double v = value(x, y);
            sum += v;
            sumSquares += v * v;
            most = std::max(most, v);
            least = std::min(least, v);
            rowSum += v;
            rowMost = std::max(rowMost, v);
            columnSums[std::size_t(x - box.left())] += v;
            if (what == HueSextants && v >= 0)
                sextants.insert(v);
        }
        if ((what == LitRows && rowMost > 60) || (what == DarkRows && rowSum / box.width() < 30))
            ++rowsCounted;
    }
    const double mean = sum / (box.width() * box.height());
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
        return std::sqrt(std::max(0.0, sumSquares / (box.width() * box.height()) - mean * mean));
    case LitRows:
    case DarkRows:
        return rowsCounted / box.height();
    case HueSextants:
        return double(sextants.size());
    case Structure: {
        double spread = 0;
        for (const double column : columnSums)
            spread += std::pow(column / box.height() - mean, 2);
        return std::sqrt(spread / box.width());
    }
    default:
        return mean;
    }
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
const QRectF kMiddleColumn(0.498, 0.2, 0.004, 0.6);
const QRectF kBlackStrip(0.3, 0.47, 0.15, 0.06);
const QRectF kBlackOnly(0.2, 0.48, 0.22, 0.04); // the black strip, clear of the centre cross
const QRectF kRightOfCross(0.511, 0.47, 0.027, 0.015);
const QRectF kLeftOfCross(0.4625, 0.47, 0.027, 0.015);
const QRectF kGhostOfCross(0.529, 0.47, 0.012, 0.015); // where the cross comes again, 3.5 % to its right
const QRectF kBesideCross(0.513, 0.47, 0.012, 0.015);  // between the cross and its ghost
const QRectF kWhiteBar(0.22, 0.3, 0.03, 0.1);
const QRectF kRedBar(0.6, 0.3, 0.04, 0.1);
const QRectF kBlueBar(0.67, 0.3, 0.04, 0.1);
const QRectF kYellowBar(0.28, 0.3, 0.04, 0.1);
const QRectF kGreyScale(0.3, 0.56, 0.4, 0.15);

// The bars inside the circle, left to right, and the mean hue of each, in degrees.
const std::array<QRectF, 6> kHueBars = {QRectF(0.28, 0.3, 0.04, 0.1), QRectF(0.36, 0.3, 0.04, 0.1),
                                        QRectF(0.44, 0.3, 0.04, 0.1), QRectF(0.52, 0.3, 0.04, 0.1),
                                        QRectF(0.6, 0.3, 0.04, 0.1),  QRectF(0.67, 0.3, 0.04, 0.1)};
double meanHue(const QImage& image, const QRectF& region)
{
    double x = 0, y = 0;
    for (int py = qRound(region.top() * image.height()); py < qRound(region.bottom() * image.height()); ++py)
        for (int px = qRound(region.left() * image.width()); px < qRound(region.right() * image.width());
             ++px) {
            const double angle = qDegreesToRadians(double(QColor(image.pixel(px, py)).hsvHueF() * 360));
            x += std::cos(angle);
            y += std::sin(angle);
        }
    return qRadiansToDegrees(std::atan2(y, x));
}

// How far sideways, in pixels, the edges in a band of rows sit from the working set's: the shift that best
// lays the band's edge profile (mean brightness step per column, whatever the levels) on the working one.
int sideways(const QImage& image, double top, double bottom)
{
    const auto profile = [top, bottom](const QImage& picture) {
        std::vector<double> steps(std::size_t(picture.width()));
        for (int y = qRound(top * picture.height()); y < qRound(bottom * picture.height()); ++y)
            for (int x = 1; x < picture.width(); ++x)
                steps[std::size_t(x)] +=
                    std::abs(qGray(picture.pixel(x, y)) - qGray(picture.pixel(x - 1, y)));
        return steps;
    };
    const std::vector<double> shown = profile(image), working = profile(renderSet({}, image.size()));
    int best = 0;
    double bestMatch = -1;
    for (int step = 0; step <= 80; ++step) { // 0, 1, -1, 2, -2...: of equal matches, the nearest wins
        const int shift = step % 2 ? (step + 1) / 2 : -step / 2;
        double match = 0;
        for (int x = 45; x < image.width() - 45; ++x)
            match += shown[std::size_t(x + shift)] * working[std::size_t(x)];
        if (match > bestMatch) {
            bestMatch = match;
            best = shift;
        }
    }
    return best;
}
} // namespace

class tst_setpicture : public QObject
{
    Q_OBJECT
private slots:
    void showsWhatItClaims_data();
    void showsWhatItClaims();
    void bendsOrHolds_data();
    void bendsOrHolds();
    void huesTurn_data();
    void huesTurn();
    void twiceThePixelsAtScaleTwo_data();
    void twiceThePixelsAtScaleTwo();
    void samePictureEachTimeAndWay();
    void screenWidgetShowsAndTellsItsAppearance();
};

void tst_setpicture::showsWhatItClaims_data()
{
    // A measure over a region must fall between low and high; where `relative`, the measure divided by the
    // working set's in the same region.
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<QRectF>("region");
    QTest::addColumn<int>("measure");
    QTest::addColumn<double>("low");
    QTest::addColumn<double>("high");
    QTest::addColumn<bool>("relative");
    const auto row = [](const char* name, Appearance a, QRectF region, Measure m, double low, double high,
                        bool relative = false) {
        QTest::newRow(name) << a << region << int(m) << low << high << relative;
    };
    using A = Appearance;
    row("working set: saturated colour bars", A{}, kBars, MeanSaturation, 100, 255);
    row("working set: a clean bar", A{}, kGreenBar, Noise, 0, 0.5);
    row("working set: one hue down a bar", A{}, kGreenBar, HueSextants, 1, 1);
    row("working set: fills the width", A{}, kLeftSide, MeanLuma, 60, 200);
    row("working set: grey crosshatch", A{}, kCrosshatch, MaxSaturation, 0, 2);
    row("working set: never a dark row", A{}, kWhole, DarkRows, 0, 0);

    row("dead: black", A{.power = Power::Dead}, kWhole, MaxLuma, 0, 40);
    row("dark screen: black", A{.raster = Raster::None}, kWhole, MaxLuma, 0, 40);
    row("dark screen: black even with snow and hum bars",
        A{.raster = Raster::None, .content = Content::Snow, .humBars = true}, kWhole, MaxLuma, 0, 40);
    row("raster without picture: lit", A{.content = Content::Blank}, kCentre, MeanLuma, 150, 220);
    row("raster without picture: flat", A{.content = Content::Blank}, kCentre, Contrast, 0, 1);
    row("snow: pixel-to-pixel noise", A{.content = Content::Snow}, kGreenBar, Noise, 15, 255);
    row("snow without colour: grey", A{.content = Content::Snow, .colour = Colour::None}, kWhole,
        MaxSaturation, 0, 2);
    row("weak: only a little snow", A{.content = Content::Weak}, kGreenBar, Noise, 1, 12);
    row("weak: low contrast", A{.content = Content::Weak}, kCentre, Contrast, 0, 0.6, true);

    row("line: only a thin band lit", A{.vertical = Vertical::Line}, kWhole, LitRows, 0, 0.03);
    row("line: bright across the middle", A{.vertical = Vertical::Line}, kMiddleRow, MinLuma, 200, 255);
    row("line without blue: still bright", A{.vertical = Vertical::Line, .colour = Colour::NoBlue},
        kMiddleRow, MinLuma, 200, 255);
    row("narrow line: stops short of the sides",
        A{.vertical = Vertical::Line, .horizontal = Horizontal::Narrow}, kLeftSide, MaxLuma, 0, 40);
    row("vertical line: dark beside it", A{.horizontal = Horizontal::Line}, kLeftSide, MaxLuma, 0, 40);
    row("vertical line: bright down the middle", A{.horizontal = Horizontal::Line}, kMiddleColumn, MinLuma, 200,
        255);
    row("narrow: dark left side", A{.horizontal = Horizontal::Narrow}, kLeftSide, MaxLuma, 0, 40);
    row("narrow: dark right side", A{.horizontal = Horizontal::Narrow}, kRightSide, MaxLuma, 0, 40);
    row("roll: a dark bar across", A{.vertical = Vertical::Roll}, kWhole, DarkRows, 0.05, 0.2);
    row("tearing: bars torn sideways", A{.horizontal = Horizontal::Tearing}, kBars, VerticalChange, 5, 255);
    row("tearing: dark slanting bars", A{.horizontal = Horizontal::Tearing}, kLeftSide, MinLuma, 0, 20);

    row("no colour: no saturation", A{.colour = Colour::None}, kWhole, MaxSaturation, 0, 2);
    row("no red: no red anywhere", A{.colour = Colour::NoRed}, kWhole, MaxRed, 0, 30);
    row("no red: green still there", A{.colour = Colour::NoRed}, kBars, MaxGreen, 200, 255);
    row("weak red gun: whites short of red", A{.colour = Colour::WeakRedGun}, kWhiteBar, MaxRed, 0, 170);
    row("weak red gun: whites keep their green", A{.colour = Colour::WeakRedGun}, kWhiteBar, MaxGreen, 200, 255);
    row("red flood: the black lit", A{.colour = Colour::RedFlood}, kBlackOnly, MinLuma, 40, 255);
    row("red flood: the black has no green", A{.colour = Colour::RedFlood}, kBlackOnly, MaxGreen, 0, 40);
    row("red flood: retrace lines through it", A{.colour = Colour::RedFlood}, kBlackOnly, Contrast, 3, 255);
    row("no green: no green anywhere", A{.colour = Colour::NoGreen}, kWhole, MaxGreen, 0, 30);
    row("no blue: no blue anywhere", A{.colour = Colour::NoBlue}, kWhole, MaxBlue, 0, 30);
    row("no red on a blank raster", A{.content = Content::Blank, .colour = Colour::NoRed}, kWhole, MaxRed, 0,
        30);
    row("no green, too bright: the lifted black has no green either",
        A{.raster = Raster::TooBright, .colour = Colour::NoGreen}, kWhole, MaxGreen, 0, 30);
    row("no blue in the snow", A{.content = Content::Snow, .colour = Colour::NoBlue}, kWhole, MaxBlue, 0, 30);
    row("wrong hues: still coloured", A{.colour = Colour::WrongHues}, kBars, MeanSaturation, 80, 255);
    row("wrong hues: one hue down a bar", A{.colour = Colour::WrongHues}, kGreenBar, HueSextants, 1, 1);
    row("unlocked: rainbow down a bar", A{.colour = Colour::Unlocked}, kGreenBar, HueSextants, 3, 6);
    row("purity: a stained corner", A{.colour = Colour::Purity}, kTopCorner, MeanSaturation, 25, 255);
    row("purity: stains a blank raster", A{.content = Content::Blank, .colour = Colour::Purity}, kTopCorner,
        MeanSaturation, 40, 255);
    row("misconvergence: fringes on the crosshatch", A{.colour = Colour::Misconvergence}, kCrosshatch,
        MeanSaturation, 8, 255);

    row("fold top: a bright line at the fold", A{.vertical = Vertical::FoldTop}, kTopEdge, MaxLuma, 240, 255);
    row("fold top: a bright band at the top", A{.vertical = Vertical::FoldTop}, QRectF(0.1, 0, 0.8, 0.12),
        MeanLuma, 1.2, 3, true);
    row("cramped bottom: the top stretched, the bars pushed down", A{.vertical = Vertical::CrampedBottom},
        QRectF(0.35, 0.27, 0.3, 0.06), MeanSaturation, 0, 20);
    row("cramped bottom: stops short of the bottom", A{.vertical = Vertical::CrampedBottom}, kBottomEdge,
        MaxLuma, 0, 40);
    row("short: dark at the top", A{.vertical = Vertical::Short}, kTopEdge, MaxLuma, 0, 40);
    row("short: dark at the bottom", A{.vertical = Vertical::Short}, kBottomEdge, MaxLuma, 0, 40);
    row("bowed: the side pulled in at the middle", A{.horizontal = Horizontal::BowedSides},
        QRectF(0.0, 0.45, 0.05, 0.1), MaxLuma, 0, 40);
    row("bowed: the side reaches out at the top", A{.horizontal = Horizontal::BowedSides},
        QRectF(0.03, 0.06, 0.03, 0.06), MeanLuma, 50, 255);

    row("hum bars: a dark band", A{.humBars = true}, QRectF(0.05, 0.25, 0.9, 0.1), MeanLuma, 0, 0.7, true);
    row("hum bars: lit between the bands", A{.humBars = true}, QRectF(0.05, 0.5, 0.9, 0.1), MeanLuma, 0.9,
        1.1, true);
    row("dark: dim all over", A{.raster = Raster::Dark}, kWhole, MeanLuma, 0.1, 0.4, true);
    row("too bright: raises the mean", A{.raster = Raster::TooBright}, kWhole, MeanLuma, 1.3, 3, true);
    row("too bright: black lifted", A{.raster = Raster::TooBright}, kBlackStrip, MinLuma, 60, 255);
    row("smear: trails right of the cross", A{.content = Content::Smear}, kRightOfCross, MeanLuma, 1.6, 10,
        true);
    row("smear: nothing left of the cross", A{.content = Content::Smear}, kLeftOfCross, MeanLuma, 0.9, 1.1,
        true);

    row("blooming: dim", A{.raster = Raster::Blooming}, kWhole, MeanLuma, 0.4, 0.8, true);
    row("blooming: the bars swell past their top", A{.raster = Raster::Blooming},
        QRectF(0.36, 0.228, 0.28, 0.014), MeanSaturation, 15, 255);
    row("blooming: soft edges", A{.raster = Raster::Blooming}, kBars, Steepness, 0, 0.15, true);
    row("snow only: noise", A{.content = Content::SnowOnly}, kCentre, Noise, 15, 255);
    row("snow only: no bars under it", A{.content = Content::SnowOnly}, kBars, MaxSaturation, 0, 2);
    row("snow only: no picture structure", A{.content = Content::SnowOnly}, kCentre, Structure, 0, 6);
    row("snow: the picture still under it", A{.content = Content::Snow}, kBars, Structure, 12, 255);
    row("no detail: the crosshatch gone", A{.content = Content::NoDetail}, kCrosshatch, Contrast, 0, 0.1,
        true);
    row("no detail: the colours stay", A{.content = Content::NoDetail}, kBars, MeanSaturation, 60, 255);
    row("no detail: soft blotches, no sharp edges", A{.content = Content::NoDetail}, kBars, Steepness, 0, 0.1,
        true);
    row("ghost: the cross again to its right", A{.content = Content::Ghost}, kGhostOfCross, MeanLuma, 2, 20,
        true);
    row("ghost: dark between cross and ghost, no smear", A{.content = Content::Ghost}, kBesideCross, MeanLuma,
        0, 1.3, true);
    row("sound bars: fine bars on the black strip", A{.content = Content::SoundBars}, kBlackStrip, Noise, 4,
        255);
    row("sound bars: the picture under them", A{.content = Content::SoundBars}, kBars, MeanSaturation, 80,
        255);
    row("overloaded: dark", A{.content = Content::Overloaded}, kWhole, MeanLuma, 0, 0.85, true);
    row("overloaded: white folds towards black", A{.content = Content::Overloaded}, kWhiteBar, MeanLuma, 0,
        0.5, true);
    row("overloaded: colour beats on the grey", A{.content = Content::Overloaded}, kCrosshatch,
        MeanSaturation, 15, 255);
    row("non-linear: the bars crowd up towards the top", A{.vertical = Vertical::NonLinear},
        QRectF(0.35, 0.16, 0.3, 0.08), MeanSaturation, 80, 255);
    row("non-linear: short of the bottom", A{.vertical = Vertical::NonLinear}, kBottomEdge, MaxLuma, 0, 40);
    row("unlocked: dark slanting bars", A{.horizontal = Horizontal::Unlocked}, kLeftSide, MinLuma, 0, 25);
    row("black level moved: blacks grey", A{.brightnessShifted = true}, kBlackStrip, MinLuma, 55, 255);

    row("pale reds: red pale", A{.colour = Colour::PaleReds}, kRedBar, MeanSaturation, 0, 0.5, true);
    row("pale reds: blue kept", A{.colour = Colour::PaleReds}, kBlueBar, MeanSaturation, 0.75, 1.3, true);
    row("pale reds: grey stays grey", A{.colour = Colour::PaleReds}, kGreyScale, MaxSaturation, 0, 2);
    row("pale blues: blue pale", A{.colour = Colour::PaleBlues}, kBlueBar, MeanSaturation, 0, 0.5, true);
    row("pale blues: yellow pale", A{.colour = Colour::PaleBlues}, kYellowBar, MeanSaturation, 0, 0.5, true);
    row("pale blues: red kept", A{.colour = Colour::PaleBlues}, kRedBar, MeanSaturation, 0.75, 1.3, true);
    row("pale blues: grey stays grey", A{.colour = Colour::PaleBlues}, kCrosshatch, MaxSaturation, 0, 2);
    row("pale greens: green weak", A{.colour = Colour::PaleGreens}, kGreenBar, MeanSaturation, 0, 0.7, true);
    row("pale greens: red kept", A{.colour = Colour::PaleGreens}, kRedBar, MeanSaturation, 0.75, 1.3, true);
    row("pale greens: grey stays grey", A{.colour = Colour::PaleGreens}, kGreyScale, MaxSaturation, 0, 2);
    row("axis moved: grey stays grey", A{.colour = Colour::AxisShifted}, kGreyScale, MaxSaturation, 0, 2);
}

void tst_setpicture::showsWhatItClaims()
{
    QFETCH(Appearance, appearance);
    QFETCH(QRectF, region);
    QFETCH(int, measure);
    QFETCH(double, low);
    QFETCH(double, high);
    QFETCH(bool, relative);
    double value = ::measure(renderSet(appearance, kSize), region, Measure(measure));
    if (relative)
        value /= ::measure(renderSet(Appearance{}, kSize), region, Measure(measure));
    QVERIFY2(value >= low && value <= high, qPrintable(QString::number(value)));
}

void tst_setpicture::bendsOrHolds_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::addColumn<double>("top"); // the band of rows, as fractions of the height
    QTest::addColumn<double>("bottom");
    QTest::addColumn<int>("least"); // how far its edges sit sideways, in pixels
    QTest::addColumn<int>("most");
    const Appearance overloaded{.content = Content::Overloaded};
    QTest::newRow("overloaded: the top bends") << overloaded << 0.0 << 0.05 << 4 << 40;
    QTest::newRow("overloaded: the rest holds, unlike a hold fault") << overloaded << 0.5 << 0.9 << 0 << 0;
    QTest::newRow("working set: holds") << Appearance{} << 0.0 << 0.05 << 0 << 0;
}

// An overloaded picture bends at the top only, where a hold fault would shift or tear all of it.
void tst_setpicture::bendsOrHolds()
{
    QFETCH(Appearance, appearance);
    QFETCH(double, top);
    QFETCH(double, bottom);
    QFETCH(int, least);
    QFETCH(int, most);
    const int shift = std::abs(sideways(renderSet(appearance, kSize), top, bottom));
    QVERIFY2(shift >= least && shift <= most, qPrintable(QString::number(shift)));
}

void tst_setpicture::huesTurn_data()
{
    // How far each bar's hue turns from the working set's, in degrees, at the least and the most.
    QTest::addColumn<Colour>("colour");
    QTest::addColumn<int>("bar"); // 0 yellow, 1 cyan, 2 green, 3 magenta, 4 red, 5 blue
    QTest::addColumn<double>("least");
    QTest::addColumn<double>("most");
    for (int bar = 0; bar < 6; ++bar)
        QTest::addRow("tint: bar %d turned within the control's range", bar)
            << Colour::WrongHues << bar << 30.0 << 50.0;
    QTest::newRow("axis moved: green turned") << Colour::AxisShifted << 2 << 25.0 << 90.0;
    QTest::newRow("axis moved: magenta turned") << Colour::AxisShifted << 3 << 25.0 << 90.0;
    QTest::newRow("axis moved: yellow right") << Colour::AxisShifted << 0 << 0.0 << 6.0;
    QTest::newRow("axis moved: blue right") << Colour::AxisShifted << 5 << 0.0 << 6.0;
}

// The Tint control turns every hue alike and only so far; a moved demodulator axis turns one family.
void tst_setpicture::huesTurn()
{
    QFETCH(Colour, colour);
    QFETCH(int, bar);
    QFETCH(double, least);
    QFETCH(double, most);
    const QRectF region = kHueBars[std::size_t(bar)];
    const double turn =
        std::abs(std::remainder(meanHue(renderSet(Appearance{.colour = colour}, kSize), region) -
                                    meanHue(renderSet({}, kSize), region),
                                360.0));
    QVERIFY2(turn >= least && turn <= most, qPrintable(QString::number(turn)));
}

void tst_setpicture::twiceThePixelsAtScaleTwo_data()
{
    QTest::addColumn<Appearance>("appearance");
    QTest::newRow("working set") << Appearance{};
    QTest::newRow("narrow") << Appearance{.horizontal = Horizontal::Narrow};
    QTest::newRow("bowed sides") << Appearance{.horizontal = Horizontal::BowedSides};
    QTest::newRow("misconvergence") << Appearance{.colour = Colour::Misconvergence};
    QTest::newRow("snow") << Appearance{.content = Content::Snow};
    QTest::newRow("smear") << Appearance{.content = Content::Smear};
    QTest::newRow("too bright") << Appearance{.raster = Raster::TooBright};
    QTest::newRow("blooming") << Appearance{.raster = Raster::Blooming};
    QTest::newRow("ghost") << Appearance{.content = Content::Ghost};
    QTest::newRow("sound bars") << Appearance{.content = Content::SoundBars};
    QTest::newRow("overloaded") << Appearance{.content = Content::Overloaded};
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
                block += qGray(two.pixel(2 * x + d.x(), 2 * y + d.y()));
            difference += std::abs(block / 4.0 - qGray(one.pixel(x, y)));
        }
    difference /= one.width() * one.height();
    QVERIFY2(difference < 8, qPrintable(QString::number(difference)));

    // The squared brightness steps along the rows, per row: the same for a sharp picture at either scale.
    const auto edges = [](const QImage& image) {
        double sum = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 1; x < image.width(); ++x) {
                const int step = qGray(image.pixel(x, y)) - qGray(image.pixel(x - 1, y));
                sum += step * step;
            }
        return sum / image.height();
    };
    QVERIFY2(edges(two) >= 0.75 * edges(one),
             qPrintable(QStringLiteral("%1 against %2").arg(edges(two)).arg(edges(one))));
}

// Snow from a fixed seed, and a painter on a high-density device draws at the device's pixels: the same
// picture each time and each way.
void tst_setpicture::samePictureEachTimeAndWay()
{
    const Appearance snow{.content = Content::Snow};
    const QImage rendered = renderSet(snow, kSize, 2.0);
    QCOMPARE(renderSet(snow, kSize, 2.0), rendered);
    QImage painted(kSize * 2, QImage::Format_RGB32);
    painted.setDevicePixelRatio(2.0);
    QPainter painter(&painted);
    paintSet(painter, QRectF(QPointF(0, 0), QSizeF(kSize)), snow);
    painter.end();
    QCOMPARE(painted, rendered);
    QVERIFY(renderSet(snow, QSize(0, 0)).isNull());
}

void tst_setpicture::screenWidgetShowsAndTellsItsAppearance()
{
    SetScreen screen;
    QCOMPARE(screen.sizeHint().width() * 3, screen.sizeHint().height() * 4);
    screen.resize(kSize);
    const Appearance line{.vertical = Vertical::Line};
    screen.setAppearance(line);
    QCOMPARE(screen.appearance(), line);
    QCOMPARE(screen.accessibleDescription(), describe(line));
    QImage shown = screen.grab().toImage();
    QVERIFY(measure(shown, kMiddleRow, MinLuma) >= 200);
    QVERIFY(measure(shown, kWhole, LitRows) <= 0.03);

    const Appearance dead{.power = Power::Dead};
    screen.setAppearance(dead);
    QCOMPARE(screen.accessibleDescription(), describe(dead));
    shown = screen.grab().toImage();
    QVERIFY(measure(shown, kWhole, MaxLuma) <= 40);
}

QTEST_MAIN(tst_setpicture)
#include "tst_setpicture.moc"
