#include "ObjProgramEditClass.h"

#include <algorithm>

namespace zr9
{

void ObjProgramEditClass::load (ByteView record)
{
    const juce::ScopedLock sl (lock);
    edited = ObjectRecord (Bytes (record.data(), record.data() + record.size()));
    const int n = std::min (record.byte (layerCountOffset), maxLayers);
    for (int k = 0; k < n; ++k)
    {
        auto& bytes = layers[(size_t) k].record.bytes();
        const long long start = firstLayerOffset + (long long) SubObjLayerClass::size * k;
        for (int i = 0; i < SubObjLayerClass::size; ++i)
            bytes[(size_t) i] = (std::uint8_t) record.byte (start + i);
    }
}

Bytes ObjProgramEditClass::record() const
{
    const juce::ScopedLock sl (lock);
    return edited.bytes();
}

int ObjProgramEditClass::recordSize() const
{
    const juce::ScopedLock sl (lock);
    return edited.size();
}

void ObjProgramEditClass::loadLayer (int k, ByteView bytes)
{
    if (k < 0 || k >= maxLayers)
        return;
    {
        const juce::ScopedLock sl (lock);
        layers[(size_t) k].record = ObjectRecord (Bytes (bytes.data(), bytes.data() + bytes.size()));
    }
    broadcastChange (k);
}

Bytes ObjProgramEditClass::layer (int k) const
{
    const juce::ScopedLock sl (lock);
    return k >= 0 && k < maxLayers ? layers[(size_t) k].record.bytes() : Bytes();
}

void ObjProgramEditClass::setSideBlock (ByteView bytes)
{
    {
        const juce::ScopedLock sl (lock);
        side.assign (bytes.data(), bytes.data() + bytes.size());
    }
    broadcastChange (codeSideBlock);
}

Bytes ObjProgramEditClass::sideBlock() const
{
    const juce::ScopedLock sl (lock);
    return side;
}

} // namespace zr9
