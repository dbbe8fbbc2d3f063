# Run as cmake -DCASE=<name> -DWORK=<folder> -DMODULES=<ZebModules.cmake>
# -DGENERATOR=<generator> -DCOMPILER=<c++ compiler> -P LayeringCheck.cmake:
# configures a copy of the scratch tree with the violation of the case
# planted in it, and fails unless the configuration stops with the check's
# message (or, for the clean tree, unless it succeeds).
cmake_minimum_required(VERSION 3.25)
include("${CMAKE_CURRENT_LIST_DIR}/LayeringCases.cmake")
foreach(row IN LISTS ZEB_LAYERING_CASES)
    string(REPLACE "|" ";" fields "${row}")
    list(GET fields 0 name)
    if(name STREQUAL CASE)
        list(GET fields 1 planted_file)
        list(GET fields 2 planted_line)
        list(GET fields 3 expected)
    endif()
endforeach()
if(NOT DEFINED expected)
    message(FATAL_ERROR "no layering case named '${CASE}'")
endif()

set(scratch "${WORK}/${CASE}")
file(REMOVE_RECURSE "${scratch}")
file(COPY "${CMAKE_CURRENT_LIST_DIR}/layering/" DESTINATION "${scratch}/source")
if(planted_file)
    file(APPEND "${scratch}/source/${planted_file}" "${planted_line}\n")
endif()
execute_process(
    COMMAND "${CMAKE_COMMAND}" -S "${scratch}/source" -B "${scratch}/build" -G "${GENERATOR}"
            "-DCMAKE_CXX_COMPILER=${COMPILER}" "-DZEB_MODULES=${MODULES}"
    RESULT_VARIABLE result
    OUTPUT_VARIABLE output
    ERROR_VARIABLE output)
# The messages come wrapped: spaces and line breaks compare as one space.
string(REGEX REPLACE "[ \t\r\n]+" " " output "${output}")
string(REGEX REPLACE "[ \t\r\n]+" " " expected "${expected}")

if(NOT planted_file)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "the clean tree does not configure: ${output}")
    endif()
elseif(result EQUAL 0)
    message(FATAL_ERROR "'${planted_line}' in ${planted_file} passed the check")
else()
    string(FIND "${output}" "${expected}" found)
    if(found EQUAL -1)
        message(FATAL_ERROR "'${planted_line}' in ${planted_file} stopped the configuration, "
                            "but not with \"${expected}\": ${output}")
    endif()
endif()
