#pragma once

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    The lock that keeps instances of the program (in one process or in
    several) from interleaving their read, merge and write of the library's
    files: an exclusive flock(2) on a lock file in the library folder.

    The kernel drops the lock when the process that holds it ends, however
    it ends, so a lock file left by a killed instance is simply taken over.
    A lock file removed or replaced while someone held it is noticed: the
    lock is taken again on the file that stands there now.

    Holding is counted, so code that holds the lock may call code that takes
    it again. One FolderLock per instance; message thread.
*/
class FolderLock
{
public:
    static constexpr const char* fileName = ".zr9-library.lock";
    /** How long a wait for the lock sleeps between tries. */
    static constexpr int retryMs = 5;
    /**
        How long a write waits for another instance's read, merge and write
        (which take milliseconds); an instance that holds the lock longer has
        stopped answering.
    */
    static constexpr int writeWaitMs = 2000;

    explicit FolderLock (juce::File folder);
    ~FolderLock();

    enum class State
    {
        held,        // this instance holds the lock
        busy,        // another instance held it for the whole wait
        unavailable  // no lock file can be made here (the folder cannot be written): nothing to coordinate with
    };

    /** Holds the lock while it lives (when it got it). */
    class Hold
    {
    public:
        Hold() = default;
        Hold (Hold&& other) noexcept;
        Hold& operator= (Hold&& other) noexcept;
        ~Hold();

        State state() const noexcept { return result; }
        bool held() const noexcept { return result == State::held; }
        /** True unless another instance holds the lock: writing may go ahead. */
        bool mayWrite() const noexcept { return result != State::busy; }

    private:
        friend class FolderLock;
        Hold (FolderLock* owner, State state) noexcept : lock (owner), result (state) {}
        void release() noexcept;

        FolderLock* lock = nullptr;
        State result = State::unavailable;
    };

    /**
        Takes the lock, waiting up to `timeoutMs` for another instance to let
        it go (0: one try). Creates the library folder when it is missing.
    */
    Hold acquire (int timeoutMs);

    /** Takes the lock only when the folder exists already: for a look that writes nothing when there is nothing. */
    Hold acquireIfFolderExists (int timeoutMs);

    bool isHeld() const noexcept { return depth > 0; }
    const juce::File& file() const noexcept { return lockFile; }

private:
    enum class Try { taken, busy, failed };
    Try tryOnce();
    void unlock() noexcept;

    juce::File lockFile;
    int fd = -1;
    int depth = 0;

    JUCE_DECLARE_NON_COPYABLE (FolderLock)
};

} // namespace zr9
