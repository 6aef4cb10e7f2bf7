// Pictures are rendered once and drawn from memory after that, without keeping every picture of the
// program for the rest of the run.

#include "runtime/controls.h"
#include "runtime/pictures.h"
#include "support/program.h"

#include <QDir>
#include <QTest>

using namespace fw;

namespace {
QStringList allPictures()
{
    QStringList pictures;
    for (const QString& file : QDir(QStringLiteral(":/assets")).entryList({QStringLiteral("*.svg")}))
        pictures << QStringLiteral(":/assets/") + file;
    return pictures;
}

const QString kLargest = QStringLiteral(":/assets/sync-separator.svg");
} // namespace

class tst_pictures : public QObject
{
    Q_OBJECT
private slots:
    void everyPictureRendersAtItsSize_data();
    void everyPictureRendersAtItsSize();
    void keptRenderingsStayWithinTheirBudget();
    void aPictureShownAgainIsNotRenderedAgain();
    void aBoxKeepsDrawingItsPictureOnceDropped();
    void aMissingPictureDrawsNothing();
};

void tst_pictures::everyPictureRendersAtItsSize_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<qreal>("ratio");
    for (const QString& picture : allPictures()) {
        QTest::addRow("%s at 1", qPrintable(picture)) << picture << qreal(1);
        QTest::addRow("%s at 2", qPrintable(picture)) << picture << qreal(2);
    }
}

void tst_pictures::everyPictureRendersAtItsSize()
{
    QFETCH(QString, picture);
    QFETCH(qreal, ratio);
    const QSize size = pictureSize(picture);
    QVERIFY(!size.isEmpty());
    const QPixmap pixmap = picturePixmap(picture, ratio);
    QCOMPARE(pixmap.size(), size * ratio);
    QCOMPARE(pixmap.devicePixelRatio(), ratio);
    const QImage image = pixmap.toImage();
    bool drawn = false; // something opaque was drawn, not an empty transparent sheet
    for (int y = 0; y < image.height() && !drawn; y += 2)
        for (int x = 0; x < image.width() && !drawn; x += 2)
            drawn = qAlpha(image.pixel(x, y)) == 255;
    QVERIFY(drawn);
}

void tst_pictures::keptRenderingsStayWithinTheirBudget()
{
    const QStringList pictures = allPictures();
    QVERIFY(pictures.size() > 10);
    for (const qreal ratio : {1.0, 2.0})
        for (const QString& picture : pictures) {
            picturePixmap(picture, ratio);
            QVERIFY2(pictureCacheKB() <= kPictureCacheKB, qPrintable(QString::number(pictureCacheKB())));
        }
    QVERIFY(pictureCacheKB() > 0);
}

void tst_pictures::aPictureShownAgainIsNotRenderedAgain()
{
    const QPixmap first = picturePixmap(kLargest, 1);
    QCOMPARE(picturePixmap(kLargest, 1).cacheKey(), first.cacheKey());
    // At another ratio it is another rendering.
    QVERIFY(picturePixmap(kLargest, 2).cacheKey() != first.cacheKey());
    // Every other picture shown since: the budget has room for the last few only, so it is rendered anew.
    for (const QString& picture : allPictures())
        if (picture != kLargest)
            picturePixmap(picture, 1);
    const QPixmap again = picturePixmap(kLargest, 1);
    QVERIFY(again.cacheKey() != first.cacheKey());
    QCOMPARE(again.toImage(), first.toImage());
}

void tst_pictures::aBoxKeepsDrawingItsPictureOnceDropped()
{
    QWidget window;
    window.resize(700, 500);
    auto* box = new PictureBox(&window);
    box->setGeometry(0, 0, 600, 420);
    box->setPicture(kLargest);
    window.show();
    const QImage before = box->grab().toImage();
    for (const QString& picture : allPictures()) // the shared renderings move on
        if (picture != kLargest)
            picturePixmap(picture, box->devicePixelRatioF());
    QCOMPARE(box->grab().toImage(), before);
    box->setPicture(QStringLiteral(":/assets/tv.svg")); // a new picture replaces the kept one
    QVERIFY(box->grab().toImage() != before);
}

void tst_pictures::aMissingPictureDrawsNothing()
{
    QVERIFY(pictureSize(QStringLiteral(":/assets/no-such.svg")).isEmpty());
    QVERIFY(picturePixmap(QStringLiteral(":/assets/no-such.svg"), 1).isNull());
}

FW_TEST_MAIN(tst_pictures)
#include "tst_pictures.moc"
