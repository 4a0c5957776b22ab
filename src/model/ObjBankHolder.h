#pragma once

#include "BankIndex.h"
#include "ObjectChangeNotifier.h"

namespace zr9
{

/**
    What every object holder that keeps a bank has: the bank of its type, a
    byte block for the object being worked on, and the change notifier.
*/
class ObjBankHolder : public ObjectChangeNotifier
{
public:
    explicit ObjBankHolder (ObjectTypeId type) : typeId_ (type) {}

    ObjectTypeId typeId() const noexcept { return typeId_; }
    BankIndex& bank() noexcept { return bank_; }
    const BankIndex& bank() const noexcept { return bank_; }
    Bytes& block() noexcept { return block_; }

private:
    ObjectTypeId typeId_;
    BankIndex bank_;
    Bytes block_;
};

// The holders of the types the system carries whole, by name and number.
class ObjKeyMapClass final : public ObjBankHolder { public: ObjKeyMapClass() : ObjBankHolder (typeKeyMap) {} };
class ObjArpClass final : public ObjBankHolder { public: ObjArpClass() : ObjBankHolder (typeArpeggiator) {} };
class ObjPatIntClass final : public ObjBankHolder { public: ObjPatIntClass() : ObjBankHolder (typeIntonation) {} };
class ObjPatShiftClass final : public ObjBankHolder { public: ObjPatShiftClass() : ObjBankHolder (typeShiftPattern) {} };
class ObjPatVelClass final : public ObjBankHolder { public: ObjPatVelClass() : ObjBankHolder (typeVelocityPattern) {} };
class ObjAlgClass final : public ObjBankHolder { public: ObjAlgClass() : ObjBankHolder (typeAlgorithm) {} };
class ObjSampleClass final : public ObjBankHolder { public: ObjSampleClass() : ObjBankHolder (typeSample) {} };
class ObjSongClass final : public ObjBankHolder { public: ObjSongClass() : ObjBankHolder (typeSong) {} };

/** The program bank. The decoded trailing blocks of the programs in use are added with the program editor. */
class ObjProgramBankClass final : public ObjBankHolder { public: ObjProgramBankClass() : ObjBankHolder (typeProgram) {} };

/** The setup bank. */
class ObjSetupBankClass final : public ObjBankHolder { public: ObjSetupBankClass() : ObjBankHolder (typeSetup) {} };

/** The FX chain bank; the effect chains the channels use are named from it. */
class ObjFXChainClass final : public ObjBankHolder { public: ObjFXChainClass() : ObjBankHolder (typeFxChain) {} };

} // namespace zr9
