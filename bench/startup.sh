#!/usr/bin/env bash
# How long the window takes to show, started from the checkout (the build's program in the project's prefix,
# as tools/wine-run starts it) and installed (the `sinoshift` launcher, in a user's own prefix, installed into a
# temporary home). Every start is from a stopped wineserver and is timed until the main window is visible. The
# installed program's first start, which makes its prefix, is timed once before the rounds.
#   bash bench/startup.sh [ROUNDS]      (default 3; the medians count)
# STARTUP_SEED_PREFIX=DIR copies that ready prefix in as the user's instead of letting the first start make one
# (minutes; far more under CPU emulation); the first start is then not timed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"
source "$SINOSHIFT_ROOT/tests/e2e/lib.sh"
rounds=${1:-3}

SINOSHIFT_SKIP_NATIVE=1 SINOSHIFT_WIN32_TARGETS="Sinoshift sinoshift-cli" bash "$SINOSHIFT_ROOT/tools/build.sh" >/dev/null
exe=$SINOSHIFT_BUILD/win32/bin/Sinoshift.exe
work=$(mktemp -d /tmp/startup.XXXXXX)
home=$work/home
userprefix=$home/.local/share/sinoshift/wineprefix
own_display=0
cleanup() {
    [ -d "$userprefix" ] && WINEPREFIX=$userprefix wineserver -k 2>/dev/null
    wineserver -k 2>/dev/null
    [ "$own_display" = 1 ] && stop_private_display
    rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
    start_private_display
    own_display=1
fi
wine_follow_display
mkdir -p "$home"
as_user() { env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$home/.local/bin:/usr/bin:/bin" "$@"; }
as_user SINOSHIFT_BUILD="$SINOSHIFT_BUILD" bash "$SINOSHIFT_ROOT/tools/install.sh" >/dev/null

# time_start PREFIX COMMAND...: seconds from the start until the main window shows; then stops the program and
# waits until the prefix's wineserver has gone.
time_start() {
    local prefix=$1 t0 t1 pid
    shift
    t0=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    pid=$!
    until [ -n "$(e2e_find_main_window)" ]; do
        kill -0 "$pid" 2>/dev/null || die "$* ended before its window showed"
        sleep 0.05
    done
    t1=$(date +%s%N)
    WINEPREFIX=$prefix wineserver -k 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    WINEPREFIX=$prefix wineserver -w 2>/dev/null || true
    printf '%d.%02d\n' $(((t1 - t0) / 1000000000)) $(((t1 - t0) / 10000000 % 100))
}
median() { printf '%s\n' "$@" | sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

wineserver -w 2>/dev/null || true
first="not timed (a copied prefix)"
if [ -n "${STARTUP_SEED_PREFIX:-}" ]; then
    mkdir -p "$(dirname "$userprefix")"
    cp -a "$STARTUP_SEED_PREFIX" "$userprefix"
    rm -f "$userprefix"/.sinoshift-settings*
    # The launcher's settings go in once, at a start that is not timed.
    time_start "$userprefix" as_user sinoshift >/dev/null
else
    say "startup: first start of the installed sinoshift (makes the user's Wine prefix)"
    first="$(time_start "$userprefix" as_user sinoshift) s"
fi
say "startup: first start $first"
checkout=()
installed=()
for ((r = 1; r <= rounds; r++)); do
    checkout+=("$(time_start "$WINEPREFIX" wine "$exe")")
    installed+=("$(time_start "$userprefix" as_user sinoshift)")
    say "startup: round $r: checkout ${checkout[-1]} s, installed ${installed[-1]} s"
done
c=$(median "${checkout[@]}")
i=$(median "${installed[@]}")
say "startup: first start (new prefix) $first; later starts, median of $rounds: checkout $c s, installed $i s" \
    "(installed / checkout = $(awk -v a="$i" -v b="$c" 'BEGIN { printf "%.2f", a / b }'))"
