#pragma once

#include <cstdint>
#include <iterator>

// splitmix64: tiny, fast and, unlike std::rand or the std distributions, gives the same numbers with every
// compiler and library, so a team's demo pages are byte-identical everywhere.
class SplitMix64 {
public:
    explicit SplitMix64(uint64_t seed) : m_state(seed) {}

    uint64_t next()
    {
        m_state += 0x9E3779B97F4A7C15ULL;
        uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }

    // Uniform enough for sample data in [low, high], both included.
    int64_t between(int64_t low, int64_t high)
    {
        const auto span = static_cast<uint64_t>(high - low) + 1;
        return low + static_cast<int64_t>(next() % span);
    }

    // True with the given chance in percent.
    bool percent(int chance) { return between(1, 100) <= chance; }

    template <class Container> const auto &pick(const Container &items)
    {
        return items[static_cast<size_t>(between(0, static_cast<int64_t>(std::size(items)) - 1))];
    }

private:
    uint64_t m_state;
};

// Independent streams for one team: the same team and purpose always give the same sequence.
inline SplitMix64 teamStream(int32_t teamId, uint64_t purpose)
{
    SplitMix64 mixer(static_cast<uint64_t>(static_cast<uint32_t>(teamId)) * 0x100000001B3ULL ^ purpose);
    return SplitMix64(mixer.next());
}
