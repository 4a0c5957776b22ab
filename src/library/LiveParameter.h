#pragma once

#include "HostParameterInbox.h"

#include <juce_audio_processors/juce_audio_processors.h>

namespace zr9
{

/**
    One live row as a plug-in host sees it: a parameter with a stable
    identifier, the row's name, its value within the row's range as 0 to 1,
    and its text as the instrument shows it.

    A value set by the host waits in the inbox until the message thread sets
    the row with sending; until then the host reads back what it set. A
    change of the row from anywhere else is told to the host once, and a
    value the host set is not told back to it.
*/
class LiveParameter final : public juce::AudioProcessorParameterWithID
{
public:
    using TextOf = std::function<juce::String (int row, int value)>;

    LiveParameter (int row, const LiveTable& table, HostParameterInbox& inbox, TextOf textOf);

    int row() const noexcept { return liveRow; }
    /** The row's value for a normalised value: the nearest step of its range. */
    int toValue (float normalised) const noexcept;
    /** A value as 0 to 1 within the row's range, held to 0 to 1. */
    float toNormalised (int value) const noexcept;

    /** Tells the host the row's value when it is not the one the host last heard of; any thread. */
    void tellHostIfChanged();

    float getValue() const override;
    void setValue (float newValue) override;
    float getDefaultValue() const override { return defaultValue; }
    juce::String getText (float normalised, int maximumLength) const override;
    float getValueForText (const juce::String& text) const override;
    int getNumSteps() const override;
    bool isAutomatable() const override { return true; }

private:
    const int liveRow;
    const LiveTable& table;
    HostParameterInbox& inbox;
    TextOf textOf;
    float defaultValue = 0.0f;
    std::atomic<int> told; // the value the host last heard of or set

    JUCE_DECLARE_NON_COPYABLE (LiveParameter)
};

} // namespace zr9
