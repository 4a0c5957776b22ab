#include "PresetBankFile.h"

#include "LibraryFolder.h"

namespace zr9
{

void PresetBankFile::read (PlugBank& bank)
{
    const auto stored = readDataFile (path);
    const ByteView bytes (static_cast<const std::uint8_t*> (stored.getData()), stored.getSize());
    const bool wasABank = ! bytes.empty() && bank.loadBankState (bytes) > 0;
    if (! wasABank && path.existsAsFile() && path.getSize() > 0)
        path.copyFileTo (path.getSiblingFile (path.getFileName() + unreadableSuffix));
    asRead = bank.bankBytes();
}

bool PresetBankFile::holdsABank() const
{
    const auto stored = readDataFile (path);
    Bytes scratch;
    return BankState::readInto (ByteView (static_cast<const std::uint8_t*> (stored.getData()), stored.getSize()), scratch) > 0;
}

bool PresetBankFile::write (const PlugBank& bank)
{
    // Another instance may have written its changes since: a bank this one did not change leaves them alone.
    if (bank.bankBytes() == asRead && holdsABank())
        return true;
    const auto state = bank.bankState();
    return writeDataFile (path, state.data(), state.size());
}

} // namespace zr9
