#include "PartData.h"

#include "SevenBitPacking.h"

namespace zr9::sysex
{

namespace
{
    constexpr std::size_t shortMessageLength = 13;
    constexpr std::uint8_t numberAddressed = 0x20;
    constexpr int programSlots = 16;
    constexpr std::size_t anyLength = 0;
    constexpr std::size_t nameAt = 12;
    constexpr std::size_t nameLength = 20;

    struct Rule
    {
        std::size_t requiredLength; // anyLength: no check
        std::size_t dataFrom;
        PartTarget target;
    };

    /** The length and data offset each command and part must have; empty for parts that are ignored. */
    std::optional<Rule> ruleFor (std::uint8_t command, int part)
    {
        switch (command)
        {
            case commandProgramPart:
                switch (part)
                {
                    case 0: return Rule { 185, 32, PartTarget::programCommon };
                    case 1: return Rule { 377, 12, PartTarget::programLayer };
                    case 2: return Rule { 119, 12, PartTarget::programPart2 };
                    case 4: return Rule { anyLength, 12, PartTarget::programPart4 };
                    case 6: return Rule { anyLength, 12, PartTarget::programArp };
                    default: return std::nullopt;
                }
            case commandGlobalPart:
                if (part >= 0 && part <= 3)
                    return Rule { anyLength, 12, PartTarget::masterPart };
                return std::nullopt;
            case commandSetupPart:
                switch (part)
                {
                    case 0: return Rule { 85, 32, PartTarget::setupCommon };
                    case 1: return Rule { 464, 12, PartTarget::setupPart1 };
                    case 2: return Rule { anyLength, 12, PartTarget::setupZone };
                    default: return std::nullopt;
                }
            case commandUnused05:
                return Rule { 41, 12, PartTarget::none };
            case commandUnused0D:
                if (part == 0)
                    return Rule { anyLength, 32, PartTarget::none };
                if (part >= 16 && part <= 32)
                    return Rule { anyLength, 12, PartTarget::none };
                return std::nullopt;
            default:
                return std::nullopt;
        }
    }
} // namespace

std::optional<PartData> readPartData (Reader m)
{
    if (m.size() <= shortMessageLength || m[at::kind] != 1 || m[at::slot] == numberAddressed)
        return std::nullopt;

    PartData p;
    p.command = m[at::command];
    p.slot = m[at::slot];
    p.part = m[at::part];
    p.element = m[at::element];

    const auto rule = ruleFor (p.command, p.part);
    if (! rule || (rule->requiredLength != anyLength && m.size() != rule->requiredLength))
        return std::nullopt;
    if (p.command == commandProgramPart && p.slot >= programSlots)
        return std::nullopt;

    p.target = rule->target;
    if (m.size() > rule->dataFrom)
        p.data = unpack (m.bytes() + rule->dataFrom, m.size() - rule->dataFrom);

    // The common parts carry the object's name between the head and the packed data.
    if (p.target == PartTarget::setupCommon || p.target == PartTarget::programCommon)
        for (std::size_t i = nameAt; i < nameAt + nameLength; ++i)
            p.name.push_back ((char) m[i]);
    return p;
}

} // namespace zr9::sysex
