#pragma once

#include "FxCategories.h"
#include "FxChainLayout.h"
#include "ObjBankHolderBase.h"

#include <string>

namespace zr9
{

/**
    The FX chain bank with the decoded current chain and the chains sorted
    into the 17 FX categories. Chains are read in place in the bank; a number
    without a record has no anchor, no effects and no info block.
*/
class ObjFXChainClass final : public ObjBankHolder
{
public:
    ObjFXChainClass() : ObjBankHolder (typeFxChain) {}

    /** The anchor of chain n, or -1 when it does not exist or has none. */
    int fxAnchor (int n) const noexcept;
    /** Decodes chain n into current() (count, starts, types, lengths, end). */
    void decodeFxChain (int n);
    const fxchain::Chain& current() const noexcept { return decoded; }
    /** The chain number current() was decoded from; 0 before the first decode. */
    int currentNumber() const noexcept { return decodedNumber; }

    static std::string fxTypeAbbreviation (int type);

    /** Size of chain n's info block (4 for an empty one); 0 when the chain has no anchor. */
    int fxInfoBlockSize (int n) const noexcept;
    /** The bytes of chain n's info block, as far as they lie in the record. */
    Bytes fxInfoBlock (int n) const;

    /**
        Sorts every existing chain of the bank into the category lists. Done
        once, on the first call after the bank changed.
    */
    void categorise();
    void resetCategories() { categorised = false; }
    /** The chain numbers of category c (1 to 17), in bank order; empty for other c. */
    const std::vector<int>& categoryList (int c) const noexcept;

protected:
    void bankChanged() override { resetCategories(); }

private:
    fxchain::Chain decoded;
    int decodedNumber = 0;
    FxCategoryLists categories {};
    bool categorised = false;
};

} // namespace zr9
