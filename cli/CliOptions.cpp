#include "cli/CliOptions.h"

namespace {

// In the window's list order.
const char* const ModeNames[] = {"s2t", "t2s", "b2s", "s2b"};

TCliOptions Usage(const std::string& error) {
    TCliOptions options;
    options.Error = error;
    return options;
}

} // namespace

int ParseCliMode(const std::string& text) {
    for (int mode = 0; mode < 4; ++mode) {
        if (text == ModeNames[mode] || text == std::string(1, static_cast<char>('0' + mode)))
            return mode;
    }
    return -1;
}

TCliOptions ParseCliArguments(const std::vector<std::string>& args) {
    // --help and --version answer whatever else the line holds.
    for (const std::string& arg : args) {
        if (arg == "--")
            break;
        if (arg == "--help" || arg == "-h") {
            TCliOptions options;
            options.Action = TCliAction::Help;
            return options;
        }
        if (arg == "--version") {
            TCliOptions options;
            options.Action = TCliAction::Version;
            return options;
        }
    }

    TCliOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false, outputGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--strict") {
            options.Strict = true;
        } else if (arg == "-o" || arg == "--output" || arg.rfind("--output=", 0) == 0 ||
                   (arg.size() > 2 && arg.compare(0, 2, "-o") == 0)) {
            if (outputGiven)
                return Usage("more than one output: '" + arg + "'");
            outputGiven = true;
            if (arg == "-o" || arg == "--output") {
                if (i + 1 == args.size())
                    return Usage("'" + arg + "' needs a file name");
                options.Output = args[++i];
            } else {
                options.Output = arg.substr(arg[1] == 'o' ? 2 : 9);
            }
            if (options.Output.empty())
                return Usage("'" + arg + "' needs a file name");
        } else {
            return Usage("unknown option '" + arg + "'");
        }
    }
    if (positional.empty())
        return Usage("no mode given (s2t, t2s, b2s, s2b or 0-3)");
    options.Mode = ParseCliMode(positional[0]);
    if (options.Mode < 0)
        return Usage("unknown mode '" + positional[0] + "' (s2t, t2s, b2s, s2b or 0-3)");
    if (positional.size() > 2)
        return Usage("unexpected argument '" + positional[2] + "' (one input at most)");
    if (positional.size() == 2)
        options.Input = positional[1];
    options.Action = TCliAction::Convert;
    return options;
}

const char* CliUsageText() {
    return "usage: sinoshift-cli MODE [INPUT] [-o OUTPUT] [--strict]\n"
           "Converts Chinese text between Simplified and Traditional characters, GB (code page 936) and\n"
           "BIG5 (code page 950), byte for byte as the Sinoshift window does.\n"
           "\n"
           "MODE   s2t or 0   Simplified to Traditional, GB text\n"
           "       t2s or 1   Traditional to Simplified, GB text\n"
           "       b2s or 2   BIG5 to Simplified GB\n"
           "       s2b or 3   Simplified GB to BIG5\n"
           "INPUT  the file to convert; standard input when left out or '-'\n"
           "\n"
           "  -o, --output FILE  write FILE (replaced only once complete) instead of standard output\n"
           "  --strict           exit 3 if any character had no form in the target code page or was\n"
           "                     no valid character, leaving FILE as it was\n"
           "  -h, --help         show this help\n"
           "  --version          show the version\n"
           "\n"
           "Bytes pass unchanged apart from the conversion: line ends stay, NUL bytes are copied.\n"
           "Characters without a form in the target code page become \"?\"; their number is reported.\n"
           "Exit: 0 done, 1 input or output failed, 2 bad arguments, 3 --strict and characters lost.\n";
}

const char* CliTargetName(int mode) {
    return mode == 2 ? "GB" : mode == 3 ? "BIG5" : nullptr;
}
