#!/usr/bin/env bash
# The phrase converter's speed in-process on UTF-8 Chinese text (s2tw unless named), beside Debian's
# libopencc in the same run: median of 5 runs each.
#   bash bench/phrasebench.sh [--mb N] [--conversion NAME] [--runs K]     (default 200 MB, s2tw, 5)
# The text: tests/data/corpus_large_zh_CN.txt.gz (Debian's zh_CN message catalogs) repeated to N MB.
# Built natively with -O2 and no sanitizers in build/bench.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
mb=200
args=()
while [ $# -gt 0 ]; do
    case $1 in
    --mb) mb=$2; shift 2 ;;
    *) args+=("$1"); shift ;;
    esac
done
dpkg-query -W libopencc-dev >/dev/null 2>&1 || apt-get install -y -qq libopencc-dev >/dev/null
build=$root/build/bench
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE=-O2 \
    -DSINOSHIFT_SANITIZE=OFF >/dev/null
cmake --build "$build" -j2 --target phrasebench >/dev/null
text=$(mktemp /tmp/phrasebench.XXXXXX)
trap 'rm -f "$text"' EXIT
one=$(mktemp /tmp/phrasebench.one.XXXXXX)
gzip -dc "$root/tests/data/corpus_large_zh_CN.txt.gz" >"$one"
while [ "$(stat -c %s "$text")" -lt $((mb * 1000000)) ]; do cat "$one" >>"$text"; done
rm -f "$one"
truncate -s $((mb * 1000000)) "$text"
# The cut may split a character at the end: drop the partial last line.
sed -i '$ d' "$text"
"$build/bin/phrasebench" "$text" "${args[@]}"
