# -DZR9_SANITIZE=address,undefined or -DZR9_SANITIZE=thread builds everything,
# the framework's modules included, with those sanitizers. CI runs the tests
# in such builds; a sanitizer finding ends the test that made it.
set(ZR9_SANITIZE "" CACHE STRING "Sanitizers to build with (address,undefined or thread); empty for none")
if(ZR9_SANITIZE)
    add_compile_options(-fsanitize=${ZR9_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=${ZR9_SANITIZE})
endif()
