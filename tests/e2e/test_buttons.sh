#!/usr/bin/env bash
# The buttons with the mouse and the keys: the source pane's paste button shows its hot face, its pressed face
# while held, no face when dragged off and the pressed face again when dragged back; it pastes on a release
# over it only, not on a release off it nor on right or middle presses, and twice on a double click. The close
# button shows its red picture under the pointer, closes on a release over it only, and, once focused by a
# right press, closes on Space's release and on Enter. Usage: bash test_buttons.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# BtnPasteO's top-left corner in the window: the splitter at 12,97, the button at 316,2 on the header.
PASTE_X=328
PASTE_Y=99

# Sets FACE to the face of BtnPasteO in a fresh grab: none, hot (light to dark) or pressed (dark to light).
paste_face() {
    e2e_grab "paste-$1"
    local r g b outline top bottom
    read -r r g b < <(e2e_grabbed_pixel $PASTE_X $((PASTE_Y + 10)))
    outline=$((r + g + b))
    read -r r g b < <(e2e_grabbed_pixel $((PASTE_X + 10)) $((PASTE_Y + 1)))
    top=$((r + g + b))
    read -r r g b < <(e2e_grabbed_pixel $((PASTE_X + 10)) $((PASTE_Y + 20)))
    bottom=$((r + g + b))
    if [ "$outline" -gt 600 ]; then
        FACE=none
    elif [ "$top" -gt "$bottom" ]; then
        FACE=hot
    else
        FACE=pressed
    fi
}

# Waits up to 3 s for the face: expect_face WHAT EXPECTED.
expect_face() {
    local i
    for ((i = 0; i < 10; i++)); do
        paste_face "$1"
        [ "$FACE" = "$2" ] && return 0
        sleep 0.3
    done
    e2e_fail "$1: the paste button shows face '$FACE', expected '$2'"
}

# Waits up to 3 s for the close button's red Hot picture: close_turns_red WHAT.
close_turns_red() {
    local i
    for ((i = 0; i < 10; i++)); do
        e2e_close_is_red "$1" && return 0
        sleep 0.3
    done
    return 1
}

# Copies the source pane out and compares: source_pane_is TEXT WHAT.
source_pane_is() {
    e2e_clipboard_mark
    e2e_click $E2E_AT_MEMO_O
    e2e_keys ctrl+a
    e2e_click $E2E_AT_COPY_O
    e2e_expect_clipboard_hex "$(e2e_hex_of GBK "$1")" "$2"
}

# Puts TEXT on the clipboard and lets the source pane notice it, with the caret at the pane's end.
offer() {
    e2e_clipboard_put_utf8 "$1"
    e2e_click $E2E_AT_MEMO_O
    e2e_keys ctrl+End
}

e2e_begin "${1:-}"
e2e_start
paste_x=$((PASTE_X + 11)) paste_y=$((PASTE_Y + 11))

offer "粘"
e2e_hover 600 50
expect_face "at-rest" none
e2e_hover $paste_x $paste_y
expect_face "hot" hot
xdotool mousedown 1
sleep 0.3
expect_face "pressed" pressed
e2e_hover $paste_x $((paste_y + 40))
sleep 0.2
expect_face "dragged-off" none
e2e_hover $paste_x $paste_y
sleep 0.2
expect_face "dragged-back" pressed
xdotool mouseup 1
sleep 0.3
expect_face "released" hot
# Off the button: the release pastes nothing; nor do right and middle presses, which change no face.
e2e_hover $paste_x $paste_y
xdotool mousedown 1
e2e_hover $paste_x $((paste_y + 40))
xdotool mouseup 1
sleep 0.3
for button in 3 2; do
    e2e_hover $paste_x $paste_y
    xdotool mousedown $button
    sleep 0.3
    expect_face "button-$button-held" hot
    xdotool mouseup $button
    sleep 0.3
done
e2e_hover 600 50
# The context menu of a right release in the pane would cover it: Esc closes any.
e2e_keys Escape
source_pane_is "粘" "one paste from a release over the button only"

offer "贴"
e2e_hover $paste_x $paste_y
xdotool click --repeat 2 --delay 80 1
sleep 0.5
source_pane_is "粘贴贴" "a double click pastes twice"
e2e_screenshot pasted-twice

# The close button: red under the pointer, its Up picture when held; a release off it does nothing.
e2e_hover 600 50
sleep 0.5
e2e_close_is_red "at-rest" && e2e_fail "the close button is red without the pointer"
e2e_hover 682 9
close_turns_red "hot" || e2e_fail "the close button is not red under the pointer"
xdotool mousedown 1
sleep 0.3
e2e_wait_for 3 eval '! e2e_close_is_red held' || e2e_fail "the held close button shows its Hot picture"
e2e_hover 682 40
xdotool mouseup 1
sleep 0.5
e2e_running || e2e_fail "a release off the close button closed the program"
# Dragged off and back on, the release closes.
e2e_hover 682 9
xdotool mousedown 1
e2e_hover 682 40
e2e_hover 682 9
xdotool mouseup 1
e2e_expect_exit 10 0

# A right or middle press only focuses the close button; Space then clicks it on its release.
e2e_start
e2e_click 682 9 3
e2e_click 682 9 2
e2e_running || e2e_fail "a right or middle press on the close button closed the program"
e2e_hover 600 50
xdotool keydown space
sleep 0.5
e2e_running || e2e_fail "Space going down closed the program"
xdotool keyup space
e2e_expect_exit 10 0

# Enter clicks the focused close button at once.
e2e_start
e2e_click 682 9 3
e2e_hover 600 50
e2e_keys Return
e2e_expect_exit 10 0
