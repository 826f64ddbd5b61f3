#!/usr/bin/python3
"""Writes the code tables of the byte encodings (code pages 936 and 950, GB18030) as C++ source.

Built from Python's own codecs (gbk, cp950, gb18030), with what Windows defines beyond them:
  - code page 936: 0x80 is U+20AC, 0xFF is U+F8F5, and the user-defined areas map to the private use area
    (AAA1-AFFE from U+E000, F8A1-FEFE from U+E234, A140-A7A0 from U+E4C6, and the unassigned codes of rows
    A1-A9, D7 and FE from U+E766, each in code order);
  - code page 950: 0x80 is U+0080, 0xFF is U+F8F8, rows 81-A0, C6A1-C8FE and FA-FE map to the private use
    area (the system keeps C6A1-C7FC there too, where Python's cp950 has kana and symbols), and the six
    characters with two codes encode as the system encodes them (four box drawings, 十 and 卅).
The result equals the tables of Wine's NLS files (--compare-wine checks that, and the Wine test of the
conversion suite compares with the system's converters). Encoding is exact: the system's best-fit
replacements (à as a, for one) are left out, so a character without a code of its own stays countable.

The output is checked against a pinned SHA-256, so a Python whose codecs changed stops the build instead of
changing the tables silently.

Usage: gen_codec_tables.py OUT.cpp            write the tables
       gen_codec_tables.py --compare-wine     compare with /usr/share/wine/nls/c_936.nls and c_950.nls
"""

import hashlib
import struct
import sys

PINNED_SHA256 = "6d1b135c7b066c7a5f9203f9df5a82fd11e32197888f126c5e190331a5a56b7e"

TRAILS_950 = list(range(0x40, 0x7F)) + list(range(0xA1, 0xFF))


def rows(leads, trails):
    return [(lead << 8) | trail for lead in leads for trail in trails]


def codec_pairs(codec):
    """Every double-byte code the codec decodes to one character: {code: code point}."""
    table = {}
    for lead in range(0x81, 0xFF):
        for trail in range(0x40, 0xFF):
            try:
                text = bytes([lead, trail]).decode(codec)
            except UnicodeDecodeError:
                continue
            if len(text) == 1:
                table[(lead << 8) | trail] = ord(text)
    return table


def fill_private(table, codes, start):
    """Gives the codes the table lacks consecutive private-use code points from start, in code order."""
    for code in codes:
        if code not in table:
            table[code] = start
            start += 1


def cp936():
    single = {b: b for b in range(0x80)}
    single[0x80] = 0x20AC
    single[0xFF] = 0xF8F5
    double = codec_pairs("gbk")
    fill_private(double, rows(range(0xAA, 0xB0), range(0xA1, 0xFF)), 0xE000)
    fill_private(double, rows(range(0xF8, 0xFF), range(0xA1, 0xFF)), 0xE234)
    low = [t for t in range(0x40, 0xA1) if t != 0x7F]
    fill_private(double, rows(range(0xA1, 0xA8), low), 0xE4C6)
    every = [t for t in range(0x40, 0xFF) if t != 0x7F]
    fill_private(double, rows(list(range(0xA1, 0xAA)) + [0xD7, 0xFE], every), 0xE766)
    return single, double, {}


def cp950():
    single = {b: b for b in range(0x81)}
    single[0xFF] = 0xF8F8
    double = codec_pairs("cp950")
    for code in rows([0xC6], range(0xA1, 0xFF)) + rows([0xC7, 0xC8], TRAILS_950):
        double.pop(code, None)
    fill_private(double, rows(range(0xFA, 0xFF), TRAILS_950), 0xE000)
    fill_private(double, rows(range(0x8E, 0xA1), TRAILS_950), 0xE311)
    fill_private(double, rows(range(0x81, 0x8E), TRAILS_950), 0xEEB8)
    fill_private(double, rows([0xC6], range(0xA1, 0xFF)) + rows([0xC7, 0xC8], TRAILS_950), 0xF6B1)
    prefer = {0x2550: 0xF9F9, 0x255E: 0xF9E9, 0x256A: 0xF9EA, 0x2561: 0xF9EB, 0x5341: 0xA451, 0x5345: 0xA4CA}
    return single, double, prefer


def gb18030():
    single = {b: b for b in range(0x80)}
    double = codec_pairs("gb18030")
    # Four-byte forms of the BMP: runs where code point and linear index rise together.
    runs = []
    for cp in range(0x80, 0x10000):
        if 0xD800 <= cp < 0xE000:
            continue
        encoded = chr(cp).encode("gb18030")
        if len(encoded) != 4:
            continue
        b = encoded
        linear = (((b[0] - 0x81) * 10 + (b[1] - 0x30)) * 126 + (b[2] - 0x81)) * 10 + (b[3] - 0x30)
        if runs and runs[-1][0] + runs[-1][2] == cp and runs[-1][1] + runs[-1][2] == linear:
            runs[-1][2] += 1
        else:
            runs.append([cp, linear, 1])
    return single, double, runs


def encoder(single, double, prefer):
    enc = {}
    for code in sorted(double):
        enc.setdefault(double[code], code)
    for byte, cp in single.items():
        enc[cp] = byte  # a single byte wins over a double-byte code of the same character
    enc.update(prefer)
    return enc


def decode_array(single, double):
    """256 single-byte cells (0xFFFF: lead byte, 0xFFFE: no character), then 128 x 256 cells by lead - 0x80
    and trail (0: no character)."""
    cells = [single.get(b, 0xFFFF if 0x81 <= b <= 0xFE else 0xFFFE) for b in range(256)]
    cells += [double.get(((lead << 8) | trail), 0) for lead in range(0x80, 0x100) for trail in range(256)]
    return cells


def encode_array(enc):
    return [enc.get(cp, 0) if cp else 0 for cp in range(0x10000)]


def emit_array(out, name, cells):
    out.append(f"extern const std::uint16_t {name}[{len(cells)}] = {{")
    for i in range(0, len(cells), 24):
        out.append(",".join(str(c) for c in cells[i : i + 24]) + ",")
    out.append("};")


def generate():
    out = [
        "// Generated by tools/gen_codec_tables.py from Python's codecs; do not edit.",
        '#include "conversion/CodecTables.h"',
        "",
    ]
    for name, make in (("Cp936", cp936), ("Cp950", cp950)):
        single, double, prefer = make()
        emit_array(out, f"{name}Decode", decode_array(single, double))
        emit_array(out, f"{name}Encode", encode_array(encoder(single, double, prefer)))
    single, double, runs = gb18030()
    emit_array(out, "Gb18030Decode", decode_array(single, double))
    emit_array(out, "Gb18030Encode", encode_array(encoder(single, double, {})))
    out.append(f"extern const TGb18030Run Gb18030Runs[{len(runs)}] = {{")
    out += [f"{{{cp},{linear},{count}}}," for cp, linear, count in runs]
    out.append("};")
    out.append(f"extern const std::size_t Gb18030RunCount = {len(runs)};")
    return "\n".join(out) + "\n"


def load_wine(codepage):
    data = open(f"/usr/share/wine/nls/c_{codepage}.nls", "rb").read()
    w = struct.unpack(f"<{len(data) // 2}H", data)
    p = w[0]
    wide = w[p + w[p] + 1 : p + w[p] + 1 + 0x10000]
    p += 1
    single = w[p : p + 256]
    p += 256
    glyphs = w[p]
    p += 1 + (256 if glyphs else 0)
    offsets = w[p + 1 :] if w[p] else None
    dec = {}
    for lead in range(256):
        if offsets and offsets[lead]:
            for trail in range(256):
                dec[(lead << 8) | trail] = offsets[offsets[lead] + trail]
    return single, dec, wide


def compare_wine():
    failures = 0
    for codepage, make in ((936, cp936), (950, cp950)):
        single, double, prefer = make()
        wine_single, wine_double, wine_wide = load_wine(codepage)
        cells = decode_array(single, double)
        for b in range(256):
            ours = cells[b]
            if ours < 0xFFFE and ours != wine_single[b]:
                print(f"{codepage}: byte {b:02X}: ours U+{ours:04X}, Wine U+{wine_single[b]:04X}")
                failures += 1
        for code, wine_cp in wine_double.items():
            ours = double.get(code, 0x3F)  # Wine decodes a pair without a character as "?"
            if ours != wine_cp:
                print(f"{codepage}: {code:04X}: ours U+{ours:04X}, Wine U+{wine_cp:04X}")
                failures += 1
        enc = encoder(single, double, prefer)
        decoded = {**{b: single[b] for b in single}, **double}
        for cp in range(1, 0x10000):
            wine_code = wine_wide[cp]
            exact = decoded.get(wine_code) == cp
            ours = enc.get(cp)
            if (exact and ours != wine_code) or (not exact and ours is not None):
                print(f"{codepage}: U+{cp:04X}: ours {ours}, Wine {wine_code:04X}")
                failures += 1
    print("identical to Wine's tables (best-fit replacements aside)" if failures == 0 else f"{failures} differences")
    return 1 if failures else 0


def main():
    if sys.argv[1:] == ["--compare-wine"]:
        return compare_wine()
    if len(sys.argv) != 2:
        print(__doc__, file=sys.stderr)
        return 2
    text = generate()
    digest = hashlib.sha256(text.encode()).hexdigest()
    if digest != PINNED_SHA256:
        print(f"gen_codec_tables.py: the tables' SHA-256 is {digest}, not the pinned {PINNED_SHA256}:"
              " this Python's codecs differ from those the tables were checked with", file=sys.stderr)
        return 1
    with open(sys.argv[1], "w") as f:
        f.write(text)
    return 0


if __name__ == "__main__":
    sys.exit(main())
