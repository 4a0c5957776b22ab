#pragma once

#include "SelectorList.h"

#include "model/ObjBankHolder.h"

#include <utility>
#include <vector>

namespace zr9
{

/**
    What each selector lists, read from its bank: one entry per object that
    exists in the bank (holes and empty slots are left out), with the columns
    and the categories of its type. Message thread: the banks are read as they
    stand.
*/
namespace selectorsource
{
    /** Programs: category name and mode ("TW3"/"MOSA"); in category c (0 to 10) by record byte 30. */
    std::vector<SelectorEntry> programs (const ObjProgramBankClass& bank);
    /** Setups: the number of zones. */
    std::vector<SelectorEntry> setups (const ObjSetupBankClass& bank);
    /** FX chains: the chain's effects abbreviated; in each FX category (1 to 17) one of its effects names. */
    std::vector<SelectorEntry> fxChains (ObjFXChainClass& bank);
    /** Arpeggiator settings: "CLASSIC" or "STEP. SEQ: " and the step sequence. */
    std::vector<SelectorEntry> arpeggiators (const ObjArpClass& bank);
    /** Algorithms have no name: each is listed as "Algorithm" and its number. */
    std::vector<SelectorEntry> algorithms (const ObjBankHolder& bank);
    /** Any other type: number and name. */
    std::vector<SelectorEntry> named (const ObjBankHolder& bank);

    /** The program categories a filter offers: 1 to 10, then 0 (no category), with their names. */
    std::vector<std::pair<int, std::string>> programCategories();
    /** The 17 FX categories, "Reverb" to "EQ". */
    std::vector<std::pair<int, std::string>> fxCategories();
} // namespace selectorsource

} // namespace zr9
