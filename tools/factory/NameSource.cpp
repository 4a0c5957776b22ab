#include "NameSource.h"

#include "RecordBytes.h"

#include <algorithm>

namespace zr9::factory
{

namespace
{

/** True when no blank-separated word of the name stands in it twice ("Concert Concert 9ft"). */
bool wordsDistinct (const std::string& name)
{
    std::set<std::string> seen;
    std::size_t start = 0;
    while (start < name.size())
    {
        const auto end = std::min (name.find (' ', start), name.size());
        if (! seen.insert (name.substr (start, end - start)).second)
            return false;
        start = end + 1;
    }
    return true;
}

} // namespace

std::string NameSource::combine (const std::vector<std::vector<std::string>>& wordLists)
{
    std::string name;
    for (const auto& words : wordLists)
    {
        const auto& word = prng_.pick (words);
        if (word.empty())
            continue;
        if (! name.empty())
            name += ' ';
        name += word;
    }
    return wordsDistinct (name) ? name : std::string();
}

std::string NameSource::take (const std::vector<std::vector<std::string>>& wordLists)
{
    constexpr int attempts = 400;
    std::string name;
    for (int i = 0; i < attempts; ++i)
    {
        name = combine (wordLists);
        if (! name.empty() && name.size() <= (std::size_t) nameLength && claim (name))
            return name;
    }

    const std::string base = name.substr (0, nameLength - 4);
    for (int n = 2;; ++n)
    {
        const std::string numbered = base + " " + std::to_string (n);
        if (claim (numbered))
            return numbered;
    }
}

} // namespace zr9::factory
