#pragma once

#include "controller/PlugBank.h"

#include <juce_core/juce_core.h>

namespace zr9
{

/**
    "ZR9 Preset bank.arrbank" in the library folder: the processor's 64
    arrangements as one BankState, read when the processor is built and
    written when it goes. Message thread.

    Nothing a run does can lose the file: it is replaced through the
    data-file writer (never half written), only when the bank differs from
    what was read or the file holds no bank now, so an instance that changed
    nothing leaves another's changes alone; and a file that is not a bank is
    kept aside as "ZR9 Preset bank.arrbank.unreadable" before a new one
    replaces it.
*/
class PresetBankFile
{
public:
    static constexpr const char* fileName = "ZR9 Preset bank.arrbank";
    static constexpr const char* unreadableSuffix = ".unreadable";

    explicit PresetBankFile (juce::File file) : path (std::move (file)) {}

    const juce::File& file() const noexcept { return path; }

    /** Takes the file's records into the bank (which holds the factory bank when there is no file). */
    void read (PlugBank& bank);
    /** Writes the bank when it changed since it was read, or when the file holds no bank. Returns false when a write failed. */
    bool write (const PlugBank& bank);

private:
    bool holdsABank() const;

    juce::File path;
    Bytes asRead; // the bank's bytes once the file was taken in
};

} // namespace zr9
