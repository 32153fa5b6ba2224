#include "support/recording_surface.h"

#include "runtime/numbers.h"
#include "runtime/random_generator.h"
#include "runtime/raster_surface.h"
#include "runtime/runtime_error.h"
#include "trace/start_command.h"

#include <QTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <set>

using namespace volvenda;

namespace {

const FieldTexts defaultFields {QStringLiteral("120"), QStringLiteral("33"), QStringLiteral("40")};

struct Run
{
    WindowState state;
    RecordingSurface surface;
    std::optional<ErrorKind> error;
};

// Runs the Start command on a recording surface, with a generator seeded as given.
void start(Run &run, const FieldTexts &fields, float seed = 1234.5F)
{
    RandomGenerator random;
    random.reseed(seed);
    try {
        runStartCommand(run.state, fields, random, run.surface);
    } catch (const RuntimeError &error) {
        run.error = error.kind();
    }
}

QPointF start(const RecordingSurface::Line &line)
{
    return {line.x1, line.y1};
}

QPointF end(const RecordingSurface::Line &line)
{
    return {line.x2, line.y2};
}

} // namespace

class StartCommandTest final : public QObject
{
    Q_OBJECT

private slots:
    void curvePointsOfTheDefaultFields_data();
    void curvePointsOfTheDefaultFields();
    void tracesTheDefaultCurve();
    void segmentsChainBackwards();
    void presentsAfterEveryStep();
    void picksOneColourPerRunInDrawOrder();
    void readsTheFieldsLeniently_data();
    void readsTheFieldsLeniently();
    void rollingRadiusZeroCirclesAroundASidePoint();
    void negativeFixedRadiusReflects();
    void zeroFixedRadiusIsDivisionByZero_data();
    void zeroFixedRadiusIsDivisionByZero();
    void hugeValuesOverflowAtTheirConversion_data();
    void hugeValuesOverflowAtTheirConversion();
    void keepsTheOrderOfOperations();
    void closesOnTheFirstPoint();
    void drawsOnTheRasterSurface();
};

void StartCommandTest::curvePointsOfTheDefaultFields_data()
{
    QTest::addColumn<double>("T");
    QTest::addColumn<double>("X");
    QTest::addColumn<double>("Y");

    QTest::newRow("first point") << 0.0 << 113.0 << 0.0;
    QTest::newRow("second point") << 0.25 << 114.0 << -3.0;
    QTest::newRow("third point") << 0.5 << 119.0 << -3.0;
    QTest::newRow("fourth point") << 0.75 << 126.0 << -2.0;
    QTest::newRow("last point") << 201.0 << 35.0 << -108.0;
}

void StartCommandTest::curvePointsOfTheDefaultFields()
{
    QFETCH(double, T);
    QFETCH(double, X);
    QFETCH(double, Y);
    QCOMPARE(curvePoint(Radii {120, 33, 40}, T), (CurvePoint {X, Y}));
}

void StartCommandTest::tracesTheDefaultCurve()
{
    Run run;
    start(run, defaultFields);
    QVERIFY(!run.error);

    const auto &lines = run.surface.lines;
    QCOMPARE(lines.size(), std::size_t(804));
    // The first segment runs from the point of T = 0.25 back to the point of T = 0.
    QCOMPARE(start(lines.front()), QPointF(314, 247));
    QCOMPARE(end(lines.front()), QPointF(313, 250));
    QCOMPARE(start(lines[1]), QPointF(319, 247));
    QCOMPARE(start(lines[2]), QPointF(326, 248));
    QCOMPARE(start(lines.back()), QPointF(235, 142));
    QCOMPARE(run.state.T, 201.25);

    // Within the surface and below the row of controls.
    float left = 1e9F, right = -1e9F, top = 1e9F, bottom = -1e9F;
    for (const auto &line : lines) {
        left = std::min({left, line.x1, line.x2});
        right = std::max({right, line.x1, line.x2});
        top = std::min({top, line.y1, line.y2});
        bottom = std::max({bottom, line.y1, line.y2});
        QCOMPARE(line.penWidth, 2);
    }
    QCOMPARE(left, 7.0F);
    QCOMPARE(right, 392.0F);
    QCOMPARE(top, 57.0F);
    QCOMPARE(bottom, 442.0F);
}

void StartCommandTest::segmentsChainBackwards()
{
    Run run;
    start(run, defaultFields);
    const auto &lines = run.surface.lines;
    for (std::size_t i = 1; i < lines.size(); ++i)
        QCOMPARE(end(lines[i]), start(lines[i - 1]));
    // Every point is a whole pixel.
    for (const auto &line : lines)
        QVERIFY(std::floor(line.x1) == line.x1 && std::floor(line.y1) == line.y1);
}

void StartCommandTest::presentsAfterEveryStep()
{
    Run run;
    start(run, defaultFields);
    using Call = RecordingSurface::Call;
    const auto &calls = run.surface.calls;
    QCOMPARE(run.surface.count(Call::Present), 805L);
    // Pen width first, then a present for the first point with nothing drawn,
    // then each segment followed by its present.
    QCOMPARE(calls.front(), Call::PenWidth);
    QCOMPARE(calls[1], Call::Present);
    for (std::size_t i = 2; i + 1 < calls.size(); i += 2) {
        QCOMPARE(calls[i], Call::Line);
        QCOMPARE(calls[i + 1], Call::Present);
    }
}

void StartCommandTest::picksOneColourPerRunInDrawOrder()
{
    constexpr float seed = 777.25F;
    RandomGenerator draws;
    draws.reseed(seed);
    const float red = draws.next() * 255.0F;
    const float green = draws.next() * 255.0F;
    const float blue = draws.next() * 255.0F;

    Run run;
    start(run, defaultFields, seed);
    QCOMPARE(run.state.Red, red);
    QCOMPARE(int(run.state.Green), int(roundToInt16(green)));
    QCOMPARE(run.state.Blue, blue);

    const COLORREF expected = composeColor(roundToInt16(red), roundToInt16(green), roundToInt16(blue));
    std::set<COLORREF> colours;
    for (const auto &line : run.surface.lines)
        colours.insert(line.colour);
    QCOMPARE(colours, std::set<COLORREF> {expected});

    // A second run draws three new numbers, so its colour is (almost surely) another.
    RandomGenerator random;
    random.reseed(seed);
    WindowState state;
    RecordingSurface first;
    RecordingSurface second;
    runStartCommand(state, defaultFields, random, first);
    runStartCommand(state, defaultFields, random, second);
    QCOMPARE(first.lines.front().colour, expected);
    QVERIFY(second.lines.front().colour != expected);
    QCOMPARE(second.lines.size(), first.lines.size());
}

void StartCommandTest::readsTheFieldsLeniently_data()
{
    QTest::addColumn<QString>("R11");
    QTest::addColumn<QString>("R33");
    QTest::addColumn<QPointF>("firstPoint");

    // The first point is (R1 + R2 - R3, 0) from the centre.
    QTest::newRow("junk after the number") << "120abc"
                                           << "40" << QPointF(313, 250);
    QTest::newRow("twelve and letters") << "12xyz"
                                        << "40" << QPointF(205, 250);
    QTest::newRow("letters only reads as zero") << "120"
                                                << "abc" << QPointF(353, 250);
    QTest::newRow("empty reads as zero") << "120"
                                         << "" << QPointF(353, 250);
    QTest::newRow("decimal period") << "120.9"
                                    << "40.5" << QPointF(313, 250);
}

void StartCommandTest::readsTheFieldsLeniently()
{
    QFETCH(QString, R11);
    QFETCH(QString, R33);
    QFETCH(QPointF, firstPoint);
    Run run;
    start(run, FieldTexts {R11, QStringLiteral("33"), R33});
    QVERIFY(!run.error);
    QCOMPARE(end(run.surface.lines.front()), firstPoint);
}

void StartCommandTest::rollingRadiusZeroCirclesAroundASidePoint()
{
    // A stays 0 and B = T: a circle of radius |R3| around (X0 + R1, Y0), about 32 times round.
    Run run;
    start(run, FieldTexts {QStringLiteral("120"), QStringLiteral("0"), QStringLiteral("40")});
    QVERIFY(!run.error);
    QCOMPARE(run.surface.lines.size(), std::size_t(804));
    for (const auto &line : run.surface.lines) {
        const double distance = std::hypot(line.x1 + 0.5 - 320, line.y1 + 0.5 - 250);
        QVERIFY2(std::abs(distance - 40) < 1.0, qPrintable(QString::number(distance)));
    }
    // Add up the angle the pen sweeps round that centre: about 32 turns.
    double swept = 0.0;
    for (const auto &line : run.surface.lines) {
        const double from = std::atan2(line.y2 - 250.0, line.x2 - 320.0);
        const double to = std::atan2(line.y1 - 250.0, line.x1 - 320.0);
        swept += std::remainder(to - from, 2.0 * M_PI);
    }
    QVERIFY2(std::abs(std::abs(swept) / (2.0 * M_PI) - 32.0) < 0.5, qPrintable(QString::number(swept)));
}

void StartCommandTest::negativeFixedRadiusReflects()
{
    // With R1 negative the curve is traced with the negative value, not its magnitude.
    Run run;
    start(run, FieldTexts {QStringLiteral("-80"), QStringLiteral("33"), QStringLiteral("40")});
    QVERIFY(!run.error);
    QCOMPARE(run.surface.lines.size(), std::size_t(804));
    // First point: (R1 + R2) - R3 = -87 from the centre.
    QCOMPARE(end(run.surface.lines.front()), QPointF(113, 250));
    const CurvePoint p = curvePoint(Radii {-80, 33, 40}, 0.25);
    QCOMPARE(start(run.surface.lines.front()), QPointF(p.X + 200, p.Y + 250));
}

void StartCommandTest::zeroFixedRadiusIsDivisionByZero_data()
{
    QTest::addColumn<QString>("R11");
    QTest::newRow("zero") << "0";
    QTest::newRow("negative zero") << "-0";
    QTest::newRow("empty") << "";
    QTest::newRow("letters") << "abc";
    QTest::newRow("below the smallest double") << "1e-400";
}

void StartCommandTest::zeroFixedRadiusIsDivisionByZero()
{
    QFETCH(QString, R11);
    Run run;
    start(run, FieldTexts {R11, QStringLiteral("33"), QStringLiteral("40")});
    QCOMPARE(run.error, std::optional(ErrorKind::DivisionByZero));
    // The colour and the pen were set; nothing was drawn or presented.
    QVERIFY(run.surface.lines.empty());
    QCOMPARE(run.surface.count(RecordingSurface::Call::Present), 0L);
    QCOMPARE(run.surface.penWidth, 2);
    QVERIFY(run.state.Red > 0.0F || run.state.Green > 0 || run.state.Blue > 0.0F);
}

void StartCommandTest::hugeValuesOverflowAtTheirConversion_data()
{
    QTest::addColumn<QString>("R11");
    QTest::addColumn<QString>("R22");
    QTest::addColumn<QString>("R33");
    QTest::addColumn<std::size_t>("linesBefore");

    // The first point is only narrowed when the first segment is drawn.
    QTest::newRow("pen beyond single precision") << "120"
                                                 << "33"
                                                 << "1e39" << std::size_t(0);
    QTest::newRow("infinite pen distance") << "120"
                                           << "33"
                                           << "1e400" << std::size_t(0);
    QTest::newRow("infinite fixed radius") << "1e400"
                                           << "33"
                                           << "40" << std::size_t(0);
    QTest::newRow("sum beyond double") << "1e308"
                                       << "1e308"
                                       << "40" << std::size_t(0);
    QTest::newRow("rolling radius beyond single") << "1"
                                                  << "1e39"
                                                  << "0" << std::size_t(0);
}

void StartCommandTest::hugeValuesOverflowAtTheirConversion()
{
    QFETCH(QString, R11);
    QFETCH(QString, R22);
    QFETCH(QString, R33);
    QFETCH(std::size_t, linesBefore);
    Run run;
    start(run, FieldTexts {R11, R22, R33});
    QCOMPARE(run.error, std::optional(ErrorKind::Overflow));
    QCOMPARE(run.surface.lines.size(), linesBefore);
    // Only the first point was presented: no non-finite value reached the surface.
    QCOMPARE(run.surface.count(RecordingSurface::Call::Present), 1L);
}

void StartCommandTest::keepsTheOrderOfOperations()
{
    // A = (T * R2) / R1 and B = ((R1 + R2) / R1) * T. With these radii the
    // rearranged forms T * (R2 / R1) and (R1 + R2) * T / R1 differ in the last
    // bit, and the floor shows it.
    const Radii radii {3.0, 0.1, 1e15};
    int differing = 0;
    for (double T = 0.25; T <= 50; T += 0.25) {
        const CurvePoint p = curvePoint(radii, T);
        const double A = T * (radii.R2 / radii.R1);
        const double B = (radii.R1 + radii.R2) * T / radii.R1;
        const double X = std::floor((radii.R1 + radii.R2) * std::cos(A) - radii.R3 * std::cos(B));
        const double A0 = (T * radii.R2) / radii.R1;
        const double B0 = ((radii.R1 + radii.R2) / radii.R1) * T;
        const double X0 = std::floor((radii.R1 + radii.R2) * std::cos(A0) - radii.R3 * std::cos(B0));
        QCOMPARE(p.X, X0);
        differing += X != X0 ? 1 : 0;
    }
    QVERIFY(differing > 0);
}

void StartCommandTest::closesOnTheFirstPoint()
{
    WindowState state;
    RecordingSurface surface;
    const COLORREF colour = composeColor(1, 2, 3);
    traceCurve(state, TracePlan {Radii {120, 33, 40}, colour, 80 * M_PI, true}, surface);
    const auto &lines = surface.lines;
    // T = 0 ... 251.25, then one more segment from the first point back to the last.
    QCOMPARE(lines.size(), std::size_t(1006));
    QCOMPARE(start(lines.back()), QPointF(313, 250));
    QCOMPARE(end(lines.back()), start(lines[lines.size() - 2]));
    QCOMPARE(surface.count(RecordingSurface::Call::Present), 1007L);
}

void StartCommandTest::drawsOnTheRasterSurface()
{
    RasterSurface surface(QSize(400, 445), 1.0, Qt::white);
    WindowState state;
    RandomGenerator random;
    int presents = 0;
    surface.setPresentHandler([&](const QRect &changed) {
        ++presents;
        QVERIFY(QRect(0, 0, 400, 445).contains(changed));
    });
    runStartCommand(state, defaultFields, random, surface);
    QCOMPARE(presents, 804); // the first step draws nothing to show

    // Only the run colour, and only along the curve.
    const QColor colour = toQColor(composeColor(roundToInt16(state.Red), state.Green, roundToInt16(state.Blue)));
    const QImage &image = surface.image();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            QVERIFY(pixel == QColor(Qt::white).rgb() || pixel == colour.rgb());
        }
    QCOMPARE(image.pixel(313, 250), colour.rgb());
    QCOMPARE(image.pixel(235, 142), colour.rgb());
    QCOMPARE(image.pixel(200, 250), QColor(Qt::white).rgb());
}

QTEST_MAIN(StartCommandTest)
#include "tst_start_command.moc"
