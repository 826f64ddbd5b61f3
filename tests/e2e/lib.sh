# shellcheck shell=bash disable=SC2034
# Helpers for the end-to-end tests: start the real program under Wine in an X server and drive it as a user
# would, with xdotool (pointer, keys, windows) and xclip (the X clipboard). Sourced by tests/e2e/test_*.sh,
# which call e2e_begin with the path of Sinoshift.exe first; every exit path then cleans up.
#
# Coordinates passed to the click and drag helpers are client coordinates of the main window: it has no
# system frame, so its client area starts at the top-left corner of its X window.

E2E_LIB_DIR=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
E2E_NAME=$(basename "${BASH_SOURCE[1]:-$0}" .sh)
E2E_NAME=${E2E_NAME#test_}

E2E_APP_PID=
E2E_HELPER_PIDS=()
E2E_XCLIP_PID=
E2E_OWN_DISPLAY=0
E2E_WIN=
E2E_STEP=0
E2E_FAILED=0
E2E_LAST_ERROR=

# The main window's size; the shadow window, menus and hints belong to the same X class but differ in size.
E2E_WIDTH=713
E2E_HEIGHT=486

# Where to click (client coordinates, "x y"): the splitter sits at 12,97 and holds the two panes, the right
# one starting 346 pixels into it; each pane has a 25-pixel header with 22x22 tool buttons at y 2.
E2E_AT_ICON="15 13"
E2E_AT_TITLE="300 12"
E2E_AT_MODE_LIST="211 80"
E2E_AT_CONVERT="318 80"
E2E_AT_MEMO_O="183 300"
E2E_AT_COPY_O="291 110"
E2E_AT_CUT_O="315 110"
E2E_AT_PASTE_O="339 110"
E2E_AT_MEMO_D="529 300"
E2E_AT_COPY_D="661 110"
E2E_AT_CUT_D="685 110"
# Inner parts of the panes' edits (x y width height), away from the caret, frame and scroll bars.
E2E_MEMO_O_INSIDE="30 140 280 300"
E2E_MEMO_D_INSIDE="376 140 280 300"

e2e_log() { printf '[e2e.%s] %s\n' "$E2E_NAME" "$*"; }

# With E2E_TRACE=1 every action is logged with the system's uptime, the clock of WINEDEBUG=+timestamp.
e2e_trace() {
    [ -n "${E2E_TRACE:-}" ] || return 0
    local up
    read -r up _ </proc/uptime
    printf '[e2e.%s %s] %s\n' "$E2E_NAME" "$up" "$*" >&2
}

# Reports a failure with a screenshot of the moment, then exits; the EXIT trap cleans up.
e2e_fail() {
    E2E_FAILED=1
    printf '[e2e.%s] FAIL: %s\n' "$E2E_NAME" "$*" >&2
    if [ -n "${DISPLAY:-}" ] && [ -n "${E2E_SHOTS:-}" ]; then
        local shot=$E2E_SHOTS/$E2E_NAME-FAILED.png
        import -window root "$shot" 2>/dev/null && printf '[e2e.%s] screen at the failure: %s\n' "$E2E_NAME" "$shot" >&2
    fi
    exit 1
}

e2e_need() {
    local tool
    for tool in "$@"; do
        command -v "$tool" >/dev/null 2>&1 || e2e_fail "$tool is not installed (tools/setup.sh installs it)"
    done
}

# e2e_begin EXE: settles the environment (Wine prefix of the build that made EXE, code page 936, an X display)
# and installs the cleanup. The X display is the one tools/test.sh provides; a private one only when there is none.
e2e_begin() {
    [ $# -ge 1 ] && [ -f "$1" ] || e2e_fail "usage: bash $0 path/to/Sinoshift.exe (got '${1:-}')"
    E2E_EXE=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
    # build/win32/bin/Sinoshift.exe: the Wine prefix is in build/, beside the tree that made the program.
    export SINOSHIFT_BUILD=${SINOSHIFT_BUILD:-$(cd "$(dirname "$E2E_EXE")/../.." && pwd)}
    # shellcheck source=../../tools/env.sh
    source "$E2E_LIB_DIR/../../tools/env.sh"
    [ -d "$WINEPREFIX" ] || e2e_fail "no Wine prefix at $WINEPREFIX: run tools/setup.sh first"
    e2e_need wine wineserver xdotool xclip xdpyinfo iconv import xxd
    # A command that fails outside e2e_fail still gets named in the report.
    set -E
    trap 'E2E_LAST_ERROR="line $LINENO: $BASH_COMMAND"' ERR
    trap e2e_cleanup EXIT
    trap 'exit 130' INT TERM
    if [ -z "${DISPLAY:-}" ]; then
        e2e_private_display
        e2e_log "no DISPLAY: started a private X server on $DISPLAY"
    fi
    xdpyinfo >/dev/null 2>&1 || e2e_fail "cannot open the X display '$DISPLAY'"
    wine_follow_display
    E2E_SHOTS=$SINOSHIFT_BUILD/e2e
    mkdir -p "$E2E_SHOTS"
    rm -f "$E2E_SHOTS/$E2E_NAME"-*.png
}

# Starts a private X server (Xvfb chooses a free display number itself).
e2e_private_display() {
    start_private_display
    E2E_OWN_DISPLAY=1
}

e2e_cleanup() {
    local rc=$?
    set +e
    trap - ERR
    if [ "$rc" != 0 ] && [ "$E2E_FAILED" = 0 ]; then
        printf '[e2e.%s] FAIL: stopped by a failing command (%s)\n' "$E2E_NAME" "${E2E_LAST_ERROR:-unknown}" >&2
    fi
    e2e_clipboard_release
    if [ -n "$E2E_APP_PID" ] && kill -0 "$E2E_APP_PID" 2>/dev/null; then
        kill "$E2E_APP_PID" 2>/dev/null
        wait "$E2E_APP_PID" 2>/dev/null
    fi
    # Under tools/test.sh other Wine tests share the prefix's server: only a test alone stops it.
    [ "$E2E_OWN_DISPLAY" = 1 ] && wineserver -k 2>/dev/null
    local pid
    for pid in "${E2E_HELPER_PIDS[@]}"; do
        kill "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
    done
    [ "$E2E_OWN_DISPLAY" = 1 ] && stop_private_display
    [ "$rc" = 0 ] && e2e_log "passed"
    return "$rc"
}

# Polls a command until it succeeds: e2e_wait_for SECONDS COMMAND... The seconds are a limit, not a pause, and
# stretched by E2E_LIMIT_SCALE: a slow machine (or one that emulates Wine's 32-bit code) is slow, not wrong.
E2E_LIMIT_SCALE=${E2E_LIMIT_SCALE:-3}
e2e_wait_for() {
    local limit=$1
    shift
    wait_for $((limit * E2E_LIMIT_SCALE)) "$@"
}

# --- the program -------------------------------------------------------------------------------------

# Starts the program and waits until its main window shows; sets E2E_WIN.
e2e_start() {
    e2e_log "starting $E2E_EXE"
    wine "$E2E_EXE" >"$E2E_SHOTS/$E2E_NAME-wine.log" 2>&1 &
    E2E_APP_PID=$!
    E2E_WIN=
    e2e_wait_for 30 eval 'E2E_WIN=$(e2e_find_main_window); [ -n "$E2E_WIN" ] || ! e2e_running'
    e2e_running || e2e_fail "the program exited before showing its window (output in $E2E_SHOTS/$E2E_NAME-wine.log)"
    [ -n "$E2E_WIN" ] || e2e_fail "no ${E2E_WIDTH}x$E2E_HEIGHT window of the program appeared"
    wait_painted "$E2E_WIN" || e2e_fail "the main window was never painted"
    e2e_geometry
    e2e_log "main window $E2E_WIN at $E2E_X,$E2E_Y"
}

# Prints the X window id of the visible main window: same X class as the program, the main window's size.
e2e_find_main_window() {
    local w
    for w in $(xdotool search --onlyvisible --classname '^sinoshift\.exe$' 2>/dev/null); do
        local WIDTH='' HEIGHT=''
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(WIDTH|HEIGHT)=')"
        if [ "$WIDTH" = "$E2E_WIDTH" ] && [ "$HEIGHT" = "$E2E_HEIGHT" ]; then
            echo "$w"
            return
        fi
    done
}

# Prints the visible windows of the program other than the main window, one "id x y width height" a line.
e2e_other_windows() {
    local w
    for w in $(xdotool search --onlyvisible --classname '^sinoshift\.exe$' 2>/dev/null); do
        [ "$w" = "$E2E_WIN" ] && continue
        local X='' Y='' WIDTH='' HEIGHT=''
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
        [ -n "$WIDTH" ] && echo "$w $X $Y $WIDTH $HEIGHT"
    done
}

# Reads the main window's screen position into E2E_X, E2E_Y.
e2e_geometry() {
    local X='' Y='' WIDTH='' HEIGHT=''
    eval "$(xdotool getwindowgeometry --shell "$E2E_WIN" 2>/dev/null | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
    [ -n "$X" ] || e2e_fail "the main window $E2E_WIN is gone"
    [ "$WIDTH" = "$E2E_WIDTH" ] && [ "$HEIGHT" = "$E2E_HEIGHT" ] ||
        e2e_fail "the main window is ${WIDTH}x$HEIGHT, expected ${E2E_WIDTH}x$E2E_HEIGHT"
    E2E_X=$X
    E2E_Y=$Y
}

e2e_running() { kill -0 "$E2E_APP_PID" 2>/dev/null; }

# Starts another program for the test (a window manager, another application); it ends with the test.
e2e_helper() {
    "$@" >/dev/null 2>&1 &
    E2E_HELPER_PIDS+=($!)
}

# Waits up to SECONDS for the program to end and checks its exit code: e2e_expect_exit SECONDS [CODE].
e2e_expect_exit() {
    local limit=$1 want=${2:-0} rc=0
    e2e_wait_for "$limit" eval '! e2e_running' || e2e_fail "the program still runs $limit s after it was told to close"
    wait "$E2E_APP_PID" || rc=$?
    E2E_APP_PID=
    [ "$rc" = "$want" ] || e2e_fail "the program exited with code $rc, expected $want"
    e2e_log "the program exited with code $rc"
}

# --- pointer and keys --------------------------------------------------------------------------------

# Clicks at client coordinates of the main window: e2e_click X Y [BUTTON].
e2e_click() {
    e2e_running || e2e_fail "the program is not running (before a click at $1,$2)"
    e2e_geometry
    e2e_trace "click at $1,$2"
    # No pause afterwards: the program takes its input in order, and every check waits for its state.
    xdotool mousemove --sync $((E2E_X + $1)) $((E2E_Y + $2)) click "${3:-1}"
}

# Moves the pointer to client coordinates without clicking (hints, hover looks).
e2e_hover() {
    e2e_geometry
    xdotool mousemove --sync $((E2E_X + $1)) $((E2E_Y + $2))
}

# Presses, moves in small steps and releases a button (the left one unless given):
# e2e_drag X Y DX DY [BUTTON] (client coordinates).
e2e_drag() {
    local x=$1 y=$2 dx=$3 dy=$4 button=${5:-1} i steps=10
    e2e_geometry
    local sx=$((E2E_X + x)) sy=$((E2E_Y + y))
    # No pauses: the program takes the press, the moves and the release in order; the caller waits for the outcome.
    xdotool mousemove --sync "$sx" "$sy" mousedown "$button"
    for ((i = 1; i <= steps; i++)); do
        xdotool mousemove --sync $((sx + dx * i / steps)) $((sy + dy * i / steps))
    done
    xdotool mouseup "$button"
}

# Waits until the main window's screen position is X,Y: e2e_expect_at X Y WHAT.
e2e_expect_at() {
    # Locals, not $1 and $2: the command runs inside the wait, with the wait's own arguments.
    local want="$1,$2"
    e2e_wait_for 5 eval 'e2e_geometry; [ "$E2E_X,$E2E_Y" = "$want" ]' ||
        e2e_fail "$3: the window is at $E2E_X,$E2E_Y, expected $want"
}

# Sends key strokes (xdotool names: ctrl+a, Down, Escape, b) to the window that has the keyboard focus.
e2e_keys() {
    e2e_running || e2e_fail "the program is not running (before the keys $*)"
    e2e_trace "keys $*"
    xdotool key --delay 80 "$@"
}

# --- clipboard -----------------------------------------------------------------------------------------

e2e_clipboard_release() {
    if [ -n "$E2E_XCLIP_PID" ]; then
        # It may have ended already: it leaves when the program takes the selection.
        kill "$E2E_XCLIP_PID" 2>/dev/null || true
        wait "$E2E_XCLIP_PID" 2>/dev/null || true
        E2E_XCLIP_PID=
    fi
    return 0
}

# Puts UTF-8 text on the X CLIPBOARD: e2e_clipboard_put_utf8 TEXT [unread] (unread: no program is to read it).
e2e_clipboard_put_utf8() {
    e2e_trace "clipboard: $1"
    printf '%s' "$1" >"$E2E_SHOTS/$E2E_NAME-clipboard-in.txt"
    e2e_clipboard_serve "$E2E_SHOTS/$E2E_NAME-clipboard-in.txt" "${2:-}"
}

# Serves a UTF-8 file on the X CLIPBOARD with xclip, in the foreground until someone else takes the selection, and
# waits until it is served and, unless unread, until Wine can hand it to a program: e2e_clipboard_serve FILE [unread].
e2e_clipboard_serve() {
    e2e_clipboard_release
    local file=$1
    xclip -quiet -selection clipboard -i "$file" >/dev/null 2>&1 &
    E2E_XCLIP_PID=$!
    # Not asked at once, a pause for Wine's sake: a request that reaches Wine's clipboard manager as it loses the
    # selection to xclip can leave the manager deaf for many seconds.
    sleep 0.3
    e2e_wait_for 10 eval 'xclip -o -selection clipboard -target UTF8_STRING 2>/dev/null | cmp -s - "$file"' ||
        e2e_fail "xclip did not take the X clipboard"
    [ "${2:-}" = unread ] && return 0
    # Wine's own pace: told of the new owner through XFixes, its clipboard manager takes in the new formats in a
    # thread of its own, which tells nobody when it is done; without the 32-bit libXfixes it asks the X server only
    # when a program looks, at most every 2 seconds. After the pause the program's next look imports the new text.
    if [ -e /usr/lib/i386-linux-gnu/libXfixes.so.3 ]; then sleep 0.5; else sleep 2.2; fi
}

# Puts a text on the clipboard that no step of a test copies, so that a copy that did not happen shows.
e2e_clipboard_mark() {
    E2E_MARK=$((${E2E_MARK:-0} + 1))
    e2e_clipboard_put_utf8 "e2e mark $E2E_MARK" unread
}

# Puts text whose code page 936 bytes are BYTES (given as hex) on the clipboard: Wine hands a program's CF_TEXT
# request exactly those bytes. BIG5 bytes pass unchanged as long as each pair is also a mapped GBK pair.
e2e_clipboard_put_cp936_hex() {
    local utf8
    utf8=$(e2e_hex_to_bytes "$1" | iconv -f GBK -t UTF-8) ||
        e2e_fail "bytes $1 are not code page 936 text; choose other test characters"
    [ "$(printf '%s' "$utf8" | iconv -f UTF-8 -t GBK | e2e_bytes_to_hex)" = "$1" ] ||
        e2e_fail "bytes $1 do not survive code page 936 unchanged; choose other test characters"
    e2e_clipboard_put_utf8 "$utf8"
}

# Prints the X CLIPBOARD as code page 936 bytes in hex (what a program's CF_TEXT held), or fails.
e2e_clipboard_cp936_hex() {
    xclip -o -selection clipboard -target UTF8_STRING 2>/dev/null | iconv -f UTF-8 -t GBK 2>/dev/null | e2e_bytes_to_hex
}

# Waits until the clipboard holds the expected bytes: e2e_expect_clipboard_hex HEX WHAT.
e2e_expect_clipboard_hex() {
    local want=$1 what=$2 got=
    # Generous: while Wine imports an X selection the program may wait for it for seconds.
    e2e_wait_for 10 eval 'got=$(e2e_clipboard_cp936_hex); [ "$got" = "$want" ]' && return 0
    e2e_fail "$what: the clipboard holds $(e2e_describe_hex "$got"), expected $(e2e_describe_hex "$want")"
}

# --- bytes ---------------------------------------------------------------------------------------------

e2e_hex_to_bytes() { printf '%s' "$1" | xxd -r -p; }
e2e_bytes_to_hex() { xxd -p | tr -d '\n'; }

# Hex of UTF-8 text in an encoding: e2e_hex_of GBK|BIG5 TEXT.
e2e_hex_of() {
    printf '%s' "$2" | iconv -f UTF-8 -t "$1" | e2e_bytes_to_hex ||
        e2e_fail "'$2' has no $1 form"
}

# "hex (text as GB)" for messages; BIG5 bytes read as GB look garbled but the hex tells.
e2e_describe_hex() {
    [ -n "$1" ] || {
        printf 'nothing'
        return
    }
    printf '%s ("%s" read as GB)' "$1" "$(e2e_hex_to_bytes "$1" | iconv -f GBK -t UTF-8 2>/dev/null)"
}

# --- screenshots ---------------------------------------------------------------------------------------

# Saves the whole screen as build/e2e/<test>-<nn>-<what>.png for people to look at.
e2e_screenshot() {
    E2E_STEP=$((E2E_STEP + 1))
    local shot
    shot=$(printf '%s/%s-%02d-%s.png' "$E2E_SHOTS" "$E2E_NAME" "$E2E_STEP" "$1")
    import -window root "$shot" 2>/dev/null || e2e_fail "could not write the screenshot $shot"
    e2e_log "screenshot: $shot"
}

# Succeeds when a client rectangle of the main window shows one colour only: e2e_region_plain X Y W H.
# The last rectangle looked at stays in build/e2e/<test>-region.png.
e2e_region_plain() {
    e2e_geometry
    screen_plain $((E2E_X + $1)) $((E2E_Y + $2)) "$3" "$4" "$E2E_SHOTS/$E2E_NAME-region.png"
}

# Prints "r g b" of a client pixel of the main window as the screen shows it now: e2e_pixel X Y.
e2e_pixel() {
    e2e_geometry
    import -window root -crop "1x1+$((E2E_X + $1))+$((E2E_Y + $2))" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

e2e_close_is_red() {
    local r g b
    read -r r g b < <(e2e_pixel 666 6)
    [ "${r:-0}" -gt 180 ] && [ "${g:-255}" -lt 120 ]
}

# Waits until the program has handled, and painted, all input given so far: its close button turns red under the
# pointer and plain again when the pointer leaves, each after everything before it. Leaves the pointer at 600,50,
# on the painted skin. Only with no mouse button held.
e2e_sync() {
    e2e_hover 682 9
    e2e_wait_for 5 e2e_close_is_red || e2e_fail "the program does not answer: its close button stays plain under the pointer"
    e2e_hover 600 50
    e2e_wait_for 5 eval '! e2e_close_is_red' || e2e_fail "the program does not answer: its close button stays red"
}

# --- buttons -------------------------------------------------------------------------------------------

# Takes a screenshot (kept like e2e_screenshot's) that e2e_grabbed_pixel then reads: e2e_grab WHAT.
e2e_grab() {
    e2e_screenshot "$1" >&2
    E2E_GRAB=$(printf '%s/%s-%02d-%s.png' "$E2E_SHOTS" "$E2E_NAME" "$E2E_STEP" "$1")
}

# Prints "r g b" of a client pixel of the main window in the last grab: e2e_grabbed_pixel X Y.
e2e_grabbed_pixel() {
    command convert "$E2E_GRAB" -crop "1x1+$((E2E_X + $1))+$((E2E_Y + $2))" -depth 8 txt:- 2>/dev/null |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1 \2 \3/p'
}

# --- editing panes: large texts and the wheel ----------------------------------------------------------

# Prints LINE (UTF-8) repeated, one a line, until the GB form holds at least BYTES bytes:
# e2e_memo_repeat_lines LINE BYTES.
e2e_memo_repeat_lines() {
    local line_bytes
    line_bytes=$(printf '%s\n' "$1" | iconv -f UTF-8 -t GBK | wc -c)
    awk -v line="$1" -v n=$((($2 + line_bytes - 1) / line_bytes)) 'BEGIN { for (i = 0; i < n; i++) print line }'
}

# Puts a UTF-8 file on the X CLIPBOARD; xclip serves it until the program takes the selection.
e2e_memo_clipboard_put_file() { e2e_clipboard_serve "$1"; }

# Waits until the program has taken the clipboard (the xclip serving the pasted text has ended) and its
# text is the file's, byte for byte: e2e_memo_expect_clipboard_file FILE SECONDS WHAT.
e2e_memo_expect_clipboard_file() {
    local file=$1 limit=$2 what=$3 got=$E2E_SHOTS/$E2E_NAME-clipboard.txt
    if [ -n "$E2E_XCLIP_PID" ]; then
        e2e_wait_for "$limit" eval '! kill -0 "$E2E_XCLIP_PID" 2>/dev/null' ||
            e2e_fail "$what: the program did not take the clipboard within $limit s"
        E2E_XCLIP_PID=
    fi
    e2e_wait_for 30 eval 'xclip -o -selection clipboard -target UTF8_STRING >"$got" 2>/dev/null && cmp -s "$got" "$file"' ||
        e2e_fail "$what: the clipboard holds $(wc -c <"$got") bytes ($(cmp "$got" "$file" 2>&1 | head -n 1)), expected $(wc -c <"$file")"
    e2e_log "$what: all $(wc -c <"$file") bytes"
}
