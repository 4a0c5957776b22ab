#pragma once

#include "EditorShell.h"
#include "SetupEditSession.h"
#include "SetupPages.h"

#include "model/ModelObjectNames.h"
#include "model/ObjectChangeNotifier.h"

#include <array>
#include <memory>

namespace zr9
{

/**
    The setup editor: the setup (multi) in the instrument's edit buffer.
    Opening it loads the chosen setup from the library and asks the
    instrument for setup parts 0 and 1 and global part 0, and, once the
    header has told how many zones there are, for setup part 2 of each zone;
    the parts fill the multi as they arrive. Off line, or when the
    instrument does not answer, the library's setup stays. A header with the
    name, whether the setup differs from what the instrument sent, undo and
    redo and WRITE; the pages COMMON and ZONES. Message thread.
*/
class SetupEditor : public EditorShell,
                    private ObjectChangeListener
{
public:
    enum class Page { common, zones };

    explicit SetupEditor (MidiCntrState& controller);
    ~SetupEditor() override;

    /** Shows the setup in the edit buffer: the one chosen on the instrument (row 2304), asked for again unless it has edits. */
    void open();
    void reload() override;

    /** The number of the setup the multi was loaded from. */
    int setupNumber() const noexcept { return openedSetup; }
    SetupEditSession& editSession() noexcept { return session; }

    void showPage (Page p) { showPageAt ((int) p); }
    Page shownPage() const noexcept { return (Page) shownPageIndex(); }
    SetupCommonPage& commonPage() noexcept { return *common; }
    SetupZonesPage& zonesPage() noexcept { return *zones; }

private:
    void objectChanged (ObjectChangeNotifier& source, int changeCode) override;
    bool sendRequest() override;
    juce::String requestText() override { return "Asking the instrument for its setup..."; }
    void answerTimedOut() override;
    juce::String titleText() override { return "SETUP EDIT   #" + juce::String (openedSetup); }
    void arrived();

    ModelObjectNames names;
    SetupEditSession& session;
    bool zonesAsked = false;
    bool commonArrived = false;
    bool opened = false;
    int zonesWaited = 0;
    std::array<bool, ObjMultiClass::zoneCount> zoneArrived {};
    int openedSetup = 0;

    std::unique_ptr<SetupCommonPage> common;
    std::unique_ptr<SetupZonesPage> zones;

    JUCE_DECLARE_NON_COPYABLE_WITH_LEAK_DETECTOR (SetupEditor)
};

} // namespace zr9
