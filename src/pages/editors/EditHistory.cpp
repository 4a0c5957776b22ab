#include "EditHistory.h"

namespace zr9
{

namespace
{
    /** One value of one field, from `before` to `after`. */
    class ValueChange final : public juce::UndoableAction
    {
    public:
        ValueChange (int k, int b, int a, std::function<void (int)> f) : key (k), before (b), after (a), apply (std::move (f)) {}

        bool perform() override { apply (after); return true; }
        bool undo() override { apply (before); return true; }
        int getSizeInUnits() override { return 1; }

        juce::UndoableAction* createCoalescedAction (juce::UndoableAction* next) override
        {
            // The steps of one gesture on one field become one change from the first value to the last.
            if (auto* later = dynamic_cast<ValueChange*> (next); later != nullptr && later->key == key)
                return new ValueChange (key, before, later->after, apply);
            return nullptr;
        }

    private:
        int key, before, after;
        std::function<void (int)> apply;
    };

    class TextChange final : public juce::UndoableAction
    {
    public:
        TextChange (juce::String b, juce::String a, std::function<void (const juce::String&)> f)
            : before (std::move (b)), after (std::move (a)), apply (std::move (f))
        {
        }

        bool perform() override { apply (after); return true; }
        bool undo() override { apply (before); return true; }
        int getSizeInUnits() override { return 1 + before.length() + after.length(); }

    private:
        juce::String before, after;
        std::function<void (const juce::String&)> apply;
    };

    constexpr int maxStoredUnits = 100000;
    constexpr int minTransactionsKept = 200;
} // namespace

EditHistory::EditHistory() : manager (maxStoredUnits, minTransactionsKept) {}

void EditHistory::beginStepFor (int key, const juce::String& what)
{
    if (newStep || key != lastKey)
        manager.beginNewTransaction (what);
    newStep = false;
    lastKey = key;
}

void EditHistory::perform (int key, int before, int after, std::function<void (int)> apply, const juce::String& what)
{
    if (before == after)
        return;
    beginStepFor (key, what);
    manager.perform (new ValueChange (key, before, after, std::move (apply)));
}

void EditHistory::performText (int key, const juce::String& before, const juce::String& after,
                               std::function<void (const juce::String&)> apply, const juce::String& what)
{
    if (before == after)
        return;
    newStep = true; // every text change is a step of its own
    beginStepFor (key, what);
    newStep = true;
    manager.perform (new TextChange (before, after, std::move (apply)));
}

bool EditHistory::undo()
{
    newStep = true;
    return manager.undo();
}

bool EditHistory::redo()
{
    newStep = true;
    return manager.redo();
}

void EditHistory::clear()
{
    manager.clearUndoHistory();
    newStep = true;
}

} // namespace zr9
