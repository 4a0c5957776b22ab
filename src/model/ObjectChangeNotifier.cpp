#include "ObjectChangeNotifier.h"

#include <algorithm>

namespace zr9
{

void ObjectChangeNotifier::addChangeListener (ObjectChangeListener* listener)
{
    const juce::ScopedLock sl (lock);
    if (listener != nullptr && std::find (listeners.begin(), listeners.end(), listener) == listeners.end())
        listeners.push_back (listener);
}

void ObjectChangeNotifier::removeChangeListener (ObjectChangeListener* listener)
{
    const juce::ScopedLock sl (lock);
    listeners.erase (std::remove (listeners.begin(), listeners.end(), listener), listeners.end());
}

void ObjectChangeNotifier::broadcastChange (int code)
{
    {
        const juce::ScopedLock sl (lock);
        lastCode = code;
        pending.push_back (code);
    }
    triggerAsyncUpdate();
}

void ObjectChangeNotifier::handleAsyncUpdate()
{
    std::vector<int> codes;
    std::vector<ObjectChangeListener*> targets;
    {
        const juce::ScopedLock sl (lock);
        std::swap (codes, pending);
        targets = listeners;
    }
    for (const int code : codes)
        for (auto* l : targets)
        {
            // A listener may leave while an earlier one is being told.
            bool stillListening;
            {
                const juce::ScopedLock sl (lock);
                stillListening = std::find (listeners.begin(), listeners.end(), l) != listeners.end();
            }
            if (stillListening)
                l->objectChanged (*this, code);
        }
}

} // namespace zr9
