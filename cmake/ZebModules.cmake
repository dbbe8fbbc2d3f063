# Helpers that give every source folder one static library and every test
# folder one test executable, so that a new unit only needs its files.

# zeb_library(<target> <folder> [QT <components...>] [DEPS <targets...>])
# Builds the .cpp files of <folder> (not recursive) into a static library.
# A folder without sources yet becomes an interface library, so that its
# dependants can already name it.
# Libraries are declared bottom up, and each may use only what lies below
# it: every zeb_ target it links must already be declared, and every
# '#include "a/b/X.h"' of its files must name its own folder or the folder of
# a library it links, directly or through another. A violation stops the
# configuration with the file and the line.
function(zeb_library target folder)
    cmake_parse_arguments(ARG "" "" "QT;DEPS;LIBS" ${ARGN})
    set(reachable)
    foreach(dep IN LISTS ARG_DEPS)
        if(NOT dep MATCHES "^zeb_")
            continue()
        endif()
        if(NOT TARGET ${dep})
            message(FATAL_ERROR "${target} links ${dep}, which is declared after it (above it in the layers)")
        endif()
        get_property(below GLOBAL PROPERTY ZEB_REACHABLE_${dep})
        list(APPEND reachable ${dep} ${below})
    endforeach()
    list(REMOVE_DUPLICATES reachable)
    set_property(GLOBAL PROPERTY ZEB_REACHABLE_${target} ${reachable})
    string(REPLACE "/" "_" folder_key "${folder}")
    set_property(GLOBAL PROPERTY ZEB_FOLDER_${folder_key} ${target})
    _zeb_check_includes(${target} "${folder}" "${reachable}")
    file(GLOB sources CONFIGURE_DEPENDS
         "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp"
         "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h"
         "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.qrc")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    set(qt_targets)
    foreach(component IN LISTS ARG_QT)
        list(APPEND qt_targets Qt6::${component})
    endforeach()
    if(cpp)
        add_library(${target} STATIC ${sources})
        target_include_directories(${target} PUBLIC "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${target} PUBLIC ${ARG_DEPS} ${qt_targets} ${ARG_LIBS})
        set_target_properties(${target} PROPERTIES AUTOMOC ON AUTORCC ON)
    else()
        add_library(${target} INTERFACE)
        target_include_directories(${target} INTERFACE "${CMAKE_CURRENT_SOURCE_DIR}")
        target_link_libraries(${target} INTERFACE ${ARG_DEPS} ${qt_targets} ${ARG_LIBS})
    endif()
endfunction()

# Stops the configuration when a file of <folder> includes a header of a
# library that <target> does not link (one above it or beside it).
function(_zeb_check_includes target folder reachable)
    file(GLOB files CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp"
                                      "${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.h")
    foreach(file IN LISTS files)
        file(STRINGS "${file}" lines REGEX "^#include \"[a-z]+/[a-z]+/|^#include \"(zip|imaging)/")
        foreach(line IN LISTS lines)
            string(REGEX REPLACE "^#include \"(.*)/[^/]*\".*$" "\\1" included "${line}")
            if(included STREQUAL folder)
                continue()
            endif()
            string(REPLACE "/" "_" key "${included}")
            get_property(owner GLOBAL PROPERTY ZEB_FOLDER_${key})
            if(NOT owner OR NOT owner IN_LIST reachable)
                file(RELATIVE_PATH shown "${CMAKE_CURRENT_SOURCE_DIR}" "${file}")
                message(FATAL_ERROR "${shown}: '${line}' reaches ${included}, which ${target} does not link")
            endif()
        endforeach()
    endforeach()
endfunction()

# zeb_tests(<folder> LABELS <label> DEPS <targets...> [APPLICATION])
# APPLICATION links the shared test environment that creates the one
# application object window tests need.
# One GoogleTest executable per test folder; every test case becomes a CTest
# test carrying the folder's label.
function(zeb_tests folder)
    cmake_parse_arguments(ARG "APPLICATION" "" "LABELS;DEPS" ${ARGN})
    file(GLOB sources CONFIGURE_DEPENDS
         "${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp"
         "${PROJECT_SOURCE_DIR}/tests/${folder}/*.h")
    set(cpp ${sources})
    list(FILTER cpp INCLUDE REGEX "\\.cpp$")
    if(NOT cpp)
        return()
    endif()
    string(REPLACE "/" "_" name "test_${folder}")
    add_executable(${name} ${sources})
    target_link_libraries(${name} PRIVATE ${ARG_DEPS} zeb_test_support GTest::gmock GTest::gtest_main)
    if(ARG_APPLICATION)
        target_link_libraries(${name} PRIVATE zeb_test_application)
    endif()
    set_target_properties(${name} PROPERTIES AUTOMOC ON)
    gtest_discover_tests(${name}
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 60
        PROPERTIES LABELS "${ARG_LABELS}"
                   ENVIRONMENT "QT_QPA_PLATFORM=offscreen;ZEB_BUILD_DIR=${CMAKE_BINARY_DIR}")
endfunction()
