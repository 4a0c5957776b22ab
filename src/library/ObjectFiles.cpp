#include "ObjectFiles.h"

#include "FileStamp.h"
#include "LibraryFolder.h"

#include "model/BankFileFormat.h"
#include "model/ObjectFileReader.h"
#include "model/SysexFile.h"
#include "model/TransmitRules.h"

namespace zr9::objectfiles
{

juce::String formatRefusal (int typeId, Format format)
{
    if (findBankType (typeId) == nullptr)
        return "Objects of this kind have no bank to export.";
    if (format == Format::sysex && ! transfer::canTransmit (typeId))
        return juce::String (transfer::transmitRefusal (typeId)) + " A System Exclusive file can hold only what can be sent.";
    return {};
}

Exported exportObjects (const BankIndex& bank, const std::vector<int>& numbers, Format format, const juce::File& file)
{
    const int typeId = bank.typeId();
    if (const auto refusal = formatRefusal (typeId, format); refusal.isNotEmpty())
        return { 0, refusal };

    std::vector<Bytes> records;
    std::vector<int> kept;
    for (const int n : numbers)
        if (bank.exists (n))
        {
            records.push_back (bank.record (n));
            kept.push_back (n);
        }
    if (kept.empty())
        return { 0, "Nothing to export: the library holds none of the chosen " + juce::String (objectWord (typeId, 2)) + "." };

    Bytes bytes;
    if (format == Format::bank)
    {
        std::vector<bankfile::Entry> entries;
        for (size_t i = 0; i < kept.size(); ++i)
            entries.push_back ({ kept[i], ByteView (records[i]) });
        bytes = bankfile::write (typeId, std::move (entries));
    }
    else
    {
        std::vector<syxfile::Program> programs;
        for (size_t i = 0; i < kept.size(); ++i)
            programs.push_back ({ kept[i], ByteView (records[i]) });
        bytes = syxfile::write (std::move (programs));
    }
    if (! writeDataFile (file, bytes.data(), bytes.size()))
        return { 0, "The file could not be written: " + file.getFullPathName() };
    return { (int) kept.size(), {} };
}

FileContents read (const juce::File& file)
{
    FileContents contents;
    if (! file.existsAsFile())
    {
        contents.problems.push_back ("The file does not exist.");
        return contents;
    }
    if (file.getSize() > largestFile)
    {
        contents.problems.push_back ("The file is far too large to hold objects of the instrument.");
        return contents;
    }
    juce::MemoryBlock block;
    if (! file.loadFileAsData (block))
    {
        contents.problems.push_back ("The file could not be read.");
        return contents;
    }
    return readObjectFile (viewOf (block),
                           file.getFileExtension().toStdString());
}

} // namespace zr9::objectfiles
