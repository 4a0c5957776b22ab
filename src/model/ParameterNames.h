#pragma once

#include <string>

namespace zr9
{

/** What a controller or modulation route acts on (display types 105, 209 to 214, 319, ...); any int. */
std::string controllerDestinationName (int v);

/** Where a modulation comes from (display type 381); any int. */
std::string controlSourceName (int v);

/** The instrument's panel control behind a control number, as programs and FX chains name them. */
std::string physicalControlName (int number);

/** The kind of effect an FX preset is; other values in decimal. */
std::string fxCategoryName (int v);

} // namespace zr9
