#include "PresetBankFile.h"

#include "LibraryFolder.h"

namespace zr9
{

void PresetBankFile::read (PlugBank& bank)
{
    const auto stored = readDataFile (path);
    const ByteView bytes (static_cast<const std::uint8_t*> (stored.getData()), stored.getSize());
    readOk = ! bytes.empty() && bank.loadBankState (bytes) > 0;
    if (! readOk && path.existsAsFile() && path.getSize() > 0)
        path.copyFileTo (path.getSiblingFile (path.getFileName() + unreadableSuffix));
    asRead = bank.bankBytes();
}

bool PresetBankFile::write (const PlugBank& bank)
{
    if (readOk && bank.bankBytes() == asRead)
        return true;
    const auto state = bank.bankState();
    return writeDataFile (path, state.data(), state.size());
}

} // namespace zr9
