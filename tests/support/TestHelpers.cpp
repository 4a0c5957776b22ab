#include "TestHelpers.h"

#include <juce_gui_basics/juce_gui_basics.h>

namespace juce
{
// The framework's own step of its message loop on Linux: it hands out the
// next waiting message and returns false when none waits. The tests drive the
// loop with it, so the shipped program needs no modal loops compiled in.
bool dispatchNextMessageOnSystemQueue (bool returnIfNoPendingMessages);
} // namespace juce

namespace zr9::test
{

namespace
{
    constexpr int idleNapMs = 1;

    /** Delivers waiting messages until `end`, napping while none waits. */
    void dispatchUntil (juce::uint32 end)
    {
        while (juce::Time::getMillisecondCounter() < end)
            if (! juce::dispatchNextMessageOnSystemQueue (true))
                juce::Thread::sleep (idleNapMs);
    }
} // namespace

TempFolder::TempFolder()
    // Tests run as parallel processes: a name picked only because it does not exist yet could be
    // picked by two of them at once, so each folder gets a name of its own.
    : folder (juce::File::getSpecialLocation (juce::File::tempDirectory)
                  .getChildFile ("zr9-test-" + juce::Uuid().toString()))
{
    folder.createDirectory();
}

TempFolder::~TempFolder() { folder.deleteRecursively(); }

bool runMessageLoopUntil (const std::function<bool()>& done, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! done())
    {
        if (juce::Time::getMillisecondCounter() >= end)
            return done();
        dispatchUntil (juce::Time::getMillisecondCounter() + 5);
    }
    return true;
}

void runMessageLoopFor (int milliseconds)
{
    dispatchUntil (juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax (0, milliseconds));
}

bool waitForOtherProcess (const std::function<bool()>& done, int timeoutMs)
{
    const auto until = juce::Time::getMillisecondCounter() + (juce::uint32) juce::jmax (0, timeoutMs);
    while (! done())
    {
        if (juce::Time::getMillisecondCounter() > until)
            return false;
        juce::Thread::yield();
    }
    return true;
}

std::vector<std::string> readSettingsEntries (const juce::File& file)
{
    std::vector<std::string> entries;
    const auto text = file.loadFileAsString().toStdString();
    size_t pos = 0;
    while (true)
    {
        const auto a = text.find ("^|", pos);
        if (a == std::string::npos)
            break;
        const auto b = text.find ("|^", a + 2);
        if (b == std::string::npos)
            break;
        entries.push_back (text.substr (a + 2, b - a - 2));
        pos = b + 2;
    }
    return entries;
}

juce::MouseEvent mouseEventOn (juce::Component& component, juce::Point<float> at)
{
    const auto now = juce::Time::getCurrentTime();
    return { juce::Desktop::getInstance().getMainMouseSource(), at, juce::ModifierKeys::leftButtonModifier,
             0.0f, 0.0f, 0.0f, 0.0f, 0.0f, &component, &component, now, at, now, 1, false };
}

} // namespace zr9::test
