#include "output/picture_writing.h"
#include "output/png_writing.h"
#include "support/cases.h"

#include <QBuffer>
#include <QImage>
#include <QTest>

#include <algorithm>
#include <vector>

using namespace volvenda;

namespace {

// width x 30 pixels: white, then vertical stripes of the given colours.
QImage stripes(int width, QImage::Format format, const QList<QRgb> &colours)
{
    QImage image(width, 30, format);
    image.fill(Qt::white);
    for (int x = 0; x < width && !colours.isEmpty(); ++x)
        for (int y = 10; y < 20; ++y)
            image.setPixel(x, y, colours[x % colours.size()]);
    return image;
}

QList<QRgb> greys(int count)
{
    QList<QRgb> colours;
    for (int i = 0; i < count; ++i)
        colours << qRgb(i % 256, i / 256, 7);
    return colours;
}

} // namespace

class PngWritingTest final : public QObject
{
    Q_OBJECT

private slots:
    void readsBackTheSamePixels_data()
    {
        QTest::addColumn<QImage>("image");
        QTest::addColumn<int>("depth");
        QTest::addColumn<int>("colourType");

        const QList<QRgb> curve {qRgb(100, 100, 100), qRgb(31, 111, 209)};
        QTest::newRow("blank") << stripes(40, QImage::Format_RGB32, {}) << 1 << 3;
        QTest::newRow("curve and circle, RGB888") << stripes(40, QImage::Format_RGB888, curve) << 2 << 3;
        // Widths that end inside a byte, at every packing.
        QTest::newRow("odd width, 1 bit") << stripes(13, QImage::Format_RGB32, {qRgb(0, 0, 0)}) << 1 << 3;
        QTest::newRow("odd width, 2 bits") << stripes(13, QImage::Format_RGB32, curve) << 2 << 3;
        QTest::newRow("16 colours, 4 bits") << stripes(21, QImage::Format_RGB32, greys(15)) << 4 << 3;
        QTest::newRow("256 colours, 8 bits") << stripes(300, QImage::Format_RGB32, greys(255)) << 8 << 3;
        QTest::newRow("257 colours, RGB") << stripes(300, QImage::Format_RGB888, greys(256)) << 8 << 2;
        QTest::newRow("translucent palette") << stripes(9, QImage::Format_ARGB32, {qRgba(10, 20, 30, 40)}) << 1 << 3;
        QTest::newRow("alpha channel, many colours")
            << stripes(300, QImage::Format_ARGB32_Premultiplied, greys(300)).convertToFormat(QImage::Format_ARGB32) << 8
            << 6;
        QImage indexed = stripes(17, QImage::Format_RGB32, curve).convertToFormat(QImage::Format_Indexed8);
        QTest::newRow("another format") << indexed << 2 << 3;
    }

    void readsBackTheSamePixels()
    {
        QFETCH(QImage, image);
        QFETCH(int, depth);
        QFETCH(int, colourType);
        image.setDotsPerMeterX(7559);
        image.setDotsPerMeterY(7559);

        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        std::vector<double> progress;
        QVERIFY(writePng(image, buffer, [&](double done) { progress.push_back(done); }));

        const QByteArray png = buffer.data();
        // IHDR: bit depth and colour type, the smallest that hold the picture.
        QCOMPARE(int(png[24]), depth);
        QCOMPARE(int(png[25]), colourType);
        QImage read;
        QVERIFY(read.loadFromData(png, "PNG"));
        QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
        QCOMPARE(read.dotsPerMeterX(), 7559);
        QVERIFY(std::is_sorted(progress.begin(), progress.end()));
        QVERIFY(!progress.empty() && progress.back() == 1.0);
    }

    void refusesANullImage()
    {
        // Never written as an empty picture: the writer writes nothing, and
        // no picture is made of it, whose memory could not be had.
        QBuffer nothing;
        nothing.open(QIODevice::WriteOnly);
        QVERIFY(!writePng(QImage(), nothing) && nothing.data().isEmpty());
        const QImage null;
        const std::optional<RuntimeError> refused = failureOf([&] { (void)Picture(&null, nullptr); });
        QVERIFY(refused && refused->kind() == ErrorKind::OutOfMemory);
    }
};

QTEST_GUILESS_MAIN(PngWritingTest)
#include "tst_png_writing.moc"
