// Which areas of the low-voltage diagram each symptom marks.

#include "diagrams/lvpowerareas.h"

#include <QTest>

using lvpower::RasterSymptom;

class tst_lvpowerareas : public QObject
{
    Q_OBJECT
private slots:
    void pictureAreas_data();
    void pictureAreas();
    void rasterAreas_data();
    void rasterAreas();
};

namespace {
const QStringList kHorizontalAndHighVoltage{"Text6",  "Text8",  "Text9",  "Text10",  "Text11",
                                            "Text12", "Text13", "Text14", "Picture1"};
const QStringList kVertical{"Text3", "Text4", "Text5", "Picture3"};
} // namespace

void tst_lvpowerareas::pictureAreas_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("areas");
    QTest::newRow("0: nothing chosen") << 0 << QStringList();
    // The codes that point at the front end or the video and colour circuits mark nothing here.
    for (int code : {1, 2, 3, 4, 5, 6, 8, 12, 15, 17, 18, 20, 21, 22})
        QTest::addRow("%d: another diagram's", code) << code << QStringList();
    QTest::newRow("7: horizontal hold knob") << 7 << QStringList{"Shape6"};
    QTest::newRow("9: horizontal oscillator") << 9 << QStringList{"Text10"};
    QTest::newRow("10: sync seperator") << 10 << QStringList{"Text2"};
    QTest::newRow("14: sync seperator") << 14 << QStringList{"Text2"};
    QTest::newRow("16: sync seperator") << 16 << QStringList{"Text2"};
    QTest::newRow("11: vertical hold knob") << 11 << QStringList{"Shape2"};
    QTest::newRow("13: vertical oscillator") << 13 << QStringList{"Text3"};
    QTest::newRow("19: low voltage supply") << 19 << QStringList{"Text16"};
    QTest::newRow("23: vertical linearity knob") << 23 << QStringList{"Shape3"};
    QTest::newRow("24: vertical oscillator") << 24 << QStringList{"Text3"};
    QTest::newRow("27: vertical oscillator") << 27 << QStringList{"Text3"};
    QTest::newRow("25: both vertical amplifiers") << 25 << QStringList{"Text4", "Text5"};
    QTest::newRow("28: both vertical amplifiers") << 28 << QStringList{"Text4", "Text5"};
    QTest::newRow("26: vertical size knob") << 26 << QStringList{"Shape4"};
    QTest::newRow("29: past the last code") << 29 << QStringList();
    QTest::newRow("-1: negative") << -1 << QStringList();
    QTest::newRow("32767: largest") << 32767 << QStringList();
    QTest::newRow("-32768: smallest") << -32768 << QStringList();
}

void tst_lvpowerareas::pictureAreas()
{
    QFETCH(int, code);
    QFETCH(QStringList, areas);
    QCOMPARE(lvpower::pictureAreas(code), areas);
}

void tst_lvpowerareas::rasterAreas_data()
{
    QTest::addColumn<bool>("fromRaster");
    QTest::addColumn<bool>("noRaster");
    QTest::addColumn<bool>("horizontalLine");
    QTest::addColumn<bool>("verticalLine");
    QTest::addColumn<bool>("pincushion");
    QTest::addColumn<QStringList>("areas");
    QTest::newRow("not from the raster screen") << false << false << false << false << false << QStringList();
    QTest::newRow("stale symptoms without the flag")
        << false << true << true << true << true << QStringList();
    QTest::newRow("flag but no symptom") << true << false << false << false << false << QStringList();
    QTest::newRow("no raster at all") << true << true << false << false << false << kHorizontalAndHighVoltage;
    QTest::newRow("vertical line only")
        << true << false << false << true << false << kHorizontalAndHighVoltage;
    QTest::newRow("horizontal line only") << true << false << true << false << false << kVertical;
    QTest::newRow("pincushion") << true << false << false << false << true << QStringList{"Text7"};
    QTest::newRow("no raster before horizontal line")
        << true << true << true << false << false << kHorizontalAndHighVoltage;
    QTest::newRow("vertical line before horizontal line")
        << true << false << true << true << false << kHorizontalAndHighVoltage;
    QTest::newRow("horizontal line before pincushion") << true << false << true << false << true << kVertical;
}

void tst_lvpowerareas::rasterAreas()
{
    QFETCH(bool, fromRaster);
    QFETCH(bool, noRaster);
    QFETCH(bool, horizontalLine);
    QFETCH(bool, verticalLine);
    QFETCH(bool, pincushion);
    QFETCH(QStringList, areas);
    RasterSymptom symptom;
    symptom.fromRaster = fromRaster;
    symptom.noRaster = noRaster;
    symptom.horizontalLine = horizontalLine;
    symptom.verticalLine = verticalLine;
    symptom.pincushion = pincushion;
    QCOMPARE(lvpower::rasterAreas(symptom), areas);
}

QTEST_GUILESS_MAIN(tst_lvpowerareas)
#include "tst_lvpowerareas.moc"
