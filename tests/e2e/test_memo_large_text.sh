#!/usr/bin/env bash
# A document of several megabytes, as a user would handle it: pasted into the source pane, converted,
# selected and copied out of the result pane, and copied out of the source pane again; every byte comes
# back, converted. (The edit's default limit kept 30,000 characters and dropped the rest without a word.)
# Usage: bash test_memo_large_text.sh path/to/Sinoshift.exe
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

e2e_begin "${1:-}"
e2e_start

# About 3 MB of GB text in short lines; its Traditional form written out by hand.
source_text=$E2E_SHOTS/$E2E_NAME-source.txt
expected=$E2E_SHOTS/$E2E_NAME-expected.txt
e2e_memo_repeat_lines "汉字 发展 电脑 学习语言 Sinoshift 1.6" 3000000 >"$source_text"
e2e_memo_repeat_lines "漢字 發展 電腦 學習語言 Sinoshift 1.6" 3000000 >"$expected"
bytes=$(iconv -f UTF-8 -t GBK <"$source_text" | wc -c)
e2e_log "pasting $bytes bytes of GB text ($(wc -l <"$source_text") lines)"

e2e_memo_clipboard_put_file "$source_text"
e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+v
e2e_click $E2E_AT_CONVERT
e2e_click $E2E_AT_MEMO_D
e2e_keys ctrl+a ctrl+c
e2e_memo_expect_clipboard_file "$expected" 300 "the result pane, copied out after converting"
e2e_screenshot converted

e2e_click $E2E_AT_MEMO_O
e2e_keys ctrl+a ctrl+c
e2e_memo_expect_clipboard_file "$source_text" 120 "the source pane, copied out after pasting"
