#include "SettingsFile.h"

namespace zr9
{

std::optional<std::string> SettingsFile::read()
{
    const auto file = library.file (fileName);
    if (! file.existsAsFile())
        return std::nullopt;
    // A file that cannot be read gives no entries, which the settings take as unusable.
    const auto block = readDataFile (file);
    return std::string (static_cast<const char*> (block.getData()), block.getSize());
}

void SettingsFile::write (const std::string& text)
{
    writeDataFile (library.file (fileName), text.data(), text.size());
}

} // namespace zr9
