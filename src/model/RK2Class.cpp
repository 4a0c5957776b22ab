#include "RK2Class.h"

namespace zr9
{

RK2Class::RK2Class()
{
    programs = std::make_unique<ObjProgramBankClass>();
    for (auto& edit : programEdits)
        edit = std::make_unique<ObjProgramEditClass>();
    setups = std::make_unique<ObjSetupBankClass>();
    multiEdit = std::make_unique<ObjMultiClass>();
    fxChainHolder = std::make_unique<ObjFXChainClass>();
    masterData = std::make_unique<ObjMasterClass>();
}

RK2Class::~RK2Class()
{
    // Heap holders go first, newest first; the members then go in reverse declaration order.
    masterData.reset();
    fxChainHolder.reset();
    multiEdit.reset();
    setups.reset();
    for (auto it = programEdits.rbegin(); it != programEdits.rend(); ++it)
        it->reset();
    programs.reset();
}

ObjBankHolder* RK2Class::holderFor (int typeId) noexcept
{
    switch (typeId)
    {
        case typeKeyMap:          return &keyMap;
        case typeArpeggiator:     return &arpeggiator;
        case typeIntonation:      return &intonation;
        case typeShiftPattern:    return &shiftPattern;
        case typeVelocityPattern: return &velocityPattern;
        case typeAlgorithm:       return &algorithm;
        case typeSample:          return &sample;
        case typeSong:            return &song;
        case typeProgram:         return programs.get();
        case typeSetup:           return setups.get();
        case typeFxChain:         return fxChainHolder.get();
        default:                  return nullptr;
    }
}

std::vector<ObjectChangeNotifier*> RK2Class::notifiers()
{
    std::vector<ObjectChangeNotifier*> all { &keyMap, &arpeggiator, &intonation, &shiftPattern, &velocityPattern,
                                             &algorithm, &sample, &song, programs.get() };
    for (auto& edit : programEdits)
        all.push_back (edit.get());
    for (ObjectChangeNotifier* n : { (ObjectChangeNotifier*) setups.get(), (ObjectChangeNotifier*) multiEdit.get(),
                                     (ObjectChangeNotifier*) fxChainHolder.get(), (ObjectChangeNotifier*) masterData.get() })
        all.push_back (n);
    return all;
}

} // namespace zr9
