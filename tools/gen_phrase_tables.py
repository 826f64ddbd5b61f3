#!/usr/bin/python3
"""Generates the phrase converter's tables (a C++ source) from the data in third_party/.

For each conversion it writes what the converter needs to give OpenCC 1.4.2's result for that
configuration, with a better segmentation in place of OpenCC's longest match:
  - a character map: what the configuration makes of each character on its own (the normalisation of
    compatibility ideographs included);
  - its phrases: every key of the segmentation dictionary and of the chain's phrase dictionaries, each
    with what the whole chain makes of it as one segment. Phrase dictionaries of later steps are keyed
    on earlier output; they are entered under the source text that leads to them (a Taiwan phrase 軟件
    under 软件, through t2s as OpenCC's own STPhrases_GeneratedFromRegionalPhrases does for 3 or more
    characters), so that a phrase such as 软件 -> 軟體 is found in the source text.
  - only the phrases that matter: those whose result differs from their characters' map. Only text
    near one of them needs segmenting.
The window's modes use the program's character table (tools/gen_chinese_table.py) as their character map
and keep only the phrases of s2tw (modes 0, 3) or tw2s (modes 1, 2) that keep the text in code page 936
character for character: as long as their source, every character encodable, a character changed to
Traditional also in code page 950, and the table to Simplified giving the source back.

The segmentation's words are jieba's (word, frequency), folded to Simplified characters so that one list
serves Simplified and Traditional text.

Usage: gen_phrase_tables.py OUTPUT.cpp | --list-inputs
"""

import math
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import gen_chinese_table  # noqa: E402
import opencc_data  # noqa: E402

JIEBA = "third_party/jieba-0.42.1/dict.txt"
# In TConversionId's order.
CONVERSIONS = ["S2T", "T2S", "B2S", "S2B", "s2tw", "tw2s", "s2twp", "tw2sp", "s2hk", "hk2s"]
WINDOW_BASE = {"S2T": "s2tw", "S2B": "s2tw", "T2S": "tw2s", "B2S": "tw2s"}
# Longer keys (whole sayings, names) are rare in text and would only widen the segmentation's window.
MAX_KEY = 16
# jieba's rarest words (frequency below this) change hardly any segmentation and would double the table.
MIN_WORD_FREQUENCY = 10
COST_SCALE = 64  # costs are -ln(p) in 1/64 units
ROOT_FIRST, ROOT_END = 0x3400, 0xA000  # conversion/PhraseTables.h: RootFirst, RootEnd
PAIR_BITS = 18  # conversion/PhraseTables.h: PairBitsShift


def gbk(ch):
    try:
        return ch.encode("gbk") is not None
    except UnicodeEncodeError:
        return False


def big5(ch):
    try:
        return ch.encode("cp950") is not None
    except UnicodeEncodeError:
        return False


class Regional:
    """One of OpenCC's configurations as a character map and phrases."""

    def __init__(self, library, name, t2s):
        self.oc, self.t2s = opencc_data.OpenConverter(library, name), t2s
        steps = self.oc.dicts()
        chars = set(k for step in steps for d in step for k in d.entries if len(k) == 1)
        chars |= set(k for d in self.oc.normalization for k in d.entries)
        self.chars = {}
        for ch in chars:
            out = self.oc.convert(ch)
            if out != ch:
                self.chars[ch] = out
        keys = set()
        for d in ([self.oc.segmentation] if self.oc.segmentation else []) + steps[0]:
            keys |= self._phrase_keys(d)
        for step in steps[1:]:
            for d in step:
                for key in self._phrase_keys(d):
                    keys |= self._sources(library, name, key)
        # A character that becomes several (埠 -> 端口) is a phrase of one character.
        self.phrases = {ch: out for ch, out in self.chars.items() if len(out) != 1}
        self.chars = {ch: out if len(out) == 1 else "" for ch, out in self.chars.items()}
        for key in keys:
            key = self.oc.normalize(key)
            if 2 <= len(key) <= MAX_KEY:
                self.phrases[key] = self.oc.convert_segment(key)

    @staticmethod
    def _phrase_keys(d):
        leaves = d.dicts if isinstance(d, opencc_data.Group) else [d]
        return {k for leaf in leaves for k in leaf.entries if len(k) >= 2}

    def _sources(self, library, name, key):
        """The source texts that reach a later step's key."""
        if name.startswith("s2"):
            return {self.t2s.convert(key)}
        variants = library.get("HKVariants" if name.startswith("hk") else "TWVariants")
        return {key, opencc_data.convert_with(variants, key)}


def window(regional, table, to_traditional, back):
    """A window mode: the program's table, and the phrases that keep the text in code page 936."""
    phrases = {}
    for key, value in regional.phrases.items():
        if len(value) != len(key) or not all(gbk(c) for c in key + value):
            continue
        if to_traditional and not all(big5(v) for k, v in zip(key, value) if k != v):
            continue
        if to_traditional and "".join(back.get(v, v) for v in value) != key:
            continue
        phrases[key] = value
    return table, phrases


def words(fold):
    """jieba's words folded to Simplified: {word: cost}, and the cost of a character it lacks."""
    frequencies, total = {}, 0
    with open(opencc_data._path(JIEBA), encoding="utf-8") as f:
        for line in f:
            word, frequency = line.split(" ")[:2]
            frequency = int(frequency)
            total += frequency
            if frequency < MIN_WORD_FREQUENCY or len(word) > MAX_KEY or max(map(ord, word)) > 0xFFFF:
                continue
            word = "".join(fold.get(c, c) for c in word)
            frequencies[word] = frequencies.get(word, 0) + frequency
    log_total = math.log(total)
    return {w: round((log_total - math.log(f)) * COST_SCALE) for w, f in frequencies.items()}, round(
        log_total * COST_SCALE)


class Trie:
    """Keys as a trie in breadth-first order: a node's children are consecutive and sorted."""

    def __init__(self, keys):
        root = {}
        for key in keys:
            node = root
            for ch in key:
                node = node.setdefault(ch, {})
            node[None] = key
        self.char, self.first, self.key = [0], [], [None]
        queue, index = [root], 0
        while index < len(queue):
            node = queue[index]
            index += 1
            self.first.append(len(self.char))
            for ch in sorted((c for c in node if c is not None), key=ord):
                self.char.append(ord(ch))
                self.key.append(node[ch].get(None))
                queue.append(node[ch])
        self.first.append(len(self.char))


def char_tables(chars):
    """A character map as BMP pages and sorted exceptions. A page index of 0xFFFF is a page that maps
    every character to itself; a cell of 0 sends the look-up to the exceptions (non-BMP results). A
    character mapped to "" is one that is a phrase: its exception's result is 0."""
    pages, page_index, exceptions, shared = [], [], [], {}
    for page in range(256):
        cells = []
        for cp in range(page << 8, (page + 1) << 8):
            out = ord(chars.get(chr(cp), chr(cp)) or "\0") if not 0xD800 <= cp < 0xE000 else cp
            if out > 0xFFFF or (out == 0 and cp != 0):
                exceptions.append((cp, out))
                out = 0
            cells.append(out)
        if cells == list(range(page << 8, (page + 1) << 8)):
            page_index.append(0xFFFF)
            continue
        page_index.append(shared.setdefault(tuple(cells), len(pages)))
        if page_index[-1] == len(pages):
            pages.append(cells)
    exceptions += [(ord(ch), ord(out or "\0")) for ch, out in chars.items() if ord(ch) > 0xFFFF]
    return page_index, pages, sorted(exceptions)


def root_index(trie):
    """The root's child for each code point of the common ideographs (0: none), so the first step of a
    look-up is one load."""
    index = [0] * (ROOT_END - ROOT_FIRST)
    for node in range(trie.first[0], trie.first[1]):
        if ROOT_FIRST <= trie.char[node] < ROOT_END:
            index[trie.char[node] - ROOT_FIRST] = node
    return index


def array(name, ctype, values, out):
    out.append(f"const {ctype} {name}[] = {{")
    line = []
    for v in values:
        line.append(str(v))
        if len(line) == 24:
            out.append(",".join(line) + ",")
            line = []
    if line:
        out.append(",".join(line) + ",")
    out.append("};")


def pair_hash(a, b):
    return ((a * 0x9E3779B1) ^ (b * 0x85EBCA77)) & 0xFFFFFFFF


def main():
    if sys.argv[1:] == ["--list-inputs"]:
        library = opencc_data.Library()
        build(library)
        print("\n".join(opencc_data.INPUTS))
        return
    if len(sys.argv) != 2:
        raise SystemExit(__doc__)
    library = opencc_data.Library()
    source = build(library)
    os.makedirs(os.path.dirname(os.path.abspath(sys.argv[1])), exist_ok=True)
    with open(sys.argv[1], "w", encoding="utf-8", newline="\n") as f:
        f.write(source)


def build(library):
    t2s = opencc_data.OpenConverter(library, "t2s")
    regional = {name: Regional(library, name, t2s) for name in CONVERSIONS if name.islower()}
    (to_traditional, _, _), (to_simplified, _, _) = gen_chinese_table.tables(library)
    maps = []
    for name in CONVERSIONS:
        if name in WINDOW_BASE:
            traditional = name in ("S2T", "S2B")
            maps.append(window(regional[WINDOW_BASE[name]], to_traditional if traditional else to_simplified,
                               traditional, to_simplified))
        else:
            maps.append((regional[name].chars, regional[name].phrases))

    fold = {}
    for name in ("hk2s", "tw2s"):
        fold.update({k: v for k, v in regional[name].chars.items() if ord(k) <= 0xFFFF and ord(v) <= 0xFFFF})
    word_costs, unknown_cost = words(fold)

    # One trie of every conversion's phrases that matter; a key's node lists (conversions, value).
    maps = [(chars, {k: v for k, v in phrases.items() if v != "".join(chars.get(c, c) for c in k)})
            for chars, phrases in maps]
    values, pool, pool_index = {}, [], {}
    for i, (chars, phrases) in enumerate(maps):
        for key, value in phrases.items():
            for group in values.setdefault(key, []):
                if group[1] == value:
                    group[0] |= 1 << i
                    break
            else:
                values[key].append([1 << i, value])
    keys = Trie(values)
    value_first, value_mask, value_offset = [], [], []
    for key in keys.key:
        value_first.append(len(value_mask))
        for mask, value in values.get(key, []) if key else []:
            if value not in pool_index:
                pool_index[value] = len(pool)
                pool.extend([len(value)] + [ord(c) for c in value])
            value_mask.append(mask)
            value_offset.append(pool_index[value])
    value_first.append(len(value_mask))

    word_trie = Trie(word_costs)
    norm = {k: v[0] for d in t2s.normalization for k, v in d.entries.items() if k != v[0]}
    costs = [word_costs[k] if k is not None else 0xFFFF for k in word_trie.key]

    out = ["// Generated by tools/gen_phrase_tables.py from third_party/; do not edit.",
           '#include "conversion/PhraseTables.h"', "", "namespace {", ""]
    array("KeyChar", "char32_t", keys.char, out)
    array("KeyFirst", "std::uint32_t", keys.first, out)
    array("KeyValueFirst", "std::uint32_t", value_first, out)
    array("KeyValueMask", "std::uint16_t", value_mask, out)
    array("KeyValueOffset", "std::uint32_t", value_offset, out)
    array("ValuePool", "char32_t", pool or [0], out)
    array("WordChar", "char16_t", word_trie.char, out)
    array("WordFirst", "std::uint32_t", word_trie.first, out)
    array("WordCost", "std::uint16_t", costs, out)
    array("KeyRoot", "std::uint32_t", root_index(keys), out)
    array("WordRoot", "std::uint32_t", root_index(word_trie), out)
    # The longest word or phrase that may start with each BMP code point (words by their folded form).
    word_start, longest = {}, [1] * 0x10000
    for w in word_costs:
        word_start[w[0]] = max(word_start.get(w[0], 1), len(w))
    for k in values:
        if ord(k[0]) <= 0xFFFF:
            longest[ord(k[0])] = max(longest[ord(k[0])], len(k))
    for cp in range(0x10000):
        ch = chr(cp)
        longest[cp] = max(longest[cp], word_start.get(fold.get(ch, ch), 1))
    for ch, unified in norm.items():
        if ord(ch) <= 0xFFFF:
            longest[ord(ch)] = max(longest[ord(ch)], longest[ord(unified)] if ord(unified) <= 0xFFFF else MAX_KEY)
    array("StartLength", "std::uint8_t", longest, out)
    fold_index, fold_pages, _ = char_tables({k: v for k, v in fold.items()})
    array("FoldIndex", "std::uint16_t", fold_index, out)
    array("FoldPages", "std::uint16_t", [c for p in fold_pages for c in p] or [0], out)
    max_key = max(len(k) for k in values)
    array("Normal", "char32_t", [x for k in sorted(norm, key=ord) for x in (ord(k), ord(norm[k]))], out)
    for i, (chars, phrases) in enumerate(maps):
        index, pages, exceptions = char_tables(chars)
        array(f"CharIndex{i}", "std::uint16_t", index, out)
        array(f"CharPages{i}", "std::uint16_t", [c for p in pages for c in p] or [0], out)
        array(f"CharExceptions{i}", "char32_t", [x for e in exceptions for x in e] or [0], out)
        starts, pairs = [0] * 2048, [0] * (1 << (PAIR_BITS - 5))
        for ch in list(norm) if i >= len(WINDOW_BASE) else []:
            if ord(ch) <= 0xFFFF:
                starts[ord(ch) >> 5] |= 1 << (ord(ch) & 31)
        for key, value in phrases.items():
            if len(key) == 1:
                a = ord(key)
                if a <= 0xFFFF:
                    starts[a >> 5] |= 1 << (a & 31)
                continue  # the character map sends it to the phrases with its 0
            a, b = ord(key[0]), ord(key[1])
            if a <= 0xFFFF:
                starts[a >> 5] |= 1 << (a & 31)
            h = pair_hash(a, b) >> (32 - PAIR_BITS)
            pairs[h >> 5] |= 1 << (h & 31)
        array(f"StartBits{i}", "std::uint32_t", starts, out)
        array(f"PairBits{i}", "std::uint32_t", pairs, out)
    out += ["", "} // namespace", ""]
    out.append("const TPhraseData PhraseData = {")
    out.append("    {KeyChar, KeyFirst, KeyRoot, KeyValueFirst, KeyValueMask, KeyValueOffset, ValuePool},")
    out.append("    {WordChar, WordFirst, WordRoot, WordCost},")
    out.append("    StartLength,")
    out.append("    {FoldIndex, FoldPages},")
    out.append(f"    Normal, {len(norm)},")
    out.append("    {")
    for i, (chars, _) in enumerate(maps):
        count = len(char_tables(chars)[2])
        out.append(f"        {{{{CharIndex{i}, CharPages{i}, CharExceptions{i}, {count}}}, StartBits{i}, PairBits{i}}},")
    out.append("    },")
    out.append(f"    {max_key}, {max(len(w) for w in word_costs)}, {unknown_cost},")
    out.append("};")
    return "\n".join(out) + "\n"


if __name__ == "__main__":
    main()
