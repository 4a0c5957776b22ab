#pragma once

#include "BankIndex.h"
#include "ObjectChangeNotifier.h"

namespace zr9
{

/**
    What every object holder that keeps a bank has: the bank of its type, a
    byte block for the object being worked on, and the change notifier.
*/
class ObjBankHolder : public ObjectChangeNotifier
{
public:
    explicit ObjBankHolder (ObjectTypeId type) : typeId_ (type) {}

    ObjectTypeId typeId() const noexcept { return typeId_; }
    BankIndex& bank() noexcept { return bank_; }
    const BankIndex& bank() const noexcept { return bank_; }
    Bytes& block() noexcept { return block_; }

    /** Record n as a view into the bank (no copy); empty when n has no record. Valid until the bank changes. */
    ByteView recordView (int n) const noexcept
    {
        constexpr int minRecordSize = 24; // as BankIndex::record: shorter entries hold no data
        const int s = bank_.size (n);
        return s < minRecordSize ? ByteView() : ByteView (bank_.bytes()).slice (bank_.offset (n), s);
    }

private:
    ObjectTypeId typeId_;
    BankIndex bank_;
    Bytes block_;
};

} // namespace zr9
