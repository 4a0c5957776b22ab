#include "MidiSetupPanel.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int boxX = 234, boxWidth = 550, boxHeight = 40;
    constexpr int inputBoxY = 220, outputBoxY = 310;
    constexpr int inputCaptionY = 214, outputCaptionY = 304;
    constexpr int lampX = 744, lampOffsetY = 10, lampWidth = 32, lampHeight = 16;

    // The click zones: the boxes, and a second input zone below the output box.
    constexpr int zoneLeft = 235, zoneRight = 783;
    constexpr int inputZoneTop = 221, inputZoneBottom = 259;
    constexpr int outputZoneTop = 311, outputZoneBottom = 349;
    constexpr int lowerZoneTop = 401, lowerZoneBottom = 439;

    // The host MIDI switch sits under the output box, clear of the lower input zone.
    constexpr int switchY = 364, switchWidth = 300, switchHeight = 26;

    // A remembered port that the system no longer lists is named by its number, so
    // the user sees why nothing answers instead of a silent "NONE".
    juce::String nameAt (const juce::StringArray& names, int position)
    {
        if (position <= 0)
            return "NONE";
        if (position < names.size())
            return names[position];
        return "Port " + juce::String (position) + " (not present)";
    }
} // namespace

MIDI_Setup::MIDI_Setup()
{
    status.setText ("------", juce::dontSendNotification);
    status.setJustificationType (juce::Justification::centred);
    status.setFont (skin::font (17.0f, true));
    status.setColour (juce::Label::textColourId, skin::colours::text);
    status.setBounds (214, 130, 600, 40);
    addAndMakeVisible (status);

    ok.setBounds (684, 480, 100, 36);
    poll.setBounds (534, 480, 100, 36);
    receive.setBounds (234, 480, 140, 36);
    transmit.setBounds (394, 480, 140, 36);
    monitor.setBounds (554, 480, 120, 36); // over the hidden "POLL"
    addAndMakeVisible (ok);
    addChildComponent (poll); // kept for the instrument's poll command; never shown
    addAndMakeVisible (receive);
    addAndMakeVisible (transmit);
    addAndMakeVisible (monitor);

    // Only a plug-in shows it (showHostMidiSwitch).
    hostMidi.setLookAndFeel (&switchLook.get());
    hostMidi.setBounds (boxX, switchY, switchWidth, switchHeight);
    hostMidi.setTooltip ("Off when the track also reaches the instrument directly, so no note is played twice");
    hostMidi.onClick = [this] { post (codeHostMidiPassed, hostMidi.getToggleState() ? 1 : 0); };
    addChildComponent (hostMidi);

    // The three buttons other than "OK" share one id, so each reports by its own callback.
    ok.onClick = [this] { post (codeOk, 0); };
    poll.onClick = [this] { post (codePoll, 0); };
    receive.onClick = [this] { post (codeReceive, 0); };
    transmit.onClick = [this] { post (codeTransmit, 0); };
    monitor.onClick = [this] { post (codeMonitor, 0); };
}

MIDI_Setup::~MIDI_Setup()
{
    hostMidi.setLookAndFeel (nullptr);
}

void MIDI_Setup::showHostMidiSwitch (bool passed)
{
    hostMidi.setToggleState (passed, juce::dontSendNotification);
    hostMidi.setVisible (true);
}

void MIDI_Setup::setPortNames (const juce::StringArray& inputs, const juce::StringArray& outputs)
{
    inputNames = juce::StringArray ("NONE");
    inputNames.addArray (inputs);
    outputNames = juce::StringArray ("NONE");
    outputNames.addArray (outputs);
    repaint();
}

void MIDI_Setup::showInput (int portNumber, bool open)
{
    inputChoice = portNumber;
    inputOpen = open;
    repaint();
}

void MIDI_Setup::showOutput (int portNumber, bool open)
{
    outputChoice = portNumber;
    outputOpen = open;
    repaint();
}

void MIDI_Setup::refresh (int inputPort, bool inputIsOpen, int outputPort, bool outputIsOpen, int thirdSetting, bool opt)
{
    third = thirdSetting;
    optionFlag = opt;
    showInput (inputPort, inputIsOpen);
    showOutput (outputPort, outputIsOpen);
}

void MIDI_Setup::setStatusText (const juce::String& text)
{
    status.setText (text, juce::dontSendNotification);
}

void MIDI_Setup::addListener (MIDI_SetupListener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.addIfNotAlreadyThere (l);
}

void MIDI_Setup::removeListener (MIDI_SetupListener* l)
{
    const juce::ScopedLock sl (listenerLock);
    listeners.removeAllInstancesOf (l);
}

void MIDI_Setup::post (int code, int value)
{
    // A listener may close (delete) this panel from its callback; copy the list first.
    juce::Array<MIDI_SetupListener*> copy;
    {
        const juce::ScopedLock sl (listenerLock);
        copy = listeners;
    }
    for (auto* l : copy)
        l->midiSetupCommand (code, value);
}

MIDI_Setup::Zone MIDI_Setup::zoneAt (juce::Point<int> p) noexcept
{
    if (p.x < zoneLeft || p.x > zoneRight)
        return Zone::none;
    if (p.y >= inputZoneTop && p.y <= inputZoneBottom)
        return Zone::input;
    if (p.y >= lowerZoneTop && p.y <= lowerZoneBottom)
        return Zone::inputLower;
    if (p.y >= outputZoneTop && p.y <= outputZoneBottom)
        return Zone::output;
    return Zone::none;
}

void MIDI_Setup::menuChosen (Zone zone, int menuId)
{
    if (menuId < 1)
        return; // dismissed
    switch (zone)
    {
        case Zone::input: post (codeInputPicked, menuId - 1); break;
        case Zone::inputLower: post (codeInputPickedLower, menuId - 1); break;
        case Zone::output: post (codeOutputPicked, menuId - 1); break;
        case Zone::none: break;
    }
}

void MIDI_Setup::mouseDown (const juce::MouseEvent& e)
{
    const auto zone = zoneAt (e.getPosition());
    if (zone == Zone::none)
        return;
    const auto& names = zone == Zone::output ? outputNames : inputNames;
    if (names.size() < 2)
        return; // only "NONE": nothing to choose

    const int ticked = zone == Zone::output ? outputChoice : inputChoice;
    juce::PopupMenu menu;
    for (int i = 0; i < names.size(); ++i)
        menu.addItem (i + 1, names[i], true, i == ticked);

    juce::WeakReference<MIDI_Setup> self (this);
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (this).withTargetScreenArea (
                            localAreaToGlobal (juce::Rectangle<int> (e.x, e.y, 1, 1))),
                        [self, zone] (int id) {
                            if (auto* panel = self.get())
                                panel->menuChosen (zone, id);
                        });
}

void MIDI_Setup::paintPort (juce::Graphics& g, const juce::String& caption, int captionY, int boxY,
                            const juce::String& name, bool lamp)
{
    g.setColour (skin::colours::text);
    g.setFont (skin::font (15.0f, true));
    g.drawSingleLineText (caption, boxX, captionY);

    const juce::Rectangle<int> box (boxX, boxY, boxWidth, boxHeight);
    g.setColour (skin::colours::black);
    g.fillRect (box);
    g.setColour (skin::colours::text.withAlpha (0.5f));
    g.drawRect (box);
    g.setColour (skin::colours::text);
    g.setFont (skin::font (16.0f));
    g.drawFittedText (name, box.reduced (12, 0).withTrimmedRight (lampWidth + 40), juce::Justification::centredLeft, 1);

    const juce::Rectangle<float> lampArea ((float) lampX, (float) (boxY + lampOffsetY), (float) lampWidth, (float) lampHeight);
    g.setColour (lamp ? skin::colours::portLampOn : skin::colours::sectionFrame);
    g.fillRoundedRectangle (lampArea, 4.0f);
    g.setColour (skin::colours::black);
    g.drawRoundedRectangle (lampArea, 4.0f, 1.0f);
}

void MIDI_Setup::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
    paintPort (g, "MIDI In Port", inputCaptionY, inputBoxY, nameAt (inputNames, inputChoice), inputOpen);
    paintPort (g, "MIDI Out Port", outputCaptionY, outputBoxY, nameAt (outputNames, outputChoice), outputOpen);
}

} // namespace zr9
