#!/usr/bin/env bash
# What the scripts find out about the machine and the display before they start Wine: the project's locale is
# set only where it exists, so no shell warns before setup installed it; the probes tell whether a compositing
# manager and a window manager run; run.sh's advice shows exactly when no compositing manager runs.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
failures=0 checks=0
check() { # check WHAT COMMAND...: runs the command, counts a failure
    local what=$1
    shift
    checks=$((checks + 1))
    if "$@"; then echo "ok   $what"; else echo "FAIL $what"; failures=$((failures + 1)); fi
}

# A locale that does not exist stands for a machine before setup: nothing is set and no shell warns, neither
# the one that reads the settings nor those it starts.
out=$(env -u LC_ALL -u LANG SINOSHIFT_LOCALE=xx_XX.UTF-8 bash -c "source '$ROOT/tools/env.sh'; bash -c 'echo \"[\${LC_ALL:-}]\"'" 2>&1)
check "a missing locale is not set, without warnings (got '$out')" test "$out" = "[]"
out=$(env -u LC_ALL -u LANG bash -c "source '$ROOT/tools/env.sh'; bash -c 'echo \"[\$LC_ALL]\"'" 2>&1)
check "the installed locale is set (got '$out')" test "$out" = "[zh_CN.UTF-8]"

source "$ROOT/tools/env.sh"
start_private_display
trap 'stop_private_display' EXIT
# start_private_display runs xcompmgr; it takes the selection a moment after it starts.
check "the compositor probe finds xcompmgr" wait_for 5 display_has compositor
check "with a compositor run.sh gives no advice" test -z "$(compositor_advice)"
kill "$SINOSHIFT_XCOMPMGR_PID"
check "without one the probe finds none" wait_for 5 eval '! display_has compositor'
advice=$(compositor_advice)
echo "     advice: $advice"
check "without one run.sh gives one line of advice" test "$(printf '%s\n' "$advice" | grep -c 'xcompmgr')" = 1
check "a bare X server has no window manager" eval '! display_has wm'
openbox >/dev/null 2>&1 &
ob=$!
check "the window manager probe finds openbox" wait_for 5 display_has wm
kill "$ob"
wait "$ob" 2>/dev/null

echo "$((checks - failures)) passed, $failures failed"
[ "$failures" = 0 ]
