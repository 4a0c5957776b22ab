#include "MidiScanPanel.h"

#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float cornerSize = 10.0f;
    constexpr float outlineWidth = 3.0f;
} // namespace

MIDI_scan::MIDI_scan (PortScan& s) : scan (s)
{
    setBounds (panelX, panelY, panelWidth, panelHeight);
    scan.addListener (this);
}

MIDI_scan::~MIDI_scan()
{
    scan.removeListener (this);
}

void MIDI_scan::scanChanged()
{
    repaint();
}

void MIDI_scan::mouseDown (const juce::MouseEvent&)
{
    if (onClicked)
        onClicked();
}

void MIDI_scan::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (outlineWidth / 2.0f);
    g.setColour (skin::colours::buttonFace);
    g.fillRoundedRectangle (area, cornerSize);
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (area, cornerSize, outlineWidth);

    g.setColour (skin::colours::text);
    if (isNotFound())
        paintNotFound (g);
    else
        paintSearching (g);
}

void MIDI_scan::paintNotFound (juce::Graphics& g)
{
    g.setFont (skin::font (17.0f, true));
    g.drawSingleLineText ("NOT CONNECTED!", 10, 30);
    g.setFont (skin::font (15.0f));
    g.drawSingleLineText ("- Check USB/MIDI cables.", 30, 55);
    g.drawSingleLineText ("- Check Corvane global setting: Destination should be set to USB.", 30, 75);
}

void MIDI_scan::paintSearching (juce::Graphics& g)
{
    // While the scan runs the user sees which pair is being asked, so a long
    // scan over many ports is visibly making progress.
    g.setFont (skin::font (17.0f, true));
    g.drawSingleLineText ("LOOKING FOR THE ZR9...", 10, 30);
    g.setFont (skin::font (15.0f));
    const int in = juce::jmin (scan.inputPosition() + 1, scan.inputCount());
    g.drawSingleLineText ("Trying MIDI In " + juce::String (in) + " of " + juce::String (scan.inputCount())
                              + ", MIDI Out " + juce::String (scan.outputPosition()) + " of "
                              + juce::String (scan.outputCount()) + ".",
                          30, 55);
    g.drawSingleLineText ("Click to stop.", 30, 75);
}

} // namespace zr9
