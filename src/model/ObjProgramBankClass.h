#pragma once

#include "ObjBankHolderBase.h"
#include "ProgramInfoLists.h"

#include <array>
#include <string>

namespace zr9
{

/**
    The program bank, read in place: every operation takes a program number
    and reads that record's bytes inside the bank. A number without a record
    reads 0, empty bytes and empty text. The 16 info lists hold the decoded
    trailing blocks of the programs the channels play.
*/
class ObjProgramBankClass final : public ObjBankHolder
{
public:
    static constexpr int infoListCount = 16;

    ObjProgramBankClass() : ObjBankHolder (typeProgram) {}

    bool exists (int n) const noexcept { return bank().exists (n); }
    std::string name (int n) const { return bank().name (n); }
    /** The 20 raw name bytes (zeros beyond the record). */
    Bytes nameBytes (int n) const;
    bool isTw3 (int n) const noexcept;
    /** "TW3" or "MOSA". */
    std::string modeText (int n) const;
    /** Bytes 30 and 31 as signed bytes. */
    int category (int n) const noexcept;
    int subType (int n) const noexcept;
    /** The category name, or the value in decimal when it has none. */
    std::string categoryText (int n) const;
    int layerCount (int n) const noexcept;
    /** The 133 common bytes from offset 25 (zeros beyond the record). */
    Bytes commonBytes (int n) const;
    /** Byte p (0 to 317) of layer k; 0 outside the layer or the record. */
    int layerByte (int n, int k, int p) const noexcept;
    std::string layerName (int n, int k) const;
    int layerKeyMap (int n, int k) const noexcept;
    /** The bytes of the info block and of the route block, as far as they lie in the record. */
    Bytes infoBlock (int n) const;
    Bytes routeBlock (int n) const;

    /** Info lists i (0 to 15; other i wrap into that range). */
    ProgramInfoLists& infoLists (int i) noexcept { return lists[(size_t) (i & (infoListCount - 1))]; }

private:
    std::array<ProgramInfoLists, infoListCount> lists {};
};

} // namespace zr9
