#include "SysexFile.h"

#include "ObjectRecord.h"
#include "ObjectTypes.h"
#include "ProgramParts.h"
#include "ProgramSequences.h"
#include "SevenBitPacking.h"
#include "SysexFormat.h"

#include <algorithm>
#include <optional>

namespace zr9::syxfile
{

namespace
{
    constexpr int partInfo = 4, partBody = 5, partCommon = 0;
    constexpr int kindLast = 1, kindFollowing = 3;
    constexpr std::size_t partDumpHead = 12;   // frame, number, slot, part, element, kind: the packed data follows
    constexpr std::uint8_t firstRealTime = 0xF8;

    bool isStatus (std::uint8_t b) noexcept { return b >= 0x80; }
    bool isRealTime (std::uint8_t b) noexcept { return b >= firstRealTime; }
    bool isSpace (std::uint8_t b) noexcept { return b == ' ' || b == '\t' || b == '\r' || b == '\n'; }

    /** The parts of one write sequence as they come in. */
    struct Sequence
    {
        int slot = -1;
        int number = -1;
        Bytes info, body;
        bool hasBody = false;
    };

    struct Counts
    {
        int foreign = 0;       // other makers' and instruments' messages
        int otherCommands = 0; // the instrument's own messages that store no program
        int broken = 0;        // a status byte inside, or no end
        int stray = 0;         // bytes between messages
        int incomplete = 0;    // sequences missing a part, or parts that do not fit
    };

    void take (const sysex::Reader& m, std::optional<Sequence>& open, Counts& counts, FileContents& contents)
    {
        if (! m.isProtocolMessage() || m[1] != sysex::manufacturerId)
        {
            ++counts.foreign;
            return;
        }
        // Part dumps carry kind 3 (more to come) or 1 (the last); requests and store-with-name have others.
        const int kind = m[sysex::at::kind];
        const bool partDump = m[sysex::at::command] == sysex::commandProgramPart && m.size() > partDumpHead
                           && (kind == kindLast || kind == kindFollowing);
        const int part = m[sysex::at::part];
        if (! partDump || (part != partInfo && part != partBody && part != partCommon))
        {
            ++counts.otherCommands;
            return;
        }
        const int slot = m[sysex::at::slot];
        const int number = m.number14Hi (sysex::at::number);
        const auto data = sysex::unpack (m.bytes() + partDumpHead, m.size() - partDumpHead);
        const bool continues = open && open->slot == slot && open->number == number;

        if (part == partInfo)
        {
            if (open)
                ++counts.incomplete; // the one before never got its last part
            open = Sequence { slot, number, data, {}, false };
            return;
        }
        if (part == partBody)
        {
            if (! continues || open->hasBody)
            {
                ++counts.incomplete;
                open.reset();
                return;
            }
            open->body = data;
            open->hasBody = true;
            return;
        }
        // Part 0 with kind 1 ends the sequence and carries the head of the record.
        if (! continues || ! open->hasBody || kind != kindLast)
        {
            ++counts.incomplete;
            open.reset();
            return;
        }
        auto record = program::fromWriteParts (ByteView (data), ByteView (open->body), ByteView (open->info));
        const ByteView r (record);
        // The three parts must be the cuts of one program: its layer count sets where they meet.
        const bool fits = ! record.empty() && data.size() == (std::size_t) program::headSize
                       && program::writeBodyPart (r) == open->body && program::writeInfoPart (r) == open->info;
        if (fits)
            contents.objects.push_back ({ number, std::move (record), false, false });
        else
            ++counts.incomplete;
        open.reset();
    }

    std::string sentence (int count, const char* one, const char* many)
    {
        return std::to_string (count) + " " + (count == 1 ? one : many);
    }
} // namespace

Bytes write (std::vector<Program> programs, int device)
{
    programs.erase (std::remove_if (programs.begin(), programs.end(), [] (const Program& p) {
        return p.number < 1 || p.record.size() <= (std::size_t) ObjectRecord::nameLength;
    }), programs.end());
    std::stable_sort (programs.begin(), programs.end(), [] (const Program& a, const Program& b) { return a.number < b.number; });

    Bytes out;
    for (const auto& p : programs)
        for (const auto& m : program::writeSequenceFor (device, program::transferSlot, p.number, p.record))
            out.insert (out.end(), m.begin(), m.end());
    return out;
}

bool looksLikeSysex (ByteView bytes) noexcept
{
    for (std::size_t i = 0; i < bytes.size(); ++i)
        if (! isSpace ((std::uint8_t) bytes.byte ((long long) i)))
            return bytes.byte ((long long) i) == sysex::start;
    return false;
}

FileContents read (ByteView bytes)
{
    FileContents contents;
    contents.format = FileContents::Format::sysex;
    contents.typeId = typeProgram;

    Counts counts;
    std::optional<Sequence> open;
    bool cutShort = false, anyMessage = false;
    std::size_t at = 0;
    const std::size_t size = bytes.size();
    while (at < size)
    {
        const auto b = (std::uint8_t) bytes.byte ((long long) at);
        if (b != sysex::start)
        {
            // Bytes between messages; a run of them counts once.
            if (! isRealTime (b))
            {
                ++counts.stray;
                while (at < size && bytes.byte ((long long) at) != sysex::start)
                    ++at;
                continue;
            }
            ++at;
            continue;
        }

        anyMessage = true;
        sysex::Message message { sysex::start };
        std::size_t i = at + 1;
        bool ended = false, broken = false;
        for (; i < size; ++i)
        {
            const auto c = (std::uint8_t) bytes.byte ((long long) i);
            if (c == sysex::end)
            {
                message.push_back (c);
                ended = true;
                ++i;
                break;
            }
            if (isRealTime (c))
                continue; // real-time bytes may stand inside a message and are not part of it
            if (isStatus (c))
            {
                broken = true; // the message ends here; the status byte starts what follows
                break;
            }
            message.push_back (c);
        }
        at = i;
        if (! ended)
        {
            ++counts.broken;
            cutShort = cutShort || ! broken;
            // What follows the status byte up to the next message belongs to the damage, not to a run of its own.
            while (at < size && bytes.byte ((long long) at) != sysex::start)
                ++at;
            continue;
        }
        take (sysex::Reader (message), open, counts, contents);
    }
    if (open)
        ++counts.incomplete;

    if (! anyMessage)
        contents.problems.push_back ("It holds no System Exclusive message.");
    if (counts.foreign > 0)
        contents.problems.push_back (sentence (counts.foreign, "message of another maker or instrument was", "messages of other makers or instruments were")
                                     + " passed over.");
    if (counts.otherCommands > 0)
        contents.problems.push_back (sentence (counts.otherCommands, "message of the instrument that stores no program was",
                                               "messages of the instrument that store no program were") + " passed over.");
    if (counts.broken > 0)
        contents.problems.push_back (sentence (counts.broken, "broken message was", "broken messages were") + " passed over"
                                     + (cutShort ? "; the file ends inside a message." : "."));
    if (counts.stray > 0)
        contents.problems.push_back (sentence (counts.stray, "run of bytes outside any message was", "runs of bytes outside any message were")
                                     + " passed over.");
    if (counts.incomplete > 0)
        contents.problems.push_back (sentence (counts.incomplete, "program write sequence was", "program write sequences were")
                                     + " incomplete or did not fit together, and left out.");
    checkObjects (contents);
    return contents;
}

} // namespace zr9::syxfile
