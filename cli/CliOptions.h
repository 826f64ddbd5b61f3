#pragma once
// The command line's arguments:
//   sinoshift-cli CONVERSION [INPUT] [-o OUTPUT] [--from ENC] [--to ENC] [--strict]
//   sinoshift-cli CONVERSION FILE... -o FOLDER | -r FOLDER... -o FOLDER | FILE... --in-place
//   sinoshift-cli CONVERSION --clipboard
// with -j N, --quiet, --help and --version. Portable: no windows.h.

#include "conversion/TextConversion.h"

#include <string>
#include <vector>

enum class TCliAction { Convert, Clipboard, Help, Version, Usage };

struct TCliOptions {
    TCliAction Action = TCliAction::Usage;
    TConversionId Conversion = TConversionId::S2T;
    std::vector<std::string> Inputs; // empty: standard input
    std::string Output;              // empty: standard output, or the inputs themselves with InPlace
    // The output names a folder: several inputs, -r, or a name ending with a slash. (With one input an
    // existing folder counts too; only the run can see that.)
    bool OutputIsFolder = false;
    bool DetectSource = false; // --from auto
    TEncoding From = TEncoding::Gb, To = TEncoding::Gb;
    bool Recursive = false, InPlace = false, Strict = false, Quiet = false;
    unsigned Jobs = 0; // 0: one per core
    std::string Error; // for Usage: the one line that names the argument at fault
};

TCliOptions ParseCliArguments(const std::vector<std::string>& args);

// Several files, a tree or in place: each file is converted on its own, binary files are skipped, a
// failure does not stop the others and a summary ends the run.
bool IsBatch(const TCliOptions& options);

const char* CliUsageText();
