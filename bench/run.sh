#!/usr/bin/env bash
# Times the four conversions (convbench under Wine) on 10 MB of real GB text, beside iconv's GBK to BIG5
# and OpenCC's s2t on the same text in the same run, and prints the speeds and their ratios.
#   bash bench/run.sh [--repeat K]     (K runs of each, the best counts; default 5)
# The text: the zh_CN catalog lines of tests/data/corpus_zh_CN.txt, repeated to 10 MB, CR LF line ends.
# Modes 0 and 3 and iconv take that GB text; mode 1 takes mode 0's output (the same text in Traditional
# characters) and mode 2 mode 3's output (the same text in BIG5); OpenCC takes the text as UTF-8, which
# it needs. Speeds are MB (10^6 bytes) of GB text per second for all, so the rows compare like with like.
# convbench times the conversion alone; iconv and OpenCC are timed as whole runs on files in memory.
# The last column shows the speed of each mode's code page calls alone (Wine's converters): the bound
# the steps put on a mode, whatever the program's own part costs.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../tools/env.sh"

repeat=5
[ "${1:-}" = --repeat ] && repeat=$2
target_bytes=10000000

SINOSHIFT_SKIP_NATIVE=1 bash "$SINOSHIFT_ROOT/tools/build.sh" >/dev/null
convbench=$SINOSHIFT_BUILD/win32/bin/convbench.exe
[ -f "$convbench" ] || die "convbench.exe was not built"
command -v iconv >/dev/null || die "iconv is missing"
command -v opencc >/dev/null || die "opencc is missing"

work=$(mktemp -d /tmp/convbench.XXXXXX)
trap 'rm -rf "$work"' EXIT

# The same text as GB bytes and as UTF-8.
/usr/bin/python3 - "$SINOSHIFT_ROOT/tests/data/corpus_zh_CN.txt" "$work" "$target_bytes" <<'EOF'
import sys
corpus, work, target = sys.argv[1], sys.argv[2], int(sys.argv[3])
lines = [line.rstrip("\n") for line in open(corpus, encoding="utf-8") if line.strip()]
text, size, i = [], 0, 0
while size < target:
    line = lines[i % len(lines)] + "\r\n"
    text.append(line)
    size += len(line.encode("gbk"))
    i += 1
text = "".join(text)
open(f"{work}/text.gb", "wb").write(text.encode("gbk"))
open(f"{work}/text.utf8", "wb").write(text.encode("utf-8"))
EOF
gb_bytes=$(stat -c %s "$work/text.gb")

# Best wall time of $repeat runs of a command, in seconds.
best_of() {
    local best="" i start stop t
    for ((i = 0; i < repeat; i++)); do
        start=$(date +%s%N)
        "$@" >/dev/null 2>&1 || true # iconv -c reports the characters it dropped
        stop=$(date +%s%N)
        t=$(((stop - start) / 1000))
        if [ -z "$best" ] || [ "$t" -lt "$best" ]; then best=$t; fi
    done
    awk -v us="$best" 'BEGIN { printf "%.6f", us / 1e6 }'
}

rate() { awk -v b="$gb_bytes" -v s="$1" 'BEGIN { printf "%.1f", b / 1e6 / s }'; }

iconv_rate=$(rate "$(best_of iconv -c -f GBK -t BIG5 -o "$work/iconv.out" "$work/text.gb")")
opencc_rate=$(rate "$(best_of opencc -c s2t.json -i "$work/text.utf8" -o "$work/opencc.out")")

# convbench prints "... 123.4 MB/s (...); code page calls alone: ... 456.7 MB/s" over its own input;
# both are scaled to the GB text's size.
declare -A rates calls
run_mode() {
    local mode=$1 in=$2 out=$3 line in_bytes
    line=$(wine "$convbench" --mode "$mode" --in "$in" --out "$out" --repeat "$repeat" 2>/dev/null | tr -d '\r')
    [ -n "$line" ] || die "convbench mode $mode printed nothing"
    in_bytes=$(stat -c %s "$in")
    rates[$mode]=$(printf '%s\n' "$line" | sed -n 's/.* \([0-9.]*\) MB\/s (.*/\1/p' |
        awk -v i="$in_bytes" -v g="$gb_bytes" '{ printf "%.1f", $1 * g / i }')
    calls[$mode]=$(printf '%s\n' "$line" | sed -n 's/.*alone: .* \([0-9.]*\) MB\/s$/\1/p' |
        awk -v i="$in_bytes" -v g="$gb_bytes" '{ printf "%.1f", $1 * g / i }')
    mapping=$(printf '%s\n' "$line" | sed -n 's/.*(\(.*\) mapping).*/\1/p')
}

run_mode 0 "$work/text.gb" "$work/mode0.out"
run_mode 3 "$work/text.gb" "$work/mode3.out"
run_mode 1 "$work/mode0.out" "$work/mode1.out"
run_mode 2 "$work/mode3.out" "$work/mode2.out"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
names=("0 SimplifiedToTraditional" "1 TraditionalToSimplified" "2 Big5ToSimplified" "3 SimplifiedToBig5")
printf '%.2f MB of GB text (real catalog lines), best of %s runs; %s mapping\n' \
    "$(awk -v b="$gb_bytes" 'BEGIN { printf "%.2f", b / 1e6 }')" "$repeat" "$mapping"
row='%-34s %9s %9s %10s %18s\n'
printf "$row" "conversion" "MB/s" "/ iconv" "/ opencc" "code page calls"
for mode in 0 1 2 3; do
    printf "$row" "mode ${names[$mode]}" "${rates[$mode]}" "$(ratio "${rates[$mode]}" "$iconv_rate")" \
        "$(ratio "${rates[$mode]}" "$opencc_rate")" "${calls[$mode]}"
done
printf "$row" "iconv -f GBK -t BIG5" "$iconv_rate" "1.00" "$(ratio "$iconv_rate" "$opencc_rate")" ""
printf "$row" "opencc -c s2t.json" "$opencc_rate" "$(ratio "$opencc_rate" "$iconv_rate")" "1.00" ""
echo "code page calls: the mode's MultiByteToWideChar/WideCharToMultiByte calls alone, in MB/s."
