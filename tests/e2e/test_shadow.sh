#!/usr/bin/env bash
# The painted, rounded window and its drop shadow on the screen: the shadow window sits 16 pixels up and left
# of the main window and is 32 pixels larger; on the screenshot the corners of the window show what lies
# behind, and the shadow is short above, longer at the sides and longest below. Dragging the title strip
# takes the shadow along; minimising hides both, restoring brings both back.
# Usage: bash test_shadow.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "$@"
e2e_need convert xwininfo

SHADOW_W=$((E2E_WIDTH + 32))
SHADOW_H=$((E2E_HEIGHT + 32))

# Prints "id x y width height" of the visible shadow window, or fails.
shadow_window() { e2e_other_windows | awk -v w="$SHADOW_W" -v h="$SHADOW_H" '$4 == w && $5 == h { print; f = 1 } END { exit !f }'; }

visible() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }

# Checks that the shadow window is where it belongs for the main window's current place.
expect_shadow_placed() {
    local id x y w h
    e2e_geometry
    e2e_wait_for 5 shadow_window >/dev/null || e2e_fail "$1: no visible ${SHADOW_W}x$SHADOW_H shadow window"
    read -r id x y w h <<<"$(shadow_window)"
    [ "$x" = $((E2E_X - 16)) ] && [ "$y" = $((E2E_Y - 16)) ] ||
        e2e_fail "$1: the shadow is at $x,$y, expected $((E2E_X - 16)),$((E2E_Y - 16)) for the window at $E2E_X,$E2E_Y"
    SHADOW_ID=$id
}

# Red values of a line of screen pixels from the last screenshot: pixels X Y WIDTH HEIGHT (one is 1).
pixels() {
    convert "$SHOT" -crop "$3x$4+$1+$2" +repage -depth 8 txt:- |
        sed -n 's/^[0-9]*,[0-9]*: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

shoot() {
    e2e_screenshot "$1"
    SHOT=$(ls -t "$E2E_SHOTS/$E2E_NAME"-*-"$1".png | head -1)
}

# How many pixels, going out from the window's edge, are darker than the background: shadow_reach DIRECTION.
# The background is the compositor's plain grey; the shadow is black with alpha, so it darkens it.
shadow_reach() {
    local cx=$((E2E_X + E2E_WIDTH / 2)) cy=$((E2E_Y + E2E_HEIGHT / 2)) line
    case $1 in
    up) line=$(pixels "$cx" $((E2E_Y - 30)) 1 30 | tac) ;;
    down) line=$(pixels "$cx" $((E2E_Y + E2E_HEIGHT)) 1 30) ;;
    left) line=$(pixels $((E2E_X - 30)) "$cy" 30 1 | tac) ;;
    right) line=$(pixels $((E2E_X + E2E_WIDTH)) "$cy" 30 1) ;;
    esac
    awk -v bg="$BACKGROUND" 'BEGIN { n = 0 } { if ($1 < bg - 2 && n == NR - 1) n = NR } END { print n }' <<<"$line"
}

# The shadow on the screen around the window at its current place.
check_shadow_on_screen() {
    local what=$1 r g b
    BACKGROUND=$(pixels $((E2E_X - 60)) $((E2E_Y + 200)) 1 1 | awk '{ print $1 }')
    read -r r g b <<<"$(pixels $((E2E_X + 356)) $((E2E_Y + 200)) 1 1)"
    [ "$r$g$b" = 255255255 ] || e2e_fail "$what: the window's body is $r,$g,$b, expected white"
    # The corners lie outside the rounded outline: they show the shadowed background, not the skin's fuchsia.
    local corner
    for corner in "0 0" "$((E2E_WIDTH - 1)) 0" "0 $((E2E_HEIGHT - 1))" "$((E2E_WIDTH - 1)) $((E2E_HEIGHT - 1))"; do
        read -r cx cy <<<"$corner"
        read -r r g b <<<"$(pixels $((E2E_X + cx)) $((E2E_Y + cy)) 1 1)"
        [ "$r" = "$g" ] && [ "$g" = "$b" ] && [ "$r" -lt "$BACKGROUND" ] ||
            e2e_fail "$what: the window's corner pixel $cx,$cy is $r,$g,$b; expected the darkened grey behind it"
    done
    local up down left right
    up=$(shadow_reach up)
    down=$(shadow_reach down)
    left=$(shadow_reach left)
    right=$(shadow_reach right)
    e2e_log "$what: shadow reach above $up, left $left, right $right, below $down (background $BACKGROUND)"
    [ "$up" -ge 3 ] && [ "$up" -lt "$left" ] && [ "$left" -lt "$down" ] && [ "$right" -lt "$down" ] &&
        [ "$right" -gt "$up" ] || e2e_fail "$what: the shadow is not short above, longer at the sides, longest below"
}

# Waits (a bounded time) for the compositor to show the shadow as placed, then checks it: shadow_shown WHAT SHOT.
shadow_shown() {
    local what=$1 name=$2
    expect_shadow_placed "$what"
    e2e_wait_for 5 eval 'shoot "$name" >/dev/null; (check_shadow_on_screen "$what") >/dev/null 2>&1' || true
    rm -f "$E2E_SHOTS/$E2E_NAME-FAILED.png" # of the tries; the check below makes its own
    check_shadow_on_screen "$1"
}

e2e_start
shadow_shown "at start" start
START_X=$E2E_X
START_Y=$E2E_Y

# Drag by the title strip, away from the icon, the logo and the buttons.
e2e_drag 560 12 -150 90
e2e_expect_at $((START_X - 150)) $((START_Y + 90)) "the drag"
shadow_shown "after the drag" dragged
# Where the shadow was above the window's old right half there is plain background now.
read -r r _ <<<"$(pixels $((START_X + 600)) $((START_Y - 3)) 1 1)"
[ "$r" = "$BACKGROUND" ] || e2e_fail "the old place above the window is still darkened ($r)"

# Minimise with the window's button, then restore.
e2e_click 648 9
e2e_wait_for 5 eval '! visible "$E2E_WIN"' || e2e_fail "the minimise button left the main window on the screen"
e2e_wait_for 5 eval '! visible "$SHADOW_ID"' || e2e_fail "minimising left the shadow on the screen"
shoot minimised
# Without a window manager Wine shows the minimised application as a small caption bar with restore,
# maximise and close boxes; its restore box does what the taskbar button does: SC_RESTORE.
read -r icon ix iy iw ih <<<"$(e2e_other_windows | head -1)" || true
[ -n "${icon:-}" ] || e2e_fail "no minimised caption of the application to restore it from"
xdotool mousemove --sync $((ix + iw - 49)) $((iy + ih / 2)) click 1
e2e_wait_for 5 visible "$E2E_WIN" || e2e_fail "restoring did not bring the main window back"
shadow_shown "after restoring" restored
