#pragma once

#include "ByteView.h"
#include "SysexFormat.h"

#include <vector>

namespace zr9::program
{

/**
    The slot whose edit buffer a transmit run and a ".syx" file write the
    programs through. Any slot would do; the first one is the channel a
    restore can put back afterwards.
*/
constexpr int transferSlot = 0;

/**
    The write sequence that stores a library program in the instrument under
    `number`: program parts 4, 5 and 0 of the record for the slot, the record's
    own name in part 0 (16 characters kept, as the instrument stores them).
    Empty for numbers below 1.
*/
std::vector<sysex::Message> writeSequenceFor (int device, int slot, int number, ByteView record);

/**
    The same three parts with 0 in their number field: the slot's edit buffer
    takes the program, and the instrument stores nothing, since no object has
    number 0. What an audition sends.
*/
std::vector<sysex::Message> loadSequenceFor (int device, int slot, ByteView record);

/** The record the instrument keeps after a write sequence of `record`: the same bytes under its 16-character stored name. */
Bytes storedRecord (ByteView record);

} // namespace zr9::program
