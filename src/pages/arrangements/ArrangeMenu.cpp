#include "ArrangeMenu.h"

#include "library/LibraryFolder.h"
#include "library/ArrangementHost.h"
#include "ui/SkinPalette.h"

namespace zr9
{

ArrangeMenu::ArrangeMenu (ArrangementHost& p, FileMan& f, ShowMessage s)
    : host (p), files (f), showMessage (std::move (s))
{
    look.setColour (juce::PopupMenu::backgroundColourId, skin::colours::black);
    look.setColour (juce::PopupMenu::textColourId, skin::colours::white);
    look.setColour (juce::PopupMenu::headerTextColourId, skin::colours::white);
    look.setColour (juce::PopupMenu::highlightedTextColourId, skin::colours::white);
    look.setColour (juce::PopupMenu::highlightedBackgroundColourId, skin::colours::menuHighlight);

    items.push_back ({ itemSaveCurrent, "Save Current Arrangement", [this] { saveCurrent(); } });
    items.push_back ({ itemLoad, "Load Arrangement", [this] { load(); } });
}

ArrangeMenu::~ArrangeMenu()
{
    *alive = false;
    juce::PopupMenu::dismissAllActiveMenus();
}

void ArrangeMenu::addItem (int id, const juce::String& text, std::function<void()> action)
{
    items.push_back ({ id, text, std::move (action) });
}

juce::PopupMenu ArrangeMenu::menu()
{
    juce::PopupMenu m;
    m.setLookAndFeel (&look);
    for (const auto& item : items)
        m.addItem (item.id, item.text);
    return m;
}

void ArrangeMenu::show (juce::Component& target)
{
    showing = true;
    std::weak_ptr<bool> stillHere = alive;
    menu().showMenuAsync (juce::PopupMenu::Options().withTargetComponent (&target),
                          [this, stillHere] (int chosen)
                          {
                              if (stillHere.expired() || ! *stillHere.lock())
                                  return;
                              showing = false;
                              perform (chosen);
                          });
}

void ArrangeMenu::perform (int itemId)
{
    for (const auto& item : items)
        if (item.id == itemId && item.action != nullptr)
            return item.action();
}

void ArrangeMenu::saveCurrent()
{
    std::weak_ptr<bool> stillHere = alive;
    files.chooseFile (FileMan::kindSaveArrangement, untitled, [this, stillHere] (std::optional<juce::File> file)
    {
        if (! file.has_value() || stillHere.expired())
            return;
        const auto blob = host.currentArrangementState();
        if (writeDataFile (*file, blob.getData(), blob.getSize()))
            showMessage ("ARRANGEMENT SAVED: " + file->getFileName());
        else
            showMessage ("COULD NOT SAVE " + file->getFullPathName());
    });
}

void ArrangeMenu::load()
{
    std::weak_ptr<bool> stillHere = alive;
    files.chooseFile (FileMan::kindLoadArrangement, {}, [this, stillHere] (std::optional<juce::File> file)
    {
        if (! file.has_value() || stillHere.expired() || ! file->existsAsFile())
            return;
        const auto bytes = readDataFile (*file);
        if (host.loadArrangementState (bytes.getData(), (int) bytes.getSize()))
            showMessage ("ARRANGEMENT LOADED: " + file->getFileName());
        else
            showMessage ("NOT AN ARRANGEMENT: " + file->getFileName());
    });
}

} // namespace zr9
