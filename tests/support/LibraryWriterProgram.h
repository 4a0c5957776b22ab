#pragma once

#include <juce_core/juce_core.h>

namespace zr9::test
{

/**
    The second-instance program the tests of a killed instance start: it is built
    next to the test program. Found beside it at run time, so no build folder's
    path is compiled into the tests and every build folder's tests compile alike.
*/
inline juce::String libraryWriterProgram()
{
    return juce::File::getSpecialLocation (juce::File::currentExecutableFile)
        .getSiblingFile ("zr9_library_writer")
        .getFullPathName();
}

} // namespace zr9::test
