#include "SetupEditor.h"

namespace zr9
{

namespace
{
    constexpr int setupTitleWidth = 200;
} // namespace

SetupEditor::SetupEditor (MidiCntrState& c)
    : EditorShell (c, std::make_unique<SetupEditSession> (c), "Setup name", setupTitleWidth),
      names (c.model()),
      session (static_cast<SetupEditSession&> (editedSession()))
{
    common = std::make_unique<SetupCommonPage> (session);
    zones = std::make_unique<SetupZonesPage> (session, names);
    addPage ("COMMON", *common, [this] { common->refresh(); });
    addPage ("ZONES", *zones, [this] { zones->refresh(); });

    session.multi().addChangeListener (this);
    showPage (Page::common);
}

SetupEditor::~SetupEditor()
{
    session.multi().removeChangeListener (this);
}

void SetupEditor::open()
{
    const int chosen = std::max (1, controller.getLiveValue (LiveTable::rowMulti));
    if (opened && chosen == openedSetup && (session.isEdited() || isWaitingForInstrument()))
    {
        refreshAll();
        return;
    }
    opened = true;
    reload();
}

void SetupEditor::reload()
{
    openedSetup = std::max (1, controller.getLiveValue (LiveTable::rowMulti));
    // The library's setup first: it is what shows off line, and what stays when the instrument is silent.
    session.multi().loadFromBank (controller.model().setupBank(), openedSetup);
    zoneArrived.fill (false);
    zonesAsked = false;
    commonArrived = false;
    zonesWaited = 0;
    stopWaiting();
    if (controller.objectEditing().isOnline())
        askInstrument();
    else
        setStatus ("OFF-LINE: setup " + juce::String (openedSetup) + " from the library");
    session.takeAsSent();
    refreshAll();
}

bool SetupEditor::sendRequest()
{
    return controller.objectEditing().requestSetup();
}

void SetupEditor::answerTimedOut()
{
    session.takeAsSent();
    setStatus ("The instrument did not answer in full: setup " + juce::String (openedSetup) + " as far as it arrived");
    refreshAll();
}

void SetupEditor::objectChanged (ObjectChangeNotifier&, int code)
{
    if (isWaitingForInstrument())
    {
        if (code == ObjMultiClass::codeHeader && ! zonesAsked)
        {
            // The header tells how many zones there are: ask for each.
            zonesAsked = true;
            zonesWaited = std::min (session.multi().numberOfZones(), ObjMultiClass::zoneCount);
            for (int z = 0; z < zonesWaited; ++z)
                controller.objectEditing().requestZone (z);
            answerTimeRestarts();
        }
        else if (code == ObjMultiClass::codeCommon)
        {
            commonArrived = true;
        }
        else if (code >= 0 && code < ObjMultiClass::zoneCount)
        {
            zoneArrived[(size_t) code] = true;
        }
        arrived();
    }
    refreshAll();
}

void SetupEditor::arrived()
{
    if (! zonesAsked || ! commonArrived)
        return;
    for (int z = 0; z < zonesWaited; ++z)
        if (! zoneArrived[(size_t) z])
            return;
    answerComplete();
    session.takeAsSent();
    setStatus ("Setup from the instrument's edit buffer (" + juce::String (zonesWaited) + " zones)");
}

} // namespace zr9
