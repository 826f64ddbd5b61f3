#pragma once
// The command line's words: the line that counts what a conversion lost, the summary of a run of many
// files, the progress line and the status line of a terminal that shows it. Portable: no windows.h.

#include "conversion/TextConversion.h"

#include <cstdint>
#include <string>

// "GB", "GB18030", "BIG5", "UTF-8": the encodings as messages name them.
const char* DisplayName(TEncoding encoding);

// "5 characters have no form in BIG5 and 2 byte sequences were not valid GB (the first at byte 17); they
// were replaced", or empty when nothing was lost.
std::string LossLine(const TConversionCounts& counts, TEncoding from, TEncoding to);

struct TRunTally {
    std::uint64_t Converted = 0, Skipped = 0, Failed = 0, HeldBack = 0; // HeldBack: by --strict
    TConversionCounts Lost;
};
// "12 converted, 1 skipped as binary, 0 failed; 3 characters without a form"
std::string SummaryLine(const TRunTally& tally);

struct TProgressFigures {
    std::uint64_t Bytes = 0, TotalBytes = 0; // TotalBytes 0: unknown
    std::uint64_t Files = 0, TotalFiles = 0; // TotalFiles below 2: not shown
    double Seconds = 0;
};
// "45.2 MB of 200.0 MB, 12 of 2000 files, 38.1 MB/s, 4 s left"
std::string ProgressLine(const TProgressFigures& figures);

// One line a terminal shows and overwrites: each text is drawn over the last one, whatever their lengths.
class TStatusLine {
public:
    std::string Show(const std::string& text);
    std::string Clear(); // nothing when nothing shows
private:
    std::size_t Shown = 0;
};
