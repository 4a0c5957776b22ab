#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    What the library's files did that the user should hear of, told as a
    line of text: another instance's version kept as a dated copy, a file
    that was not a bank kept aside, what came in from another instance. The
    main component shows each on the status line. Message thread.
*/
class LibraryNotices
{
public:
    static constexpr int keptCount = 16;

    class Listener
    {
    public:
        virtual ~Listener() = default;
        virtual void libraryNotice (const juce::String& text) = 0;
    };

    void post (const juce::String& text);

    /** The last notices, oldest first, for whoever was not listening yet. */
    const juce::StringArray& recent() const noexcept { return kept; }

    void addListener (Listener* l) { listeners.add (l); }
    void removeListener (Listener* l) { listeners.remove (l); }

private:
    juce::StringArray kept;
    juce::ListenerList<Listener> listeners;
};

class FolderLock;

/** What a writer of a file that several instances share needs besides the file: the folder's lock and where to tell. Both may be absent. */
struct SharedFileAccess
{
    FolderLock* lock = nullptr;
    LibraryNotices* notices = nullptr;

    void tell (const juce::String& text) const
    {
        if (notices != nullptr)
            notices->post (text);
    }
};

} // namespace zr9
