#include "SelectorList.h"

#include <algorithm>

namespace zr9
{

namespace
{
    std::vector<std::string> wordsOf (const std::string& text)
    {
        std::vector<std::string> words;
        std::string word;
        for (const char c : text)
        {
            if (c == ' ')
            {
                if (! word.empty())
                    words.push_back (std::move (word));
                word.clear();
            }
            else
            {
                word += c;
            }
        }
        if (! word.empty())
            words.push_back (std::move (word));
        return words;
    }
} // namespace

std::string SelectorList::lowered (const std::string& text)
{
    std::string out (text);
    for (auto& c : out)
        if (c >= 'A' && c <= 'Z')
            c = (char) (c - 'A' + 'a');
    return out;
}

std::string SelectorList::displayName (const std::string& name)
{
    std::string out (name);
    for (auto& c : out)
        if ((unsigned char) c < 32)
            c = ' ';
    const auto end = out.find_last_not_of (' ');
    out.erase (end == std::string::npos ? 0 : end + 1);
    return out;
}

void SelectorList::setEntries (std::vector<SelectorEntry> entries)
{
    all = std::move (entries);
    std::sort (all.begin(), all.end(), [] (const SelectorEntry& a, const SelectorEntry& b) { return a.number < b.number; });
    refilter();
}

void SelectorList::setCategory (int c)
{
    const int wanted = c >= 0 && c <= maxCategory ? c : allCategories;
    if (wanted == categoryFilter)
        return;
    categoryFilter = wanted;
    refilter();
}

void SelectorList::setRange (BankRange r)
{
    if (r == rangeFilter)
        return;
    rangeFilter = r;
    refilter();
}

void SelectorList::setSearch (const std::string& text)
{
    const auto wanted = lowered (text);
    if (wanted == searchText)
        return;
    // A search that only grew can only leave fewer rows: every old word lies within a new one.
    const bool grew = wanted.size() > searchText.size() && wanted.compare (0, searchText.size(), searchText) == 0;
    searchText = wanted;
    searchWords = wordsOf (searchText);
    if (grew)
        narrow();
    else
        refilter();
}

void SelectorList::clearFilters()
{
    categoryFilter = allCategories;
    rangeFilter = BankRange::all;
    searchText.clear();
    searchWords.clear();
    refilter();
}

bool SelectorList::passes (const SelectorEntry& e) const
{
    if (categoryFilter != allCategories && (e.categories & (1u << categoryFilter)) == 0)
        return false;
    if (rangeFilter == BankRange::lower && e.number > lastLowerNumber)
        return false;
    if (rangeFilter == BankRange::upper && e.number <= lastLowerNumber)
        return false;
    for (const auto& w : searchWords)
        if (e.searchName.find (w) == std::string::npos)
            return false;
    return true;
}

void SelectorList::refilter()
{
    shown.clear();
    shown.reserve (all.size());
    for (size_t i = 0; i < all.size(); ++i)
        if (passes (all[i]))
            shown.push_back ((int) i);
}

void SelectorList::narrow()
{
    shown.erase (std::remove_if (shown.begin(), shown.end(), [this] (int i) { return ! passes (all[(size_t) i]); }), shown.end());
}

int SelectorList::rowOf (int number) const noexcept
{
    const auto at = std::lower_bound (shown.begin(), shown.end(), number,
                                      [this] (int i, int n) { return all[(size_t) i].number < n; });
    if (at == shown.end() || all[(size_t) *at].number != number)
        return -1;
    return (int) (at - shown.begin());
}

const SelectorEntry* SelectorList::find (int number) const noexcept
{
    const auto at = std::lower_bound (all.begin(), all.end(), number,
                                      [] (const SelectorEntry& e, int n) { return e.number < n; });
    return at != all.end() && at->number == number ? &*at : nullptr;
}

int SelectorList::countInCategory (int c) const noexcept
{
    if (c < 0 || c > maxCategory)
        return 0;
    return (int) std::count_if (all.begin(), all.end(), [c] (const SelectorEntry& e) { return (e.categories & (1u << c)) != 0; });
}

} // namespace zr9
