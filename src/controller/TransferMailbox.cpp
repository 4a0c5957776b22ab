#include "TransferMailbox.h"

namespace zr9
{

void TransferMailbox::setReceiver (Receiver r)
{
    const std::lock_guard<std::mutex> sl (lock);
    receiver = std::move (r);
}

bool TransferMailbox::deliver (const std::vector<std::uint8_t>& body)
{
    const std::lock_guard<std::mutex> sl (lock);
    if (! receiver)
        return false;
    receiver (body);
    return true;
}

} // namespace zr9
