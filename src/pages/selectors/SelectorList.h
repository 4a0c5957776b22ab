#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace zr9
{

/** One object as a selector lists it. */
struct SelectorEntry
{
    int number = 0;
    /** The name as shown: padding and control characters taken out. */
    std::string name;
    /** The name in lower case, what the search looks through. */
    std::string searchName;
    /** Bit c is set when the object is in category c (0 to 31). */
    std::uint32_t categories = 0;
    /** Texts of the further columns (category and mode, the effects, ...). */
    std::array<std::string, 2> extra;
};

/** Which numbers a selector lists: all, the lower range 1 to 1024, or the upper range from 1025. */
enum class BankRange { all, lower, upper };

/**
    The objects a selector page lists and the ones its filters leave shown:
    a category, a range of numbers and a name search, all at once. The search
    is case-blind and takes each word typed on its own ("grand bright" finds
    "Bright Grand 7ft"); a search that only grows narrows the rows already
    shown instead of going through every object again.

    Entries are kept in ascending number order. Plain C++; message thread.
*/
class SelectorList
{
public:
    static constexpr int allCategories = -1;
    static constexpr int maxCategory = 31;
    static constexpr int lastLowerNumber = 1024;

    /** Takes a new set of objects (any order, a number once) and applies the filters to them. */
    void setEntries (std::vector<SelectorEntry> entries);
    const std::vector<SelectorEntry>& entries() const noexcept { return all; }

    void setCategory (int category);
    void setRange (BankRange range);
    void setSearch (const std::string& text);
    int category() const noexcept { return categoryFilter; }
    BankRange range() const noexcept { return rangeFilter; }
    const std::string& search() const noexcept { return searchText; }
    /** Back to every object: all categories, all numbers, no search. */
    void clearFilters();

    /** How many rows the filters leave. */
    int size() const noexcept { return (int) shown.size(); }
    /** Row r of the shown rows; r must lie within size(). */
    const SelectorEntry& row (int r) const { return all[(size_t) shown[(size_t) r]]; }
    /** The row that shows this number, or -1. */
    int rowOf (int number) const noexcept;
    /** The object of this number, shown or not; nullptr when the list has none. */
    const SelectorEntry* find (int number) const noexcept;
    /** How many objects (whatever the filters) lie in category c. */
    int countInCategory (int category) const noexcept;

    /** Lower case, as the search compares. */
    static std::string lowered (const std::string& text);
    /** A name as a list shows it: bytes below 32 become blanks, blanks at the end go. */
    static std::string displayName (const std::string& name);

private:
    bool passes (const SelectorEntry& e) const;
    void refilter();
    void narrow();

    std::vector<SelectorEntry> all;
    std::vector<int> shown; // indices into all, ascending
    int categoryFilter = allCategories;
    BankRange rangeFilter = BankRange::all;
    std::string searchText;
    std::vector<std::string> searchWords;
};

} // namespace zr9
