#include "ObjProgramBankClass.h"
#include "ObjectRecord.h"
#include "ProgramCategories.h"
#include "ProgramFields.h"
#include "ProgramLayout.h"

namespace zr9
{

namespace
{
Bytes copyOf (ByteView v)
{
    return Bytes (v.data(), v.data() + v.size());
}

Bytes padded (ByteView r, long long start, int length)
{
    Bytes out ((size_t) length, 0);
    for (int i = 0; i < length; ++i)
        out[(size_t) i] = (std::uint8_t) r.byte (start + i);
    return out;
}

bool insideLayer (int k, int p) noexcept
{
    return k >= 0 && p >= 0 && p < program::layerSize;
}
} // namespace

Bytes ObjProgramBankClass::nameBytes (int n) const
{
    return padded (recordView (n), 0, ObjectRecord::nameLength);
}

bool ObjProgramBankClass::isTw3 (int n) const noexcept
{
    return recordView (n).byte (program::common::mode.offset) == program::common::tw3ModeByte;
}

std::string ObjProgramBankClass::modeText (int n) const
{
    return programModeName (recordView (n).byte (program::common::mode.offset));
}

int ObjProgramBankClass::category (int n) const noexcept
{
    return recordView (n).signedByte (program::common::category.offset);
}

int ObjProgramBankClass::subType (int n) const noexcept
{
    return recordView (n).signedByte (program::common::subType.offset);
}

std::string ObjProgramBankClass::categoryText (int n) const
{
    return programCategoryText (category (n));
}

int ObjProgramBankClass::layerCount (int n) const noexcept
{
    return program::layerCount (recordView (n));
}

Bytes ObjProgramBankClass::commonBytes (int n) const
{
    return padded (recordView (n), program::common::commonStart, program::common::commonSize);
}

int ObjProgramBankClass::layerByte (int n, int k, int p) const noexcept
{
    return insideLayer (k, p) ? recordView (n).byte (program::layerOffset (k) + p) : 0;
}

std::string ObjProgramBankClass::layerName (int n, int k) const
{
    return k >= 0 ? nameFromBytes (recordView (n), program::layerOffset (k) + program::layer::nameOffset) : std::string();
}

int ObjProgramBankClass::layerKeyMap (int n, int k) const noexcept
{
    return k >= 0 ? recordView (n).word (program::layerOffset (k) + program::layer::keyMap.offset) : 0;
}

Bytes ObjProgramBankClass::infoBlock (int n) const
{
    const ByteView r = recordView (n);
    const auto t = program::trailingBlocks (r);
    return copyOf (r.slice (t.infoStart, t.infoSize));
}

Bytes ObjProgramBankClass::routeBlock (int n) const
{
    const ByteView r = recordView (n);
    const auto t = program::trailingBlocks (r);
    return copyOf (r.slice (t.routeStart, t.routeSize));
}

} // namespace zr9
