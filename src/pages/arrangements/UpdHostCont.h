#pragma once

#include "ui/LibBut.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <functional>

namespace zr9
{

class ArrangementHost;

/**
    The update-host panel: stores the arrangement that plays now into one of
    the host's 64 program slots under a name.

    While it is open the processor is in update-host mode, so a program the
    host chooses only becomes the target here (showSlot, from the editor's
    notes); clicking the slot number offers the 64 slots the same way, for a
    program without a host. OK stores the current arrangement under the
    typed name ("Untitled" when the field is empty) into the target slot;
    OK and CANCEL end the mode and call onClosed, after which the owner may
    delete the panel. Slots are shown from 1, as hosts list them.
    Message thread.
*/
class UpdHostCont : public juce::Component,
                    private LibButListener,
                    private juce::TextEditor::Listener,
                    private juce::FocusChangeListener
{
public:
    static constexpr int idOk = 1201;
    static constexpr int idCancel = 1202;
    static constexpr int panelWidth = 470;
    static constexpr int panelHeight = 206;
    static constexpr int nameLength = 24;
    static constexpr float textPoints = 18.0f;
    static constexpr const char* heading = "Current Host FX Program:";
    static constexpr const char* instruction = "Select the Host FX Program slot to be updated!";

    /** Opens on slot (from 0) with its name, and puts the processor into update-host mode. */
    UpdHostCont (ArrangementHost& host, int slot, const juce::String& name);
    ~UpdHostCont() override;

    /** The host chose another slot: it becomes the target, and the field shows its name. */
    void showSlot (int slot, const juce::String& name);
    /** Chooses a slot as a host would; the choice comes back through showSlot. */
    void chooseSlot (int slot);
    /** Gives the name field the keys, so what is typed names the slot and plays no notes. */
    void focusName();

    int targetSlot() const noexcept { return target; }
    juce::String slotLabel() const { return slotButton.getButtonText(); }
    juce::TextEditor& nameField() noexcept { return field; }

    void ok();
    void cancel();
    std::function<void()> onClosed;

    void paint (juce::Graphics& g) override;
    void resized() override;

private:
    void libButtonClicked (int id) override;
    void textEditorReturnKeyPressed (juce::TextEditor&) override { ok(); }
    void textEditorEscapeKeyPressed (juce::TextEditor&) override { cancel(); }
    void globalFocusChanged (juce::Component* focused) override;
    void showSlotMenu();
    void close();

    ArrangementHost& host;
    int target = 0;
    bool open = true;

    /** Ends the name field's claim on the keys at the user's first click anywhere. */
    struct ClickWatch : juce::MouseListener
    {
        bool clicked = false;
        void mouseDown (const juce::MouseEvent&) override { clicked = true; }
    };
    ClickWatch clickWatch;
    bool nameClaimsKeys = false;
    juce::TextButton slotButton;
    juce::TextEditor field;
    LibBut okButton { "OK", idOk, this };
    LibBut cancelButton { "CANCEL", idCancel, this };
    juce::LookAndFeel_V4 menuLook;
    std::shared_ptr<bool> alive = std::make_shared<bool> (true);

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (UpdHostCont)
};

} // namespace zr9
