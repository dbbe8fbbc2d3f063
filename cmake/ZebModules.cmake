# Helpers that give every source folder one static library and every test
# folder one test executable, so that a new unit only needs its files.

# zeb_library(<target> <folder> [QT <components...>] [DEPS <targets...>])
# Builds the .cpp files of <folder> (not recursive) into a static library.
# A folder without sources yet becomes an interface library, so that its
# dependants can already name it.
# Libraries are declared bottom up, and each may use only what lies below
# it: every zeb_ target it links must already be declared, also when linked
# later by target_link_libraries, none it reaches may lie beside it
# (zeb_beside), and every include of a tree header by its files must name its
# own folder or the folder of a library it links, directly or through
# another, never one of the test code (tests/, bench/, fuzz/). A violation
# stops the configuration with the file and the line, or the targets (see
# _zeb_check_layers).
function(zeb_library target folder)
    cmake_parse_arguments(ARG "" "" "QT;DEPS;LIBS" ${ARGN})
    foreach(dep IN LISTS ARG_DEPS)
        if(dep MATCHES "^zeb_" AND NOT TARGET ${dep})
            message(FATAL_ERROR "${target} links ${dep}, which is declared after it (above it in the layers)")
        endif()
    endforeach()
    set_property(GLOBAL APPEND PROPERTY ZEB_LIBRARIES ${target})
    zeb_layered(${target} "${folder}")
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

# zeb_beside(<libraries...>)
# Declares libraries of one layer, beside each other: none may reach
# another through its links, directly or through a third.
function(zeb_beside)
    get_property(libraries GLOBAL PROPERTY ZEB_LIBRARIES)
    foreach(library IN LISTS ARGN)
        if(NOT library IN_LIST libraries)
            message(FATAL_ERROR "zeb_beside names ${library}, which is no library declared with zeb_library")
        endif()
    endforeach()
    list(JOIN ARGN "," group)
    set_property(GLOBAL APPEND PROPERTY ZEB_BESIDE_GROUPS "${group}")
endfunction()

# zeb_layered(<target> <folder>)
# Makes <folder> (from the root of the tree) the sources of <target>, a
# library, a program or a test-support library of the tree: includes of its
# headers from elsewhere are allowed only where <target> is linked, and its
# own files may include only what <target> links.
function(zeb_layered target folder)
    string(REPLACE "/" "_" key "${folder}")
    set_property(GLOBAL PROPERTY ZEB_FOLDER_${key} ${target})
    set_property(GLOBAL APPEND PROPERTY ZEB_OWNED_FOLDERS "${folder}")
    _zeb_checked_folder(${target} "${folder}")
endfunction()

# Has the files of <folder> checked against what <target> links once the
# whole tree is declared, so that no later target_link_libraries escapes.
function(_zeb_checked_folder target folder)
    set_property(GLOBAL APPEND PROPERTY ZEB_CHECKED "${target}=${folder}")
    get_property(deferred GLOBAL PROPERTY ZEB_CHECK_DEFERRED)
    if(NOT deferred)
        set_property(GLOBAL PROPERTY ZEB_CHECK_DEFERRED TRUE)
        cmake_language(DEFER DIRECTORY "${CMAKE_SOURCE_DIR}" CALL _zeb_check_layers)
    endif()
endfunction()

# Runs at the end of the configuration: stops it when a library links one
# declared after it or reaches one beside it, when a library is built from
# files of a folder not checked for it, or when a checked folder includes a
# header of a folder its target does not reach through its links.
function(_zeb_check_layers)
    get_property(libraries GLOBAL PROPERTY ZEB_LIBRARIES)
    foreach(target IN LISTS libraries)
        list(FIND libraries ${target} position)
        _zeb_direct_links(${target} links)
        foreach(dep IN LISTS links)
            list(FIND libraries ${dep} dep_position)
            if(dep_position GREATER position)
                message(FATAL_ERROR "${target} links ${dep}, which is declared after it (above it in the layers)")
            endif()
        endforeach()
    endforeach()
    get_property(groups GLOBAL PROPERTY ZEB_BESIDE_GROUPS)
    foreach(group IN LISTS groups)
        string(REPLACE "," ";" members "${group}")
        foreach(target IN LISTS members)
            _zeb_reachable(${target} reachable)
            foreach(other IN LISTS members)
                if(other IN_LIST reachable)
                    message(FATAL_ERROR "${target} reaches ${other} through its links, "
                                        "but ${other} lies beside it in the layers (zeb_beside)")
                endif()
            endforeach()
        endforeach()
    endforeach()
    get_property(checked GLOBAL PROPERTY ZEB_CHECKED)
    _zeb_check_coverage("${CMAKE_SOURCE_DIR}" "${checked}")
    get_property(owned GLOBAL PROPERTY ZEB_OWNED_FOLDERS)
    set(roots)
    foreach(folder IN LISTS owned)
        string(REGEX REPLACE "/.*$" "" root "${folder}")
        list(APPEND roots ${root})
    endforeach()
    list(REMOVE_DUPLICATES roots)
    foreach(entry IN LISTS checked)
        string(REGEX REPLACE "=.*$" "" target "${entry}")
        string(REGEX REPLACE "^[^=]*=" "" folder "${entry}")
        _zeb_reachable(${target} reachable)
        _zeb_check_includes(${target} "${folder}" "${reachable}" "${roots}")
    endforeach()
endfunction()

# Stops the configuration when a library of <directory> or below it is built
# from a file of the tree whose folder is not among the <checked> folders of
# that library, so that no library escapes the check of its includes.
function(_zeb_check_coverage directory checked)
    get_property(targets DIRECTORY "${directory}" PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(NOT type MATCHES "^(STATIC|SHARED|MODULE|OBJECT)_LIBRARY$")
            continue()
        endif()
        get_target_property(sources ${target} SOURCES)
        foreach(source IN LISTS sources)
            if(source MATCHES "^\\$<")
                continue()
            endif()
            get_filename_component(source "${source}" ABSOLUTE BASE_DIR "${directory}")
            string(FIND "${source}" "${CMAKE_BINARY_DIR}/" generated)
            file(RELATIVE_PATH shown "${CMAKE_SOURCE_DIR}" "${source}")
            if(generated EQUAL 0 OR shown MATCHES "^\\.\\./")
                continue()
            endif()
            get_filename_component(folder "${shown}" DIRECTORY)
            if(NOT "${target}=${folder}" IN_LIST checked)
                message(FATAL_ERROR "${target} is built from ${shown}, but its includes are checked by no one: "
                                    "declare ${folder} as the folder of ${target} (zeb_library, zeb_layered)")
            endif()
        endforeach()
    endforeach()
    get_property(subdirectories DIRECTORY "${directory}" PROPERTY SUBDIRECTORIES)
    foreach(subdirectory IN LISTS subdirectories)
        _zeb_check_coverage("${subdirectory}" "${checked}")
    endforeach()
endfunction()

# The targets <target> links itself, however they were linked.
function(_zeb_direct_links target out)
    set(links)
    get_target_property(imported ${target} IMPORTED)
    if(NOT imported)
        foreach(property IN ITEMS LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(items ${target} ${property})
            foreach(item IN LISTS items)
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" item "${item}")
                if(TARGET "${item}")
                    list(APPEND links ${item})
                endif()
            endforeach()
        endforeach()
    endif()
    set(${out} ${links} PARENT_SCOPE)
endfunction()

# Every target <target> links, directly or through another.
function(_zeb_reachable target out)
    set(reached)
    set(pending ${target})
    while(pending)
        list(POP_FRONT pending current)
        _zeb_direct_links(${current} links)
        foreach(dep IN LISTS links)
            if(NOT dep IN_LIST reached)
                list(APPEND reached ${dep})
                list(APPEND pending ${dep})
            endif()
        endforeach()
    endwhile()
    set(${out} ${reached} PARENT_SCOPE)
endfunction()

# Stops the configuration when a file of <folder> climbs out of the tree's
# root with '../', includes a header of a folder of the tree (one whose first
# name is <roots>) that <target> does not link, or, outside the test code,
# includes a header of the test code. Angle brackets, spaces after '#' and
# indented lines are includes like the others.
function(_zeb_check_includes target folder reachable roots)
    file(GLOB files CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/${folder}/*.cpp" "${CMAKE_SOURCE_DIR}/${folder}/*.h")
    set(include_line "^[ \t]*#[ \t]*include[ \t]*[<\"]([^>\"]*)[>\"]")
    # The test code: the tests with their support, the benchmarks and the fuzz targets.
    set(test_roots tests bench fuzz)
    string(REGEX REPLACE "/.*$" "" own_root "${folder}")
    foreach(file IN LISTS files)
        file(RELATIVE_PATH shown "${CMAKE_SOURCE_DIR}" "${file}")
        file(STRINGS "${file}" lines REGEX "${include_line}")
        foreach(line IN LISTS lines)
            string(REGEX MATCH "${include_line}" matched "${line}")
            set(path "${CMAKE_MATCH_1}")
            if(path MATCHES "(^|/)\\.\\.?/")
                message(FATAL_ERROR "${shown}: '${line}' names a folder relative to its own; includes are written from the root of the tree")
            endif()
            get_filename_component(included "${path}" DIRECTORY)
            string(REGEX REPLACE "/.*$" "" root "${included}")
            if(root IN_LIST test_roots AND NOT own_root IN_LIST test_roots)
                message(FATAL_ERROR "${shown}: '${line}' reaches ${included}, which only test code may include")
            endif()
            if(included STREQUAL "" OR included STREQUAL folder OR NOT root IN_LIST roots)
                continue()
            endif()
            string(REPLACE "/" "_" key "${included}")
            get_property(owner GLOBAL PROPERTY ZEB_FOLDER_${key})
            if(NOT owner OR NOT owner IN_LIST reachable)
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
    _zeb_checked_folder(${name} "tests/${folder}")
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
