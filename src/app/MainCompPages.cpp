// The main component's side of the selectors and the controls page: which
// page command opens which selector, where each lies, "OK" going back to the
// page shown before, the live rows and wheels they are told of, and the
// controller's channel they follow.

#include "MainComp.h"

#include "library/RevuDIAudioProcessor.h"
#include "model/MidiControllers.h"
#include "pages/selectors/FxcSelClass.h"
#include "pages/selectors/PlainSelectors.h"
#include "pages/selectors/PrgSelClass.h"
#include "pages/selectors/StpSelClass.h"

namespace zr9
{

static_assert (MainComp::selectorWidth == ObjectSelector::columnWidth);

namespace
{
    constexpr std::array<std::pair<int, int>, 12> selectorSlots { {
        { selectortype::program, MainComp::slotProgramSelector },
        { selectortype::setup, MainComp::slotSetupSelector },
        { selectortype::insertChain, MainComp::slotFxChainSelector },
        { selectortype::aux1Chain, MainComp::slotFxChainSelector },
        { selectortype::aux2Chain, MainComp::slotFxChainSelector },
        { selectortype::keyMap, MainComp::slotKeyMapSelector },
        { selectortype::intonation, MainComp::slotIntonationSelector },
        { selectortype::shiftPattern, MainComp::slotPatternSelector },
        { selectortype::velocityPattern, MainComp::slotVelocitySelector },
        { selectortype::arpeggiator, MainComp::slotArpSelector },
        { selectortype::song, MainComp::slotSongSelector },
        { selectortype::algorithm, MainComp::slotAlgorithmSelector },
    } };

    bool isChainType (int objectType) noexcept
    {
        return objectType == selectortype::insertChain || objectType == selectortype::aux1Chain
            || objectType == selectortype::aux2Chain;
    }
} // namespace

int MainComp::selectorSlot (int objectType) noexcept
{
    for (const auto& [type, slot] : selectorSlots)
        if (type == objectType)
            return slot;
    return -1;
}

ObjectSelector* MainComp::shownSelector() const
{
    for (const auto& [type, slot] : selectorSlots)
        if (isPageShown (slot))
            return selectorPage (slot);
    return nullptr;
}

// ------------------------------------------------------------------ showing

void MainComp::showControls()
{
    if (controlsPage() == nullptr)
    {
        setPage (slotControls, std::make_unique<ControlsComp> (controller), PageLayout::full);
        controlsPage()->onChannelChosen = [this] { channelChanged(); };
    }
    controlsPage()->refreshAll();
    showOnlyPage (slotControls);
}

ObjectSelector& MainComp::makeSelector (int slot)
{
    if (auto* existing = selectorPage (slot))
        return *existing;

    std::unique_ptr<ObjectSelector> made;
    switch (slot)
    {
        case slotProgramSelector:
        {
            auto programs = std::make_unique<PrgSelClass> (controller, processor.libraryFiles().favorites());
            programs->onChannelChosen = [this] { channelChanged(); };
            programs->onEdit = [this, list = programs.get()] (int) { openProgramEditor (list->channel()); };
            made = std::move (programs);
            break;
        }
        case slotSetupSelector:      made = std::make_unique<StpSelClass> (controller, processor.libraryFiles().favorites()); break;
        case slotFxChainSelector:    made = std::make_unique<FxcSelClass> (controller); break;
        case slotKeyMapSelector:     made = std::make_unique<KmpSelClass> (controller); break;
        case slotIntonationSelector: made = std::make_unique<IntSelClass> (controller); break;
        case slotPatternSelector:    made = std::make_unique<PatShiftSelClass> (controller); break;
        case slotVelocitySelector:   made = std::make_unique<PatVelSelClass> (controller); break;
        case slotArpSelector:        made = std::make_unique<ArpSelClass> (controller); break;
        case slotSongSelector:       made = std::make_unique<SongSelClass> (controller); break;
        case slotAlgorithmSelector:  default: made = std::make_unique<AlgSelClass> (controller); break;
    }
    // "EDIT" opens the program or setup editor and "LIBRARY" the arrangement library, from the program and multi lists.
    made->onClose = [this] { closeSelector(); };
    made->setFileAccess (selectorFileAccess());
    if (slot == slotSetupSelector)
        made->onEdit = [this] (int) { openSetupEditor(); };
    if (slot == slotProgramSelector || slot == slotSetupSelector)
    {
        made->onLibrary = [this] (int) { openLibraryManager(); };
        made->updateActions();
    }
    auto& selector = *made;
    setPage (slot, std::move (made), PageLayout::selector);
    return selector;
}

void MainComp::openSelector (int objectType, int value1)
{
    const int slot = selectorSlot (objectType);
    if (slot < 0)
        return;
    auto& selector = makeSelector (slot);
    if (isChainType (objectType))
    {
        auto& chains = static_cast<FxcSelClass&> (selector);
        chains.setTarget (objectType, value1);
        chains.openOn (0);
    }
    else
    {
        selector.openOn (value1);
    }
    showOnlyPage (slot);
}

void MainComp::closeSelector()
{
    // Back to the page the selector was opened from; the mixer when it was opened first.
    if (pageCodeBefore == pagecommand::controls)
        showControls();
    else
        showMixer();
}

// ---------------------------------------------------------- what pages are told

void MainComp::tellPagesOfRow (int group, int row, int value)
{
    if (group == LiveTable::groupChannel)
    {
        for (const int slot : { (int) slotProgramSelector, (int) slotFxChainSelector })
            if (isPageShown (slot))
                selectorPage (slot)->liveRowChanged (row, value);
    }
    else if (group == LiveTable::groupController)
    {
        if (isPageShown (slotControls))
            controlsPage()->refreshRow (row, value);
    }
    else if (row == LiveTable::rowMulti && isPageShown (slotSetupSelector))
    {
        selectorPage (slotSetupSelector)->liveRowChanged (row, value);
    }
}

void MainComp::tellControlsOfWheel (std::uint32_t code)
{
    if (! isPageShown (slotControls))
        return;
    const int channel = statecode::channel (code);
    if (statecode::kind (code) == statecode::pitchWheel)
        controlsPage()->showPitchWheel (channel, statecode::wheelValue (code));
    else if (statecode::data1 (code) == midicc::modulationWheel)
        controlsPage()->showModulation (channel, statecode::data2 (code));
}

void MainComp::refreshShownPages()
{
    if (isPageShown (slotControls))
        controlsPage()->refreshAll();
    if (auto* selector = shownSelector())
        selector->showCurrent();
}

void MainComp::channelChanged()
{
    keyboard->keyboard().showChannel();
    if (auto* programs = dynamic_cast<PrgSelClass*> (selectorPage (slotProgramSelector)))
        programs->channelChanged();
    if (auto* controls = controlsPage())
        controls->refreshAll();
}

} // namespace zr9
