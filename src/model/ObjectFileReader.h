#pragma once

#include "ObjectFileContents.h"

#include <string>

namespace zr9
{

/**
    Reads a file of objects by what it holds, whatever its name: a bank file
    (exported, or one of the library's data files) or a System Exclusive
    file of program write sequences. When the name's extension (".zr9bank"
    or ".syx", in any letter case) says otherwise than the content, the
    first problem says so; a file that is neither gives no objects and says
    what it is not.
*/
FileContents readObjectFile (ByteView bytes, const std::string& extension);

} // namespace zr9
