#include "conversion/GbPhraseMap.h"

#include "conversion/CodecTables.h"
#include "conversion/PhraseEngine.h"

#include <cstring>
#include <string>
#include <vector>

namespace {

// One run of characters not yet converted: their code points and where each starts in the text.
struct TRun {
    std::u32string Text;
    std::vector<std::size_t> Offsets;
};

unsigned CodeLength(std::uint16_t code) {
    return code < 0x100 ? 1 : 2;
}

// Converts what the converter can decide of the run (all of it with atEnd) and writes it over its bytes,
// character by character where the form fits; the undecided rest stays in the run for more text.
void ConvertRun(TPhraseConverter& converter, TRun& run, bool atEnd, std::u32string& converted,
                unsigned char* out) {
    converted.clear();
    const std::size_t decided = converter.Convert(run.Text.data(), run.Text.size(), atEnd, converted);
    for (std::size_t i = 0; i < decided && converted.size() == decided; ++i) {
        const char32_t c = converted[i];
        const std::uint16_t code = c < 0x10000 ? Cp936Encode[c] : 0;
        const unsigned length = CodeLength(Cp936Encode[run.Text[i]]);
        if (c == run.Text[i] || code == 0 || CodeLength(code) != length)
            continue;
        unsigned char* at = out + run.Offsets[i];
        if (length == 1) {
            at[0] = static_cast<unsigned char>(code);
        } else {
            at[0] = static_cast<unsigned char>(code >> 8);
            at[1] = static_cast<unsigned char>(code);
        }
    }
    run.Text.erase(0, decided);
    run.Offsets.erase(run.Offsets.begin(), run.Offsets.begin() + static_cast<std::ptrdiff_t>(decided));
}

// A long run is converted in pieces of about this many characters, so memory stays small whatever the
// text's size; the converter's decisions are the same for any cut.
constexpr std::size_t PieceChars = 8192;

} // namespace

int MapGbTextPhrases(TChineseForm form, const char* src, int srcLength, char* dst, int dstCapacity) {
    int result = 0;
    if (!GbMapBegin(src, srcLength, dst, dstCapacity, result))
        return result;
    const std::size_t length = static_cast<std::size_t>(result);

    std::memcpy(dst, src, length);
    TPhraseConverter converter(form == TChineseForm::Traditional ? TConversionId::S2T : TConversionId::T2S);
    const auto* in = reinterpret_cast<const unsigned char*>(src);
    auto* out = reinterpret_cast<unsigned char*>(dst);
    TRun run;
    std::u32string converted;
    // Characters are found as MapGbText finds them: a lead byte takes the next byte, whatever it is; a pair
    // that is no character, like a lead byte at the end, is copied and ends the run before it.
    std::size_t i = 0;
    while (i < length) {
        const unsigned b = in[i];
        std::uint16_t c = Cp936Decode[b];
        std::size_t size = 1;
        if (c == DecodeLead) {
            size = i + 1 < length ? 2 : 1;
            c = size == 2 ? Cp936Decode[256 + ((b - 0x80) << 8 | in[i + 1])] : 0;
        }
        if (b < 0x80 || (c != 0 && c != DecodeNone)) {
            run.Text += static_cast<char32_t>(b < 0x80 ? b : c);
            run.Offsets.push_back(i);
            if (run.Text.size() >= PieceChars)
                ConvertRun(converter, run, false, converted, out);
        } else if (!run.Text.empty()) {
            ConvertRun(converter, run, true, converted, out);
        }
        i += size;
    }
    if (!run.Text.empty())
        ConvertRun(converter, run, true, converted, out);
    return result;
}
