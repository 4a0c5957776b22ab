#include "ObjectChangeNotifier.h"

#include <algorithm>

namespace zr9
{

void ObjectChangeNotifier::addChangeListener (ObjectChangeListener* listener)
{
    if (listener != nullptr && std::find (listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back (listener);
}

void ObjectChangeNotifier::removeChangeListener (ObjectChangeListener* listener)
{
    listeners.erase (std::remove (listeners.begin(), listeners.end(), listener), listeners.end());
}

void ObjectChangeNotifier::setDeliveryRequest (DeliveryRequest request)
{
    const std::lock_guard<std::mutex> sl (lock);
    requestDelivery = std::move (request);
}

void ObjectChangeNotifier::broadcastChange (int code)
{
    DeliveryRequest request;
    {
        const std::lock_guard<std::mutex> sl (lock);
        lastCode = code;
        pending.push_back (code);
        request = requestDelivery;
    }
    if (request)
        request();
}

void ObjectChangeNotifier::deliverPendingChanges()
{
    std::vector<int> codes;
    {
        const std::lock_guard<std::mutex> sl (lock);
        std::swap (codes, pending);
    }
    for (const int code : codes)
    {
        // A listener may leave while others are told: only those still registered hear the code.
        const auto told = listeners;
        for (auto* l : told)
            if (std::find (listeners.begin(), listeners.end(), l) != listeners.end())
                l->objectChanged (*this, code);
    }
}

} // namespace zr9
