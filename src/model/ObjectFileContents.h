#pragma once

#include "ByteView.h"

#include <string>
#include <vector>

namespace zr9
{

/** One object read from a file, as the library would keep it. */
struct FileObject
{
    int number = 0;              // as the file gives it
    Bytes record;                // the 20-byte name (algorithms have none), then the object's bytes
    bool outsideRange = false;   // the number is 0 or beyond the type's numbers: only a free number can take it
    bool nameCleaned = false;    // bytes of its name outside 0x20 to 0x7E became blanks
};

/** What a file of objects holds: the objects of one type, and what was wrong with the file. */
struct FileContents
{
    enum class Format { unknown, bank, sysex };

    Format format = Format::unknown;
    int typeId = 0;                       // 0 when no type could be told
    std::vector<FileObject> objects;      // whole objects only, in the order of the file
    std::vector<std::string> problems;    // each a sentence for the user
};

/**
    The readers' common last step: a name with bytes outside 0x20 to 0x7E has
    them replaced by blanks, a number outside 1 to the type's last number is
    marked, and a number that came before keeps its first object only. Each
    finding becomes one sentence in `problems`.
*/
void checkObjects (FileContents& contents);

/** "program", "programs", "multi", ... for messages; "object(s)" for unknown types. */
std::string objectWord (int typeId, int count);

} // namespace zr9
