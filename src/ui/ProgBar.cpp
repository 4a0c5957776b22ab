#include "ProgBar.h"

#include "model/TransferTypes.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int margin = 16;
    constexpr int titleY = 12, titleHeight = 28;
    constexpr int fieldsY = 56, fieldHeight = 26;
    constexpr int buttonsY = 100, buttonWidth = 90, buttonHeight = 30, buttonGap = 16;
    constexpr int statusY = 144, statusHeight = 24;
    constexpr int barY = 182;
    constexpr int reducedStatusY = 3, reducedStatusHeight = 18, reducedBarY = 23, reducedMargin = 6;
    constexpr float corner = 8.0f;

    void styleLabel (juce::Label& label, float height, bool bold)
    {
        label.setFont (skin::font (height, bold));
        label.setColour (juce::Label::textColourId, skin::colours::text);
        label.setJustificationType (juce::Justification::centredLeft);
    }

    void styleField (juce::TextEditor& field)
    {
        field.setFont (skin::font (15.0f));
        field.setInputRestrictions (6, "-0123456789");
        field.setJustification (juce::Justification::centredLeft);
        field.setIndents (6, 0);
        field.setColour (juce::TextEditor::backgroundColourId, skin::colours::black);
        field.setColour (juce::TextEditor::textColourId, skin::colours::text);
        field.setColour (juce::TextEditor::outlineColourId, skin::colours::edge);
        field.setColour (juce::TextEditor::focusedOutlineColourId, skin::colours::accent);
    }

    juce::String trimmedName (const std::string& name)
    {
        return juce::String (name).trimEnd();
    }
} // namespace

ProgBar::ProgBar (BulkReceive& r, int directionCodeIn, Form f) : run (r), directionCode (directionCodeIn), form (f)
{
    styleLabel (titleLabel, 19.0f, true);
    styleLabel (fromLabel, 14.0f, false);
    styleLabel (toLabel, 14.0f, false);
    styleLabel (status, 14.0f, false);
    styleField (from);
    styleField (to);
    for (auto* c : std::initializer_list<juce::Component*> { &titleLabel, &fromLabel, &toLabel, &from, &to, &start, &cancel })
        addChildComponent (c);
    addAndMakeVisible (status);

    start.onClick = [this] { startPressed(); };
    cancel.onClick = [this] { cancelPressed(); };

    if (form == Form::full)
    {
        setSize (panelWidth, panelHeight);
        for (auto* c : std::initializer_list<juce::Component*> { &titleLabel, &fromLabel, &toLabel, &from, &to, &start, &cancel })
            c->setVisible (true);
    }
    else
    {
        setSize (reducedWidth, reducedHeight);
    }
    layOut();
    // The whole run's width is fixed now, whatever happens to the panel later.
    fullWidth = barArea().getWidth();
    run.addListener (this);
}

ProgBar::~ProgBar()
{
    run.removeListener (this);
}

void ProgBar::layOut()
{
    if (form == Form::reduced)
    {
        status.setBounds (reducedMargin, reducedStatusY, getWidth() - 2 * reducedMargin, reducedStatusHeight);
        return;
    }
    const int inner = getWidth() - 2 * margin;
    titleLabel.setBounds (margin, titleY, inner, titleHeight);
    fromLabel.setBounds (margin, fieldsY, 80, fieldHeight);
    from.setBounds (margin + 80, fieldsY, 90, fieldHeight);
    toLabel.setBounds (margin + 190, fieldsY, 70, fieldHeight);
    to.setBounds (margin + 260, fieldsY, 90, fieldHeight);
    start.setBounds (margin, buttonsY, buttonWidth, buttonHeight);
    cancel.setBounds (margin + buttonWidth + buttonGap, buttonsY, buttonWidth, buttonHeight);
    status.setBounds (margin, statusY, inner, statusHeight);
}

juce::Rectangle<int> ProgBar::barArea() const
{
    if (form == Form::reduced)
        return { reducedMargin, reducedBarY, getWidth() - 2 * reducedMargin, barHeight };
    return { margin, barY, getWidth() - 2 * margin, barHeight };
}

// ------------------------------------------------------------------- preparing

void ProgBar::prepare (int typeOrAll)
{
    allTypes = typeOrAll == transfer::allTypes;
    typeId = allTypes ? (int) transfer::allTypesOrder.front() : typeOrAll;
    const auto range = transfer::defaultRange (typeId);
    showTitle (typeId);
    showRange (range.first, range.last);
    status.setText ({}, juce::dontSendNotification);
    setBarWidth (0);
}

void ProgBar::showTitle (int type)
{
    const juce::String verb = directionCode == transfer::directionTransmit ? "Transmit " : "Receive ";
    titleLabel.setText (verb + transfer::typeName (type), juce::dontSendNotification);
}

void ProgBar::showRange (int first, int last)
{
    from.setText (juce::String (first), false);
    to.setText (juce::String (last), false);
}

void ProgBar::setBarWidth (int width)
{
    if (filled != width)
    {
        filled = width;
        repaint (barArea());
    }
}

// ------------------------------------------------------------------- buttons

void ProgBar::startPressed()
{
    if (running || cancelled)
        return;
    if (directionCode != transfer::directionReceive)
    {
        // No transmit sequence exists; say so rather than doing nothing.
        status.setText (transmitUnavailable, juce::dontSendNotification);
        return;
    }

    running = true;
    if (! run.startRange (typeId, allTypes, from.getText().getIntValue(), to.getText().getIntValue()))
    {
        running = false;
        status.setText ("Another transfer is under way.", juce::dontSendNotification);
        return;
    }

    const auto& state = run.state();
    showRange (state.first(), state.last());
    from.setReadOnly (true);
    to.setReadOnly (true);
    start.setVisible (false);
    cancel.setBounds (start.getBounds());
    if (onStarted)
        onStarted();
}

void ProgBar::cancelPressed()
{
    if (cancelled)
        return;
    cancelled = true;
    if (running && run.isActive())
        run.cancel(); // tells receiveStopped, which shows the summary
    running = false;
    if (onCancel)
        onCancel();
}

// ----------------------------------------------------------------- the run

void ProgBar::receiveProgressed()
{
    if (! running && form == Form::full)
        return;
    const auto& state = run.state();
    const int number = state.currentNumber();
    if (! state.objectName().empty())
    {
        status.setText ("Receiving ID#: " + juce::String (number) + " " + trimmedName (state.objectName()),
                        juce::dontSendNotification);
        const double fraction = transfer::progressFraction (state.first(), state.last(), number);
        setBarWidth (juce::roundToInt (fullWidth * fraction));
    }
    else
    {
        status.setText ("Checking...  ID#: " + juce::String (number), juce::dontSendNotification);
    }
}

void ProgBar::receiveTypeChanged()
{
    if (! running)
        return;
    const auto& state = run.state();
    typeId = state.type();
    showTitle (typeId);
    showRange (state.first(), state.last());
    setBarWidth (0);
}

void ProgBar::receiveStopped()
{
    if (! running && form == Form::full)
        return;
    status.setText (summaryText (run.summary()), juce::dontSendNotification);
    if (run.summary().reason == FIFO_Class::StopReason::finished)
        setBarWidth (fullWidth);
    // A finished run ends the panel as CANCEL does; a single fetch's owner decides itself.
    if (form == Form::full)
        cancelPressed();
}

juce::String ProgBar::summaryText (const BulkReceive::Summary& s)
{
    juce::String head;
    switch (s.reason)
    {
        case FIFO_Class::StopReason::finished:  head = "Finished: "; break;
        case FIFO_Class::StopReason::cancelled: head = "Cancelled: "; break;
        case FIFO_Class::StopReason::noAnswer:  head = "Stopped, the instrument does not answer: "; break;
        case FIFO_Class::StopReason::none:      break;
    }
    return head + juce::String (s.received) + " received, " + juce::String (s.refused) + " refused, "
         + juce::String (s.failed) + " failed.";
}

// ------------------------------------------------------------------- drawing

void ProgBar::paint (juce::Graphics& g)
{
    const auto area = getLocalBounds().toFloat().reduced (1.0f);
    g.setColour (skin::colours::buttonFace);
    g.fillRoundedRectangle (area, corner);
    g.setColour (skin::colours::edge);
    g.drawRoundedRectangle (area, corner, 1.5f);

    // The track shows the whole run; the filled part how far it has come.
    const auto track = barArea();
    g.setColour (skin::colours::black);
    g.fillRect (track.withWidth (fullWidth));
    g.setColour (skin::colours::accent);
    g.fillRect (track.withWidth (juce::jlimit (0, fullWidth, filled)));
    g.setColour (skin::colours::edge);
    g.drawRect (track.withWidth (fullWidth));
}

} // namespace zr9
