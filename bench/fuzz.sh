#!/usr/bin/env bash
# Fuzzes every target (or those named) for SECONDS each, one process at a time, starting from its committed
# corpus and what earlier runs here added (build/fuzz/corpus), and prints per target the executions, their
# rate, libFuzzer's coverage figures and any finding. Exits non-zero on a finding; the input that shows it is
# in build/fuzz/findings/<target>/.
#   bash bench/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"

seconds=${1:-60}
shift || true
fuzz_toolchain_ready || die "clang with libFuzzer is missing (bash tools/setup.sh installs it)"
say "fuzz: building the fuzz tree"
build_fuzz_tree || die "fuzz build failed (full output in $SINOSHIFT_BUILD/fuzz-build.log)"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for dir in "$SINOSHIFT_ROOT"/fuzz/corpus/*/; do
        targets+=("$(basename "$dir")")
    done
fi

work=$SINOSHIFT_BUILD/fuzz
stat() { sed -n "s/^stat::$2: *//p" "$1" | tail -n 1; }
found=0
printf '%-20s %12s %8s %7s %7s  %s\n' target executions exec/s cov ft findings
for t in "${targets[@]}"; do
    bin=$work/bin/fuzz_$t
    [ -x "$bin" ] || die "no fuzz target '$t'"
    # Findings of an earlier run are gone: its inputs are either in the committed corpus by now or found again.
    rm -rf "$work/findings/$t"
    mkdir -p "$work/corpus/$t" "$work/findings/$t"
    log=$work/findings/$t.log
    flags=()
    [ -f "$SINOSHIFT_ROOT/fuzz/dict/$t.dict" ] && flags=("-dict=$SINOSHIFT_ROOT/fuzz/dict/$t.dict")
    # A target's own libFuzzer settings, as OSS-Fuzz keeps them: "key = value" lines in fuzz/options/<target>.options.
    if [ -f "$SINOSHIFT_ROOT/fuzz/options/$t.options" ]; then
        while read -r key _ value; do flags+=("-$key=$value"); done < <(grep -E '^[a-z_]+ *= *' "$SINOSHIFT_ROOT/fuzz/options/$t.options")
    fi
    # New inputs go to the first folder, so the committed corpus stays as it is; a hang is a finding too.
    rc=0
    "$bin" -max_total_time="$seconds" -timeout=30 -print_final_stats=1 -artifact_prefix="$work/findings/$t/" \
        "${flags[@]}" "$work/corpus/$t" "$SINOSHIFT_ROOT/fuzz/corpus/$t" >"$log" 2>&1 || rc=$?
    coverage=$(grep -o 'cov: [0-9]* ft: [0-9]*' "$log" | tail -n 1 || true)
    read -r _ cov _ ft <<<"${coverage:-cov: - ft: -}"
    findings=none
    if [ "$rc" -ne 0 ] || [ -n "$(ls -A "$work/findings/$t")" ]; then
        findings="$(ls "$work/findings/$t" | tr '\n' ' ')(exit $rc, see $log)"
        found=1
    fi
    printf '%-20s %12s %8s %7s %7s  %s\n' "$t" "$(stat "$log" number_of_executed_units)" \
        "$(stat "$log" average_exec_per_sec)" \
        "$cov" "$ft" "$findings"
done
exit "$found"
