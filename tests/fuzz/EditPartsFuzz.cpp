// Feeds arbitrary part messages to the program edit object and the multi as
// the part receiver does: whatever arrives, in whatever order, the program's
// record stays laid out for its layer count and the multi's record keeps its
// common part, and nothing is read or written outside them.

#include "model/ObjMultiClass.h"
#include "model/ObjProgramEditClass.h"
#include "model/PartData.h"
#include "model/ProgramLayout.h"
#include "model/SetupLayout.h"

#include <cstdlib>

using namespace zr9;

extern "C" int LLVMFuzzerTestOneInput (const std::uint8_t* data, size_t size)
{
    ObjProgramEditClass program;
    ObjMultiClass multi;
    // The messages follow one another, each ended by its 0xF7.
    size_t start = 0;
    bool decoded = false;
    for (size_t i = 0; i < size; ++i)
    {
        if (data[i] != 0xF7)
            continue;
        const auto part = sysex::readPartData (sysex::Reader (data + start, i + 1 - start));
        start = i + 1;
        if (! part)
            continue;
        const ByteView bytes (part->data.data(), part->data.size());
        bool programChanged = true;
        switch (part->target)
        {
            case sysex::PartTarget::programCommon: program.setCommonPart (part->name, bytes); break;
            case sysex::PartTarget::programPart2: program.setFurtherPart (bytes); break;
            case sysex::PartTarget::programLayer: program.loadLayer (part->element, bytes); break;
            case sysex::PartTarget::programPart4: program.setInfoPart (bytes); break;
            case sysex::PartTarget::setupCommon: multi.setHeader (part->name, bytes); programChanged = false; break;
            case sysex::PartTarget::setupPart1: multi.setCommon (bytes); programChanged = false; break;
            case sysex::PartTarget::setupZone: multi.loadZone (part->element, bytes); programChanged = false; break;
            default: programChanged = false; break;
        }
        // The record's size and its layer count (byte 60) through the edit
        // object's accessors, rather than a copy of the whole record per message.
        const int recordSize = program.recordSize();
        if (recordSize > 0 && recordSize < program::infoBlockBase + (long long) program::layerSize * program.layerCount())
            std::abort();
        if (multi.record.size() > 0 && multi.record.size() < (int) ObjectRecord::nameLength)
            std::abort();
        // A program the message left as it was decodes as it did after the
        // last message, so it is decoded again only when it may have changed.
        if (programChanged || ! decoded)
        {
            decoded = true;
            program.decodeBlocks();
            (void) program.infoText (3);
        }
    }
    return 0;
}
