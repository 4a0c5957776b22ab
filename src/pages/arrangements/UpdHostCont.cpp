#include "UpdHostCont.h"

#include "NameCharacters.h"

#include "library/ArrangementHost.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr float corner = 10.0f;
    constexpr float outlineWidth = 2.0f;

    constexpr int margin = 20;
    constexpr int lineHeight = 28;
    constexpr int slotWidth = 60;
    constexpr int fieldHeight = 32;
} // namespace

UpdHostCont::UpdHostCont (ArrangementHost& h, int slot, const juce::String& name) : host (h)
{
    host.setUpdateHostMode (true);

    slotButton.setTooltip ("Choose the slot");
    // The slot menu looks like the arrangement menu it was opened from.
    menuLook.setColour (juce::PopupMenu::backgroundColourId, skin::colours::black);
    menuLook.setColour (juce::PopupMenu::textColourId, skin::colours::white);
    menuLook.setColour (juce::PopupMenu::highlightedTextColourId, skin::colours::white);
    menuLook.setColour (juce::PopupMenu::highlightedBackgroundColourId, skin::colours::menuHighlight);
    slotButton.setColour (juce::TextButton::buttonColourId, skin::colours::buttonFace);
    slotButton.setColour (juce::TextButton::textColourOffId, skin::colours::libraryText);
    slotButton.onClick = [this] { showSlotMenu(); };
    addAndMakeVisible (slotButton);

    field.setFont (skin::font (textPoints));
    field.setInputRestrictions (nameLength, printableAscii());
    field.setColour (juce::TextEditor::backgroundColourId, skin::colours::entryFace);
    field.setColour (juce::TextEditor::textColourId, skin::colours::white);
    field.setColour (juce::TextEditor::outlineColourId, skin::colours::outline);
    field.setColour (juce::TextEditor::focusedOutlineColourId, skin::colours::accent);
    field.addListener (this);
    addAndMakeVisible (field);

    addAndMakeVisible (okButton);
    addAndMakeVisible (cancelButton);
    juce::Desktop::getInstance().addFocusChangeListener (this);
    juce::Desktop::getInstance().addGlobalMouseListener (&clickWatch);
    setSize (panelWidth, panelHeight);
    showSlot (slot, name);
}

UpdHostCont::~UpdHostCont()
{
    *alive = false;
    juce::Desktop::getInstance().removeFocusChangeListener (this);
    juce::Desktop::getInstance().removeGlobalMouseListener (&clickWatch);
    juce::PopupMenu::dismissAllActiveMenus(); // the slot menu draws with this panel's look
    field.removeListener (this);
    // Going without an answer still ends the mode: the host's programs must apply again.
    if (open)
        host.setUpdateHostMode (false);
}

void UpdHostCont::showSlot (int slot, const juce::String& name)
{
    target = slot;
    slotButton.setButtonText (juce::String (slot + 1) + ": ");
    field.setText (name.trimEnd(), false);
    focusName();
}

void UpdHostCont::focusName()
{
    if (! isShowing())
        return;
    field.grabKeyboardFocus();
    field.selectAll();
    nameClaimsKeys = true;
    clickWatch.clicked = false;
}

void UpdHostCont::globalFocusChanged (juce::Component* focused)
{
    // The menu that opened the panel is still closing as the field takes the keys; when its
    // window goes, the main window hands them back to the component that had them before (the
    // player), sooner or later. Until the user clicks somewhere, they come back here.
    if (clickWatch.clicked)
        nameClaimsKeys = false;
    if (! nameClaimsKeys || focused == nullptr || focused == this || isParentOf (focused))
        return;
    if (isShowing())
    {
        field.grabKeyboardFocus();
        field.selectAll();
    }
}

void UpdHostCont::chooseSlot (int slot)
{
    // The same path as a host's choice: the processor notes it, and the editor shows it here.
    if (open)
        host.chooseHostSlot (slot);
}

void UpdHostCont::showSlotMenu()
{
    juce::PopupMenu menu;
    menu.setLookAndFeel (&menuLook);
    for (int s = 0; s < host.hostSlotCount(); ++s)
        menu.addItem (s + 1, juce::String (s + 1) + ": " + host.hostSlotName (s).trimEnd(), true, s == target);
    std::weak_ptr<bool> stillHere = alive;
    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&slotButton), [this, stillHere] (int chosen)
    {
        if (! stillHere.expired() && chosen > 0)
            chooseSlot (chosen - 1);
    });
}

void UpdHostCont::ok()
{
    if (! open)
        return;
    host.storeCurrentArrangement (target, field.getText());
    close();
}

void UpdHostCont::cancel()
{
    if (open)
        close();
}

void UpdHostCont::close()
{
    open = false;
    host.setUpdateHostMode (false);
    setVisible (false);
    // Last: the owner may delete the panel now.
    if (onClosed != nullptr)
        onClosed();
}

void UpdHostCont::libButtonClicked (int id)
{
    if (id == idOk)
        ok();
    else if (id == idCancel)
        cancel();
}

void UpdHostCont::resized()
{
    auto area = getLocalBounds().reduced (margin);
    area.removeFromTop (lineHeight); // the heading
    auto line = area.removeFromTop (fieldHeight + 8).withSizeKeepingCentre (area.getWidth(), fieldHeight);
    slotButton.setBounds (line.removeFromLeft (slotWidth));
    line.removeFromLeft (8);
    field.setBounds (line);
    area.removeFromTop (lineHeight + 8); // the instruction
    const auto buttons = area.removeFromBottom (LibBut::height);
    const int x = buttons.getCentreX() - LibBut::width - 10;
    okButton.setBounds (x, buttons.getY(), LibBut::width, LibBut::height);
    cancelButton.setBounds (x + LibBut::width + 20, buttons.getY(), LibBut::width, LibBut::height);
}

void UpdHostCont::paint (juce::Graphics& g)
{
    const auto box = getLocalBounds().toFloat().reduced (outlineWidth / 2.0f);
    g.setColour (skin::colours::hostPanelFace);
    g.fillRoundedRectangle (box, corner);
    g.setGradientFill (juce::ColourGradient (skin::colours::hostShadeTop, 0.0f, 0.0f,
                                             skin::colours::hostShadeBottom, 0.0f, (float) getHeight(), false));
    g.fillRoundedRectangle (box, corner);
    g.setColour (skin::colours::outline);
    g.drawRoundedRectangle (box, corner, outlineWidth);

    auto area = getLocalBounds().reduced (margin);
    g.setColour (skin::colours::libraryText);
    g.setFont (skin::font (textPoints));
    g.drawText (heading, area.removeFromTop (lineHeight), juce::Justification::centredLeft);
    area.removeFromTop (fieldHeight + 8);
    g.drawText (instruction, area.removeFromTop (lineHeight + 8), juce::Justification::centredLeft);
}

} // namespace zr9
