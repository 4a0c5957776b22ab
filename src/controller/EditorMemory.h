#pragma once

#include <atomic>

namespace zr9
{

/**
    What the editor remembers across its own lifetime, which a plug-in host
    ends and begins again at will: whether the keyboard panel is pulled up,
    and whether the version panel has greeted the user in this run.
*/
class EditorMemory
{
public:
    bool isKeyboardOpen() const noexcept { return keyboardOpen.load(); }
    void setKeyboardOpen (bool open) noexcept { keyboardOpen = open; }

    /** True once the version panel was shown in this run. */
    bool hasGreeted() const noexcept { return greeted.load(); }
    void markGreeted() noexcept { greeted = true; }

private:
    std::atomic<bool> keyboardOpen { false };
    std::atomic<bool> greeted { false };
};

} // namespace zr9
