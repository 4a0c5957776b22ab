// Loads the built VST3 and LV2 plug-ins the way a DAW does, with the
// framework's plug-in hosting classes, and checks what a host and a musician
// depend on. The plug-ins run on their built-in instrument emulator
// (ZR9_EMULATOR=1), which writes everything it receives to a log
// (ZR9_EMULATOR_LOG), so what reaches the "instrument" can be checked from
// outside. Needs an X display (the editors open); run under xvfb-run.
//
// Usage: zr9_host_test VST3_BUNDLE LV2_BUNDLE

#include "ExpectedPlugin.h"

#include <juce_audio_processors/juce_audio_processors.h>
#include <juce_gui_basics/juce_gui_basics.h>

#include <X11/Xlib.h>

#include <atomic>
#include <map>
#include <set>
#include <cstdlib>
#include <iostream>

namespace
{

using namespace zr9host;

int failures = 0;
std::atomic<int> xErrors { 0 };

void check (bool ok, const juce::String& what)
{
    std::cout << (ok ? "  ok    " : "  FAIL  ") << what << std::endl;
    if (! ok)
        ++failures;
}

/** A display without a window manager lacks atoms the framework's windows ask for; report X errors instead of dying. */
int reportXError (Display* display, XErrorEvent* event)
{
    if (xErrors++ == 0)
    {
        char text[256] {};
        XGetErrorText (display, event->error_code, text, (int) sizeof (text));
        std::cout << "  (X errors are counted, not fatal; the first: " << text << ")" << std::endl;
    }
    return 0;
}

void prepareDisplay()
{
    XInitThreads();
    XSetErrorHandler (reportXError);
    if (auto* display = XOpenDisplay (nullptr))
    {
        for (auto* atom : { "WM_PROTOCOLS", "WM_DELETE_WINDOW", "WM_TAKE_FOCUS", "_NET_WM_NAME", "_NET_WM_STATE",
                            "_NET_WM_WINDOW_TYPE", "_NET_WM_WINDOW_TYPE_NORMAL", "_NET_WM_PID", "_NET_WM_PING",
                            "_NET_WM_ICON", "_NET_FRAME_EXTENTS", "_NET_ACTIVE_WINDOW", "_NET_WM_STATE_SKIP_TASKBAR",
                            "_NET_WM_STATE_HIDDEN", "_NET_WM_STATE_FULLSCREEN", "_NET_SUPPORTED", "_NET_WM_USER_TIME",
                            "_NET_WM_WINDOW_OPACITY", "_MOTIF_WM_HINTS", "XdndAware", "XdndProxy" })
            XInternAtom (display, atom, False);
        XCloseDisplay (display);
    }
}

void runFor (int ms)
{
    juce::MessageManager::getInstance()->runDispatchLoopUntil (ms);
}

bool waitFor (const std::function<bool()>& done, int timeoutMs)
{
    const auto end = juce::Time::getMillisecondCounter() + (juce::uint32) timeoutMs;
    while (! done())
    {
        if (juce::Time::getMillisecondCounter() > end)
            return false;
        runFor (10);
    }
    return true;
}

// ------------------------------------------------------------------ emulator log

struct EmulatorLog
{
    juce::File file;

    juce::StringArray lines() const
    {
        juce::StringArray l;
        l.addLines (file.loadFileAsString());
        l.removeEmptyStrings();
        return l;
    }
    void clear() const { file.replaceWithText ({}); }
    bool has (const juce::String& line) const { return lines().contains (line); }

    /** True when every expected line appears, in this order, among the logged ones. */
    bool hasInOrder (const juce::StringArray& expected) const
    {
        const auto logged = lines();
        int at = 0;
        for (const auto& line : logged)
            if (at < expected.size() && line == expected[at])
                ++at;
        return at == expected.size();
    }
};

// ---------------------------------------------------------------- state blobs

/**
    The plug-in's own state inside a host's state blob, from its bank state to
    the blob's end: raw, or inside the framework's base-64 text, nested.
*/
std::optional<juce::MemoryBlock> findBankState (const juce::MemoryBlock& blob, int depth = 0)
{
    const auto* bytes = static_cast<const char*> (blob.getData());
    const auto size = (int) blob.getSize();
    const int tagSize = (int) strlen (bankTag);
    for (int i = 0; i + tagSize <= size; ++i)
        if (memcmp (bytes + i, bankTag, (size_t) tagSize) == 0)
            return i + bankStateSize <= size ? std::optional<juce::MemoryBlock> (juce::MemoryBlock (bytes + i, (size_t) (size - i)))
                                             : std::nullopt;
    if (depth > 3)
        return std::nullopt;

    // The framework writes binary data as text: the size in decimal, a dot, then its own base-64 alphabet.
    const juce::String alphabet (".ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+");
    for (int i = 0; i < size; ++i)
    {
        if (! juce::CharacterFunctions::isDigit (bytes[i]) || (i > 0 && juce::CharacterFunctions::isDigit (bytes[i - 1])))
            continue;
        int j = i;
        while (j < size && juce::CharacterFunctions::isDigit (bytes[j]))
            ++j;
        if (j >= size || bytes[j] != '.' || j - i > 9)
            continue;
        int k = j + 1;
        while (k < size && alphabet.containsChar ((juce::juce_wchar) (unsigned char) bytes[k]))
            ++k;
        if (k - j < 8)
            continue;
        juce::MemoryBlock inner;
        if (inner.fromBase64Encoding (juce::String (bytes + i, (size_t) (k - i))))
            if (auto found = findBankState (inner, depth + 1))
                return found;
        i = k;
    }
    return std::nullopt;
}

juce::String slotName (const juce::MemoryBlock& bank, int slot)
{
    const auto* b = static_cast<const char*> (bank.getData()) + 26 + 300 * slot;
    return juce::String (b, 24);
}

int slotProgram (const juce::MemoryBlock& bank, int slot, int channel)
{
    const auto* b = static_cast<const juce::uint8*> (bank.getData()) + 26 + 300 * slot + 24 + 2 * channel;
    return b[0] * 256 + b[1];
}

// --------------------------------------------------------------------- the host

struct Host
{
    juce::AudioPluginFormatManager formats;
    juce::File home;
    EmulatorLog log;

    juce::File presetBankFile() const { return home.getChildFile ("Documents/Library/ZR9/ZR9 Preset bank.arrbank"); }

    std::unique_ptr<juce::AudioPluginInstance> load (const juce::PluginDescription& d)
    {
        juce::String error;
        auto instance = formats.createPluginInstance (d, 48000.0, 512, error);
        if (instance == nullptr)
            std::cout << "  cannot load: " << error << std::endl;
        else
            instance->prepareToPlay (48000.0, 512);
        return instance;
    }
};

int parameterIndex (juce::AudioPluginInstance& p, const juce::String& name)
{
    const auto& params = p.getParameters();
    for (int i = 0; i < params.size(); ++i)
        if (params[i]->getName (100) == name)
            return i;
    return -1;
}

/** The program a host finds by its exact name, as a DAW's preset search does; -1 when none has it. */
int programIndex (juce::AudioPluginInstance& p, const juce::String& name)
{
    for (int s = 0; s < p.getNumPrograms(); ++s)
        if (p.getProgramName (s) == name)
            return s;
    return -1;
}

void processOneBlock (juce::AudioPluginInstance& p, juce::MidiBuffer& midi)
{
    juce::AudioBuffer<float> audio (juce::jmax (2, p.getTotalNumOutputChannels()), 512);
    audio.clear();
    p.processBlock (audio, midi);
}

void checkNamesAndPrograms (juce::AudioPluginInstance& p, const juce::PluginDescription& d, bool inSlotOrder)
{
    check (d.name == pluginName, "plug-in name \"" + d.name + "\"");
    check (p.acceptsMidi() && p.producesMidi(), "takes MIDI in and gives MIDI out");

    // A format may put parameters of its own first (the LV2 wrapper's on/off port); the live rows follow in row order.
    const auto expected = expectedParameterNames();
    const auto& params = p.getParameters();
    const int first = juce::jmax (0, parameterIndex (p, expected[0]));
    int named = 0;
    juce::String firstWrong;
    for (int i = 0; i < liveRowCount && first + i < params.size(); ++i)
    {
        const auto name = params[first + i]->getName (100);
        if (name == expected[i])
            ++named;
        else if (firstWrong.isEmpty())
            firstWrong = juce::String (i) + ": \"" + name + "\" for \"" + expected[i] + "\"";
    }
    juce::StringArray others;
    for (auto* param : params)
        if (! expected.contains (param->getName (100)))
            others.addIfNotAlreadyThere (param->getName (100).upToFirstOccurrenceOf ("|", false, false));
    if (inSlotOrder)
    {
        check (named == liveRowCount,
               juce::String (named) + " of 2314 live parameters named as the instrument names them, in row order, from index "
                   + juce::String (first) + (firstWrong.isEmpty() ? "" : "; first wrong " + firstWrong));
    }
    else
    {
        // This host orders parameters by their identifiers: each name must be there once.
        std::map<juce::String, int> found;
        for (auto* param : params)
            ++found[param->getName (100)];
        int matched = 0;
        for (const auto& name : expected)
            matched += found[name] == 1 ? 1 : 0;
        check (matched == liveRowCount, juce::String (matched) + " of 2314 live parameters found once each under the instrument's names, in the host's order");
    }
    // Every live row has a name of its own, so a host's lists tell the effect chains apart.
    std::set<juce::String> distinct (expected.begin(), expected.end());
    check ((int) distinct.size() == liveRowCount && parameterIndex (p, "Insert FXC Ch.1") >= 0 && parameterIndex (p, "AUX 2 FXC Ch.16") >= 0,
           "the effect-chain rows are \"Insert FXC Ch.1\", \"AUX 1 FXC Ch.1\", \"AUX 2 FXC Ch.1\" and so on, every name once");
    std::cout << "  (the host sees " << params.size() << " parameters in all; the format's own: "
              << others.joinIntoString (", ").substring (0, 200) << ")" << std::endl;

    check (p.getNumPrograms() == programCount, juce::String (p.getNumPrograms()) + " programs");
    const auto dashes = juce::String::repeatedString ("-", 24);
    juce::StringArray names;
    int padded = 0;
    for (int s = 0; s < p.getNumPrograms(); ++s)
    {
        names.add (p.getProgramName (s));
        padded += names[s] != names[s].trimEnd() ? 1 : 0;
    }
    check (padded == 0, "program names come without padding blanks (" + juce::String (padded) + " padded)");
    const bool slotOrder = names.size() == programCount && names[0] == "EDM" && names[1] == "Hip Hop" && names[2] == "Rock";
    int blanks = 0;
    for (const auto& n : names)
        blanks += n == dashes ? 1 : 0;
    const bool allThere = names.contains ("EDM") && names.contains ("Hip Hop") && names.contains ("Rock") && blanks == 61;
    // An LV2 host lists the bundle's presets in an order of its own; VST3 keeps the slots' order.
    check (allThere && (slotOrder || ! inSlotOrder),
           "programs \"EDM\", \"Hip Hop\", \"Rock\" and 61 of 24 dashes"
               + juce::String (slotOrder ? ", in slot order" : ", in the host's order") + " (program 1 \"" + p.getProgramName (0) + "\")");
}

void checkProgramChange (Host& host, juce::AudioPluginInstance& p, bool hostReadsOutputChanges)
{
    // The instrument is on line once it was asked for its identity and answered (the plug-in then sets row 250).
    const bool onLine = waitFor ([&] { return host.log.has ("f0 7e 7f 06 01 f7") && host.log.has (controllerLine (16, 110, 1)); }, 8000);
    check (onLine, "the plug-in found the emulator and went on line");

    const auto programNamed = [&] (const juce::String& name) { return programIndex (p, name); };
    // A host skips choosing the program that is current already, so "Rock" comes first.
    p.setCurrentProgram (programNamed ("Rock"));
    runFor (100);
    host.log.clear();
    p.setCurrentProgram (programNamed ("EDM"));
    juce::StringArray expected = controllerAddressLines (1, { 12, 0, 0, 0, 11 }, 1); // playing mode 1
    for (int c = 0; c < 16; ++c)
        expected.add (channelProgramLine (c, edmPrograms[c]));
    const bool sent = waitFor ([&] { return host.log.hasInOrder (expected); }, 3000);
    if (! sent)
        std::cout << "  (the emulator got: " << host.log.lines().joinIntoString (" | ").substring (0, 600) << ")" << std::endl;
    check (sent, "program \"EDM\" reached the emulator: playing mode, then the 16 channel programs in order");

    const int programRow = parameterIndex (p, "Program Ch.1");
    const float expectedValue = (261.0f - 1.0f) / 2047.0f;
    const bool told = programRow >= 0
                   && waitFor ([&]
                      {
                          juce::MidiBuffer none;
                          processOneBlock (p, none); // some formats tell the host from inside the block
                          return std::abs (p.getParameters()[programRow]->getValue() - expectedValue) < 1.0e-4f;
                      }, 3000);
    const auto shown = programRow >= 0 ? p.getParameters()[programRow]->getCurrentValueAsText() : juce::String ("missing");
    if (hostReadsOutputChanges)
        check (told, "the host was told \"Program Ch.1\" is now 261 (" + shown + ")");
    else
        std::cout << "  (not checked: this host keeps a value only from edits on the plug-in's message thread; a program chosen"
                     " from the host's thread reaches the host through the block's output changes, which it does not read. "
                     "\"Program Ch.1\" here: " << shown.trimEnd() << ")" << std::endl;
}

void checkParameterFromHost (Host& host, juce::AudioPluginInstance& p)
{
    host.log.clear();
    const int pan = parameterIndex (p, "Pan Ch.3");
    check (pan >= 0, "parameter \"Pan Ch.3\" found");
    if (pan < 0)
        return;
    // 0.75 of -64 to 64 is 32: controller 10 at 32 + 63, then the address 1 0 1 0 22 with 32.
    p.getParameters()[pan]->setValueNotifyingHost (0.75f);
    juce::StringArray expected;
    expected.add (controllerLine (3, 10, 95));
    expected.addArray (controllerAddressLines (3, { 1, 0, 1, 0, 22 }, 32));
    const bool reached = waitFor ([&]
    {
        juce::MidiBuffer none;
        processOneBlock (p, none);
        return host.log.hasInOrder (expected);
    }, 3000);
    check (reached, "the host's \"Pan Ch.3\" = 0.75 reached the emulator as controller 10 and the pan address");
}

void checkNotes (Host& host, juce::AudioPluginInstance& p)
{
    host.log.clear();
    juce::MidiBuffer midi;
    midi.addEvent (juce::MidiMessage::noteOn (1, 60, (juce::uint8) 100), 0);
    midi.addEvent (juce::MidiMessage::noteOff (1, 60), 256);
    processOneBlock (p, midi);
    int echoed = 0;
    for (const auto meta : midi)
        if (meta.getMessage().isNoteOnOrOff())
            ++echoed;
    check (echoed == 0, "processBlock gives back no note the host sent (" + juce::String (echoed) + " came back)");
    const bool passed = waitFor ([&] { return host.log.hasInOrder ({ "90 3c 64", "80 3c 00" }); }, 3000);
    check (passed, "the notes of the block were passed on to the emulator");
}

void checkTotalRecall (Host& host, juce::AudioPluginInstance& p, const juce::PluginDescription& d)
{
    // By now "EDM" was chosen and then "Pan Ch.3" set to 0.75 (32) by the host, without an automation lane.
    juce::MemoryBlock project;
    p.getStateInformation (project);
    const auto own = findBankState (project);
    const int recallTagSize = (int) strlen (recallTag);
    check (own.has_value() && (int) own->getSize() > bankStateSize + recallTagSize
               && memcmp (static_cast<const char*> (own->getData()) + bankStateSize, recallTag, (size_t) recallTagSize) == 0,
           "the project's state carries the bank and, after it, what the instrument plays ("
               + juce::String (own.has_value() ? (int) own->getSize() : 0) + " bytes)");

    host.log.clear();
    auto opened = host.load (d);
    if (opened == nullptr)
        return;
    opened->setStateInformation (project.getData(), (int) project.getSize());
    const int pan = parameterIndex (*opened, "Pan Ch.3");
    const bool readBack = pan >= 0 && waitFor ([&]
    {
        juce::MidiBuffer none;
        processOneBlock (*opened, none); // some formats tell the host from inside the block
        return std::abs (opened->getParameters()[pan]->getValue() - 0.75f) < 1.0e-4f;
    }, 3000);
    check (readBack, "a fresh instance given the project gives the host \"Pan Ch.3\" back as saved ("
                         + (pan >= 0 ? opened->getParameters()[pan]->getCurrentValueAsText() : juce::String ("missing")) + ")");

    juce::StringArray expected;
    for (int c = 0; c < 16; ++c)
        expected.add (channelProgramLine (c, edmPrograms[c]));
    expected.add (controllerLine (3, 10, 95));
    expected.addArray (controllerAddressLines (3, { 1, 0, 1, 0, 22 }, 32));
    const bool recalled = waitFor ([&]
    {
        juce::MidiBuffer none;
        processOneBlock (*opened, none);
        return host.log.hasInOrder (expected);
    }, 6000);
    if (! recalled)
        std::cout << "  (the emulator got: " << host.log.lines().joinIntoString (" | ").substring (0, 800) << ")" << std::endl;
    check (recalled, "and the instrument gets \"EDM\" again, then the pan the host had set");
    opened->releaseResources();
}

void checkEditorTwice (juce::AudioPluginInstance& p)
{
    juce::Rectangle<int> sizes[2];
    for (int round = 0; round < 2; ++round)
    {
        std::unique_ptr<juce::AudioProcessorEditor> editor (p.createEditorIfNeeded());
        check (editor != nullptr, "editor " + juce::String (round + 1) + " created");
        if (editor == nullptr)
            return;
        juce::Component window;
        window.setSize (editor->getWidth(), editor->getHeight());
        window.addAndMakeVisible (*editor);
        window.addToDesktop (juce::ComponentPeer::windowIsTemporary);
        window.setVisible (true);
        runFor (400);
        sizes[round] = editor->getLocalBounds();
        if (round == 0)
        {
            editor->setSize (1100, 800);
            runFor (400);
        }
        window.removeChildComponent (editor.get());
        editor.reset();
        window.removeFromDesktop();
        runFor (100);
        check (true, "editor " + juce::String (round + 1) + " destroyed");
    }
    check (sizes[0].getWidth() == 1028 && sizes[0].getHeight() == 730,
           "the first editor opens at the processor's size 1028 x 730 (" + juce::String (sizes[0].getWidth()) + " x "
               + juce::String (sizes[0].getHeight()) + ")");
    std::cout << "  (second editor opened at " << sizes[1].getWidth() << " x " << sizes[1].getHeight()
              << " after the first was resized to 1100 x 800)" << std::endl;
}

void checkStateAcrossInstances (Host& host, const juce::PluginDescription& d)
{
    // The preset bank file of the first run holds the factory bank; a changed copy becomes the next instance's bank.
    const auto factory = host.presetBankFile();
    juce::MemoryBlock bank;
    const bool firstRun = factory.loadFileAsData (bank) && bank.getSize() == (size_t) bankStateSize
                       && slotName (bank, 0).trimEnd() == "EDM" && slotName (bank, 3) == juce::String::repeatedString ("-", 24);
    check (firstRun, "after the first instance the preset bank file holds the factory bank (" + juce::String ((int) bank.getSize()) + " bytes)");
    if (! firstRun)
        return;

    auto* b = static_cast<char*> (bank.getData());
    memcpy (b + 26 + 300 * 5, "Host Test               ", 24);
    b[26 + 300 * 5 + 24 + 30] = 3; // channel 16 plays program 777
    b[26 + 300 * 5 + 24 + 31] = 9;
    factory.replaceWithData (bank.getData(), bank.getSize());

    auto saved = host.load (d);
    if (saved == nullptr)
        return;
    juce::MemoryBlock stateA;
    saved->getStateInformation (stateA);
    const auto bankA = findBankState (stateA);
    check (bankA.has_value() && slotName (*bankA, 5).trimEnd() == "Host Test" && slotProgram (*bankA, 5, 15) == 777,
           "an instance built with that file gives the host a state (" + juce::String ((int) stateA.getSize())
               + " bytes) carrying its 19,226-byte bank, slot 6 \"Host Test\", and what follows it");

    factory.deleteFile(); // the fresh instance starts from the factory bank
    auto fresh = host.load (d);
    if (fresh == nullptr)
        return;
    fresh->setStateInformation (stateA.getData(), (int) stateA.getSize());
    juce::MemoryBlock stateB;
    fresh->getStateInformation (stateB);
    const auto bankB = findBankState (stateB);
    check (bankA.has_value() && bankB.has_value() && *bankA == *bankB, "a fresh instance restored from it holds the same bank and recall, byte for byte");
    check (stateA == stateB, "and gives the host the same state blob, byte for byte");
}

void testFormat (Host& host, juce::AudioPluginFormat& format, const juce::String& identifier)
{
    const auto started = juce::Time::getMillisecondCounterHiRes();
    std::cout << format.getName() << ": " << identifier << std::endl;
    host.presetBankFile().deleteFile();

    juce::OwnedArray<juce::PluginDescription> found;
    format.findAllTypesForFile (found, identifier);
    check (found.size() == 1, "one plug-in found");
    if (found.isEmpty())
        return;
    const auto description = *found[0];

    {
        auto p = host.load (description);
        check (p != nullptr, "instance created");
        if (p == nullptr)
            return;
        checkNamesAndPrograms (*p, description, format.getName() == "VST3");
        checkProgramChange (host, *p, format.getName() != "VST3");
        checkParameterFromHost (host, *p);
        checkNotes (host, *p);
        checkTotalRecall (host, *p, description);
        checkEditorTwice (*p);
        p->releaseResources();
    }
    runFor (100);
    checkStateAcrossInstances (host, description);
    runFor (100);
    std::cout << "  (" << format.getName() << " took " << juce::roundToInt (juce::Time::getMillisecondCounterHiRes() - started)
              << " ms)" << std::endl;
}

} // namespace

int main (int argc, char** argv)
{
    if (argc < 3)
    {
        std::cerr << "usage: zr9_host_test VST3_BUNDLE LV2_BUNDLE" << std::endl;
        return 2;
    }
    const auto started = juce::Time::getMillisecondCounterHiRes();
    prepareDisplay();

    // A home of its own, so the plug-ins' library folder is a fresh one and the user's is never touched.
    const auto home = juce::File::createTempFile ("zr9-host-home");
    home.createDirectory();
    const auto logFile = home.getChildFile ("emulator.log");
    setenv ("HOME", home.getFullPathName().toRawUTF8(), 1);
    setenv ("XDG_CONFIG_HOME", home.getChildFile (".config").getFullPathName().toRawUTF8(), 1);
    setenv ("ZR9_EMULATOR", "1", 1);
    setenv ("ZR9_EMULATOR_LOG", logFile.getFullPathName().toRawUTF8(), 1);

    {
        juce::ScopedJuceInitialiser_GUI gui;
        Host host;
        host.home = home;
        host.log.file = logFile;

        auto* vst3 = new juce::VST3PluginFormat();
        auto* lv2 = new juce::LV2PluginFormat();
        host.formats.addFormat (vst3);
        host.formats.addFormat (lv2);

        testFormat (host, *vst3, juce::File (argv[1]).getFullPathName());

        const juce::File lv2Bundle (argv[2]);
        lv2->searchPathsForPlugins (juce::FileSearchPath (lv2Bundle.getParentDirectory().getFullPathName()), false, false);
        testFormat (host, *lv2, lv2Uri);
    }

    home.deleteRecursively();
    std::cout << "(" << xErrors.load() << " X errors of a display without a window manager were ignored)" << std::endl;
    std::cout << (failures == 0 ? "host test passed" : juce::String (failures) + " checks failed") << " in "
              << juce::roundToInt (juce::Time::getMillisecondCounterHiRes() - started) << " ms" << std::endl;
    return failures == 0 ? 0 : 1;
}
