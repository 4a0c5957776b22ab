#include "LiveParameter.h"

#include "LiveParameterIds.h"

namespace zr9
{

namespace
{
    constexpr int idVersion = 1;
}

LiveParameter::LiveParameter (int row, const LiveTable& t, HostParameterInbox& i, TextOf text)
    : juce::AudioProcessorParameterWithID (juce::ParameterID (liveParameterId (row), idVersion), juce::String (t.name (row))),
      liveRow (row), table (t), inbox (i), textOf (std::move (text)), told (t.get (row))
{
    defaultValue = toNormalised (t.get (row));
}

int LiveParameter::toValue (float normalised) const noexcept
{
    const auto& info = table.info (liveRow);
    const double n = juce::jlimit (0.0, 1.0, (double) normalised);
    return info.minimum + (int) std::lround (n * ((double) info.maximum - (double) info.minimum));
}

float LiveParameter::toNormalised (int value) const noexcept
{
    const auto& info = table.info (liveRow);
    const double span = (double) info.maximum - (double) info.minimum;
    if (span <= 0.0)
        return 0.0f;
    return (float) juce::jlimit (0.0, 1.0, ((double) value - (double) info.minimum) / span);
}

void LiveParameter::tellHostIfChanged()
{
    int waiting = 0;
    if (inbox.waiting (liveRow, waiting))
        return; // the host's own value is on its way to the row
    const int value = table.get (liveRow);
    if (told.exchange (value) != value)
        sendValueChangedMessageToListeners (toNormalised (value));
}

float LiveParameter::getValue() const
{
    int waiting = 0;
    if (inbox.waiting (liveRow, waiting))
        return toNormalised (waiting);
    return toNormalised (table.get (liveRow));
}

void LiveParameter::setValue (float newValue)
{
    const int value = toValue (newValue);
    told = value;
    inbox.post (liveRow, value);
}

juce::String LiveParameter::getText (float normalised, int maximumLength) const
{
    const auto text = textOf != nullptr ? textOf (liveRow, toValue (normalised)) : juce::String (toValue (normalised));
    return maximumLength > 0 ? text.substring (0, maximumLength) : text;
}

float LiveParameter::getValueForText (const juce::String& text) const
{
    return toNormalised (text.trim().getIntValue());
}

int LiveParameter::getNumSteps() const
{
    const auto& info = table.info (liveRow);
    return juce::jmax (2, info.maximum - info.minimum + 1);
}

} // namespace zr9
