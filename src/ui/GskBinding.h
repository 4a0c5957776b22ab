#pragma once

#include <functional>

namespace zr9
{

/**
    Where a value control reads its value and where it hands the values the
    user chooses: a live row, a field of an object being edited, anything a
    page binds it to. Either side may be empty: a control without `read` only
    shows what it is told, one without `write` keeps the user's choice to
    itself.
*/
struct GskBinding
{
    std::function<int()> read;
    std::function<void (int)> write;
};

} // namespace zr9
