#pragma once

#include "ByteView.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace zr9
{

/**
    The arrangement library's list file (".zr9arrlib"; the working copy is
    "Lib.zr9arrlib"): the number of entries, then each entry's length and
    bytes, with no padding and no trailer.

    | Offset  | Size | Content                      |
    |---------|------|------------------------------|
    | 0       | 10   | N, the number of entries     |
    | 10      | 10   | L1, the length of entry 1    |
    | 20      | L1   | the bytes of entry 1         |
    | 20 + L1 | 10   | L2, and so on for N entries  |

    Numbers are 10 bytes in base 128, least significant digit first, every
    byte below 128: 200 is 72, 1 and eight zeros.
*/
namespace arrlist
{
    constexpr int numberSize = 10;
    constexpr int numberBase = 128;
    /** A shorter file holds no list at all. */
    constexpr int smallestList = 12;

    /** Appends v as a 10-byte number. */
    void appendNumber (Bytes& out, std::uint64_t v);

    /**
        The 10-byte number at pos; nothing when it does not lie whole inside
        the bytes or a digit is 128 or more. A value beyond what 64 bits hold
        reads as the largest value, which no file reaches.
    */
    std::optional<std::uint64_t> readNumber (ByteView bytes, long long pos) noexcept;

    /** The file's bytes for a list of entries. */
    Bytes encode (const std::vector<Bytes>& entries);

    struct Decoded
    {
        enum class Status
        {
            notAList, // fewer than 12 bytes, or no readable count
            empty,    // a count of 0
            whole,    // every stated entry read
            cut       // the count or a length ran past the end: only the whole entries before it are read
        };

        Status status = Status::notAList;
        std::vector<Bytes> entries;
        std::uint64_t statedCount = 0;
    };

    /** Reads a list file of any content; never reads past its end and never keeps part of an entry. */
    Decoded decode (ByteView file);
} // namespace arrlist

} // namespace zr9
