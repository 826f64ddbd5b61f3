// The window's Simplified/Traditional mappings of GB text, by character and by phrase, held to the contract
// of the system call they stand in for: as many bytes out as in, characters kept in place, what forms no GB
// character passed through, and nothing written when the buffer is short. Input: form, call shape, then the
// text.

#include "conversion/GbChineseMap.h"
#include "conversion/GbPhraseMap.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr char kCanary = '\x5A';

bool IsLead(unsigned char b) {
    return b >= 0x81 && b <= 0xFE;
}

bool IsTrail(unsigned char b) {
    return (b >= 0x40 && b <= 0x7E) || (b >= 0x80 && b <= 0xFE);
}

// The mapped text against the source, character by character as the code page 936 decoder walks it.
void CheckMapping(const unsigned char* in, const unsigned char* out, std::size_t length) {
    for (std::size_t i = 0; i < length;) {
        if (!IsLead(in[i]) || i + 1 == length) {
            FUZZ_CHECK(out[i] == in[i]);
            ++i;
            continue;
        }
        // A character becomes a character, so the walk stays in step; a pair that is none stays as it is.
        if (IsTrail(in[i + 1]))
            FUZZ_CHECK(IsLead(out[i]) && IsTrail(out[i + 1]));
        else
            FUZZ_CHECK(out[i] == in[i] && out[i + 1] == in[i + 1]);
        i += 2;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const TChineseForm form = input.Pick(2) ? TChineseForm::Traditional : TChineseForm::Simplified;
    const std::uint8_t shape = input.Byte();
    const std::string text = input.Rest();

    // -1 reads up to the first NUL and takes it along; a length takes exactly that many bytes.
    const bool terminated = shape & 1;
    std::vector<char> src(text.begin(), text.end());
    if (terminated)
        src.push_back('\0');
    const std::size_t length = terminated ? std::strlen(src.data()) + 1 : src.size();
    const int srcLength = terminated ? -1 : static_cast<int>(src.size());
    if (length == 0)
        return 0;

    for (const auto map : {MapGbText, MapGbTextPhrases}) {
        FUZZ_CHECK(map(form, src.data(), srcLength, nullptr, 0) == static_cast<int>(length));
        // Capacity: short by some bytes, exact, or with room to spare.
        const int spare = static_cast<int>(shape >> 1) % 8 - 3;
        const int capacity = std::max(1, static_cast<int>(length) + spare);
        std::vector<char> dst(static_cast<std::size_t>(capacity), kCanary);
        const int written = map(form, src.data(), srcLength, dst.data(), capacity);
        if (capacity < static_cast<int>(length)) {
            FUZZ_CHECK(written == 0);
            for (char c : dst)
                FUZZ_CHECK(c == kCanary);
            continue;
        }
        FUZZ_CHECK(written == static_cast<int>(length));
        for (std::size_t i = length; i < dst.size(); ++i)
            FUZZ_CHECK(dst[i] == kCanary);
        CheckMapping(reinterpret_cast<const unsigned char*>(src.data()),
                     reinterpret_cast<const unsigned char*>(dst.data()), length);
    }
    return 0;
}
