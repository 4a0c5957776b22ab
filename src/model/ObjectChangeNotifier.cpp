#include "ObjectChangeNotifier.h"

namespace zr9
{

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
    {
        const juce::ScopedLock sl (lock);
        std::swap (codes, pending);
    }
    for (const int code : codes)
        listeners.call ([this, code] (ObjectChangeListener& l) { l.objectChanged (*this, code); });
}

} // namespace zr9
