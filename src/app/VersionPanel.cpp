#include "VersionPanel.h"

#include "ui/AppInfo.h"
#include "ui/SkinFonts.h"
#include "ui/SkinImages.h"
#include "ui/SkinPalette.h"
#include "WindowScale.h"

namespace zr9
{

namespace
{
    constexpr int boxWidth = 420, boxHeight = 220, boxHeightWithScale = 262;
    constexpr int scaleRowTop = 176, scaleRowHeight = 24, scaleLabelWidth = 110, scaleBoxWidth = 190;
    /** The combo box's item ids: the choice plus one, since 0 is no item. */
    int itemId (int choice) { return choice + 1; }
} // namespace

VersionPanel::VersionPanel (Clock& clock, int displayMilliseconds) : timer (clock.makeTimer ([this] { hidePanel(); }))
{
    setWantsKeyboardFocus (true);
    scaleLabel.setText ("Window scale", juce::dontSendNotification);
    scaleLabel.setJustificationType (juce::Justification::centredRight);
    scaleLabel.setColour (juce::Label::textColourId, skin::colours::text);
    addChildComponent (scaleLabel);
    addChildComponent (scaleBox);
    scaleBox.setTooltip ("The size of everything in the window; it is kept for the next start");
    scaleBox.onChange = [this] {
        if (scaleChosen != nullptr && scaleBox.getSelectedId() > 0)
            scaleChosen (scaleBox.getSelectedId() - 1);
    };
    showFor (displayMilliseconds);
}

void VersionPanel::offerScaleChoice (int current, double desktopScale, std::function<void (int)> chosen)
{
    scaleChosen = nullptr;
    scaleBox.clear (juce::dontSendNotification);
    scaleBox.addItem ("Desktop (" + juce::String (juce::roundToInt (desktopScale * 100.0)) + " %)", itemId (windowscale::followDesktop));
    for (const int percent : windowscale::percentChoices)
        scaleBox.addItem (juce::String (percent) + " %", itemId (percent));
    scaleBox.setSelectedId (itemId (current), juce::dontSendNotification);
    scaleChosen = std::move (chosen);
    scaleLabel.setVisible (true);
    scaleBox.setVisible (true);
    resized();
    repaint();
}

juce::Rectangle<int> VersionPanel::boxArea() const
{
    return getLocalBounds().withSizeKeepingCentre (boxWidth, scaleBox.isVisible() ? boxHeightWithScale : boxHeight);
}

void VersionPanel::resized()
{
    auto row = boxArea().withTrimmedTop (scaleRowTop).withHeight (scaleRowHeight);
    row = row.withSizeKeepingCentre (scaleLabelWidth + 8 + scaleBoxWidth, scaleRowHeight);
    scaleLabel.setBounds (row.removeFromLeft (scaleLabelWidth));
    row.removeFromLeft (8);
    scaleBox.setBounds (row);
}

bool VersionPanel::keyPressed (const juce::KeyPress& key)
{
    // Return, Space and Escape close the panel as a click does.
    if (key.isKeyCode (juce::KeyPress::returnKey) || key.isKeyCode (juce::KeyPress::spaceKey) || key.isKeyCode (juce::KeyPress::escapeKey))
    {
        hidePanel();
        return true;
    }
    return false;
}

void VersionPanel::showFor (int displayMilliseconds)
{
    setVisible (true);
    if (displayMilliseconds > 0)
        timer->start (displayMilliseconds);
    else
        timer->stop();
}

void VersionPanel::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::versionVeil);
    const auto box = boxArea();
    g.setColour (skin::colours::sectionFace);
    g.fillRoundedRectangle (box.toFloat(), 10.0f);
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (box.toFloat().reduced (1.5f), 10.0f, 3.0f);

    // The logo's picture is twice its size on screen: drawn into its area, it stays sharp at any scale.
    const auto logoArea = juce::Rectangle<int> (logoWidth, logoHeight).withCentre ({ box.getCentreX(), box.getY() + 40 + logoHeight / 2 });
    g.drawImage (skin::logo(), logoArea.toFloat());

    g.setColour (skin::colours::text);
    g.setFont (skin::font (16.0f));
    g.drawText ("Editor and Librarian", box.withTrimmedTop (90).withHeight (24), juce::Justification::centred);
    g.setFont (skin::font (14.0f));
    g.drawText (juce::String ("Version ") + appinfo::version, box.withTrimmedTop (120).withHeight (20), juce::Justification::centred);
    g.setColour (skin::colours::text.darker (0.4f));
    g.setFont (skin::font (12.0f));
    g.drawText ("Click to close", box.withTrimmedTop (box.getHeight() - 40).withHeight (20), juce::Justification::centred);
}

void VersionPanel::mouseUp (const juce::MouseEvent&) { hidePanel(); }

void VersionPanel::hidePanel()
{
    timer->stop();
    setVisible (false);
    if (onHidden)
        onHidden();
}

} // namespace zr9
