#pragma once

#include <array>
#include <mutex>

namespace zr9
{

/**
    Which of the 128 keys are held, as note-ons and note-offs told it. Written
    on the MIDI input thread, read and cleared on the message thread, all
    under one lock.
*/
class HeldKeys
{
public:
    static constexpr int keyCount = 128;

    /** Keys outside 0 to 127 are ignored. */
    void set (int key, bool down);
    bool isDown (int key) const;
    /** Every key up: all notes off, audio starting or stopping. */
    void clear();

private:
    mutable std::mutex lock;
    std::array<bool, keyCount> keys {};
};

} // namespace zr9
