#pragma once

#include <cstdint>
#include <random>

namespace volvenda {

// A uniform generator of single-precision numbers in [0, 1).
class RandomGenerator final
{
public:
    explicit RandomGenerator(std::uint32_t seed = 0);

    // Restarts the sequence from a seed; the window seeds it with the time of day.
    void reseed(float seed);

    // The next value, strictly below 1.
    [[nodiscard]] float next();

private:
    std::mt19937 m_engine;
};

} // namespace volvenda
