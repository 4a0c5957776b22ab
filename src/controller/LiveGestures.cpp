#include "LiveGestures.h"

#include "Notifications.h"

namespace zr9
{

void LiveGestures::begin (int row)
{
    if (! LiveTable::isRow (row))
        return;
    if (open[(size_t) row]++ == 0)
        notifications.postGesture (row, true);
}

void LiveGestures::end (int row)
{
    if (! isOpen (row))
        return;
    if (--open[(size_t) row] == 0)
        notifications.postGesture (row, false);
}

} // namespace zr9
