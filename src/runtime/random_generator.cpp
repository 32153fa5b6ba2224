#include "random_generator.h"

#include <bit>

namespace volvenda {

RandomGenerator::RandomGenerator(std::uint32_t seed)
    : m_engine(seed)
{
}

void RandomGenerator::reseed(float seed)
{
    // Every bit of the seed matters: two times of day a millisecond apart give
    // different sequences.
    m_engine.seed(std::bit_cast<std::uint32_t>(seed));
}

float RandomGenerator::next()
{
    // The top 24 bits fill a float's mantissa exactly, so the largest value is
    // 1 - 2^-24. std::generate_canonical<float> may round up to 1.0; this cannot.
    constexpr float scale = 0x1p-24F;
    return static_cast<float>(m_engine() >> 8U) * scale;
}

} // namespace volvenda
