#pragma once

#include "Prng.h"

#include "model/ByteView.h"

#include <stdexcept>
#include <string>
#include <vector>

namespace zr9::factory
{

/**
    A record being laid out whose structures read bytes of their neighbours
    (a list count whose last byte is the first entry's first byte, a short
    entry whose marker is the next entry's first byte). Each structure fixes
    the bytes the walk will read; fixing one byte to two different values is
    a fault in the generator. Bytes nobody fixed are filled at the end.
*/
class LaidBytes
{
public:
    explicit LaidBytes (std::size_t size) : cells_ (size, free) {}

    std::size_t size() const noexcept { return cells_.size(); }

    void fix (long long pos, int value)
    {
        if (pos < 0 || pos >= (long long) cells_.size())
            throw std::runtime_error ("laid byte " + std::to_string (pos) + " lies outside the record");
        auto& cell = cells_[(std::size_t) pos];
        if (cell != free && cell != (value & 0xFF))
            throw std::runtime_error ("laid byte " + std::to_string (pos) + " fixed twice with different values");
        cell = value & 0xFF;
    }

    void fixWord (long long pos, int value)
    {
        fix (pos, value >> 8);
        fix (pos + 1, value);
    }

    void fixDword (long long pos, long long value)
    {
        fixWord (pos, (int) ((value >> 16) & 0xFFFF));
        fixWord (pos + 2, (int) (value & 0xFFFF));
    }

    void fixText (long long pos, const std::string& text)
    {
        for (std::size_t i = 0; i < text.size(); ++i)
            fix (pos + (long long) i, (unsigned char) text[i]);
    }

    /** The finished bytes: every free byte is 0 or, with the given chance, a small value. */
    Bytes finish (Prng& prng, int valuePercent) const
    {
        Bytes b (cells_.size());
        for (std::size_t i = 0; i < cells_.size(); ++i)
            b[i] = (std::uint8_t) (cells_[i] != free ? cells_[i] : (prng.chance (valuePercent) ? prng.range (1, 127) : 0));
        return b;
    }

private:
    static constexpr int free = -1;
    std::vector<int> cells_;
};

} // namespace zr9::factory
