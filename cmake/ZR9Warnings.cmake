# The warning set every target of ours compiles with: the framework's
# recommended warning flags for the compiler in use, written out here so that
# targets without the framework (the object model, the generators, the fuzz
# build of the model) get the same list without its CMake package. Keep the
# lists in step with juce_recommended_warning_flags of the framework version
# we build against.
#
# -DZR9_WARNINGS_AS_ERRORS=ON turns every one of these warnings into an error.

option(ZR9_WARNINGS_AS_ERRORS "Treat the warnings of our warning set as errors" OFF)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    set(ZR9_WARNING_FLAGS
        -Wall -Wextra -Wpedantic -Wstrict-aliasing -Wuninitialized
        -Wunused-parameter -Wsign-compare -Wsign-conversion -Wunreachable-code
        -Wcast-align -Wno-implicit-fallthrough -Wno-maybe-uninitialized
        -Wno-ignored-qualifiers -Wswitch-enum
        -Wredundant-decls -Wno-strict-overflow -Wshadow
        $<$<COMPILE_LANGUAGE:CXX>:
            -Woverloaded-virtual -Wreorder -Wzero-as-null-pointer-constant>
        # GCC 12 warns inside the framework's ListenerList wherever our code
        # calls its listeners (the iterator it keeps while calling them is
        # taken out again before it returns); the warning is not about our code.
        -Wno-dangling-pointer)
elseif(CMAKE_CXX_COMPILER_ID MATCHES "^(Clang|AppleClang)$")
    set(ZR9_WARNING_FLAGS
        -Wall -Wshadow-all -Wshorten-64-to-32 -Wstrict-aliasing
        -Wuninitialized -Wunused-parameter -Wconversion -Wsign-compare
        -Wint-conversion -Wconditional-uninitialized -Wconstant-conversion
        -Wsign-conversion -Wbool-conversion -Wextra-semi -Wunreachable-code
        -Wcast-align -Wshift-sign-overflow -Wmissing-prototypes
        -Wnullable-to-nonnull-conversion -Wno-ignored-qualifiers -Wswitch-enum
        -Wpedantic -Wdeprecated
        $<$<COMPILE_LANGUAGE:CXX>:
            -Wzero-as-null-pointer-constant -Wunused-private-field
            -Woverloaded-virtual -Wreorder
            -Winconsistent-missing-destructor-override>)
else()
    set(ZR9_WARNING_FLAGS "")
    message(WARNING "ZR9: no warning set for compiler ${CMAKE_CXX_COMPILER_ID}")
endif()

if(ZR9_WARNINGS_AS_ERRORS)
    list(APPEND ZR9_WARNING_FLAGS -Werror)
endif()

# zr9_warnings(target [SOURCES file...])
#
# Gives `target` the warning set. With SOURCES, only those source files of the
# target get it (set as a property of the files in the calling folder), for
# targets that also compile code that is not ours, such as the framework's
# modules a console program compiles into itself.
function(zr9_warnings target)
    cmake_parse_arguments(ARG "" "" "SOURCES" ${ARGN})
    if(ARG_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "zr9_warnings: unexpected arguments ${ARG_UNPARSED_ARGUMENTS}")
    endif()
    if(NOT TARGET ${target})
        message(FATAL_ERROR "zr9_warnings: no target ${target}")
    endif()
    if(ARG_SOURCES)
        set_property(SOURCE ${ARG_SOURCES} APPEND PROPERTY COMPILE_OPTIONS ${ZR9_WARNING_FLAGS})
    else()
        target_compile_options(${target} PRIVATE ${ZR9_WARNING_FLAGS})
    endif()
endfunction()
