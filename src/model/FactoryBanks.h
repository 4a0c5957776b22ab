#pragma once

#include "ByteView.h"

namespace zr9
{

/**
    The factory bank images that the program carries as constant data.
    They are made at build time by the factory-bank generator in tools/ and
    embedded into the program; each is a complete bank byte string from the
    bank open tag to the bank close tag.
*/
class Factory_Banks_ZR9
{
public:
    /** The factory image of one of the eight start-up types; an empty view for any other type. */
    static ByteView image (int typeId) noexcept;

    /** The factory arrangement bank: 64 arrangement records of 300 bytes, slot 1 first. */
    static ByteView arrangementBank() noexcept;
};

} // namespace zr9
