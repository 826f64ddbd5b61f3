// The command line's argument parser: any arguments (the input's NUL bytes separate them) give one answer
// that holds together: help and version only when asked before the "--" that ends the options, a refusal with
// its error line, or a run with a valid conversion and encodings, whose inputs and output are among the
// arguments.

#include "cli/CliOptions.h"
#include "fuzz/FuzzInput.h"

#include <algorithm>

namespace {

bool ValidConversion(TConversionId id) {
    return id >= TConversionId::S2T && id <= TConversionId::HK2S;
}

bool ValidEncoding(TEncoding encoding) {
    return encoding >= TEncoding::Gb && encoding <= TEncoding::Utf8;
}

bool TakesNextArgument(const std::string& arg) {
    for (const char* option : {"-o", "--output", "--from", "--to", "-j", "--jobs"})
        if (arg == option)
            return true;
    return false;
}

} // namespace

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
    // Options end at the first "--" that is no option's value ("-o --" writes a file named "--").
    auto endOfOptions = args.begin();
    for (; endOfOptions != args.end() && *endOfOptions != "--"; ++endOfOptions) {
        if (TakesNextArgument(*endOfOptions) && endOfOptions + 1 != args.end())
            ++endOfOptions;
    }
    const auto asked = std::find_if(args.begin(), endOfOptions, [](const std::string& s) {
        return s == "--help" || s == "-h" || s == "--version";
    });
    const auto given = [&](const char* option) {
        return std::find(args.begin(), endOfOptions, std::string(option)) != endOfOptions;
    };
    const auto among = [&](const std::string& name) {
        return std::find(args.begin(), args.end(), name) != args.end();
    };
    FUZZ_CHECK((asked != endOfOptions) ==
               (options.Action == TCliAction::Help || options.Action == TCliAction::Version));
    switch (options.Action) {
    case TCliAction::Help:
        FUZZ_CHECK(*asked != "--version");
        break;
    case TCliAction::Version:
        FUZZ_CHECK(*asked == "--version");
        break;
    case TCliAction::Usage:
        FUZZ_CHECK(!options.Error.empty());
        break;
    case TCliAction::Clipboard:
        FUZZ_CHECK(options.Inputs.empty() && options.Output.empty() && !options.InPlace);
        [[fallthrough]];
    case TCliAction::Convert:
        FUZZ_CHECK(options.Error.empty());
        FUZZ_CHECK(ValidConversion(options.Conversion) && ValidEncoding(options.From) &&
                   ValidEncoding(options.To));
        FUZZ_CHECK(std::all_of(options.Inputs.begin(), options.Inputs.end(), among));
        // The output is an argument, or the value part of -oX or --output=X.
        FUZZ_CHECK(options.Output.empty() ||
                   std::any_of(args.begin(), args.end(), [&](const std::string& arg) {
                       return arg.size() >= options.Output.size() &&
                              arg.compare(arg.size() - options.Output.size(), std::string::npos,
                                          options.Output) == 0;
                   }));
        // Standard output is the empty name unless several inputs make '-' a folder's name.
        FUZZ_CHECK(options.Output != "-" || IsBatch(options));
        FUZZ_CHECK(!(options.InPlace && !options.Output.empty()));
        FUZZ_CHECK(!options.Strict || given("--strict"));
        FUZZ_CHECK(!options.Recursive || given("-r") || given("--recursive"));
        FUZZ_CHECK(!options.InPlace || given("--in-place"));
        FUZZ_CHECK(options.Jobs <= 1024);
        FUZZ_CHECK(!IsBatch(options) || options.InPlace || !options.Output.empty());
        break;
    }
    for (const std::string& arg : args) {
        TConversionId id;
        if (ParseConversionName(arg, id)) {
            FUZZ_CHECK(ValidConversion(id));
            TConversionId again;
            FUZZ_CHECK(ParseConversionName(ConversionName(id), again) && again == id);
        }
        TEncoding encoding;
        if (ParseEncodingName(arg, encoding)) {
            FUZZ_CHECK(ValidEncoding(encoding));
            TEncoding again;
            FUZZ_CHECK(ParseEncodingName(EncodingName(encoding), again) && again == encoding);
        }
    }
    return 0;
}
