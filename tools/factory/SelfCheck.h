#pragma once

#include "FactoryFacts.h"

#include "model/ByteView.h"

#include <map>
#include <string>
#include <vector>

namespace zr9::factory
{

/** A bank image read entry by entry, independently of the bank indexer. */
struct ScannedBank
{
    std::map<int, ByteView> records;   // every entry by number, empty ones included
    std::string error;                 // empty when the image is well formed
};

/** Reads open tag, entries 1, 2, ... in order and close tag; the image must end right behind the close tag. */
ScannedBank scanBank (ByteView image, int typeId);

using Problems = std::vector<std::string>;

/** Size, numbers, objects with data, where they lie, example names and record sizes. */
Problems checkFacts (const FactoryBankFacts& facts, ByteView image);

/** Every program, setup and FX chain walks to its end; references name factory objects; bytes fit the layouts. */
Problems checkRecords (const std::map<int, Bytes>& imagesByType);

Problems checkArrangementBank (ByteView bank);

} // namespace zr9::factory
