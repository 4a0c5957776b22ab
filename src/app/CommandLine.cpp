#include "CommandLine.h"

namespace zr9
{

CommandLineOptions parseCommandLine (const juce::StringArray& args)
{
    CommandLineOptions options;
    for (int i = 0; i < args.size(); ++i)
    {
        const auto& a = args[i];
        if (a == "--emulator")
            options.emulator = true;
        else if (a == "--emulator-cable")
            options.emulator = options.emulatorCable = true;
        else if (a == "--documents" && i + 1 < args.size())
            options.documents = juce::File::getCurrentWorkingDirectory().getChildFile (args[++i].unquoted());
        else if (a.startsWith ("--documents="))
            options.documents = juce::File::getCurrentWorkingDirectory().getChildFile (a.fromFirstOccurrenceOf ("=", false, false).unquoted());
        else if (a.isNotEmpty())
            options.unknown.add (a);
    }
    return options;
}

} // namespace zr9
