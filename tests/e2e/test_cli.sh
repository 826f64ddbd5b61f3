#!/usr/bin/env bash
# The command line through its Linux wrapper, as a user runs it: conversions and encodings through pipes and
# files, failures with their exit codes and old outputs left whole, permissions and names outside code page 936,
# folders, trees and in place, the clipboard (still there after Wine has gone), progress on a terminal only.
# Usage: bash test_cli.sh path/to/Sinoshift.exe
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
# One Wine server for the whole script (the test command may have started it already).
wineserver -p 2>/dev/null || true

enc() { printf '%b' "$2" | iconv -f UTF-8 -t "$1"; } # iconv-name text
same() { cmp -s "$1" "$2" || e2e_fail "$3: $(xxd "$1" | head -3) differs from $(xxd "$2" | head -3)"; }

# Conversions and encodings: conversion, options, input (UTF-8 text and its encoding), expected and its encoding.
while IFS='|' read -r conversion options text from expected to; do
    enc "$from" "$text" >in
    enc "$to" "$expected" >expected
    # shellcheck disable=SC2086
    "$cli" $conversion $options <in >out 2>err || e2e_fail "$conversion $options exited $?: $(cat err)"
    same out expected "$conversion $options on '$text'"
done <<'EOF'
s2t||汉字转换后的头发|GBK|漢字轉換後的頭髮|GBK
0||第二行\r\n|GBK|第二行\r\n|GBK
t2s||漢字轉換|GBK|汉字转换|GBK
b2s||漢字轉換|CP950|汉字转换|GBK
s2b||汉字转换|GBK|漢字轉換|CP950
s2tw||汉字😀𠀀|UTF-8|漢字😀𠀀|UTF-8
s2twp||软件和鼠标|UTF-8|軟體和滑鼠|UTF-8
s2t|--from utf-8 --to big5|汉字|UTF-8|漢字|CP950
s2tw|--to gb18030|汉字😀|UTF-8|漢字😀|GB18030
s2tw|--from=auto|汉字转换后的头发很长，这是一段简体中文的文字，用来检测编码是否正确。|GBK|漢字轉換後的頭髮很長，這是一段簡體中文的文字，用來檢測編碼是否正確。|UTF-8
EOF
# A byte-order mark is kept when the output is UTF-8 and dropped otherwise.
printf '\xEF\xBB\xBF\xE6\xB1\x89' | "$cli" s2tw | cmp -s - <(printf '\xEF\xBB\xBF\xE6\xBC\xA2') || e2e_fail "BOM kept"
printf '\xEF\xBB\xBF\xE6\xB1\x89' | "$cli" s2tw --to big5 | cmp -s - <(enc CP950 漢) || e2e_fail "BOM dropped"
# Line ends and NUL bytes pass unchanged in a single file; invalid bytes are counted with the first offset.
{ enc GBK '简体'; printf '\0\r\n\r'; enc GBK '转换'; } >zeros.gb
{ enc GBK '簡體'; printf '\0\r\n\r'; enc GBK '轉換'; } >zeros.expected
"$cli" s2t zeros.gb -o zeros.out && same zeros.out zeros.expected "NULs and line ends"
{ enc GBK '这是'; printf '\x81\x30a\x81'; } >lost.gb
"$cli" s2b lost.gb -o lost.out 2>err || e2e_fail "s2b without --strict exited $?"
grep -q '^sinoshift-cli: 2 byte sequences were not valid GB (the first at byte 4)' err || e2e_fail "count: $(cat err)"
e2e_log "conversions, encodings, byte-order marks, counts"

# Failures: exit code, one line naming the file or argument, and the old output left as it was.
mkdir folder
check_failure() { # name code named args...
    local name=$1 code=$2 named=$3 rc=0
    shift 3
    printf 'old' >kept
    "$cli" "$@" >/dev/null 2>err || rc=$?
    [ "$rc" = "$code" ] || e2e_fail "$name: exit $rc, not $code: $(cat err)"
    [ "$(wc -l <err)" = 1 ] || e2e_fail "$name: not one line: $(cat err)"
    grep -qF -- "$named" err || e2e_fail "$name: '$named' not named in: $(cat err)"
    [ "$(cat kept)" = old ] || e2e_fail "$name: the old output changed"
    [ -z "$(ls -A | grep '^kept\.')" ] || e2e_fail "$name: left $(ls -A | grep '^kept\.')"
}
printf 'x' >readonly && chmod 444 readonly
check_failure "missing input" 1 "'missing.gb': no such file" s2t missing.gb -o kept
check_failure "folder as input" 1 "'folder': is a folder" s2t folder -o kept
check_failure "output in a missing folder" 1 nowhere/out s2t zeros.gb -o nowhere/out
check_failure "read-only output" 1 "'readonly': the file is read-only" s2t zeros.gb -o readonly
check_failure "unknown conversion" 2 s2x s2x zeros.gb -o kept
check_failure "unknown option" 2 --fast s2t --fast zeros.gb -o kept
check_failure "unknown encoding" 2 latin1 s2t --from latin1 zeros.gb -o kept
check_failure "--strict with invalid input" 3 "not valid GB" s2b --strict lost.gb -o kept
[ "$(cat readonly)" = x ] && [ "$(stat -c %a readonly)" = 444 ] || e2e_fail "the read-only output changed"
# Ctrl+C half way: the temporary file goes with the process and the old output stays.
mkfifo slow
printf 'old' >kept
"$cli" s2t slow -o kept 2>/dev/null &
pid=$!
exec 3>slow
head -c 3000000 /dev/zero >&3
e2e_wait_for 20 bash -c 'ls kept.~* >/dev/null 2>&1' || e2e_fail "no temporary file while converting"
kill -INT "$pid"
wait "$pid" || true
exec 3>&-
[ "$(cat kept)" = old ] && [ -z "$(ls -A | grep '^kept\.')" ] || e2e_fail "Ctrl+C: left $(ls -A | grep '^kept')"
e2e_log "failures: exit codes, one line each, old outputs kept"

# Permissions: an output replaced (in place or by -o) keeps its mode, a new one takes its input's. The names are
# outside code page 936 and messages show them whole.
for mode in 600 640 644 664 755; do
    enc GBK '汉字' >"Ⅸ😀$mode.txt" && chmod "$mode" "Ⅸ😀$mode.txt"
    "$cli" s2t "Ⅸ😀$mode.txt" --in-place -q || e2e_fail "in place, mode $mode, exited $?"
    cp zeros.gb "over$mode" && chmod "$mode" "over$mode"
    "$cli" s2t "Ⅸ😀$mode.txt" -o "over$mode"
    "$cli" s2t "Ⅸ😀$mode.txt" -o "new$mode"
    for file in "Ⅸ😀$mode.txt" "over$mode" "new$mode"; do
        [ "$(stat -c %a "$file")" = "$mode" ] || e2e_fail "$file: mode $(stat -c %a "$file"), not $mode"
        cmp -s "$file" <(enc GBK '漢字') || e2e_fail "$file: not converted"
    done
done
"$cli" s2t "Ⅸ😀missing.txt" 2>err && e2e_fail "a missing input converted"
grep -qF "'Ⅸ😀missing.txt': no such file" err || e2e_fail "the name shown: $(cat err)"
e2e_log "modes 600 640 644 664 755 kept; names outside code page 936"

# Trees and lists: layout kept, binary files skipped, one failure named without stopping the others, a summary.
mkdir -p src/a/b src/c out/c/blocked.txt
enc GBK '汉字' >src/top.txt
enc GBK '头发' >src/a/b/deep.txt
enc GBK '转换' >src/c/blocked.txt
printf 'GIF89a\0\1' >src/a/picture.gif
"$cli" s2t -r src -o out -j 2 >/dev/null 2>err && e2e_fail "a tree with a blocked output exited 0"
cmp -s out/top.txt <(enc GBK '漢字') && cmp -s out/a/b/deep.txt <(enc GBK '頭髮') || e2e_fail "tree: $(ls -R out)"
[ ! -e out/a/picture.gif ] || e2e_fail "the binary file was converted"
grep -qF "skipped 'src/a/picture.gif': binary" err && grep -qF "'out/c/blocked.txt': is a folder" err &&
    grep -qF '2 converted, 1 skipped as binary, 1 failed; 0 characters without a form' err || e2e_fail "tree: $(cat err)"
"$cli" s2t src/top.txt src/a/b/deep.txt src/a/picture.gif -o list/ -q 2>err || e2e_fail "list exited $?: $(cat err)"
cmp -s list/deep.txt out/a/b/deep.txt && [ ! -e list/picture.gif ] || e2e_fail "list: $(ls list)"
cp -r src inplace && "$cli" s2t -r inplace --in-place -q && cmp -s inplace/a/b/deep.txt out/a/b/deep.txt &&
    cmp -s inplace/a/picture.gif src/a/picture.gif || e2e_fail "tree in place"
"$cli" s2t src/top.txt -o folder && cmp -s folder/top.txt out/top.txt || e2e_fail "-o an existing folder"
e2e_log "trees, lists, in place, binary skipped, failures named, summary"

# Every core: a file of many segments converts on two threads as on one.
for ((i = 0; i < 40000; i++)); do printf '%s\n' "第${i}行，汉字转换后的头发。"; done >big.txt
"$cli" s2tw big.txt -o big.j1 -j 1 && "$cli" s2tw big.txt -o big.j2 -j 2 && same big.j2 big.j1 "two threads"

# Progress: on a terminal (a pseudo-terminal) while a job runs, cleared at the end; never into a pipe.
mkfifo feed
python3 - "$cli" feed <<'PY' || e2e_fail "progress on a terminal"
import os, pty, select, sys
pid, fd = pty.fork()
if pid == 0:
    os.execv(sys.argv[1], [sys.argv[1], "s2tw", sys.argv[2], "-o", "progress.out"])
writer, seen = open(sys.argv[2], "wb"), b""
writer.write(b"\xe6\xb1\x89\n" * 1000)
writer.flush()
while b"MB/s" not in seen:  # the line comes once the job has run half a second
    seen += os.read(fd, 4096)
writer.close()
while True:
    try:
        chunk = os.read(fd, 4096)
    except OSError:
        break
    if not chunk:
        break
    seen += chunk
status = os.waitpid(pid, 0)[1]
last = seen.rsplit(b"\r", 2)
sys.exit(0 if status == 0 and last[-1] == b"" and last[-2].strip() == b"" else 1)
PY
"$cli" s2tw big.txt -o big.j3 2>err && [ ! -s err ] || e2e_fail "progress into a file: $(cat err)"
e2e_log "two threads as one; progress on a terminal only"

# The clipboard in place: there at once and still there 10 s after Wine's server has gone (the wait is the
# behaviour itself); without text, exit 1 and one line.
printf '%s' '汉字😀 and text' | xclip -selection clipboard -i
"$cli" s2t --clipboard || e2e_fail "--clipboard exited $?"
[ "$(xclip -o -selection clipboard)" = '漢字😀 and text' ] || e2e_fail "clipboard: $(xclip -o -selection clipboard)"
wineserver -k
sleep 10
[ "$(xclip -o -selection clipboard)" = '漢字😀 and text' ] || e2e_fail "clipboard 10 s later: $(xclip -o -selection clipboard)"
printf 'GIF89a' | xclip -selection clipboard -t image/gif -i
rc=0 && "$cli" s2t --clipboard 2>err || rc=$?
[ "$rc" = 1 ] && grep -q 'the clipboard holds no text' err || e2e_fail "no text: exit $rc, $(cat err)"
e2e_log "clipboard converted in place and kept; no text refused"
