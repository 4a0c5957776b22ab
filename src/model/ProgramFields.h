#pragma once

#include "ByteView.h"

namespace zr9::program
{

/** How a common or layer field sits in its bytes. */
enum class FieldKind
{
    byte,         // one unsigned byte
    signedByte,   // one byte read as -128 to 127
    negatedByte,  // one byte, shown negated: reads -byte, writes -value
    signedWord,   // big-endian 16 bits, high byte first
    bit,          // one bit; writing it keeps the other seven
    low7          // bits 0 to 6; writing them keeps bit 7
};

struct Field
{
    int offset;
    FieldKind kind;
    int bit = 0;
};

/** Reads a field; bytes beyond the view read 0. */
int readField (ByteView bytes, Field f) noexcept;
/** Writes a field by its rules; a write beyond the bytes is dropped. */
void writeField (Bytes& bytes, Field f, int value) noexcept;

// The program's common fields, named after their offset in the record.
namespace common
{
constexpr Field category { 30, FieldKind::byte };
constexpr Field subType { 31, FieldKind::byte };
constexpr Field word32 { 32, FieldKind::signedWord };
constexpr Field layerCount { 60, FieldKind::byte };
constexpr Field switch61 (int bit) { return { 61, FieldKind::bit, bit }; } // bits 0 to 4
constexpr Field byte62 { 62, FieldKind::byte };
constexpr Field byte63 { 63, FieldKind::byte };
constexpr Field byte65 { 65, FieldKind::byte };
constexpr Field negated78 { 78, FieldKind::negatedByte };
constexpr Field byte80 { 80, FieldKind::byte };
constexpr Field byte82 { 82, FieldKind::byte };
constexpr Field byte83 { 83, FieldKind::byte };
constexpr Field fxSwitch108 (int bit) { return { 108, FieldKind::bit, bit }; } // bits 0 to 2
constexpr Field fxWord109 { 109, FieldKind::signedWord };
constexpr Field fxSwitch111 { 111, FieldKind::bit, 7 };
constexpr Field fxValue111 { 111, FieldKind::low7 };
constexpr Field fxSwitch112 { 112, FieldKind::bit, 7 };
constexpr Field fxValue112 { 112, FieldKind::low7 };
constexpr Field fxByte115 { 115, FieldKind::byte };
constexpr Field fxByte116 { 116, FieldKind::byte };
constexpr Field fxSwitch120 { 120, FieldKind::bit, 0 };
constexpr Field fxWord121 { 121, FieldKind::signedWord };
constexpr Field fxSwitch132 { 132, FieldKind::bit, 0 };
constexpr Field fxWord133 { 133, FieldKind::signedWord };
constexpr Field mode { 157, FieldKind::byte };
constexpr int commonStart = 25;
constexpr int commonSize = 133;
constexpr int tw3ModeByte = 'x';
} // namespace common

// A layer's fields, offsets within its 318 bytes.
namespace layer
{
constexpr Field lowKey { 2, FieldKind::byte };
constexpr Field highKey { 3, FieldKind::byte };
constexpr Field switch7 { 7, FieldKind::bit, 5 };
constexpr Field word138 { 138, FieldKind::signedWord };
constexpr Field keyMap { 142, FieldKind::signedWord };
constexpr Field summary208 { 208, FieldKind::signedByte };
constexpr int nameOffset = 290;
} // namespace layer

} // namespace zr9::program
