#pragma once

#include "FIFO_Class.h"
#include "ObjBankHolder.h"
#include "ObjMasterClass.h"
#include "ObjMultiClass.h"
#include "MidiChannels.h"
#include "ObjProgramEditClass.h"

#include <array>
#include <memory>
#include <vector>

namespace zr9
{

/**
    The instrument model: every object holder of the connected instrument.

    Holders are created in a fixed order (key map, arpeggiator, intonation,
    shift pattern, velocity pattern, algorithm, sample, song, then the program
    bank, the 16 program edit objects, the setup bank, the multi, the FX chain
    holder and the master) and destroyed in the reverse order; the member
    declaration order below is that order.
*/
class RK2Class
{
public:

    RK2Class();
    ~RK2Class();

    ObjKeyMapClass keyMap;
    ObjArpClass arpeggiator;
    ObjPatIntClass intonation;
    ObjPatShiftClass shiftPattern;
    ObjPatVelClass velocityPattern;
    ObjAlgClass algorithm;
    ObjSampleClass sample;
    ObjSongClass song;

    ObjProgramBankClass& programBank() noexcept { return *programs; }
    /** The program edit object of channel c (0 to 15). */
    ObjProgramEditClass& programEdit (int c) noexcept { return *programEdits[(size_t) c]; }
    ObjSetupBankClass& setupBank() noexcept { return *setups; }
    ObjMultiClass& multi() noexcept { return *multiEdit; }
    ObjFXChainClass& fxChains() noexcept { return *fxChainHolder; }
    ObjMasterClass& master() noexcept { return *masterData; }
    /** The state of the object fetch from the instrument and the mailbox of its replies. */
    FIFO_Class& transfer() noexcept { return fifo; }

    /** The holder that keeps a bank of this type, or nullptr for types without one. */
    ObjBankHolder* holderFor (int typeId) noexcept;
    const ObjBankHolder* holderFor (int typeId) const noexcept { return const_cast<RK2Class*> (this)->holderFor (typeId); }

    /** Every object that tells listeners of its changes, for whoever delivers them. */
    std::vector<ObjectChangeNotifier*> notifiers();

private:
    std::unique_ptr<ObjProgramBankClass> programs;
    std::array<std::unique_ptr<ObjProgramEditClass>, channelCount> programEdits;
    std::unique_ptr<ObjSetupBankClass> setups;
    std::unique_ptr<ObjMultiClass> multiEdit;
    std::unique_ptr<ObjFXChainClass> fxChainHolder;
    std::unique_ptr<ObjMasterClass> masterData;
    FIFO_Class fifo;
};

} // namespace zr9
