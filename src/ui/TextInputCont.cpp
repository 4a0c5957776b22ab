#include "TextInputCont.h"

#include "SkinFonts.h"
#include "SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int boxMargin = 30;
    constexpr int messageHeight = 100;
    constexpr int answerFieldHeight = 36;
    constexpr int answerButtonGap = 20;
} // namespace

TextInputCont::TextInputCont (textmsgListener& l) : listener (l)
{
    setWantsKeyboardFocus (true);
    setInterceptsMouseClicks (true, true);

    messageLabel.setFont (skin::font (messagePoints));
    messageLabel.setColour (juce::Label::textColourId, skin::colours::libraryText);
    messageLabel.setJustificationType (juce::Justification::centred);
    messageLabel.setMinimumHorizontalScale (0.6f);
    addAndMakeVisible (messageLabel);

    field.setFont (skin::font (20.0f));
    field.setColour (juce::TextEditor::backgroundColourId, skin::colours::entryFace);
    field.setColour (juce::TextEditor::textColourId, skin::colours::white);
    field.setColour (juce::TextEditor::outlineColourId, skin::colours::outline);
    field.setColour (juce::TextEditor::focusedOutlineColourId, skin::colours::accent);
    field.setSelectAllWhenFocused (true);
    field.addListener (this);
    addChildComponent (field);

    for (auto& b : buttons)
    {
        b.setListener (this);
        addChildComponent (b);
    }
}

TextInputCont::~TextInputCont()
{
    field.removeListener (this);
}

LibBut& TextInputCont::button (int answerId) noexcept
{
    for (auto& b : buttons)
        if (b.id() == answerId)
            return b;
    return buttons[0];
}

void TextInputCont::show (const juce::String& message, std::optional<juce::String> text, const juce::String& first,
                          const juce::String& second, const juce::String& third, int requestId)
{
    request = requestId;
    messageLabel.setText (message, juce::dontSendNotification);
    field.setVisible (text.has_value());
    field.setText (text.value_or (juce::String()), false);

    const std::pair<int, juce::String> labels[] { { answerOk, first }, { answerCancel, second }, { answerNo, third } };
    for (const auto& [id, label] : labels)
    {
        auto& b = button (id);
        b.setButtonText (label);
        b.setVisible (label.isNotEmpty());
    }

    setVisible (true);
    toFront (false);
    resized();
    if (! isShowing())
        return;
    if (field.isVisible())
    {
        field.grabKeyboardFocus();
        field.selectAll();
    }
    else
    {
        grabKeyboardFocus();
    }
}

void TextInputCont::answer (int buttonId)
{
    if (! isVisible() || ! button (buttonId).isVisible() || button (buttonId).id() != buttonId)
        return;
    setVisible (false);
    listener.textAnswer (request, buttonId);
}

bool TextInputCont::keyPressed (const juce::KeyPress& key)
{
    if (key == juce::KeyPress::returnKey)
        answer (answerOk);
    else if (key == juce::KeyPress::escapeKey)
        answer (answerCancel);
    // Nothing typed while a question is up goes on to the pages or the player.
    return true;
}

juce::Rectangle<int> TextInputCont::box() const
{
    return getLocalBounds().withSizeKeepingCentre (juce::jmin (boxWidth, getWidth()), juce::jmin (boxHeight, getHeight()));
}

void TextInputCont::resized()
{
    auto area = box().reduced (boxMargin);
    if (field.isVisible())
    {
        messageLabel.setBounds (area.removeFromTop (messageHeight));
        field.setBounds (area.withHeight (answerFieldHeight).translated (0, boxMargin));
    }
    else
    {
        // A yes/no question stands in the middle of the space above the buttons.
        messageLabel.setBounds (area.withTrimmedBottom (LibBut::height + boxMargin));
    }

    // The shown buttons stand side by side, centred at the bottom of the box.
    juce::Array<LibBut*> shown;
    for (auto& b : buttons)
        if (b.isVisible())
            shown.add (&b);
    const int row = shown.size() * LibBut::width + juce::jmax (0, shown.size() - 1) * answerButtonGap;
    int x = area.getCentreX() - row / 2;
    const int y = area.getBottom() - LibBut::height;
    for (auto* b : shown)
    {
        b->setBounds (x, y, LibBut::width, LibBut::height);
        x += LibBut::width + answerButtonGap;
    }
}

void TextInputCont::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::veil);
    const auto b = box().toFloat().reduced (1.0f);
    g.setColour (skin::colours::questionFace);
    g.fillRoundedRectangle (b, 10.0f);
    g.setColour (skin::colours::outline);
    g.drawRoundedRectangle (b, 10.0f, 2.0f);
}

} // namespace zr9
