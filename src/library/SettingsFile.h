#pragma once

#include "LibraryFolder.h"

#include "controller/ControllerSettings.h"

namespace zr9
{

/** The settings file "halvipZR9.dat" in the library folder; read and written on the message thread. */
class SettingsFile final : public SettingsStorage
{
public:
    static constexpr const char* fileName = "halvipZR9.dat";

    explicit SettingsFile (LibraryFolder folder) : library (std::move (folder)) {}

    std::optional<std::string> read() override;
    void write (const std::string& text) override;

private:
    LibraryFolder library;
};

} // namespace zr9
