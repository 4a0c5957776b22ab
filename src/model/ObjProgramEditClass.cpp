#include "ObjProgramEditClass.h"
#include "ProgramCategories.h"
#include "ProgramLayout.h"

#include <algorithm>

namespace zr9
{

namespace
{
/** Route entry a lies inside the route block: a write there never reaches the bytes behind it. */
bool routeEntryInBlock (const program::TrailingBlocks& t, int a) noexcept
{
    return a >= 0 && program::routeHeaderSize + (long long) program::routeEntrySize * (a + 1) <= t.routeSize;
}
} // namespace

void ObjProgramEditClass::load (ByteView record)
{
    const std::lock_guard<std::mutex> sl (lock);
    edited = ObjectRecord (Bytes (record.data(), record.data() + record.size()));
    const int n = std::min (record.byte (layerCountOffset), maxLayers);
    for (int k = 0; k < n; ++k)
    {
        auto& bytes = layers[(size_t) k].record.bytes();
        bytes.assign ((size_t) SubObjLayerClass::size, 0);
        const long long start = firstLayerOffset + (long long) SubObjLayerClass::size * k;
        for (int i = 0; i < SubObjLayerClass::size; ++i)
            bytes[(size_t) i] = (std::uint8_t) record.byte (start + i);
    }
}

Bytes ObjProgramEditClass::record() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return edited.bytes();
}

int ObjProgramEditClass::recordSize() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return edited.size();
}

void ObjProgramEditClass::loadLayer (int k, ByteView bytes)
{
    if (k < 0 || k >= maxLayers)
        return;
    {
        const std::lock_guard<std::mutex> sl (lock);
        layers[(size_t) k].record = ObjectRecord (Bytes (bytes.data(), bytes.data() + bytes.size()));
    }
    broadcastChange (k);
}

Bytes ObjProgramEditClass::layer (int k) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return k >= 0 && k < maxLayers ? layers[(size_t) k].record.bytes() : Bytes();
}

SubObjLayerClass ObjProgramEditClass::layerObject (int k) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return k >= 0 && k < maxLayers ? layers[(size_t) k] : SubObjLayerClass();
}

void ObjProgramEditClass::setSideBlock (ByteView bytes)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        side.assign (bytes.data(), bytes.data() + bytes.size());
    }
    broadcastChange (codeSideBlock);
}

Bytes ObjProgramEditClass::sideBlock() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return side;
}

int ObjProgramEditClass::get (program::Field f) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return program::readField (edited.view(), f);
}

void ObjProgramEditClass::set (program::Field f, int value)
{
    const std::lock_guard<std::mutex> sl (lock);
    program::writeField (edited.bytes(), f, value);
}

std::string ObjProgramEditClass::categoryText() const
{
    return programCategoryName (category());
}

std::string ObjProgramEditClass::subTypeText() const
{
    return programSubTypeName (category(), subType());
}

std::string ObjProgramEditClass::modeText() const
{
    return programModeName (get (program::common::mode));
}

void ObjProgramEditClass::decodeBlocks()
{
    const std::lock_guard<std::mutex> sl (lock);
    program::decodeProgramBlocks (edited.view(), lists);
}

ProgramInfoLists ObjProgramEditClass::infoLists() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return lists;
}

void ObjProgramEditClass::decodeChainInfo (int g, ByteView chainInfoBlock)
{
    if (g < 0 || g >= ProgramInfoLists::programGroup)
        return;
    const std::lock_guard<std::mutex> sl (lock);
    program::decodeInfoBlock (chainInfoBlock, lists.group[(size_t) g]);
}

std::string ObjProgramEditClass::infoText (int k) const
{
    const std::lock_guard<std::mutex> sl (lock);
    return program::infoText (edited.view(), k);
}

int ObjProgramEditClass::routeByte (int a, int b) const
{
    const std::lock_guard<std::mutex> sl (lock);
    const auto t = program::trailingBlocks (edited.view());
    if (! routeEntryInBlock (t, a))
        return 0;
    return edited.view().byte (t.routeStart + program::routeHeaderSize + (long long) program::routeEntrySize * a + b);
}

void ObjProgramEditClass::setRouteByte (int a, int b, int value)
{
    const std::lock_guard<std::mutex> sl (lock);
    const auto t = program::trailingBlocks (edited.view());
    if (t.routeSize < program::minDecodedBlockSize || ! routeEntryInBlock (t, a))
        return;
    putByte (edited.bytes(), t.routeStart + program::routeHeaderSize + (long long) program::routeEntrySize * a + b, value);
}

} // namespace zr9
