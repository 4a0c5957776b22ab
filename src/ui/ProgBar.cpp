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

ProgBar::ProgBar (BulkReceive& r, int directionCodeIn, Form f, BulkTransmit* t)
    : run (r), transmit (t), directionCode (directionCodeIn), form (f)
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

    verify.setColour (juce::ToggleButton::textColourId, skin::colours::text);
    verify.setColour (juce::ToggleButton::tickColourId, skin::colours::accent);
    addChildComponent (verify);

    if (form == Form::full)
    {
        setSize (panelWidth, panelHeight);
        for (auto* c : std::initializer_list<juce::Component*> { &titleLabel, &fromLabel, &toLabel, &from, &to, &start, &cancel })
            c->setVisible (true);
        verify.setVisible (isTransmit());
    }
    else
    {
        setSize (reducedWidth, reducedHeight);
    }
    layOut();
    // The whole run's width is fixed now, whatever happens to the panel later.
    fullWidth = barArea().getWidth();
    run.addListener (this);
    if (transmit != nullptr)
        transmit->addListener (this);
}

ProgBar::~ProgBar()
{
    run.removeListener (this);
    if (transmit != nullptr)
        transmit->removeListener (this);
}

bool ProgBar::isTransmit() const noexcept
{
    return directionCode == transfer::directionTransmit && transmit != nullptr;
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
    verify.setBounds (margin + buttonWidth * 2 + buttonGap * 2, buttonsY, inner - buttonWidth * 2 - buttonGap * 2, buttonHeight);
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
        if (transmit == nullptr)
            return;
        // A type that cannot be sent, an instrument off line, another transfer: said before anything leaves.
        running = true;
        starting = true;
        stoppedWhileStarting = false;
        const auto refusal = transmit->start (typeId, from.getText().getIntValue(), to.getText().getIntValue(), verify.getToggleState());
        starting = false;
        if (! refusal.empty())
        {
            running = false;
            status.setText (juce::String (refusal), juce::dontSendNotification);
            return;
        }
        showRange (transmit->first(), transmit->last());
        lockFields();
        if (onStarted)
            onStarted();
        if (stoppedWhileStarting)
            transmitStopped(); // nothing to send in the range: over at once
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
    lockFields();
    if (onStarted)
        onStarted();
}

void ProgBar::lockFields()
{
    from.setReadOnly (true);
    to.setReadOnly (true);
    verify.setEnabled (false);
    start.setVisible (false);
    cancel.setBounds (start.getBounds());
}

void ProgBar::cancelPressed()
{
    if (cancelled)
        return;
    cancelled = true;
    if (running && isTransmit() && transmit->isActive())
        transmit->cancel(); // tells transmitStopped, which shows the summary
    else if (running && ! isTransmit() && run.isActive())
        run.cancel(); // tells receiveStopped, which shows the summary
    running = false;
    if (onCancel)
        onCancel();
}

// ----------------------------------------------------------------- the run

void ProgBar::receiveProgressed()
{
    if ((! running && form == Form::full) || isTransmit())
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
    if (! running || isTransmit())
        return;
    const auto& state = run.state();
    typeId = state.type();
    showTitle (typeId);
    showRange (state.first(), state.last());
    setBarWidth (0);
}

void ProgBar::receiveStopped()
{
    if ((! running && form == Form::full) || isTransmit())
        return;
    status.setText (summaryText (run.summary()), juce::dontSendNotification);
    if (run.summary().reason == FIFO_Class::StopReason::finished)
        setBarWidth (fullWidth);
    // A finished run ends the panel as CANCEL does; a single fetch's owner decides itself.
    if (form == Form::full)
        cancelPressed();
}

void ProgBar::transmitProgressed()
{
    if (! running || ! isTransmit())
        return;
    const auto text = juce::String (transmit->isVerifying() ? "Verifying ID#: " : "Sending ID#: ") + juce::String (transmit->currentNumber())
                    + " " + juce::String (transmit->currentName());
    status.setText (text, juce::dontSendNotification);
    const int count = transmit->objectCount();
    setBarWidth (count > 0 ? juce::roundToInt (fullWidth * (double) transmit->objectsDone() / count) : 0);
}

void ProgBar::transmitStopped()
{
    if (! running || ! isTransmit())
        return;
    if (starting)
    {
        stoppedWhileStarting = true;
        return;
    }
    status.setText (summaryText (transmit->summary()), juce::dontSendNotification);
    if (transmit->summary().reason == BulkTransmit::StopReason::finished)
        setBarWidth (fullWidth);
    cancelPressed();
}

juce::String ProgBar::summaryText (const BulkTransmit::Summary& s)
{
    juce::String head;
    switch (s.reason)
    {
        case BulkTransmit::StopReason::finished:  head = "Finished: "; break;
        case BulkTransmit::StopReason::cancelled: head = "Cancelled: "; break;
        case BulkTransmit::StopReason::noAnswer:
            head = "Stopped: the instrument did not answer for " + juce::String (BulkTransmit::silentObjectsToGiveUp)
                 + " objects in a row. ";
            break;
        case BulkTransmit::StopReason::offLine:   head = "Stopped, the instrument went off line: "; break;
        case BulkTransmit::StopReason::none:      break;
    }
    juce::String text = head + juce::String (s.sent) + " sent, ";
    if (s.verify)
    {
        text << s.verified << " verified, " << s.differed << " differed";
        if (! s.differedNumbers.empty())
        {
            juce::StringArray numbers;
            for (const int n : s.differedNumbers)
                numbers.add (juce::String (n));
            text << " (" << numbers.joinIntoString (", ") << ")";
        }
        text << ", ";
    }
    return text + juce::String (s.failed) + " failed.";
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
    auto text = head + juce::String (s.received) + " received, " + juce::String (s.refused) + " refused, "
              + juce::String (s.failed) + " failed.";
    if (! s.skippedTypes.empty())
    {
        juce::StringArray names;
        for (const int type : s.skippedTypes)
            names.add (transfer::typeName (type));
        text << " Left out, as the instrument did not answer: " << names.joinIntoString (", ") << ".";
    }
    return text;
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
