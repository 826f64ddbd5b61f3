#!/usr/bin/env bash
# Every data file the table generator reads is covered by a path or pattern that THIRD_PARTY.md names (in
# backquotes), and exists.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "$root"
if [ ! -f tools/gen_phrase_tables.py ]; then
    echo "skipped: this tree has no tools/gen_phrase_tables.py yet"
    exit 0
fi
mapfile -t named < <(grep -o '`[^` ]*/[^` ]*`' THIRD_PARTY.md | tr -d '`')
inputs=$(python3 tools/gen_phrase_tables.py --list-inputs)
[ -n "$inputs" ] || { echo "FAIL: the generator lists no inputs"; exit 1; }
failed=0
while read -r path; do
    [ -f "$path" ] || { echo "FAIL: the generator reads $path, which is not in the tree"; failed=1; }
    for pattern in "${named[@]}"; do
        # shellcheck disable=SC2053 # the pattern is a glob on purpose
        [[ $path == $pattern ]] && continue 2
    done
    echo "FAIL: THIRD_PARTY.md names no path or pattern that covers $path"
    failed=1
done <<<"$inputs"
[ "$failed" = 0 ] && echo "all $(wc -l <<<"$inputs") inputs of the generator are named in THIRD_PARTY.md"
exit "$failed"
