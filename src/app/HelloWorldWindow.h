#pragma once

#include "library/RevuDIAudioProcessor.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace zr9
{


/**
    The main window of the stand-alone program. It owns the processor and the
    main component made for it, which is its content.
*/
class HelloWorldWindow : public juce::DocumentWindow
{
public:
    explicit HelloWorldWindow (ProcessorOptions options);
    ~HelloWorldWindow() override;

    RevuDIAudioProcessor& processor() noexcept { return *audioProcessor; }

    void closeButtonPressed() override;

private:
    std::unique_ptr<RevuDIAudioProcessor> audioProcessor;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (HelloWorldWindow)
};

} // namespace zr9
