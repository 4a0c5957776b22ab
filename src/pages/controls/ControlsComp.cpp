#include "ControlsComp.h"

#include "controller/MidiCntrState.h"
#include "model/DisplayTypes.h"
#include "model/ParameterNames.h"
#include "ui/LiveRowBinding.h"
#include "ui/PanelLookAndFeel.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int titleWidth = 130;
    constexpr int chooserWidth = 120;
    constexpr int wheelWidth = 300;
    constexpr int headerGap = 16;
    constexpr int cellInset = 2;
    constexpr int knobHeight = 70;
} // namespace

ControlsComp::ControlsComp (MidiCntrState& p) : controllerState (p), chooser (p)
{
    setLookAndFeel (&look.get());
    pitchWheels.fill (WheelDisplay::pitchCentre);

    title.setText ("CONTROLLERS", juce::dontSendNotification);
    title.setFont (skin::font (15.0f, true));
    title.setColour (juce::Label::textColourId, skin::colours::text);
    addAndMakeVisible (title);
    chooser.onChosen = [this] (int)
    {
        refreshAll();
        if (onChannelChosen != nullptr)
            onChannelChosen();
    };
    addAndMakeVisible (chooser);
    addAndMakeVisible (pitch);
    addAndMakeVisible (modulation);

    for (int n = 0; n < controllerCount; ++n)
    {
        GskCont::Setup setup;
        setup.style = GskStyle::knob;
        setup.minimum = 0;
        setup.maximum = 127;
        setup.displayType = display::plainNumber;
        setup.caption = juce::String (controllerDestinationName (n));
        // Bound through the shown channel, so a new channel needs no new controls.
        auto& c = controls[(size_t) n];
        c = std::make_unique<GskCont> (setup, liveRowBinding (controllerState, [this, n] { return rowOf (n); }));
        c->setAccessibleName ("Controller " + juce::String (n) + " " + setup.caption);
        c->onUserChange = [this, n] (int v)
        {
            if (n == midicc::modulationWheel)
                modulation.showValue (v);
        };
        addAndMakeVisible (*c);
    }
    refreshAll();
}

ControlsComp::~ControlsComp()
{
    setLookAndFeel (nullptr);
}

void ControlsComp::refreshAll()
{
    shownChannel = juce::jlimit (0, channelCount - 1, controllerState.midiChannel() - 1);
    chooser.showChannel();
    for (auto& c : controls)
        c->refresh();
    pitch.showValue (pitchWheels[(size_t) shownChannel]);
    modulation.showValue (controllerState.getLiveValue (rowOf (midicc::modulationWheel)));
}

void ControlsComp::refreshRow (int row, int value)
{
    const int first = rowOf (0);
    if (row < first || row >= first + controllerCount)
        return;
    const int n = row - first;
    controls[(size_t) n]->showValue (value);
    if (n == midicc::modulationWheel)
        modulation.showValue (value);
}

void ControlsComp::showPitchWheel (int c, int value)
{
    if (! isChannel (c))
        return;
    pitchWheels[(size_t) c] = juce::jlimit (0, WheelDisplay::maxPitch, value);
    if (c == shownChannel)
        pitch.showValue (value);
}

void ControlsComp::showModulation (int c, int value)
{
    if (c == shownChannel)
        modulation.showValue (value);
}

void ControlsComp::visibilityChanged()
{
    if (isVisible())
        refreshAll();
}

void ControlsComp::resized()
{
    auto head = getLocalBounds().removeFromTop (headerHeight).reduced (8, 8);
    title.setBounds (head.removeFromLeft (titleWidth));
    chooser.setBounds (head.removeFromLeft (chooserWidth));
    modulation.setBounds (head.removeFromRight (wheelWidth));
    head.removeFromRight (headerGap);
    pitch.setBounds (head.removeFromRight (wheelWidth));

    const auto grid = getLocalBounds().withTrimmedTop (headerHeight);
    const float cellWidth = (float) grid.getWidth() / columns;
    const float cellHeight = (float) grid.getHeight() / rows;
    for (int n = 0; n < controllerCount; ++n)
    {
        const int col = n % columns, row = n / columns;
        const auto cell = juce::Rectangle<float> (grid.getX() + col * cellWidth, grid.getY() + row * cellHeight, cellWidth, cellHeight)
                              .toNearestInt()
                              .reduced (cellInset);
        controls[(size_t) n]->setBounds (cell.withSizeKeepingCentre (cell.getWidth(), juce::jmin (cell.getHeight(), knobHeight)));
    }
}

void ControlsComp::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::panelFace);
    g.setColour (skin::colours::edge);
    g.fillRect (0, headerHeight - 1, getWidth(), 1);
    // Faint lines between the rows of sixteen, so a controller's number can be counted off.
    g.setColour (skin::colours::raisedFace);
    const auto grid = getLocalBounds().withTrimmedTop (headerHeight);
    for (int r = 1; r < rows; ++r)
        g.fillRect (0, grid.getY() + juce::roundToInt ((float) grid.getHeight() * r / rows), getWidth(), 1);
}

} // namespace zr9
