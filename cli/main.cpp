// sinoshift-cli: Chinese text conversions for files, folders, pipes and the clipboard.

#include "cli/CliConsole.h"
#include "cli/CliRun.h"

#include <windows.h>

#include <shellapi.h>

int main() {
    // The wide command line: names outside the ANSI code page arrive whole.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> args;
    for (int i = 1; wide != nullptr && i < count; ++i)
        args.push_back(Narrow(wide[i]));
    LocalFree(wide);
    return RunCli(args);
}
