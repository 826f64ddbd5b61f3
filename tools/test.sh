#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the native suites, the Wine suites and the
# end-to-end tests, in a private X server. Extra arguments go to ctest (for example -R wine.app).
# Tests run two at a time, or CTEST_PARALLEL_LEVEL; those that use the pointer, the keyboard focus or the
# clipboard take turns (the CTest resource lock "desktop"). A selection that matches no test is an error.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

# The packages first: they tell whether Wine's 32-bit code runs natively or only under emulation.
bash "$SINOSHIFT_ROOT/tools/setup.sh" --packages-only
# The Wine and end-to-end tests: SINOSHIFT_WINE_TESTS=1 runs them, 0 leaves them out; by default they run
# unless Wine is emulated, where making the prefix and running them would take well over an hour.
wine_tests=${SINOSHIFT_WINE_TESTS:-auto}
if [ "$wine_tests" = auto ]; then
    wine_tests=1
    wine_emulated && wine_tests=0
fi
if [ "$wine_tests" = 1 ]; then
    bash "$SINOSHIFT_ROOT/tools/setup.sh"
fi
use_project_locale || die "the locale $SINOSHIFT_LOCALE is missing"
bash "$SINOSHIFT_ROOT/tools/build.sh"

# Tests move the pointer and own the clipboard: never on the user's display.
start_private_display
cd "$SINOSHIFT_BUILD"
selection=()
if [ "$wine_tests" = 1 ]; then
    cleanup() {
        # Wine's default again, for a program started on a desktop afterwards.
        wine_managed Y || true
        wineserver -k 2>/dev/null || true
        stop_private_display
    }
    trap cleanup EXIT
    wineserver -p 2>/dev/null || true
    wine_follow_display
    # The first Wine process starts the prefix's services, which would inherit (and hold open) the output pipe
    # of whichever test started them: start them here, detached from CTest.
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
else
    trap stop_private_display EXIT
    left=$(ctest -N -R '^(wine|e2e)\.' | grep -c '^ *Test *#' || true)
    why="SINOSHIFT_WINE_TESTS=0"
    wine_emulated && why="this machine runs Wine's 32-bit code only under emulation (qemu-user: the kernel has no 32-bit support)"
    say "test: $left Wine and end-to-end tests are left out: $why; SINOSHIFT_WINE_TESTS=1 runs them"
    selection=(-E '^(wine|e2e)\.')
fi
say "test: running CTest on display $DISPLAY"
ctest --output-on-failure --no-tests=error -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}" "${selection[@]}" "$@"
