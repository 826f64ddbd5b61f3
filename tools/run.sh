#!/usr/bin/env bash
# Sets everything up, builds the program and runs it under Wine: on $DISPLAY when there is one; otherwise on a
# private Xvfb, where it also writes a screenshot and keeps running until interrupted (Ctrl+C).
#   --compositor   on $DISPLAY, start xcompmgr for the program's run when no compositing manager runs there
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/env.sh"

start_compositor=0
for arg in "$@"; do
    case $arg in
    --compositor) start_compositor=1 ;;
    *) die "unknown option $arg (usage: bash tools/run.sh [--compositor])" ;;
    esac
done

bash "$SINOSHIFT_ROOT/tools/setup.sh"
use_project_locale || die "the locale $SINOSHIFT_LOCALE is missing"
SINOSHIFT_SKIP_NATIVE=1 bash "$SINOSHIFT_ROOT/tools/build.sh"
exe=$SINOSHIFT_BUILD/win32/bin/Sinoshift.exe
[ -f "$exe" ] || die "the build made no $exe"

if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    # The user's desktop: its window manager places the windows; a compositor only when asked for.
    compositor_pid=
    if [ "$start_compositor" = 1 ] && ! display_has compositor; then
        xcompmgr -n >/dev/null 2>&1 &
        compositor_pid=$!
        say "run: started xcompmgr on $DISPLAY for this run"
    else
        compositor_advice
    fi
    wine_follow_display
    say "run: starting Sinoshift on $DISPLAY"
    rc=0
    wine "$exe" || rc=$?
    [ -n "$compositor_pid" ] && kill "$compositor_pid" 2>/dev/null
    exit "$rc"
fi

start_private_display
app_pid=
cleanup() {
    [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    stop_private_display
}
trap cleanup EXIT
trap 'exit 130' INT TERM

wine_follow_display
say "run: no display; starting Sinoshift on a private Xvfb ($DISPLAY)"
wine "$exe" &
app_pid=$!
win=
shown_or_gone() {
    win=$(xdotool search --onlyvisible --classname sinoshift.exe 2>/dev/null | head -n 1)
    [ -n "$win" ] || ! kill -0 "$app_pid" 2>/dev/null
}
wait_for 30 shown_or_gone
kill -0 "$app_pid" 2>/dev/null || die "Sinoshift exited before showing its window"
[ -n "$win" ] || die "Sinoshift showed no window"
wait_painted "$win" || die "Sinoshift never painted its window"
shot=$SINOSHIFT_BUILD/screenshot.png
import -window root "$shot"
say "run: screenshot written to $shot"
say "run: Sinoshift is running on $DISPLAY; press Ctrl+C to stop it"
wait "$app_pid" || true
