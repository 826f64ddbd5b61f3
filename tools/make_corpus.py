#!/usr/bin/python3
"""Makes the real-text corpus of the conversion tests from Debian's Chinese message catalogs.

Reads the translations of /usr/share/locale/zh_CN/LC_MESSAGES/*.mo (Simplified) and zh_TW (Traditional),
splits them into lines and keeps lines that
  - hold at least MIN_HAN Chinese characters and at most MAX_CHARS characters in all,
  - have no control characters,
  - code page 936 can encode (zh_TW lines: code page 950 as well, so they can be fed as BIG5),
then drops duplicates and takes lines spread evenly over the catalogs in name order:
  - LINES lines: tests/data/corpus_zh_CN.txt and corpus_zh_TW.txt (UTF-8, one line per line), the
    text the conversion suites run through all four modes;
  - as many lines as hold LARGE_HAN Chinese characters: tests/data/corpus_large_zh_CN.txt.gz and
    corpus_large_zh_TW.txt.gz (the same, gzip-compressed to stay small), the text on which the
    table's coverage is measured.
Deterministic: the same catalogs give the same files. Which catalogs there are depends on the packages
installed, so the files are committed rather than made at test time.

Usage: make_corpus.py [--out-dir DIR]   (DIR defaults to the repository root)
"""

import argparse
import gettext
import glob
import gzip
import os

LOCALE_DIR = "/usr/share/locale"
LINES = 300
LARGE_HAN = 100_000
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


def spread_han(lines, han):
    """The fewest evenly spread lines (in steps of 1%) that hold at least han Chinese characters."""
    total = sum(sum(map(is_han, line)) for line in lines)
    for percent in range(max(1, han * 100 // max(total, 1)), 101):
        chosen = spread(lines, len(lines) * percent // 100)
        if sum(sum(map(is_han, line)) for line in chosen) >= han:
            return chosen
    return lines


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--out-dir", default=root)
    args = parser.parse_args()

    data = os.path.join(args.out_dir, "tests", "data")
    os.makedirs(data, exist_ok=True)
    for locale, codecs in (("zh_CN", ("gbk",)), ("zh_TW", ("gbk", "cp950"))):
        lines = catalog_lines(locale, codecs)
        small = spread(lines, LINES)
        target = os.path.join(data, f"corpus_{locale}.txt")
        with open(target, "w", encoding="utf-8", newline="\n") as f:
            f.write("\n".join(small) + "\n")
        print(f"{target}: {len(small)} lines")

        large = spread_han(lines, LARGE_HAN)
        target = os.path.join(data, f"corpus_large_{locale}.txt.gz")
        with open(target, "wb") as f:
            # No name and no time stamp in the header, so the bytes depend on the text alone.
            with gzip.GzipFile(fileobj=f, mode="wb", compresslevel=9, mtime=0, filename="") as z:
                z.write(("\n".join(large) + "\n").encode("utf-8"))
        han = sum(sum(map(is_han, line)) for line in large)
        print(f"{target}: {len(large)} lines, {han} Chinese characters")


if __name__ == "__main__":
    main()
