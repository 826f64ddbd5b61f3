#!/usr/bin/env bash
# Every `tools/test.sh -R PATTERN` example in the README selects at least one test of the build.
set -uo pipefail
ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
cd "${SINOSHIFT_BUILD:-$ROOT/build}" || exit 1
patterns=$(grep -oE "tools/test\.sh -R ('[^']*'|[^ \`]+)" "$ROOT/README.md" | sed -E "s/^tools\/test\.sh -R //; s/^'(.*)'\$/\1/")
[ -n "$patterns" ] || { echo "FAIL the README has no -R example"; exit 1; }
failures=0
while read -r pattern; do
    n=$(ctest -N -R "$pattern" | sed -n 's/^Total Tests: //p')
    echo "${n:-0} tests match -R $pattern"
    [ "${n:-0}" -gt 0 ] || failures=$((failures + 1))
done <<<"$patterns"
[ "$failures" = 0 ]
