#pragma once

#include "ByteView.h"

namespace zr9
{

/**
    A bank byte string of the type's format with an empty slot (an entry
    without record bytes) for every number from 1 to lastNumber. Objects can
    be stored into any of those numbers; a bank with no entries at all has
    no place for any. Empty for types without a bank.
*/
Bytes blankBankImage (int typeId, int lastNumber);

} // namespace zr9
