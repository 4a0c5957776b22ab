#pragma once

#include "Prng.h"

#include <set>
#include <string>
#include <vector>

namespace zr9::factory
{

/**
    Hands out object names of at most 20 characters, each at most once per
    source: a name is made of one word from each list, joined by blanks
    (an empty word is left out). When the combinations run dry, a number is
    appended.
*/
class NameSource
{
public:
    explicit NameSource (std::uint64_t seed) : prng_ (seed) {}

    /** Marks a fixed name as given out; false when it was given out already. */
    bool claim (const std::string& name) { return used_.insert (name).second; }

    std::string take (const std::vector<std::vector<std::string>>& wordLists);

private:
    std::string combine (const std::vector<std::vector<std::string>>& wordLists);

    Prng prng_;
    std::set<std::string> used_;
};

} // namespace zr9::factory
