#pragma once

namespace zr9::appinfo
{
constexpr const char* name = "Halvorn ZR9";
constexpr const char* version = "1.0.9";
} // namespace zr9::appinfo
