#pragma once

namespace zr9
{

/**
    The instrument's parameter vocabulary: display types, units, scales and
    word lists. The classes hold nothing; the rules themselves are the free
    functions of ValueText.h, ValueScales.h and ParameterNames.h.
*/
class ParDes
{
};

/** The instrument's resource texts: name tables shared by several display types. */
class HalvRes
{
};

} // namespace zr9
