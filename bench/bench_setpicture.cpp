// What the symptom picture costs: rendering the set's screen at scale 2, as a high-density display asks,
// for a few appearances from the cheapest (a dead set) to the dearest (misconvergence samples each gun
// apart, snow hashes every grain, blooming spreads every spot over its neighbours). Run by hand, offscreen:
// QT_QPA_PLATFORM=offscreen ./bench_setpicture

#include "trainer/picture/setpicture.h"

#include <QTest>

using namespace trainer;

Q_DECLARE_METATYPE(trainer::Appearance)

class bench_setpicture : public QObject
{
    Q_OBJECT
private slots:
    void renderAtScaleTwo_data();
    void renderAtScaleTwo();
};

void bench_setpicture::renderAtScaleTwo_data()
{
    QTest::addColumn<Appearance>("appearance");
    Appearance a;
    QTest::newRow("working set") << a;
    a = {};
    a.power = Power::Dead;
    QTest::newRow("dead") << a;
    a = {};
    a.content = Content::Snow;
    a.humBars = true;
    QTest::newRow("snow with hum bars") << a;
    a = {};
    a.colour = Colour::Misconvergence;
    a.vertical = Vertical::FoldTop;
    QTest::newRow("misconvergence, fold-over") << a;
    a = {};
    a.content = Content::Smear;
    a.colour = Colour::Unlocked;
    a.raster = Raster::TooBright;
    QTest::newRow("smear, unlocked colour, too bright") << a;
    a = {};
    a.raster = Raster::Blooming;
    QTest::newRow("blooming") << a;
    a = {};
    a.content = Content::Ghost;
    a.colour = Colour::AxisShifted;
    QTest::newRow("ghost, axis moved") << a;
    a = {};
    a.content = Content::Overloaded;
    QTest::newRow("overloaded") << a;
    a = {};
    a.content = Content::NoDetail;
    a.brightnessShifted = true;
    QTest::newRow("no detail, black level moved") << a;
}

void bench_setpicture::renderAtScaleTwo()
{
    QFETCH(Appearance, appearance);
    QImage image;
    QBENCHMARK
    {
        image = renderSet(appearance, QSize(400, 300), 2.0);
    }
    QCOMPARE(image.size(), QSize(800, 600));
}

QTEST_MAIN(bench_setpicture)
#include "bench_setpicture.moc"
