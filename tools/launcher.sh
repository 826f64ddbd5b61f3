#!/usr/bin/env bash
# The installed commands `sinoshift` (the window) and `sinoshift-cli` (the command line): tools/install.sh puts
# this file in BIN under both names and the programs in BIN/../lib/sinoshift. Each runs its program under Wine
# in a prefix of the user's own, made on the first start; arguments, standard streams, the working folder and
# the exit code pass through.
set -euo pipefail
self=$(readlink -f "${BASH_SOURCE[0]}")
lib=$(cd "$(dirname "$self")/../lib/sinoshift" && pwd)
name=$(basename "${BASH_SOURCE[0]}")
say() { printf '%s: %s\n' "$name" "$*" >&2; }

case $name in
sinoshift-cli) exe=$lib/sinoshift-cli.exe ;;
*) exe=$lib/Sinoshift.exe ;;
esac

data=${XDG_DATA_HOME:-$HOME/.local/share}/sinoshift
export WINEPREFIX=$data/wineprefix WINEARCH=win32 WINEDEBUG=${WINEDEBUG:--all}
# Wine's menu builder off: Wine adds no menu entries or file associations of its own. No Mono or Gecko
# installer dialogs: the programs need neither.
export WINEDLLOVERRIDES="winemenubuilder.exe=d;mscoree,mshtml="
# Whatever Wine caches stays with the prefix.
export XDG_CACHE_HOME=$data/cache
# Wine takes the ANSI code page from the locale: zh_CN's is 936, the GB text of the panes. UTF-8 keeps file
# names in arguments as the shell wrote them.
export LC_ALL=zh_CN.UTF-8
unset LANGUAGE

# shellcheck source=wineprefix.sh
source "$lib/wineprefix.sh"
mkdir -p "$data"
log=$data/wine.log
# One start at a time prepares the prefix; a second waits for the first.
exec 9>"$data/.lock"
flock 9
if [ ! -f "$WINEPREFIX/.sinoshift-ready" ]; then
    say "preparing Wine for Sinoshift in $WINEPREFIX (only on the first start; this takes a while)"
    : >"$log"
    wineprefix_create "$log" || { say "wineboot failed (see $log)"; exit 1; }
fi
# Window management by the display: Wine leaves its windows to the window manager where one runs, and places
# them itself on a bare X server, where a managed window's hide waits for a manager that never answers. The
# command line shows no window and needs no display.
managed=-
if [ "$name" != sinoshift-cli ]; then
    [ -n "${DISPLAY:-}" ] || { say "no X display (DISPLAY is not set)"; exit 1; }
    managed=N
    python3 "$lib/xprobe.py" wm 2>/dev/null && managed=Y
fi
[ "$managed" = - ] && [ -f "$WINEPREFIX/.sinoshift-settings.reg" ] && managed=keep
if [ "$managed" != keep ]; then
    wineprefix_apply "$managed" "$log" || { say "could not apply Wine's settings (see $log)"; exit 1; }
fi
exec 9>&-
exec wine "$exe" "$@"
