#include "support/cases.h"
#include "support/pictures.h"

#include "drawing/drawing_surface.h"
#include "runtime/random_generator.h"
#include "runtime/runtime_error.h"
#include "trace/closure.h"
#include "trace/start_command.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <optional>
#include <set>
#include <variant>

using namespace volvenda;

namespace {

// A surface that keeps its calls in order as letters (L line, P present,
// C circle, X clear, and a W for each pixel of a new pen width), its lines and their colours.
class CallLog final : public DrawingSurface
{
public:
    void ClearSurface() override { calls += 'X'; }
    void PenWidth(int width) override { calls += QString(width, u'W'); }
    void DrawCircle(float, float, float, COLORREF) override { calls += 'C'; }
    void DrawLine(float x1, float y1, float x2, float y2, COLORREF colour) override
    {
        calls += 'L';
        lines.append(QLineF(x1, y1, x2, y2));
        colours.insert(colour);
    }
    void Present() override { calls += 'P'; }

    QString calls;
    QList<QLineF> lines;
    std::set<COLORREF> colours;
};

// The Start command on a recording surface, with a generator seeded as given.
struct Run
{
    explicit Run(const QString &R11, const QString &R22, const QString &R33, float seed = 1234.5F)
    {
        RandomGenerator random;
        random.reseed(seed);
        error = errorKindOf([&] { runStartCommand(state, FieldTexts {R11, R22, R33}, random, surface); });
    }

    TraceState state;
    CallLog surface;
    std::optional<ErrorKind> error;
};

// The three fields and what Start makes of them: the first point, or the error.
struct Fields
{
    QStringList texts;
    std::variant<QPointF, ErrorKind> outcome;
};

} // namespace

class TraceTest final : public QObject
{
    Q_OBJECT

private slots:
    void keepsTheOrderOfOperations()
    {
        // A = (T * R2) / R1 and B = ((R1 + R2) / R1) * T. With these radii the
        // rearranged T * (R2 / R1) and (R1 + R2) * T / R1 differ in the last
        // bit, and the floor shows it.
        const Radii r {3.0, 0.1, 1e15};
        const auto x = [&](double A, double B) { return std::floor((r.R1 + r.R2) * std::cos(A) - r.R3 * std::cos(B)); };
        int differing = 0;
        for (double T = 0.25; T <= 50; T += 0.25) {
            const double expected = x((T * r.R2) / r.R1, ((r.R1 + r.R2) / r.R1) * T);
            QCOMPARE(curvePoint(r, T).X, expected);
            differing += x(T * (r.R2 / r.R1), (r.R1 + r.R2) * T / r.R1) != expected ? 1 : 0;
        }
        QVERIFY(differing > 0);
    }

    void tracesTheDefaultCurve()
    {
        // Red, green and blue drawn in that order, 255 times the generator's
        // first three numbers; green rounded at once. Seeded with 777.25, the
        // 32-bit Mersenne twister gives 0.16012... 0.38519... 0.23034...
        // (worked out apart from the program).
        const Run run(QStringLiteral("120"), QStringLiteral("33"), QStringLiteral("40"), 777.25F);
        QCOMPARE(run.state.Red, 0x1.46a632p+5F);
        QCOMPARE(run.state.Green, std::int16_t(98));
        QCOMPARE(run.state.Blue, 0x1.d5e828p+5F);
        QVERIFY(!run.error);
        // From the point of each step back to the point before: 804 segments
        // from the first point (313, 250) to the point of T = 201, (235, 142).
        const auto &lines = run.surface.lines;
        const QPolygonF points = epitrochoid(120, 33, 40);
        QCOMPARE(lines.size(), 804);
        for (qsizetype i = 0; i < lines.size(); ++i)
            QCOMPARE(lines[i], QLineF(points[i + 1], points[i]));
        QCOMPARE(lines.front(), QLineF(314, 247, 313, 250));
        QCOMPARE(lines.back().p1(), QPointF(235, 142));
        QCOMPARE(run.state.T, 201.25);
        // One colour for the whole run.
        QCOMPARE(run.surface.colours, std::set<COLORREF> {composeColour(41, 98, 59)});
        // The pen at 2, a present for the first point with nothing drawn, then
        // each segment followed by its present: 805 steps.
        QCOMPARE(run.surface.calls, QStringLiteral("WWP") + QStringLiteral("LP").repeated(804));
    }

    void closesFiniteCurvesOnly()
    {
        // 120 / 33 is 40 / 11: the pen is back at its start after 40 turns.
        const std::optional<Closure> closure = closeCurve(120, 33, 0.25F);
        QVERIFY(closure && qFuzzyCompare(closure->end, 2 * std::numbers::pi * 40));
        for (const double endless : {std::numeric_limits<double>::infinity(), std::nan("")})
            QVERIFY(!closeCurve(endless, 33, 0.25F) && !closeCurve(120, endless, 0.25F));
    }

    void readsTheFieldsLenientlyAndFailsBeforeABadPoint_data()
    {
        // The first point lies R1 + R2 - R3 right of the centre. The pen is set
        // before anything can fail; R1 = 0 fails at the first step, before its
        // present; an overflow when the first segment is drawn.
        addRows<Fields>({
            {"junk after R1", {{"120abc", "33", "40"}, QPointF(313, 250)}},
            {"empty R2 reads as zero", {{"120", "", "40"}, QPointF(280, 250)}},
            {"letters in R3 read as zero", {{"120", "33", "abc"}, QPointF(353, 250)}},
            {"negative R1 reflects", {{"-80", "33", "40"}, QPointF(113, 250)}},
            {"R1 zero", {{"0", "33", "40"}, ErrorKind::DivisionByZero}},
            {"pen beyond single precision", {{"120", "33", "1e39"}, ErrorKind::Overflow}},
            {"infinite R1", {{"1e400", "33", "40"}, ErrorKind::Overflow}},
            {"sum beyond double", {{"1e308", "1e308", "40"}, ErrorKind::Overflow}},
        });
    }
    void readsTheFieldsLenientlyAndFailsBeforeABadPoint()
    {
        QFETCH(Fields, row);
        const Run run(row.texts[0], row.texts[1], row.texts[2]);
        if (const auto *first = std::get_if<QPointF>(&row.outcome)) {
            QVERIFY(!run.error);
            QCOMPARE(run.surface.lines.size(), 804);
            QCOMPARE(run.surface.lines.front().p2(), *first);
            return;
        }
        const ErrorKind error = std::get<ErrorKind>(row.outcome);
        QCOMPARE(run.error, std::optional(error));
        QCOMPARE(run.surface.calls, QString::fromLatin1(error == ErrorKind::DivisionByZero ? "WW" : "WWP"));
        // The run colour was picked before.
        QVERIFY(run.state.Red > 0.0F || run.state.Green > 0 || run.state.Blue > 0.0F);
    }
};

QTEST_MAIN(TraceTest)
#include "tst_trace.moc"
