#!/usr/bin/env bash
# Sets everything up, builds, and runs every test: the native suites, the Wine suites and the
# end-to-end tests, in a private X server. Extra arguments go to ctest (for example -R wine.app).
# Tests run two at a time, or CTEST_PARALLEL_LEVEL; those that use the pointer, the keyboard focus or the
# clipboard take turns (the CTest resource lock "desktop"). A selection that matches no test is an error.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

bash "$SINOSHIFT_ROOT/tools/setup.sh"
use_project_locale || die "the locale $SINOSHIFT_LOCALE is missing"
bash "$SINOSHIFT_ROOT/tools/build.sh"

# Tests move the pointer and own the clipboard: never on the user's display.
start_private_display
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
say "test: running CTest on display $DISPLAY"
cd "$SINOSHIFT_BUILD"
ctest --output-on-failure --no-tests=error -j "${CTEST_PARALLEL_LEVEL:-$(nproc)}" "$@"
