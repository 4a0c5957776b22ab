// The stand-alone program: its application object and entry point.

#include "ui/AppInfo.h"
#include "CommandLine.h"
#include "emulator/ZR9Emulator.h"
#include "midi/JuceMidiPorts.h"
#include "HelloWorldWindow.h"
#include "ShutdownSignals.h"

#include <iostream>

namespace zr9
{

class JUCEHelloWorldApplication : public juce::JUCEApplication
{
public:
    const juce::String getApplicationName() override { return appinfo::name; }
    const juce::String getApplicationVersion() override { return appinfo::version; }
    bool moreThanOneInstanceAllowed() override { return true; }

    void initialise (const juce::String&) override
    {
        const auto options = parseCommandLine (getCommandLineParameterArray());
        for (const auto& a : options.unknown)
            std::cerr << "ZR9: ignoring the unknown option " << a << "\n";

        ProcessorOptions processorOptions;
        processorOptions.documentsBase = options.documents;
        if (options.emulator)
        {
            auto ports = std::make_shared<emulator::EmulatorPortProvider> (std::make_shared<JuceMidiPorts>());
            if (options.emulatorCable)
                ports->emulator().line().setCablePacingUs (emulator::ReplyLine::midiCableUsPerByte);
            processorOptions.ports = std::move (ports);
        }
        signals = std::make_unique<ShutdownSignals>();
        window = std::make_unique<HelloWorldWindow> (processorOptions);
    }

    void shutdown() override
    {
        window.reset();
        signals.reset();
    }

    void anotherInstanceStarted (const juce::String&) override {}

private:
    std::unique_ptr<ShutdownSignals> signals;
    std::unique_ptr<HelloWorldWindow> window;
};

} // namespace zr9

juce::JUCEApplicationBase* juce_CreateApplication();
juce::JUCEApplicationBase* juce_CreateApplication() { return new zr9::JUCEHelloWorldApplication(); }
