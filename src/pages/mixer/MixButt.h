#pragma once

#include "ui/NameSlot.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <algorithm>
#include <array>
#include <memory>

namespace zr9
{

/**
    The channel mixer's header: a label "Chn. 1" to "Chn. 16" above each
    strip and under it a name slot with the channel's program number and
    name. 973 x 62, as wide as the 16 strips below it. Message thread.
*/
class MixButt : public juce::Component
{
public:
    static constexpr int labelY = 2, labelHeight = 14;
    static constexpr int slotY = 18, slotHeight = 44;

    MixButt();

    NameSlot& nameSlot (int channel) { return *slots[(size_t) std::clamp (channel, 0, 15)]; }
    static juce::String channelLabel (int channel) { return "Chn. " + juce::String (channel + 1); }

    void paint (juce::Graphics& g) override;

private:
    std::array<std::unique_ptr<NameSlot>, 16> slots;
};

} // namespace zr9
