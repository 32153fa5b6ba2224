#include "support/cases.h"
#include "support/pictures.h"
#include "support/renderer.h"

#include <QPainter>
#include <QRegularExpression>
#include <QXmlStreamReader>

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <numeric>

namespace {

// Options, the timing they give, and the percentage of a round by which all is drawn.
struct Animation
{
    QStringList animation;
    QStringList picture;
    QString timing;
    double drawnBy = 100.0;
};

// A plotter's page: the options before the radii, its size, margin and pen
// in millimetres, whether the grey circle is on it, and the runs' radii,
// three a run, each run in a colour of its own.
struct Page
{
    QStringList options;
    QSizeF size;
    double margin = 15.0;
    double pen = 0.3;
    bool circle = true;
    QList<double> radii;
};

} // namespace

class RenderPicturesTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(workInNewFolder(m_dir)); }

    void picturesAreTheWindows_data()
    {
        // Options and radii, the scale of the PNG, and for each run the turns
        // of 2 pi after which its curve closes, for --until-closed: it closes
        // on its first point.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::addColumn<QList<int>>("turns");
        QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1 << QList {0};
        QTest::newRow("negative R1, fractions, no reference")
            << QStringList {"--no-reference", "-100.5", "20.25", "60"} << 1 << QList {0};
        QTest::newRow("closed, negative R1") << QStringList {"--until-closed", "-80", "33", "40"} << 1 << QList {80};
        QTest::newRow("closed, R2 of 0") << QStringList {"--until-closed", "120", "0", "40"} << 1 << QList {1};
        // Beyond 17 digits the typed text and the drawn value part ways: it closes as drawn.
        QTest::newRow("closed, more digits than a double holds")
            << QStringList {"--until-closed", "1.000000000000000000000001", "3", "1"} << 1 << QList {1};
        // Each further run over the picture, the circle the first R1's.
        QTest::newRow("three runs") << QStringList {"90", "33", "40", "-120", "20.5", "60", "100", "-25", "10"} << 2
                                    << QList {0, 0, 0};
        QTest::newRow("two runs, each closed")
            << QStringList {"--until-closed", "120", "33", "40", "2.5", "1.5", "1"} << 2 << QList {40, 5};
    }
    void picturesAreTheWindows()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        QFETCH(QList<int>, turns);
        // The window's picture after start-up with the first R1 and a Start
        // for each run, in a colour of its own, or traced on until it closes.
        const QStringList radii = arguments.filter(QRegularExpression(QStringLiteral("^(?!--)")));
        QStringList options {"--scale", QString::number(scale)};
        Drawn drawn {arguments.contains(QStringLiteral("--no-reference")) ? 0 : std::fabs(radii[0].toDouble())};
        for (qsizetype run = 0; run < turns.size(); ++run) {
            const QString hex = QStringList {"1f6fd1", "d1501f", "2a9d3c"}.at(run);
            options << "--color" << hex;
            QPolygonF curve = epitrochoid(radii[3 * run].toDouble(), radii[3 * run + 1].toDouble(),
                radii[3 * run + 2].toDouble(), turns[run] > 0 ? 2 * std::numbers::pi * turns[run] : 201.06176);
            if (turns[run] > 0)
                curve << curve.front();
            drawn.curves << std::pair(curve, QColor(u'#' + hex));
        }
        QCOMPARE(render(QStringList {"-o", "curve.png"} + options + arguments).err, "");
        QCOMPARE(render(QStringList {"-o", "curve.svg"} + options.mid(2) + arguments).err, "");
        QImage png(QStringLiteral("curve.png"));
        QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
        png.setDevicePixelRatio(scale);
        QCOMPARE(differences(png.convertToFormat(QImage::Format_RGB32), drawn), QString());
        const QByteArray document = contents(QStringLiteral("curve.svg"));
        // A standalone document, which browsers only draw with its namespace; the curves' ends and joins round.
        QVERIFY(document.startsWith(
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\""));
        QCOMPARE(document.count("stroke-width=\"2\" stroke-linecap=\"round\" stroke-linejoin=\"round\""), turns.size());
        const SvgDrawing svg = readSvg(document);
        QCOMPARE(svg.paths, drawn.curves);
        QCOMPARE(svg.circles, drawn.circle > 0 ? QList<double> {drawn.circle} : QList<double>());
    }

    void runsTakeTheColoursStartWouldPick()
    {
        const QStringList runs {"120", "33", "40", "150", "40", "60", "100", "20", "60"};
        const auto colours = [](const QStringList &arguments, const QByteArray &input = {}) {
            QList<QColor> colours;
            if (render(QStringList {"-o", "runs.svg", "--seed", "7"} + arguments, input).status == 0)
                for (const auto &[points, colour] : readSvg(contents(QStringLiteral("runs.svg"))).paths)
                    colours << colour;
            return colours;
        };
        // Drawn in turn from one generator, as Start draws them: the first as
        // for one run, each next a new one; a run's own colour takes the
        // place of its pick alone; runs from standard input pick the same.
        const QList<QColor> three = colours(runs);
        QVERIFY(three.size() == 3 && three[0] == colours(runs.mid(0, 3)).value(0) && three[1] != three[0]
            && three[2] != three[1]);
        QCOMPARE(colours(QStringList {"--color", "000000"} + runs), (QList {QColor(Qt::black), three[1], three[2]}));
        QCOMPARE(colours({"--runs", "-"}, "120 33 40\n150 40 60\n100 20 60\n"), three);
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
        QTest::newRow("two runs, the second beyond the first")
            << QStringList {"50", "10", "20", "150", "40", "60"} << 2 << 4;
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
            {"leaving far beyond the canvas", {{"--animate", "3600"}, {"2000", "1000", "3000"}, "3600s linear"}},
            {"a million steps, longer than a browser's dash",
                {{"--animate", "3600"}, {"--until-closed", "120", "33.006", "300"}, "3600s linear"}},
            {"three runs, one leaving the canvas and coming back, looped",
                {{"--animate", "0.1", "--loop"}, {"120", "33", "40", "150", "40", "60", "100", "20", "60"},
                    "1.1s linear infinite", 100 * 0.1 / 1.1}},
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
        // One animation for each run's path, however it leaves the canvas.
        const SvgDrawing drawing = readSvg(svg.toUtf8());
        QVERIFY(svg.count("class=") == drawing.paths.size() && svg.indexOf("</style>") < 65536
            && svg.contains("@media (prefers-reduced-motion: reduce) { [class^=volvenda-draw-] { animation: none } }"));
        QList<double> measured(drawing.paths.size());
        for (qsizetype run = 0; run < drawing.paths.size(); ++run)
            for (qsizetype i = 1; i < drawing.paths[run].first.size(); ++i)
                measured[run] += QLineF(drawing.paths[run].first[i - 1], drawing.paths[run].first[i]).length();
        const double total = std::accumulate(measured.begin(), measured.end(), 0.0);
        // Each path in its turn, at one pace: a dash longer than the path
        // (whole when still) is hidden, round cap and all, from the start
        // until the paths before it are drawn, then reaches the path's end
        // when its share of the time is up.
        double drawnBy = 0;
        qsizetype run = 0;
        for (const QRegularExpressionMatch &path :
            QRegularExpression(QStringLiteral("<path d=\"[^\"]*\" class=\"([^\"]*)\" pathLength=\"([^\"]*)\""))
                .globalMatch(svg)) {
            const QRegularExpressionMatch style = QRegularExpression(
                QStringLiteral(
                    "\\.%1 \\{ stroke-dasharray: (\\S+) \\1; animation: %1 ([^}]+) \\}\n"
                    "@keyframes %1 \\{ 0%(?:, (\\S+)%)? \\{ stroke-dashoffset: (\\S+) \\} (\\S+)%(?:, 100%)? "
                    "\\{ stroke-dashoffset: (\\S+) \\} \\}")
                    .arg(path.captured(1)))
                                                      .match(svg);
            QVERIFY(style.hasMatch() && run < measured.size());
            QCOMPARE(style.captured(2), row.timing);
            // In the units of the path's own pathLength, none so large that
            // Chromium cuts it short (at 2^25); in pixels, a pixel to spare
            // past the caps, and on a long path more than a float's rounding.
            const double length = measured[run];
            const double units = path.captured(2).toDouble();
            QVERIFY(std::max({units, style.captured(1).toDouble(), style.captured(4).toDouble()}) < 0x1p24);
            const auto pixels = [&](int n) { return style.captured(n).toDouble() * length / units; };
            const double dash = pixels(1);
            const double spare = 0.999 * std::max(1.0, length * 0x1p-19);
            QVERIFY(pixels(4) - dash - 1 >= spare && 2 * dash - pixels(4) - length - 1 >= spare);
            QVERIFY(std::abs(style.captured(3).toDouble() - drawnBy) < 1e-5);
            drawnBy += row.drawnBy * measured[run++] / total;
            QVERIFY(std::abs(style.captured(5).toDouble() - drawnBy) < 1e-5);
            QVERIFY(std::abs(dash - pixels(6) - length) < 1e-6 * length);
        }
        QCOMPARE(run, drawing.paths.size());
    }

    void pageForPlotters_data()
    {
        addRows<Page>({
            {"A4, defaults", {{"--page", "A4"}, {210, 297}, 15, 0.3, true, {120, 33, 40}}},
            {"A3, the circle outside the curve",
                {{"--page=a3", "--margin", "0", "--pen", "1"}, {297, 420}, 0, 1, true, {150, -100, 10}}},
            {"A5, fine pen", {{"--page", "A5", "--pen", "0.05"}, {148, 210}, 15, 0.05, true, {60, 20, 30}}},
            {"letter, two runs cut by the canvas",
                {{"--page", "letter", "--no-reference"}, {215.9, 279.4}, 15, 0.3, false, {120, 80, 60, 90, -45, 10}}},
            {"wide page, by its height",
                {{"--page", "300x100.5", "--margin", "5.5", "--pen", "0.5"}, {300, 100.5}, 5.5, 0.5, true,
                    {120, 33, 40}}},
        });
    }
    void pageForPlotters()
    {
        QFETCH(Page, row);
        // The picture's box, the lines' middles, as the curves' points and the circle give it, cut by the canvas.
        QPolygonF ends;
        if (row.circle)
            ends << QPointF(200 - row.radii[0], 250 - row.radii[0]) << QPointF(200 + row.radii[0], 250 + row.radii[0]);
        QStringList arguments = row.options << "-o"
                                            << "page.svg";
        QStringList layers = row.circle ? QStringList {"% reference circle"} : QStringList {};
        QStringList colours = row.circle ? QStringList {"#646464"} : QStringList {};
        for (qsizetype run = 0; run < row.radii.size(); run += 3) {
            const auto [R1, R2, R3] = std::array {row.radii[run], row.radii[run + 1], row.radii[run + 2]};
            for (double T = 0; T <= 201; T += 0.25)
                ends << QPointF(200 + std::floor((R1 + R2) * std::cos(T * R2 / R1) - R3 * std::cos((R1 + R2) / R1 * T)),
                    250 + std::floor((R1 + R2) * std::sin(T * R2 / R1) - R3 * std::sin((R1 + R2) / R1 * T)));
            colours << QColor::fromHsv(int(run * 40), 200, 150).name();
            arguments << "--color" << colours.back().mid(1);
            layers << QStringLiteral("%1 R1 %2 R2 %3 R3 %4").arg(run / 3 + 1).arg(R1).arg(R2).arg(R3);
        }
        const QRectF box = ends.boundingRect() & QRectF(-0.5, -0.5, 400, 445);
        for (const double radius : row.radii)
            arguments << QString::number(radius);
        QCOMPARE(render(arguments).err, QString());

        QFile file("page.svg");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QXmlStreamReader svg(&file);
        QVERIFY(svg.readNextStartElement());
        const QString width = QString::number(row.size.width()), height = QString::number(row.size.height());
        QCOMPARE(svg.attributes().value("width").toString(), width + "mm");
        QCOMPARE(svg.attributes().value("height").toString(), height + "mm");
        QCOMPARE(svg.attributes().value("viewBox").toString(), QStringLiteral("0 0 ") + width + ' ' + height);
        QStringList labels;
        QPolygonF points;
        while (svg.readNext() != QXmlStreamReader::EndDocument) {
            if (!svg.isStartElement())
                continue;
            const QXmlStreamAttributes in = svg.attributes();
            if (svg.name() == u"g") {
                QCOMPARE(in.value("http://www.inkscape.org/namespaces/inkscape", "groupmode").toString(),
                    QStringLiteral("layer"));
                labels << in.value("http://www.inkscape.org/namespaces/inkscape", "label").toString();
                continue;
            }
            // Nothing but a path in each layer: no background, no fill.
            QCOMPARE(svg.name().toString(), QStringLiteral("path"));
            QCOMPARE(in.value("fill").toString(), QStringLiteral("none"));
            QCOMPARE(in.value("stroke-width").toString(), QString::number(row.pen));
            QCOMPARE(in.value("stroke").toString(), colours.value(labels.size() - 1));
            // Hundredths of a millimetre, written without trailing zeros or a minus on 0.
            const QString path = in.value("d").toString();
            for (const QString &number : path.split(QRegularExpression("[^-.0-9]+"), Qt::SkipEmptyParts))
                QVERIFY2(QRegularExpression("^(-?[1-9][0-9]*|-?0(?=\\.)|0)(\\.[0-9]?[1-9])?$").match(number).hasMatch(),
                    qPrintable(number));
            // The points, arcs' ends included: an arc turns at most a quarter, its ends at its box.
            for (const auto &point : QRegularExpression("(-?[.0-9]+),(-?[.0-9]+)").globalMatch(path))
                points << QPointF(point.captured(1).toDouble(), point.captured(2).toDouble());
        }
        QCOMPARE(labels, layers);
        // The box fills the room inside the margins and half the pen one way, centred both ways.
        const double scale = std::min((row.size.width() - 2 * row.margin - row.pen) / box.width(),
            (row.size.height() - 2 * row.margin - row.pen) / box.height());
        const QRectF expected(QPointF(), box.size() * scale);
        const QRectF drawn = points.boundingRect();
        QVERIFY2(std::abs(drawn.width() - expected.width()) < 0.011
                && std::abs(drawn.height() - expected.height()) < 0.011
                && (drawn.center() - QPointF(row.size.width(), row.size.height()) / 2).manhattanLength() < 0.011,
            qPrintable(QStringLiteral("%1 x %2 at %3, %4")
                           .arg(drawn.width())
                           .arg(drawn.height())
                           .arg(drawn.center().x())
                           .arg(drawn.center().y())));
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(RenderPicturesTest)
#include "tst_render_pictures.moc"
