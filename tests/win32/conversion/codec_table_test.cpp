// The GB and BIG5 tables against the system's converters (flags 0), every byte, pair and BMP character;
// where the system writes a best-fit look-alike, the program counts a missing form instead.

#include "conversion/Codec.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

TEST(CodecTables, MatchTheSystemsCodePages) {
    for (const auto& [codePage, encoding] :
         {std::pair{936u, TEncoding::Gb}, std::pair{950u, TEncoding::Big5}}) {
        const TCodec& codec = CodecFor(encoding);
        int bestFits = 0;
        for (unsigned code = 0; code <= 0xFEFF; ++code) {
            const bool pair = code > 0xFF;
            if (pair && (code >> 8) < 0x81)
                continue;
            const unsigned char bytes[2] = {static_cast<unsigned char>(pair ? code >> 8 : code),
                                            static_cast<unsigned char>(code)};
            char32_t ours[2] = {};
            const TDecodeStep step = codec.Decode(bytes, pair ? 2 : 1, true, ours);
            const bool valid = step.Invalid == 0 && step.Written == 1;
            if (!pair && !valid)
                continue; // a lead byte alone
            wchar_t system[4] = {};
            const int n = MultiByteToWideChar(codePage, 0, reinterpret_cast<const char*>(bytes), pair ? 2 : 1,
                                              system, 4);
            const bool systemValid = n == 1 && (system[0] != L'?' || code == '?');
            ASSERT_TRUE(valid == systemValid && (!valid || ours[0] == static_cast<char32_t>(system[0])))
                << codePage << ": " << std::hex << code << " ours " << ours[0] << ", system " << system[0];
        }
        for (char32_t c = 1; c < 0x10000; ++c) {
            if (c >= 0xD800 && c < 0xE000)
                continue;
            std::string ours;
            std::uint64_t noForm = 0;
            codec.Encode(&c, 1, ours, noForm);
            const wchar_t wide = static_cast<wchar_t>(c);
            char system[4] = {};
            BOOL usedDefault = FALSE;
            const int n = WideCharToMultiByte(codePage, 0, &wide, 1, system, 4, nullptr, &usedDefault);
            wchar_t back[2] = {};
            const bool exact =
                !usedDefault && MultiByteToWideChar(codePage, 0, system, n, back, 2) == 1 && back[0] == wide;
            bestFits += !usedDefault && !exact;
            ASSERT_TRUE(exact ? ours == std::string(system, n) : noForm == 1)
                << codePage << ": U+" << std::hex << static_cast<unsigned>(c) << " ours "
                << testing::PrintToString(ours);
        }
        std::printf("code page %u: %d best-fit replacements the program counts as missing forms\n", codePage,
                    bestFits);
    }
}
