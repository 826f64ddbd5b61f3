#!/usr/bin/env bash
# The wheel goes to the control with the focus, wherever the pointer is: over the mode list while the source pane
# has the focus it scrolls the pane and leaves the mode alone; over a pane while the list has the focus it steps
# the list. Usage: bash test_modes_wheel.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

gb() { e2e_hex_of GBK "$1"; }

# A crop of the source pane's first lines, to tell whether it scrolled: pane_top FILE.
pane_top() {
    e2e_geometry
    import -window root -crop "280x60+$((E2E_X + 30))+$((E2E_Y + 126))" +repage "$1" 2>/dev/null
}

e2e_begin "${1:-}"
e2e_start

# Sixty numbered lines in the source pane, the caret back at the top.
lines=$(for i in $(seq 1 60); do printf 'line %02d\r\n' "$i"; done)
e2e_clipboard_put_utf8 "$lines"
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a
e2e_click $E2E_AT_PASTE_O
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+Home
e2e_sync
pane_top "$E2E_SHOTS/modes_wheel-top-before.png"

# Over the list, the focus in the pane: the pane scrolls, the mode stays the first.
e2e_hover $E2E_AT_MODE_LIST
xdotool click --repeat 2 --delay 150 5
e2e_sync
pane_top "$E2E_SHOTS/modes_wheel-top-after.png"
e2e_screenshot wheel-over-list
changed=$(compare -metric AE "$E2E_SHOTS/modes_wheel-top-before.png" "$E2E_SHOTS/modes_wheel-top-after.png" null: 2>&1 || true)
[ "${changed%% *}" != 0 ] || e2e_fail "the wheel over the mode list did not scroll the focused source pane"

# Over the result pane, the focus in the list: one notch down selects the second mode.
e2e_click $E2E_AT_MODE_LIST
e2e_keys Escape
e2e_hover $E2E_AT_MEMO_D
xdotool click 5
e2e_screenshot wheel-over-pane
e2e_clipboard_put_cp936_hex "$(gb '漢字')"
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a
e2e_click $E2E_AT_PASTE_O
e2e_click $E2E_AT_CONVERT
e2e_clipboard_mark
e2e_click $E2E_AT_MEMO_D
e2e_keys ctrl+a
e2e_click $E2E_AT_COPY_D
e2e_expect_clipboard_hex "$(gb '汉字')" "after a wheel notch over the result pane while the mode list had the focus"
