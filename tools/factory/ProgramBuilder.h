#pragma once

#include "FxChainBuilder.h"
#include "KeyMapBuilder.h"

namespace zr9::factory
{

/** Bytes behind the control route block in every factory program. */
constexpr int programTailSize = 152;

/**
    The factory programs 1 to 256 and 1021 to 1024: common part, layers that
    use factory key maps, channel-mixer bytes that name factory FX chains, an
    info block of named controls and a control route block, then the tail.
    Layer counts and info text terminators are chosen so that the records add
    up to `recordBytes` exactly.
*/
BankContent buildPrograms (long long recordBytes, const KeyMapBank& keyMaps, const FxChainBank& fxChains);

} // namespace zr9::factory
