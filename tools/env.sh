# Shared settings of the project's scripts; sourced, not run.
SINOSHIFT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SINOSHIFT_BUILD=${SINOSHIFT_BUILD:-$SINOSHIFT_ROOT/build}
export WINEPREFIX=$SINOSHIFT_BUILD/wineprefix
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
# ANSI code page 936: the panes hold GB bytes.
export LANG=zh_CN.UTF-8
export LC_ALL=zh_CN.UTF-8

say() { printf '%s\n' "$*"; }
die() { printf 'error: %s\n' "$*" >&2; exit 1; }

# Starts a private Xvfb with a compositing manager on a free display number; sets DISPLAY.
# The caller stops it with stop_private_display.
start_private_display() {
    # Xvfb picks a free display number itself and tells it on a file descriptor: no race with other
    # servers starting at the same moment.
    local numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
    SINOSHIFT_XVFB_PID=$!
    local i
    for i in $(seq 1 100); do
        [ -s "$numfile" ] && break
        kill -0 "$SINOSHIFT_XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    [ -s "$numfile" ] || die "Xvfb did not start"
    export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
    rm -f "$numfile"
    xdpyinfo >/dev/null 2>&1 || die "Xvfb did not answer on $DISPLAY"
    xcompmgr -n >/dev/null 2>&1 &
    SINOSHIFT_XCOMPMGR_PID=$!
}

stop_private_display() {
    [ -n "${SINOSHIFT_XCOMPMGR_PID:-}" ] && kill "$SINOSHIFT_XCOMPMGR_PID" 2>/dev/null
    [ -n "${SINOSHIFT_XVFB_PID:-}" ] && kill "$SINOSHIFT_XVFB_PID" 2>/dev/null
    wait 2>/dev/null || true
}
