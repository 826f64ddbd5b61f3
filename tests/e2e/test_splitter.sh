#!/usr/bin/env bash
# Drags the bar between the two panes as a user would: 100 pixels right (only a checkerboard outline moves while
# the button is held; the panes follow at the release), far past both window edges (the bar stops at the
# splitter's edges and the release outside the window still ends the drag), back to the middle, Escape during a
# drag (outline gone, panes unchanged), and the keyboard focus on the splitter after a drag (typed characters
# reach neither pane, the selection of the source pane stays visible). Usage: bash test_splitter.sh Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# The splitter's client origin in the window, and a height inside the edits, well below their first lines.
SX=12
SY=97
BAR_Y=300
SHOT=

# Takes the whole screen once; px reads client pixels of the main window from it (or from another shot).
grab() {
    e2e_geometry
    SHOT=$E2E_SHOTS/$E2E_NAME-now.png
    import -window root "$SHOT" 2>/dev/null || e2e_fail "could not read the screen"
}
px() { command convert "${3:-$SHOT}" -crop "1x1+$((E2E_X + $1))+$((E2E_Y + $2))" -format '%[hex:p{0,0}]' info: 2>/dev/null; }

# Fails unless the bar's four white columns start at splitter x P, with a header's frame either side where a
# pane has width: check_bar P WHAT.
check_bar() {
    local p=$1 what=$2
    e2e_wait_for 3 bar_at "$p" || e2e_fail "$what: $WHY"
    e2e_log "$what: bar at $p (left pane $p, right pane $((684 - p)))"
}

# Whether the screen shows the bar at P now; WHY tells what is wrong when not.
bar_at() {
    local p=$1 y=$((SY + 12)) x
    grab
    for x in 0 1 2 3; do
        [ "$(px $((SX + p + x)) $y)" = FFFFFF ] || { WHY="no white bar column at splitter x $((p + x))"; return 1; }
    done
    if [ "$p" -gt 0 ] && [ "$(px $((SX + p - 1)) $y)" = FFFFFF ]; then
        WHY="the left pane does not end at splitter x $p"
        return 1
    fi
    if [ "$p" -lt 684 ] && [ "$(px $((SX + p + 4)) $y)" = FFFFFF ]; then
        WHY="the right pane does not start at splitter x $((p + 4))"
        return 1
    fi
}

# Whether a fresh grab shows the outline at splitter x P; outline_shown waits for it, outline_gone for its end.
see_outline() { grab && outline_at "$1"; }
outline_shown() { e2e_wait_for 3 see_outline "$1" || e2e_fail "$2"; }
outline_gone() {
    local at=$1
    e2e_wait_for 3 eval '! see_outline "$at"' || e2e_fail "$2"
}

# Whether the last screen shows the checkerboard outline at splitter x P over what the screen showed before the
# press (BASE): across the outline's four columns and two rows, every other pixel is inverted, the rest unchanged.
outline_at() {
    local p=$1 x y now before inverted state first=
    for y in 0 1; do
        for x in 0 1 2 3; do
            now=$(px $((SX + p + x)) $((BAR_Y + y)))
            before=$(px $((SX + p + x)) $((BAR_Y + y)) "$BASE")
            inverted=$(printf '%06X' $((0x$before ^ 0xFFFFFF)))
            if [ "$now" = "$inverted" ]; then
                state=$(((x + y) % 2))
            elif [ "$now" = "$before" ]; then
                state=$(((x + y + 1) % 2))
            else
                return 1
            fi
            [ -z "$first" ] && first=$state
            [ "$state" = "$first" ] || return 1
        done
    done
}

# Presses on the bar at splitter x P and moves by DX in steps, leaving the button held.
press_and_move() {
    local p=$1 dx=$2 i steps=10
    # The screen before the press, all earlier input painted.
    e2e_sync
    e2e_geometry
    local sx=$((E2E_X + SX + p + 1)) sy=$((E2E_Y + BAR_Y))
    grab
    BASE=$E2E_SHOTS/$E2E_NAME-before.png
    cp "$SHOT" "$BASE"
    # Not --sync where the pointer stays put or runs into the screen's edge: it would wait for a move. No pauses:
    # the program takes the press and the moves in order; the checks wait for what they show.
    xdotool mousemove "$sx" "$sy" mousedown 1
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove $((sx + dx * i / steps)) "$sy"
    done
}
release() { xdotool mouseup 1; }

e2e_begin "${1:-}"
e2e_start
check_bar 342 "freshly shown"

# Some text in the source pane, all selected: the selection must stay visible while the splitter has the focus.
e2e_click $E2E_AT_MEMO_O
e2e_keys h e l l o ctrl+a

# 100 pixels to the right: while the button is held only the outline moves.
press_and_move 342 100
outline_shown 442 "no checkerboard outline at splitter x 442 while the button is held"
cp "$SHOT" "$E2E_SHOTS/$E2E_NAME-dragging.png"
e2e_log "screenshot while dragging: $E2E_SHOTS/$E2E_NAME-dragging.png"
outline_at 342 && e2e_fail "the outline still shows at the bar's old place while dragging"
check_bar 342 "while held, the panes have not moved"
release
check_bar 442 "released 100 pixels to the right"
outline_gone 442 "the outline stays on the screen after the release"
e2e_screenshot released-at-442

# The focus is on the splitter now: typed characters reach neither pane, and the selection still shows.
e2e_keys x y z
e2e_sync
grab
# The selection's highlight is the only strongly coloured thing in the pane's first line.
saturation=$(command convert "$SHOT" -crop "60x16+$((E2E_X + SX + 2))+$((E2E_Y + SY + 26))" -colorspace HSL \
    -channel G -separate -format '%[fx:maxima>0.5]' info:)
[ "$saturation" = 1 ] || e2e_fail "the selection of the source pane is no longer shown after the drag"
e2e_clipboard_mark
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a
e2e_click $((SX + 442 - 63)) 110 # the source pane's copy button: its centre 63 pixels left of the header's end
e2e_expect_clipboard_hex "$(e2e_hex_of GBK hello)" "the source pane after typing xyz with the focus on the splitter"
e2e_region_plain $((SX + 446 + 20)) $((SY + 30)) 200 200 || e2e_fail "typing with the focus on the splitter reached the result pane"

# Far past the right edge of the window, released outside it: the bar stops at the right edge (684).
press_and_move 442 700
outline_shown 684 "the outline is not at the right edge (684) while dragged past it"
release
check_bar 684 "released outside the window, past the right edge"
e2e_screenshot at-right-edge

# Far past the left edge: the bar stops at 0.
press_and_move 684 -900
release
check_bar 0 "released outside the window, past the left edge"
e2e_screenshot at-left-edge

# Back to the middle.
press_and_move 0 342
release
check_bar 342 "dragged back"

# Escape during a drag: the outline goes, the panes stay.
press_and_move 342 100
outline_shown 442 "no outline before Escape"
e2e_keys Escape
outline_gone 442 "the outline stays after Escape"
release
check_bar 342 "Escape during the drag"
e2e_screenshot after-escape

# A right-button press on the bar starts nothing.
e2e_geometry
xdotool mousemove --sync $((E2E_X + SX + 343)) $((E2E_Y + BAR_Y))
xdotool mousedown 3
xdotool mousemove $((E2E_X + SX + 443)) $((E2E_Y + BAR_Y))
# No outline may come: a check of nothing happening needs a time to watch.
sleep 0.3
grab
outline_at 442 && e2e_fail "a right-button drag showed an outline"
xdotool mouseup 3
e2e_sync
check_bar 342 "right-button drag"
