#include "FileMan.h"

namespace zr9
{

namespace
{
    constexpr int shortestKeptExtension = 3;

    const FileMan::Kind kinds[] {
        { FileMan::kindLoadArrangement, "Load Arrangement", ".zr9arr", FileMan::modeOpen, nullptr, false },
        { FileMan::kindLoadArrangements, "Load Arrangements", ".zr9arrlib", FileMan::modeOpen, nullptr, false },
        { FileMan::kindSaveArrangement, "Save Arrangement", ".zr9arr", FileMan::modeSave, nullptr, false },
        { FileMan::kindSaveArrangements, "Save Arrangements", ".zr9arrlib", FileMan::modeSave, nullptr, false },
        { FileMan::kindImportObjects, "Import Objects", ".zr9bank", FileMan::modeOpen, "*.zr9bank;*.syx;*.dat", true },
        { FileMan::kindExportBank, "Export to a Bank File", ".zr9bank", FileMan::modeSave, nullptr, true },
        { FileMan::kindExportSysex, "Export to a System Exclusive File", ".syx", FileMan::modeSave, nullptr, true },
        { FileMan::kindSaveMidiLog, "Save MIDI Log", ".txt", FileMan::modeSave, nullptr, false },
        { FileMan::kindSaveSysEx, "Save System Exclusive", ".syx", FileMan::modeSave, nullptr, false },
    };
} // namespace

const FileMan::Kind* FileMan::kind (int id) noexcept
{
    for (const auto& k : kinds)
        if (k.id == id)
            return &k;
    return nullptr;
}

juce::File FileMan::withExtension (const juce::File& chosen, int kindId)
{
    const auto* k = kind (kindId);
    if (k == nullptr || chosen == juce::File() || chosen.getFileExtension().length() >= shortestKeptExtension)
        return chosen;
    return chosen.getSiblingFile (chosen.getFileName() + k->extension);
}

} // namespace zr9
