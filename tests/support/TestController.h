#pragma once

#include "controller/MidiCntrState.h"
#include "support/ManualClock.h"

namespace zr9::test
{

/** The factory banks in a controller's model, as a processor puts them there at start-up. */
void loadFactoryBanks (MidiCntrState& controller);

/**
    A controller on the given ports with the factory banks, started without
    opening any port (the test opens what it needs), on a clock the test steps.
    Nothing is kept on disk unless a storage is given.
*/
struct TestController
{
    explicit TestController (MidiPortProvider& ports, std::unique_ptr<SettingsStorage> storage = {});

    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    MidiCntrState controller;
};

} // namespace zr9::test
