#pragma once

#include "model/SettingsList.h"

namespace zr9::appsetting
{

// The settings entries of the window and the main component. Both hold "0" by default.

/** The stand-alone window's scale in percent (75 to 200); 0 follows the desktop's scale. */
constexpr Setting windowScale = Setting::windowScale;
/** The page shown when the program last ended: 113 mixer, 111 controls, 11 the program and 114 the multi selector; 0 the mixer. */
constexpr Setting firstPage = Setting::firstPage;

} // namespace zr9::appsetting
