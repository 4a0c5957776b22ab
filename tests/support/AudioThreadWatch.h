#pragma once

namespace zr9::test
{

/**
    Counts what the calling thread does while the watch lives that a host's
    audio thread must not do: allocations (every form of operator new) and
    mutex locks (pthread_mutex_lock, which the framework's critical sections
    and std::mutex go through). Other threads are not counted.

    The test program replaces the global operator new and puts a counting
    pthread_mutex_lock before the system's, which it then calls; `counting`
    tells whether each works in this build.
*/
class AudioThreadWatch
{
public:
    AudioThreadWatch();
    ~AudioThreadWatch();

    int allocations() const noexcept;
    int locks() const noexcept;

    struct Counting
    {
        bool allocations;
        bool locks;
    };
    /** Whether an allocation and a lock made on purpose are seen. */
    static Counting counting();

    AudioThreadWatch (const AudioThreadWatch&) = delete;
    AudioThreadWatch& operator= (const AudioThreadWatch&) = delete;

private:
    int allocationsBefore, locksBefore;
};

} // namespace zr9::test
