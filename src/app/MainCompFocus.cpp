// The main component's side of the keyboard: the order the Tab key moves the
// focus in, Escape closing the top panel or dialog, Ctrl+1 to Ctrl+8 opening
// the application bar's pages, and keys nothing else took going to the shown
// page. Message thread.

#include "MainComp.h"

namespace zr9
{

namespace
{
    /**
        Moves the focus through the focusable components of a list of areas,
        each in the framework's reading order (top to bottom, then left to
        right, children after their parent), and round from the last to the
        first. The areas are asked for each time, so the order follows what
        is open.
    */
    class AreasFocusTraverser final : public juce::ComponentTraverser
    {
    public:
        AreasFocusTraverser (juce::Component& o, std::function<std::vector<juce::Component*>()> a,
                             std::function<juce::Component*()> top, std::function<juce::Component*()> keysHome)
            : owner (o), areas (std::move (a)), topPanel (std::move (top)), home (std::move (keysHome))
        {
        }

        /**
            The whole hands the keys to their home (the player) and a panel on
            top to its first control; nothing else hands them on. A click on a
            label, a tab or an empty part of a page asks this too, and must
            leave the keys where they are.
        */
        juce::Component* getDefaultComponent (juce::Component* parent) override
        {
            if (parent == &owner)
                return home();
            if (parent != nullptr && parent == topPanel())
            {
                const auto inside = juce::KeyboardFocusTraverser().getAllComponents (parent);
                return inside.empty() ? nullptr : inside.front();
            }
            return nullptr;
        }

        juce::Component* getNextComponent (juce::Component* current) override { return step (current, 1); }
        juce::Component* getPreviousComponent (juce::Component* current) override { return step (current, -1); }
        std::vector<juce::Component*> getAllComponents (juce::Component*) override { return components(); }

    private:
        std::vector<juce::Component*> components() const
        {
            std::vector<juce::Component*> all;
            for (auto* area : areas())
            {
                if (area == nullptr || ! area->isVisible() || ! area->isEnabled())
                    continue;
                if (area->getWantsKeyboardFocus())
                    all.push_back (area);
                for (auto* c : juce::KeyboardFocusTraverser().getAllComponents (area))
                    all.push_back (c);
            }
            return all;
        }

        juce::Component* step (juce::Component* current, int direction) const
        {
            const auto all = components();
            if (all.empty())
                return nullptr;
            const auto at = std::find (all.begin(), all.end(), current);
            if (at == all.end())
                return direction > 0 ? all.front() : all.back();
            const auto n = (long) all.size();
            return all[(size_t) (((at - all.begin()) + direction + n) % n)];
        }

        juce::Component& owner;
        std::function<std::vector<juce::Component*>()> areas;
        std::function<juce::Component*()> topPanel;
        std::function<juce::Component*()> home;
    };

    constexpr int barShortcutCount = 8;

    /** Escape in a window of its own (library manager, MIDI monitor) closes it, once the key's call is over. */
    class EscapeClosesWindow final : public juce::KeyListener
    {
    public:
        explicit EscapeClosesWindow (std::function<void (juce::Component& window)> c) : close (std::move (c)) {}

        bool keyPressed (const juce::KeyPress& key, juce::Component* origin) override
        {
            if (! key.isKeyCode (juce::KeyPress::escapeKey) || key.getModifiers().isAnyModifierKeyDown() || origin == nullptr)
                return false;
            close (*origin->getTopLevelComponent());
            return true;
        }

    private:
        std::function<void (juce::Component&)> close;
    };
} // namespace

juce::KeyListener& MainComp::windowKeys()
{
    if (windowKeyListener == nullptr)
        windowKeyListener = std::make_unique<EscapeClosesWindow> ([safe = juce::Component::SafePointer<MainComp> (this)] (juce::Component& window) {
            juce::MessageManager::callAsync ([safe, w = juce::Component::SafePointer<juce::Component> (&window)] {
                if (safe == nullptr || w == nullptr)
                    return;
                if (w == safe->libraryManagerWindow())
                    safe->closeLibraryManager();
                else if (w == safe->midiMonitorWindow())
                    safe->closeMidiMonitor();
            });
        });
    return *windowKeyListener;
}

std::vector<juce::Component*> MainComp::focusAreas() const
{
    // While a panel or dialog is open over the pages, the keys stay in it.
    if (auto* top = topPanel())
        return { top };
    std::vector<juce::Component*> areas { bar.get() };
    for (const auto& s : pages)
        if (s.shown && s.component != nullptr)
            areas.push_back (s.component.get());
    if (controller.editorMemory().isKeyboardOpen())
        areas.push_back (keyboard.get());
    areas.push_back (player.get());
    return areas;
}

juce::Component* MainComp::topPanel() const
{
    // From the topmost down: a dialog first, then the panels over the pages.
    for (juce::Component* c : { static_cast<juce::Component*> (writer.get()), static_cast<juce::Component*> (transferSelection.get()),
                                static_cast<juce::Component*> (scanner.get()), static_cast<juce::Component*> (setupPanel.get()),
                                static_cast<juce::Component*> (hostPanel.get()), static_cast<juce::Component*> (libraryPanel.get()),
                                static_cast<juce::Component*> (monitorPanel.get()), static_cast<juce::Component*> (version.get()) })
        if (c != nullptr && c->isVisible())
            return c;
    return nullptr;
}

std::unique_ptr<juce::ComponentTraverser> MainComp::createKeyboardFocusTraverser()
{
    // While the children are being taken down, the focus they give away goes the framework's way.
    if (! childrenBuilt)
        return juce::Component::createKeyboardFocusTraverser();
    return std::make_unique<AreasFocusTraverser> (*this, [this] { return focusAreas(); }, [this] { return topPanel(); },
                                                  [this] { return player != nullptr && topPanel() == nullptr && player->isVisible() ? player.get() : nullptr; });
}

void MainComp::moveFocus (bool forwards)
{
    auto traverser = createKeyboardFocusTraverser();
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    juce::Component* next = nullptr;
    if (focused != nullptr && isParentOf (focused))
        next = forwards ? traverser->getNextComponent (focused) : traverser->getPreviousComponent (focused);
    else if (const auto all = traverser->getAllComponents (this); ! all.empty())
        next = forwards ? all.front() : all.back();
    if (next != nullptr)
        next->grabKeyboardFocus();
}

bool MainComp::closeTopPanel()
{
    auto* top = topPanel();
    auto* focused = juce::Component::getCurrentlyFocusedComponent();
    const bool keysInPanel = top != nullptr && focused != nullptr && (focused == top || top->isParentOf (focused));
    const bool closed = closeTopPanelOnly();
    // Keys that went with the panel come back to the player, so the window goes on answering them.
    if (closed && keysInPanel && player->isShowing())
        player->grabKeyboardFocus();
    return closed;
}

bool MainComp::closeTopPanelOnly()
{
    if (writer != nullptr && writer->isVisible())
        writer->cancelPressed(); // as its CANCEL: it finishes and goes once its call is over
    else if (transferSelection != nullptr)
        setTransferPanelShown (0);
    else if (scanner != nullptr && scanner->isVisible())
        setScanMode (false);
    else if (isMidiSetupShown())
        pageCommand (pagecommand::midiSetup, 0);
    else if (hostPanel != nullptr && hostPanel->isVisible())
        closeUpdateHostPanel();
    else if (libraryPanel != nullptr && libraryPanel->isVisible())
        closeLibraryManager();
    else if (monitorPanel != nullptr && monitorPanel->isVisible())
        closeMidiMonitor();
    else if (isVersionPanelShown())
        pageCommand (pagecommand::versionPanel, 0);
    else if (controller.editorMemory().isKeyboardOpen())
        pageCommand (pagecommand::keyboardPanel, 0);
    else
        return false;
    return true;
}

bool MainComp::keyPressed (const juce::KeyPress& key)
{
    const auto mods = key.getModifiers();
    if (key.isKeyCode (juce::KeyPress::escapeKey) && ! mods.isAnyModifierKeyDown())
        return closeTopPanel();

    // Ctrl+1 to Ctrl+8: the application bar's buttons, left to right.
    const int code = key.getKeyCode();
    if ((mods.isCtrlDown() || mods.isCommandDown()) && ! mods.isAltDown() && code >= '1' && code < '1' + barShortcutCount)
    {
        if (auto* b = bar->buttonAt (code - '1'); b != nullptr && b->isEnabled())
            gskButtonPressed (b->number());
        return true;
    }

    // What nothing else took (the player keeps the plain letters) goes to the page shown: an editor's undo keys.
    if (topPanel() == nullptr)
        for (auto& s : pages)
            if (s.shown && s.component != nullptr && s.component->keyPressed (key))
                return true;
    return false;
}

} // namespace zr9
