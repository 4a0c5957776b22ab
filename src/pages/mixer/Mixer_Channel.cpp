#include "Mixer_Channel.h"

#include "controller/MidiCntrState.h"
#include "ui/ControlPictures.h"
#include "ui/LiveRowBinding.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    // Thin grooves between the strip's sections: insert, aux 1, aux 2, pan, level.
    constexpr std::array<int, 4> grooveYs { 40, 150, 258, 352 };
} // namespace

Mixer_Channel::Mixer_Channel (int index, MidiCntrState& controllerState, const ObjectNameSource& names)
    : channelIndex (index), vu (controllerState.clock()), programSlot (index, true), panel (skin::stripPanel())
{
    const auto& table = controllerState.live().table();
    for (int slot = 0; slot < mixer::controlCount; ++slot)
    {
        const auto& place = mixer::controls[(size_t) slot];
        const int row = LiveTable::channelRow (index, slot);
        GskCont::Setup setup;
        setup.style = place.style;
        setup.minimum = place.minimum;
        setup.maximum = place.maximum;
        setup.displayType = table.info (row).displayCode;
        setup.caption = place.caption;

        auto& control = controls[(size_t) slot];
        control = std::make_unique<GskCont> (setup, liveRowBinding (controllerState, row), &names);
        control->setAccessibleName (juce::String (table.name (row)));
        control->setBounds (place.x, place.y, place.width, place.height);
        control->onUserChange = [this, slot] (int value)
        {
            if (onControlMoved != nullptr)
                onControlMoved (slot, value);
        };
        control->onGestureEnd = [this, slot]
        {
            if (onControlReleased != nullptr)
                onControlReleased (slot);
        };
        // A control kept off the strip is kept up to date but hidden, so neither Tab nor a screen reader stops at it.
        if (place.onStrip)
            addAndMakeVisible (*control);
        else
            addChildComponent (*control);
    }

    vu.setBounds (mixer::meterX, mixer::meterY, mixer::meterWidth, mixer::meterHeight);
    addAndMakeVisible (vu);
    programSlot.setBounds (0, mixer::nameSlotY, mixer::stripWidth, mixer::nameSlotHeight);
    addAndMakeVisible (programSlot);
    setSize (mixer::stripWidth, mixer::stripHeight);
}

void Mixer_Channel::showSlot (int slot, int value)
{
    if (slot >= 0 && slot < mixer::controlCount)
        controls[(size_t) slot]->showValue (value);
}

void Mixer_Channel::refreshControls()
{
    for (int slot = 0; slot < mixer::controlCount; ++slot)
        if (slot != LiveTable::slotProgram)
            controls[(size_t) slot]->refresh();
}

void Mixer_Channel::paint (juce::Graphics& g)
{
    g.drawImage (panel, getLocalBounds().toFloat(), juce::RectanglePlacement::stretchToFit);
    for (const int y : grooveYs)
    {
        g.setColour (skin::colours::grooveDark);
        g.fillRect (4, y, getWidth() - 8, 1);
        g.setColour (skin::colours::edge);
        g.fillRect (4, y + 1, getWidth() - 8, 1);
    }
    g.setColour (skin::colours::well);
    g.fillRect (vu.getBounds().expanded (1));
}

} // namespace zr9
