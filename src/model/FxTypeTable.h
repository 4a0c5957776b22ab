#pragma once

#include <string>

namespace zr9
{

/** Entries in the FX type abbreviation table: FX type numbers 0 to 1500. */
constexpr int fxTypeTableSize = 1501;

/** Length of every abbreviation, padded with blanks. */
constexpr int fxTypeAbbreviationLength = 4;

/**
    The four-character abbreviation of FX type `type` (for example "Rvrb" for
    4). Numbers without an effect type, and numbers outside 0 to 1500, give
    four blanks.
*/
std::string fxTypeAbbreviation (int type);

/** How many FX type numbers carry an effect type. */
int fxTypeCountInUse() noexcept;

} // namespace zr9
