#include "MidiScanPanel.h"

#include "ui/SkinImages.h"

namespace zr9
{

namespace
{
    constexpr float cornerSize = 10.0f;
    constexpr float outlineWidth = 3.0f;
    constexpr int warningLineHeight = 20;
    constexpr int warningMargin = 50;

    juce::Font arial (float height, bool bold = false)
    {
        return juce::Font ("Arial", height, bold ? juce::Font::bold : juce::Font::plain);
    }
} // namespace

MIDI_scan::MIDI_scan (MidiCntrState& controller) : portScan (controller)
{
    setBounds (panelX, panelY, panelWidth, panelHeight);
}

MIDI_scan::~MIDI_scan()
{
    stopTimer();
}

void MIDI_scan::startScan()
{
    setBounds (panelX, panelY, panelWidth, panelHeight);
    notFound = false;
    portScan.start();
    running = true;
    startTimer (tickMs);
    repaint();
}

void MIDI_scan::timerCallback()
{
    switch (portScan.step())
    {
        case PortScan::State::connected:
            stopTimer();
            finish();
            break;

        case PortScan::State::notFound:
            stopTimer();
            running = false;
            notFound = true;
            setBounds (panelX, panelY, panelWidth, panelHeight);
            repaint();
            break;

        case PortScan::State::running:
            repaint();
            break;

        case PortScan::State::idle:
            break;
    }
}

void MIDI_scan::finish()
{
    running = false;
    if (warnings.isEmpty())
    {
        sendChangeMessage();
        return;
    }
    setSize (getWidth(), warningLineHeight * warnings.size() + warningMargin);
    repaint();
}

void MIDI_scan::mouseDown (const juce::MouseEvent&)
{
    stopTimer();
    running = false;
    sendChangeMessage();
}

void MIDI_scan::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (outlineWidth / 2.0f);
    g.setColour (skin::colours::buttonFace);
    g.fillRoundedRectangle (area, cornerSize);
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (area, cornerSize, outlineWidth);

    g.setColour (skin::colours::text);
    if (notFound)
        paintNotFound (g);
    else if (! warnings.isEmpty() && ! running)
        paintWarnings (g);
    else
        paintSearching (g);
}

void MIDI_scan::paintNotFound (juce::Graphics& g)
{
    g.setFont (arial (17.0f, true));
    g.drawSingleLineText ("NOT CONNECTED!", 10, 30);
    g.setFont (arial (15.0f));
    g.drawSingleLineText ("- Check USB/MIDI cables.", 30, 55);
    g.drawSingleLineText ("- Check Corvane global setting: Destination should be set to USB.", 30, 75);
}

void MIDI_scan::paintWarnings (juce::Graphics& g)
{
    g.setFont (arial (17.0f, true));
    g.drawSingleLineText ("WARNING!", 10, 30);
    g.setFont (arial (14.0f));
    g.drawSingleLineText ("ZR9 global settings should be set MANUALLY as follows:", 100, 30);
    for (int i = 0; i < warnings.size(); ++i)
        g.drawSingleLineText (warnings[i], 120, warningMargin + warningLineHeight * i);
}

void MIDI_scan::paintSearching (juce::Graphics& g)
{
    // While the scan runs the user sees which pair is being asked, so a long
    // scan over many ports is visibly making progress.
    g.setFont (arial (17.0f, true));
    g.drawSingleLineText ("LOOKING FOR THE ZR9...", 10, 30);
    g.setFont (arial (15.0f));
    const int in = juce::jmin (portScan.inputPosition() + 1, portScan.inputCount());
    g.drawSingleLineText ("Trying MIDI In " + juce::String (in) + " of " + juce::String (portScan.inputCount())
                              + ", MIDI Out " + juce::String (portScan.outputPosition()) + " of "
                              + juce::String (portScan.outputCount()) + ".",
                          30, 55);
    g.drawSingleLineText ("Click to stop.", 30, 75);
}

} // namespace zr9
