#include "ObjectFileReader.h"

#include "BankFileFormat.h"
#include "SysexFile.h"

#include <algorithm>
#include <cctype>

namespace zr9
{

namespace
{
    std::string lower (std::string s)
    {
        std::transform (s.begin(), s.end(), s.begin(), [] (unsigned char c) { return (char) std::tolower (c); });
        return s;
    }
} // namespace

FileContents readObjectFile (ByteView bytes, const std::string& extension)
{
    const auto ext = lower (extension);
    const bool namedBank = ext == bankfile::extension;
    const bool namedSysex = ext == syxfile::extension;

    if (bytes.empty())
    {
        FileContents empty;
        empty.problems.push_back ("The file is empty.");
        return empty;
    }
    if (bankfile::looksLikeBank (bytes))
    {
        auto contents = bankfile::read (bytes);
        if (namedSysex)
            contents.problems.insert (contents.problems.begin(), "Its name ends in \".syx\", but it is a ZR9 bank file; it was read as one.");
        return contents;
    }
    if (syxfile::looksLikeSysex (bytes))
    {
        auto contents = syxfile::read (bytes);
        if (namedBank)
            contents.problems.insert (contents.problems.begin(),
                                      "Its name ends in \".zr9bank\", but it holds System Exclusive messages; it was read as such.");
        return contents;
    }
    FileContents unknown;
    unknown.problems.push_back (namedSysex ? "It is not a System Exclusive file, though its name ends in \".syx\": it does not begin with 0xF0."
                              : namedBank ? "It is not a ZR9 bank file, though its name ends in \".zr9bank\": it does not begin with a bank tag."
                                          : "It is neither a ZR9 bank file nor a System Exclusive file.");
    return unknown;
}

} // namespace zr9
