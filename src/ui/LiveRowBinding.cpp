#include "LiveRowBinding.h"

#include "library/RevuDIAudioProcessor.h"

namespace zr9
{

GskBinding liveRowBinding (RevuDIAudioProcessor& processor, int row)
{
    return { [&processor, row] { return processor.controller().getLiveValue (row); },
             [&processor, row] (int value) { processor.setLiveValue (value, row, true); } };
}

} // namespace zr9
