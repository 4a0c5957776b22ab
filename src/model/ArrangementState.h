#pragma once

#include "ArrangementRecord.h"

#include <optional>

namespace zr9
{

/**
    The two blobs that carry arrangements out of the processor, to a host's
    project, to a ".zr9arr" file or to the preset bank file, with no header
    of any other kind:

    - ArrangementState: "ZR9PianoRevuDittings" "Version100" + one record, 330 bytes;
    - BankState: "ZR9PianoPlugBank" "Version100" + the 64 records, 19,226 bytes.

    The version part is written but not compared, so a later version's blobs
    still load. Readers take outside bytes of any length and never read past
    their end.
*/
namespace ArrangementState
{
    constexpr const char* tag = "ZR9PianoRevuDittings";
    constexpr int tagSize = 20;
    constexpr const char* version = "Version100";
    constexpr int versionSize = 10;
    constexpr int recordOffset = tagSize + versionSize;             // 30
    constexpr int size = recordOffset + arrangement::recordSize;    // 330

    Bytes make (ByteView record);

    /**
        The record a blob carries, or nothing when it does not start with the
        tag or ends before the record does. Bytes after the record are ignored.
    */
    std::optional<Bytes> read (ByteView blob);
} // namespace ArrangementState

namespace BankState
{
    constexpr const char* tag = "ZR9PianoPlugBank";
    constexpr int tagSize = 16;
    constexpr const char* version = "Version100";
    constexpr int versionSize = 10;
    constexpr int recordsOffset = tagSize + versionSize;                     // 26
    constexpr int size = recordsOffset + arrangement::bankSize;              // 19,226

    /** The blob for a bank of 64 records back to back (a shorter bank is padded with zeros). */
    Bytes make (ByteView bank);

    /**
        Copies the whole records a blob carries over the bank's first slots,
        slot 1 first: a blob of 26 + 300 bytes replaces slot 1 only. A record
        cut short by the blob's end and records beyond slot 64 are left out,
        so a slot is either replaced whole or kept. Returns the number of
        slots replaced; 0, and the bank as it was, for a blob without the tag
        or without one whole record.
    */
    int readInto (ByteView blob, Bytes& bank);
} // namespace BankState

} // namespace zr9
