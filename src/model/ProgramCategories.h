#pragma once

#include <string>

namespace zr9
{

/** Name of a program category (record byte 30), 0 to 10; empty for any other value. */
std::string programCategoryName (int category);

/** Category text as a bank lists it: the name, or the value in decimal when it has none. */
std::string programCategoryText (int category);

} // namespace zr9
