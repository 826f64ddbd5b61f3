#!/usr/bin/env bash
# The command line's machinery, in one run, median of K runs each (default 5):
#   bash bench/clicores.sh [--repeat K] [--size MB]
# 1. in-process, 200 MB of UTF-8 text, s2tw: every core against one thread (clibench, natively and under Wine);
# 2. end to end from a file, -j (all cores) against -j 1, outputs compared;
# 3. a tree of 2,000 files (1 KB to 1 MB, 200 MB in all) against the single 200 MB file, same threads;
# 4. the clipboard round: 1 MB set with xclip, converted, read back with xclip;
# 5. start-up on a 10-character input against the command line of commit 449b245 (built in build/bench-old).
# The text: the zh_CN catalog lines of tests/data/corpus_zh_CN.txt repeated to the size.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"

repeat=5 megabytes=200
while [ $# -gt 0 ]; do
    case $1 in
    --repeat) repeat=$2 && shift 2 ;;
    --size) megabytes=$2 && shift 2 ;;
    *) die "usage: bash bench/clicores.sh [--repeat K] [--size MB]" ;;
    esac
done
cli=$SINOSHIFT_ROOT/tools/sinoshift-cli
build() { # folder cmake-options... : the benchmark's targets only
    local dir=$1
    shift
    cmake -S "${SOURCE:-$SINOSHIFT_ROOT}" -B "$dir" "$@" >"$dir.log" 2>&1 &&
        cmake --build "$dir" -j2 --target "${TARGETS[@]}" >>"$dir.log" 2>&1 || die "build failed: $dir.log"
}
TARGETS=(clibench) build "$SINOSHIFT_BUILD/bench-native" -DCMAKE_BUILD_TYPE=Release -DSINOSHIFT_SANITIZE=OFF
TARGETS=(clibench sinoshift-cli) build "$SINOSHIFT_BUILD/win32" -DCMAKE_BUILD_TYPE=Release \
    -DCMAKE_TOOLCHAIN_FILE="$SINOSHIFT_ROOT/cmake/toolchain-i686-mingw.cmake"
old=$SINOSHIFT_BUILD/bench-old
if [ ! -f "$old/bin/sinoshift-cli.exe" ]; then
    rm -rf "$old-src" && mkdir -p "$old-src"
    git -C "$SINOSHIFT_ROOT" archive 449b245 | tar -x -C "$old-src"
    SOURCE=$old-src TARGETS=(sinoshift-cli) build "$old" -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE="$old-src/cmake/toolchain-i686-mingw.cmake"
fi

work=$(mktemp -d /dev/shm/clicores.XXXXXX 2>/dev/null || mktemp -d /tmp/clicores.XXXXXX)
trap 'rm -rf "$work"; [ -n "${XVFB:-}" ] && stop_private_display' EXIT
wineserver -p 2>/dev/null || true # one server for the whole run

/usr/bin/python3 - "$SINOSHIFT_ROOT/tests/data/corpus_zh_CN.txt" "$megabytes" "$work" <<'PY'
import os, random, sys
corpus, size, work = sys.argv[1], int(sys.argv[2]) * 1000000, sys.argv[3]
lines = [line for line in open(corpus, encoding="utf-8") if line.strip()]
block = "".join(lines).encode("utf-8")
text = (block * (size // len(block) + 1))[:size]
text = text[: text.rfind(b"\n") + 1]
open(os.path.join(work, "text.txt"), "wb").write(text)
# 2,000 files from 1 KB to 1 MB, cut from the same text at line ends, in 20 folders.
random.seed(1)
weights = [random.uniform(0, 1) ** 3 for _ in range(2000)]
at = 0
for i, w in enumerate(weights):
    want = max(1000, min(1000000, int(len(text) * w / sum(weights))))
    end = text.find(b"\n", at + want) + 1 or len(text)
    folder = os.path.join(work, "tree", "d%02d" % (i % 20))
    os.makedirs(folder, exist_ok=True)
    open(os.path.join(folder, "f%04d.txt" % i), "wb").write(text[at:end])
    at = end if end < len(text) else 0
PY
bytes=$(stat -c %s "$work/text.txt")
tree_bytes=$(du -sb --apparent-size "$work/tree" | cut -f1)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
# K runs of a command; prints the median in milliseconds.
timed() {
    local i start stop
    for ((i = 0; i < repeat; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1
        stop=$(date +%s%N)
        echo $(((stop - start) / 1000000))
    done | median
}
rate() { awk -v b="$1" -v ms="$2" 'BEGIN { printf "%.1f", b / ms / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

printf '\n%s MB of UTF-8 text (real catalog lines), s2tw, median of %s; %s cores\n' \
    "$((bytes / 1000000))" "$repeat" "$(nproc)"
echo "in-process, natively:  $("$SINOSHIFT_BUILD/bench-native/bin/clibench" --in "$work/text.txt" --repeat "$repeat")"
echo "in-process, under Wine: $(wine "$SINOSHIFT_BUILD/win32/bin/clibench.exe" --in "Z:${work//\//\\}\\text.txt" --repeat "$repeat" | tr -d '\r')"

one=$(timed "$cli" s2tw "$work/text.txt" -o "$work/one.out" -j 1 -q)
all=$(timed "$cli" s2tw "$work/text.txt" -o "$work/all.out" -q)
cmp -s "$work/one.out" "$work/all.out" && same=identical || same=DIFFERS
printf 'end to end, file to file: -j 1 %s ms (%s MB/s), all cores %s ms (%s MB/s): %sx, output %s\n' \
    "$one" "$(rate "$bytes" "$one")" "$all" "$(rate "$bytes" "$all")" "$(ratio "$one" "$all")" "$same"

tree=$(timed "$cli" s2tw -r "$work/tree" -o "$work/tree.out" -q)
printf 'tree of 2000 files, %s MB: %s ms (%s MB/s), %sx the single file (%s ms)\n' "$((tree_bytes / 1000000))" \
    "$tree" "$(rate "$tree_bytes" "$tree")" "$(ratio "$tree" "$all")" "$all"

if [ -z "${DISPLAY:-}" ]; then
    start_private_display
    XVFB=1
fi
head -c 1000000 "$work/text.txt" >"$work/clip.txt"
clip_round() {
    xclip -selection clipboard -i "$work/clip.txt"
    "$cli" s2tw --clipboard
    xclip -o -selection clipboard >"$work/clip.out"
}
clip=$(timed clip_round)
printf 'clipboard round, 1 MB (set with xclip, convert, read back): %s ms, %s bytes back\n' "$clip" \
    "$(stat -c %s "$work/clip.out")"

printf '%s' '汉字转换后的头发很长' >"$work/ten.txt"
new=$(timed "$cli" s2t "$work/ten.txt" -o "$work/ten.out")
before=$(SINOSHIFT_CLI=$old/bin/sinoshift-cli.exe timed "$cli" s2t "$work/ten.txt" -o "$work/ten.old")
printf 'start-up, 10 characters: %s ms, commit 449b245 %s ms: %sx\n' "$new" "$before" "$(ratio "$new" "$before")"
