#pragma once

#include "ByteView.h"

#include <string>
#include <vector>

namespace zr9::program
{

// A program travels between the editor and the instrument in parts:
//   part 0, the common part: the name and the common block (bytes 0 to 157);
//   part 2, the further bytes 158 to 248 that sit between the common block and the layers;
//   part 1, one layer (element = layer number);
//   part 4, the program information: the info block, the route block and the bytes behind them;
//   part 5, the body (written only): the further bytes, every layer and the zero byte behind them.
// The write sequence sends parts 4, 5 and 0, which together carry the whole record.
constexpr int headSize = 158;            // bytes 0 to 157: name, format tag, common block
constexpr int furtherOffset = 158;
constexpr int furtherSize = 91;           // bytes 158 to 248
constexpr int maxEditLayers = 32;         // layers an edit object holds

/** A program record cut at the boundaries of its parts. */
struct Pieces
{
    Bytes head;     // bytes 0 to 157, padded with zeros when the record is shorter
    Bytes further;  // bytes 158 to 248, likewise
    Bytes layers;   // n layers of 318 bytes (n = byte 60), zeros where the record ends early
    Bytes trailing; // from the info block to the end of the record
};

/** Cuts a record into its pieces; every byte beyond the record reads 0. */
Pieces split (ByteView record);

/** The record the pieces make: head, further bytes, the layers, a zero byte, the trailing bytes. */
Bytes compose (const Pieces& pieces);

/** Part 0 of the write sequence: record bytes 0 to 157 with the stored name (16 characters, then blanks) in bytes 0 to 19. */
Bytes writeCommonPart (ByteView record, const std::string& name);
/** Part 5 of the write sequence: from byte 158 up to the info block. */
Bytes writeBodyPart (ByteView record);
/** Part 4: from the info block to the end of the record. */
Bytes writeInfoPart (ByteView record);

/** The record the three parts of a write sequence carry; empty when part 0 is shorter than the head. */
Bytes fromWriteParts (ByteView part0, ByteView part5, ByteView part4);

} // namespace zr9::program
