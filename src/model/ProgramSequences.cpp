#include "ProgramSequences.h"

#include "ObjectRecord.h"
#include "ProgramParts.h"

namespace zr9::program
{

namespace
{
    constexpr int partInfo = 4, partBody = 5, partCommon = 0;
    constexpr int kindFollowing = 3, kindLast = 1;

    /** The record's name bytes as they stand, for the stored-name rule to clean. */
    std::string nameOf (ByteView record)
    {
        std::string name;
        for (int i = 0; i < ObjectRecord::nameLength; ++i)
            name.push_back ((char) record.byte (i));
        return name;
    }
} // namespace

std::vector<sysex::Message> writeSequenceFor (int device, int slot, int number, ByteView record)
{
    return sysex::programWriteSequence (device, slot, number, writeInfoPart (record), writeBodyPart (record),
                                        writeCommonPart (record, nameOf (record)));
}

std::vector<sysex::Message> loadSequenceFor (int device, int slot, ByteView record)
{
    const auto info = writeInfoPart (record);
    const auto body = writeBodyPart (record);
    const auto common = writeCommonPart (record, nameOf (record));
    constexpr int noNumber = 0;
    return { sysex::partDump (device, sysex::commandProgramPart, noNumber, slot, partInfo, 0, kindFollowing, info.data(), info.size()),
             sysex::partDump (device, sysex::commandProgramPart, noNumber, slot, partBody, 0, kindFollowing, body.data(), body.size()),
             sysex::partDump (device, sysex::commandProgramPart, noNumber, slot, partCommon, 0, kindLast, common.data(), common.size()) };
}

Bytes storedRecord (ByteView record)
{
    return fromWriteParts (ByteView (writeCommonPart (record, nameOf (record))), ByteView (writeBodyPart (record)),
                           ByteView (writeInfoPart (record)));
}

} // namespace zr9::program
