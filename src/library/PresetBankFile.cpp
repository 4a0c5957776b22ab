#include "PresetBankFile.h"

#include "LibraryFolder.h"

#include "model/SlotMerge.h"

namespace zr9
{

namespace
{
    /** The bank a file holds, with the slots a short blob does not carry as `around` has them; nothing when it holds no bank. */
    std::optional<Bytes> bankIn (const StampedRead& disk, const Bytes& around)
    {
        if (! disk.stamp.exists || ! disk.readable)
            return std::nullopt;
        auto bank = around;
        if (BankState::readInto (viewOf (disk.bytes), bank) <= 0)
            return std::nullopt;
        return bank;
    }
} // namespace

void PresetBankFile::read (PlugBank& bank)
{
    const auto disk = readStamped (path);
    const bool wasABank = disk.bytes.getSize() > 0 && bank.loadBankState (viewOf (disk.bytes)) > 0;
    if (! wasABank && disk.stamp.exists && disk.stamp.size > 0)
        keepAside (disk.stamp);
    asRead = bank.bankBytes();
    seen = disk.stamp;
}

void PresetBankFile::keepAside (const FileStamp& stamp)
{
    if (stamp == keptStamp)
        return;
    if (path.copyFileTo (unreadableSibling (path)))
        keptStamp = stamp;
}

bool PresetBankFile::write (PlugBank& bank)
{
    const auto mine = bank.bankBytes();
    const auto disk = readStamped (path);
    const auto theirs = bankIn (disk, asRead);

    // Another instance may have written its changes since: a bank this one did not change leaves them alone.
    if (mine == asRead && theirs.has_value())
        return true;
    if (! theirs.has_value() && disk.stamp.exists)
        keepAside (disk.stamp);

    const bool foreign = theirs.has_value() && disk.stamp != seen;
    const auto merged = foreign ? slotmerge::merge (ByteView (asRead), ByteView (mine), ByteView (*theirs), arrangement::recordSize).bytes
                                : mine;
    const auto state = BankState::make (ByteView (merged));
    if (! writeDataFile (path, state.data(), state.size()))
        return false;
    seen = stampOf (path);
    asRead = merged;
    if (merged != mine)
        bank.replaceBankIf (mine, merged);
    return true;
}

PresetBankFile::Followed PresetBankFile::follow (PlugBank& bank)
{
    Followed followed;
    if (stampOf (path) == seen)
        return followed;
    const auto disk = readStamped (path);
    if (disk.stamp == seen)
        return followed;
    if (! disk.stamp.exists && disk.readable)
    {
        // Gone: it holds no bank now, so it is written again when this instance ends.
        seen = disk.stamp;
        return followed;
    }

    const auto theirs = bankIn (disk, asRead);
    if (! theirs.has_value())
    {
        // A file still being copied in changes from one look to the next; one that stands still is what it is.
        if (disk.stamp != notABankSeen)
        {
            notABankSeen = disk.stamp;
            return followed;
        }
        notABankSeen = {};
        followed.keptAside = write (bank);
        return followed;
    }
    notABankSeen = {};

    const auto mine = bank.bankBytes();
    const auto merged = slotmerge::merge (ByteView (asRead), ByteView (mine), ByteView (*theirs), arrangement::recordSize);
    // A host thread that changed the bank meanwhile wins this round; the file is looked at again next time.
    if (merged.bytes != mine && ! bank.replaceBankIf (mine, merged.bytes))
        return followed;
    asRead = *theirs;
    seen = disk.stamp;
    followed.slots = merged.theirs;
    return followed;
}

} // namespace zr9
