#include "HeldKeys.h"

namespace zr9
{

void HeldKeys::set (int key, bool down)
{
    if (key < 0 || key >= keyCount)
        return;
    const std::lock_guard<std::mutex> sl (lock);
    keys[(size_t) key] = down;
}

bool HeldKeys::isDown (int key) const
{
    if (key < 0 || key >= keyCount)
        return false;
    const std::lock_guard<std::mutex> sl (lock);
    return keys[(size_t) key];
}

void HeldKeys::clear()
{
    const std::lock_guard<std::mutex> sl (lock);
    keys.fill (false);
}

} // namespace zr9
