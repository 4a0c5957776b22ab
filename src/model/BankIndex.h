#pragma once

#include "ByteView.h"
#include "ObjectTypes.h"

#include <string>
#include <vector>

namespace zr9
{

/**
    One object type's bank: the bank byte string exactly as it stands in the
    type's data file, plus the offset of every record inside it.

    The bytes are never split into records. Reading copies out of the string;
    storing splices the new record in place of the old one and shifts the
    offsets of every later record, so the bank stays well formed and can be
    written back byte for byte.

    Object numbers run from 1; offsets[n] is 0 when n's entry was not found.
*/
class BankIndex
{
public:
    BankIndex() = default;

    /** Indexes `bank` for numbers 1 to cap in one forward scan. Types without a bank give an empty bank. */
    void index (int typeId, Bytes bank, int cap);
    void index (int typeId, ByteView bank, int cap) { index (typeId, Bytes (bank.data(), bank.data() + bank.size()), cap); }

    int typeId() const noexcept { return typeId_; }
    /** The highest number the bank was indexed for. */
    int cap() const noexcept { return cap_; }
    /** cap + 1: the numbers the index holds besides 0. */
    int count() const noexcept { return cap_ + 1; }
    const Bytes& bytes() const noexcept { return bytes_; }
    /** Offset of record n's first byte within the bank, 0 when its tag was not found. */
    int offset (int n) const noexcept { return n >= 0 && n < (int) offsets_.size() ? offsets_[(size_t) n] : 0; }

    /** Byte count of record n; 0 when absent. */
    int size (int n) const noexcept;
    /** True when record n holds more than its name. */
    bool exists (int n) const noexcept { return size (n) > 20; }
    /** A copy of record n when it is longer than 23 bytes; otherwise empty. */
    Bytes record (int n) const;
    /** Record n's name (bytes 1 to 127 of bytes 0 to 19 kept) when it is at least 25 bytes long. */
    std::string name (int n) const;
    /** Byte p of record n; 0 when the record is too short to hold data or p lies beyond the bank. */
    int byteAt (int n, int p) const noexcept;
    /** Big-endian word at p of record n; 0 beyond the bank. */
    int wordAt (int n, int p) const noexcept;
    int firstKey (int n) const noexcept;
    int secondKey (int n) const noexcept;
    /** Program banks only: the category name of record n's first key byte. */
    std::string programCategory (int n) const;
    /** Arpeggiator banks: "CLASSIC" or "STEP. SEQ: " + step sequence for the two modes. */
    std::string arpModeText (int n) const;

    /** Replaces record n with `record`. Returns false (and changes nothing) when n's tag was not found. */
    bool store (int n, ByteView record);
    /** Removes record n's bytes, leaving its tags. Returns false when n's tag was not found. */
    bool clear (int n) { return store (n, ByteView()); }

    /** One record of a store of many. */
    struct Replacement
    {
        int number = 0;
        ByteView record;
    };
    /**
        Stores many records at once, as store() of each in turn would, but in
        one pass over the bank: a whole bank's import moves the bytes once
        instead of once per record. The numbers must rise; a number whose tag
        was not found is passed over. Returns how many were stored.
    */
    int storeMany (const std::vector<Replacement>& records);

    /** The numbers a selector lists, in ascending order (modes 0, 1 with sub-modes 0/1/100, 2, 4). */
    std::vector<int> idList (int mode, int subMode = 0) const;

private:
    int gap (int n) const noexcept;

    Bytes bytes_;
    std::vector<int> offsets_;
    int typeId_ = 0;
    int cap_ = 0;
    int total_ = 0;
    int skip_ = 0;
    int gapOverhead_ = 0;
    int firstKeyOffset_ = 0;
    int secondKeyOffset_ = 0;
};

} // namespace zr9
