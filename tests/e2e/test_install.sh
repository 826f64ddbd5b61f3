#!/usr/bin/env bash
# The Linux install as a user meets it, in a fresh home: install, the command line from another folder on a
# relative path (streams and exit code through), the window, then uninstall (the home as before but the kept
# Wine prefix) and --purge (exactly as before). The first start makes a Wine prefix: slow, so every wait is for
# a state, with generous limits. Usage: bash test_install.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "${1:-}"
e2e_need desktop-file-validate
root=$(cd "$E2E_LIB_DIR/../.." && pwd)
work=$(mktemp -d /tmp/e2e-install.XXXXXX)
home=$work/home
cleanup_install() {
    local rc=$?
    set +e
    [ -d "$home/.local/share/sinoshift/wineprefix" ] && WINEPREFIX=$home/.local/share/sinoshift/wineprefix wineserver -k
    cd / && rm -rf "$work"
    (exit "$rc")
    e2e_cleanup
}
trap cleanup_install EXIT
# What the user had before: the install must leave it alone.
mkdir -p "$home/.local/bin" "$home/.config" "$work/elsewhere/texts"
echo 'echo mine' >"$home/.local/bin/mine"
snapshot() { (cd "$home" && find . -printf '%y %p\n' | LC_ALL=C sort); }
snapshot >"$work/before"
# The user's session: only HOME, the display and a search path; nothing of the project's environment.
as_user() {
    env -i HOME="$home" DISPLAY="$DISPLAY" PATH="$home/.local/bin:/usr/bin:/bin" SINOSHIFT_BUILD="$SINOSHIFT_BUILD" "$@"
}

as_user bash "$root/tools/install.sh" >"$work/install.log" 2>&1 || e2e_fail "install: $(cat "$work/install.log")"
entry=$home/.local/share/applications/sinoshift.desktop
desktop-file-validate "$entry" || e2e_fail "the desktop entry does not validate"
for want in 'Name=Sinoshift' 'GenericName=Chinese text converter' 'GenericName[zh_CN]=简繁转换' \
    'GenericName[zh_TW]=簡繁轉換' 'Categories=Office;Utility;TextTools;'; do
    grep -qxF "$want" "$entry" || e2e_fail "the desktop entry has no line $want"
done
for size in 16 32 48 256; do
    [ "$(command convert "$home/.local/share/icons/hicolor/${size}x$size/apps/sinoshift.png" -format %w info:)" = "$size" ] ||
        e2e_fail "no $size-pixel icon"
done
e2e_log "installed: entry valid, icons there"

# For all users, under a prefix: the same files there, and nothing left after the uninstall.
mkdir "$work/system"
as_user bash "$root/tools/install.sh" --prefix "$work/system" >/dev/null || e2e_fail "install --prefix failed"
[ -x "$work/system/bin/sinoshift-cli" ] && [ -f "$work/system/share/applications/sinoshift.desktop" ] ||
    e2e_fail "install --prefix put no commands or entry in $work/system"
as_user bash "$root/tools/install.sh" --prefix "$work/system" --uninstall >/dev/null
[ -z "$(ls -A "$work/system")" ] || e2e_fail "uninstall --prefix left $(cd "$work/system" && find .)"

# The command line from another folder on a relative path; its first start makes the prefix.
cd "$work/elsewhere"
printf '%s' '简体中文转换' | iconv -f UTF-8 -t GBK >texts/in.gb
printf '%s' '簡體中文轉換' | iconv -f UTF-8 -t GBK >expected.gb
started=$(date +%s)
as_user sinoshift-cli s2t texts/in.gb -o texts/out.gb 2>"$work/first.err" || e2e_fail "first start: $(cat "$work/first.err")"
e2e_log "first start of sinoshift-cli (new Wine prefix): $(($(date +%s) - started)) s"
cmp -s texts/out.gb expected.gb || e2e_fail "the file converted wrong: $(xxd texts/out.gb)"
as_user sinoshift-cli t2s <texts/out.gb >piped.gb || e2e_fail "piped: exit $?"
cmp -s piped.gb texts/in.gb || e2e_fail "the pipe converted wrong: $(xxd piped.gb)"
rc=0
as_user sinoshift-cli s2x texts/in.gb 2>/dev/null || rc=$?
[ "$rc" = 2 ] || e2e_fail "a bad mode exited $rc, not 2"
e2e_log "sinoshift-cli: relative paths, the pipe and exit code 2 pass through"

# The window, through the launcher.
as_user sinoshift >"$work/window.log" 2>&1 &
E2E_APP_PID=$!
e2e_wait_for 600 eval '[ -n "$(e2e_find_main_window)" ]' ||
    e2e_fail "no window of the installed sinoshift: $(cat "$work/window.log")"
E2E_WIN=$(e2e_find_main_window)
e2e_geometry
e2e_screenshot installed-window
e2e_click 673 10 # the close button
e2e_expect_exit 120 0
WINEPREFIX=$home/.local/share/sinoshift/wineprefix wineserver -w

cd "$work"
as_user bash "$root/tools/install.sh" --uninstall >/dev/null || e2e_fail "uninstall failed"
snapshot | grep -v '^. ./.local/share/sinoshift' | grep -vxF -e 'd ./.local/share' >"$work/after"
[ -d "$home/.local/share/sinoshift/wineprefix/drive_c" ] || e2e_fail "the uninstall took the Wine prefix"
diff "$work/before" "$work/after" || e2e_fail "the uninstall left the home otherwise than before"
as_user bash "$root/tools/install.sh" >/dev/null 2>&1 || e2e_fail "the second install failed"
as_user bash "$root/tools/install.sh" --uninstall --purge >/dev/null || e2e_fail "uninstall --purge failed"
snapshot | diff "$work/before" - || e2e_fail "after --purge the home is not as before"
e2e_log "uninstall keeps only the Wine prefix; --purge leaves the home as before"
