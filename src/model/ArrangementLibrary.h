#pragma once

#include "LibraryEntry.h"

#include <string>
#include <vector>

namespace zr9
{

/**
    The arrangement library the library page works on: named entries
    (LibraryEntry.h) in order, and whether they changed since they were last
    read from or written to a file. Adding, renaming, deleting and clearing
    set the modified flag; taking over a file's entries and saving clear it.
    Indexes from 0; an index outside the list changes nothing.
*/
class ArrangementLibrary
{
public:
    const std::vector<Bytes>& entries() const noexcept { return list; }
    int size() const noexcept { return (int) list.size(); }
    bool empty() const noexcept { return list.empty(); }
    bool isIndex (int i) const noexcept { return i >= 0 && i < size(); }

    bool isModified() const noexcept { return modified; }
    /** After the list was written to a file. */
    void markSaved() noexcept { modified = false; }

    /** The entry's name (see libentry::name); empty outside the list. */
    std::string name (int i) const;
    /** The entry's arrangement data, from byte 300 on; empty outside the list. */
    ByteView arrangementData (int i) const noexcept;

    /** Appends a new entry with the name and the arrangement data. */
    void add (const std::u32string& name, ByteView arrangementData);
    /** False, and nothing changes, outside the list or for an entry too short to carry a name. */
    bool rename (int i, const std::u32string& name);
    bool remove (int i);
    void clear();
    /** Takes over the entries of a file that was read; the list is then unmodified. */
    void replace (std::vector<Bytes> entries);

private:
    std::vector<Bytes> list;
    bool modified = false;
};

} // namespace zr9
