#pragma once

#include "model/ByteView.h"

namespace zr9::factory
{

constexpr int arrangementSlots = 64;
constexpr int arrangementRecordSize = 300;

/** The factory arrangement bank: 64 records of 300 bytes, slots 1 to 3 the factory arrangements, the rest blank. */
Bytes buildArrangementBank();

} // namespace zr9::factory
