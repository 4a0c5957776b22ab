#pragma once

#include "BankIndex.h"
#include "ObjectChangeNotifier.h"

#include <memory>

namespace zr9
{

/**
    What every object holder that keeps a bank has: the bank of its type and
    the change notifier.

    The bank is published whole: a change is made on a copy, and the copy
    replaces the bank in one atomic step. The message thread, the only one
    that changes banks, reads bank() directly; any other thread (the MIDI
    input thread loading a channel's program, a host asking for a parameter
    text) takes a snapshot(), which no later change can touch.
*/
class ObjBankHolder : public ObjectChangeNotifier
{
public:
    /**
        The change code every holder broadcasts after its bank changed (a new
        bank, a stored or cleared record), so pages that list the bank follow it.
    */
    static constexpr int codeBankChanged = 1000;

    explicit ObjBankHolder (ObjectTypeId type) : typeId_ (type), current (std::make_shared<const BankIndex>()) {}

    ObjectTypeId typeId() const noexcept { return typeId_; }

    /** The bank as it stands now; message thread only. */
    const BankIndex& bank() const noexcept { return *current; }

    /** The bank as last published, for any thread; it stays whole whatever happens to the holder later. */
    std::shared_ptr<const BankIndex> snapshot() const { return std::atomic_load (&current); }

    /** Replaces the bank; message thread. */
    void setBank (BankIndex bank)
    {
        std::atomic_store (&current, std::shared_ptr<const BankIndex> (std::make_shared<BankIndex> (std::move (bank))));
        bankChanged();
        broadcastChange (codeBankChanged);
    }

    /** Indexes `bytes` as this holder's type for numbers 1 to cap and makes it the bank; message thread. */
    void indexBank (ByteView bytes, int cap)
    {
        BankIndex b;
        b.index (typeId_, bytes, cap);
        setBank (std::move (b));
    }

    /** Replaces record n (an empty view clears it); false and no change when the bank has no place for n. Message thread. */
    bool storeRecord (int n, ByteView record)
    {
        auto changed = std::make_shared<BankIndex> (*current);
        if (! changed->store (n, record))
            return false;
        std::atomic_store (&current, std::shared_ptr<const BankIndex> (std::move (changed)));
        bankChanged();
        broadcastChange (codeBankChanged);
        return true;
    }

    /**
        Replaces many records at once (numbers rising; an empty view clears),
        published as one change: what an import of a whole bank does. Returns
        how many were stored; records without a place are passed over. Message thread.
    */
    int storeRecords (const std::vector<BankIndex::Replacement>& records)
    {
        auto changed = std::make_shared<BankIndex> (*current);
        const int stored = changed->storeMany (records);
        if (stored == 0)
            return 0;
        std::atomic_store (&current, std::shared_ptr<const BankIndex> (std::move (changed)));
        bankChanged();
        broadcastChange (codeBankChanged);
        return stored;
    }

    /** Record n as a view into the bank (no copy); empty when n has no record. Message thread; valid until the bank changes. */
    ByteView recordView (int n) const noexcept
    {
        constexpr int minRecordSize = 24; // as BankIndex::record: shorter entries hold no data
        const auto& b = bank();
        const int s = b.size (n);
        return s < minRecordSize ? ByteView() : ByteView (b.bytes()).slice (b.offset (n), s);
    }

protected:
    /** Called on the message thread after every change of the bank, for what a holder derives from it. */
    virtual void bankChanged() {}

private:
    ObjectTypeId typeId_;
    std::shared_ptr<const BankIndex> current;
};

} // namespace zr9
