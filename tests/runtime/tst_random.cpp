#include "runtime/random_generator.h"

#include <QTest>

#include <algorithm>
#include <vector>

using namespace volvenda;

class RandomTest final : public QObject
{
    Q_OBJECT

private slots:
    void staysInHalfOpenUnitInterval_data();
    void staysInHalfOpenUnitInterval();
    void sameSeedSameSequence();
    void nearbySeedsDiffer();
    void coversTheColourRange();
};

namespace {

std::vector<float> draws(RandomGenerator &generator, int count)
{
    std::vector<float> values(static_cast<std::size_t>(count));
    std::generate(values.begin(), values.end(), [&] { return generator.next(); });
    return values;
}

} // namespace

void RandomTest::staysInHalfOpenUnitInterval_data()
{
    QTest::addColumn<float>("seed");
    QTest::newRow("midnight") << 0.0F;
    QTest::newRow("noon") << 43200.0F;
    QTest::newRow("just before midnight") << 86399.999F;
}

void RandomTest::staysInHalfOpenUnitInterval()
{
    QFETCH(float, seed);
    RandomGenerator generator;
    generator.reseed(seed);
    const std::vector<float> values = draws(generator, 200'000);
    const auto [low, high] = std::minmax_element(values.begin(), values.end());
    QVERIFY(*low >= 0.0F);
    QVERIFY(*high < 1.0F);
    // Uniform: the extremes come close to both ends, and the mean to a half.
    QVERIFY(*low < 0.001F);
    QVERIFY(*high > 0.999F);
    double sum = 0.0;
    for (const float value : values)
        sum += value;
    QVERIFY(std::abs(sum / values.size() - 0.5) < 0.01);
}

void RandomTest::sameSeedSameSequence()
{
    RandomGenerator first;
    RandomGenerator second(12345);
    first.reseed(3600.5F);
    second.reseed(3600.5F);
    QCOMPARE(draws(first, 100), draws(second, 100));
}

void RandomTest::nearbySeedsDiffer()
{
    // Seeds a millisecond apart, as two starts of the program might be.
    RandomGenerator first;
    RandomGenerator second;
    first.reseed(3600.001F);
    second.reseed(3600.002F);
    QVERIFY(draws(first, 3) != draws(second, 3));
}

void RandomTest::coversTheColourRange()
{
    // Scaled as the run colour is, every byte value turns up.
    RandomGenerator generator;
    generator.reseed(1.0F);
    std::vector<bool> seen(255, false);
    for (int i = 0; i < 100'000; ++i)
        seen[static_cast<std::size_t>(generator.next() * 255.0F)] = true;
    QVERIFY(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
}

QTEST_GUILESS_MAIN(RandomTest)
#include "tst_random.moc"
