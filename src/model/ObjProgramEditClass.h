#pragma once

#include "ObjectChangeNotifier.h"
#include "ObjectRecord.h"

#include <array>

namespace zr9
{

/** One 318-byte layer of a program. */
class SubObjLayerClass
{
public:
    static constexpr int size = 318;
    ObjectRecord record { Bytes ((size_t) size, 0) };
};

/** Stands for the program common part; it keeps nothing of its own. */
class SubObjProgramCommClass
{
};

/**
    One program being edited (there is one per MIDI channel). Parts may arrive
    from the MIDI input thread while pages read on the message thread, so the
    record is guarded by a lock and handed out as a copy.

    Change codes: 0 to 31 a layer was loaded, 33 a program part 4 message
    arrived, 35 a common-part message arrived, 36 the side block was replaced.
*/
class ObjProgramEditClass : public ObjectChangeNotifier
{
public:
    static constexpr int maxLayers = 32;
    static constexpr int layerCountOffset = 60;
    static constexpr int firstLayerOffset = 249;
    static constexpr int codePart4 = 33;
    static constexpr int codeCommonPart = 35;
    static constexpr int codeSideBlock = 36;

    /** Replaces the edit record with a copy of `record` and fills layers 0 to n - 1 from it. */
    void load (ByteView record);
    /** A copy of the record being edited. */
    Bytes record() const;
    int recordSize() const;

    /** Puts received bytes into layer k (0 to 31) and tells the listeners. */
    void loadLayer (int k, ByteView bytes);
    Bytes layer (int k) const;
    void setSideBlock (ByteView bytes);
    Bytes sideBlock() const;

    SubObjProgramCommClass& common() noexcept { return commonPart; }

private:
    juce::CriticalSection lock;
    ObjectRecord edited;
    std::array<SubObjLayerClass, maxLayers> layers;
    SubObjProgramCommClass commonPart;
    Bytes side;
};

} // namespace zr9
