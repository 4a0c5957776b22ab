#include "LibPreview.h"

#include "model/ArrangementState.h"
#include "model/ObjProgramBankClass.h"
#include "model/ProgramCategories.h"
#include "ui/SkinFonts.h"
#include "ui/SkinPalette.h"

namespace zr9
{

namespace
{
    constexpr int titleHeight = 34;
    constexpr int numberDigits = 4;
} // namespace

void LibPreview::show (const juce::String& title, ByteView data, const ObjProgramBankClass& programs)
{
    heading = title;
    programRows.clear();
    if (data.matches (0, ArrangementState::tag, (std::size_t) ArrangementState::tagSize))
    {
        // Reads of a record cut short give 0 beyond its end.
        const auto record = data.slice (ArrangementState::recordOffset, arrangement::recordSize);
        const auto& fields = arrangement::liveFields();
        for (int c = 0; c < channelCount; ++c)
        {
            const int program = arrangement::readField (record, fields[(size_t) c]);
            Row row;
            row.channel = juce::String (c + 1) + ".";
            row.number = juce::String (program).paddedLeft ('0', numberDigits);
            if (programs.exists (program))
            {
                const int category = programs.category (program);
                row.name = juce::String (programs.name (program)).trimEnd();
                row.category = juce::String (programCategoryText (category));
                row.subType = juce::String (programSubTypeName (category, programs.subType (program)));
            }
            programRows.push_back (row);
        }
    }
    repaint();
}

void LibPreview::paint (juce::Graphics& g)
{
    const auto all = getLocalBounds().toFloat().reduced (0.5f);
    g.setColour (skin::colours::libraryList);
    g.fillRoundedRectangle (all, 4.0f);
    g.setColour (skin::colours::libraryFrame);
    g.drawRoundedRectangle (all, 4.0f, 1.0f);

    auto area = getLocalBounds().reduced (8, 0);
    g.setColour (skin::colours::libraryText);
    g.setFont (skin::font (15.0f, true));
    g.drawText (heading, area.removeFromTop (titleHeight), juce::Justification::centredLeft, true);

    if (programRows.empty())
    {
        g.setColour (skin::colours::libraryTextDim);
        g.setFont (skin::font (13.0f));
        g.drawText ("This entry holds no arrangement.", area.removeFromTop (24), juce::Justification::centredLeft);
        return;
    }

    const int rowHeight = juce::jmax (1, area.getHeight() / channelCount);
    for (const auto& row : programRows)
    {
        auto line = area.removeFromTop (rowHeight);
        g.setColour (skin::colours::libraryFrame);
        g.drawHorizontalLine (line.getY(), (float) line.getX(), (float) line.getRight());

        auto top = line.withHeight (rowHeight * 3 / 5);
        auto bottom = line.withTrimmedTop (top.getHeight() - 2);
        g.setFont (skin::font (12.0f));
        g.setColour (skin::colours::libraryTextDim);
        g.drawText (row.channel, top.removeFromLeft (26), juce::Justification::centredLeft);
        g.setColour (skin::colours::accent.brighter (0.3f));
        g.setFont (skin::font (12.0f, true));
        g.drawText (row.number, top.removeFromLeft (38), juce::Justification::centredLeft);
        g.setColour (row.name.isEmpty() ? skin::colours::libraryTextDim : skin::colours::libraryText);
        g.setFont (row.name.isEmpty() ? skin::font (13.0f).italicised() : skin::font (13.0f));
        g.drawText (row.name.isEmpty() ? juce::String ("not in the program library") : row.name, top, juce::Justification::centredLeft, true);

        bottom.removeFromLeft (64);
        g.setColour (skin::colours::libraryTextDim);
        g.setFont (skin::font (10.5f));
        const auto kind = row.subType.isEmpty() ? row.category : row.category + " / " + row.subType;
        g.drawText (kind, bottom, juce::Justification::centredLeft, true);
    }
}

} // namespace zr9
