#pragma once
// The code tables of the byte encodings, generated at build time by tools/gen_codec_tables.py.
// Decode tables: 256 cells for the single bytes (DecodeLead: a lead byte, DecodeNone: no character), then
// a cell per lead byte 0x80-0xFF and trail byte (0: no character), at (lead - 0x80) << 8 | trail.
// Encode tables: a cell per BMP code point: the code (below 0x100 a single byte, else lead << 8 | trail),
// 0 where there is none.

#include <cstddef>
#include <cstdint>

constexpr std::uint16_t DecodeLead = 0xFFFF;
constexpr std::uint16_t DecodeNone = 0xFFFE;
constexpr std::size_t DecodeCells = 256 + 128 * 256;

extern const std::uint16_t Cp936Decode[DecodeCells];
extern const std::uint16_t Cp936Encode[0x10000];
extern const std::uint16_t Cp950Decode[DecodeCells];
extern const std::uint16_t Cp950Encode[0x10000];
extern const std::uint16_t Gb18030Decode[DecodeCells];
extern const std::uint16_t Gb18030Encode[0x10000]; // 0: a four-byte form (Gb18030Runs)

// A run of BMP code points whose four-byte GB18030 forms are consecutive: Linear is the form's index
// counted from 81 30 81 30.
struct TGb18030Run {
    std::uint32_t CodePoint;
    std::uint32_t Linear;
    std::uint32_t Count;
};
extern const TGb18030Run Gb18030Runs[];
extern const std::size_t Gb18030RunCount;
