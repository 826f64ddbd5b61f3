#!/usr/bin/env bash
# Chooses conversion modes as a user can, and converts after each: "BIG5 -> 简体" by typing B, the first entry
# by Esc and by Backspace, the others by the wheel over the list and by the arrow keys; then the convert button's
# own ways: a press released off the button converts nothing, Enter held on the focused button converts again and
# again, Space converts on its release. Usage: bash test_modes.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

gb() { e2e_hex_of GBK "$1"; }
big5() { e2e_hex_of BIG5 "$1"; }

# Per mode a source and what that mode makes of it, so that a result names the mode that ran.
mode_source=("$(gb '汉字')" "$(gb '漢字')" "$(big5 '電腦')" "$(gb '电脑')")
mode_result=("$(gb '漢字')" "$(gb '汉字')" "$(gb '电脑')" "$(big5 '電腦')")

# Replaces the source pane's text with bytes given as hex, through the clipboard and the paste button.
set_source() {
    e2e_clipboard_put_cp936_hex "$1"
    e2e_click $E2E_AT_MEMO_O
    e2e_keys ctrl+a
    e2e_click $E2E_AT_PASTE_O
}

# Copies the result pane out and compares its bytes: expect_result HEX WHAT.
expect_result() {
    e2e_clipboard_mark
    e2e_click $E2E_AT_MEMO_D
    e2e_keys ctrl+a
    e2e_click $E2E_AT_COPY_D
    e2e_expect_clipboard_hex "$1" "$2"
}

# Gives the mode list the focus with its drop-down closed: a click opens it, Esc on the open list only closes it.
focus_mode_list() {
    e2e_click $E2E_AT_MODE_LIST
    e2e_keys Escape
}

# Puts the source of MODE into the pane, runs the keys or wheel steps of HOW, converts and expects MODE's result.
# choose MODE WHAT ACTION...
choose() {
    local mode=$1 what=$2
    shift 2
    set_source "${mode_source[$mode]}"
    focus_mode_list
    "$@"
    e2e_click $E2E_AT_CONVERT
    expect_result "${mode_result[$mode]}" "mode $mode chosen by $what"
    e2e_log "mode $mode chosen by $what"
}

# Wheel notches over the mode list: wheel UP|DOWN COUNT (down is toward the user).
wheel() {
    local button=4
    [ "$1" = DOWN ] && button=5
    e2e_hover $E2E_AT_MODE_LIST
    xdotool click --repeat "$2" --delay 150 "$button"
}

# The result pane's first lines, where a short result shows (client x y width height).
MEMO_D_TOP="364 126 280 40"

e2e_begin "${1:-}"
e2e_start
e2e_screenshot started

choose 2 "typing B" e2e_keys b
choose 0 "Esc on the closed list" e2e_keys Escape
choose 0 "B then Backspace" e2e_keys b BackSpace
choose 1 "one wheel notch down" wheel DOWN 1
choose 3 "two wheel notches down" wheel DOWN 2
e2e_screenshot wheel
choose 2 "one wheel notch up" wheel UP 1
choose 1 "the up arrow" e2e_keys Up
choose 3 "the down arrow twice" e2e_keys Down Down
choose 0 "Home" e2e_keys Home

# Mode 0 stays chosen from here on; the result pane holds its result of the first source.
first=${mode_result[0]}

# A press on the convert button released off it converts nothing.
set_source "$(gb '发展')"
e2e_geometry
read -r bx by <<<"$E2E_AT_CONVERT"
xdotool mousemove --sync $((E2E_X + bx)) $((E2E_Y + by)) mousedown 1
e2e_screenshot convert-held
xdotool mousemove --sync $((E2E_X + bx)) $((E2E_Y + by + 40))
xdotool mouseup 1
expect_result "$first" "after a press on the convert button released off it"

# Enter held on the focused button converts on every repeat: a paste while it is held shows in the result. The
# paste button takes no focus, so the convert button keeps it.
set_source "$(gb '汉字')"
e2e_click $E2E_AT_CONVERT
xdotool keydown Return
# A held key repeats after a delay and then at a rate: durations of the behaviour, each waited out here.
sleep 1
e2e_clipboard_put_cp936_hex "$(gb '发展')"
e2e_click $E2E_AT_PASTE_O
sleep 1.5
xdotool keyup Return
expect_result "$(gb '漢字發展')" "after Enter was held while the source pane changed"

# Space converts once, on its release: nothing while it is held. An empty source first empties the result.
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a
e2e_click $E2E_AT_CUT_O
e2e_click $E2E_AT_CONVERT
e2e_hover 600 50
e2e_wait_for 5 e2e_region_plain $MEMO_D_TOP || e2e_fail "converting an empty source left text in the result pane"
e2e_clipboard_put_cp936_hex "$(gb '语言')"
e2e_click $E2E_AT_PASTE_O
e2e_hover 600 50
xdotool keydown space
# Held past the key's repeat delay, a duration of the behaviour: still nothing may convert.
sleep 1.5
e2e_screenshot space-held
e2e_region_plain $MEMO_D_TOP || e2e_fail "holding Space on the convert button converted before its release"
xdotool keyup space
e2e_wait_for 5 eval '! e2e_region_plain $MEMO_D_TOP' || e2e_fail "releasing Space did not convert"
expect_result "$(gb '語言')" "after Space was released on the convert button"
