#include "ArrangementBuilder.h"

#include "RecordBytes.h"

#include <array>

namespace zr9::factory
{

namespace
{

constexpr int arrangementNameLength = 24;
constexpr int firstProgramOffset = 24;     // one word per MIDI channel
constexpr int channels = 16;
constexpr int globalsOffset = 56;          // bytes 56 to 66: the global live values
constexpr int globalsSize = 11;
constexpr int carriedOffset = 67;          // bytes 67 to 299, carried over unread

struct Arrangement
{
    const char* name;
    std::array<int, channels> programs;
    std::array<int, globalsSize> globals;
};

const std::array<int, globalsSize> factoryGlobals { 0x00, 0x01, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00 };
const std::array<int, globalsSize> blankGlobals { 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x7F, 0x00, 0x00, 0x40 };

const Arrangement factoryArrangements[] {
    { "EDM", { 261, 99, 375, 330, 327, 124, 354, 112, 449, 239, 331, 182, 492, 102, 68, 74 }, factoryGlobals },
    { "Hip Hop", { 17, 206, 115, 69, 341, 135, 148, 193, 354, 229, 233, 11, 239, 289, 132, 244 }, factoryGlobals },
    { "Rock", { 3, 277, 201, 449, 454, 56, 146, 300, 273, 225, 511, 195, 466, 141, 130, 331 }, factoryGlobals },
};

const Arrangement blankArrangement { "------------------------",
                                     { 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1 }, blankGlobals };

/** The bytes 67 to 299 of the blank record, given as offset and value; all others are zero. */
const std::pair<int, int> carriedBytes[] { { 69, 0x40 }, { 78, 0x6F }, { 79, 0x22 }, { 80, 0x65 }, { 82, 0x1F },
                                           { 84, 0x14 }, { 191, 0x7F }, { 194, 0x40 }, { 207, 0x02 }, { 210, 0x2D },
                                           { 212, 0x31 } };

Bytes arrangementRecord (const Arrangement& a)
{
    Bytes b (arrangementRecordSize, 0);
    putText (b, 0, padded (a.name, arrangementNameLength));
    for (int c = 0; c < channels; ++c)
        putWord (b, firstProgramOffset + 2 * c, a.programs[(std::size_t) c]);
    for (int i = 0; i < globalsSize; ++i)
        putByte (b, globalsOffset + i, a.globals[(std::size_t) i]);
    for (const auto& [offset, value] : carriedBytes)
        putByte (b, offset, value);
    return b;
}

} // namespace

Bytes buildArrangementBank()
{
    Bytes bank;
    for (int slot = 0; slot < arrangementSlots; ++slot)
    {
        const Bytes record = arrangementRecord (slot < 3 ? factoryArrangements[slot] : blankArrangement);
        bank.insert (bank.end(), record.begin(), record.end());
    }
    static_assert (carriedOffset == globalsOffset + globalsSize, "the carried bytes follow the global values");
    return bank;
}

} // namespace zr9::factory
