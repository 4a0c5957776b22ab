#pragma once

#include "LibBut.h"

#include <juce_gui_basics/juce_gui_basics.h>

#include <array>
#include <optional>

namespace zr9
{

/** Told how a question was answered: the question's request id and the id of the button clicked. */
class textmsgListener
{
public:
    virtual ~textmsgListener() = default;
    virtual void textAnswer (int requestId, int buttonId) = 0;
};

/**
    The question panel: it covers its page, so nothing else there can be used
    while it is up, and shows a 600 × 400 box with the message, a text field
    for name questions, and up to three buttons. The buttons carry the answer
    ids 1201 (OK or YES), 1202 (CANCEL) and 1200 (NO); a button without a
    label is hidden. Return answers with the first button and Escape with
    CANCEL. Answering hides the panel and then tells the listener; the text
    field keeps its content to be read afterwards.

    Keys typed into the text field stay there: they never reach the
    computer-keyboard player. Message thread.
*/
class TextInputCont : public juce::Component,
                      private LibButListener,
                      private juce::TextEditor::Listener
{
public:
    static constexpr int answerOk = 1201;
    static constexpr int answerCancel = 1202;
    static constexpr int answerNo = 1200;
    static constexpr int boxWidth = 600;
    static constexpr int boxHeight = 400;
    static constexpr float messagePoints = 27.0f;

    explicit TextInputCont (textmsgListener& listener);
    ~TextInputCont() override;

    /**
        Shows a question. `text` fills the text field, which is hidden when
        there is none (yes/no questions); the three labels go on the buttons
        1201, 1202 and 1200.
    */
    void show (const juce::String& message, std::optional<juce::String> text, const juce::String& first,
               const juce::String& second, const juce::String& third, int requestId);

    /** Clicks the button with this answer id, when it is shown. */
    void answer (int buttonId);

    int requestId() const noexcept { return request; }
    juce::String message() const { return messageLabel.getText(); }
    juce::String text() const { return field.getText(); }
    juce::TextEditor& textField() noexcept { return field; }
    bool hasTextField() const noexcept { return field.isVisible(); }
    LibBut& button (int answerId) noexcept;
    /** The box drawn in the middle of the panel. */
    juce::Rectangle<int> box() const;

    void paint (juce::Graphics& g) override;
    void resized() override;
    bool keyPressed (const juce::KeyPress& key) override;

private:
    void libButtonClicked (int id) override { answer (id); }
    void textEditorReturnKeyPressed (juce::TextEditor&) override { answer (answerOk); }
    void textEditorEscapeKeyPressed (juce::TextEditor&) override { answer (answerCancel); }

    textmsgListener& listener;
    juce::Label messageLabel;
    juce::TextEditor field;
    // In the order they stand, left to right: OK or YES, NO, CANCEL.
    std::array<LibBut, 3> buttons { { { {}, answerOk }, { {}, answerNo }, { {}, answerCancel } } };
    int request = 0;
};

} // namespace zr9
