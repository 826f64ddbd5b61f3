#include "fuzz/FuzzInput.h"

#include <cstdio>
#include <cstdlib>

void FuzzFail(const char* condition, const char* file, int line) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", file, line, condition);
    std::abort();
}

std::uint8_t TFuzzInput::Byte() {
    return At < Size ? Data[At++] : 0;
}

std::uint32_t TFuzzInput::Word() {
    std::uint32_t word = 0;
    for (int i = 0; i < 4; ++i)
        word |= static_cast<std::uint32_t>(Byte()) << (8 * i);
    return word;
}

std::string TFuzzInput::Bytes(std::size_t maxLength) {
    std::size_t length = Pick(maxLength + 1);
    if (length > Left())
        length = Left();
    std::string bytes(reinterpret_cast<const char*>(Data + At), length);
    At += length;
    return bytes;
}

std::string TFuzzInput::Rest() {
    std::string rest(reinterpret_cast<const char*>(Data + At), Size - At);
    At = Size;
    return rest;
}
