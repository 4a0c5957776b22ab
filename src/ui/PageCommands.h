#pragma once

namespace zr9
{

/** The commands of the main component's one page-changing operation. */
namespace pagecommand
{
    constexpr int versionPanel = 102;
    constexpr int midiSetup = 104;
    constexpr int keyboardPanel = 105;
    constexpr int controls = 111;
    constexpr int mixer = 113;
    /** Opens (mode 1) or closes (mode 0) the library manager, as the selectors' "LIBRARY" does. */
    constexpr int libraryManager = 128;
    /** Any other command opens the object selector of the type it carries. */
    constexpr int selector = 0;
} // namespace pagecommand

/**
    The object types a selector command names; the effect-chain selector has
    one per effect slot of a channel, and its command carries the channel
    (0 to 15) as its first value.
*/
namespace selectortype
{
    constexpr int insertChain = 0;
    constexpr int aux1Chain = 3;
    constexpr int aux2Chain = 6;
    constexpr int program = 11;
    constexpr int intonation = 103;
    constexpr int song = 112;
    constexpr int setup = 114;
    constexpr int keyMap = 133;
    constexpr int shiftPattern = 163;
    constexpr int velocityPattern = 164;
    constexpr int arpeggiator = 168;
    constexpr int algorithm = 787;
} // namespace selectortype

} // namespace zr9
