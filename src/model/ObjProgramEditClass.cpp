#include "ObjProgramEditClass.h"
#include "ProgramCategories.h"
#include "ProgramLayout.h"
#include "SysexFormat.h"

#include <algorithm>
#include <cstring>

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
        if (k < program::layerCount (edited.view()))
        {
            const long long start = program::layerOffset (k);
            for (int i = 0; i < SubObjLayerClass::size; ++i)
                putByte (edited.bytes(), start + i, bytes.byte (i));
        }
    }
    broadcastChange (k);
}

void ObjProgramEditClass::recompose (const std::function<void (program::Pieces&)>& change)
{
    auto pieces = program::split (edited.view());
    const int before = program::layerCount (edited.view());
    change (pieces);
    const int after = ByteView (pieces.head).byte (layerCountOffset);
    if (after != before)
    {
        // Another layer count: each layer comes from its sub-object, those beyond the 32nd from where they were.
        const auto old = pieces.layers;
        pieces.layers.assign ((size_t) SubObjLayerClass::size * (size_t) after, 0);
        for (int k = 0; k < after; ++k)
        {
            const long long at = (long long) SubObjLayerClass::size * k;
            const ByteView source = k < maxLayers ? layers[(size_t) k].record.view() : ByteView (old).slice (at, SubObjLayerClass::size);
            // The layer's bytes as far as the source has them; the zeros laid out above stand for the rest.
            const auto n = std::min (source.size(), (std::size_t) SubObjLayerClass::size);
            if (n > 0)
                std::memcpy (pieces.layers.data() + at, source.data(), n);
        }
    }
    edited = ObjectRecord (program::compose (pieces));
}

void ObjProgramEditClass::setCommonPart (const std::string& text, ByteView common)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        recompose ([&] (program::Pieces& p) {
            for (int i = 0; i < ObjectRecord::nameLength; ++i)
                p.head[(size_t) i] = (std::uint8_t) (i < (int) text.size() ? text[(size_t) i] : ' ');
            for (int i = 0; i < program::common::commonSize; ++i)
                p.head[(size_t) (program::common::commonStart + i)] = (std::uint8_t) common.byte (i);
        });
    }
    broadcastChange (codeCommonPart);
}

void ObjProgramEditClass::setFurtherPart (ByteView bytes)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        recompose ([&] (program::Pieces& p) {
            for (int i = 0; i < program::furtherSize; ++i)
                p.further[(size_t) i] = (std::uint8_t) bytes.byte (i);
        });
    }
    broadcastChange (codeFurtherPart);
}

void ObjProgramEditClass::setInfoPart (ByteView bytes)
{
    {
        const std::lock_guard<std::mutex> sl (lock);
        recompose ([&] (program::Pieces& p) { p.trailing.assign (bytes.data(), bytes.data() + bytes.size()); });
    }
    broadcastChange (codePart4);
}

std::string ObjProgramEditClass::name() const
{
    const std::lock_guard<std::mutex> sl (lock);
    return edited.name();
}

void ObjProgramEditClass::setName (const std::string& text)
{
    const std::lock_guard<std::mutex> sl (lock);
    edited.setName (sysex::storedName (text, ObjectRecord::nameLength));
}

void ObjProgramEditClass::restoreName (const std::string& text)
{
    const std::lock_guard<std::mutex> sl (lock);
    edited.setName (text);
}

int ObjProgramEditClass::layerField (int k, program::Field f) const
{
    const std::lock_guard<std::mutex> sl (lock);
    if (k < 0 || k >= std::min (program::layerCount (edited.view()), maxLayers))
        return 0;
    return program::readField (edited.view().slice (program::layerOffset (k), SubObjLayerClass::size), f);
}

void ObjProgramEditClass::setLayerField (int k, program::Field f, int value)
{
    const std::lock_guard<std::mutex> sl (lock);
    if (k < 0 || k >= std::min (program::layerCount (edited.view()), maxLayers))
        return;
    // The layer is cut out, changed by the field's rules and put back, so the record and the sub-object agree.
    const long long start = program::layerOffset (k);
    auto bytes = Bytes ((size_t) SubObjLayerClass::size, 0);
    for (int i = 0; i < SubObjLayerClass::size; ++i)
        bytes[(size_t) i] = (std::uint8_t) edited.view().byte (start + i);
    program::writeField (bytes, f, value);
    for (int i = 0; i < SubObjLayerClass::size; ++i)
        putByte (edited.bytes(), start + i, bytes[(size_t) i]);
    layers[(size_t) k].record = ObjectRecord (std::move (bytes));
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
