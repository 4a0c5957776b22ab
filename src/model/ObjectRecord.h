#pragma once

#include "ByteView.h"

#include <string>

namespace zr9
{

/**
    One object as the instrument's byte string. It is never decoded into a
    structure: fields are read and written by offset. Reads beyond the end
    give 0 (a 16-bit field needs both bytes), writes beyond the end are
    dropped, multi-byte numbers are big-endian, and a flag setter touches only
    its own bit.
*/
class ObjectRecord
{
public:
    static constexpr int nameLength = 20;

    ObjectRecord() = default;
    explicit ObjectRecord (Bytes b) : data (std::move (b)) {}

    const Bytes& bytes() const noexcept { return data; }
    Bytes& bytes() noexcept { return data; }
    ByteView view() const noexcept { return ByteView (data); }
    int size() const noexcept { return (int) data.size(); }

    int byte (int p) const noexcept { return view().byte (p); }
    int signedByte (int p) const noexcept { return view().signedByte (p); }
    int word (int p) const noexcept { return view().word (p); }
    int signedWord (int p) const noexcept { return view().signedWord (p); }
    bool flag (int p, int bit) const noexcept { return bit >= 0 && bit < 8 && ((byte (p) >> bit) & 1) != 0; }

    void setByte (int p, int value) noexcept { putByte (data, p, value); }
    /** High byte first; a negative value is stored in two's complement so it reads back signed. */
    void setWord (int p, int value) noexcept { putWord (data, p, value); }
    void setFlag (int p, int bit, bool on) noexcept;

    /** Bytes 0 to 19 with every byte from 1 to 127 kept; blanks (the padding) stay. */
    std::string name() const { return nameFromBytes (view(), 0, nameLength); }
    /** Copies exactly 20 bytes into bytes 0 to 19: the text cut to 20 characters or padded with blanks. */
    void setName (const std::string& text) noexcept;

private:
    Bytes data;
};

} // namespace zr9
