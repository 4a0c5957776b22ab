#pragma once

#include "model/ByteView.h"
#include "model/SysexFormat.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace zr9::emulator
{

/** The device number the emulated instrument answers with in its system-exclusive messages. */
constexpr int deviceNumber = 0;

/**
    The instrument's edit buffers: the program on each of the 16 slots and
    the setup (multi). It answers part requests from them, takes the part
    dumps the editor sends into them, and hands out what a write sequence
    asked to be stored. Not thread safe: the virtual instrument calls it
    under its own lock.
*/
class EditBuffers
{
public:
    static constexpr int slotCount = 16;

    /** A program to store in the bank: its number and its record. */
    struct Store
    {
        int number = 0;
        Bytes record;
    };

    void loadProgram (int slot, Bytes record);
    Bytes program (int slot) const;
    void loadSetup (Bytes record);
    const Bytes& setup() const noexcept { return setupBuffer; }

    /** A byte of the slot's program, as a controller-address message sets the category or the sub-type. */
    void setProgramByte (int slot, int offset, int value);

    /** The answer to a request of program part 0: the program's common part, its further bytes, each layer, its info part. */
    std::vector<sysex::Message> programReply (int slot) const;
    /** The answer to a request of setup part 0, 1 or 2 (of zone `zone`); empty for a zone the setup does not have. */
    std::vector<sysex::Message> setupReply (int part, int zone) const;

    /**
        Takes a program part dump into the slot's buffer: a layer (part 1),
        the parts of a write sequence (4 and 5 wait for 0). Part 0 ends the
        sequence: the buffer becomes the program the three carried, and what
        is to be stored under the dump's number comes back.
    */
    std::optional<Store> takeProgramDump (const sysex::Reader& m);
    /** Takes a setup part dump into the setup buffer: the header (part 0), the common block (part 1), a zone (part 2). */
    void takeSetupDump (const sysex::Reader& m);

private:
    struct Waiting
    {
        Bytes infoPart, bodyPart;
        bool hasInfo = false, hasBody = false;
    };

    std::array<Bytes, slotCount> programs;
    std::array<Waiting, slotCount> waiting;
    Bytes setupBuffer;
};

} // namespace zr9::emulator
