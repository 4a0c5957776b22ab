#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zr9::factory
{

/** A small fixed-seed generator (splitmix64): the same seed always gives the same factory data. */
class Prng
{
public:
    explicit Prng (std::uint64_t seed) : state_ (seed) {}

    std::uint64_t next()
    {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }

    /** A number from lo to hi inclusive. */
    int range (int lo, int hi) { return lo + (int) (next() % (std::uint64_t) (hi - lo + 1)); }

    /** True with the given chance in percent. */
    bool chance (int percent) { return range (0, 99) < percent; }

    template <typename T>
    const T& pick (const std::vector<T>& items) { return items[(std::size_t) range (0, (int) items.size() - 1)]; }

private:
    std::uint64_t state_;
};

} // namespace zr9::factory
