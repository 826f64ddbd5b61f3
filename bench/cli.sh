#!/usr/bin/env bash
# The command line beside iconv (GBK to BIG5) and OpenCC (s2t) on the same real text, in one run, at
# 10 MB and 200 MB:
#   bash bench/cli.sh [--repeat K]     (K rounds of runs, the best of each counts; default 3; OpenCC, at
#                                      about 1 MB/s, once at 200 MB)
# The text: the zh_CN catalog lines of tests/data/corpus_zh_CN.txt repeated to the size, CR LF line ends,
# as bench/run.sh makes it. s2t and s2b take that GB text, t2s takes s2t's output and b2s s2b's; OpenCC
# takes the same text as UTF-8. Every figure is MB (10^6 bytes) of GB text per second.
# End to end: whole runs from file to file, process start included (the command line through its Linux
# wrapper, so Wine's start counts too). The conversion in-process, on one thread and on all: bench/clicores.sh.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"

repeat=3
[ "${1:-}" = --repeat ] && repeat=$2

SINOSHIFT_SKIP_NATIVE=1 bash "$SINOSHIFT_ROOT/tools/build.sh" >/dev/null
cli=$SINOSHIFT_ROOT/tools/sinoshift-cli
command -v iconv >/dev/null || die "iconv is missing"
command -v opencc >/dev/null || die "opencc is missing"

# In memory (tmpfs) where there is one: the figures are the tools', not the disk's.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then
    work=$(mktemp -d /dev/shm/clibench.XXXXXX)
else
    work=$(mktemp -d /tmp/clibench.XXXXXX)
fi
trap 'rm -rf "$work"' EXIT
# One Wine server for the whole run, ending 30 s after its last program.
wineserver -p30 2>/dev/null || true # one may run already

make_text() { # size prefix
    /usr/bin/python3 - "$SINOSHIFT_ROOT/tests/data/corpus_zh_CN.txt" "$1" "$2" <<'PY'
import sys
corpus, target, prefix = sys.argv[1], int(sys.argv[2]), sys.argv[3]
lines = [line.rstrip("\n") for line in open(corpus, encoding="utf-8") if line.strip()]
block = "".join(line + "\r\n" for line in lines)
size = len(block.encode("gbk"))
text = block * (target // size + 1)
gb = text.encode("gbk")[:target]
cut = gb.rfind(b"\r\n") + 2
open(prefix + ".gb", "wb").write(gb[:cut])
open(prefix + ".utf8", "wb").write(gb[:cut].decode("gbk").encode("utf-8"))
PY
}

# One timed run of a command that writes out, in microseconds. Before it, outside the timing, out is removed
# and the disk synced, so no run pays for freeing or flushing what an earlier one wrote.
time_run() { # out command...
    local out=$1 start stop
    shift
    rm -f "$out"
    sync
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true # iconv -c reports the characters it dropped
    stop=$(date +%s%N)
    echo $(((stop - start) / 1000))
}
declare -A best
keep_best() { # name microseconds
    if [ -z "${best[$1]:-}" ] || [ "$2" -lt "${best[$1]}" ]; then best[$1]=$2; fi
}
rate() { awk -v b="$1" -v us="$2" 'BEGIN { printf "%.1f", b / us }'; } # bytes microseconds
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }

row='%-36s %10s %9s %10s\n'
"$cli" --version >/dev/null # Wine's first start is not the program's
for size in 10000000 200000000; do
    base=$work/text$size
    make_text "$size" "$base"
    bytes=$(stat -c %s "$base.gb")
    runs=$repeat opencc_runs=$repeat
    [ "$size" -gt 10000000 ] && opencc_runs=1
    "$cli" s2t "$base.gb" -o "$base.s2t"
    "$cli" s2b "$base.gb" -o "$base.s2b"
    declare -A input=([s2t]=$base.gb [s2b]=$base.gb [t2s]=$base.s2t [b2s]=$base.s2b)
    declare -A number=([s2t]=0 [t2s]=1 [b2s]=2 [s2b]=3)

    # Rounds of every command in turn, so a busy moment of the machine does not fall on one of them alone.
    best=()
    for ((round = 0; round < runs; round++)); do
        keep_best iconv "$(time_run "$work/iconv.out" iconv -c -f GBK -t BIG5 -o "$work/iconv.out" "$base.gb")"
        for mode in s2t t2s b2s s2b; do
            keep_best "$mode" "$(time_run "$work/cli.out" "$cli" "$mode" "${input[$mode]}" -o "$work/cli.out")"
        done
        if ((round < opencc_runs)); then
            keep_best opencc "$(time_run "$work/opencc.out" opencc -c s2t.json -i "$base.utf8" -o "$work/opencc.out")"
        fi
    done
    iconv_rate=$(rate "$bytes" "${best[iconv]}")
    opencc_rate=$(rate "$bytes" "${best[opencc]}")
    printf '\n%.1f MB of GB text (real catalog lines); best of %s run(s), OpenCC %s\n' \
        "$(awk -v b="$bytes" 'BEGIN { printf "%.1f", b / 1e6 }')" "$runs" "$opencc_runs"
    printf "$row" "end to end, file to file" "MB/s" "/ iconv" "/ opencc"
    for mode in s2t t2s b2s s2b; do
        r=$(rate "$bytes" "${best[$mode]}")
        printf "$row" "sinoshift-cli $mode" "$r" "$(ratio "$r" "$iconv_rate")" "$(ratio "$r" "$opencc_rate")"
    done
    printf "$row" "iconv -f GBK -t BIG5" "$iconv_rate" "1.00" "$(ratio "$iconv_rate" "$opencc_rate")"
    printf "$row" "opencc -c s2t.json" "$opencc_rate" "$(ratio "$opencc_rate" "$iconv_rate")" "1.00"
    rm -f "$base".* "$work"/*.out
done
