# Shared settings of the project's scripts; sourced, not run. A user's shell may source it too
# (`source tools/env.sh`): then an error returns instead of closing the shell, and the settings are listed.
SINOSHIFT_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
SINOSHIFT_BUILD=${SINOSHIFT_BUILD:-$SINOSHIFT_ROOT/build}
export WINEPREFIX=$SINOSHIFT_BUILD/wineprefix
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installer dialogs: the program needs neither.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}

say() { printf '%s\n' "$*"; }
# Scripts stop at an error; an interactive shell only hears of it (its functions then return 1).
die() {
    printf 'error: %s\n' "$*" >&2
    [[ $- == *i* ]] && return 1
    exit 1
}

# Polls a command until it succeeds, at most SECONDS: wait_for SECONDS COMMAND...
wait_for() {
    local limit=$1 i
    shift
    for ((i = 0; i < limit * 20; i++)); do
        "$@" && return 0
        sleep 0.05
    done
    return 1
}

# ANSI code page 936: the panes hold GB bytes. Set only once the locale exists (setup installs it): a missing
# one makes every shell started from here warn that it cannot set it.
SINOSHIFT_LOCALE=${SINOSHIFT_LOCALE:-zh_CN.UTF-8}
use_project_locale() {
    # locale -a spells zh_CN.UTF-8 as zh_CN.utf8.
    local want=${SINOSHIFT_LOCALE,,} have
    want=${want//-/}
    while read -r have; do
        have=${have,,}
        if [ "${have//-/}" = "$want" ]; then
            export LANG=$SINOSHIFT_LOCALE LC_ALL=$SINOSHIFT_LOCALE
            return 0
        fi
    done < <(locale -a 2>/dev/null)
    return 1
}
use_project_locale || true

# Whether Wine's 32-bit programs run through qemu-user here (tools/setup.sh sets that up where the kernel runs no
# 32-bit programs itself): each Wine program then starts in tens of seconds instead of milliseconds.
wine_emulated() { grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; }

# Whether a window manager or a compositing manager runs on $DISPLAY (its selection has an owner).
display_has() { python3 "$SINOSHIFT_ROOT/tools/xprobe.py" "$1" 2>/dev/null; }

# The line for a display where the window's soft shadow cannot be blended; nothing where it can.
compositor_advice() {
    display_has compositor && return 0
    say "run: no compositing manager runs on $DISPLAY, so the window's shadow shows as a black band;" \
        "start one (xcompmgr &, installed by setup; or your desktop's compositing setting)," \
        "or run with --compositor"
}

# Whether a rectangle of the screen shows one colour only: screen_plain X Y WIDTH HEIGHT [KEEP.png].
screen_plain() {
    local crop=${5:-$(mktemp --suffix=.png)} colours
    import -window root -crop "$3x$4+$1+$2" +repage "$crop" 2>/dev/null &&
        colours=$(command convert "$crop" -format %k info: 2>/dev/null)
    [ -n "${5:-}" ] || rm -f "$crop"
    [ "${colours:-}" = 1 ]
}

# Waits until the X window ID has had its first paint: before it, its top 25 rows show one colour.
wait_painted() {
    local X Y WIDTH
    eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null | grep -E '^(X|Y|WIDTH)=')"
    wait_for "${2:-30}" eval '! screen_plain "$X" "$Y" "$WIDTH" 25'
}

# Wine's X11 driver leaves its windows to the window manager (Managed=Y, its default), but without one, on a bare
# Xvfb, every hide of a managed window waits two seconds for it: there Wine places them itself (Managed=N).
# Chosen per display before the program starts; Wine reads it when a process starts.
wine_follow_display() {
    local managed=N
    display_has wm && managed=Y
    wine_managed "$managed" || die "could not set Wine's window management (Managed=$managed)"
}

# Each setting costs a Wine start (seconds where Wine's 32-bit code is emulated): the prefix remembers in a file
# what was set last, and the same setting is not made again.
wine_managed() {
    local _ state=$WINEPREFIX/.sinoshift-managed
    [ "$(cat "$state" 2>/dev/null)" = "$1" ] && return 0
    rm -f "$state"
    for _ in 1 2 3; do
        # Another try when the previous wineserver was still shutting down.
        if wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d "$1" /f >/dev/null 2>&1; then
            printf '%s\n' "$1" >"$state"
            return 0
        fi
        sleep 1 # Wine's server going down is no state to wait for from here
    done
    return 1
}

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
    [ -s "$numfile" ] || die "Xvfb did not start" || return
    SINOSHIFT_PREVIOUS_DISPLAY=${DISPLAY-}
    export DISPLAY=":$(tr -d '[:space:]' <"$numfile")"
    rm -f "$numfile"
    xdpyinfo >/dev/null 2>&1 || die "Xvfb did not answer on $DISPLAY" || return
    xcompmgr -n >/dev/null 2>&1 &
    SINOSHIFT_XCOMPMGR_PID=$!
    [[ $- == *i* ]] && say "env: private X server on DISPLAY=$DISPLAY; stop it with stop_private_display"
    return 0
}

# Stops what start_private_display started and gives DISPLAY its earlier value.
stop_private_display() {
    local pid
    for pid in ${SINOSHIFT_XCOMPMGR_PID:-} ${SINOSHIFT_XVFB_PID:-}; do
        # Only these two: an interactive shell's other jobs are not ours to wait for.
        # A killed process reports 143: no failure here, also under set -e.
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null || true
    done
    if [ -n "${SINOSHIFT_XVFB_PID:-}" ]; then
        if [ -n "${SINOSHIFT_PREVIOUS_DISPLAY:-}" ]; then export DISPLAY=$SINOSHIFT_PREVIOUS_DISPLAY; else unset DISPLAY; fi
    fi
    SINOSHIFT_XCOMPMGR_PID= SINOSHIFT_XVFB_PID=
    return 0
}

# Whether clang can build libFuzzer targets under the sanitizers here (setup installs what it needs).
fuzz_toolchain_ready() {
    command -v clang++ >/dev/null 2>&1 || return 1
    printf 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }\n' |
        clang++ -x c++ -fsanitize=fuzzer,address,undefined - -o /dev/null >/dev/null 2>&1
}

# Configures and builds the fuzz tree (build/fuzz: clang, libFuzzer, the sanitizers) and its targets only;
# the output goes to $SINOSHIFT_BUILD/fuzz-build.log.
build_fuzz_tree() {
    local log=$SINOSHIFT_BUILD/fuzz-build.log
    mkdir -p "$SINOSHIFT_BUILD"
    { CC=clang CXX=clang++ cmake -S "$SINOSHIFT_ROOT" -B "$SINOSHIFT_BUILD/fuzz" -DSINOSHIFT_FUZZ=ON \
        -DCMAKE_BUILD_TYPE=RelWithDebInfo && cmake --build "$SINOSHIFT_BUILD/fuzz" --target fuzzers -j2; } \
        >"$log" 2>&1 || { tail -n 60 "$log" >&2; return 1; }
}
# Sourced by a user's shell: say what it now holds.
if [[ $- == *i* ]] && [ "${BASH_SOURCE[0]}" != "$0" ]; then
    say "env: set in this shell: LANG=${LANG-} LC_ALL=${LC_ALL-}"
    say "env: WINEPREFIX=$WINEPREFIX WINEARCH=$WINEARCH WINEDEBUG=$WINEDEBUG WINEDLLOVERRIDES=$WINEDLLOVERRIDES"
    say "env: functions: start_private_display, stop_private_display, wait_for, die (returns here)"
fi
