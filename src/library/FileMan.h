#pragma once

#include <juce_core/juce_core.h>

#include <functional>
#include <optional>

namespace zr9
{

/**
    Asks the user for a file, for every import and export of the program.
    The kind sets the dialog's title, its file pattern and whether a file is
    opened or saved:

    | Kind | Title               | Extension   | Mode     |
    |------|---------------------|-------------|----------|
    | 8    | "Load Arrangement"  | ".zr9arr"   | 98 open  |
    | 9    | "Load Arrangements" | ".zr9arrlib"| 98 open  |
    | 108  | "Save Arrangement"  | ".zr9arr"   | 99 save  |
    | 109  | "Save Arrangements" | ".zr9arrlib"| 99 save  |
    | 10   | "Import Objects"    | ".zr9bank", ".syx", ".dat" | 98 open |
    | 110  | "Export to a Bank File" | ".zr9bank" | 99 save |
    | 111  | "Export to a System Exclusive File" | ".syx" | 99 save |
    | 112  | "Save MIDI Log"     | ".txt"      | 99 save  |
    | 113  | "Save System Exclusive" | ".syx"  | 99 save  |

    The object files' dialogs (10, 110, 111) open where the last of them
    left off; the others start in the documents folder.

    The answer comes later, on the message thread: the chosen file, or
    nothing when the user cancelled. A file chosen in a save dialog already
    carries the kind's extension when its own was shorter than 3 characters.
    The program's dialogs are the framework's file choosers; tests answer
    with a file of their own.
*/
class FileMan
{
public:
    static constexpr int modeOpen = 98;
    static constexpr int modeSave = 99;

    static constexpr int kindLoadArrangement = 8;
    static constexpr int kindLoadArrangements = 9;
    static constexpr int kindSaveArrangement = 108;
    static constexpr int kindSaveArrangements = 109;
    static constexpr int kindImportObjects = 10;
    static constexpr int kindExportBank = 110;
    static constexpr int kindExportSysex = 111;
    static constexpr int kindSaveMidiLog = 112;
    static constexpr int kindSaveSysEx = 113;

    struct Kind
    {
        int id;
        const char* title;
        const char* extension;
        int mode;
        const char* patterns = nullptr;   // the dialog's file patterns; nullptr: "*" and the extension
        bool remembersFolder = false;     // opens in the folder the last such dialog chose from

        juce::String filePatterns() const { return patterns != nullptr ? juce::String (patterns) : juce::String ("*") + extension; }
    };

    /** The kind's description, or nullptr for a kind there is none of. */
    static const Kind* kind (int id) noexcept;

    /** A saved file's path: the kind's extension appended when the file's own, dot included, is shorter than 3 characters. */
    static juce::File withExtension (const juce::File& chosen, int kindId);

    using Answer = std::function<void (std::optional<juce::File>)>;

    virtual ~FileMan() = default;
    /** Shows the dialog of a kind; a save dialog starts on `defaultName`. */
    virtual void chooseFile (int kindId, const juce::String& defaultName, Answer answer) = 0;
};

} // namespace zr9
