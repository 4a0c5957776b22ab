#pragma once

#include <string>

namespace zr9
{

/** The last program category (record byte 30): categories run from 0 to this. */
constexpr int lastProgramCategory = 10;

/** Name of a program category (record byte 30), 0 to 10; empty for any other value. */
std::string programCategoryName (int category);

/** Category text as a bank lists it: the name, or the value in decimal when it has none. */
std::string programCategoryText (int category);

/** Name of a program sub-type (record byte 31) within its category; empty for pairs without a name. */
std::string programSubTypeName (int category, int subType);

/** "TW3" for a drawbar-organ program (byte 157 holds 'x'), else "MOSA". */
std::string programModeName (int modeByte);

} // namespace zr9
