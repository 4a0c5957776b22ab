#pragma once

#include "controller/BulkReceive.h"
#include "controller/BulkTransmit.h"
#include "ui/SkinButton.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

/**
    The progress panel of a transfer: the range fields, START and CANCEL, and
    while objects are received, which number is being fetched (with its name
    once the instrument has told it) and a bar that shows how far the run has
    come. START asks the controller's bulk receive for a run over the typed
    numbers; the numbers the run really covers (clamped for the type) are
    written back and the fields locked. When the run is over the panel shows
    what happened and presses CANCEL by itself, which tells its owner.

    In a transmit panel START asks the controller's bulk transmit for a run
    over the typed numbers, with "Verify" as the toggle below the fields
    sets it, and the panel shows which object is being sent or read back.
    A type that cannot be sent is refused before anything leaves, and the
    panel says why. The reduced form, for a single fetch, shows only the
    status and the bar.

    Message thread.
*/
class ProgBar : public juce::Component,
                private BulkReceive::Listener,
                private BulkTransmit::Listener
{
public:
    enum class Form { full, reduced };

    static constexpr int panelWidth = 420, panelHeight = 230;
    static constexpr int reducedWidth = 300, reducedHeight = 50;
    static constexpr int barHeight = 24;

    /** A transmit panel needs the bulk transmit; without it a transmit panel's START says sending is not available. */
    ProgBar (BulkReceive& run, int direction, Form form = Form::full, BulkTransmit* transmit = nullptr);
    ~ProgBar() override;

    /** Prepares the panel for a type, or for every type (transfer::allTypes): default range, title, empty status. */
    void prepare (int typeOrAll);

    /** START began a run. */
    std::function<void()> onStarted;
    /** CANCEL was pressed, by the user or by the end of the run. */
    std::function<void()> onCancel;

    void startPressed();
    void cancelPressed();

    /** The summary of a finished fetch, as the panels show it. */
    static juce::String summaryText (const BulkReceive::Summary& summary);
    /** The summary of a finished transmit: "Finished: 24 sent, 0 failed." and, with verify, what the check found. */
    static juce::String summaryText (const BulkTransmit::Summary& summary);

    int direction() const noexcept { return directionCode; }
    int type() const noexcept { return typeId; }
    bool isAllTypes() const noexcept { return allTypes; }
    /** START was pressed and the run is not over yet. */
    bool isRunning() const noexcept { return running; }
    juce::String title() const { return titleLabel.getText(); }
    juce::String statusText() const { return status.getText(); }
    juce::TextEditor& fromField() noexcept { return from; }
    juce::TextEditor& toField() noexcept { return to; }
    /** "Verify" of a transmit panel: read each object back and compare it. */
    juce::ToggleButton& verifyToggle() noexcept { return verify; }
    SkinButton& startButton() noexcept { return start; }
    SkinButton& cancelButton() noexcept { return cancel; }
    /** The filled part of the bar, and the width that stands for the whole run. */
    int barWidth() const noexcept { return filled; }
    int fullBarWidth() const noexcept { return fullWidth; }

    void paint (juce::Graphics& g) override;

private:
    void receiveProgressed() override;
    void receiveTypeChanged() override;
    void receiveStopped() override;
    void transmitProgressed() override;
    void transmitStopped() override;
    bool isTransmit() const noexcept;
    void lockFields();

    void layOut();
    void showTitle (int type);
    void showRange (int first, int last);
    void setBarWidth (int width);
    juce::Rectangle<int> barArea() const;

    BulkReceive& run;
    BulkTransmit* transmit;
    const int directionCode;
    const Form form;

    juce::Label titleLabel, fromLabel { {}, "From ID#" }, toLabel { {}, "To ID#" }, status;
    juce::TextEditor from, to;
    juce::ToggleButton verify { "Verify (read back)" };
    SkinButton start { "START", 0 }, cancel { "CANCEL", 0 };

    int typeId = 0;
    bool allTypes = false;
    bool running = false;
    bool cancelled = false;
    bool starting = false;          // inside the transmit's start: its end is handled once start is over
    bool stoppedWhileStarting = false;
    int fullWidth = 0;
    int filled = 0;
};

} // namespace zr9
