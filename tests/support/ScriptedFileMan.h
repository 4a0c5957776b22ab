#pragma once

#include "library/FileMan.h"

#include <deque>
#include <vector>

namespace zr9::test
{

/**
    Answers each file dialog at once with the next answer the test queued (a
    file, or nothing for a cancelled dialog; cancelled when none is queued),
    and remembers every dialog asked for as (kind, default name).
*/
class ScriptedFileMan final : public FileMan
{
public:
    std::deque<std::optional<juce::File>> answers;
    std::vector<std::pair<int, juce::String>> asked;

    void chooseFile (int kindId, const juce::String& defaultName, Answer reply) override
    {
        asked.push_back ({ kindId, defaultName });
        std::optional<juce::File> answer;
        if (! answers.empty())
        {
            answer = answers.front();
            answers.pop_front();
        }
        reply (answer);
    }

    std::vector<int> kindsAsked() const
    {
        std::vector<int> kinds;
        for (const auto& a : asked)
            kinds.push_back (a.first);
        return kinds;
    }
};

} // namespace zr9::test
