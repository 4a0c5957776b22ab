#include "SetupPartInbox.h"

namespace zr9
{

void SetupPartInbox::post (sysex::PartData part)
{
    {
        const juce::ScopedLock sl (lock);
        waiting.push_back (std::move (part));
    }
    triggerAsyncUpdate();
}

void SetupPartInbox::handleAsyncUpdate()
{
    std::vector<sysex::PartData> parts;
    {
        const juce::ScopedLock sl (lock);
        parts.swap (waiting);
    }
    for (const auto& p : parts)
        apply (p);
}

void SetupPartInbox::apply (const sysex::PartData& part)
{
    const ByteView bytes (part.data.data(), part.data.size());
    switch (part.target)
    {
        case sysex::PartTarget::setupZone:
            multi.loadZone (part.element, bytes);
            break;
        case sysex::PartTarget::setupCommon:
            // The common part carries the name and the header block.
            multi.setHeader (part.name, bytes);
            break;
        case sysex::PartTarget::setupPart1:
            multi.setCommon (bytes);
            break;
        case sysex::PartTarget::none:
        case sysex::PartTarget::programCommon:
        case sysex::PartTarget::programLayer:
        case sysex::PartTarget::programPart2:
        case sysex::PartTarget::programPart4:
        case sysex::PartTarget::programArp:
        case sysex::PartTarget::masterPart:
            break;
    }
}

} // namespace zr9
