#include "ObjectFileContents.h"

#include "ObjectRecord.h"
#include "ObjectTypes.h"
#include "SysexFormat.h"

#include <set>

namespace zr9
{

namespace
{
    std::string counted (int count, int typeId)
    {
        return std::to_string (count) + " " + objectWord (typeId, count);
    }
} // namespace

std::string objectWord (int typeId, int count)
{
    const bool one = count == 1;
    switch (typeId)
    {
        case typeProgram:         return one ? "program" : "programs";
        case typeSetup:           return one ? "multi" : "multis";
        case typeFxChain:         return one ? "FX chain" : "FX chains";
        case typeKeyMap:          return one ? "key map" : "key maps";
        case typeIntonation:      return one ? "intonation table" : "intonation tables";
        case typeShiftPattern:    return one ? "shift pattern" : "shift patterns";
        case typeVelocityPattern: return one ? "velocity pattern" : "velocity patterns";
        case typeArpeggiator:     return one ? "arpeggiator setting" : "arpeggiator settings";
        case typeSong:            return one ? "song" : "songs";
        case typeAlgorithm:       return one ? "algorithm" : "algorithms";
        case typeSample:          return one ? "sample" : "samples";
        default:                  return one ? "object" : "objects";
    }
}

void checkObjects (FileContents& contents)
{
    const auto* type = findBankType (contents.typeId);
    const int last = type != nullptr ? type->cap : 0;
    const bool named = contents.typeId != typeAlgorithm;

    std::set<int> seen;
    std::vector<FileObject> kept;
    int repeated = 0, outside = 0, cleaned = 0;
    for (auto& object : contents.objects)
    {
        if (! seen.insert (object.number).second)
        {
            ++repeated;
            continue;
        }
        object.outsideRange = object.number < 1 || object.number > last;
        outside += object.outsideRange ? 1 : 0;

        if (named)
            for (std::size_t i = 0; i < (std::size_t) ObjectRecord::nameLength && i < object.record.size(); ++i)
                if (! sysex::isNameCharacter (object.record[i]))
                {
                    object.record[i] = ' ';
                    object.nameCleaned = true;
                }
        cleaned += object.nameCleaned ? 1 : 0;
        kept.push_back (std::move (object));
    }
    contents.objects = std::move (kept);

    if (repeated > 0)
        contents.problems.push_back (counted (repeated, contents.typeId) + " with a number that came before in the file "
                                     + (repeated == 1 ? "was" : "were") + " left out.");
    if (outside > 0)
        contents.problems.push_back (counted (outside, contents.typeId) + " with a number outside 1 to " + std::to_string (last)
                                     + " can only go to free numbers of the user range.");
    if (cleaned > 0)
        contents.problems.push_back (counted (cleaned, contents.typeId) + " had characters in the name that the instrument "
                                     "cannot show; they became blanks.");
}

} // namespace zr9
