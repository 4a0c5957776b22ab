#include "SelectorSources.h"

#include "model/FxCategories.h"
#include "model/ProgramCategories.h"
#include "model/SetupLayout.h"

namespace zr9::selectorsource
{

namespace
{
    constexpr int lastProgramCategory = 10;

    /** An entry with its number and name; the name as shown and as searched. */
    SelectorEntry entryFor (int number, const std::string& name)
    {
        SelectorEntry e;
        e.number = number;
        e.name = SelectorList::displayName (name);
        e.searchName = SelectorList::lowered (e.name);
        return e;
    }

    /** Every existing object of the bank, with what `fill` adds to each. */
    template <typename Fill>
    std::vector<SelectorEntry> listed (const ObjBankHolder& holder, Fill&& fill)
    {
        const auto& bank = holder.bank();
        std::vector<SelectorEntry> out;
        for (int n = 1; n <= bank.cap(); ++n)
        {
            if (! bank.exists (n))
                continue;
            auto e = entryFor (n, bank.name (n));
            fill (e);
            out.push_back (std::move (e));
        }
        return out;
    }

    int zoneCount (ByteView setup)
    {
        const bool extended = setup.byte (setup::formatByte1Offset) == setup::extendedFormatByte1
                           && setup.byte (setup::formatByte2Offset) > setup::extendedFormatByte2Above;
        return setup.byte (extended ? setup::extendedZoneCountOffset : setup::basicZoneCountOffset);
    }
} // namespace

std::vector<SelectorEntry> programs (const ObjProgramBankClass& bank)
{
    return listed (bank, [&bank] (SelectorEntry& e)
    {
        const int category = bank.category (e.number);
        if (category >= 0 && category <= lastProgramCategory)
            e.categories = 1u << category;
        e.extra[0] = bank.categoryText (e.number);
        e.extra[1] = bank.modeText (e.number);
    });
}

std::vector<SelectorEntry> setups (const ObjSetupBankClass& bank)
{
    return listed (bank, [&bank] (SelectorEntry& e) { e.extra[0] = std::to_string (zoneCount (bank.recordView (e.number))); });
}

std::vector<SelectorEntry> fxChains (ObjFXChainClass& bank)
{
    bank.categorise();
    auto out = listed (bank, [&bank] (SelectorEntry& e)
    {
        const auto chain = fxchain::decode (bank.recordView (e.number));
        std::string effects;
        for (int i = 0; i < chain.decodedCount(); ++i)
        {
            auto abbreviation = ObjFXChainClass::fxTypeAbbreviation (chain.effects[(size_t) i].type);
            const auto end = abbreviation.find_last_not_of (' ');
            abbreviation.erase (end == std::string::npos ? 0 : end + 1);
            if (abbreviation.empty())
                abbreviation = "?";
            effects += (effects.empty() ? "" : " ") + abbreviation;
        }
        e.extra[0] = effects;
    });

    // The category lists hold a chain once per matching effect; a bit is enough here.
    for (int c = 1; c <= fxCategoryCount; ++c)
        for (const int n : bank.categoryList (c))
        {
            const auto at = std::lower_bound (out.begin(), out.end(), n, [] (const SelectorEntry& e, int k) { return e.number < k; });
            if (at != out.end() && at->number == n)
                at->categories |= 1u << c;
        }
    return out;
}

std::vector<SelectorEntry> arpeggiators (const ObjArpClass& bank)
{
    return listed (bank, [&bank] (SelectorEntry& e) { e.extra[0] = bank.arpModeText (e.number); });
}

std::vector<SelectorEntry> algorithms (const ObjBankHolder& holder)
{
    auto out = listed (holder, [] (SelectorEntry&) {});
    for (auto& e : out)
    {
        // The record begins with data, not a name.
        e.name = "Algorithm " + std::to_string (e.number);
        e.searchName = SelectorList::lowered (e.name);
    }
    return out;
}

std::vector<SelectorEntry> named (const ObjBankHolder& holder)
{
    return listed (holder, [] (SelectorEntry&) {});
}

std::vector<std::pair<int, std::string>> programCategories()
{
    std::vector<std::pair<int, std::string>> out;
    for (int c = 1; c <= lastProgramCategory; ++c)
        out.emplace_back (c, programCategoryName (c));
    out.emplace_back (0, programCategoryName (0));
    return out;
}

std::vector<std::pair<int, std::string>> fxCategories()
{
    std::vector<std::pair<int, std::string>> out;
    for (int c = 1; c <= fxCategoryCount; ++c)
        out.emplace_back (c, fxCategoryListName (c));
    return out;
}

} // namespace zr9::selectorsource
