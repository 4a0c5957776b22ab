#pragma once

#include "EditHistory.h"

#include <juce_core/juce_core.h>

#include <functional>

namespace zr9
{

/**
    What an editor's shell needs of the object being edited, whatever its
    type: its name, whether it differs from what the instrument sent, and the
    undo history. Message thread.
*/
class EditSession
{
public:
    virtual ~EditSession() = default;

    /** The name as shown: whatever is not printable as a blank, without the padding blanks. */
    virtual juce::String name() = 0;
    /** Takes printable ASCII only, as many characters as the instrument keeps; undo puts the old bytes back. */
    virtual void setName (const juce::String& name) = 0;
    /** The object differs from what the instrument sent (or the library held). */
    virtual bool isEdited() = 0;
    /** Takes the object as it stands as the one the instrument sent; forgets the history. */
    virtual void takeAsSent() = 0;
    virtual EditHistory& history() noexcept = 0;
    virtual bool undo() = 0;
    virtual bool redo() = 0;

    /** Told after every change, undo and redo. */
    std::function<void()> onChanged;
};

} // namespace zr9
