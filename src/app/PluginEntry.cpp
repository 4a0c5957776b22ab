// The plug-in formats ask for the processor through createPluginFilter: the
// processor with the editor a host opens, on the platform's MIDI ports.
//
// With ZR9_EMULATOR=1 in the environment the built-in instrument emulator is
// offered as one more port pair after the platform's, as the stand-alone
// program's --emulator does, so the plug-in can be tried in a DAW without the
// instrument. ZR9_EMULATOR_LOG=FILE then appends every message the emulator
// receives to FILE as one line of hexadecimal bytes: what the instrument
// would have been sent.

#include "RevuDIAudioProcessorEditor.h"

#include "emulator/ZR9Emulator.h"
#include "midi/JuceMidiPorts.h"

#include <mutex>

namespace zr9
{

namespace
{
    constexpr const char* emulatorVariable = "ZR9_EMULATOR";
    constexpr const char* emulatorLogVariable = "ZR9_EMULATOR_LOG";

    /** Appends one line per message; instances of one host share the file, so whole lines go out under one lock. */
    emulator::ZR9Emulator::Monitor messageLog (const juce::File& file)
    {
        return [file] (const std::uint8_t* bytes, std::size_t size)
        {
            static std::mutex fileLock;
            const auto line = juce::String::toHexString (bytes, (int) size) + "\n";
            const std::lock_guard<std::mutex> sl (fileLock);
            file.appendText (line, false, false, "\n");
        };
    }

    std::shared_ptr<MidiPortProvider> emulatorPorts()
    {
        auto zr9 = std::make_shared<emulator::ZR9Emulator>();
        const auto logPath = juce::SystemStats::getEnvironmentVariable (emulatorLogVariable, {});
        if (logPath.isNotEmpty() && juce::File::isAbsolutePath (logPath))
            zr9->setMonitor (messageLog (juce::File (logPath)));
        return std::make_shared<emulator::EmulatorPortProvider> (std::make_shared<JuceMidiPorts>(), zr9);
    }
} // namespace

ProcessorOptions pluginProcessorOptions()
{
    ProcessorOptions options;
    options.plugIn = true;
    options.makeEditor = [] (RevuDIAudioProcessor& p) -> juce::AudioProcessorEditor* { return new RevuDIAudioProcessorEditor (p); };
    if (juce::SystemStats::getEnvironmentVariable (emulatorVariable, {}).trim() == "1")
        options.ports = emulatorPorts();
    return options;
}

} // namespace zr9

juce::AudioProcessor* JUCE_CALLTYPE createPluginFilter()
{
    return new zr9::RevuDIAudioProcessor (zr9::pluginProcessorOptions());
}
