#include "FxcSelClass.h"

#include "SelectorSources.h"

#include "controller/MidiCntrState.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    ObjectSelector::Description chainDescription()
    {
        ObjectSelector::Description d;
        d.title = "FX CHAINS";
        d.singular = "FX chain";
        d.plural = "FX chains";
        d.extraColumns = { { "Effects", 260 } };
        d.categories = selectorsource::fxCategories();
        d.emptyText = "The FX chain bank holds no chains";
        return d;
    }

    juce::String slotName (int slot)
    {
        return slot == selectortype::aux1Chain ? "Aux 1" : slot == selectortype::aux2Chain ? "Aux 2" : "Insert";
    }
} // namespace

FxcSelClass::FxcSelClass (MidiCntrState& p)
    : ObjectSelector (p, p.model().fxChains(), chainDescription())
{
    target.setFont (skin::font (14.0f, true));
    target.setColour (juce::Label::textColourId, skin::colours::number);
    target.setJustificationType (juce::Justification::centredLeft);
    setHeader (&target);
    setTarget (chainSlot, chainChannel);
}

void FxcSelClass::setTarget (int slot, int channel)
{
    const bool chain = slot == selectortype::aux1Chain || slot == selectortype::aux2Chain;
    chainSlot = chain ? slot : selectortype::insertChain;
    chainChannel = juce::jlimit (0, channelCount - 1, channel);
    target.setText ("Ch. " + juce::String (chainChannel + 1) + "  " + slotName (chainSlot), juce::dontSendNotification);
    showCurrent();
}

int FxcSelClass::currentNumber() const
{
    return controllerState.getLiveValue (chainRow());
}

void FxcSelClass::apply (int number)
{
    controllerState.chooseLiveValue (number, chainRow());
}

std::vector<SelectorEntry> FxcSelClass::buildEntries()
{
    return selectorsource::fxChains (controllerState.model().fxChains());
}

} // namespace zr9
