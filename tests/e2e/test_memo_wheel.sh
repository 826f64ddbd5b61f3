#!/usr/bin/env bash
# The wheel as a user turns it: both panes hold a long text, one has the focus, and a notch turned with the
# pointer over the other pane scrolls the focused one by three lines (Wine's default) while the pane under
# the pointer stays; a notch back returns it. Then the same with the roles swapped.
# Usage: bash test_memo_wheel.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Rows of ink in a client rectangle of the main window, top to bottom, one number a row (dark pixels).
ink_rows() { # x y w h
    e2e_geometry
    import -window root -crop "$3x$4+$((E2E_X + $1))+$((E2E_Y + $2))" +repage png:- 2>/dev/null |
        command convert png:- -colorspace gray -threshold 50% -negate -depth 8 gray:- |
        python3 -c "
import sys
data, w = sys.stdin.buffer.read(), $3
print(' '.join(str(sum(1 for b in data[r:r + w] if b)) for r in range(0, len(data), w)))"
}

# How far the text moved up between two ink profiles and the height of a text line, in pixels: the shift
# that lines the rows up best, and the period of the text's line starts before it moved.
scroll_and_line_height() { # before after
    python3 -c "
import sys
before, after = [list(map(int, s.split())) for s in sys.argv[1:3]]
n = len(before)
def mismatch(s):
    return sum(abs(before[i + s] - after[i]) for i in range(n - 120)) if s >= 0 else \
           sum(abs(before[i] - after[i - s]) for i in range(n - 120))
shift = min(range(-120, 121), key=mismatch)
starts = [i for i in range(1, n) if before[i] and not before[i - 1]]
gaps = sorted(b - a for a, b in zip(starts, starts[1:]))
print(shift, gaps[len(gaps) // 2] if gaps else 0)" "$1" "$2"
}

# Turns the wheel NOTCHES (positive: towards the user, down) over the pane at X Y, and checks that the
# focused pane's text moved by three lines a notch and the other pane's not at all.
check_wheel() { # over_x over_y focused_inside other_inside notches what
    local before_f before_o after_f after_o shift line button=5 clicks=$5
    e2e_sync
    before_f=$(ink_rows $3)
    before_o=$(ink_rows $4)
    [ "$clicks" -lt 0 ] && button=4 clicks=$((-clicks))
    # Not where a click left the pointer: xdotool's synchronous move waits for a motion that never comes.
    e2e_hover $(($1 + 20)) $(($2 + 20))
    xdotool click --repeat "$clicks" --delay 150 "$button"
    e2e_sync
    after_f=$(ink_rows $3)
    after_o=$(ink_rows $4)
    [ "$after_o" = "$before_o" ] || e2e_fail "$6: the pane under the pointer scrolled"
    read -r shift line < <(scroll_and_line_height "$before_f" "$after_f")
    e2e_log "$6: the focused pane's text moved $shift pixels; a line is $line pixels"
    [ "$line" -gt 0 ] && [ "$shift" = $((3 * line * $5)) ] ||
        e2e_fail "$6: the focused pane moved $shift pixels, expected $5 notch(es) of 3 lines of $line pixels"
}

e2e_begin "${1:-}"
e2e_start

text=$E2E_SHOTS/$E2E_NAME-lines.txt
for i in $(seq 1 200); do printf 'line %03d %s\n' "$i" "$(printf '%*s' $((i % 17)) '' | tr ' ' '#')"; done >"$text"
e2e_memo_clipboard_put_file "$text"
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+v ctrl+Home
e2e_click $E2E_AT_CONVERT
e2e_click $E2E_AT_MEMO_D
e2e_keys ctrl+Home
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+Home
e2e_screenshot filled

check_wheel ${E2E_AT_MEMO_D} "$E2E_MEMO_O_INSIDE" "$E2E_MEMO_D_INSIDE" 1 "a notch down over the result pane, the source pane focused"
e2e_screenshot scrolled-source
check_wheel ${E2E_AT_MEMO_D} "$E2E_MEMO_O_INSIDE" "$E2E_MEMO_D_INSIDE" -1 "a notch up over the result pane"

e2e_click $E2E_AT_MEMO_D
e2e_keys ctrl+Home
check_wheel ${E2E_AT_MEMO_O} "$E2E_MEMO_D_INSIDE" "$E2E_MEMO_O_INSIDE" 2 "two notches down over the source pane, the result pane focused"
e2e_screenshot scrolled-result
