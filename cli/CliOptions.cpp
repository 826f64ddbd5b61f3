#include "cli/CliOptions.h"

#include <cstdlib>

namespace {

TCliOptions Usage(const std::string& error) {
    TCliOptions options;
    options.Error = error;
    return options;
}

struct TValueOption {
    const char* Short; // null: none
    const char* Long;
};
const TValueOption OutputOption{"-o", "--output"}, FromOption{nullptr, "--from"}, ToOption{nullptr, "--to"},
    JobsOption{"-j", "--jobs"};

// Whether arg is the option in a form whose value is the next argument (-o X, --output X).
bool TakesNextArgument(const TValueOption& option, const std::string& arg) {
    return arg == option.Long || (option.Short != nullptr && arg == option.Short);
}

// Whether args[i] is the option, in any of its forms (-o X, -oX, --output X, --output=X); takes its value.
// A missing value is reported through error.
bool TakeValue(const TValueOption& option, const std::vector<std::string>& args, std::size_t& i,
               std::string& value, std::string& error) {
    const std::string& arg = args[i];
    const std::string longEq = std::string(option.Long) + "=";
    if (TakesNextArgument(option, arg)) {
        if (i + 1 == args.size()) {
            error = "'" + arg + "' needs a value";
            return true;
        }
        value = args[++i];
    } else if (arg.compare(0, longEq.size(), longEq) == 0) {
        value = arg.substr(longEq.size());
    } else if (option.Short != nullptr && arg.size() > 2 && arg.compare(0, 2, option.Short) == 0) {
        value = arg.substr(2);
    } else {
        return false;
    }
    if (value.empty())
        error = "'" + arg + "' needs a value";
    return true;
}

// Whether arg is an option whose value is the next argument.
bool TakesNextArgument(const std::string& arg) {
    for (const TValueOption& option : {OutputOption, FromOption, ToOption, JobsOption})
        if (TakesNextArgument(option, arg))
            return true;
    return false;
}

bool EndsWithSlash(const std::string& path) {
    return !path.empty() && (path.back() == '/' || path.back() == '\\');
}

// The rules between the options, once all are read; empty when they hold.
std::string CheckCombination(const TCliOptions& o, bool sourceNamed, bool targetNamed) {
    const bool many = o.Inputs.size() > 1 || o.Recursive;
    if (o.Action == TCliAction::Clipboard) {
        if (!o.Inputs.empty() || !o.Output.empty() || o.InPlace || o.Recursive)
            return "'--clipboard' converts the clipboard in place and takes no files";
        if (sourceNamed || targetNamed)
            return "'--clipboard' holds Unicode text: '--from' and '--to' do not apply";
        return {};
    }
    for (const std::string& input : o.Inputs) {
        if (input == "-" && (many || o.InPlace))
            return "standard input '-' goes alone, without '--in-place'";
    }
    if (o.InPlace && !o.Output.empty())
        return "'--in-place' writes the inputs themselves: no '-o'";
    if (o.InPlace && o.Inputs.empty())
        return "'--in-place' needs files or '-r FOLDER'";
    if (many && !o.InPlace && o.Output.empty())
        return o.Recursive ? "'-r' needs '-o FOLDER' or '--in-place'"
                           : "several inputs need '-o FOLDER' or '--in-place'";
    if (many && o.Output == "-")
        return "several inputs cannot go to standard output '-'";
    if (o.Recursive && o.Inputs.empty())
        return "'-r' needs a folder";
    return {};
}

} // namespace

TCliOptions ParseCliArguments(const std::vector<std::string>& args) {
    // --help and --version answer whatever else the line holds, up to the "--" that ends the options; a
    // "--" that is an option's value ("-o --" writes a file named "--") ends nothing, as below.
    bool isValue = false;
    for (const std::string& arg : args) {
        if (arg == "--" && !isValue)
            break;
        if (arg == "--help" || arg == "-h" || arg == "--version") {
            TCliOptions options;
            options.Action = arg == "--version" ? TCliAction::Version : TCliAction::Help;
            return options;
        }
        isValue = !isValue && TakesNextArgument(arg);
    }

    TCliOptions options;
    std::vector<std::string> positional;
    bool optionsEnded = false, outputGiven = false, clipboard = false;
    std::string from, to, jobs, value, error;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg == "-" || arg.empty() || arg[0] != '-') {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--strict") {
            options.Strict = true;
        } else if (arg == "-r" || arg == "--recursive") {
            options.Recursive = true;
        } else if (arg == "--in-place") {
            options.InPlace = true;
        } else if (arg == "--clipboard") {
            clipboard = true;
        } else if (arg == "-q" || arg == "--quiet") {
            options.Quiet = true;
        } else if (TakeValue(OutputOption, args, i, value, error)) {
            if (outputGiven && error.empty())
                error = "more than one output: '" + arg + "'";
            outputGiven = true;
            options.Output = value;
        } else if (TakeValue(FromOption, args, i, from, error) || TakeValue(ToOption, args, i, to, error) ||
                   TakeValue(JobsOption, args, i, jobs, error)) {
        } else {
            return Usage("unknown option '" + arg + "'");
        }
        if (!error.empty())
            return Usage(error);
    }

    if (positional.empty())
        return Usage("no conversion given (s2t, t2s, b2s, s2b, s2tw, tw2s, s2twp, tw2sp, s2hk, hk2s)");
    if (!ParseConversionName(positional[0], options.Conversion))
        return Usage("unknown conversion '" + positional[0] +
                     "' (s2t, t2s, b2s, s2b or 0-3, s2tw, tw2s, s2twp, tw2sp, s2hk, hk2s)");
    options.Inputs.assign(positional.begin() + 1, positional.end());
    if (options.Inputs.size() == 1 && options.Inputs[0] == "-" && !options.Recursive)
        options.Inputs.clear();

    options.From = DefaultSourceEncoding(options.Conversion);
    options.To = DefaultTargetEncoding(options.Conversion);
    if (from == "auto")
        options.DetectSource = true;
    else if (!from.empty() && !ParseEncodingName(from, options.From))
        return Usage("unknown encoding '" + from + "' for --from (gb, gb18030, big5, utf-8, auto)");
    if (!to.empty() && !ParseEncodingName(to, options.To))
        return Usage("unknown encoding '" + to + "' for --to (gb, gb18030, big5, utf-8)");
    if (!jobs.empty()) {
        char* end = nullptr;
        const long n = std::strtol(jobs.c_str(), &end, 10);
        if (*end != '\0' || n < 1 || n > 1024)
            return Usage("'-j " + jobs + "': the number of threads is 1 to 1024");
        options.Jobs = static_cast<unsigned>(n);
    }
    if (options.Output == "-" && options.Inputs.size() <= 1 && !options.Recursive)
        options.Output.clear();
    options.OutputIsFolder =
        !options.InPlace && (options.Inputs.size() > 1 || options.Recursive || EndsWithSlash(options.Output));

    options.Action = clipboard ? TCliAction::Clipboard : TCliAction::Convert;
    error = CheckCombination(options, !from.empty(), !to.empty());
    if (!error.empty())
        return Usage(error);
    return options;
}

bool IsBatch(const TCliOptions& options) {
    return options.Inputs.size() > 1 || options.Recursive || options.InPlace;
}

const char* CliUsageText() {
    return "usage: sinoshift-cli CONVERSION [INPUT] [-o OUTPUT] [--from ENC] [--to ENC] [--strict]\n"
           "       sinoshift-cli CONVERSION FILE... -o FOLDER      (or -r FOLDER... -o FOLDER)\n"
           "       sinoshift-cli CONVERSION FILE... --in-place     (or -r FOLDER... --in-place)\n"
           "       sinoshift-cli CONVERSION --clipboard\n"
           "Converts Chinese text between Simplified and Traditional characters and between encodings.\n"
           "\n"
           "CONVERSION  s2t or 0   Simplified to Traditional     (gb to gb by default)\n"
           "            t2s or 1   Traditional to Simplified     (gb to gb)\n"
           "            b2s or 2   BIG5 to Simplified GB         (big5 to gb)\n"
           "            s2b or 3   Simplified GB to BIG5         (gb to big5)\n"
           "            s2tw, tw2s, s2twp, tw2sp   Taiwan standard, p: with Taiwan phrases (utf-8)\n"
           "            s2hk, hk2s                 Hong Kong standard                     (utf-8)\n"
           "INPUT       a file; standard input when left out or '-'\n"
           "\n"
           "  -o, --output PATH  write PATH instead of standard output; a file is replaced only once\n"
           "                     complete and keeps its permissions; PATH is a folder (created if\n"
           "                     missing) with several inputs or -r, when it exists or ends with '/'\n"
           "  -r, --recursive    convert the files in the tree below each FOLDER, keeping its layout\n"
           "      --in-place     replace each input with its conversion\n"
           "      --from ENC     the input's encoding: gb, gb18030, big5, utf-8, or auto (detected\n"
           "                     from the first 64 KB of each input and named)\n"
           "      --to ENC       the output's encoding: gb, gb18030, big5, utf-8\n"
           "      --strict       exit 3 if any input was invalid or any character had no form in the\n"
           "                     output's encoding, leaving that output as it was\n"
           "      --clipboard    convert the clipboard's text in place (Unicode, nothing lost)\n"
           "  -j, --jobs N       use N threads (default: one per core)\n"
           "  -q, --quiet        no progress line, no summary, no note of detected encodings\n"
           "  -h, --help         show this help\n"
           "      --version      show the version\n"
           "\n"
           "With several files or a tree, files with a NUL byte in their first 8 KB are skipped as\n"
           "binary, a failing file does not stop the others, and a summary line ends the run.\n"
           "Invalid input becomes \"?\" (U+FFFD in UTF-8), as do characters without a form in the\n"
           "output's encoding; both are counted on standard error, with the first invalid byte's offset.\n"
           "Exit: 0 done, 1 an input or output failed, 2 bad arguments, 3 --strict and something lost.\n";
}
