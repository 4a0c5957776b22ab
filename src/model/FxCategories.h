#pragma once

#include <array>
#include <string>
#include <vector>

namespace zr9
{

/** The 17 FX categories, numbered 1 to 17 as the parameter descriptions number them. */
enum FxCategory : int
{
    fxReverb = 1, fxChorus, fxFlanger, fxPhaser, fxTremolo, fxPanner, fxOrgan, fxDelay, fxEcho,
    fxDistortion, fxCompressor, fxEnhancer, fxFilter, fxDrums, fxPitcher, fxGuitar, fxEq
};

constexpr int fxCategoryCount = 17;

/** The name of category list 1 to 17 ("Reverb" to "EQ"); empty for any other number. */
std::string fxCategoryListName (int category);

/**
    The categories (one or two) an effect of this four-character abbreviation
    puts its chain in; empty for abbreviations that name no category.
*/
std::vector<int> fxCategoriesOf (const std::string& abbreviation);

/** Chains with this many effects or more are left out of every category list. */
constexpr int maxCategorisedEffects = 16;

/** One list of chain numbers per category; index 0 is category 1 (Reverb). */
using FxCategoryLists = std::array<std::vector<int>, fxCategoryCount>;

/**
    Adds chain `number` to the lists once per matching effect, so a chain
    with two reverbs stands twice in the Reverb list. `types` are the chain's
    FX type numbers; a chain of 16 or more effects is not added.
*/
void categoriseChain (FxCategoryLists& lists, int number, const std::vector<int>& types);

} // namespace zr9
