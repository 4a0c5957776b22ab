#pragma once

#include <juce_data_structures/juce_data_structures.h>

#include <functional>

namespace zr9
{

/**
    The undo history of an editor, on the framework's undo manager. Every
    change the user makes is one undoable value change of one field (a key
    names the field); the steps of one gesture on one field (a drag, a run of
    wheel notches or arrow keys) merge into one undo step, so undo takes the
    field back to where the gesture began. A new field, or a new gesture,
    begins a new step. Message thread.
*/
class EditHistory
{
public:
    /** The key of the object's name: no parameter's key is negative. */
    static constexpr int nameKey = -1;

    EditHistory();

    /** The next change begins a new undo step even on the same field (a drag or a click begins). */
    void beginGesture() noexcept { newStep = true; }

    /** Applies `after` and keeps the change; undo applies `before` again. */
    void perform (int key, int before, int after, std::function<void (int)> apply, const juce::String& what);
    /** The same for a text (a name). */
    void performText (int key, const juce::String& before, const juce::String& after,
                      std::function<void (const juce::String&)> apply, const juce::String& what);

    bool canUndo() const { return manager.canUndo(); }
    bool canRedo() const { return manager.canRedo(); }
    bool undo();
    bool redo();
    juce::String undoDescription() const { return manager.getUndoDescription(); }
    juce::String redoDescription() const { return manager.getRedoDescription(); }

    /** Forgets every step: the object was replaced. */
    void clear();

    juce::UndoManager& undoManager() noexcept { return manager; }

private:
    void beginStepFor (int key, const juce::String& what);

    juce::UndoManager manager;
    int lastKey = 0;
    bool newStep = true;
};

} // namespace zr9
