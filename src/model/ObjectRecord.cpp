#include "ObjectRecord.h"

namespace zr9
{

void ObjectRecord::setFlag (int p, int bit, bool on) noexcept
{
    if (bit < 0 || bit > 7 || p < 0 || p >= size())
        return;
    const auto mask = (std::uint8_t) (1u << bit);
    auto& b = data[(size_t) p];
    b = on ? (std::uint8_t) (b | mask) : (std::uint8_t) (b & ~mask);
}

void ObjectRecord::setName (const std::string& text) noexcept
{
    for (int i = 0; i < nameLength; ++i)
        setByte (i, i < (int) text.size() ? (std::uint8_t) text[(size_t) i] : ' ');
}

} // namespace zr9
