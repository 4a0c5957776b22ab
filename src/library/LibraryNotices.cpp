#include "LibraryNotices.h"

namespace zr9
{

void LibraryNotices::post (const juce::String& text)
{
    kept.add (text);
    while (kept.size() > keptCount)
        kept.remove (0);
    listeners.call ([&text] (Listener& l) { l.libraryNotice (text); });
}

} // namespace zr9
