#include "ChMixerComp.h"

#include "controller/MidiCntrState.h"
#include "model/ByteView.h"
#include "model/ObjectTypes.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int programDigits = 4;
} // namespace

ChMixerComp::ChMixerComp (MidiCntrState& p) : controllerState (p), names (p.model())
{
    addAndMakeVisible (head);
    for (int i = 0; i < mixer::stripCount; ++i)
    {
        auto& s = strips[(size_t) i];
        s = std::make_unique<Mixer_Channel> (i, controllerState, names);
        s->onControlMoved = [this, i] (int slot, int) { controlMoved (i, slot); };
        s->onControlReleased = [this, i] (int slot) { controlReleased (i, slot); };
        addAndMakeVisible (*s);
    }
    refreshAllPrograms();
    setSize (mixer::pageWidth, mixer::pageHeight);
}

ChMixerComp::~ChMixerComp() = default;

// ---------------------------------------------------------------------- from the user

void ChMixerComp::controlMoved (int strip, int slot)
{
    // The control has set its live row; a chain choice also tells the main component,
    // once: a drag through the chains is told where it ends.
    if (! mixer::isChainSlot (slot))
        return;
    const auto choice = mixerevent::chainChoice (strip, slot);
    if (strips[(size_t) strip]->control (slot).isInGesture())
        choiceInDrag = choice;
    else
        queueEvent (choice);
}

void ChMixerComp::controlReleased (int strip, int slot)
{
    if (choiceInDrag == 0 || choiceInDrag != mixerevent::chainChoice (strip, slot))
        return;
    choiceInDrag = 0;
    queueEvent (mixerevent::chainChoice (strip, slot));
}

void ChMixerComp::queueEvent (std::uint64_t event)
{
    events.push_back (event);
    sendChangeMessage();
}

std::vector<std::uint64_t> ChMixerComp::takeEvents()
{
    std::vector<std::uint64_t> taken;
    std::swap (taken, events);
    return taken;
}

// ------------------------------------------------------------------ from elsewhere

void ChMixerComp::showVelocity (int channel, int velocity)
{
    if (channel >= 0 && channel < mixer::stripCount)
        strips[(size_t) channel]->meter().showVelocity (velocity);
}

void ChMixerComp::refreshRow (int row, int value)
{
    if (row < 0 || row >= LiveTable::firstControllerRow)
        return;
    const int channel = row / LiveTable::channelBlockSize;
    const int slot = row % LiveTable::channelBlockSize;
    auto& s = *strips[(size_t) channel];
    if (slot == LiveTable::slotProgram)
    {
        showProgram (channel, value);
        s.refreshControls();
        return;
    }
    s.showSlot (slot, value);
}

void ChMixerComp::showProgram (int channel, int program)
{
    auto& s = *strips[(size_t) channel];
    auto& numberControl = s.control (LiveTable::slotProgram);
    numberControl.showValue (program);
    const int shownProgram = numberControl.value();
    const auto number = juce::String (shownProgram).paddedLeft ('0', programDigits);

    // The name is the channel's edited program's; a number the bank has no record for has none.
    auto& model = controllerState.model();
    std::string name;
    if (model.programBank().snapshot()->exists (shownProgram))
    {
        if (controllerState.currentProgram (channel) == shownProgram)
            name = nameFromBytes (ByteView (model.programEdit (channel).record()), 0);
        else
            name = names.objectName (typeProgram, shownProgram);
    }

    for (auto* slot : { &s.nameSlot(), &head.nameSlot (channel) })
    {
        slot->setNumberText (number);
        slot->setName (juce::String (name));
    }
}

void ChMixerComp::refreshAllPrograms()
{
    for (int c = 0; c < mixer::stripCount; ++c)
        showProgram (c, controllerState.getLiveValue (LiveTable::channelRow (c, LiveTable::slotProgram)));
}

void ChMixerComp::refreshAll()
{
    refreshAllPrograms();
    for (auto& s : strips)
        s->refreshControls();
}

// ------------------------------------------------------------------------ drawing

void ChMixerComp::resized()
{
    offset = mixer::horizontalOffset (getWidth());
    head.setBounds (offset, 0, mixer::headerWidth, mixer::headerHeight);
    for (int i = 0; i < mixer::stripCount; ++i)
        strips[(size_t) i]->setBounds (mixer::stripX (i, offset), mixer::headerHeight, mixer::stripWidth, mixer::stripHeight);
}

void ChMixerComp::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::mixerFace);
}

} // namespace zr9
