#include "BankFiles.h"

#include "model/BankMerge.h"
#include "model/BlankBank.h"
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
        case typeSample:          return "ZR9_Sample_Data.dat";
        default:                  return nullptr;
    }
}

std::map<int, StartupRead> loadStartupBanks (RK2Class& model, const LibraryFolder& library, bool useFiles)
{
    std::map<int, StartupRead> reads;
    // The file's bytes when they are a whole bank of the type; nothing for a missing file or one that is no bank.
    const auto stored = [&] (int type)
    {
        if (! useFiles)
            return juce::MemoryBlock();
        auto read = readStamped (library.file (bankFileName (type)));
        const bool whole = read.readable && bankmerge::isWholeBank (type, viewOf (read.bytes));
        reads[type] = { read.stamp, read.stamp.exists && read.stamp.size > 0 && ! whole };
        return whole ? std::move (read.bytes) : juce::MemoryBlock();
    };

    for (const auto type : startupBankTypes)
    {
        auto* holder = model.holderFor (type);
        const auto* info = findBankType (type);
        if (holder == nullptr || info == nullptr)
            continue;

        const auto bytes = stored (type);
        holder->indexBank (bytes.getSize() > 0 ? viewOf (bytes) : Factory_Banks_ZR9::image (type), info->cap);
    }

    // Without a factory image these start with an empty slot for every number
    // (one beyond the cap, so the last number has a size), ready for a fetch.
    for (const auto type : fetchedOnlyBankTypes)
    {
        auto* holder = model.holderFor (type);
        const auto* info = findBankType (type);
        if (holder == nullptr || info == nullptr)
            continue;

        const auto bytes = stored (type);
        if (bytes.getSize() > 0)
            holder->indexBank (viewOf (bytes), info->cap);
        else
            holder->indexBank (ByteView (blankBankImage (type, info->cap + 1)), info->cap);
    }
    return reads;
}

} // namespace zr9
