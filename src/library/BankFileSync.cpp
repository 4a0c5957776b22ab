#include "BankFileSync.h"

#include "LibraryFolder.h"

#include "model/BankMerge.h"

#include <algorithm>

namespace zr9
{

namespace
{
    bool isFetchedOnly (int typeId)
    {
        return std::find (fetchedOnlyBankTypes.begin(), fetchedOnlyBankTypes.end(), typeId) != fetchedOnlyBankTypes.end();
    }

    bool sameBytes (const std::shared_ptr<const BankIndex>& a, const std::shared_ptr<const BankIndex>& b)
    {
        return a == b || a->bytes() == b->bytes();
    }
} // namespace

BankFileSync::BankFileSync (ObjBankHolder& h, juce::File f)
    : bankHolder (h), path (std::move (f)), fetchedOnly (isFetchedOnly (h.typeId())), base (h.snapshot()), seen (stampOf (path))
{
}

void BankFileSync::takeAsRead (const FileStamp& stamp, bool heldNoBank)
{
    base = bankHolder.snapshot();
    seen = stamp;
    notABankSeen = {};
    keepReadFirst = stamp.exists && heldNoBank;
}

bool BankFileSync::hasUnwrittenChanges() const
{
    return ! sameBytes (bankHolder.snapshot(), base);
}

BankIndex BankFileSync::indexed (Bytes bytes) const
{
    BankIndex bank;
    bank.index (bankHolder.typeId(), std::move (bytes), bankHolder.bank().cap());
    return bank;
}

bool BankFileSync::leavesNoFile (const BankIndex& bank) const
{
    return bank.bytes().empty() || (fetchedOnly && ! bankmerge::holdsRecords (bank));
}

bool BankFileSync::write (const Bytes& bytes)
{
    const bool written = writeDataFile (path, bytes.data(), bytes.size());
    if (written)
        seen = stampOf (path);
    return written;
}

juce::File BankFileSync::keepAside()
{
    const auto kept = unreadableSibling (path);
    // Moved rather than copied: what stands there is replaced by this bank straight after.
    if (! path.moveFileTo (kept) && ! path.copyFileTo (kept))
        return {};
    return kept;
}

void BankFileSync::adopt (Bytes merged, const std::shared_ptr<const BankIndex>& mine, std::shared_ptr<const BankIndex> newBase)
{
    if (merged != mine->bytes())
        bankHolder.setBank (indexed (std::move (merged)));
    base = newBase != nullptr ? std::move (newBase) : bankHolder.snapshot();
}

BankFileSync::Outcome BankFileSync::save()
{
    Outcome out;
    const auto mine = bankHolder.snapshot();
    if (sameBytes (mine, base))
        return out;

    // What another instance made of the file since this one last read or wrote it.
    std::shared_ptr<const BankIndex> theirs = base;
    if (stampOf (path) != seen)
    {
        const auto disk = readStamped (path);
        if (disk.stamp.exists && disk.readable && bankmerge::isWholeBank (typeId(), viewOf (disk.bytes)))
            theirs = std::make_shared<const BankIndex> (indexed (disk.content()));
        else if (disk.stamp.exists || ! disk.readable)
            out.keptAs = keepAside(); // never merged into: kept whole, and this bank takes its place
        // A file that vanished is written again from this bank.
    }
    else if (keepReadFirst)
    {
        out.keptAs = keepAside(); // what start-up found was no bank: kept whole before this bank replaces it
    }

    const bool foreign = theirs != base;
    auto merged = foreign ? bankmerge::merge (*base, *mine, *theirs) : bankmerge::Result {};
    if (! foreign)
    {
        merged.bytes = mine->bytes();
        merged.ours = bankmerge::changedNumbers (*base, *mine);
    }

    const auto result = foreign ? indexed (merged.bytes) : BankIndex();
    const auto& resultBank = foreign ? result : *mine;
    if (! write (leavesNoFile (resultBank) ? Bytes() : merged.bytes))
    {
        out.kind = Outcome::Kind::failed;
        return out;
    }

    out.ours = (int) merged.ours.size();
    out.theirs = (int) merged.theirs.size();
    out.both = (int) merged.both.size();
    keepReadFirst = false;
    out.kind = out.keptAs != juce::File() ? Outcome::Kind::keptAside : foreign ? Outcome::Kind::merged : Outcome::Kind::written;
    adopt (std::move (merged.bytes), mine, nullptr);
    return out;
}

BankFileSync::Outcome BankFileSync::follow()
{
    Outcome out;
    if (stampOf (path) == seen)
        return out;
    const auto disk = readStamped (path);
    if (disk.stamp == seen)
        return out;

    if (! disk.stamp.exists && disk.readable)
    {
        seen = disk.stamp;
        out.kind = Outcome::Kind::vanished;
        return out;
    }

    const ByteView bytes = viewOf (disk.bytes);
    if (! disk.readable || ! bankmerge::isWholeBank (typeId(), bytes))
    {
        // A file still being copied in changes from one look to the next; one that stands still is what it is.
        if (disk.stamp != notABankSeen || ! disk.stamp.exists)
        {
            notABankSeen = disk.stamp;
            out.kind = Outcome::Kind::waiting;
            return out;
        }
        notABankSeen = {};
        out.keptAs = keepAside();
        const auto mine = bankHolder.snapshot();
        if (! write (leavesNoFile (*mine) ? Bytes() : mine->bytes()))
        {
            out.kind = Outcome::Kind::failed;
            return out;
        }
        base = mine;
        keepReadFirst = false;
        out.kind = Outcome::Kind::keptAside;
        return out;
    }
    notABankSeen = {};
    keepReadFirst = false;

    const auto mine = bankHolder.snapshot();
    if (sameBytes (mine, base))
    {
        // Nothing unwritten here: the file becomes the bank.
        auto theirs = indexed (disk.content());
        out.theirs = (int) bankmerge::changedNumbers (*base, theirs).size();
        if (theirs.bytes() != mine->bytes())
            bankHolder.setBank (std::move (theirs));
        base = bankHolder.snapshot();
    }
    else
    {
        // Unwritten changes here: they stay on top of the other's records, still to be written.
        auto theirs = std::make_shared<const BankIndex> (indexed (disk.content()));
        auto merged = bankmerge::merge (*base, *mine, *theirs);
        out.theirs = (int) merged.theirs.size();
        out.both = (int) merged.both.size();
        adopt (std::move (merged.bytes), mine, std::move (theirs));
    }
    seen = disk.stamp;
    out.kind = out.theirs > 0 ? Outcome::Kind::followed : Outcome::Kind::nothing;
    return out;
}

} // namespace zr9
