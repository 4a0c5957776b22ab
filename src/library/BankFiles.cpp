#include "BankFiles.h"

#include "model/FactoryBanks.h"

namespace zr9
{

const char* bankFileName (int typeId) noexcept
{
    switch (typeId)
    {
        case typeProgram:         return "ZR9_ProgramData.dat";
        case typeSetup:           return "ZR9_SetupData.dat";
        case typeFxChain:         return "ZR9_FX_Chain_Data.dat";
        case typeKeyMap:          return "ZR9_KeyMap_Data.dat";
        case typeIntonation:      return "ZR9_Pat_Int_Data.dat";
        case typeShiftPattern:    return "ZR9_Pat_Shift_Data.dat";
        case typeVelocityPattern: return "ZR9_Pat_Vel_Data.dat";
        case typeArpeggiator:     return "ZR9_Arp_Data.dat";
        case typeSong:            return "ZR9_Song_Data.dat";
        case typeAlgorithm:       return "ZR9_Alg_Data.dat";
        default:                  return nullptr;
    }
}

void loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles)
{
    for (const auto type : startupBankTypes)
    {
        auto* holder = model.holderFor (type);
        const auto* info = findBankType (type);
        if (holder == nullptr || info == nullptr)
            continue;

        juce::MemoryBlock stored;
        if (useFiles)
            stored = readDataFile (library.file (bankFileName (type)));

        if (stored.getSize() > 0)
            holder->indexBank (ByteView (static_cast<const std::uint8_t*> (stored.getData()), stored.getSize()), info->cap);
        else
            holder->indexBank (Factory_Banks_ZR9::image (type), info->cap);
    }
}

} // namespace zr9
