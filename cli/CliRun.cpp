#include "cli/CliRun.h"

#include "cli/CliBatch.h"
#include "cli/CliClipboard.h"
#include "cli/CliConsole.h"
#include "cli/CliOptions.h"

#include <new>

int RunCli(const std::vector<std::string>& args) {
    const TCliOptions options = ParseCliArguments(args);
    try {
        switch (options.Action) {
        case TCliAction::Help:
            WriteStandardOutput(CliUsageText());
            return 0;
        case TCliAction::Version:
            WriteStandardOutput("sinoshift-cli " SINOSHIFT_VERSION "\n");
            return 0;
        case TCliAction::Usage:
            Say(options.Error + " (see --help)");
            return 2;
        case TCliAction::Clipboard:
            return RunClipboard(options);
        case TCliAction::Convert:
            break;
        }
        return RunConversion(options);
    } catch (const std::bad_alloc&) {
        Say("out of memory");
        return 1;
    }
}
