#!/usr/bin/env python3
"""Prints the read-me of the Windows package, README.txt: UTF-8 with a byte order mark and CR LF line ends,
so every Notepad shows it right whatever the system's code page.

    readme_txt.py > README.txt

The version comes from VERSION and the command line's usage from cli/CliOptions.cpp, where the program
takes its --help text from, so neither is written twice.
"""
import ast
import os
import re
import sys

ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")

TEXT = """\
Sinoshift {version}
{rule}

Sinoshift converts Chinese text between Simplified and Traditional characters, and
between the legacy byte encodings GB (code page 936) and BIG5 (code page 950).
It runs on 32-bit and 64-bit Windows 7 and later, and on Linux under Wine. It
needs no installation: unpack the folder anywhere and start a program from it.

The package
-----------
  Sinoshift.exe      the window: paste text into the left pane, pick one of the four
                     modes, press 转换 >> and copy the result from the right pane
  sinoshift-cli.exe  the same conversions for files and pipes, from a command prompt
  README.txt         this file
  LICENSE            Sinoshift's licence (MIT)
  THIRD_PARTY.md     the data and libraries of others inside the programs, with their
                     licences
  SHA256SUMS         the SHA-256 hash of each file above; check one with
                     certutil -hashfile Sinoshift.exe SHA256

The four modes
--------------
  0  s2t  Simplified to Traditional characters, GB text in and out
  1  t2s  Traditional to Simplified characters, GB text in and out
  2  b2s  BIG5 text to Simplified GB text
  3  s2b  Simplified GB text to BIG5 text

The window's panes hold text in the system's ANSI code page: on a Chinese
(Simplified) system, code page 936, GB text shows as it is and BIG5 text as its raw
bytes.

The command line
----------------
{usage}
Examples:
  sinoshift-cli.exe s2b notes.gb -o notes.big5
  sinoshift-cli.exe b2s notes.big5 -o notes.gb
  type notes.gb | sinoshift-cli.exe s2t > notes-traditional.gb

Licences
--------
Sinoshift's own code and artwork are under the MIT licence (LICENSE). The programs
also carry conversion data of OpenCC (Apache License 2.0), jieba's word list (MIT)
and Unicode's Unihan database (Unicode licence), and link the runtime libraries of
GCC (GPL 3 with the GCC Runtime Library Exception) and mingw-w64 (Zope Public
License 2.1; winpthreads MIT). THIRD_PARTY.md names each with its licence text.
"""


def usage_text():
    """The string literals CliUsageText returns, joined as the compiler joins them."""
    source = open(os.path.join(ROOT, "cli", "CliOptions.cpp"), encoding="utf-8").read()
    found = re.search(r"CliUsageText\(\)\s*\{\s*return(.*?);\s*\}", source, re.S)
    if not found:
        sys.exit("readme_txt.py: CliUsageText() in cli/CliOptions.cpp no longer returns string literals")
    body = found.group(1)
    return "".join(ast.literal_eval(lit) for lit in re.findall(r'"(?:[^"\\]|\\.)*"', body))


def main():
    version = open(os.path.join(ROOT, "VERSION"), encoding="ascii").read().strip()
    title = "Sinoshift " + version
    text = TEXT.format(version=version, rule="=" * len(title), usage=usage_text())
    sys.stdout.buffer.write(text.replace("\n", "\r\n").encode("utf-8-sig"))


if __name__ == "__main__":
    main()
