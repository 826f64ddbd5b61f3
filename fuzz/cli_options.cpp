// The command line's argument parser: any arguments (the input's NUL bytes separate them) give one answer
// that holds together.

#include "cli/CliOptions.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    TFuzzInput input(data, size);
    const std::string line = input.Rest();
    std::vector<std::string> args;
    for (std::size_t at = 0; at <= line.size();) {
        const std::size_t end = std::min(line.find('\0', at), line.size());
        args.push_back(line.substr(at, end - at));
        at = end + 1;
    }

    const TCliOptions options = ParseCliArguments(args);
    const auto endOfOptions = std::find(args.begin(), args.end(), "--");
    const auto asks = [&](const char* a, const char* b) {
        return std::find_if(args.begin(), endOfOptions,
                            [&](const std::string& s) { return s == a || s == b; }) != endOfOptions;
    };
    switch (options.Action) {
    case TCliAction::Help:
        FUZZ_CHECK(asks("--help", "-h"));
        break;
    case TCliAction::Version:
        FUZZ_CHECK(asks("--version", "--version"));
        break;
    case TCliAction::Convert:
        FUZZ_CHECK(options.Error.empty());
        FUZZ_CHECK(options.Mode >= 0 && options.Mode <= 3);
        // An empty output name is refused here; an empty input name is left to fail when it is opened.
        FUZZ_CHECK(!options.Output.empty());
        FUZZ_CHECK(std::count(args.begin(), args.end(), options.Input) > 0 || options.Input == "-");
        FUZZ_CHECK(!options.Strict || std::count(args.begin(), endOfOptions, "--strict") > 0);
        FUZZ_CHECK(CliTargetName(options.Mode) == nullptr || options.Mode >= 2);
        break;
    case TCliAction::Usage:
        FUZZ_CHECK(!options.Error.empty());
        break;
    }
    for (const std::string& arg : args) {
        const int mode = ParseCliMode(arg);
        FUZZ_CHECK(mode >= -1 && mode <= 3);
    }
    return 0;
}
