#pragma once

#include "ObjBankHolderBase.h"
#include "ObjFXChainClass.h"
#include "ObjProgramBankClass.h"

namespace zr9
{

// The holders of the types the system carries whole, by name and number.
class ObjKeyMapClass final : public ObjBankHolder { public: ObjKeyMapClass() : ObjBankHolder (typeKeyMap) {} };
class ObjPatIntClass final : public ObjBankHolder { public: ObjPatIntClass() : ObjBankHolder (typeIntonation) {} };
class ObjPatShiftClass final : public ObjBankHolder { public: ObjPatShiftClass() : ObjBankHolder (typeShiftPattern) {} };
class ObjPatVelClass final : public ObjBankHolder { public: ObjPatVelClass() : ObjBankHolder (typeVelocityPattern) {} };
class ObjAlgClass final : public ObjBankHolder { public: ObjAlgClass() : ObjBankHolder (typeAlgorithm) {} };
class ObjSampleClass final : public ObjBankHolder { public: ObjSampleClass() : ObjBankHolder (typeSample) {} };
class ObjSongClass final : public ObjBankHolder { public: ObjSongClass() : ObjBankHolder (typeSong) {} };

/** The arpeggiator bank; its selector shows each setting's mode. */
class ObjArpClass final : public ObjBankHolder
{
public:
    ObjArpClass() : ObjBankHolder (typeArpeggiator) {}
    /** "CLASSIC", or "STEP. SEQ: " and the step sequence number for a step sequencer setting. */
    std::string arpModeText (int n) const { return bank().arpModeText (n); }
};

/** The setup bank; the setup being edited lives in ObjMultiClass. */
class ObjSetupBankClass final : public ObjBankHolder { public: ObjSetupBankClass() : ObjBankHolder (typeSetup) {} };

} // namespace zr9
