#include "VersionPanel.h"

#include "ui/AppInfo.h"
#include "ui/SkinFonts.h"
#include "ui/SkinImages.h"
#include "ui/SkinPalette.h"

namespace zr9
{

VersionPanel::VersionPanel (Clock& clock, int displayMilliseconds) : timer (clock.makeTimer ([this] { hidePanel(); }))
{
    showFor (displayMilliseconds);
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
    const auto box = getLocalBounds().withSizeKeepingCentre (420, 220);
    g.setColour (skin::colours::sectionFace);
    g.fillRoundedRectangle (box.toFloat(), 10.0f);
    g.setColour (skin::colours::accent);
    g.drawRoundedRectangle (box.toFloat().reduced (1.5f), 10.0f, 3.0f);

    const auto logo = skin::logo();
    g.drawImageAt (logo, box.getCentreX() - logo.getWidth() / 2, box.getY() + 40);

    g.setColour (skin::colours::text);
    g.setFont (skin::font (16.0f));
    g.drawText ("Editor and Librarian", box.withTrimmedTop (90).withHeight (24), juce::Justification::centred);
    g.setFont (skin::font (14.0f));
    g.drawText (juce::String ("Version ") + appinfo::version, box.withTrimmedTop (120).withHeight (20), juce::Justification::centred);
    g.setColour (skin::colours::text.darker (0.4f));
    g.setFont (skin::font (12.0f));
    g.drawText ("Click to close", box.withTrimmedTop (180).withHeight (20), juce::Justification::centred);
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
