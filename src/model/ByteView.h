#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace zr9
{

/** An owned byte string: an object record, a bank image, a message. */
using Bytes = std::vector<std::uint8_t>;

/**
    A read-only window on instrument bytes. Every read is bounds-checked:
    a byte beyond the end reads as 0, and a multi-byte field reads as 0
    unless all of its bytes lie inside the view (never half a word).
    Multi-byte numbers are big-endian, as everywhere in the instrument's data.
*/
class ByteView
{
public:
    ByteView() = default;
    ByteView (const std::uint8_t* d, std::size_t n) noexcept : data_ (n > 0 ? d : nullptr), size_ (d != nullptr ? n : 0) {}
    ByteView (const Bytes& b) noexcept : ByteView (b.data(), b.size()) {}

    const std::uint8_t* data() const noexcept { return data_; }
    std::size_t size() const noexcept { return size_; }
    bool empty() const noexcept { return size_ == 0; }

    /** True when the n bytes starting at pos all lie inside the view. */
    bool contains (long long pos, long long n = 1) const noexcept
    {
        return pos >= 0 && n >= 0 && pos <= (long long) size_ && n <= (long long) size_ - pos;
    }

    int byte (long long pos) const noexcept { return contains (pos) ? data_[pos] : 0; }

    int signedByte (long long pos) const noexcept { return (int) (std::int8_t) (std::uint8_t) byte (pos); }

    int word (long long pos) const noexcept
    {
        return contains (pos, 2) ? (data_[pos] << 8) | data_[pos + 1] : 0;
    }

    int signedWord (long long pos) const noexcept { return (int) (std::int16_t) (std::uint16_t) word (pos); }

    long long dword (long long pos) const noexcept
    {
        if (! contains (pos, 4))
            return 0;
        return ((long long) data_[pos] << 24) | ((long long) data_[pos + 1] << 16)
             | ((long long) data_[pos + 2] << 8) | (long long) data_[pos + 3];
    }

    /** The sub-view [pos, pos + n) clipped to this view. */
    ByteView slice (long long pos, long long n) const noexcept
    {
        if (pos < 0 || pos >= (long long) size_ || n <= 0)
            return {};
        const auto avail = (long long) size_ - pos;
        return { data_ + pos, (std::size_t) (n < avail ? n : avail) };
    }

    bool matches (long long pos, const char* text, std::size_t n) const noexcept
    {
        if (! contains (pos, (long long) n))
            return false;
        for (std::size_t i = 0; i < n; ++i)
            if (data_[pos + (long long) i] != (std::uint8_t) text[i])
                return false;
        return true;
    }

private:
    const std::uint8_t* data_ = nullptr;
    std::size_t size_ = 0;
};

/** Writes a big-endian 16-bit word into b at pos when both bytes fit; otherwise nothing. */
inline void putWord (Bytes& b, long long pos, int value) noexcept
{
    if (pos >= 0 && pos + 1 < (long long) b.size())
    {
        b[(std::size_t) pos] = (std::uint8_t) ((value >> 8) & 0xFF);
        b[(std::size_t) pos + 1] = (std::uint8_t) (value & 0xFF);
    }
}

/** Writes one byte into b at pos when it fits; otherwise nothing. */
inline void putByte (Bytes& b, long long pos, int value) noexcept
{
    if (pos >= 0 && pos < (long long) b.size())
        b[(std::size_t) pos] = (std::uint8_t) (value & 0xFF);
}

/** The text form of an object name: bytes 1 to 127 kept in order, all others dropped. */
inline std::string nameFromBytes (ByteView v, long long pos, int length = 20)
{
    std::string s;
    for (int i = 0; i < length; ++i)
    {
        const int c = v.byte (pos + i);
        if (c >= 1 && c <= 127)
            s.push_back ((char) c);
    }
    return s;
}

} // namespace zr9
