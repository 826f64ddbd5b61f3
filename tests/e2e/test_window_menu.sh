#!/usr/bin/env bash
# The window menu and the caption buttons, with the mouse: the icon opens the menu just below itself, Esc
# closes it, its minimise item hides the window and its shadow, its close item and the close button end the
# program with exit code 0. Usage: bash test_window_menu.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Clicks the icon and prints the menu's "id x y width height": its top-left corner is the icon's bottom-left.
open_menu() {
    e2e_click $E2E_AT_ICON
    e2e_wait_for 3 menu_at_icon && return 0
    e2e_fail "clicking the icon opened no menu at $((E2E_X + 8)),$((E2E_Y + 22)); windows: $(e2e_other_windows | tr '\n' ';')"
}

menu_at_icon() {
    local id x y w h
    while read -r id x y w h; do
        if [ "$x" = $((E2E_X + 8)) ] && [ "$y" = $((E2E_Y + 22)) ]; then
            echo "$id $x $y $w $h"
            return 0
        fi
    done < <(e2e_other_windows)
    return 1
}

menu_closed() { ! e2e_other_windows | awk -v id="$1" '$1 == id { found = 1 } END { exit !found }'; }

visible() { xdotool search --onlyvisible --classname '^sinoshift\.exe$' 2>/dev/null | grep -qx "$1"; }

e2e_begin "${1:-}"

# Esc closes the menu and nothing else happens.
e2e_start
menu=$(open_menu)
read -r id mx my mw mh <<<"$menu"
e2e_screenshot menu-open
e2e_keys Escape
e2e_wait_for 3 menu_closed "$id" || e2e_fail "Esc did not close the window menu"
e2e_running || e2e_fail "Esc on the window menu ended the program"

# The first item minimises: the window and its shadow hide.
menu=$(open_menu)
read -r id mx my mw mh <<<"$menu"
shadow=$(e2e_other_windows | awk '$4 == 745 && $5 == 518 { print $1 }')
[ -n "$shadow" ] || e2e_fail "no shadow window beside the main window"
xdotool mousemove --sync $((mx + mw / 2)) $((my + 8))
e2e_screenshot menu-minimise-item
xdotool click 1
e2e_wait_for 5 eval '! visible "$E2E_WIN"' || e2e_fail "the minimise item left the main window on the screen"
e2e_wait_for 5 eval '! visible "$shadow"' || e2e_fail "the minimise item left the shadow on the screen"
e2e_running || e2e_fail "the minimise item ended the program"
e2e_screenshot minimised
kill "$E2E_APP_PID"
wait "$E2E_APP_PID" 2>/dev/null || true

# The last item closes the program.
e2e_start
menu=$(open_menu)
read -r id mx my mw mh <<<"$menu"
xdotool mousemove --sync $((mx + mw / 2)) $((my + mh - 8))
e2e_screenshot menu-close-item
xdotool click 1
e2e_expect_exit 10 0

# So does the close button at the top right.
e2e_start
e2e_click 682 9
e2e_expect_exit 10 0
