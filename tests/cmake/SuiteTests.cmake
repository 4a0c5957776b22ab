# Run after the test program is built (cmake -P): lists its tests and writes
# CTEST_FILE with one CTest test per test suite, so CTest starts a process per
# suite rather than per test. Each suite still runs in a process of its own, so
# a test that depends on what another suite left behind still shows.
#   -DTEST_EXECUTABLE=... -DCTEST_FILE=... -DTIMEOUT=seconds
execute_process(COMMAND "${TEST_EXECUTABLE}" --gtest_list_tests
                OUTPUT_VARIABLE listing RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${TEST_EXECUTABLE} could not list its tests")
endif()

string(REPLACE "\n" ";" lines "${listing}")
set(content "")
foreach(line IN LISTS lines)
    # A suite's line starts in the first column and ends with a full stop; its tests follow, indented.
    if(line MATCHES "^([A-Za-z0-9_/]+)\\.")
        set(suite "${CMAKE_MATCH_1}")
        string(APPEND content
            "add_test([=[${suite}]=] \"${TEST_EXECUTABLE}\" \"--gtest_filter=${suite}.*\" --gtest_brief=1)\n"
            "set_tests_properties([=[${suite}]=] PROPERTIES TIMEOUT ${TIMEOUT})\n")
    endif()
endforeach()
file(WRITE "${CTEST_FILE}" "${content}")
