#!/usr/bin/env bash
# The program under a real window manager (openbox), as on a Linux desktop: the main window is a client of the
# manager titled "Sinoshift", with its icon, listed in taskbars and without a frame; another application
# activated over it covers it and the shadow, which never darkens that application; activated again it comes to
# the front with its shadow. Minimising with its button or through the manager leaves one "Sinoshift" entry in
# the manager's client list; activating that entry, as a taskbar does, brings the window and its shadow back.
# Usage: bash test_window_manager.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "$@"
e2e_need openbox xmessage xprop xwininfo python3
display_has wm && e2e_fail "a window manager already runs on $DISPLAY"
e2e_helper openbox
e2e_wait_for 10 display_has wm || e2e_fail "openbox did not start"
# Wine leaves its windows to the manager now.
wine_follow_display

dec() { printf '%d' "$1"; }
root_list() { xprop -root "$1" | sed -n 's/.*# //p' | tr -d ',' | tr ' ' '\n' | while read -r w; do dec "$w" && echo; done; }
viewable() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
activate() { python3 "$SINOSHIFT_ROOT/tools/xprobe.py" activate "$1"; }
active_is() { [ "$(dec "$(xprop -root _NET_ACTIVE_WINDOW | sed 's/.*# //; s/,.*//')")" = "$1" ]; }
# Client list entries titled "Sinoshift", one "id state" a line (state from WM_STATE: Normal or Iconic).
entries() {
    local w
    for w in $(root_list _NET_CLIENT_LIST); do
        xprop -id "$w" _NET_WM_NAME | grep -q '= "Sinoshift"$' || continue
        echo "$w $(xprop -id "$w" WM_STATE | sed -n 's/.*window state: //p')"
    done
}
one_entry() { [ "$(entries | wc -l)" = 1 ] && entries | grep -q " $1\$"; }
# Whether client A is stacked above client B by the manager.
above() { root_list _NET_CLIENT_LIST_STACKING | awk -v a="$1" -v b="$2" '$1 == b { sb = NR } $1 == a { sa = NR } END { exit !(sa > sb && sb) }'; }
shadow_id() { e2e_other_windows | awk -v w=$((E2E_WIDTH + 32)) -v h=$((E2E_HEIGHT + 32)) '$4 == w && $5 == h { print $1; exit }'; }
expect_shadow() {
    local id x y w h
    e2e_wait_for 5 eval '[ -n "$(shadow_id)" ]' || e2e_fail "$1: the shadow is not on the screen"
    e2e_geometry
    read -r id x y w h <<<"$(e2e_other_windows | awk -v s="$(shadow_id)" '$1 == s')"
    [ "$x,$y" = "$((E2E_X - 16)),$((E2E_Y - 16))" ] || e2e_fail "$1: the shadow is at $x,$y, the window at $E2E_X,$E2E_Y"
}
# The colour of one screen pixel, "r,g,b".
pixel() { import -window root -crop "1x1+$1+$2" +repage -depth 8 txt:- | sed -n 's/^0,0: *(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'; }

e2e_start
WIN=$(dec "$E2E_WIN")

# A client of the manager as the application: title, icon, a normal window in taskbars, no frame around it.
root_list _NET_CLIENT_LIST | grep -qx "$WIN" || e2e_fail "the main window is not in the manager's client list"
xprop -id "$WIN" _NET_WM_NAME | grep -q '= "Sinoshift"$' || e2e_fail "the main window's title: $(xprop -id "$WIN" _NET_WM_NAME)"
xprop -id "$WIN" _NET_WM_WINDOW_TYPE | grep -q '_NET_WM_WINDOW_TYPE_NORMAL' || e2e_fail "the main window is no normal window"
! xprop -id "$WIN" _NET_WM_STATE | grep -q SKIP_TASKBAR || e2e_fail "the main window skips the taskbar"
xprop -id "$WIN" _NET_WM_ICON | grep -q 'Icon (32 x 32)' || e2e_fail "the main window has no 32x32 icon"
xprop -id "$WIN" _NET_FRAME_EXTENTS | grep -q '= 0, 0, 0, 0' || e2e_fail "the manager frames the main window: $(xprop -id "$WIN" _NET_FRAME_EXTENTS)"
e2e_wait_for 5 active_is "$WIN" || e2e_fail "the main window is not the active client"
expect_shadow "at start"

# Another application beside the window, its title bar over the window's right pane.
XM_X=$((E2E_X + E2E_WIDTH - 150)) XM_Y=$((E2E_Y + 200))
e2e_helper xmessage -geometry "320x100+$XM_X+$XM_Y" "Another application"
e2e_wait_for 10 eval 'xm=$(xdotool search --name "^xmessage$" | head -1); [ -n "$xm" ] && viewable "$xm"' ||
    e2e_fail "xmessage did not appear"
XM=$(xdotool search --name '^xmessage$' | head -1)
activate "$WIN"
e2e_wait_for 5 eval 'active_is "$WIN" && above "$WIN" "$XM"' || e2e_fail "the window did not come in front of xmessage"
expect_shadow "in front"
sleep 0.5
e2e_screenshot beside-in-front
COVERED_AT="$((XM_X + 60)) $((XM_Y + 8))"
[ "$(pixel $COVERED_AT)" = 255,255,255 ] || e2e_fail "in front, the pane shows $(pixel $COVERED_AT) where xmessage lies below"

# xmessage activated: it covers the window, which no shadow darkens.
activate "$XM"
e2e_wait_for 5 eval 'active_is "$XM" && above "$XM" "$WIN"' || e2e_fail "xmessage did not come in front of the window"
e2e_wait_for 5 eval '[ -z "$(shadow_id)" ]' || e2e_fail "the shadow stays on the screen behind another application"
sleep 0.5
e2e_screenshot behind
[ "$(pixel $COVERED_AT)" != 255,255,255 ] || e2e_fail "behind, the window's pane still shows over xmessage"
activate "$WIN"
e2e_wait_for 5 eval 'active_is "$WIN" && above "$WIN" "$XM"' || e2e_fail "the window did not come back in front"
expect_shadow "in front again"

# Minimised with its button or through the manager: one iconic "Sinoshift" entry stands for it; activating that
# entry brings the window and its shadow back, and the entry is the window again.
for how in button manager; do
    SHADOW=$(shadow_id)
    case $how in
    button) e2e_click 648 9 ;;
    manager) xdotool windowminimize "$E2E_WIN" ;;
    esac
    e2e_wait_for 5 eval '! viewable "$E2E_WIN" && ! viewable "$SHADOW"' ||
        e2e_fail "minimising ($how) left the window or its shadow on the screen"
    e2e_wait_for 5 one_entry Iconic || e2e_fail "minimised ($how), the client list holds: $(entries | tr '\n' ';')"
    e2e_log "minimised ($how): client list entry $(entries)"
    if [ "$how" = button ]; then
        # The manager's own list of its clients (a middle click on the desktop) shows the entry.
        xdotool mousemove 40 40 click 2
        sleep 0.8
        e2e_screenshot minimised-client-list
        xdotool key Escape
        sleep 0.3
    fi
    activate "$(entries | awk '{ print $1 }')"
    e2e_wait_for 5 viewable "$E2E_WIN" || e2e_fail "activating the entry ($how) did not restore the window"
    e2e_wait_for 5 eval '[ "$(entries)" = "$WIN Normal" ]' || e2e_fail "restored ($how), the client list holds: $(entries | tr '\n' ';')"
    expect_shadow "restored ($how)"
done
e2e_screenshot restored
