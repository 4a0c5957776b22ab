#include "FactoryBanks.h"

#include "ObjectTypes.h"

// Defined by the assembler file that embeds the generated images.
#define ZR9_FACTORY_IMAGE(name) \
    extern "C" const std::uint8_t zr9_factory_##name##_begin[]; \
    extern "C" const std::uint8_t zr9_factory_##name##_end[];

ZR9_FACTORY_IMAGE (138)
ZR9_FACTORY_IMAGE (155)
ZR9_FACTORY_IMAGE (156)
ZR9_FACTORY_IMAGE (133)
ZR9_FACTORY_IMAGE (103)
ZR9_FACTORY_IMAGE (163)
ZR9_FACTORY_IMAGE (164)
ZR9_FACTORY_IMAGE (168)
ZR9_FACTORY_IMAGE (arrangements)

#undef ZR9_FACTORY_IMAGE

namespace zr9
{

namespace
{
    ByteView between (const std::uint8_t* begin, const std::uint8_t* end) noexcept
    {
        return { begin, (std::size_t) (end - begin) };
    }
} // namespace

ByteView Factory_Banks_ZR9::image (int typeId) noexcept
{
    switch (typeId)
    {
        case typeProgram:         return between (zr9_factory_138_begin, zr9_factory_138_end);
        case typeSetup:           return between (zr9_factory_155_begin, zr9_factory_155_end);
        case typeFxChain:         return between (zr9_factory_156_begin, zr9_factory_156_end);
        case typeKeyMap:          return between (zr9_factory_133_begin, zr9_factory_133_end);
        case typeIntonation:      return between (zr9_factory_103_begin, zr9_factory_103_end);
        case typeShiftPattern:    return between (zr9_factory_163_begin, zr9_factory_163_end);
        case typeVelocityPattern: return between (zr9_factory_164_begin, zr9_factory_164_end);
        case typeArpeggiator:     return between (zr9_factory_168_begin, zr9_factory_168_end);
        default:                  return {};
    }
}

ByteView Factory_Banks_ZR9::arrangementBank() noexcept
{
    return between (zr9_factory_arrangements_begin, zr9_factory_arrangements_end);
}

} // namespace zr9
