#pragma once

#include "library/LiveParameter.h"
#include "library/RevuDIAudioProcessor.h"

#include <string>
#include <vector>

namespace zr9::test
{

/**
    What a plug-in host hears of some live rows' parameters, in order: "(41"
    when a gesture on row 41 starts, "41=-20" for a value it is told, "41)"
    when the gesture ends. Listens from its making to its end.
*/
struct HostEar final : juce::AudioProcessorParameter::Listener
{
    HostEar (RevuDIAudioProcessor& p, std::vector<int> rowsHeard) : processor (p), rows (std::move (rowsHeard))
    {
        for (const int row : rows)
            processor.liveParameter (row)->addListener (this);
    }
    ~HostEar() override
    {
        for (const int row : rows)
            processor.liveParameter (row)->removeListener (this);
    }

    void parameterValueChanged (int index, float value) override
    {
        heard.push_back (std::to_string (index) + "=" + std::to_string (processor.liveParameter (index)->toValue (value)));
    }
    void parameterGestureChanged (int index, bool starting) override
    {
        heard.push_back (starting ? "(" + std::to_string (index) : std::to_string (index) + ")");
    }

    /** Everything heard, space-separated. */
    std::string text() const
    {
        std::string s;
        for (const auto& h : heard)
            s += (s.empty() ? "" : " ") + h;
        return s;
    }

    RevuDIAudioProcessor& processor;
    std::vector<int> rows;
    std::vector<std::string> heard;
};

} // namespace zr9::test
