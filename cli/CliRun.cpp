#include "cli/CliRun.h"

#include "cli/CliFiles.h"
#include "cli/CliOptions.h"
#include "cli/DirectTable.h"
#include "cli/PieceStream.h"
#include "cli/StepFiller.h"

#include <windows.h>

#include <new>

namespace {

void WriteHandle(DWORD which, const std::string& text) {
    const HANDLE handle = GetStdHandle(which);
    DWORD written = 0;
    if (handle != nullptr && handle != INVALID_HANDLE_VALUE)
        WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
}

void Say(const std::string& line) {
    WriteHandle(STD_ERROR_HANDLE, "sinoshift-cli: " + line + "\n");
}

// "5 characters have no form in BIG5 and 2 were not valid GB; they became "?"", or nothing.
std::string LossLine(int mode, const TUnitCounts& counts) {
    const char* target = CliTargetName(mode);
    if (target == nullptr || (counts.NoForm == 0 && counts.Malformed == 0))
        return {};
    const char* source = mode == 2 ? "BIG5" : "GB";
    std::string line;
    if (counts.NoForm > 0)
        line = std::to_string(counts.NoForm) + (counts.NoForm == 1 ? " character has" : " characters have") +
               " no form in " + target;
    if (counts.Malformed > 0)
        line += (line.empty() ? std::to_string(counts.Malformed) +
                                    (counts.Malformed == 1 ? " character was" : " characters were")
                              : " and " + std::to_string(counts.Malformed) + " were") +
                std::string(" not valid ") + source;
    return line + (counts.NoForm + counts.Malformed == 1 ? "; it became \"?\"" : "; they became \"?\"");
}

int Convert(const TCliOptions& options) {
    // The input first: a missing one leaves no output behind.
    TCliInput input(options.Input);
    TCliOutput output(options.Output);
    TStepFiller filler(options.Mode);
    TDirectTable table(filler);
    ConvertStream(
        table, [&](char* data, std::size_t size) { return input.Read(data, size); },
        [&](const char* data, std::size_t size) { output.Write(data, size); });
    input.Close();

    const std::string loss = LossLine(options.Mode, table.Counts());
    if (options.Strict && !loss.empty()) {
        Say(loss +
            (output.IsFile() ? "; '" + options.Output + "' left as it was (--strict)" : " (--strict)"));
        return 3; // the output's destructor drops the temporary file
    }
    if (!loss.empty())
        Say(loss);
    output.Commit();
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args) {
    const TCliOptions options = ParseCliArguments(args);
    switch (options.Action) {
    case TCliAction::Help:
        WriteHandle(STD_OUTPUT_HANDLE, CliUsageText());
        return 0;
    case TCliAction::Version:
        WriteHandle(STD_OUTPUT_HANDLE, "sinoshift-cli " SINOSHIFT_VERSION "\n");
        return 0;
    case TCliAction::Usage:
        Say(options.Error + " (see --help)");
        return 2;
    case TCliAction::Convert:
        break;
    }
    try {
        return Convert(options);
    } catch (const TCliError& error) {
        Say(error.what());
        return error.ExitCode;
    } catch (const std::bad_alloc&) {
        Say("out of memory");
        return 1;
    }
}
