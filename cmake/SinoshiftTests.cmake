# How the test folders become CTest tests: one CTest test per GoogleTest case (native and under Wine), one per
# script. New suites and scripts are picked up by the globs in tests/CMakeLists.txt and registered here, all alike.
include(GoogleTest)
set(SINOSHIFT_TOOLS ${CMAKE_CURRENT_LIST_DIR}/../tools)

# The one lock of the X display's shared state: the pointer, the keyboard focus and the clipboard. Tests that
# use any of them hold it; all other tests run beside them (tools/test.sh runs two at a time).
set(SINOSHIFT_DESKTOP_LOCK desktop)

# Wine suites and end-to-end scripts that neither show windows nor touch the clipboard, so they need no lock. Any
# other, a new one included, holds the lock until it is listed here.
set(SINOSHIFT_WINE_SUITES_WITHOUT_DESKTOP conversion cli assets)
set(SINOSHIFT_SCRIPTS_WITHOUT_DESKTOP cli)

# A Wine program starts several times slower under emulation than natively; these leave room for that.
set(SINOSHIFT_CASE_TIMEOUT 300)
set(SINOSHIFT_SCRIPT_TIMEOUT 600)

# Registers every case of a GoogleTest executable as its own CTest test named PREFIX<Suite>.<Case>, each
# run in a process of its own (a fresh application for every case). The cases are listed by the executable
# itself the first time CTest runs after it was built (under Wine through the toolchain's emulator), so the
# build needs no Wine; the list is kept until the executable changes. A case that calls GTEST_SKIP shows
# as skipped.
function(sinoshift_gtest_cases target prefix)
    cmake_parse_arguments(arg "" "" "PROPERTIES" ${ARGN})
    gtest_discover_tests(${target}
        TEST_PREFIX "${prefix}"
        EXTRA_ARGS --gtest_color=no
        DISCOVERY_MODE PRE_TEST
        DISCOVERY_TIMEOUT 300
        PROPERTIES TIMEOUT ${SINOSHIFT_CASE_TIMEOUT} ${arg_PROPERTIES})
endfunction()

# The properties of a Wine suite's cases: the desktop lock unless the suite is known to need none.
function(sinoshift_wine_case_properties suite out)
    set(props)
    if(NOT suite IN_LIST SINOSHIFT_WINE_SUITES_WITHOUT_DESKTOP)
        list(APPEND props RESOURCE_LOCK ${SINOSHIFT_DESKTOP_LOCK})
    endif()
    set(${out} ${props} PARENT_SCOPE)
endfunction()

# Under Wine every case may run in a process of its own: where a Wine program starts in tens of milliseconds (a
# normal machine with the Wine server kept running), that isolates the cases best and lets a suite's cases run side
# by side. Where a start costs seconds (Wine's 32-bit code emulated, as on machines without the kernel's 32-bit
# support) the default runs each suite once and shows each case from its results.
option(SINOSHIFT_WINE_CASE_PROCESSES "Run every Wine test case in a Wine process of its own" OFF)

# Cases that need a process of their own in either way: each makes the application's main form, which exists
# once in a process (Suite.Case, as a regular expression).
set(SINOSHIFT_WINE_OWN_PROCESS_CASES
    "ApplicationTest\\.(UnderWineTheMainFormStandsForTheApplication|ClosingTheMainFormEndsTheLoop)")

# The Suite.Case names of TEST and TEST_F in SOURCES, read without building or running anything.
function(sinoshift_gtest_cases_in_sources out)
    set(cases)
    foreach(source ${ARGN})
        file(STRINGS ${source} lines REGEX "^[ \t]*TEST(_F)?\\(")
        foreach(line ${lines})
            if(line MATCHES "^[ \t]*TEST(_F)?\\(([A-Za-z0-9_]+), *([A-Za-z0-9_]+)\\)")
                list(APPEND cases "${CMAKE_MATCH_2}.${CMAKE_MATCH_3}")
            endif()
        endforeach()
    endforeach()
    set(${out} ${cases} PARENT_SCOPE)
endfunction()

# Registers the cases of the Wine suite SUITE (executable TARGET built from SOURCES) as tests named
# wine.<suite>.<Suite>.<Case>, each holding the desktop lock where the suite needs it.
function(sinoshift_wine_suite suite target)
    sinoshift_wine_case_properties(${suite} lock)
    if(SINOSHIFT_WINE_CASE_PROCESSES)
        sinoshift_gtest_cases(${target} "wine.${suite}." PROPERTIES ${lock})
        return()
    endif()
    # One run of the whole suite, the test wine.<suite>, writes every case's result; each case's own test reads
    # its result (CTest runs the suite first, also when only some of its cases are chosen). The run fails only when
    # it wrote no results or ran a case that is not listed: each case reports its own failure.
    sinoshift_gtest_cases_in_sources(cases ${ARGN})
    set(results ${CMAKE_CURRENT_BINARY_DIR}/results)
    set(shared)
    set(own)
    foreach(case ${cases})
        if(case MATCHES "^(${SINOSHIFT_WINE_OWN_PROCESS_CASES})$")
            list(APPEND own ${case})
        else()
            list(APPEND shared ${case})
        endif()
    endforeach()
    list(JOIN cases "\n" listed)
    file(WRITE ${results}/${suite}.cases "${listed}\n")
    set(run ${CMAKE_CROSSCOMPILING_EMULATOR} $<TARGET_FILE:${target}> --gtest_color=no)
    set(filter)
    if(own)
        list(JOIN own ":" excluded)
        set(filter "--gtest_filter=-${excluded}")
    endif()
    add_test(NAME wine.${suite}
        COMMAND python3 ${SINOSHIFT_TOOLS}/gtest_results.py run ${results}/${suite}.xml ${results}/${suite}.cases --
            ${run} --gtest_output=xml:results/${suite}.xml ${filter}
        WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
    set_tests_properties(wine.${suite} PROPERTIES FIXTURES_SETUP wine.${suite} TIMEOUT 3600 ${lock})
    foreach(case ${shared})
        add_test(NAME wine.${suite}.${case}
            COMMAND python3 ${SINOSHIFT_TOOLS}/gtest_results.py case ${results}/${suite}.xml ${case})
        set_tests_properties(wine.${suite}.${case} PROPERTIES FIXTURES_REQUIRED wine.${suite} TIMEOUT 60
            SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]")
    endforeach()
    foreach(case ${own})
        add_test(NAME wine.${suite}.${case} COMMAND ${run} --gtest_filter=${case})
        set_tests_properties(wine.${suite}.${case} PROPERTIES TIMEOUT ${SINOSHIFT_CASE_TIMEOUT}
            SKIP_REGULAR_EXPRESSION "\\[  SKIPPED \\]" ${lock})
    endforeach()
endfunction()

# One CTest test per script matching GLOB, named PREFIX<name> for test_<name>.sh, run with bash and ARGS; with
# DESKTOP each holds the desktop lock unless listed as needing none:
# sinoshift_script_tests(PREFIX GLOB [DESKTOP] [ARGS ...] [PROPERTIES ...]).
function(sinoshift_script_tests prefix glob)
    cmake_parse_arguments(arg "DESKTOP" "" "ARGS;PROPERTIES" ${ARGN})
    file(GLOB scripts CONFIGURE_DEPENDS ${glob})
    foreach(script ${scripts})
        get_filename_component(name ${script} NAME_WE)
        string(REGEX REPLACE "^test_" "" name ${name})
        add_test(NAME ${prefix}${name} COMMAND bash ${script} ${arg_ARGS})
        set_tests_properties(${prefix}${name} PROPERTIES TIMEOUT ${SINOSHIFT_SCRIPT_TIMEOUT} ${arg_PROPERTIES})
        if(arg_DESKTOP AND NOT name IN_LIST SINOSHIFT_SCRIPTS_WITHOUT_DESKTOP)
            set_tests_properties(${prefix}${name} PROPERTIES RESOURCE_LOCK ${SINOSHIFT_DESKTOP_LOCK})
        endif()
    endforeach()
endfunction()
