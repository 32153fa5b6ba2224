#include "trace/closure.h"

#include <QTest>

#include <cmath>
#include <numbers>

using namespace volvenda;

namespace {

ExactDecimal exact(const char *text)
{
    return readExactDecimal(QString::fromLatin1(text), QLocale::c());
}

// The unfloored point of the curve, to see it come back to its start.
QPointF exactPoint(double R1, double R2, double R3, double T)
{
    const double A = T * R2 / R1;
    const double B = (R1 + R2) / R1 * T;
    return {(R1 + R2) * std::cos(A) - R3 * std::cos(B), (R1 + R2) * std::sin(A) - R3 * std::sin(B)};
}

} // namespace

class ClosureTest final : public QObject
{
    Q_OBJECT

private slots:
    void closesAfterWholeTurns_data();
    void closesAfterWholeTurns();
    void cannotTellForTooManyDigits();
};

void ClosureTest::closesAfterWholeTurns_data()
{
    QTest::addColumn<QString>("R1");
    QTest::addColumn<QString>("R2");
    QTest::addColumn<double>("turns");
    QTest::addColumn<double>("segments");

    // 120 / 33 = 40 / 11: 80 pi, after the rolling circle has gone 11 times round.
    QTest::newRow("default fields") << "120"
                                    << "33" << 40.0 << 1006.0;
    QTest::newRow("decimals") << "2.5"
                              << "1.5" << 5.0 << 126.0;
    QTest::newRow("different scales") << "1.2"
                                      << "0.33" << 40.0 << 1006.0;
    QTest::newRow("negative R1") << "-80"
                                 << "33" << 80.0 << 2011.0;
    QTest::newRow("negative R2") << "120"
                                 << "-33" << 40.0 << 1006.0;
    QTest::newRow("equal radii") << "7"
                                 << "7" << 1.0 << 26.0;
    QTest::newRow("R2 zero goes once round") << "120"
                                             << "0" << 1.0 << 26.0;
    QTest::newRow("R2 a multiple of R1") << "10"
                                         << "30" << 1.0 << 26.0;
    QTest::newRow("large exponents") << "3e20"
                                     << "1e20" << 3.0 << 76.0;
}

void ClosureTest::closesAfterWholeTurns()
{
    QFETCH(QString, R1);
    QFETCH(QString, R2);
    QFETCH(double, turns);
    QFETCH(double, segments);

    const std::optional<Closure> closure
        = closeCurve(readExactDecimal(R1, QLocale::c()), readExactDecimal(R2, QLocale::c()), 0.25F);
    QVERIFY(closure);
    QCOMPARE(closure->end, 2 * std::numbers::pi * turns);
    QCOMPARE(closure->segments, segments);

    // The pen is back where it started, and was not there half a step before.
    const double r1 = R1.toDouble();
    const double r2 = R2.toDouble();
    const QPointF start = exactPoint(r1, r2, 40, 0);
    const QPointF back = exactPoint(r1, r2, 40, closure->end);
    QVERIFY(QLineF(start, back).length() < 1e-6 * (std::abs(r1) + std::abs(r2) + 40));
}

void ClosureTest::cannotTellForTooManyDigits()
{
    QVERIFY(!closeCurve(exact("123456789012345678901"), exact("1"), 0.25F));
    QVERIFY(!closeCurve(exact("1e30"), exact("1"), 0.25F));
    QVERIFY(closeCurve(exact("1e18"), exact("1"), 0.25F));
    // A zero fixed radius is left to the tracer, which reports the division.
    QCOMPARE(closeCurve(exact("0"), exact("33"), 0.25F)->end, 0.0);
}

QTEST_GUILESS_MAIN(ClosureTest)
#include "tst_closure.moc"
