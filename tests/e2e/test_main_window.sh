#!/usr/bin/env bash
# Drives the real program as a user would: pastes GB text from the X clipboard into the source pane, converts it
# in each of the four modes (the mode chosen once with the keyboard and once with the mouse), copies the result
# out and compares its bytes; cuts the source pane empty; drags the window by its title strip with each button
# (after a right click it no longer follows the pointer); closes it from the window menu.
# Usage: bash test_main_window.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# Chooses a mode with the keyboard: a click gives the list the focus and opens it, Esc only closes it again,
# then keys that select an entry whatever was selected before (Home and End, the arrows, type-ahead letters).
choose_mode_by_keys() {
    e2e_click $E2E_AT_MODE_LIST
    opened_drop_down >/dev/null
    e2e_keys Escape
    e2e_wait_for 3 drop_down_closed || e2e_fail "Esc did not close the mode list"
    case $1 in
    0) e2e_keys Home ;;
    1) e2e_keys Home Down ;;
    2) e2e_keys b ;;
    3) e2e_keys End ;;
    esac
}

# Chooses a mode with the mouse: open the list, click the entry, the list closes.
choose_mode_by_mouse() {
    e2e_click $E2E_AT_MODE_LIST
    local list id x y w h
    list=$(opened_drop_down)
    read -r id x y w h <<<"$list"
    # Four entries of equal height inside a one-pixel border.
    local row=$(((h - 2) / 4))
    xdotool mousemove --sync $((x + w / 3)) $((y + 1 + row * $1 + row / 2)) click 1
    e2e_wait_for 3 drop_down_closed || e2e_fail "clicking entry $1 did not close the mode list"
}

# Prints "id x y width height" of the open drop-down list: left-aligned with the mode list, just below it.
drop_down_window() {
    local id x y w h
    e2e_geometry
    while read -r id x y w h; do
        if [ "$x" = $((E2E_X + 145)) ] && [ "$y" -ge $((E2E_Y + 85)) ] && [ "$y" -le $((E2E_Y + 100)) ]; then
            echo "$id $x $y $w $h"
            return 0
        fi
    done < <(e2e_other_windows)
    return 1
}

# Waits for the drop-down list to open and prints it as drop_down_window does.
opened_drop_down() {
    e2e_wait_for 3 drop_down_window && return 0
    e2e_fail "clicking the mode list opened no drop-down list"
}

drop_down_closed() { ! drop_down_window >/dev/null; }

# Selects all of a pane with Ctrl+A and copies it with the pane's copy button.
copy_out() { # memo button
    e2e_clipboard_mark
    e2e_click $1
    e2e_keys ctrl+a
    e2e_click $2
}

# One conversion: check_conversion MODE HOW SOURCE_HEX EXPECTED_HEX WHAT.
check_conversion() {
    local mode=$1 how=$2 source=$3 want=$4 what=$5
    e2e_log "mode $mode by $how: $what"
    e2e_clipboard_put_cp936_hex "$source"
    # Ctrl+A first, so the paste replaces what the pane held; the click also lets the pane notice the new
    # clipboard content, which enables its paste button.
    e2e_click $E2E_AT_MEMO_O
    e2e_keys ctrl+a
    e2e_click $E2E_AT_PASTE_O
    copy_out "$E2E_AT_MEMO_O" "$E2E_AT_COPY_O"
    e2e_expect_clipboard_hex "$source" "mode $mode by $how, source pane after pasting $what"
    "choose_mode_by_$how" "$mode"
    e2e_click $E2E_AT_CONVERT
    copy_out "$E2E_AT_MEMO_D" "$E2E_AT_COPY_D"
    e2e_expect_clipboard_hex "$want" "mode $mode by $how, result of $what"
}

e2e_begin "${1:-}"
e2e_start
e2e_screenshot started

# Placed at the centre of the screen.
read -r screen_w screen_h < <(xdotool getdisplaygeometry)
cx=$(((screen_w - E2E_WIDTH) / 2))
cy=$(((screen_h - E2E_HEIGHT) / 2))
[ $((E2E_X - cx)) -ge -1 ] && [ $((E2E_X - cx)) -le 1 ] && [ $((E2E_Y - cy)) -ge -1 ] && [ $((E2E_Y - cy)) -le 1 ] ||
    e2e_fail "the window starts at $E2E_X,$E2E_Y, not centred on the ${screen_w}x$screen_h screen ($cx,$cy)"

# Test texts, Simplified and Traditional forms written out by hand; the BIG5 and GB bytes come from iconv.
# Characters whose BIG5 codes are also unmapped GBK codes (字 is one) cannot pass the clipboard as BIG5 bytes,
# so the BIG5 cases use others.
gb() { e2e_hex_of GBK "$1"; }
big5() { e2e_hex_of BIG5 "$1"; }

check_conversion 0 keys "$(gb '汉字 发展 电脑')" "$(gb '漢字 發展 電腦')" "汉字 发展 电脑"
check_conversion 1 mouse "$(gb '漢字 發展 電腦')" "$(gb '汉字 发展 电脑')" "漢字 發展 電腦"
e2e_screenshot converted-mode1
check_conversion 2 keys "$(big5 '電腦 語言')" "$(gb '电脑 语言')" "BIG5 電腦 語言"
check_conversion 3 mouse "$(gb '电脑 语言')" "$(big5 '電腦 語言')" "电脑 语言"
e2e_screenshot converted-mode3
check_conversion 0 mouse "$(gb 'Sinoshift 1.6: 学习语言')" "$(gb 'Sinoshift 1.6: 學習語言')" "Sinoshift 1.6: 学习语言"
check_conversion 1 keys "$(gb '學習語言')" "$(gb '学习语言')" "學習語言"
check_conversion 2 mouse "$(big5 '學習 中國')" "$(gb '学习 中国')" "BIG5 學習 中國"
check_conversion 3 keys "$(gb '学习 中国')" "$(big5 '學習 中國')" "学习 中国"

# Ctrl+A and the cut button empty the source pane and leave its text on the clipboard.
last=$(gb '学习 中国')
e2e_clipboard_mark
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a
e2e_click $E2E_AT_CUT_O
e2e_expect_clipboard_hex "$last" "cut from the source pane"
# Park the pointer on the bare skin so no hint covers the panes.
e2e_hover 600 50
e2e_wait_for 5 e2e_region_plain $E2E_MEMO_O_INSIDE || e2e_fail "the source pane still shows text after the cut"
# Converting the empty pane empties the result pane.
e2e_click $E2E_AT_CONVERT
e2e_wait_for 5 e2e_region_plain $E2E_MEMO_D_INSIDE || e2e_fail "the result pane still shows text after converting nothing"
e2e_screenshot cut-and-converted-empty

# Pressing on the title strip and moving drags the window; its shadow follows.
e2e_geometry
x0=$E2E_X y0=$E2E_Y
e2e_drag $E2E_AT_TITLE -150 -90
e2e_expect_at $((x0 - 150)) $((y0 - 90)) "dragging the title strip by -150,-90 from $x0,$y0"
shadow_at() { e2e_other_windows | awk '$4 == 745 && $5 == 518 { print $2 "," $3 }'; }
shadow=
e2e_wait_for 5 eval 'shadow=$(shadow_at); [ "$shadow" = "$((E2E_X - 16)),$((E2E_Y - 16))" ]' ||
    e2e_fail "after the drag the shadow is at '${shadow:-nowhere}', expected $((E2E_X - 16)),$((E2E_Y - 16))"
e2e_screenshot dragged
# The right and middle buttons drag it too, while held.
for button in 3 2; do
    x0=$E2E_X y0=$E2E_Y
    e2e_drag $E2E_AT_TITLE 60 40 $button
    e2e_wait_for 5 eval 'e2e_geometry; [ "$E2E_X,$E2E_Y" = "$((x0 + 60)),$((y0 + 40))" ]' ||
        e2e_fail "dragging the title strip by 60,40 with button $button moved the window from $x0,$y0 to $E2E_X,$E2E_Y"
done
# After a right click the window stays put when the pointer moves on: the close button turns red under it.
x0=$E2E_X y0=$E2E_Y
e2e_click $E2E_AT_TITLE 3
e2e_hover 682 9
e2e_wait_for 5 e2e_close_is_red "after-right-click" ||
    e2e_fail "after a right click on the title strip the pointer's move did not reach the close button"
e2e_geometry
[ "$E2E_X,$E2E_Y" = "$x0,$y0" ] || e2e_fail "after a right click the window followed the pointer to $E2E_X,$E2E_Y"
e2e_hover 600 50
# A press below the strip, on the painted skin, moves nothing.
x0=$E2E_X y0=$E2E_Y
e2e_drag 600 50 80 60

# The icon opens the window menu just below itself; its close item ends the program.
e2e_click $E2E_AT_ICON
menu=
e2e_wait_for 3 eval 'menu=$(e2e_other_windows | awk -v x=$((E2E_X + 8)) "\$2 == x" | head -n 1); [ -n "$menu" ]' ||
    e2e_fail "clicking the icon opened no menu at the icon's left edge"
read -r _ _ my _ _ <<<"$menu"
[ "$my" = $((E2E_Y + 22)) ] || e2e_fail "the window menu opens at y $my, expected just below the icon ($((E2E_Y + 22)))"
# The menu came after the drag below the strip, so that drag has been handled: it moved nothing.
[ "$E2E_X,$E2E_Y" = "$x0,$y0" ] || e2e_fail "a drag below the title strip moved the window to $E2E_X,$E2E_Y"
e2e_screenshot window-menu
e2e_keys c
e2e_expect_exit 10 0
