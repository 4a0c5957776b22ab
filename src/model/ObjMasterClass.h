#pragma once

#include "ObjectChangeNotifier.h"
#include "ObjectRecord.h"

#include <array>

namespace zr9
{

/**
    The instrument's master data: four parts of 200 bytes, each replaced whole
    by received bytes (change codes 1 to 4). Part 4 holds 8-byte entries whose
    word at 8 i + 2 is channel i's program.
*/
class ObjMasterClass : public ObjectChangeNotifier
{
public:
    static constexpr int partCount = 4;
    static constexpr int partSize = 200;

    ObjMasterClass();

    /** Replaces part k (1 to 4) with the received bytes and tells the listeners; other k change nothing. */
    void loadPart (int k, ByteView bytes);
    Bytes part (int k) const;
    /** The program of channel c (0 to 15) as the last global part 3 reply told it; 0 when unknown. */
    int channelProgram (int c) const;
    /** Beats per minute from part 3: the word at 23 divided by 100; 0 reads as 120. */
    int tempo() const;
    int masterTempo() const { return tempo(); }

private:
    mutable std::mutex lock;
    std::array<ObjectRecord, partCount> parts;
};

} // namespace zr9
