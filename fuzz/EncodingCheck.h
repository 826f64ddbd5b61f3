#pragma once
// Checks of encoded bytes by the encodings' structure alone (lead and trail byte ranges, UTF-8's
// well-formedness), independent of any conversion table, as oracles for the conversions.

#include "conversion/TextConversion.h"

#include <cstddef>
#include <string>

constexpr std::size_t kNoMalformed = static_cast<std::size_t>(-1);

// The offset of the first byte sequence no decoder of the encoding can read, or kNoMalformed: in GB, GB18030
// and BIG5 a lead byte without a trail byte of its encoding (lone bytes 0x80 and 0xFF are left alone, some
// tables give them characters); in UTF-8 anything not well-formed. With cutAtEnd, a sequence the end cuts
// short counts as whole (the text is the start of a longer one).
std::size_t FirstMalformed(TEncoding encoding, const std::string& text, bool cutAtEnd = false);

// Whether an encoder of the encoding may have written text: well-formed, and in GB18030 no lone 0xFF (code
// pages 936 and 950 give it a character).
bool WellFormedOutput(TEncoding encoding, const std::string& text);

// UTF-8 bytes as code points, each malformed sequence as U+FFFD.
std::u32string DecodeUtf8(const std::string& text);
