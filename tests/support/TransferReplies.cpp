#include "TransferReplies.h"

#include "model/SevenBitPacking.h"
#include "model/SysexFormat.h"

namespace zr9::test
{

Bytes informationReply (int typeId, int number, int size, const std::string& name)
{
    auto m = sysex::frame (0, sysex::commandTransfer, { 5, 0 });
    sysex::appendNumber14Lo (m, typeId);
    sysex::appendNumber14Lo (m, number);
    sysex::appendNumber21Lo (m, size);
    m.push_back (0);
    for (size_t i = 0; i < 20; ++i)
        m.push_back ((std::uint8_t) (i < name.size() ? name[i] : ' '));
    m.push_back (sysex::end);
    return m;
}

Bytes dataReply (int typeId, int number, int offset, const Bytes& chunk, int sizeField)
{
    auto m = sysex::frame (0, sysex::commandTransfer, { 1, 0 });
    sysex::appendNumber14Lo (m, typeId);
    sysex::appendNumber14Lo (m, number);
    sysex::appendNumber21Lo (m, offset);
    sysex::appendNumber21Lo (m, sizeField < 0 ? (int) chunk.size() : sizeField);
    sysex::pack (chunk.data(), chunk.size(), m);
    m.pop_back();
    sysex::append (m, { 0, 0, sysex::end }); // two bytes the editor does not examine
    return m;
}

Bytes refusalReply (int reason)
{
    return sysex::frame (0, sysex::commandTransfer, { 3, (std::uint8_t) reason, sysex::end });
}

Bytes objectBytes (size_t size, int seed)
{
    Bytes b (size);
    for (size_t i = 0; i < size; ++i)
        b[i] = (std::uint8_t) ((int) i * 13 + seed);
    return b;
}

} // namespace zr9::test
