#pragma once

#include <cstdint>

// The game's one random source: a 32-bit linear congruential generator,
// shared by the word draw and the board composition.
class RandomSource
{
public:
    void setSeed(std::uint32_t seed) { m_seed = seed; }

    /* n > 0; returns 0 <= value < n. */
    std::uint32_t next(std::uint32_t n)
    {
        m_seed = m_seed * 134775813u + 1u;
        return static_cast<std::uint32_t>((std::uint64_t(m_seed) * n) >> 32);
    }

private:
    std::uint32_t m_seed = 0;
};
