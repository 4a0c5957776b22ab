# -DZR9_SANITIZE=address,undefined or -DZR9_SANITIZE=thread builds the test
# suite with those sanitizers. Only what needs it is instrumented: every layer
# of src/ and, for the thread sanitizer, the framework's modules and the tests
# where threads meet, because that sanitizer misses a synchronisation made in
# uninstrumented code and would report races that are none. Everything else
# compiles exactly as in the plain build, so the compiler cache serves it from
# that build. A sanitizer finding ends the test that made it.
set(ZR9_SANITIZE "" CACHE STRING "Sanitizers to build the tests with (address,undefined or thread); empty for none")

set(ZR9_SANITIZE_FLAGS -fsanitize=${ZR9_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all -g -O1)

# Every program linked here carries the runtimes: the generators and the tests
# link instrumented code of the model.
if(ZR9_SANITIZE)
    add_link_options(-fsanitize=${ZR9_SANITIZE})
endif()

# Instruments the code of a target of our own.
function(zr9_sanitize target)
    if(ZR9_SANITIZE)
        target_compile_options(${target} PRIVATE ${ZR9_SANITIZE_FLAGS})
    endif()
endfunction()
