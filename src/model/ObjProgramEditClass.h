#pragma once

#include "ObjectChangeNotifier.h"
#include "ObjectRecord.h"
#include "ProgramFields.h"
#include "ProgramInfoLists.h"
#include "ProgramParts.h"

#include <array>
#include <functional>

namespace zr9
{

/** One 318-byte layer of a program, with the fields the layer pages show. */
class SubObjLayerClass
{
public:
    static constexpr int size = 318;
    ObjectRecord record { Bytes ((size_t) size, 0) };

    int lowKey() const noexcept { return get (program::layer::lowKey); }
    int highKey() const noexcept { return get (program::layer::highKey); }
    bool layerSwitch() const noexcept { return get (program::layer::switch7) != 0; }
    int value138() const noexcept { return get (program::layer::word138); }
    int keyMap() const noexcept { return get (program::layer::keyMap); }
    /** The value the layer summary shows, as a signed byte. */
    int summaryValue() const noexcept { return get (program::layer::summary208); }
    std::string name() const { return nameFromBytes (record.view(), program::layer::nameOffset); }
    /**
        False for the factory's stand-in names ("LayerNameHere0123456" or 20
        blanks): such a layer is shown under the name of its key map.
    */
    bool hasOwnName() const
    {
        const auto n = name();
        return n != "LayerNameHere0123456" && n.find_first_not_of (' ') != std::string::npos;
    }

    int get (program::Field f) const noexcept { return program::readField (record.view(), f); }
    void set (program::Field f, int value) noexcept { program::writeField (record.bytes(), f, value); }
};

/**
    One program being edited (there is one per MIDI channel). Parts may arrive
    from the MIDI input thread while pages read on the message thread, so the
    record is guarded by a lock and handed out as a copy.

    Change codes: 0 to 31 a layer was loaded, 33 a program part 4 message
    arrived, 34 the further bytes (part 2) arrived, 35 a common-part message
    arrived, 36 the side block was replaced, 37 a program was loaded whole
    (it landed on the channel).

    The parts the instrument sends go into the record at their places, so the
    record is always the whole program as far as it arrived: the name and
    common block (part 0), the further bytes (part 2), each layer (part 1)
    and the info and route blocks with what follows them (part 4). A common
    part with another layer count lays the record out anew for that count.
*/
class ObjProgramEditClass : public ObjectChangeNotifier
{
public:
    static constexpr int maxLayers = 32;
    static constexpr int layerCountOffset = 60;
    static constexpr int firstLayerOffset = 249;
    static constexpr int codePart4 = 33;
    static constexpr int codeFurtherPart = 34;
    static constexpr int codeCommonPart = 35;
    static constexpr int codeSideBlock = 36;
    static constexpr int codeLoaded = 37;

    /** Replaces the edit record with a copy of `record` and fills layers 0 to n - 1 from it. */
    void load (ByteView record);
    /** A copy of the record being edited. */
    Bytes record() const;
    int recordSize() const;

    /**
        Puts received bytes into layer k (0 to 31) and, when the program has
        that layer, into the record (as 318 bytes); tells the listeners.
    */
    void loadLayer (int k, ByteView bytes);

    /** Program part 0: the 20 name bytes and the 133-byte common block (bytes 25 to 157); tells the listeners. */
    void setCommonPart (const std::string& name, ByteView common);
    /** Program part 2: its first 91 bytes become bytes 158 to 248; tells the listeners. */
    void setFurtherPart (ByteView bytes);
    /** Program part 4: the bytes from the info block to the end of the record; tells the listeners. */
    void setInfoPart (ByteView bytes);

    /** The name, bytes 0 to 19, with its padding blanks. */
    std::string name() const;
    /** Writes bytes 0 to 19: the text cut or padded with blanks, characters outside 0x20 to 0x7E as blanks. */
    void setName (const std::string& text);
    /** Writes bytes 0 to 19 as given (cut or padded with blanks): puts back a name as it was. */
    void restoreName (const std::string& text);

    /** A field of layer k read from the record; 0 for a layer the program does not have. */
    int layerField (int k, program::Field f) const;
    /** Writes a field of layer k into the record and its layer sub-object; nothing for a layer the program does not have. */
    void setLayerField (int k, program::Field f, int value);
    /** The bytes of layer sub-object k; empty outside 0 to 31. */
    Bytes layer (int k) const;
    /** A copy of layer sub-object k with its field getters; a zero layer outside 0 to 31. */
    SubObjLayerClass layerObject (int k) const;
    void setSideBlock (ByteView bytes);
    Bytes sideBlock() const;

    /** Reads a common field of the record (see program::common) by its rules. */
    int get (program::Field f) const;
    /** Writes a common field by its rules: a bit setter keeps the other bits, a 7-bit value keeps bit 7. */
    void set (program::Field f, int value);

    int category() const { return get (program::common::category); }
    int subType() const { return get (program::common::subType); }
    int layerCount() const { return get (program::common::layerCount); }
    /** The category's name; empty for a category without one. */
    std::string categoryText() const;
    std::string subTypeText() const;
    bool isTw3() const { return get (program::common::mode) == program::common::tw3ModeByte; }
    /** "TW3" or "MOSA". */
    std::string modeText() const;

    /** Decodes the record's info and route blocks into the program group of infoLists(). */
    void decodeBlocks();
    ProgramInfoLists infoLists() const;
    /** Decodes an FX chain's info block into group g (0 to 2) of infoLists(); other g change nothing. */
    void decodeChainInfo (int g, ByteView chainInfoBlock);

    /** The text of info entry k read straight from the record; empty when there is none. */
    std::string infoText (int k) const;

    /** Byte 2 or 3 of route entry a; 0 beyond the record. */
    int routeByte2 (int a) const { return routeByte (a, 2); }
    int routeByte3 (int a) const { return routeByte (a, 3); }
    /** Written only when the route block is at least 20 bytes and the byte lies in the record. */
    void setRouteByte2 (int a, int value) { setRouteByte (a, 2, value); }
    void setRouteByte3 (int a, int value) { setRouteByte (a, 3, value); }

private:
    int routeByte (int a, int b) const;
    /** The record with one piece replaced; layers laid out for the head's layer count. Lock held. */
    void recompose (const std::function<void (program::Pieces&)>& change);
    void setRouteByte (int a, int b, int value);

    mutable std::mutex lock;
    ObjectRecord edited;
    std::array<SubObjLayerClass, maxLayers> layers;
    ProgramInfoLists lists;
    Bytes side;
};

} // namespace zr9
