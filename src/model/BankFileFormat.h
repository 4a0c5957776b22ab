#pragma once

#include "ObjectFileContents.h"

#include <utility>
#include <vector>

namespace zr9::bankfile
{

/** The file name extension of exported bank files. */
constexpr const char* extension = ".zr9bank";

/** One object to write: its number (1 to 9999) and its record (name and bytes, as the library keeps it). */
struct Entry
{
    int number = 0;
    ByteView record;
};

/**
    The objects of one type in the tagged bank format of the library's data
    files: the bank's open tag, one entry per object in ascending number
    order, each followed by an empty entry for the next number unless that
    number is written too (so the library's index measures every record),
    then the bank's close tag. Numbers outside 1 to 9999 and records of 20
    bytes or fewer are left out; a number given twice is written once.
    Empty for types without a bank.
*/
Bytes write (int typeId, std::vector<Entry> entries);

/** True when the bytes begin with the open tag of some type's bank. */
bool looksLikeBank (ByteView bytes) noexcept;

/**
    Reads a bank file (an exported one, or a library data file) entry by
    entry, without trusting it: the type comes from the bank's open tag;
    each entry must have its record tag, four digits and, for programs,
    multis and FX chains, the inner tag; its record runs to the first close
    sequence (inner close tag, record close tag, the same four digits) that
    is followed by another entry, the bank's close tag or the end. Empty
    entries are passed over. Reading stops at the first thing that is not an
    entry, with what came before kept and a sentence in `problems`: a file
    cut short, a damaged entry, a missing close tag. Then checkObjects().
*/
FileContents read (ByteView bytes);

} // namespace zr9::bankfile
