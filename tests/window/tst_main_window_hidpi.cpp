#include "window_harness.h"

#include <QTest>

using namespace volvenda;

// Run with QT_SCALE_FACTOR=2: the picture is backed at twice the density, in
// the same logical geometry.
class MainWindowHiDpiTest final : public QObject
{
    Q_OBJECT

private slots:
    void startUpPictureAtTwiceTheDensity();
    void showsTheSurfaceCrisply();
};

void MainWindowHiDpiTest::startUpPictureAtTwiceTheDensity()
{
    WindowHarness harness;
    QCOMPARE(harness.window.devicePixelRatioF(), 2.0);
    QCOMPARE(harness.window.size(), QSize(400, 445));
    QCOMPARE(harness.field("R11")->geometry(), QRect(96, 8, 41, 24));

    const QImage &picture = harness.picture();
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.size(), QSize(800, 890));
    QVERIFY(isReferenceCircle(picture, 120));
    QCOMPARE(picture, referencePicture(120, 2.0));

    // Crisp: still one logical pixel, two device pixels, wide.
    int painted = 0;
    for (int x = 0; x < 400; ++x)
        painted += picture.pixel(x, 500) != QColor(Qt::white).rgb() ? 1 : 0;
    QCOMPARE(painted, 2);
}

void MainWindowHiDpiTest::showsTheSurfaceCrisply()
{
    WindowHarness harness;
    harness.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&harness.window));
    QTest::mouseClick(harness.button("Start"), Qt::LeftButton);
    const QImage shown = harness.shown();
    QCOMPARE(shown.size(), QSize(800, 890));
    // Below the controls the screen shows the surface pixel for pixel.
    const QRect belowControls(0, 90, 800, 800);
    QCOMPARE(shown.copy(belowControls), harness.picture().copy(belowControls));
}

QTEST_MAIN(MainWindowHiDpiTest)
#include "tst_main_window_hidpi.moc"
