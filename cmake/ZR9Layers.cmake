# The layers of src/ as build targets. src/layers.txt says which folders each
# folder may include; a target sees exactly those folders, so an include of
# any other folder fails to compile.

set(ZR9_SOURCE_ROOT ${CMAKE_CURRENT_LIST_DIR}/../src)
get_filename_component(ZR9_SOURCE_ROOT ${ZR9_SOURCE_ROOT} ABSOLUTE)

# The folders `layer` may include, from src/layers.txt, into out_var.
function(zr9_layer_dependencies layer out_var)
    file(STRINGS ${ZR9_SOURCE_ROOT}/layers.txt lines REGEX "^${layer}:")
    list(LENGTH lines found)
    if(NOT found EQUAL 1)
        message(FATAL_ERROR "src/layers.txt names no folder '${layer}'")
    endif()
    string(REGEX REPLACE "^${layer}:[ ]*" "" deps "${lines}")
    string(REGEX REPLACE "[ ]+" ";" deps "${deps}")
    list(REMOVE_ITEM deps "")
    set(${out_var} ${deps} PARENT_SCOPE)
endfunction()

# Gives `target` an include folder holding links to its own folder and to the
# folders its layer may include, and nothing else.
function(zr9_include_root target layer scope)
    set(root ${CMAKE_BINARY_DIR}/include-roots/${layer})
    zr9_layer_dependencies(${layer} deps)
    file(REMOVE_RECURSE ${root})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS deps ITEMS ${layer})
        get_filename_component(parent ${root}/${folder} DIRECTORY)
        file(MAKE_DIRECTORY ${parent})
        file(CREATE_LINK ${ZR9_SOURCE_ROOT}/${folder} ${root}/${folder} SYMBOLIC)
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# The layers src/layers.txt names, in its order, into out_var.
function(zr9_layer_names out_var)
    file(STRINGS ${ZR9_SOURCE_ROOT}/layers.txt lines REGEX "^[a-z/]+:")
    set(names "")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE ":.*" "" name "${line}")
        list(APPEND names ${name})
    endforeach()
    set(${out_var} ${names} PARENT_SCOPE)
endfunction()

# The build target of a layer: zr9_ and its folder, "/" written as "_".
function(zr9_layer_target layer out_var)
    string(REPLACE "/" "_" name "zr9_${layer}")
    set(${out_var} ${name} PARENT_SCOPE)
endfunction()

# The sources of one folder of src/, without the files named in EXCLUDE.
function(zr9_layer_sources layer out_var)
    cmake_parse_arguments(ARG "" "" "EXCLUDE" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS ${ZR9_SOURCE_ROOT}/${layer}/*.cpp ${ZR9_SOURCE_ROOT}/${layer}/*.h)
    foreach(name IN LISTS ARG_EXCLUDE)
        list(FILTER sources EXCLUDE REGEX "/${layer}/${name}$")
    endforeach()
    set(${out_var} ${sources} PARENT_SCOPE)
endfunction()
