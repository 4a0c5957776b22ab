#include "TransmitRules.h"

#include "ObjectTypes.h"

namespace zr9::transfer
{

const char* transmitRefusal (int typeId) noexcept
{
    switch (typeId)
    {
        case typeProgram:
            return nullptr;
        case typeSetup:
            return "Multis cannot be sent: the instrument stores a multi only from its edit buffer, "
                   "and the parts that fill that buffer do not carry a whole multi.";
        case typeFxChain:
            return "FX chains cannot be sent: the instrument has no message that stores an FX chain.";
        case typeKeyMap:
            return "Key maps cannot be sent: the instrument has no message that stores a key map.";
        case typeIntonation:
            return "Intonation tables cannot be sent: the instrument has no message that stores one.";
        case typeShiftPattern:
            return "Shift patterns cannot be sent: the instrument has no message that stores one.";
        case typeVelocityPattern:
            return "Velocity patterns cannot be sent: the instrument has no message that stores one.";
        case typeArpeggiator:
            return "Arpeggiator settings cannot be sent: the instrument has no message that stores one.";
        case typeSong:
            return "Songs cannot be sent: the instrument has no message that stores a song.";
        case typeAlgorithm:
            return "Algorithms cannot be sent: the instrument has no message that stores an algorithm.";
        case typeSample:
            return "Samples cannot be sent: the instrument has no message that stores a sample.";
        default:
            return "Objects of this kind cannot be sent to the instrument.";
    }
}

const char* transmitAllRefusal() noexcept
{
    return "Only programs can be sent: the instrument has no message that stores the other kinds. Use Programs.";
}

} // namespace zr9::transfer
