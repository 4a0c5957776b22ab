#pragma once

#include "ObjectFileContents.h"

#include <vector>

namespace zr9::syxfile
{

/** The file name extension of System Exclusive files. */
constexpr const char* extension = ".syx";

/** One program to write: its number (1 and up) and its record as the library keeps it. */
struct Program
{
    int number = 0;
    ByteView record;
};

/**
    A standard System Exclusive file of programs: for each, in ascending
    number order, the three messages of the program write sequence through
    program::transferSlot, so any System Exclusive tool that sends the file
    to the instrument stores every program under its number. Programs with
    numbers below 1 or records of 20 bytes or fewer are left out.
*/
Bytes write (std::vector<Program> programs, int device = 0);

/** True when the first byte that is not white space is 0xF0. */
bool looksLikeSysex (ByteView bytes) noexcept;

/**
    Reads the programs a System Exclusive file stores: every write sequence
    (program parts 4, 5 and 0 of one slot and one number, in that order)
    gives the program it carries, with the number of its number field. What
    else the file holds is passed over and counted in `problems`: messages
    of other makers and instruments, the instrument's other messages, broken
    messages (a status byte inside, no 0xF7 before the end), bytes between
    messages, and sequences that are incomplete or whose parts do not fit
    one program. Then checkObjects(); a sequence without a number (0) is
    one that only loads an edit buffer and counts as outside the range.
*/
FileContents read (ByteView bytes);

} // namespace zr9::syxfile
