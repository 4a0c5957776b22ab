#include "RecTrn.h"

#include "model/TransferTypes.h"
#include "model/TransmitRules.h"
#include "ui/SkinImages.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int columnX = 234, firstButtonY = 100, buttonStep = 50;
    constexpr int objectButtonWidth = 140, objectButtonHeight = 30;
    constexpr int closeWidth = 100, closeGap = 20;
    constexpr int progressX = 414, progressY = 100;
    constexpr int headingY = 40, headingHeight = 30, headingWidth = 580;
    constexpr int summaryHeight = 90;
    constexpr int refusalsGap = 30, refusalsHeight = 170;

    const char* objectButtonText (int id);
} // namespace

const char* RecTrn::transmitRefusalFor (int id) noexcept
{
    return id == transfer::allTypes ? transfer::transmitAllRefusal() : transfer::transmitRefusal (id);
}

namespace
{
    const char* objectButtonText (int id)
    {
        switch (id)
        {
            case transfer::allTypes: return "All Objects";
            case typeProgram:        return "Programs";
            case typeSetup:          return "Multi";
            case typeFxChain:        return "FX Chains";
            case typeKeyMap:         return "Key Maps";
            default:                 return "";
        }
    }
} // namespace

RecTrn::RecTrn (MidiCntrState& c, int direction) : controller (c), directionCode (direction)
{
    closeTimer = controller.clock().makeTimer ([this] { closeProgressPanel(); });

    heading.setText (direction == transfer::directionTransmit ? "TRANSMIT DATA" : "RECEIVE DATA", juce::dontSendNotification);
    heading.setFont (skin::font (20.0f, true));
    heading.setColour (juce::Label::textColourId, skin::colours::text);
    heading.setBounds (columnX, headingY, headingWidth, headingHeight);
    addAndMakeVisible (heading);

    summary.setFont (skin::font (15.0f));
    summary.setColour (juce::Label::textColourId, skin::colours::text);
    summary.setJustificationType (juce::Justification::topLeft);
    summary.setBounds (progressX, progressY, ProgBar::panelWidth, summaryHeight);
    addAndMakeVisible (summary);

    for (size_t i = 0; i < objectIds.size(); ++i)
    {
        const int id = objectIds[i];
        auto& b = objectButtons[i];
        b = std::make_unique<SkinButton> (objectButtonText (id), id);
        b->setBounds (columnX, firstButtonY + (int) i * buttonStep, objectButtonWidth, objectButtonHeight);
        b->onClick = [this, id] { objectButtonPressed (id); };
        addAndMakeVisible (*b);
    }

    if (isTransmit())
    {
        // Greyed, never started: each with its reason below the column.
        juce::StringArray reasons;
        for (size_t i = 0; i < objectIds.size(); ++i)
            if (const auto* why = transmitRefusalFor (objectIds[i]))
            {
                objectButtons[i]->setEnabled (false);
                objectButtons[i]->setTooltip (why);
                reasons.add (juce::String (objectButtonText (objectIds[i])) + ": " + why);
            }
        refusals.setText (reasons.joinIntoString ("\n"), juce::dontSendNotification);
        refusals.setFont (skin::font (14.0f));
        refusals.setColour (juce::Label::textColourId, skin::colours::text.withAlpha (0.7f));
        refusals.setJustificationType (juce::Justification::topLeft);
        refusals.setBounds (columnX, objectButtons.back()->getBottom() + refusalsGap, headingWidth + 200, refusalsHeight);
        addAndMakeVisible (refusals);
    }

    // "CLOSE" stands to the right of the column, level with its last button.
    close.setBounds (columnX + objectButtonWidth + closeGap, objectButtons.back()->getY(), closeWidth, objectButtonHeight);
    close.onClick = [this] {
        if (onClose)
            onClose();
    };
    addAndMakeVisible (close);
}

RecTrn::~RecTrn()
{
    closeTimer->stop();
    if (progress != nullptr)
    {
        // A run cannot go on without a panel to show it; closing the window ends it.
        progress->onCancel = nullptr;
        if (runStarted && isTransmit() && controller.bulkTransmit().isActive())
            controller.bulkTransmit().cancel();
        if (runStarted && ! isTransmit() && controller.bulkReceive().isActive())
            controller.bulkReceive().cancel();
        progress.reset();
        controller.bulkReceive().setFifoMode (false);
    }
}

bool RecTrn::isTransmit() const noexcept
{
    return directionCode == transfer::directionTransmit;
}

bool RecTrn::canUse (int id) const noexcept
{
    return ! isTransmit() || transmitRefusalFor (id) == nullptr;
}

SkinButton* RecTrn::objectButton (int id) noexcept
{
    for (size_t i = 0; i < objectIds.size(); ++i)
        if (objectIds[i] == id)
            return objectButtons[i].get();
    return nullptr;
}

void RecTrn::objectButtonPressed (int id)
{
    if (objectButton (id) == nullptr || ! canUse (id) || closeTimer->isRunning() || (progress != nullptr && progress->isRunning()))
        return;

    if (progress == nullptr)
    {
        progress = std::make_unique<ProgBar> (controller.bulkReceive(), directionCode, ProgBar::Form::full, &controller.bulkTransmit());
        progress->setTopLeftPosition (progressX, progressY);
        progress->onCancel = [this] { progressCancelled(); };
        progress->onStarted = [this] {
            runStarted = true;
            runDescription = (progress->isAllTypes() ? juce::String ("All Objects") : juce::String (transfer::typeName (progress->type())))
                            + ", ID# " + progress->fromField().getText() + " to " + progress->toField().getText();
            setObjectButtonsEnabled (false);
        };
        addAndMakeVisible (*progress);
    }
    // A receive takes every protocol message while it lasts; a transmit only reads objects back.
    if (! isTransmit())
        controller.bulkReceive().setFifoMode (true);
    close.setVisible (false);
    summary.setVisible (false);
    runStarted = false;
    progress->prepare (id);
}

void RecTrn::progressCancelled()
{
    // Replies still on their way land in the mailbox, not in the model, until the wait is over.
    setObjectButtonsEnabled (false);
    if (runStarted && isTransmit())
        summary.setText (runDescription + "\n" + ProgBar::summaryText (controller.bulkTransmit().summary())
                             + "\nNothing in the library was changed.",
                         juce::dontSendNotification);
    else if (runStarted)
        summary.setText (runDescription + "\n" + ProgBar::summaryText (controller.bulkReceive().summary())
                             + "\nWhat arrived is in the library and in its bank files.",
                         juce::dontSendNotification);
    closeTimer->start (closeDelayMs);
}

void RecTrn::closeProgressPanel()
{
    closeTimer->stop();
    controller.bulkReceive().setFifoMode (false);
    if (progress != nullptr)
    {
        removeChildComponent (progress.get());
        progress.reset();
    }
    runStarted = false;
    close.setVisible (true);
    summary.setVisible (true);
    setObjectButtonsEnabled (true);
}

void RecTrn::setObjectButtonsEnabled (bool enabled)
{
    for (size_t i = 0; i < objectIds.size(); ++i)
        objectButtons[i]->setEnabled (enabled && canUse (objectIds[i]));
}

void RecTrn::paint (juce::Graphics& g)
{
    g.fillAll (skin::colours::window);
}

} // namespace zr9
