#pragma once
// A fuzz input read from the front: a few leading bytes choose the case (a conversion, a seed for the cuts),
// the rest is the text. Also the check every target stops on.

#include <cstddef>
#include <cstdint>
#include <string>

// Reports the failed condition and aborts, so libFuzzer keeps the input as a finding.
[[noreturn]] void FuzzFail(const char* condition, const char* file, int line);
#define FUZZ_CHECK(condition) ((condition) ? (void)0 : FuzzFail(#condition, __FILE__, __LINE__))

class TFuzzInput {
public:
    TFuzzInput(const std::uint8_t* data, std::size_t size) : Data(data), Size(size) {}

    // The next byte; 0 once all are read, so a short input still chooses something.
    std::uint8_t Byte();
    // One of n choices (n > 0).
    std::size_t Pick(std::size_t n) { return Byte() % n; }
    // Four bytes, the first lowest.
    std::uint32_t Word();
    // A string of up to maxLength bytes: a length byte, then that many bytes.
    std::string Bytes(std::size_t maxLength);
    // Everything not read yet.
    std::string Rest();
    std::size_t Left() const { return Size - At; }

private:
    const std::uint8_t* Data;
    std::size_t Size;
    std::size_t At = 0;
};
