#include "support/cases.h"
#include "support/pictures.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include <cmath>
#include <optional>

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
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QString::fromLatin1(name));
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(VOLVENDA_RENDER), arguments);
    if (!process.waitForFinished(60'000) || process.exitStatus() != QProcess::NormalExit)
        return {};
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
        QString::fromUtf8(process.readAllStandardError())};
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The vertices of the one path of an SVG file, in order.
QList<QPointF> pathPoints(const QString &path)
{
    QList<QPointF> points;
    const QString data = QString::fromUtf8(contents(path)).section(QLatin1String("<path d=\""), 1).section(u'"', 0, 0);
    for (const QString &vertex : data.split(u' ', Qt::SkipEmptyParts))
        points << QPointF(vertex.mid(1).section(u',', 0, 0).toDouble(), vertex.section(u',', 1).toDouble());
    return points;
}

// Arguments, the exit status they give and a part of the message.
struct Answer
{
    QStringList arguments;
    int status;
    QString message;
};

} // namespace

class RenderTest final : public QObject
{
    Q_OBJECT

private slots:
    // Every test and row works in a new, empty folder, where the renderer writes too.
    void init()
    {
        m_dir.emplace();
        QVERIFY(m_dir->isValid() && QDir::setCurrent(m_dir->path()));
    }

    void answersWithoutTouchingTheFile_data()
    {
        // Help and version on standard output; a bad argument (status 2) or a
        // run-time error (status 1) in one line on standard error.
        addRows<Answer>({
            {"help", {{"--help"}, 0, "--until-closed"}},
            {"version", {{"-v"}, 0, "volvenda-render 1.00\n"}},
            {"junk after a radius", {{"-o", "kept.png", "3x", "33", "40"}, 2, "R1 is not a number: '3x'"}},
            {"radius beyond double", {{"-o", "kept.png", "120", "33", "1e400"}, 2, "R3 is out of range"}},
            {"two radii", {{"-o", "kept.png", "120", "33"}, 2, "R1 R2 R3; 2 given"}},
            {"output without a value", {{"120", "33", "40", "-o"}, 2, "-o needs a value"}},
            {"unknown format", {{"-o", "x.jpg", "120", "33", "40"}, 2, "x.jpg"}},
            {"unknown option", {{"--colour", "ff0000", "-o", "kept.png", "1", "2", "3"}, 2, "--colour"}},
            {"colour too short", {{"--color=fff", "-o", "kept.png", "1", "2", "3"}, 2, "'fff'"}},
            {"seed too large", {{"--seed", "4294967296", "-o", "kept.png", "1", "2", "3"}, 2, "4294967296"}},
            {"scale seventeen", {{"--scale=17", "-o", "kept.png", "1", "2", "3"}, 2, "'17'"}},
            {"scale for SVG", {{"--scale", "2", "-o", "kept.svg", "1", "2", "3"}, 2, "--scale applies to PNG"}},
            {"switch with a value", {{"--until-closed=yes", "-o", "kept.png", "1", "2", "3"}, 2, "--until-closed"}},
            {"missing folder", {{"-o", "no/such/x.png", "1", "2", "3"}, 2, "folder"}},
            {"R1 zero", {{"-o", "kept.svg", "0", "33", "40"}, 1, "volvenda-render: Division by zero\n"}},
            {"pen beyond single precision", {{"-o", "kept.png", "120", "33", "1e39"}, 1, ": Overflow\n"}},
            // 2 pi x 1000003 / 0.25 steps, and the closing one.
            {"closing takes too many steps",
                {{"-o", "kept.png", "--until-closed", "1000003", "1", "1"}, 1,
                    ": closing this curve needs 25132817 steps, more than the limit of 1,000,000\n"}},
            {"too many digits to close",
                {{"-o", "kept.svg", "--until-closed", "123456789012345678901", "1", "1"}, 1,
                    ": R1 and R2 have too many digits to work out where the curve closes\n"}},
        });
    }
    void answersWithoutTouchingTheFile()
    {
        QFETCH(Answer, row);
        for (const char *name : {"kept.png", "kept.svg"}) {
            QFile earlier(QString::fromLatin1(name));
            QVERIFY(earlier.open(QIODevice::WriteOnly) && earlier.write("an earlier picture") > 0);
        }
        const Result result = render(row.arguments);
        QCOMPARE(result.status, row.status);
        const QString &answer = row.status == 0 ? result.out : result.err;
        QVERIFY2(answer.contains(row.message), qPrintable(answer));
        if (row.status != 0)
            QVERIFY2(
                answer.startsWith(QLatin1String("volvenda-render: ")) && answer.count(u'\n') == 1, qPrintable(answer));
        // An earlier picture under the name is kept as it was, and nothing else is written.
        QCOMPARE(contents(QStringLiteral("kept.png")), QByteArray("an earlier picture"));
        QCOMPARE(contents(QStringLiteral("kept.svg")), QByteArray("an earlier picture"));
        QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden), (QStringList {"kept.png", "kept.svg"}));
    }

    void pngIsTheWindowsSurface_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("scale");
        QTest::newRow("default fields") << QStringList {"120", "33", "40"} << 1;
        QTest::newRow("negative R1, fractions, no reference")
            << QStringList {"--no-reference", "-100.5", "20.25", "60"} << 1;
        QTest::newRow("eight times as fine") << QStringList {"120", "33", "40"} << 8;
    }
    void pngIsTheWindowsSurface()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, scale);
        const Result result = render(
            QStringList {"-o", "curve.png", "--color", "1f6fd1", "--scale", QString::number(scale)} + arguments);
        QCOMPARE(result.status, 0);
        QCOMPARE(result.err, QString());

        // The window's picture after start-up with R1 and one Start.
        const Radii radii {arguments.at(arguments.size() - 3).toDouble(), arguments.at(arguments.size() - 2).toDouble(),
            arguments.back().toDouble()};
        const float reference
            = arguments.contains(QStringLiteral("--no-reference")) ? 0.0F : float(std::fabs(radii.R1));
        QImage png(QStringLiteral("curve.png"));
        QCOMPARE(png.dotsPerMeterX(), qRound(96 / 0.0254 * scale));
        png.setDevicePixelRatio(scale);
        QCOMPARE(png.convertToFormat(QImage::Format_RGB32),
            corePicture(scale, reference, TracePlan {radii, composeColor(0x1f, 0x6f, 0xd1)}));
    }

    void svgIsOnePathOverTheCircle()
    {
        QCOMPARE(render({"-o", "curve.svg", "--color", "#1F6FD1", "120", "33", "40"}).status, 0);
        const QString svg = QString::fromUtf8(contents(QStringLiteral("curve.svg")));
        QCOMPARE(svg.count(QLatin1String("<path ")), 1);
        QVERIFY(svg.contains(QLatin1String("<rect width=\"400\" height=\"445\" fill=\"#ffffff\"/>")));
        QVERIFY(svg.contains(QLatin1String(
            "<circle cx=\"200\" cy=\"250\" r=\"120\" fill=\"none\" stroke=\"#646464\" stroke-width=\"1\"")));
        QVERIFY(svg.contains(QLatin1String("\" fill=\"none\" stroke=\"#1f6fd1\" stroke-width=\"2\" "
                                           "stroke-linecap=\"round\" stroke-linejoin=\"round\"/>")));
        // The 805 points of the window's run, in order: 804 joined segments.
        const QList<QPointF> points = pathPoints(QStringLiteral("curve.svg"));
        QCOMPARE(points.size(), 805);
        QCOMPARE(points.front(), QPointF(313, 250));
        QCOMPARE(points.back(), QPointF(235, 142));
    }

    void untilClosedEndsOnTheFirstPoint_data()
    {
        // With R1 / R2 = p / q in lowest terms the curve closes at T = 2 pi |p|:
        // the steps T = 0, 0.25, ... up to it, and the closing segment.
        QTest::addColumn<QStringList>("radii");
        QTest::addColumn<int>("segments");
        QTest::newRow("default fields, 40 / 11") << QStringList {"120", "33", "40"} << 1006;
        QTest::newRow("decimals, 5 / 3") << QStringList {"2.5", "1.5", "1"} << 126;
        QTest::newRow("negative R1, -80 / 33") << QStringList {"-80", "33", "40"} << 2011;
        QTest::newRow("R2 zero, once round") << QStringList {"120", "0", "40"} << 26;
    }
    void untilClosedEndsOnTheFirstPoint()
    {
        QFETCH(QStringList, radii);
        QFETCH(int, segments);
        for (const char *name : {"closed.svg", "again.svg"})
            QCOMPARE(render(QStringList {"-o", name, "--until-closed", "--seed", "7"} + radii).status, 0);
        const QList<QPointF> points = pathPoints(QStringLiteral("closed.svg"));
        QCOMPARE(points.size(), segments + 1);
        QCOMPARE(points.back(), points.front());
        // The same seed gives the same colour, so the same file.
        QCOMPARE(contents(QStringLiteral("again.svg")), contents(QStringLiteral("closed.svg")));
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

QTEST_MAIN(RenderTest)
#include "tst_render.moc"
