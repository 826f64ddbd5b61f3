#!/usr/bin/env bash
# The encodings' cost natively, in-process, beside glibc's iconv on the same bytes in the same run:
#   bash bench/codecs.sh [--repeat K] [--mb N]     (median of K runs, default 5; N MB of GB text, default 100)
# Times are the thread's processor time, so other work on the machine slows no row. Builds codecbench in
# its own Release tree (-O2, no sanitizers: build/bench-native). The text: the zh_CN catalog lines of
# tests/data/corpus_large_zh_CN.txt.gz repeated to the size, CR LF line ends, as GB bytes and as UTF-8. GB -> BIG5 runs as s2b, UTF-8 -> UTF-8 as s2tw, through the phrase converter of the tree.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
repeat=5 mb=100
while [ $# -gt 0 ]; do
    case $1 in
    --repeat) repeat=$2; shift 2 ;;
    --mb) mb=$2; shift 2 ;;
    *) echo "usage: bash bench/codecs.sh [--repeat K] [--mb N]" >&2; exit 2 ;;
    esac
done

build=$root/build/bench-native
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DSINOSHIFT_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2 --target codecbench >/dev/null

if [ -d /dev/shm ] && [ -w /dev/shm ]; then work=$(mktemp -d /dev/shm/codecbench.XXXXXX); else work=$(mktemp -d); fi
trap 'rm -rf "$work"' EXIT
gzip -dc "$root/tests/data/corpus_large_zh_CN.txt.gz" | /usr/bin/python3 -c '
import sys
target, work = int(sys.argv[1]) * 10**6, sys.argv[2]
block = "".join(line.rstrip("\n") + "\r\n" for line in sys.stdin if line.strip())
gb = block.encode("gbk")
copies = target // len(gb) + 1
open(work + "/text.gb", "wb").write((gb * copies)[:target])
open(work + "/text.utf8", "wb").write(block.encode("utf-8") * copies)
' "$mb" "$work"
"$build/bin/codecbench" "$work/text.gb" "$work/text.utf8" --repeat "$repeat"
