#include "support/cases.h"
#include "support/pictures.h"
#include "support/renderer.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

// Options, the timing they give, and the percentage of a round by which all is drawn.
struct Animation
{
    QStringList animation;
    QStringList picture;
    QString timing;
    double drawnBy = 100.0;
};

} // namespace

class RenderPicturesTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(workInNewFolder(m_dir)); }

    void picturesAreTheWindows_data()
    {
        // Radii and options, the scale of the PNG, and the turns of 2 pi after
        // which the curve closes, for --until-closed: it closes on its first point.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("turns");
        QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1 << 0;
        QTest::newRow("negative R1, fractions, no reference")
            << QStringList {"--no-reference", "-100.5", "20.25", "60"} << 1 << 0;
        QTest::newRow("eight times as fine") << QStringList {"120", "33", "40"} << 8 << 0;
        QTest::newRow("closed, 40 / 11") << QStringList {"--until-closed", "120", "33", "40"} << 2 << 40;
        QTest::newRow("closed, decimals 5 / 3") << QStringList {"--until-closed", "2.5", "1.5", "1"} << 1 << 5;
        QTest::newRow("closed, negative R1") << QStringList {"--until-closed", "-80", "33", "40"} << 1 << 80;
        QTest::newRow("closed, R2 reads as 0") << QStringList {"--until-closed", "120", "1e-400", "40"} << 1 << 1;
        // Beyond 17 digits the typed text and the drawn value part ways: it closes as drawn.
        QTest::newRow("closed, more digits than a double holds")
            << QStringList {"--until-closed", "1.000000000000000000000001", "3", "1"} << 1 << 1;
    }
    void picturesAreTheWindows()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        QFETCH(int, turns);
        const QStringList options {"--color", "1f6fd1", "--scale", QString::number(scale)};
        for (const QString &name : {QStringLiteral("curve.png"), QStringLiteral("curve.svg")})
            QCOMPARE(
                render(QStringList {"-o", name} + options.mid(0, name.endsWith("png") ? 4 : 2) + arguments).err, "");

        // The window's picture after start-up with R1 and one Start, or traced on until it closes.
        const double R1 = arguments.at(arguments.size() - 3).toDouble();
        QPolygonF curve = epitrochoid(R1, arguments.at(arguments.size() - 2).toDouble(), arguments.back().toDouble(),
            turns > 0 ? 2 * std::numbers::pi * turns : 201.06176);
        if (turns > 0)
            curve << curve.front();
        const QColor blue(0x1f, 0x6f, 0xd1);
        const double reference = arguments.contains(QStringLiteral("--no-reference")) ? 0 : std::fabs(R1);
        QImage png(QStringLiteral("curve.png"));
        QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
        png.setDevicePixelRatio(scale);
        QCOMPARE(differences(png.convertToFormat(QImage::Format_RGB32), {reference, {{curve, blue}}}), QString());
        const SvgDrawing svg = readSvg(contents(QStringLiteral("curve.svg")));
        QCOMPARE(svg.paths, (QList {std::pair(curve, blue)}));
        QCOMPARE(svg.circles, reference > 0 ? QList<double> {reference} : QList<double>());
    }

    void svgIsAStandaloneDocument()
    {
        QCOMPARE(render({"-o", "curve.svg", "120", "33", "40"}).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("curve.svg")));
        // Browsers only draw it with its namespace.
        QVERIFY(svg.startsWith(QLatin1String("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://"
                                             "www.w3.org/2000/svg\" version=\"1.1\" width=\"400\" height=\"445\"")));
        QVERIFY(svg.contains(QLatin1String("<rect width=\"400\" height=\"445\" fill=\"#ffffff\"/>")));
        QVERIFY(svg.contains(QLatin1String(
            "<circle cx=\"200\" cy=\"250\" r=\"120\" fill=\"none\" stroke=\"#646464\" stroke-width=\"1\"")));
        QVERIFY(
            svg.contains(QLatin1String("\" stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")));
    }

    void fitCutsThePictureToWhatIsDrawn_data()
    {
        QTest::addColumn<QStringList>("picture");
        QTest::addColumn<int>("scale");
        QTest::addColumn<int>("margin");
        QTest::newRow("the window's curve, no margin") << QStringList {"120", "33", "40"} << 1 << 0;
        QTest::newRow("closed, at scale 2") << QStringList {"--until-closed", "120", "33", "40"} << 2 << 8;
        QTest::newRow("cut by the canvas, margin beyond it") << QStringList {"150", "40", "60"} << 1 << 20;
        QTest::newRow("reference circle cut by the canvas") << QStringList {"300", "-299", "1"} << 3 << 2;
    }
    void fitCutsThePictureToWhatIsDrawn()
    {
        QFETCH(QStringList, picture);
        QFETCH(int, scale);
        QFETCH(int, margin);
        const QStringList fit {"--fit", QString::number(margin)};
        picture = QStringList {"--seed", "3"} + picture;
        const QStringList png = QStringList {"--scale", QString::number(scale)} + picture;
        QCOMPARE(render(QStringList {"-o", "whole.png"} + png).status, 0);
        QCOMPARE(render(QStringList {"-o", "cut.png"} + fit + png).status, 0);
        QCOMPARE(render(QStringList {"-o", "cut.svg"} + fit + picture).status, 0);
        const QImage whole = QImage(QStringLiteral("whole.png")).convertToFormat(QImage::Format_RGB32);
        const QImage cut = QImage(QStringLiteral("cut.png")).convertToFormat(QImage::Format_RGB32);
        // The margin on every side of what is drawn, and at most a pixel more
        // where a stroke covers only part of its outermost pixel.
        const auto inkOf = [](const QImage &image) {
            QRect ink;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    ink |= painted(image, x, y) ? QRect(x, y, 1, 1) : QRect();
            return ink;
        };
        const QRect wholeInk = inkOf(whole);
        const QRect ink = inkOf(cut);
        QCOMPARE(ink.size(), wholeInk.size());
        for (const int side : {ink.left(), ink.top(), cut.width() - 1 - ink.right(), cut.height() - 1 - ink.bottom()})
            QVERIFY2(side >= margin * scale && side <= (margin + 1) * scale, qPrintable(QString::number(side)));
        // The pixels of the window's canvas there, and the background beyond it.
        const QPoint origin = wholeInk.topLeft() - ink.topLeft();
        QImage expected(cut.size(), QImage::Format_RGB32);
        expected.fill(Qt::white);
        QPainter(&expected).drawImage(-origin, whole);
        QCOMPARE(cut, expected);
        // The SVG shows the same part of the canvas.
        const QString size = QString::asprintf("width=\"%d\" height=\"%d\" viewBox=\"%d %d ", cut.width() / scale,
            cut.height() / scale, origin.x() / scale, origin.y() / scale);
        QVERIFY(contents(QStringLiteral("cut.svg")).contains(size.toUtf8()));
    }

    void animationDrawsTheCurveInItsTime_data()
    {
        addRows<Animation>({
            {"the window's curve", {{"--animate", "4"}, {"120", "33", "40"}, "4s linear"}},
            {"closed, looped after a second",
                {{"--animate=2.5", "--loop"}, {"--until-closed", "120", "33", "40"}, "3.5s linear infinite",
                    100 * 2.5 / 3.5}},
            {"leaving the canvas and coming back", {{"--animate", "0.1"}, {"150", "40", "60"}, "0.1s linear"}},
            {"leaving far beyond the canvas", {{"--animate", "3600"}, {"2000", "1000", "3000"}, "3600s linear"}},
            {"a million steps, longer than a browser's dash",
                {{"--animate", "3600"}, {"--until-closed", "120", "33.006", "300"}, "3600s linear"}},
        });
    }
    void animationDrawsTheCurveInItsTime()
    {
        QFETCH(Animation, row);
        QCOMPARE(render(QStringList {"-o", "drawn.svg", "--seed", "5"} + row.animation + row.picture).status, 0);
        QCOMPARE(render(QStringList {"-o", "still.svg", "--seed", "5"} + row.picture).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("drawn.svg")));
        // As a viewer that does not animate shows it, it is the still picture.
        QCOMPARE(QString(svg).remove(QRegularExpression(
                     QStringLiteral("\\s*<style[^<]*</style>| class=\"[^\"]*\"| pathLength=\"[^\"]*\""))),
            QString::fromUtf8(contents(QStringLiteral("still.svg"))));
        // One animation, for the one path of the curve, however it leaves the canvas.
        const auto path
            = QRegularExpression(QStringLiteral("<path d=\"[^\"]*\" class=\"([^\"]*)\" pathLength=\"([^\"]*)\""))
                  .match(svg);
        QVERIFY(path.hasMatch() && svg.count("class=") == 1 && svg.indexOf("</style>") < 65536
            && svg.contains("@media (prefers-reduced-motion: reduce) { [class^=volvenda-draw-] { animation: none } }"));
        // A dash longer than the path (whole when still) is hidden, round cap
        // and all, then reaches the path's end just when the time is up.
        const QRegularExpressionMatch style = QRegularExpression(
            QStringLiteral("\\.%1 \\{ stroke-dasharray: (\\S+) \\1; animation: %1 ([^}]+) \\}\n"
                           "@keyframes %1 \\{ 0% \\{ stroke-dashoffset: (\\S+) \\} (\\S+)%(?:, 100%)? "
                           "\\{ stroke-dashoffset: (\\S+) \\} \\}")
                .arg(path.captured(1)))
                                                  .match(svg);
        QVERIFY(style.hasMatch());
        QCOMPARE(style.captured(2), row.timing);
        const QPolygonF points = readSvg(svg.toUtf8()).paths.value(0).first;
        double measured = 0;
        for (qsizetype i = 1; i < points.size(); ++i)
            measured += QLineF(points[i - 1], points[i]).length();
        // In the units of the path's own pathLength, none so large that
        // Chromium cuts it short (at 2^25); in pixels, a pixel to spare past
        // the caps, and on a long path more than a float's rounding there.
        const double units = path.captured(2).toDouble();
        QVERIFY(std::max({units, style.captured(1).toDouble(), style.captured(3).toDouble()}) < 0x1p24);
        const auto pixels = [&](int n) { return style.captured(n).toDouble() * measured / units; };
        const double dash = pixels(1);
        const double spare = 0.999 * std::max(1.0, measured * 0x1p-19);
        QVERIFY(pixels(3) - dash - 1 >= spare && 2 * dash - pixels(3) - measured - 1 >= spare);
        QVERIFY(std::abs(style.captured(4).toDouble() - row.drawnBy) < 1e-5);
        QVERIFY(std::abs(dash - pixels(5) - measured) < 1e-6 * measured);
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(RenderPicturesTest)
#include "tst_render_pictures.moc"
