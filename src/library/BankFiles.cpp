#include "BankFiles.h"

#include "model/BlankBank.h"
#include "model/FactoryBanks.h"

#include <algorithm>

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
        case typeSample:          return "ZR9_Sample_Data.dat";
        default:                  return nullptr;
    }
}

namespace
{
    juce::MemoryBlock storedBank (const LibraryFolder& library, int typeId, bool useFiles)
    {
        return useFiles ? readDataFile (library.file (bankFileName (typeId))) : juce::MemoryBlock();
    }

    ByteView viewOf (const juce::MemoryBlock& block)
    {
        return { static_cast<const std::uint8_t*> (block.getData()), block.getSize() };
    }
} // namespace

void loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles)
{
    for (const auto type : startupBankTypes)
    {
        auto* holder = model.holderFor (type);
        const auto* info = findBankType (type);
        if (holder == nullptr || info == nullptr)
            continue;

        const auto stored = storedBank (library, type, useFiles);
        holder->indexBank (stored.getSize() > 0 ? viewOf (stored) : Factory_Banks_ZR9::image (type), info->cap);
    }

    // Without a factory image these start with an empty slot for every number
    // (one beyond the cap, so the last number has a size), ready for a fetch.
    for (const auto type : fetchedOnlyBankTypes)
    {
        auto* holder = model.holderFor (type);
        const auto* info = findBankType (type);
        if (holder == nullptr || info == nullptr)
            continue;

        const auto stored = storedBank (library, type, useFiles);
        if (stored.getSize() > 0)
            holder->indexBank (viewOf (stored), info->cap);
        else
            holder->indexBank (ByteView (blankBankImage (type, info->cap + 1)), info->cap);
    }
}

bool saveBankFile (const RK2Class& model, const LibraryFolder& library, int typeId)
{
    if (std::find (savedBankTypes.begin(), savedBankTypes.end(), typeId) == savedBankTypes.end())
        return false;
    const auto* holder = model.holderFor (typeId);
    if (holder == nullptr)
        return false;
    // The bank as last published: the same bytes whichever thread reads it.
    const auto bank = holder->snapshot();
    const auto& bytes = bank->bytes();
    return writeDataFile (library.file (bankFileName (typeId)), bytes.data(), bytes.size());
}

} // namespace zr9
