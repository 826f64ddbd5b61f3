#!/usr/bin/env bash
# The panes with large texts, as a user drives them, beside Wine's own notepad in the same run:
#   Sinoshift: paste N MB into the source pane (Ctrl+V), convert, click the result pane, Ctrl+A, Ctrl+C;
#   notepad:   paste the same text (Ctrl+V), Ctrl+A, Ctrl+C;
# each timed from the paste key until the X clipboard has handed out the whole result (checked byte for
# byte). Notepad's rounds run first, then the program's (one window at a time: see below), in the same
# run on the same texts. Both windows are 713 x 486; notepad as it starts (no word wrap), the panes as the program sets
# them (word wrap on). The text: the catalog lines of tests/data/corpus_zh_CN.txt repeated to N MB of GB.
#   bash bench/panebench.sh [--rounds K] [MB ...]      (default: 3 rounds, 1 and 5 MB; the best counts)
# PANEBENCH_WINEPREFIX runs it in another prefix, beside tests that use the build's own.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"
export WINEPREFIX=${PANEBENCH_WINEPREFIX:-$WINEPREFIX}

rounds=3
[ "${1:-}" = --rounds ] && rounds=$2 && shift 2
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 5)

[ -n "${PANEBENCH_NO_BUILD:-}" ] || SINOSHIFT_SKIP_NATIVE=1 bash "$SINOSHIFT_ROOT/tools/build.sh" >/dev/null
exe=$SINOSHIFT_BUILD/win32/bin/Sinoshift.exe
convbench=$SINOSHIFT_BUILD/win32/bin/convbench.exe
work=$(mktemp -d /tmp/panebench.XXXXXX)
xclip_pid=
cleanup() {
    [ -n "$xclip_pid" ] && kill "$xclip_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    stop_private_display
    rm -rf "$work"
}
trap cleanup EXIT
start_private_display
wine_follow_display

now() { date +%s%N; }

# The window of a program by X class and size, after resizing it to 713 x 486 when asked.
find_window() { # classname [resize]
    local id i X Y WIDTH HEIGHT
    for ((i = 0; i < 300; i++)); do
        for id in $(xdotool search --onlyvisible --classname "$1" 2>/dev/null); do
            eval "$(xdotool getwindowgeometry --shell "$id")"
            if [ -n "${2:-}" ] && [ "$WIDTH" -gt 300 ] && [ "$WIDTH" != 713 ]; then
                xdotool windowsize "$id" 713 486
                sleep 0.5
                eval "$(xdotool getwindowgeometry --shell "$id")"
            fi
            [ "$WIDTH" = 713 ] && [ "$HEIGHT" = 486 ] && echo "$id $X $Y" && return 0
        done
        sleep 0.1
    done
    die "no 713 x 486 window of class $1"
}

click() { xdotool mousemove --sync "$1" "$2" click 1; }

serve() { # file: puts it on the X clipboard
    [ -n "$xclip_pid" ] && kill "$xclip_pid" 2>/dev/null
    xclip -quiet -selection clipboard -i "$1" >/dev/null 2>&1 &
    xclip_pid=$!
    # Not asked at once: a request that reaches Wine's clipboard manager as it loses the selection to xclip
    # can leave the manager deaf for many seconds. Then a pause, so that Wine has seen the new owner.
    sleep 0.3
    local i
    for ((i = 0; i < 100; i++)); do
        xclip -o -selection clipboard -target UTF8_STRING 2>/dev/null | cmp -s - "$1" && break
        sleep 0.1
    done
    sleep 1
}

# Waits until the program has taken the clipboard (xclip, which served the pasted text, leaves) and reads
# it out whole; prints the milliseconds since $1 or fails when the bytes differ from $2.
finish() { # start expected
    local i=0
    while kill -0 "$xclip_pid" 2>/dev/null; do
        if ((i++ > 1000)); then
            import -window root /tmp/panebench-stuck.png
            die "the clipboard was not taken within 20 s (the screen: /tmp/panebench-stuck.png)"
        fi
        sleep 0.02
    done
    xclip_pid=
    xclip -o -selection clipboard -target UTF8_STRING >"$work/got" 2>/dev/null
    local stop
    stop=$(now)
    cmp -s "$work/got" "$2" || die "the clipboard held $(wc -c <"$work/got") bytes, not the $(wc -c <"$2") expected"
    echo $(((stop - $1) / 1000000))
}

round_sinoshift() { # text expected
    serve "$1"
    # Without a window manager a click does not move the X keyboard focus between programs.
    xdotool windowfocus "$sinoshift"
    click $((sx + 183)) $((sy + 150))
    xdotool key ctrl+a
    sleep 0.5
    local start
    start=$(now)
    xdotool key ctrl+v
    click $((sx + 318)) $((sy + 80))
    click $((sx + 529)) $((sy + 300))
    xdotool key ctrl+a ctrl+c
    finish "$start" "$2"
}

round_notepad() { # text
    serve "$1"
    xdotool windowfocus "$notepad"
    click $((nx + 100)) $((ny + 400))
    xdotool key ctrl+a
    sleep 0.5
    local start
    start=$(now)
    xdotool key ctrl+v ctrl+a ctrl+c
    finish "$start" "$1"
}

# The texts, and the expected result: the program's own conversion, as the clipboard hands it out (UTF-8, LF).
for mb in "${sizes[@]}"; do
    /usr/bin/python3 - "$SINOSHIFT_ROOT/tests/data/corpus_zh_CN.txt" "$work/$mb" "$((mb * 1000000))" <<'EOF'
import sys
corpus, out, target = sys.argv[1], sys.argv[2], int(sys.argv[3])
lines = [line.rstrip("\n") for line in open(corpus, encoding="utf-8") if line.strip()]
text, size, i = [], 0, 0
while size < target:
    text.append(lines[i % len(lines)])
    size += len(text[-1].encode("gbk")) + 2
    i += 1
open(f"{out}.utf8", "w", encoding="utf-8").write("\n".join(text) + "\n")
open(f"{out}.gb", "wb").write("\r\n".join(text).encode("gbk") + b"\r\n")
EOF
    wine "$convbench" --mode 0 --in "$work/$mb.gb" --out "$work/$mb.mode0.gb" >/dev/null 2>&1
    iconv -f GBK -t UTF-8 <"$work/$mb.mode0.gb" | tr -d '\r' >"$work/$mb.expected.utf8"
done

# One program on the screen at a time: on a bare X server (no window manager) a click or windowfocus did
# not give notepad, started first, the keyboard back once the program's window had opened.
declare -A s_all n_all
(cd "$work" && exec wine notepad >/dev/null 2>&1) &
notepad_pid=$!
read -r notepad nx ny < <(find_window '^notepad\.exe$' resize)
for mb in "${sizes[@]}"; do
    for ((r = 0; r < rounds; r++)); do n_all[$mb]+=" $(round_notepad "$work/$mb.utf8")"; done
done
kill "$notepad_pid"
wait "$notepad_pid" 2>/dev/null || true
sleep 1
wine "$exe" >/dev/null 2>&1 &
read -r sinoshift sx sy < <(find_window '^sinoshift\.exe$')
sleep 2
for mb in "${sizes[@]}"; do
    for ((r = 0; r < rounds; r++)); do
        s_all[$mb]+=" $(round_sinoshift "$work/$mb.utf8" "$work/$mb.expected.utf8")"
    done
done

best() { tr ' ' '\n' | grep . | sort -n | head -n 1; }
printf 'best of %s rounds, milliseconds from the paste key until the clipboard handed out the whole result\n' "$rounds"
row='%-8s %12s %12s %8s  %s\n'
printf "$row" "size" "Sinoshift" "notepad" "ratio" "(all rounds: Sinoshift / notepad)"
for mb in "${sizes[@]}"; do
    s=$(echo "${s_all[$mb]}" | best)
    n=$(echo "${n_all[$mb]}" | best)
    printf "$row" "$mb MB" "$s" "$n" "$(awk -v a="$s" -v b="$n" 'BEGIN { printf "%.2f", a / b }')" \
        "(${s_all[$mb]# } / ${n_all[$mb]# })"
done
