#pragma once
// The command line's arguments: sinoshift-cli MODE [INPUT] [-o OUTPUT] [--strict], --help, --version.
// Portable: no windows.h.

#include <string>
#include <vector>

enum class TCliAction { Convert, Help, Version, Usage };

struct TCliOptions {
    TCliAction Action = TCliAction::Usage;
    int Mode = -1;
    std::string Input = "-";  // "-": standard input
    std::string Output = "-"; // "-": standard output
    bool Strict = false;
    std::string Error; // for Usage: the one line that names the argument at fault
};

TCliOptions ParseCliArguments(const std::vector<std::string>& args);

// The mode of a name (s2t, t2s, b2s, s2b) or number (0-3), or -1.
int ParseCliMode(const std::string& text);

// The help text, and the name the target code page of a mode has in messages (null for modes 0 and 1).
const char* CliUsageText();
const char* CliTargetName(int mode);
