#!/usr/bin/python3
"""Makes the real-text corpus of the conversion tests from Debian's Chinese message catalogs.

Reads the translations of /usr/share/locale/zh_CN/LC_MESSAGES/*.mo (Simplified) and zh_TW (Traditional),
splits them into lines and keeps lines that
  - hold at least MIN_HAN Chinese characters and at most MAX_CHARS characters in all,
  - have no control characters,
  - code page 936 can encode (zh_TW lines: code page 950 as well, so they can be fed as BIG5),
then drops duplicates and takes LINES lines spread evenly over the catalogs in name order.
The output is UTF-8, one line per line: tests/data/corpus_zh_CN.txt and tests/data/corpus_zh_TW.txt.
Deterministic: the same catalogs give the same files.

Usage: make_corpus.py [--out-dir DIR]   (DIR defaults to the repository root)
"""

import argparse
import gettext
import glob
import os

LOCALE_DIR = "/usr/share/locale"
LINES = 300
MIN_HAN = 4
MAX_CHARS = 100


def is_han(ch):
    return "\u4e00" <= ch <= "\u9fff" or "\u3400" <= ch <= "\u4dbf"


def encodes(text, codec):
    try:
        text.encode(codec)
    except UnicodeEncodeError:
        return False
    return True


def catalog_lines(locale, codecs):
    seen = set()
    lines = []
    for path in sorted(glob.glob(os.path.join(LOCALE_DIR, locale, "LC_MESSAGES", "*.mo"))):
        try:
            with open(path, "rb") as f:
                catalog = gettext.GNUTranslations(f)._catalog
        except (OSError, UnicodeDecodeError):
            continue
        for key in sorted(catalog, key=str):
            if key == "":
                continue  # the catalog header
            for line in catalog[key].splitlines():
                line = line.strip()
                if (line in seen or len(line) > MAX_CHARS or sum(map(is_han, line)) < MIN_HAN
                        or any(ord(ch) < 0x20 or 0x7F <= ord(ch) < 0xA0 for ch in line)
                        or not all(encodes(line, codec) for codec in codecs)):
                    continue
                seen.add(line)
                lines.append(line)
    return lines


def spread(lines, count):
    if len(lines) <= count:
        return lines
    return [lines[i * len(lines) // count] for i in range(count)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--out-dir", default=root)
    args = parser.parse_args()

    for locale, codecs in (("zh_CN", ("gbk",)), ("zh_TW", ("gbk", "cp950"))):
        lines = spread(catalog_lines(locale, codecs), LINES)
        target = os.path.join(args.out_dir, "tests", "data", f"corpus_{locale}.txt")
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(lines) + "\n")
        print(f"{target}: {len(lines)} lines")


if __name__ == "__main__":
    main()
