#include "ObjMasterClass.h"

namespace zr9
{

namespace
{
    constexpr int channelPart = 4;
    constexpr int channelEntrySize = 8;
    constexpr int channelProgramOffset = 2;
    constexpr int tempoPart = 3;
    constexpr int tempoOffset = 23;
    constexpr int defaultTempo = 120;
} // namespace

ObjMasterClass::ObjMasterClass()
{
    for (auto& p : parts)
        p = ObjectRecord (Bytes ((size_t) partSize, 0));
}

void ObjMasterClass::loadPart (int k, ByteView bytes)
{
    if (k < 1 || k > partCount)
        return;
    {
        const std::lock_guard<std::mutex> sl (lock);
        parts[(size_t) k - 1] = ObjectRecord (Bytes (bytes.data(), bytes.data() + bytes.size()));
    }
    broadcastChange (k);
}

Bytes ObjMasterClass::part (int k) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return k >= 1 && k <= partCount ? parts[(size_t) k - 1].bytes() : Bytes();
}

int ObjMasterClass::channelProgram (int c) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return parts[channelPart - 1].word (channelEntrySize * c + channelProgramOffset);
}

int ObjMasterClass::tempo() const
{
    const std::lock_guard<std::mutex> sl (lock);
    const int bpm = parts[tempoPart - 1].word (tempoOffset) / 100;
    return bpm == 0 ? defaultTempo : bpm;
}

} // namespace zr9
