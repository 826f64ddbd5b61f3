#!/usr/bin/env bash
# The command line through its Linux wrapper, as a user runs it: real text piped through standard input
# and output and through files, line ends and NUL bytes kept, a file larger than a piece, and each failure
# with its exit code, its one line and the old output left whole. Usage: bash test_cli.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "${1:-}"
export SINOSHIFT_CLI=$(dirname "$E2E_EXE")/sinoshift-cli.exe
cli=$E2E_LIB_DIR/../../tools/sinoshift-cli
work=$(mktemp -d /tmp/e2e-cli.XXXXXX)
cleanup_cli() {
    local rc=$?
    set +e
    cd / && rm -rf "$work"
    (exit "$rc")
    e2e_cleanup
}
trap cleanup_cli EXIT
cd "$work"

gb() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }
big5() { printf '%s' "$1" | iconv -f UTF-8 -t CP950; }
same() { cmp -s "$1" "$2" || e2e_fail "$3: $(xxd "$1" | head -3) differs from $(xxd "$2" | head -3)"; }

# Each mode piped, on a sentence whose characters have one counterpart each, with every kind of line end.
gb '这是简体中文的转换程序'$'\r\n''第二行'$'\n''第三行'$'\r''完' >simplified.gb
gb '這是簡體中文的轉換程序'$'\r\n''第二行'$'\n''第三行'$'\r''完' >traditional.gb
big5 '這是簡體中文的轉換程序'$'\r\n''第二行'$'\n''第三行'$'\r''完' >traditional.big5
for run in "s2t simplified.gb traditional.gb" "0 simplified.gb traditional.gb" "t2s traditional.gb simplified.gb" \
    "b2s traditional.big5 simplified.gb" "s2b simplified.gb traditional.big5" "3 simplified.gb traditional.big5"; do
    read -r mode in expected <<<"$run"
    "$cli" "$mode" <"$in" >piped.out 2>piped.err || e2e_fail "mode $mode piped exited $?"
    same piped.out "$expected" "mode $mode piped"
    [ ! -s piped.err ] || e2e_fail "mode $mode said: $(cat piped.err)"
    "$cli" "$mode" - -o file.out <"$in" || e2e_fail "mode $mode to a file exited $?"
    same file.out "$expected" "mode $mode to a file"
done
e2e_log "four modes piped and to files, LF, CR LF and CR kept"

# NUL bytes are copied and each run between them converts on its own.
{ gb '简体'; printf '\0\0'; gb '转换'; printf '\0'; } >zeros.gb
{ gb '簡體'; printf '\0\0'; gb '轉換'; printf '\0'; } >zeros.expected
"$cli" s2t zeros.gb >zeros.out
same zeros.out zeros.expected "NUL runs"

# Real text: the catalog corpus as GB. To BIG5 and back gives what GB to GB gives, when nothing was lost.
iconv -f UTF-8 -t GBK "$E2E_LIB_DIR/../data/corpus_zh_CN.txt" >corpus.gb
"$cli" s2t <corpus.gb | "$cli" t2s >via_gb.out
"$cli" s2b corpus.gb 2>s2b.err | "$cli" b2s >via_big5.out
[ ! -s s2b.err ] || e2e_fail "the corpus lost characters on the way to BIG5: $(cat s2b.err)"
same via_big5.out via_gb.out "corpus through BIG5 and back"
iconv -f CP950 -t UTF-8 <("$cli" s2b corpus.gb) >/dev/null || e2e_fail "s2b output is no valid BIG5"
e2e_log "real text through BIG5 and back"

# A file of several pieces (1 MiB each) with a double-byte character across every boundary: one ASCII byte,
# then double-byte characters only. Its output is the output of the characters converted alone.
gb '简体转换后发' >block.gb
repeated() { # file: 'a', then 2^18 copies of the file
    local i
    cp "$1" rep
    for ((i = 0; i < 18; i++)); do cat rep rep >rep2 && mv rep2 rep; done
    printf 'a' | cat - rep
}
repeated block.gb >big.gb
"$cli" s2b block.gb >block.out
repeated block.out >big.expected
"$cli" s2b big.gb -o big.out
same big.out big.expected "a file of several pieces"
e2e_log "$(stat -c %s big.gb) bytes in pieces"

# Failures: exit code, one line naming the file or argument, and the old output left as it was.
printf 'old' >kept
mkdir folder
# Two characters that are no GB: a lead byte before a byte that is no trail, and a lone lead byte at the end.
{ gb '这是'; printf '\x81\x30a\x81'; } >lost.gb
check_failure() { # name code named args...
    local name=$1 code=$2 named=$3 rc=0
    shift 3
    printf 'old' >kept
    "$cli" "$@" >/dev/null 2>err || rc=$?
    [ "$rc" = "$code" ] || e2e_fail "$name: exit $rc, not $code"
    [ "$(wc -l <err)" = 1 ] || e2e_fail "$name: not one line: $(cat err)"
    grep -qF -- "$named" err || e2e_fail "$name: '$named' not named in: $(cat err)"
    [ "$(cat kept)" = old ] || e2e_fail "$name: the old output changed"
    [ -z "$(ls -A | grep '^kept\.')" ] || e2e_fail "$name: left $(ls -A | grep '^kept\.')"
}
check_failure "missing input" 1 missing.gb s2t missing.gb -o kept
check_failure "folder as input" 1 folder s2t folder -o kept
check_failure "folder as output" 1 folder s2t simplified.gb -o folder
check_failure "output in a missing folder" 1 nowhere/out s2t simplified.gb -o nowhere/out
check_failure "unknown mode" 2 s2x s2x simplified.gb -o kept
check_failure "unknown option" 2 --fast s2t --fast simplified.gb -o kept
check_failure "--strict with lost characters" 3 "not valid GB" s2b --strict lost.gb -o kept
# The file system refuses the output half way: a file size limit of 1 MiB under a 3.6 MB output.
printf 'old' >kept
rc=0
(trap '' XFSZ; ulimit -f 1024; "$cli" s2t big.gb -o kept) 2>err || rc=$?
[ "$rc" = 1 ] && [ "$(cat kept)" = old ] && [ -z "$(ls -A | grep '^kept\.')" ] ||
    e2e_fail "a write failing half way: exit $rc, output $(head -c 20 kept | xxd | head -1), $(cat err)"
# Ctrl+C half way: the temporary file goes with the process and the old output stays.
mkfifo slow
printf 'old' >kept
"$cli" s2t slow -o kept 2>/dev/null &
pid=$!
exec 3>slow
cat big.gb >&3
e2e_wait_for 10 bash -c 'ls kept.~* >/dev/null 2>&1' || e2e_fail "no temporary file while converting"
kill -INT "$pid"
wait "$pid" || true
exec 3>&-
[ "$(cat kept)" = old ] && [ -z "$(ls -A | grep '^kept\.')" ] || e2e_fail "Ctrl+C: left $(ls -A | grep '^kept')"
e2e_log "failures: exit codes, one line each, old output kept"

# The output may be the input: it is read whole before the output replaces it.
cp simplified.gb both.gb
"$cli" s2t both.gb -o both.gb
same both.gb traditional.gb "output over its own input"

# Without --strict, lost characters are counted on standard error and the output is written.
"$cli" s2b lost.gb -o lost.out 2>err || e2e_fail "s2b without --strict exited $?"
grep -q '^sinoshift-cli: 2 characters were not valid GB' err || e2e_fail "count: $(cat err)"
"$cli" --help | grep -q '^usage: sinoshift-cli MODE' || e2e_fail "--help"
"$cli" --version | grep -q '^sinoshift-cli [0-9]' || e2e_fail "--version"
e2e_log "counts, help and version"
