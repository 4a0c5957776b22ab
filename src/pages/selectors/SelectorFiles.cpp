#include "SelectorFiles.h"

#include <algorithm>

namespace zr9
{

namespace
{
    bool isSysex (SelectorFiles::Command c) noexcept
    {
        return c == SelectorFiles::exportSelectedSysex || c == SelectorFiles::exportAllSysex;
    }

    bool isSelection (SelectorFiles::Command c) noexcept
    {
        return c == SelectorFiles::exportSelectedBank || c == SelectorFiles::exportSelectedSysex;
    }
} // namespace

SelectorFiles::SelectorFiles (juce::Component& o, MidiCntrState& c, ObjBankHolder& h) : owner (o), controller (c), holder (h) {}

SelectorFiles::~SelectorFiles()
{
    *alive = false;
    panel.reset();
}

std::vector<int> SelectorFiles::everyNumber() const
{
    return holder.bank().idList (4);
}

juce::String SelectorFiles::refusal (Command command, const std::vector<int>& selected) const
{
    if (! isAvailable())
        return "Files cannot be reached here.";
    if (command == importCommand)
        return {};
    if (isSysex (command))
        if (const auto why = objectfiles::formatRefusal (holder.typeId(), objectfiles::Format::sysex); why.isNotEmpty())
            return why;
    if (isSelection (command) && selected.empty())
        return "Select what to export in the list first (Ctrl-click or Shift-click selects several).";
    if (! isSelection (command) && everyNumber().empty())
        return "The bank holds nothing to export.";
    return {};
}

void SelectorFiles::showMenu (juce::Component& button, std::vector<int> selected)
{
    const int type = holder.typeId();
    const auto plural = juce::String (objectWord (type, 2));
    const auto many = juce::String (selected.size()) + " selected " + juce::String (objectWord (type, (int) selected.size()));

    juce::PopupMenu menu;
    menu.addItem (importCommand, "Import from a file...");
    menu.addSeparator();
    menu.addItem (exportSelectedBank, "Export " + many + " to a bank file...", refusal (exportSelectedBank, selected).isEmpty());
    menu.addItem (exportAllBank, "Export every " + juce::String (objectWord (type, 1)) + " to a bank file...",
                  refusal (exportAllBank, selected).isEmpty());
    const auto sysexWhy = objectfiles::formatRefusal (type, objectfiles::Format::sysex);
    if (sysexWhy.isEmpty())
    {
        menu.addItem (exportSelectedSysex, "Export " + many + " to a .syx file...", refusal (exportSelectedSysex, selected).isEmpty());
        menu.addItem (exportAllSysex, "Export every " + juce::String (objectWord (type, 1)) + " to a .syx file...",
                      refusal (exportAllSysex, selected).isEmpty());
    }
    else
    {
        menu.addItem (exportAllSysex, "No .syx file of " + plural + ": the instrument cannot store them from one", false);
    }

    menu.showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&button),
                        [this, selected, alive = alive] (int chosen)
                        {
                            if (*alive && chosen > 0)
                                run ((Command) chosen, selected);
                        });
}

juce::String SelectorFiles::defaultName (const std::vector<int>& numbers) const
{
    const int type = holder.typeId();
    if (numbers.size() == 1)
    {
        auto name = juce::String (holder.bank().name (numbers.front())).trim();
        return juce::String (numbers.front()) + (name.isNotEmpty() ? " " + name : juce::String());
    }
    const auto plural = juce::String (objectWord (type, 2));
    const auto title = plural.substring (0, 1).toUpperCase() + plural.substring (1);
    if (numbers.empty())
        return "ZR9 " + title;
    return "ZR9 " + title + " " + juce::String (numbers.front()) + "-" + juce::String (numbers.back());
}

void SelectorFiles::run (Command command, std::vector<int> selected)
{
    if (const auto why = refusal (command, selected); why.isNotEmpty())
    {
        report (why, true);
        return;
    }
    if (command == importCommand)
    {
        reach.files->chooseFile (FileMan::kindImportObjects, {}, [this, alive = alive] (std::optional<juce::File> file)
        {
            if (*alive && file.has_value())
                importFrom (*file);
        });
        return;
    }

    auto numbers = isSelection (command) ? selected : everyNumber();
    std::sort (numbers.begin(), numbers.end());
    const auto format = isSysex (command) ? objectfiles::Format::sysex : objectfiles::Format::bank;
    const int kind = format == objectfiles::Format::sysex ? FileMan::kindExportSysex : FileMan::kindExportBank;
    reach.files->chooseFile (kind, defaultName (isSelection (command) ? numbers : std::vector<int>()),
                             [this, numbers, format, alive = alive] (std::optional<juce::File> file)
                             {
                                 if (*alive && file.has_value())
                                     exportTo (numbers, format, *file);
                             });
}

void SelectorFiles::exportTo (const std::vector<int>& numbers, objectfiles::Format format, const juce::File& file)
{
    const auto result = objectfiles::exportObjects (holder.bank(), numbers, format, file);
    if (result.error.isNotEmpty())
    {
        report (result.error, true);
        return;
    }
    report ("Exported " + juce::String (result.written) + " " + juce::String (objectWord (holder.typeId(), result.written)) + " to "
                + file.getFileName() + ".",
            false);
}

void SelectorFiles::importFrom (const juce::File& file)
{
    auto contents = objectfiles::read (file);
    if (contents.objects.empty())
    {
        juce::String text = "Nothing to import from " + file.getFileName() + ".";
        for (const auto& p : contents.problems)
            text << " " << juce::String (p);
        report (text, true);
        return;
    }
    if (controller.model().holderFor (contents.typeId) == nullptr)
    {
        report (file.getFileName() + " holds objects the library keeps no bank for.", true);
        return;
    }

    panel = std::make_unique<ImportPanel> (controller, std::move (contents), file.getFileName(), reach.saveBank);
    panel->onFinished = [this] (const juce::String& status)
    {
        // The panel's own button is still running: it goes once that is over.
        juce::MessageManager::callAsync ([this, status, alive = alive]
        {
            if (! *alive)
                return;
            closePanel();
            report (status, false);
        });
    };
    owner.addAndMakeVisible (*panel);
    layOut();
    panel->toFront (true);
}

void SelectorFiles::closePanel()
{
    if (panel != nullptr)
    {
        owner.removeChildComponent (panel.get());
        panel.reset();
    }
}

void SelectorFiles::layOut()
{
    if (panel != nullptr)
        panel->setBounds (owner.getLocalBounds());
}

void SelectorFiles::report (const juce::String& text, bool problem)
{
    if (onStatus != nullptr)
        onStatus (text, problem);
    if (reach.tell != nullptr)
        reach.tell (text);
}

} // namespace zr9
