#include "runtime/raster_surface.h"
#include "trace/start_command.h"

#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace volvenda;

namespace {

struct Result
{
    int status = -1;
    QString out;
    QString err;
};

// Runs the renderer as a user would, without a display.
Result render(const QStringList &arguments)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("DISPLAY"));
    environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
    environment.remove(QStringLiteral("QT_QPA_PLATFORM"));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VOLVENDA_RENDER), arguments);
    if (!process.waitForFinished(60'000))
        return {};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
        QString::fromUtf8(process.readAllStandardOutput()), QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The window's picture after start-up and one Start, drawn by the core itself.
QImage corePicture(const Radii &radii, COLORREF colour, qreal ratio, bool reference = true)
{
    RasterSurface surface(QSize(400, 445), ratio, Qt::white);
    if (reference)
        surface.DrawCircle(200, 250, static_cast<float>(std::fabs(radii.R1)), ReferenceGray);
    surface.PenWidth(2);
    WindowState state;
    traceCurve(state, TracePlan {radii, colour}, surface);
    return surface.image();
}

QImage loadPng(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_RGB32);
}

QImage renderSvg(const QString &path)
{
    QSvgRenderer renderer(path);
    QImage image(400, 445, QImage::Format_RGB32);
    image.fill(Qt::black);
    if (!renderer.isValid())
        return {};
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

// The curve's vertices, in the order of the one path of an SVG file.
QList<QPointF> pathPoints(const QByteArray &svg)
{
    const QRegularExpression path(QStringLiteral("<path d=\"([^\"]*)\""));
    const QString data = path.match(QString::fromUtf8(svg)).captured(1);
    QList<QPointF> points;
    const QRegularExpression point(QStringLiteral("[ML](-?[\\d.e+-]+),(-?[\\d.e+-]+)"));
    for (auto it = point.globalMatch(data); it.hasNext();) {
        const QRegularExpressionMatch match = it.next();
        points << QPointF(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    return points;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 200;
}

} // namespace

class RenderTest final : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void refusesBadArguments_data();
    void refusesBadArguments();
    void reportsRunTimeErrors_data();
    void reportsRunTimeErrors();
    void keepsAnExistingFileOnError();
    void helpAndVersion();

    void pngIsTheWindowsSurface_data();
    void pngIsTheWindowsSurface();
    void leavesOutTheReference();
    void sameSeedSameFile_data();
    void sameSeedSameFile();
    void svgIsOnePathOverTheCircle();
    void svgMatchesThePng();
    void untilClosedEndsOnTheFirstPoint_data();
    void untilClosedEndsOnTheFirstPoint();
    void untilClosedRefusesTooManySteps();

private:
    QString file(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void RenderTest::refusesBadArguments_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("named");

    const QString out = QStringLiteral("-o");
    QTest::newRow("junk after a radius") << QStringList {out, "x.png", "3x", "33", "40"} << "3x";
    QTest::newRow("comma as a decimal mark") << QStringList {out, "x.png", "120", "3,5", "40"} << "3,5";
    QTest::newRow("empty radius") << QStringList {out, "x.png", "120", "", "40"} << "R2";
    QTest::newRow("radius beyond double") << QStringList {out, "x.png", "120", "33", "1e400"} << "1e400";
    QTest::newRow("infinity spelled") << QStringList {out, "x.png", "inf", "33", "40"} << "inf";
    QTest::newRow("two radii") << QStringList {out, "x.png", "120", "33"} << "R1 R2 R3";
    QTest::newRow("four radii") << QStringList {out, "x.png", "1", "2", "3", "4"} << "'4'";
    QTest::newRow("no output") << QStringList {"120", "33", "40"} << "-o";
    QTest::newRow("output without a value") << QStringList {"120", "33", "40", out} << "-o";
    QTest::newRow("unknown format") << QStringList {out, "x.jpg", "120", "33", "40"} << "x.jpg";
    QTest::newRow("unknown option") << QStringList {"--colour", "ff0000", out, "x.png", "1", "2", "3"} << "--colour";
    QTest::newRow("colour not hex") << QStringList {"--color", "GG0000", out, "x.png", "1", "2", "3"} << "GG0000";
    QTest::newRow("colour too short") << QStringList {"--color=fff", out, "x.png", "1", "2", "3"} << "fff";
    QTest::newRow("seed negative") << QStringList {"--seed", "-1", out, "x.png", "1", "2", "3"} << "-1";
    QTest::newRow("seed with a blank") << QStringList {"--seed", " 5", out, "x.png", "1", "2", "3"} << "' 5'";
    QTest::newRow("seed too large") << QStringList {"--seed", "4294967296", out, "x.png", "1", "2", "3"}
                                    << "4294967296";
    QTest::newRow("scale zero") << QStringList {"--scale", "0", out, "x.png", "1", "2", "3"} << "'0'";
    QTest::newRow("scale seventeen") << QStringList {"--scale=17", out, "x.png", "1", "2", "3"} << "17";
    QTest::newRow("scale for SVG") << QStringList {"--scale", "2", out, "x.svg", "1", "2", "3"} << "--scale";
    QTest::newRow("switch with a value") << QStringList {"--until-closed=yes", out, "x.png", "1", "2", "3"}
                                         << "--until-closed";
    QTest::newRow("missing folder") << QStringList {out, "no/such/folder/x.png", "1", "2", "3"} << "folder";
}

void RenderTest::refusesBadArguments()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, named);
    // Relative output names land in the temporary folder.
    for (QString &argument : arguments)
        if (argument.endsWith(QLatin1String(".png")) || argument.endsWith(QLatin1String(".svg"))
            || argument.endsWith(QLatin1String(".jpg")))
            argument = file(argument);

    const Result result = render(arguments);
    QCOMPARE(result.status, 2);
    QVERIFY2(result.err.startsWith(QLatin1String("volvenda-render: ")), qPrintable(result.err));
    QCOMPARE(result.err.count(u'\n'), 1);
    QVERIFY2(result.err.contains(named), qPrintable(result.err));
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files).isEmpty());
}

void RenderTest::reportsRunTimeErrors_data()
{
    QTest::addColumn<QStringList>("radii");
    QTest::addColumn<QString>("message");

    QTest::newRow("R1 zero") << QStringList {"0", "33", "40"} << "volvenda-render: Division by zero\n";
    QTest::newRow("R1 negative zero") << QStringList {"-0", "33", "40"} << "volvenda-render: Division by zero\n";
    QTest::newRow("pen beyond single precision") << QStringList {"120", "33", "1e39"} << "volvenda-render: Overflow\n";
    QTest::newRow("sum beyond double") << QStringList {"1e308", "1e308", "1"} << "volvenda-render: Overflow\n";
}

void RenderTest::reportsRunTimeErrors()
{
    QFETCH(QStringList, radii);
    QFETCH(QString, message);
    for (const char *name : {"error.png", "error.svg"}) {
        const Result result = render(QStringList {"-o", file(name)} + radii);
        QCOMPARE(result.status, 1);
        QCOMPARE(result.err, message);
        QVERIFY(!QFile::exists(file(name)));
    }
    QVERIFY(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void RenderTest::keepsAnExistingFileOnError()
{
    const QString path = file("kept.png");
    {
        QFile existing(path);
        QVERIFY(existing.open(QIODevice::WriteOnly));
        existing.write("an earlier picture");
    }
    QCOMPARE(render({"-o", path, "0", "33", "40"}).status, 1);
    QCOMPARE(render({"-o", path, "--until-closed", "1000003", "1", "1"}).status, 1);
    QCOMPARE(contents(path), QByteArray("an earlier picture"));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList {"kept.png"});

    // And a good run replaces it whole.
    QCOMPARE(render({"-o", path, "--seed", "1", "120", "33", "40"}).status, 0);
    QVERIFY(!QImage(path).isNull());
}

void RenderTest::helpAndVersion()
{
    const Result help = render({"--help"});
    QCOMPARE(help.status, 0);
    QVERIFY(help.out.contains(QLatin1String("--until-closed")));
    const Result version = render({"-v"});
    QCOMPARE(version.status, 0);
    QCOMPARE(version.out, QStringLiteral("volvenda-render 1.00\n"));
}

void RenderTest::pngIsTheWindowsSurface_data()
{
    QTest::addColumn<QStringList>("radii");
    QTest::addColumn<int>("scale");

    QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1;
    QTest::newRow("negative R1") << QStringList {"-80", "33", "40"} << 1;
    QTest::newRow("R2 zero") << QStringList {"120", "0", "40"} << 1;
    QTest::newRow("fractions") << QStringList {"100.5", "20.25", "60"} << 1;
    QTest::newRow("twice as fine") << QStringList {"120", "33", "40"} << 2;
    QTest::newRow("eight times as fine") << QStringList {"120", "33", "40"} << 8;
}

void RenderTest::pngIsTheWindowsSurface()
{
    QFETCH(QStringList, radii);
    QFETCH(int, scale);
    const QString path = file("curve.png");
    const Result result
        = render(QStringList {"-o", path, "--color", "1f6fd1", "--scale", QString::number(scale)} + radii);
    QCOMPARE(result.status, 0);
    QVERIFY(result.err.isEmpty());

    const Radii numbers {radii[0].toDouble(), radii[1].toDouble(), radii[2].toDouble()};
    const QImage expected = corePicture(numbers, composeColor(0x1f, 0x6f, 0xd1), scale);
    QImage png = loadPng(path);
    QCOMPARE(png.size(), QSize(400, 445) * scale);
    QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
    png.setDevicePixelRatio(scale);
    QCOMPARE(png, expected.convertToFormat(QImage::Format_RGB32));
}

void RenderTest::leavesOutTheReference()
{
    const QString path = file("bare.png");
    QCOMPARE(render({"-o", path, "--no-reference", "--color", "ff0000", "120", "33", "40"}).status, 0);
    QCOMPARE(loadPng(path), corePicture({120, 33, 40}, composeColor(255, 0, 0), 1, false));
}

void RenderTest::sameSeedSameFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("PNG") << "seeded.png";
    QTest::newRow("SVG") << "seeded.svg";
}

void RenderTest::sameSeedSameFile()
{
    QFETCH(QString, name);
    const QString first = file("first-" + name);
    const QString second = file("second-" + name);
    const QString other = file("other-" + name);
    QCOMPARE(render({"--seed", "42", "-o", first, "120", "33", "40"}).status, 0);
    QCOMPARE(render({"--seed", "42", "-o", second, "120", "33", "40"}).status, 0);
    QCOMPARE(render({"--seed", "43", "-o", other, "120", "33", "40"}).status, 0);
    QCOMPARE(contents(first), contents(second));
    QVERIFY(contents(first) != contents(other));
}

void RenderTest::svgIsOnePathOverTheCircle()
{
    const QString path = file("curve.svg");
    QCOMPARE(render({"-o", path, "--color", "#1F6FD1", "120", "33", "40"}).status, 0);
    const QString svg = QString::fromUtf8(contents(path));
    QCOMPARE(svg.count(QLatin1String("<path ")), 1);
    QCOMPARE(svg.count(QLatin1String("<circle ")), 1);
    QVERIFY(svg.contains(QLatin1String("viewBox=\"0 0 400 445\"")));
    QVERIFY(svg.contains(
        QLatin1String("<circle cx=\"200\" cy=\"250\" r=\"120\" fill=\"none\" stroke=\"#646464\" stroke-width=\"1\"")));
    QVERIFY(svg.contains(QLatin1String("\" fill=\"none\" stroke=\"#1f6fd1\" stroke-width=\"2\" "
                                       "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")));

    // The 805 points of the window's run, in order: 804 joined segments.
    const QList<QPointF> points = pathPoints(contents(path));
    QCOMPARE(points.size(), 805);
    QCOMPARE(points.front(), QPointF(313, 250));
    QCOMPARE(points[1], QPointF(314, 247));
    QCOMPARE(points.back(), QPointF(235, 142));
}

void RenderTest::svgMatchesThePng()
{
    const QString png = file("same.png");
    const QString svg = file("same.svg");
    QCOMPARE(render({"-o", png, "--color", "c03020", "120", "33", "40"}).status, 0);
    QCOMPARE(render({"-o", svg, "--color", "c03020", "120", "33", "40"}).status, 0);
    const QImage raster = loadPng(png);
    const QImage vector = renderSvg(svg);
    QVERIFY(!vector.isNull());

    // Antialiased against aliased: every dark pixel of one has a dark pixel
    // of the other within a pixel, and they are about as many.
    const auto darkNear = [](const QImage &image, int x, int y) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (image.rect().contains(x + dx, y + dy) && isDark(image.pixel(x + dx, y + dy)))
                    return true;
        return false;
    };
    int rasterDark = 0;
    int vectorDark = 0;
    for (int y = 0; y < 445; ++y)
        for (int x = 0; x < 400; ++x) {
            if (isDark(raster.pixel(x, y))) {
                ++rasterDark;
                QVERIFY2(darkNear(vector, x, y), qPrintable(QStringLiteral("PNG %1,%2").arg(x).arg(y)));
            }
            if (isDark(vector.pixel(x, y))) {
                ++vectorDark;
                QVERIFY2(darkNear(raster, x, y), qPrintable(QStringLiteral("SVG %1,%2").arg(x).arg(y)));
            }
        }
    QVERIFY(rasterDark > 10'000);
    QVERIFY(std::abs(rasterDark - vectorDark) < rasterDark / 5);
}

void RenderTest::untilClosedEndsOnTheFirstPoint_data()
{
    QTest::addColumn<QStringList>("radii");
    QTest::addColumn<int>("segments");

    // 120 / 33 = 40 / 11: closes at T = 80 pi = 251.33, after T = 0 ... 251.25
    // and the closing segment.
    QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1006;
    // 2.5 / 1.5 = 5 / 3: T = 10 pi = 31.42.
    QTest::newRow("decimals") << QStringList {"2.5", "1.5", "1"} << 126;
    // Written with an exponent, the same fraction.
    QTest::newRow("exponent") << QStringList {"25e-1", "0.15e1", "1"} << 126;
    // R2 = 0: once round, T = 2 pi = 6.28.
    QTest::newRow("R2 zero") << QStringList {"120", "0", "40"} << 26;
}

void RenderTest::untilClosedEndsOnTheFirstPoint()
{
    QFETCH(QStringList, radii);
    QFETCH(int, segments);
    const QString path = file("closed.svg");
    QCOMPARE(render(QStringList {"-o", path, "--until-closed", "--seed", "7"} + radii).status, 0);
    const QList<QPointF> points = pathPoints(contents(path));
    QCOMPARE(points.size(), segments + 1);
    QCOMPARE(points.back(), points.front());
}

void RenderTest::untilClosedRefusesTooManySteps()
{
    const QString path = file("long.png");
    const Result result = render({"-o", path, "--until-closed", "1000003", "1", "1"});
    QCOMPARE(result.status, 1);
    // 2 pi x 1000003 / 0.25 steps, and the closing one.
    QCOMPARE(result.err,
        QStringLiteral("volvenda-render: closing this curve needs 25132817 steps, more than the limit of 1,000,000\n"));
    QVERIFY(!QFile::exists(path));
}

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
