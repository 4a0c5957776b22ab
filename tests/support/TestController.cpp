#include "TestController.h"

#include "library/BankFiles.h"

namespace zr9::test
{

void loadFactoryBanks (MidiCntrState& controller)
{
    loadStartupBanks (controller.model(), LibraryFolder(), false);
}

TestController::TestController (MidiPortProvider& ports, std::unique_ptr<SettingsStorage> storage)
    : controller (ports, std::move (storage), clock)
{
    loadFactoryBanks (controller);
    controller.start (false);
}

} // namespace zr9::test
