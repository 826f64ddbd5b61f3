# How the test folders become CTest tests: one CTest test per GoogleTest case (native and under Wine), one per
# script. New suites and scripts are picked up by the globs in tests/CMakeLists.txt and registered here, all alike.
include(GoogleTest)

# The one lock of the X display's shared state: the pointer, the keyboard focus and the clipboard. Tests that
# use any of them hold it; all other tests run beside them (tools/test.sh runs two at a time).
set(SINOSHIFT_DESKTOP_LOCK desktop)

# Wine suites that neither show windows nor touch the clipboard, so their cases need no lock. Any other suite,
# a new one included, holds the lock in every case until it is listed here.
set(SINOSHIFT_WINE_SUITES_WITHOUT_DESKTOP conversion cli assets)

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

# One CTest test per script matching GLOB, named PREFIX<name> for test_<name>.sh, run with bash and ARGS:
# sinoshift_script_tests(PREFIX GLOB [ARGS ...] [PROPERTIES ...]).
function(sinoshift_script_tests prefix glob)
    cmake_parse_arguments(arg "" "" "ARGS;PROPERTIES" ${ARGN})
    file(GLOB scripts CONFIGURE_DEPENDS ${glob})
    foreach(script ${scripts})
        get_filename_component(name ${script} NAME_WE)
        string(REGEX REPLACE "^test_" "" name ${name})
        add_test(NAME ${prefix}${name} COMMAND bash ${script} ${arg_ARGS})
        set_tests_properties(${prefix}${name} PROPERTIES TIMEOUT ${SINOSHIFT_SCRIPT_TIMEOUT} ${arg_PROPERTIES})
    endforeach()
endfunction()
